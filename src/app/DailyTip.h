#pragma once

#include <QDateTime>
#include <QString>

// The once-a-day rule of the daily tip.
namespace DailyTip {

// A day as "yymmdd", compared only for equality.
QString dayStamp(const QDate &day);

// Due when the daily tip is on, the current hour is the chosen hour, and it
// has not fired yet today. An hour outside 0..23 never matches.
bool isDue(bool dailyOn, qint16 showHour, const QDateTime &now, const QString &lastShownDay);

} // namespace DailyTip
