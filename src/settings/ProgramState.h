#pragma once

#include <QString>

// The tip being added or corrected, passed between the authoring dialogs.
struct PendingTipRecord {
    QString Content;
    qint16 Book = 0;     // 0: no book chosen yet
    qint16 Chapter = 0;
    qint16 From = 0;
    qint16 To = 0;
    qint16 Category = 0; // 0: no category chosen
};

// The values the whole program shares. One object lives for the run and every
// window is given it; nothing here is a global.
struct ProgramState {
    qint16 LangOffset = 0;     // 0 English, 10000 Chinese; fixed at start-up
    bool DailyOn = false;      // the daily tip is on
    qint16 ShowHour = 8;       // hour of the daily tip
    qint16 RandomMode = 0;     // 1: tips in random order
    QString LastShownDay;      // "yymmdd" of the day the daily tip last fired
    qint16 PickerCaller = 0;   // which dialog opened a book picker
    qint16 SearchBook = 0;     // the book chosen for searching, 0 for none
    PendingTipRecord PendingTip;
    QString FoundText;         // the listing of similar tips
};
