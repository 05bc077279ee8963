#pragma once

#include "links/vendor_captions.h"

#include <QDialog>

namespace tivora {

class Platform;

// "Click here to visit " and the vendor's site address.
QString AboutHomePageCaption();

// The About window: the program's description and the vendor's links.
// Modal; a new one is made for every showing.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Platform& platform, QWidget* parent = nullptr);
};

// Shows a fresh About window modally over parent and returns once it closes.
void ShowAboutWindow(Platform& platform, QWidget* parent);

} // namespace tivora
