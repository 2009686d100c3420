#pragma once

#include "platform/InstanceLock.h"
#include "platform/Platform.h"

#include <memory>
#include <random>

class QSystemTrayIcon;

// The real desktop services, through Qt.
class DesktopPlatform : public Platform {
    Q_OBJECT
public:
    explicit DesktopPlatform(QObject *parent = nullptr);
    ~DesktopPlatform() override;

    MessageAnswer messageBox(QWidget *parent, const QString &text, MessageIcon icon,
                             MessageButtons buttons) override;
    QDateTime currentDateTime() const override;
    void seedRandom(quint32 seed) override;
    float nextRandom() override;
    bool notificationAreaAvailable() const override;
    void addTrayIcon(const QIcon &icon, const QString &toolTip) override;
    void removeTrayIcon() override;
    bool claimSingleInstance(const QString &mainWindowTitle) override;

private:
    std::mt19937 m_random;
    std::unique_ptr<QSystemTrayIcon> m_trayIcon;
    InstanceLock m_instanceLock;
};
