#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint centredTopLeft(const QRect &screenArea, const QSize &windowSize)
{
    // C++ integer division truncates toward zero, also when the window is
    // larger than the screen and the difference is negative.
    return QPoint(screenArea.x() + (screenArea.width() - windowSize.width()) / 2,
                  screenArea.y() + (screenArea.height() - windowSize.height()) / 2);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->move(centredTopLeft(screen->availableGeometry(), window->size()));
}
