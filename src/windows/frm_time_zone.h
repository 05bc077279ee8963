#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tivora {

// The time-zone picker: a list of named zones; a double-click writes the
// zone's hour and minute texts into the two zone boxes it was given.
class frmTimeZone final : public QDialog {
    Q_OBJECT
public:
    frmTimeZone(QLineEdit& zoneHour, QLineEdit& zoneMinute, QWidget* parent = nullptr);

    void lstTimeZone_DblClick();
    void cmdQuit_Click();

private:
    QLineEdit& zoneHour_;
    QLineEdit& zoneMinute_;
    QListWidget* lstTimeZone = nullptr;
    QPushButton* cmdQuit = nullptr;
};

} // namespace tivora
