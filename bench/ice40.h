#ifndef ZARN_BENCH_ICE40_H
#define ZARN_BENCH_ICE40_H

#include <QList>
#include <QString>
#include <QStringList>

/** One design of the ice40 test: a core of so many input and output bits, or the TAP and control core alone. */
struct Ice40Size
{
    int inputs = 0;
    int outputs = 0;
    bool controlOnly = false; ///< the core replaced by a stand-in that only loops the control bus back

    int bits() const { return controlOnly ? 0 : inputs + outputs; }
    QString label() const;
};

/**
 * Parses a list such as "control,8,128/32": "control" the TAP and control
 * core alone, N a core of N input and N output bits, I/O one of I input and
 * O output bits.  False where an item is none of these.
 */
bool parseIce40Sizes(const QString &list, QList<Ice40Size> *sizes);

/** What one design gave on one device; a count of -1 where the flow did not get that far. */
struct Ice40Row
{
    Ice40Size size;
    QString device;              ///< hx1k or hx8k
    qint64 lcs = -1;             ///< ICESTORM_LC used, from nextpnr
    qint64 lcsAvailable = -1;
    qint64 flipFlops = -1;       ///< SB_DFF* cells of Yosys's netlist, the wrapper's included
    qint64 luts = -1;            ///< SB_LUT4 cells
    int wrapperFlipFlops = 0;    ///< the wrapper's own registers: its LFSR
    double tckMHz = 0;           ///< nextpnr's Fmax of TCK after routing; 0 where it gave none
    double userMHz = 0;          ///< the same of the user clock
    double synthesisSeconds = 0; ///< Yosys's run, shared by the devices of a design
    double placeSeconds = 0;     ///< nextpnr's run
    QString result;              ///< "pass" (placed, routed, both clocks met), "timing FAIL", "does not fit", or which step failed
};

/** The programs the ice40 test runs. */
struct Ice40Tools
{
    QString zarn;
    QString yosys;
    QString nextpnr;
};

/**
 * For each of @p sizes: writes a configuration and a wrapper top module into
 * a directory of its own under @p dir, generates the cores against the open
 * IP root with zarn, synthesises with Yosys's synth_ice40, and places and
 * routes on each of @p devices (hx1k, hx8k) with TCK at 10 MHz and the user
 * clock at 48 MHz.  A step that fails gives a row that says so; false only
 * where the IP root cannot be written at all.
 */
bool measureIce40(const Ice40Tools &tools, const QList<Ice40Size> &sizes, const QStringList &devices, const QString &dir, quint32 seed,
                  QList<Ice40Row> *rows);

/** The table of @p rows, a header line first. */
QStringList ice40Table(const QList<Ice40Row> &rows);

/** The same as CSV, a header line first. */
QStringList ice40Csv(const QList<Ice40Row> &rows);

/** How @p rows compare with the goals: flip-flops a probe bit, the TAP and control core's logic cells, TCK's Fmax on an HX1K. */
QStringList ice40Goals(const QList<Ice40Row> &rows);

/** The first line of @p program's version, for the table's heading. */
QString toolVersion(const QString &program, const QString &option);

#endif
