#include "app/AppIcon.h"
#include "app/Program.h"
#include "app/StartUp.h"
#include "platform/DesktopPlatform.h"
#include "settings/SettingsStore.h"
#include "text/ApplicationTitle.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setOrganizationName(kApplicationTitle);
    QApplication::setWindowIcon(versedawnIcon());

    DesktopPlatform platform;
    SettingsStore settings(SettingsStore::userConfigRoot());
    Program program(platform, settings, QApplication::applicationDirPath());
    return runVersedawn(program);
}
