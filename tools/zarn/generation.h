#ifndef ZARN_TOOL_GENERATION_H
#define ZARN_TOOL_GENERATION_H

#include <zarn/configlint.h>

#include <QByteArray>
#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class OutputDirectory;
class QCommandLineParser;
class QSaveFile;

namespace ZARN {
class ZarnCore;
}

/**
 * What zarn generate does once its output directory has begun, shared with
 * zarn insert: copy the inputs in (each is read once), read and lint the
 * configuration, generate, and write the probe map, all into the staging
 * directory.  The caller commits.
 */
class Generation
{
public:
    struct Inputs
    {
        QString config;        ///< as the user named it
        QString analyzer;      ///< absolute, or empty
        QString analyzerGiven; ///< as the user named it
        QString ipRoot;        ///< absolute
        QString device;
        QString package;
        bool lint = true;
        QString subdirectory;  ///< of the output directory to generate into; empty for the directory itself
        bool offersNoLint = true; ///< whether the command has --no-lint to suggest when lint fails
        bool ipRootGiven = true;  ///< false: the IP root is the current directory by default, which is worth a note
        bool strict = false;      ///< a source missing from the IP root fails the run
    };
    /** More findings for the copied configuration @p config, read into @p cores, and analyzer file @p analyzer. */
    using MoreLint = std::function<QList<ZARN::LintFinding>(const QString &config, const QList<ZARN::ZarnCore *> &cores, const QString &analyzer)>;

    Generation() = default;
    ~Generation();
    Generation(const Generation &) = delete;
    Generation &operator=(const Generation &) = delete;

    /**
     * Generates into @p output (begun) from @p inputs, linting first unless
     * told not to, with @p moreLint's findings too; the exit code, having
     * said on stderr what went wrong.  @p moreLint may fail by setting its
     * error: that ends the run with Failure.
     */
    int run(OutputDirectory &output, const Inputs &inputs, const MoreLint &moreLint = MoreLint());

    /** After a successful run: the lists the generation gives, as they will be once committed. */
    QStringList fileList;
    QStringList includePath;
    QString probeMap;
    /** The configuration as read. */
    QList<ZARN::ZarnCore *> cores;
    /** The copies the run read. */
    QString configCopy;
    QString analyzerCopy;
    /** Where a MoreLint says why it could not lint. */
    QString moreLintError;
};

/** The options of zarn generate and zarn insert alike: the cores' sources, the analyzer, the target, --force. */
struct GenerationOptions
{
    QCommandLineOption ipRoot{QStringLiteral("ip-root"), QStringLiteral("Root of the cores' fixed RTL sources (default: the current directory)."),
                              QStringLiteral("DIR")};
    QCommandLineOption analyzer{QStringLiteral("analyzer"), QStringLiteral("Logic-analyzer configuration to share the JTAG port with."),
                                QStringLiteral("FILE")};
    QCommandLineOption device{QStringLiteral("device"), QStringLiteral("Device key of the target."), QStringLiteral("KEY")};
    QCommandLineOption package{QStringLiteral("package"), QStringLiteral("Package key of the target."), QStringLiteral("SUBKEY")};
    QCommandLineOption force{QStringLiteral("force"),
                             QStringLiteral("Replace the output directory even when it holds files that zarn did not write; they are deleted.")};
    QCommandLineOption strict{QStringLiteral("strict"),
                              QStringLiteral("Leave the output as it was (exit 1) when the IP root lacks a source that the file list names, "
                                             "rather than warn.")};

    void addTo(QCommandLineParser &parser) const;
    /** What is wrong with them as given (an unknown device or package among it), or empty. */
    QString problem(const QCommandLineParser &parser) const;
    /** The IP root, absolute: the option's, or the current directory. */
    QString ipRootPath(const QCommandLineParser &parser) const;
    /** The analyzer file, absolute, or empty. */
    QString analyzerPath(const QCommandLineParser &parser) const;
    /**
     * The resolved paths of what a run from the configuration @p config
     * reads (it, the IP root, the analyzer file, and @p more), which its
     * output must not hold.
     */
    QList<QByteArray> inputFiles(const QCommandLineParser &parser, const QString &config, const QStringList &more = QStringList()) const;
    /** A run's inputs from the options, with @p config, linting first where @p lint, into @p subdirectory of the output. */
    Generation::Inputs runInputs(const QCommandLineParser &parser, const QString &config, bool lint, const QString &subdirectory) const;
};

/** @p path made absolute and clean. */
QString absolutePath(const QString &path);

/**
 * What in @p path a Verilog command file cannot carry as it stands, as
 * Icarus (-c) and Verilator (-f) read one: "white space, which ...", a
 * "$", which both expand, a quote or backslash, which Verilator reads as
 * quoting, a slash and star, which it reads as a comment, and, in an include
 * directory, a "+", where Icarus starts the next one.  Empty where nothing.
 */
QString commandFileProblem(const QString &path, bool includeDirectory);

/** The resolved path of an input, or empty for one that is no file of a directory (a pipe) or does not exist. */
QByteArray resolvedInput(const QString &path);

/**
 * Writes an EDA command file for `iverilog -c` and `verilator -f` (+incdir+
 * lines, then the files) into @p file, not yet committed; the error, or empty.
 */
QString writeCommandFile(QSaveFile &file, const QStringList &includePath, const QStringList &fileList);

#endif
