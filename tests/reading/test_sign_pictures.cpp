#include "reading/sign_pictures.h"
#include "reading/svg_draw.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QSvgRenderer>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

using namespace tivora;

static void InitPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace {

constexpr double kPi = 3.14159265358979323846;

int DistinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

double OpaqueShare(const QImage& image) {
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) == 255;
    return double(opaque) / (image.width() * image.height());
}

// Mean absolute difference per colour channel, alpha included, of two
// images of the same size.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * a.width() * a.height());
}

// The medallion's background colour: the per-channel median of samples on a
// circle just inside the rim, where the figure seldom reaches; the median
// ignores the few samples that land on the figure or the glyph seal.
QColor BackgroundColour(const QImage& image) {
    std::vector<int> red, green, blue;
    const double centre = image.width() / 2.0;
    const double radius = image.width() * 0.42;
    for (int step = 0; step < 72; ++step) {
        const double angle = step * 2 * kPi / 72;
        const QRgb p = image.pixel(int(centre + radius * std::cos(angle)),
                                   int(centre + radius * std::sin(angle)));
        red.push_back(qRed(p));
        green.push_back(qGreen(p));
        blue.push_back(qBlue(p));
    }
    const auto median = [](std::vector<int>& values) {
        std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
        return values[values.size() / 2];
    };
    return QColor(median(red), median(green), median(blue));
}

QImage ImageOf(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestSignPictures : public QObject {
    Q_OBJECT

private slots:
    void keysFollowTheImageListOrder();
    void everyPictureRendersFullyDrawn_data();
    void everyPictureRendersFullyDrawn();
    void highDensityRenderingShowsTheSamePicture_data();
    void highDensityRenderingShowsTheSamePicture();
    void picturesDifferFromEachOther();
    void backgroundsAreTintedByElement_data();
    void backgroundsAreTintedByElement();
    void indexOutsideTheListGivesNoPicture();
    void programIconRendersAtSmallAndLargeSizes();
    void eachPictureIsDrawnOnce();
    void preDrawnIconSizesMatchTheSvg();
    void picturesMatchTheSvgAtEveryScale();
};

void TestSignPictures::keysFollowTheImageListOrder() {
    const QStringList expected = {"Aquarius",    "Aries",   "Cancer", "Capricorn",
                                  "Gemini",      "Leo",     "Libra",  "Pisces",
                                  "Sagittarius", "Scorpio", "Taurus", "Virgo"};
    QCOMPARE(SignPictureKeys(), expected);
}

void TestSignPictures::everyPictureRendersFullyDrawn_data() {
    QTest::addColumn<int>("index");
    const QStringList keys = SignPictureKeys();
    for (int i = 0; i < keys.size(); ++i)
        QTest::newRow(qPrintable(keys.at(i))) << i;
}

void TestSignPictures::everyPictureRendersFullyDrawn() {
    QFETCH(int, index);
    const QPixmap pixmap = SignPicture(index);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), QSize(kSignPictureSize, kSignPictureSize));
    QCOMPARE(pixmap.devicePixelRatio(), 1.0);

    const QImage image = ImageOf(pixmap);
    QCOMPARE(qAlpha(image.pixel(100, 100)), 255);
    // A round medallion covers about three quarters of its square; a picture
    // drawn into a corner or at the wrong scale covers much less.
    const double opaque = OpaqueShare(image);
    QVERIFY2(opaque > 0.7, qPrintable(QString("opaque share %1").arg(opaque)));
    // Gradients and antialiased drawing give thousands of colours; a flat
    // or missing picture gives a handful.
    const int colours = DistinctColours(image);
    QVERIFY2(colours > 2000, qPrintable(QString("%1 colours").arg(colours)));
}

void TestSignPictures::highDensityRenderingShowsTheSamePicture_data() {
    everyPictureRendersFullyDrawn_data();
}

void TestSignPictures::highDensityRenderingShowsTheSamePicture() {
    QFETCH(int, index);
    const QPixmap doubled = SignPicture(index, 2.0);
    QCOMPARE(doubled.size(), QSize(2 * kSignPictureSize, 2 * kSignPictureSize));
    QCOMPARE(doubled.devicePixelRatio(), 2.0);
    QCOMPARE(doubled.deviceIndependentSize(), QSizeF(kSignPictureSize, kSignPictureSize));

    const QImage single = ImageOf(SignPicture(index));
    const QImage reduced =
        ImageOf(doubled).scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = MeanDifference(single, reduced);
    QVERIFY2(difference < 4, qPrintable(QString("mean difference %1").arg(difference)));
    // More detail than the plain picture scaled up.
    QVERIFY(DistinctColours(ImageOf(doubled)) > DistinctColours(single));
}

void TestSignPictures::picturesDifferFromEachOther() {
    const QStringList keys = SignPictureKeys();
    std::vector<QImage> images;
    for (int i = 0; i < keys.size(); ++i)
        images.push_back(ImageOf(SignPicture(i)));
    for (int i = 0; i < keys.size(); ++i)
        for (int j = i + 1; j < keys.size(); ++j) {
            const double difference = MeanDifference(images[i], images[j]);
            QVERIFY2(difference > 8, qPrintable(QString("%1 and %2 differ by only %3")
                                                    .arg(keys.at(i), keys.at(j))
                                                    .arg(difference)));
        }
}

