#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One line of the curated tip data, already checked.
struct TsvTip {
    int book = 0;
    int chapter = 0;
    int from = 0;
    int to = 0;
    int category = 0;
    QString content;
};

struct TsvReadResult {
    QVector<TsvTip> tips;
    QStringList errors; // "FILE:LINE: reason", one per faulty line
    bool ok() const { return errors.isEmpty(); }
};

// Reads and checks a whole tip file; any error means nothing of it may be used.
// fileLabel is the name the messages start with.
TsvReadResult readTipTsv(const QString &path, const QString &fileLabel);
