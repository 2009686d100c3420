#pragma once

#include <QString>

// The product name: the title of every message box, the notification icon's
// tool tip and the settings' application name.
inline const QString kApplicationTitle = QStringLiteral("Versedawn");
