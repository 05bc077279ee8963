#pragma once

#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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

    // "London, England, United Kingdom" (the region left out when unknown).
    QString displayText() const;
    // "London, England, GB".
    QString shortText() const;
};

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
    // Reads a places.tsv.gz. On failure returns null and sets *error. Also
    // null, error untouched, once *stop turns true: a load no longer wanted
    // ends early.
    static std::shared_ptr<const Atlas> load(const QString& path, QString* error = nullptr,
                                             const std::atomic<bool>* stop = nullptr);

    int size() const { return static_cast<int>(places_.size()); }
    Place place(int index) const;

    // Best matches first: places with a name or kept alternate name equal to
    // the town part come first, then those that start with it, each group by
    // falling population; one entry per place. The query is "Town",
    // "Town, Country" or "Town, Region, Country": a country by ISO code or by
    // the start of its name, a region by the start of its name. With two
    // parts the second may name either the country or the region.
    std::vector<Place> search(const QString& query, int limit = 10) const;

    Atlas(const Atlas&) = delete;
    Atlas& operator=(const Atlas&) = delete;

private:
    Atlas() = default;
    struct Row {
        std::uint32_t nameOffset;
        std::uint16_t nameLength;
        std::int16_t region;
        std::uint16_t country;
        std::uint16_t zone;
        std::uint32_t population;
        double latitude;
        double longitude;
    };
    struct Country {
        QString code;
        QString name;
        QString foldedName;
    };
    struct Filter;

    bool parse(const std::string& text, QString* error, const std::atomic<bool>* stop);
    void buildBestLists();
    std::string_view key(std::size_t i) const;
    std::vector<std::uint32_t> matches(const std::string& town, const Filter& filter,
                                       std::size_t limit) const;

    std::vector<Row> places_;
    std::string names_; // UTF-8 place names, back to back
    std::vector<QString> zones_;
    std::vector<QString> regions_;
    std::vector<QString> foldedRegions_;
    std::vector<Country> countries_;
    std::string keys_;                      // folded keys in byte order, back to back
    std::vector<std::uint32_t> keyOffsets_; // one more than there are keys
    std::vector<std::uint32_t> keyPlaces_;
    // The best places of every one- and two-character key prefix.
    std::unordered_map<std::string, std::vector<std::uint32_t>> best_;
};

} // namespace tivora::atlas
