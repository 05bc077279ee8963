#include "app/qt_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace tivora;

// The production platform's question with named choices: the buttons it
// shows and the answer it gives for each.
class TestQtPlatform : public QObject {
    Q_OBJECT

    // Answers the next message box by the button with text, after a look at it.
    static void answerWith(const QString& text, QStringList* buttons) {
        QTimer::singleShot(0, [text, buttons] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton* b : box->buttons())
                *buttons << b->text();
            if (const QString folder = qEnvironmentVariable("TIVORA_SHOTS"); !folder.isEmpty())
                box->grab().save(folder + QStringLiteral("/choice-box.png"));
            for (QAbstractButton* b : box->buttons())
                if (b->text() == text)
                    b->click();
        });
    }

private slots:
    void chooseGivesTheIndexOrMinusOneForCancel() {
        QtPlatform platform;
        const QStringList choices{"Earlier: CEST, UT+2:00", "Later: CET, UT+1:00"};
        for (int i = 0; i < 2; ++i) {
            QStringList shown;
            answerWith(choices[i], &shown);
            QCOMPARE(
                platform.choose(nullptr, "Tivora", "Which one?", Platform::Icon::Question, choices),
                i);
            QCOMPARE(shown.size(), 3);
            for (const QString& choice : choices)
                QVERIFY(shown.contains(choice));
            QVERIFY(shown.contains(QStringLiteral("Cancel")));
        }
        QStringList shown;
        answerWith(QStringLiteral("Cancel"), &shown);
        QCOMPARE(
            platform.choose(nullptr, "Tivora", "Which one?", Platform::Icon::Question, choices),
            -1);
    }
};

QTEST_MAIN(TestQtPlatform)
#include "test_qt_platform.moc"
