#include "links/update_reminder.h"

#include "base/identity.h"
#include "base/scramble.h"
#include "links/page_openers.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QString>

namespace tivora {

QByteArray EncodeReminderDate(const QDate& date) {
    return ScrambleText(ToWindows1252(date.toString(Qt::ISODate)));
}

QDate DecodeReminderDate(const QVariant& stored) {
    if (!stored.isValid())
        return {};
    // A value edited by hand in the settings file may come back as text.
    const QByteArray bytes = stored.typeId() == QMetaType::QByteArray
                                 ? stored.toByteArray()
                                 : ToWindows1252(stored.toString());
    const QString text = FromWindows1252(UnscrambleText(bytes));
    return QDate::fromString(text, Qt::ISODate);
}

ReminderAction ReminderDue(const QDate& lastReminder, const QDate& today) {
    if (!lastReminder.isValid())
        return ReminderAction::StoreToday;
    // Both directions count, so a clock set back also brings the reminder.
    const qint64 days = today.daysTo(lastReminder);
    return (days >= -kReminderQuietDays && days <= kReminderQuietDays) ? ReminderAction::Nothing
                                                                       : ReminderAction::Ask;
}

void UpdateReminder(Platform& platform) {
    const QDate today = platform.today();
    const QDate last = DecodeReminderDate(platform.setting(QString::fromLatin1(kLastReminderKey)));
    const auto remember = [&] {
        platform.setSetting(QString::fromLatin1(kLastReminderKey), EncodeReminderDate(today));
    };
    switch (ReminderDue(last, today)) {
    case ReminderAction::StoreToday:
        remember();
        return;
    case ReminderAction::Nothing:
        return;
    case ReminderAction::Ask:
        break;
    }
    const Platform::Answer answer = platform.message(
        nullptr, ProgramTitle(),
        QCoreApplication::translate("tivora::UpdateReminder", kUpdateReminderMessage),
        Platform::Icon::Information, Platform::Buttons::YesNo);
    remember();
    if (answer == Platform::Answer::Yes)
        OpenDownloadPage(platform);
}

} // namespace tivora
