#pragma once

namespace hx {

// What the Qt window does on behalf of the main window's logic.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    virtual void HideWindow() = 0;
    virtual void EndDialog() = 0;
    // Moves the speed, brightness and report-rate trackbars to the image's values.
    virtual void SetTrackbarPositions() = 0;
    virtual void SetWaitCursor(bool waiting) = 0;
    virtual void Repaint() = 0;
    // Hands the pressed mouse over to the window manager, which moves the window.
    virtual void StartSystemMove() = 0;
    // Runs the profile manager modally; the window refreshes itself from the image soon after,
    // however it ended.
    virtual void OpenProfileManager() = 0;
};

} // namespace hx
