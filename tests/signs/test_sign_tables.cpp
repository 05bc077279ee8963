#include "signs/sign_tables.h"

#include <QtTest>

#include <cctype>
#include <set>
#include <string>
#include <vector>

using tivora::SignField;
using tivora::SignInformation;

namespace {

// The zodiac in its order, a fact of its own rather than a copy of the table.
const char* const kSignNames[tivora::kSignCount] = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

const char* const kProseFields[] = {"Looks", "Nature", "CareerAndFinance", "LoveAndDomesticLife",
                                    "Health"};

std::string Cell(const char* field, int sign) {
    const SignField* row = tivora::FindSignField(field);
    return row ? (*row->table)[sign] : std::string("<no field ") + field + ">";
}

bool IsTerminal(char c) {
    return c == '.' || c == '!' || c == '?';
}

std::vector<std::string> Sentences(const std::string& text) {
    std::vector<std::string> result;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        current += text[i];
        if (IsTerminal(text[i]) && (i + 1 == text.size() || text[i + 1] == ' ')) {
            result.push_back(current);
            current.clear();
            ++i; // the space between sentences
        }
    }
    if (!current.empty())
        result.push_back(current);
    return result;
}

std::string Lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::vector<std::string> ListItems(const std::string& list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(", ", start);
        items.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos)
            return items;
        start = comma + 2;
    }
}

} // namespace

