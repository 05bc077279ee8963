#include "support/fake_platform.h"

#include <QTextDocument>

namespace tivora::test {

Platform::Answer FakePlatform::message(QWidget*, const QString& text, Icon icon, Buttons buttons) {
    const Shown shown{QString::fromLatin1(kProgramTitle), text, icon, buttons};
    messages.append(shown);
    if (onMessage)
        onMessage(shown);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.empty()) {
        ++unexpected;
        return Answer::No;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FakePlatform::openFileName(QWidget*, const FileRequest& request) {
    fileRequests.append({false, request});
    if (fileNames.empty())
        return {};
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString FakePlatform::saveFileName(QWidget*, const FileRequest& request) {
    fileRequests.append({true, request});
    if (fileNames.empty())
        return {};
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
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

void FakePlatform::clear() {
    answers.clear();
    fileNames.clear();
    messages.clear();
    fileRequests.clear();
    openedUrls.clear();
    printed.clear();
    settings.clear();
    unexpected = 0;
    printerAvailable = true;
    onMessage = nullptr;
}

} // namespace tivora::test
