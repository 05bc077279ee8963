#include "windows/frm_main.h"

#include "base/identity.h"
#include "engine/ephemeris.h"
#include "entry/calculate.h"
#include "language/entry_messages.h"
#include "language/language.h"
#include "language/sign_texts.h"
#include "links/page_openers.h"
#include "links/place_lookup.h"
#include "links/vendor_captions.h"
#include "platform/platform.h"
#include "reading/sign_pictures.h"
#include "signs/sign_tables.h"
#include "ui/contrast.h"
#include "windows/birthplace_finder.h"
#include "windows/frm_time_zone.h"
#include "windows/program_menus.h"
#include "windows/reading_commands.h"
#include "windows/recent_births.h"
#include "windows/window_texts.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>
#include <QStackedLayout>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVBoxLayout>
#include <initializer_list>
#include <memory>
#include <vector>

namespace tivora {

namespace {

constexpr int kPictureSide = 96;
constexpr int kZoneHourLength = 3;
constexpr int kZoneMinuteLength = 2;
// Rows a drop-down list shows at once before it scrolls.
constexpr int kDropDownRows = 12;

// A push button whose caption wraps over several lines, for the tall lookup
// button; text() keeps the caption exactly as given.
class WrappingButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

    // About a third of the caption's length per line, so it wraps in three.
    QSize sizeHint() const override {
        const int width = fontMetrics().horizontalAdvance(LabelText(text())) / 3 + 36;
        return {width, textHeight(width) + 16};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        style()->drawItemText(&painter, rect().adjusted(6, 4, -6, -4), kFlags, palette(),
                              isEnabled(), text(), QPalette::ButtonText);
    }

private:
    static constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

    int textHeight(int width) const {
        return fontMetrics().boundingRect(QRect(0, 0, width - 12, 1000), kFlags, text()).height();
    }
};

// The character a key press would type, 0 for keys that type none. Shortcuts
// that would put text in the box count as the control code they stand for.
int TypedCharacter(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Paste))
        return 22;
    const auto modifiers = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (modifiers == Qt::ControlModifier && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return event.key() - Qt::Key_A + 1;
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
        return 0;
    default:
        break;
    }
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

Platform::Icon ToPlatformIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return Platform::Icon::Error;
    case MessageIcon::Question:
        return Platform::Icon::Question;
    case MessageIcon::Information:
        break;
    }
    return Platform::Icon::Information;
}

QString Tr(const char* text) {
    return QCoreApplication::translate("tivora::frmMain", text);
}

template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* Caption(const QString& caption, QWidget* buddy = nullptr) {
    auto* label = new QLabel(LabelText(caption));
    label->setBuddy(buddy);
    return label;
}

// Drop-down lists that open as a list under the box, a dozen rows high and
// scrolled to the chosen item; the style's own popup would cover the screen
// for the 150 years. A style rather than a style sheet, which would make
// every list carry a style-sheet style of its own.
class DropDownStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// A list sized to its contents when first shown. Qt measures every item
// once for the size hint and once more for the minimum size, which comes
// out the same here (no minimum contents length): the second pass is
// skipped. The list's own style comes with its first opening: a list given
// a style, or told to follow every change of its items, builds its popup at
// once, which would be six popups at start-up that may never open.
class DropDownBox final : public QComboBox {
public:
    explicit DropDownBox(QStyle* listStyle) : listStyle_(listStyle) {}

    QSize minimumSizeHint() const override { return sizeHint(); }
    void showPopup() override {
        if (listStyle_ && style() != listStyle_)
            setStyle(listStyle_);
        QComboBox::showPopup();
    }

private:
    QPointer<QStyle> listStyle_;
};

// Empty until fillLists(): a list sized to its contents measures every item
// again at each change of font or style, and building the window brings
// several.
QComboBox* DropDown(const char* name, QStyle* listStyle) {
    auto* box = Named(new DropDownBox(listStyle), name);
    box->setEditable(false);
    box->setMaxVisibleItems(kDropDownRows);
    return box;
}

QLineEdit* DigitBox(const char* name, int characters) {
    auto* box = Named(new QLineEdit, name);
    const QFontMetrics metrics(box->font());
    box->setFixedWidth(metrics.horizontalAdvance(QString(characters + 1, QLatin1Char('0'))) + 14);
    return box;
}

