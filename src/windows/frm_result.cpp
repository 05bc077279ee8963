#include "windows/frm_result.h"
#include "windows/window_texts.h"

#include "language/sign_texts.h"

#include "base/identity.h"
#include "links/page_openers.h"
#include "links/vendor_captions.h"
#include "links/vendor_pages.h"
#include "platform/platform.h"
#include "reading/result_fields.h"
#include "reading/sign_pictures.h"
#include "ui/contrast.h"
#include "ui/tab_strip.h"
#include "windows/program_menus.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWindow>

namespace tivora {
namespace {

// Client area as designed; layouts may grow it when a font needs more room.
constexpr int kDesignWidth = 705;
constexpr int kDesignHeight = 448;
constexpr int kPictureBoxSide = 202;
constexpr int kAboutIconSide = 32;
constexpr qreal kBaseFontSize = 8.25;

const QColor kBannerGreen(0, 128, 0);
const QColor kLinkBlue(0, 0, 255);
const QColor kLightYellow(255, 255, 192);

// A text colour alone is made readable on the window's background; with a
// background of its own the pair stands as given.
void SetColours(QWidget* widget, const QColor& text, const QColor& background = QColor()) {
    if (!background.isValid()) {
        SetReadableTextColour(*widget, text);
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Window, background);
    widget->setAutoFillBackground(true);
    widget->setPalette(palette);
}

// setFont replaces the underline LinkLabel sets up, so links get it back here.
void SetLinkFont(QLabel* label, QFont font) {
    font.setUnderline(true);
    label->setFont(font);
}

LinkLabel* MakeLink(QWidget* parent, const char* name, const QString& text, const QColor& colour,
                    bool bold) {
    auto* link = new LinkLabel(text, parent);
    link->setObjectName(QString::fromLatin1(name));
    SetLinkFont(link, VerdanaFont(kBaseFontSize, bold));
    SetColours(link, colour);
    link->setWordWrap(true);
    return link;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QWidget* MakeBox(QWidget* parent, const ResultField& field) {
    QWidget* box;
    if (field.multiLine) {
        auto* text = new QPlainTextEdit(parent);
        text->setReadOnly(true);
        text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text->setTabChangesFocus(true);
        box = text;
    } else {
        auto* line = new QLineEdit(parent);
        line->setReadOnly(true);
        box = line;
    }
    box->setObjectName(QString::fromLatin1(field.boxName));
    return box;
}

QLabel* MakeCaption(QWidget* parent, const ResultField& field, bool bold) {
    auto* caption = new QLabel(FieldCaption(field), parent);
    caption->setObjectName(QString::fromLatin1(field.captionName));
    caption->setTextFormat(Qt::PlainText);
    caption->setToolTip(FieldHoverText(field));
    if (bold)
        caption->setFont(VerdanaFont(kBaseFontSize, true));
    return caption;
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

// Short values in two columns: each caption right-aligned against its box,
// the boxes taking the spare width.
QGridLayout* CaptionedBoxes(QWidget* parent, const std::vector<const ResultField*>& fields,
                            int spacing, std::vector<ResultFieldView>& built) {
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(spacing);
    rows->setVerticalSpacing(spacing);
    int row = 0;
    for (const ResultField* field : fields) {
        QLabel* caption = MakeCaption(parent, *field, false);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rows->addWidget(caption, row, 0);
        QWidget* box = MakeBox(parent, *field);
        // Screen readers name the box by its caption.
        caption->setBuddy(box);
        rows->addWidget(box, row, 1);
        built.push_back({field, caption, box});
        ++row;
    }
    rows->setColumnStretch(1, 1);
    return rows;
}

} // namespace

frmResult::frmResult(Platform& platform, const SignInformation& info, QWidget* parent)
    : frmResult(platform, parent) {
    load(info);
}

frmResult::frmResult(Platform& platform, QWidget* parent)
    : ProgramWindow(parent), platform_(platform) {
    setObjectName(QStringLiteral("frmResult"));
    setFont(VerdanaFont(kBaseFontSize));
    setWindowIcon(ProgramIcon());

    // Installed first: the builders below hang their parts on it.
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(8);
    columns->addWidget(buildLeftPanel());

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(buildTopBanner());
    right->addWidget(buildPages(), 1);
    right->addWidget(buildBottomBanner());
    columns->addLayout(right, 1);
    buildMenus();
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    arrangeFocus();
    // Every reading opens on page 1.
    ensurePage(1);
}

void frmResult::load(const SignInformation& info) {
    info_ = info;
    shown_ = TranslatedSignInformation(info);
    // Loading, in its designed order: the panel, then the pages built.
    loadPanel();
    loadFields(0);
    ShowPage(1);
    // Drawn once, after loading: until then the picture would be the list's
    // first, never seen.
    renderPictures();

    fitDesignSize();
}

void frmResult::prepare() {
    ensurePolished();
    fitDesignSize();
    layout()->activate();
    winId();
}

void frmResult::fitDesignSize() {
    const QSize design(kDesignWidth, kDesignHeight + menuBar()->sizeHint().height());
    resize(design.expandedTo(minimumSizeHint()));
}

void frmResult::ShowPage(int k) {
    if (!IsResultPage(k))
        return;
    ensurePage(k);
    TS->setCurrentIndex(k - 1);
    fraPages->setCurrentIndex(k - 1);
    if (k == kResultAboutPage)
        drawAboutIcon();
}

int frmResult::currentPage() const {
    return fraPages->currentIndex() + 1;
}

void frmResult::showEvent(QShowEvent* event) {
    ProgramWindow::showEvent(event);
    if (!screenWatched_ && windowHandle()) {
        screenWatched_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { renderPictures(); });
    }
    if (devicePixelRatioF() != renderedRatio_)
        renderPictures();
}

void frmResult::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* back = file->addAction(tr("&Back"));
    back->setObjectName(QStringLiteral("mnuBack"));
    file->addSeparator();
    QAction* save = file->addAction(tr("&Save"));
    save->setObjectName(QStringLiteral("mnuSave"));

