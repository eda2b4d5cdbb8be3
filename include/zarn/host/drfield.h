#ifndef ZARN_HOST_DRFIELD_H
#define ZARN_HOST_DRFIELD_H

#include <zarn/host/zarnutilshost_export.h>

#include <QBitArray>
#include <QString>

/**
 * @file
 * A field of a JTAG data-register scan, as OpenOCD's drscan takes and answers it.
 */

namespace ZARN {

/**
 * A number of width() bits that a scan shifts, bit 0 first: what it sends
 * on TDI, or what came back on TDO.
 *
 * OpenOCD's drscan guesses the radix of what it is sent (a leading 0 is
 * octal) and skips characters it does not take, so a field always goes as
 * "0x" and exactly as many hexadecimal digits as its width needs; it
 * answers hexadecimal digits without a prefix, padded to whole bytes.
 */
class ZARNUTILSHOST_EXPORT DrField
{
public:
    /** A field of no bits. */
    DrField() = default;
    /**
     * A field of @p width bits, all 0.
     *
     * @param width the number of bits, 0 or more.
     */
    explicit DrField(int width);

    /** @return the number of bits. */
    int width() const { return int(m_bits.size()); }
    /**
     * @param index a bit, 0 to width() - 1.
     * @return whether it is 1.
     */
    bool bit(int index) const { return m_bits.testBit(index); }
    /**
     * Sets bit @p index to @p value.
     *
     * @param index a bit, 0 to width() - 1.
     * @param value its new value.
     */
    void setBit(int index, bool value) { m_bits.setBit(index, value); }

    /**
     * @param from the first bit.
     * @param count how many bits, at most 64; they must lie within the field.
     * @return bits @p from to @p from + @p count - 1 as a number, bit @p from lowest.
     */
    quint64 number(int from, int count) const;
    /**
     * Sets bits @p from to @p from + @p count - 1 to @p value's lowest bits.
     *
     * @param from the first bit.
     * @param count how many bits, at most 64; they must lie within the field.
     * @param value the number; bits above @p count are ignored.
     */
    void setNumber(int from, int count, quint64 value);
    /**
     * @param from the first bit.
     * @param count how many bits; they must lie within the field.
     * @return bits @p from to @p from + @p count - 1 as a field of their own.
     */
    DrField mid(int from, int count) const;
    /**
     * Puts @p bits at bit @p from and up.
     *
     * @param from where bit 0 of @p bits goes.
     * @param bits the bits; they must fit within the field.
     */
    void place(int from, const DrField &bits);

    /** @return "0x" and exactly (width() + 3) / 4 hexadecimal digits, the most significant first. */
    QString toHex() const;
    /**
     * A field of @p width bits from hexadecimal digits, the most significant
     * first, with or without "0x"; digits beyond the width must be 0.
     *
     * @param digits the digits, as drscan answers them or a user writes them.
     * @param width the field's width in bits.
     * @param field receives the field; must not be null.
     * @return false, and @p field unchanged, where @p digits is empty, holds
     *         a character that is no hexadecimal digit, or sets a bit at
     *         @p width or above.
     */
    static bool fromHex(const QString &digits, int width, DrField *field);

    /** @param other another field. @return whether both have the same width and bits. */
    bool operator==(const DrField &other) const { return m_bits == other.m_bits; }
    /** @param other another field. @return whether they differ in width or in a bit. */
    bool operator!=(const DrField &other) const { return m_bits != other.m_bits; }

private:
    QBitArray m_bits;
};

} // namespace ZARN

#endif
