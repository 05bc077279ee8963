#include "report/sync_to_disk.h"

#include <unistd.h>

namespace tivora {

int SyncToDisk(int fd) {
    return ::fdatasync(fd);
}

} // namespace tivora
