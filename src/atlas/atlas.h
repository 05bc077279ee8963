#pragma once

#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QFile;

namespace tivora::atlas {

// One town of the atlas. Coordinates in decimal degrees, north and east
// positive; timeZone is an IANA zone id (never a link name).
struct Place {
    int index = -1; // position in the atlas; a smaller index means a larger population
    QString name;
    QString region;      // first-level division ("England", "Bavaria"); may be empty
    QString countryCode; // ISO 3166 code ("GB")
    QString country;     // country name in English ("United Kingdom")
    double latitude = 0;
    double longitude = 0;
    QString timeZone;
    qint64 population = 0;
    // Where the zone's own city lies, and its region; the zone's history
    // before 1970 is that city's.
    double zoneCityLatitude = 0;
    double zoneCityLongitude = 0;
    QString zoneCityRegion;
    // False for a place restored without the atlas: where its zone's city
    // lies is then not known.
    bool zoneCityKnown = false;

    // Filled by a search: the name that matched (the town's own, or one of
    // its other names such as "Bombay" or "Москва"), and whether it matched
    // whole rather than as the start of a name.
    QString matchedName;
    QString matchedKey; // the search form of matchedName
    bool matchedOwnName = true;
    bool matchedWhole = false;

    // "London, England, United Kingdom" (the region left out when unknown).
    QString displayText() const;
    // "London, England, GB".
    QString shortText() const;
    // shortText() with the name that matched when it is not the town's own:
    // "Powder Springs, Georgia, US (once Springfield)".
    QString matchText() const;
};

// What a look-up by name that took the first of several towns says: which
// one it took and how to name another. Empty when the name is not shared by
// towns of other regions or countries.
QString TakenFromSeveral(const QString& query, const std::vector<Place>& found);

// Where places.tsv.gz is: $TIVORA_DATA_DIR, then <program folder>/../share/tivora,
// then the source tree's data folder. Empty when none holds the file.
QString AtlasDataPath();

// The search form of a text: accents and other marks removed, case folded,
// ß/ø/æ/œ/ł/đ/þ spelt out, hyphens as blanks, dots and apostrophes dropped,
// blanks collapsed. The data file's keys were folded the same way.
QString FoldForSearch(const QString& text);

// The atlas, immutable once loaded; search and place may be called from any
// thread. Loading takes a few hundred milliseconds: do it off the UI thread.
class Atlas final {
public:
    // Reads a places.tsv.gz. On failure returns null and sets *error to a
    // sentence naming the file and the fault (missing, empty, cut short,
    // damaged, too large). Also null, error untouched, once *stop turns
    // true: a load no longer wanted ends early.
    static std::shared_ptr<const Atlas> load(const QString& path, QString* error = nullptr,
                                             const std::atomic<bool>* stop = nullptr);

    // The index made from a places.tsv.gz at build time: the same atlas laid
    // out to be mapped into memory. load() takes it instead of the text when
    // a places.idx beside the file (or in the build's data folder) was made
    // from that very file.
    bool writeIndex(const QString& sourcePath, const QString& indexPath, QString* error) const;
    bool fromIndex() const { return map_ != nullptr; }
    ~Atlas();

    int size() const { return static_cast<int>(places_.size()); }
    Place place(int index) const;
    // Gives a place restored from a saved reading its zone's city, as the
    // atlas knows it; false when the atlas has no such zone.
    bool addZoneCity(Place& place) const;

    // Best matches first; one entry per place. The query holds a town's name
    // and, in any order, with or without commas, words naming its region
    // (by name, or abbreviation such as "IL", "NSW", "MH") or country (by
    // name or ISO code). Towns whose name takes up more of the query's words
    // come first; then whole names before names that only start with the
    // words, a town's own name before another town's other name, and larger
    // towns first.
    // With wholeNames, only towns whose whole name (or whole other name)
    // the words give: what a look-up that takes the first needs, read faster.
    std::vector<Place> search(const QString& query, int limit = 10, bool wholeNames = false) const;

