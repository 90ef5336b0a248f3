#pragma once

#include "config/AppState.h"
#include "device/ConnectionEvents.h"
#include "device/DeviceLink.h"
#include "platform/Shell.h"
#include "platform/QtKeyHook.h"
#include "platform/UiServices.h"
#include "ui/controls/BitSliderModel.h"
#include "ui/controls/LabelFonts.h"
#include "ui/controls/SkinCache.h"
#include "ui/main/MainWindowController.h"
#include "ui/main/MainWindowHost.h"
#include "ui/panel/PanelSliders.h"

#include <QDialog>
#include <QImage>

#include <filesystem>
#include <functional>

namespace hx {

class CBitSlider;

inline constexpr const char* kMainWindowTitle = "ORVEX HXTR-720 Gaming Keyboard";

// The frameless main window: composes itself from the skin into a back buffer and forwards
// every event to its controller.
class CZadeDevuzoveDlg final : public QDialog, private MainWindowHost, private PanelSliders {
    Q_OBJECT

public:
    CZadeDevuzoveDlg(AppState& state, DeviceLink& link, UiServices& ui, Shell& shell,
                     QWidget* parent = nullptr);
    ~CZadeDevuzoveDlg() override;

    MainWindowController& controller() { return controller_; }
    // The composed picture of the window, as the next paint shows it.
    QImage Compose();
    // Shows, raises and activates the window (tray double-click, second instance).
    void Present();
    // Called when a full read was handled, e.g. to take a screenshot.
    void SetAfterFullRead(std::function<void()> callback) { afterFullRead_ = std::move(callback); }
    // What WM_NO_KEYBOARD_NOTICE shows (the tray's balloon).
    void SetNoKeyboardNotice(std::function<void()> show) { noKeyboardNotice_ = std::move(show); }
    CBitSlider* slider(int id);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    // MainWindowHost
    void HideWindow() override;
    void EndDialog() override;
    void SetTrackbarPositions() override;
    void SetWaitCursor(bool waiting) override;
    void Repaint() override;
    void StartSystemMove() override;
    void OpenProfileManager() override;
    bool OpenMacroManager() override;
    bool OpenKeyAssignment(std::uint8_t key, AssignmentResult& result) override;
    // PanelSliders
    void Show(int id, bool visible) override;
    void DrawSlider(Canvas& canvas, int id) override;
    void PlaceReportRate(int top) override;

    void CreateSliders();
    void ShowSystemMenu(const QPoint& globalPos);
    void ShowAboutBox();
    void OnSliderChanged(int id);

    AppState& state_;
    UiServices& ui_;
    QtKeyHook keyHook_;
    std::filesystem::path skinFolder_;
    SkinCache skins_;
    LabelFonts fonts_;
    MainWindowController controller_;
    SliderRedrawMemo sliderMemo_;
    CBitSlider* speed_ = nullptr;
    CBitSlider* brightness_ = nullptr;
    CBitSlider* reportRate_ = nullptr;
    std::function<void()> afterFullRead_;
    std::function<void()> noKeyboardNotice_;
    int waitCursorDepth_ = 0;
};

} // namespace hx