// Screen readers name a drop-down list by the label whose buddy it is (its
// own accessible name gives way to its value there): one unseen label per list.
void AddListNames(QHBoxLayout& row, const std::vector<std::pair<QWidget*, QString>>& names) {
    for (const auto& [list, name] : names) {
        auto* label = new QLabel(name);
        label->setBuddy(list);
        label->hide();
        row.addWidget(label);
    }
}

// Controls side by side, left-aligned.
QHBoxLayout* Row(const std::vector<QWidget*>& widgets) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch();
    return row;
}

struct CoordinateNames {
    const char* frame;
    const char* title;
    const char* degrees;
    const char* minutes;
    const char* options;
    const char* first;
    const char* second;
};

// A latitude or longitude frame: degree and minute boxes over the two
// hemisphere options.
QGroupBox* CoordinateFrame(const CoordinateNames& names, QLineEdit*& degrees, QLineEdit*& minutes,
                           QButtonGroup*& options) {
    auto* box = Named(new QGroupBox(Tr(names.title)), names.frame);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    degrees = DigitBox(names.degrees, 3);
    minutes = DigitBox(names.minutes, 3);
    grid->addWidget(Caption(QCoreApplication::translate("tivora::frmMain", "Deg"), degrees), 0, 0);
    grid->addWidget(degrees, 0, 1);
    grid->addWidget(Caption(QCoreApplication::translate("tivora::frmMain", "Min"), minutes), 0, 2);
    grid->addWidget(minutes, 0, 3);
    options = Named(new QButtonGroup(box), names.options);
    const auto option = [&](const char* caption, int id) {
        auto* button = new QRadioButton(Tr(caption));
        button->setObjectName(QString::fromLatin1(names.options) + QString::number(id));
        options->addButton(button, id);
        grid->addWidget(button, 1, 2 * id, 1, 2);
    };
    option(names.first, 0);
    option(names.second, 1);
    grid->setColumnStretch(4, 1);
    return box;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Text(const QLineEdit* box) {
    return box->text().toStdString();
}

} // namespace

frmMain::frmMain(Platform& platform, ChartRecord& chart, SignInformation& signs, QWidget* parent)
    : ProgramWindow(parent), platform_(platform), chart_(chart), signs_(signs) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    // Owned by the window; with no base of its own it follows the
    // application's style.
    dropDownStyle_ = new DropDownStyle;
    dropDownStyle_->setParent(this);
    // The menus before the first font: another core may still be reading
    // the system's fonts (ConfigureApplication).
    buildMenus();
    setFont(VerdanaFont(8));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(5);
    layout->addWidget(buildEntryFrame());
    cmdOpen = Named(new QPushButton(tr("&Open Previously Saved Reading")), "cmdOpen");
    layout->addWidget(cmdOpen);
    layout->addWidget(buildAdvertisingBand());
    setCentralWidget(central);

    for (QLineEdit* box : {txtLonD, txtLonM, txtLatD, txtLatM, txtZoneHour, txtZoneMinute}) {
        box->installEventFilter(this);
        box->setAcceptDrops(false);
    }
    limitPastedText(txtZoneHour, kZoneHourLength);
    limitPastedText(txtZoneMinute, kZoneMinuteLength);
    // The switched-off "Make Money &Online" shares Alt+O with the Open button.
    cmdOpen->installEventFilter(this);
    menuBar()->installEventFilter(this);

    // Return in these boxes presses "Find My Lagna".
    for (QLineEdit* box : {txtName, txtMCity, txtMState, txtMCountry})
        box->installEventFilter(this);

    connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(cmdBrowser, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(lblTZHelp, &LinkLabel::clicked, this, &frmMain::lblTZHelp_Click);
    connect(chkDST, &QCheckBox::toggled, this, &frmMain::showDaylightNote);
    for (QLineEdit* box : {txtZoneHour, txtZoneMinute})
        connect(box, &QLineEdit::textEdited, this, [this] { setZoneFromDaylightRow(false); });
    connect(lblCobrand, &LinkLabel::clicked, this, [this] { OpenCoBrandPage(platform_); });
    connect(lblFullBrand, &LinkLabel::clicked, this, [this] { OpenFullyBrandedPage(platform_); });

    setTabOrder();
    fillLists();
    loadDefaults();
    txtName->setFocus();
    finder_ = new BirthplaceFinder(*this,
                                   {txtMCity, txtMState, txtMCountry, txtLatD, txtLatM, txtLonD,
                                    txtLonM, optLat, optLong, txtZoneHour, txtZoneMinute, chkDST,
                                    cboMonth, cboDate, cboYear, cboHH, cboMM, lblPlaceZone},
                                   platform_, &SharedAtlas);
    connect(finder_, &BirthplaceFinder::clockZoneOffered, this, [this](const QString& offset) {
        cmdUseClockZone->setText(tr("Use %1").arg(offset));
        if (offset.isEmpty() || cmdUseClockZone->isVisible()) {
            cmdUseClockZone->setVisible(!offset.isEmpty());
            return;
        }
        cmdUseClockZone->show();
        // The window grows by the button's row rather than squeezing the rows above.
        centralWidget()->layout()->activate();
        const int need = centralWidget()->layout()->totalHeightForWidth(centralWidget()->width());
        if (need > centralWidget()->height())
            resize(width(), height() + need - centralWidget()->height());
    });
    connect(cmdUseClockZone, &QPushButton::clicked, finder_, &BirthplaceFinder::useClockZone);

    // The design size, grown where the platform's fonts need more room.
    const QSize design(485, 387 + menuBar()->sizeHint().height());
    resize(design.expandedTo(sizeHint()));
}

void frmMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* calculate = Named(file->addAction(tr("&Calculate")), "mnuCalculate");
    connect(calculate, &QAction::triggered, this, &frmMain::cmdCalculate_Click);
    mnuRecentBirths = file->addMenu(tr("&Recent Births"));
    mnuRecentBirths->setObjectName(QStringLiteral("mnuRecentBirths"));
    // Read from the settings only when the menu opens, not at start-up.
    connect(file, &QMenu::aboutToShow, this, &frmMain::fillRecentBirths);
    mnuMakeMoney = AddHelpMenus(*menuBar(), *this, platform_, [this] { emit aboutRequested(); });
}

QWidget* frmMain::buildEntryFrame() {
    auto* frame = Named(new QFrame, "fraMain");
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    // Picture, then the name, date, time and zone rows beside it.
    auto* top = new QHBoxLayout;
    top->setSpacing(10);
    top->addWidget(buildPicture(), 0, Qt::AlignTop);
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(6);
    rows->setVerticalSpacing(4);
    addNameRow(*rows, 0);
    addListRow(*rows, 1, tr("Date of Birth"),
               {{&cboMonth, "cboMonth", tr("Birth month")},
                {&cboDate, "cboDate", tr("Birth day")},
                {&cboYear, "cboYear", tr("Birth year")}});
    addListRow(*rows, 2, tr("Time of Birth"),
               {{&cboHH, "cboHH", tr("Birth hour")},
                {&cboMM, "cboMM", tr("Birth minute")},
                {&cboSS, "cboSS", tr("Birth second")}},
               Named(new QLabel(tr("HH:MM:SS")), "lblHHMMSS"));
    addZoneRow(*rows, 3);
    rows->setColumnStretch(1, 1);
    top->addLayout(rows, 1);
    layout->addLayout(top);

    // Latitude on the left, longitude on the right.
    auto* coordinates = new QHBoxLayout;
    coordinates->setSpacing(8);
    coordinates->addWidget(
        CoordinateFrame({"fraLatitude", QT_TRANSLATE_NOOP("tivora::frmMain", "Latitude"), "txtLatD",
                         "txtLatM", "optLat", QT_TRANSLATE_NOOP("tivora::frmMain", "North"),
                         QT_TRANSLATE_NOOP("tivora::frmMain", "South")},
                        txtLatD, txtLatM, optLat));
    coordinates->addWidget(CoordinateFrame(
        {"fraLongitude", QT_TRANSLATE_NOOP("tivora::frmMain", "Longitude"), "txtLonD", "txtLonM",
         "optLong", QT_TRANSLATE_NOOP("tivora::frmMain", "East"),
         QT_TRANSLATE_NOOP("tivora::frmMain", "West")},
        txtLonD, txtLonM, optLong));
    layout->addLayout(coordinates);

    layout->addLayout(buildPlaceRows());
    // What a town chosen from the atlas filled in (BirthplaceFinder).
    lblPlaceZone = Named(new QLabel, "lblPlaceZone");
    layout->addWidget(lblPlaceZone);
    // Offered when the zone typed differs from what the town's clocks kept.
    cmdUseClockZone = Named(new QPushButton, "cmdUseClockZone");
    cmdUseClockZone->hide();
    auto* useRow = new QHBoxLayout;
    useRow->addWidget(cmdUseClockZone);
    useRow->addStretch();
    layout->addLayout(useRow);
    layout->addWidget(buildCalculateButton());
    return frame;
}

