#include "atlas/atlas.h"

#include "base/numbers.h"
#include "base/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <zlib.h>

#ifdef Q_OS_UNIX
#include <sys/mman.h>
#endif

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstring>
#include <new>
#include <tuple>
#include <unordered_set>

namespace tivora::atlas {

namespace {

constexpr const char* kFileName = "places.tsv.gz";
// Entries kept per one- or two-character prefix; a larger limit scans the keys.
constexpr std::size_t kBestListSize = 64;
// Keys a search narrows down to with the sample table.
constexpr std::size_t kSampleStep = 64;

std::size_t CodePoints(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// Bytes of the first count code points.
std::size_t PrefixBytes(std::string_view utf8, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t seen = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && seen++ == count)
            break;
    }
    return i;
}

// The combining accents of Latin, Greek and Cyrillic letters. The vowel signs
// of Indic and other scripts are letters of the word and stay.
bool IsAccent(char16_t c) {
    return (c >= 0x300 && c <= 0x36F) || (c >= 0x1AB0 && c <= 0x1AFF) ||
           (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF) ||
           (c >= 0xFE20 && c <= 0xFE2F);
}

bool Stopped(const std::atomic<bool>* stop) {
    return stop && stop->load(std::memory_order_relaxed);
}

// Read no more than this: the real file is about 11 MB packed and 31 MB
// unpacked. A file beyond these is not the atlas but damage or a bomb.
constexpr qint64 kMaxPackedBytes = 64ll << 20;
constexpr std::size_t kMaxUnpackedBytes = 256u << 20;
constexpr std::size_t kLikelyUnpackedBytes = 64u << 20;

QString Fault(const QString& path, const char* fault) {
    return QCoreApplication::translate("tivora::atlas", "The place data %1 %2")
        .arg(QDir::toNativeSeparators(path), QCoreApplication::translate("tivora::atlas", fault));
}

constexpr char kIndexMagic[8] = {'T', 'V', 'A', 'T', 'L', 'A', 'S', '3'};
constexpr const char* kIndexName = "places.idx";

// The gzip trailer (CRC-32 and size of the text) and the file's size: what
// an index remembers of the file it was made from.
QByteArray SourceTrailer(const QString& gzPath) {
    QFile file(gzPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 18 || !file.seek(file.size() - 8))
        return {};
    return file.read(8) + QByteArray::number(file.size());
}

// The whole gzip stream, checked to its end: a stream cut short is damage,
// never a shorter atlas.
bool ReadGzip(const QString& path, std::string& out, QString* error,
              const std::atomic<bool>* stop) {
    auto fail = [&](const char* fault) {
        if (error)
            *error = Fault(path, fault);
        return false;
    };
    QFile file(path);
    if (!file.exists())
        return fail(QT_TRANSLATE_NOOP("tivora::atlas", "is missing"));
    if (!file.open(QIODevice::ReadOnly))
        return fail(QT_TRANSLATE_NOOP("tivora::atlas", "cannot be opened"));
    const qint64 size = file.size();
    if (size == 0)
        return fail(QT_TRANSLATE_NOOP("tivora::atlas", "is empty"));
    if (size > kMaxPackedBytes)
        return fail(QT_TRANSLATE_NOOP("tivora::atlas", "is too large to be the atlas"));
    const QByteArray packed = file.readAll();
    if (packed.size() != size)
        return fail(QT_TRANSLATE_NOOP("tivora::atlas", "cannot be read"));

    // Room for the text as the trailer states its size (zlib checks the size
    // at the end; a cut-off file's last bytes are no size at all).
    if (packed.size() >= 18) {
        const auto* tail =
            reinterpret_cast<const unsigned char*>(packed.constData() + packed.size() - 4);
        const std::size_t stated = std::size_t{tail[0]} | std::size_t{tail[1]} << 8 |
                                   std::size_t{tail[2]} << 16 | std::size_t{tail[3]} << 24;
        if (stated <= kLikelyUnpackedBytes)
            out.reserve(stated);
    }
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)
        return fail(QT_TRANSLATE_NOOP("tivora::atlas", "cannot be unpacked"));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
    z.avail_in = static_cast<uInt>(packed.size());
    char buffer[1 << 16];
    int status = Z_OK;
    while (status == Z_OK) {
        if (Stopped(stop)) {
            inflateEnd(&z);
            return false;
        }
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        const std::size_t produced = sizeof buffer - z.avail_out;
        if (out.size() + produced > kMaxUnpackedBytes) {
            inflateEnd(&z);
            return fail(QT_TRANSLATE_NOOP("tivora::atlas", "unpacks to more than an atlas can be"));
        }
        out.append(buffer, produced);
        if (status == Z_BUF_ERROR && z.avail_in == 0)
            break; // input ended inside the stream
        if (status == Z_BUF_ERROR)
            status = Z_OK;
    }
    const bool trailing = status == Z_STREAM_END && z.avail_in != 0;
    inflateEnd(&z);
    if (status == Z_STREAM_END && !trailing)
        return true;
    if (status == Z_BUF_ERROR)
        return fail(QT_TRANSLATE_NOOP("tivora::atlas", "is cut short"));
    if (status == Z_MEM_ERROR)
        throw std::bad_alloc();
    return fail(QT_TRANSLATE_NOOP("tivora::atlas", "is damaged: it is not a whole gzip file"));
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

template <typename T> bool ToNumber(std::string_view text, T& value) {
    const std::optional<T> number = ExactNumber<T>(text);
    if (number)
        value = *number;
    return number.has_value();
}

} // namespace

