#include "signs/sign_tables.h"

#include <QtTest>

#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

using tivora::SignField;
using tivora::SignInformation;

namespace {

constexpr int kNoSign = -1;

const char* const kSignNames[tivora::kSignCount] = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// The fields of SignInformation in declared order, written out here independently of the
// library's own table.
struct ExpectedField {
    const char* name;
    std::string SignInformation::*member;
};

const ExpectedField kExpectedFields[tivora::kSignFieldCount] = {
    {"VedicName", &SignInformation::VedicName},
    {"EnglishName", &SignInformation::EnglishName},
    {"RulingPlanet", &SignInformation::RulingPlanet},
    {"Symbol", &SignInformation::Symbol},
    {"InbornNature", &SignInformation::InbornNature},
    {"SignColor", &SignInformation::SignColor},
    {"TypeOfSign", &SignInformation::TypeOfSign},
    {"Gender", &SignInformation::Gender},
    {"BestPeriodOfActivity", &SignInformation::BestPeriodOfActivity},
    {"Fruitfulness", &SignInformation::Fruitfulness},
    {"SignCaste", &SignInformation::SignCaste},
    {"SignPosition", &SignInformation::SignPosition},
    {"ConstituentCharacter", &SignInformation::ConstituentCharacter},
    {"LuckyDays", &SignInformation::LuckyDays},
    {"LuckyNumbers", &SignInformation::LuckyNumbers},
    {"BestDirection", &SignInformation::BestDirection},
    {"LuckyColors", &SignInformation::LuckyColors},
    {"LuckyGemstone", &SignInformation::LuckyGemstone},
    {"PartOfTheBody", &SignInformation::PartOfTheBody},
    {"Physique", &SignInformation::Physique},
    {"Looks", &SignInformation::Looks},
    {"Nature", &SignInformation::Nature},
    {"CareerAndFinance", &SignInformation::CareerAndFinance},
    {"LoveAndDomesticLife", &SignInformation::LoveAndDomesticLife},
    {"Health", &SignInformation::Health},
    {"CompatibleWith", &SignInformation::CompatibleWith},
    {"NotCompatibleWith", &SignInformation::NotCompatibleWith},
};

struct ProseLimits {
    const char* field;
    int minChars;
    int maxChars;
    int minSentences;
    int maxSentences;
};

const ProseLimits kProseLimits[] = {
    {"Looks", 103, 221, 2, 5},
    {"Nature", 515, 883, 11, 16},
    {"CareerAndFinance", 126, 282, 2, 5},
    {"LoveAndDomesticLife", 140, 324, 3, 6},
    {"Health", 81, 166, 2, 4},
};

std::string cell(const char* field, int sign) {
    const SignField* row = tivora::FindSignField(field);
    return row ? (*row->table)[sign] : std::string("<no field ") + field + ">";
}

SignInformation filledWith(const std::string& text) {
    SignInformation info;
    for (const ExpectedField& field : kExpectedFields) {
        info.*field.member = text;
    }
    return info;
}

// The first field of info that differs from the expected texts, or an empty text.
QString firstDifference(const SignInformation& info, const SignInformation& expected) {
    for (const ExpectedField& field : kExpectedFields) {
        if (info.*field.member != expected.*field.member) {
            return QString("%1: \"%2\" instead of \"%3\"")
                .arg(field.name, QString::fromStdString(info.*field.member),
                     QString::fromStdString(expected.*field.member));
        }
    }
    return QString();
}

SignInformation signTexts(int sign) {
    SignInformation info;
    for (const SignField& field : tivora::SignTables()) {
        info.*field.member = (*field.table)[sign];
    }
    return info;
}

bool isTerminal(char c) {
    return c == '.' || c == '!' || c == '?';
}

int sentenceCount(const std::string& text) {
    int count = 0;
    for (char c : text) {
        count += isTerminal(c) ? 1 : 0;
    }
    return count;
}

std::vector<std::string> sentences(const std::string& text) {
    std::vector<std::string> result;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        current += text[i];
        if (isTerminal(text[i]) && (i + 1 == text.size() || text[i + 1] == ' ')) {
            result.push_back(current);
            current.clear();
            if (i + 1 < text.size()) {
                ++i; // the space between sentences
            }
        }
    }
    if (!current.empty()) {
        result.push_back(current);
    }
    return result;
}

