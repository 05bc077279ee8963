#include "windows/frm_save.h"

#include "links/page_openers.h"
#include "links/vendor_pages.h"
#include "report/reading_commands.h"
#include "report/report_document.h"
#include "ui/widgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tivora {

namespace {

LinkLabel* MakeLinkLabel(const QString& caption, const char* name, bool bold, QWidget* parent) {
    auto* label = new LinkLabel(LabelText(caption), parent);
    label->setObjectName(QLatin1String(name));
    QFont font = VerdanaFont(8.25, bold);
    font.setUnderline(true);
    label->setFont(font);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    label->setPalette(palette);
    return label;
}

} // namespace

QString VisitSiteCaption() {
    return QStringLiteral("Click Here To Visit ") + VendorSiteAddress() + QStringLiteral(" Now");
}

void OpenReportLink(Platform& platform, const QString& href) {
    const QUrl url(href, QUrl::StrictMode);
    if (IsOpenableReportLink(url))
        platform.openUrl(url);
}

ReportBox::ReportBox(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    // Links show the pointing hand; the box itself never follows them.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                            Qt::LinksAccessibleByMouse);
    setUndoRedoEnabled(false);
}

void ReportBox::mousePressEvent(QMouseEvent* event) {
    const QString href =
        event->button() == Qt::LeftButton ? anchorAt(event->position().toPoint()) : QString();
    QTextEdit::mousePressEvent(event);
    if (!href.isEmpty())
        emit linkPressed(href);
}

frmSave::frmSave(Platform& platform, const ChartRecord& chart, const SignInformation& info,
                 QWidget* parent)
    : QDialog(parent), platform_(platform), chart_(chart),
      printJobName_(QStringLiteral("Tivora Report")) {
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setModal(true);

    fraFullBrand_ = new QFrame(this);
    fraFullBrand_->setObjectName(QStringLiteral("fraFullBrand"));
    fraFullBrand_->setFrameShape(QFrame::StyledPanel);
    fraFullBrand_->setFrameShadow(QFrame::Sunken);
    lblFullBrand_ =
        MakeLinkLabel(QString::fromLatin1(kFullBrandCaption), "lblFullBrand", false, fraFullBrand_);
    lblCobrand_ =
        MakeLinkLabel(QString::fromLatin1(kCobrandCaption), "lblCobrand", false, fraFullBrand_);
    auto* brandLayout = new QHBoxLayout(fraFullBrand_);
    brandLayout->setSpacing(16);
    brandLayout->addWidget(lblFullBrand_, 1);
    brandLayout->addWidget(lblCobrand_, 1);

    cmdSave_ = new QPushButton(QStringLiteral("&Save"), this);
    cmdSave_->setObjectName(QStringLiteral("cmdSave"));
    cmdSave_->setAutoDefault(false);
    cmdPrint_ = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint_->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint_->setAutoDefault(false);

    RTB_ = new ReportBox(this);
    RTB_->setObjectName(QStringLiteral("RTB"));
    RTB_->document()->setDefaultFont(VerdanaFont(9.75));
    RTB_->document()->setDocumentMargin(8);
    ComposeReportDocument(*RTB_->document(), info);
    RTB_->moveCursor(QTextCursor::Start);

    Label3_ = MakeLinkLabel(VisitSiteCaption(), "Label3", true, this);
    Label14_ = MakeLinkLabel(QString::fromLatin1(kDiscussionBoardCaption), "Label14", true, this);

    auto* linkColumn = new QVBoxLayout;
    linkColumn->addWidget(Label3_);
    linkColumn->addWidget(Label14_);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(linkColumn, 1);
    bottom->addWidget(cmdSave_, 0, Qt::AlignBottom);
    bottom->addWidget(cmdPrint_, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addWidget(fraFullBrand_);
    layout->addWidget(RTB_, 1);
    layout->addLayout(bottom);

    setTabOrder(cmdSave_, cmdPrint_);
    setTabOrder(cmdPrint_, RTB_);
    resize(640, 560);

    connect(cmdSave_, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(cmdPrint_, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);
    connect(RTB_, &ReportBox::linkPressed, this,
            [this](const QString& href) { OpenReportLink(platform_, href); });
    connect(lblFullBrand_, &LinkLabel::clicked, this, [this] { OpenFullyBrandedPage(platform_); });
    connect(lblCobrand_, &LinkLabel::clicked, this, [this] { OpenCoBrandPage(platform_); });
    connect(Label3_, &LinkLabel::clicked, this, [this] { OpenHomePage(platform_); });
    connect(Label14_, &LinkLabel::clicked, this, [this] { OpenHomePage(platform_); });
}

QString frmSave::reportText() const {
    return ReportDocumentText(*RTB_->document());
}

void frmSave::cmdSave_Click() {
    SaveReadingCommand(platform_, this, chart_);
}

void frmSave::cmdPrint_Click() {
    // A selection must not narrow the print to a part of the report.
    QTextCursor cursor = RTB_->textCursor();
    cursor.clearSelection();
    RTB_->setTextCursor(cursor);
    if (!platform_.print(*HeadedReport(*RTB_->document(), header_), printJobName_))
        platform_.message(this, QString::fromLatin1(kCouldNotPrintMessage), Platform::Icon::Error);
}

} // namespace tivora
