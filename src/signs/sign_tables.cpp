#include "signs/sign_tables.h"

#include <cstddef>
#include <string_view>
#include <utility>

// Marks each text for the translation tools, which find it by this name,
// and leaves the text itself: this library stays free of Qt. The context
// must stay the same as kSignTextContext.
#define QT_TRANSLATE_NOOP(context, text) text

namespace tivora {
namespace {

// Every table lists the signs in zodiac order, Aries first and Pisces last.

// Names and basic attributes.
constexpr SignTable kVedicName = {QT_TRANSLATE_NOOP("tivora::SignTexts", "Mesha"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Vrishabha"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Mithuna"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Kataka"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Simha"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Kanya"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Thula"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Vrischika"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Dhanus"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Makara"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Kumbha"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Meena")};
constexpr SignTable kEnglishName = {QT_TRANSLATE_NOOP("tivora::SignTexts", "Aries"),
                                    QT_TRANSLATE_NOOP("tivora::SignTexts", "Taurus"),
                                    QT_TRANSLATE_NOOP("tivora::SignTexts", "Gemini"),
                                    QT_TRANSLATE_NOOP("tivora::SignTexts", "Cancer"),
                                    QT_TRANSLATE_NOOP("tivora::SignTexts", "Leo"),
                                    QT_TRANSLATE_NOOP("tivora::SignTexts", "Virgo"),
                                    QT_TRANSLATE_NOOP("tivora::SignTexts", "Libra"),
                                    QT_TRANSLATE_NOOP("tivora::SignTexts", "Scorpio"),
                                    QT_TRANSLATE_NOOP("tivora::SignTexts", "Sagittarius"),
                                    QT_TRANSLATE_NOOP("tivora::SignTexts", "Capricorn"),
                                    QT_TRANSLATE_NOOP("tivora::SignTexts", "Aquarius"),
                                    QT_TRANSLATE_NOOP("tivora::SignTexts", "Pisces")};
constexpr SignTable kRulingPlanet = {QT_TRANSLATE_NOOP("tivora::SignTexts", "Mars"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Venus"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Mercury"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Moon"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Sun"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Mercury"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Venus"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Mars"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Jupiter"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Saturn"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Saturn"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Jupiter")};
constexpr SignTable kSymbol = {QT_TRANSLATE_NOOP("tivora::SignTexts", "The Ram"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "The Bull"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "The Twins"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "The Crab"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "The Lion"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "The Virgin"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "The Balance"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "The Scorpion"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "The Archer"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "The Crocodile"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "The Water Carrier"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "The Double Fish")};
constexpr SignTable kInbornNature = {QT_TRANSLATE_NOOP("tivora::SignTexts", "Fire"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Earth"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Air"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Water"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Fire"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Earth"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Air"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Water"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Fire"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Earth"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Air"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Water")};
constexpr SignTable kSignColor = {QT_TRANSLATE_NOOP("tivora::SignTexts", "Red, Brown, Copper"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "White"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Green"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Pink"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "White"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Multicolored"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Black"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Reddish Brown"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Yellowish brown"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Multicolored"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Deep Brown"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Blue")};
constexpr SignTable kTypeOfSign = {QT_TRANSLATE_NOOP("tivora::SignTexts", "Movable"),
                                   QT_TRANSLATE_NOOP("tivora::SignTexts", "Fixed"),
                                   QT_TRANSLATE_NOOP("tivora::SignTexts", "Mixed"),
                                   QT_TRANSLATE_NOOP("tivora::SignTexts", "Movable"),
                                   QT_TRANSLATE_NOOP("tivora::SignTexts", "Fixed"),
                                   QT_TRANSLATE_NOOP("tivora::SignTexts", "Mixed"),
                                   QT_TRANSLATE_NOOP("tivora::SignTexts", "Movable"),
                                   QT_TRANSLATE_NOOP("tivora::SignTexts", "Fixed"),
                                   QT_TRANSLATE_NOOP("tivora::SignTexts", "Mixed"),
                                   QT_TRANSLATE_NOOP("tivora::SignTexts", "Movable"),
                                   QT_TRANSLATE_NOOP("tivora::SignTexts", "Fixed"),
                                   QT_TRANSLATE_NOOP("tivora::SignTexts", "Mixed")};

// Classifications.
constexpr SignTable kGender = {QT_TRANSLATE_NOOP("tivora::SignTexts", "Male"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "Female"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "Female"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "Female"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "Male"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "Female"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "Male"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "Female"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "Male"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "Female"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "Male"),
                               QT_TRANSLATE_NOOP("tivora::SignTexts", "Female")};
constexpr SignTable kBestPeriodOfActivity = {QT_TRANSLATE_NOOP("tivora::SignTexts", "Night"),
                                             QT_TRANSLATE_NOOP("tivora::SignTexts", "Night"),
                                             QT_TRANSLATE_NOOP("tivora::SignTexts", "Night"),
                                             QT_TRANSLATE_NOOP("tivora::SignTexts", "Night"),
                                             QT_TRANSLATE_NOOP("tivora::SignTexts", "Day"),
                                             QT_TRANSLATE_NOOP("tivora::SignTexts", "Day"),
                                             QT_TRANSLATE_NOOP("tivora::SignTexts", "Day"),
                                             QT_TRANSLATE_NOOP("tivora::SignTexts", "Day"),
                                             QT_TRANSLATE_NOOP("tivora::SignTexts", "Night"),
                                             QT_TRANSLATE_NOOP("tivora::SignTexts", "Night"),
                                             QT_TRANSLATE_NOOP("tivora::SignTexts", "Day"),
                                             QT_TRANSLATE_NOOP("tivora::SignTexts", "Day")};
constexpr SignTable kFruitfulness = {QT_TRANSLATE_NOOP("tivora::SignTexts", "Barren"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Semi-Fruitful"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Barren"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Fruitful"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Barren"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Barren"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Semi-Fruitful"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Fruitful"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Semi-Fruitful"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Barren"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Semi-Fruitful"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Fruitful")};
constexpr SignTable kSignCaste = {QT_TRANSLATE_NOOP("tivora::SignTexts", "Kshatriya"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Vaisya"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Sudra"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Brahmana"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Kshatriya"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Vaisya"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Sudra"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Brahmana"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Kshatriya"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Vaisya"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Sudra"),
                                  QT_TRANSLATE_NOOP("tivora::SignTexts", "Brahmana")};
constexpr SignTable kSignPosition = {QT_TRANSLATE_NOOP("tivora::SignTexts", "Dwara"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Bahya"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Garbha"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Dwara"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Bahya"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Garbha"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Dwara"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Bahya"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Garbha"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Dwara"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Bahya"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "Garbha")};
constexpr SignTable kConstituentCharacter = {
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Mineral (Dhatu)"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Vegetable (Moola)"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Animal (Jeeva)"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Mineral (Dhatu)"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Vegetable (Moola)"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Animal (Jeeva)"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Mineral (Dhatu)"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Vegetable (Moola)"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Animal (Jeeva)"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Mineral (Dhatu)"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Vegetable (Moola)"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Animal (Jeeva)")};

// Lucky values.
constexpr SignTable kLuckyDays = {
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Monday, Tuesday"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Thursday, Friday"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Monday, Wednesday"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Monday, Thursday"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Sunday, Monday"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Wednesday, Friday"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Friday, Wednesday, Thursday"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Monday, Tuesday, Thursday"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Sunday, Thursday"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Saturday, Wednesday"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Thursday, Friday, Saturday"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Thursday, Monday, Tuesday")};
constexpr SignTable kLuckyNumbers = {QT_TRANSLATE_NOOP("tivora::SignTexts", "9, 1"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "2, 8"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "3, 7"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "2, 7, 9"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "1, 4, 5, 9"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "2, 3, 5, 6"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "1, 2, 4"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "3, 7, 9"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "3, 5, 6, 8"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "6, 8, 9"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "2, 3, 7, 9"),
                                     QT_TRANSLATE_NOOP("tivora::SignTexts", "1, 3, 4")};
constexpr SignTable kBestDirection = {QT_TRANSLATE_NOOP("tivora::SignTexts", "East"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "South"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "West"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "North"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "East"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "South"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "West"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "North"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "East"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "South"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "West"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "North")};
constexpr SignTable kLuckyColors = {
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Red, Brown, Copper"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Pink, Green"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Yellow, Purple, Blue"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "White, Red, Yellow"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Orange, Red, Green"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Green"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "White, Green, Yellow"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Brown, Red, Yellow, White"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Yellow, Gray, Brown"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Black, Blue"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Blue, Black"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Pink, Cream")};
constexpr SignTable kLuckyGemstone = {QT_TRANSLATE_NOOP("tivora::SignTexts", "Coral"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "Diamond"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "Emerald"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "Pearl"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "Ruby"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "Emerald"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "Diamond"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "Coral"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "Yellow Sapphire"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "Blue Sapphire"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "Blue Sapphire"),
                                      QT_TRANSLATE_NOOP("tivora::SignTexts", "Yellow Sapphire")};

// The ruled part of the body and the general stature.
constexpr SignTable kPartOfTheBody = {
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Head"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Face"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Shoulders"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Chest"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Heart & Stomach"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Abdomen"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Lower Abdomen & Groin"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "External Genitalia"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Thighs"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Knees"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Calves"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Feet")};
constexpr SignTable kPhysique = {QT_TRANSLATE_NOOP("tivora::SignTexts", "Short"),
                                 QT_TRANSLATE_NOOP("tivora::SignTexts", "Short"),
                                 QT_TRANSLATE_NOOP("tivora::SignTexts", "Even"),
                                 QT_TRANSLATE_NOOP("tivora::SignTexts", "Even"),
                                 QT_TRANSLATE_NOOP("tivora::SignTexts", "Tall"),
                                 QT_TRANSLATE_NOOP("tivora::SignTexts", "Tall"),
                                 QT_TRANSLATE_NOOP("tivora::SignTexts", "Tall"),
                                 QT_TRANSLATE_NOOP("tivora::SignTexts", "Tall"),
                                 QT_TRANSLATE_NOOP("tivora::SignTexts", "Even"),
                                 QT_TRANSLATE_NOOP("tivora::SignTexts", "Even"),
                                 QT_TRANSLATE_NOOP("tivora::SignTexts", "Short"),
                                 QT_TRANSLATE_NOOP("tivora::SignTexts", "Short")};

// Compatibility.
constexpr SignTable kCompatibleWith = {
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Leo, Sagittarius, Gemini, Aquarius, Libra"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Cancer, Virgo, Scorpio, Capricorn, Pisces"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Aries, Leo, Libra, Sagittarius, Aquarius"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Virgo, Scorpio, Capricorn, Pisces, Taurus"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Libra, Sagittarius, Aquarius, Aries, Gemini"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Scorpio, Capricorn, Pisces, Cancer"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Sagittarius, Aquarius, Aries, Gemini, Leo"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Capricorn, Pisces, Taurus, Cancer, Virgo"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Aquarius, Aries, Gemini, Leo, Libra"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Pisces, Taurus, Cancer, Virgo, Scorpio"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Aquarius, Libra, Gemini"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Taurus, Cancer, Virgo, Scorpio, Capricorn")};
constexpr SignTable kNotCompatibleWith = {
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Scorpio, Pisces, Cancer"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Gemini, Aquarius, Libra"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Taurus, Virgo, Capricorn"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Aries, Leo, Sagittarius"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Scorpio, Pisces, Cancer"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Gemini, Aquarius, Libra"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Taurus, Virgo, Capricorn"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Aries, Leo, Sagittarius"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Scorpio, Pisces, Cancer"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Gemini, Aquarius, Libra"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Taurus, Virgo, Capricorn"),
    QT_TRANSLATE_NOOP("tivora::SignTexts", "Aries, Leo, Sagittarius")};

// Prose: one paragraph per sign, addressed to the reader.

constexpr SignTable kLooks = {
    // Aries
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You have a lean, muscular frame, rather short, and a quick, springy walk. Your "
        "complexion is ruddy and your eyebrows are strong. Your face is angular and your eyes "
        "bright and direct."),
    // Taurus
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You have a compact, well-knit build with a strong neck and broad shoulders. Your face is "
        "pleasant, with full lips and large, gentle eyes. Your complexion is usually clear and "
        "fair."),
    // Gemini
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You are usually slim and of middle height, with long arms and quick, expressive hands. "
        "Your eyes are lively and alert, your complexion clear and your look youthful for many "
        "years."),
    // Cancer
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You often have a round face with soft features and a pale or fair complexion. Your build "
        "is medium and may grow fuller with age. Your eyes are gentle and change with your mood."),
    // Leo
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You are tall and well built, with broad shoulders and a proud, upright bearing. Your "
        "hair is often thick, your complexion warm and your eyes bright and steady. People notice "
        "when you enter."),
    // Virgo
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You have a slim, neat figure and usually stand fairly tall. Your features are delicate, "
        "your skin fine and your eyes clear and observant. You often look younger than your "
        "years."),
    // Libra
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You are usually tall and gracefully built, with a well-balanced figure. Your complexion "
        "is fair and your face symmetrical and pleasing, often lit by a charming smile."),
    // Scorpio
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You have a strong, well-built body, often tall, and an intense, magnetic presence. Your "
        "eyes are deep and penetrating under thick brows, and your complexion is dusky."),
    // Sagittarius
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You are well built and athletic, with strong thighs and a long, open face. Your forehead "
        "is high, your complexion fresh, your eyes bright and friendly, and your expression "
        "cheerful."),
    // Capricorn
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You have a lean, bony frame and a serious, composed expression. Your nose and chin are "
        "often prominent and your complexion darker. You may look older in youth but younger with "
        "age."),
    // Aquarius
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You are of medium or short height with a well-formed body. Your forehead is broad, your "
        "complexion fair and your eyes have a distant, thoughtful look."),
    // Pisces
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You are usually short, with a soft, rounded body and small hands and feet. Your eyes are "
        "large, dreamy and gentle, and your complexion is pale."),
};

