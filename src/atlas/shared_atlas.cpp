#include "atlas/shared_atlas.h"

#include <mutex>

namespace tivora::atlas {

std::shared_ptr<const Atlas> LoadSharedAtlas(QString* error, const std::atomic<bool>* stop) {
    static std::mutex mutex;
    static std::shared_ptr<const Atlas> cached;
    static QString cachedError;
    static QString cachedPath;
    static bool tried = false;
    static QString pathFor;
    static QString path;
    const std::lock_guard<std::mutex> lock(mutex);
    // Finding the file costs file-system calls: once, unless the data folder
    // named in the environment changes.
    const QString folder = qEnvironmentVariable("TIVORA_DATA_DIR");
    if (!tried || folder != pathFor) {
        path = AtlasDataPath();
        pathFor = folder;
    }
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("the place data (places.tsv.gz) is not installed");
        return nullptr;
    }
    if (!tried || cachedPath != path) {
        QString problem;
        auto loaded = Atlas::load(path, &problem, stop);
        if (!loaded && stop && *stop)
            return nullptr;
        cached = std::move(loaded);
        cachedError = problem;
        cachedPath = path;
        tried = true;
    }
    if (!cached && error)
        *error = cachedError;
    return cached;
}

} // namespace tivora::atlas
