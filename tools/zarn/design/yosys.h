#ifndef ZARN_TOOL_DESIGN_YOSYS_H
#define ZARN_TOOL_DESIGN_YOSYS_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class QCommandLineParser;

namespace Design {

/** What Yosys is to read of a user's design, from the options all design commands share. */
struct Sources
{
    QStringList files;
    QString top;
    QStringList defines;     ///< NAME or NAME=VALUE
    QStringList includeDirs;
    QChar separator = QLatin1Char('/'); ///< between the instance names of a hierarchical net name
};

/** Adds --design, --top, --define, --include-dir and --hierarchy-separator to @p parser. */
void addSourceOptions(QCommandLineParser &parser);

/**
 * The sources the options of @p parser give, with @p moreFiles (the
 * arguments that follow "--design FILE" as in "--design *.v"); an empty
 * string, or what is wrong with them (a missing file, no top, a separator
 * other than / or .).
 */
QString readSourceOptions(const QCommandLineParser &parser, const QStringList &moreFiles, Sources *sources);

/**
 * Runs Yosys on @p sources: reads them, elaborates the top module, runs
 * proc, then @p passes (more Yosys commands, may be empty), and returns the
 * design, its hierarchy kept, as write_json writes it.  With @p verilog,
 * then flattens the design, runs @p verilogPasses and writes the top module
 * alone as Verilog into it.
 * On failure an empty array and, in @p error, a line that says why: Yosys
 * missing or older than 0.23 (naming @p command, which needs it), or what
 * Yosys said.
 */
QByteArray elaborate(const Sources &sources, const QString &command, const QString &passes, QString *error,
                     const QString &verilogPasses = QString(), QByteArray *verilog = nullptr);

/**
 * Where Yosys's "src" attribute @p src says a net is declared, as
 * "FILE:LINE:COLUMN" with the file as @p sources names it: the last place
 * of a chain, which is the declaration itself.
 */
QString sourcePlace(const Sources &sources, const QString &src);

/** The places of @p src as numbers, (file, line, column) for each place of the chain, for sorting in source order. */
QVector<int> sourceOrder(const QString &src);

} // namespace Design

#endif
