#include "yosys.h"
#include "elaborationcache.h"
#include "netlist.h"
#include "workdirectory.h"
#include "yosysprocess.h"
#include "writeall.h"

#include <QCommandLineParser>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace Design {

namespace {

const char designOption[] = "design";
const char paramOption[] = "param";
const char timeoutOption[] = "yosys-timeout";
const char noCacheOption[] = "no-cache";

// "Yosys 0.23 (git sha1 ...)" and later, 0.23 being what Debian 12 ships:
// its version line, or empty for an older one or none.
QByteArray recentVersion(const QString &program, WorkDirectory *work)
{
    const YosysRun version = runYosys(program, {QStringLiteral("-V")}, 30, work);
    if (version.outcome != YosysRun::Finished || version.exitCode != 0)
        return {};
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^Yosys (\\d+)\\.(\\d+)")).match(QString::fromUtf8(version.output));
    return match.hasMatch() && (match.captured(1).toInt() > 0 || match.captured(2).toInt() >= 23) ? version.output.trimmed() : QByteArray();
}

// A Yosys script reads a file name in double quotes, blanks and all, but
// has no escape for a quote inside, and takes an option's value up to the
// first blank.
bool quotable(const QString &path)
{
    return !std::any_of(path.cbegin(), path.cend(), [](QChar c) { return c == QLatin1Char('"') || c.category() == QChar::Other_Control; });
}

bool plain(const QString &text)
{
    return quotable(text) && !std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); });
}

QString quoted(const QString &path)
{
    return QLatin1Char('"') + path + QLatin1Char('"');
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
    return lines.isEmpty() ? QString() : lines.last();
}

// @p text as a message shows it: control characters as escapes ("\\n").
QString shown(const QString &text)
{
    QString result;
    for (const QChar c : text)
        result += c.unicode() < 0x20 || c.unicode() == 0x7F ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0')) : QString(c);
    return result;
}

// "; '\\n' is not allowed" for the first character of @p text that a
// name or plain value cannot hold; empty where there is none.
QString offending(const QString &text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        const bool plainCharacter = (u > 0x20 && u < 0x7F && c != QLatin1Char('"') && c != QLatin1Char(';') && c != QLatin1Char('#'));
        if (!plainCharacter)
            return QStringLiteral(": '%1' is not allowed").arg(shown(QString(c)));
    }
    return QString();
}

// A parameter's value as chparam takes it: a number as Verilog writes one
// (42, -3, 8'hFF, 'b101), a string in double quotes, or any other text,
// which is a string.  Empty where the value cannot be given to Yosys.
QString parameterValue(const QString &value)
{
    static const QRegularExpression number(QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]+|[0-9]*'[sS]?([bB][01xXzZ_]+|[oO][0-7xXzZ_]+|[dD][0-9_]+|[hH][0-9a-fA-FxXzZ_]+)")));
    if (number.match(value).hasMatch())
        return value;
    const bool inQuotes = value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'));
    const QString text = inQuotes ? value.mid(1, value.size() - 2) : value;
    const bool printable = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F && c != QLatin1Char('"') && c != QLatin1Char('\\'); });
    return printable && !text.isEmpty() ? quoted(text) : QString();
}

QString readParameters(const QStringList &values, Sources *sources)
{
    static const QRegularExpression name(QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z_][A-Za-z0-9_$]*")));
    for (const QString &parameter : values) {
        const qsizetype equals = parameter.indexOf(QLatin1Char('='));
        const QString value = equals < 0 ? QString() : parameterValue(parameter.mid(equals + 1));
        if (equals < 0 || !name.match(parameter.left(equals)).hasMatch() || value.isEmpty())
            return QStringLiteral("--param takes NAME=VALUE, a parameter name and a number (8, 'hFF) or printable ASCII text without "
                                  "\\ or \", not '%1'").arg(shown(parameter));
        sources->parameters.append({parameter.left(equals), value});
    }
    return QString();
}

} // namespace

void addSourceOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {QLatin1String(designOption), QStringLiteral("A Verilog or SystemVerilog file of the design (repeat for more)."), QStringLiteral("FILE")},
        {QStringLiteral("top"), QStringLiteral("The design's top module."), QStringLiteral("MODULE")},
        {QStringLiteral("define"), QStringLiteral("A macro for the design's sources (repeat for more)."), QStringLiteral("NAME[=VALUE]")},
        {QStringLiteral("include-dir"), QStringLiteral("A directory the design's sources include from (repeat for more)."), QStringLiteral("DIR")},
        {QLatin1String(paramOption), QStringLiteral("A parameter of the top module: a number (8, 'hFF) or text, which is a string (repeat for more)."),
         QStringLiteral("NAME=VALUE")},
        {QStringLiteral("hierarchy-separator"), QStringLiteral("What separates instance names in net names: / (the default) or ."),
         QStringLiteral("CHAR"), QStringLiteral("/")},
        {QLatin1String(timeoutOption), QStringLiteral("Stop Yosys after SECONDS (%1 by default; 0: no limit).").arg(Sources().yosysSeconds),
         QStringLiteral("SECONDS"), QString::number(Sources().yosysSeconds)},
        {QLatin1String(noCacheOption), QStringLiteral("Run Yosys even where the cache holds its answer for the design as it stands.")},
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
    sources->useCache = !parser.isSet(QLatin1String(noCacheOption));
    bool ok = false;
    sources->yosysSeconds = parser.value(QLatin1String(timeoutOption)).toInt(&ok);
    if (!ok || sources->yosysSeconds < 0)
        return QStringLiteral("--yosys-timeout takes a number of seconds (0: no limit), not '%1'").arg(parser.value(QLatin1String(timeoutOption)));
    static const QRegularExpression identifier(QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z_][A-Za-z0-9_$]*")));
    if (!identifier.match(sources->top).hasMatch())
        return QStringLiteral("--top takes a module name (a letter or '_', then letters, digits, '_' and '$'), not '%1'%2").arg(shown(sources->top), offending(sources->top));
    static const QRegularExpression define(QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z_][A-Za-z0-9_]*(=[^\\x00-\\x20\\x7F-\\x{10FFFF}\";#]*)?")));
    for (const QString &macro : std::as_const(sources->defines)) {
        if (!define.match(macro).hasMatch())
            return QStringLiteral("--define takes NAME or NAME=VALUE, the value printable ASCII without blanks, '\"', ';' or '#' (which Yosys's script "
                                  "reads), not '%1'%2")
                .arg(shown(macro), offending(macro.section(QLatin1Char('='), 1).isEmpty() ? macro : macro.section(QLatin1Char('='), 1)));
    }
    const QString parameterProblem = readParameters(parser.values(QLatin1String(paramOption)), sources);
    if (!parameterProblem.isEmpty())
        return parameterProblem;
    for (const QString &file : std::as_const(sources->files)) {
        QFile source(file);
        if (!source.open(QIODevice::ReadOnly) || QFileInfo(file).isDir())
            return QStringLiteral("%1: %2").arg(file, QFileInfo(file).isDir() ? QStringLiteral("is a directory") : source.errorString());
        if (!quotable(file))
            return QStringLiteral("%1: a double quote or control character in the name, which Yosys cannot read; rename the file").arg(file);
    }
    for (const QString &dir : std::as_const(sources->includeDirs)) {
        if (!QFileInfo(dir).isDir())
            return QStringLiteral("%1: no such directory").arg(dir);
        if (!plain(dir))
            return QStringLiteral("%1: white space or a double quote in the name, which Yosys's -I cannot carry; use a path without them").arg(dir);
    }
    return QString();
}