std::string lowered(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

std::vector<std::string> listItems(const std::string& list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(", ", start);
        items.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos) {
            return items;
        }
        start = comma + 2;
    }
}

} // namespace

class TestSignTables : public QObject {
    Q_OBJECT

private slots:
    // Runs first, before anything has selected a sign in this process.
    void currentRecordStartsEmpty();

    void selectsByAbbreviation_data();
    void selectsByAbbreviation();
    void invalidTextKeepsPreviousSelection_data();
    void invalidTextKeepsPreviousSelection();
    void currentRecordIsOneInstance();

    void fieldsFollowDeclaredOrder();
    void findSignFieldRejectsUnknownNames();
    void everyEntryIsFilled();

    void tableCells_data();
    void tableCells();
    void compatibilityLists_data();
    void compatibilityLists();

    void proseShape_data();
    void proseShape();
    void healthNamesRuledBodyPart_data();
    void healthNamesRuledBodyPart();
    void noSentenceRepeatsAcrossSigns_data();
    void noSentenceRepeatsAcrossSigns();
    void natureOpeningsDiffer();
};

void TestSignTables::currentRecordStartsEmpty() {
    QCOMPARE(firstDifference(tivora::CurrentSignInformation(), SignInformation()), QString());
}

void TestSignTables::selectsByAbbreviation_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("sign");

    const char* const abbreviations[tivora::kSignCount] = {
        "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    for (int sign = 0; sign < tivora::kSignCount; ++sign) {
        QTest::newRow(abbreviations[sign]) << abbreviations[sign] << sign;
    }
    QTest::newRow("lower case ari") << "ari" << kNoSign;
    QTest::newRow("capitals ARI") << "ARI" << kNoSign;
    QTest::newRow("lower case pis") << "pis" << kNoSign;
    QTest::newRow("capitals PIS") << "PIS" << kNoSign;
    QTest::newRow("lower case leo") << "leo" << kNoSign;
    QTest::newRow("capitals LEO") << "LEO" << kNoSign;
    QTest::newRow("four characters Arie") << "Arie" << kNoSign;
    QTest::newRow("four characters Leon") << "Leon" << kNoSign;
    QTest::newRow("whole name Pisces") << "Pisces" << kNoSign;
    QTest::newRow("trailing space") << "Ari " << kNoSign;
    QTest::newRow("leading space") << " Ari" << kNoSign;
    QTest::newRow("two characters") << "Ar" << kNoSign;
    QTest::newRow("one character") << "L" << kNoSign;
    QTest::newRow("empty") << "" << kNoSign;
    QTest::newRow("Vedic name") << "Mes" << kNoSign;
}

void TestSignTables::selectsByAbbreviation() {
    QFETCH(QString, text);
    QFETCH(int, sign);

    const SignInformation before = filledWith("untouched");
    SignInformation target = before;
    tivora::SelectSignInformation(text.toStdString(), target);

    if (sign == kNoSign) {
        QCOMPARE(firstDifference(target, before), QString());
        return;
    }
    QCOMPARE(QString::fromStdString(target.EnglishName), QString(kSignNames[sign]));
    QCOMPARE(firstDifference(target, signTexts(sign)), QString());
}

void TestSignTables::invalidTextKeepsPreviousSelection_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("lower case") << "tau";
    QTest::newRow("four characters") << "Taur";
    QTest::newRow("two characters") << "Ta";
    QTest::newRow("empty") << "";
    QTest::newRow("unknown") << "Xyz";
}

void TestSignTables::invalidTextKeepsPreviousSelection() {
    QFETCH(QString, text);

    SignInformation& current = tivora::CurrentSignInformation();
    tivora::SelectSignInformation("Ari", current);
    QCOMPARE(QString::fromStdString(current.VedicName), QString("Mesha"));

    tivora::SelectSignInformation(text.toStdString(), current);
    QCOMPARE(firstDifference(current, signTexts(0)), QString());
}

