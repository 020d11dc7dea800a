// A FIFO that notices being opened: a writer thread polls it, so a reader that opens it is
// recorded and let go at once (it reads end-of-file) instead of blocking for good.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include <QString>

namespace hx::test {

class FifoWatch {
  public:
    explicit FifoWatch(const QString& path) : path_(path.toLocal8Bit()) {
        made_ = ::mkfifo(path_.constData(), 0600) == 0;
        writer_ = std::thread([this] {
            while (!stop_) {
                // Opening for writing without blocking succeeds only while a reader has it open.
                const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    opened_ = true;
                    ::close(fd);
                }
                ::usleep(2000);
            }
        });
    }
    ~FifoWatch() {
        stop_ = true;
        writer_.join();
        ::unlink(path_.constData());
    }
    bool Made() const { return made_; }
    bool Opened() const { return opened_; }

  private:
    QByteArray path_;
    bool made_ = false;
    std::atomic<bool> stop_{false}, opened_{false};
    std::thread writer_;
};

}  // namespace hx::test
