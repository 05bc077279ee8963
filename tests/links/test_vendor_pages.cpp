#include "links/page_openers.h"
#include "support/fake_platform.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QUrlQuery>
#include <QtTest>

using namespace tivora;

namespace {

const VendorPage kPages[] = {VendorPage::Help, VendorPage::Home, VendorPage::Download,
                             VendorPage::FullyBranded, VendorPage::CoBrand};

} // namespace

class TestVendorPages : public QObject {
    Q_OBJECT

private slots:
    // Each page's address reads back, through Qt's own URL parsing, as the
    // vendor's page script with that page's key and nothing else.
    void keysRoundTripThroughTheAddress() {
        const QUrl site(VendorSite());
        QCOMPARE(site.scheme(), QStringLiteral("https"));
        QSet<QString> seen;
        for (const VendorPage page : kPages) {
            const QUrl url = VendorPageUrl(page);
            QVERIFY(url.isValid());
            QCOMPARE(url.host(), site.host());
            QCOMPARE(url.path(), site.path() + QStringLiteral("/tivora/ssd.php"));
            const QUrlQuery query(url);
            QCOMPARE(query.queryItems().size(), 1);
            QCOMPARE(query.queryItemValue(QStringLiteral("page")), PageKey(page));
            // Nothing a browser or a mail program would have to encode.
            QCOMPARE(url.toString(QUrl::FullyEncoded), url.toString());
            QVERIFY2(!seen.contains(PageKey(page)), qPrintable(PageKey(page)));
            seen.insert(PageKey(page));
        }
        QVERIFY(!VendorSiteAddress().contains("://"));
    }

    // The help address that software centres show (the package's metainfo)
    // is the one the Help menu opens.
    void helpPageIsTheOneThePackageNames() {
        QFile file(QStringLiteral(TIVORA_METAINFO_IN));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const auto match =
            QRegularExpression(QStringLiteral("<url type=\"help\">([^<]*)</url>")).match(text);
        QVERIFY(match.hasMatch());
        QString help = match.captured(1);
        help.replace(QStringLiteral("@TIVORA_VENDOR_SITE@"), VendorSite());
        QCOMPARE(VendorPageUrl(VendorPage::Help), QUrl(help));
    }

    void openersGoThroughThePlatform() {
        test::FakePlatform platform;
        OpenHelpPage(platform);
        OpenHomePage(platform);
        OpenDownloadPage(platform);
        OpenFullyBrandedPage(platform);
        OpenCoBrandPage(platform);
        QList<QUrl> expected;
        for (const VendorPage page : kPages)
            expected << VendorPageUrl(page);
        QCOMPARE(platform.openedUrls, expected);
        QVERIFY(platform.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestVendorPages)
#include "test_vendor_pages.moc"
