#include "console.h"

#include <zarn/conversions.h>

#include <QCommandLineParser>
#include <QTextStream>

#include <cstdio>

namespace Console {

namespace {

void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // The reader's progress lines are for the host tool's log, not for a
    // terminal; what a writer could not do is worth seeing.
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    error(QLatin1String("zarn: ") + message);
}

} // namespace

void installMessageHandler()
{
    qInstallMessageHandler(messageHandler);
}

void out(const QString &line)
{
    QTextStream(stdout) << line << '\n';
}

void error(const QString &line)
{
    QTextStream(stderr) << line << '\n';
}

QString hexOf(const QString &binary)
{
    return QLatin1String("0x") + ZARN::stringBintoHex(binary);
}

int fail(const QString &message)
{
    error(QLatin1String("zarn: ") + message);
    return Failure;
}

bool parse(QCommandLineParser &parser, const QStringList &arguments, const QString &usage, int *exitCode)
{
    const QCommandLineOption helpOption = parser.addHelpOption();
    if (!parser.parse(arguments)) {
        // Qt ends its sentence with a full stop; ours goes on after it.
        QString said = parser.errorText();
        if (said.endsWith(QLatin1Char('.')))
            said.chop(1);
        *exitCode = fail(said + QStringLiteral("; run '%1 --help' for the options").arg(arguments.first()));
        return false;
    }
    // Only process() knows --help-all (the help with Qt's own options); it
    // prints it and exits.
    if (parser.isSet(QStringLiteral("help-all")))
        parser.process(arguments);
    if (parser.isSet(helpOption)) {
        // Qt's usage line names the program only; name the command too.
        QString help = parser.helpText();
        help.replace(0, help.indexOf(QLatin1Char('\n')), QLatin1String("Usage: ") + usage);
        QTextStream(stdout) << help;
        *exitCode = Success;
        return false;
    }
    return true;
}

} // namespace Console
