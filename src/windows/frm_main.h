#pragma once

#include "engine/chart_record.h"
#include "entry/birth_entry.h"
#include "signs/sign_tables.h"
#include "ui/widgets.h"

#include <QtGlobal>

#include <initializer_list>
#include <string>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedLayout;
class QStyle;

namespace tivora {

class BirthplaceFinder;
class Platform;

// The birth-data entry window. Its controls carry the names tests and callers find them by;
// the checks and the mapping into the chart record live in birth_entry.h.
// Shown beside the zone row when a summer or daylight row was picked and DST
// is ticked as well.
inline constexpr const char* kDaylightTwiceNote = QT_TRANSLATE_NOOP(
    "tivora::frmMain",
    "The chosen zone row already includes the extra hour; with DST ticked it counts twice.");

class frmMain final : public ProgramWindow {
    Q_OBJECT
public:
    frmMain(Platform& platform, ChartRecord& chart, SignInformation& signs,
            QWidget* parent = nullptr);

    BirthEntry entry() const;
    void setEntry(const BirthEntry& entry);

    void cmdCalculate_Click();
    void cmdBrowser_Click();
    void cmdOpen_Click();
    void lblTZHelp_Click();

    // File, Recent Births: fills the entries with the birth at position i
    // of the list (newest first).
    void restoreRecentBirth(int i);

    // The advertising band shows one of its two labels.
    void bringCobrandToFront();
    void bringFullBrandToFront();
    bool cobrandInFront() const;

signals:
    // Calculate succeeded: the chart record and sign texts it wrote, and the
    // one-line summary of the birth data it used.
    void calculated(const tivora::ChartRecord& chart, const tivora::SignInformation& signs,
                    const QString& birthSummary);
    void aboutRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildEntryFrame();
    QWidget* buildPicture();
    void addNameRow(QGridLayout& rows, int row);
    // A drop-down list of a row: the member that holds it, its objectName
    // and the name a screen reader says for it.
    struct RowList {
        QComboBox** box;
        const char* objectName;
        QString name;
    };
    // Drop-down lists side by side under one caption, then after if given.
    void addListRow(QGridLayout& rows, int row, const QString& caption,
                    std::initializer_list<RowList> lists, QWidget* after = nullptr);
    void addZoneRow(QGridLayout& rows, int row);
    QLayout* buildPlaceRows();
    QWidget* buildCalculateButton();
    QWidget* buildAdvertisingBand();
    void setTabOrder();
    void fillLists();
    void loadDefaults();
    void showEntryMessage(const EntryMessage& message);
    QWidget* controlFor(EntryField field) const;
    bool filterDigitKey(QLineEdit* box, QKeyEvent* event);
    void limitPastedText(QLineEdit* box, int limit);
    void setZoneFromDaylightRow(bool daylight);
    void showDaylightNote();
    void fillRecentBirths();
    bool pressesCalculate(QObject* watched, const QKeyEvent& event) const;

    Platform& platform_;
    ChartRecord& chart_;
    SignInformation& signs_;
    QStyle* dropDownStyle_ = nullptr;
    // The zone boxes hold a picked row whose offset includes a summer hour.
    bool zoneFromDaylightRow_ = false;

    QLineEdit* txtName = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHH = nullptr;
    QComboBox* cboMM = nullptr;
    QComboBox* cboSS = nullptr;
    QLineEdit* txtLonD = nullptr;
    QLineEdit* txtLonM = nullptr;
    QButtonGroup* optLong = nullptr;
    QLineEdit* txtLatD = nullptr;
    QLineEdit* txtLatM = nullptr;
    QButtonGroup* optLat = nullptr;
    QLineEdit* txtMCity = nullptr;
    QLineEdit* txtMState = nullptr;
    QLineEdit* txtMCountry = nullptr;
    QPushButton* cmdBrowser = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdOpen = nullptr;
    QFrame* fraZone = nullptr;
    QLineEdit* txtZoneHour = nullptr;
    QLineEdit* txtZoneMinute = nullptr;
    QCheckBox* chkDST = nullptr;
    LinkLabel* lblTZHelp = nullptr;
    QLabel* lblDSTNote = nullptr;
    QLabel* lblPlaceZone = nullptr;
    QAction* mnuMakeMoney = nullptr;
    BirthplaceFinder* finder_ = nullptr; // owned as a child of the window
    QStackedLayout* advertising_ = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    QPushButton* cmdUseClockZone = nullptr;
    QMenu* mnuRecentBirths = nullptr;
};

} // namespace tivora
