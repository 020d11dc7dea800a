// Lock file plus a local socket named after the program directory.
#include "single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

namespace hx::ui {

namespace {
// Why the lock file cannot be made: a probe file beside it is written to learn the reason.
QString LockProblem(const QString& programDir) {
    const QString path = QDir(programDir).filePath("heliodex.lock");
    QFile probe(path + ".probe");
    QString why = QStringLiteral("The directory cannot be written.");
    if (probe.open(QIODevice::WriteOnly)) {
        if (probe.write(QByteArray(64, '\n')) != 64 || !probe.flush())
            why = probe.errorString() + '.';
        probe.close();
        probe.remove();
    } else {
        why = probe.errorString() + '.';
    }
    return QStringLiteral("Heliodex cannot start: the lock file \"%1\" cannot be written. %2")
        .arg(QDir::toNativeSeparators(path), why);
}
}  // namespace

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
    // The lock names a live process, but no instance of this directory listens: the number
    // was given to another process (another directory's Heliodex, say). It is stale.
    if (!primary_ && lock_->error() == QLockFile::LockFailedError &&
        !instanceAnswers(programDir, 500)) {
        lock_->removeStaleLockFile();
        primary_ = lock_->tryLock(100);
    }
    if (!primary_) {
        if (lock_->error() != QLockFile::LockFailedError) problem_ = LockProblem(programDir);
        return;
    }
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

bool SingleInstance::instanceAnswers(const QString& programDir, int timeoutMs) {
    QLocalSocket s;
    s.connectToServer(serverNameFor(programDir));
    return s.waitForConnected(timeoutMs);
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
