#include "escapeidentifier.h"

namespace ZARN {

namespace {

bool isPlainIdentifierChar(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '$';
}

} // namespace

QString escapeIdentifier(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('\\')))
        return name;
    for (const QChar c : name) {
        if (!isPlainIdentifierChar(c))
            return QLatin1Char('\\') + name + QLatin1Char(' ');
    }
    return name;
}

} // namespace ZARN
