#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>

class QDialog;
class QTextDocument;
class QWidget;

namespace tivora {

// Everything modal or outside the program goes through here, so windows can
// be driven by tests without a dialog blocking and with every request seen.
class Platform {
public:
    enum class Icon { Information, Error, Question, Warning };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    struct FileRequest {
        QString title;
        QString filter;        // Qt filter text, e.g. "Tivora (*.tvr)"
        QString defaultSuffix; // appended when the user types no extension
    };

    virtual ~Platform() = default;

    // A message box; the program's boxes are all titled ProgramTitle().
    virtual Answer message(QWidget* parent, const QString& title, const QString& text, Icon icon,
                           Buttons buttons = Buttons::Ok) = 0;
    // A question answered by one of the named choices or by Cancel: the
    // index of the choice taken, or -1 for Cancel (and for closing the box).
    virtual int choose(QWidget* parent, const QString& title, const QString& text, Icon icon,
                       const QStringList& choices) = 0;
    // Runs a window of the program modally and returns its result (a
    // QDialog::DialogCode or the value given to done()).
    virtual int runModal(QDialog& dialog) = 0;
    // The chosen path, or an empty text when the user cancels. The save
    // dialog asks before overwriting; the open dialog accepts existing files.
    virtual QString openFileName(QWidget* parent, const FileRequest& request) = 0;
    virtual QString saveFileName(QWidget* parent, const FileRequest& request) = 0;
    // Hands the address to the user's browser without waiting for it.
    virtual bool openUrl(const QUrl& url) = 0;
    // Prints the whole document on the default printer, no dialog. False
    // when there is no default printer or the job fails.
    virtual bool print(QTextDocument& document, const QString& jobName) = 0;
    // The per-user settings store.
    virtual QVariant setting(const QString& key) = 0;
    virtual void setSetting(const QString& key, const QVariant& value) = 0;
    // The clock.
    virtual QDateTime now() = 0;
    QDate today() { return now().date(); }
};

} // namespace tivora
