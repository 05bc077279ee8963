#include "base/identity.h"
#include "language/language.h"
#include "language/sign_texts.h"
#include "report/report_sections.h"

#include <QFile>
#include <QtTest>
#include <map>

using namespace tivora;

namespace {

constexpr const char* kSigns[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                  "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

SignInformation Selected(const char* sign) {
    SignInformation info;
    SelectSignInformation(sign, info);
    return info;
}

bool HasDevanagari(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x0900 && c.unicode() <= 0x097F)
            return true;
    return false;
}

bool HasLatinLetter(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x80 && c.isLetter())
            return true;
    return false;
}

bool HasDevanagariDigit(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x0966 && c.unicode() <= 0x096F)
            return true;
    return false;
}

// The twelve reports and the empty one as the program wrote them in English
// before it could speak anything else, with the vendor's address put back.
QByteArray EnglishReports() {
    QFile file(QStringLiteral(TIVORA_LANGUAGE_TEST_DATA "/english_reports.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().replace("@VENDOR_SITE@", VendorSite().toUtf8());
}

QByteArray ReportsOfTranslatedSigns() {
    std::string all;
    for (const char* sign : kSigns)
        all += ReportPlainText(TranslatedSignInformation(Selected(sign))) + "\f";
    all += ReportPlainText(TranslatedSignInformation(SignInformation()));
    return QByteArray::fromStdString(all);
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { InstallLanguage(QString::fromLatin1(kEnglish)); }

    void chooseLanguage_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("environment"); // NAME=value pairs, space-separated
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << "en";
        QTest::newRow("LANG Hindi") << ""
                                    << "LANG=hi_IN.UTF-8"
                                    << "hi";
        QTest::newRow("LANG bare, capitals") << ""
                                             << "LANG=HI"
                                             << "hi";
        QTest::newRow("LANG English") << ""
                                      << "LANG=en_US.UTF-8"
                                      << "en";
        QTest::newRow("LANG other language") << ""
                                             << "LANG=de_DE.UTF-8"
                                             << "en";
        QTest::newRow("only the language part counts") << ""
                                                       << "LANG=hif_FJ"
                                                       << "en";
        QTest::newRow("LC_ALL before LANG") << ""
                                            << "LC_ALL=en_GB LANG=hi_IN"
                                            << "en";
        QTest::newRow("LC_MESSAGES before LANG") << ""
                                                 << "LC_MESSAGES=hi_IN LANG=en_US"
                                                 << "hi";
        QTest::newRow("LC_ALL before LC_MESSAGES") << ""
                                                   << "LC_ALL=hi_IN LC_MESSAGES=en_US"
                                                   << "hi";
        QTest::newRow("LANGUAGE before the locale") << ""
                                                    << "LANGUAGE=hi:en LANG=en_US"
                                                    << "hi";
        QTest::newRow("LANGUAGE: first spoken one") << ""
                                                    << "LANGUAGE=fr:de:hi LANG=en_US"
                                                    << "hi";
        QTest::newRow("LANGUAGE: English first") << ""
                                                 << "LANGUAGE=en:hi LANG=hi_IN"
                                                 << "en";
        QTest::newRow("LANGUAGE of others only") << ""
                                                 << "LANGUAGE=fr LANG=hi_IN"
                                                 << "en";
        QTest::newRow("stored Hindi wins") << "hi"
                                           << "LANG=en_US LANGUAGE=en"
                                           << "hi";
        QTest::newRow("stored English wins") << "en"
                                             << "LANG=hi_IN LANGUAGE=hi"
                                             << "en";
        QTest::newRow("unknown stored value ignored") << "fr"
                                                      << "LANG=hi_IN"
                                                      << "hi";
    }
    void chooseLanguage() {
        QFETCH(QString, stored);
        QFETCH(QString, environment);
        QFETCH(QString, expected);
        std::map<QString, QString> variables;
        for (const QString& pair : environment.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            variables[pair.section(QLatin1Char('='), 0, 0)] = pair.section(QLatin1Char('='), 1);
        const auto lookup = [&](const char* name) {
            const auto found = variables.find(QString::fromLatin1(name));
            return found == variables.end() ? QString() : found->second;
        };
        QCOMPARE(ChooseLanguage(stored, lookup), expected);
    }

    // English is the program's own text: with no translation, and again after
    // Hindi was installed and taken away, every byte is as it always was.
    void englishUnchanged() {
        const QByteArray english = EnglishReports();
        QVERIFY(!english.isEmpty());
        QCOMPARE(InstalledLanguage(), QStringLiteral("en"));
        for (const char* sign : kSigns) {
            const SignInformation info = Selected(sign);
            const SignInformation translated = TranslatedSignInformation(info);
            for (const SignField& field : SignTables())
                QCOMPARE(translated.*field.member, info.*field.member);
        }
        QCOMPARE(ReportsOfTranslatedSigns(), english);

        QVERIFY(InstallLanguage(QStringLiteral("hi")));
        QVERIFY(ReportsOfTranslatedSigns() != english);
        QVERIFY(InstallLanguage(QStringLiteral("en")));
        QCOMPARE(InstalledLanguage(), QStringLiteral("en"));
        QCOMPARE(ReportsOfTranslatedSigns(), english);
    }

    // Every sign text reads in Hindi: nothing empty, nothing left in English,
    // Western digits only, and lists keep their items.
    void signTextsInHindi() {
        QVERIFY(InstallLanguage(QStringLiteral("hi")));
        QCOMPARE(InstalledLanguage(), QStringLiteral("hi"));
        int translated = 0;
        for (const char* sign : kSigns) {
            const SignInformation info = Selected(sign);
            const SignInformation hindi = TranslatedSignInformation(info);
            for (const SignField& field : SignTables()) {
                const QString english = QString::fromStdString(info.*field.member);
                const QString text = QString::fromStdString(hindi.*field.member);
                const QByteArray where = QByteArray(sign) + ' ' + field.name + ": " + text.toUtf8();
                QVERIFY2(!text.isEmpty(), where);
                QVERIFY2(!HasDevanagariDigit(text), where);
                if (!HasLatinLetter(english)) {
                    // Lucky numbers: the same digits and separators.
                    QCOMPARE(text, english);
                    continue;
                }
                QVERIFY2(HasDevanagari(text), where);
                QVERIFY2(!HasLatinLetter(text), where);
                if (english.count(QLatin1String(", ")) > 0 &&
                    english.count(QLatin1Char('.')) == 0) // a list, not prose
                    QVERIFY2(text.count(QLatin1String(", ")) == english.count(QLatin1String(", ")),
                             where);
                ++translated;
            }
        }
        QCOMPARE(translated, kSignCount * (kSignFieldCount - 1));
    }

    // The report's own words: every heading and label, and the footer around
    // the vendor's address.
    void reportInHindi() {
        QVERIFY(InstallLanguage(QStringLiteral("hi")));
        const auto pieces = ComposeReport(TranslatedSignInformation(Selected("Lib")));
        int words = 0;
        for (const ReportPiece& piece : pieces) {
            QString text = QString::fromStdString(piece.text).trimmed();
            if (text.isEmpty() || piece.role == ReportPiece::Role::Value)
                continue; // the values are the sign texts above
            if (piece.role == ReportPiece::Role::Footer) {
                QVERIFY2(text.contains(VendorSite()), qPrintable(text));
                text.remove(VendorSite());
            }
            QVERIFY2(HasDevanagari(text), qPrintable(text));
            QVERIFY2(!HasLatinLetter(text), qPrintable(text));
            ++words;
        }
        // 8 headings, 27 labels, 8 footers.
        QCOMPARE(words, 43);
    }

    void unknownLanguageMeansEnglish() {
        QVERIFY(InstallLanguage(QStringLiteral("hi")));
        QVERIFY(InstallLanguage(QStringLiteral("fr")));
        QCOMPARE(InstalledLanguage(), QStringLiteral("en"));
        QCOMPARE(TranslatedSignInformation(Selected("Ari")).VedicName, std::string("Mesha"));
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
