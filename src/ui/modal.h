#pragma once

#include <QDialog>
#include <functional>

namespace tivora {

// Runs a modal dialog and returns its result. Windows keep one of these so
// tests can drive a dialog without entering a nested event loop.
using ModalRunner = std::function<int(QDialog&)>;

inline int ExecModal(QDialog& dialog) {
    return dialog.exec();
}

} // namespace tivora
