#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace hx {

// One running program per user. The first instance listens on a local socket named after the
// program's mutex and the user; a later one asks it to show its window and ends.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString name);

    // True when this process is the first; false when another one was asked to show itself.
    // A socket left behind by a crashed instance is removed and taken over.
    bool Claim();
    // Called in the first instance whenever a later start asks for the window.
    void OnRaiseRequest(std::function<void()> handler) { raise_ = std::move(handler); }

    static QString DefaultName();

private:
    bool AskRunningInstance();

    QString name_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> raise_;
};

} // namespace hx
