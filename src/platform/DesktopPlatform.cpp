#include "platform/DesktopPlatform.h"

#include "text/ApplicationTitle.h"

#include <QMessageBox>
#include <QSystemTrayIcon>

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

TrayAction trayAction(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return TrayAction::DoubleClick;
    case QSystemTrayIcon::Trigger:
        return TrayAction::Click;
    case QSystemTrayIcon::MiddleClick:
        return TrayAction::MiddleClick;
    case QSystemTrayIcon::Context:
        return TrayAction::ContextClick;
    case QSystemTrayIcon::Unknown:
        break;
    }
    return TrayAction::Unknown;
}

} // namespace

DesktopPlatform::DesktopPlatform(QObject *parent)
    : Platform(parent)
{
}

DesktopPlatform::~DesktopPlatform() = default;

MessageAnswer DesktopPlatform::messageBox(QWidget *parent, const QString &text, MessageIcon icon,
                                          MessageButtons buttons)
{
    QMessageBox box(boxIcon(icon), kApplicationTitle, text,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QDateTime DesktopPlatform::currentDateTime() const
{
    return QDateTime::currentDateTime();
}

void DesktopPlatform::seedRandom(quint32 seed)
{
    m_random.seed(seed);
}

float DesktopPlatform::nextRandom()
{
    // 24 random bits scaled by 2^-24: exactly representable, so never 1.0.
    return static_cast<float>(m_random() >> 8) * (1.0f / 16777216.0f);
}

bool DesktopPlatform::notificationAreaAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void DesktopPlatform::addTrayIcon(const QIcon &icon, const QString &toolTip)
{
    if (!m_trayIcon) {
        m_trayIcon = std::make_unique<QSystemTrayIcon>();
        connect(m_trayIcon.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    emit trayIconActivated(trayAction(reason));
                });
    }
    m_trayIcon->setIcon(icon);
    m_trayIcon->setToolTip(toolTip);
    m_trayIcon->show();
}

void DesktopPlatform::removeTrayIcon()
{
    if (m_trayIcon)
        m_trayIcon->hide();
}

bool DesktopPlatform::claimSingleInstance(const QString &mainWindowTitle)
{
    return m_instanceLock.claim(mainWindowTitle);
}
