#include "app/SingleInstance.h"

#include <QLocalSocket>

#include <unistd.h>

namespace hx {
namespace {

constexpr const char* kMutexName = " {57D1171D-1a34-0804-8A3A-65ABA2150010}";
constexpr const char kRaiseRequest[] = "raise\n";
constexpr int kConnectTimeoutMs = 1000;

} // namespace

SingleInstance::SingleInstance(QString name) : name_(std::move(name)) {}

QString SingleInstance::DefaultName() {
    // Socket names cannot hold the mutex's braces and blank portably; keep its digits.
    QString id = QString::fromLatin1(kMutexName).trimmed();
    id.remove('{').remove('}');
    return QStringLiteral("hxtr720-%1-%2").arg(id).arg(::getuid());
}

bool SingleInstance::AskRunningInstance() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kRaiseRequest);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Claim() {
    // Listening would replace a running instance's socket, so ask first.
    if (AskRunningInstance())
        return false;
    QLocalServer::removeServer(name_); // left by a crash: nobody answered
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_))
        return true; // run anyway rather than refuse to start
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            if (raise_)
                raise_();
        }
    });
    return true;
}

} // namespace hx
