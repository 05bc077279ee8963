#include "windows/birthplace_finder.h"

#include "atlas/shared_atlas.h"
#include "base/identity.h"
#include "entry/birth_entry.h"
#include "entry/birth_summary.h"
#include "platform/platform.h"
#include "report/summary_words.h"
#include "ui/widgets.h"
#include "windows/window_texts.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <thread>

namespace tivora {

namespace {

constexpr int kMatchLimit = 12;
constexpr int kFirstSearchLength = 2;
constexpr int kNameRole = Qt::UserRole;
constexpr int kPlaceRole = Qt::UserRole + 1;

QString Angle(const atlas::DegreesMinutes& dm, char positive, char negative) {
    return QStringLiteral("%1\u00B0 %2' %3")
        .arg(dm.degrees)
        .arg(dm.minutes)
        .arg(QLatin1Char(dm.positive ? positive : negative));
}

// "London, England, GB  (51° 30' N, 0° 8' W, Europe/London)"; a town found by
// another of its names says which: "Powder Springs, Georgia, US (once Springfield)".
QString MatchText(const atlas::Place& place) {
    return QStringLiteral("%1  (%2, %3, %4)")
        .arg(place.matchText(), Angle(atlas::ToDegreesMinutes(place.latitude), 'N', 'S'),
             Angle(atlas::ToDegreesMinutes(place.longitude), 'E', 'W'), place.timeZone);
}

// The sentence under City as plain text: town and zone names come from
// outside.
void PlainSentence(QLabel* label, const QString& text, int width) {
    label->setTextFormat(Qt::PlainText);
    FitWrapped(label, text, width);
}

bool Ready(const AtlasFuture& atlas) {
    return atlas.valid() && atlas.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

// The program's one load of the atlas, on a thread of its own. The end of the
// program stops it if still running, so quitting never waits for the load.
class AtlasLoad final {
public:
    AtlasLoad()
        : future_(promise_.get_future().share()),
          thread_([this] { promise_.set_value(atlas::LoadSharedAtlas(nullptr, &stop_)); }) {}
    ~AtlasLoad() {
        stop_ = true;
        thread_.join();
    }
    AtlasLoad(const AtlasLoad&) = delete;
    AtlasLoad& operator=(const AtlasLoad&) = delete;

    const AtlasFuture& future() const { return future_; }

private:
    std::atomic<bool> stop_{false};
    std::promise<std::shared_ptr<const atlas::Atlas>> promise_;
    AtlasFuture future_;
    std::thread thread_; // last: starts once the rest is set up
};

} // namespace

AtlasFuture SharedAtlas() {
    static AtlasLoad load;
    return load.future();
}

BirthplaceFinder::BirthplaceFinder(QWidget& window, const BirthplaceControls& controls,
                                   Platform& platform, AtlasSource atlas)
    : QObject(&window), window_(window), platform_(platform), source_(atlas),
      lblPlaceZone_(controls.lblPlaceZone), txtMCity_(controls.txtMCity),
      txtMState_(controls.txtMState), txtMCountry_(controls.txtMCountry),
      txtLatD_(controls.txtLatD), txtLatM_(controls.txtLatM), txtLonD_(controls.txtLonD),
      txtLonM_(controls.txtLonM), optLat_(controls.optLat), optLong_(controls.optLong),
      txtZoneHour_(controls.txtZoneHour), txtZoneMinute_(controls.txtZoneMinute),
      chkDST_(controls.chkDST), cboMonth_(controls.cboMonth), cboDate_(controls.cboDate),
      cboYear_(controls.cboYear), cboHH_(controls.cboHH), cboMM_(controls.cboMM) {
    for (const QObject* control : std::initializer_list<const QObject*>{
             txtMCity_, txtMState_, txtMCountry_, txtLatD_, txtLatM_, txtLonD_, txtLonM_, optLat_,
             optLong_, txtZoneHour_, txtZoneMinute_, chkDST_, cboMonth_, cboDate_, cboYear_, cboHH_,
             cboMM_, lblPlaceZone_})
        if (!control)
            qFatal("BirthplaceFinder: a control is missing");

    lblPlaceZone_->setWordWrap(true);
    // After the flags, which would make it take the focus on a click.
    lblPlaceZone_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
    lblPlaceZone_->setFocusPolicy(Qt::NoFocus);
    // Room for two lines from the start, so choosing a town rarely moves the window.
    PlainSentence(lblPlaceZone_, QString(), 0);
    lblPlaceZone_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    matches_ = new QStandardItemModel(this);
    completer_ = new QCompleter(matches_, this);
    completer_->setObjectName(QStringLiteral("txtMCityCompleter"));
    // The atlas has already matched and ordered the towns.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCompletionRole(kNameRole);
    completer_->setMaxVisibleItems(kMatchLimit);
    completer_->setWidget(txtMCity_);
    waitForAtlas_ = new QTimer(this);
    // Checked often: the mapped atlas is ready within milliseconds of being asked for.
    waitForAtlas_->setInterval(5);

    connect(txtMCity_, &QLineEdit::textEdited, this, &BirthplaceFinder::cityEdited);
    connect(lblPlaceZone_, &QLabel::linkActivated, this, &BirthplaceFinder::useAlternative);
    connect(waitForAtlas_, &QTimer::timeout, this, &BirthplaceFinder::showMatches);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &BirthplaceFinder::choose);
    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_})
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (follower_.following())
                refill(false);
            else
                updateSentence();
        });
    // The hemisphere decides which way a typed zone counts.
    connect(optLong_, &QButtonGroup::idToggled, this, [this] { updateSentence(); });
    // Typing or the picker: the user's zone stands from then on.
    for (QLineEdit* box : {txtZoneHour_, txtZoneMinute_})
        connect(box, &QLineEdit::textChanged, this, &BirthplaceFinder::zoneChangedByUser);
    connect(chkDST_, &QCheckBox::clicked, this, &BirthplaceFinder::zoneChangedByUser);
    // Only the City box searches the atlas: it is loaded once the user
    // goes there, and never for a reading opened from a file.
    txtMCity_->installEventFilter(this);
}

