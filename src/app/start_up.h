#pragma once

#include "language/language.h"

namespace tivora {

class Application;
class Platform;
class SingleInstanceGuard;

// Puts the language in effect that the user chose from the Language menu, or
// without a choice the system's (environment).
void StartInChosenLanguage(Platform& platform, const EnvironmentLookup& environment);

// The program's start, in this order: the chosen language is put in effect, a second copy says so
// and ends; otherwise the update reminder may ask its question, the main window shows, and the
// advertising draw brings one of its labels to the front. draw is the one random number of the run,
// uniform in [0, 1). False when this copy must end without anything more; true when the event loop
// may run.
bool StartProgram(Platform& platform, Application& application, SingleInstanceGuard& instance,
                  double draw);

// The application object's settings as tivora runs: its names and icon, and
// the end of the program left to Application. Once the QApplication exists,
// before any window.
void ConfigureApplication();

} // namespace tivora
