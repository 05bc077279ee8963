#include "atlas/atlas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstring>
#include <new>
#include <tuple>

namespace tivora::atlas {

namespace {

constexpr const char* kFileName = "places.tsv.gz";
// Entries kept per one- or two-character prefix; a larger limit scans the keys.
constexpr std::size_t kBestListSize = 64;

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

QString Fault(const QString& path, const char* fault) {
    return QCoreApplication::translate("tivora::atlas", "The place data %1 %2")
        .arg(QDir::toNativeSeparators(path), QCoreApplication::translate("tivora::atlas", fault));
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
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
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
    // The program's folder; without an application object (tivora-cli) the
    // running executable tells it.
    const QString program = QCoreApplication::instance()
                                ? QCoreApplication::applicationDirPath()
                                : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    if (!program.isEmpty())
        folders << program + QStringLiteral("/../share/tivora");
    folders << QStringLiteral(TIVORA_SOURCE_DATA_DIR);
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

bool Atlas::parse(const std::string& text, QString* error, const std::atomic<bool>* stop) {
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
    keyOffsets_.push_back(0);
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
                zones_.size() >= 0xFFFF || !places_.empty())
                return fail(QT_TRANSLATE_NOOP("tivora::atlas", "a bad zone"));
            zone.id = QString::fromUtf8(f[0].data(), static_cast<qsizetype>(f[0].size()));
            zones_.push_back(zone);
            break;
        }
        case 'R':
            if (!places_.empty())
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
        case 'P': {
            Row row{};
            unsigned zone = 0;
            if (f.size() != 7 || !region(f[1], row.region) || !ToNumber(f[2], row.latitude) ||
                !ToNumber(f[3], row.longitude) || f[4].size() != 2 || !ToNumber(f[5], zone) ||
                !ToNumber(f[6], row.population) || zone >= zones_.size() || f[0].empty() ||
                f[0].size() > 0xFFFF || !(std::fabs(row.latitude) <= 90) ||
                !(std::fabs(row.longitude) <= 180) || !keyTargets_.empty())
                return fail(QT_TRANSLATE_NOOP("tivora::atlas", "a bad place"));
            row.nameOffset = static_cast<std::uint32_t>(names_.size());
            row.nameLength = static_cast<std::uint16_t>(f[0].size());
            names_.append(f[0]);
            row.zone = static_cast<std::uint16_t>(zone);
            row.country = country(f[4]);
            places_.push_back(row);
            break;
        }
        case 'K': {
            KeyTarget target{};
            if ((f.size() != 2 && f.size() != 3) || f[0].empty() || !ToNumber(f[1], target.place) ||
                target.place >= places_.size())
                return fail(QT_TRANSLATE_NOOP("tivora::atlas", "a bad key"));
            const std::string_view key = f[0];
            if (!keyTargets_.empty() && key < this->key(keyTargets_.size() - 1))
                return fail(QT_TRANSLATE_NOOP("tivora::atlas", "keys out of order"));
            if (f.size() == 3) {
                if (f[2].empty() || f[2].size() > 0xFFFF)
                    return fail(QT_TRANSLATE_NOOP("tivora::atlas", "a bad key"));
                target.alternateOffset = static_cast<std::uint32_t>(names_.size());
                target.alternateLength = static_cast<std::uint32_t>(f[2].size());
                names_.append(f[2]);
            }
            keys_.append(key);
            keyOffsets_.push_back(static_cast<std::uint32_t>(keys_.size()));
            keyTargets_.push_back(target);
            break;
        }
        default:
            return fail(QT_TRANSLATE_NOOP("tivora::atlas", "an unknown line"));
        }
        if (names_.size() > 0xFFFFFFFFu || keys_.size() > 0xFFFFFFFFu)
            return fail(QT_TRANSLATE_NOOP("tivora::atlas", "too many names"));
    }
    if (places_.empty() || keyTargets_.empty())
        return fail(QT_TRANSLATE_NOOP("tivora::atlas", "no places"));
    for (const Zone& z : zones_)
        if (z.region < -1 || z.region >= static_cast<std::int64_t>(regions_.size()))
            return fail(QT_TRANSLATE_NOOP("tivora::atlas", "a bad zone"));
    names_.shrink_to_fit();
    keys_.shrink_to_fit();
    places_.shrink_to_fit();
    keyOffsets_.shrink_to_fit();
    keyTargets_.shrink_to_fit();
    return true;
}

std::string_view Atlas::key(std::size_t i) const {
    return std::string_view(keys_).substr(keyOffsets_[i], keyOffsets_[i + 1] - keyOffsets_[i]);
}

