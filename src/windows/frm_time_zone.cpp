#include "windows/frm_time_zone.h"

#include "base/identity.h"
#include "entry/zone_table.h"
#include "platform/platform.h"
#include "ui/widgets.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tivora {

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
        lstTimeZone->addItem(QString::fromStdString(row.text));

    cmdQuit = new QPushButton(QStringLiteral("&Quit"));
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
