#include "windows/birthplace_finder.h"

#include "entry/birth_entry.h"
#include "entry/birth_summary.h"
#include "platform/platform.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStatusBar>
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

template <typename T> T* Control(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

// A wrapped line whose height FitWrapped sets from its text and whose width
// its layout gives it. Its size hints say just that, so the layouts never
// lay out its text to ask: for selectable text each asking is a whole text
// document's layout.
class FixedHeightLabel final : public QLabel {
public:
    bool hasHeightForWidth() const override { return false; }
    QSize sizeHint() const override { return minimumSizeHint(); }
    QSize minimumSizeHint() const override {
        return {fontMetrics().averageCharWidth() * 10, minimumHeight()};
    }
};

// Word-wrapped labels get no more height from the layouts they sit in (a
// status bar, a main window's frame) than their first showing asked for:
// give them the height their text needs at their width, two lines at least.
void FitWrapped(QLabel* label, const QString& text, int width) {
    label->setText(text);
    const QFontMetrics metrics = label->fontMetrics();
    const int needed =
        metrics.boundingRect(QRect(0, 0, std::max(width, 50), 10000), Qt::TextWordWrap, text)
            .height();
    label->setMinimumHeight(std::max(needed, 2 * metrics.lineSpacing()) +
                            label->contentsMargins().top() + label->contentsMargins().bottom());
}

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
        : future_(promise_.get_future().share()), thread_([this] {
              promise_.set_value(atlas::Atlas::load(atlas::AtlasDataPath(), nullptr, &stop_));
          }) {}
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

BirthplaceFinder::BirthplaceFinder(QWidget& mainWindow, Platform& platform, AtlasSource atlas)
    : QObject(&mainWindow), window_(mainWindow), platform_(platform), source_(atlas) {
    setObjectName(QStringLiteral("birthplaceFinder"));
    txtMCity_ = Control<QLineEdit>(window_, "txtMCity");
    txtMState_ = Control<QLineEdit>(window_, "txtMState");
    txtMCountry_ = Control<QLineEdit>(window_, "txtMCountry");
    txtLatD_ = Control<QLineEdit>(window_, "txtLatD");
    txtLatM_ = Control<QLineEdit>(window_, "txtLatM");
    txtLonD_ = Control<QLineEdit>(window_, "txtLonD");
    txtLonM_ = Control<QLineEdit>(window_, "txtLonM");
    optLat_ = Control<QButtonGroup>(window_, "optLat");
    optLong_ = Control<QButtonGroup>(window_, "optLong");
    txtZoneHour_ = Control<QLineEdit>(window_, "txtZoneHour");
    txtZoneMinute_ = Control<QLineEdit>(window_, "txtZoneMinute");
    chkDST_ = Control<QCheckBox>(window_, "chkDST");
    cboMonth_ = Control<QComboBox>(window_, "cboMonth");
    cboDate_ = Control<QComboBox>(window_, "cboDate");
    cboYear_ = Control<QComboBox>(window_, "cboYear");
    cboHH_ = Control<QComboBox>(window_, "cboHH");
    cboMM_ = Control<QComboBox>(window_, "cboMM");
    lblPlaceZone_ = Control<QLabel>(window_, "lblPlaceZone");
    Q_ASSERT(txtMCity_ && txtZoneHour_ && chkDST_ && cboMM_ && optLong_ && lblPlaceZone_);

    lblPlaceZone_->setWordWrap(true);
    lblPlaceZone_->setFocusPolicy(Qt::NoFocus);
    lblPlaceZone_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
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
        });
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
    if (follower_.chosen() && text != follower_.place().name) {
        follower_.forget();
        PlainSentence(lblPlaceZone_, QString(), 0);
    }
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
        showNote(QString());
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
    if (!writing_)
        follower_.userSetZone();
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
    if (offsets.kind == atlas::LocalTimeKind::NeverHappened) {
        platform_.message(&window_, ProgramTitle(), offsets.message + QLatin1Char('.'),
                          Platform::Icon::Error);
        return false;
    }
    if (offsets.kind != atlas::LocalTimeKind::HappenedTwice || !fill_.boxes.hour.isEmpty())
        return true; // unique, or the doubled time's question already answered
    const bool first = platform_.message(&window_, ProgramTitle(), atlas::FoldQuestion(offsets),
                                         Platform::Icon::Question,
                                         Platform::Buttons::YesNo) == Platform::Answer::Yes;
    const atlas::ZoneOffset& chosen = first ? offsets.earlier : offsets.later;
    const atlas::ZoneBoxes boxes = atlas::ZoneBoxesFor(chosen, follower_.place().longitude);
    if (!boxes.expressible) {
        platform_.message(&window_, ProgramTitle(), boxes.message, Platform::Icon::Error);
        return false;
    }
    writeZone(boxes);
    zoneAbbreviation_ = chosen.abbreviation;
    PlainSentence(lblPlaceZone_,
                  atlas::FilledText(follower_.place().displayText(), follower_.place().timeZone,
                                    enteredDate(), enteredTime(), chosen),
                  lblPlaceZone_->width());
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
    if (fill_.doubt.certain)
        return zoneAbbreviation_;
    return zoneAbbreviation_.isEmpty() ? tr("offset uncertain")
                                       : tr("%1, offset uncertain").arg(zoneAbbreviation_);
}

QString BirthSummaryFor(const QWidget& mainWindow, const ChartRecord& calculated) {
    const auto* finder = mainWindow.findChild<BirthplaceFinder*>();
    const QString place = finder ? finder->placeText() : QString();
    const QString note = finder ? finder->zoneNote() : QString();
    return QString::fromStdString(
        BirthSummary(calculated, place.toStdString(), note.toStdString()));
}

void ShowBirthSummary(QMainWindow& window, const QString& summary) {
    auto* line = window.findChild<QLabel*>(QStringLiteral("lblBirthSummary"));
    const bool added = !line;
    if (added) {
        line = new FixedHeightLabel;
        line->setObjectName(QStringLiteral("lblBirthSummary"));
        line->setWordWrap(true);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        line->setFocusPolicy(Qt::NoFocus);
        window.statusBar()->setSizeGripEnabled(false);
        window.statusBar()->addWidget(line, 1);
    }
    // The status line spans the window less the status bar's margins.
    FitWrapped(line, summary, window.width() - 16);
    // A status bar asks a wrapped label's height at too narrow a width.
    line->setMaximumHeight(line->minimumHeight());
    // The window grows by the status line rather than squeezing the reading.
    if (added)
        window.resize(window.width(), window.height() + window.statusBar()->sizeHint().height());
}

} // namespace tivora
