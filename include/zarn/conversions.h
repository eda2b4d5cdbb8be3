#ifndef ZARN_CONVERSIONS_H
#define ZARN_CONVERSIONS_H

#include <zarn/zarnutils_export.h>

#include <QString>

/**
 * @file
 * Output-probe values between binary and hexadecimal text.
 */

namespace ZARN {

/**
 * One to four binary digits to one upper-case hexadecimal digit; the empty
 * text for anything else.
 *
 * @param bits "0" and "1" characters, most significant first.
 * @return the digit ("1011" gives "B"); empty when @p bits is empty, longer
 *         than four or holds another character.
 */
ZARNUTILS_EXPORT QString bintoHex4bit(QString bits);

/**
 * A binary text to hexadecimal digits, four bits per digit counted from the
 * right.  Groups that are not binary leave no digit.  No prefix is added.
 *
 * @param bits binary digits, most significant first, of any length.
 * @return upper-case hexadecimal digits ("101011" gives "2B"); empty for an
 *         empty text.
 */
ZARNUTILS_EXPORT QString stringBintoHex(QString bits);

/**
 * An output-probe value ("0x" and hexadecimal digits) to binary digits, four
 * per accepted digit.  The first two characters are skipped unexamined; only
 * 0-9 and upper-case A-F are accepted, anything else is dropped.
 *
 * @param value the value, as ProbeOut::getValue() holds it.
 * @return binary digits, most significant first ("0x2B" gives "00101011");
 *         empty when @p value is shorter than three characters.
 */
ZARNUTILS_EXPORT QString stringHextoBinfor0x(QString value);

} // namespace ZARN

#endif
