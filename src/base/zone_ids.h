#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

namespace tivora {

// True when id is a zone or a link name of the system's time-zone database
// (such as "Asia/Kolkata", "Asia/Calcutta", "UTC", "Etc/GMT-5"). Anything
// else must never reach QTimeZone: it would take the text as a file path
// or as a POSIX rule, and some rules make its parser loop for ever.
bool IsKnownZoneId(const QString& id);

// The folder that holds the IANA zone data (TZif files and tzdata.zi):
// TIVORA_ZONEINFO_DIR when set, else the zoneinfo folder the program carries
// beside it, else the system's.
QString ZoneDataFolder();

// The zone and link names of a tzdata.zi file's text ("Z NAME ..." and
// "L TARGET NAME" lines).
QSet<QString> ZoneIdsOfTzdataZi(const QByteArray& text);

// A text from outside (a zone id, a place query) as a message may show it:
// control and format characters are written as \x.. or \u...., and long
// texts are cut.
QString EscapedForMessage(const QString& id);

} // namespace tivora
