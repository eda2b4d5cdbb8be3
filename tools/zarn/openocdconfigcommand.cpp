#include "commands.h"
#include "console.h"

#include <zarn/host/coreprotocol.h>

#include <QCommandLineParser>

namespace {

// A TCP port as an option gives it: 1 to 65535, or 0 where @p zeroTakes.
bool parsePort(const QString &text, bool zeroTakes, int *port)
{
    bool ok = false;
    *port = text.toInt(&ok);
    return ok && *port <= 65535 && (*port > 0 || (zeroTakes && *port == 0));
}

// The adapter's lines: the twin's remote_bitbang, or where a board's go.
QString adapterLines(int remoteBitbangPort)
{
    if (remoteBitbangPort > 0)
        return QStringLiteral("# The simulation twin (zarn sim) on this machine.\n"
                              "adapter driver remote_bitbang\n"
                              "remote_bitbang host 127.0.0.1\n"
                              "remote_bitbang port %1\n")
            .arg(remoteBitbangPort);
    return QStringLiteral("# Your JTAG adapter goes here, wired to the four pads tms_pad_i, tck_pad_i,\n"
                          "# tdi_pad_i and tdo_pad_o; for example an FTDI cable:\n"
                          "#   source [find interface/ftdi/digilent-hs1.cfg]\n"
                          "#   adapter speed 1000\n");
}

} // namespace

int runOpenOcdConfig(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints the OpenOCD configuration for the JTAG port of the open cores: the adapter (the simulation twin's "
        "remote_bitbang, or a comment where a board's adapter goes), the Tcl port that zarn probe talks to, and the TAP "
        "zarn.tap with the cores' IDCODE. openocd -f takes it as it is."));
    const QCommandLineOption remoteBitbangOption(QStringLiteral("remote-bitbang"), QStringLiteral("Reach the twin that listens on PORT of 127.0.0.1."),
                                                 QStringLiteral("PORT"));
    const QCommandLineOption tclPortOption(QStringLiteral("tcl-port"), QStringLiteral("Serve Tcl on PORT (default 6666; 0: one the system chooses)."),
                                           QStringLiteral("PORT"), QStringLiteral("6666"));
    parser.addOption(remoteBitbangOption);
    parser.addOption(tclPortOption);
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn openocd-config [--remote-bitbang PORT] [--tcl-port PORT]"), &exitCode))
        return exitCode;
    if (!parser.positionalArguments().isEmpty())
        return Console::fail(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    int remoteBitbangPort = 0;
    if (parser.isSet(remoteBitbangOption) && !parsePort(parser.value(remoteBitbangOption), false, &remoteBitbangPort))
        return Console::fail(QStringLiteral("--remote-bitbang takes a port from 1 to 65535, not '%1'").arg(parser.value(remoteBitbangOption)));
    int tclPort = 0;
    if (!parsePort(parser.value(tclPortOption), true, &tclPort))
        return Console::fail(QStringLiteral("--tcl-port takes a port from 0 to 65535, not '%1'").arg(parser.value(tclPortOption)));

    // The underscore spellings are the ones OpenOCD 0.12 knows; later
    // versions still take them.
    Console::out(QStringLiteral("# OpenOCD for the open debug cores (zarn openocd-config).\n"
                                "%1"
                                "transport select jtag\n"
                                "tcl_port %2\n"
                                "telnet_port disabled\n"
                                "gdb_port disabled\n"
                                "jtag newtap zarn tap -irlen %3 -ircapture 0x5 -irmask 0xf -expected-id 0x%4\n"
                                "init")
                     .arg(adapterLines(remoteBitbangPort))
                     .arg(tclPort)
                     .arg(ZARN::CoreProtocol::instructionBits)
                     .arg(ZARN::CoreProtocol::idcode, 8, 16, QLatin1Char('0')));
    return Console::Success;
}
