#include "app/application.h"
#include "atlas/zone_offset.h"
#include "language/language.h"
#include "support/fake_platform.h"
#include "windows/birthplace_finder.h"
#include "windows/frm_main.h"
#include "windows/frm_result.h"
#include "windows/frm_save.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextLayout>
#include <QtTest>
#include <memory>

using namespace tivora;
using tivora::test::FakePlatform;

// The main window with the atlas: the City box's completer, what choosing a
// town fills, the zone following the date, the clock changes at Calculate,
// and the birth summary in the result window and the printed report.
class TestBirthplace : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<Application> app;

    frmMain* main() const { return app->mainWindow(); }
    template <typename T> T* child(const char* name) const {
        return main()->findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    QString text(const char* name) const { return box(name)->text(); }
    // The main window's controls, for a second finder on it.
    BirthplaceControls controls() const {
        return {box("txtMCity"),
                box("txtMState"),
                box("txtMCountry"),
                box("txtLatD"),
                box("txtLatM"),
                box("txtLonD"),
                box("txtLonM"),
                child<QButtonGroup>("optLat"),
                child<QButtonGroup>("optLong"),
                box("txtZoneHour"),
                box("txtZoneMinute"),
                child<QCheckBox>("chkDST"),
                child<QComboBox>("cboMonth"),
                child<QComboBox>("cboDate"),
                child<QComboBox>("cboYear"),
                child<QComboBox>("cboHH"),
                child<QComboBox>("cboMM"),
                child<QLabel>("lblPlaceZone")};
    }
    QCompleter* completer() const { return main()->findChild<QCompleter*>(); }

    // Types into the City box and returns the towns the popup offers.
    QStringList offered(const QString& typed) {
        QLineEdit* city = box("txtMCity");
        city->clear();
        city->setFocus();
        for (const QChar c : typed) { // keyClicks takes ASCII only
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(city, &press);
        }
        QAbstractItemView* popup = completer()->popup();
        if (typed.size() >= 2)
            [&] { QTRY_VERIFY(popup->isVisible()); }();
        QStringList rows;
        for (int row = 0; popup->isVisible() && row < popup->model()->rowCount(); ++row)
            rows << popup->model()->index(row, 0).data().toString();
        return rows;
    }
    void choose(const QString& typed, int row = 0) {
        QVERIFY(!offered(typed).isEmpty());
        QAbstractItemView* popup = completer()->popup();
        popup->setCurrentIndex(popup->model()->index(row, 0));
        QTest::keyClick(popup, Qt::Key_Return);
    }
    // Date and time of birth by the lists' positions.
    void enter(int day, int month, int year, int hour, int minute) {
        child<QComboBox>("cboMonth")->setCurrentIndex(month - 1);
        child<QComboBox>("cboDate")->setCurrentIndex(day - 1);
        child<QComboBox>("cboYear")->setCurrentIndex(year - 1901);
        child<QComboBox>("cboHH")->setCurrentIndex(hour);
        child<QComboBox>("cboMM")->setCurrentIndex(minute);
    }
    // With TIVORA_SHOTS set to a folder, saves the window (and an open
    // completer popup over it) there for a look by eye.
    void shot(QWidget* window, const char* name) {
        const QString folder = qEnvironmentVariable("TIVORA_SHOTS");
        if (folder.isEmpty())
            return;
        QCoreApplication::processEvents(); // pending layout requests, as on screen
        QPixmap picture = window->grab();
        if (window == main() && completer()->popup()->isVisible()) {
            // The popup may reach past the window: draw both on one canvas.
            QAbstractItemView* popup = completer()->popup();
            const QPoint at = window->mapFromGlobal(popup->mapToGlobal(QPoint()));
            const QRect area = window->rect().united(QRect(at, popup->size()));
            QPixmap canvas(area.size() * picture.devicePixelRatio());
            canvas.setDevicePixelRatio(picture.devicePixelRatio());
            canvas.fill(Qt::white);
            QPainter painter(&canvas);
            painter.drawPixmap(QPoint(), picture);
            painter.drawPixmap(at, popup->grab());
            painter.end();
            picture = canvas;
        }
        picture.save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
    }
    QString placeZone() const { return child<QLabel>("lblPlaceZone")->text(); }
    bool dst() const { return child<QCheckBox>("chkDST")->isChecked(); }
    void calculate() {
        box("txtName")->setText(QStringLiteral("Asha"));
        QTest::mouseClick(child<QPushButton>("cmdCalculate"), Qt::LeftButton);
    }

private slots:
    void initTestCase() { QVERIFY2(SharedAtlas().get(), "data/places.tsv.gz did not load"); }
    void init() {
        platform = std::make_unique<FakePlatform>();
        app = std::make_unique<Application>(*platform);
        app->showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(main()));
    }
    void cleanup() {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform.reset();
    }

    void atlasAskedForOnlyWhenTheCityBoxIsUsed() {
        // A second finder on the shown window, counting what it asks for.
        static int asked = 0;
        asked = 0;
        BirthplaceFinder finder(*main(), controls(), *platform, [] {
            ++asked;
            return SharedAtlas();
        });
        QTest::qWait(20);
        QCOMPARE(asked, 0);
        box("txtMCity")->setFocus();
        QTRY_COMPARE(asked, 1);
        box("txtName")->setFocus();
        box("txtMCity")->setFocus();
        QTest::keyClicks(box("txtMCity"), QStringLiteral("Lond"));
        QCOMPARE(asked, 1);
    }

    void offersTownsAsTyped() {
        QVERIFY(offered(QStringLiteral("m")).isEmpty());
        QStringList towns = offered(QStringLiteral("münch"));
        QVERIFY2(!towns.isEmpty() &&
                     towns[0].startsWith(QStringLiteral("Munich, Bavaria, DE (once München)")),
                 qPrintable(towns.join('\n')));
        QVERIFY2(towns[0].contains(QStringLiteral("48\u00B0 8' N")) &&
                     towns[0].contains(QStringLiteral("Europe/Berlin")),
                 qPrintable(towns[0]));
        shot(main(), "completer");
        // The village called Bombay first, then the city once called so.
        towns = offered(QStringLiteral("BOMBAY"));
        QVERIFY2(towns.size() >= 2 &&
                     towns[0].startsWith(QStringLiteral("Bombay, Auckland, NZ  (")) &&
                     towns[1].startsWith(QStringLiteral("Mumbai, Maharashtra, IN (once Bombay)")),
                 qPrintable(towns.join('\n')));
        QVERIFY(towns.size() <= 12);
    }

    void noTownAndUnreadableAtlasAreSaid() {
        box("txtMCity")->setFocus();
        QTest::keyClicks(box("txtMCity"), QStringLiteral("Qqqqxz"));
        QVERIFY(!completer()->popup()->isVisible());
        QVERIFY2(
            placeZone().startsWith(QStringLiteral("No town called \"Qqqqxz\" is in the atlas.")),
            qPrintable(placeZone()));
        // A town that begins with the letters by its own name shows no other.
        const QStringList london = offered(QStringLiteral("Lond"));
        QVERIFY2(!london.isEmpty() &&
                     london[0].startsWith(QStringLiteral("London, England, GB  (")),
                 qPrintable(london.join('\n')));
        // Towns are offered: the sentence asks for one of them.
        QVERIFY2(placeZone().contains(QStringLiteral("is not a town chosen from the list")),
                 qPrintable(placeZone()));

        // A second finder whose atlas could not be read speaks last.
        BirthplaceFinder finder(*main(), controls(), *platform, [] {
            std::promise<std::shared_ptr<const atlas::Atlas>> none;
            none.set_value(nullptr);
            return AtlasFuture(none.get_future().share());
        });
        box("txtMCity")->clear();
        QTest::keyClicks(box("txtMCity"), QStringLiteral("Lond"));
        QVERIFY2(placeZone().startsWith(QStringLiteral("The atlas of towns could not be read")),
                 qPrintable(placeZone()));
        shot(main(), "main-atlas-unreadable");
        // Coordinates and zone typed as ever.
        const std::pair<const char*, const char*> typed[] = {
            {"txtLatD", "51"}, {"txtLatM", "30"},    {"txtLonD", "0"},
            {"txtLonM", "8"},  {"txtZoneHour", "0"}, {"txtZoneMinute", "0"}};
        for (const auto& [name, value] : typed)
            QTest::keyClicks(box(name), QString::fromLatin1(value));
        calculate();
        QVERIFY(platform->messages.isEmpty());
        QVERIFY(app->resultWindow());
    }

    void choosingFillsAndTheZoneFollowsTheDate() {
        enter(15, 7, 1985, 20, 0);
        choose(QStringLiteral("London"));
        QCOMPARE(text("txtMCity"), QStringLiteral("London"));
        QCOMPARE(text("txtMState"), QStringLiteral("England"));
        QCOMPARE(text("txtMCountry"), QStringLiteral("United Kingdom"));
        QCOMPARE(QStringList({text("txtLatD"), text("txtLatM")}), QStringList({"51", "31"}));
        QVERIFY(child<QAbstractButton>("optLat0")->isChecked());
        // 51.50853 N, 0.12574 W to the nearest minute.
        QCOMPARE(QStringList({text("txtLonD"), text("txtLonM")}), QStringList({"0", "8"}));
        QVERIFY(child<QAbstractButton>("optLong1")->isChecked()); // West
        // BST: the standard offset in the boxes, DST ticked.
        QCOMPARE(QStringList({text("txtZoneHour"), text("txtZoneMinute")}),
                 QStringList({"0", "0"}));
        QVERIFY(dst());
        QCOMPARE(placeZone(),
                 QStringLiteral("London, England, United Kingdom: Europe/London, on "
                                "15 Jul 1985 at 20:00 BST = UT+1:00 (daylight saving)"));

        box("txtName")->setText(QStringLiteral("Asha"));
        shot(main(), "main-filled");
        enter(15, 1, 1985, 20, 0);
        QVERIFY(!dst());
        QVERIFY2(placeZone().contains(QStringLiteral("GMT = UT+0:00")), qPrintable(placeZone()));

        // Once the user types a zone, a new date leaves it alone.
        QTest::keyClicks(box("txtZoneHour"), QStringLiteral("1"));
        enter(15, 7, 1985, 20, 0);
        QCOMPARE(text("txtZoneHour"), QStringLiteral("01"));
        QVERIFY(!dst());
    }

    void uncertainOffsetIsSaidAndTheOtherIsOneClickAway() {
        // Chicago kept summer time on 19 Aug 1946; Hope's records say standard time.
        enter(19, 8, 1946, 12, 0);
        choose(QStringLiteral("Hope, Arkansas"));
        QVERIFY2(placeZone().contains(QStringLiteral("CDT = UT-5:00 (daylight saving). Offset "
                                                     "uncertain")) &&
                     placeZone().contains(QStringLiteral("may have kept standard time, UT-6:00")),
                 qPrintable(placeZone()));
        QVERIFY(dst());
        shot(main(), "main-offset-uncertain");
        auto* sentence = child<QLabel>("lblPlaceZone");
        QVERIFY2(placeZone().contains(QStringLiteral("Use UT-6:00 instead.</a>")),
                 qPrintable(placeZone()));
        emit sentence->linkActivated(QStringLiteral("0"));
        QCOMPARE(QStringList({text("txtZoneHour"), text("txtZoneMinute")}),
                 QStringList({"6", "0"}));
        QVERIFY(!dst());
        QVERIFY2(placeZone().contains(QStringLiteral("Using UT-6:00, standard time of "
                                                     "America/Chicago that day.")),
                 qPrintable(placeZone()));
        calculate();
        QVERIFY(app->resultWindow());
        QCOMPARE(app->chart().UniversalHours, 18.0);
        QVERIFY2(app->birthSummary().contains(QStringLiteral("UT-6:00 offset uncertain, 18:00 UT")),
                 qPrintable(app->birthSummary()));
    }

    // Under Hindi the sentence under City keeps only names in Latin letters.
    void sentenceSpeaksHindi() {
        app.reset();
        QVERIFY(InstallLanguage(QString::fromLatin1(kHindi)));
        app = std::make_unique<Application>(*platform);
        app->showMainWindow();
        enter(19, 8, 1946, 12, 0);
        choose(QStringLiteral("Hope, Arkansas"));
        shot(main(), "hi-main-offset-uncertain");
        QString words = placeZone();
        words.remove(
            QRegularExpression(QStringLiteral("<[^>]*>|Hope|Arkansas|United States|"
                                              "America/Chicago|Chicago|Illinois|C[DS]T|UT")));
        InstallLanguage(QString::fromLatin1(kEnglish));
        QVERIFY2(!words.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}"))),
                 qPrintable(placeZone()));
    }

    void offsetAfter1970OrAtTheZoneCityStaysCertain() {
        enter(19, 8, 1985, 12, 0);
        choose(QStringLiteral("Hope, Arkansas"));
        QVERIFY2(!placeZone().contains(QStringLiteral("uncertain")), qPrintable(placeZone()));
        enter(19, 8, 1946, 12, 0);
        choose(QStringLiteral("Chicago"));
        QVERIFY2(!placeZone().contains(QStringLiteral("uncertain")), qPrintable(placeZone()));
    }

    void summaryInTheResultAndThePrintedReport() {
        enter(15, 7, 1985, 20, 0);
        choose(QStringLiteral("London"));
        calculate();
        frmResult* result = app->resultWindow();
        QVERIFY(result);
        QCOMPARE(app->chart().UniversalHours, 19.0);
        const auto* line = result->findChild<QLabel*>(QStringLiteral("lblBirthSummary"));
        QVERIFY(line);
        QCOMPARE(line->text(), app->birthSummary());
        shot(result, "result-status");
        QVERIFY2(line->text().startsWith(
                     QStringLiteral("\u2068Asha\u2069, 15 Jul 1985 20:00, \u2068London, "
                                    "England, United Kingdom\u2069 (51\u00B0 31' N, 0\u00B0 8' "
                                    "W), ")),
                 qPrintable(line->text()));
        QString ascendant = QString::fromStdString(app->chart().AscendantText);
        ascendant.replace(QLatin1Char(' '), QChar(0x00A0));
        QVERIFY2(
            line->text().endsWith(QStringLiteral("UT+1:00 BST, 19:00 UT, Ascendant ") + ascendant),
            qPrintable(line->text()));

        platform->dialogs.push_back([&](QDialog& dialog) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdPrint")),
                              Qt::LeftButton);
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(result->findChild<QPushButton*>(QStringLiteral("cmdSave")),
                          Qt::LeftButton);
        QCOMPARE(platform->printed.size(), 1);
        const QStringList lines = platform->printed[0].plainText.split(QLatin1Char('\n'));
        QVERIFY(lines.size() > 3);
        QCOMPARE(lines[0], QStringLiteral("\u2068Asha\u2069"));
        // Plain text gives the no-break spaces as blanks.
        QCOMPARE(lines[1], QString(line->text()).replace(QChar(0x00A0), QLatin1Char(' ')));
    }

    void timeThatNeverHappenedIsRefused() {
        enter(28, 3, 2021, 2, 30);
        choose(QStringLiteral("Berlin"));
        QVERIFY2(placeZone().contains(QStringLiteral("never happened")), qPrintable(placeZone()));
        QVERIFY(text("txtZoneHour").isEmpty());
        shot(main(), "main-gap");
        calculate();
        QCOMPARE(platform->messages.size(), 1);
        // Which hour never happened there, and what to enter instead.
        const QString message = platform->messages[0].text;
        for (const char* part :
             {"the clocks in Berlin went forward from 02:00", "to 03:00", "02:30 never happened",
              "as it was registered", "If the record itself says 02:30", "at 03:30"})
            QVERIFY2(message.contains(QLatin1String(part)), qPrintable(message));
        QCOMPARE(platform->messages[0].icon, Platform::Icon::Error);
        QVERIFY(!app->resultWindow());
        // A zone the user enters stands: no refusal then.
        QTest::keyClicks(box("txtZoneHour"), QStringLiteral("1"));
        QTest::keyClicks(box("txtZoneMinute"), QStringLiteral("0"));
        calculate();
        QCOMPARE(platform->messages.size(), 1);
        QVERIFY(app->resultWindow());
    }

    void timeThatHappenedTwiceOffersBothByName() {
        enter(31, 10, 2021, 2, 30);
        choose(QStringLiteral("Berlin"));
        QVERIFY2(placeZone().contains(QStringLiteral("twice")), qPrintable(placeZone()));
        // Cancel: nothing is calculated and the question comes again.
        platform->choices.push_back(-1);
        calculate();
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].choices,
                 QStringList({"Earlier: CEST, UT+2:00", "Later: CET, UT+1:00"}));
        QCOMPARE(platform->messages[0].icon, Platform::Icon::Question);
        QVERIFY2(platform->messages[0].text.contains(QStringLiteral("02:30 happened twice")),
                 qPrintable(platform->messages[0].text));
        QVERIFY(!app->resultWindow());
        QVERIFY(text("txtZoneHour").isEmpty());

        platform->choices.push_back(1); // Later: standard time
        calculate();
        QCOMPARE(platform->messages.size(), 2);
        QVERIFY(app->resultWindow());
        QCOMPARE(app->chart().UniversalHours, 1.5);
        QVERIFY2(app->birthSummary().contains(QStringLiteral("UT+1:00 CET, 01:30 UT")),
                 qPrintable(app->birthSummary()));
    }

    void typedZoneThatDiffersSaysBothAndOffersTheClocks() {
        enter(1, 6, 1950, 20, 0);
        choose(QStringLiteral("Kolkata"));
        QVERIFY2(placeZone().contains(QStringLiteral("UT+5:30")), qPrintable(placeZone()));
        QVERIFY(!child<QPushButton>("cmdUseClockZone")->isVisible());
        // The user types the zone, then the year changes to one of war time.
        box("txtZoneHour")->clear();
        box("txtZoneMinute")->clear();
        QTest::keyClicks(box("txtZoneHour"), QStringLiteral("5"));
        QTest::keyClicks(box("txtZoneMinute"), QStringLiteral("30"));
        enter(1, 6, 1943, 20, 0);
        QCOMPARE(placeZone(), QStringLiteral("You typed UT+5:30; clocks in Kolkata on 1 Jun 1943 "
                                             "at 20:00 kept UT+6:30 (war time)"));
        QCOMPARE(QStringList({text("txtZoneHour"), text("txtZoneMinute")}),
                 QStringList({"5", "30"}));
        auto* use = child<QPushButton>("cmdUseClockZone");
        QTRY_VERIFY(use->isVisible());
        QCOMPARE(use->text(), QStringLiteral("Use UT+6:30"));
        shot(main(), "main-typed-zone");

        // The button puts the clocks' offset into the boxes, and the zone
        // follows the date again.
        QTest::mouseClick(use, Qt::LeftButton);
        QCOMPARE(QStringList({text("txtZoneHour"), text("txtZoneMinute")}),
                 QStringList({"-5", "-30"}));
        QVERIFY(dst());
        QVERIFY(!use->isVisible());
        QVERIFY2(placeZone().contains(QStringLiteral("UT+6:30")), qPrintable(placeZone()));
        enter(1, 6, 1950, 20, 0);
        QVERIFY(!dst());
        QVERIFY2(placeZone().contains(QStringLiteral("UT+5:30")), qPrintable(placeZone()));
    }

    // Amsterdam kept local mean time, UT+0:19:32, until 1937: noon there in
    // 1909 was 11:40:28 universal time, to the second.
    void localMeanTimeIsUsedToTheSecond() {
        box("txtName")->setText(QStringLiteral("Asha"));
        enter(1, 6, 1909, 12, 0);
        choose(QStringLiteral("Amsterdam"));
        QCOMPARE(QStringList({text("txtZoneHour"), text("txtZoneMinute")}),
                 QStringList({"0", "-19"}));
        calculate();
        QVERIFY(app->resultWindow());
        QCOMPARE(qRound(app->chart().UniversalHours * 3600), 11 * 3600 + 40 * 60 + 28);
    }

    void cityTypedButNotChosenAsksToChoose() {
        // Towns are offered, but none is taken.
        QLineEdit* city = box("txtMCity");
        city->setFocus();
        QTest::keyClicks(city, QStringLiteral("Lond"));
        QTRY_VERIFY(completer()->popup()->isVisible());
        completer()->popup()->hide();
        QVERIFY2(placeZone().contains(QStringLiteral("\u201CLond\u201D is not a town chosen "
                                                     "from the list")),
                 qPrintable(placeZone()));
        QVERIFY2(placeZone().contains(QStringLiteral("type the latitude, the longitude and the "
                                                     "time zone yourself")),
                 qPrintable(placeZone()));
        shot(main(), "main-unchosen-city");
        choose(QStringLiteral("London"));
        QVERIFY2(placeZone().startsWith(QStringLiteral("London, England")),
                 qPrintable(placeZone()));
    }

    void returnChoosesInTheListAndCalculatesElsewhere() {
        enter(15, 7, 1985, 20, 0);
        box("txtName")->setText(QStringLiteral("Asha"));
        // While the town list is open, Return is never Calculate's, even
        // when it reaches the City box itself.
        QVERIFY(!offered(QStringLiteral("London")).isEmpty());
        QTest::keyClick(box("txtMCity"), Qt::Key_Return);
        QVERIFY(!app->resultWindow());
        // Return in the open town list chooses the town; nothing is calculated.
        choose(QStringLiteral("London"));
        QCOMPARE(text("txtMCountry"), QStringLiteral("United Kingdom"));
        QVERIFY(!app->resultWindow());
        QCOMPARE(platform->messages.size(), 0);
        box("txtMCountry")->setFocus();
        QTest::keyClick(box("txtMCountry"), Qt::Key_Return);
        QVERIFY(app->resultWindow());
    }

    void recentBirthRestoresTheTownAndItsFollowingZone() {
        enter(15, 7, 1985, 20, 0);
        choose(QStringLiteral("London"));
        const QString name = QString::fromUtf8("\xE0\xA4\x86\xE0\xA4\xB6\xE0\xA4\xBE"); // आशा
        box("txtName")->setText(name);
        QTest::mouseClick(child<QPushButton>("cmdCalculate"), Qt::LeftButton);
        QVERIFY(app->resultWindow());
        QTest::mouseClick(app->resultWindow()->findChild<QPushButton*>(QStringLiteral("cmdBack")),
                          Qt::LeftButton);
        QVERIFY(main());
        QVERIFY(text("txtName").isEmpty()); // Back still starts from the defaults

        auto* file = main()->findChild<QMenu*>(QStringLiteral("mnuFile"));
        emit file->aboutToShow();
        auto* recent = main()->findChild<QAction*>(QStringLiteral("mnuRecentBirth0"));
        QVERIFY(recent);
        QCOMPARE(recent->text(), name + QStringLiteral(", 15 Jul 1985 20:00, London, England, GB"));
        recent->trigger();
        QCOMPARE(text("txtName"), name);
        QCOMPARE(child<QComboBox>("cboYear")->currentText(), QStringLiteral("1985"));
        QCOMPARE(QStringList({text("txtMCity"), text("txtMState"), text("txtMCountry")}),
                 QStringList({"London", "England", "United Kingdom"}));
        QCOMPARE(QStringList({text("txtLonD"), text("txtLonM")}), QStringList({"0", "8"}));
        QVERIFY(child<QAbstractButton>("optLong1")->isChecked());
        QVERIFY(dst());
        QVERIFY2(placeZone().contains(QStringLiteral("BST = UT+1:00")), qPrintable(placeZone()));
        // The zone follows a later date as after choosing the town.
        enter(15, 1, 1985, 20, 0);
        QVERIFY(!dst());
        QVERIFY2(placeZone().contains(QStringLiteral("GMT = UT+0:00")), qPrintable(placeZone()));
    }

    void statusLineKeepsTheAscendantTogether() {
        enter(15, 7, 1985, 20, 0);
        choose(QStringLiteral("London"));
        calculate();
        const auto* line =
            app->resultWindow()->findChild<QLabel*>(QStringLiteral("lblBirthSummary"));
        const QString ascendant = QString::fromStdString(app->chart().AscendantText);
        QVERIFY(ascendant.contains(QLatin1Char(' ')));
        QString unbroken = ascendant;
        unbroken.replace(QLatin1Char(' '), QChar(0x00A0));
        QVERIFY2(line->text().endsWith(QStringLiteral("Ascendant ") + unbroken),
                 qPrintable(line->text()));
        // However narrow the line, its wrapping never splits the ascendant.
        QTextLayout layout(line->text(), line->font());
        layout.beginLayout();
        QStringList lines;
        for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
            l.setLineWidth(line->fontMetrics().horizontalAdvance(ascendant) * 1.5);
            lines << line->text().mid(l.textStart(), l.textLength());
        }
        layout.endLayout();
        QVERIFY(lines.size() > 1);
        QVERIFY2(lines.last().contains(unbroken), qPrintable(lines.join('|')));
        shot(app->resultWindow(), "result-status-narrow");
    }
};

QTEST_MAIN(TestBirthplace)
#include "test_birthplace.moc"
