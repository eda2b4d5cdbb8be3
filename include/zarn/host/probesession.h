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
        Failure failure = Failure::None;
        QString error;
        bool ok() const { return failure == Failure::None; }
    };

    /**
     * A session with the design @p map describes, through @p client (which
     * stays the caller's and must outlive the session), on the TAP that
     * OpenOCD names @p tap.
     */
    ProbeSession(OpenOcdClient *client, const ProbeMap &map, const QString &tap = QStringLiteral("zarn.tap"));

    /**
     * How many times a call looks again at a core that makes it wait, and
     * how many TCK cycles it gives the core before each look; the defaults
     * wait some 100 000 cycles in all.
     */
    void setRetries(int retries, int cyclesEach);

    /**
     * Checks that the chain holds the open cores' TAP and that the design
     * answers the identity of the map (ProbeMap::designIdentity()); the
     * other calls take it as done.
     */
    Result checkDesign();

    /**
     * The input probes of the core at @p position as one coherent snapshot,
     * taken after the call began, into @p inputs; and, where @p outputs is
     * not null, its output probes as they are.
     */
    Result read(int position, QVector<DrField> *inputs, QVector<DrField> *outputs);

    /** The output probes of the core at @p position as they are, into @p outputs. */
    Result readOutputs(int position, QVector<DrField> *outputs);

    /**
     * Writes @p outputs, one field for each output probe of the core at
     * @p position, all at once, and waits until they are applied.
     */
    Result write(int position, const QVector<DrField> &outputs);

    /** The entry of the map for the core at @p position; null where the map has none. */
    const ProbeMapCore *core(int position) const;

    /** The probes of @p core of @p kind ("in" or "out"), in the order of their indices. */
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

    OpenOcdClient *m_client;
    ProbeMap m_map;
    QString m_tap;
    int m_retries = 100;
    int m_cyclesEach = 1000;
};

} // namespace ZARN

#endif
