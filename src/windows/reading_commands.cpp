#include "windows/reading_commands.h"

#include "base/identity.h"
#include "report/reading_file.h"

namespace tivora {

Platform::FileRequest SaveReadingRequest() {
    return {QStringLiteral("Save Your Lagna Details"), QStringLiteral("Rich Text Format (*.tvr)"),
            QStringLiteral("tvr")};
}

Platform::FileRequest OpenReadingRequest() {
    return {QStringLiteral("Select the source file"), QStringLiteral("Tivora (*.tvr)"),
            QStringLiteral("tvr")};
}

void SaveReadingCommand(Platform& platform, QWidget* parent, const ChartRecord& chart) {
    const QString path = platform.saveFileName(parent, SaveReadingRequest());
    if (path.isEmpty())
        return;
    if (!SaveReadingFile(chart, path))
        platform.message(parent, ProgramTitle(), QString::fromLatin1(kCouldNotSaveMessage),
                         Platform::Icon::Error);
}

bool OpenReadingCommand(Platform& platform, QWidget* parent, BirthEntry& entry) {
    const QString path = platform.openFileName(parent, OpenReadingRequest());
    if (path.isEmpty())
        return false;
    if (OpenReadingFile(path, entry) != OpenResult::Applied) {
        platform.message(parent, ProgramTitle(), QString::fromLatin1(kCheckTheFileMessage),
                         Platform::Icon::Error);
        return false;
    }
    return true;
}

} // namespace tivora