constexpr SignTable kNature = {
    // Aries
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Mars gives you a fighter's spirit and a hunger to be first. You act the moment an idea "
        "strikes and sort out the details later. Courage comes naturally, and you defend the weak "
        "without being asked. You speak plainly and expect the same from others. Waiting is hard "
        "for you, and slow people test your temper. Your anger flares fast but soon burns out. "
        "You rarely hold a grudge. You often do your best work under pressure. Starting things "
        "excites you far more than finishing them. Competition fires you up, yet losing "
        "gracefully is a lesson you must learn. You are honest, enthusiastic and generous with "
        "your time. Rashness is your chief weakness, and a pause before acting would spare you "
        "many regrets. Learn to listen as well as lead, and your natural command will win lasting "
        "loyalty."),
    // Taurus
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Patience is your quiet strength, and you seldom rush anything that matters. Venus gives "
        "you a love of beauty, comfort and good food. You like to know where you stand, and "
        "sudden changes unsettle you. Once you give your word, you keep it. Friends rely on you "
        "because you are steady, calm and practical. You build slowly, but what you build tends "
        "to last. Your taste in music, art and clothes is refined. You can also be very stubborn, "
        "and no amount of pushing will move you once your mind is made up. Slow to anger, you are "
        "hard to calm once your temper finally breaks. Possessiveness about people and things is "
        "a trap to watch. Too much ease can make you lazy or indulgent. Welcome new ideas, and "
        "your solid nature will bring you both security and contentment."),
    // Gemini
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Your mind never sits still. Mercury makes you curious about everything, and you learn "
        "new subjects with remarkable speed. You are witty, talkative and at ease in almost any "
        "company. Words are your tools, on paper and in conversation. You can see both sides of a "
        "question, which makes you flexible in debate. Routine bores you, and you are happiest "
        "with several things on the go. Restlessness is your weakness. Your attention drifts "
        "before a task is done. People sometimes find you changeable or hard to pin down. Nervous "
        "tension builds up when you take on too much. You may know a little about many things "
        "rather than a great deal about one. Your humor and your gift for ideas make you good "
        "company. Choose a few goals and stay with them, and your many talents will bear real "
        "fruit."),
    // Cancer
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Ruled by the Moon, you feel everything deeply, and your moods rise and fall like the "
        "tides. Home and family are the center of your world. You care for others by instinct and "
        "remember every kindness shown to you. You treasure the past, old photographs and family "
        "stories. Beneath a shy surface lies great tenacity. Like the crab, you hold on to what "
        "you love and do not easily let go. Your intuition about people is usually right. You are "
        "hurt easily, though you may hide it behind a hard shell. When upset, you tend to "
        "withdraw and sulk rather than speak out. Worry about security can make you cautious or "
        "clinging. You are thrifty and like to keep something in reserve. Trust your feelings, "
        "but do not let old hurts rule your present, and your warmth will draw loyal friends to "
        "you."),
    // Leo
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Like the lion of your sign, you carry yourself with natural dignity. The Sun gives you "
        "warmth, confidence and a strong wish to shine. You are generous with praise, money and "
        "time, and you expect loyalty in return. Leadership suits you. Others look to you in a "
        "crisis. You have a strong sense of honor and will not stoop to petty tricks. Your flair "
        "for drama makes life around you colorful. Being ignored hurts you more than being "
        "criticized. Pride is your greatest weakness, since it makes admitting a mistake very "
        "difficult. You may turn bossy when people do not follow your lead. Flattery can sway you "
        "more than it should. Still, your heart is big and your loyalty to friends is "
        "unshakeable. Share the spotlight and lead by example, and your authority will be "
        "respected everywhere."),
    // Virgo
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You notice what others miss. Mercury gives you a sharp, analytical mind that loves order "
        "and accuracy. You plan carefully and finish what you start. Modesty is part of your "
        "charm, and you rarely boast. Being useful gives you real satisfaction, and you are quick "
        "to help a friend with practical advice. You are tidy and careful about your health and "
        "diet. Your eye for detail makes you an excellent judge of quality. The same eye can turn "
        "critical, both of others and of yourself. You may worry over small matters that do not "
        "deserve it. Perfectionism can keep you from enjoying work that is already good enough. "
        "You are reserved with strangers and slow to show your feelings. Relax your standards now "
        "and then, and your dependable, thoughtful nature will earn you deep trust."),
    // Libra
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Harmony matters to you more than almost anything else. Venus gives you charm, good "
        "manners and a fine sense of beauty. Like the scales of your sign, you weigh every choice "
        "with care. Fairness is a deep principle with you. Injustice stirs you to act. You are "
        "sociable and skilled at making others feel at ease. People come to you to settle "
        "quarrels because you listen well and stay calm. You dislike rough words, loud scenes and "
        "ugly surroundings. Making a decision can take you a long time. To keep the peace you "
        "sometimes agree to things you do not really want. Your happiness often depends too much "
        "on the approval of others. Still, your tact and sense of justice make you a natural "
        "diplomat. Trust your own judgment more, and you will find balance within yourself as "
        "well as around you."),
    // Scorpio
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Still waters run deep, and few people ever see all of you. Mars gives you iron willpower "
        "and the stamina to see a hard task through. Your feelings are intense, though you keep "
        "them well hidden. You read people quickly and can sense a lie before it is spoken. "
        "Secrets are safe with you, and you guard your own privacy closely. When you commit to a "
        "person or a cause, your loyalty is total. Setbacks do not break you, and you often rise "
        "stronger after a crisis. Mysteries draw you in. Your weaknesses are jealousy, suspicion "
        "and a long memory for wrongs. Once hurt, you find it very hard to forgive. Your sharp "
        "tongue can sting when you are provoked. Use your inner strength to heal rather than to "
        "punish, and you can transform your own life and the lives of others."),
    // Sagittarius
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "An archer aims far, and so do you. Jupiter blesses you with optimism and faith that "
        "tomorrow will be better. You love freedom, travel and new horizons, both on the map and "
        "in the mind. Philosophy, religion and big questions fascinate you. You are honest to a "
        "fault and say exactly what you think. Your generosity is genuine, and you are quick to "
        "forgive. Good humor carries you through difficult times. You believe in fair play and "
        "dislike hypocrisy. Restlessness is your weakness, and you may promise more than you can "
        "deliver. Careless with details, you sometimes leap before you look. Your frankness can "
        "hurt friends without your meaning it. You can also preach when a listening ear would "
        "help more. Keep your aims high but your plans practical, and luck will often walk beside "
        "you."),
    // Capricorn
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Saturn teaches you early that success must be earned. You set long-term goals and climb "
        "toward them one careful step at a time. Discipline, patience and a strong sense of duty "
        "are your great strengths. You prefer proven methods to untested ideas. Responsibility "
        "comes naturally. People trust you with serious affairs. You respect tradition, elders "
        "and established authority. Your humor is dry and often surprises those who think you are "
        "stern. You are reserved and rarely show your feelings in public. Pessimism can settle on "
        "you when results come slowly. At times you may seem cold, rigid or too concerned with "
        "status. You can work so hard that you forget to rest and enjoy life. Let yourself relax "
        "and trust others a little more, and your steady climb will bring lasting respect."),
    // Aquarius
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You think for yourself and rarely follow the crowd. Saturn lends you patience, while "
        "your airy sign gives you original ideas. You care about humanity as a whole and want to "
        "make the world fairer. Friendship means a great deal to you. You get along with people "
        "from every walk of life. You are inventive and drawn to science and new technology. "
        "Rules that make no sense to you are rules you will question. At the same time you are "
        "loyal to the principles you hold. You can seem cool or detached, even to those closest "
        "to you. Once you form an opinion, you defend it stubbornly. Your need for independence "
        "may make you resist advice. Sometimes you care more for causes than for the person in "
        "front of you. Warm your ideals with personal kindness, and your vision can help many "
        "people."),
    // Pisces
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Your heart is as wide as the ocean your fish swim in. Jupiter makes you kind, spiritual "
        "and generous to anyone in need. You feel the joys and sorrows of others as if they were "
        "your own. Your intuition is strong, and you often sense things before they happen. "
        "Music, poetry and art move you deeply. You are gentle, patient and slow to judge. "
        "Forgiveness comes easily to you, sometimes too easily. You dislike harsh realities and "
        "may retreat into daydreams when life grows hard. Others can take advantage of your good "
        "nature. Self-doubt may keep you from pursuing what you truly deserve. Schedules and "
        "bills can slip through your fingers. Give your dreams a firm plan and your kindness a "
        "few limits, and your compassion will become a real strength."),
};

