#include "engine/chart_record.h"
#include "signs/sign_tables.h"
#include "support/fake_platform.h"
#include "ui/tab_strip.h"
#include "windows/frm_about.h"
#include "windows/frm_main.h"
#include "windows/frm_result.h"
#include "windows/frm_save.h"
#include "windows/frm_time_zone.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QtTest>

using namespace tivora;
using tivora::test::FakePlatform;

namespace {

// What a screen reader calls a control. A drop-down list's own name is its
// value on Linux: it is named by the label whose buddy it is.
QString SpokenName(QAccessibleInterface* control) {
    if (control->role() != QAccessible::ComboBox)
        return control->text(QAccessible::Name).trimmed();
    QStringList labels;
    for (const auto& [label, relation] : control->relations(QAccessible::Label))
        if (qobject_cast<QLabel*>(label->object()))
            labels << label->text(QAccessible::Name);
    return labels.join(' ').trimmed();
}

QString Describe(QAccessibleInterface* control) {
    const QObject* object = control->object();
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(QString::number(control->role(), 16), SpokenName(control),
             object ? object->objectName() : QString());
}

bool StartsGroup(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Window:
    case QAccessible::Dialog:
    case QAccessible::Grouping:
    case QAccessible::PageTabList:
    case QAccessible::List:
    case QAccessible::MenuBar:
        return true;
    default:
        return false;
    }
}

// Walks what a screen reader sees of a window (hidden parts left out) and
// lists what it could not announce properly: a focus stop without a name, a
// name two controls of one group share, a label that acts but is announced
// as text, and a label that only shows text yet takes the focus.
class Walker {
public:
    QStringList problems;

    void walk(QAccessibleInterface* node, const QString& group = {}) {
        if (!node || node->state().invisible)
            return;
        const QString here = StartsGroup(node->role()) ? Describe(node) : group;
        const QAccessible::State state = node->state();
        const QString name = SpokenName(node);
        if (state.focusable) {
            if (name.isEmpty())
                problems << QStringLiteral("no name: ") + Describe(node);
            else if (named_[group].contains(name))
                problems << QStringLiteral("name shared in %1: %2").arg(group, Describe(node));
            named_[group].insert(name);
        }
        if (auto* label = qobject_cast<QLabel*>(node->object())) {
            const bool acts = label->cursor().shape() == Qt::PointingHandCursor;
            const bool announcedAsActing =
                (node->role() == QAccessible::Link || node->role() == QAccessible::Button) &&
                node->actionInterface() &&
                node->actionInterface()->actionNames().contains(
                    QAccessibleActionInterface::pressAction());
            if (acts && !announcedAsActing)
                problems << QStringLiteral("acting label as text: ") + Describe(node);
            if (!acts && state.focusable)
                problems << QStringLiteral("text label is a focus stop: ") + Describe(node);
        }
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i), here);
    }

    static QStringList problemsOf(QWidget& window) {
        Walker walker;
        walker.walk(QAccessible::queryAccessibleInterface(&window));
        return walker.problems;
    }

private:
    QHash<QString, QSet<QString>> named_;
};

SignInformation Leo() {
    SignInformation info;
    SelectSignInformation("Leo", info);
    return info;
}

template <typename T> T* Child(QWidget& window, const char* name) {
    auto* child = window.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no %s", name);
    return child;
}

