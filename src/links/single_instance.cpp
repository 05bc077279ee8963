#include "links/single_instance.h"

#include "base/identity.h"
#include "links/abandoned_lock.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tivora {

QString SingleInstanceGuard::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return QDir(folder).filePath(QStringLiteral("tivora.lock"));
}

SingleInstanceGuard::SingleInstanceGuard(const QString& lockPath)
    : path_(lockPath), lock_(lockPath) {
    // Only a dead holder makes the lock stale; an age limit would let a
    // second copy take the lock from one that has simply run for a while.
    lock_.setStaleLockTime(0);
}

bool IsAbandonedLockFile(const QString& path, const QDateTime& now) {
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    // A starting copy writes its lock's contents just after making the file.
    const qint64 age = info.lastModified().msecsTo(now);
    if (age >= 0 && age < kAbandonedLockSeconds * 1000)
        return false;
    qint64 pid = 0;
    QString host;
    QString application;
    return !QLockFile(path).getLockInfo(&pid, &host, &application);
}

bool SingleInstanceGuard::tryAcquire() {
    if (lock_.isLocked())
        return true;
    if (lock_.tryLock(0))
        return true;
    // Qt takes over a lock whose holder is dead, but one left empty or
    // garbled (a crash while writing it, a full disk) names no holder and
    // would refuse every start for ever.
    if (lock_.error() == QLockFile::LockFailedError &&
        IsAbandonedLockFile(path_, QDateTime::currentDateTime()) && RemoveAbandonedLock(path_) &&
        lock_.tryLock(0))
        return true;
    // A lock that cannot be written at all (no such folder, no permission)
    // says nothing about another copy; better to run unguarded than not at all.
    return lock_.error() != QLockFile::LockFailedError;
}

bool RefuseSecondInstance(Platform& platform, SingleInstanceGuard& guard) {
    if (guard.tryAcquire())
        return false;
    platform.message(nullptr, ProgramTitle(),
                     QCoreApplication::translate("tivora::SingleInstance", kAlreadyRunningMessage),
                     Platform::Icon::Information, Platform::Buttons::Ok);
    return true;
}

} // namespace tivora
