#pragma once

#include <QKeyEvent>

namespace hx {

// Enter and Escape would press a skinned dialog's hidden default button or close it; these
// windows close only through their own buttons, so the keys are taken before QDialog sees them.
inline bool IsDialogClosingKey(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

} // namespace hx