QString Place::displayText() const {
    QStringList parts{name};
    if (!region.isEmpty())
        parts << region;
    parts << country;
    return parts.join(QStringLiteral(", "));
}

QString Place::shortText() const {
    QStringList parts{name};
    if (!region.isEmpty())
        parts << region;
    parts << countryCode;
    return parts.join(QStringLiteral(", "));
}

QString AtlasDataPath() {
    QStringList folders;
    const QString fromEnvironment = qEnvironmentVariable("TIVORA_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        folders << fromEnvironment;
    folders << ProgramDataFolders();
#ifdef TIVORA_SOURCE_DATA_DIR
    folders << QStringLiteral(TIVORA_SOURCE_DATA_DIR);
#endif
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(kFileName));
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(path);
    }
    return {};
}

QString FoldForSearch(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (IsAccent(c.unicode()))
            continue;
        const QChar f = c.toCaseFolded();
        switch (f.unicode()) {
        case 0x00DF:
            out += QLatin1String("ss");
            break;
        case 0x00F8:
            out += QLatin1Char('o');
            break;
        case 0x00E6:
            out += QLatin1String("ae");
            break;
        case 0x0153:
            out += QLatin1String("oe");
            break;
        case 0x0142:
            out += QLatin1Char('l');
            break;
        case 0x0111:
        case 0x00F0:
            out += QLatin1Char('d');
            break;
        case 0x00FE:
            out += QLatin1String("th");
            break;
        case 0x0131:
            out += QLatin1Char('i');
            break;
        case 0x0127:
            out += QLatin1Char('h');
            break;
        case '-':
        case 0x2010:
        case 0x2011:
        case 0x2013:
            out += QLatin1Char(' ');
            break;
        case '.':
        case '\'':
        case '`':
        case 0x2018:
        case 0x2019:
        case 0x02BC:
            break;
        default:
            out += f;
        }
    }
    return out.simplified();
}

std::shared_ptr<const Atlas> Atlas::load(const QString& path, QString* error,
                                         const std::atomic<bool>* stop) {
    try {
        // The index made from this very file, beside it or in the build's data folder.
        if (const QByteArray trailer = SourceTrailer(path); !trailer.isEmpty()) {
            QStringList folders{QFileInfo(path).absolutePath()};
#ifdef TIVORA_BUILD_DATA_DIR
            folders << QStringLiteral(TIVORA_BUILD_DATA_DIR);
#endif
            for (const QString& folder : folders)
                if (auto indexed =
                        loadIndex(QDir(folder).filePath(QLatin1String(kIndexName)), trailer))
                    return indexed;
        }
        std::string text;
        if (!ReadGzip(path, text, error, stop))
            return nullptr;
        std::shared_ptr<Atlas> atlas(new Atlas);
        QString problem;
        if (!atlas->parse(text, &problem, stop)) {
            if (error && !Stopped(stop))
                *error =
                    QCoreApplication::translate("tivora::atlas", "The place data %1 is damaged: %2")
                        .arg(QDir::toNativeSeparators(path), problem);
            return nullptr;
        }
        if (Stopped(stop))
            return nullptr;
        atlas->buildBestLists();
        return atlas;
    } catch (const std::bad_alloc&) {
        if (error)
            *error = Fault(
                path, QT_TRANSLATE_NOOP("tivora::atlas", "could not be read: not enough memory"));
        return nullptr;
    }
}

