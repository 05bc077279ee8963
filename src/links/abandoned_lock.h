#pragma once

#include <QString>

namespace tivora {

// Removes an abandoned lock file, but never one a live copy holds: each
// system has its own way to tell (single_instance.cpp decides when a lock
// looks abandoned). True when the file was removed.
bool RemoveAbandonedLock(const QString& path);

} // namespace tivora
