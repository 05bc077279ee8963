#pragma once

#include <QString>

#include <functional>

class QAction;
class QMenuBar;
class QObject;

namespace tivora {

class Platform;

// The settings key that keeps the language chosen from the Language menu.
inline constexpr const char* kLanguageKey = "Language";

// Keeps `language` ("en" or "hi") as the user's choice and puts it in effect:
// every window built from then on speaks it.
void ChooseProgramLanguage(Platform& platform, const QString& language);

// The Language menu: English and Hindi, each named in its own words, the one
// in effect checked.
void AddLanguageMenu(QMenuBar& bar, QObject& context, Platform& platform);

// The Help menu and the switched-off "Make Money Online" entry that the main
// window and the result window both carry. The web entries open their vendor
// pages through platform; About runs the window's own about action. The
// Language menu stands before Help. Returns the "Make Money Online" entry.
QAction* AddHelpMenus(QMenuBar& bar, QObject& context, Platform& platform,
                      const std::function<void()>& about);

} // namespace tivora
