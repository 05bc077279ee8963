#include "reading/result_fields.h"

#include <QCoreApplication>

namespace tivora {
namespace {

using SI = SignInformation;

QString Tr(const char* text) {
    return QCoreApplication::translate("tivora::ResultFields", text);
}

std::vector<ResultField> MakeResultFields() {
    return {
        // Left panel.
        {"txtRullingPlanet", "lblRullingPlanet",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Rulling Planet"),
         QT_TRANSLATE_NOOP(
             "tivora::ResultFields",
             "This signifies the planet that exercises a powerful energy on the sign."),
         &SI::RulingPlanet, kResultLeftPanel, false, false},
        {"txtEnglishName", "lblEnglishName",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "English Name"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This signifies the English name for the Vedic moon sign."),
         &SI::EnglishName, kResultLeftPanel, false, false},
        {"txtInbornNature", "lblInbornNature",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Inborn Nature"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This describes the human characteristics of this sign."),
         &SI::InbornNature, kResultLeftPanel, false, false},
        {"txtSymbol", "lblSymbol", QT_TRANSLATE_NOOP("tivora::ResultFields", "Symbol"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This signifies the picture associated with the moon sign."),
         &SI::Symbol, kResultLeftPanel, false, false},
        {"txtSignColor", "lblSignColor", QT_TRANSLATE_NOOP("tivora::ResultFields", "Sign Color"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This signifies the color associated with the sign."),
         &SI::SignColor, kResultLeftPanel, false, false},
        // Page 1: sign characteristics.
        {"txtTypeOfSign", "lblTypeOfSign",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Type Of Sign"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This signifies the attitude of the people under this sign."),
         &SI::TypeOfSign, 1, false, false},
        {"txtGender", "lblGender", QT_TRANSLATE_NOOP("tivora::ResultFields", "Gender"),
         QT_TRANSLATE_NOOP(
             "tivora::ResultFields",
             "The male rashis are more dynamic in nature while the female rashis are passive by "
             "nature."),
         &SI::Gender, 1, false, false},
        {"txtBarren", "lblBarren", QT_TRANSLATE_NOOP("tivora::ResultFields", "Barren / Fruitful"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This classifies the signs on basis of fertility."),
         &SI::Fruitfulness, 1, false, false},
        {"txtSignCaste", "lblSignCaste", QT_TRANSLATE_NOOP("tivora::ResultFields", "Sign Caste"),
         QT_TRANSLATE_NOOP(
             "tivora::ResultFields",
             "This classifies the sign based on caste into Brahmana (the seeker and teacher of "
             "knowledge), Kshatriya (warriors, rulers), Vaisya (the industrialists, wealth "
             "creators) "
             "and the Sudras (the workers)."),
         &SI::SignCaste, 1, false, false},
        {"txtSignPosition", "lblSignPosition",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Sign Position"),
         QT_TRANSLATE_NOOP(
             "tivora::ResultFields",
             "This classifies the sign based on position into Dwara (Entrance), Bahya (Outside), "
             "Garbha (Inside)."),
         &SI::SignPosition, 1, false, false},
        {"txtConstituentCharacter", "lblConstituentCharacter",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Constituent Character"),
         QT_TRANSLATE_NOOP(
             "tivora::ResultFields",
             "This classifies the sign based on constituent making into Dhatu (Mineral), Moola "
             "(Vegetable) and Jeeva (Animal). "),
         &SI::ConstituentCharacter, 1, false, false},
        {"txtPartOfTheBody", "lblPartOfTheBody",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Part Of The Body"),
         QT_TRANSLATE_NOOP(
             "tivora::ResultFields",
             "This shows the parts of the bodies that the different signs represent."),
         &SI::PartOfTheBody, 1, false, false},
        // Page 2: physique and looks.
        {"txtPhysique", "lblPhysique", QT_TRANSLATE_NOOP("tivora::ResultFields", "Physique"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This signifies the general stature of people born under this sign. "),
         &SI::Physique, 2, false, false},
        {"txtLooks", "lblLooks", QT_TRANSLATE_NOOP("tivora::ResultFields", "Looks"),
         QT_TRANSLATE_NOOP(
             "tivora::ResultFields",
             "This signifies the physical appearance of people born under this sign."),
         &SI::Looks, 2, true, false},
        // Page 3: human nature.
        {"txtNature", "lblNature", QT_TRANSLATE_NOOP("tivora::ResultFields", "Nature"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This signifies the human nature of people born under this sign. "),
         &SI::Nature, 3, true, false},
        // Page 4: career and finance.
        {"txtCareerAndFinance", "lblCareerAndFinance",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Career And Finance"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This shows their career interests and financial habits."),
         &SI::CareerAndFinance, 4, true, false},
        // Page 5: love and compatibility.
        {"txtLoveAndDomesticLife", "lblLoveAndDomesticLife",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Love And Domestic Life"),
         QT_TRANSLATE_NOOP("tivora::ResultFields", "This signifies born under this sign."),
         &SI::LoveAndDomesticLife, 5, true, false},
        {"txtCompatibleWith", "lblCompatibleWith",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Compatible With"),
         QT_TRANSLATE_NOOP(
             "tivora::ResultFields",
             "This signifies the other rashis/ moon signs that are compatible with this sign."),
         &SI::CompatibleWith, 5, false, false},
        {"txtNotCompatibleWith", "lblNotCompatibleWith",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Not Compatible With"),
         QT_TRANSLATE_NOOP(
             "tivora::ResultFields",
             "This signifies the other rashis/ moon signs that are not compatible with this sign."),
         &SI::NotCompatibleWith, 5, false, false},
        // Page 6: health.
        {"txtHealth", "lblHealth", QT_TRANSLATE_NOOP("tivora::ResultFields", "Health"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This signifies the health issues of people born under this rashi."),
         &SI::Health, 6, true, false},
        // Page 7: lucky values, captioned with the sign's Vedic name.
        {"txtLuckyDays", "lblLuckyDays", QT_TRANSLATE_NOOP("tivora::ResultFields", "Lucky Days"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This signifies the lucky days for people born under this sign."),
         &SI::LuckyDays, 7, false, true},
        {"txtLuckyNumbers", "lblLuckyNumbers",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Lucky Numbers"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This signifies the lucky numbers for people born under this sign."),
         &SI::LuckyNumbers, 7, false, true},
        {"txtBestDirection", "lblBestDirection",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Best Direction"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This signifies the lucky directions for people born under this sign."),
         &SI::BestDirection, 7, false, true},
        {"txtLuckyColors", "lblLuckyColors",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Lucky Colors"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This signifies the lucky colors for people born under this sign."),
         &SI::LuckyColors, 7, false, true},
        {"txtLuckyGemstone", "lblLuckyGemstone",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Lucky Gemstone"),
         QT_TRANSLATE_NOOP("tivora::ResultFields",
                           "This signifies the lucky gemstones for people born under this sign."),
         &SI::LuckyGemstone, 7, false, true},
        {"txtBestPeriodOfActivity", "lblBestPeriodOfActivity",
         QT_TRANSLATE_NOOP("tivora::ResultFields", "Best Period Of Activity"),
         QT_TRANSLATE_NOOP(
             "tivora::ResultFields",
             "This shows the best period of the day when people of this sign are more active."),
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

QString FieldCaption(const ResultField& field) {
    return Tr(field.caption);
}

QString FieldHoverText(const ResultField& field) {
    return Tr(field.hoverText);
}

QString LoadedCaption(const ResultField& field, const SignInformation& info) {
    if (!field.namesRashi)
        return FieldCaption(field);
    //: A caption such as "Compatible With" and the sign's name: "Compatible With for Mesha".
    return QCoreApplication::translate("tivora::ResultFields", "%1 for %2")
        .arg(FieldCaption(field), QString::fromStdString(info.VedicName));
}

QString LoadedValue(const ResultField& field, const SignInformation& info) {
    return QString::fromStdString(info.*field.member);
}

QStringList ResultTabCaptions() {
    return {QCoreApplication::translate("tivora::ResultFields", "Sign Characteristics"),
            QCoreApplication::translate("tivora::ResultFields", "Physique And Looks"),
            QCoreApplication::translate("tivora::ResultFields", "Human Nature"),
            QCoreApplication::translate("tivora::ResultFields", "Career And Finance"),
            QCoreApplication::translate("tivora::ResultFields", "Love And Compatibility"),
            QCoreApplication::translate("tivora::ResultFields", "Health"),
            QCoreApplication::translate("tivora::ResultFields", "Lucky for....Rashi"),
            QCoreApplication::translate("tivora::ResultFields", "About Software")};
}

QString LuckyTabCaption(const SignInformation& info) {
    return QCoreApplication::translate("tivora::ResultFields", "Lucky for %1")
        .arg(QString::fromStdString(info.VedicName));
}

int ResultPictureIndex(const QStringList& keys, const QString& englishName, int current) {
    for (int i = 0; i < keys.size(); ++i)
        if (keys.at(i) == englishName)
            return i;
    return current;
}

} // namespace tivora
