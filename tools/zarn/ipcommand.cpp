#include "commands.h"
#include "console.h"
#include "openip.h"
#include "outputdirectory.h"

#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

int runIp(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the open cores into DIR, an IP root for --ip-root of zarn generate and zarn insert: xq_jtag.v (XQ_JTAG as a soft "
        "JTAG port on four ordinary pins, and MUX2), the control core ZARN/XQ_ZARN_CON/ and one core per position ZARN/XQ_ZARN_<n>/ "
        "for n up to %1. The directory is written beside DIR and takes its place whole; it replaces only what zarn wrote.")
                                         .arg(OpenIp::maxCores - 1));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("The IP root to write."), QStringLiteral("DIR"));
    const QCommandLineOption forceOption(QStringLiteral("force"),
                                         QStringLiteral("Replace DIR even when it holds files that zarn did not write; they are deleted."));
    parser.addOptions({outOption, forceOption});
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn ip --out DIR [--force]"), &exitCode))
        return exitCode;
    if (!parser.positionalArguments().isEmpty())
        return Console::fail(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    if (parser.value(outOption).isEmpty())
        return Console::fail(QStringLiteral("ip needs --out DIR; run 'zarn ip --help'"));

    OutputDirectory output(parser.value(outOption));
    const bool force = parser.isSet(forceOption);
    const QString refusal = output.refusal({}, force);
    if (!refusal.isEmpty())
        return Console::fail(refusal);
    QString error = output.begin({}, force);
    if (!error.isEmpty())
        return Console::fail(error);

    const QString resources = QStringLiteral(":/ip");
    QDirIterator sources(resources, QDir::Files, QDirIterator::Subdirectories);
    while (sources.hasNext()) {
        const QString source = sources.next();
        const QString target = output.stagingDirectory() + source.mid(resources.size());
        QFile in(source);
        if (!QDir().mkpath(QFileInfo(target).path()) || !in.open(QIODevice::ReadOnly))
            return Console::fail(QStringLiteral("%1: cannot create it").arg(output.published(target)));
        QSaveFile out(target);
        if (!out.open(QIODevice::WriteOnly) || out.write(in.readAll()) < 0 || !out.commit())
            return Console::fail(QStringLiteral("%1: %2").arg(output.published(target), out.errorString()));
    }
    error = output.commit();
    if (!error.isEmpty())
        return Console::fail(error);
    Console::out(output.path());
    return Console::Success;
}
