#include "app/StartUp.h"

#include "app/Program.h"
#include "app/frmTip.h"
#include "platform/Platform.h"
#include "settings/ProgramSettings.h"
#include "text/ApplicationTitle.h"

#include <QApplication>

StartUpResult startVersedawn(Program &program)
{
    program.state.LangOffset = ProgramSettings::langOffset(program.settings);

    StartUpResult result;
    if (!program.platform.claimSingleInstance(program.text(9))) {
        program.platform.messageBox(nullptr, kApplicationTitle + QLatin1Char(' ') + program.text(56),
                                    MessageIcon::Exclamation);
        return result;
    }

    auto mainWindow = std::make_unique<frmTip>(program);
    if (!mainWindow->Form_Load()) {
        result.exitCode = 1;
        return result;
    }
    mainWindow->show();
    result.mainWindow = std::move(mainWindow);
    return result;
}

int runVersedawn(Program &program)
{
    // The program ends when the main window unloads, not when its last
    // visible window closes: while it sits in the notification area, closing
    // a dialog must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    StartUpResult started = startVersedawn(program);
    if (!started.mainWindow)
        return started.exitCode;
    frmTip *mainWindow = started.mainWindow.get();
    QObject::connect(mainWindow, &frmTip::programEnded, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, mainWindow, &frmTip::sessionEnding);
    return QApplication::exec();
}