void TestSignTables::currentRecordIsOneInstance() {
    SignInformation& first = tivora::CurrentSignInformation();
    tivora::SelectSignInformation("Cap", first);
    QCOMPARE(&tivora::CurrentSignInformation(), &first);
    QCOMPARE(QString::fromStdString(tivora::CurrentSignInformation().VedicName), QString("Makara"));
}

void TestSignTables::fieldsFollowDeclaredOrder() {
    const auto& tables = tivora::SignTables();
    std::set<std::string> names;
    for (int i = 0; i < tivora::kSignFieldCount; ++i) {
        const SignField& field = tables[i];
        QVERIFY2(field.name != nullptr, QByteArray::number(i).constData());
        QCOMPARE(QString(field.name), QString(kExpectedFields[i].name));
        QVERIFY2(field.member == kExpectedFields[i].member, field.name);
        QVERIFY2(names.insert(field.name).second, field.name);
        QCOMPARE(tivora::FindSignField(field.name), &field);
    }
    QCOMPARE(int(names.size()), tivora::kSignFieldCount);
}

void TestSignTables::findSignFieldRejectsUnknownNames() {
    QVERIFY(tivora::FindSignField("") == nullptr);
    QVERIFY(tivora::FindSignField("vedicname") == nullptr);
    QVERIFY(tivora::FindSignField("Vedic Name") == nullptr);
    QVERIFY(tivora::FindSignField("LagnaSign") == nullptr);
}

void TestSignTables::everyEntryIsFilled() {
    for (const SignField& field : tivora::SignTables()) {
        QVERIFY2(field.table != nullptr, field.name);
        for (int sign = 0; sign < tivora::kSignCount; ++sign) {
            const char* text = (*field.table)[sign];
            const QByteArray where = QByteArray(field.name) + " of " + kSignNames[sign];
            QVERIFY2(text != nullptr, where.constData());
            QVERIFY2(std::strlen(text) > 0, where.constData());
        }
    }
}