namespace {

// The file of the working directory that the design goes into in @p form, and its last line.
QString writtenName(Written form)
{
    return form == Written::Json ? QStringLiteral("written.json") : QStringLiteral("design.v");
}

const char *ending(Written form)
{
    return form == Written::Json ? "}\n" : "endmodule\n";
}

// The Yosys script that reads, elaborates and flattens the design, and
// writes what zarn reads back into @p work.
QString script(const Sources &sources, const QString &work, const QString &passes, const QString &verilogPasses, const QByteArray *verilog, Written form)
{
    QString read = QStringLiteral("read_verilog -sv -defer");
    for (const QString &macro : sources.defines)
        read += QStringLiteral(" -D") + macro;
    for (const QString &dir : sources.includeDirs)
        read += QStringLiteral(" -I") + dir;
    QString text;
    for (const QString &file : sources.files)
        text += read + QLatin1Char(' ') + quoted(file) + QLatin1Char('\n');
    if (!sources.parameters.isEmpty()) {
        text += QStringLiteral("chparam");
        for (const auto &parameter : sources.parameters)
            text += QStringLiteral(" -set %1 %2").arg(parameter.first, parameter.second);
        text += QLatin1Char(' ') + sources.top + QLatin1Char('\n');
    }
    // Only the top module, and what flatten keeps whole, are left once flatten leaves the others unused.
    text += QStringLiteral("hierarchy -check -top %1\nproc\nflatten\nhierarchy -top %1\n").arg(sources.top);
    text += passes + QLatin1Char('\n');
    text += QStringLiteral("write_json %1\n").arg(quoted(work + QLatin1String("/design.json")));
    if (verilog)
        text += verilogPasses + QStringLiteral("\nattrmap -remove src\nattrmap -modattr -remove src\n%1 %2\n")
                                    .arg(QLatin1String(form == Written::Json ? "write_json" : "write_verilog"), quoted(work + QLatin1Char('/') + writtenName(form)));
    return text;
}

// Yosys's error in the user's terms: chparam's "defparam" is --param, and
// what Yosys elaborates after reading (with -defer, everything) it places at
// line 0 of the file, which is no line.
QString inUserTerms(QString said, const Sources &sources)
{
    static const QRegularExpression noParameter(QStringLiteral("^input:0: Can't find object for defparam `(.*)`!$"));
    const QRegularExpressionMatch match = noParameter.match(said);
    if (match.hasMatch())
        return QStringLiteral("the top module %1 has no parameter %2 (--param)").arg(sources.top, match.captured(1));
    static const QRegularExpression lineZero(QStringLiteral("^(.*):0: "));
    return said.replace(lineZero, QStringLiteral("\\1: "));
}

QString outcome(const YosysRun &run, const Sources &sources)
{
    const QString said = inUserTerms(yosysError(run.output), sources);
    switch (run.outcome) {
    case YosysRun::NotStarted:
        return QStringLiteral("Yosys could not be started");
    case YosysRun::TimedOut:
        return QStringLiteral("Yosys ran for longer than %1 s and was stopped; give --yosys-timeout more (0: no limit)").arg(sources.yosysSeconds);
    case YosysRun::Crashed:
        return QStringLiteral("Yosys crashed while reading the design%1").arg(said.isEmpty() ? QString() : QStringLiteral("; its last words: ") + said);
    case YosysRun::Finished:
        break;
    }
    if (run.exitCode == 0)
        return QString();
    return QStringLiteral("Yosys could not read the design: %1")
        .arg(said.isEmpty() ? QStringLiteral("Yosys stopped with exit code %1 without a word").arg(run.exitCode) : said);
}

// Far beyond the netlist of any design that fits a device, and within what
// one Qt byte array holds.
const qint64 largestWritten = qint64(1) << 30;

// What Yosys wrote, whole: Yosys may end with 0 having written a file only in
// part (a full disk), so each is checked for its last line.
QString readWritten(const QString &path, const char *ending, const char *what, QByteArray *text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Yosys wrote no %1: %2").arg(QLatin1String(what), file.errorString());
    if (file.size() > largestWritten)
        return QStringLiteral("Yosys's %1 is %2 bytes, more than zarn reads (%3)").arg(QLatin1String(what)).arg(file.size()).arg(largestWritten);
    *text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("Yosys's %1 cannot be read: %2").arg(QLatin1String(what), file.errorString());
    if (!text->endsWith(ending))
        return QStringLiteral("Yosys's %1 is cut short (%2 bytes; is the disk of TMPDIR %3 full?)").arg(QLatin1String(what)).arg(text->size()).arg(QDir::tempPath());
    return QString();
}

// Everything given to Yosys that changes what it writes, less the files it
// finds by itself (included and memory files), which the cache's entry
// lists; empty where a source cannot be read.
QByteArray cacheKey(const Sources &sources, const QByteArray &version, const QString &script)
{
    QCryptographicHash key(QCryptographicHash::Sha256);
    key.addData("zarn elaboration 3\n" + version + '\n' + QFile::encodeName(QDir::currentPath()) + '\n' + script.toUtf8());
    for (const QString &source : sources.files) {
        QFile file(source);
        QCryptographicHash bytes(QCryptographicHash::Sha256);
        if (!file.open(QIODevice::ReadOnly) || !bytes.addData(&file))
            return {};
        key.addData(bytes.result());
    }
    return key.result().toHex();
}

} // namespace

