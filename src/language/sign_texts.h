#pragma once

#include "signs/sign_tables.h"

namespace tivora {

// The sign's texts in the installed language, field by field; with no
// translation installed, the same bytes as `english`. Keep the English record
// for what keys on its texts (the sign's picture follows EnglishName).
SignInformation TranslatedSignInformation(const SignInformation& english);

} // namespace tivora
