#pragma once

#include "platform/platform.h"

#include <QDialog>

namespace tivora::bench {

// Answers everything at once and remembers nothing: the windows' work
// without the outside world's.
class NullPlatform final : public Platform {
public:
    Answer message(QWidget*, const QString&, const QString&, Icon, Buttons) override {
        return Answer::Ok;
    }
    int choose(QWidget*, const QString&, const QString&, Icon, const QStringList&) override {
        return -1;
    }
    int runModal(QDialog& dialog) override { return dialog.exec(); }
    QString openFileName(QWidget*, const FileRequest&) override { return {}; }
    QString saveFileName(QWidget*, const FileRequest&) override { return {}; }
    bool openUrl(const QUrl&) override { return true; }
    bool print(QTextDocument&, const QString&) override { return true; }
    QVariant setting(const QString&) override { return {}; }
    void setSetting(const QString&, const QVariant&) override {}
    QDateTime now() override { return QDateTime(QDate(2026, 12, 7), QTime(10, 0)); }
};

} // namespace tivora::bench
