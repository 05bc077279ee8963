#pragma once

#include <QString>

#include <string>

namespace tivora {

// The fixed messages the entry checks return, in the language in effect.
// A text that is not one of them stands as given.
QString EntryMessageText(const std::string& english);

} // namespace tivora
