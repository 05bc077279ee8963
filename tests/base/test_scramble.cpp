#include "base/scramble.h"

#include <QtTest>

using namespace tivora;

class TestScramble : public QObject {
    Q_OBJECT

private slots:
    void scrambleShiftsBy85() {
        QCOMPARE(ScrambleText("abc"), QByteArray("\xB6\xB7\xB8"));
        QCOMPARE(ScrambleText("0123456789"),
                 QByteArray("\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E"));
        QCOMPARE(ScrambleText("-"), QByteArray("\x82"));
        QCOMPARE(ScrambleText(" "), QByteArray("u"));
        QCOMPARE(ScrambleText(""), QByteArray());
        // Codes 171-255 have no image and are left out, order kept.
        QCOMPARE(ScrambleText(QByteArray("a\xAB"
                                         "b\xFF",
                                         4)),
                 QByteArray("\xB6\xB7"));
        QCOMPARE(ScrambleText(QByteArray("\xAA", 1)), QByteArray("\xFF"));
        // Codes below 85 have no image when unscrambling.
        QCOMPARE(UnscrambleText("\xB6\xB7\xB8"), QByteArray("abc"));
        QCOMPARE(UnscrambleText("A1u"), QByteArray(" "));
        for (int c = 0; c <= 170; ++c) {
            const QByteArray one(1, char(c));
            QCOMPARE(UnscrambleText(ScrambleText(one)), one);
        }
    }

    void windows1252() {
        QCOMPARE(ToWindows1252(QStringLiteral("Asha")), QByteArray("Asha"));
        QCOMPARE(ToWindows1252(QString::fromUtf8("é€")), QByteArray("\xE9\x80"));
        // Characters outside the code page are left out.
        QCOMPARE(ToWindows1252(QString::fromUtf8("a\u0915b😀")), QByteArray("ab"));
        QCOMPARE(FromWindows1252("\xE9\x80\x9F"), QString::fromUtf8("é€Ÿ"));
        QCOMPARE(FromWindows1252(ToWindows1252(QString::fromUtf8("Zoë Šarić"))),
                 QString::fromUtf8("Zoë Šari"));
    }
};

QTEST_GUILESS_MAIN(TestScramble)
#include "test_scramble.moc"
