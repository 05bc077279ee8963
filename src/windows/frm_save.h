#pragma once

#include "engine/chart_record.h"
#include "links/vendor_captions.h"
#include "platform/platform.h"
#include "report/report_document.h"
#include "signs/sign_tables.h"

#include <QDialog>
#include <QTextEdit>
#include <QtGlobal>

class QFrame;
class QPushButton;

namespace tivora {

class LinkLabel;

inline constexpr const char* kCouldNotPrintMessage =
    QT_TRANSLATE_NOOP("tivora::frmSave", "Could Not Print The Report.");
// What follows kCouldNotPrintMessage: printing needs a default printer.
inline constexpr const char* kPrinterSetupHint = QT_TRANSLATE_NOOP(
    "tivora::frmSave",
    "Printing goes to the default printer. Set up a printer and make it the default one in "
    "the system's printer settings (or with the command: lpadmin -d PRINTER-NAME), then "
    "press Print again. Save as PDF keeps the report as a file meanwhile.");
inline constexpr const char* kCouldNotSavePdfMessage =
    QT_TRANSLATE_NOOP("tivora::frmSave", "Could Not Save The PDF File.");

inline constexpr const char* kDiscussionBoardCaption =
    QT_TRANSLATE_NOOP("tivora::frmSave", "The Most Popular Online Kestrune Discussion Board");
QString VisitSiteCaption();

// Opens a link of the report in the browser; anything but a web page is
// ignored.
void OpenReportLink(Platform& platform, const QString& href);

// The read-only report box. A left-button press on a link announces it;
// every press still gets the box's own handling (selection, focus).
class ReportBox final : public QTextEdit {
    Q_OBJECT
public:
    explicit ReportBox(QWidget* parent = nullptr);

signals:
    void linkPressed(const QString& href);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The report window: the current sign's report, composed anew for every
// showing, with commands to print it and to save the birth data.
class frmSave final : public QDialog {
    Q_OBJECT
public:
    frmSave(Platform& platform, const ChartRecord& chart, const SignInformation& info,
            QWidget* parent = nullptr);

    // The report box's text with CR LF line breaks.
    QString reportText() const;

    // The print job's name (cups-pdf and print queues show it).
    QString printJobName() const { return printJobName_; }
    void setPrintJobName(const QString& name) { printJobName_ = name; }

    // Heads the printed report (the window's own text stays as it is).
    void setReportHeader(const ReportHeader& header) { header_ = header; }

    void cmdSave_Click();
    void cmdPrint_Click();
    // Writes the report as the command line's PDF report does, to a file
    // chosen in the save dialog (which asks before replacing a file).
    void cmdSavePDF_Click();

private:
    Platform& platform_;
    const ChartRecord& chart_;
    // The reading in the language in effect when the window was opened.
    const SignInformation info_;
    QString printJobName_;
    ReportHeader header_;

    QFrame* fraFullBrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    LinkLabel* lblCobrand = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdSavePDF = nullptr;
    ReportBox* RTB = nullptr;
    LinkLabel* Label3 = nullptr;
    LinkLabel* Label14 = nullptr;
};

} // namespace tivora
