#ifndef ZARN_HOST_PROBESESSION_H
#define ZARN_HOST_PROBESESSION_H

#include <zarn/host/drfield.h>
#include <zarn/host/zarnutilshost_export.h>
#include <zarn/probemap.h>

#include <QString>
#include <QVector>

/**
 * @file
 * The probes of a running design, read and written through OpenOCD.
 */

namespace ZARN {

class OpenOcdClient;

/**
 * The virtual I/O cores of the design that a probe map describes, reached
 * through an OpenOCD that is connected to its JTAG port.
 *
 * Values go as one DrField per probe, in the order of the probes' indices
 * within their kind; decodeProbe() and encodeProbe() give them names.  Each
 * call sends its scans in one RPC, and more only where a user clock makes
 * it wait: a snapshot that is not yet fresh, a write still crossing.  Every
 * answer's status is checked: the marker, the position, fresh, busy and
 * refused.
 */
class ZARNUTILSHOST_EXPORT ProbeSession
{
public:
    /** What went wrong, one kind for each thing a user does about it. */
    enum class Failure {
        None,
        /** OpenOCD did not answer, or answered with an error. */
        OpenOcd,
        /** The chain holds no TAP of the open cores: no TAP of that name, or another IDCODE. */
        Tap,
        /** The design answers another identity than the map's: the map is of another design. */
        OtherDesign,
        /** No core answers at the position, or the map has no core there. */
        NoCore,
        /** The user clock does not run: a snapshot never became fresh, or a write never landed. */
        ClockStopped,
        /** The core refused a write. */
        Refused,
        /** A value does not fit its probe. */
        Value,
    };

    /** What came of a call: nothing wrong, or a failure and a sentence for the user. */
    struct Result
    {
        /** What went wrong; Failure::None when nothing did. */
        Failure failure = Failure::None;
        /** Unless ok(), a sentence for the user; otherwise empty. */
        QString error;
        /** @return whether nothing went wrong. */
        bool ok() const { return failure == Failure::None; }
    };

    /**
     * A session with the design @p map describes.
     *
     * @param client a client connected to OpenOCD; it stays the caller's
     *        and must outlive the session.
     * @param map the design's probe map, copied.
     * @param tap the TAP as OpenOCD names it.
     */
    ProbeSession(OpenOcdClient *client, const ProbeMap &map, const QString &tap = QStringLiteral("zarn.tap"));

    /**
     * How long a call waits for a core's user clock: the defaults, 100
     * looks 1000 TCK cycles apart, wait some 100 000 cycles in all.
     *
     * @param retries how many times a call looks again at a core that makes it wait.
     * @param cyclesEach the TCK cycles in Run-Test/Idle before each look.
     */
    void setRetries(int retries, int cyclesEach);

    /**
     * Checks that the chain holds the open cores' TAP and that the design
     * answers the identity of the map (ProbeMap::designIdentity()); the
     * other calls take it as done.
     *
     * @return Failure::Tap, Failure::OtherDesign or Failure::OpenOcd, or ok.
     */
    Result checkDesign();

    /**
     * Reads a core's input probes as one coherent snapshot, taken after the
     * call began, and its output probes as they are.
     *
     * @param position the core's position.
     * @param inputs receives one field per input probe; must not be null.
     * @param outputs receives one field per output probe; may be null.
     * @return ok, or why not: Failure::ClockStopped where the snapshot never
     *         became fresh, Failure::NoCore, Failure::OpenOcd.
     */
    Result read(int position, QVector<DrField> *inputs, QVector<DrField> *outputs);

    /**
     * Reads a core's output probes as they are.
     *
     * @param position the core's position.
     * @param outputs receives one field per output probe; must not be null.
     * @return ok, or why not.
     */
    Result readOutputs(int position, QVector<DrField> *outputs);

    /**
     * Writes every output probe of a core at once, and waits until the core
     * has applied them.
     *
     * @param position the core's position.
     * @param outputs one field for each output probe, of its width.
     * @return ok, or why not: Failure::Value for fields that do not fit,
     *         Failure::Refused, Failure::ClockStopped where the write never
     *         landed, Failure::NoCore, Failure::OpenOcd.
     */
    Result write(int position, const QVector<DrField> &outputs);

    /**
     * @param position a core's position.
     * @return the map's entry for the core there; null where the map has none.
     */
    const ProbeMapCore *core(int position) const;

    /**
     * @param core a core of a map.
     * @param kind "in" or "out".
     * @return its probes of that kind, in the order of their indices, as
     *         the core packs them.
     */
    static QVector<const ProbeMapProbe *> probesOf(const ProbeMapCore &core, const QString &kind);

private:
    // One scan of an operation, after so many TCK cycles in Run-Test/Idle.
    struct Scan
    {
        int operation;
        DrField data;
        int idleBefore = 0;
    };
    Result run(int position, const QVector<Scan> &scans, QVector<DrField> *answers);
    Result tcl(const QStringList &commands, QStringList *values);
    static Result failure(Failure failure, const QString &error);
    QString clockStopped(const ProbeMapCore &core, const QString &what) const;

    OpenOcdClient *m_client;
    ProbeMap m_map;
    QString m_tap;
    int m_retries = 100;
    int m_cyclesEach = 1000;
};

} // namespace ZARN

#endif