#define VERIFY_NO_PROBLEMS(window)                                                                 \
    do {                                                                                           \
        const QStringList found = Walker::problemsOf(window);                                      \
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("\n"))));                   \
    } while (false)

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    // The walker itself finds each kind of fault.
    void walkerFindsEachFault() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLineEdit); // no name
        layout->addWidget(new QPushButton(QStringLiteral("Go")));
        layout->addWidget(new QPushButton(QStringLiteral("Go")));
        auto* acting = new QLabel(QStringLiteral("Open the site"));
        acting->setCursor(Qt::PointingHandCursor);
        layout->addWidget(acting);
        auto* still = new QLabel(QStringLiteral("Just text"));
        still->setFocusPolicy(Qt::StrongFocus);
        layout->addWidget(still);
        // The same names apart, in groups of their own, are fine.
        for (const char* title : {"Latitude", "Longitude"}) {
            auto* group = new QGroupBox(QString::fromLatin1(title));
            auto* inside = new QVBoxLayout(group);
            auto* caption = new QLabel(QStringLiteral("Deg"));
            auto* box = new QLineEdit;
            caption->setBuddy(box);
            inside->addWidget(caption);
            inside->addWidget(box);
            layout->addWidget(group);
        }
        window.show();
        const QStringList found = Walker::problemsOf(window);
        QCOMPARE(found.size(), 4);
        QVERIFY(found[0].startsWith("no name"));
        QVERIFY(found[1].startsWith("name shared") && found[1].contains("Go"));
        QVERIFY(found[2].startsWith("acting label") && found[2].contains("Open the site"));
        QVERIFY(found[3].startsWith("text label is a focus stop"));
    }

    void mainWindow() {
        FakePlatform platform;
        ChartRecord chart;
        SignInformation info;
        frmMain main(platform, chart, info);
        main.show();
        VERIFY_NO_PROBLEMS(main);
        // The lists and zone boxes by the names the reader speaks.
        const QList<QPair<const char*, QString>> names{{"cboMonth", "Birth month"},
                                                       {"cboDate", "Birth day"},
                                                       {"cboYear", "Birth year"},
                                                       {"cboHH", "Birth hour"},
                                                       {"cboMM", "Birth minute"},
                                                       {"cboSS", "Birth second"},
                                                       {"txtZoneHour", "Time zone hours"},
                                                       {"txtZoneMinute", "Time zone minutes"},
                                                       {"lblTZHelp", "TZ Help"}};
        for (const auto& [object, name] : names)
            QCOMPARE(
                SpokenName(QAccessible::queryAccessibleInterface(Child<QWidget>(main, object))),
                name);
        // The link acts through its press action as through a click.
        QAccessibleInterface* help =
            QAccessible::queryAccessibleInterface(Child<QWidget>(main, "lblTZHelp"));
        QCOMPARE(help->role(), QAccessible::Link);
        platform.dialogs.push_back([](QDialog&) { return 0; });
        help->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(platform.modals.size(), 1);
        QCOMPARE(platform.modals[0].objectName, QStringLiteral("frmTimeZone"));
        QVERIFY(!Child<QWidget>(main, "lblPlaceZone")->focusPolicy());
    }

    void timeZonePicker() {
        QLineEdit hours;
        QLineEdit minutes;
        frmTimeZone picker(hours, minutes);
        picker.show();
        VERIFY_NO_PROBLEMS(picker);
    }

    void resultWindowOnEveryPage() {
        FakePlatform platform;
        frmResult result(platform, Leo());
        result.show();
        for (int page = 1; page <= 8; ++page) {
            result.ShowPage(page);
            VERIFY_NO_PROBLEMS(result);
        }
        result.ShowPage(1);
        QCOMPARE(SpokenName(QAccessible::queryAccessibleInterface(
                     Child<QWidget>(result, "txtTypeOfSign"))),
                 QStringLiteral("Type Of Sign"));
        QCOMPARE(SpokenName(QAccessible::queryAccessibleInterface(
                     Child<QWidget>(result, "txtRullingPlanet"))),
                 QStringLiteral("Rulling Planet"));
    }

    // The strip's pages are page tabs a reader can list, hear and press.
    void tabStripShowsPageTabs() {
        FakePlatform platform;
        frmResult result(platform, Leo());
        result.show();
        auto* strip = Child<TabStrip>(result, "TS");
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(strip);
        QCOMPARE(list->role(), QAccessible::PageTabList);
        QCOMPARE(list->childCount(), 8);
        for (int i = 0; i < 8; ++i) {
            QAccessibleInterface* tab = list->child(i);
            QVERIFY(tab);
            QCOMPARE(tab->role(), QAccessible::PageTab);
            QCOMPARE(tab->text(QAccessible::Name), strip->tabText(i));
            QCOMPARE(tab->parent(), list);
            QCOMPARE(list->indexOfChild(tab), i);
            QCOMPARE(bool(tab->state().selected), i == 0);
            QVERIFY(strip->rect().contains(strip->mapFromGlobal(tab->rect().center())));
            QCOMPARE(list->childAt(tab->rect().center().x(), tab->rect().center().y()), tab);
        }
        QCOMPARE(list->child(6)->text(QAccessible::Name), QStringLiteral("Lucky for Simha"));
        QAccessibleInterface* health = list->child(5);
        health->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(result.currentPage(), 6);
        QVERIFY(health->state().selected);
        QVERIFY(!list->child(0)->state().selected);
        result.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&result));
        strip->setFocus();
        QVERIFY(health->state().focused);
        QCOMPARE(list->focusChild(), health);
        QVERIFY(!list->child(8));
    }

    void reportWindow() {
        FakePlatform platform;
        ChartRecord chart;
        frmSave save(platform, chart, Leo());
        save.show();
        VERIFY_NO_PROBLEMS(save);
        QAccessibleInterface* link =
            QAccessible::queryAccessibleInterface(Child<QWidget>(save, "Label3"));
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(platform.openedUrls.size(), 1);
    }

    void aboutWindow() {
        FakePlatform platform;
        frmAbout about(platform);
        about.show();
        VERIFY_NO_PROBLEMS(about);
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
