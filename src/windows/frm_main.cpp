#include "windows/frm_main.h"

#include "engine/ephemeris.h"
#include "links/page_openers.h"
#include "links/place_lookup.h"
#include "links/vendor_captions.h"
#include "platform/platform.h"
#include "reading/sign_pictures.h"
#include "report/reading_commands.h"
#include "signs/sign_tables.h"
#include "windows/birthplace_finder.h"
#include "windows/frm_time_zone.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>
#include <QStackedLayout>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVBoxLayout>
#include <memory>

namespace tivora {

namespace {

constexpr int kPictureSide = 96;
constexpr int kZoneHourLength = 3;
constexpr int kZoneMinuteLength = 2;

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

template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* Caption(const QString& caption, QWidget* buddy = nullptr) {
    auto* label = new QLabel(LabelText(caption));
    label->setBuddy(buddy);
    return label;
}

QComboBox* DropDown(const char* name, EntryList list) {
    auto* box = Named(new QComboBox, name);
    box->setEditable(false);
    for (const auto& item : ListItems(list))
        box->addItem(QString::fromStdString(item));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

QLineEdit* DigitBox(const char* name, int characters) {
    auto* box = Named(new QLineEdit, name);
    const QFontMetrics metrics(box->font());
    box->setFixedWidth(metrics.horizontalAdvance(QString(characters + 1, QLatin1Char('0'))) + 14);
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
    setFont(VerdanaFont(8));
    buildMenus();

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(5);
    layout->addWidget(buildEntryFrame());
    cmdOpen = Named(new QPushButton(QStringLiteral("&Open Previously Saved Reading")), "cmdOpen");
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

    connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(cmdBrowser, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(lblTZHelp, &LinkLabel::clicked, this, &frmMain::lblTZHelp_Click);
    connect(lblCobrand, &LinkLabel::clicked, this, [this] { OpenCoBrandPage(platform_); });
    connect(lblFullBrand, &LinkLabel::clicked, this, [this] { OpenFullyBrandedPage(platform_); });

    setTabOrder();
    loadDefaults();
    txtName->setFocus();
    new BirthplaceFinder(*this, platform_, SharedAtlas());

    // The design size, grown where the platform's fonts need more room.
    const QSize design(485, 387 + menuBar()->sizeHint().height());
    resize(design.expandedTo(sizeHint()));
}

void frmMain::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* calculate = Named(file->addAction(QStringLiteral("&Calculate")), "mnuCalculate");
    connect(calculate, &QAction::triggered, this, &frmMain::cmdCalculate_Click);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* online = Named(help->addAction(QStringLiteral("&Online Help")), "mnuOnline");
    QAction* visit = Named(help->addAction(QStringLiteral("&Visit Us Online")), "mnuVisit");
    Named(help->addSeparator(), "mnuHelp1");
    QAction* update =
        Named(help->addAction(QStringLiteral("Check for Software &Update")), "mnuUpdate");
    Named(help->addSeparator(), "mnuHelp2");
    QAction* about = Named(help->addAction(QStringLiteral("&About Software")), "mnuAbout");

    // Switched off as the program is delivered; it keeps its action should it
    // ever be offered.
    QAction* makeMoney =
        Named(bar->addAction(QStringLiteral("Make Money &Online")), "mnuMakeMoney");
    makeMoney->setEnabled(false);

    connect(online, &QAction::triggered, this, [this] { OpenHelpPage(platform_); });
    connect(visit, &QAction::triggered, this, [this] { OpenHomePage(platform_); });
    connect(update, &QAction::triggered, this, [this] { OpenDownloadPage(platform_); });
    connect(about, &QAction::triggered, this, &frmMain::aboutRequested);
    connect(makeMoney, &QAction::triggered, this, [this] { OpenFullyBrandedPage(platform_); });
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
    auto* picture = Named(new QLabel, "picLogo");
    picture->setFixedSize(kPictureSide, kPictureSide);
    picture->setPixmap(ProgramIcon().pixmap(QSize(kPictureSide, kPictureSide), devicePixelRatio()));
    picture->setAlignment(Qt::AlignCenter);
    top->addWidget(picture, 0, Qt::AlignTop);

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(6);
    rows->setVerticalSpacing(4);
    txtName = Named(new QLineEdit, "txtName");
    rows->addWidget(Caption(QStringLiteral("Name"), txtName), 0, 0);
    rows->addWidget(txtName, 0, 1);

    cboMonth = DropDown("cboMonth", EntryList::Month);
    cboDate = DropDown("cboDate", EntryList::Day);
    cboYear = DropDown("cboYear", EntryList::Year);
    auto* date = new QHBoxLayout;
    date->setSpacing(4);
    date->addWidget(cboMonth);
    date->addWidget(cboDate);
    date->addWidget(cboYear);
    date->addStretch();
    rows->addWidget(Caption(QStringLiteral("Date of Birth"), cboMonth), 1, 0);
    rows->addLayout(date, 1, 1);

    cboHH = DropDown("cboHH", EntryList::Hour);
    cboMM = DropDown("cboMM", EntryList::Minute);
    cboSS = DropDown("cboSS", EntryList::Second);
    auto* time = new QHBoxLayout;
    time->setSpacing(4);
    time->addWidget(cboHH);
    time->addWidget(cboMM);
    time->addWidget(cboSS);
    time->addWidget(Named(new QLabel(QStringLiteral("HH:MM:SS")), "lblHHMMSS"));
    time->addStretch();
    rows->addWidget(Caption(QStringLiteral("Time of Birth"), cboHH), 2, 0);
    rows->addLayout(time, 2, 1);

    fraZone = Named(new QFrame, "fraZone");
    auto* zone = new QHBoxLayout(fraZone);
    zone->setContentsMargins(0, 0, 0, 0);
    zone->setSpacing(4);
    txtZoneHour = DigitBox("txtZoneHour", kZoneHourLength);
    txtZoneMinute = DigitBox("txtZoneMinute", kZoneHourLength);
    lblTZHelp = Named(new LinkLabel(QStringLiteral("TZ Help")), "lblTZHelp");
    QPalette linkPalette = lblTZHelp->palette();
    linkPalette.setColor(QPalette::WindowText, Qt::blue);
    lblTZHelp->setPalette(linkPalette);
    chkDST = Named(new QCheckBox(QStringLiteral("DST")), "chkDST");
    zone->addWidget(txtZoneHour);
    zone->addWidget(txtZoneMinute);
    zone->addSpacing(6);
    zone->addWidget(lblTZHelp);
    zone->addSpacing(10);
    zone->addWidget(chkDST);
    zone->addStretch();
    rows->addWidget(Caption(QStringLiteral("Time Zone"), txtZoneHour), 3, 0);
    rows->addWidget(fraZone, 3, 1);
    rows->setColumnStretch(1, 1);
    top->addLayout(rows, 1);
    layout->addLayout(top);

    // Latitude on the left, longitude on the right, each with its
    // hemisphere options.
    const auto coordinateFrame = [](const char* name, const QString& title, QLineEdit*& degrees,
                                    QLineEdit*& minutes, QButtonGroup*& options, const char* group,
                                    const QString& first, const QString& second,
                                    const char* degreeName, const char* minuteName) {
        auto* box = Named(new QGroupBox(title), name);
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(8, 4, 8, 6);
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(4);
        degrees = DigitBox(degreeName, 3);
        minutes = DigitBox(minuteName, 3);
        grid->addWidget(Caption(QStringLiteral("Deg"), degrees), 0, 0);
        grid->addWidget(degrees, 0, 1);
        grid->addWidget(Caption(QStringLiteral("Min"), minutes), 0, 2);
        grid->addWidget(minutes, 0, 3);
        options = Named(new QButtonGroup(box), group);
        auto* firstOption = new QRadioButton(first);
        auto* secondOption = new QRadioButton(second);
        firstOption->setObjectName(QString::fromLatin1(group) + QLatin1Char('0'));
        secondOption->setObjectName(QString::fromLatin1(group) + QLatin1Char('1'));
        options->addButton(firstOption, 0);
        options->addButton(secondOption, 1);
        grid->addWidget(firstOption, 1, 0, 1, 2);
        grid->addWidget(secondOption, 1, 2, 1, 2);
        grid->setColumnStretch(4, 1);
        return box;
    };
    auto* coordinates = new QHBoxLayout;
    coordinates->setSpacing(8);
    coordinates->addWidget(coordinateFrame("fraLatitude", QStringLiteral("Latitude"), txtLatD,
                                           txtLatM, optLat, "optLat", QStringLiteral("North"),
                                           QStringLiteral("South"), "txtLatD", "txtLatM"));
    coordinates->addWidget(coordinateFrame("fraLongitude", QStringLiteral("Longitude"), txtLonD,
                                           txtLonM, optLong, "optLong", QStringLiteral("East"),
                                           QStringLiteral("West"), "txtLonD", "txtLonM"));
    layout->addLayout(coordinates);

    // Birthplace rows with the tall lookup button at their right.
    auto* place = new QGridLayout;
    place->setHorizontalSpacing(6);
    place->setVerticalSpacing(4);
    txtMCity = Named(new QLineEdit, "txtMCity");
    txtMState = Named(new QLineEdit, "txtMState");
    txtMCountry = Named(new QLineEdit, "txtMCountry");
    place->addWidget(Caption(QStringLiteral("City"), txtMCity), 0, 0);
    place->addWidget(txtMCity, 0, 1);
    place->addWidget(Caption(QStringLiteral("State"), txtMState), 1, 0);
    place->addWidget(txtMState, 1, 1);
    place->addWidget(Caption(QStringLiteral("Country"), txtMCountry), 2, 0);
    place->addWidget(txtMCountry, 2, 1);
    cmdBrowser =
        Named(new WrappingButton(QStringLiteral("Click Here To Find Latitude && Longitude")),
              "cmdBrowser");
    cmdBrowser->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    place->addWidget(cmdBrowser, 0, 2, 3, 1);
    place->setColumnStretch(1, 1);
    layout->addLayout(place);

    // What a town chosen from the atlas filled in (BirthplaceFinder).
    layout->addWidget(Named(new QLabel, "lblPlaceZone"));

    cmdCalculate = Named(new QPushButton(QStringLiteral("Find My Lagna")), "cmdCalculate");
    QFont bold = cmdCalculate->font();
    bold.setBold(true);
    cmdCalculate->setFont(bold);
    cmdCalculate->setMinimumHeight(cmdCalculate->sizeHint().height() + 4);
    layout->addWidget(cmdCalculate);
    return frame;
}

QWidget* frmMain::buildAdvertisingBand() {
    auto* band = Named(new QFrame, "fraFullBrand");
    band->setFrameShape(QFrame::StyledPanel);
    advertising_ = new QStackedLayout(band);
    advertising_->setContentsMargins(6, 3, 6, 3);
    const auto label = [](const char* name, const char* caption) {
        auto* link = Named(new LinkLabel(LabelText(QString::fromLatin1(caption))), name);
        link->setWordWrap(true);
        link->setAlignment(Qt::AlignCenter);
        QFont font = VerdanaFont(7.5);
        font.setUnderline(true);
        link->setFont(font);
        QPalette palette = link->palette();
        palette.setColor(QPalette::WindowText, Qt::blue);
        link->setPalette(palette);
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
        chkDST,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmMain::loadDefaults() {
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS})
        list->setCurrentIndex(0);
    optLong->button(0)->setChecked(true);
    optLat->button(0)->setChecked(true);
    chkDST->setChecked(false);
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
    e.city = Text(txtMCity);
    e.state = Text(txtMState);
    e.country = Text(txtMCountry);
    e.east = optLong->checkedId() == 0;
    e.south = optLat->checkedId() == 1;
    e.dst = chkDST->isChecked();
    return e;
}

void frmMain::setEntry(const BirthEntry& e) {
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
}

void frmMain::cmdCalculate_Click() {
    if (auto* finder = findChild<BirthplaceFinder*>(); finder && !finder->checkBeforeCalculate())
        return;
    const BirthEntry e = entry();
    if (const auto message = ValidateInput(e)) {
        showEntryMessage(*message);
        return;
    }
    WriteBirthData(e, chart_);
    CalculateAscendant(chart_);
    lagnaSign_ = LagnaSignOf(chart_.AscendantText);
    SelectSignInformation(lagnaSign_, signs_);
    emit calculated();
}

void frmMain::cmdBrowser_Click() {
    const BirthEntry e = entry();
    if (const auto message = CheckPlace(e)) {
        showEntryMessage(*message);
        return;
    }
    QString query = Text(PlaceQuery(e));
    QString home = VendorPageUrl(VendorPage::Home).toString();
    PlaceLookup lookup(platform_);
    lookup.Lookup(query, home);
}

void frmMain::cmdOpen_Click() {
    BirthEntry e = entry();
    if (!OpenReadingCommand(platform_, this, e))
        return;
    setEntry(e);
    cmdCalculate_Click();
}

void frmMain::lblTZHelp_Click() {
    frmTimeZone picker(*txtZoneHour, *txtZoneMinute, this);
    runModal(picker);
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
    platform_.message(this, Text(message.text), ToPlatformIcon(message.icon));
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

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            return filterDigitKey(box, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::Shortcut && (watched == cmdOpen || watched == menuBar())) {
        // Qt would take the shared key as ambiguous and only move the focus;
        // while the menu entry is off, the key belongs to the button.
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        const auto* makeMoney = findChild<QAction*>(QStringLiteral("mnuMakeMoney"));
        if (shortcut->key() == QKeySequence::mnemonic(cmdOpen->text()) && makeMoney &&
            !makeMoney->isEnabled()) {
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
        platform_.message(this, QString::fromLatin1(kOnlyNumbersMessage), Platform::Icon::Error);
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