void TestSignTables::tableCells_data() {
    QTest::addColumn<int>("sign");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    struct Cell {
        int sign;
        const char* field;
        const char* expected;
    };
    // At least two cells per column, spread over the rows, with values that differ from their
    // neighbours so that a shifted row or column shows.
    const Cell cells[] = {
        {0, "VedicName", "Mesha"},
        {2, "VedicName", "Mithuna"},
        {10, "VedicName", "Kumbha"},
        {4, "EnglishName", "Leo"},
        {8, "EnglishName", "Sagittarius"},
        {3, "RulingPlanet", "Moon"},
        {10, "RulingPlanet", "Saturn"},
        {11, "RulingPlanet", "Jupiter"},
        {0, "Symbol", "The Ram"},
        {9, "Symbol", "The Crocodile"},
        {11, "Symbol", "The Double Fish"},
        {1, "InbornNature", "Earth"},
        {6, "InbornNature", "Air"},
        {7, "InbornNature", "Water"},
        {5, "SignColor", "Multicolored"},
        {6, "SignColor", "Black"},
        {7, "SignColor", "Reddish Brown"},
        {8, "SignColor", "Yellowish brown"},
        {10, "SignColor", "Deep Brown"},
        {2, "TypeOfSign", "Mixed"},
        {9, "TypeOfSign", "Movable"},
        {10, "TypeOfSign", "Fixed"},
        {0, "Gender", "Male"},
        {1, "Gender", "Female"},
        {10, "Gender", "Male"},
        {3, "BestPeriodOfActivity", "Night"},
        {4, "BestPeriodOfActivity", "Day"},
        {8, "BestPeriodOfActivity", "Night"},
        {11, "BestPeriodOfActivity", "Day"},
        {1, "Fruitfulness", "Semi-Fruitful"},
        {3, "Fruitfulness", "Fruitful"},
        {5, "Fruitfulness", "Barren"},
        {3, "SignCaste", "Brahmana"},
        {5, "SignCaste", "Vaisya"},
        {8, "SignCaste", "Kshatriya"},
        {10, "SignCaste", "Sudra"},
        {0, "SignPosition", "Dwara"},
        {7, "SignPosition", "Bahya"},
        {11, "SignPosition", "Garbha"},
        {1, "ConstituentCharacter", "Vegetable (Moola)"},
        {5, "ConstituentCharacter", "Animal (Jeeva)"},
        {9, "ConstituentCharacter", "Mineral (Dhatu)"},
        {6, "LuckyDays", "Friday, Wednesday, Thursday"},
        {9, "LuckyDays", "Saturday, Wednesday"},
        {11, "LuckyDays", "Thursday, Monday, Tuesday"},
        {0, "LuckyNumbers", "9, 1"},
        {4, "LuckyNumbers", "1, 4, 5, 9"},
        {8, "LuckyNumbers", "3, 5, 6, 8"},
        {1, "BestDirection", "South"},
        {6, "BestDirection", "West"},
        {7, "BestDirection", "North"},
        {8, "BestDirection", "East"},
        {0, "LuckyColors", "Red, Brown, Copper"},
        {7, "LuckyColors", "Brown, Red, Yellow, White"},
        {11, "LuckyColors", "Pink, Cream"},
        {3, "LuckyGemstone", "Pearl"},
        {4, "LuckyGemstone", "Ruby"},
        {9, "LuckyGemstone", "Blue Sapphire"},
        {11, "LuckyGemstone", "Yellow Sapphire"},
        {0, "PartOfTheBody", "Head"},
        {4, "PartOfTheBody", "Heart & Stomach"},
        {6, "PartOfTheBody", "Lower Abdomen & Groin"},
        {7, "PartOfTheBody", "External Genitalia"},
        {10, "PartOfTheBody", "Calves"},
        {2, "Physique", "Even"},
        {4, "Physique", "Tall"},
        {11, "Physique", "Short"},
        {0, "CompatibleWith", "Leo, Sagittarius, Gemini, Aquarius, Libra"},
        {5, "CompatibleWith", "Scorpio, Capricorn, Pisces, Cancer"},
        {10, "CompatibleWith", "Aquarius, Libra, Gemini"},
        {11, "CompatibleWith", "Taurus, Cancer, Virgo, Scorpio, Capricorn"},
        {1, "NotCompatibleWith", "Gemini, Aquarius, Libra"},
        {3, "NotCompatibleWith", "Aries, Leo, Sagittarius"},
        {8, "NotCompatibleWith", "Scorpio, Pisces, Cancer"},
    };
    for (const Cell& c : cells) {
        QTest::addRow("%s %s", kSignNames[c.sign], c.field)
            << c.sign << QString(c.field) << QString(c.expected);
    }
}

void TestSignTables::tableCells() {
    QFETCH(int, sign);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(cell(field.toLatin1().constData(), sign)), expected);
}

void TestSignTables::compatibilityLists_data() {
    QTest::addColumn<int>("sign");
    QTest::addColumn<int>("compatibleCount");
    for (int sign = 0; sign < tivora::kSignCount; ++sign) {
        const int count = sign == 5 ? 4 : sign == 10 ? 3 : 5; // Virgo, Aquarius
        QTest::newRow(kSignNames[sign]) << sign << count;
    }
}

void TestSignTables::compatibilityLists() {
    QFETCH(int, sign);
    QFETCH(int, compatibleCount);

    SignInformation info;
    tivora::SelectSignInformation(std::string(kSignNames[sign]).substr(0, 3), info);
    const std::set<std::string> signNames(std::begin(kSignNames), std::end(kSignNames));

    const std::vector<std::string> compatible = listItems(info.CompatibleWith);
    QCOMPARE(int(compatible.size()), compatibleCount);
    const std::vector<std::string> notCompatible = listItems(info.NotCompatibleWith);
    QCOMPARE(int(notCompatible.size()), 3);
    for (const auto* list : {&compatible, &notCompatible}) {
        for (const std::string& item : *list) {
            QVERIFY2(signNames.count(item) == 1, item.c_str());
        }
    }
    if (sign == 10) {
        QCOMPARE(QString::fromStdString(info.CompatibleWith), QString("Aquarius, Libra, Gemini"));
    }
}

