#include "app/qt_platform.h"

#include "report/report_document.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>

namespace tivora {

namespace {

QMessageBox::Icon ToQt(Platform::Icon icon) {
    switch (icon) {
    case Platform::Icon::Information:
        return QMessageBox::Information;
    case Platform::Icon::Error:
        return QMessageBox::Critical;
    case Platform::Icon::Question:
        return QMessageBox::Question;
    case Platform::Icon::Warning:
        break;
    }
    return QMessageBox::Warning;
}

QString RunFileDialog(QWidget* parent, const Platform::FileRequest& request,
                      QFileDialog::AcceptMode mode) {
    // Start where people keep their papers, not in the program's folder.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    QFileDialog dialog(parent, request.title, folder, request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

Platform::Answer QtPlatform::message(QWidget* parent, const QString& title, const QString& text,
                                     Icon icon, Buttons buttons) {
    QMessageBox box(
        ToQt(icon), title, text,
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    // Qt has no Hindi for its own buttons: the program names them itself.
    const auto name = [&box](QMessageBox::StandardButton which, const char* caption) {
        if (QAbstractButton* button = box.button(which))
            button->setText(QCoreApplication::translate("QtPlatform", caption));
    };
    name(QMessageBox::Ok, QT_TRANSLATE_NOOP("QtPlatform", "OK"));
    name(QMessageBox::Yes, QT_TRANSLATE_NOOP("QtPlatform", "&Yes"));
    name(QMessageBox::No, QT_TRANSLATE_NOOP("QtPlatform", "&No"));
    const int result = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

int QtPlatform::choose(QWidget* parent, const QString& title, const QString& text, Icon icon,
                       const QStringList& choices) {
    QMessageBox box(ToQt(icon), title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons << box.addButton(choice, QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    cancel->setText(QCoreApplication::translate("QtPlatform", "Cancel"));
    box.setEscapeButton(cancel);
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.constFirst()));
    box.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

int QtPlatform::runModal(QDialog& dialog) {
    return dialog.exec();
}

QString QtPlatform::openFileName(QWidget* parent, const FileRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString QtPlatform::saveFileName(QWidget* parent, const FileRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

bool QtPlatform::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool QtPlatform::print(QTextDocument& document, const QString& jobName) {
    // Without a default queue Qt silently falls back to a nameless PDF.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(jobName);
    printer.setPrintRange(QPrinter::AllPages);
    // Paged as the PDF is: no page begins with an empty line.
    PrintReportDocument(document, printer);
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

QVariant QtPlatform::setting(const QString& key) {
    return QSettings().value(key);
}

void QtPlatform::setSetting(const QString& key, const QVariant& value) {
    QSettings settings;
    settings.setValue(key, value);
    settings.sync();
}

QDateTime QtPlatform::now() {
    return QDateTime::currentDateTime();
}

} // namespace tivora
