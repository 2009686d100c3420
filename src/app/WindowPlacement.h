#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of the given size goes to stand in the middle of the screen
// area: each offset is halved as a whole number, rounded toward zero.
QPoint centredTopLeft(const QRect &screenArea, const QSize &windowSize);

// Moves a window to the middle of the primary screen's available area.
void centreOnScreen(QWidget *window);
