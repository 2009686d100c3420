#pragma once

#include "settings/ProgramState.h"
#include "store/TipDatabase.h"

#include <QString>

class Platform;
class SettingsStore;

// What every window of the program is given: the desktop services, the
// settings store, the program-wide values and the shared tip database (opened
// by the main window's load, released by its unload).
struct Program {
    Program(Platform &platform, SettingsStore &settings, QString databaseFolder)
        : platform(platform)
        , settings(settings)
        , databaseFolder(std::move(databaseFolder))
    {
    }
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    Platform &platform;
    SettingsStore &settings;
    ProgramState state;
    // The folder the tip databases are taken from: the executable's own.
    QString databaseFolder;
    TipDatabase database;

    // The text with English identifier `id` in the language of this run.
    QString text(int id) const;
};
