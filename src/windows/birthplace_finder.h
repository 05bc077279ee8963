#pragma once

#include "atlas/atlas.h"
#include "atlas/place_fill.h"
#include "engine/chart_record.h"
#include "entry/birth_entry.h"

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

// The main window's controls a finder reads and fills.
struct BirthplaceControls {
    QLineEdit* txtMCity = nullptr;
    QLineEdit* txtMState = nullptr;
    QLineEdit* txtMCountry = nullptr;
    QLineEdit* txtLatD = nullptr;
    QLineEdit* txtLatM = nullptr;
    QLineEdit* txtLonD = nullptr;
    QLineEdit* txtLonM = nullptr;
    QButtonGroup* optLat = nullptr;
    QButtonGroup* optLong = nullptr;
    QLineEdit* txtZoneHour = nullptr;
    QLineEdit* txtZoneMinute = nullptr;
    QCheckBox* chkDST = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHH = nullptr;
    QComboBox* cboMM = nullptr;
    QLabel* lblPlaceZone = nullptr; // the sentence saying what a chosen town filled in
};

// Offers atlas towns as the user types in the main window's City box and
// fills the place, coordinate and zone boxes from the town chosen; the zone
// follows the date and time until the user enters one. The atlas is asked
// for when the City box first takes the focus or is typed in, so its load
// never delays the window's showing.
class BirthplaceFinder final : public QObject {
    Q_OBJECT
public:
    // Messages are shown over window, which also owns the finder.
    BirthplaceFinder(QWidget& window, const BirthplaceControls& controls, Platform& platform,
                     AtlasSource atlas);

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
    // The seconds of the atlas's offset beside the zone boxes while they hold
    // it (local mean time, such as UT+0:19:32), else 0.
    int zoneSecond() const;
    // The one-line summary of what Calculate used: the chart record it
    // produced with the place text and zone note.
    // ascendantSign, when given, names the ascendant's sign in place of its
    // English abbreviation.
    QString birthSummary(const ChartRecord& calculated, const QString& ascendantSign = {}) const;

    // The chosen town while the coordinate boxes hold its coordinates.
    BirthTown town() const;
    // After the boxes were filled from a saved birth: takes up its town (none
    // forgets any), writing its names into the place boxes, following the date with the zone when
    // the boxes hold what the town's clocks kept, else leaving the user's zone standing.
    void restoreTown(const BirthTown& town);
    // The town list is open under the City box.
    bool listShown() const;
    // Puts the offset the town's clocks kept into the zone boxes; the zone
    // follows the date again.
    void useClockZone();

signals:
    // The offset the town's clocks kept, which differs from the zone the
    // user set ("UT+6:30"); empty when there is nothing to offer.
    void clockZoneOffered(const QString& offset);

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
    void updateSentence();
    void showSentence(const QString& text);
    bool zoneFromAtlas() const;
    bool coordinatesFromAtlas() const;
    QDate enteredDate() const;
    QTime enteredTime() const;
    // The zone, DST and longitude boxes, for the offset they give.
    BirthEntry enteredZone() const;

    QWidget& window_;
    Platform& platform_;
    AtlasSource source_;
    AtlasFuture atlas_; // empty until startAtlas()
    atlas::ZoneFollower follower_;
    atlas::PlaceFill fill_;
    QString zoneAbbreviation_; // of the offset now in the zone boxes
    bool writing_ = false;     // the finder itself is filling boxes
    bool cityTyped_ = false;   // the City text was typed, not filled

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

} // namespace tivora
