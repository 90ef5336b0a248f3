#pragma once

#include "keymap/AssignmentResult.h"

#include <cstdint>

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
    // Runs the macro manager modally; true when it ended with OK and its library is in the state.
    virtual bool OpenMacroManager() = 0;
    // Runs the key-assignment dialog for `key`; true when it ended with OK and `result` holds
    // the new assignment.
    virtual bool OpenKeyAssignment(std::uint8_t key, AssignmentResult& result) = 0;
};

} // namespace hx
