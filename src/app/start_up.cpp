#include "app/start_up.h"

#include "app/application.h"
#include "language/language.h"
#include "links/advert_draw.h"
#include "links/single_instance.h"
#include "links/update_reminder.h"
#include "platform/platform.h"
#include "reading/sign_pictures.h"
#include "tivora_version.h"
#include "windows/program_menus.h"

#include <QApplication>
#include <QFontDatabase>
#include <QThreadPool>

namespace tivora {

void StartInChosenLanguage(Platform& platform, const EnvironmentLookup& environment) {
    InstallLanguage(ChooseLanguage(platform.setting(QString::fromLatin1(kLanguageKey)).toString(),
                                   environment));
}

bool StartProgram(Platform& platform, Application& application, SingleInstanceGuard& instance,
                  double draw) {
    StartInChosenLanguage(platform, ProcessEnvironment);
    if (RefuseSecondInstance(platform, instance))
        return false;
    // Asked before any window shows, so the question stands alone.
    UpdateReminder(platform);
    frmMain* window = application.showMainWindow();
    // Drawn once per run; a main window made later by Back keeps the design
    // order, with the full-brand label in front.
    switch (DrawAdvert(draw)) {
    case AdvertLabel::CoBrand:
        window->bringCobrandToFront();
        break;
    case AdvertLabel::FullBrand:
        window->bringFullBrandToFront();
        break;
    case AdvertLabel::Unchanged:
        break;
    }
    return true;
}

void ConfigureApplication() {
    QApplication::setOrganizationName(QStringLiteral("Tivora"));
    QApplication::setApplicationName(QStringLiteral("Tivora"));
    // Lets the desktop match the windows to the launcher entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral(TIVORA_APP_ID));
    QApplication::setWindowIcon(ProgramIcon());
    // The program ends through Application::quitApplication only: between
    // Calculate and the result window, or Back and the main window, no window
    // may be taken for the last one.
    QApplication::setQuitOnLastWindowClosed(false);
    // The first font asked for has Qt read every font on the system, which
    // takes as long as making the main window's menus: done on another core
    // meanwhile. The font database is safe to use from any thread.
    QThreadPool::globalInstance()->start([] { QFontDatabase::families(); });
}

} // namespace tivora
