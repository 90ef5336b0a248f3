#pragma once

#include "config/AppState.h"
#include "device/ConnectionEvents.h"
#include "device/DeviceLink.h"
#include "platform/Shell.h"
#include "platform/UiServices.h"
#include "ui/controls/Canvas.h"
#include "ui/main/MainWindowHost.h"
#include "ui/main/MainWindowState.h"
#include "ui/panel/PerformanceSections.h"

#include <cstdint>
#include <string>

namespace hx {

inline constexpr const char* kNoKeyboardText = "No Gaming Keyboard Detected!";
inline constexpr const char* kWarningCaption = "Warning";
inline constexpr const char* kNotConfirmedText =
    "The keyboard did not confirm the changes. Nothing was lost; press Save to try again.";
inline constexpr const char* kResetQuestion = "Confirm to return Factory Setting?";
inline constexpr const char* kResetCaption = "Factory Setting";

// The main window's behaviour: paint order, click dispatch, hover and drag, and the handlers of
// the keyboard's notices. The Qt window forwards events here and performs what the host
// interface asks.
class PanelSliders;

class MainWindowController {
public:
    MainWindowController(AppState& state, DeviceLink& link, UiServices& ui, Shell& shell,
                         MainWindowHost& host, PanelSliders& sliders);

    MainWindowState& window() { return window_; }
    const MainWindowState& window() const { return window_; }

    void Paint(Canvas& canvas);
    void OnLeftButtonDown() { window_.leftButtonHeld = true; }
    void OnLeftButtonUp(int x, int y);
    void OnMouseMove(int x, int y, bool leftButtonDown);

    // WM_SETTINGS_READ: refresh from the image, and after a full read offer a firmware update.
    void OnSettingsRead(SettingsRead kind);
    // WM_DEVICE_KEY: the keyboard reported a launch key.
    void OnDeviceKey(std::uint8_t code);

    // The regions' actions, also reachable from the tray and tests.
    void Save();
    void CancelEdits();
    void FactoryResetClicked();
    void Close();

private:
    void Dispatch(int hit);
    void KeyClick(std::uint8_t key);
    std::uint8_t EffectMode() const;
    void ReportFileError(const Status& saved, const char* when);
    void SayIfNotSaved(const Status& saved);

    AppState& state_;
    DeviceLink& link_;
    UiServices& ui_;
    Shell& shell_;
    MainWindowHost& host_;
    PanelSliders& sliders_;
    MainWindowState window_;
    RateSliderPlace ratePlace_;
    // Kept between openings: the dialog preselects the function chosen last.
    AssignmentResult assignment_;
};

} // namespace hx
