#include "atlas/atlas.h"
#include "atlas/place_fill.h"

#include <QTemporaryDir>
#include <QtTest>

#include <zlib.h>

using namespace tivora::atlas;

namespace {

QStringList Names(const std::vector<Place>& places) {
    QStringList names;
    for (const Place& p : places)
        names << p.shortText();
    return names;
}

QString First(const Atlas& atlas, const QString& query) {
    const auto found = atlas.search(query, 5);
    return found.empty() ? QString() : found.front().shortText();
}

QByteArray Gzip(const QByteArray& data) {
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(static_cast<qsizetype>(deflateBound(&z, static_cast<uLong>(data.size()))), 0);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(static_cast<qsizetype>(z.total_out));
    deflateEnd(&z);
    return out;
}

// Megabytes of zero bytes, packed: a few hundred bytes for each megabyte.
QByteArray ZeroBomb(int megabytes) {
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    const QByteArray zeros(1 << 20, '\0');
    QByteArray out;
    char buffer[1 << 16];
    for (int i = 0; i < megabytes; ++i) {
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.constData()));
        z.avail_in = static_cast<uInt>(zeros.size());
        const int flush = i + 1 == megabytes ? Z_FINISH : Z_NO_FLUSH;
        do {
            z.next_out = reinterpret_cast<Bytef*>(buffer);
            z.avail_out = sizeof buffer;
            deflate(&z, flush);
            out.append(buffer, static_cast<qsizetype>(sizeof buffer - z.avail_out));
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    return out;
}

QString Write(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("places.tsv.gz"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    return path;
}

} // namespace

// Searches the small atlas the generator makes from the committed rows.
class TestAtlasSearch : public QObject {
    Q_OBJECT
    std::shared_ptr<const Atlas> atlas;
    QByteArray fixture;

private slots:
    void initTestCase() {
        const QString path = AtlasDataPath();
        QVERIFY(path.contains(QStringLiteral("atlas-fixture")));
        QString error;
        atlas = Atlas::load(path, &error);
        QVERIFY2(atlas, qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        fixture = file.readAll();
    }

    void namesInEveryScriptAndOldNames_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("first");
        QTest::newRow("Cyrillic") << "Москва"
                                  << "Moscow, Moscow, RU";
        QTest::newRow("Devanagari") << "मुंबई"
                                    << "Mumbai, Maharashtra, IN";
        QTest::newRow("Kanji") << "東京"
                               << "Tokyo, Tokyo, JP";
        QTest::newRow("Peking") << "Peking"
                                << "Beijing, Beijing, CN";
        QTest::newRow("muench") << "muench"
                                << "Munich, Bavaria, DE";
        QTest::newRow("münch, the bigger town first") << "münch"
                                                      << "Munich, Bavaria, DE";
        QTest::newRow("MÜNCHEN") << "MÜNCHEN"
                                 << "Munich, Bavaria, DE";
        QTest::newRow("Zürich without accent") << "zurich"
                                               << "Zürich, Zurich, CH";
        QTest::newRow("hyphen as blank") << "saint etienne"
                                         << "Saint-Étienne, Auvergne-Rhône-Alpes, FR";
        QTest::newRow("Łódź") << "lodz"
                              << "Łódź, Łódź Voivodeship, PL";
    }
    void namesInEveryScriptAndOldNames() {
        QFETCH(QString, query);
        QFETCH(QString, first);
        QCOMPARE(First(*atlas, query), first);
    }

