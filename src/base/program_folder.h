#pragma once

// Where the running program lies and where its data may lie beside it: the
// one place that differs between Linux and Windows
// (program_folder_posix.cpp, program_folder_windows.cpp).

#include <QString>
#include <QStringList>

namespace tivora {

// The folder of the running executable, also before (or without) an
// application object; empty when it cannot be told.
QString ProgramFolder();

// The folders beside the program that may hold its data, nearest first:
// share/tivora next to its bin folder, and on Windows the program's own
// folder first.
QStringList ProgramDataFolders();

// The system's own IANA zone data, or empty where the system has none.
QString SystemZoneDataFolder();

} // namespace tivora
