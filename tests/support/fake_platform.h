#pragma once

#include "platform/platform.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <deque>
#include <functional>

class QDialog;

namespace tivora::test {

// A record the fake keeps of what was shown. Reading it in any way counts as
// the test having looked; something shown after the last look is unseen.
template <typename T> class ShownList {
public:
    void append(const T& item) {
        items_.append(item);
        looked_ = false;
    }
    const QList<T>& list() const {
        looked_ = true;
        return items_;
    }
    qsizetype size() const { return list().size(); }
    bool isEmpty() const { return list().isEmpty(); }
    const T& first() const { return list().first(); }
    const T& constFirst() const { return list().constFirst(); }
    const T& at(qsizetype i) const { return list().at(i); }
    const T& operator[](qsizetype i) const { return list().at(i); }
    auto begin() const { return list().begin(); }
    auto end() const { return list().end(); }
    void clear() {
        items_.clear();
        looked_ = true;
    }
    bool unseen() const { return !items_.isEmpty() && !looked_; }
    const T& last() const { return items_.last(); }

private:
    QList<T> items_;
    mutable bool looked_ = true;
};

// Records every request a window makes of the platform and answers from
// queues the test fills, so nothing modal ever blocks a test.
//
// A test fails (at verifyDone(), which the destructor runs) when something
// asked for an answer the test did not queue (a Yes/No box, a file dialog, a
// modal window), when queued answers are left over, or when a message box
// was shown that the test never looked at.
class FakePlatform final : public Platform {
public:
    struct Shown {
        QString title;
        QString text;
        Icon icon;
        Buttons buttons;
        QStringList choices; // of choose(); Cancel is always offered besides
    };
    struct FileAsked {
        bool save;
        FileRequest request;
    };
    struct Printed {
        QString jobName;
        QString plainText;
        QString html;
    };
    struct Modal {
        QString className;
        QString objectName;
        QString windowTitle;
        QWidget* parent;
    };

    ~FakePlatform() override;

    // Answers for Yes/No boxes.
    std::deque<Answer> answers;
    // Answers for choose(): the index of the choice, -1 for Cancel.
    std::deque<int> choices;
    // Paths the next file dialogs return; an empty text is a cancel.
    std::deque<QString> fileNames;
    // Each runs one modal window while it is "open" and gives its result.
    std::deque<std::function<int(QDialog&)>> dialogs;
    // Runs while a message box is "open" (e.g. to check the window's state).
    std::function<void(const Shown&)> onMessage;
    bool printerAvailable = true;
    QDateTime clock = QDateTime(QDate(2026, 12, 7), QTime(10, 0));

    ShownList<Shown> messages;
    ShownList<Modal> modals;
    QList<FileAsked> fileRequests;
    QList<QUrl> openedUrls;
    QList<Printed> printed;
    QMap<QString, QVariant> settings;
    // Requests that found no queued answer, with what was asked.
    QStringList unexpected;

    Answer message(QWidget* parent, const QString& title, const QString& text, Icon icon,
                   Buttons buttons) override;
    int choose(QWidget* parent, const QString& title, const QString& text, Icon icon,
               const QStringList& choices) override;
    int runModal(QDialog& dialog) override;
    QString openFileName(QWidget* parent, const FileRequest& request) override;
    QString saveFileName(QWidget* parent, const FileRequest& request) override;
    bool openUrl(const QUrl& url) override;
    bool print(QTextDocument& document, const QString& jobName) override;
    QVariant setting(const QString& key) override { return settings.value(key); }
    void setSetting(const QString& key, const QVariant& value) override {
        settings.insert(key, value);
    }
    QDateTime now() override { return clock; }

    QStringList messageTexts() const;
    // Fails the running test when anything was unexpected, unseen or unused.
    void verifyDone();
    // Checks, then forgets everything (for a fake shared by several cases).
    void clear();

private:
    QString fileName(bool save, const FileRequest& request);
};

} // namespace tivora::test
