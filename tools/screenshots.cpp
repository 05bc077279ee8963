// Writes screenshots of the main window, the time-zone picker, the result
// window and the report window into a folder, for looking at layout and clipping by eye.
// Usage: tivora_screenshots DIR   (run with QT_QPA_PLATFORM=offscreen)
#include "app/application.h"
#include "signs/sign_tables.h"
#include "support/fake_platform.h"
#include "support/sample_births.h"
#include "windows/frm_main.h"
#include "windows/frm_result.h"
#include "windows/frm_save.h"
#include "windows/frm_time_zone.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cstdio>

using namespace tivora;

namespace {

bool Save(QWidget& widget, const QString& dir, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

BirthEntry Delhi() {
    BirthEntry e = test::DelhiEntry();
    e.name = "Asha Verma";
    e.zoneHour = "-5"; // as the zone picker writes India
    e.zoneMinute = "-30";
    return e;
}

// The sign whose Nature text is longest, to see the page's scrolling.
std::string LongestNatureSign() {
    const auto& tables = SignTables();
    for (const auto& field : tables) {
        if (std::string(field.name) != "Nature")
            continue;
        std::size_t best = 0;
        for (std::size_t i = 1; i < field.table->size(); ++i)
            if (std::string((*field.table)[i]).size() > std::string((*field.table)[best]).size())
                best = i;
        for (const auto& english : tables)
            if (std::string(english.name) == "EnglishName")
                return std::string((*english.table)[best]).substr(0, 3);
    }
    return "Ari";
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: tivora_screenshots DIR\n", stderr);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    test::FakePlatform platform;
    bool ok = true;

    ChartRecord chart;
    SignInformation signs;
    {
        frmMain window(platform, chart, signs);
        ok &= Save(window, dir, QStringLiteral("main"));
        window.setEntry(Delhi());
        window.bringCobrandToFront();
        ok &= Save(window, dir, QStringLiteral("main-filled-cobrand"));

        auto* hour = window.findChild<QLineEdit*>(QStringLiteral("txtZoneHour"));
        auto* minute = window.findChild<QLineEdit*>(QStringLiteral("txtZoneMinute"));
        frmTimeZone picker(*hour, *minute, &window);
        ok &= Save(picker, dir, QStringLiteral("time-zone"));
        auto* list = picker.findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
        list->setCurrentRow(34);
        ok &= Save(picker, dir, QStringLiteral("time-zone-row"));
    }
    {
        // A daylight row picked and DST ticked: the note under the zone row.
        frmMain window(platform, chart, signs);
        window.setEntry(Delhi());
        platform.dialogs.push_back([](QDialog& dialog) {
            auto& picker = static_cast<frmTimeZone&>(dialog);
            picker.findChild<QListWidget*>(QStringLiteral("lstTimeZone"))->setCurrentRow(24);
            picker.lstTimeZone_DblClick();
            return picker.result();
        });
        window.lblTZHelp_Click();
        window.findChild<QCheckBox*>(QStringLiteral("chkDST"))->setChecked(true);
        ok &= Save(window, dir, QStringLiteral("main-daylight-twice"));

        auto* years = window.findChild<QComboBox*>(QStringLiteral("cboYear"));
        years->setCurrentIndex(years->findText(QStringLiteral("1990")));
        years->showPopup();
        ok &= Save(*years->view()->window(), dir, QStringLiteral("main-year-list"));
        years->hidePopup();
    }

    SelectSignInformation(LongestNatureSign(), signs);
    {
        frmResult result(platform, signs);
        result.ShowPage(3);
        ok &= Save(result, dir, QStringLiteral("result-nature"));
        for (int page = 1; page <= 8; ++page) {
            result.ShowPage(page);
            ok &= Save(result, dir, QStringLiteral("result-page%1").arg(page));
        }
    }
    {
        frmSave report(platform, chart, signs);
        ok &= Save(report, dir, QStringLiteral("report"));
    }
    {
        // Calculate as a user does: the result window made while the birth
        // was entered, with the birth's line under the reading.
        Application application(platform);
        frmMain* main = application.showMainWindow();
        main->setEntry(Delhi());
        ok &= QTest::qWaitForWindowExposed(main);
        QTest::qWait(400);
        main->cmdCalculate_Click();
        ok &= QTest::qWaitForWindowExposed(application.resultWindow());
        ok &= Save(*application.resultWindow(), dir, QStringLiteral("result-after-calculate"));
    }
    return ok ? 0 : 1;
}