    connect(back, &QAction::triggered, this, &frmResult::backRequested);
    connect(save, &QAction::triggered, this, &frmResult::saveRequested);
    AddHelpMenus(*menuBar(), *this, platform_, [this] { ShowPage(kResultAboutPage); });
}

QWidget* frmResult::buildLeftPanel() {
    auto* panel = new QWidget(centralWidget());
    panel->setObjectName(QStringLiteral("fraLeftPanel"));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);

    picRashi = new QLabel(panel);
    picRashi->setObjectName(QStringLiteral("picRashi"));
    picRashi->setFixedSize(kPictureBoxSide, kPictureBoxSide);
    picRashi->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picRashi->setLineWidth(1);
    picRashi->setAlignment(Qt::AlignCenter);
    column->addWidget(picRashi, 0, Qt::AlignHCenter);

    lblVedicName = new QLabel(tr("Rashi"), panel);
    lblVedicName->setObjectName(QStringLiteral("lblVedicName"));
    lblVedicName->setTextFormat(Qt::PlainText);
    lblVedicName->setFont(VerdanaFont(12, true));
    lblVedicName->setAlignment(Qt::AlignCenter);
    column->addWidget(lblVedicName);

    column->addLayout(CaptionedBoxes(panel, ResultFieldsOnPage(kResultLeftPanel), 4, fields_));
    column->addStretch(1);

    auto* buttons = new QHBoxLayout;
    cmdBack = MakeButton(panel, QStringLiteral("cmdBack"), tr("&Back"));
    cmdSave = MakeButton(panel, QStringLiteral("cmdSave"), tr("&Save"));
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdSave);
    column->addLayout(buttons);
    connect(cmdBack, &QPushButton::clicked, this, &frmResult::backRequested);
    connect(cmdSave, &QPushButton::clicked, this, &frmResult::saveRequested);
    WrapToolTips(*panel);
    return panel;
}

QWidget* frmResult::buildTopBanner() {
    auto* frame = new QGroupBox(VendorSiteAddress(), centralWidget());
    frame->setObjectName(QStringLiteral("Frame9"));
    frame->setFont(VerdanaFont(kBaseFontSize, true));
    SetColours(frame, kBannerGreen);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 2, 6, 6);

    LinkLabel* board =
        MakeLink(frame, "Label61",
                 tr("Join our astrology discussion board: ask questions and share your reading"),
                 Qt::white, false);
    SetColours(board, Qt::white, kBannerGreen);
    board->setAlignment(Qt::AlignCenter);
    board->setMargin(3);
    layout->addWidget(board);
    connect(board, &LinkLabel::clicked, this, [this] { OpenHomePage(platform_); });
    return frame;
}

QWidget* frmResult::buildPages() {
    auto* area = new QWidget(centralWidget());
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // Eight captions are wider than the strip: two rows show them all.
    TS = new TabStrip(area);
    TS->setObjectName(QStringLiteral("TS"));
    for (const QString& caption : ResultTabCaptions())
        TS->addTab(caption);
    layout->addWidget(TS);

    fraPages = new QStackedWidget(area);
    fraPages->setObjectName(QStringLiteral("fraPages"));
    fraPages->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    // Each page stays an empty frame until it is first shown.
    for (int page = 1; page <= kResultPageCount; ++page) {
        auto* frame = new QFrame(fraPages);
        frame->setObjectName(QStringLiteral("Frame%1").arg(page));
        fraPages->addWidget(frame);
    }
    layout->addWidget(fraPages, 1);

    connect(TS, &TabStrip::currentChanged, this, [this](int index) { ShowPage(index + 1); });
    return area;
}

