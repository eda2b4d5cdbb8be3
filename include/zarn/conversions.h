#ifndef ZARN_CONVERSIONS_H
#define ZARN_CONVERSIONS_H

#include <zarn/zarnutils_export.h>

#include <QString>

namespace ZARN {

/**
 * One to four binary digits to one upper-case hexadecimal digit; the empty
 * text for anything else.
 */
ZARNUTILS_EXPORT QString bintoHex4bit(QString bits);

/**
 * A binary text to hexadecimal digits, four bits per digit counted from the
 * right.  Groups that are not binary leave no digit.  No prefix is added.
 */
ZARNUTILS_EXPORT QString stringBintoHex(QString bits);

/**
 * An output-probe value ("0x" and hexadecimal digits) to binary digits, four
 * per accepted digit.  The first two characters are skipped unexamined; only
 * 0-9 and upper-case A-F are accepted, anything else is dropped.
 */
ZARNUTILS_EXPORT QString stringHextoBinfor0x(QString value);

} // namespace ZARN

#endif
