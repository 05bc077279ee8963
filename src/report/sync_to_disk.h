#pragma once

namespace tivora {

// Puts a written file's data on the disk before it takes another's place:
// 0 on success, else -1 with errno set. fdatasync on Linux, _commit (the
// C library's FlushFileBuffers) on Windows.
int SyncToDisk(int fd);

} // namespace tivora
