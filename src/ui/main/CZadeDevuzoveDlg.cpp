#include "ui/main/CZadeDevuzoveDlg.h"

#include "keymap/CKeyMap.h"
#include "macro/CMacroRecordDlg.h"
#include "profile/CConfigureDlg.h"
#include "ui/controls/CBitSlider.h"
#include "ui/controls/DialogKeys.h"
#include "ui/controls/QtCanvas.h"
#include "ui/controls/WindowMessageEvent.h"
#include "ui/main/QtConnectionEvents.h"
#include "ui/controls/WindowMessages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QTimer>
#include <QWindow>

namespace hx {
namespace {

constexpr int kTitleStripHeight = 30;

struct SliderSetup {
    int id;
    int x, y;
    int maximum;
    int initial; // -1: not set
};

// Where the three trackbars start and the ranges they edit.
constexpr SliderSetup kSliders[] = {
    {kSpeedSliderId, 28, 303, 9, -1},
    {kBrightnessSliderId, 28, 260, 50, 1},
    {kReportRateSliderId, 28, 530, 3, 1},
};

} // namespace

CZadeDevuzoveDlg::CZadeDevuzoveDlg(AppState& state, DeviceLink& link, UiServices& ui, Shell& shell,
                                   QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), state_(state), ui_(ui),
      skinFolder_(state.folders.resources / "png" / "english"),
      controller_(state, link, ui, shell, *this, *this) {
    setWindowTitle(kMainWindowTitle);
    setWindowIcon(ApplicationIcon());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    const QImage background = skins_.Load(skinFolder_, "main.png");
    setFixedSize(background.size());
    CreateSliders();
}

CZadeDevuzoveDlg::~CZadeDevuzoveDlg() = default;

void CZadeDevuzoveDlg::CreateSliders() {
    for (const SliderSetup& s : kSliders) {
        auto* slider = new CBitSlider(this);
        slider->setOrientation(Qt::Horizontal);
        slider->setRange(0, s.maximum);
        slider->setSingleStep(1);
        slider->setPageStep(1);
        slider->setFocusPolicy(Qt::StrongFocus);
        slider->setGeometry(s.x, s.y, 30, 10);
        slider->SetReportTarget(this, s.id);
        slider->SetUpSlider();
        if (s.initial >= 0)
            slider->setValue(s.initial);
        // The panel sections show the sliders they own when they draw them.
        slider->hide();
        (s.id == kSpeedSliderId        ? speed_
         : s.id == kBrightnessSliderId ? brightness_
                                       : reportRate_) = slider;
    }
}

CBitSlider* CZadeDevuzoveDlg::slider(int id) {
    return id == kSpeedSliderId ? speed_ : id == kBrightnessSliderId ? brightness_ : reportRate_;
}

QImage CZadeDevuzoveDlg::Compose() {
    QImage buffer = LoadBackBuffer(skins_, skinFolder_, "main.png");
    if (buffer.isNull())
        return buffer;
    {
        QtCanvas canvas(buffer, skins_, fonts_, skinFolder_);
        controller_.Paint(canvas);
    }
    return buffer;
}

void CZadeDevuzoveDlg::paintEvent(QPaintEvent*) {
    const QImage buffer = Compose();
    QPainter painter(this);
    if (!buffer.isNull())
        painter.drawImage(0, 0, buffer);
}

void CZadeDevuzoveDlg::Present() {
    showNormal();
    raise();
    activateWindow();
}

bool CZadeDevuzoveDlg::event(QEvent* e) {
    switch (static_cast<int>(e->type())) {
    case WM_SETTINGS_READ:
        if (auto* startup = dynamic_cast<StartupReadEvent*>(e)) {
            MergeStartupRead(startup->read(), state_);
            controller_.OnSettingsRead(SettingsRead::kFullRead);
        } else {
            const auto* m = static_cast<WindowMessageEvent*>(e);
            controller_.OnSettingsRead(m->lParam() == 1 ? SettingsRead::kRefresh
                                                        : SettingsRead::kFullRead);
        }
        if (afterFullRead_)
            afterFullRead_();
        return true;
    case WM_DEVICE_KEY:
        controller_.OnDeviceKey(
            static_cast<std::uint8_t>(static_cast<WindowMessageEvent*>(e)->wParam()));
        return true;
    case WM_NO_KEYBOARD_NOTICE:
        if (static_cast<WindowMessageEvent*>(e)->wParam() == kNoKeyboardNoticeParam &&
            noKeyboardNotice_)
            noKeyboardNotice_();
        return true;
    case WM_SLIDER_CHANGED:
        OnSliderChanged(static_cast<int>(static_cast<WindowMessageEvent*>(e)->wParam()));
        return true;
    default:
        return QDialog::event(e);
    }
}

void CZadeDevuzoveDlg::OnSliderChanged(int id) {
    CBitSlider* s = slider(id);
    if (s && sliderMemo_.TakeReport(id, s->value()))
        update();
}

void CZadeDevuzoveDlg::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        controller_.OnLeftButtonDown();
    } else if (e->button() == Qt::RightButton && e->position().y() < kTitleStripHeight) {
        ShowSystemMenu(e->globalPosition().toPoint());
    }
}

