#include "windows/frm_time_zone.h"

#include "base/identity.h"
#include "entry/zone_table.h"
#include "platform/platform.h"
#include "ui/widgets.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tivora {

namespace {

// The picker's zone names, translated where the list is filled; each must be
// the name part of a zone row, up to its first comma.
[[maybe_unused]] constexpr const char* kZoneNames[] = {
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Alaska/Hawaii Daylight Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Alaska/Hawaii Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Alaska/Hawaii War Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Atlantic Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Atlantic War Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Australian Central Daylight Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Australian Central Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Australian Eastern Daylight Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Australian Eastern Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Australian Western Daylight Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Australian Western Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Azores Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Baghdad Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Bering Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Brazil Zone 2"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "British Double Summer Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "British Summer Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "British War Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Central Daylight Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Central European Daylight"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Central European Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Central Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Central War Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "China Coast Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Eastern Daylight Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Eastern European Daylight Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Eastern European Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Eastern Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Eastern War Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Greenwich Mean Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Guam Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Hawaiian Daylight Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Hawaiian Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Hawaiian War Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Indian Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Int'l Date Line East"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Int'l Date Line West"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Iran Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Japan Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Java Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Middle European Daylight Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Middle European Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Moluccas Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Mountain Daylight Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Mountain Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Mountain War Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "New Zealand Std Summer Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "New Zealand Std Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "New Zealand Summer Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "New Zealand Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Newfoundland Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Nome Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "North Sumatra Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Pacific Daylight Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Pacific Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Pacific War Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "South Australia Daylight Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "South Australia Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "South Sumatra Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Universal Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "USSR Zone 10"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "USSR Zone 3"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "USSR Zone 4"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "USSR Zone 5"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "USSR Zone 6"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "West Africa Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Yukon Daylight Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Yukon Standard Time"),
    QT_TRANSLATE_NOOP("tivora::frmTimeZone", "Yukon War Time"),
};

// A row as the picker shows it: its zone name in the language in effect, the
// abbreviation and offset as they are.
QString ShownZoneRow(const std::string& row) {
    const QString text = QString::fromStdString(row);
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0)
        return text;
    const QByteArray name = text.left(comma).toUtf8();
    return QCoreApplication::translate("tivora::frmTimeZone", name.constData()) + text.mid(comma);
}

} // namespace

bool ZoneRowIncludesDaylight(const QString& rowText) {
    return rowText.contains(QLatin1String("Summer")) || rowText.contains(QLatin1String("Daylight"));
}

frmTimeZone::frmTimeZone(QLineEdit& zoneHour, QLineEdit& zoneMinute, QWidget* parent)
    : QDialog(parent), zoneHour_(zoneHour), zoneMinute_(zoneMinute) {
    setObjectName(QStringLiteral("frmTimeZone"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setModal(true);

    lstTimeZone = new QListWidget;
    lstTimeZone->setObjectName(QStringLiteral("lstTimeZone"));
    lstTimeZone->setFont(VerdanaFont(8.25, true));
    lstTimeZone->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTimeZone->setAccessibleName(tr("Time zones"));
    for (const ZoneRow& row : ZoneTable())
        lstTimeZone->addItem(ShownZoneRow(row.text));

    cmdQuit = new QPushButton(tr("&Quit"));
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setFont(VerdanaFont(8.25, true));
    cmdQuit->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(lstTimeZone, 1);
    layout->addWidget(cmdQuit);
    setTabOrder(lstTimeZone, cmdQuit);
    lstTimeZone->setFocus();
    lstTimeZone->installEventFilter(this);

    connect(lstTimeZone, &QListWidget::itemDoubleClicked, this, &frmTimeZone::lstTimeZone_DblClick);
    connect(cmdQuit, &QPushButton::clicked, this, &frmTimeZone::cmdQuit_Click);
    resize(329, 232);
}

void frmTimeZone::lstTimeZone_DblClick() {
    const int row = lstTimeZone->currentRow();
    const auto& table = ZoneTable();
    if (row < 0 || row >= static_cast<int>(table.size()))
        return;
    zoneHour_.setText(QString::fromStdString(table[static_cast<std::size_t>(row)].hour));
    zoneMinute_.setText(QString::fromStdString(table[static_cast<std::size_t>(row)].minute));
    emit zoneChosen(QString::fromStdString(table[static_cast<std::size_t>(row)].text));
    accept();
}

bool frmTimeZone::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstTimeZone && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Chooses the current row as a double-click does; with no row
            // current the key does nothing.
            if (lstTimeZone->currentItem())
                lstTimeZone_DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmTimeZone::cmdQuit_Click() {
    reject();
}

} // namespace tivora
