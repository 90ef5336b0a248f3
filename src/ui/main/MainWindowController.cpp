#include "ui/main/MainWindowController.h"

#include "config/ApplyChanges.h"
#include "config/FactoryReset.h"
#include "config/LocalFiles.h"
#include "device/FirmwareUpdate.h"
#include "keymap/EncodeAssignment.h"
#include "keymap/LaunchShortcut.h"
#include "macro/MacroCommit.h"
#include "ui/main/HelpWindow.h"
#include "ui/main/KeyboardPicture.h"
#include "ui/main/KeyRects.h"
#include "ui/main/MainLayout.h"
#include "ui/panel/EffectList.h"
#include "ui/panel/LightingClicks.h"
#include "ui/panel/LightingSection.h"
#include "ui/panel/ResponseList.h"

#include <iostream>

namespace hx {
namespace {

constexpr int kButtonLabelHeight = 13;
constexpr int kMacroLabelHeight = 15;

void PaintChrome(Canvas& c) {
    c.DrawSkinImage("main.png", 0, 0);
    c.DrawSkinImage("button-help-normal.png", 936, 5);
    c.DrawSkinImage("button-min-normal.png", 957, 5);
    c.DrawSkinImage("button-close-normal.png", 978, 5);
    c.DrawSkinImage("logo.png", 19, 35);
    c.DrawSkinImage("kb_BK.png", kKeyPictureX, kKeyPictureY);
}

void PaintBottomButtons(Canvas& c) {
    c.DrawSkinImage("button-cancel-normal.png", 800, 605);
    c.DrawSkinImage("button-cancel-normal.png", 862, 605);
    c.DrawSkinImage("button-save-normal.png", 924, 605);
    c.DrawSkinImage("Config.png", 17, 603);
    c.DrawLabel("Конфігурація", 45, 610, kButtonLabelHeight, kLabelColour);
    c.DrawLabel("Скинути", 809, 612, kButtonLabelHeight, kLabelColour);
    c.DrawLabel("Скасувати", 865, 612, kButtonLabelHeight, kLabelColour);
    c.DrawLabel("Зберегти", 930, 612, kButtonLabelHeight, kLabelColour);
}

void PaintMacroRow(Canvas& c, int top) {
    c.DrawSkinImage("MacroManagementBK.png", 19, top);
    c.DrawSkinImage("MacroButton3.png", 19, top + 10);
    c.DrawLabel("Диспетчер макросів", 21, top + 12, kMacroLabelHeight, kLabelColour);
}

} // namespace

MainWindowController::MainWindowController(AppState& state, DeviceLink& link, UiServices& ui,
                                           Shell& shell, MainWindowHost& host,
                                           PanelSliders& sliders)
    : state_(state), link_(link), ui_(ui), shell_(shell), host_(host), sliders_(sliders) {}

std::uint8_t MainWindowController::EffectMode() const {
    return state_.image.at(image::kLightingSettings, image::kLightingMode);
}

void MainWindowController::Paint(Canvas& canvas) {
    PaintChrome(canvas);
    if (!window_.perKeyColourMode)
        PaintKeymapOverlay(canvas, window_.selectedKey, state_);
    else if (EffectMode() >= image::kFirstPerKeyColourMode)
        PaintColourOverlay(canvas, window_.selectedKey, state_);
    PaintBottomButtons(canvas);
    PaintLightingSection(canvas, window_, state_.image, sliders_);
    PaintMacroRow(canvas, ComputePanelLayout(window_).macroRowTop);
    PaintPerformanceSections(canvas, window_, state_.image, sliders_, ratePlace_);
    if (window_.effectListOpen)
        PaintEffectList(canvas, window_, sliders_);
    if (window_.responseListOpen)
        PaintResponseList(canvas, window_, sliders_);
    if (window_.helpVisible)
        PaintHelpWindow(canvas);
}

void MainWindowController::ReportFileError(const Status& saved, const char* when) {
    if (!saved)
        std::cerr << "hxtr720: " << when << ": " << saved.error().message << '\n';
}

void MainWindowController::SayIfNotSaved(const Status& saved) {
    // Local assignments and macros live only in these files: a failed write is worth a box.
    if (!saved)
        ui_.ShowMessage("Could not save: " + saved.error().message, kWarningCaption,
                        MessageButtons::kOk);
}

void MainWindowController::OnLeftButtonUp(int x, int y) {
    if (window_.effectListOpen) {
        EffectListClick(x, y, window_, state_.image, sliders_);
    } else if (window_.responseListOpen) {
        ResponseListClick(x, y, window_, state_.image);
    } else if (window_.helpVisible) {
        HelpWindowClick(x, y, window_, state_, ui_, shell_);
    } else {
        Dispatch(HitTest(x, y, window_, EffectMode()));
        window_.selectedKey = KeyHitTest(x, y, window_.perKeyColourMode);
        if (window_.selectedKey != kNone)
            KeyClick(window_.selectedKey);
    }
    host_.Repaint();
}

void MainWindowController::Dispatch(int hit) {
    if (LightingClick(hit, window_, state_.image, sliders_, ui_) ||
        PerformanceClick(hit, window_, state_.image))
        return;
    switch (hit) {
    case kHitHelp:
        window_.helpVisible = !window_.helpVisible;
        break;
    case kHitHide:
        host_.HideWindow();
        break;
    case kHitClose:
        Close();
        break;
    case kHitMacro:
        if (host_.OpenMacroManager())
            SayIfNotSaved(CommitMacroLibrary(state_));
        break;
    case kHitProfile:
        host_.OpenProfileManager();
        break;
    case kHitReset:
        FactoryResetClicked();
        break;
    case kHitCancel:
        CancelEdits();
        break;
    case kHitSave:
        Save();
        break;
    case kHitLightingHeader:
        window_.lightingCollapsed = !window_.lightingCollapsed;
        break;
    case kHitGameHeader:
        window_.gameCollapsed = !window_.gameCollapsed;
        break;
    case kHitResponseHeader:
        window_.responseCollapsed = !window_.responseCollapsed;
        break;
    case kHitRateHeader:
        window_.rateCollapsed = !window_.rateCollapsed;
        break;
    case kHitKeymapChoice:
        window_.perKeyColourMode = false;
        break;
    case kHitDiyChoice:
        window_.perKeyColourMode = true;
        break;
    default:
        break;
    }
}

void MainWindowController::KeyClick(std::uint8_t key) {
    if (window_.perKeyColourMode) {
        PerKeyColourClick(key, state_, ui_);
        return;
    }
    // The assignment dialog edits the saved key table, keeping unsaved image edits.
    if (auto loaded = LoadKeymap(state_, /*keepImage=*/true); !loaded)
        ReportFileError(loaded.error(), "reloading the key table");
    if (!host_.OpenKeyAssignment(key, assignment_))
        return;
    SayIfNotSaved(CommitKeyAssignment(state_, key, assignment_));
}

void MainWindowController::OnMouseMove(int x, int y, bool leftButtonDown) {
    if (!leftButtonDown)
        window_.leftButtonHeld = false;
    const bool listOpen = window_.effectListOpen || window_.responseListOpen;
    const int hit = HitTest(x, y, window_, EffectMode());
    if (window_.effectListOpen) {
        EffectListHover(x, y, window_);
    } else if (window_.responseListOpen) {
        ResponseListHover(x, y, window_);
    } else {
        if (hit != kHitNone) {
            window_.lastHotSpot = static_cast<std::uint8_t>(hit);
        } else if (window_.lastHotSpot != kNone) {
            host_.Repaint();
            window_.lastHotSpot = kNone;
        }
    }
    const std::uint8_t key = KeyHitTest(x, y, window_.perKeyColourMode);
    if (window_.leftButtonHeld && hit == kHitNone && key == kNone && !listOpen)
        host_.StartSystemMove();
    window_.selectedKey = key;
    if (key != window_.lastHoveredKey) {
        window_.lastHoveredKey = key;
        host_.Repaint();
    } else if ((key == kNone && hit != kHitNone) || window_.hoverEffectRow != kNone ||
               window_.hoverResponseRow != kNone) {
        host_.Repaint();
    }
}

void MainWindowController::Save() {
    host_.SetWaitCursor(true);
    const ApplyResult result = ApplyChanges(link_, state_);
    if (result.ok()) {
        state_.TakeSnapshot();
        state_.TakeKeySnapshot();
    }
    ReportFileError(SaveKeymapFromLive(state_), "saving keymap.bin");
    host_.SetWaitCursor(false);
    if (result.status == ApplyStatus::kNotConnected)
        ui_.ShowMessage(kNoKeyboardText, kWarningCaption, MessageButtons::kOk);
    else if (!result.ok())
        ui_.ShowMessage(kNotConfirmedText, kWarningCaption, MessageButtons::kOk);
}

void MainWindowController::CancelEdits() {
    host_.HideWindow();
    state_.Revert();
    host_.SetTrackbarPositions();
    RecomputeCustomised(state_);
    window_.perKeyColourMode = EffectMode() >= image::kFirstPerKeyColourMode;
    ReportFileError(SaveKeymapFromLive(state_), "saving keymap.bin");
}

void MainWindowController::FactoryResetClicked() {
    if (ui_.ShowMessage(kResetQuestion, kResetCaption, MessageButtons::kOkCancel) !=
        MessageAnswer::kOk)
        return;
    if (!link_.DeviceOpen()) {
        ui_.ShowMessage(kNoKeyboardText, kWarningCaption, MessageButtons::kOk);
        return;
    }
    host_.SetWaitCursor(true);
    window_.perKeyColourMode = false;
    window_.lightingCollapsed = window_.gameCollapsed = true;
    window_.responseCollapsed = window_.rateCollapsed = true;
    const ResetOutcome outcome = ResetKeyboardAndState(link_, state_);
    host_.SetTrackbarPositions();
    host_.SetWaitCursor(false);
    if (!outcome.device)
        ui_.ShowMessage(kNotConfirmedText, kWarningCaption, MessageButtons::kOk);
    ReportFileError(outcome.keymapFile, "saving keymap.bin");
}

void MainWindowController::Close() {
    SayIfNotSaved(SaveKeymapFromSnapshots(state_));
    host_.EndDialog();
}

void MainWindowController::OnSettingsRead(SettingsRead kind) {
    if (link_.DeviceOpen()) {
        DeviceLink::Session session = link_.Begin();
        session.Read(GET_REPORT_RATE, state_.image, state_.firmwareVersion).ok();
        host_.SetTrackbarPositions();
        RecomputeCustomised(state_);
        if (kind == SettingsRead::kFullRead)
            session.Read(GET_LIGHTING, state_.image, state_.firmwareVersion).ok();
    } else {
        RecomputeCustomised(state_);
    }
    host_.SetTrackbarPositions();
    ReportFileError(SaveKeymapFromLive(state_), "saving keymap.bin");
    host_.Repaint();
    if (kind == SettingsRead::kFullRead)
        OfferFirmwareUpdate(state_, ui_, shell_);
}

void MainWindowController::OnDeviceKey(std::uint8_t code) {
    if (Status launched = LaunchShortcut(state_.keys, code, shell_); !launched)
        ReportFileError(launched, "launching a key's shortcut");
}

} // namespace hx
