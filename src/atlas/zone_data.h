#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace tivora::atlas {

// The clocks of a zone at one instant, to the second.
struct ZoneState {
    int offsetSeconds = 0;   // ahead of universal time
    int standardSeconds = 0; // the zone's standard offset then
    QString abbreviation;    // "BST", "LMT", "+0630"
    bool isDaylightTime() const { return offsetSeconds != standardSeconds; }
};

// One zone's history of clocks, read from the IANA zone data (a TZif file of
// version 2 or later, with its POSIX TZ rule for the times after its last
// recorded change). The same data and the same reading on every system, so a
// birth time gives the same offset everywhere.
class ZoneData {
public:
    // The zone's file in the zone-data folder; not valid when there is none
    // or it cannot be read.
    static ZoneData Load(const QString& zoneId);
    // The zone described by TZif bytes; not valid when they are not TZif.
    static ZoneData FromTzif(const QByteArray& bytes);

    bool isValid() const { return valid_; }
    ZoneState at(qint64 utcSeconds) const;
    // The instants in [from, to] at which the zone's clocks changed.
    std::vector<qint64> transitions(qint64 from, qint64 to) const;

private:
    struct Rule {
        int standardSeconds = 0;
        int daylightSeconds = 0;
        QString abbreviation;
    };
    struct Change {
        qint64 at = 0;
        int rule = 0;
    };
    struct Footer {
        bool valid = false;
        Rule standard;
        bool hasDaylight = false;
        Rule daylight;
        QByteArray startRule, endRule; // "M3.5.0", "J60", "59"
        int startTime = 7200, endTime = 7200;
    };
    struct Dated {
        qint64 at;
        const Rule* rule;
    };
    std::vector<Dated> footerChanges(int firstYear, int lastYear) const;
    static ZoneState StateOf(const Rule& rule);

    bool valid_ = false;
    Rule beforeFirst_;
    std::vector<Rule> rules_;
    std::vector<Change> changes_;
    Footer footer_;
};

} // namespace tivora::atlas
