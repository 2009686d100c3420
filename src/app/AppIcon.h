#pragma once

#include <QIcon>

// The program's own icon: the window's icon and the notification icon.
QIcon versedawnIcon();