    void wordsInAnyOrder_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("first");
        QTest::newRow("no comma") << "Springfield Vermont"
                                  << "Springfield, Vermont, US";
        QTest::newRow("state code") << "springfield il"
                                    << "Springfield, Illinois, US";
        QTest::newRow("region first") << "illinois, springfield"
                                      << "Springfield, Illinois, US";
        QTest::newRow("three parts") << "Springfield, Illinois, US"
                                     << "Springfield, Illinois, US";
        QTest::newRow("village") << "plains ga"
                                 << "Plains, Georgia, US";
        QTest::newRow("two-word town") << "new york"
                                       << "New York City, New York, US";
        QTest::newRow("province") << "London ON"
                                  << "London, Ontario, CA";
        QTest::newRow("country name") << "London, Canada"
                                      << "London, Ontario, CA";
        QTest::newRow("UK") << "london uk"
                            << "London, England, GB";
        QTest::newRow("Australian state") << "sandringham nsw"
                                          << "Sandringham, New South Wales, AU";
        QTest::newRow("Indian state") << "pune mh"
                                      << "Pune, Maharashtra, IN";
        QTest::newRow("Arkansas") << "Hope AR"
                                  << "Hope, Arkansas, US";
        QTest::newRow("country in its script") << "Москва Россия"
                                               << "Moscow, Moscow, RU";
        QTest::newRow("both in Japanese") << "東京 日本"
                                          << "Tokyo, Tokyo, JP";
    }
    void wordsInAnyOrder() {
        QFETCH(QString, query);
        QFETCH(QString, first);
        QCOMPARE(First(*atlas, query), first);
    }

    void ownNamesWholeNamesThenSize() {
        // Hampton (Victoria) was once Sandringham; the towns called so come first.
        const auto sandringham = atlas->search(QStringLiteral("Sandringham"), 10);
        QVERIFY(sandringham.size() >= 2);
        QCOMPARE(sandringham.front().name, QStringLiteral("Sandringham"));
        QVERIFY(sandringham.front().matchedOwnName);
        bool hampton = false;
        for (std::size_t i = 0; i < sandringham.size(); ++i) {
            if (sandringham[i].name != QStringLiteral("Hampton"))
                continue;
            hampton = true;
            QVERIFY(!sandringham[i].matchedOwnName);
            QCOMPARE(sandringham[i].matchText(),
                     QStringLiteral("Hampton, Victoria, AU (once Sandringham)"));
            QCOMPARE(sandringham[i - 1].name, QStringLiteral("Sandringham"));
        }
        QVERIFY(hampton);

        // Whole names first, own before other names, each by size; then the
        // names that only start so.
        const auto springfield = atlas->search(QStringLiteral("Springfield"), 100);
        int stage = 0; // 0: own whole names, 1: other whole names, 2: begun names
        qint64 population = LLONG_MAX;
        bool powderSprings = false;
        for (const Place& p : springfield) {
            const int now = !p.matchedWhole ? 2 : p.matchedOwnName ? 0 : 1;
            QVERIFY2(now >= stage, qPrintable(p.matchText()));
            if (now > stage)
                population = LLONG_MAX;
            stage = now;
            QVERIFY2(p.population <= population, qPrintable(p.matchText()));
            population = p.population;
            if (p.name == QStringLiteral("Powder Springs")) {
                powderSprings = true;
                QCOMPARE(p.matchText(),
                         QStringLiteral("Powder Springs, Georgia, US (once Springfield)"));
            }
        }
        QVERIFY(powderSprings);
        QCOMPARE(stage, 2); // Springfield Lakes
        QCOMPARE(springfield.front().matchedName, QStringLiteral("Springfield"));
    }

    void whichOfSeveralWasTaken() {
        const QString query = QStringLiteral("Springfield");
        const QString note = TakenFromSeveral(query, atlas->search(query, 10));
        QVERIFY2(note.contains(QStringLiteral("took Springfield, Missouri, US")), qPrintable(note));
        QVERIFY2(note.contains(QStringLiteral("\"Springfield, ")), qPrintable(note));
        const QString vermont = QStringLiteral("Springfield, Vermont");
        QCOMPARE(TakenFromSeveral(vermont, atlas->search(vermont, 10)), QString());
    }

    void nothingFoundAndBadQueries() {
        QVERIFY(atlas->search(QStringLiteral("Qqqqxz"), 5).empty());
        QVERIFY(atlas->search(QStringLiteral("London, Atlantis"), 5).empty());
        QVERIFY(atlas->search(QStringLiteral("   "), 5).empty());
        QVERIFY(atlas->search(QStringLiteral(" , ,"), 5).empty());
        QVERIFY(atlas->search(QStringLiteral("London"), 0).empty());
        QVERIFY(atlas->search(QString(5000, QLatin1Char('a')), 5).empty());
        QVERIFY(atlas->search(QStringLiteral("a b c d e f g h i j k l m n o p"), 5).empty());
    }

