#pragma once

#include "common/Result.h"

#include <optional>
#include <string>
#include <vector>

namespace hx {

struct Options {
    bool help = false;
    bool version = false;
    std::optional<std::string> dataDir;
    // The virtual keyboard instead of real hardware; its memory lives in this file ("" means
    // the data folder's virtual-keyboard.bin).
    std::optional<std::string> virtualKeyboard;
    std::optional<std::string> hidTrace;
    std::optional<std::string> screenshot;
};

Result<Options> ParseOptions(const std::vector<std::string>& args);

std::string UsageText(const std::string& program);
inline constexpr const char* kVersionText = "hxtr720 1.0";

} // namespace hx
