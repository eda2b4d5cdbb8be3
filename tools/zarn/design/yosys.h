#ifndef ZARN_TOOL_DESIGN_YOSYS_H
#define ZARN_TOOL_DESIGN_YOSYS_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QPair>
#include <QVector>

class QCommandLineParser;

namespace Design {

class Netlist;

/** What Yosys is to read of a user's design, from the options all design commands share. */
struct Sources
{
    QStringList files;
    QString top;
    QStringList defines;     ///< NAME or NAME=VALUE
    QStringList includeDirs;
    /** The top module's parameters: name, and value as Yosys's chparam takes it (a number, or a string in quotes). */
    QVector<QPair<QString, QString>> parameters;
    QChar separator = QLatin1Char('/'); ///< between the instance names of a hierarchical net name
    int yosysSeconds = 3600;            ///< how long a Yosys run may take; 0: no limit
    bool useCache = true;               ///< whether Yosys's answer may come from the elaboration cache
};

/**
 * Adds --design, --top, --define, --include-dir, --param,
 * --hierarchy-separator, --yosys-timeout and --no-cache to @p parser.
 */
void addSourceOptions(QCommandLineParser &parser);

/**
 * The sources the options of @p parser give, with @p moreFiles (the
 * arguments that follow "--design FILE" as in "--design *.v"); an empty
 * string, or what is wrong with them (a missing file, no top, a separator
 * other than / or .).
 */
QString readSourceOptions(const QCommandLineParser &parser, const QStringList &moreFiles, Sources *sources);

/** How elaborate() writes the design once it has run the Verilog passes. */
enum class Written {
    Verilog, ///< as Verilog
    Json,    ///< as Yosys's JSON, which verilogOfJson() turns into Verilog
};

/**
 * Runs Yosys on @p sources from the current directory, as the user's own
 * synthesis run would: reads them where they are (each deferred, so that
 * the top's parameters apply before anything is elaborated), elaborates
 * the top module with its parameters, runs proc and flatten, then
 * @p passes (more Yosys commands, may be empty), and reads the design
 * into @p netlist from the JSON Yosys writes of it: the top module
 * flattened, and the modules flatten keeps whole.  With @p verilog, then runs @p verilogPasses and writes the
 * design into it as @p form says, without Yosys's source attributes.  The
 * answer comes from the elaboration cache where it holds one for the same
 * script, sources, included files and Yosys.
 * On failure false and, in @p error, a line that says why: Yosys
 * missing or older than 0.23 (naming @p command, which needs it), what
 * Yosys said, that it crashed or ran out of time, or that what it wrote is
 * not whole.
 */
bool elaborate(const Sources &sources, const QString &command, const QString &passes, Netlist *netlist, QString *error,
               const QString &verilogPasses = QString(), QByteArray *verilog = nullptr, Written form = Written::Verilog);

/**
 * The design Yosys's JSON @p json holds, as Yosys writes it in Verilog,
 * into @p verilog; false with @p error where Yosys fails (within the time
 * @p sources gives it).
 */
bool verilogOfJson(const QByteArray &json, const Sources &sources, QByteArray *verilog, QString *error);

/**
 * Where Yosys's "src" attribute @p src says a net is declared, as
 * "FILE:LINE:COLUMN" with the file as the user named it (or, for an
 * included file, as Yosys found it): the last place of a chain, which is
 * the declaration itself; the top module's name when @p src names no place.
 */
QString sourcePlace(const Sources &sources, const QString &src);

/**
 * The places of @p src as numbers, (file, line, column) for each place of
 * the chain, for sorting in source order: files in the order of
 * @p sources, included files after them.
 */
QVector<int> sourceOrder(const Sources &sources, const QString &src);

} // namespace Design

#endif
