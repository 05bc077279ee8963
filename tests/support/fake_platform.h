#pragma once

#include "platform/platform.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <deque>
#include <functional>

namespace tivora::test {

// Records every request a window makes of the platform and answers from
// queues the test fills, so nothing modal ever blocks a test.
class FakePlatform final : public Platform {
public:
    struct Shown {
        QString title;
        QString text;
        Icon icon;
        Buttons buttons;
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

    // Answers for Yes/No boxes; a Yes/No box with no answer queued is
    // answered No and counted in unexpected.
    std::deque<Answer> answers;
    // Paths the next file dialogs return; empty (cancel) when none is queued.
    std::deque<QString> fileNames;
    // Runs while a message box is "open" (e.g. to check the window's state).
    std::function<void(const Shown&)> onMessage;
    bool printerAvailable = true;
    QDateTime clock = QDateTime(QDate(2026, 12, 7), QTime(10, 0));

    QList<Shown> messages;
    QList<FileAsked> fileRequests;
    QList<QUrl> openedUrls;
    QList<Printed> printed;
    QMap<QString, QVariant> settings;
    int unexpected = 0;

    Answer message(QWidget* parent, const QString& text, Icon icon, Buttons buttons) override;
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
    void clear();
};

} // namespace tivora::test
