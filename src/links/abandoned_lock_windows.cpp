#include "links/abandoned_lock.h"

#include <QFile>

namespace tivora {

// A live copy keeps its lock file open without sharing deletion, so Windows
// refuses to delete it; only a file no copy holds goes.
bool RemoveAbandonedLock(const QString& path) {
    return QFile::remove(path);
}

} // namespace tivora
