#pragma once

#include <QDate>
#include <QString>

namespace tivora {

// "Jan" to "Dec" for month 1 to 12 in the language in effect, as every date
// the program writes names its month; empty for any other month.
QString ShortMonthName(int month);

// "12 Jan 1990": the day, the month's short name and the year, in the
// language in effect.
QString DayText(const QDate& date);

} // namespace tivora
