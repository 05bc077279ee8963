#include "app/application.h"

#include "language/language.h"
#include "signs/sign_tables.h"
#include "windows/frm_about.h"
#include "windows/frm_main.h"
#include "windows/frm_result.h"
#include "windows/frm_save.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <chrono>

namespace tivora {

namespace {

constexpr std::chrono::milliseconds kPrepareDelay{150};

// Windows delete themselves once unloaded, so a later one starts afresh.
template <typename Window> Window* Loaded(Window* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

} // namespace

Application::Application(Platform& platform, QObject* parent)
    : QObject(parent), platform_(platform) {}

Application::~Application() {
    delete main_;
    delete result_;
    delete prepared_;
}

frmMain* Application::showMainWindow() {
    if (!main_) {
        main_ = Loaded(new frmMain(platform_, chart_, signs_));
        connect(main_, &frmMain::calculated, this,
                [this](const ChartRecord&, const SignInformation&, const QString& summary) {
                    birthSummary_ = summary;
                    showResultWindow();
                });
        connect(main_, &frmMain::aboutRequested, this,
                [this] { ShowAboutWindow(platform_, main_); });
        connect(main_, &ProgramWindow::closedByUser, this, &Application::quitApplication);
        // A moment after the window appears: nobody has entered a birth by
        // then, and the window's first frames on the desktop come first.
        connect(main_, &ProgramWindow::seen, this, [this] {
            QTimer::singleShot(kPrepareDelay, this, &Application::prepareResultWindow);
        });
    }
    main_->show();
    return main_;
}

void Application::showResultWindow() {
    if (result_)
        result_->unload();
    // A window prepared before the language changed speaks the old one.
    if (prepared_ && preparedLanguage_ != InstalledLanguage())
        delete prepared_;
    result_ = Loaded(prepared_ ? prepared_.data() : new frmResult(platform_));
    prepared_ = nullptr;
    result_->load(signs_);
    result_->setBirthSummary(birthSummary_);
    connect(result_, &frmResult::backRequested, this, &Application::backToMainWindow);
    connect(result_, &frmResult::saveRequested, this, &Application::showReportWindow);
    connect(result_, &ProgramWindow::closedByUser, this, &Application::quitApplication);
    result_->show();
    if (main_) {
        // Shown first, so the program never runs without a window. Hidden
        // at once, but unloaded only once the result window is on the
        // screen: taking a window apart would delay its first paint.
        frmMain* const calculatedFrom = main_;
        main_ = nullptr;
        calculatedFrom->hide();
        connect(result_, &ProgramWindow::seen, calculatedFrom, &ProgramWindow::unload);
        connect(result_, &QObject::destroyed, calculatedFrom, &ProgramWindow::unload);
    }
}

void Application::prepareResultWindow() {
    if (prepared_ || !main_)
        return;
    prepared_ = new frmResult(platform_);
    preparedLanguage_ = InstalledLanguage();
    prepared_->prepare();
}

void Application::backToMainWindow() {
    QPointer<frmResult> leaving = result_;
    result_ = nullptr;
    showMainWindow();
    if (leaving)
        leaving->unload();
}

void Application::showReportWindow() {
    if (!result_)
        return;
    frmSave report(platform_, chart_, signs_, result_);
    report.setReportHeader({QString::fromStdString(chart_.BirthName), birthSummary_});
    platform_.runModal(report);
}

void Application::quitApplication() {
    if (quit_.running())
        return;
    emit quitting();
    // Every window runs its own close handling; a window that announces its
    // close brings us back here, which the guard ends.
    quit_.run();
}

} // namespace tivora
