// Lock file plus a local socket named after the program directory.
#include "single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace hx::ui {

QString SingleInstance::serverNameFor(const QString& programDir) {
    const QByteArray key = QDir(programDir).canonicalPath().toUtf8();
    return QStringLiteral("heliodex-") +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
}

SingleInstance::SingleInstance(const QString& programDir, QObject* parent)
    : QObject(parent),
      dir_(programDir),
      lock_(std::make_unique<QLockFile>(QDir(programDir).filePath("heliodex.lock"))) {
    // A lock whose process has died counts as stale at once.
    lock_->setStaleLockTime(0);
    primary_ = lock_->tryLock(100);
    if (!primary_) return;
    const QString name = serverNameFor(programDir);
    QLocalServer::removeServer(name);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            s->write("ok\n");
            s->flush();
            s->disconnectFromServer();
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit activationRequested();
        }
    });
    server_->listen(name);
}

SingleInstance::~SingleInstance() {
    if (server_) server_->close();
    if (primary_) lock_->unlock();
}

bool SingleInstance::notifyPrimary(int timeoutMs) const {
    QLocalSocket s;
    s.connectToServer(serverNameFor(dir_));
    if (!s.waitForConnected(timeoutMs)) return false;
    s.write("show\n");
    s.flush();
    return s.waitForReadyRead(timeoutMs);
}

}  // namespace hx::ui
