#pragma once

#include "atlas/atlas.h"

#include <QString>

#include <atomic>
#include <memory>

namespace tivora::atlas {

// The program's atlas from its data file (AtlasDataPath), loaded once a
// process and shared by every caller after: the windows (on a thread of
// their own) and each command of the command-line tool. A missing or damaged
// file is found once and its fault kept; a data folder named anew in
// TIVORA_DATA_DIR is looked in again. Null with error set on failure. A load
// ended by *stop is not kept, so a later caller loads again.
std::shared_ptr<const Atlas> LoadSharedAtlas(QString* error = nullptr,
                                             const std::atomic<bool>* stop = nullptr);

} // namespace tivora::atlas
