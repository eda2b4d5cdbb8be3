#ifndef ZARN_PROBEMAP_H
#define ZARN_PROBEMAP_H

#include <zarn/zarnutils_export.h>

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

/**
 * @file
 * The probe map: which user net is behind each bit a host reads or writes.
 */

namespace ZARN {

class ZarnCore;

/** One bit of a probe and the user net behind it. */
struct ProbeMapNet
{
    /** The bit in the probe, 0 the least significant. */
    int bit = 0;
    /** The net as the configuration names it; empty for a bit no net takes. */
    QString net;
    /** The top module's port for the net, as the top module writes it ("\\cnt[3] "); empty where none. */
    QString port;
    /**
     * Of an output probe's bit that zarn insert put in front of the
     * design's own driver (--take-over): the net of the select that turns
     * the bit from the design's value to the probe's.  Empty otherwise; in
     * the file, "takenOverBy", left out where empty.
     */
    QString takenOverBy;
};

/** A bus of a probe, as the configuration groups its bits. */
struct ProbeMapBus
{
    /** Without its range where it had one that fits its bits ("cnt" of "cnt[3:0]"). */
    QString name;
    /**
     * The bus's own number of its first (most significant) bit: from its
     * range, else the number of its bits less one.
     */
    int msb = 0;
    /** The bus's own number of its last (least significant) bit: from its range, else 0. */
    int lsb = 0;
    /** The probe bits it takes, its most significant first. */
    QVector<int> bits;
};

/** An input or output probe of a core, as the host reads or writes it: one number of width bits. */
struct ProbeMapProbe
{
    QString kind; ///< "in" or "out"
    /** Its number among the core's probes of its kind. */
    int index = 0;
    /** Its bits: how wide the number is that the host reads or writes. */
    int width = 0;
    /** The core module's port, "probe_in0"; empty for a probe without nets. */
    QString port;
    /** Of an output probe: its value after configuration, "0x" and hexadecimal digits. */
    QString initialValue;
    /** One per bit, the most significant first. */
    QVector<ProbeMapNet> nets;
    /** The buses among its nets, in the configuration's order. */
    QVector<ProbeMapBus> buses;
};

/** A virtual I/O core of the map: its names in the generated design and its probes. */
struct ProbeMapCore
{
    /** Its place in the configuration, from 0: what names its directory, instance and module. */
    int position = 0;
    /** Its index as the configuration gives it: what names its macros. */
    int index = 0;
    /** As the configuration gives it. */
    QString moduleName;
    /** The core's instance in the top module, "u_zarn0_top". */
    QString instance;
    /** The module of that instance, "xq_zarn_top_0". */
    QString module;
    /** Whether its output probes change with its user clock. */
    bool synchronised = false;
    /** The user clock as the configuration names it, synchronised or not. */
    QString clock;
    /** The input probes, then the output probes in the order the top module connects them. */
    QVector<ProbeMapProbe> probes;
};

/** An enabled trigger port of a full analyzer core (a disabled one is connected to nothing). */
struct ProbeMapTrigger
{
    /** The analyzer core's trigger input these nets feed. */
    int number = 0;
    /** Its nets, the first at the most significant bit. */
    QStringList nets;
};

/** An analyzer core the top module shares the JTAG port with. */
struct ProbeMapAnalyzer
{
    /** Its place in the analyzer file, from 0. */
    int position = 0;
    QString kind; ///< "full" or "lite"
    /** The net that clocks its sampling. */
    QString sampleClock;
    /** The data nets it samples, the first at the most significant bit. */
    QStringList data;
    /** Its enabled trigger ports; none for a lite core. */
    QList<ProbeMapTrigger> triggers;
};

/** A probe's value taken apart: one field for each net or bus of the probe. */
struct ProbeField
{
    /** The bus's name (as ProbeMapBus::name) or the net's. */
    QString name;
    /** "bus" or "net". */
    QString kind;
    /** The field's value, its most significant bit first. */
    QString binary;
};

/**
 * The map from the numbers a host reads and writes at run time to the
 * user's nets: what "zarn_probes.json" holds, in format 1.
 *
 * Built from the cores of a generation, written and read as a stream (a
 * map may be larger than a QJsonDocument takes); decodeProbe() and
 * encodeProbe() turn probe values into named fields and back.
 */
class ZARNUTILS_EXPORT ProbeMap
{
public:
    /** The format of the maps this library writes, and the only one it reads. */
    static constexpr int format = 1;
    /** The widest probe of a map, in bits: read() refuses a wider one. */
    static constexpr int largestWidth = 1 << 20;

