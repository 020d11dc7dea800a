// One running Heliodex per program directory: a second start asks the first to show itself.
#pragma once

#include <memory>

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

namespace hx::ui {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // Takes the lock file "heliodex.lock" in the program directory. A lock is another
    // instance's only while that instance answers on this directory's local server; a lock
    // left by a process that no longer runs, or whose number now belongs to some other
    // process, is taken over.
    explicit SingleInstance(const QString& programDir, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the one instance; it then listens for later starts.
    bool isPrimary() const { return primary_; }
    // Not primary and no other instance either: the lock file could not be made (no room on
    // the disk, no permission) or its path holds no regular file (a FIFO, a directory, a
    // socket, a device), which is never opened. The text says so, with the file and the
    // reason; else empty.
    const QString& lockProblem() const { return problem_; }
    // From a second process: asks the running one to restore its window. True when it answered.
    bool notifyPrimary(int timeoutMs = 1500) const;

    static QString serverNameFor(const QString& programDir);
    // Whether an instance listens on the directory's local server.
    static bool instanceAnswers(const QString& programDir, int timeoutMs = 1500);

  signals:
    void activationRequested();

  private:
    QString dir_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
    bool primary_ = false;
    QString problem_;
};

}  // namespace hx::ui
