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

    /**
     * @param answer what a scan of a core answered; it must hold at least 10 bits.
     * @return the status in its first 10 bits.
     */
    static CoreStatus fromAnswer(const DrField &answer);
    /**
     * @param position the position the scan addressed.
     * @return empty where this is the status of a core at @p position; else
     *         why not, as a sentence: no core answered (the marker is not
     *         there, as with all 0 or all 1), or another position did.
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

/** The length of the soft TAP's instruction register. */
constexpr int instructionBits = 4;
/** The soft TAP's IDCODE, selected after a TAP reset (instruction 0001). */
constexpr quint32 idcode = 0x15A52001;
/** The instruction of ER1, the user register the cores take. */
constexpr int er1 = 0x8;

/** The bits of a header: the magic, the operation and the position. */
constexpr int headerBits = 24;
/** The first 16 bits of every header. */
constexpr quint16 magic = 0x5A3C;
/** The bits of a core's status, which begins every answer of the core. */
constexpr int statusBits = 10;
/** Positions 0 to 62 are cores; 63 answers the design's identity. */
constexpr int identityPosition = 63;
/** The bits of the design's identity. */
constexpr int identityBits = 32;

/**
 * @param operation the operation.
 * @param position the core's position, 0 to 62, or identityPosition.
 * @return the 24-bit header of @p operation on the core at @p position.
 */
ZARNUTILSHOST_EXPORT DrField header(Operation operation, int position);

/**
 * @param operation the operation.
 * @param inputBits the widths of the core's input probes together.
 * @param outputBits the widths of its output probes together.
 * @return the data bits of @p operation, its answer's status included.
 */
ZARNUTILSHOST_EXPORT int dataBits(Operation operation, int inputBits, int outputBits);

/**
 * @param position the core's position.
 * @param outputs every output probe's bits, probe 0 lowest.
 * @return the data bits of a write to the core: its key, then @p outputs.
 */
ZARNUTILSHOST_EXPORT DrField writeData(int position, const DrField &outputs);

/**
 * @param tap the TAP as OpenOCD names it, such as "zarn.tap".
 * @param header the header to scan first.
 * @param data the data bits to scan after it.
 * @return the Tcl command that scans both through DR, as OpenOCD's drscan
 *         takes it; it answers both fields.
 */
ZARNUTILSHOST_EXPORT QString drscan(const QString &tap, const DrField &header, const DrField &data);

} // namespace CoreProtocol

} // namespace ZARN

#endif