bool elaborate(const Sources &sources, const QString &command, const QString &passes, Netlist *netlist, QString *error, const QString &verilogPasses,
               QByteArray *verilog, Written form)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("yosys"));
    // Qt's temporary path is empty for a TMPDIR that names no directory, and
    // its temporary directory would then be made at the file-system root.
    const QString temporary = QDir::tempPath();
    if (!program.isEmpty() && (temporary.isEmpty() || !QFileInfo(temporary).isDir())) {
        *error = QStringLiteral("TMPDIR=%1 names no directory, where Yosys would work; set it to one, or unset it")
                     .arg(qEnvironmentVariable("TMPDIR"));
        return false;
    }
    WorkDirectory work;
    const QByteArray version = program.isEmpty() || !work.error().isEmpty() ? QByteArray() : recentVersion(program, &work);
    if (program.isEmpty() || (work.error().isEmpty() && version.isEmpty())) {
        *error = QStringLiteral("%1 needs Yosys 0.23 or later; install the Debian package yosys").arg(command);
        return false;
    }
    if (!work.error().isEmpty()) {
        *error = work.error();
        return false;
    }
    if (!quotable(work.path())) {
        *error = QStringLiteral("TMPDIR=%1 holds a double quote or control character, which Yosys cannot write to; set it to another directory").arg(temporary);
        return false;
    }

    const QByteArray key = cacheKey(sources, version, script(sources, QStringLiteral("@work"), passes, verilogPasses, verilog, form));
    ElaborationCache::Entry cached;
    if (!key.isEmpty() && sources.useCache && ElaborationCache::find(key, verilog, &cached) && (!verilog || cached.verilog.endsWith(ending(form)))
        && netlist->fromBytes(cached.netlist)) {
        netlist->setFilesRead(cached.read);
        if (verilog)
            *verilog = cached.verilog;
        return true;
    }
    *netlist = Netlist();

    QFile scriptFile(work.filePath(QStringLiteral("design.ys")));
    if (!scriptFile.open(QIODevice::WriteOnly) || scriptFile.write(script(sources, work.path(), passes, verilogPasses, verilog, form).toUtf8()) < 0 || !scriptFile.flush()) {
        *error = QStringLiteral("cannot write the Yosys script: %1").arg(scriptFile.errorString());
        return false;
    }
    scriptFile.close();
    const QString dependencies = work.filePath(QStringLiteral("design.d"));
    const YosysRun run = runYosys(program, {QStringLiteral("-q"), QStringLiteral("-E"), dependencies, QStringLiteral("-s"), scriptFile.fileName()},
                                  sources.yosysSeconds, &work);
    *error = outcome(run, sources);
    if (!error->isEmpty())
        return false;
    QByteArray json;
    ElaborationCache::Entry made;
    *error = readWritten(work.filePath(QStringLiteral("design.json")), "}\n", "netlist", &json);
    if (error->isEmpty() && verilog)
        *error = readWritten(work.filePath(writtenName(form)), ending(form), form == Written::Json ? "JSON" : "Verilog", &made.verilog);
    if (!error->isEmpty() || !netlist->read(json, sources.top, error))
        return false;
    made.netlist = netlist->toBytes();
    made.read = ElaborationCache::filesRead(dependencies, scriptFile.fileName());
    netlist->setFilesRead(made.read);
    if (!key.isEmpty() && sources.useCache)
        ElaborationCache::store(key, made, sources.includeDirs);
    if (verilog)
        *verilog = made.verilog;
    return true;
}

bool verilogOfJson(const QByteArray &json, const Sources &sources, QByteArray *verilog, QString *error)
{
    WorkDirectory work;
    if (!work.error().isEmpty()) {
        *error = work.error();
        return false;
    }
    QFile file(work.filePath(QStringLiteral("design.json")));
    if (!file.open(QIODevice::WriteOnly) || !ZARN::writeAll(file, json) || !file.flush()) {
        *error = QStringLiteral("cannot write the netlist for Yosys: %1").arg(file.errorString());
        return false;
    }
    file.close();
    const QString script = QStringLiteral("read_json %1; write_verilog %2").arg(quoted(file.fileName()), quoted(work.filePath(QStringLiteral("design.v"))));
    const YosysRun run = runYosys(QStandardPaths::findExecutable(QStringLiteral("yosys")), {QStringLiteral("-q"), QStringLiteral("-p"), script},
                                  sources.yosysSeconds, &work);
    *error = outcome(run, sources);
    if (error->isEmpty())
        *error = readWritten(work.filePath(QStringLiteral("design.v")), ending(Written::Verilog), "Verilog", verilog);
    return error->isEmpty();
}

namespace {

// "cpu/core.v:12.14-12.17": cpu/core.v, 12, 14; the file name may hold colons.
const QRegularExpression placePattern(QStringLiteral("^(.*):(\\d+)\\.(\\d+)(-\\d+\\.\\d+)?$"));

} // namespace

QString sourcePlace(const Sources &sources, const QString &src)
{
    const QRegularExpressionMatch match = placePattern.match(src.section(QLatin1Char('|'), -1));
    if (!match.hasMatch())
        return sources.top;
    return QStringLiteral("%1:%2:%3").arg(match.captured(1), match.captured(2), match.captured(3));
}

QVector<int> sourceOrder(const Sources &sources, const QString &src)
{
    QVector<int> order;
    for (const QString &place : src.split(QLatin1Char('|'))) {
        const QRegularExpressionMatch match = placePattern.match(place);
        const qsizetype file = sources.files.indexOf(match.captured(1));
        order << int(file < 0 ? sources.files.size() : file) << match.captured(2).toInt() << match.captured(3).toInt();
    }
    return order;
}

} // namespace Design
