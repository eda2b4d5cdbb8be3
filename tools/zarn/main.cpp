#include "commands.h"
#include "console.h"

#include <zarn/zarnutils_version.h>

#include <QCommandLineParser>
#include <QCoreApplication>

#include <QFile>
#include <QTextStream>

#include <csignal>
#include <functional>

namespace {

struct Command
{
    const char *name;
    const char *summary;
    std::function<int(const QStringList &)> run;
};

const Command commands[] = {
    {"generate", "Generate the Verilog of the virtual I/O cores of a configuration.", runGenerate},
    {"check", "Check the structure of a configuration file and summarise it.", runCheck},
    {"lint", "Report what in a configuration would give broken or surprising Verilog.", runLint},
    {"convert", "Convert output-probe values between binary and hexadecimal.", runConvert},
    {"decode", "Take an input probe's value apart into its nets and buses, by the probe map.", runDecode},
    {"encode", "Make an output probe's value from values of its nets and buses, by the probe map.", runEncode},
    {"nets", "List the nets of a design, as Yosys elaborates it.", runNets},
    {"init", "Write a configuration from the nets marked in a design's RTL.", runInit},
    {"insert", "Generate the cores and wire them into a design, as one flattened module.", runInsert},
    {"devices", "List the devices and packages a generation knows, and the control core of each.", runDevices},
    {"ip", "Write the open cores (a soft JTAG port, the control core, the virtual I/O core) as an IP root.", runIp},
    {"openocd-config", "Print the OpenOCD configuration for the open cores' JTAG port.", runOpenOcdConfig},
    {"probe", "Read and write the probes of a running design by name, through OpenOCD.", runProbe},
    {"sim", "Build the simulation twin of an inserted design, which OpenOCD reaches through remote_bitbang.", runSim},
};

// Qt hands arguments over as text: bytes that are no valid text come out
// changed, and a path built from them would name another file.
QString unfaithfulArgument(int argc, char *argv[], const QStringList &arguments)
{
    for (int i = 1; i < argc && i < arguments.size(); ++i) {
        if (QFile::encodeName(arguments.at(i)) != QByteArray(argv[i]))
            return QStringLiteral("the argument '%1' is not valid UTF-8 text; zarn takes only names that are (rename the file or directory)")
                .arg(QString::fromLatin1(QByteArray(argv[i]).toPercentEncoding("/:=.-_ ")));
    }
    return QString();
}

QString commandList()
{
    QString text = QStringLiteral("Commands:\n");
    for (const Command &command : commands)
        text += QStringLiteral("  %1  %2\n").arg(QLatin1String(command.name), -9).arg(QLatin1String(command.summary));
    return text + QStringLiteral("\nRun 'zarn COMMAND --help' for the options of a command.");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zarn"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZARNUTILS_VERSION_STRING));
    Console::installMessageHandler();
    // Past a file-size limit a write is to fail and be reported, not to kill us.
    std::signal(SIGXFSZ, SIG_IGN);

    QStringList arguments = QCoreApplication::arguments();
    const QString unfaithful = unfaithfulArgument(argc, argv, arguments);
    if (!unfaithful.isEmpty())
        return Console::fail(unfaithful);
    if (arguments.size() > 1 && !arguments.at(1).startsWith(QLatin1Char('-'))) {
        const QString name = arguments.at(1);
        for (const Command &command : commands) {
            if (name == QLatin1String(command.name)) {
                arguments.removeAt(1);
                arguments[0] = QLatin1String("zarn ") + name;
                return command.run(arguments);
            }
        }
        return Console::fail(QStringLiteral("unknown command '%1'; run 'zarn --help' for the list").arg(name));
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Virtual I/O debug cores: generation, checks and conversions.\n\n") + commandList());
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    // The usage line names zarn as users call it, not by the path it was started from.
    arguments[0] = QStringLiteral("zarn");
    if (!parser.parse(arguments))
        return Console::fail(parser.errorText());
    if (parser.isSet(versionOption))
        parser.showVersion();
    if (parser.isSet(QStringLiteral("help-all")))
        parser.process(arguments);
    QString help = parser.helpText();
    help.replace(0, help.indexOf(QLatin1Char('\n')), QLatin1String("Usage: zarn COMMAND [options]"));
    if (parser.isSet(helpOption)) {
        QTextStream(stdout) << help;
        return Console::Success;
    }
    Console::error(help.trimmed());
    return Console::fail(QStringLiteral("no command given"));
}