constexpr SignTable kCareerAndFinance = {
    // Aries
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You do well where courage and quick decisions count. The army, the police, surgery, "
        "engineering, sports or a business of your own suit you. Money comes through effort but "
        "leaves fast on impulse buys, so a fixed saving habit serves you well."),
    // Taurus
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You suit careers that handle money, land or beautiful things: banking, real estate, "
        "farming, music, fashion, jewelry and fine food. You earn steadily, save with care and "
        "like to put money into property."),
    // Gemini
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You shine in work that uses words and contacts: journalism, writing, teaching, sales, "
        "advertising, media, trade and travel. Your income may flow from more than one source, "
        "but it can be irregular, so keep clear accounts."),
    // Cancer
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You do well in caring and home-centered work such as nursing, catering, hotels, child "
        "care, teaching and real estate, and in trades connected with water. With money you are "
        "careful. You feel safest with savings put aside."),
    // Leo
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You are suited to positions of authority in government, administration, politics and "
        "management, and to the stage and creative work. You earn well but spend freely on fine "
        "things. Set aside a reserve for leaner times."),
    // Virgo
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You excel in careful, detailed work: accounting, editing, research, medicine, pharmacy, "
        "nutrition, statistics and office administration. You budget wisely, track your spending "
        "and seldom waste money on show."),
    // Libra
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You do well in law, diplomacy, public relations, design, fashion and the arts, and in "
        "any business run with a partner. You enjoy spending on beautiful things, and joint "
        "ventures often bring your best gains."),
    // Scorpio
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You make an excellent researcher, detective, surgeon, psychologist, insurance agent or "
        "mining engineer. You keep your finances private. You invest shrewdly and may gain from "
        "inheritance or from other people's money."),
    // Sagittarius
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You are at home in teaching, law, religion, publishing, travel, sports and foreign "
        "trade. Fortune often smiles on you, but you can be too generous or take risks with "
        "money, so plan your finances with care."),
    // Capricorn
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You thrive in government service, administration, management, engineering, construction, "
        "mining, agriculture and politics. You are thrifty, plan for the long term and prefer to "
        "invest in land and safe savings."),
    // Aquarius
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You are well suited to science, research, technology, electronics, aviation, astrology "
        "and social work. Money is not your main aim. You may give generously to causes, so keep "
        "some savings in hand."),
    // Pisces
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You suit creative and caring work: music, film, painting, photography, medicine, "
        "nursing, charity, spiritual service and trades linked to the sea. You can be careless "
        "with money, so a simple budget protects you."),
};