void Atlas::buildBestLists() {
    // Keys are sorted, so every prefix covers one run of keys. Each list
    // holds the run's keys of the largest places, one key a place.
    std::vector<std::uint32_t> run;
    std::vector<bool> taken(places_.size());
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
            for (std::uint32_t k : run) {
                if (best.size() >= kBestListSize)
                    break;
                if (!taken[keyTargets_[k].place]) {
                    taken[keyTargets_[k].place] = true;
                    best.push_back(k);
                }
            }
            for (std::uint32_t k : best)
                taken[keyTargets_[k].place] = false;
            best_[prefix] = std::move(best);
            i = j;
        }
    }
}

Place Atlas::place(int index) const {
    Place p;
    if (index < 0 || index >= size())
        return p;
    const Row& row = places_[static_cast<std::size_t>(index)];
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
    p.population = row.population;
    return p;
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

namespace {

// "wales" starts a word of "new south wales".
bool StartsAWord(const QString& name, const QString& word) {
    for (qsizetype at = 0;;) {
        if (QStringView(name).mid(at).startsWith(word))
            return true;
        at = name.indexOf(QLatin1Char(' '), at);
        if (at < 0)
            return false;
        ++at;
    }
}

} // namespace

void Atlas::matches(const std::string& town, const Filter& filter, std::size_t limit,
                    std::vector<Candidate>& out) const {
    // The run of keys starting with town; the equal keys sort first in it.
    const std::size_t n = keyTargets_.size();
    std::size_t lo = 0, hi = n;
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (key(mid) < std::string_view(town))
            lo = mid + 1;
        else
            hi = mid;
    }
    const std::size_t first = lo;
    std::size_t exactEnd = first;
    while (exactEnd < n && key(exactEnd) == town)
        ++exactEnd;
    std::size_t last = exactEnd;
    hi = n;
    while (last < hi) {
        const std::size_t mid = (last + hi) / 2;
        if (key(mid).substr(0, town.size()) == town)
            last = mid + 1;
        else
            hi = mid;
    }
    const int words = static_cast<int>(std::count(town.begin(), town.end(), ' ')) + 1;
    auto add = [&](std::size_t k, bool whole) {
        const std::uint32_t place = keyTargets_[k].place;
        if (filter.passes(places_[place]))
            out.push_back({static_cast<std::uint32_t>(k), place, words, whole, alternate(k)});
    };
    for (std::size_t i = first; i < exactEnd; ++i)
        add(i, true);
    const auto best = best_.find(town);
    if (filter.words.empty() && best != best_.end() &&
        (limit <= kBestListSize || best->second.size() < kBestListSize)) {
        for (std::uint32_t k : best->second)
            if (key(k) != town)
                add(k, false);
        return;
    }
    for (std::size_t i = exactEnd; i < last; ++i)
        add(i, false);
}

std::vector<Place> Atlas::search(const QString& query, int limit) const {
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
    for (std::size_t w = 0; w < naming.size(); ++w) {
        const QString& word = words[static_cast<qsizetype>(w)];
        Filter::Word& f = naming[w];
        QString code = word;
        if (code == QLatin1String("uk"))
            code = QStringLiteral("gb");
        else if (code == QLatin1String("usa"))
            code = QStringLiteral("us");
        f.countries.resize(countries_.size());
        for (std::size_t i = 0; i < countries_.size(); ++i)
            f.countries[i] = countries_[i].code.compare(code, Qt::CaseInsensitive) == 0 ||
                             StartsAWord(countries_[i].foldedName, word);
        f.regions.resize(regions_.size());
        for (std::size_t i = 0; i < regions_.size(); ++i)
            f.regions[i] = StartsAWord(foldedRegions_[i], word);
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
    std::vector<bool> seen(places_.size());
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
                    candidates);
            for (std::size_t i = before; i < candidates.size(); ++i)
                if (!seen[candidates[i].place]) {
                    seen[candidates[i].place] = true;
                    ++distinct;
                }
        }
    }
    std::sort(candidates.begin(), candidates.end());
    std::fill(seen.begin(), seen.end(), false);
    for (const Candidate& c : candidates) {
        if (found.size() >= wanted)
            break;
        if (seen[c.place])
            continue;
        seen[c.place] = true;
        Place p = place(static_cast<int>(c.place));
        const KeyTarget& t = keyTargets_[c.key];
        p.matchedOwnName = t.alternateLength == 0;
        if (!p.matchedOwnName)
            p.matchedName = QString::fromUtf8(names_.data() + t.alternateOffset,
                                              static_cast<qsizetype>(t.alternateLength));
        p.matchedWhole = c.whole;
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
    const QString name = FoldForSearch(taken.matchedName);
    for (const Place& other : found) {
        // A town once called so does not make the name shared by a town called so.
        if (!other.matchedWhole || FoldForSearch(other.matchedName) != name ||
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

} // namespace tivora::atlas
