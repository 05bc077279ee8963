#pragma once

#include "engine/chart_record.h"
#include "entry/birth_entry.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <vector>

class QIODevice;

namespace tivora {

inline constexpr const char* kCheckTheFileMessage =
    QT_TRANSLATE_NOOP("ReadingFile", "Please Check The File.");
inline constexpr const char* kCouldNotSaveMessage =
    QT_TRANSLATE_NOOP("ReadingFile", "Could Not Save The File.");
inline constexpr qint64 kMaxReadingFileSize = 64 * 1024;

// The fifteen scrambled lines, each ending CR LF, from the chart record; a
// sixteenth line carries the full name in UTF-8 when line 1 cannot hold it,
// and a seventeenth the atlas town when there is one (line 16 then carries
// the name whether line 1 holds it or not).
QByteArray ReadingFileBytes(const ChartRecord& chart);

// Writes the file's bytes to a device; false when the device fails or the
// file would be larger than Open accepts.
bool WriteReadingFile(const ChartRecord& chart, QIODevice& device);

// False when something that is not a regular file stands at path (a FIFO, a
// device, a link to one): a save must not put a file in its place.
bool MayBeReplacedByFile(const QString& path);

// Writes to a temporary file beside path and replaces path only when every
// byte is written, so a failed save leaves an earlier file intact.
// An existing target that is not a regular file (a FIFO, a device, a link
// to one) is refused; a failed fdatasync fails the save.
bool SaveReadingFile(const ChartRecord& chart, const QString& path);
// The same with the call that syncs the written file to disk (SyncToDisk).
using SyncFunction = int (*)(int fd);
bool SaveReadingFile(const ChartRecord& chart, const QString& path, SyncFunction sync);

// Splits file content into at most seventeen unscrambled lines (CR LF, a lone
// CR or the end ends a line).
QList<QByteArray> ReadingFileLines(const QByteArray& content);

// Applies the lines to the entry as the Open command does: lists keep their
// selection on unknown texts, month "0" clears it, flags compare with "1",
// missing lines count as empty text. A well-formed line 16 gives the name,
// otherwise line 1 does; a well-formed line 17 gives the town, else none.
// Returns the lines (1-based) that were missing or whose text was passed
// over, leaving a list's selection or a flag at what it was or fell to.
// A name (from line 1 or 16) that held control characters or more than the
// Name box's 100 characters is kept without them, cut to that length, and
// noted as shortened.
struct ReadingFileNote {
    int line;
    bool missing;           // else present but ignored or shortened
    bool shortened = false; // the name was kept in part
};

// "line 13 (East or West) is missing", as the Open command tells the user.
QString ReadingFileNoteText(const ReadingFileNote& note);
std::vector<ReadingFileNote> ApplyReadingFileLines(const QList<QByteArray>& lines,
                                                   BirthEntry& entry);

enum class OpenResult {
    Applied,        // the entry was filled; Calculate runs next
    WrongExtension, // the path does not end in "tvr"
    Unreadable,     // missing, not a regular file, unreadable or too large
};

// The Open command's file part: checks the path, reads and applies the file.
// On anything but Applied the entry is left exactly as it was.
OpenResult OpenReadingFile(const QString& path, BirthEntry& entry,
                           std::vector<ReadingFileNote>* notes = nullptr);

} // namespace tivora
