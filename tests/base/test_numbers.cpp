#include "base/numbers.h"

#include <QTest>

#include <cstdint>
#include <limits>

using namespace tivora;

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void digitsOnly() {
        QCOMPARE(DigitsNumber("0", 9), std::optional<std::int64_t>(0));
        QCOMPARE(DigitsNumber("007", 9), std::optional<std::int64_t>(7));
        QCOMPARE(DigitsNumber("999999999", 9), std::optional<std::int64_t>(999999999));
        QCOMPARE(DigitsNumber("999999999999999999", 18),
                 std::optional<std::int64_t>(999999999999999999));
        // Empty, too long, signed, blank, fractional or in another script.
        for (const char* text : {"", "1234567890", "+1", "-1", " 1", "1 ", "1.0", "1e3", "0x1",
                                 "\u0967", "\u0661\u0662", "\uFF11"})
            QVERIFY2(!DigitsNumber(text, 9), text);
        // More than fit in 64 bits is refused, not wrapped.
        QVERIFY(!DigitsNumber("9999999999999999999", 19));
    }

    void decimals() {
        QCOMPARE(DecimalNumber("-1.5"), std::optional<double>(-1.5));
        QCOMPARE(DecimalNumber("+2"), std::optional<double>(2));
        QCOMPARE(DecimalNumber(".5"), std::optional<double>(0.5));
        QCOMPARE(DecimalNumber("3."), std::optional<double>(3));
        for (const char* text :
             {"", ".", "-", "+.", "1e2", "1,5", " 1", "1-", "inf", "nan", "\u0661.5", "--1"})
            QVERIFY2(!DecimalNumber(text), text);
        // Beyond a double's range is no number.
        QVERIFY(!DecimalNumber(std::string(400, '9')));
    }

    void exactFields() {
        QCOMPARE(ExactNumber<int>("-1"), std::optional<int>(-1));
        QCOMPARE(ExactNumber<double>("51.5074"), std::optional<double>(51.5074));
        QVERIFY(!ExactNumber<unsigned>("-1"));
        QVERIFY(!ExactNumber<int>("+1"));
        QVERIFY(!ExactNumber<int>("12x"));
        QVERIFY(!ExactNumber<int>(""));
        QVERIFY(!ExactNumber<std::int32_t>("2147483648"));
        QCOMPARE(ExactNumber<std::int32_t>("2147483647"),
                 std::optional<std::int32_t>(std::numeric_limits<std::int32_t>::max()));
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