void CZadeDevuzoveDlg::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        const QPoint p = e->position().toPoint();
        controller_.OnLeftButtonUp(p.x(), p.y());
    }
}

void CZadeDevuzoveDlg::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    controller_.OnMouseMove(p.x(), p.y(), e->buttons() & Qt::LeftButton);
}

void CZadeDevuzoveDlg::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space && (e->modifiers() & Qt::AltModifier)) {
        ShowSystemMenu(mapToGlobal(QPoint(0, kTitleStripHeight)));
        return;
    }
    // F1 as well: the main window has no help key of its own.
    if (IsDialogClosingKey(e) || e->key() == Qt::Key_F1) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void CZadeDevuzoveDlg::focusOutEvent(QFocusEvent* e) {
    QDialog::focusOutEvent(e);
    update();
}

void CZadeDevuzoveDlg::closeEvent(QCloseEvent* e) {
    // A close from the window manager hides the window to the tray, like the hide button;
    // the program ends from its own close button or the tray menu.
    e->ignore();
    hide();
}

void CZadeDevuzoveDlg::reject() {}

void CZadeDevuzoveDlg::ShowSystemMenu(const QPoint& globalPos) {
    QMenu menu(this);
    menu.addAction("About ZadeDevuzove(&A)...", this, &CZadeDevuzoveDlg::ShowAboutBox);
    menu.exec(globalPos);
}

void CZadeDevuzoveDlg::ShowAboutBox() {
    QDialog about(this);
    about.setWindowTitle("?? ZadeDevuzove");
    auto* layout = new QVBoxLayout(&about);
    layout->addWidget(new QLabel("ZadeDevuzove 1.0 ?", &about));
    auto* buttons = new QDialogButtonBox(&about);
    buttons->addButton("??", QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
    layout->addWidget(buttons);
    about.exec();
}

void CZadeDevuzoveDlg::HideWindow() {
    hide();
}

void CZadeDevuzoveDlg::EndDialog() {
    done(QDialog::Accepted);
}

void CZadeDevuzoveDlg::SetTrackbarPositions() {
    const auto l = state_.image.span(image::kLightingSettings);
    brightness_->setValue(l[image::kLightingBrightness]);
    speed_->setValue(l[image::kLightingSpeed]);
    reportRate_->setValue(state_.image.at(image::kReportRate));
    update();
}

void CZadeDevuzoveDlg::SetWaitCursor(bool waiting) {
    if (waiting) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++waitCursorDepth_;
    } else if (waitCursorDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --waitCursorDepth_;
    }
}

void CZadeDevuzoveDlg::Repaint() {
    update();
}

void CZadeDevuzoveDlg::Show(int id, bool visible) {
    if (CBitSlider* s = slider(id); s && s->isVisible() != visible)
        s->setVisible(visible);
}

void CZadeDevuzoveDlg::DrawSlider(Canvas& canvas, int id) {
    if (CBitSlider* s = slider(id))
        hx::DrawSlider(canvas, state_.image, id, s->Placement(this));
}

void CZadeDevuzoveDlg::PlaceReportRate(int top) {
    reportRate_->setGeometry(28, top, 30, 10);
    reportRate_->SetUpSlider();
}

bool CZadeDevuzoveDlg::OpenKeyAssignment(std::uint8_t key, AssignmentResult& result) {
    return RunKeyAssignment(state_, key, result, ui_, keyHook_, this);
}

bool CZadeDevuzoveDlg::OpenMacroManager() {
    return RunMacroManager(state_, ui_, keyHook_, this);
}

void CZadeDevuzoveDlg::OpenProfileManager() {
    RunProfileManager(state_, ui_, this, geometry());
    // The window shows what the profile manager left in the image (a refresh, no re-read).
    constexpr int kSettleMs = 50;
    QTimer::singleShot(kSettleMs, this, [this] {
        QCoreApplication::postEvent(this, new WindowMessageEvent(WM_SETTINGS_READ, 0, 1));
    });
}

void CZadeDevuzoveDlg::StartSystemMove() {
    if (QWindow* w = windowHandle())
        w->startSystemMove();
}

} // namespace hx
