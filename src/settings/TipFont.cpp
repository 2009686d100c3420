#include "settings/TipFont.h"

QFont TipFont::toFont() const
{
    QFont font(name);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikethru);
    return font;
}

QColor TipFont::toColor() const
{
    return colorFromBgr(colour);
}

QColor colorFromBgr(qint32 bgr)
{
    const auto value = static_cast<quint32>(bgr);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

qint32 bgrFromColor(const QColor &color)
{
    return static_cast<qint32>(static_cast<quint32>(color.red())
                               | (static_cast<quint32>(color.green()) << 8)
                               | (static_cast<quint32>(color.blue()) << 16));
}
