#pragma once

#include "app/quit_application.h"
#include "engine/chart_record.h"
#include "windows/frm_main.h"
#include "windows/frm_result.h"

#include <QObject>
#include <QPointer>

namespace tivora {

// Owns the chart record and the two modeless windows, which take turns on
// the screen: the main window until Calculate, the result window until Back.
class Application final : public QObject {
    Q_OBJECT
public:
    explicit Application(Platform& platform, QObject* parent = nullptr);
    ~Application() override;

    // Creates a main window with default entries when none is loaded, and
    // shows it.
    frmMain* showMainWindow();

    frmMain* mainWindow() const { return main_; }
    frmResult* resultWindow() const { return result_; }
    ChartRecord& chart() { return chart_; }
    SignInformation& signs() { return signs_; }
    // What the last Calculate used, in one line (result window, printed report).
    const QString& birthSummary() const { return birthSummary_; }

    // Closes every window, each through its own close handling, then ends
    // the event loop.
    void quitApplication();

signals:
    void quitting();

private:
    void showResultWindow();
    // Builds the next result window while the main window waits for input.
    void prepareResultWindow();
    void backToMainWindow();
    void showReportWindow();

    Platform& platform_;
    ChartRecord chart_;
    SignInformation signs_;
    QPointer<frmMain> main_;
    QPointer<frmResult> result_;
    // Built, hidden and unloaded: the next Calculate loads and shows it.
    QPointer<frmResult> prepared_;
    QString preparedLanguage_;
    QuitApplication quit_;
    QString birthSummary_;
};

} // namespace tivora
