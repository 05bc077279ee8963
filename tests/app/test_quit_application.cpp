#include "app/quit_application.h"

#include <QCloseEvent>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

using namespace tivora;

namespace {

// A top-level window that logs its close events and can refuse them or run
// something while closing.
class RecordingWindow final : public QWidget {
public:
    RecordingWindow(const QString& name, QStringList& log) : name_(name), log_(log) {
        setWindowTitle(name);
        resize(120, 80);
    }
    bool refuse = false;
    std::function<void()> whileClosing;

protected:
    void closeEvent(QCloseEvent* event) override {
        log_.append(name_);
        if (whileClosing)
            whileClosing();
        if (refuse)
            event->ignore();
        else
            event->accept();
    }

private:
    QString name_;
    QStringList& log_;
};

class RecordingDialog final : public QDialog {
public:
    RecordingDialog(const QString& name, QStringList& log, QWidget* parent)
        : QDialog(parent), name_(name), log_(log) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        log_.append(name_);
        QDialog::closeEvent(event);
    }

private:
    QString name_;
    QStringList& log_;
};

// Runs the application's event loop with `start` queued; a watchdog ends a
// loop that QuitApplication failed to end with code 99.
int RunLoop(const std::function<void()>& start) {
    QObject context;
    QTimer::singleShot(0, &context, start);
    QTimer::singleShot(5000, &context, [] { QCoreApplication::exit(99); });
    return QCoreApplication::exec();
}

} // namespace

class TestQuitApplication : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        // Nothing may be left over for the next case.
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->windowTitle()));
    }

    void closesEveryShownWindowOnceAndEndsTheLoop() {
        QStringList log;
        RecordingWindow a("a", log), b("b", log), c("c", log);
        RecordingWindow hidden("hidden", log); // unloaded earlier: not closed again
        for (QWidget* w : {&a, &b, &c})
            w->show();

        QCOMPARE(RunLoop(QuitApplication), 0);

        log.sort();
        QCOMPARE(log, (QStringList{"a", "b", "c"}));
        QVERIFY(!a.isVisible() && !b.isVisible() && !c.isVisible());
    }

    void windowClosingCallsBackIn() {
        // Windows that announce their closing and have that end the program,
        // as the main window and the result window do.
        QStringList log;
        RecordingWindow main("main", log), result("result", log);
        QMap<QString, bool> otherOpenAfterCallBack;
        main.whileClosing = [&] {
            QuitApplication();
            otherOpenAfterCallBack["main"] = result.isVisible();
        };
        result.whileClosing = [&] {
            QuitApplication();
            otherOpenAfterCallBack["result"] = main.isVisible();
        };
        main.show();
        result.show();

        QCOMPARE(RunLoop(QuitApplication), 0);

        QCOMPARE(log.size(), 2);
        // The nested call closed nothing: the outer one closed the second
        // window afterwards.
        QVERIFY(otherOpenAfterCallBack.value(log.first()));
        QVERIFY(!otherOpenAfterCallBack.value(log.last()));
        QVERIFY(!main.isVisible() && !result.isVisible());
    }

    void userCloseEndsTheProgram() {
        // The user closes one window; its handler ends the program, which
        // closes the rest.
        QStringList log;
        RecordingWindow main("main", log), other("other", log);
        main.whileClosing = [] { QuitApplication(); };
        main.show();
        other.show();

        QCOMPARE(RunLoop([&] { main.close(); }), 0);
        QCOMPARE(log, (QStringList{"main", "other"}));
        QVERIFY(!other.isVisible());
    }

    void endsEvenWhenAWindowRefuses() {
        QStringList log;
        RecordingWindow stubborn("stubborn", log), plain("plain", log);
        stubborn.refuse = true;
        stubborn.show();
        plain.show();

        QCOMPARE(RunLoop(QuitApplication), 0);

        log.sort();
        QCOMPARE(log, (QStringList{"plain", "stubborn"}));
        QVERIFY(stubborn.isVisible());
        QVERIFY(!plain.isVisible());
        stubborn.refuse = false;
        stubborn.close();
    }

    void modalDialogClosesFirst() {
        // Several windows, so the dialog coming first by chance is unlikely.
        QStringList log;
        std::vector<std::unique_ptr<RecordingWindow>> windows;
        bool modalOpenWhileClosing = false;
        for (int i = 0; i < 6; ++i) {
            windows.push_back(std::make_unique<RecordingWindow>(QString::number(i), log));
            windows.back()->whileClosing = [&] {
                modalOpenWhileClosing |= QApplication::activeModalWidget() != nullptr;
            };
            windows.back()->show();
        }
        QPointer<RecordingDialog> dialog = new RecordingDialog("dialog", log, windows[0].get());
        int dialogResult = -1;
        bool afterDialog = false;

        const int code = RunLoop([&] {
            QTimer::singleShot(0, dialog, [] {
                QVERIFY(QApplication::activeModalWidget() != nullptr);
                QuitApplication();
            });
            dialogResult = dialog->exec();
            afterDialog = true;
        });

        QCOMPARE(code, 0);
        QCOMPARE(log.size(), 7);
        QCOMPARE(log.first(), QStringLiteral("dialog"));
        QVERIFY(!modalOpenWhileClosing);
        // The dialog's own loop ended and its caller went on.
        QVERIFY(afterDialog);
        QCOMPARE(dialogResult, int(QDialog::Rejected));
        for (const auto& w : windows)
            QVERIFY(!w->isVisible());
    }

    void closingMayDeleteAnotherWindow() {
        // Whichever closes first deletes the other, which must then be
        // skipped rather than touched.
        QStringList log;
        QPointer<RecordingWindow> first = new RecordingWindow("first", log);
        QPointer<RecordingWindow> second = new RecordingWindow("second", log);
        first->whileClosing = [&] { delete second.data(); };
        second->whileClosing = [&] { delete first.data(); };
        first->show();
        second->show();

        QCOMPARE(RunLoop(QuitApplication), 0);

        QCOMPARE(log.size(), 1);
        QCOMPARE(first.isNull() + second.isNull(), 1);
        delete first.data();
        delete second.data();
    }

    void calledBeforeTheLoopRuns() {
        QStringList log;
        RecordingWindow main("main", log);
        main.show();
        QuitApplication();
        QCOMPARE(log, QStringList{"main"});
        // The loop that starts afterwards ends at once.
        QObject context;
        QTimer::singleShot(5000, &context, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(TestQuitApplication)
#include "test_quit_application.moc"
