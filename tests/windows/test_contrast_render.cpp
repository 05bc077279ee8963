#include "engine/chart_record.h"
#include "signs/sign_tables.h"
#include "support/fake_platform.h"
#include "ui/contrast.h"
#include "ui/tab_strip.h"
#include "windows/frm_about.h"
#include "windows/frm_main.h"
#include "windows/frm_result.h"
#include "windows/frm_save.h"
#include "windows/frm_time_zone.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <functional>
#include <memory>

using namespace tivora;
using tivora::test::FakePlatform;

namespace {

// A dark desktop's palette, as dark themes give Qt.
QPalette DarkPalette() {
    QPalette p;
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x2a, 0x2a, 0x2a);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    p.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x6a, 0xb0, 0xff));
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::PlaceholderText, QColor(0x90, 0x90, 0x90));
    p.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    p.setColor(QPalette::Midlight, QColor(0x45, 0x45, 0x45));
    p.setColor(QPalette::Mid, QColor(0x25, 0x25, 0x25));
    p.setColor(QPalette::Dark, QColor(0x20, 0x20, 0x20));
    p.setColor(QPalette::Shadow, Qt::black);
    return p;
}

// The text's contrast in a part of the picture: the part's commonest colour
// is the background, and its strongest stroke the text's colour (the cores
// of the glyphs, clear of the smoothing at their edges).
double TextContrast(const QImage& image, const QRect& part) {
    QHash<QRgb, int> counts;
    const QRect area = part.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y) & 0xffffff];
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, ContrastRatio(QColor(it.key()), QColor(background)));
    return best;
}

struct Text {
    QString what;
    QRect part; // in the window's picture
    double needed;
};

QRect InWindow(const QWidget& widget, const QWidget& window, const QRect& rect) {
    return QRect(widget.mapTo(&window, rect.topLeft()), rect.size());
}

// Every text the window shows, with the part of its picture it stands in:
// inside each control's frame, clear of borders, arrows and focus marks.
QList<Text> ShownTexts(QWidget& window) {
    QList<Text> texts;
    const auto add = [&](QWidget& widget, const QString& what, const QRect& local,
                         const QFont& font) {
        if (!local.isEmpty())
            texts.append({what, InWindow(widget, window, local), ContrastNeeded(font)});
    };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        // Switched-off controls need no contrast.
        if (!widget->isVisibleTo(&window) || widget->window() != &window || !widget->isEnabled())
            continue;
        const QString name = widget->objectName() + QLatin1Char(' ') +
                             QLatin1String(widget->metaObject()->className());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (!label->text().trimmed().isEmpty())
                add(*label, name, label->contentsRect(), label->font());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->text().isEmpty())
                continue;
            QRect part = button->rect().adjusted(5, 5, -5, -5);
            if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button))
                part.setLeft(button->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 4);
            add(*button, name, part, button->font());
        } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            if (!line->text().isEmpty())
                add(*line, name, line->rect().adjusted(4, 4, -4, -4), line->font());
        } else if (auto* prose = qobject_cast<QPlainTextEdit*>(widget)) {
            if (!prose->toPlainText().isEmpty())
                add(*prose->viewport(), name, prose->viewport()->rect().adjusted(2, 2, -2, -2),
                    prose->font());
        } else if (auto* report = qobject_cast<QTextEdit*>(widget)) {
            // Each run of one format on its own: headings, labels and values.
            for (QTextBlock block = report->document()->begin(); block.isValid();
                 block = block.next())
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextFragment fragment = it.fragment();
                    QTextCursor from(report->document());
                    from.setPosition(fragment.position());
                    QTextCursor to(report->document());
                    to.setPosition(fragment.position() + std::min(fragment.length(), 6));
                    const QRect a = report->cursorRect(from);
                    const QRect b = report->cursorRect(to);
                    if (a.top() != b.top() || b.left() - a.left() < 8 ||
                        !report->viewport()->rect().contains(a.united(b)))
                        continue;
                    QFont font = fragment.charFormat().font();
                    add(*report->viewport(), name + QLatin1Char(' ') + fragment.text().left(12),
                        QRect(a.topLeft(), QPoint(b.left(), a.bottom())), font);
                }
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            add(*list, name, list->rect().adjusted(5, 4, -22, -4), list->font());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            const QFontMetrics metrics(group->font());
            add(*group, name,
                QRect(8, 0, metrics.horizontalAdvance(group->title()), metrics.height()),
                group->font());
        } else if (auto* strip = qobject_cast<TabStrip*>(widget)) {
            for (int i = 0; i < strip->count(); ++i)
                add(*strip, name + QLatin1Char(' ') + strip->tabText(i),
                    strip->tabRect(i).adjusted(7, 6, -7, -5), strip->font());
        } else if (auto* zones = qobject_cast<QListWidget*>(widget)) {
            for (int i = 0; i < zones->count(); ++i) {
                const QRect item = zones->visualItemRect(zones->item(i));
                if (zones->viewport()->rect().contains(item))
                    add(*zones->viewport(), name + QLatin1Char(' ') + zones->item(i)->text(),
                        item.adjusted(2, 1, -2, -1), zones->font());
            }
        } else if (auto* menus = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* action : menus->actions())
                if (action->isVisible() && action->isEnabled())
                    add(*menus, name + QLatin1Char(' ') + action->text(),
                        menus->actionGeometry(action).adjusted(3, 3, -3, -3), menus->font());
        }
    }
    return texts;
}

