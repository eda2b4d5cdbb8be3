// How many bits a hexadecimal number needs: the one rule that the lint's
// value check and the probe values both ask.

#ifndef ZARN_CONVERT_HEXBITS_H
#define ZARN_CONVERT_HEXBITS_H

#include <QString>

namespace ZARN {

/** The bits that the hexadecimal digits @p digits need, leading zeros not counted; 0 for zero. */
qint64 hexBitsNeeded(const QString &digits);

} // namespace ZARN

#endif
