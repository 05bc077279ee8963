#include "links/vendor_pages.h"
#include "reading/result_fields.h"
#include "reading/sign_pictures.h"
#include "reading/svg_draw.h"
#include "signs/sign_tables.h"
#include "support/fake_platform.h"
#include "ui/tab_strip.h"
#include "windows/frm_result.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStyle>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <string>

using tivora::frmResult;
using tivora::SignInformation;
using tivora::VendorPage;
using tivora::test::FakePlatform;

namespace {

const char* const kAbbreviations[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                      "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

// Each box and the field it shows, written out here apart from the window's
// own table.
struct ExpectedBox {
    const char* box;
    std::string SignInformation::*member;
};

const ExpectedBox kBoxes[] = {
    {"txtRullingPlanet", &SignInformation::RulingPlanet},
    {"txtEnglishName", &SignInformation::EnglishName},
    {"txtInbornNature", &SignInformation::InbornNature},
    {"txtSymbol", &SignInformation::Symbol},
    {"txtSignColor", &SignInformation::SignColor},
    {"txtTypeOfSign", &SignInformation::TypeOfSign},
    {"txtGender", &SignInformation::Gender},
    {"txtBarren", &SignInformation::Fruitfulness},
    {"txtSignCaste", &SignInformation::SignCaste},
    {"txtSignPosition", &SignInformation::SignPosition},
    {"txtConstituentCharacter", &SignInformation::ConstituentCharacter},
    {"txtPartOfTheBody", &SignInformation::PartOfTheBody},
    {"txtPhysique", &SignInformation::Physique},
    {"txtLooks", &SignInformation::Looks},
    {"txtNature", &SignInformation::Nature},
    {"txtCareerAndFinance", &SignInformation::CareerAndFinance},
    {"txtLoveAndDomesticLife", &SignInformation::LoveAndDomesticLife},
    {"txtCompatibleWith", &SignInformation::CompatibleWith},
    {"txtNotCompatibleWith", &SignInformation::NotCompatibleWith},
    {"txtHealth", &SignInformation::Health},
    {"txtLuckyDays", &SignInformation::LuckyDays},
    {"txtLuckyNumbers", &SignInformation::LuckyNumbers},
    {"txtBestDirection", &SignInformation::BestDirection},
    {"txtLuckyColors", &SignInformation::LuckyColors},
    {"txtLuckyGemstone", &SignInformation::LuckyGemstone},
    {"txtBestPeriodOfActivity", &SignInformation::BestPeriodOfActivity},
};

const char* const kMultiLineBoxes[] = {"txtLooks", "txtNature", "txtCareerAndFinance",
                                       "txtLoveAndDomesticLife", "txtHealth"};

// Page-7 captions: their prefix once loaded and their hover text.
struct LuckyCaption {
    const char* prefix;
    const char* hover;
};

const LuckyCaption kLuckyCaptions[] = {
    {"Lucky Days for ", "This signifies the lucky days for people born under this sign."},
    {"Lucky Numbers for ", "This signifies the lucky numbers for people born under this sign."},
    {"Best Direction for ", "This signifies the lucky directions for people born under this sign."},
    {"Lucky Colors for ", "This signifies the lucky colors for people born under this sign."},
    {"Lucky Gemstone for ", "This signifies the lucky gemstones for people born under this sign."},
    {"Best Period Of Activity for ",
     "This shows the best period of the day when people of this sign are more active."},
};

struct CaptionHover {
    const char* caption;
    const char* hover;
};

const CaptionHover kCaptionHovers[] = {
    {"Rulling Planet", "This signifies the planet that exercises a powerful energy on the sign."},
    {"English Name", "This signifies the English name for the Vedic moon sign."},
    {"Inborn Nature", "This describes the human characteristics of this sign."},
    {"Symbol", "This signifies the picture associated with the moon sign."},
    {"Sign Color", "This signifies the color associated with the sign."},
    {"Type Of Sign", "This signifies the attitude of the people under this sign."},
    {"Gender",
     "The male rashis are more dynamic in nature while the female rashis are passive by nature."},
    {"Barren / Fruitful", "This classifies the signs on basis of fertility."},
    {"Sign Caste",
     "This classifies the sign based on caste into Brahmana (the seeker and teacher of "
     "knowledge), Kshatriya (warriors, rulers), Vaisya (the industrialists, wealth creators) and "
     "the Sudras (the workers)."},
    {"Sign Position", "This classifies the sign based on position into Dwara (Entrance), Bahya "
                      "(Outside), Garbha (Inside)."},
    {"Constituent Character", "This classifies the sign based on constituent making into Dhatu "
                              "(Mineral), Moola (Vegetable) and Jeeva (Animal). "},
    {"Part Of The Body", "This shows the parts of the bodies that the different signs represent."},
    {"Physique", "This signifies the general stature of people born under this sign. "},
    {"Looks", "This signifies the physical appearance of people born under this sign."},
    {"Nature", "This signifies the human nature of people born under this sign. "},
    {"Career And Finance", "This shows their career interests and financial habits."},
    {"Love And Domestic Life", "This signifies born under this sign."},
    {"Compatible With",
     "This signifies the other rashis/ moon signs that are compatible with this sign."},
    {"Not Compatible With",
     "This signifies the other rashis/ moon signs that are not compatible with this sign."},
    {"Health", "This signifies the health issues of people born under this rashi."},
};

SignInformation Reading(const char* abbreviation) {
    SignInformation info;
    tivora::SelectSignInformation(abbreviation, info);
    return info;
}

QImage PictureOf(const QLabel* label) {
    return label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage SignImage(int index, qreal ratio) {
    return tivora::SignPicture(index, ratio)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The sign's own drawing, read straight from its file (named after the
// sign), as the picture box should show it.
QImage SignFileImage(const std::string& englishName, qreal ratio) {
    QSvgRenderer renderer(
        QStringLiteral(":/pictures/%1.svg").arg(QString::fromStdString(englishName).toLower()));
    return tivora::DrawSvg(renderer, qRound(200 * ratio))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// All labels of the window whose text is exactly `text`.
QList<QLabel*> LabelsSaying(const QWidget& window, const QString& text) {
    QList<QLabel*> found;
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->text() == text)
            found.append(label);
    return found;
}

QtMessageHandler previousHandler = nullptr;

// The offscreen platform warns on every shown window that it cannot pass size
// hints on; that says nothing about this window.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    previousHandler(type, context, message);
}

} // namespace

class TestFrmResult final : public QObject {
    Q_OBJECT

private:
    FakePlatform platform;

    std::unique_ptr<frmResult> open(const SignInformation& info) {
        return std::make_unique<frmResult>(platform, info);
    }

    // A page is built when first shown; this shows each once, ending on 1.
    static void visitEveryPage(frmResult& window) {
        for (int page = 8; page >= 1; --page)
            window.ShowPage(page);
    }
    std::unique_ptr<frmResult> openBuilt(const SignInformation& info) {
        auto window = open(info);
        visitEveryPage(*window);
        return window;
    }

    template <typename T> T* child(const QWidget& window, const char* name) {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qWarning("no %s named %s", T::staticMetaObject.className(), name);
        return found;
    }

    QString boxText(const QWidget& window, const char* name) {
        if (auto* line = window.findChild<QLineEdit*>(QString::fromLatin1(name)))
            return line->text();
        if (auto* text = window.findChild<QPlainTextEdit*>(QString::fromLatin1(name)))
            return text->toPlainText();
        return QStringLiteral("<no box %1>").arg(QString::fromLatin1(name));
    }

    void checkOnPage(const frmResult& window, int page) {
        auto* tabs = window.findChild<tivora::TabStrip*>(QStringLiteral("TS"));
        auto* front = window.findChild<QFrame*>(QStringLiteral("Frame%1").arg(page));
        QVERIFY(tabs && front);
        QCOMPARE(window.currentPage(), page);
        QCOMPARE(tabs->currentIndex(), page - 1);
        auto* stack = qobject_cast<QStackedWidget*>(front->parentWidget());
        QVERIFY(stack);
        QCOMPARE(stack->currentWidget(), front);
    }

    void showAndSettle(QWidget& window) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
    }

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(QuietHandler); }
    void cleanup() { platform.clear(); }

