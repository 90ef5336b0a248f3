#pragma once

#include "common/Result.h"

#include <filesystem>
#include <string>

namespace hx {

// Starting things outside the program. The program does not wait for what it starts.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document, folder or program with what the desktop associates with it.
    virtual Status OpenPath(const std::filesystem::path& file,
                            const std::filesystem::path& workingDir) = 0;
    // Starts an executable without arguments.
    virtual Status StartProgram(const std::filesystem::path& program,
                                const std::filesystem::path& workingDir) = 0;
    virtual Status OpenUrl(const std::string& url) = 0;
};

} // namespace hx
