#include "ui/contrast.h"

#include <QFont>
#include <QtTest>

using namespace tivora;

class TestContrast : public QObject {
    Q_OBJECT

private slots:
    void luminanceAndRatio() {
        QCOMPARE(RelativeLuminance(Qt::black), 0.0);
        QCOMPARE(RelativeLuminance(Qt::white), 1.0);
        QCOMPARE(ContrastRatio(Qt::white, Qt::black), 21.0);
        QCOMPARE(ContrastRatio(Qt::black, Qt::white), 21.0);
        // Published figures: #777777 on white just misses 4.5:1, pure blue
        // on white gives 8.59:1, and green weighs most in luminance.
        QCOMPARE(qRound(ContrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) * 100), 448);
        QCOMPARE(qRound(ContrastRatio(Qt::blue, Qt::white) * 100), 859);
        QVERIFY(RelativeLuminance(Qt::green) > RelativeLuminance(Qt::red));
        QVERIFY(RelativeLuminance(Qt::red) > RelativeLuminance(Qt::blue));
    }

    void readableColourKeepsOrAdjusts_data() {
        QTest::addColumn<QColor>("wanted");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<double>("minimum");
        QTest::newRow("blue link on dark") << QColor(Qt::blue) << QColor(0x35, 0x35, 0x35) << 4.5;
        QTest::newRow("dark blue on near black")
            << QColor(0, 0, 192) << QColor(0x1e, 0x1e, 0x1e) << 4.5;
        QTest::newRow("dark red note on dark")
            << QColor(160, 0, 0) << QColor(0x35, 0x35, 0x35) << 4.5;
        QTest::newRow("green bold on dark") << QColor(0, 128, 0) << QColor(0x35, 0x35, 0x35) << 3.0;
        QTest::newRow("yellow on white") << QColor(Qt::yellow) << QColor(Qt::white) << 4.5;
        QTest::newRow("blue on mid grey") << QColor(Qt::blue) << QColor(0x80, 0x80, 0x80) << 4.5;
    }
    void readableColourKeepsOrAdjusts() {
        QFETCH(QColor, wanted);
        QFETCH(QColor, background);
        QFETCH(double, minimum);
        QVERIFY(ContrastRatio(wanted, background) < minimum);
        const QColor shown = ReadableColour(wanted, background, minimum);
        QVERIFY2(ContrastRatio(shown, background) >= minimum,
                 qPrintable(shown.name() + QString::number(ContrastRatio(shown, background))));
        // Just far enough: the meaning of the colour is kept.
        QVERIFY(ContrastRatio(shown, background) < minimum + 0.5);
        const int hue = wanted.toHsv().hue();
        if (hue >= 0 && shown.toHsv().saturation() > 0)
            QVERIFY(qAbs(shown.toHsv().hue() - hue) <= 2);
        // A colour that is readable as it is stays as it is.
        QCOMPARE(ReadableColour(shown, background, minimum), shown);
    }

    void boldOrLargeTextNeedsLess() {
        QFont font;
        font.setPointSizeF(8.25);
        QCOMPARE(ContrastNeeded(font), kTextContrast);
        font.setBold(true);
        QCOMPARE(ContrastNeeded(font), kBoldTextContrast);
        font.setBold(false);
        font.setPointSizeF(18);
        QCOMPARE(ContrastNeeded(font), kBoldTextContrast);
    }
};

QTEST_MAIN(TestContrast)
#include "test_contrast.moc"