constexpr SignTable kLoveAndDomesticLife = {
    // Aries
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You fall in love quickly and pursue the one you want with open passion. A partner with "
        "spirit keeps your interest longest. Quarrels in marriage flare up and pass, so guard "
        "your words. As a parent you are lively and protective, and you teach your children to "
        "stand up for themselves."),
    // Taurus
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You take your time before you commit, but once you love, you love with deep loyalty. In "
        "marriage you show affection through touch, gifts and a comfortable home. Jealousy can "
        "creep in when you feel insecure. Your children grow up with warmth, good meals and a "
        "sense of security."),
    // Gemini
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You need a partner who can talk with you and keep your mind engaged. Flirting comes "
        "easily, and you may hesitate before settling down. In marriage, variety and shared "
        "interests keep the bond alive. As a parent you are playful and treat your children "
        "almost as friends."),
    // Cancer
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You love with great tenderness and need to feel safe before opening your heart. Marriage "
        "and a settled home mean a great deal to you. Your bond with your mother is especially "
        "strong. You nurture each child with patience. Try not to smother those you love with "
        "worry."),
    // Leo
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Romance for you is grand and wholehearted, full of warm gestures. You need a partner who "
        "admires you and stays loyal. In marriage you are faithful and generous, though you like "
        "to be in charge. You take great pride in your children and their achievements."),
    // Virgo
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You are shy in romance and show love through thoughtful acts rather than grand words. "
        "You want a partner who is sincere and sensible. Try not to criticize your spouse over "
        "small things. As a parent you teach your children good habits, order and respect for "
        "learning."),
    // Libra
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Romance and companionship are central to your happiness. Marriage is one of your main "
        "goals. You work hard to keep it peaceful. You try to be fair to your parents and "
        "siblings. With your children you are gentle and even-handed, and you teach them good "
        "manners."),
    // Scorpio
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You love with all-or-nothing intensity and expect the same depth in return. Betrayal is "
        "the one thing you cannot forgive. In marriage you are passionate and loyal, but watch "
        "your possessiveness. You guard your children fiercely and expect discipline from them."),
    // Sagittarius
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You need a partner who shares your love of adventure and gives you room to breathe. "
        "Honesty is your rule in romance. Marriage works best when you share ideals. Your father "
        "is often your first teacher. You encourage your children to explore and think for "
        "themselves."),
    // Capricorn
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You are cautious in love and take relationships seriously. You may marry later in life "
        "or choose an older partner. In marriage you are loyal and a reliable provider. You care "
        "for your parents in their old age, and you teach your children the value of hard work."),
    // Aquarius
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Friendship comes first for you, and love often grows out of it. You need a partner who "
        "respects your independence. Your marriage may look unconventional to others, but you are "
        "loyal within it. You treat your children as individuals and encourage their originality."),
    // Pisces
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "You are deeply romantic and give yourself completely to the one you love. You may "
        "idealize your partner at first. In marriage you are tender, loyal and self-sacrificing. "
        "As a parent you are gentle and affectionate and nourish your children's imagination."),
};

