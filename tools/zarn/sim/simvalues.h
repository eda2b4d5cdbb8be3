#ifndef ZARN_TOOL_SIMVALUES_H
#define ZARN_TOOL_SIMVALUES_H

// The values zarn sim takes on its command line and writes into the twin's
// harness: clock ratios, input values, C++ string literals.

#include <QByteArray>
#include <QString>
#include <QVector>

namespace Sim {

/**
 * The most user-clock cycles per TCK cycle: each pin write costs one
 * evaluation per user-clock edge, so beyond this a twin would crawl, and a
 * slower TCK is the better way to the same ratio.
 */
constexpr quint64 maxRatio = 1024;
/** The largest P or Q of a ratio P/Q. */
constexpr quint64 maxRatioTerm = 1000000;
/** The most digits of an input value. */
constexpr int maxValueDigits = 4096;

/** RATIO as "N" or "P/Q", reduced; false for anything else or past the limits. */
bool parseRatio(const QString &text, quint64 *numerator, quint64 *denominator);

/**
 * VALUE as decimal, 0x hexadecimal or 0b binary (with "_" between digits),
 * into 32-bit words, the least significant first, and the bits it needs
 * (0 for 0); false for anything else.
 */
bool parseValue(const QString &text, QVector<quint32> *words, int *bits);

/** A C++ string literal of @p text, in UTF-8. */
QByteArray cString(const QString &text);

} // namespace Sim

#endif
