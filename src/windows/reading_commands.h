#pragma once

#include "engine/chart_record.h"
#include "entry/birth_entry.h"
#include "platform/platform.h"

class QWidget;

namespace tivora {

// The file dialogs of the saved reading file.
Platform::FileRequest SaveReadingRequest();
Platform::FileRequest OpenReadingRequest();

// The report window's Save: asks for a file and writes the chart record to
// it. Cancel does nothing; a failed write is reported and leaves any earlier
// file as it was.
void SaveReadingCommand(Platform& platform, QWidget* parent, const ChartRecord& chart);

// The main window's Open, up to Calculate: asks for a file and fills the
// entry from it. True when the entry was filled and Calculate must run; a
// cancel is silent, a refused file shows "Please Check The File." and
// leaves the entry as it was; a damaged file's missing and ignored lines
// are listed in one message first.
bool OpenReadingCommand(Platform& platform, QWidget* parent, BirthEntry& entry);

} // namespace tivora