bool BirthplaceFinder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtMCity_ && event->type() == QEvent::FocusIn)
        startAtlas();
    return QObject::eventFilter(watched, event);
}

void BirthplaceFinder::startAtlas() {
    if (!atlas_.valid())
        atlas_ = source_();
}

void BirthplaceFinder::cityEdited(const QString& text) {
    cityTyped_ = true;
    if (follower_.chosen() && text != follower_.place().name)
        follower_.forget();
    updateSentence();
    showMatches();
}

void BirthplaceFinder::showMatches() {
    const QString query = txtMCity_->text().trimmed();
    if (query.size() < kFirstSearchLength) {
        waitForAtlas_->stop();
        completer_->popup()->hide();
        showNote(QString());
        return;
    }
    startAtlas();
    if (!Ready(atlas_)) {
        waitForAtlas_->start();
        return;
    }
    waitForAtlas_->stop();
    const std::shared_ptr<const atlas::Atlas> atlas = atlas_.get();
    matches_->clear();
    if (!atlas)
        showNote(tr("The atlas of towns could not be read, so no towns are offered. Type the "
                    "latitude, longitude and time zone in their boxes."));
    if (atlas)
        for (const atlas::Place& place : atlas->search(query, kMatchLimit)) {
            auto* item = new QStandardItem(MatchText(place));
            item->setData(place.name, kNameRole);
            item->setData(place.index, kPlaceRole);
            item->setEditable(false);
            matches_->appendRow(item);
        }
    if (atlas && matches_->rowCount() == 0)
        showNote(tr("No town called \"%1\" is in the atlas. Type the latitude, longitude and "
                    "time zone in their boxes.")
                     .arg(query));
    else if (atlas)
        updateSentence(); // towns offered: until one is chosen, ask for it
    if (matches_->rowCount() == 0 || !txtMCity_->isVisible()) {
        completer_->popup()->hide();
        return;
    }
    // Wide enough for the longest line, within the screen.
    QAbstractItemView* popup = completer_->popup();
    int width = txtMCity_->width();
    for (int row = 0; row < matches_->rowCount(); ++row)
        width =
            std::max(width, popup->fontMetrics().horizontalAdvance(matches_->item(row)->text()) +
                                popup->verticalScrollBar()->sizeHint().width() + 24);
    if (const QScreen* screen = txtMCity_->screen())
        width = std::min(width, screen->availableGeometry().right() -
                                    txtMCity_->mapToGlobal(QPoint()).x());
    completer_->complete(QRect(0, 0, width, txtMCity_->height()));
}

void BirthplaceFinder::showNote(const QString& note) {
    // A chosen town's sentence stays until the City box leaves the town.
    if (follower_.chosen() || note == lblPlaceZone_->text())
        return;
    PlainSentence(lblPlaceZone_, note, lblPlaceZone_->width());
}