QWidget* frmMain::buildPicture() {
    auto* picture = Named(new QLabel, "picLogo");
    picture->setFixedSize(kPictureSide, kPictureSide);
    picture->setPixmap(ProgramIcon().pixmap(QSize(kPictureSide, kPictureSide), devicePixelRatio()));
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

void frmMain::addNameRow(QGridLayout& rows, int row) {
    txtName = Named(new QLineEdit, "txtName");
    txtName->setMaxLength(kNameLength);
    rows.addWidget(Caption(tr("Name"), txtName), row, 0);
    rows.addWidget(txtName, row, 1);
}

void frmMain::addListRow(QGridLayout& rows, int row, const QString& caption,
                         std::initializer_list<RowList> lists, QWidget* after) {
    std::vector<QWidget*> widgets;
    std::vector<std::pair<QWidget*, QString>> names;
    for (const RowList& list : lists) {
        *list.box = DropDown(list.objectName, dropDownStyle_);
        widgets.push_back(*list.box);
        names.emplace_back(*list.box, list.name);
    }
    rows.addWidget(Caption(caption), row, 0);
    if (after)
        widgets.push_back(after);
    QHBoxLayout* layout = Row(widgets);
    // One caption stands for several lists: each gets a name of its own.
    AddListNames(*layout, names);
    rows.addLayout(layout, row, 1);
}

void frmMain::addZoneRow(QGridLayout& rows, int row) {
    fraZone = Named(new QFrame, "fraZone");
    auto* zone = new QHBoxLayout(fraZone);
    zone->setContentsMargins(0, 0, 0, 0);
    zone->setSpacing(4);
    txtZoneHour = DigitBox("txtZoneHour", kZoneHourLength);
    txtZoneMinute = DigitBox("txtZoneMinute", kZoneMinuteLength);
    txtZoneHour->setAccessibleName(tr("Time zone hours"));
    txtZoneMinute->setAccessibleName(tr("Time zone minutes"));
    lblTZHelp = Named(new LinkLabel(tr("TZ Help")), "lblTZHelp");
    SetReadableTextColour(*lblTZHelp, Qt::blue);
    lblTZHelp->setFocusPolicy(Qt::StrongFocus);
    chkDST = Named(new QCheckBox(tr("DST")), "chkDST");
    zone->addWidget(txtZoneHour);
    zone->addWidget(txtZoneMinute);
    zone->addSpacing(6);
    zone->addWidget(lblTZHelp);
    zone->addSpacing(10);
    zone->addWidget(chkDST);
    zone->addStretch();
    rows.addWidget(Caption(tr("Time Zone"), txtZoneHour), row, 0);
    rows.addWidget(fraZone, row, 1);

    // Under the zone row, its room kept so nothing moves when it shows.
    lblDSTNote = Named(new QLabel(tr(kDaylightTwiceNote)), "lblDSTNote");
    lblDSTNote->setWordWrap(true);
    SetReadableTextColour(*lblDSTNote, QColor(160, 0, 0));
    QSizePolicy notePolicy = lblDSTNote->sizePolicy();
    notePolicy.setRetainSizeWhenHidden(true);
    lblDSTNote->setSizePolicy(notePolicy);
    lblDSTNote->hide();
    rows.addWidget(lblDSTNote, row + 1, 1);
}

QLayout* frmMain::buildPlaceRows() {
    // Birthplace rows with the tall lookup button at their right.
    auto* place = new QGridLayout;
    place->setHorizontalSpacing(6);
    place->setVerticalSpacing(4);
    txtMCity = Named(new QLineEdit, "txtMCity");
    txtMState = Named(new QLineEdit, "txtMState");
    txtMCountry = Named(new QLineEdit, "txtMCountry");
    place->addWidget(Caption(tr("City"), txtMCity), 0, 0);
    place->addWidget(txtMCity, 0, 1);
    place->addWidget(Caption(tr("State"), txtMState), 1, 0);
    place->addWidget(txtMState, 1, 1);
    place->addWidget(Caption(tr("Country"), txtMCountry), 2, 0);
    place->addWidget(txtMCountry, 2, 1);
    cmdBrowser =
        Named(new WrappingButton(tr("Click Here To Find Latitude && Longitude")), "cmdBrowser");
    cmdBrowser->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    place->addWidget(cmdBrowser, 0, 2, 3, 1);
    place->setColumnStretch(1, 1);
    return place;
}

QWidget* frmMain::buildCalculateButton() {
    cmdCalculate = Named(new QPushButton(tr("Find My Lagna")), "cmdCalculate");
    QFont bold = cmdCalculate->font();
    bold.setBold(true);
    cmdCalculate->setFont(bold);
    cmdCalculate->setMinimumHeight(cmdCalculate->sizeHint().height() + 4);
    return cmdCalculate;
}

QWidget* frmMain::buildAdvertisingBand() {
    auto* band = Named(new QFrame, "fraFullBrand");
    band->setFrameShape(QFrame::StyledPanel);
    advertising_ = new QStackedLayout(band);
    advertising_->setContentsMargins(6, 3, 6, 3);
    const auto label = [](const char* name, const char* caption) {
        auto* link = Named(new LinkLabel(LabelText(VendorCaption(caption))), name);
        link->setWordWrap(true);
        link->setAlignment(Qt::AlignCenter);
        QFont font = VerdanaFont(7.5);
        font.setUnderline(true);
        link->setFont(font);
        SetReadableTextColour(*link, Qt::blue);
        return link;
    };
    lblCobrand = label("lblCobrand", kCobrandCaption);
    lblFullBrand = label("lblFullBrand", kFullBrandCaption);
    advertising_->addWidget(lblCobrand);
    advertising_->addWidget(lblFullBrand);
    // Both labels share the band; the full-brand offer is in front by design.
    advertising_->setCurrentWidget(lblFullBrand);
    return band;
}

void frmMain::setTabOrder() {
    QWidget* const order[] = {
        txtName,
        cboMonth,
        cboDate,
        cboYear,
        cboHH,
        cboMM,
        cboSS,
        txtLonD,
        txtLonM,
        optLong->button(0),
        optLong->button(1),
        txtLatD,
        txtLatM,
        optLat->button(0),
        optLat->button(1),
        txtMCity,
        txtMState,
        txtMCountry,
        cmdBrowser,
        cmdCalculate,
        cmdOpen,
        txtZoneHour,
        txtZoneMinute,
        lblTZHelp,
        chkDST,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmMain::fillLists() {
    const std::pair<QComboBox*, EntryList> lists[] = {
        {cboMonth, EntryList::Month}, {cboDate, EntryList::Day},  {cboYear, EntryList::Year},
        {cboHH, EntryList::Hour},     {cboMM, EntryList::Minute}, {cboSS, EntryList::Second}};
    for (const auto& [box, list] : lists) {
        QStringList items;
        for (const auto& item : ListItems(list))
            items << (list == EntryList::Month ? Tr(item.c_str()) : QString::fromStdString(item));
        box->addItems(items);
    }
}

void frmMain::loadDefaults() {
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS})
        list->setCurrentIndex(0);
    optLong->button(0)->setChecked(true);
    optLat->button(0)->setChecked(true);
    chkDST->setChecked(false);
    setZoneFromDaylightRow(false);
}

BirthEntry frmMain::entry() const {
    BirthEntry e;
    e.name = Text(txtName);
    e.month = cboMonth->currentIndex();
    e.day = cboDate->currentIndex();
    e.year = cboYear->currentIndex();
    e.hour = cboHH->currentIndex();
    e.minute = cboMM->currentIndex();
    e.second = cboSS->currentIndex();
    e.lonDegrees = Text(txtLonD);
    e.lonMinutes = Text(txtLonM);
    e.latDegrees = Text(txtLatD);
    e.latMinutes = Text(txtLatM);
    e.zoneHour = Text(txtZoneHour);
    e.zoneMinute = Text(txtZoneMinute);
    e.zoneSecond = finder_ ? finder_->zoneSecond() : 0;
    e.city = Text(txtMCity);
    e.state = Text(txtMState);
    e.country = Text(txtMCountry);
    e.east = optLong->checkedId() == 0;
    e.south = optLat->checkedId() == 1;
    e.dst = chkDST->isChecked();
    if (finder_)
        e.town = finder_->town();
    return e;
}

void frmMain::setEntry(const BirthEntry& e) {
    // The town of the entries before must not follow the new date.
    if (finder_)
        finder_->restoreTown({});
    txtName->setText(Text(e.name));
    cboMonth->setCurrentIndex(e.month);
    cboDate->setCurrentIndex(e.day);
    cboYear->setCurrentIndex(e.year);
    cboHH->setCurrentIndex(e.hour);
    cboMM->setCurrentIndex(e.minute);
    cboSS->setCurrentIndex(e.second);
    txtLonD->setText(Text(e.lonDegrees));
    txtLonM->setText(Text(e.lonMinutes));
    txtLatD->setText(Text(e.latDegrees));
    txtLatM->setText(Text(e.latMinutes));
    txtZoneHour->setText(Text(e.zoneHour));
    txtZoneMinute->setText(Text(e.zoneMinute));
    txtMCity->setText(Text(e.city));
    txtMState->setText(Text(e.state));
    txtMCountry->setText(Text(e.country));
    optLong->button(e.east ? 0 : 1)->setChecked(true);
    optLat->button(e.south ? 1 : 0)->setChecked(true);
    chkDST->setChecked(e.dst);
    setZoneFromDaylightRow(false);
    if (finder_)
        finder_->restoreTown(e.town);
}

void frmMain::cmdCalculate_Click() {
    if (!finder_->checkBeforeCalculate())
        return;
    const BirthEntry birth = entry();
    if (const auto message = Calculate(birth, chart_, signs_)) {
        showEntryMessage(*message);
        return;
    }
    RememberBirth(platform_, birth);
    // In Hindi the line names the ascendant's sign as the reading does.
    const QString sign = InstalledLanguage() == QLatin1String(kHindi)
                             ? QString::fromStdString(TranslatedSignInformation(signs_).VedicName)
                             : QString();
    emit calculated(chart_, signs_, finder_->birthSummary(chart_, sign));
}

void frmMain::cmdBrowser_Click() {
    const BirthEntry e = entry();
    if (const auto message = CheckPlace(e)) {
        showEntryMessage(*message);
        return;
    }
    PlaceLookup lookup(platform_);
    lookup.Lookup(Text(PlaceQuery(e)));
}

void frmMain::cmdOpen_Click() {
    BirthEntry e = entry();
    if (!OpenReadingCommand(platform_, this, e))
        return;
    setEntry(e);
    RememberBirth(platform_, entry());
    cmdCalculate_Click();
}

void frmMain::fillRecentBirths() {
    mnuRecentBirths->clear();
    const RecentBirths births = LoadRecentBirths(platform_);
    for (std::size_t i = 0; i < births.size(); ++i) {
        QString text = RecentBirthText(births[i]);
        // A menu reads "&" as an access key and a tab as the start of a shortcut.
        text.replace(QLatin1Char('&'), QStringLiteral("&&"))
            .replace(QLatin1Char('\t'), QLatin1Char(' '));
        QAction* action = mnuRecentBirths->addAction(text);
        action->setObjectName(QStringLiteral("mnuRecentBirth%1").arg(i));
        connect(action, &QAction::triggered, this,
                [this, i] { restoreRecentBirth(static_cast<int>(i)); });
    }
    mnuRecentBirths->addSeparator();
    QAction* clear = mnuRecentBirths->addAction(tr("&Clear Recent Births"));
    clear->setObjectName(QStringLiteral("mnuClearRecentBirths"));
    clear->setEnabled(!births.empty());
    connect(clear, &QAction::triggered, this, [this] { ClearRecentBirths(platform_); });
    mnuRecentBirths->setEnabled(!births.empty());
}

void frmMain::restoreRecentBirth(int i) {
    const RecentBirths births = LoadRecentBirths(platform_);
    if (i >= 0 && static_cast<std::size_t>(i) < births.size())
        setEntry(births[static_cast<std::size_t>(i)]);
}

void frmMain::lblTZHelp_Click() {
    frmTimeZone picker(*txtZoneHour, *txtZoneMinute, this);
    connect(&picker, &frmTimeZone::zoneChosen, this,
            [this](const QString& row) { setZoneFromDaylightRow(ZoneRowIncludesDaylight(row)); });
    platform_.runModal(picker);
}

void frmMain::setZoneFromDaylightRow(bool daylight) {
    zoneFromDaylightRow_ = daylight;
    showDaylightNote();
}

void frmMain::showDaylightNote() {
    // Says so only; the boxes stay as the user set them.
    lblDSTNote->setVisible(zoneFromDaylightRow_ && chkDST->isChecked());
}

void frmMain::bringCobrandToFront() {
    advertising_->setCurrentWidget(lblCobrand);
}

void frmMain::bringFullBrandToFront() {
    advertising_->setCurrentWidget(lblFullBrand);
}

bool frmMain::cobrandInFront() const {
    return advertising_->currentWidget() == lblCobrand;
}

void frmMain::showEntryMessage(const EntryMessage& message) {
    platform_.message(this, ProgramTitle(), EntryMessageText(message.text),
                      ToPlatformIcon(message.icon));
    if (QWidget* control = controlFor(message.focus))
        control->setFocus(Qt::OtherFocusReason);
}

QWidget* frmMain::controlFor(EntryField field) const {
    switch (field) {
    case EntryField::None:
        return nullptr;
    case EntryField::Name:
        return txtName;
    case EntryField::Month:
        return cboMonth;
    case EntryField::Day:
        return cboDate;
    case EntryField::Year:
        return cboYear;
    case EntryField::Hour:
        return cboHH;
    case EntryField::Minute:
        return cboMM;
    case EntryField::Second:
        return cboSS;
    case EntryField::LonDegrees:
        return txtLonD;
    case EntryField::LonMinutes:
        return txtLonM;
    case EntryField::LatDegrees:
        return txtLatD;
    case EntryField::LatMinutes:
        return txtLatM;
    case EntryField::ZoneHour:
        return txtZoneHour;
    case EntryField::ZoneMinute:
        return txtZoneMinute;
    case EntryField::City:
        return txtMCity;
    case EntryField::State:
        return txtMState;
    case EntryField::Country:
        return txtMCountry;
    }
    return nullptr;
}

bool frmMain::pressesCalculate(QObject* watched, const QKeyEvent& event) const {
    if (watched != txtName && watched != txtMCity && watched != txtMState && watched != txtMCountry)
        return false;
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    // With the town list open, Return chooses the town instead.
    return enter && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
           !(finder_ && finder_->listShown());
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        pressesCalculate(watched, *static_cast<QKeyEvent*>(event))) {
        cmdCalculate->click();
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched != txtName && watched != txtMCity &&
        watched != txtMState && watched != txtMCountry)
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            return filterDigitKey(box, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::Shortcut && (watched == cmdOpen || watched == menuBar())) {
        // Qt would take the shared key as ambiguous and only move the focus;
        // while the menu entry is off, the key belongs to the button.
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->key() == QKeySequence::mnemonic(cmdOpen->text()) &&
            !mnuMakeMoney->isEnabled()) {
            cmdOpen->animateClick();
            return true;
        }
    }
    return ProgramWindow::eventFilter(watched, event);
}

