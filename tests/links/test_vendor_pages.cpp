#include "links/page_openers.h"
#include "links/scramble.h"
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

QTEST_GUILESS_MAIN(TestVendorPages)
#include "test_vendor_pages.moc"
