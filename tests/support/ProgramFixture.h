#pragma once

#include "app/Program.h"
#include "app/frmTip.h"
#include "settings/SettingsStore.h"
#include "support/FakePlatform.h"
#include "support/TempTipDb.h"

#include <QTemporaryDir>

#include <memory>

// Everything a window test needs: a fake desktop, an empty settings store and
// a tip database of its own in a temporary folder, and the Program object the
// windows are given.
class ProgramFixture {
public:
    ProgramFixture();

    // Stores a setting of the program's section.
    void setSetting(const QString &key, const QString &text);

    // Makes "Tips.db" (or "CTips.db") with these tips, in table order.
    void createTips(const QStringList &contents, const QString &fileName = QStringLiteral("Tips.db"));

    // The main window with its load done; null when the load failed.
    std::unique_ptr<frmTip> loadMainWindow();

    // The first line of the tip on show: the tip's content in the tests.
    static QString contentOnShow(const frmTip &window)
    {
        return window.tipText().section(QStringLiteral("\r\n"), 0, 0);
    }

    template <typename T>
    T *control(QWidget *window, const char *objectName) const
    {
        return window->findChild<T *>(QLatin1String(objectName));
    }

    FakePlatform platform;
    QTemporaryDir configRoot;
    SettingsStore settings;
    TempTipDb tips;
    Program program;
};