void BirthplaceFinder::choose(const QModelIndex& index) {
    const std::shared_ptr<const atlas::Atlas> atlas = Ready(atlas_) ? atlas_.get() : nullptr;
    if (!atlas || !index.isValid())
        return;
    cityTyped_ = false;
    follower_.choose(atlas->place(index.data(kPlaceRole).toInt()));
    refill(true);
}

QDate BirthplaceFinder::enteredDate() const {
    return QDate(kFirstYear + cboYear_->currentIndex(), cboMonth_->currentIndex() + 1,
                 cboDate_->currentIndex() + 1);
}

QTime BirthplaceFinder::enteredTime() const {
    return QTime(cboHH_->currentIndex(), cboMM_->currentIndex());
}

void BirthplaceFinder::refill(bool withPlace) {
    const atlas::Place& place = follower_.place();
    fill_ = atlas::FillForPlace(place, enteredDate(), enteredTime());
    writing_ = true;
    if (withPlace) {
        txtMCity_->setText(place.name);
        txtMState_->setText(place.region);
        txtMCountry_->setText(place.country);
        txtLatD_->setText(QString::number(fill_.latitude.degrees));
        txtLatM_->setText(QString::number(fill_.latitude.minutes));
        optLat_->button(fill_.latitude.positive ? 0 : 1)->setChecked(true);
        txtLonD_->setText(QString::number(fill_.longitude.degrees));
        txtLonM_->setText(QString::number(fill_.longitude.minutes));
        optLong_->button(fill_.longitude.positive ? 0 : 1)->setChecked(true);
    }
    writing_ = false;
    const bool unique = fill_.offsets.kind == atlas::LocalTimeKind::Unique;
    // Boxes that cannot say the offset are emptied: an old offset there would be wrong.
    writeZone(unique && fill_.boxes.expressible ? fill_.boxes : atlas::ZoneBoxes{});
    zoneAbbreviation_ = unique ? fill_.offsets.offset.abbreviation : QString();
    emit clockZoneOffered(QString());
    showFill(fill_.text);
}

void BirthplaceFinder::showFill(const QString& text) {
    // An uncertain offset offers, in one click, the other offset the town's
    // clocks may have kept; once taken, the zone's own offset back.
    const atlas::ZoneOffset& own = fill_.offsets.offset;
    const bool ownInBoxes = !zoneAbbreviation_.isEmpty();
    int offer = -1;
    QString link;
    if (ownInBoxes) {
        const auto& alternatives = fill_.doubt.alternatives;
        for (std::size_t i = 0; i < alternatives.size() && offer < 0; ++i)
            if (alternatives[i].minutes != own.totalMinutes) {
                offer = static_cast<int>(i);
                link = tr("Use %1 instead.").arg(atlas::OffsetText(alternatives[i].minutes));
            }
    } else {
        link = tr("Use %1 (%2) again.").arg(atlas::OffsetText(own.totalMinutes), own.abbreviation);
    }
    if (fill_.doubt.certain || !fill_.boxes.expressible || link.isEmpty()) {
        PlainSentence(lblPlaceZone_, text, lblPlaceZone_->width());
        return;
    }
    FitWrapped(lblPlaceZone_, text + QLatin1Char(' ') + link, lblPlaceZone_->width());
    lblPlaceZone_->setTextFormat(Qt::RichText);
    lblPlaceZone_->setText(
        text.toHtmlEscaped() +
        QStringLiteral(" <a href=\"%1\">%2</a>").arg(offer).arg(link.toHtmlEscaped()));
}

void BirthplaceFinder::useAlternative(const QString& which) {
    if (!follower_.following())
        return;
    const int index = which.toInt();
    const auto& alternatives = fill_.doubt.alternatives;
    if (index < 0 || index >= static_cast<int>(alternatives.size())) {
        refill(false); // back to the zone's own offset
        return;
    }
    const atlas::OffsetAlternative& chosen = alternatives[static_cast<std::size_t>(index)];
    atlas::ZoneOffset offset;
    offset.totalMinutes = chosen.minutes;
    const atlas::ZoneBoxes boxes = atlas::ZoneBoxesFor(offset, follower_.place().longitude);
    if (!boxes.expressible)
        return;
    writeZone(boxes);
    zoneAbbreviation_.clear();
    showFill(fill_.text + QLatin1Char(' ') +
             tr("Using %1, %2.").arg(atlas::OffsetText(chosen.minutes), chosen.why));
}

