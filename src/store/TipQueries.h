#pragma once

#include <QString>

// The main window's own query texts. Other parts compose theirs in place; all of
// them go through translateSelect() before they reach the engine.
namespace TipQueries {
inline const QString UnreadSet = QStringLiteral("SELECT * FROM Main WHERE Read = FALSE");
inline const QString ReadSet   = QStringLiteral("SELECT * FROM Main WHERE Read = TRUE");
}