    /** The library that wrote the map: "ZarnUtils 1.0.0". */
    QString generator;
    /**
     * SHA-256 of the configuration's bytes, in lower-case hexadecimal; in
     * the file, "sha256" of "configuration".  Empty when the file could not
     * be read.
     */
    QString configurationSha256;
    /**
     * SHA-256 of the analyzer file's bytes, in lower-case hexadecimal, empty
     * without one; in the file, "sha256" of "analyzerConfiguration" (null
     * without one).
     */
    QString analyzerSha256;
    /** The top module, as the generation names it; in the file, "name" of "topModule". */
    QString topModule;
    /** The top module's file, as the generation names it; in the file, "file" of "topModule". */
    QString topFile;
    /** The virtual I/O cores, in the configuration's order. */
    QList<ProbeMapCore> cores;
    /** The analyzer cores the generation takes, in the analyzer file's order; none without one. */
    QList<ProbeMapAnalyzer> analyzers;

    /**
     * The map of a generation from @p configurationFile, read into
     * @p cores, with @p analyzerFile when one is given.  The files are
     * read for their digests (and the analyzer file for its cores).  The
     * cores stay the caller's; the map keeps no pointer to them.
     *
     * @param cores the cores read from @p configurationFile, in order; each
     *        must point to a valid core.
     * @param configurationFile the configuration file, for its digest.
     * @param analyzerFile the logic-analyzer configuration file; empty for
     *        none.
     * @return the map.  A file that cannot be read leaves its digest empty,
     *         and an unreadable analyzer file gives no analyzer cores.
     */
    static ProbeMap fromCores(const QList<ZarnCore *> &cores, const QString &configurationFile, const QString &analyzerFile = QString());

    /**
     * One core's entry of the map, as fromCores() builds it.
     *
     * @param core the core; must not be null.  It stays the caller's.
     * @param position the core's place in the configuration, from 0.
     * @return the entry.
     */
    static ProbeMapCore coreEntry(const ZarnCore *core, int position);

    /**
     * Reads the map at @p path; with @p onlyCore at least 0, keeps that
     * core's entry alone (the rest is read through, not kept).  False with
     * @p error when the file is no map of format 1.
     *
     * Members the reader does not know are passed over.
     *
     * @param path the map file.
     * @param map receives the map; must not be null.  Left as it was when
     *        the file cannot be opened, and holding what was read before
     *        the error on any other failure.
     * @param error receives the reason on failure; may be null.
     * @param onlyCore the position of the one core to keep; -1 (the
     *        default) keeps every core.
     * @return true when the whole file was read as a map of format 1.
     */
    static bool read(const QString &path, ProbeMap *map, QString *error, int onlyCore = -1);

    /**
     * The probe of the core at @p position, of @p kind ("in" or "out") and @p index.
     *
     * @param position the core's position (ProbeMapCore::position).
     * @param kind "in" or "out".
     * @param index the probe's index among the core's probes of its kind.
     * @return the probe within this map, good while the map is unchanged;
     *         null where none.
     */
    const ProbeMapProbe *probe(int position, const QString &kind, int index) const;

