#pragma once

#include "platform/Platform.h"

#include <QDateTime>
#include <QIcon>
#include <QList>
#include <QSet>
#include <QStringList>

// A desktop that records what the program asked of it and answers from a
// script: message boxes return at once, the clock and the random source say
// what the test wants, the notification area is a pair of flags.
class FakePlatform : public Platform {
    Q_OBJECT
public:
    struct Message {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer messageBox(QWidget *parent, const QString &text, MessageIcon icon,
                             MessageButtons buttons) override;
    QDateTime currentDateTime() const override;
    void seedRandom(quint32 seed) override;
    float nextRandom() override;
    bool notificationAreaAvailable() const override;
    void addTrayIcon(const QIcon &icon, const QString &toolTip) override;
    void removeTrayIcon() override;
    bool claimSingleInstance(const QString &mainWindowTitle) override;

    // Script
    QDateTime now = QDateTime(QDate(2026, 3, 14), QTime(7, 0));
    QList<float> randoms;          // taken one by one; 0 when empty
    QList<MessageAnswer> answers;  // taken one by one; Yes (or Ok) when empty
    bool hasNotificationArea = true;
    QSet<QString> titlesOfRunningCopies;

    // Record
    QList<Message> messages;
    quint32 seed = 0;
    int randomsDrawn = 0;
    bool trayIconShown = false;
    int trayIconsAdded = 0;
    QString trayToolTip;
    QIcon trayIcon;
    QStringList claimedTitles;

    void activateTrayIcon(TrayAction action) { emit trayIconActivated(action); }
    void advance(qint64 seconds) { now = now.addSecs(seconds); }
};
