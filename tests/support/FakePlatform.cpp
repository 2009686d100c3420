#include "support/FakePlatform.h"

MessageAnswer FakePlatform::messageBox(QWidget *, const QString &text, MessageIcon icon,
                                       MessageButtons buttons)
{
    messages.append({text, icon, buttons});
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answers.isEmpty() ? MessageAnswer::Yes : answers.takeFirst();
}

QDateTime FakePlatform::currentDateTime() const
{
    return now;
}

void FakePlatform::seedRandom(quint32 value)
{
    seed = value;
}

float FakePlatform::nextRandom()
{
    ++randomsDrawn;
    return randoms.isEmpty() ? 0.0f : randoms.takeFirst();
}

bool FakePlatform::notificationAreaAvailable() const
{
    return hasNotificationArea;
}

void FakePlatform::addTrayIcon(const QIcon &icon, const QString &toolTip)
{
    trayIconShown = true;
    ++trayIconsAdded;
    trayIcon = icon;
    trayToolTip = toolTip;
}

void FakePlatform::removeTrayIcon()
{
    trayIconShown = false;
}

bool FakePlatform::claimSingleInstance(const QString &mainWindowTitle)
{
    claimedTitles.append(mainWindowTitle);
    return !titlesOfRunningCopies.contains(mainWindowTitle);
}