    Atlas(const Atlas&) = delete;
    Atlas& operator=(const Atlas&) = delete;

private:
    Atlas() = default;
    struct Row {
        std::uint32_t nameOffset;
        std::uint16_t nameLength;
        std::uint16_t country;
        std::int32_t region;
        std::uint16_t zone;
        std::uint32_t population;
        double latitude;
        double longitude;
    };
    struct Zone {
        QString id;
        double latitude;
        double longitude;
        std::int32_t region;
    };
    struct Country {
        QString code;
        QString name;
        QString foldedName;
    };
    struct Abbreviation {
        QString text;
        std::uint16_t country;
        std::int32_t region;
    };
    // Where a key leads: its place, and the other name's own spelling in
    // names_ (length 0 for the place's own name).
    struct KeyTarget {
        std::uint32_t place;
        std::uint32_t alternateOffset;
        std::uint32_t alternateLength;
    };
    struct Filter;
    struct Candidate;

    template <typename T> struct View {
        const T* data = nullptr;
        std::size_t count = 0;
        const T& operator[](std::size_t i) const { return data[i]; }
        std::size_t size() const { return count; }
        bool empty() const { return count == 0; }
        void point(const std::vector<T>& v) { data = v.data(), count = v.size(); }
    };

    // Table lines only (zones, regions, abbreviations, countries) when the
    // places and keys come from an index.
    bool parse(const std::string& text, QString* error, const std::atomic<bool>* stop,
               bool tableOnly = false);
    void adoptOwn();
    static std::shared_ptr<const Atlas> loadIndex(const QString& indexPath,
                                                  const QByteArray& sourceTrailer);
    std::string table() const;
    struct IndexHeader;
    void buildBestLists();
    std::string_view key(std::size_t i) const;
    bool alternate(std::size_t key) const { return keyTargets_[key].alternateLength != 0; }
    std::size_t lowerBound(std::string_view value) const;
    void matches(const std::string& town, const Filter& filter, std::size_t limit, bool wholeNames,
                 std::vector<Candidate>& out) const;

    // The places and keys, in the index's mapping or in the own* members.
    View<Row> places_;
    std::string_view names_; // UTF-8 place names and other names, back to back
    std::vector<Zone> zones_;
    std::vector<Abbreviation> abbreviations_;
    std::vector<QString> regions_;
    std::vector<QString> foldedRegions_;
    std::vector<std::pair<QString, std::int32_t>> regionWords_;  // sorted
    std::vector<std::pair<QString, std::int32_t>> countryWords_; // sorted
    std::vector<Country> countries_;
    std::string_view keys_;          // folded keys in byte order, back to back
    View<std::uint32_t> keyOffsets_; // one more than there are keys
    View<KeyTarget> keyTargets_;
    // The best keys of every one- and two-character key prefix: prefix i is
    // bestPrefixes_ from bestPrefixOffsets_[i] to [i + 1], in byte order; its
    // keys are bestKeys_ from bestStarts_[i] to [i + 1].
    std::string_view bestPrefixes_;
    View<std::uint32_t> bestPrefixOffsets_;
    View<std::uint32_t> bestStarts_;
    View<std::uint32_t> bestKeys_;
    // Every 64th key, back to back, for a first search that reads little.
    std::string_view sampleKeys_;
    View<std::uint32_t> sampleOffsets_;

    std::vector<Row> ownPlaces_;
    std::string ownNames_;
    std::string ownKeys_;
    std::vector<std::uint32_t> ownKeyOffsets_;
    std::vector<KeyTarget> ownKeyTargets_;
    std::string ownBestPrefixes_;
    std::vector<std::uint32_t> ownBestPrefixOffsets_;
    std::vector<std::uint32_t> ownBestStarts_;
    std::vector<std::uint32_t> ownBestKeys_;
    std::string ownSampleKeys_;
    std::vector<std::uint32_t> ownSampleOffsets_;
    uchar* map_ = nullptr;
    std::unique_ptr<QFile> mapFile_;
};

} // namespace tivora::atlas
