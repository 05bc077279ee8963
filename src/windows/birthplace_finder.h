#pragma once

#include "atlas/atlas.h"
#include "atlas/place_fill.h"

#include <QObject>
#include <QString>
#include <future>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QMainWindow;
class QModelIndex;
class QStandardItemModel;
class QTimer;
class QWidget;

namespace tivora {

class Platform;
struct ChartRecord;

using AtlasFuture = std::shared_future<std::shared_ptr<const atlas::Atlas>>;

// The atlas of the data file, loaded in the background on the first call and
// shared by every main window after it. Null inside when the file is missing
// or unreadable.
AtlasFuture SharedAtlas();

// Where a finder gets its atlas from when it first needs it.
using AtlasSource = AtlasFuture (*)();

// Offers atlas towns as the user types in the main window's City box and
// fills the place, coordinate and zone boxes from the town chosen; the zone
// follows the date and time until the user enters one. Attaches to the main
// window's controls by their object names. The atlas is asked for when the
// City box first takes the focus or is typed in, so its load never delays
// the window's showing.
class BirthplaceFinder final : public QObject {
    Q_OBJECT
public:
    BirthplaceFinder(QWidget& mainWindow, Platform& platform, AtlasSource atlas);

    QCompleter* completer() const { return completer_; }

    // Run first by Calculate. With a zone from the atlas, refuses a local
    // time that never happened and asks which offset a doubled one meant
    // (filling the zone boxes with the answer). False stops Calculate.
    bool checkBeforeCalculate();

    // For the birth summary: the chosen town while the coordinate boxes hold
    // its coordinates, else the place names typed; and the zone's
    // abbreviation while the zone boxes hold the atlas's offset.
    QString placeText() const;
    QString zoneNote() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startAtlas();
    void cityEdited(const QString& text);
    void showMatches();
    void choose(const QModelIndex& index);
    // Says under City that no town matched or that the atlas is unreadable.
    void showNote(const QString& note);
    // The chosen town's sentence, with a link to the other offset when the
    // zone's offset is uncertain for it.
    void showFill(const QString& text);
    void useAlternative(const QString& which);
    void refill(bool withPlace);
    void writeZone(const atlas::ZoneBoxes& boxes);
    void zoneChangedByUser();
    bool zoneFromAtlas() const;
    bool coordinatesFromAtlas() const;
    QDate enteredDate() const;
    QTime enteredTime() const;

    QWidget& window_;
    Platform& platform_;
    AtlasSource source_;
    AtlasFuture atlas_; // empty until startAtlas()
    atlas::ZoneFollower follower_;
    atlas::PlaceFill fill_;
    QString zoneAbbreviation_; // of the offset now in the zone boxes
    bool writing_ = false;     // the finder itself is filling boxes

    QCompleter* completer_ = nullptr;
    QStandardItemModel* matches_ = nullptr;
    QTimer* waitForAtlas_ = nullptr;
    QLabel* lblPlaceZone_ = nullptr;
    QLineEdit* txtMCity_ = nullptr;
    QLineEdit* txtMState_ = nullptr;
    QLineEdit* txtMCountry_ = nullptr;
    QLineEdit* txtLatD_ = nullptr;
    QLineEdit* txtLatM_ = nullptr;
    QLineEdit* txtLonD_ = nullptr;
    QLineEdit* txtLonM_ = nullptr;
    QButtonGroup* optLat_ = nullptr;
    QButtonGroup* optLong_ = nullptr;
    QLineEdit* txtZoneHour_ = nullptr;
    QLineEdit* txtZoneMinute_ = nullptr;
    QCheckBox* chkDST_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHH_ = nullptr;
    QComboBox* cboMM_ = nullptr;
};

// The one-line summary of what Calculate used: the chart record it produced
// with the place text and zone note of the main window's finder.
QString BirthSummaryFor(const QWidget& mainWindow, const ChartRecord& calculated);

// Shows the summary in a status line (label lblBirthSummary) along the
// bottom of the window.
void ShowBirthSummary(QMainWindow& window, const QString& summary);

} // namespace tivora
