#pragma once
// Nodes that are not regular files, made in a test's own folder, for the
// readers and writers that must refuse them untouched.
//
//     const QString fifo = dir.filePath("x.pf1");
//     ASSERT_TRUE(test::makeFifo(fifo));
//     test::FifoWatchdog watchdog(fifo); // lets a reader stuck in open() go
//     … read it …
//     EXPECT_FALSE(watchdog.fired());

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace pf::test {

#ifdef Q_OS_WIN
// A Windows folder cannot hold a FIFO; the nearest thing a path can name is a
// device, which the same tests cover.
inline constexpr bool HasFifos = false;
inline bool makeFifo(const QString&) {
    return false;
}
inline QString makeDevice(const QString&) {
    return QStringLiteral("\\\\.\\NUL");
}
// Whether it is a file and its permissions, the nearest to a mode Windows has.
inline unsigned nodeMode(const QString& path) {
    const QFileInfo info(path);
    return (info.isFile() ? 0x10000u : 0u) | static_cast<unsigned>(info.permissions());
}
#else
inline constexpr bool HasFifos = true;

inline bool makeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

// A character device like /dev/null at `path` when the test may make one
// (root); otherwise /dev/null itself, which such a test cannot replace.
inline QString makeDevice(const QString& path) {
    if (::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        return path;
    return QStringLiteral("/dev/null");
}

// Node type and permission bits, without following a link.
inline unsigned nodeMode(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0u;
}
#endif

// Should a reader block in open() on the FIFO, a writer comes after a while
// and goes at once, so that the test ends and reports it instead of hanging.
class FifoWatchdog {
public:
    explicit FifoWatchdog(const QString& fifo,
                          std::chrono::seconds patience = std::chrono::seconds(20))
        : path_(QFile::encodeName(fifo)), thread_([this, patience] {
              std::unique_lock lock(mutex_);
              if (wake_.wait_for(lock, patience, [this] { return done_; }))
                  return;
              fired_ = true;
#ifndef Q_OS_WIN
              const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
              if (fd >= 0)
                  ::close(fd);
#endif
          }) {
    }
    ~FifoWatchdog() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    FifoWatchdog(const FifoWatchdog&) = delete;
    FifoWatchdog& operator=(const FifoWatchdog&) = delete;

    bool fired() const {
        return fired_;
    }

private:
    QByteArray path_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::atomic<bool> fired_{false};
    std::thread thread_;
};

} // namespace pf::test