    /**
     * The design's identity, which the open control core answers: the
     * first 32 bits of configurationSha256, so that a host knows from the
     * map alone which design it describes.
     *
     * @param ok set to whether the map holds a digest to take it from; may
     *        be null.
     * @return the identity; 0 without a digest.
     */
    quint32 designIdentity(bool *ok = nullptr) const;
};

/**
 * Writes @p map to @p path as a stream; the system's reason when the file
 * could not be written whole, else empty.
 *
 * @param map the map to write.
 * @param path the file to write, replaced.  A write that fails leaves the
 *        file as it was.
 * @return empty on success; else why the file could not be written.
 */
ZARNUTILS_EXPORT QString writeProbeMap(const ProbeMap &map, const QString &path);

/**
 * Writes the map of a generation to @p path as fromCores() would build it,
 * a core at a time, so that the map of any design needs little memory;
 * the system's reason when it could not be written whole, else empty.  The
 * cores stay the caller's, unchanged.
 *
 * @param cores the cores read from @p configurationFile, in order; each
 *        must point to a valid core.
 * @param configurationFile the configuration file, for its digest.
 * @param analyzerFile the logic-analyzer configuration file; empty for none.
 * @param path the file to write, replaced.  A write that fails leaves the
 *        file as it was.
 * @return empty on success; else why the file could not be written.
 */
ZARNUTILS_EXPORT QString writeProbeMap(const QList<ZarnCore *> &cores, const QString &configurationFile, const QString &analyzerFile,
                                       const QString &path);

/**
 * As writeProbeMap(const QList<ZarnCore *> &, const QString &, const QString &, const QString &),
 * with the digests, top module and analyzer cores of @p header
 * (ProbeMap::fromCores() without cores gives them), which a caller may have
 * built while the generation ran, and the cores of @p cores.
 *
 * @param header the map whose members other than ProbeMap::cores are
 *        written; its cores are not.
 * @param cores the cores to write, in order; each must point to a valid core.
 * @param path the file to write, replaced.  A write that fails leaves the
 *        file as it was.
 * @return empty on success; else why the file could not be written.
 */
ZARNUTILS_EXPORT QString writeProbeMap(const ProbeMap &header, const QList<ZarnCore *> &cores, const QString &path);

/**
 * A probe value as a number of @p width bits: "0x" and hexadecimal digits,
 * "0b" and binary digits, or decimal digits, of any length.  Its binary
 * digits, most significant first and @p width of them; empty with
 * @p error when it is no such number or does not fit.
 *
 * Blanks around the value are ignored; the prefixes and hexadecimal digits
 * may be of either case.
 *
 * @param value the value.
 * @param width the number of bits; a width of 0 gives the empty text for
 *        the value 0, without an error.
 * @param error receives the reason on failure; may be null.
 * @return the binary digits, zero-filled on the left.
 */
ZARNUTILS_EXPORT QString probeValueBits(const QString &value, int width, QString *error);

/**
 * Binary digits (most significant first) as a decimal number.
 *
 * @param binary binary digits, of any length; any character other than "1"
 *        counts as a 0.
 * @return the decimal digits; "0" for an empty text.
 */
ZARNUTILS_EXPORT QString bitsToDecimal(const QString &binary);

/**
 * @p value of @p probe taken apart: one field for each bus, then one for
 * each net that no bus takes, in the probe's order; empty with @p error
 * when the value is no number of the probe's width.
 *
 * @param probe the probe of a map that the value was read from or is for.
 * @param value the value, in any form probeValueBits() takes.
 * @param error receives the reason on failure; may be null.
 * @return the fields.  Bits that no named net takes have no field.
 */
ZARNUTILS_EXPORT QList<ProbeField> decodeProbe(const ProbeMapProbe &probe, const QString &value, QString *error);

/**
 * The value of the output probe @p probe with each (name, value) of
 * @p assignments set (a bus or a net, by name) and every other bit at the
 * probe's initial value, as the model holds values: "0x" and upper-case
 * hexadecimal digits.  Empty with @p error for an unknown name, a value
 * too wide for its field, or a bit set twice.
 *
 * @param probe an output probe of a map, with its initial value.
 * @param assignments pairs of a name (a bus by its name, with or without
 *        its range, or a net) and a value in any form probeValueBits()
 *        takes, a net's being one bit wide.
 * @param error receives the reason on failure; may be null.
 * @return the new value; empty on failure, also for a probe without nets
 *         or whose initial value does not fit it.
 */
ZARNUTILS_EXPORT QString encodeProbe(const ProbeMapProbe &probe, const QList<QPair<QString, QString>> &assignments, QString *error);

/**
 * As encodeProbe(const ProbeMapProbe &, const QList<QPair<QString, QString>> &, QString *),
 * with every bit that no assignment sets at its value in @p base instead of
 * the initial value: a host that changes some nets of an output probe
 * keeps the others as they are.
 *
 * @param probe an output probe of a map.
 * @param base the probe's value the assignments change, in any form
 *        probeValueBits() takes.
 * @param assignments as encodeProbe() takes them.
 * @param error receives the reason on failure; may be null.
 * @return the new value, "0x" and upper-case hexadecimal digits; empty on
 *         failure.
 */
ZARNUTILS_EXPORT QString encodeProbe(const ProbeMapProbe &probe, const QString &base, const QList<QPair<QString, QString>> &assignments, QString *error);

/**
 * @param probe a probe of a map.
 * @param name a name.
 * @return whether @p name is a bus (by its name, with or without its range)
 *         or a net of @p probe: a name that encodeProbe() would take for it.
 */
ZARNUTILS_EXPORT bool probeHasName(const ProbeMapProbe &probe, const QString &name);

/**
 * @param probe an output probe of a map.
 * @param name a bus or net of it, as probeHasName() takes it.
 * @return the selects (ProbeMapNet::takenOverBy) of the bits that @p name
 *         takes, each once, in the order of the probe's nets: what turns
 *         them from the design's values to the probe's.  Empty where no
 *         bit of it is taken over, or @p probe has no such name.
 */
ZARNUTILS_EXPORT QStringList probeTakeOverSelects(const ProbeMapProbe &probe, const QString &name);

/**
 * @param probe a probe of a map.
 * @param value a value of the probe, in any form probeValueBits() takes.
 * @param name a bus or net of the probe, as encodeProbe() takes names.
 * @param error receives the reason on failure; may be null.
 * @return the bits of @p name in @p value, most significant first; empty
 *         for an unknown name or a value that is no number of the probe's
 *         width.
 */
ZARNUTILS_EXPORT QString probeFieldBits(const ProbeMapProbe &probe, const QString &value, const QString &name, QString *error);

} // namespace ZARN

#endif