// Fails on any text of the window below the contrast it needs.
void CheckContrast(QWidget& window, const QString& shot) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (!qEnvironmentVariableIsEmpty("TIVORA_SHOTS"))
        image.save(qEnvironmentVariable("TIVORA_SHOTS") + QLatin1Char('/') + shot + ".png");
    const QList<Text> texts = ShownTexts(window);
    QVERIFY(texts.size() >= 3);
    QStringList low;
    for (const Text& text : texts) {
        const double contrast = TextContrast(image, text.part);
        if (contrast < text.needed)
            low << QStringLiteral("%1: %2 < %3")
                       .arg(text.what)
                       .arg(contrast, 0, 'f', 2)
                       .arg(text.needed);
    }
    QVERIFY2(low.isEmpty(), qPrintable(shot + QLatin1Char('\n') + low.join('\n')));
}

SignInformation Leo() {
    SignInformation info;
    SelectSignInformation("Leo", info);
    return info;
}

} // namespace

class TestContrastRender : public QObject {
    Q_OBJECT

private:
    QPalette original_;

private slots:
    void initTestCase() { original_ = QApplication::palette(); }
    void cleanup() { QApplication::setPalette(original_); }

    void everyWindowReadable_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("default palette") << false;
        QTest::newRow("dark palette") << true;
    }
    void everyWindowReadable() {
        QFETCH(bool, dark);
        if (dark)
            QApplication::setPalette(DarkPalette());
        const QString look = dark ? QStringLiteral("dark") : QStringLiteral("light");
        FakePlatform platform;
        ChartRecord chart;
        SignInformation info = Leo();
        {
            frmMain main(platform, chart, info);
            // The note and a link's text, shown.
            main.findChild<QCheckBox*>(QStringLiteral("chkDST"))->setChecked(true);
            main.findChild<QLabel*>(QStringLiteral("lblDSTNote"))->show();
            CheckContrast(main, look + QStringLiteral("-main"));
        }
        {
            QLineEdit hours;
            QLineEdit minutes;
            frmTimeZone picker(hours, minutes);
            CheckContrast(picker, look + QStringLiteral("-picker"));
        }
        {
            frmResult result(platform, info);
            for (int page = 1; page <= 8; ++page) {
                result.ShowPage(page);
                CheckContrast(result, look + QStringLiteral("-result-%1").arg(page));
            }
        }
        {
            frmSave report(platform, chart, info);
            CheckContrast(report, look + QStringLiteral("-report"));
        }
        {
            frmAbout about(platform);
            CheckContrast(about, look + QStringLiteral("-about"));
        }
    }
};

QTEST_MAIN(TestContrastRender)
#include "test_contrast_render.moc"
