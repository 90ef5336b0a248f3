#include "ui/main/TrayIcon.h"

#include "ui/controls/SkinCache.h"
#include "ui/main/CZadeDevuzoveDlg.h"
#include "ui/main/MainWindowController.h"

#include <QMenu>

namespace hx {
namespace {

constexpr int kBalloonMs = 100; // the desktop applies its own minimum

} // namespace

TrayIcon::TrayIcon(Actions actions) : actions_(std::move(actions)), menu_(new QMenu) {
    icon_.setIcon(ApplicationIcon());
    icon_.setToolTip(kMainWindowTitle);
    menu_->addAction("Exit", [this] { actions_.exitProgram(); });
    icon_.setContextMenu(menu_.get());
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick)
                    DoubleClicked();
            });
}

TrayIcon::~TrayIcon() {
    Remove();
}

bool TrayIcon::Show() {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    icon_.show();
    return true;
}

void TrayIcon::Remove() {
    icon_.hide();
}

void TrayIcon::DoubleClicked() {
    if (actions_.keyboardConnected())
        actions_.showWindow();
    else
        actions_.postNoKeyboardNotice();
}

void TrayIcon::ShowNoKeyboardNotice() {
    icon_.showMessage(kWarningCaption, kNoKeyboardText, QSystemTrayIcon::Information, kBalloonMs);
}

} // namespace hx
