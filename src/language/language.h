#pragma once

#include <QString>
#include <functional>

namespace tivora {

// The languages the program speaks: English (its own texts, no translation)
// and Hindi.
inline constexpr const char* kEnglish = "en";
inline constexpr const char* kHindi = "hi";

// Reads one environment variable; empty when it is not set.
using EnvironmentLookup = std::function<QString(const char* name)>;

// The process's own environment.
QString ProcessEnvironment(const char* name);

// The language to speak: a stored choice of "en" or "hi" wins; otherwise the
// system's: LANGUAGE's list of preferences when set, else the first set of
// LC_ALL, LC_MESSAGES and LANG. Hindi when that names "hi" ("hi_IN.UTF-8"),
// English for anything else.
QString ChooseLanguage(const QString& storedChoice, const EnvironmentLookup& environment);

// Makes `language` the one every later translation uses: installs the Hindi
// catalogue built into the program for "hi", removes it for anything else.
// Needs the application object. False when Hindi was asked for and could
// not be loaded; English is then in effect.
bool InstallLanguage(const QString& language);

// The language InstallLanguage last put in effect ("en" before any call).
QString InstalledLanguage();

} // namespace tivora
