#include "reading/result_fields.h"

namespace tivora {
namespace {

using SI = SignInformation;

std::vector<ResultField> MakeResultFields() {
    return {
        // Left panel.
        {"txtRullingPlanet", "lblRullingPlanet", "Rulling Planet",
         "This signifies the planet that exercises a powerful energy on the sign.",
         &SI::RulingPlanet, kResultLeftPanel, false, false},
        {"txtEnglishName", "lblEnglishName", "English Name",
         "This signifies the English name for the Vedic moon sign.", &SI::EnglishName,
         kResultLeftPanel, false, false},
        {"txtInbornNature", "lblInbornNature", "Inborn Nature",
         "This describes the human characteristics of this sign.", &SI::InbornNature,
         kResultLeftPanel, false, false},
        {"txtSymbol", "lblSymbol", "Symbol",
         "This signifies the picture associated with the moon sign.", &SI::Symbol, kResultLeftPanel,
         false, false},
        {"txtSignColor", "lblSignColor", "Sign Color",
         "This signifies the color associated with the sign.", &SI::SignColor, kResultLeftPanel,
         false, false},
        // Page 1: sign characteristics.
        {"txtTypeOfSign", "lblTypeOfSign", "Type Of Sign",
         "This signifies the attitude of the people under this sign.", &SI::TypeOfSign, 1, false,
         false},
        {"txtGender", "lblGender", "Gender",
         "The male rashis are more dynamic in nature while the female rashis are passive by "
         "nature.",
         &SI::Gender, 1, false, false},
        {"txtBarren", "lblBarren", "Barren / Fruitful",
         "This classifies the signs on basis of fertility.", &SI::Fruitfulness, 1, false, false},
        {"txtSignCaste", "lblSignCaste", "Sign Caste",
         "This classifies the sign based on caste into Brahmana (the seeker and teacher of "
         "knowledge), Kshatriya (warriors, rulers), Vaisya (the industrialists, wealth creators) "
         "and the Sudras (the workers).",
         &SI::SignCaste, 1, false, false},
        {"txtSignPosition", "lblSignPosition", "Sign Position",
         "This classifies the sign based on position into Dwara (Entrance), Bahya (Outside), "
         "Garbha (Inside).",
         &SI::SignPosition, 1, false, false},
        {"txtConstituentCharacter", "lblConstituentCharacter", "Constituent Character",
         "This classifies the sign based on constituent making into Dhatu (Mineral), Moola "
         "(Vegetable) and Jeeva (Animal). ",
         &SI::ConstituentCharacter, 1, false, false},
        {"txtPartOfTheBody", "lblPartOfTheBody", "Part Of The Body",
         "This shows the parts of the bodies that the different signs represent.",
         &SI::PartOfTheBody, 1, false, false},
        // Page 2: physique and looks.
        {"txtPhysique", "lblPhysique", "Physique",
         "This signifies the general stature of people born under this sign. ", &SI::Physique, 2,
         false, false},
        {"txtLooks", "lblLooks", "Looks",
         "This signifies the physical appearance of people born under this sign.", &SI::Looks, 2,
         true, false},
        // Page 3: human nature.
        {"txtNature", "lblNature", "Nature",
         "This signifies the human nature of people born under this sign. ", &SI::Nature, 3, true,
         false},
        // Page 4: career and finance.
        {"txtCareerAndFinance", "lblCareerAndFinance", "Career And Finance",
         "This shows their career interests and financial habits.", &SI::CareerAndFinance, 4, true,
         false},
        // Page 5: love and compatibility.
        {"txtLoveAndDomesticLife", "lblLoveAndDomesticLife", "Love And Domestic Life",
         "This signifies born under this sign.", &SI::LoveAndDomesticLife, 5, true, false},
        {"txtCompatibleWith", "lblCompatibleWith", "Compatible With",
         "This signifies the other rashis/ moon signs that are compatible with this sign.",
         &SI::CompatibleWith, 5, false, false},
        {"txtNotCompatibleWith", "lblNotCompatibleWith", "Not Compatible With",
         "This signifies the other rashis/ moon signs that are not compatible with this sign.",
         &SI::NotCompatibleWith, 5, false, false},
        // Page 6: health.
        {"txtHealth", "lblHealth", "Health",
         "This signifies the health issues of people born under this rashi.", &SI::Health, 6, true,
         false},
        // Page 7: lucky values, captioned with the sign's Vedic name.
        {"txtLuckyDays", "lblLuckyDays", "Lucky Days",
         "This signifies the lucky days for people born under this sign.", &SI::LuckyDays, 7, false,
         true},
        {"txtLuckyNumbers", "lblLuckyNumbers", "Lucky Numbers",
         "This signifies the lucky numbers for people born under this sign.", &SI::LuckyNumbers, 7,
         false, true},
        {"txtBestDirection", "lblBestDirection", "Best Direction",
         "This signifies the lucky directions for people born under this sign.", &SI::BestDirection,
         7, false, true},
        {"txtLuckyColors", "lblLuckyColors", "Lucky Colors",
         "This signifies the lucky colors for people born under this sign.", &SI::LuckyColors, 7,
         false, true},
        {"txtLuckyGemstone", "lblLuckyGemstone", "Lucky Gemstone",
         "This signifies the lucky gemstones for people born under this sign.", &SI::LuckyGemstone,
         7, false, true},
        {"txtBestPeriodOfActivity", "lblBestPeriodOfActivity", "Best Period Of Activity",
         "This shows the best period of the day when people of this sign are more active.",
         &SI::BestPeriodOfActivity, 7, false, true},
    };
}

} // namespace

const std::vector<ResultField>& ResultFields() {
    static const std::vector<ResultField> fields = MakeResultFields();
    return fields;
}

std::vector<const ResultField*> ResultFieldsOnPage(int page) {
    std::vector<const ResultField*> rows;
    for (const ResultField& field : ResultFields())
        if (field.page == page)
            rows.push_back(&field);
    return rows;
}

QString LoadedCaption(const ResultField& field, const SignInformation& info) {
    QString caption = QString::fromUtf8(field.caption);
    if (field.namesRashi)
        caption += QStringLiteral(" for ") + QString::fromStdString(info.VedicName);
    return caption;
}

QString LoadedValue(const ResultField& field, const SignInformation& info) {
    return QString::fromStdString(info.*field.member);
}

QStringList ResultTabCaptions() {
    return {QStringLiteral("Sign Characteristics"),   QStringLiteral("Physique And Looks"),
            QStringLiteral("Human Nature"),           QStringLiteral("Career And Finance"),
            QStringLiteral("Love And Compatibility"), QStringLiteral("Health"),
            QStringLiteral("Lucky for....Rashi"),     QStringLiteral("About Software")};
}

QString LuckyTabCaption(const SignInformation& info) {
    return QStringLiteral("Lucky for ") + QString::fromStdString(info.VedicName);
}

int ResultPictureIndex(const QStringList& keys, const QString& englishName, int current) {
    for (int i = 0; i < keys.size(); ++i)
        if (keys.at(i) == englishName)
            return i;
    return current;
}

} // namespace tivora