void frmResult::buildFieldPage(QFrame* frame, int page) {
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(4);

    const std::vector<const ResultField*> fields = ResultFieldsOnPage(page);
    bool growing = false;
    if (page == 1 || page == 7) {
        // Short values: captions right-aligned against their boxes.
        column->addLayout(CaptionedBoxes(frame, fields, 6, fields_));
    } else {
        for (const ResultField* field : fields) {
            if (field != fields.front())
                column->addSpacing(4);
            QLabel* caption = MakeCaption(frame, *field, true);
            QWidget* box = MakeBox(frame, *field);
            caption->setBuddy(box);
            fields_.push_back({field, caption, box});
            column->addWidget(caption);
            column->addWidget(box, field->multiLine ? 1 : 0);
            growing = growing || field->multiLine;
        }
    }
    if (!growing)
        column->addStretch(1);
    column->addSpacing(4);
    column->addWidget(buildPageButtons(frame, page));
}

QWidget* frmResult::buildPageButtons(QWidget* frame, int page) {
    auto* strip = new QWidget(frame);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    // Back stands left of Next; page 8's Back takes Next's place.
    if (page > 1) {
        QPushButton* back = MakeButton(strip, QStringLiteral("cmdBack%1").arg(page), tr("Back"));
        // Told apart from the panel's Back, which leaves the reading.
        back->setAccessibleName(tr("Back to the previous page"));
        row->addWidget(back);
        connect(back, &QPushButton::clicked, this, [this, page] { ShowPage(page - 1); });
    }
    if (page < kResultPageCount) {
        QPushButton* next = MakeButton(strip, QStringLiteral("cmdNext%1").arg(page), tr("Next"));
        next->setAccessibleName(tr("Next page"));
        row->addWidget(next);
        connect(next, &QPushButton::clicked, this, [this, page] { ShowPage(page + 1); });
    }
    return strip;
}

void frmResult::buildAboutPage(QFrame* frame) {
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(6);

    auto* header = new QFrame(frame);
    header->setObjectName(QStringLiteral("fraAboutTitle"));
    SetColours(header, Qt::black, Qt::white);
    auto* headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(4, 4, 4, 4);
    picIcon = new QLabel(header);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFixedSize(kAboutIconSide, kAboutIconSide);
    headerRow->addWidget(picIcon);
    auto* title = new QLabel(QString::fromLatin1(kProgramTitle), header);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setFont(VerdanaFont(9.75, true));
    SetColours(title, Qt::black, Qt::white);
    headerRow->addWidget(title, 1);
    column->addWidget(header);

    auto* description = new QLabel(VendorCaption(kAboutDescription), frame);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setTextFormat(Qt::PlainText);
    description->setWordWrap(true);
    description->setMargin(6);
    SetColours(description, Qt::black, kLightYellow);
    column->addWidget(description);

    auto* offer = new QLabel(VendorCaption(kAboutOffer), frame);
    offer->setObjectName(QStringLiteral("lblOffer"));
    offer->setTextFormat(Qt::PlainText);
    offer->setWordWrap(true);
    offer->setFont(VerdanaFont(kBaseFontSize, true));
    SetColours(offer, kLinkBlue);
    column->addWidget(offer);

    // Short one-line links, kept to their text's width so only the words
    // react to the mouse.
    LinkLabel* details =
        MakeLink(frame, "lblCoBrand", tr("Click here for more details"), kLinkBlue, false);
    LinkLabel* home =
        MakeLink(frame, "lblHomePage",
                 tr("Visit us at %1 for more astrology software").arg(VendorSiteAddress()),
                 kLinkBlue, false);
    for (LinkLabel* link : {details, home}) {
        link->setWordWrap(false);
        column->addWidget(link, 0, Qt::AlignLeft);
    }
    connect(details, &LinkLabel::clicked, this, [this] { OpenFullyBrandedPage(platform_); });
    connect(home, &LinkLabel::clicked, this, [this] { OpenHomePage(platform_); });

    column->addStretch(1);
    column->addWidget(buildPageButtons(frame, kResultAboutPage));
}

