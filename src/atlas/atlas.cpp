#include "atlas/atlas.h"

#include "atlas/program_folder.h"

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
#include <cstring>
#include <unordered_set>

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

bool Stopped(const std::atomic<bool>* stop) {
    return stop && stop->load(std::memory_order_relaxed);
}

bool ReadGzip(const QString& path, std::string& out, QString* error,
              const std::atomic<bool>* stop) {
    gzFile file = gzopen(QFile::encodeName(path).constData(), "rb");
    if (!file) {
        if (error)
            *error = QStringLiteral("Cannot open the place data %1").arg(path);
        return false;
    }
    gzbuffer(file, 1 << 17);
    char buffer[1 << 16];
    int n = 0;
    while (!Stopped(stop) && (n = gzread(file, buffer, sizeof buffer)) > 0)
        out.append(buffer, static_cast<std::size_t>(n));
    const bool failed = n < 0;
    gzclose(file);
    if (failed && error)
        *error = QStringLiteral("The place data %1 is damaged").arg(path);
    return !failed && !Stopped(stop);
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

bool StartsWith(const QString& text, const QString& prefix) {
    return text.startsWith(prefix);
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
        if (c.category() == QChar::Mark_NonSpacing)
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

struct Atlas::Filter {
    bool active = false;
    bool either = false; // two-part query: country or region may match
    std::vector<bool> countries;
    std::vector<bool> regions;
    bool countryFilter = false;
    bool regionFilter = false;

    bool passes(const Row& row) const {
        if (!active)
            return true;
        const bool country = countries[row.country];
        const bool region = row.region >= 0 && regions[static_cast<std::size_t>(row.region)];
        if (either)
            return country || region;
        return (!countryFilter || country) && (!regionFilter || region);
    }
};

std::shared_ptr<const Atlas> Atlas::load(const QString& path, QString* error,
                                         const std::atomic<bool>* stop) {
    std::string text;
    if (!ReadGzip(path, text, error, stop))
        return nullptr;
    std::shared_ptr<Atlas> atlas(new Atlas);
    if (!atlas->parse(text, error, stop) || Stopped(stop))
        return nullptr;
    atlas->buildBestLists();
    return atlas;
}

bool Atlas::parse(const std::string& text, QString* error, const std::atomic<bool>* stop) {
    std::unordered_map<std::uint16_t, std::uint16_t> countryIndex;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    keyOffsets_.push_back(0);
    auto fail = [&](const char* what) {
        if (error)
            *error = QStringLiteral("The place data is damaged: %1 in line %2")
                         .arg(QLatin1String(what))
                         .arg(lineNumber);
        return false;
    };
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
            return fail("unknown line");
        const std::string_view body = line.substr(2);
        switch (line.front()) {
        case 'Z':
            zones_.push_back(QString::fromUtf8(body.data(), static_cast<qsizetype>(body.size())));
            break;
        case 'R':
            regions_.push_back(QString::fromUtf8(body.data(), static_cast<qsizetype>(body.size())));
            foldedRegions_.push_back(FoldForSearch(regions_.back()));
            break;
        case 'P': {
            const auto f = SplitTabs(body);
            Row row{};
            int region = 0;
            unsigned zone = 0;
            if (f.size() != 7 || !ToNumber(f[1], region) || !ToNumber(f[2], row.latitude) ||
                !ToNumber(f[3], row.longitude) || f[4].size() != 2 || !ToNumber(f[5], zone) ||
                !ToNumber(f[6], row.population) || zone >= zones_.size() || region < -1 ||
                region >= static_cast<int>(regions_.size()) || f[0].size() > 0xFFFF)
                return fail("bad place");
            row.nameOffset = static_cast<std::uint32_t>(names_.size());
            row.nameLength = static_cast<std::uint16_t>(f[0].size());
            names_.append(f[0]);
            row.region = static_cast<std::int16_t>(region);
            row.zone = static_cast<std::uint16_t>(zone);
            const auto code = static_cast<std::uint16_t>(static_cast<unsigned char>(f[4][0]) << 8 |
                                                         static_cast<unsigned char>(f[4][1]));
            auto [it, added] =
                countryIndex.emplace(code, static_cast<std::uint16_t>(countries_.size()));
            if (added) {
                const QString cc = QString::fromLatin1(f[4].data(), 2);
                const QString name = QLocale::territoryToString(QLocale::codeToTerritory(cc));
                countries_.push_back({cc, name, FoldForSearch(name)});
            }
            row.country = it->second;
            places_.push_back(row);
            break;
        }
        case 'K': {
            const std::size_t tab = body.rfind('\t');
            std::uint32_t place = 0;
            if (tab == std::string_view::npos || !ToNumber(body.substr(tab + 1), place) ||
                place >= places_.size())
                return fail("bad key");
            const std::string_view key = body.substr(0, tab);
            if (keyPlaces_.size() > 0 && key < this->key(keyPlaces_.size() - 1))
                return fail("keys out of order");
            keys_.append(key);
            keyOffsets_.push_back(static_cast<std::uint32_t>(keys_.size()));
            keyPlaces_.push_back(place);
            break;
        }
        default:
            return fail("unknown line");
        }
    }
    if (places_.empty() || keyPlaces_.empty())
        return fail("no places");
    names_.shrink_to_fit();
    keys_.shrink_to_fit();
    places_.shrink_to_fit();
    keyOffsets_.shrink_to_fit();
    keyPlaces_.shrink_to_fit();
    return true;
}

std::string_view Atlas::key(std::size_t i) const {
    return std::string_view(keys_).substr(keyOffsets_[i], keyOffsets_[i + 1] - keyOffsets_[i]);
}

void Atlas::buildBestLists() {
    // Keys are sorted, so every prefix covers one run of keys.
    for (std::size_t length : {std::size_t{1}, std::size_t{2}}) {
        std::size_t i = 0;
        const std::size_t n = keyPlaces_.size();
        std::vector<std::uint32_t> run;
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
                run.push_back(keyPlaces_[j++]);
            std::sort(run.begin(), run.end());
            run.erase(std::unique(run.begin(), run.end()), run.end());
            if (run.size() > kBestListSize)
                run.resize(kBestListSize);
            best_[prefix] = run;
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
    if (row.region >= 0)
        p.region = regions_[static_cast<std::size_t>(row.region)];
    p.countryCode = countries_[row.country].code;
    p.country = countries_[row.country].name;
    p.latitude = row.latitude;
    p.longitude = row.longitude;
    p.timeZone = zones_[row.zone];
    p.population = row.population;
    return p;
}

std::vector<std::uint32_t> Atlas::matches(const std::string& town, const Filter& filter,
                                          std::size_t limit) const {
    // The run of keys starting with town; the equal keys sort first in it.
    auto keyLess = [this](std::uint32_t i, const std::string& value) {
        return key(i) < std::string_view(value);
    };
    const std::size_t n = keyPlaces_.size();
    std::size_t lo = 0, hi = n;
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (keyLess(static_cast<std::uint32_t>(mid), town))
            lo = mid + 1;
        else
            hi = mid;
    }
    const std::size_t first = lo;
    std::size_t exactEnd = first;
    while (exactEnd < n && key(exactEnd) == town)
        ++exactEnd;
    std::size_t last = exactEnd;
    // Binary search for the end of the prefix run.
    hi = n;
    while (last < hi) {
        const std::size_t mid = (last + hi) / 2;
        if (key(mid).substr(0, town.size()) == town)
            last = mid + 1;
        else
            hi = mid;
    }

    std::vector<std::uint32_t> result;
    std::unordered_set<std::uint32_t> seen;
    auto take = [&](std::vector<std::uint32_t>& candidates) {
        std::sort(candidates.begin(), candidates.end());
        for (std::uint32_t c : candidates) {
            if (result.size() >= limit)
                return;
            if (seen.insert(c).second)
                result.push_back(c);
        }
    };
    std::vector<std::uint32_t> candidates;
    for (std::size_t i = first; i < exactEnd; ++i)
        if (filter.passes(places_[keyPlaces_[i]]))
            candidates.push_back(keyPlaces_[i]);
    take(candidates);
    if (result.size() >= limit)
        return result;

    candidates.clear();
    const auto best = best_.find(town);
    if (!filter.active && best != best_.end() &&
        (limit <= kBestListSize || best->second.size() < kBestListSize)) {
        candidates = best->second;
    } else {
        for (std::size_t i = exactEnd; i < last; ++i)
            if (filter.passes(places_[keyPlaces_[i]]))
                candidates.push_back(keyPlaces_[i]);
    }
    take(candidates);
    return result;
}

std::vector<Place> Atlas::search(const QString& query, int limit) const {
    std::vector<Place> found;
    if (limit <= 0)
        return found;
    QStringList parts = query.split(QLatin1Char(','));
    for (QString& part : parts)
        part = FoldForSearch(part);
    while (parts.size() > 1 && parts.back().isEmpty())
        parts.removeLast();
    const std::string town = parts.front().toStdString();
    if (town.empty())
        return found;

    Filter filter;
    if (parts.size() >= 2) {
        filter.active = true;
        const QString country = parts.back();
        const QString region = parts.size() >= 3 ? parts[parts.size() - 2] : country;
        filter.either = parts.size() == 2;
        filter.countryFilter = !country.isEmpty();
        filter.regionFilter = !region.isEmpty();
        QString code = country;
        if (code == QLatin1String("uk"))
            code = QStringLiteral("gb");
        else if (code == QLatin1String("usa"))
            code = QStringLiteral("us");
        filter.countries.resize(countries_.size());
        for (std::size_t i = 0; i < countries_.size(); ++i)
            filter.countries[i] = filter.countryFilter &&
                                  (countries_[i].code.compare(code, Qt::CaseInsensitive) == 0 ||
                                   StartsWith(countries_[i].foldedName, country));
        filter.regions.resize(regions_.size());
        for (std::size_t i = 0; i < regions_.size(); ++i)
            filter.regions[i] = filter.regionFilter && StartsWith(foldedRegions_[i], region);
        if (filter.either && !filter.countryFilter)
            filter.active = false;
    }

    for (std::uint32_t index : matches(town, filter, static_cast<std::size_t>(limit)))
        found.push_back(place(static_cast<int>(index)));
    return found;
}

} // namespace tivora::atlas
