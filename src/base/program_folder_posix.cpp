#include "base/program_folder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tivora {

QString ProgramFolder() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

QStringList ProgramDataFolders() {
    const QString program = ProgramFolder();
    if (program.isEmpty())
        return {};
    return {program + QStringLiteral("/../share/tivora")};
}

QString SystemZoneDataFolder() {
    return QStringLiteral("/usr/share/zoneinfo");
}

} // namespace tivora
