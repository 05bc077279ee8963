#include "links/page_openers.h"
#include "support/fake_platform.h"

#include <QtTest>

using namespace tivora;

class TestVendorPages : public QObject {
    Q_OBJECT

private slots:
    void addressesAreBasePathAndKeyOnly() {
        const QString base = VendorSite();
        QVERIFY(base.startsWith("https://"));
        QVERIFY(!base.endsWith('/'));
        QCOMPARE(VendorPageBase(), base + "/tivora/ssd.php?page=");
        const QStringList keys{"help-web-page", "home-page", "download-web-page", "fully-branded",
                               "co-brand"};
        const VendorPage pages[] = {VendorPage::Help, VendorPage::Home, VendorPage::Download,
                                    VendorPage::FullyBranded, VendorPage::CoBrand};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(VendorPageUrl(pages[i]).toString(), base + "/tivora/ssd.php?page=" + keys[i]);
        QVERIFY(!VendorSiteAddress().contains("://"));
    }

    void openersGoThroughThePlatform() {
        test::FakePlatform platform;
        OpenHelpPage(platform);
        OpenHomePage(platform);
        OpenDownloadPage(platform);
        OpenFullyBrandedPage(platform);
        OpenCoBrandPage(platform);
        QCOMPARE(platform.openedUrls.size(), 5);
        QVERIFY(platform.openedUrls[0].toString().endsWith("?page=help-web-page"));
        QVERIFY(platform.openedUrls[4].toString().endsWith("?page=co-brand"));
        QVERIFY(platform.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestVendorPages)
#include "test_vendor_pages.moc"
