#include "windows/program_menus.h"

#include "links/page_openers.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tivora {

namespace {

QAction* Named(QAction* action, const char* name) {
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

QAction* AddHelpMenus(QMenuBar& bar, QObject& context, Platform& platform,
                      const std::function<void()>& about) {
    QMenu* help = bar.addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* online = Named(help->addAction(QStringLiteral("&Online Help")), "mnuOnline");
    QAction* visit = Named(help->addAction(QStringLiteral("&Visit Us Online")), "mnuVisit");
    Named(help->addSeparator(), "mnuHelp1");
    QAction* update =
        Named(help->addAction(QStringLiteral("Check for Software &Update")), "mnuUpdate");
    Named(help->addSeparator(), "mnuHelp2");
    QAction* aboutEntry = Named(help->addAction(QStringLiteral("&About Software")), "mnuAbout");

    // Switched off as the program is delivered; shown greyed so the offer
    // stays visible, and it keeps its action should it ever be offered.
    QAction* makeMoney = Named(bar.addAction(QStringLiteral("Make Money &Online")), "mnuMakeMoney");
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
