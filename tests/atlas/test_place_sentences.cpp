#include "atlas/place_fill.h"
#include "language/language.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QtTest>

using namespace tivora::atlas;

namespace {

LocalTimeOffsets Resolve(const char* zone, const char* date, const char* time) {
    return ResolveLocalTime(QString::fromLatin1(zone), QDate::fromString(date, Qt::ISODate),
                            QTime::fromString(time, QStringLiteral("HH:mm")), 13.4);
}

} // namespace

// What the main window says about a chosen town's clocks: the sentence under
// City and Calculate's words at a clock change.
class TestPlaceSentences : public QObject {
    Q_OBJECT

private slots:
    // Under Hindi only names stay in Latin letters: towns, zone ids, the
    // zones' abbreviations and UT.
    void sentencesSpeakHindi() {
        QVERIFY(tivora::InstallLanguage(QString::fromLatin1(tivora::kHindi)));
        const auto english =
            qScopeGuard([] { tivora::InstallLanguage(QString::fromLatin1(tivora::kEnglish)); });
        const Place lucknow =
            RestoredPlace(QStringLiteral("Lucknow"), QStringLiteral("Uttar Pradesh"),
                          QStringLiteral("IN"), QStringLiteral("Asia/Kolkata"), 26.85, 80.92);
        const QStringList texts = {FillForPlace(lucknow, QDate(1990, 1, 12), QTime(10, 30)).text,
                                   FillForPlace(lucknow, QDate(1943, 5, 1), QTime(10, 30)).text,
                                   Resolve("Europe/London", "1985-10-27", "01:30").message,
                                   Resolve("Europe/London", "1985-03-31", "01:30").message,
                                   Resolve("Asia/Nowhere", "1985-03-31", "01:30").message};
        static const QRegularExpression names(
            QStringLiteral("Lucknow|Uttar Pradesh|India|Asia/Kolkata|Europe/London|Asia/Nowhere|"
                           "Kolkata|West Bengal|IST|[BG]MT|BST|\\+0630|UT"));
        static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2,}"));
        for (const QString& text : texts) {
            QVERIFY(!text.isEmpty());
            QVERIFY2(!QString(text).remove(names).contains(latinWord), qPrintable(text));
        }
    }

    // A town restored from a saved reading before the atlas is at hand has
    // no zone city to measure from: no doubt is claimed from a distance to
    // nowhere.
    void restoredTownClaimsNoDistance() {
        const Place kolkata =
            RestoredPlace(QStringLiteral("Kolkata"), QStringLiteral("West Bengal"),
                          QStringLiteral("IN"), QStringLiteral("Asia/Kolkata"), 22.57, 88.36);
        const PlaceFill fill = FillForPlace(kolkata, QDate(1943, 5, 1), QTime(10, 30));
        QVERIFY(fill.doubt.certain);
        QVERIFY2(!fill.text.contains(QStringLiteral("km")), qPrintable(fill.text));
    }

    void skippedTimeNamesTheHourAndWhatToEnter() {
        const auto gap = Resolve("Europe/Berlin", "2021-03-28", "02:30");
        QCOMPARE(gap.kind, LocalTimeKind::NeverHappened);
        QCOMPARE(gap.clocksBefore, QTime(2, 0));
        QCOMPARE(gap.clocksAfter, QTime(3, 0));
        QCOMPARE(
            SkippedTimeMessage(QStringLiteral("Berlin"), QDate(2021, 3, 28), QTime(2, 30), gap),
            QStringLiteral("On 28 Mar 2021 the clocks in Berlin went forward from 02:00 "
                           "(CET, UT+1:00) to 03:00 (CEST, UT+2:00): 02:30 never happened "
                           "there.\n\nPlease enter the time of birth as it was registered. "
                           "If the record itself says 02:30, the birth was at 03:30 by the "
                           "clocks after the change: enter that time."));
    }

    void repeatedTimeOffersBothByNameAndOffset() {
        const auto fold = Resolve("Europe/Berlin", "2021-10-31", "02:30");
        QCOMPARE(fold.kind, LocalTimeKind::HappenedTwice);
        QCOMPARE(RepeatedTimeChoices(fold),
                 QStringList({"Earlier: CEST, UT+2:00", "Later: CET, UT+1:00"}));
        QCOMPARE(
            RepeatedTimeQuestion(QStringLiteral("Berlin"), QDate(2021, 10, 31), QTime(2, 30), fold),
            QStringLiteral("On 31 Oct 2021 the clocks in Berlin went back from 03:00 to "
                           "02:00, so 02:30 happened twice: first on CEST, UT+2:00, then "
                           "on CET, UT+1:00.\n\nWhich one was the time of birth?"));
        // A zone with no name for its offsets gives the offset alone.
        const auto howe = ResolveLocalTime(QStringLiteral("Australia/Lord_Howe"), QDate(2021, 4, 4),
                                           QTime(1, 45), 159.08);
        QCOMPARE(howe.kind, LocalTimeKind::HappenedTwice);
        QCOMPARE(RepeatedTimeChoices(howe), QStringList({"Earlier: UT+11:00", "Later: UT+10:30"}));
    }

    void typedZoneSaysBothAndTheKindOfTime() {
        const auto war = Resolve("Asia/Kolkata", "1943-06-01", "20:00");
        QCOMPARE(war.kind, LocalTimeKind::Unique);
        QCOMPARE(TypedZoneText(QStringLiteral("Kolkata"), QDate(1943, 6, 1), QTime(20, 0), 330,
                               war.offset),
                 QStringLiteral("You typed UT+5:30; clocks in Kolkata on 1 Jun 1943 at 20:00 "
                                "kept UT+6:30 (war time)"));
        // After the war an extra hour is daylight saving again.
        const auto summer = Resolve("Europe/London", "1985-07-15", "20:00");
        QCOMPARE(OffsetKindText(summer.offset, QDate(1985, 7, 15)),
                 QStringLiteral("daylight saving"));
        QCOMPARE(TypedZoneText(QStringLiteral("London"), QDate(1985, 7, 15), QTime(20, 0), 0,
                               summer.offset),
                 QStringLiteral("You typed UT+0:00; clocks in London on 15 Jul 1985 at 20:00 "
                                "kept UT+1:00 (daylight saving)"));
        const auto winter = Resolve("Asia/Kolkata", "1950-06-01", "20:00");
        QCOMPARE(OffsetKindText(winter.offset, QDate(1950, 6, 1)), QStringLiteral("standard time"));
    }

    void unchosenCityAsksToChoose() {
        QCOMPARE(UnchosenCityText(QStringLiteral("Kolkatta")),
                 QStringLiteral("\u201CKolkatta\u201D is not a town chosen from the list. Choose "
                                "the town from the list under City, or type the latitude, the "
                                "longitude and the time zone yourself."));
    }

    void restoredPlaceNamesItsCountry() {
        const Place place =
            RestoredPlace(QStringLiteral("Mumbai"), QStringLiteral("Maharashtra"),
                          QStringLiteral("IN"), QStringLiteral("Asia/Kolkata"), 19.0667, 72.8833);
        QCOMPARE(place.displayText(), QStringLiteral("Mumbai, Maharashtra, India"));
        QCOMPARE(place.shortText(), QStringLiteral("Mumbai, Maharashtra, IN"));
        QCOMPARE(FillForPlace(place, QDate(1950, 6, 1), QTime(20, 0)).boxes.hour,
                 QStringLiteral("-5"));
    }

    // What the command line knows beforehand: the fold, another zone, the
    // longitude the boxes hold, or a zone without a town.
    void fillTakesTheCallersChoices() {
        const Place newYork =
            RestoredPlace(QStringLiteral("New York"), QStringLiteral("New York"),
                          QStringLiteral("US"), QStringLiteral("America/New_York"), 40.71, -74.01);
        // 01:30 on 7 Nov 2021 came twice in New York: first EDT, then EST.
        const QDate back(2021, 11, 7);
        FillChoices choices;
        QVERIFY(!FillForPlace(&newYork, back, QTime(1, 30), choices).used);
        choices.fold = Fold::Earlier;
        QCOMPARE(FillForPlace(&newYork, back, QTime(1, 30), choices).used->totalMinutes, -240);
        choices.fold = Fold::Later;
        const PlaceFill later = FillForPlace(&newYork, back, QTime(1, 30), choices);
        QCOMPARE(later.used->totalMinutes, -300);
        QCOMPARE(later.boxes.hour, QStringLiteral("5"));

        // India's zone named for the town: its offset, the town's coordinates.
        FillChoices india;
        india.zoneId = QStringLiteral("Asia/Kolkata");
        const PlaceFill named = FillForPlace(&newYork, QDate(2000, 1, 1), QTime(12, 0), india);
        QCOMPARE(named.used->totalMinutes, 330);
        QCOMPARE(named.latitude.degrees, 40);
        QVERIFY(named.doubt.certain);

        // Before New York kept standard time (18 Nov 1883) its clocks kept
        // local mean time: at 75° W exactly five hours behind.
        FillChoices meridian;
        meridian.longitude = -75.0;
        const PlaceFill old = FillForPlace(&newYork, QDate(1880, 6, 1), QTime(12, 0), meridian);
        QCOMPARE(old.used->totalSeconds, -5 * 3600);
        QCOMPARE(old.used->source, OffsetSource::LocalMeanTime);

        // A zone alone fills the zone and says nothing of a town.
        const PlaceFill zoneOnly = FillForPlace(nullptr, QDate(2000, 1, 1), QTime(12, 0), india);
        QCOMPARE(zoneOnly.used->totalMinutes, 330);
        QCOMPARE(zoneOnly.boxes.hour, QStringLiteral("-5"));
        QVERIFY(zoneOnly.text.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlaceSentences)
#include "test_place_sentences.moc"
