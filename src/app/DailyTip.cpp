#include "app/DailyTip.h"

namespace DailyTip {

QString dayStamp(const QDate &day)
{
    return day.toString(QStringLiteral("yyMMdd"));
}

bool isDue(bool dailyOn, qint16 showHour, const QDateTime &now, const QString &lastShownDay)
{
    return dailyOn && now.time().hour() == showHour && lastShownDay != dayStamp(now.date());
}

} // namespace DailyTip
