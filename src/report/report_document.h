#pragma once

#include "reading/sign_tables.h"

#include <QColor>

class QTextDocument;

namespace tivora {

inline const QColor kHeadingColor{128, 0, 128};
inline const QColor kLabelColor{0, 128, 128};
inline const QColor kValueColor{0, 0, 0};

// Builds the formatted report into an empty document: the same pieces as
// the plain text, headings bold magenta, labels cyan, the rest black, in the
// document's base font, with the footer addresses as links.
void ComposeReportDocument(QTextDocument& document, const SignInformation& info);

} // namespace tivora
