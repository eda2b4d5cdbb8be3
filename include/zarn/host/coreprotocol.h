#ifndef ZARN_HOST_COREPROTOCOL_H
#define ZARN_HOST_COREPROTOCOL_H

#include <zarn/host/drfield.h>
#include <zarn/host/zarnutilshost_export.h>

#include <QString>

/**
 * @file
 * The scans of the open cores' operations, as docs/debug-protocol.md lays
 * them out, and what their answers say.
 */

namespace ZARN {

/** A virtual I/O core's 10-bit status, which begins every answer of the core. */
struct ZARNUTILSHOST_EXPORT CoreStatus
{
    /** Bits 1:0 are 10: something that is a core answered, not a stuck line or BYPASS. */
    bool marked = false;
    /** The core's outputs synchronise with a user clock. */
    bool hasClock = false;
    /** The snapshot a read answers is the one the previous read asked for. */
    bool fresh = false;
    /** A write is still crossing to the user clock. */
    bool busy = false;
    /** A write was refused since the last status or read-outputs operation. */
    bool refused = false;
    /** Bits 3:0 of the core's position. */
    int position = 0;

    /** The status in the first 10 bits of @p answer, which must hold them. */
    static CoreStatus fromAnswer(const DrField &answer);
    /**
     * Empty where this is the status of a core at @p position; else why not,
     * as a sentence: no core answered (the bits are all 0 or all 1), or
     * another position did.
     */
    QString mismatch(int position) const;
};

/**
 * The ER1 scans of one operation: a 24-bit header (magic, operation,
 * position), then the operation's data bits.
 */
namespace CoreProtocol {

/** The operations of a core. */
enum class Operation { Status = 0, ReadInputs = 1, Write = 2, ReadOutputs = 3 };

/** The soft TAP's instruction register, its IDCODE, and the user register the cores take. */
constexpr int instructionBits = 4;
constexpr quint32 idcode = 0x15A52001;
constexpr int er1 = 0x8;

constexpr int headerBits = 24;
constexpr quint16 magic = 0x5A3C;
constexpr int statusBits = 10;
/** Positions 0 to 62 are cores; 63 answers the design's identity. */
constexpr int identityPosition = 63;
constexpr int identityBits = 32;

/** The header of @p operation on the core at @p position (0 to 63). */
ZARNUTILSHOST_EXPORT DrField header(Operation operation, int position);

/**
 * The data bits of @p operation, its answer's status included, on a core
 * whose input probes take @p inputBits together and output probes
 * @p outputBits.
 */
ZARNUTILSHOST_EXPORT int dataBits(Operation operation, int inputBits, int outputBits);

/** The data bits of a write to the core at @p position: its key, then @p outputs. */
ZARNUTILSHOST_EXPORT DrField writeData(int position, const DrField &outputs);

/**
 * The Tcl command that scans @p header then @p data on @p tap through DR,
 * as OpenOCD's drscan takes it; it answers both fields.
 */
ZARNUTILSHOST_EXPORT QString drscan(const QString &tap, const DrField &header, const DrField &data);

} // namespace CoreProtocol

} // namespace ZARN

#endif
