#pragma once

#include "platform/Shell.h"

namespace hx {

// Programs start detached; documents, folders and web pages open in what the desktop
// associates with them.
class QtShell final : public Shell {
public:
    Status OpenPath(const std::filesystem::path& file,
                    const std::filesystem::path& workingDir) override;
    Status StartProgram(const std::filesystem::path& program,
                        const std::filesystem::path& workingDir) override;
    Status OpenUrl(const std::string& url) override;
};

} // namespace hx
