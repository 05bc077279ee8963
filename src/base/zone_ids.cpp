#include "base/zone_ids.h"

#include "base/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

namespace tivora {

namespace {

// No zone name is longer; a longer text needs no look-up.
constexpr qsizetype kLongestZoneId = 64;

QSet<QString> LoadZoneIds() {
    // The names come from the same folder as the zones' clocks, so a name
    // passes exactly when its history can be read.
    QSet<QString> ids;
    QFile file(QDir(ZoneDataFolder()).filePath(QStringLiteral("tzdata.zi")));
    if (file.open(QIODevice::ReadOnly))
        ids = ZoneIdsOfTzdataZi(file.readAll());
    // Without tzdata.zi, Qt's own list (from zone.tab) still names only
    // zones of the database, though not their links.
    if (ids.isEmpty())
        for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
            ids.insert(QString::fromLatin1(id));
    ids.insert(QStringLiteral("UTC"));
    return ids;
}

} // namespace

QString ZoneDataFolder() {
    const QString fromEnvironment = qEnvironmentVariable("TIVORA_ZONEINFO_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    for (const QString& folder : ProgramDataFolders()) {
        const QString zoneinfo = QDir(folder).filePath(QStringLiteral("zoneinfo"));
        if (QFileInfo(zoneinfo).isDir())
            return zoneinfo;
    }
    return SystemZoneDataFolder();
}

QSet<QString> ZoneIdsOfTzdataZi(const QByteArray& text) {
    QSet<QString> ids;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 2 && fields[0] == "Z")
            ids.insert(QString::fromLatin1(fields[1]));
        else if (fields.size() >= 3 && fields[0] == "L")
            ids.insert(QString::fromLatin1(fields[2]));
    }
    return ids;
}

bool IsKnownZoneId(const QString& id) {
    // Read once a process; the list does not change while it runs.
    static const QSet<QString> ids = LoadZoneIds();
    return !id.isEmpty() && id.size() <= kLongestZoneId && ids.contains(id);
}

QString EscapedForMessage(const QString& id) {
    constexpr qsizetype kShown = 80;
    QString shown;
    for (const QChar c : id.left(kShown)) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            shown += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else if (c.category() == QChar::Other_Format || c.isSurrogate())
            shown += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    if (id.size() > kShown)
        shown += QStringLiteral("...");
    return shown;
}

} // namespace tivora
