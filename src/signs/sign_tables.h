#pragma once

#include <array>
#include <string>

namespace tivora {

// The texts of one sign, in declared order. The program's Application owns
// the current reading's; the windows and the report read its fields directly.
struct SignInformation {
    std::string VedicName;
    std::string EnglishName;
    std::string RulingPlanet;
    std::string Symbol;
    std::string InbornNature;
    std::string SignColor;
    std::string TypeOfSign;
    std::string Gender;
    std::string BestPeriodOfActivity;
    std::string Fruitfulness;
    std::string SignCaste;
    std::string SignPosition;
    std::string ConstituentCharacter;
    std::string LuckyDays;
    std::string LuckyNumbers;
    std::string BestDirection;
    std::string LuckyColors;
    std::string LuckyGemstone;
    std::string PartOfTheBody;
    std::string Physique;
    std::string Looks;
    std::string Nature;
    std::string CareerAndFinance;
    std::string LoveAndDomesticLife;
    std::string Health;
    std::string CompatibleWith;
    std::string NotCompatibleWith;
};

constexpr int kSignCount = 12;

// The translation context of every sign text (a Qt layer translates the
// fields through it).
inline constexpr const char* kSignTextContext = "tivora::SignTexts";
constexpr int kSignFieldCount = 27;

using SignTable = std::array<const char*, kSignCount>;

// One row per field of SignInformation, in declared order: the field's name,
// its member and its table of twelve texts (Aries first, Pisces last).
struct SignField {
    const char* name;
    std::string SignInformation::*member;
    const SignTable* table;
};

const std::array<SignField, kSignFieldCount>& SignTables();

// Looks up a field row by name; nullptr when there is none.
const SignField* FindSignField(const std::string& name);

// Copies the texts of the sign whose English name starts with lagnaSign
// (whole-text, case-sensitive comparison with the first three letters);
// leaves target untouched when no sign matches.
void SelectSignInformation(const std::string& lagnaSign, SignInformation& target);

} // namespace tivora