void TestSignTables::proseShape_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minChars");
    QTest::addColumn<int>("maxChars");
    QTest::addColumn<int>("minSentences");
    QTest::addColumn<int>("maxSentences");

    for (const ProseLimits& limits : kProseLimits) {
        for (int sign = 0; sign < tivora::kSignCount; ++sign) {
            QTest::addRow("%s %s", limits.field, kSignNames[sign])
                << QString::fromStdString(cell(limits.field, sign)) << limits.minChars
                << limits.maxChars << limits.minSentences << limits.maxSentences;
        }
    }
}

void TestSignTables::proseShape() {
    QFETCH(QString, text);
    QFETCH(int, minChars);
    QFETCH(int, maxChars);
    QFETCH(int, minSentences);
    QFETCH(int, maxSentences);

    const QByteArray bytes = text.toUtf8();
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        QVERIFY2(c != '\n' && c != '\r', "line break");
        QVERIFY2(byte < 0x80, "non-ASCII byte");
        QVERIFY2(byte >= 0x20 && byte != 0x7f, "control character");
    }
    const int chars = int(bytes.size());
    QVERIFY2(chars >= minChars && chars <= maxChars,
             (QByteArray::number(chars) + " characters").constData());
    const int count = sentenceCount(bytes.toStdString());
    QVERIFY2(count >= minSentences && count <= maxSentences,
             (QByteArray::number(count) + " sentences").constData());

    // A paragraph of whole sentences, spoken to the reader.
    QVERIFY(std::isupper(static_cast<unsigned char>(bytes.front())));
    QVERIFY(isTerminal(bytes.back()));
    QVERIFY(!bytes.contains("  "));
    const std::string words = " " + lowered(bytes.toStdString());
    QVERIFY(words.find(" you ") != std::string::npos || words.find(" your ") != std::string::npos);
}

void TestSignTables::healthNamesRuledBodyPart_data() {
    QTest::addColumn<int>("sign");
    for (int sign = 0; sign < tivora::kSignCount; ++sign) {
        QTest::newRow(kSignNames[sign]) << sign;
    }
}

void TestSignTables::healthNamesRuledBodyPart() {
    QFETCH(int, sign);
    const std::string health = lowered(cell("Health", sign));
    const std::string parts = lowered(cell("PartOfTheBody", sign));
    // "Heart & Stomach" asks for both the heart and the stomach.
    std::size_t start = 0;
    while (start != std::string::npos) {
        const std::size_t amp = parts.find(" & ", start);
        const std::string part =
            parts.substr(start, amp == std::string::npos ? std::string::npos : amp - start);
        QVERIFY2(health.find(part) != std::string::npos, part.c_str());
        start = amp == std::string::npos ? amp : amp + 3;
    }
}

void TestSignTables::noSentenceRepeatsAcrossSigns_data() {
    QTest::addColumn<QString>("field");
    for (const ProseLimits& limits : kProseLimits) {
        QTest::newRow(limits.field) << QString(limits.field);
    }
}

void TestSignTables::noSentenceRepeatsAcrossSigns() {
    QFETCH(QString, field);
    std::set<std::string> seen;
    int total = 0;
    for (int sign = 0; sign < tivora::kSignCount; ++sign) {
        const std::string text = cell(field.toLatin1().constData(), sign);
        for (const std::string& sentence : sentences(text)) {
            QVERIFY2(seen.insert(sentence).second, (kSignNames[sign] + (": " + sentence)).c_str());
            ++total;
        }
        QCOMPARE(sentenceCount(text), int(sentences(text).size()));
    }
    QCOMPARE(int(seen.size()), total);
}

void TestSignTables::natureOpeningsDiffer() {
    // The first three words of each Nature text are its own.
    std::set<std::string> openings;
    for (int sign = 0; sign < tivora::kSignCount; ++sign) {
        const std::string text = cell("Nature", sign);
        std::size_t end = 0;
        for (int word = 0; word < 3 && end != std::string::npos; ++word) {
            end = text.find(' ', end + 1);
        }
        const std::string opening = text.substr(0, end);
        QVERIFY2(openings.insert(opening).second, (kSignNames[sign] + (": " + opening)).c_str());
    }
}

QTEST_APPLESS_MAIN(TestSignTables)
#include "test_sign_tables.moc"
