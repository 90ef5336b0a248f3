#pragma once

#include "app/Options.h"
#include "config/AppState.h"

#include <memory>

namespace hx {

// The program: wires the keyboard link, the local files, the main window and the tray icon
// together in the start-up order, runs until the window ends, and shuts down in order.
class CZadeDevuzoveApp {
public:
    CZadeDevuzoveApp(Options options, Folders folders);
    ~CZadeDevuzoveApp();

    // Needs a QApplication. Returns the process exit code.
    int Run();
    // A second start asked for the window.
    void RaiseWindow();

private:
    struct Parts;
    Options options_;
    std::unique_ptr<AppState> state_;
    std::unique_ptr<Parts> parts_;
};

} // namespace hx
