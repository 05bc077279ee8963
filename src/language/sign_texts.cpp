#include "language/sign_texts.h"

#include <QCoreApplication>

namespace tivora {

SignInformation TranslatedSignInformation(const SignInformation& english) {
    SignInformation translated;
    for (const SignField& field : SignTables()) {
        const std::string& text = english.*field.member;
        // An empty field (nothing selected yet) stays empty.
        translated.*field.member =
            text.empty()
                ? std::string()
                : QCoreApplication::translate(kSignTextContext, text.c_str()).toStdString();
    }
    return translated;
}

} // namespace tivora
