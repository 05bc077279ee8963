#pragma once

#include "platform/platform.h"

namespace tivora {

// Production: Qt's dialogs, default printer, browser and QSettings.
class QtPlatform final : public Platform {
public:
    Answer message(QWidget* parent, const QString& title, const QString& text, Icon icon,
                   Buttons buttons) override;
    int choose(QWidget* parent, const QString& title, const QString& text, Icon icon,
               const QStringList& choices) override;
    int runModal(QDialog& dialog) override;
    QString openFileName(QWidget* parent, const FileRequest& request) override;
    QString saveFileName(QWidget* parent, const FileRequest& request) override;
    bool openUrl(const QUrl& url) override;
    bool print(QTextDocument& document, const QString& jobName) override;
    QVariant setting(const QString& key) override;
    void setSetting(const QString& key, const QVariant& value) override;
    QDateTime now() override;
};

} // namespace tivora
