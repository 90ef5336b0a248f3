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
};

Result<Options> ParseOptions(const std::vector<std::string>& args);

std::string UsageText(const std::string& program);
inline constexpr const char* kVersionText = "hxtr720 1.0";

} // namespace hx