void BirthplaceFinder::writeZone(const atlas::ZoneBoxes& boxes) {
    writing_ = true;
    txtZoneHour_->setText(boxes.hour);
    txtZoneMinute_->setText(boxes.minute);
    chkDST_->setChecked(boxes.dst);
    fill_.boxes = boxes;
    writing_ = false;
}

void BirthplaceFinder::zoneChangedByUser() {
    if (writing_)
        return;
    follower_.userSetZone();
    updateSentence();
}

void BirthplaceFinder::showSentence(const QString& text) {
    PlainSentence(lblPlaceZone_, text, lblPlaceZone_->width());
}

void BirthplaceFinder::updateSentence() {
    if (writing_)
        return;
    if (!follower_.chosen()) {
        const QString typed = txtMCity_->text().trimmed();
        emit clockZoneOffered(QString());
        showSentence(cityTyped_ && !typed.isEmpty() ? atlas::UnchosenCityText(typed) : QString());
        return;
    }
    if (follower_.following())
        return; // refill() has said what it filled
    // The user's zone stands: say what Calculate will use beside what the
    // town's clocks kept.
    const atlas::Place& place = follower_.place();
    const QDate date = enteredDate();
    const QTime time = enteredTime();
    const atlas::PlaceFill clocks = atlas::FillForPlace(place, date, time);
    const std::optional<int> typed = EnteredOffsetMinutes(enteredZone());
    QString text = clocks.text;
    QString offered;
    const atlas::LocalTimeOffsets& o = clocks.offsets;
    if (typed && o.kind == atlas::LocalTimeKind::Unique && *typed != o.offset.totalMinutes) {
        text = atlas::TypedZoneText(place.name, date, time, *typed, o.offset);
        if (clocks.boxes.expressible)
            offered = atlas::OffsetText(o.offset.totalMinutes);
    } else if (typed && o.kind != atlas::LocalTimeKind::Unique) {
        // One of the two offsets of a clock change, as Calculate's answer wrote it.
        for (const atlas::ZoneOffset* side : {&o.earlier, &o.later})
            if (side->totalMinutes == *typed)
                text = atlas::FilledText(place.displayText(), place.timeZone, date, time, *side);
    }
    showSentence(text);
    emit clockZoneOffered(offered);
}

BirthTown BirthplaceFinder::town() const {
    if (!coordinatesFromAtlas())
        return {};
    const atlas::Place& place = follower_.place();
    return {place.name.toStdString(), place.region.toStdString(), place.countryCode.toStdString(),
            place.timeZone.toStdString()};
}

void BirthplaceFinder::restoreTown(const BirthTown& town) {
    cityTyped_ = false;
    if (town.empty()) {
        follower_.forget();
        zoneAbbreviation_.clear();
        updateSentence();
        return;
    }
    const auto coordinate = [](const QLineEdit* degrees, const QLineEdit* minutes, bool negative) {
        const double value = degrees->text().toInt() + minutes->text().toInt() / 60.0;
        return negative ? -value : value;
    };
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    atlas::Place restored = atlas::RestoredPlace(
        text(town.name), text(town.region), text(town.countryCode), text(town.timeZone),
        coordinate(txtLatD_, txtLatM_, optLat_->checkedId() == 1),
        coordinate(txtLonD_, txtLonM_, optLong_->checkedId() == 1));
    // The doubt before 1970 measures from the zone's city, which only the atlas knows.
    if (Ready(atlas_))
        if (const std::shared_ptr<const atlas::Atlas> atlas = atlas_.get())
            atlas->addZoneCity(restored);
    follower_.choose(restored);
    // A saved reading keeps the town, not the place boxes.
    writing_ = true;
    txtMCity_->setText(follower_.place().name);
    txtMState_->setText(follower_.place().region);
    txtMCountry_->setText(follower_.place().country);
    writing_ = false;
    fill_ = atlas::FillForPlace(follower_.place(), enteredDate(), enteredTime());
    const bool unique = fill_.offsets.kind == atlas::LocalTimeKind::Unique;
    // What choosing the town would have put into the zone boxes.
    if (!unique || !fill_.boxes.expressible)
        fill_.boxes = atlas::ZoneBoxes{};
    zoneAbbreviation_ = unique ? fill_.offsets.offset.abbreviation : QString();
    // A file keeps the zone as a magnitude: the same offset counts as the
    // town's, written back as choosing the town writes it.
    const std::optional<int> held = EnteredOffsetMinutes(enteredZone());
    if (unique && fill_.boxes.expressible && held == fill_.offsets.offset.totalMinutes)
        writeZone(fill_.boxes);
    if (!zoneFromAtlas()) {
        follower_.userSetZone();
        updateSentence();
        return;
    }
    emit clockZoneOffered(QString());
    showSentence(fill_.text);
}

