#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>

class QMenu;

namespace hx {

// The program's place in the notification area: a double click brings the window back (or
// says that no keyboard is there), the menu's one item ends the program.
class TrayIcon final : public QObject {
    Q_OBJECT

public:
    struct Actions {
        std::function<bool()> keyboardConnected;
        std::function<void()> showWindow;
        std::function<void()> exitProgram;
        // Posts WM_NO_KEYBOARD_NOTICE to the window, which answers with the balloon.
        std::function<void()> postNoKeyboardNotice;
    };
    explicit TrayIcon(Actions actions);
    ~TrayIcon() override;

    // False when the desktop has no notification area.
    bool Show();
    void Remove();
    // The balloon "No Gaming Keyboard Detected!" titled "Warning".
    void ShowNoKeyboardNotice();
    // A double click on the icon.
    void DoubleClicked();

private:
    Actions actions_;
    std::unique_ptr<QMenu> menu_;
    QSystemTrayIcon icon_;
};

} // namespace hx
