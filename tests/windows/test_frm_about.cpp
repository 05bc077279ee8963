#include "links/vendor_pages.h"
#include "support/fake_platform.h"
#include "ui/widgets.h"
#include "windows/frm_about.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace tivora;

namespace {

template <typename T> T* Child(QWidget& window, const char* name) {
    auto* child = window.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qWarning("missing control %s", name);
    return child;
}

void Click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

} // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT

    test::FakePlatform platform;

private slots:
    void cleanup() { platform.clear(); }

    void captionsAndTitle() {
        frmAbout about(platform);
        QCOMPARE(about.windowTitle(), QStringLiteral("Tivora v2.05"));
        QVERIFY(about.isModal());

        auto* ok = Child<QPushButton>(about, "cmdOK");
        QVERIFY(ok);
        QCOMPARE(ok->text(), QStringLiteral("OK"));

        auto* line = Child<QFrame>(about, "Line1");
        QVERIFY(line);
        QCOMPARE(line->frameShape(), QFrame::HLine);

        auto* label1 = Child<QLabel>(about, "Label1");
        QVERIFY(label1);
        QCOMPARE(label1->text(),
                 QStringLiteral(
                     "Tivora is a Lagna calculator software based on Vedic Astrology. This program "
                     "tells us in detail the characteristics and features of people born with a "
                     "particular ascendant. The moon sign (Rashi) and the Vedic Ascendant (Lagna) "
                     "together describe an individual's nature. This helps you understand your "
                     "positive and negative traits, thus helping you improve your personality."));

        auto* label2 = Child<QLabel>(about, "Label2");
        QVERIFY(label2);
        QCOMPARE(label2->text(), QStringLiteral("Tivora v2.05"));
        QVERIFY(label2->font().bold());

        auto* coBrand = Child<LinkLabel>(about, "lblCoBrand");
        QVERIFY(coBrand);
        QCOMPARE(coBrand->text(), QStringLiteral("Click here for more details"));

        auto* label3 = Child<QLabel>(about, "Label3");
        QVERIFY(label3);
        QVERIFY(!qobject_cast<LinkLabel*>(label3));
        QCOMPARE(label3->text(), QStringLiteral("Home Business Opportunity. Start your own "
                                                "Internet business and make money online. Get "
                                                "this software fully branded for your website."));

        auto* home = Child<LinkLabel>(about, "lblHomePage");
        QVERIFY(home);
        QCOMPARE(home->text(), "Click here to visit " + VendorSiteAddress());
        QVERIFY(!home->text().contains("://"));

        for (QLabel* label :
             {label1, label2, label3, static_cast<QLabel*>(coBrand), static_cast<QLabel*>(home)})
            QVERIFY2(label->font().families() == VerdanaFont(8).families(),
                     qPrintable(label->objectName()));
        QVERIFY(platform.messages.isEmpty());
    }

    void eachLabelOpensExactlyItsPage() {
        frmAbout about(platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));

        Click(Child<QLabel>(about, "Label3"));
        Click(Child<QLabel>(about, "Label1"));
        Click(Child<QLabel>(about, "Label2"));
        QVERIFY(platform.openedUrls.isEmpty());

        Click(Child<QLabel>(about, "lblCoBrand"));
        QCOMPARE(platform.openedUrls, QList<QUrl>{VendorPageUrl(VendorPage::FullyBranded)});
        platform.openedUrls.clear();

        Click(Child<QLabel>(about, "lblHomePage"));
        QCOMPARE(platform.openedUrls, QList<QUrl>{VendorPageUrl(VendorPage::Home)});

        // Opening a page leaves the window as it was.
        QVERIFY(about.isVisible());
        QVERIFY(platform.messages.isEmpty());
    }

    void okCloses() {
        frmAbout about(platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        Click(Child<QPushButton>(about, "cmdOK"));
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(platform.openedUrls.isEmpty());
    }

    void shownModallyAndAnewEachTime() {
        QWidget owner;
        owner.show();
        QList<QPointer<QWidget>> shown;
        for (int round = 0; round < 2; ++round) {
            bool modal = false;
            platform.dialogs.push_back([&](QDialog& dialog) {
                modal = dialog.isModal(); // a modal box refuses other windows
                shown.append(&dialog);
                return int(QDialog::Accepted);
            });
            ShowAboutWindow(platform, &owner);
            QVERIFY(modal);
            QCOMPARE(platform.modals.size(), round + 1);
            QCOMPARE(platform.modals[round].className, QStringLiteral("tivora::frmAbout"));
            QCOMPARE(platform.modals[round].parent, &owner);
        }
        QCOMPARE(shown.size(), 2);
        // Each showing had its own window, gone once closed.
        QVERIFY(shown[0].isNull());
        QVERIFY(shown[1].isNull());
    }

    void layoutKeepsEverythingInside() {
        frmAbout about(platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QRect inside = about.rect();
        for (QWidget* w : about.findChildren<QWidget*>()) {
            QVERIFY2(inside.contains(w->geometry()), qPrintable(w->objectName()));
            if (auto* label = qobject_cast<QLabel*>(w)) {
                const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                     : label->sizeHint().height();
                QVERIFY2(label->height() >= needed, qPrintable(label->objectName()));
                if (!label->wordWrap())
                    QVERIFY2(label->width() >= label->sizeHint().width(),
                             qPrintable(label->objectName()));
            }
        }
        // The program icon sits at the top left, beside the title.
        auto* icon = Child<QLabel>(about, "picIcon");
        QVERIFY(icon);
        QVERIFY(!icon->pixmap().isNull());
        const QWidget* title = Child<QLabel>(about, "Label2");
        QVERIFY(icon->geometry().right() < title->geometry().left());
        QVERIFY(icon->geometry().top() <= title->geometry().top());
        // OK comes last, below the links.
        QVERIFY(Child<QWidget>(about, "cmdOK")->geometry().top() >
                Child<QWidget>(about, "lblHomePage")->geometry().bottom());

        const QString shots = qEnvironmentVariable("TIVORA_SHOTS_DIR");
        if (!shots.isEmpty())
            QVERIFY(about.grab().save(shots + "/frmAbout.png"));
    }
};

QTEST_MAIN(TestFrmAbout)
#include "test_frm_about.moc"