BirthEntry BirthplaceFinder::enteredZone() const {
    BirthEntry zone;
    zone.zoneHour = txtZoneHour_->text().toStdString();
    zone.zoneMinute = txtZoneMinute_->text().toStdString();
    zone.dst = chkDST_->isChecked();
    zone.east = optLong_->checkedId() == 0;
    zone.lonDegrees = txtLonD_->text().toStdString();
    zone.lonMinutes = txtLonM_->text().toStdString();
    return zone;
}

bool BirthplaceFinder::listShown() const {
    return completer_->popup()->isVisible();
}

void BirthplaceFinder::useClockZone() {
    if (!follower_.chosen())
        return;
    follower_.choose(follower_.place());
    refill(false);
}

int BirthplaceFinder::zoneSecond() const {
    return zoneFromAtlas() ? fill_.boxes.second : 0;
}

bool BirthplaceFinder::zoneFromAtlas() const {
    return follower_.following() && txtZoneHour_->text() == fill_.boxes.hour &&
           txtZoneMinute_->text() == fill_.boxes.minute && chkDST_->isChecked() == fill_.boxes.dst;
}

bool BirthplaceFinder::coordinatesFromAtlas() const {
    const auto holds = [](const QLineEdit* degrees, const QLineEdit* minutes,
                          const QButtonGroup* options, const atlas::DegreesMinutes& dm) {
        return degrees->text() == QString::number(dm.degrees) &&
               minutes->text() == QString::number(dm.minutes) &&
               options->checkedId() == (dm.positive ? 0 : 1);
    };
    return follower_.chosen() && holds(txtLatD_, txtLatM_, optLat_, fill_.latitude) &&
           holds(txtLonD_, txtLonM_, optLong_, fill_.longitude);
}

bool BirthplaceFinder::checkBeforeCalculate() {
    if (!zoneFromAtlas())
        return true;
    const atlas::LocalTimeOffsets& offsets = fill_.offsets;
    const QString& town = follower_.place().name;
    if (offsets.kind == atlas::LocalTimeKind::NeverHappened) {
        platform_.message(&window_, ProgramTitle(),
                          atlas::SkippedTimeMessage(town, enteredDate(), enteredTime(), offsets),
                          Platform::Icon::Error);
        return false;
    }
    if (offsets.kind != atlas::LocalTimeKind::HappenedTwice || !fill_.boxes.hour.isEmpty())
        return true; // unique, or the doubled time's question already answered
    const int answer =
        platform_.choose(&window_, ProgramTitle(),
                         atlas::RepeatedTimeQuestion(town, enteredDate(), enteredTime(), offsets),
                         Platform::Icon::Question, atlas::RepeatedTimeChoices(offsets));
    if (answer < 0)
        return false; // Cancel: the user looks at the time again
    const atlas::ZoneOffset& chosen = answer == 0 ? offsets.earlier : offsets.later;
    const atlas::ZoneBoxes boxes = atlas::ZoneBoxesFor(chosen, follower_.place().longitude);
    if (!boxes.expressible) {
        platform_.message(&window_, ProgramTitle(), boxes.message, Platform::Icon::Error);
        return false;
    }
    writeZone(boxes);
    zoneAbbreviation_ = chosen.abbreviation;
    showSentence(atlas::FilledText(follower_.place().displayText(), follower_.place().timeZone,
                                   enteredDate(), enteredTime(), chosen));
    return true;
}

QString BirthplaceFinder::placeText() const {
    if (coordinatesFromAtlas())
        return follower_.place().displayText();
    QStringList parts;
    for (const QLineEdit* box : {txtMCity_, txtMState_, txtMCountry_})
        if (!box->text().trimmed().isEmpty())
            parts << box->text().trimmed();
    return parts.join(QStringLiteral(", "));
}

QString BirthplaceFinder::zoneNote() const {
    if (!zoneFromAtlas())
        return QString();
    return QString::fromStdString(ZoneNote(zoneAbbreviation_.toStdString(), fill_.doubt.certain));
}

QString BirthplaceFinder::birthSummary(const ChartRecord& calculated,
                                       const QString& ascendantSign) const {
    const SummaryWords words = SummaryWordsInEffect(ascendantSign.toStdString());
    return QString::fromStdString(
        BirthSummary(calculated, placeText().toStdString(), zoneNote().toStdString(), true, words));
}

} // namespace tivora
