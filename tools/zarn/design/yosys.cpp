#include "yosys.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace Design {

namespace {

const char designOption[] = "design";

// "Yosys 0.23 (git sha1 ...)" and later; 0.23 is what Debian 12 ships.
bool recentEnough(const QString &program)
{
    QProcess yosys;
    yosys.start(program, {QStringLiteral("-V")});
    if (!yosys.waitForFinished(30000) || yosys.exitStatus() != QProcess::NormalExit || yosys.exitCode() != 0)
        return false;
    const QRegularExpressionMatch version = QRegularExpression(QStringLiteral("^Yosys (\\d+)\\.(\\d+)")).match(QString::fromUtf8(yosys.readAllStandardOutput()));
    return version.hasMatch() && (version.captured(1).toInt() > 0 || version.captured(2).toInt() >= 23);
}

// A Yosys script splits its arguments at blanks and reads no quotes in
// options, so every path goes in through a plain name in the working
// directory: a link to the file or include directory.
QString linkInto(const QDir &work, const QString &path, const QString &name)
{
    return QFile::link(QFileInfo(path).absoluteFilePath(), work.filePath(name)) ? name : QString();
}

// The last error Yosys printed ("ERROR: ...", or "FILE:LINE: ERROR: ..."
// without the shouting), or its last line.
QString yosysError(const QByteArray &output)
{
    const QStringList lines = QString::fromUtf8(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        const qsizetype at = line->indexOf(QLatin1String("ERROR: "));
        if (at >= 0)
            return QString(*line).remove(at, 7);
    }
    return lines.isEmpty() ? QStringLiteral("Yosys stopped without a word") : lines.last();
}

} // namespace

void addSourceOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {QLatin1String(designOption), QStringLiteral("A Verilog or SystemVerilog file of the design (repeat for more)."), QStringLiteral("FILE")},
        {QStringLiteral("top"), QStringLiteral("The design's top module."), QStringLiteral("MODULE")},
        {QStringLiteral("define"), QStringLiteral("A macro for the design's sources (repeat for more)."), QStringLiteral("NAME[=VALUE]")},
        {QStringLiteral("include-dir"), QStringLiteral("A directory the design's sources include from (repeat for more)."), QStringLiteral("DIR")},
        {QStringLiteral("hierarchy-separator"), QStringLiteral("What separates instance names in net names: / (the default) or ."),
         QStringLiteral("CHAR"), QStringLiteral("/")},
    });
}

QString readSourceOptions(const QCommandLineParser &parser, const QStringList &moreFiles, Sources *sources)
{
    sources->files = parser.values(QLatin1String(designOption));
    if (!sources->files.isEmpty())
        sources->files += moreFiles;
    else if (!moreFiles.isEmpty())
        return QStringLiteral("unexpected argument '%1'; give the design's files after --design").arg(moreFiles.first());
    sources->top = parser.value(QStringLiteral("top"));
    sources->defines = parser.values(QStringLiteral("define"));
    sources->includeDirs = parser.values(QStringLiteral("include-dir"));
    const QString separator = parser.value(QStringLiteral("hierarchy-separator"));
    if (sources->files.isEmpty())
        return QStringLiteral("give the design's sources with --design FILE");
    if (sources->top.isEmpty())
        return QStringLiteral("name the design's top module with --top MODULE");
    if (separator != QLatin1String("/") && separator != QLatin1String("."))
        return QStringLiteral("--hierarchy-separator takes / or ., not '%1'").arg(separator);
    sources->separator = separator.at(0);
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_$]*$"));
    if (!identifier.match(sources->top).hasMatch())
        return QStringLiteral("--top takes a module name, not '%1'").arg(sources->top);
    static const QRegularExpression define(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(=\\S*)?$"));
    for (const QString &macro : std::as_const(sources->defines)) {
        if (!define.match(macro).hasMatch())
            return QStringLiteral("--define takes NAME or NAME=VALUE without blanks, not '%1'").arg(macro);
    }
    for (const QString &file : std::as_const(sources->files)) {
        QFile source(file);
        if (!source.open(QIODevice::ReadOnly) || QFileInfo(file).isDir())
            return QStringLiteral("%1: %2").arg(file, QFileInfo(file).isDir() ? QStringLiteral("is a directory") : source.errorString());
    }
    for (const QString &dir : std::as_const(sources->includeDirs)) {
        if (!QFileInfo(dir).isDir())
            return QStringLiteral("%1: no such directory").arg(dir);
    }
    return QString();
}

