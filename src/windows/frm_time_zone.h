#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tivora {

// Whether a row's stated offset already holds a summer or daylight-saving
// hour ("Summer" or "Daylight" in its text).
bool ZoneRowIncludesDaylight(const QString& rowText);

// The time-zone picker: a list of named zones; a double-click, or Return or
// Enter on the current row, writes the zone's hour and minute texts into
// the two zone boxes it was given.
class frmTimeZone final : public QDialog {
    Q_OBJECT
public:
    frmTimeZone(QLineEdit& zoneHour, QLineEdit& zoneMinute, QWidget* parent = nullptr);

    void lstTimeZone_DblClick();
    void cmdQuit_Click();

signals:
    // A row was chosen and its texts written; rowText is the row as listed.
    void zoneChosen(const QString& rowText);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit& zoneHour_;
    QLineEdit& zoneMinute_;
    QListWidget* lstTimeZone = nullptr;
    QPushButton* cmdQuit = nullptr;
};

} // namespace tivora
