#include "support/fake_platform.h"

#include <QDialog>
#include <QTextDocument>
#include <QtTest>

namespace tivora::test {

FakePlatform::~FakePlatform() {
    // Outside a test function (a helper process) there is nobody to tell;
    // a case that already failed need not fail twice.
    if (QTest::currentTestFunction() && !QTest::currentTestFailed())
        verifyDone();
}

Platform::Answer FakePlatform::message(QWidget*, const QString& title, const QString& text,
                                       Icon icon, Buttons buttons) {
    const Shown shown{title, text, icon, buttons, {}};
    messages.append(shown);
    if (onMessage) {
        onMessage(shown);
        messages.list(); // the test saw it
    }
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.empty()) {
        unexpected.append(QStringLiteral("question: ") + text);
        return Answer::No;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

int FakePlatform::choose(QWidget*, const QString& title, const QString& text, Icon icon,
                         const QStringList& offered) {
    const Shown shown{title, text, icon, Buttons::Ok, offered};
    messages.append(shown);
    if (onMessage) {
        onMessage(shown);
        messages.list();
    }
    if (choices.empty()) {
        unexpected.append(QStringLiteral("choice: ") + text);
        return -1;
    }
    const int answer = choices.front();
    choices.pop_front();
    return answer;
}

int FakePlatform::runModal(QDialog& dialog) {
    modals.append({QString::fromLatin1(dialog.metaObject()->className()), dialog.objectName(),
                   dialog.windowTitle(), dialog.parentWidget()});
    if (dialogs.empty()) {
        unexpected.append(QStringLiteral("modal window: ") + dialog.objectName());
        return QDialog::Rejected;
    }
    const auto answer = std::move(dialogs.front());
    dialogs.pop_front();
    return answer(dialog);
}

QString FakePlatform::fileName(bool save, const FileRequest& request) {
    fileRequests.append({save, request});
    if (fileNames.empty()) {
        unexpected.append(QStringLiteral("file dialog: ") + request.title);
        return {};
    }
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString FakePlatform::openFileName(QWidget*, const FileRequest& request) {
    return fileName(false, request);
}

QString FakePlatform::saveFileName(QWidget*, const FileRequest& request) {
    return fileName(true, request);
}

bool FakePlatform::openUrl(const QUrl& url) {
    openedUrls.append(url);
    return true;
}

bool FakePlatform::print(QTextDocument& document, const QString& jobName) {
    if (!printerAvailable)
        return false;
    printed.append({jobName, document.toPlainText(), document.toHtml()});
    return true;
}

QStringList FakePlatform::messageTexts() const {
    QStringList texts;
    for (const auto& m : messages)
        texts << m.text;
    return texts;
}

void FakePlatform::verifyDone() {
    QVERIFY2(unexpected.isEmpty(), qPrintable("not expected: " + unexpected.join("; ")));
    if (messages.unseen())
        QFAIL(qPrintable("message box never looked at: " + messages.last().text));
    QVERIFY2(answers.empty(), "Yes/No answers left unused");
    QVERIFY2(choices.empty(), "choices left unused");
    QVERIFY2(fileNames.empty(), "file names left unused");
    QVERIFY2(dialogs.empty(), "modal window answers left unused");
}

void FakePlatform::clear() {
    if (!QTest::currentTestFailed())
        verifyDone();
    answers.clear();
    choices.clear();
    fileNames.clear();
    dialogs.clear();
    messages.clear();
    modals.clear();
    fileRequests.clear();
    openedUrls.clear();
    printed.clear();
    settings.clear();
    unexpected.clear();
    printerAvailable = true;
    onMessage = nullptr;
}

} // namespace tivora::test
