#pragma once

#include "platform/KeyHook.h"

#include <QObject>
#include <QPointer>

namespace hx {

// The key hook as an application-wide event filter. It reads key events where they enter the
// program, at its top-level windows, so a key that travels on to a widget and its parents is
// reported once. Keys still reach the program's widgets; other programs' keys are never seen.
class QtKeyHook final : public QObject, public KeyHook {
    Q_OBJECT

public:
    explicit QtKeyHook(QObject* parent = nullptr);
    ~QtKeyHook() override;

    bool installhook(QObject* window, int mode) override;
    void removehook() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QObject> target_;
    int mode_ = kHookStrokes;
    bool installed_ = false;
    bool scanCodesAreXkb_ = false;
};

} // namespace hx