class TestSignTables : public QObject {
    Q_OBJECT

private slots:
    void selectsByTheFirstThreeLettersOnly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sign");
        for (int sign = 0; sign < tivora::kSignCount; ++sign)
            QTest::newRow(kSignNames[sign]) << QString(kSignNames[sign]).left(3) << sign;
        for (const char* refused :
             {"ari", "ARI", "Arie", "Pisces", "Ari ", " Ari", "Ar", "", "Mes"})
            QTest::addRow("refused '%s'", refused) << refused << -1;
    }
    void selectsByTheFirstThreeLettersOnly() {
        QFETCH(QString, text);
        QFETCH(int, sign);
        SignInformation info;
        tivora::SelectSignInformation("Tau", info);
        tivora::SelectSignInformation(text.toStdString(), info);
        // A refused text leaves the earlier selection whole.
        const int expected = sign < 0 ? 1 : sign;
        QCOMPARE(QString::fromStdString(info.EnglishName), QString(kSignNames[expected]));
        for (const SignField& field : tivora::SignTables())
            QVERIFY2(info.*field.member == (*field.table)[expected], field.name);
    }

    void fieldListCoversTheRecordOnce() {
        const auto& tables = tivora::SignTables();
        std::set<std::string> names;
        SignInformation marked; // each field writes its own name: no two share a member
        for (const SignField& field : tables) {
            QVERIFY2(names.insert(field.name).second, field.name);
            marked.*field.member = field.name;
            QCOMPARE(tivora::FindSignField(field.name), &field);
            for (int sign = 0; sign < tivora::kSignCount; ++sign)
                QVERIFY2((*field.table)[sign] && *(*field.table)[sign], field.name);
        }
        for (const SignField& field : tables)
            QCOMPARE(marked.*field.member, std::string(field.name));
        // Every field of the record is filled by a selection.
        SignInformation info;
        tivora::SelectSignInformation("Leo", info);
        const SignInformation empty;
        int filled = 0;
        for (const SignField& field : tables)
            filled += info.*field.member != empty.*field.member ? 1 : 0;
        QCOMPARE(filled, int(sizeof(SignInformation) / sizeof(std::string)));
        // The order the CSV and JSON columns follow.
        QCOMPARE(QString(tables.front().name), QString("VedicName"));
        QCOMPARE(QString(tables.back().name), QString("NotCompatibleWith"));
        QVERIFY(!tivora::FindSignField("vedicname"));
        QVERIFY(!tivora::FindSignField("LagnaSign"));
    }

    void zodiacFacts() {
        // Elements in their cycle, the qualities and the other
        // classifications that repeat with the sign number.
        const char* const elements[] = {"Fire", "Earth", "Air", "Water"};
        const char* const qualities[] = {"Movable", "Fixed", "Mixed"};
        const char* const directions[] = {"East", "South", "West", "North"};
        for (int sign = 0; sign < tivora::kSignCount; ++sign) {
            QCOMPARE(Cell("EnglishName", sign), std::string(kSignNames[sign]));
            QCOMPARE(Cell("InbornNature", sign), std::string(elements[sign % 4]));
            QCOMPARE(Cell("TypeOfSign", sign), std::string(qualities[sign % 3]));
            QCOMPARE(Cell("BestDirection", sign), std::string(directions[sign % 4]));
            QCOMPARE(Cell("SignCaste", sign), Cell("SignCaste", (sign + 4) % 12));
            QCOMPARE(Cell("SignPosition", sign), Cell("SignPosition", (sign + 3) % 12));
            QCOMPARE(Cell("ConstituentCharacter", sign),
                     Cell("ConstituentCharacter", (sign + 3) % 12));
        }
        // Spellings and list orders kept as the program has always shown them.
        QCOMPARE(Cell("VedicName", 3), std::string("Kataka"));
        QCOMPARE(Cell("VedicName", 6), std::string("Thula"));
        QCOMPARE(Cell("Symbol", 9), std::string("The Crocodile"));
        QCOMPARE(Cell("SignColor", 8), std::string("Yellowish brown"));
        QCOMPARE(Cell("LuckyNumbers", 0), std::string("9, 1"));
        QCOMPARE(Cell("CompatibleWith", 10), std::string("Aquarius, Libra, Gemini"));
    }

    void rulersMirrorAroundCancerAndLeo() {
        // The luminaries rule Cancer and Leo; outward from them, each pair of
        // signs mirrored across that boundary shares a planet, the planets
        // in the order of their periods round the Sun.
        QCOMPARE(Cell("RulingPlanet", 3), std::string("Moon"));
        QCOMPARE(Cell("RulingPlanet", 4), std::string("Sun"));
        // Mercury 88 days, Venus 225, Mars 687, Jupiter 4,333, Saturn 10,759.
        const char* const byPeriod[] = {"Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
        for (int step = 1; step <= 5; ++step) {
            const std::string planet = byPeriod[step - 1];
            QCOMPARE(Cell("RulingPlanet", (3 - step + 12) % 12), planet);
            QCOMPARE(Cell("RulingPlanet", (4 + step) % 12), planet);
        }
    }

    void compatibilityListsNameSigns() {
        const std::set<std::string> names(std::begin(kSignNames), std::end(kSignNames));
        for (int sign = 0; sign < tivora::kSignCount; ++sign) {
            const auto compatible = ListItems(Cell("CompatibleWith", sign));
            const auto notCompatible = ListItems(Cell("NotCompatibleWith", sign));
            QCOMPARE(notCompatible.size(), std::size_t(3));
            QVERIFY(compatible.size() >= 3);
            for (const std::string& item : compatible) {
                QVERIFY2(names.count(item), item.c_str());
                QVERIFY2(std::find(notCompatible.begin(), notCompatible.end(), item) ==
                             notCompatible.end(),
                         item.c_str());
            }
            for (const std::string& item : notCompatible) {
                QVERIFY2(names.count(item), item.c_str());
                QVERIFY2(item != kSignNames[sign], item.c_str());
            }
        }
    }

    void proseIsWholeSentencesToTheReader() {
        for (const char* field : kProseFields) {
            std::set<std::string> seen;
            for (int sign = 0; sign < tivora::kSignCount; ++sign) {
                const std::string text = Cell(field, sign);
                const QByteArray where = QByteArray(field) + " of " + kSignNames[sign];
                for (char c : text)
                    QVERIFY2(static_cast<unsigned char>(c) >= 0x20 &&
                                 static_cast<unsigned char>(c) < 0x7f,
                             where.constData());
                QVERIFY2(std::isupper(static_cast<unsigned char>(text.front())), where.constData());
                QVERIFY2(IsTerminal(text.back()), where.constData());
                QVERIFY2(text.find("  ") == std::string::npos, where.constData());
                const std::string words = " " + Lowered(text);
                QVERIFY2(words.find(" you ") != std::string::npos ||
                             words.find(" your ") != std::string::npos,
                         where.constData());
                // No sentence is copied from another sign.
                for (const std::string& sentence : Sentences(text))
                    QVERIFY2(seen.insert(sentence).second,
                             (where + ": " + sentence.c_str()).constData());
            }
        }
    }

    void healthNamesTheRuledBodyPart() {
        for (int sign = 0; sign < tivora::kSignCount; ++sign) {
            const std::string health = Lowered(Cell("Health", sign));
            // "Heart & Stomach" asks for both the heart and the stomach.
            const std::string parts = Lowered(Cell("PartOfTheBody", sign));
            std::size_t start = 0;
            while (start != std::string::npos) {
                const std::size_t amp = parts.find(" & ", start);
                const std::string part =
                    parts.substr(start, amp == std::string::npos ? std::string::npos : amp - start);
                QVERIFY2(health.find(part) != std::string::npos, part.c_str());
                start = amp == std::string::npos ? amp : amp + 3;
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestSignTables)
#include "test_sign_tables.moc"
