#include "app/Program.h"

#include "text/TextTable.h"

QString Program::text(int id) const
{
    return GetResString(static_cast<qint16>(state.LangOffset + id));
}