QWidget* frmResult::buildBottomBanner() {
    auto* frame = new QFrame(centralWidget());
    frame->setObjectName(QStringLiteral("fraFullBrand"));
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    auto* cell = new QGridLayout(frame);
    cell->setContentsMargins(6, 4, 6, 4);

    LinkLabel* fullBrand =
        MakeLink(frame, "lblFullBrand", VendorCaption(kFullBrandCaption), kLinkBlue, true);
    LinkLabel* coBrand =
        MakeLink(frame, "lblCobrand1",
                 tr("Own a website? Get this software co-branded with your name and "
                    "logo, and offer it to your visitors. Click here for more details."),
                 kLinkBlue, true);
    for (LinkLabel* label : {fullBrand, coBrand}) {
        label->setAlignment(Qt::AlignCenter);
        cell->addWidget(label, 0, 0);
    }
    // Both share one place; the co-branding offer covers the other.
    SetColours(coBrand, coBrand->palette().color(QPalette::WindowText),
               frame->palette().color(QPalette::Window));
    coBrand->raise();
    connect(fullBrand, &LinkLabel::clicked, this, [this] { OpenFullyBrandedPage(platform_); });
    connect(coBrand, &LinkLabel::clicked, this, [this] { OpenCoBrandPage(platform_); });
    return frame;
}

void frmResult::arrangeFocus() {
    // The tab strip comes first, then the panel; each page's controls go
    // between the two as the page is built.
    QList<QWidget*> order{TS};
    for (const char* name :
         {"txtRullingPlanet", "txtEnglishName", "txtInbornNature", "txtSymbol", "txtSignColor"})
        for (const ResultFieldView& built : fields_)
            if (qstrcmp(built.field->boxName, name) == 0)
                order.append(built.box);
    order << cmdBack << cmdSave;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    TS->setFocus();
}

void frmResult::loadPanel() {
    lblVedicName->setText(QString::fromStdString(shown_.VedicName));
    TS->setTabText(6, LuckyTabCaption(shown_));
    pictureIndex_ = ResultPictureIndex(SignPictureKeys(), QString::fromStdString(info_.EnglishName),
                                       pictureIndex_);
}

void frmResult::loadFields(std::size_t from) {
    for (std::size_t i = from; i < fields_.size(); ++i) {
        const ResultField& field = *fields_[i].field;
        if (field.namesRashi)
            fields_[i].caption->setText(LoadedCaption(field, shown_));
        QWidget* box = fields_[i].box;
        if (auto* line = qobject_cast<QLineEdit*>(box)) {
            line->setText(LoadedValue(field, shown_));
            // Show a long value from its start, not its end.
            line->setCursorPosition(0);
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(box)) {
            text->setPlainText(LoadedValue(field, shown_));
        }
    }
}

void frmResult::ensurePage(int k) {
    auto* frame = qobject_cast<QFrame*>(fraPages->widget(k - 1));
    if (!frame || frame->layout())
        return;
    // Built while hidden, so its controls show with it.
    const std::size_t firstField = fields_.size();
    if (k == kResultAboutPage)
        buildAboutPage(frame);
    else
        buildFieldPage(frame, k);
    loadFields(firstField);
    WrapToolTips(*frame);
    // Its controls follow the tab strip in the focus order.
    QWidget* previous = TS;
    for (QWidget* child : Descendants(*frame))
        if (child->focusPolicy() & Qt::TabFocus) {
            setTabOrder(previous, child);
            previous = child;
        }
}

void frmResult::renderPictures() {
    const qreal ratio = devicePixelRatioF();
    renderedRatio_ = ratio;
    picRashi->setPixmap(SignPicture(pictureIndex_, ratio));
    if (currentPage() == kResultAboutPage)
        drawAboutIcon();
}

void frmResult::setBirthSummary(const QString& summary) {
    const bool added = !lblBirthSummary;
    if (added) {
        lblBirthSummary = new FixedHeightLabel;
        lblBirthSummary->setObjectName(QStringLiteral("lblBirthSummary"));
        lblBirthSummary->setWordWrap(true);
        lblBirthSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
        lblBirthSummary->setFocusPolicy(Qt::NoFocus);
        statusBar()->setSizeGripEnabled(false);
        statusBar()->addWidget(lblBirthSummary, 1);
    }
    // The status line spans the window less the status bar's margins.
    FitWrapped(lblBirthSummary, summary, width() - 16);
    // A status bar asks a wrapped label's height at too narrow a width.
    lblBirthSummary->setMaximumHeight(lblBirthSummary->minimumHeight());
    // The window grows by the status line rather than squeezing the reading.
    if (added)
        resize(width(), height() + statusBar()->sizeHint().height());
}

void frmResult::drawAboutIcon() {
    // Drawn when its page first shows, and again after a change of screen.
    const qreal ratio = devicePixelRatioF();
    if (!picIcon)
        return;
    if (picIcon->pixmap().isNull() || picIcon->pixmap().devicePixelRatio() != ratio)
        picIcon->setPixmap(ProgramIcon().pixmap(QSize(kAboutIconSide, kAboutIconSide), ratio));
}

} // namespace tivora
