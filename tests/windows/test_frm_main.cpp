#include "engine/chart_record.h"
#include "engine/ephemeris.h"
#include "entry/zone_table.h"
#include "links/vendor_pages.h"
#include "report/reading_file.h"
#include "signs/sign_tables.h"
#include "support/fake_platform.h"
#include "windows/frm_main.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace tivora;
using tivora::test::FakePlatform;

namespace {

const char* const kDigitBoxes[] = {"txtLonD", "txtLonM",     "txtLatD",
                                   "txtLatM", "txtZoneHour", "txtZoneMinute"};

int Row(const char* text) {
    const auto& table = ZoneTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].text == text)
            return static_cast<int>(i);
    return -1;
}

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<ChartRecord> chart;
    std::unique_ptr<SignInformation> signs;
    std::unique_ptr<frmMain> window;

    template <typename T> T* child(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return child<QComboBox>(name); }
    QAbstractButton* option(const char* name) const { return child<QRadioButton>(name); }

    void click(const char* buttonName) {
        auto* button = child<QPushButton>(buttonName);
        QVERIFY2(button, buttonName);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void type(const char* boxName, const QString& text) {
        QLineEdit* edit = box(boxName);
        QVERIFY2(edit, boxName);
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }

    void select(const char* listName, const QString& text) {
        QComboBox* combo = list(listName);
        QVERIFY2(combo, listName);
        const int index = combo->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        combo->setCurrentIndex(index);
    }

    // Delhi, 1 January 2000, 12:00, zone 5:30, 77°13' E, 28°37' N, typed in.
    void fillDelhi() {
        type("txtName", QStringLiteral("Asha"));
        select("cboYear", QStringLiteral("2000"));
        select("cboHH", QStringLiteral("12"));
        type("txtZoneHour", QStringLiteral("5"));
        type("txtZoneMinute", QStringLiteral("30"));
        type("txtLonD", QStringLiteral("77"));
        type("txtLonM", QStringLiteral("13"));
        type("txtLatD", QStringLiteral("28"));
        type("txtLatM", QStringLiteral("37"));
    }

    // Opens the picker through "TZ Help" and lets `drive` act on it while it
    // is up; returns what the picker ended with.
    int withPicker(const std::function<void(QDialog&)>& drive, QPointer<QDialog>* seen = nullptr) {
        int result = -1;
        bool exposed = false;
        platform->dialogs.push_back([&](QDialog& dialog) {
            if (seen)
                *seen = &dialog;
            dialog.show();
            exposed = QTest::qWaitForWindowExposed(&dialog);
            drive(dialog);
            result = dialog.result();
            return result;
        });
        QTest::mouseClick(child<QLabel>("lblTZHelp"), Qt::LeftButton);
        return exposed ? result : -3;
    }

    static void doubleClickRow(QDialog& picker, int row) {
        auto* zones = picker.findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
        QVERIFY(zones);
        QListWidgetItem* item = zones->item(row);
        QVERIFY(item);
        zones->scrollToItem(item);
        // A real double-click starts with a click; QTest's double-click alone
        // is not taken for one by a freshly shown list.
        const QPoint at = zones->visualItemRect(item).center();
        QTest::mouseClick(zones->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(zones->viewport(), Qt::LeftButton, {}, at);
    }

    int pick(const char* rowText) {
        const int row = Row(rowText);
        if (row < 0)
            return -2;
        return withPicker([row](QDialog& picker) { doubleClickRow(picker, row); });
    }

    QString message(int i = 0) const {
        return i < platform->messages.size() ? platform->messages.at(i).text : QString();
    }

private slots:
    void init() {
        platform = std::make_unique<FakePlatform>();
        chart = std::make_unique<ChartRecord>();
        signs = std::make_unique<SignInformation>();
        window = std::make_unique<frmMain>(*platform, *chart, *signs);
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() {
        window.reset();
        signs.reset();
        chart.reset();
        platform.reset();
    }

    void loadsWithDefaults() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Tivora v2.05"));
        const struct {
            const char* name;
            int count;
            const char* first;
            const char* last;
        } lists[] = {{"cboMonth", 12, "January", "December"},
                     {"cboDate", 31, "1", "31"},
                     {"cboYear", 150, "1901", "2050"},
                     {"cboHH", 24, "0", "23"},
                     {"cboMM", 60, "0", "59"},
                     {"cboSS", 60, "0", "59"}};
        for (const auto& l : lists) {
            QComboBox* combo = list(l.name);
            QVERIFY2(combo, l.name);
            QVERIFY2(!combo->isEditable(), l.name);
            QCOMPARE(combo->count(), l.count);
            QCOMPARE(combo->itemText(0), QString::fromLatin1(l.first));
            QCOMPARE(combo->itemText(l.count - 1), QString::fromLatin1(l.last));
            QCOMPARE(combo->currentIndex(), 0);
            // As small as a plain list with the same items, font and style.
            QComboBox plain;
            plain.setStyle(combo->style());
            plain.setFont(combo->font());
            plain.setSizeAdjustPolicy(combo->sizeAdjustPolicy());
            for (int i = 0; i < combo->count(); ++i)
                plain.addItem(combo->itemText(i));
            QCOMPARE(combo->minimumSizeHint(), plain.minimumSizeHint());
        }
        for (const char* name : {"txtName", "txtLonD", "txtLonM", "txtLatD", "txtLatM", "txtMCity",
                                 "txtMState", "txtMCountry", "txtZoneHour", "txtZoneMinute"}) {
            QVERIFY2(box(name), name);
            QVERIFY2(box(name)->text().isEmpty(), name);
        }
        QVERIFY(option("optLong0")->isChecked());
        QVERIFY(option("optLat0")->isChecked());
        QVERIFY(!child<QCheckBox>("chkDST")->isChecked());
        QCOMPARE(child<QButtonGroup>("optLong")->id(option("optLong1")), 1);
        QCOMPARE(child<QButtonGroup>("optLat")->id(option("optLat0")), 0);
        QVERIFY(!window->cobrandInFront());
        QVERIFY(child<QWidget>("fraZone")->isAncestorOf(box("txtZoneHour")));
        QVERIFY(child<QWidget>("fraZone")->isAncestorOf(child<QWidget>("chkDST")));
    }

    void captionsShowOneAmpersand() {
        // A button keeps "&&" for Qt to show as "&"; a plain label shows it
        // converted, with the caption's runs of blanks kept.
        auto* browser = child<QPushButton>("cmdBrowser");
        QCOMPARE(browser->text(), QStringLiteral("Click Here To Find Latitude && Longitude"));
        QVERIFY(browser->shortcut().isEmpty());
        QCOMPARE(child<QLabel>("lblCobrand")->text(),
                 QStringLiteral("Co-brand this software for your site.  Increase loyalty and "
                                "traffic to your site. Put your site's name &  link here. See "
                                "\"Help\" for details.    Click Here for more info on "
                                "co-branding."));
    }

    void tabOrder() {
        const QStringList order{
            "txtName",  "cboMonth",    "cboDate",       "cboYear",    "cboHH",
            "cboMM",    "cboSS",       "txtLonD",       "txtLonM",    "optLong0",
            "optLong1", "txtLatD",     "txtLatM",       "optLat0",    "optLat1",
            "txtMCity", "txtMState",   "txtMCountry",   "cmdBrowser", "cmdCalculate",
            "cmdOpen",  "txtZoneHour", "txtZoneMinute", "lblTZHelp",  "chkDST"};
        // Walk the focus chain and keep the named controls in the order met.
        QStringList met;
        QWidget* start = box("txtName");
        QWidget* w = start;
        do {
            if (order.contains(w->objectName()) && !met.contains(w->objectName()))
                met << w->objectName();
            w = w->nextInFocusChain();
        } while (w != start);
        QCOMPARE(met, order);
    }

    void entryFollowsTheControls() {
        type("txtName", QStringLiteral(" Ravi "));
        select("cboMonth", QStringLiteral("March"));
        select("cboDate", QStringLiteral("7"));
        select("cboYear", QStringLiteral("1988"));
        select("cboHH", QStringLiteral("21"));
        select("cboMM", QStringLiteral("45"));
        select("cboSS", QStringLiteral("9"));
        type("txtLonD", QStringLiteral("1"));
        type("txtLonM", QStringLiteral("2"));
        type("txtLatD", QStringLiteral("3"));
        type("txtLatM", QStringLiteral("4"));
        type("txtZoneHour", QStringLiteral("5"));
        type("txtZoneMinute", QStringLiteral("6"));
        type("txtMCity", QStringLiteral("Pune"));
        type("txtMState", QStringLiteral("MH"));
        type("txtMCountry", QStringLiteral("India"));
        QTest::mouseClick(option("optLong1"), Qt::LeftButton);
        QTest::mouseClick(option("optLat1"), Qt::LeftButton);
        QTest::mouseClick(child<QCheckBox>("chkDST"), Qt::LeftButton);

        const BirthEntry e = window->entry();
        QCOMPARE(QString::fromStdString(e.name), QStringLiteral(" Ravi "));
        QCOMPARE(e.month, 2);
        QCOMPARE(e.day, 6);
        QCOMPARE(e.year, 1988 - 1901);
        QCOMPARE(e.hour, 21);
        QCOMPARE(e.minute, 45);
        QCOMPARE(e.second, 9);
        const QStringList texts{
            QString::fromStdString(e.lonDegrees), QString::fromStdString(e.lonMinutes),
            QString::fromStdString(e.latDegrees), QString::fromStdString(e.latMinutes),
            QString::fromStdString(e.zoneHour),   QString::fromStdString(e.zoneMinute),
            QString::fromStdString(e.city),       QString::fromStdString(e.state),
            QString::fromStdString(e.country)};
        QCOMPARE(texts, QStringList({"1", "2", "3", "4", "5", "6", "Pune", "MH", "India"}));
        QVERIFY(!e.east);
        QVERIFY(e.south);
        QVERIFY(e.dst);

        // And back: a different entry shows in the controls and reads back
        // unchanged, including a month list with nothing selected.
        BirthEntry other = e;
        other.month = -1;
        other.name = "Mira";
        other.east = true;
        other.south = false;
        other.dst = false;
        other.zoneHour = "-10";
        window->setEntry(other);
        QCOMPARE(list("cboMonth")->currentIndex(), -1);
        QCOMPARE(box("txtZoneHour")->text(), QStringLiteral("-10"));
        QVERIFY(option("optLong0")->isChecked());
        const BirthEntry back = window->entry();
        QCOMPARE(back.month, -1);
        QCOMPARE(back.name, other.name);
        QCOMPARE(back.zoneHour, other.zoneHour);
        QCOMPARE(back.city, other.city);
        QVERIFY(back.east && !back.south && !back.dst);
    }

    void keyFilterRefusesNonDigits_data() {
        QTest::addColumn<QString>("boxName");
        for (const char* name : kDigitBoxes)
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void keyFilterRefusesNonDigits() {
        QFETCH(QString, boxName);
        QLineEdit* edit = box(qPrintable(boxName));
        QVERIFY(edit);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("12"));
        QCOMPARE(edit->text(), QStringLiteral("12"));
        QVERIFY(platform->messages.isEmpty());

        QGuiApplication::clipboard()->setText(QStringLiteral("34"));
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        } refused[] = {{Qt::Key_A, {}},
                       {Qt::Key_Minus, {}},
                       {Qt::Key_Period, {}},
                       {Qt::Key_Return, {}},
                       {Qt::Key_Space, {}},
                       {Qt::Key_V, Qt::ControlModifier},
                       {Qt::Key_Insert, Qt::ShiftModifier}};
        for (const auto& key : refused) {
            platform->messages.clear();
            QTest::keyClick(edit, key.key, key.modifiers);
            QCOMPARE(edit->text(), QStringLiteral("12"));
            QCOMPARE(platform->messages.size(), 1);
            QCOMPARE(message(), QStringLiteral("Only Numbers Are Accepted"));
            QCOMPARE(platform->messages.first().icon, Platform::Icon::Error);
            QCOMPARE(platform->messages.first().title, QStringLiteral("Tivora"));
        }

        // Editing keys are no characters and keep working.
        platform->messages.clear();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("1"));
        QTest::keyClick(edit, Qt::Key_Home);
        // Delete as X11 reports it, with the DEL character as its text.
        QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QApplication::sendEvent(edit, &del);
        QCOMPARE(edit->text(), QString());
        QTest::keyClicks(edit, QStringLiteral("9"));
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClicks(edit, QStringLiteral("8"));
        QCOMPARE(edit->text(), QStringLiteral("89"));
        QTest::keyClick(edit, Qt::Key_Tab);
        QVERIFY(!edit->hasFocus());
        QVERIFY(platform->messages.isEmpty());
    }

    void plainBoxesTakeAnyText() {
        for (const char* name : {"txtName", "txtMCity", "txtMState", "txtMCountry"}) {
            type(name, QStringLiteral("St. Ann-3"));
            QCOMPARE(box(name)->text(), QStringLiteral("St. Ann-3"));
        }
        QVERIFY(platform->messages.isEmpty());
    }

    void zoneBoxesLimitTyping() {
        type("txtZoneHour", QStringLiteral("1234"));
        QCOMPARE(box("txtZoneHour")->text(), QStringLiteral("123"));
        type("txtZoneMinute", QStringLiteral("456"));
        QCOMPARE(box("txtZoneMinute")->text(), QStringLiteral("45"));
        QVERIFY(platform->messages.isEmpty());
        // A full box still takes backspace, and typing over a selection.
        QTest::keyClick(box("txtZoneMinute"), Qt::Key_Backspace);
        QCOMPARE(box("txtZoneMinute")->text(), QStringLiteral("4"));
        box("txtZoneHour")->selectAll();
        QTest::keyClicks(box("txtZoneHour"), QStringLiteral("7"));
        QCOMPARE(box("txtZoneHour")->text(), QStringLiteral("7"));
        // The other digit boxes have no limit.
        type("txtLatD", QStringLiteral("12345"));
        QCOMPARE(box("txtLatD")->text(), QStringLiteral("12345"));

        // Text from the picker stands in full and is limited for typing only.
        QCOMPARE(pick("Australian Central Daylight Time,ACDT,+10.5"), int(QDialog::Accepted));
        QCOMPARE(box("txtZoneHour")->text(), QStringLiteral("-10"));
        QCOMPARE(box("txtZoneMinute")->text(), QStringLiteral("-30"));
        box("txtZoneHour")->setFocus();
        box("txtZoneHour")->end(false);
        QTest::keyClicks(box("txtZoneHour"), QStringLiteral("1"));
        QCOMPARE(box("txtZoneHour")->text(), QStringLiteral("-10"));
    }

    void zoneMinuteBoxSizedForItsOwnLength() {
        // Narrower than the three-character hour box, yet the picker's "-30"
        // still shows whole.
        QLineEdit* minute = box("txtZoneMinute");
        QVERIFY(minute->minimumWidth() < box("txtZoneHour")->minimumWidth());
        QVERIFY(minute->fontMetrics().horizontalAdvance(QStringLiteral("-30")) + 8 <=
                minute->minimumWidth());
    }

    void zoneBoxesLimitPastedText() {
        QApplication::clipboard()->setText(QStringLiteral("12345"));
        box("txtZoneHour")->paste();
        QCOMPARE(box("txtZoneHour")->text(), QStringLiteral("123"));
        box("txtZoneMinute")->setText(QStringLiteral("4"));
        box("txtZoneMinute")->end(false);
        box("txtZoneMinute")->paste();
        QCOMPARE(box("txtZoneMinute")->text(), QStringLiteral("41"));
        // A picked text already over the limit takes nothing more.
        QCOMPARE(pick("Indian Time, IST, +5.3"), int(QDialog::Accepted));
        box("txtZoneMinute")->end(false);
        box("txtZoneMinute")->paste();
        QCOMPARE(box("txtZoneMinute")->text(), QStringLiteral("-30"));
        // The other digit boxes take it all; Calculate judges it later.
        box("txtLatD")->paste();
        QCOMPARE(box("txtLatD")->text(), QStringLiteral("12345"));
    }

    void altOPressesOpenNotTheSwitchedOffMenu() {
        platform->fileNames.push_back(QString()); // cancel the dialog, twice
        platform->fileNames.push_back(QString());
        QTest::keyClick(window.get(), Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(platform->fileRequests.size(), 1);
        QCOMPARE(platform->fileRequests[0].request.title, QStringLiteral("Select the source file"));
        QTest::keyClick(window.get(), Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(platform->fileRequests.size(), 2);
        QVERIFY(platform->openedUrls.isEmpty());
    }

    void emptyFormAsksForTheName() {
        click("cmdCalculate");
        QCOMPARE(platform->messageTexts(), QStringList{"Please Enter Name"});
        QCOMPARE(platform->messages.first().icon, Platform::Icon::Error);
        QCOMPARE(window->focusWidget(), box("txtName"));
        QCOMPARE(chart->AscendantText, std::string());
    }

    void checksInOrder_data() {
        QTest::addColumn<QString>("clear");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("blank name") << "txtName"
                                    << "   "
                                    << "Please Enter Name"
                                    << "txtName";
        QTest::newRow("zone hour") << "txtZoneHour"
                                   << ""
                                   << "Please Enter Hour and Minute of Time Zone"
                                   << "txtZoneHour";
        QTest::newRow("zone minute only") << "txtZoneMinute"
                                          << ""
                                          << "Please Enter Hour and Minute of Time Zone"
                                          << "txtZoneHour";
        QTest::newRow("lon deg") << "txtLonD"
                                 << ""
                                 << "Please Enter Degree of Longitude"
                                 << "txtLonD";
        QTest::newRow("lon min") << "txtLonM"
                                 << ""
                                 << "Please Enter Minute of Longitude"
                                 << "txtLonM";
        QTest::newRow("lat deg") << "txtLatD"
                                 << ""
                                 << "Please Enter Degree of Latitude"
                                 << "txtLatD";
        QTest::newRow("lat min") << "txtLatM"
                                 << ""
                                 << "Please Enter Minute of Latitude"
                                 << "txtLatM";
        QTest::newRow("pasted text") << "txtLatM"
                                     << "3x"
                                     << "Only Numbers Are Accepted"
                                     << "txtLatM";
    }
    void checksInOrder() {
        QFETCH(QString, clear);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        fillDelhi();
        // Set directly, as pasting through the context menu would.
        box(qPrintable(clear))->setText(text);
        click("cmdCalculate");
        QCOMPARE(platform->messageTexts(), QStringList{message});
        QCOMPARE(platform->messages.first().icon, Platform::Icon::Error);
        QCOMPARE(window->focusWidget()->objectName(), focus);
        QCOMPARE(chart->AscendantText, std::string());
    }

    void dateChecks_data() {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message");
        const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
        const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");
        QTest::newRow("29 Feb 2000") << "February"
                                     << "29"
                                     << "2000"
                                     << "";
        QTest::newRow("29 Feb 1904") << "February"
                                     << "29"
                                     << "1904"
                                     << "";
        QTest::newRow("29 Feb 1901") << "February"
                                     << "29"
                                     << "1901" << february;
        QTest::newRow("30 Feb 2000") << "February"
                                     << "30"
                                     << "2000" << february;
        QTest::newRow("31 Apr") << "April"
                                << "31"
                                << "2000" << thirty;
        QTest::newRow("31 Nov") << "November"
                                << "31"
                                << "2000" << thirty;
        QTest::newRow("31 Mar") << "March"
                                << "31"
                                << "2000"
                                << "";
    }
    void dateChecks() {
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, year);
        QFETCH(QString, message);
        fillDelhi();
        select("cboMonth", month);
        select("cboDate", day);
        select("cboYear", year);
        QSignalSpy calculated(window.get(), &frmMain::calculated);
        click("cmdCalculate");
        if (message.isEmpty()) {
            QVERIFY(platform->messages.isEmpty());
            QCOMPARE(calculated.count(), 1);
            QCOMPARE(chart->BirthDay, day.toShort());
        } else {
            QCOMPARE(platform->messageTexts(), QStringList{message});
            QCOMPARE(platform->messages.first().icon, Platform::Icon::Information);
            // No control is named: the focus stays on the button pressed.
            QCOMPARE(window->focusWidget(), child<QWidget>("cmdCalculate"));
            QCOMPARE(calculated.count(), 0);
        }
    }

    void calculateWritesTheChart() {
        fillDelhi();
        type("txtName", QStringLiteral("  "));
        select("cboSS", QStringLiteral("37")); // seconds take no part
        QSignalSpy calculated(window.get(), &frmMain::calculated);
        click("cmdCalculate");
        QVERIFY(platform->messages.isEmpty());
        QCOMPARE(calculated.count(), 1);
        QCOMPARE(chart->BirthName, std::string("Asha"));
        QCOMPARE(int(chart->BirthYear), 2000);
        QCOMPARE(int(chart->BirthHour), 12);
        QCOMPARE(int(chart->ZoneHours), 5);
        QCOMPARE(int(chart->ZoneMinutes), 30);
        QVERIFY(chart->IsEast);
        QVERIFY(!chart->IsSouth);
        QCOMPARE(QString::fromStdString(chart->AscendantText),
                 QString::fromUtf8("13° 12' 18\" Pis"));
        QCOMPARE(signs->EnglishName.substr(0, 3), std::string("Pis"));
    }

    void fileCalculateRunsTheSameCommand() {
        auto* action = child<QAction>("mnuCalculate");
        QVERIFY(action);
        QCOMPARE(action->text(), QStringLiteral("&Calculate"));
        auto* file = child<QMenu>("mnuFile");
        QVERIFY(file && file->actions().contains(action));
        QCOMPARE(file->title(), QStringLiteral("&File"));

        action->trigger();
        QCOMPARE(platform->messageTexts(), QStringList{"Please Enter Name"});

        platform->messages.clear();
        fillDelhi();
        QSignalSpy calculated(window.get(), &frmMain::calculated);
        action->trigger();
        QCOMPARE(calculated.count(), 1);
        QCOMPARE(QString::fromStdString(chart->AscendantText),
                 QString::fromUtf8("13° 12' 18\" Pis"));
    }

    void pickerWritesTheRowTexts_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::newRow("Indian") << "Indian Time, IST, +5.3"
                                << "-5"
                                << "-30";
        QTest::newRow("GMT") << "Greenwich Mean Time,GMT,0.0"
                             << "0"
                             << "0";
        QTest::newRow("UT") << "Universal Time, UT, 0.0"
                            << "0"
                            << "0";
        QTest::newRow("Hawaiian") << "Hawaiian Standard Time,HST,-10.5"
                                  << "10"
                                  << "30";
        QTest::newRow("last row") << "Yukon War Time,YWT,-8.0"
                                  << "8"
                                  << "0";
    }
    void pickerWritesTheRowTexts() {
        QFETCH(QString, row);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        type("txtZoneHour", QStringLiteral("77"));
        QTest::mouseClick(child<QCheckBox>("chkDST"), Qt::LeftButton);
        QTest::mouseClick(option("optLong1"), Qt::LeftButton);
        QTest::mouseClick(option("optLat1"), Qt::LeftButton);
        const BirthEntry before = window->entry();

        QPointer<QDialog> picker;
        const int result = withPicker(
            [&](QDialog& dialog) {
                QVERIFY(dialog.isModal());
                QCOMPARE(dialog.parentWidget(), window.get());
                doubleClickRow(dialog, Row(qPrintable(row)));
                QVERIFY(!dialog.isVisible());
            },
            &picker);
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(picker.isNull()); // made for one opening only

        QCOMPARE(box("txtZoneHour")->text(), hour);
        QCOMPARE(box("txtZoneMinute")->text(), minute);
        BirthEntry after = window->entry();
        after.zoneHour = before.zoneHour;
        after.zoneMinute = before.zoneMinute;
        QVERIFY(after.dst && !after.east && after.south);
        QCOMPARE(after.name, before.name);
        QVERIFY(platform->messages.isEmpty());
    }

    void pickerOpensUnselected() {
        withPicker([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Tivora v2.05"));
            auto* zones = dialog.findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
            QVERIFY(zones);
            QCOMPARE(zones->count(), 71);
            for (int i = 0; i < zones->count(); ++i)
                QCOMPARE(zones->item(i)->text(),
                         QString::fromStdString(ZoneTable()[static_cast<std::size_t>(i)].text));
            QVERIFY(zones->selectedItems().isEmpty());
            QCOMPARE(dialog.focusWidget(), zones);
            auto* quit = dialog.findChild<QPushButton*>(QStringLiteral("cmdQuit"));
            QVERIFY(quit);
            QCOMPARE(quit->text(), QStringLiteral("&Quit"));
            QWidget* next = zones->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus)
                next = next->nextInFocusChain();
            QCOMPARE(next, quit);
            QVERIFY(zones->font().bold() && quit->font().bold());
            dialog.reject();
        });
    }

    void pickerQuitChangesNothing() {
        for (const QString& start : {QString(), QStringLiteral("4")}) {
            box("txtZoneHour")->setText(start);
            box("txtZoneMinute")->setText(start);
            const int result = withPicker([](QDialog& dialog) {
                auto* zones = dialog.findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
                zones->setCurrentRow(34);
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdQuit")),
                                  Qt::LeftButton);
                QVERIFY(!dialog.isVisible());
            });
            QCOMPARE(result, int(QDialog::Rejected));
            QCOMPARE(box("txtZoneHour")->text(), start);
            QCOMPARE(box("txtZoneMinute")->text(), start);
        }
    }

    void pickedZonesReachTheChart() {
        fillDelhi();
        QCOMPARE(pick("Indian Time, IST, +5.3"), int(QDialog::Accepted));
        click("cmdCalculate");
        QVERIFY(platform->messages.isEmpty());
        QCOMPARE(int(chart->ZoneHours), 5);
        QCOMPARE(int(chart->ZoneMinutes), 30);
        QCOMPARE(QString::fromStdString(chart->AscendantText),
                 QString::fromUtf8("13° 12' 18\" Pis"));

        // A zone ahead of universal time picked for a place west of
        // Greenwich keeps its direction from the picker's minus sign.
        QTest::mouseClick(option("optLong1"), Qt::LeftButton);
        QCOMPARE(pick("British Summer Time,BST,+1.0"), int(QDialog::Accepted));
        QCOMPARE(box("txtZoneHour")->text(), QStringLiteral("-1"));
        QCOMPARE(box("txtZoneMinute")->text(), QStringLiteral("0"));
        click("cmdCalculate");
        QVERIFY(platform->messages.isEmpty());
        QVERIFY(!chart->IsEast);
        QCOMPARE(int(chart->ZoneHours), 1);
        QCOMPARE(int(chart->ZoneMinutes), 0);
        QVERIFY(chart->ZoneDirection == ZoneDirection::East);
    }

    void pickerWorksFromTheKeyboard() {
        // "TZ Help" is a tab stop after the zone boxes; Space opens it.
        box("txtZoneMinute")->setFocus();
        QTest::keyClick(box("txtZoneMinute"), Qt::Key_Tab);
        auto* help = child<QLabel>("lblTZHelp");
        QCOMPARE(QApplication::focusWidget(), help);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            box("txtZoneHour")->clear();
            bool opened = false;
            platform->dialogs.push_back([&, key](QDialog& dialog) {
                opened = true;
                dialog.show();
                auto* zones = dialog.findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
                // No current row yet: the key chooses nothing.
                zones->setCurrentItem(nullptr);
                QTest::keyClick(zones, key);
                if (dialog.isVisible()) {
                    QTest::keyClick(zones, Qt::Key_Down);
                    QTest::keyClick(zones, Qt::Key_Down); // row 1
                    QTest::keyClick(zones, key);
                }
                return dialog.result();
            });
            QTest::keyClick(help, Qt::Key_Space);
            QVERIFY(opened);
            QCOMPARE(box("txtZoneHour")->text(), QStringLiteral("10"));
            QCOMPARE(box("txtZoneMinute")->text(), QStringLiteral("0"));
        }
    }

    // A summer or daylight row already carries the extra hour: ticking DST
    // as well, in either order, earns a plain note; the boxes stay as set.
    void daylightRowWithDstSaysTheHourCountsTwice() {
        auto* note = child<QLabel>("lblDSTNote");
        auto* dst = child<QCheckBox>("chkDST");
        QVERIFY(note && !note->isVisible());
        QVERIFY(note->text().contains(QStringLiteral("already includes the extra")));
        const int zoneRowBottom = child<QWidget>("fraZone")->geometry().bottom();

        QCOMPARE(pick("Eastern Daylight Time,EDT,-4.0"), int(QDialog::Accepted));
        QVERIFY(!note->isVisible());
        QTest::mouseClick(dst, Qt::LeftButton);
        QVERIFY(note->isVisible());
        QVERIFY(dst->isChecked());
        QCOMPARE(box("txtZoneHour")->text(), QStringLiteral("4"));
        // Right under the zone row, inside the window.
        const QRect shown(note->mapTo(window.get(), QPoint(0, 0)), note->size());
        QVERIFY(note->geometry().top() > zoneRowBottom);
        QVERIFY(window->rect().contains(shown));
        QVERIFY(note->heightForWidth(note->width()) <= note->height());
        QTest::mouseClick(dst, Qt::LeftButton);
        QVERIFY(!note->isVisible());

        // DST first, then the row; a standard row clears the note.
        QTest::mouseClick(dst, Qt::LeftButton);
        QCOMPARE(pick("British Summer Time,BST,+1.0"), int(QDialog::Accepted));
        QVERIFY(note->isVisible());
        QCOMPARE(pick("Eastern Standard Time,EST,-5.0"), int(QDialog::Accepted));
        QVERIFY(!note->isVisible());
        QVERIFY(dst->isChecked());
        // Typing over a picked row makes it the user's own zone.
        QCOMPARE(pick("Central European Daylight,CED,+2.0"), int(QDialog::Accepted));
        QVERIFY(note->isVisible());
        box("txtZoneHour")->selectAll();
        type("txtZoneHour", QStringLiteral("2"));
        QVERIFY(!note->isVisible());
        QVERIFY(platform->messages.isEmpty());
    }

    void nameKeepsAHundredCharacters() {
        type("txtName", QString(120, QLatin1Char('a')));
        QCOMPARE(box("txtName")->text().size(), 100);
        box("txtName")->clear();
        QApplication::clipboard()->setText(QString(150, QChar(0x0906)));
        box("txtName")->paste();
        QCOMPARE(box("txtName")->text(), QString(100, QChar(0x0906)));
    }

    // The year list opens under the box, a dozen rows high, on the year
    // chosen; so do the others.
    void dropDownsOpenShortAndOnTheChosenItem() {
        for (const char* name : {"cboYear", "cboDate", "cboMM"}) {
            QComboBox* combo = list(name);
            combo->setCurrentIndex(combo->count() - 20);
            combo->showPopup();
            QAbstractItemView* view = combo->view();
            QWidget* popup = view->window();
            QVERIFY(QTest::qWaitForWindowExposed(popup));
            const int rowHeight = view->sizeHintForRow(0);
            QVERIFY2(popup->height() <= 13 * rowHeight + 16, name);
            QVERIFY2(popup->height() >= 8 * rowHeight, name);
            QCOMPARE(view->currentIndex().row(), combo->currentIndex());
            QVERIFY2(view->viewport()->rect().contains(view->visualRect(view->currentIndex())),
                     name);
            combo->hidePopup();
        }
    }

    void lookupChecksThePlace_data() {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("all empty") << ""
                                   << ""
                                   << ""
                                   << "Please Enter City"
                                   << "txtMCity";
        QTest::newRow("state empty") << "Pune"
                                     << ""
                                     << "India"
                                     << "Please Enter State"
                                     << "txtMState";
        QTest::newRow("country empty") << "Pune"
                                       << "MH"
                                       << ""
                                       << "Please Enter Country"
                                       << "txtMCountry";
    }
    void lookupChecksThePlace() {
        QFETCH(QString, city);
        QFETCH(QString, state);
        QFETCH(QString, country);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        box("txtMCity")->setText(city);
        box("txtMState")->setText(state);
        box("txtMCountry")->setText(country);
        click("cmdBrowser");
        QCOMPARE(platform->messageTexts(), QStringList{message});
        QCOMPARE(platform->messages.first().icon, Platform::Icon::Information);
        QCOMPARE(window->focusWidget()->objectName(), focus);
        QVERIFY(platform->openedUrls.isEmpty());
    }

    void lookupOpensAMapSearch() {
        fillDelhi();
        box("txtMCity")->setText(QStringLiteral("New Delhi"));
        box("txtMState")->setText(QStringLiteral(" ")); // blanks count as filled
        box("txtMCountry")->setText(QStringLiteral("India & Co"));
        const BirthEntry before = window->entry();
        click("cmdBrowser");
        QVERIFY(platform->messages.isEmpty());
        QCOMPARE(platform->openedUrls.size(), 1);
        QCOMPARE(platform->openedUrls.first().toString(QUrl::FullyEncoded),
                 QStringLiteral("https://www.openstreetmap.org/search?query="
                                "New%20Delhi%20%20%20India%20%26%20Co%20Latitude%20Longitude"));
        const BirthEntry after = window->entry();
        QVERIFY(after.city == before.city && after.state == before.state &&
                after.latDegrees == before.latDegrees && after.lonDegrees == before.lonDegrees);
        QCOMPARE(chart->AscendantText, std::string());
    }

    void menuEntriesOpenTheirPages_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("page");
        QTest::newRow("online help") << "mnuOnline" << int(VendorPage::Help);
        QTest::newRow("visit") << "mnuVisit" << int(VendorPage::Home);
        QTest::newRow("update") << "mnuUpdate" << int(VendorPage::Download);
        QTest::newRow("make money") << "mnuMakeMoney" << int(VendorPage::FullyBranded);
    }
    void menuEntriesOpenTheirPages() {
        QFETCH(QString, action);
        QFETCH(int, page);
        auto* entry = window->findChild<QAction*>(action);
        QVERIFY(entry);
        if (!entry->isEnabled()) {
            // Switched off as delivered; its action still holds if offered.
            QCOMPARE(action, QStringLiteral("mnuMakeMoney"));
            entry->trigger();
            QVERIFY(platform->openedUrls.isEmpty());
            entry->setEnabled(true);
        }
        QSignalSpy about(window.get(), &frmMain::aboutRequested);
        entry->trigger();
        QCOMPARE(platform->openedUrls, QList<QUrl>{VendorPageUrl(static_cast<VendorPage>(page))});
        QCOMPARE(about.count(), 0);
        QVERIFY(platform->messages.isEmpty());
    }

    void menuLayout() {
        const QList<QAction*> bar = window->menuBar()->actions();
        QCOMPARE(bar.size(), 4);
        QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
        QCOMPARE(bar[1]->text(), QStringLiteral("&Language"));
        QCOMPARE(bar[2]->text(), QStringLiteral("&Help"));
        QCOMPARE(bar[3]->objectName(), QStringLiteral("mnuMakeMoney"));
        QCOMPARE(bar[3]->text(), QStringLiteral("Make Money &Online"));
        QVERIFY(!bar[3]->menu());
        QStringList help;
        for (QAction* a : bar[2]->menu()->actions())
            help << a->objectName() + (a->isSeparator() ? QStringLiteral(":-") : a->text());
        QCOMPARE(help, QStringList({"mnuOnline&Online Help", "mnuVisit&Visit Us Online",
                                    "mnuHelp1:-", "mnuUpdateCheck for Software &Update",
                                    "mnuHelp2:-", "mnuAbout&About Software"}));
    }

    void aboutIsAskedFor() {
        QSignalSpy about(window.get(), &frmMain::aboutRequested);
        child<QAction>("mnuAbout")->trigger();
        QCOMPARE(about.count(), 1);
        QVERIFY(platform->openedUrls.isEmpty());
    }

    void advertisingLabels() {
        QVERIFY(child<QWidget>("fraFullBrand")->isAncestorOf(child<QWidget>("lblCobrand")));
        QVERIFY(child<QLabel>("lblFullBrand")->isVisible());
        QVERIFY(!child<QLabel>("lblCobrand")->isVisible());
        QTest::mouseClick(child<QLabel>("lblFullBrand"), Qt::LeftButton);
        QCOMPARE(platform->openedUrls, QList<QUrl>{VendorPageUrl(VendorPage::FullyBranded)});

        window->bringCobrandToFront();
        QVERIFY(window->cobrandInFront());
        QVERIFY(child<QLabel>("lblCobrand")->isVisible());
        QVERIFY(!child<QLabel>("lblFullBrand")->isVisible());
        // Both in one place.
        QCOMPARE(child<QLabel>("lblCobrand")->geometry().topLeft(),
                 child<QLabel>("lblFullBrand")->geometry().topLeft());
        platform->openedUrls.clear();
        QTest::mouseClick(child<QLabel>("lblCobrand"), Qt::LeftButton);
        QCOMPARE(platform->openedUrls, QList<QUrl>{VendorPageUrl(VendorPage::CoBrand)});

        window->bringFullBrandToFront();
        QVERIFY(!window->cobrandInFront());
        QVERIFY(child<QLabel>("lblFullBrand")->isVisible());
    }

    void openReadsASavedReading() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // A saved reading of another birth: Mumbai, 15 August 1990.
        ChartRecord saved;
        BirthEntry mumbai;
        mumbai.name = "Kiran";
        mumbai.month = 7;
        mumbai.day = 14;
        mumbai.year = 1990 - 1901;
        mumbai.hour = 6;
        mumbai.minute = 45;
        mumbai.lonDegrees = "72";
        mumbai.lonMinutes = "52";
        mumbai.latDegrees = "19";
        mumbai.latMinutes = "4";
        mumbai.zoneHour = "5";
        mumbai.zoneMinute = "30";
        WriteBirthData(mumbai, saved);
        const QString path = dir.filePath(QStringLiteral("kiran.tvr"));
        QVERIFY(SaveReadingFile(saved, path));
        ChartRecord expected = saved;
        CalculateAscendant(expected);

        platform->fileNames.push_back(path);
        QSignalSpy calculated(window.get(), &frmMain::calculated);
        click("cmdOpen");
        QCOMPARE(platform->fileRequests.size(), 1);
        const auto& request = platform->fileRequests.first();
        QVERIFY(!request.save);
        QCOMPARE(request.request.title, QStringLiteral("Select the source file"));
        QCOMPARE(request.request.filter, QStringLiteral("Tivora (*.tvr)"));
        QCOMPARE(request.request.defaultSuffix, QStringLiteral("tvr"));
        QVERIFY(platform->messages.isEmpty());
        QCOMPARE(box("txtName")->text(), QStringLiteral("Kiran"));
        QCOMPARE(list("cboMonth")->currentText(), QStringLiteral("August"));
        QCOMPARE(list("cboYear")->currentText(), QStringLiteral("1990"));
        QCOMPARE(box("txtLonD")->text(), QStringLiteral("72"));
        QCOMPARE(calculated.count(), 1);
        QCOMPARE(chart->BirthName, std::string("Kiran"));
        QCOMPARE(chart->AscendantText, expected.AscendantText);
    }

    // A damaged file still gives a reading, but never silently: its lost and
    // ignored lines are listed in one box before the reading shows.
    void openWarnsOfADamagedFile() {
        QTemporaryDir dir;
        BirthEntry kiran;
        kiran.name = "Kiran";
        kiran.month = 7;
        kiran.day = 14;
        kiran.year = 1990 - 1901;
        kiran.lonDegrees = "72";
        kiran.lonMinutes = "52";
        kiran.latDegrees = "19";
        kiran.latMinutes = "4";
        kiran.zoneHour = "5";
        kiran.zoneMinute = "30";
        ChartRecord saved;
        WriteBirthData(kiran, saved);
        const QByteArray whole = ReadingFileBytes(saved);
        qsizetype end = 0;
        for (int line = 0; line < 12; ++line)
            end = whole.indexOf("\r\n", end) + 2;
        const QByteArray cut = whole.left(end); // East, South and DST lost
        QByteArray badTime;
        for (const char* text : {"Kiran", "8", "15", "1850", "99", "77", "72", "52", "19", "4", "5",
                                 "30", "1", "0", "0"}) {
            for (const char c : QByteArray(text))
                badTime += char(c + 85);
            badTime += "\r\n";
        }
        const QList<QPair<QByteArray, QStringList>> files = {
            {cut,
             {"line 13 (East or West) is missing", "line 14 (North or South) is missing",
              "line 15 (daylight saving) is missing"}},
            {badTime,
             {"line 4 (year) is not a value", "line 5 (hour) is not a value",
              "line 6 (minute) is not a value"}}};
        for (const auto& [bytes, notes] : files) {
            const QString path = dir.filePath(QStringLiteral("damaged.tvr"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
            file.close();
            platform->messages.clear();
            platform->fileNames.push_back(path);
            QSignalSpy calculated(window.get(), &frmMain::calculated);
            int calculatedWhenShown = -1;
            platform->onMessage = [&](const FakePlatform::Shown&) {
                calculatedWhenShown = int(calculated.count());
            };
            click("cmdOpen");
            platform->onMessage = nullptr;
            QCOMPARE(platform->messages.size(), 1);
            QCOMPARE(platform->messages.first().icon, Platform::Icon::Warning);
            const QString text = platform->messages.first().text;
            for (const QString& note : notes)
                QVERIFY2(text.contains(note), qPrintable(text));
            QCOMPARE(calculatedWhenShown, 0);
            QCOMPARE(calculated.count(), 1);
        }
    }

    void openRefusesBadFiles() {
        QTemporaryDir dir;
        box("txtName")->setText(QStringLiteral("Unchanged"));
        const QString wrong = dir.filePath(QStringLiteral("reading.txt"));
        QFile file(wrong);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x\r\n");
        file.close();
        for (const QString& path : {wrong, dir.filePath(QStringLiteral("missing.tvr"))}) {
            platform->messages.clear();
            platform->fileNames.push_back(path);
            QSignalSpy calculated(window.get(), &frmMain::calculated);
            click("cmdOpen");
            QCOMPARE(platform->messageTexts(), QStringList{"Please Check The File."});
            QCOMPARE(platform->messages.first().icon, Platform::Icon::Error);
            QCOMPARE(box("txtName")->text(), QStringLiteral("Unchanged"));
            QCOMPARE(calculated.count(), 0);
        }
        // Cancel: nothing at all.
        platform->messages.clear();
        platform->fileNames.push_back(QString());
        click("cmdOpen");
        QVERIFY(platform->messages.isEmpty());
        QCOMPARE(box("txtName")->text(), QStringLiteral("Unchanged"));
    }

    void returnInTextBoxesPressesFindMyLagna() {
        QSignalSpy calculated(window.get(), &frmMain::calculated);
        for (const char* name : {"txtName", "txtMCity", "txtMState", "txtMCountry"}) {
            platform->messages.clear();
            box(name)->setFocus();
            QTest::keyClick(box(name), Qt::Key_Return);
            QCOMPARE(platform->messageTexts(), QStringList{"Please Enter Name"});
        }
        platform->messages.clear();
        fillDelhi();
        box("txtMState")->setFocus();
        QTest::keyClick(box("txtMState"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(calculated.count(), 1);
        QVERIFY(platform->messages.isEmpty());
        QCOMPARE(chart->BirthName, std::string("Asha"));
    }

    // Mumbai (19° 4' N, 72° 53' E) named in Devanagari, for 1 June 1950 at 20:00.
    static BirthTown Mumbai() {
        return {"\xE0\xA4\xAE\xE0\xA5\x81\xE0\xA4\x82\xE0\xA4\xAC\xE0\xA4\x88",
                "\xE0\xA4\xAE\xE0\xA4\xB9\xE0\xA4\xBE\xE0\xA4\xB0\xE0\xA4\xBE"
                "\xE0\xA4\xB7\xE0\xA5\x8D\xE0\xA4\x9F\xE0\xA5\x8D\xE0\xA4\xB0",
                "IN", "Asia/Kolkata"};
    }
    static BirthEntry MumbaiBirth() {
        BirthEntry e;
        e.name = "\xE0\xA4\x86\xE0\xA4\xB6\xE0\xA4\xBE"; // आशा
        e.month = 5;
        e.day = 0;
        e.year = 1950 - 1901;
        e.hour = 20;
        e.lonDegrees = "72";
        e.lonMinutes = "53";
        e.latDegrees = "19";
        e.latMinutes = "4";
        e.zoneHour = "-5";
        e.zoneMinute = "-30";
        e.town = Mumbai();
        return e;
    }

    void openRestoresTheTownItsSentenceAndFollowingZone() {
        QTemporaryDir dir;
        ChartRecord saved;
        WriteBirthData(MumbaiBirth(), saved);
        const QString path = dir.filePath(QStringLiteral("mumbai.tvr"));
        QVERIFY(SaveReadingFile(saved, path));

        platform->fileNames.push_back(path);
        QSignalSpy calculated(window.get(), &frmMain::calculated);
        click("cmdOpen");
        QCOMPARE(calculated.count(), 1);
        QVERIFY(platform->messages.isEmpty());
        const QString town = QString::fromStdString(Mumbai().name);
        const QString region = QString::fromStdString(Mumbai().region);
        QCOMPARE(box("txtName")->text(), QString::fromStdString(MumbaiBirth().name));
        QCOMPARE(QStringList({box("txtMCity")->text(), box("txtMState")->text(),
                              box("txtMCountry")->text()}),
                 QStringList({town, region, "India"}));
        QCOMPARE(child<QLabel>("lblPlaceZone")->text(),
                 town + QStringLiteral(", ") + region +
                     QStringLiteral(", India: Asia/Kolkata, on 1 Jun 1950 at 20:00 IST = "
                                    "UT+5:30 (standard time)"));
        QCOMPARE(chart->BirthPlace, Mumbai());
        QCOMPARE(window->entry().town, Mumbai());
        // The zone follows the date as after choosing the town: war time in 1943.
        select("cboYear", QStringLiteral("1943"));
        QVERIFY(child<QCheckBox>("chkDST")->isChecked());
        QVERIFY2(child<QLabel>("lblPlaceZone")->text().contains(QStringLiteral("UT+6:30")),
                 qPrintable(child<QLabel>("lblPlaceZone")->text()));
    }

    void recentBirthsRememberRestoreAndClear() {
        auto* file = child<QMenu>("mnuFile");
        auto* recent = child<QMenu>("mnuRecentBirths");
        emit file->aboutToShow();
        QVERIFY(!recent->isEnabled());

        fillDelhi();
        click("cmdCalculate");
        click("cmdCalculate"); // the same birth again keeps one entry
        emit file->aboutToShow();
        QVERIFY(recent->isEnabled());
        QCOMPARE(child<QAction>("mnuRecentBirth0")->text(),
                 QStringLiteral("Asha, 1 Jan 2000 12:00, 28\u00B0 37' N, 77\u00B0 13' E"));
        QVERIFY(!child<QAction>("mnuRecentBirth1"));

        // Newest first; a menu shows "&" doubled.
        box("txtName")->setText(QStringLiteral("Ravi & Co"));
        click("cmdCalculate");
        emit file->aboutToShow();
        QCOMPARE(child<QAction>("mnuRecentBirth0")->text(),
                 QStringLiteral("Ravi && Co, 1 Jan 2000 12:00, 28\u00B0 37' N, 77\u00B0 13' E"));
        QVERIFY(child<QAction>("mnuRecentBirth1")->text().startsWith("Asha, "));
        if (const QString folder = qEnvironmentVariable("TIVORA_SHOTS"); !folder.isEmpty()) {
            recent->popup(window->mapToGlobal(QPoint(20, 20)));
            QVERIFY(QTest::qWaitForWindowExposed(recent));
            recent->grab().save(folder + QStringLiteral("/recent-births.png"));
            recent->hide();
        }

        // Choosing one puts back every entry.
        window->setEntry(BirthEntry{});
        child<QAction>("mnuRecentBirth1")->trigger();
        QCOMPARE(box("txtName")->text(), QStringLiteral("Asha"));
        QCOMPARE(list("cboYear")->currentText(), QStringLiteral("2000"));
        QCOMPARE(list("cboHH")->currentText(), QStringLiteral("12"));
        QCOMPARE(QStringList({box("txtZoneHour")->text(), box("txtZoneMinute")->text(),
                              box("txtLonD")->text(), box("txtLatM")->text()}),
                 QStringList({"5", "30", "77", "37"}));

        child<QAction>("mnuClearRecentBirths")->trigger();
        emit file->aboutToShow();
        QVERIFY(!recent->isEnabled());
        QVERIFY(!child<QAction>("mnuRecentBirth0"));
    }

    void typedZoneSentenceAndItsButtonFit() {
        BirthEntry birth = MumbaiBirth();
        birth.year = 1943 - 1901;
        birth.zoneHour = "5";
        birth.zoneMinute = "30";
        window->setEntry(birth);
        QCOMPARE(child<QLabel>("lblPlaceZone")->text(),
                 QStringLiteral("You typed UT+5:30; clocks in ") +
                     QString::fromStdString(Mumbai().name) +
                     QStringLiteral(" on 1 Jun 1943 at 20:00 kept UT+6:30 (war time)"));
        auto* use = child<QPushButton>("cmdUseClockZone");
        QTRY_VERIFY(use->isVisible());
        // The window grows for the button once its layout has run.
        auto* frame = child<QWidget>("fraMain");
        QTRY_VERIFY(frame->height() >= frame->minimumSizeHint().height());
        fitsItsControls();
        const QRect inside = window->centralWidget()->rect();
        for (QWidget* w : {static_cast<QWidget*>(use), child<QWidget>("lblPlaceZone")})
            QVERIFY(inside.contains(QRect(w->mapTo(window->centralWidget(), QPoint()), w->size())));
        if (const QString folder = qEnvironmentVariable("TIVORA_SHOTS"); !folder.isEmpty())
            window->grab().save(folder + QStringLiteral("/main-typed-zone-restored.png"));
        use->click();
        QCOMPARE(box("txtZoneHour")->text(), QStringLiteral("-5"));
        QVERIFY(child<QCheckBox>("chkDST")->isChecked());
        QVERIFY(!use->isVisible());
    }

    void fitsItsControls() {
        // Nothing squeezed below what its text needs, with whatever font the
        // platform provides.
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisible() || qobject_cast<QMenu*>(w))
                continue;
            const QSize need = w->minimumSizeHint();
            if (!need.isValid())
                continue;
            QVERIFY2(w->width() >= need.width() && w->height() >= need.height(),
                     qPrintable(w->objectName() + QLatin1Char(' ') + w->metaObject()->className()));
        }
    }
};

QTEST_MAIN(TestFrmMain)
#include "test_frm_main.moc"
