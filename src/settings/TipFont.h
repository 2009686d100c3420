#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The font and colour of the tip text, as the settings keep them. The colour
// is a number laid out as 0x00BBGGRR: red in the lowest byte.
struct TipFont {
    QString name;
    double pointSize = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethru = false;
    qint32 colour = 0xFF0000;

    QFont toFont() const;
    QColor toColor() const;
};

// 0x00BBGGRR <-> QColor
QColor colorFromBgr(qint32 bgr);
qint32 bgrFromColor(const QColor &color);
