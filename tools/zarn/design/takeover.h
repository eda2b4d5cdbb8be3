#ifndef ZARN_TOOL_DESIGN_TAKEOVER_H
#define ZARN_TOOL_DESIGN_TAKEOVER_H

#include <zarn/configlint.h>

#include <QHash>
#include <QList>
#include <QPair>
#include <QSet>
#include <QString>

class QCommandLineParser;

namespace Design {

class Netlist;
struct Net;

/**
 * The attribute of a net that the insertion took over, in the inserted
 * design: "count[5] by part_sel, count[4] by part_sel"; what zarn nets shows.
 */
inline constexpr char takenOverAttribute[] = "zarn_taken_over";

/** One --take-over NET=SELECT, as the user wrote it. */
struct TakeOver
{
    QString net;
    QString select;
};

/** A bit of an output probe put in front of the design's own driver of it. */
struct TakenBit
{
    /** The output probe's bit, as the configuration names it. */
    ZARN::ConnectedNet probe;
    /** The design's bit: the net, and the bit's position in it. */
    const Net *net = nullptr;
    int bit = -1;
    /** The select, a name the design does not have, which the insertion creates. */
    QString select;
};

/** What the take-overs of a run come to against the configuration and the design. */
struct TakeOverPlan
{
    /** The bits taken over, in the order of the configuration's nets. */
    QList<TakenBit> bits;
    /**
     * The other output-probe bits on nets of the design (select empty):
     * where muxTakenBits() rewrites the netlist, the debug instance drives
     * each through a buffer, so that every name Yosys gives the net follows.
     */
    QList<TakenBit> driven;
    /** The selects' names: nets the insertion creates, which the design need not have. */
    QSet<QString> selects;
    /** What is wrong with them, placed where the configuration has a place for it. */
    QList<ZARN::LintFinding> findings;
    /**
     * The wire the debug instance connects for a design's bit (net and
     * position) that an output probe drives, where muxTakenBits() rewrote
     * the netlist; the selects it connects by their own names.
     */
    QHash<QPair<const Net *, int>, QString> probeWires;
};

/** Adds --take-over NET=SELECT, which may be given again, to @p parser. */
void addTakeOverOption(QCommandLineParser &parser);

/**
 * The take-overs the options of @p parser give, into @p takeOvers; an
 * empty string, or what is wrong with one as written.
 */
QString readTakeOvers(const QCommandLineParser &parser, QList<TakeOver> *takeOvers);

/**
 * The take-overs @p takeOvers against the nets @p nets that a generation
 * connects and the design @p netlist: the output-probe bits each one takes
 * (every bit of NET that an output probe drives), and findings for a NET
 * that no output probe drives or the design does not drive, for a select
 * that the design has already, that no output probe of the core drives, or
 * that something else connects too.
 */
TakeOverPlan planTakeOvers(const QList<TakeOver> &takeOvers, const QList<ZARN::ConnectedNet> &nets, const Netlist &netlist, QChar separator);

/**
 * Marks in the probe map at @p mapPath each output-probe bit that @p plan
 * takes over with its select; empty, or why the map could not be read or
 * written.
 */
QString recordTakeOvers(const TakeOverPlan &plan, const QString &mapPath);

} // namespace Design

#endif
