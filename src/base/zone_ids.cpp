#include "base/zone_ids.h"

#include <QFile>
#include <QTimeZone>

namespace tivora {

namespace {

// Where the database keeps its compact list of zones and links.
constexpr const char* kTzdataZiPaths[] = {"/usr/share/zoneinfo/tzdata.zi",
                                          "/usr/lib/zoneinfo/tzdata.zi",
                                          "/usr/share/lib/zoneinfo/tzdata.zi"};

// No zone name is longer; a longer text needs no look-up.
constexpr qsizetype kLongestZoneId = 64;

QSet<QString> LoadZoneIds() {
    QSet<QString> ids;
    for (const char* path : kTzdataZiPaths) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly)) {
            ids = ZoneIdsOfTzdataZi(file.readAll());
            if (!ids.isEmpty())
                break;
        }
    }
    // Without tzdata.zi, Qt's own list (from zone.tab) still names only
    // zones of the database, though not their links.
    if (ids.isEmpty())
        for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
            ids.insert(QString::fromLatin1(id));
    ids.insert(QStringLiteral("UTC"));
    return ids;
}

} // namespace

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
