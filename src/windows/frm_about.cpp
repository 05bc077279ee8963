#include "windows/frm_about.h"
#include "windows/window_texts.h"

#include "base/identity.h"
#include "links/page_openers.h"
#include "links/vendor_pages.h"
#include "platform/platform.h"
#include "reading/sign_pictures.h"
#include "ui/contrast.h"
#include "ui/widgets.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tivora {

namespace {

constexpr int kIconSide = 48;
// Wide enough for the description to wrap into a comfortable block.
constexpr int kTextWidth = 380;

QLabel* TextLabel(const QString& name, const QString& text, const QFont& font, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(font);
    return label;
}

LinkLabel* VendorLink(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new LinkLabel(text, parent);
    label->setObjectName(name);
    QFont font = VerdanaFont(8);
    font.setUnderline(true);
    label->setFont(font);
    SetReadableTextColour(*label, QColor(0, 0, 192));
    label->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    return label;
}

} // namespace

QString AboutHomePageCaption() {
    return QCoreApplication::translate("tivora::frmAbout", "Click here to visit %1")
        .arg(VendorSiteAddress());
}

frmAbout::frmAbout(Platform& platform, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(ProgramIcon());
    setModal(true);

    // Created in the window's design order, which is also the tab order.
    auto* cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setFont(VerdanaFont(8));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(90);

    auto* line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);

    QLabel* label1 =
        TextLabel(QStringLiteral("Label1"), VendorCaption(kAboutDescription), VerdanaFont(8), this);
    label1->setMinimumWidth(kTextWidth);
    QLabel* label2 = TextLabel(QStringLiteral("Label2"), QString(), VerdanaFont(11, true), this);
    label2->setText(QString::fromLatin1(kWindowCaption));
    LinkLabel* lblCoBrand =
        VendorLink(QStringLiteral("lblCoBrand"), VendorCaption(kAboutMoreDetails), this);
    QLabel* label3 =
        TextLabel(QStringLiteral("Label3"), VendorCaption(kAboutOffer), VerdanaFont(8), this);
    LinkLabel* lblHomePage =
        VendorLink(QStringLiteral("lblHomePage"), AboutHomePageCaption(), this);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(ProgramIcon().pixmap(kIconSide, kIconSide));
    picIcon->setFixedSize(kIconSide, kIconSide);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(8);
    grid->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(label2, 0, 1);
    grid->addWidget(label1, 1, 1);
    grid->addWidget(line1, 2, 0, 1, 2);
    grid->addWidget(label3, 3, 1);
    grid->addWidget(lblCoBrand, 4, 1, Qt::AlignLeft);
    grid->addWidget(lblHomePage, 5, 1, Qt::AlignLeft);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    grid->addLayout(buttons, 6, 0, 1, 2);
    // A little air above the button row.
    grid->setRowMinimumHeight(6, cmdOK->sizeHint().height() + 8);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(lblCoBrand, &LinkLabel::clicked, this, [&platform] { OpenFullyBrandedPage(platform); });
    connect(lblHomePage, &LinkLabel::clicked, this, [&platform] { OpenHomePage(platform); });
}

void ShowAboutWindow(Platform& platform, QWidget* parent) {
    frmAbout about(platform, parent);
    platform.runModal(about);
}

} // namespace tivora
