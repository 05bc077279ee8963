#include "windows/reading_commands.h"

#include "base/identity.h"
#include "report/reading_file.h"

#include <QCoreApplication>
#include <QStringList>

namespace tivora {

Platform::FileRequest SaveReadingRequest() {
    return {QCoreApplication::translate("tivora::ReadingCommands", "Save Your Lagna Details"),
            QCoreApplication::translate("tivora::ReadingCommands", "Rich Text Format (*.tvr)"),
            QStringLiteral("tvr")};
}

Platform::FileRequest OpenReadingRequest() {
    return {QCoreApplication::translate("tivora::ReadingCommands", "Select the source file"),
            QCoreApplication::translate("tivora::ReadingCommands", "Tivora (*.tvr)"),
            QStringLiteral("tvr")};
}

void SaveReadingCommand(Platform& platform, QWidget* parent, const ChartRecord& chart) {
    const QString path = platform.saveFileName(parent, SaveReadingRequest());
    if (path.isEmpty())
        return;
    if (!SaveReadingFile(chart, path))
        platform.message(parent, ProgramTitle(),
                         QCoreApplication::translate("ReadingFile", kCouldNotSaveMessage),
                         Platform::Icon::Error);
}

bool OpenReadingCommand(Platform& platform, QWidget* parent, BirthEntry& entry) {
    const QString path = platform.openFileName(parent, OpenReadingRequest());
    if (path.isEmpty())
        return false;
    std::vector<ReadingFileNote> notes;
    if (OpenReadingFile(path, entry, &notes) != OpenResult::Applied) {
        platform.message(parent, ProgramTitle(),
                         QCoreApplication::translate("ReadingFile", kCheckTheFileMessage),
                         Platform::Icon::Error);
        return false;
    }
    // A damaged file still gives a reading, from the window's defaults where
    // lines are lost; the user must know it is not the saved one.
    if (!notes.empty()) {
        QStringList lines;
        for (const ReadingFileNote& note : notes)
            lines << ReadingFileNoteText(note);
        platform.message(parent, ProgramTitle(),
                         QCoreApplication::translate("ReadingFile",
                                                     "This file is damaged, so the reading "
                                                     "may not be the one saved:") +
                             QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')),
                         Platform::Icon::Warning);
    }
    return true;
}

} // namespace tivora