constexpr SignTable kHealth = {
    // Aries
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "The head is your weak point, so watch for headaches, fevers and head injuries. Rest when "
        "Mars drives you too hard."),
    // Taurus
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Your sign rules the face, throat and neck. Guard against sore throats, tonsil trouble "
        "and thyroid problems. Rich food easily adds weight."),
    // Gemini
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Your shoulders, arms, hands and lungs need care. Watch for nervous exhaustion, "
        "sleeplessness, coughs and breathing troubles such as asthma."),
    // Cancer
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Your chest and lungs are sensitive areas. Colds, coughs and chest congestion are common, "
        "and worry can upset your digestion."),
    // Leo
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Your heart and stomach need the most care. Watch your blood pressure and back, and avoid "
        "acidity brought on by rich food or stress."),
    // Virgo
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Your abdomen and intestines are sensitive. Nervous worry can upset your digestion, so "
        "watch for bowel trouble and indigestion."),
    // Libra
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Your lower abdomen and groin are sensitive, together with the kidneys and lower back. "
        "Watch for bladder infections. Treat back pain early."),
    // Scorpio
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Your sign rules the external genitalia and the reproductive system. Take care of the "
        "bladder and urinary tract, and treat infections early."),
    // Sagittarius
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Your thighs and hips need care. So does the liver. Watch for sciatica, sports injuries "
        "and the effects of overindulgence."),
    // Capricorn
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Your knees, bones and joints are your weak points. Watch for arthritis, rheumatism, "
        "stiffness, skin complaints and dental trouble."),
    // Aquarius
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Your calves and ankles are vulnerable, along with your circulation. Watch for cramps, "
        "varicose veins and sprains."),
    // Pisces
    QT_TRANSLATE_NOOP(
        "tivora::SignTexts",
        "Your feet are your most sensitive area. Watch for gout, corns and swelling. Take care "
        "with alcohol and medicines."),
};