bool Atlas::parse(const std::string& text, QString* error, const std::atomic<bool>* stop,
                  bool tableOnly) {
    std::unordered_map<std::uint16_t, std::uint16_t> countryIndex;
    auto country = [&](std::string_view code) {
        const auto key = static_cast<std::uint16_t>(static_cast<unsigned char>(code[0]) << 8 |
                                                    static_cast<unsigned char>(code[1]));
        auto [it, added] = countryIndex.emplace(key, static_cast<std::uint16_t>(countries_.size()));
        if (added) {
            const QString cc = QString::fromLatin1(code.data(), 2);
            const QString name = QLocale::territoryToString(QLocale::codeToTerritory(cc));
            countries_.push_back({cc, name, FoldForSearch(name)});
        }
        return it->second;
    };
    auto region = [&](std::string_view field, std::int32_t& value) {
        return ToNumber(field, value) && value >= -1 &&
               value < static_cast<std::int64_t>(regions_.size());
    };
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    ownKeyOffsets_.assign(1, 0);
    auto fail = [&](const char* what) {
        if (error)
            *error = QCoreApplication::translate("tivora::atlas", "%1 in line %2")
                         .arg(QCoreApplication::translate("tivora::atlas", what))
                         .arg(lineNumber);
        return false;
    };
    // Zones and regions come before the places and keys that number them.
    while (start < text.size()) {
        if (Stopped(stop))
            return false;
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line(text.data() + start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        if (line.size() < 2 || line[1] != '\t')
            return fail(QT_TRANSLATE_NOOP("tivora::atlas", "an unknown line"));
        const std::string_view body = line.substr(2);
        const auto f = SplitTabs(body);
        switch (line.front()) {
        case 'Z': {
            Zone zone{};
            if (f.size() != 4 || f[0].empty() || !ToNumber(f[1], zone.latitude) ||
                !ToNumber(f[2], zone.longitude) || !ToNumber(f[3], zone.region) ||
                zones_.size() >= 0xFFFF || !ownPlaces_.empty())
                return fail(QT_TRANSLATE_NOOP("tivora::atlas", "a bad zone"));
            zone.id = QString::fromUtf8(f[0].data(), static_cast<qsizetype>(f[0].size()));
            zones_.push_back(zone);
            break;
        }
        case 'R':
            if (!ownPlaces_.empty())
                return fail(QT_TRANSLATE_NOOP("tivora::atlas", "a region after the places"));
            regions_.push_back(QString::fromUtf8(body.data(), static_cast<qsizetype>(body.size())));
            foldedRegions_.push_back(FoldForSearch(regions_.back()));
            break;
        case 'A': {
            Abbreviation a{};
            if (f.size() != 3 || f[0].empty() || f[1].size() != 2 || !region(f[2], a.region) ||
                a.region < 0)
                return fail(QT_TRANSLATE_NOOP("tivora::atlas", "a bad abbreviation"));
            a.text = QString::fromUtf8(f[0].data(), static_cast<qsizetype>(f[0].size()));
            a.country = country(f[1]);
            abbreviations_.push_back(a);
            break;
        }
        case 'C':
            if (f.size() != 1 || f[0].size() != 2 || !ownPlaces_.empty())
                return fail(QT_TRANSLATE_NOOP("tivora::atlas", "a bad country"));
            country(f[0]);
            break;
        case 'P': {
            if (tableOnly)
                return fail(QT_TRANSLATE_NOOP("tivora::atlas", "an unknown line"));
            Row row{};
            unsigned zone = 0;
            if (f.size() != 7 || !region(f[1], row.region) || !ToNumber(f[2], row.latitude) ||
                !ToNumber(f[3], row.longitude) || f[4].size() != 2 || !ToNumber(f[5], zone) ||
                !ToNumber(f[6], row.population) || zone >= zones_.size() || f[0].empty() ||
                f[0].size() > 0xFFFF || !(std::fabs(row.latitude) <= 90) ||
                !(std::fabs(row.longitude) <= 180) || !ownKeyTargets_.empty())
                return fail(QT_TRANSLATE_NOOP("tivora::atlas", "a bad place"));
            row.nameOffset = static_cast<std::uint32_t>(ownNames_.size());
            row.nameLength = static_cast<std::uint16_t>(f[0].size());
            ownNames_.append(f[0]);
            row.zone = static_cast<std::uint16_t>(zone);
            row.country = country(f[4]);
            ownPlaces_.push_back(row);
            break;
        }
        case 'K': {
            if (tableOnly)
                return fail(QT_TRANSLATE_NOOP("tivora::atlas", "an unknown line"));
            KeyTarget target{};
            if ((f.size() != 2 && f.size() != 3) || f[0].empty() || !ToNumber(f[1], target.place) ||
                target.place >= ownPlaces_.size())
                return fail(QT_TRANSLATE_NOOP("tivora::atlas", "a bad key"));
            const std::string_view key = f[0];
            const std::size_t keyCount = ownKeyTargets_.size();
            if (keyCount > 0 &&
                key < std::string_view(ownKeys_).substr(ownKeyOffsets_[keyCount - 1]))
                return fail(QT_TRANSLATE_NOOP("tivora::atlas", "keys out of order"));
            if (f.size() == 3) {
                if (f[2].empty() || f[2].size() > 0xFFFF)
                    return fail(QT_TRANSLATE_NOOP("tivora::atlas", "a bad key"));
                target.alternateOffset = static_cast<std::uint32_t>(ownNames_.size());
                target.alternateLength = static_cast<std::uint32_t>(f[2].size());
                ownNames_.append(f[2]);
            }
            ownKeys_.append(key);
            ownKeyOffsets_.push_back(static_cast<std::uint32_t>(ownKeys_.size()));
            ownKeyTargets_.push_back(target);
            break;
        }
        default:
            return fail(QT_TRANSLATE_NOOP("tivora::atlas", "an unknown line"));
        }
        if (ownNames_.size() > 0xFFFFFFFFu || ownKeys_.size() > 0xFFFFFFFFu)
            return fail(QT_TRANSLATE_NOOP("tivora::atlas", "too many names"));
    }
    if (!tableOnly && (ownPlaces_.empty() || ownKeyTargets_.empty()))
        return fail(QT_TRANSLATE_NOOP("tivora::atlas", "no places"));
    for (const Zone& z : zones_)
        if (z.region < -1 || z.region >= static_cast<std::int64_t>(regions_.size()))
            return fail(QT_TRANSLATE_NOOP("tivora::atlas", "a bad zone"));
    // Every word of every region's name, for the words of a query.
    for (std::size_t i = 0; i < foldedRegions_.size(); ++i)
        for (const QString& w : foldedRegions_[i].split(QLatin1Char(' '), Qt::SkipEmptyParts))
            regionWords_.emplace_back(w, static_cast<std::int32_t>(i));
    std::sort(regionWords_.begin(), regionWords_.end());
    // Country names in English and in the country's own language ("Россия", "日本").
    for (std::size_t i = 0; i < countries_.size(); ++i) {
        const QLocale local(QLocale::AnyLanguage, QLocale::codeToTerritory(countries_[i].code));
        for (const QString& name :
             {countries_[i].foldedName, FoldForSearch(local.nativeTerritoryName())})
            for (const QString& w : name.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                countryWords_.emplace_back(w, static_cast<std::int32_t>(i));
    }
    std::sort(countryWords_.begin(), countryWords_.end());
    ownNames_.shrink_to_fit();
    ownKeys_.shrink_to_fit();
    ownPlaces_.shrink_to_fit();
    ownKeyOffsets_.shrink_to_fit();
    ownKeyTargets_.shrink_to_fit();
    adoptOwn();
    return true;
}

std::string_view Atlas::key(std::size_t i) const {
    // Bounded even when a damaged index holds offsets out of order or range.
    const std::uint32_t from = keyOffsets_[i], to = keyOffsets_[i + 1];
    if (from > to || to > keys_.size())
        return {};
    return keys_.substr(from, to - from);
}

void Atlas::buildBestLists() {
    // Keys are sorted, so every prefix covers one run of keys, and the runs
    // come in the prefixes' byte order. Each list holds the run's keys of the
    // largest places, one key a place.
    std::vector<std::uint32_t> run;
    std::vector<bool> taken(places_.size());
    std::vector<std::pair<std::string, std::vector<std::uint32_t>>> lists;
    for (std::size_t length : {std::size_t{1}, std::size_t{2}}) {
        std::size_t i = 0;
        const std::size_t n = keyTargets_.size();
        while (i < n) {
            const std::string_view k = key(i);
            const std::string prefix(k.substr(0, PrefixBytes(k, length)));
            if (CodePoints(prefix) < length) {
                ++i; // a shorter key sorts before the run it starts
                continue;
            }
            std::size_t j = i;
            run.clear();
            while (j < n && key(j).substr(0, prefix.size()) == prefix)
                run.push_back(static_cast<std::uint32_t>(j++));
            std::sort(run.begin(), run.end(), [this](std::uint32_t a, std::uint32_t b) {
                return std::pair(keyTargets_[a].place, alternate(a)) <
                       std::pair(keyTargets_[b].place, alternate(b));
            });
            std::vector<std::uint32_t> best;
            for (std::uint32_t member : run) {
                if (best.size() >= kBestListSize)
                    break;
                if (!taken[keyTargets_[member].place]) {
                    taken[keyTargets_[member].place] = true;
                    best.push_back(member);
                }
            }
            for (std::uint32_t member : best)
                taken[keyTargets_[member].place] = false;
            lists.emplace_back(prefix, std::move(best));
            i = j;
        }
    }
    std::sort(lists.begin(), lists.end());
    ownBestPrefixOffsets_.assign(1, 0);
    ownBestStarts_.assign(1, 0);
    for (const auto& [prefix, keys] : lists) {
        ownBestPrefixes_ += prefix;
        ownBestPrefixOffsets_.push_back(static_cast<std::uint32_t>(ownBestPrefixes_.size()));
        ownBestKeys_.insert(ownBestKeys_.end(), keys.begin(), keys.end());
        ownBestStarts_.push_back(static_cast<std::uint32_t>(ownBestKeys_.size()));
    }
    ownSampleOffsets_.assign(1, 0);
    for (std::size_t i = 0; i < keyTargets_.size(); i += kSampleStep) {
        ownSampleKeys_ += key(i);
        ownSampleOffsets_.push_back(static_cast<std::uint32_t>(ownSampleKeys_.size()));
    }
    adoptOwn();
}

void Atlas::adoptOwn() {
    places_.point(ownPlaces_);
    names_ = ownNames_;
    keys_ = ownKeys_;
    keyOffsets_.point(ownKeyOffsets_);
    keyTargets_.point(ownKeyTargets_);
    bestPrefixes_ = ownBestPrefixes_;
    bestPrefixOffsets_.point(ownBestPrefixOffsets_);
    bestStarts_.point(ownBestStarts_);
    bestKeys_.point(ownBestKeys_);
    sampleKeys_ = ownSampleKeys_;
    sampleOffsets_.point(ownSampleOffsets_);
}

Place Atlas::place(int index) const {
    Place p;
    if (index < 0 || index >= size())
        return p;
    const Row& row = places_[static_cast<std::size_t>(index)];
    // A damaged index must not lead out of its tables.
    if (std::size_t(row.nameOffset) + row.nameLength > names_.size() || row.zone >= zones_.size() ||
        row.country >= countries_.size() || row.region >= std::int64_t(regions_.size()))
        return p;
    p.index = index;
    p.name = QString::fromUtf8(names_.data() + row.nameOffset, row.nameLength);
    p.matchedName = p.name;
    if (row.region >= 0)
        p.region = regions_[static_cast<std::size_t>(row.region)];
    p.countryCode = countries_[row.country].code;
    p.country = countries_[row.country].name;
    p.latitude = row.latitude;
    p.longitude = row.longitude;
    const Zone& zone = zones_[row.zone];
    p.timeZone = zone.id;
    p.zoneCityLatitude = zone.latitude;
    p.zoneCityLongitude = zone.longitude;
    if (zone.region >= 0)
        p.zoneCityRegion = regions_[static_cast<std::size_t>(zone.region)];
    p.zoneCityKnown = true;
    p.population = row.population;
    return p;
}

bool Atlas::addZoneCity(Place& place) const {
    for (const Zone& zone : zones_) {
        if (zone.id != place.timeZone)
            continue;
        place.zoneCityLatitude = zone.latitude;
        place.zoneCityLongitude = zone.longitude;
        place.zoneCityRegion = zone.region >= 0 && zone.region < std::int64_t(regions_.size())
                                   ? regions_[static_cast<std::size_t>(zone.region)]
                                   : QString();
        place.zoneCityKnown = true;
        return true;
    }
    return false;
}

// One matching key: the words of the query its town took, and how well it matched.
struct Atlas::Candidate {
    std::uint32_t key;
    std::uint32_t place;
    int words;
    bool whole;
    bool alternate;

    bool operator<(const Candidate& o) const {
        // A town's own name outranks another town's other name when the
        // name is whole; a name only begun goes by the size of the town
        // ("münch": Munich before Münchenstein). A town that matched by
        // several names shows its own.
        return std::tuple(-words, !whole, whole && alternate, place, alternate) <
               std::tuple(-o.words, !o.whole, o.whole && o.alternate, o.place, o.alternate);
    }
};

// The words of a query that are not the town's: each must name the place's
// region or country.
struct Atlas::Filter {
    struct Word {
        std::vector<bool> countries;
        std::vector<bool> regions;
        std::vector<std::pair<std::uint16_t, std::int32_t>> abbreviations;
    };
    std::vector<const Word*> words;

    bool passes(const Row& row) const {
        for (const Word* w : words) {
            if (row.country >= w->countries.size() ||
                row.region >= static_cast<std::int64_t>(w->regions.size()))
                return false;
            if (w->countries[row.country])
                continue;
            if (row.region >= 0 && w->regions[static_cast<std::size_t>(row.region)])
                continue;
            if (std::find(w->abbreviations.begin(), w->abbreviations.end(),
                          std::pair(row.country, row.region)) == w->abbreviations.end())
                return false;
        }
        return true;
    }
};

namespace {} // namespace

std::size_t Atlas::lowerBound(std::string_view value) const {
    // Every kSampleStep-th key, gathered in a small table, narrows the search
    // to one block of keys: a look-up reads a few pages of the index.
    const std::size_t n = keyTargets_.size();
    const std::size_t samples = sampleOffsets_.empty() ? 0 : sampleOffsets_.size() - 1;
    auto sample = [this](std::size_t i) {
        const std::uint32_t from = sampleOffsets_[i], to = sampleOffsets_[i + 1];
        return from <= to && to <= sampleKeys_.size() ? sampleKeys_.substr(from, to - from)
                                                      : std::string_view();
    };
    std::size_t lo = 0, hi = samples;
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (sample(mid) < value)
            lo = mid + 1;
        else
            hi = mid;
    }
    // Sample lo - 1 lies below value and sample lo (if any) not.
    std::size_t begin = lo == 0 ? 0 : (lo - 1) * kSampleStep + 1;
    std::size_t end = std::min(n, lo * kSampleStep);
    if (lo == samples)
        end = n;
    begin = std::min(begin, end);
    while (begin < end) {
        const std::size_t mid = (begin + end) / 2;
        if (key(mid) < value)
            begin = mid + 1;
        else
            end = mid;
    }
    return begin;
}

void Atlas::matches(const std::string& town, const Filter& filter, std::size_t limit,
                    bool wholeNames, std::vector<Candidate>& out) const {
    // The run of keys starting with town; the equal keys sort first in it.
    // No key holds the byte 0xFF, so the run ends before town + 0xFF.
    const std::size_t n = keyTargets_.size();
    const std::size_t first = lowerBound(town);
    std::size_t exactEnd = first;
    while (exactEnd < n && key(exactEnd) == town)
        ++exactEnd;
    const std::size_t last = std::max(exactEnd, lowerBound(town + '\xFF'));
    const int words = static_cast<int>(std::count(town.begin(), town.end(), ' ')) + 1;
    auto add = [&](std::size_t k, bool whole) {
        const std::uint32_t place = keyTargets_[k].place;
        if (place < places_.size() && filter.passes(places_[place]))
            out.push_back({static_cast<std::uint32_t>(k), place, words, whole, alternate(k)});
    };
    for (std::size_t i = first; i < exactEnd; ++i)
        add(i, true);
    if (wholeNames)
        return;
    if (filter.words.empty()) {
        // The prepared list of a one- or two-character prefix.
        std::size_t lo = 0, hi = bestStarts_.empty() ? 0 : bestStarts_.size() - 1;
        auto prefix = [this](std::size_t i) {
            const std::uint32_t from = bestPrefixOffsets_[i], to = bestPrefixOffsets_[i + 1];
            return from <= to && to <= bestPrefixes_.size() ? bestPrefixes_.substr(from, to - from)
                                                            : std::string_view();
        };
        while (lo < hi) {
            const std::size_t mid = (lo + hi) / 2;
            if (prefix(mid) < std::string_view(town))
                lo = mid + 1;
            else
                hi = mid;
        }
        if (lo + 1 < bestStarts_.size() && prefix(lo) == town) {
            const std::uint32_t from = bestStarts_[lo], to = bestStarts_[lo + 1];
            const std::size_t count = to >= from ? to - from : 0;
            if (to <= bestKeys_.size() && (limit <= kBestListSize || count < kBestListSize)) {
                for (std::uint32_t i = from; i < to; ++i)
                    if (bestKeys_[i] < n && key(bestKeys_[i]) != town)
                        add(bestKeys_[i], false);
                return;
            }
        }
    }
    for (std::size_t i = exactEnd; i < last; ++i)
        add(i, false);
}

std::vector<Place> Atlas::search(const QString& query, int limit, bool wholeNames) const {
    std::vector<Place> found;
    // Longer texts are no town's name: they only cost time.
    constexpr qsizetype kLongestQuery = 200;
    constexpr int kMostWords = 12;
    if (limit <= 0 || query.size() > kLongestQuery)
        return found;
    QString text = query;
    text.replace(QLatin1Char(','), QLatin1Char(' '));
    const QStringList words = FoldForSearch(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty() || words.size() > kMostWords)
        return found;

    // What each word names besides a town.
    std::vector<Filter::Word> naming(static_cast<std::size_t>(words.size()));
    std::vector<bool> namesSomething(naming.size());
    for (std::size_t w = 0; w < naming.size() && naming.size() > 1; ++w) {
        const QString& word = words[static_cast<qsizetype>(w)];
        Filter::Word& f = naming[w];
        QString code = word;
        if (code == QLatin1String("uk"))
            code = QStringLiteral("gb");
        else if (code == QLatin1String("usa"))
            code = QStringLiteral("us");
        f.countries.resize(countries_.size());
        for (std::size_t i = 0; i < countries_.size(); ++i)
            f.countries[i] = countries_[i].code.compare(code, Qt::CaseInsensitive) == 0;
        for (auto it = std::lower_bound(countryWords_.begin(), countryWords_.end(),
                                        std::pair(word, std::int32_t{-1}));
             it != countryWords_.end() && it->first.startsWith(word); ++it)
            f.countries[static_cast<std::size_t>(it->second)] = true;
        f.regions.resize(regions_.size());
        for (auto it = std::lower_bound(regionWords_.begin(), regionWords_.end(),
                                        std::pair(word, std::int32_t{-1}));
             it != regionWords_.end() && it->first.startsWith(word); ++it)
            f.regions[static_cast<std::size_t>(it->second)] = true;
        for (const Abbreviation& a : abbreviations_)
            if (a.text == word)
                f.abbreviations.emplace_back(a.country, a.region);
        namesSomething[w] =
            !f.abbreviations.empty() ||
            std::find(f.countries.begin(), f.countries.end(), true) != f.countries.end() ||
            std::find(f.regions.begin(), f.regions.end(), true) != f.regions.end();
    }

    const std::size_t wanted = static_cast<std::size_t>(limit);
    std::vector<Candidate> candidates;
    std::unordered_set<std::uint32_t> seen;
    std::size_t distinct = 0;
    const int n = static_cast<int>(words.size());
    // The town takes a run of the words; the others name its region or country.
    for (int length = n; length >= 1 && distinct < wanted; --length) {
        for (int start = 0; start + length <= n; ++start) {
            Filter filter;
            bool possible = true;
            for (int w = 0; w < n; ++w)
                if (w < start || w >= start + length) {
                    possible = possible && namesSomething[static_cast<std::size_t>(w)];
                    filter.words.push_back(&naming[static_cast<std::size_t>(w)]);
                }
            if (!possible)
                continue;
            const std::size_t before = candidates.size();
            matches(words.mid(start, length).join(QLatin1Char(' ')).toStdString(), filter, wanted,
                    wholeNames, candidates);
            for (std::size_t i = before; i < candidates.size(); ++i)
                if (seen.insert(candidates[i].place).second) {
                    ++distinct;
                }
        }
    }
    std::sort(candidates.begin(), candidates.end());
    seen.clear();
    for (const Candidate& c : candidates) {
        if (found.size() >= wanted)
            break;
        if (!seen.insert(c.place).second)
            continue;
        Place p = place(static_cast<int>(c.place));
        const KeyTarget& t = keyTargets_[c.key];
        p.matchedOwnName = t.alternateLength == 0;
        if (!p.matchedOwnName)
            if (std::size_t(t.alternateOffset) + t.alternateLength <= names_.size())
                p.matchedName = QString::fromUtf8(names_.data() + t.alternateOffset,
                                                  static_cast<qsizetype>(t.alternateLength));
        p.matchedWhole = c.whole;
        const std::string_view matchedKey = key(c.key);
        p.matchedKey =
            QString::fromUtf8(matchedKey.data(), static_cast<qsizetype>(matchedKey.size()));
        found.push_back(std::move(p));
    }
    return found;
}

QString Place::matchText() const {
    if (matchedOwnName)
        return shortText();
    return QCoreApplication::translate("tivora::atlas", "%1 (once %2)")
        .arg(shortText(), matchedName);
}

QString TakenFromSeveral(const QString& query, const std::vector<Place>& found) {
    if (found.empty() || !found.front().matchedWhole)
        return {};
    const Place& taken = found.front();

    for (const Place& other : found) {
        // A town once called so does not make the name shared by a town called so.
        if (!other.matchedWhole || other.matchedKey != taken.matchedKey ||
            (taken.matchedOwnName && !other.matchedOwnName) ||
            (other.region == taken.region && other.countryCode == taken.countryCode))
            continue;
        return QCoreApplication::translate(
                   "tivora::atlas",
                   "\"%1\" names towns in more than one region or country; took %2. "
                   "For another, add its region or country, as in \"%3\".")
            .arg(query.trimmed(), taken.shortText(), other.shortText());
    }
    return {};
}

struct Atlas::IndexHeader {
    char magic[8];
    std::uint32_t rowSize;
    std::uint32_t keyTargetSize;
    char source[32]; // SourceTrailer, zero-padded
    std::uint64_t tableOffset, tableSize;
    std::uint64_t rowsOffset, rowCount;
    std::uint64_t namesOffset, namesSize;
    std::uint64_t keysOffset, keysSize;
    std::uint64_t keyOffsetsOffset, keyCount; // keyCount + 1 offsets
    std::uint64_t keyTargetsOffset;
    std::uint64_t bestPrefixesOffset, bestPrefixesSize;
    std::uint64_t bestPrefixOffsetsOffset, bestCount; // bestCount + 1 of each
    std::uint64_t bestStartsOffset;
    std::uint64_t bestKeysOffset, bestKeysCount;
    std::uint64_t sampleKeysOffset, sampleKeysSize;
    std::uint64_t sampleOffsetsOffset, sampleCount; // sampleCount + 1 offsets
};

Atlas::~Atlas() = default;

std::string Atlas::table() const {
    std::string text;
    auto line = [&](char kind, const QString& body) {
        text += kind;
        text += '\t';
        text += body.toStdString();
        text += '\n';
    };
    for (const Zone& z : zones_)
        line('Z', QStringLiteral("%1\t%2\t%3\t%4")
                      .arg(z.id)
                      .arg(z.latitude, 0, 'g', 17)
                      .arg(z.longitude, 0, 'g', 17)
                      .arg(z.region));
    for (const QString& r : regions_)
        line('R', r);
    for (const Country& c : countries_)
        line('C', c.code);
    for (const Abbreviation& a : abbreviations_)
        line('A',
             QStringLiteral("%1\t%2\t%3").arg(a.text, countries_[a.country].code).arg(a.region));
    return text;
}

bool Atlas::writeIndex(const QString& sourcePath, const QString& indexPath, QString* error) const {
    const QByteArray source = SourceTrailer(sourcePath);
    QFile out(indexPath);
    if (source.isEmpty() || source.size() > 31 ||
        !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(indexPath);
        return false;
    }
    IndexHeader h{};
    std::memcpy(h.magic, kIndexMagic, sizeof h.magic);
    h.rowSize = sizeof(Row);
    h.keyTargetSize = sizeof(KeyTarget);
    std::memcpy(h.source, source.constData(), static_cast<std::size_t>(source.size()));
    QByteArray body;
    auto put = [&](const void* data, std::size_t size) {
        while ((sizeof h + static_cast<std::size_t>(body.size())) % 8)
            body.append('\0');
        const std::uint64_t at = sizeof h + static_cast<std::uint64_t>(body.size());
        body.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
        return at;
    };
    const std::string tableText = table();
    h.tableOffset = put(tableText.data(), tableText.size());
    h.tableSize = tableText.size();
    h.rowsOffset = put(places_.data, places_.size() * sizeof(Row));
    h.rowCount = places_.size();
    h.namesOffset = put(names_.data(), names_.size());
    h.namesSize = names_.size();
    h.keysOffset = put(keys_.data(), keys_.size());
    h.keysSize = keys_.size();
    h.keyOffsetsOffset = put(keyOffsets_.data, keyOffsets_.size() * 4);
    h.keyCount = keyTargets_.size();
    h.keyTargetsOffset = put(keyTargets_.data, keyTargets_.size() * sizeof(KeyTarget));
    h.bestPrefixesOffset = put(bestPrefixes_.data(), bestPrefixes_.size());
    h.bestPrefixesSize = bestPrefixes_.size();
    h.bestPrefixOffsetsOffset = put(bestPrefixOffsets_.data, bestPrefixOffsets_.size() * 4);
    h.bestCount = bestStarts_.size() - 1;
    h.bestStartsOffset = put(bestStarts_.data, bestStarts_.size() * 4);
    h.bestKeysOffset = put(bestKeys_.data, bestKeys_.size() * 4);
    h.bestKeysCount = bestKeys_.size();
    h.sampleKeysOffset = put(sampleKeys_.data(), sampleKeys_.size());
    h.sampleKeysSize = sampleKeys_.size();
    h.sampleOffsetsOffset = put(sampleOffsets_.data, sampleOffsets_.size() * 4);
    h.sampleCount = sampleOffsets_.size() - 1;
    const bool written = out.write(reinterpret_cast<const char*>(&h), sizeof h) == sizeof h &&
                         out.write(body) == body.size() && out.flush();
    if (!written && error)
        *error = QStringLiteral("cannot write %1").arg(indexPath);
    return written;
}

std::shared_ptr<const Atlas> Atlas::loadIndex(const QString& indexPath,
                                              const QByteArray& sourceTrailer) {
    auto file = std::make_unique<QFile>(indexPath);
    if (!file->open(QIODevice::ReadOnly) || file->size() < qint64(sizeof(IndexHeader)))
        return nullptr;
    const auto size = static_cast<std::uint64_t>(file->size());
    uchar* map = file->map(0, file->size());
    if (!map)
        return nullptr;
#ifdef Q_OS_UNIX
    // A look-up reads a few scattered pages: reading ahead around each, or
    // mapping the file's cached pages as 2 MB pages, would bring megabytes
    // into memory for nothing.
    ::madvise(map, static_cast<std::size_t>(size), MADV_RANDOM);
    ::madvise(map, static_cast<std::size_t>(size), MADV_NOHUGEPAGE);
#endif
    IndexHeader h;
    std::memcpy(&h, map, sizeof h);
    char source[32] = {};
    std::memcpy(source, sourceTrailer.constData(),
                std::min<std::size_t>(sizeof source - 1, std::size_t(sourceTrailer.size())));
    if (std::memcmp(h.magic, kIndexMagic, sizeof h.magic) != 0 || h.rowSize != sizeof(Row) ||
        h.keyTargetSize != sizeof(KeyTarget) || std::memcmp(h.source, source, sizeof source) != 0)
        return nullptr;
    // Every part within the file and aligned for its type.
    auto within = [&](std::uint64_t offset, std::uint64_t count, std::uint64_t each) {
        return offset % 8 == 0 && offset <= size && count <= (size - offset) / each;
    };
    if (!within(h.tableOffset, h.tableSize, 1) || !within(h.rowsOffset, h.rowCount, sizeof(Row)) ||
        !within(h.namesOffset, h.namesSize, 1) || !within(h.keysOffset, h.keysSize, 1) ||
        !within(h.keyOffsetsOffset, h.keyCount + 1, 4) ||
        !within(h.keyTargetsOffset, h.keyCount, sizeof(KeyTarget)) ||
        !within(h.bestPrefixesOffset, h.bestPrefixesSize, 1) ||
        !within(h.bestPrefixOffsetsOffset, h.bestCount + 1, 4) ||
        !within(h.bestStartsOffset, h.bestCount + 1, 4) ||
        !within(h.bestKeysOffset, h.bestKeysCount, 4) ||
        !within(h.sampleKeysOffset, h.sampleKeysSize, 1) ||
        !within(h.sampleOffsetsOffset, h.sampleCount + 1, 4) ||
        h.sampleCount != (h.keyCount + kSampleStep - 1) / kSampleStep || h.rowCount == 0 ||
        h.keyCount == 0)
        return nullptr;
    std::shared_ptr<Atlas> atlas(new Atlas);
    const std::string tableText(reinterpret_cast<const char*>(map + h.tableOffset), h.tableSize);
    if (!atlas->parse(tableText, nullptr, nullptr, true))
        return nullptr;
    auto at = [&](std::uint64_t offset) { return map + offset; };
    atlas->places_ = {reinterpret_cast<const Row*>(at(h.rowsOffset)), h.rowCount};
    atlas->names_ = {reinterpret_cast<const char*>(at(h.namesOffset)), h.namesSize};
    atlas->keys_ = {reinterpret_cast<const char*>(at(h.keysOffset)), h.keysSize};
    atlas->keyOffsets_ = {reinterpret_cast<const std::uint32_t*>(at(h.keyOffsetsOffset)),
                          h.keyCount + 1};
    atlas->keyTargets_ = {reinterpret_cast<const KeyTarget*>(at(h.keyTargetsOffset)), h.keyCount};
    atlas->bestPrefixes_ = {reinterpret_cast<const char*>(at(h.bestPrefixesOffset)),
                            h.bestPrefixesSize};
    atlas->bestPrefixOffsets_ = {
        reinterpret_cast<const std::uint32_t*>(at(h.bestPrefixOffsetsOffset)), h.bestCount + 1};
    atlas->bestStarts_ = {reinterpret_cast<const std::uint32_t*>(at(h.bestStartsOffset)),
                          h.bestCount + 1};
    atlas->bestKeys_ = {reinterpret_cast<const std::uint32_t*>(at(h.bestKeysOffset)),
                        h.bestKeysCount};
    atlas->sampleKeys_ = {reinterpret_cast<const char*>(at(h.sampleKeysOffset)), h.sampleKeysSize};
    atlas->sampleOffsets_ = {reinterpret_cast<const std::uint32_t*>(at(h.sampleOffsetsOffset)),
                             h.sampleCount + 1};
    // The small tables every search reads first, copied out of the mapping:
    // mapped, each would bring in the large page-cache block it sits in.
    atlas->ownSampleKeys_.assign(atlas->sampleKeys_);
    atlas->ownSampleOffsets_.assign(atlas->sampleOffsets_.data,
                                    atlas->sampleOffsets_.data + atlas->sampleOffsets_.size());
    atlas->ownBestPrefixes_.assign(atlas->bestPrefixes_);
    atlas->ownBestPrefixOffsets_.assign(atlas->bestPrefixOffsets_.data,
                                        atlas->bestPrefixOffsets_.data +
                                            atlas->bestPrefixOffsets_.size());
    atlas->ownBestStarts_.assign(atlas->bestStarts_.data,
                                 atlas->bestStarts_.data + atlas->bestStarts_.size());
    atlas->sampleKeys_ = atlas->ownSampleKeys_;
    atlas->sampleOffsets_.point(atlas->ownSampleOffsets_);
    atlas->bestPrefixes_ = atlas->ownBestPrefixes_;
    atlas->bestPrefixOffsets_.point(atlas->ownBestPrefixOffsets_);
    atlas->bestStarts_.point(atlas->ownBestStarts_);
    atlas->map_ = map;
    atlas->mapFile_ = std::move(file);
    return atlas;
}

} // namespace tivora::atlas
