// Lock file plus a local socket named after the program directory.
#include "single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <sys/stat.h>

namespace hx::ui {

namespace {
// What the lock path holds when it is there but no regular file, else empty. QLockFile would
// wait for good opening a FIFO and take a directory for another instance's lock.
QString SpecialFileKind(const QString& path) {
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode)) return {};
    if (S_ISDIR(st.st_mode)) return QStringLiteral("a directory");
    if (S_ISFIFO(st.st_mode)) return QStringLiteral("a FIFO");
    if (S_ISSOCK(st.st_mode)) return QStringLiteral("a socket");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return QStringLiteral("a device");
    return QStringLiteral("a special file");
}

// Why the lock file cannot be made: a probe file beside it is written to learn the reason.
QString LockProblem(const QString& programDir) {
    const QString path = QDir(programDir).filePath("heliodex.lock");
    QFile probe(path + ".probe");
    QString why = QStringLiteral("The directory cannot be written.");
    if (!SpecialFileKind(probe.fileName()).isEmpty()) {
        why =
            QStringLiteral("\"%1\" is in the way.").arg(QDir::toNativeSeparators(probe.fileName()));
    } else if (probe.open(QIODevice::WriteOnly)) {
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
    const QString lockPath = QDir(programDir).filePath("heliodex.lock");
    if (const QString kind = SpecialFileKind(lockPath); !kind.isEmpty()) {
        problem_ = QStringLiteral(
                       "Heliodex cannot start: the lock file \"%1\" is %2, not a "
                       "regular file. Remove it and start again.")
                       .arg(QDir::toNativeSeparators(lockPath), kind);
        return;
    }
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