void frmMain::limitPastedText(QLineEdit* box, int limit) {
    // Typing is limited by the key filter; this catches pasted text. Only the
    // user's edits count: the picker's "-10" and "-30" stand in full.
    auto shown = std::make_shared<QString>(box->text());
    connect(box, &QLineEdit::textChanged, this, [shown](const QString& text) { *shown = text; });
    // Emitted before textChanged, so shown still holds the text before the edit.
    connect(box, &QLineEdit::textEdited, this, [box, shown, limit](const QString& text) {
        const QString before = *shown;
        if (text.size() > limit && text.size() > before.size())
            box->setText(before.size() >= limit ? before : text.left(limit));
    });
}

bool frmMain::filterDigitKey(QLineEdit* box, QKeyEvent* event) {
    const int code = TypedCharacter(*event);
    if (code == 0)
        return false;
    if (!IsAcceptedDigitKey(code)) {
        platform_.message(this, ProgramTitle(), EntryMessageText(kOnlyNumbersMessage),
                          Platform::Icon::Error);
        return true;
    }
    // The zone boxes limit typing only; the picker may write longer texts.
    const int limit = box == txtZoneHour     ? kZoneHourLength
                      : box == txtZoneMinute ? kZoneMinuteLength
                                             : 0;
    const bool typesDigit = code != 8;
    if (typesDigit && limit > 0 && box->text().size() - box->selectedText().size() >= limit)
        return true;
    return false;
}

} // namespace tivora
