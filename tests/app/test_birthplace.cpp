#include "app/application.h"
#include "atlas/zone_offset.h"
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
#include <QPainter>
#include <QPushButton>
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
        BirthplaceFinder finder(*main(), *platform, [] {
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
        QCOMPARE(placeZone(), QString());

        // A second finder whose atlas could not be read speaks last.
        BirthplaceFinder finder(*main(), *platform, [] {
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
                     QStringLiteral("Asha, 15 Jul 1985 20:00, London, England, "
                                    "United Kingdom (51\u00B0 31' N, 0\u00B0 8' W), ")),
                 qPrintable(line->text()));
        QVERIFY2(line->text().endsWith(QStringLiteral("UT+1:00 BST, 19:00 UT, Ascendant ") +
                                       QString::fromStdString(app->chart().AscendantText)),
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
        QCOMPARE(lines[0], QStringLiteral("Asha"));
        QCOMPARE(lines[1], line->text());
    }

    void timeThatNeverHappenedIsRefused() {
        enter(28, 3, 2021, 2, 30);
        choose(QStringLiteral("Berlin"));
        QVERIFY2(placeZone().contains(QStringLiteral("never happened")), qPrintable(placeZone()));
        QVERIFY(text("txtZoneHour").isEmpty());
        shot(main(), "main-gap");
        calculate();
        QCOMPARE(platform->messages.size(), 1);
        QVERIFY2(platform->messages[0].text.contains(QStringLiteral("jumped forward")),
                 qPrintable(platform->messages[0].text));
        QVERIFY(!app->resultWindow());
        // A zone the user enters stands: no refusal then.
        QTest::keyClicks(box("txtZoneHour"), QStringLiteral("1"));
        QTest::keyClicks(box("txtZoneMinute"), QStringLiteral("0"));
        calculate();
        QCOMPARE(platform->messages.size(), 1);
        QVERIFY(app->resultWindow());
    }

    void timeThatHappenedTwiceAsks() {
        enter(31, 10, 2021, 2, 30);
        choose(QStringLiteral("Berlin"));
        QVERIFY2(placeZone().contains(QStringLiteral("twice")), qPrintable(placeZone()));
        platform->answers.push_back(Platform::Answer::No); // the second: standard time
        calculate();
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].buttons, Platform::Buttons::YesNo);
        for (const char* offset : {"UT+2:00", "UT+1:00"})
            QVERIFY2(platform->messages[0].text.contains(QLatin1String(offset)),
                     qPrintable(platform->messages[0].text));
        QVERIFY(app->resultWindow());
        QCOMPARE(app->chart().UniversalHours, 1.5);
        QVERIFY2(app->birthSummary().contains(QStringLiteral("UT+1:00 CET, 01:30 UT")),
                 qPrintable(app->birthSummary()));
    }
};

QTEST_MAIN(TestBirthplace)
#include "test_birthplace.moc"
