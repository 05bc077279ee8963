#pragma once

#include "signs/sign_tables.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace tivora {

// The result window's pages, numbered from 1 as its tabs are.
constexpr int kResultPageCount = 8;
constexpr int kResultAboutPage = 8;
// Where the fixed left-hand panel's rows are kept in the field table.
constexpr int kResultLeftPanel = 0;

// One caption-and-box row of the result window.
struct ResultField {
    const char* boxName;     // objectName of the read-only box
    const char* captionName; // objectName of its caption label
    const char* caption;     // caption as designed, before a reading is loaded
    const char* hoverText;   // the caption's tooltip
    std::string SignInformation::*member;
    int page;        // kResultLeftPanel or 1..7
    bool multiLine;  // prose: a wrapping box with a vertical scroll bar
    bool namesRashi; // loading appends " for " and the Vedic name
};

// Every row in the order it stands on screen: the left panel first, then
// the pages from 1 to 7, each top to bottom.
const std::vector<ResultField>& ResultFields();

// The rows of one page (or of the left panel) in screen order.
std::vector<const ResultField*> ResultFieldsOnPage(int page);

// The row's caption as designed and its tooltip, in the language in effect.
QString FieldCaption(const ResultField& field);
QString FieldHoverText(const ResultField& field);

// The caption a row shows once `info` is loaded.
QString LoadedCaption(const ResultField& field, const SignInformation& info);
// The text that goes into the row's box, exactly as the reading holds it.
QString LoadedValue(const ResultField& field, const SignInformation& info);

// Tab captions as designed; tab 7 changes when a reading is loaded.
QStringList ResultTabCaptions();
QString LuckyTabCaption(const SignInformation& info);

// The picture to show for englishName: the first key equal to it (exact,
// case-sensitive), or `current` when no key matches.
int ResultPictureIndex(const QStringList& keys, const QString& englishName, int current);

inline bool IsResultPage(int page) {
    return page >= 1 && page <= kResultPageCount;
}

} // namespace tivora
