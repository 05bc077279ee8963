#include "links/advert_draw.h"

#include <QtTest>

#include <cmath>

using namespace tivora;

namespace {

// The r whose single-precision 6 * r + 1 lands exactly on `target`.
float DrawHitting(float target) {
    const float r = (target - 1.0f) / 6.0f;
    return r;
}

float SinglePrecision(float r) {
    const float scaled = 6.0f * r;
    return scaled + 1.0f;
}

} // namespace

class TestAdvertDraw : public QObject {
    Q_OBJECT

private slots:
    void endsOfTheRange() {
        QCOMPARE(AdvertNumber(0.0), 1);
        QCOMPARE(DrawAdvert(0.0), AdvertLabel::CoBrand);
        QCOMPARE(AdvertNumber(0.95), 7);
        QCOMPARE(DrawAdvert(0.95), AdvertLabel::Unchanged);
        // The largest double below 1 rounds to 1.0f in single precision.
        QCOMPARE(AdvertNumber(std::nextafter(1.0, 0.0)), 7);
    }

    void halvesGoToTheEvenNeighbour_data() {
        QTest::addColumn<float>("half");
        QTest::addColumn<int>("expected");
        QTest::newRow("1.5") << 1.5f << 2;
        QTest::newRow("2.5") << 2.5f << 2;
        QTest::newRow("3.5") << 3.5f << 4;
        QTest::newRow("4.5") << 4.5f << 4;
        QTest::newRow("5.5") << 5.5f << 6;
        QTest::newRow("6.5") << 6.5f << 6;
    }
    void halvesGoToTheEvenNeighbour() {
        QFETCH(float, half);
        QFETCH(int, expected);
        const float r = DrawHitting(half);
        QCOMPARE(SinglePrecision(r), half); // the case really is a tie
        QCOMPARE(int(AdvertNumber(r)), expected);

        // One float step either side of the tie leaves it on that side.
        float below = r;
        while (SinglePrecision(below) >= half)
            below = std::nextafter(below, 0.0f);
        float above = r;
        while (SinglePrecision(above) <= half)
            above = std::nextafter(above, 1.0f);
        QVERIFY(half - SinglePrecision(below) < 1e-5f);
        QVERIFY(SinglePrecision(above) - half < 1e-5f);
        QCOMPARE(int(AdvertNumber(below)), int(std::floor(half)));
        QCOMPARE(int(AdvertNumber(above)), int(std::ceil(half)));
    }

    void doublesNearATieRoundAsSinglePrecision() {
        // Draws a hair either side of a tie in double precision still land
        // on the tie once narrowed to single precision.
        for (const float half : {1.5f, 2.5f, 3.5f, 4.5f, 5.5f, 6.5f}) {
            const int even =
                int(std::floor(half)) % 2 == 0 ? int(std::floor(half)) : int(std::ceil(half));
            for (const double nudge : {-1e-10, 1e-10}) {
                const double r = (double(half) - 1.0) / 6.0 + nudge;
                QCOMPARE(SinglePrecision(float(r)), half);
                QCOMPARE(int(AdvertNumber(r)), even);
            }
        }
    }

    void numbersMapToLabels() {
        // Check through r values that land on each whole number exactly.
        const AdvertLabel expected[] = {AdvertLabel::CoBrand,  AdvertLabel::FullBrand,
                                        AdvertLabel::CoBrand,  AdvertLabel::FullBrand,
                                        AdvertLabel::CoBrand,  AdvertLabel::FullBrand,
                                        AdvertLabel::Unchanged};
        for (int n = 1; n <= 7; ++n) {
            const float r = DrawHitting(float(n));
            QCOMPARE(int(AdvertNumber(r)), n);
            QCOMPARE(DrawAdvert(r), expected[n - 1]);
        }
    }

    void sharesOverUniformDraws() {
        // A fine uniform grid over [0, 1): each number's share of the draws.
        constexpr int kSteps = 240000;
        int counts[8] = {};
        int coBrand = 0;
        int fullBrand = 0;
        int unchanged = 0;
        for (int i = 0; i < kSteps; ++i) {
            const double r = (i + 0.5) / kSteps;
            const int n = AdvertNumber(r);
            QVERIFY2(n >= 1 && n <= 7, qPrintable(QString::number(r, 'g', 17)));
            ++counts[n];
            switch (DrawAdvert(r)) {
            case AdvertLabel::CoBrand:
                ++coBrand;
                break;
            case AdvertLabel::FullBrand:
                ++fullBrand;
                break;
            case AdvertLabel::Unchanged:
                ++unchanged;
                break;
            }
        }
        const auto share = [](int count) { return double(count) / kSteps; };
        constexpr double kTolerance = 1e-4;
        // The end numbers get half a step each, the others a whole one.
        QVERIFY(std::abs(share(counts[1]) - 1.0 / 12) < kTolerance);
        QVERIFY(std::abs(share(counts[7]) - 1.0 / 12) < kTolerance);
        for (int n = 2; n <= 6; ++n)
            QVERIFY2(std::abs(share(counts[n]) - 1.0 / 6) < kTolerance,
                     qPrintable(QString::number(n)));
        QVERIFY(std::abs(share(coBrand) - 5.0 / 12) < kTolerance);
        // Full-brand in front either drawn or left as designed: 7 in 12.
        QVERIFY(std::abs(share(fullBrand + unchanged) - 7.0 / 12) < kTolerance);
        QCOMPARE(unchanged, counts[7]);
    }

    void clockSeededGenerator() {
        const QDateTime t(QDate(2026, 12, 7), QTime(10, 0, 0, 123));
        ClockSeededRandom a(t);
        ClockSeededRandom b(t);
        ClockSeededRandom c(t.addMSecs(1));
        int differs = 0;
        int coBrand = 0;
        constexpr int kDraws = 20000;
        for (int i = 0; i < kDraws; ++i) {
            const double x = a.next();
            QVERIFY(x >= 0.0 && x < 1.0);
            QCOMPARE(b.next(), x); // same clock, same draws
            if (c.next() != x)
                ++differs;
            if (DrawAdvert(x) == AdvertLabel::CoBrand)
                ++coBrand;
        }
        QVERIFY(differs > kDraws - 10);
        // About 5 in 12 starts show the co-brand label (4 sigma ~ 0.014).
        QVERIFY(std::abs(double(coBrand) / kDraws - 5.0 / 12) < 0.015);
    }
};

QTEST_GUILESS_MAIN(TestAdvertDraw)
#include "test_advert_draw.moc"