    void shortPrefixesAgreeWithAFullScan_data() {
        QTest::addColumn<QString>("query");
        for (const char* q : {"s", "S", "m", "mu", "ba", "ö", "lo"})
            QTest::newRow(q) << QString::fromUtf8(q);
    }
    void shortPrefixesAgreeWithAFullScan() {
        // Few results come from the prepared lists, many from the keys.
        QFETCH(QString, query);
        const auto quick = atlas->search(query, 3);
        const auto scanned = atlas->search(query, 100);
        QVERIFY(!quick.empty());
        QCOMPARE(Names(quick),
                 Names(std::vector<Place>(scanned.begin(), scanned.begin() + quick.size())));
    }

    void zoneCities() {
        const auto hope = atlas->search(QStringLiteral("Hope, Arkansas"), 1);
        QCOMPARE(hope.front().timeZone, QStringLiteral("America/Chicago"));
        QVERIFY(qAbs(hope.front().zoneCityLatitude - 41.85) < 0.01);
        QVERIFY(qAbs(hope.front().zoneCityLongitude + 87.65) < 0.01);
        QCOMPARE(hope.front().zoneCityRegion, QStringLiteral("Illinois"));
        const auto yellowknife = atlas->search(QStringLiteral("Yellowknife"), 1);
        QCOMPARE(yellowknife.front().timeZone, QStringLiteral("America/Edmonton"));

        // A town restored from a saved reading gets its zone's city back.
        Place restored =
            RestoredPlace(QStringLiteral("Hope"), QStringLiteral("Arkansas"), QStringLiteral("US"),
                          QStringLiteral("America/Chicago"), 33.67, -93.59);
        QVERIFY(!restored.zoneCityKnown);
        QVERIFY(atlas->addZoneCity(restored));
        QCOMPARE(restored.zoneCityRegion, QStringLiteral("Illinois"));
        QVERIFY(qAbs(restored.zoneCityLatitude - 41.85) < 0.01);
        restored.timeZone = QStringLiteral("Mars/Olympus_Mons");
        QVERIFY(!atlas->addZoneCity(restored));
    }

    void regionNumbersBeyondSixteenBits() {
        QByteArray text = "Z\tEurope/Berlin\t52.5\t13.4\t-1\n";
        for (int i = 0; i < 40000; ++i)
            text += "R\tRegion " + QByteArray::number(i) + '\n';
        text += "P\tFarville\t39999\t52.0\t13.0\tDE\t0\t900\nK\tfarville\t0\n";
        QTemporaryDir dir;
        QString error;
        const auto far = Atlas::load(Write(dir, Gzip(text)), &error);
        QVERIFY2(far, qPrintable(error));
        QCOMPARE(far->place(0).region, QStringLiteral("Region 39999"));
        QCOMPARE(First(*far, QStringLiteral("farville region 39999")),
                 QStringLiteral("Farville, Region 39999, DE"));
    }

    void damagedFilesAreFaultsNamingTheFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fault");
        QTest::newRow("empty") << QByteArray() << "is empty";
        QTest::newRow("cut short") << fixture.left(fixture.size() * 2 / 3) << "is cut short";
        QByteArray flipped = fixture;
        for (qsizetype i = flipped.size() / 3; i < flipped.size() / 3 + 64; ++i)
            flipped[i] = static_cast<char>(flipped[i] ^ 0x5A);
        QTest::newRow("corrupt") << flipped << "damaged";
        QTest::newRow("trailing bytes") << fixture + "junk"
                                        << "damaged";
        QTest::newRow("not gzip") << QByteArray("P\tTown\t0\tnorth\n") << "damaged";
        QTest::newRow("bad line") << Gzip("P\tTown\t0\tnorth\n")
                                  << "damaged: a bad place in line 1";
        QTest::newRow("no places") << Gzip("# nothing\n") << "damaged: no places";
    }
    void damagedFilesAreFaultsNamingTheFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fault);
        QTemporaryDir dir;
        const QString path = Write(dir, bytes);
        QString error;
        QVERIFY(!Atlas::load(path, &error));
        QVERIFY2(error.contains(path) && error.contains(fault), qPrintable(error));
    }

    void missingFileAndBomb() {
        QTemporaryDir dir;
        QString error;
        const QString missing = dir.filePath(QStringLiteral("none.tsv.gz"));
        QVERIFY(!Atlas::load(missing, &error));
        QCOMPARE(error, QStringLiteral("The place data %1 is missing").arg(missing));

        // 300 MB of nothing packs into a few hundred kilobytes.
        QVERIFY(!Atlas::load(Write(dir, ZeroBomb(300)), &error));
        QVERIFY2(error.contains(QStringLiteral("unpacks to more than an atlas can be")),
                 qPrintable(error));
    }

    void theIndexAnswersAsTheText() {
        // The fixture's folder holds the index made at build time; a copy of
        // the text alone is read as text.
        QVERIFY(atlas->fromIndex());
        QTemporaryDir dir;
        QString error;
        const auto text = Atlas::load(Write(dir, fixture), &error);
        QVERIFY2(text && !text->fromIndex(), qPrintable(error));
        QCOMPARE(text->size(), atlas->size());
        for (const char* query : {"Springfield", "s", "mu", "Москва", "springfield il", "plains ga",
                                  "Sandringham", "hope ar", "lond", "zz"}) {
            const auto a = atlas->search(QString::fromUtf8(query), 20);
            const auto b = text->search(QString::fromUtf8(query), 20);
            QCOMPARE(a.size(), b.size());
            for (std::size_t i = 0; i < a.size(); ++i) {
                QCOMPARE(a[i].matchText(), b[i].matchText());
                QCOMPARE(a[i].timeZone, b[i].timeZone);
                QCOMPARE(a[i].zoneCityRegion, b[i].zoneCityRegion);
                QCOMPARE(a[i].latitude, b[i].latitude);
            }
        }
        // An index made from another file is not taken for this one.
        QFile index(QFileInfo(AtlasDataPath()).dir().filePath(QStringLiteral("places.idx")));
        QVERIFY(index.copy(dir.filePath(QStringLiteral("places.idx"))));
        QByteArray other = fixture;
        other[other.size() - 5] = static_cast<char>(other[other.size() - 5] ^ 1); // its length
        QVERIFY(!Atlas::load(Write(dir, other), &error)); // damaged, and not hidden by the index
    }

    void aDamagedIndexLeadsNowhereOutside() {
        QFile index(QFileInfo(AtlasDataPath()).dir().filePath(QStringLiteral("places.idx")));
        QVERIFY(index.open(QIODevice::ReadOnly));
        QByteArray bytes = index.readAll();
        // Everything after the header and table scrambled.
        for (qsizetype i = 4096; i < bytes.size(); i += 7)
            bytes[i] = static_cast<char>(bytes[i] * 31 + 17);
        QTemporaryDir dir;
        QFile damaged(dir.filePath(QStringLiteral("places.idx")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(bytes);
        damaged.close();
        const auto scrambled = Atlas::load(Write(dir, fixture));
        QVERIFY(scrambled && scrambled->fromIndex());
        for (const char* query :
             {"Springfield", "s", "mu", "Москва", "springfield il", "zz", "a b"})
            scrambled->search(QString::fromUtf8(query), 50);
        for (int i = 0; i < scrambled->size(); ++i)
            scrambled->place(i);
    }

    void dataPathAndStopping() {
        QTemporaryDir dir;
        const QString path = Write(dir, fixture);
        const QByteArray before = qgetenv("TIVORA_DATA_DIR");
        qputenv("TIVORA_DATA_DIR", dir.path().toUtf8());
        QCOMPARE(AtlasDataPath(), QDir::cleanPath(path));
        qputenv("TIVORA_DATA_DIR", before);
        // A load told to stop gives no atlas and no error message.
        const std::atomic<bool> stop{true};
        QString error;
        QVERIFY(!Atlas::load(path, &error, &stop));
        QVERIFY(error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAtlasSearch)
#include "test_atlas_search.moc"