void TestSignPictures::backgroundsAreTintedByElement_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("lowestHue");
    QTest::addColumn<int>("highestHue");
    // Fire warm red to orange, earth yellow-green to green, water teal to deep
    // blue, air blue to lavender.
    for (const char* key : {"Aries", "Leo", "Sagittarius"})
        QTest::newRow(key) << key << 0 << 40;
    for (const char* key : {"Taurus", "Virgo", "Capricorn"})
        QTest::newRow(key) << key << 65 << 130;
    for (const char* key : {"Cancer", "Scorpio", "Pisces"})
        QTest::newRow(key) << key << 180 << 214;
    for (const char* key : {"Gemini", "Libra", "Aquarius"})
        QTest::newRow(key) << key << 222 << 270;
}

// Each key must reach its own sign's file: a mix-up between files of two
// elements shows as the wrong colouring.
void TestSignPictures::backgroundsAreTintedByElement() {
    QFETCH(QString, key);
    QFETCH(int, lowestHue);
    QFETCH(int, highestHue);
    const int index = int(SignPictureKeys().indexOf(key));
    QVERIFY(index >= 0);
    const QColor background = BackgroundColour(ImageOf(SignPicture(index)));
    const int hue = background.hsvHue();
    QVERIFY2(hue >= lowestHue && hue <= highestHue && background.hsvSaturation() > 45,
             qPrintable(QString("background %1 has hue %2").arg(background.name()).arg(hue)));
}

void TestSignPictures::indexOutsideTheListGivesNoPicture() {
    QVERIFY(SignPicture(-1).isNull());
    QVERIFY(SignPicture(int(SignPictureKeys().size())).isNull());
}

void TestSignPictures::programIconRendersAtSmallAndLargeSizes() {
    const QIcon icon = ProgramIcon();
    QVERIFY(!icon.isNull());
    // Both sizes are drawn for their own size, not scaled from another; the
    // sizes offered to window managers stop at 64, as every one is sent to
    // the display with each window.
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    QVERIFY(!icon.availableSizes().contains(QSize(256, 256)));
    for (const int size : {32, 256}) {
        const QImage image = ImageOf(icon.pixmap(QSize(size, size), 1.0));
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        QVERIFY2(OpaqueShare(image) > 0.65, qPrintable(QString::number(size)));
        QVERIFY2(DistinctColours(image) > size * 4, qPrintable(QString::number(size)));
    }
}

void TestSignPictures::eachPictureIsDrawnOnce() {
    // A second call hands out the same pixels instead of drawing anew.
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap first = SignPicture(3, ratio);
        QCOMPARE(SignPicture(3, ratio).cacheKey(), first.cacheKey());
        QCOMPARE(first.devicePixelRatio(), ratio);
        QVERIFY(SignPicture(4, ratio).cacheKey() != first.cacheKey());
        const QPixmap icon = ProgramIcon().pixmap(QSize(48, 48), ratio);
        QCOMPARE(ProgramIcon().pixmap(QSize(48, 48), ratio).toImage(), icon.toImage());
        if (ratio == 1.0)
            QCOMPARE(ProgramIcon().pixmap(QSize(48, 48), ratio).cacheKey(), icon.cacheKey());
        QCOMPARE(icon.size(), QSize(48, 48) * ratio);
    }
}

void TestSignPictures::preDrawnIconSizesMatchTheSvg() {
    // The sizes drawn at build time are the icon as drawn now, pixel for pixel.
    InitPictures();
    QSvgRenderer renderer(QStringLiteral(":/pictures/tivora.svg"));
    for (const int side : {16, 24, 32, 48, 64, 96}) {
        QVERIFY2(!PreDrawnProgramIcon(side).isEmpty(), qPrintable(QString::number(side)));
        QCOMPARE(ProgramIcon().pixmap(QSize(side, side), 1.0).toImage(), DrawSvg(renderer, side));
    }
    QVERIFY(PreDrawnProgramIcon(40).isEmpty());
}

void TestSignPictures::picturesMatchTheSvgAtEveryScale() {
    // Whether drawn when asked (Qt Svg) or at build time (builds without
    // it): the sides drawn at build time pixel for pixel, others scaled from
    // the next larger one and nearly the same.
    InitPictures();
    const QStringList keys = SignPictureKeys();
    for (int index = 0; index < keys.size(); ++index) {
        QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(keys[index].toLower()));
        for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
            QImage shown = SignPicture(index, ratio).toImage();
            shown.setDevicePixelRatio(1.0);
            QCOMPARE(shown, DrawSvg(renderer, qRound(kSignPictureSize * ratio)));
        }
        for (const qreal ratio : {1.1, 3.0}) {
            const QImage drawn = DrawSvg(renderer, qRound(kSignPictureSize * ratio));
            const QImage shown = ImageOf(SignPicture(index, ratio));
            QCOMPARE(shown.size(), drawn.size());
            QVERIFY2(MeanDifference(shown, drawn.convertToFormat(QImage::Format_ARGB32)) < 3.0,
                     qPrintable(keys[index]));
        }
    }
}

QTEST_MAIN(TestSignPictures)
#include "test_sign_pictures.moc"
