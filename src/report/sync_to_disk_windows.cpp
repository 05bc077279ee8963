#include "report/sync_to_disk.h"

#include <io.h>

namespace tivora {

int SyncToDisk(int fd) {
    return ::_commit(fd);
}

} // namespace tivora