QByteArray elaborate(const Sources &sources, const QString &command, const QString &passes, QString *error, const QString &verilogPasses,
                     QByteArray *verilog)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("yosys"));
    if (program.isEmpty() || !recentEnough(program)) {
        *error = QStringLiteral("%1 needs Yosys 0.23 or later; install the Debian package yosys").arg(command);
        return {};
    }
    // Qt's temporary path is empty for a TMPDIR that names no directory, and
    // its temporary directory would then be made at the file-system root.
    const QString temporary = QDir::tempPath();
    if (temporary.isEmpty() || !QFileInfo(temporary).isDir()) {
        *error = QStringLiteral("TMPDIR=%1 names no directory, where Yosys would work; set it to one, or unset it")
                     .arg(qEnvironmentVariable("TMPDIR"));
        return {};
    }
    QTemporaryDir work(temporary + QLatin1String("/zarn-XXXXXX"));
    if (!work.isValid()) {
        *error = QStringLiteral("cannot make a working directory for Yosys: %1").arg(work.errorString());
        return {};
    }
    const QDir dir(work.path());
    QString read = QStringLiteral("read_verilog -sv");
    for (const QString &macro : sources.defines)
        read += QStringLiteral(" -D") + macro;
    for (int i = 0; i < sources.includeDirs.size(); ++i) {
        const QString link = linkInto(dir, sources.includeDirs.at(i), QStringLiteral("include%1").arg(i));
        if (!link.isEmpty())
            read += QStringLiteral(" -I") + link;
    }
    QString script;
    for (int i = 0; i < sources.files.size(); ++i) {
        // A source includes from its own directory: keep that one reachable.
        const QFileInfo file(sources.files.at(i));
        const QString directory = linkInto(dir, file.absolutePath(), QStringLiteral("directory%1").arg(i));
        const QString source = linkInto(dir, file.absoluteFilePath(), QStringLiteral("source%1.v").arg(i));
        if (directory.isEmpty() || source.isEmpty()) {
            *error = QStringLiteral("cannot link %1 into Yosys's working directory").arg(sources.files.at(i));
            return {};
        }
        script += read + QStringLiteral(" -I%1 %2\n").arg(directory, source);
    }
    // The netlist is written before flatten: a flattened one is many times
    // the size, and Yosys takes longer to write it than to flatten.
    script += QStringLiteral("hierarchy -check -top %1\nproc\n").arg(sources.top) + passes + QStringLiteral("\nwrite_json design.json\n");
    // Only the top module is left once flatten leaves the others unused.
    if (verilog)
        script += QStringLiteral("flatten\nhierarchy -top %1\n").arg(sources.top) + verilogPasses + QStringLiteral("\nwrite_verilog -noattr design.v\n");
    QFile scriptFile(dir.filePath(QStringLiteral("design.ys")));
    if (!scriptFile.open(QIODevice::WriteOnly) || scriptFile.write(script.toUtf8()) < 0 || !scriptFile.flush()) {
        *error = QStringLiteral("cannot write the Yosys script: %1").arg(scriptFile.errorString());
        return {};
    }
    scriptFile.close();

    QProcess yosys;
    yosys.setWorkingDirectory(work.path());
    yosys.setProcessChannelMode(QProcess::MergedChannels);
    yosys.start(program, {QStringLiteral("-q"), QStringLiteral("-s"), QStringLiteral("design.ys")});
    if (!yosys.waitForFinished(-1) || yosys.exitStatus() != QProcess::NormalExit || yosys.exitCode() != 0) {
        QString said = yosysError(yosys.readAll());
        for (auto i = sources.files.size() - 1; i >= 0; --i)
            said.replace(QStringLiteral("source%1.v").arg(i), sources.files.at(i));
        *error = QStringLiteral("Yosys could not read the design: %1").arg(said);
        return {};
    }
    QFile json(dir.filePath(QStringLiteral("design.json")));
    if (!json.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Yosys wrote no netlist: %1").arg(json.errorString());
        return {};
    }
    if (verilog) {
        QFile netlist(dir.filePath(QStringLiteral("design.v")));
        if (!netlist.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("Yosys wrote no Verilog: %1").arg(netlist.errorString());
            return {};
        }
        *verilog = netlist.readAll();
    }
    return json.readAll();
}

namespace {

// "source3.v:12.14-12.17": 3, 12, 14.
const QRegularExpression placePattern(QStringLiteral("^source(\\d+)\\.v:(\\d+)\\.(\\d+)"));

} // namespace

QString sourcePlace(const Sources &sources, const QString &src)
{
    const QString last = src.section(QLatin1Char('|'), -1);
    const QRegularExpressionMatch match = placePattern.match(last);
    const int file = match.captured(1).toInt();
    if (!match.hasMatch() || file >= sources.files.size())
        return sources.top;
    return QStringLiteral("%1:%2:%3").arg(sources.files.at(file), match.captured(2), match.captured(3));
}

QVector<int> sourceOrder(const QString &src)
{
    QVector<int> order;
    for (const QString &place : src.split(QLatin1Char('|'))) {
        const QRegularExpressionMatch match = placePattern.match(place);
        order << match.captured(1).toInt() << match.captured(2).toInt() << match.captured(3).toInt();
    }
    return order;
}

} // namespace Design
