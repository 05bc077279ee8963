#include "windows/frm_save.h"
#include "windows/window_texts.h"

#include "base/identity.h"
#include "language/sign_texts.h"
#include "links/page_openers.h"
#include "links/vendor_pages.h"
#include "report/report_document.h"
#include "ui/contrast.h"
#include "ui/widgets.h"
#include "windows/reading_commands.h"

#include <QCoreApplication>
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
    SetReadableTextColour(*label, QColor(0, 0, 192));
    return label;
}

} // namespace

QString VisitSiteCaption() {
    return QCoreApplication::translate("tivora::frmSave", "Click Here To Visit %1 Now")
        .arg(VendorSiteAddress());
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
    // A white page with the report's own colours on every desktop, as a
    // document viewer shows a page.
    QPalette page = palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        page.setColor(group, QPalette::Base, Qt::white);
        page.setColor(group, QPalette::Text, kValueColor);
    }
    setPalette(page);
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
    : QDialog(parent), platform_(platform), chart_(chart), info_(TranslatedSignInformation(info)),
      printJobName_(QStringLiteral("Tivora Report")) {
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setModal(true);

    fraFullBrand = new QFrame(this);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    fraFullBrand->setFrameShape(QFrame::StyledPanel);
    fraFullBrand->setFrameShadow(QFrame::Sunken);
    lblFullBrand =
        MakeLinkLabel(VendorCaption(kFullBrandCaption), "lblFullBrand", false, fraFullBrand);
    lblCobrand = MakeLinkLabel(VendorCaption(kCobrandCaption), "lblCobrand", false, fraFullBrand);
    auto* brandLayout = new QHBoxLayout(fraFullBrand);
    brandLayout->setSpacing(16);
    brandLayout->addWidget(lblFullBrand, 1);
    brandLayout->addWidget(lblCobrand, 1);

    cmdSave = new QPushButton(tr("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setAutoDefault(false);
    cmdPrint = new QPushButton(tr("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setAutoDefault(false);
    cmdSavePDF = new QPushButton(tr("Save &as PDF"), this);
    cmdSavePDF->setObjectName(QStringLiteral("cmdSavePDF"));
    cmdSavePDF->setAutoDefault(false);

    RTB = new ReportBox(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setAccessibleName(tr("Report"));
    // The font the PDF and the printout use, so all three look alike.
    RTB->document()->setDefaultFont(ReportBaseFont());
    RTB->document()->setDocumentMargin(8);
    ComposeReportDocument(*RTB->document(), info_);
    RTB->moveCursor(QTextCursor::Start);

    Label3 = MakeLinkLabel(VisitSiteCaption(), "Label3", true, this);
    Label14 = MakeLinkLabel(tr(kDiscussionBoardCaption), "Label14", true, this);

    auto* linkColumn = new QVBoxLayout;
    linkColumn->addWidget(Label3);
    linkColumn->addWidget(Label14);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(linkColumn, 1);
    bottom->addWidget(cmdSave, 0, Qt::AlignBottom);
    bottom->addWidget(cmdPrint, 0, Qt::AlignBottom);
    bottom->addWidget(cmdSavePDF, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addWidget(fraFullBrand);
    layout->addWidget(RTB, 1);
    layout->addLayout(bottom);

    setTabOrder(cmdSave, cmdPrint);
    setTabOrder(cmdPrint, cmdSavePDF);
    setTabOrder(cmdSavePDF, RTB);
    resize(640, 560);

    connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);
    connect(cmdSavePDF, &QPushButton::clicked, this, &frmSave::cmdSavePDF_Click);
    connect(RTB, &ReportBox::linkPressed, this,
            [this](const QString& href) { OpenReportLink(platform_, href); });
    connect(lblFullBrand, &LinkLabel::clicked, this, [this] { OpenFullyBrandedPage(platform_); });
    connect(lblCobrand, &LinkLabel::clicked, this, [this] { OpenCoBrandPage(platform_); });
    connect(Label3, &LinkLabel::clicked, this, [this] { OpenHomePage(platform_); });
    connect(Label14, &LinkLabel::clicked, this, [this] { OpenHomePage(platform_); });
}

QString frmSave::reportText() const {
    return ReportDocumentText(*RTB->document());
}

void frmSave::cmdSave_Click() {
    SaveReadingCommand(platform_, this, chart_);
}

void frmSave::cmdPrint_Click() {
    // A selection must not narrow the print to a part of the report.
    QTextCursor cursor = RTB->textCursor();
    cursor.clearSelection();
    RTB->setTextCursor(cursor);
    if (!platform_.print(*HeadedReport(*RTB->document(), header_), printJobName_))
        platform_.message(this, ProgramTitle(),
                          tr(kCouldNotPrintMessage) + QStringLiteral("\n\n") +
                              tr(kPrinterSetupHint),
                          Platform::Icon::Error);
}

void frmSave::cmdSavePDF_Click() {
    const QString path =
        platform_.saveFileName(this, {tr("Save as PDF"), tr("PDF (*.pdf)"), QStringLiteral("pdf")});
    if (path.isEmpty())
        return;
    if (!WriteReportPdf(info_, path, header_))
        platform_.message(this, ProgramTitle(), tr(kCouldNotSavePdfMessage), Platform::Icon::Error);
}

} // namespace tivora
