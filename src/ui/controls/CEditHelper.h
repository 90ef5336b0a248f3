#pragma once

#include <QLineEdit>

namespace hx {

// The one-line editor a list opens over a line to edit it in place. It decides nothing: it tells
// its parent, the list, WM_EDIT_HELPER_DONE with 1 to keep the text (Enter released, or the
// focus went elsewhere) or 0 to drop it (Escape released).
class CEditHelper final : public QLineEdit {
    Q_OBJECT

public:
    explicit CEditHelper(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Report(bool commit);
};

} // namespace hx
