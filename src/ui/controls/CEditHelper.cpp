#include "ui/controls/CEditHelper.h"

#include "ui/controls/WindowMessageEvent.h"
#include "ui/controls/WindowMessages.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace hx {
namespace {

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

CEditHelper::CEditHelper(QWidget* parent) : QLineEdit(parent) {}

void CEditHelper::Report(bool commit) {
    if (QWidget* parent = parentWidget()) {
        WindowMessageEvent done(WM_EDIT_HELPER_DONE, commit ? 1 : 0, 0);
        QCoreApplication::sendEvent(parent, &done);
    }
}

void CEditHelper::keyPressEvent(QKeyEvent* event) {
    QLineEdit::keyPressEvent(event);
    // The editor acts on the release; the press must not go on to the dialog, where Enter and
    // Escape would close it.
    if (IsEnter(event->key()) || event->key() == Qt::Key_Escape) {
        event->accept();
    }
}

void CEditHelper::keyReleaseEvent(QKeyEvent* event) {
    // A held key's repeats are not releases of the key.
    if (!event->isAutoRepeat()) {
        if (IsEnter(event->key())) {
            Report(true);
        } else if (event->key() == Qt::Key_Escape) {
            Report(false);
        }
    }
    QLineEdit::keyReleaseEvent(event);
}

void CEditHelper::focusOutEvent(QFocusEvent* event) {
    // The editor's own context menu borrows the focus and gives it back; that is not leaving.
    if (event->reason() != Qt::PopupFocusReason) {
        Report(true);
    }
    QLineEdit::focusOutEvent(event);
}

} // namespace hx
