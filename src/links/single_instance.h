#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>

namespace tivora {

class Platform;

inline constexpr const char* kAlreadyRunningMessage =
    QT_TRANSLATE_NOOP("tivora::SingleInstance", "Application is already running");

// Keeps a second copy of the program from running: a lock file held for the
// life of the running copy. A lock left by a copy that crashed is taken over.
class SingleInstanceGuard final {
public:
    // The lock in the per-user runtime folder, or the temporary folder where
    // the platform has none.
    static QString DefaultLockPath();

    explicit SingleInstanceGuard(const QString& lockPath = DefaultLockPath());
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // False only while another living copy holds the lock; true when this
    // process holds it now, or when no lock can be made there at all.
    // Never waits.
    bool tryAcquire();
    bool isHeld() const { return lock_.isLocked(); }
    const QString& lockPath() const { return path_; }

private:
    QString path_;
    QLockFile lock_;
};

// A lock file that names no holder (empty, garbled or unreadable) and is at
// least this old was left behind, not just made by a copy starting now.
inline constexpr int kAbandonedLockSeconds = 5;
bool IsAbandonedLockFile(const QString& path, const QDateTime& now);

// The start-up check: false when this copy may run (it then holds the lock);
// true after telling the user another copy is running, in which case the
// caller ends without showing anything else.
bool RefuseSecondInstance(Platform& platform, SingleInstanceGuard& guard);

} // namespace tivora