    void leoReadingFillsPanelAndPages() {
        const SignInformation leo = Reading("Leo");
        QCOMPARE(leo.VedicName, std::string("Simha"));
        auto window = open(leo);
        // Only what shows is built: the panel and page 1.
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("txtTypeOfSign")));
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("txtNature")));
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("lblHomePage")));
        visitEveryPage(*window);

        QCOMPARE(window->windowTitle(), QStringLiteral("Tivora v2.05"));
        QCOMPARE(child<QLabel>(*window, "lblVedicName")->text(), QStringLiteral("Simha"));
        QCOMPARE(boxText(*window, "txtEnglishName"), QStringLiteral("Leo"));
        for (const ExpectedBox& box : kBoxes)
            QCOMPARE(boxText(*window, box.box), QString::fromStdString(leo.*box.member));
        checkOnPage(*window, 1);

        auto* tabs = child<tivora::TabStrip>(*window, "TS");
        QCOMPARE(tabs->tabText(6), QStringLiteral("Lucky for Simha"));
        for (const LuckyCaption& caption : kLuckyCaptions) {
            const QString loaded = QString::fromLatin1(caption.prefix) + QStringLiteral("Simha");
            const QList<QLabel*> labels = LabelsSaying(*window, loaded);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.front()->toolTip(), QString::fromLatin1(caption.hover));
        }

        const QImage expected = SignFileImage("Leo", window->devicePixelRatioF());
        QVERIFY(!expected.isNull());
        QCOMPARE(PictureOf(child<QLabel>(*window, "picRashi")), expected);
    }

    void prosePreservedExactly() {
        // Odd spacing, a line break and characters outside Latin-1 must reach
        // the boxes untouched.
        SignInformation info = Reading("Sag");
        info.Nature = "  Leading spaces,\ttab, line one\nline two ☉ – trailing  ";
        info.LuckyColors = "Yellow,  Gray , Brown ";
        auto window = openBuilt(info);
        QCOMPARE(boxText(*window, "txtNature"), QString::fromStdString(info.Nature));
        QCOMPARE(boxText(*window, "txtLuckyColors"), QString::fromStdString(info.LuckyColors));
    }

    void everySignShowsItsPicture_data() {
        QTest::addColumn<QString>("abbreviation");
        for (const char* abbreviation : kAbbreviations)
            QTest::newRow(abbreviation) << QString::fromLatin1(abbreviation);
    }

    void everySignShowsItsPicture() {
        QFETCH(QString, abbreviation);
        const SignInformation info = Reading(abbreviation.toLatin1().constData());
        auto window = openBuilt(info);
        const QImage expected = SignFileImage(info.EnglishName, window->devicePixelRatioF());
        QVERIFY(!expected.isNull());
        auto* picture = child<QLabel>(*window, "picRashi");
        QCOMPARE(picture->size(), QSize(202, 202));
        QCOMPARE(PictureOf(picture), expected);
        // Rendered for the screen's density, so it stays crisp when scaled.
        QCOMPARE(picture->pixmap().devicePixelRatio(), window->devicePixelRatioF());
        QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(200, 200));
    }

    void unknownNameKeepsFirstPicture_data() {
        QTest::addColumn<QString>("englishName");
        QTest::newRow("empty") << QString();
        QTest::newRow("lower case") << QStringLiteral("leo");
        QTest::newRow("trailing space") << QStringLiteral("Leo ");
        QTest::newRow("abbreviation") << QStringLiteral("Sag");
    }

    void unknownNameKeepsFirstPicture() {
        QFETCH(QString, englishName);
        SignInformation info = Reading("Leo");
        info.EnglishName = englishName.toStdString();
        auto window = openBuilt(info);
        const QImage aquarius = SignImage(0, window->devicePixelRatioF());
        QCOMPARE(tivora::SignPictureKeys().front(), QStringLiteral("Aquarius"));
        QCOMPARE(PictureOf(child<QLabel>(*window, "picRashi")), aquarius);
    }

    void emptyReadingShowsEmptyValues() {
        auto window = openBuilt(SignInformation{});
        QCOMPARE(child<QLabel>(*window, "lblVedicName")->text(), QString());
        for (const ExpectedBox& box : kBoxes)
            QCOMPARE(boxText(*window, box.box), QString());
        QCOMPARE(child<tivora::TabStrip>(*window, "TS")->tabText(6), QStringLiteral("Lucky for "));
        for (const LuckyCaption& caption : kLuckyCaptions)
            QCOMPARE(LabelsSaying(*window, QString::fromLatin1(caption.prefix)).size(), 1);
        QCOMPARE(PictureOf(child<QLabel>(*window, "picRashi")),
                 SignImage(0, window->devicePixelRatioF()));
        checkOnPage(*window, 1);
    }

    void tabCaptions() {
        auto window = openBuilt(Reading("Ari"));
        auto* tabs = child<tivora::TabStrip>(*window, "TS");
        const QStringList expected{
            QStringLiteral("Sign Characteristics"),   QStringLiteral("Physique And Looks"),
            QStringLiteral("Human Nature"),           QStringLiteral("Career And Finance"),
            QStringLiteral("Love And Compatibility"), QStringLiteral("Health"),
            QStringLiteral("Lucky for Mesha"),        QStringLiteral("About Software")};
        QCOMPARE(tabs->count(), expected.size());
        for (int i = 0; i < tabs->count(); ++i)
            QCOMPARE(tabs->tabText(i), expected.at(i));
    }

    void nextAndBackKeepTabAndPageInStep() {
        auto window = openBuilt(Reading("Vir"));
        showAndSettle(*window);
        QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("cmdBack1")));
        QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("cmdNext8")));
        for (int page = 1; page <= 7; ++page) {
            auto* next =
                child<QPushButton>(*window, qPrintable(QStringLiteral("cmdNext%1").arg(page)));
            QVERIFY(next);
            QCOMPARE(next->text(), QStringLiteral("Next"));
            QVERIFY(next->isVisible());
            QTest::mouseClick(next, Qt::LeftButton);
            checkOnPage(*window, page + 1);
        }
        for (int page = 8; page >= 2; --page) {
            auto* back =
                child<QPushButton>(*window, qPrintable(QStringLiteral("cmdBack%1").arg(page)));
            QVERIFY(back);
            QCOMPARE(back->text(), QStringLiteral("Back"));
            QVERIFY(back->isVisible());
            QTest::mouseClick(back, Qt::LeftButton);
            checkOnPage(*window, page - 1);
        }
    }

    void pageButtonsSitBottomRight() {
        auto window = openBuilt(Reading("Lib"));
        window->resize(window->size() + QSize(120, 80));
        showAndSettle(*window);
        for (int page = 1; page <= 8; ++page) {
            window->ShowPage(page);
            QCoreApplication::processEvents();
            auto* frame = child<QFrame>(*window, qPrintable(QStringLiteral("Frame%1").arg(page)));
            // The rightmost button: Next, or Back on the last page.
            const QString rightName = page < 8 ? QStringLiteral("cmdNext%1").arg(page)
                                               : QStringLiteral("cmdBack%1").arg(page);
            auto* right = window->findChild<QPushButton*>(rightName);
            QVERIFY(right);
            const QRect rightBox(right->mapTo(frame, QPoint(0, 0)), right->size());
            QVERIFY2(frame->width() - rightBox.right() < 24, qPrintable(rightName));
            QVERIFY2(frame->height() - rightBox.bottom() < 24, qPrintable(rightName));
            for (QWidget* other : frame->findChildren<QWidget*>())
                if (other->isVisible() && other != right && !other->isAncestorOf(right) &&
                    !right->parentWidget()->isAncestorOf(other) && other->parentWidget() == frame)
                    QVERIFY(other->mapTo(frame, QPoint(0, other->height())).y() <= rightBox.top());
            if (page >= 2 && page <= 7) {
                auto* back = window->findChild<QPushButton*>(QStringLiteral("cmdBack%1").arg(page));
                QVERIFY(back);
                QCOMPARE(back->mapTo(frame, QPoint(0, 0)).y(), rightBox.top());
                QVERIFY(back->mapTo(frame, QPoint(back->width(), 0)).x() <= rightBox.left());
            }
        }
    }

    void tabClicksBringTheirPage() {
        auto window = openBuilt(Reading("Sco"));
        showAndSettle(*window);
        auto* tabs = child<tivora::TabStrip>(*window, "TS");
        for (int index : {2, 1, 0, 3, 0, 7, 5, 6, 4}) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
            checkOnPage(*window, index + 1);
            // The chosen tab's row lies against the pages.
            QCOMPARE(tabs->rowOf(index), 1);
        }
    }

    // All eight captions at once, whole, in two rows across the page area;
    // no scroll arrows.
    void tabStripShowsEveryCaption() {
        auto window = openBuilt(Reading("Sco"));
        showAndSettle(*window);
        auto* tabs = child<tivora::TabStrip>(*window, "TS");
        auto* pages = child<QWidget>(*window, "fraPages");
        QCOMPARE(tabs->width(), pages->width());
        QCOMPARE(tabs->mapTo(window.get(), QPoint(0, tabs->height())).y(),
                 pages->mapTo(window.get(), QPoint(0, 0)).y());
        QVERIFY(tabs->findChildren<QAbstractButton*>().isEmpty());
        QSet<int> rows;
        for (int tab = 0; tab < tabs->count(); ++tab) {
            const QRect rect = tabs->tabRect(tab);
            QVERIFY(tabs->rect().contains(rect));
            QVERIFY2(tabs->fontMetrics().horizontalAdvance(tabs->tabText(tab)) + 8 <= rect.width(),
                     qPrintable(tabs->tabText(tab)));
            for (int other = 0; other < tab; ++other)
                QVERIFY(!rect.intersects(tabs->tabRect(other)));
            rows.insert(tabs->rowOf(tab));
        }
        QCOMPARE(rows, QSet<int>({0, 1}));
    }

    void tabStripKeysAndFocusMark() {
        auto window = openBuilt(Reading("Sco"));
        showAndSettle(*window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* tabs = child<tivora::TabStrip>(*window, "TS");
        QVERIFY(tabs->hasFocus());
        const QImage focused = tabs->grab().toImage();
        child<QWidget>(*window, "cmdSave")->setFocus();
        const QImage unfocused = tabs->grab().toImage();
        const QRect current = tabs->tabRect(0);
        const qreal ratio = focused.devicePixelRatio();
        const QRect pixels(current.topLeft() * ratio, current.size() * ratio);
        QVERIFY2(focused.copy(pixels) != unfocused.copy(pixels), "no focus mark on the tab");

        tabs->setFocus();
        const QList<QPair<int, int>> steps{
            {Qt::Key_Right, 2}, {Qt::Key_Right, 3}, {Qt::Key_Left, 2}, {Qt::Key_End, 8},
            {Qt::Key_Right, 8}, {Qt::Key_Home, 1},  {Qt::Key_Left, 1}, {Qt::Key_Down, 2}};
        for (const auto& [key, page] : steps) {
            QTest::keyClick(tabs, Qt::Key(key));
            checkOnPage(*window, page);
        }
        // Next on a page moves the strip along.
        QTest::mouseClick(child<QPushButton>(*window, "cmdNext2"), Qt::LeftButton);
        QCOMPARE(tabs->currentIndex(), 2);
        QAccessibleInterface* third = QAccessible::queryAccessibleInterface(tabs)->child(2);
        QVERIFY(third->state().selected);
        QCOMPARE(third->text(QAccessible::Name), QStringLiteral("Human Nature"));
    }

    void showPageIgnoresOtherNumbersAndRepeats() {
        auto window = openBuilt(Reading("Cap"));
        window->ShowPage(3);
        checkOnPage(*window, 3);
        window->ShowPage(3);
        checkOnPage(*window, 3);
        for (int bad : {0, -1, 9, 100}) {
            window->ShowPage(bad);
            checkOnPage(*window, 3);
        }
    }

    void aboutMenuShowsPageEight() {
        auto window = openBuilt(Reading("Gem"));
        auto* about = child<QAction>(*window, "mnuAbout");
        QCOMPARE(about->text(), QStringLiteral("&About Software"));
        about->trigger();
        checkOnPage(*window, 8);
        QVERIFY(platform.openedUrls.isEmpty());
        // It is this window's page, not another window.
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::none_of(windows.begin(), windows.end(),
                             [](const QWidget* w) { return w->isVisible(); }));
    }

    void menusInOrder() {
        auto window = openBuilt(Reading("Can"));
        QStringList bar;
        for (QAction* action : window->menuBar()->actions())
            bar << action->text();
        QCOMPARE(bar, QStringList({QStringLiteral("&File"), QStringLiteral("&Language"),
                                   QStringLiteral("&Help"), QStringLiteral("Make Money &Online")}));

        auto entries = [](QMenu* menu) {
            QStringList texts;
            for (QAction* action : menu->actions())
                texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
            return texts;
        };
        QList<QAction*> top = window->menuBar()->actions();
        QCOMPARE(
            entries(top.at(0)->menu()),
            QStringList({QStringLiteral("&Back"), QStringLiteral("-"), QStringLiteral("&Save")}));
        QCOMPARE(entries(top.at(1)->menu()),
                 QStringList({QStringLiteral("English"),
                              QStringLiteral("\u0939\u093F\u0928\u094D\u0926\u0940")}));
        QCOMPARE(entries(top.at(2)->menu()),
                 QStringList({QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"),
                              QStringLiteral("-"), QStringLiteral("Check for Software &Update"),
                              QStringLiteral("-"), QStringLiteral("&About Software")}));
        QCOMPARE(top.at(3)->objectName(), QStringLiteral("mnuMakeMoney"));
        QVERIFY(!top.at(3)->isEnabled());
        QVERIFY(top.at(3)->isVisible());
    }

    void linksOpenTheirPages_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("page");
        QTest::newRow("mnuOnline") << "mnuOnline" << int(VendorPage::Help);
        QTest::newRow("mnuVisit") << "mnuVisit" << int(VendorPage::Home);
        QTest::newRow("mnuUpdate") << "mnuUpdate" << int(VendorPage::Download);
        QTest::newRow("mnuMakeMoney") << "mnuMakeMoney" << int(VendorPage::FullyBranded);
        QTest::newRow("lblFullBrand") << "lblFullBrand" << int(VendorPage::FullyBranded);
        QTest::newRow("lblCoBrand") << "lblCoBrand" << int(VendorPage::FullyBranded);
        QTest::newRow("lblCobrand1") << "lblCobrand1" << int(VendorPage::CoBrand);
        QTest::newRow("Label61") << "Label61" << int(VendorPage::Home);
        QTest::newRow("lblHomePage") << "lblHomePage" << int(VendorPage::Home);
    }

    void linksOpenTheirPages() {
        QFETCH(QString, control);
        QFETCH(int, page);
        auto window = openBuilt(Reading("Pis"));
        showAndSettle(*window);
        QSignalSpy back(window.get(), &frmResult::backRequested);
        QSignalSpy save(window.get(), &frmResult::saveRequested);
        int shownPage = 1;
        if (auto* action = window->findChild<QAction*>(control)) {
            // The bar entry is off by design; its wiring still has to hold.
            action->setEnabled(true);
            action->trigger();
        } else {
            auto* label = window->findChild<tivora::LinkLabel*>(control);
            QVERIFY2(label, qPrintable(control));
            // A user clicks it on its page.
            for (int k = 1; k <= 8; ++k)
                if (child<QWidget>(*window, qPrintable(QStringLiteral("Frame%1").arg(k)))
                        ->isAncestorOf(label)) {
                    window->ShowPage(k);
                    shownPage = k;
                }
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(label->font().underline());
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
        }
        QCOMPARE(platform.openedUrls, QList<QUrl>{tivora::VendorPageUrl(VendorPage(page))});
        QCOMPARE(back.count() + save.count(), 0);
        checkOnPage(*window, shownPage);
    }

    void backAndSaveEmit_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("isBack");
        QTest::newRow("cmdBack") << "cmdBack" << true;
        QTest::newRow("mnuBack") << "mnuBack" << true;
        QTest::newRow("cmdSave") << "cmdSave" << false;
        QTest::newRow("mnuSave") << "mnuSave" << false;
    }

    void backAndSaveEmit() {
        QFETCH(QString, control);
        QFETCH(bool, isBack);
        auto window = openBuilt(Reading("Tau"));
        showAndSettle(*window);
        QSignalSpy back(window.get(), &frmResult::backRequested);
        QSignalSpy save(window.get(), &frmResult::saveRequested);
        QSignalSpy closed(window.get(), &frmResult::closedByUser);
        if (auto* button = window->findChild<QPushButton*>(control)) {
            QCOMPARE(button->text(), isBack ? QStringLiteral("&Back") : QStringLiteral("&Save"));
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            auto* action = window->findChild<QAction*>(control);
            QVERIFY(action);
            action->trigger();
        }
        QCOMPARE(back.count(), isBack ? 1 : 0);
        QCOMPARE(save.count(), isBack ? 0 : 1);
        QCOMPARE(closed.count(), 0);
        QVERIFY(platform.openedUrls.isEmpty());
    }

    void closingByUserEndsTheProgram() {
        auto window = openBuilt(Reading("Aqu"));
        showAndSettle(*window);
        QSignalSpy closed(window.get(), &frmResult::closedByUser);
        QVERIFY(window->close());
        QCOMPARE(closed.count(), 1);

        auto second = open(Reading("Aqu"));
        showAndSettle(*second);
        QSignalSpy quiet(second.get(), &frmResult::closedByUser);
        second->unload();
        QVERIFY(!second->isVisible());
        QCOMPARE(quiet.count(), 0);
    }

    void proseBoxesWrapAndScroll() {
        SignInformation info = Reading("Sag");
        // The longest Nature text of the tables, and one far longer than any.
        std::string longest;
        for (const char* abbreviation : kAbbreviations) {
            const std::string nature = Reading(abbreviation).Nature;
            if (nature.size() > longest.size())
                longest = nature;
        }
        QVERIFY(longest.size() >= 500);
        for (const std::string& nature : {longest, longest + " " + longest + " " + longest}) {
            info.Nature = nature;
            auto window = openBuilt(info);
            showAndSettle(*window);
            window->ShowPage(3);
            QCoreApplication::processEvents();
            auto* box = child<QPlainTextEdit>(*window, "txtNature");
            QVERIFY(box->isReadOnly());
            QCOMPARE(box->toPlainText(), QString::fromStdString(nature));
            QCOMPARE(box->horizontalScrollBar()->maximum(), 0);
            const int lines = box->document()->documentLayout()->documentSize().height();
            const int visible = box->viewport()->height() / box->fontMetrics().lineSpacing();
            QVERIFY(lines > 1);
            if (lines > visible) {
                QVERIFY(box->verticalScrollBar()->maximum() > 0);
                QVERIFY(box->verticalScrollBar()->maximum() + visible >= lines);
            }
            if (nature.size() > 2000)
                QVERIFY2(lines > visible, "a text this long must need scrolling");
            // The box takes most of its page.
            auto* frame = child<QFrame>(*window, "Frame3");
            QVERIFY(box->height() * 2 > frame->height());
        }
        auto window = openBuilt(info);
        for (const char* name : kMultiLineBoxes) {
            auto* box = child<QPlainTextEdit>(*window, name);
            QVERIFY(box->isReadOnly());
            QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QVERIFY(box->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff);
        }
        for (const ExpectedBox& box : kBoxes) {
            if (auto* line = window->findChild<QLineEdit*>(QString::fromLatin1(box.box))) {
                QVERIFY(line->isReadOnly());
                QCOMPARE(line->cursorPosition(), 0);
            }
        }
    }

    void captionsAndHoverTexts() {
        auto window = openBuilt(Reading("Leo"));
        for (const CaptionHover& expected : kCaptionHovers) {
            const QList<QLabel*> labels =
                LabelsSaying(*window, QString::fromLatin1(expected.caption));
            QVERIFY2(labels.size() == 1, expected.caption);
            QCOMPARE(labels.front()->toolTip(), QString::fromLatin1(expected.hover));
            QVERIFY(!labels.front()->objectName().isEmpty());
        }
        // Pages 2 to 6 use bold captions; 1 and 7 plain ones aligned right.
        for (int page = 1; page <= 7; ++page) {
            auto* frame = child<QFrame>(*window, qPrintable(QStringLiteral("Frame%1").arg(page)));
            int captions = 0;
            for (QLabel* label : frame->findChildren<QLabel*>()) {
                if (label->toolTip().isEmpty())
                    continue;
                ++captions;
                const bool sideways = page == 1 || page == 7;
                QCOMPARE(label->font().bold(), !sideways);
                if (sideways)
                    QVERIFY(label->alignment() & Qt::AlignRight);
            }
            QVERIFY(captions > 0);
        }
    }

    void captionsHugTheirBoxes() {
        auto window = openBuilt(Reading("Sco"));
        showAndSettle(*window);
        for (int page : {1, 7}) {
            window->ShowPage(page);
            QCoreApplication::processEvents();
            auto* frame = child<QFrame>(*window, qPrintable(QStringLiteral("Frame%1").arg(page)));
            const QList<QLineEdit*> boxes = frame->findChildren<QLineEdit*>();
            QVERIFY(boxes.size() >= 6);
            int boxLeft = -1;
            for (QLineEdit* box : boxes) {
                // One column of boxes; each caption ends just left of its box.
                if (boxLeft < 0)
                    boxLeft = box->x();
                QCOMPARE(box->x(), boxLeft);
                QLabel* caption = nullptr;
                for (QLabel* label : frame->findChildren<QLabel*>())
                    if (label->geometry().center().y() == box->geometry().center().y() ||
                        qAbs(label->geometry().center().y() - box->geometry().center().y()) <= 2)
                        caption = label;
                QVERIFY2(caption, qPrintable(box->objectName()));
                const int textRight =
                    caption->x() + caption->width() -
                    (caption->alignment() & Qt::AlignRight
                         ? 0
                         : caption->width() -
                               caption->fontMetrics().horizontalAdvance(caption->text()));
                QVERIFY(textRight <= box->x());
                QVERIFY2(box->x() - textRight <= 12, qPrintable(caption->text()));
            }
        }
    }

    void fontsAndBanners() {
        auto window = openBuilt(Reading("Leo"));
        showAndSettle(*window);
        auto* name = child<QLabel>(*window, "lblVedicName");
        QVERIFY(name->font().bold());
        QCOMPARE(name->font().pointSizeF(), 12.0);
        QCOMPARE(window->font().pointSizeF(), 8.25);

        auto* banner = child<QGroupBox>(*window, "Frame9");
        QCOMPARE(banner->title(), tivora::VendorSiteAddress());
        QVERIFY(banner->font().bold());
        auto* board = child<tivora::LinkLabel>(*window, "Label61");
        QVERIFY(banner->isAncestorOf(board));
        QVERIFY(!board->text().isEmpty());
        QCOMPARE(board->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(board->autoFillBackground());

        // The co-branding label covers the full-branding one in the same place.
        auto* full = child<tivora::LinkLabel>(*window, "lblFullBrand");
        auto* co = child<tivora::LinkLabel>(*window, "lblCobrand1");
        auto* frame = child<QFrame>(*window, "fraFullBrand");
        QVERIFY(frame->isAncestorOf(full) && frame->isAncestorOf(co));
        QCOMPARE(full->text(),
                 QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                                "make money online. Get this software fully branded for your "
                                "website. Click here for more details."));
        QCOMPARE(co->geometry(), full->geometry());
        QCOMPARE(frame->childAt(co->geometry().center()), co);
        for (QLabel* label : {static_cast<QLabel*>(full), static_cast<QLabel*>(co)}) {
            QVERIFY(label->font().bold());
            QVERIFY(label->font().underline());
            QVERIFY(label->alignment() & Qt::AlignHCenter);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
        }
        // Filled, so the label behind does not show through.
        QVERIFY(co->autoFillBackground());

        // The left panel's buttons sit side by side below the rows.
        auto* back = child<QPushButton>(*window, "cmdBack");
        auto* save = child<QPushButton>(*window, "cmdSave");
        QCOMPARE(back->y(), save->y());
        QVERIFY(back->x() < save->x());
        QVERIFY(back->y() > child<QLineEdit>(*window, "txtSignColor")->y());
        auto* picture = child<QLabel>(*window, "picRashi");
        QVERIFY(picture->mapTo(window.get(), QPoint(0, 0)).x() < 20);
    }

    void aboutPage() {
        auto window = openBuilt(Reading("Ari"));
        showAndSettle(*window);
        window->ShowPage(8);
        QCoreApplication::processEvents();
        auto* frame = child<QFrame>(*window, "Frame8");
        auto* title = child<QLabel>(*window, "lblTitle");
        QVERIFY(frame->isAncestorOf(title));
        QCOMPARE(title->text(), QStringLiteral("Tivora"));
        QVERIFY(title->font().bold());
        QCOMPARE(title->font().pointSizeF(), 9.75);
        const QList<QLabel*> descriptions = LabelsSaying(
            *window,
            QStringLiteral(
                "Tivora is a Lagna calculator software based on Vedic Astrology. This program "
                "tells us in detail the characteristics and features of people born with a "
                "particular ascendant. The moon sign (Rashi) and the Vedic Ascendant (Lagna) "
                "together describe an individual's nature. This helps you understand your "
                "positive and negative traits, thus helping you improve your personality."));
        QCOMPARE(descriptions.size(), 1);
        QCOMPARE(descriptions.front()->palette().color(QPalette::WindowText), QColor(Qt::black));
        const QList<QLabel*> offers = LabelsSaying(
            *window, QStringLiteral("Home Business Opportunity. Start your own Internet business "
                                    "and make money online. Get this software fully branded for "
                                    "your website."));
        QCOMPARE(offers.size(), 1);
        QVERIFY(offers.front()->font().bold());
        QVERIFY(!qobject_cast<tivora::LinkLabel*>(offers.front()));
        QCOMPARE(child<QLabel>(*window, "lblCoBrand")->text(),
                 QStringLiteral("Click here for more details"));
        QVERIFY(
            child<QLabel>(*window, "lblHomePage")->text().contains(tivora::VendorSiteAddress()));

        auto* icon = child<QLabel>(*window, "picIcon");
        QCOMPARE(icon->size(), QSize(32, 32));
        QVERIFY(!icon->pixmap().isNull());
        QCOMPARE(icon->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        QVERIFY(icon->mapTo(frame, QPoint(0, 0)).x() < title->mapTo(frame, QPoint(0, 0)).x());
    }

    // The longest hover text wraps to a readable width, and reads as given.
    void hoverTextsWrap() {
        auto window = openBuilt(Reading("Leo"));
        showAndSettle(*window);
        window->ShowPage(1);
        const QList<QLabel*> captions = LabelsSaying(*window, QStringLiteral("Sign Caste"));
        QCOMPARE(captions.size(), 1);
        QLabel* caption = captions.front();
        const QString hover = caption->toolTip();
        QVERIFY(hover.size() > 150);
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), caption->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(caption, &event);
        QLabel* tip = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->inherits("QTipLabel") && widget->isVisible())
                tip = qobject_cast<QLabel*>(widget);
        QVERIFY(tip);
        QVERIFY2(tip->width() <= 560, qPrintable(QString::number(tip->width())));
        QVERIFY(tip->height() >= 3 * tip->fontMetrics().height());
        QTextDocument shown;
        shown.setHtml(tip->text());
        QCOMPARE(shown.toPlainText(), hover);
        QToolTip::hideText();
    }

    void tabStripComesFirstInFocus() {
        auto window = openBuilt(Reading("Leo"));
        auto* tabs = child<tivora::TabStrip>(*window, "TS");
        QCOMPARE(window->focusWidget(), tabs);
        showAndSettle(*window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), tabs);
        // Tab moves on to page 1's first box.
        QTest::keyClick(tabs, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(*window, "txtTypeOfSign"));
    }

    // Every value of every sign fits its box and every caption its label,
    // on all pages, in whatever font and scale the test runs with.
    void nothingClipped_data() {
        QTest::addColumn<QString>("abbreviation");
        for (const char* abbreviation : kAbbreviations)
            QTest::newRow(abbreviation) << QString::fromLatin1(abbreviation);
    }

    void nothingClipped() {
        QFETCH(QString, abbreviation);
        auto window = openBuilt(Reading(abbreviation.toLatin1().constData()));
        showAndSettle(*window);
        QVERIFY(window->width() >= 700);
        QVERIFY(window->height() >= 440);
        auto* central = window->centralWidget();
        for (int page = 1; page <= 8; ++page) {
            window->ShowPage(page);
            QCoreApplication::processEvents();
            for (QWidget* widget : central->findChildren<QWidget*>()) {
                if (!widget->isVisible())
                    continue;
                const QString name =
                    widget->objectName() + QStringLiteral(" on page ") + QString::number(page);
                const QRect inWindow(widget->mapTo(central, QPoint(0, 0)), widget->size());
                QVERIFY2(central->rect().contains(inWindow), qPrintable(name));
                if (auto* line = qobject_cast<QLineEdit*>(widget)) {
                    const int room = line->width() -
                                     2 * line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) -
                                     4;
                    QVERIFY2(line->fontMetrics().horizontalAdvance(line->text()) <= room,
                             qPrintable(name + QStringLiteral(": ") + line->text()));
                } else if (auto* label = qobject_cast<QLabel*>(widget)) {
                    if (label->pixmap().isNull() == false)
                        continue;
                    if (label->wordWrap()) {
                        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                                 qPrintable(name));
                    } else {
                        QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(name));
                        QVERIFY2(label->sizeHint().height() <= label->height(), qPrintable(name));
                    }
                } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                    QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(name));
                }
            }
            auto* tabs = child<tivora::TabStrip>(*window, "TS");
            for (int tab = 0; tab < tabs->count(); ++tab)
                QVERIFY(tabs->rect().contains(tabs->tabRect(tab)));
        }
    }
};

QTEST_MAIN(TestFrmResult)
#include "test_frm_result.moc"
