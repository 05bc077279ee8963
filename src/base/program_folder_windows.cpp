#include "base/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <windows.h>

namespace tivora {

QString ProgramFolder() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Long paths need more than MAX_PATH; the call cuts and says so by
    // filling the buffer.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return QFileInfo(QDir::fromNativeSeparators(QString::fromStdWString(path))).absolutePath();
}

QStringList ProgramDataFolders() {
    // An installed or unzipped copy keeps its data beside the executables.
    const QString program = ProgramFolder();
    if (program.isEmpty())
        return {};
    return {program, program + QStringLiteral("/../share/tivora")};
}

QString SystemZoneDataFolder() {
    // Windows keeps no IANA zone data of its own.
    return {};
}

} // namespace tivora
