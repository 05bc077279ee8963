#pragma once

#include <QByteArray>
#include <QDate>
#include <QVariant>
#include <QtGlobal>

namespace tivora {

class Platform;

// Where the date of the last reminder lives in the per-user settings.
inline constexpr const char* kLastReminderKey = "UpdateReminder/LastReminder";
// A CR alone between the sentences, as the message box has always shown it.
inline constexpr const char* kUpdateReminderMessage = QT_TRANSLATE_NOOP(
    "tivora::UpdateReminder",
    "There maybe an update to this software available\rDo you want to check for an update?");
// Reminders closer together than this many days (either way) stay quiet.
inline constexpr int kReminderQuietDays = 14;

enum class ReminderAction {
    StoreToday, // nothing usable stored yet: remember today, ask nothing
    Nothing,    // reminded recently enough
    Ask,        // ask, then remember today whatever the answer
};

// The stored form: the ISO date scrambled like the saved reading files.
QByteArray EncodeReminderDate(const QDate& date);
// An invalid date when the value is missing or does not read as a date.
QDate DecodeReminderDate(const QVariant& stored);
ReminderAction ReminderDue(const QDate& lastReminder, const QDate& today);

// Run once at start-up, before the main window shows: may ask whether to
// look for an update and open the download page on Yes.
void UpdateReminder(Platform& platform);

} // namespace tivora
