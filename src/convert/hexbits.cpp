#include "hexbits.h"

namespace ZARN {

qint64 hexBitsNeeded(const QString &digits)
{
    qsizetype first = 0;
    while (first < digits.size() && digits.at(first) == QLatin1Char('0'))
        ++first;
    if (first == digits.size())
        return 0;
    qint64 bits = 4 * qint64(digits.size() - first - 1);
    for (int top = digits.mid(first, 1).toInt(nullptr, 16); top > 0; top >>= 1)
        ++bits;
    return bits;
}

} // namespace ZARN