// The field's name is spelled from the member itself, so the two cannot drift apart.
// clang-format off
#define TIVORA_SIGN_FIELD(field) {#field, &SignInformation::field, &k##field}
// clang-format on

constexpr std::array<SignField, kSignFieldCount> kSignFields = {{
    TIVORA_SIGN_FIELD(VedicName),
    TIVORA_SIGN_FIELD(EnglishName),
    TIVORA_SIGN_FIELD(RulingPlanet),
    TIVORA_SIGN_FIELD(Symbol),
    TIVORA_SIGN_FIELD(InbornNature),
    TIVORA_SIGN_FIELD(SignColor),
    TIVORA_SIGN_FIELD(TypeOfSign),
    TIVORA_SIGN_FIELD(Gender),
    TIVORA_SIGN_FIELD(BestPeriodOfActivity),
    TIVORA_SIGN_FIELD(Fruitfulness),
    TIVORA_SIGN_FIELD(SignCaste),
    TIVORA_SIGN_FIELD(SignPosition),
    TIVORA_SIGN_FIELD(ConstituentCharacter),
    TIVORA_SIGN_FIELD(LuckyDays),
    TIVORA_SIGN_FIELD(LuckyNumbers),
    TIVORA_SIGN_FIELD(BestDirection),
    TIVORA_SIGN_FIELD(LuckyColors),
    TIVORA_SIGN_FIELD(LuckyGemstone),
    TIVORA_SIGN_FIELD(PartOfTheBody),
    TIVORA_SIGN_FIELD(Physique),
    TIVORA_SIGN_FIELD(Looks),
    TIVORA_SIGN_FIELD(Nature),
    TIVORA_SIGN_FIELD(CareerAndFinance),
    TIVORA_SIGN_FIELD(LoveAndDomesticLife),
    TIVORA_SIGN_FIELD(Health),
    TIVORA_SIGN_FIELD(CompatibleWith),
    TIVORA_SIGN_FIELD(NotCompatibleWith),
}};

#undef TIVORA_SIGN_FIELD
#undef QT_TRANSLATE_NOOP

} // namespace

const std::array<SignField, kSignFieldCount>& SignTables() {
    return kSignFields;
}

const SignField* FindSignField(const std::string& name) {
    for (const SignField& field : kSignFields) {
        if (name == field.name) {
            return &field;
        }
    }
    return nullptr;
}

void SelectSignInformation(const std::string& lagnaSign, SignInformation& target) {
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        // substr keeps "Leo" whole: its name has only three letters.
        if (std::string_view(kEnglishName[sign]).substr(0, 3) != lagnaSign) {
            continue;
        }
        // Fill a copy first so the target changes in one step, all 27 fields at once.
        SignInformation selected;
        for (const SignField& field : kSignFields) {
            selected.*field.member = (*field.table)[sign];
        }
        target = std::move(selected);
        return;
    }
}

} // namespace tivora
