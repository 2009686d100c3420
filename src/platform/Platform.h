#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

class QIcon;
class QWidget;

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// What the user did to the notification-area icon.
enum class TrayAction { DoubleClick, Click, MiddleClick, ContextClick, Unknown };

// Every desktop service the program uses, behind one small interface, so that
// tests replace it with a recording fake and drive the windows headless.
class Platform : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Platform() override = default;

    // A modal message box titled with the application title.
    virtual MessageAnswer messageBox(QWidget *parent, const QString &text, MessageIcon icon,
                                     MessageButtons buttons = MessageButtons::Ok) = 0;

    virtual QDateTime currentDateTime() const = 0;

    // Values in [0, 1).
    virtual void seedRandom(quint32 seed) = 0;
    virtual float nextRandom() = 0;

    // The notification area. Where the desktop has none, the program
    // minimises instead of hiding, so the user can always get the window back.
    virtual bool notificationAreaAvailable() const = 0;
    virtual void addTrayIcon(const QIcon &icon, const QString &toolTip) = 0;
    virtual void removeTrayIcon() = 0;

    // Claims the per-user single-instance lock named after the main window's
    // title. False when another copy already holds it. The claim lasts as long
    // as this object.
    virtual bool claimSingleInstance(const QString &mainWindowTitle) = 0;

signals:
    void trayIconActivated(TrayAction action);
};
