#pragma once

#include "entry/birth_entry.h"

#include <QString>
#include <QVariant>

#include <vector>

namespace tivora {

class Platform;

inline constexpr int kRecentBirthLimit = 10;
// The settings key the list is kept under.
inline constexpr const char* kRecentBirthsKey = "RecentBirths";

// The births last calculated or opened, newest first: every entry of the
// main window, the atlas town included.
using RecentBirths = std::vector<BirthEntry>;

// The same person at the same moment and place: name (blanks around it
// aside), date, time, coordinates with hemispheres and town. The zone may
// differ: the newer entry replaces the older.
bool SameBirth(const BirthEntry& a, const BirthEntry& b);

// Puts birth first, dropping an earlier entry of the same birth and what
// lies beyond the limit.
void AddRecentBirth(RecentBirths& births, const BirthEntry& birth);

// The menu line: name, date and time, and the town (or the place typed, or
// the coordinates): "Asha, 15 Jul 1985 20:00, London, England, GB".
QString RecentBirthText(const BirthEntry& birth);

// The stored form (a JSON array in a text, names in UTF-8) and back.
// Entries that do not read back whole are left out.
QVariant RecentBirthsValue(const RecentBirths& births);
RecentBirths RecentBirthsFrom(const QVariant& stored);

// The list in the platform's per-user settings.
RecentBirths LoadRecentBirths(Platform& platform);
void RememberBirth(Platform& platform, const BirthEntry& birth);
void ClearRecentBirths(Platform& platform);

} // namespace tivora
