#include "windows/program_menus.h"

#include "language/language.h"
#include "links/page_openers.h"
#include "platform/platform.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace tivora {

namespace {

QAction* Named(QAction* action, const char* name) {
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

void ChooseProgramLanguage(Platform& platform, const QString& language) {
    platform.setSetting(QString::fromLatin1(kLanguageKey), language);
    InstallLanguage(language);
}

void AddLanguageMenu(QMenuBar& bar, QObject& context, Platform& platform) {
    QMenu* menu = bar.addMenu(QCoreApplication::translate("tivora::ProgramMenus", "&Language"));
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    // Each language is offered in its own words, whichever is in effect.
    const struct {
        const char* code;
        QString caption;
        const char* name;
    } entries[] = {{kEnglish, QStringLiteral("English"), "mnuEnglish"},
                   {kHindi, QStringLiteral("\u0939\u093F\u0928\u094D\u0926\u0940"), "mnuHindi"}};
    Platform* const p = &platform;
    for (const auto& entry : entries) {
        QAction* action = Named(menu->addAction(entry.caption), entry.name);
        action->setCheckable(true);
        action->setChecked(InstalledLanguage() == QLatin1String(entry.code));
        group->addAction(action);
        const QString code = QString::fromLatin1(entry.code);
        QObject::connect(action, &QAction::triggered, &context,
                         [p, code] { ChooseProgramLanguage(*p, code); });
    }
}

QAction* AddHelpMenus(QMenuBar& bar, QObject& context, Platform& platform,
                      const std::function<void()>& about) {
    AddLanguageMenu(bar, context, platform);
    QMenu* help = bar.addMenu(QCoreApplication::translate("tivora::ProgramMenus", "&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* online =
        Named(help->addAction(QCoreApplication::translate("tivora::ProgramMenus", "&Online Help")),
              "mnuOnline");
    QAction* visit = Named(
        help->addAction(QCoreApplication::translate("tivora::ProgramMenus", "&Visit Us Online")),
        "mnuVisit");
    Named(help->addSeparator(), "mnuHelp1");
    QAction* update = Named(help->addAction(QCoreApplication::translate(
                                "tivora::ProgramMenus", "Check for Software &Update")),
                            "mnuUpdate");
    Named(help->addSeparator(), "mnuHelp2");
    QAction* aboutEntry = Named(
        help->addAction(QCoreApplication::translate("tivora::ProgramMenus", "&About Software")),
        "mnuAbout");

    // Switched off as the program is delivered; shown greyed so the offer
    // stays visible, and it keeps its action should it ever be offered.
    QAction* makeMoney = Named(
        bar.addAction(QCoreApplication::translate("tivora::ProgramMenus", "Make Money &Online")),
        "mnuMakeMoney");
    makeMoney->setEnabled(false);

    Platform* const p = &platform;
    QObject::connect(online, &QAction::triggered, &context, [p] { OpenHelpPage(*p); });
    QObject::connect(visit, &QAction::triggered, &context, [p] { OpenHomePage(*p); });
    QObject::connect(update, &QAction::triggered, &context, [p] { OpenDownloadPage(*p); });
    QObject::connect(aboutEntry, &QAction::triggered, &context, [about] { about(); });
    QObject::connect(makeMoney, &QAction::triggered, &context, [p] { OpenFullyBrandedPage(*p); });
    return makeMoney;
}

} // namespace tivora
