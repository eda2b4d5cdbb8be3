// The client of OpenOCD's Tcl RPC port: against a server in a thread of the
// test that answers as a table says, and against OpenOCD itself where it is
// installed (or must be, under ZARN_REQUIRE_HOST_TOOLS=1).

#include "scriptedserver.h"
#include "testdata.h"

#include <zarn/host/openocdclient.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <memory>

using ZARN::OpenOcdClient;

namespace {

QString statusName(OpenOcdClient::Status status)
{
    static const char *const names[] = {"ok", "not connected", "invalid command", "closed", "timed out", "too large", "malformed", "tcl error"};
    return QLatin1String(names[int(status)]);
}

} // namespace

class TestOpenOcdClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replies_data() { addRowsFromTable(QStringLiteral("host/openocdreplies.txt"), {"case", "command", "script", "status", "value", "error", "scans"}); }

    void replies()
    {
        ScriptedServer server(field("script"));
        OpenOcdClient client;
        QString error;
        QVERIFY2(client.connectToHost(QStringLiteral("127.0.0.1"), server.port(), Patience, &error), qPrintable(error));
        const QString status = field("status");
        const int limit = status == QLatin1String("timed out") ? 300 : Patience;
        client.setReplyTimeout(limit);
        client.setReplyLimit(1000);
        const QString command = expand(field("command"));

        QElapsedTimer clock;
        clock.start();
        const OpenOcdClient::Reply reply = client.run(command);
        const qint64 took = clock.elapsed();
        QCOMPARE(statusName(reply.status), status);
        QCOMPARE(reply.value, expand(field("value")));
        QCOMPARE(reply.error, field("error").replace(QLatin1String("HOST:PORT"), QStringLiteral("127.0.0.1:%1").arg(server.port())));
        // A bound, not a speed: the time limit is honoured, and nothing waited for the default.
        if (status == QLatin1String("timed out"))
            QVERIFY2(took >= limit && took < 10000, qPrintable(QString::number(took)));

        if (!field("scans").isEmpty()) {
            QStringList scans = {reply.value};
            if (command.startsWith(QLatin1String("list ")))
                QVERIFY(OpenOcdClient::splitList(reply.value, &scans));
            for (QString &scan : scans)
                scan = OpenOcdClient::drscanFields(scan).join(QLatin1Char(' '));
            QCOMPARE(scans.join(QLatin1String(" | ")), field("scans"));
        }

        // A failure in the middle of a reply leaves the stream out of step:
        // the client lets the connection go.
        const bool broken = status == QLatin1String("closed") || status == QLatin1String("timed out") || status == QLatin1String("too large");
        if (broken || !field("script").contains(QLatin1String("<close>")))
            QCOMPARE(client.isConnected(), !broken);
        if (broken)
            QCOMPARE(client.run(QStringLiteral("version")).status, OpenOcdClient::Status::NotConnected);

        client.close();
        const QByteArray wire = status == QLatin1String("invalid command") ? QByteArray() : "set _r [catch {" + command.toUtf8() + "} _v]; list $_r $_v\x1a";
        QVERIFY(server.received() == wire);
    }

    void splitList_data() { addRowsFromTable(QStringLiteral("host/tcllists.txt"), {"case", "list", "elements"}); }

    void splitList()
    {
        QStringList elements = {QStringLiteral("unchanged")};
        const bool ok = OpenOcdClient::splitList(field("list"), &elements);
        QCOMPARE(ok, field("elements") != QLatin1String("!"));
        QString shown;
        for (const QString &element : qAsConst(elements))
            shown += QLatin1Char('<') + element + QLatin1Char('>');
        QCOMPARE(shown, ok ? field("elements") : QStringLiteral("<unchanged>"));
    }

    void connectFails_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("error");
        QTest::newRow("refused") << "127.0.0.1" << "cannot connect to OpenOCD at 127.0.0.1:PORT: connection refused (is OpenOCD running, with its Tcl port there?)";
        QTest::newRow("host not found") << "nosuchhost.invalid" << "cannot connect to OpenOCD at nosuchhost.invalid:PORT: host not found";
    }

    void connectFails()
    {
        // A port that was free a moment ago: nobody listens there.
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();

        OpenOcdClient client;
        QCOMPARE(client.run(QStringLiteral("version")).error, QStringLiteral("not connected to OpenOCD"));
        QString error;
        QVERIFY(!client.connectToHost(field("host"), port, Patience, &error));
        QCOMPARE(error, field("error").replace(QLatin1String("PORT"), QString::number(port)));
        QVERIFY(!client.isConnected());
        const OpenOcdClient::Reply reply = client.run(QStringLiteral("version"));
        QCOMPARE(reply.status, OpenOcdClient::Status::NotConnected);
        QCOMPARE(reply.error, QStringLiteral("not connected to OpenOCD at %1:%2").arg(field("host")).arg(port));
    }

    void realOpenOcd()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("openocd"));
        if (program.isEmpty()) {
            if (qEnvironmentVariableIntValue("ZARN_REQUIRE_HOST_TOOLS") == 1)
                QFAIL("openocd missing");
            QSKIP("openocd not installed");
        }
        // No adapter: noinit keeps OpenOCD from looking for one, and it
        // serves Tcl on a port the system picks.
        QTemporaryDir dir;
        QProcess openocd;
        const auto reap = qScopeGuard([&openocd] {
            if (openocd.state() != QProcess::NotRunning) {
                openocd.kill();
                openocd.waitForFinished(Patience);
            }
        });
        openocd.setWorkingDirectory(dir.path());
        openocd.setProcessChannelMode(QProcess::MergedChannels);
        openocd.start(program, {"-c", "tcl_port 0", "-c", "telnet_port disabled", "-c", "gdb_port disabled", "-c", "adapter driver remote_bitbang",
                                   "-c", "remote_bitbang host 127.0.0.1", "-c", "remote_bitbang port 1", "-c", "noinit"});
        static const QRegularExpression listening(QStringLiteral("Listening on port (\\d+) for tcl connections"));
        QString log;
        QRegularExpressionMatch match;
        for (QDeadlineTimer deadline(Patience); !(match = listening.match(log)).hasMatch() && !deadline.hasExpired() && openocd.waitForReadyRead(int(deadline.remainingTime()));)
            log += QString::fromUtf8(openocd.readAll());
        QVERIFY2(match.hasMatch(), qPrintable(log));

        OpenOcdClient client;
        QString error;
        QVERIFY2(client.connectToHost(QStringLiteral("127.0.0.1"), quint16(match.captured(1).toUInt()), Patience, &error), qPrintable(error));
        client.setReplyTimeout(Patience);
        const OpenOcdClient::Reply version = client.run(QStringLiteral("version"));
        QVERIFY2(version.ok() && version.value.startsWith(QLatin1String("Open On-Chip Debugger")), qPrintable(version.value + version.error));
        QCOMPARE(client.run(QStringLiteral("expr {1 + 2}")).value, QStringLiteral("3"));
        const OpenOcdClient::Reply unknown = client.run(QStringLiteral("zarn_no_such_command 1"));
        QCOMPARE(unknown.status, OpenOcdClient::Status::TclError);
        QCOMPARE(unknown.value, QStringLiteral("invalid command name \"zarn_no_such_command\""));

        QVERIFY2(client.shutdownServer(&error), qPrintable(error));
        QVERIFY(!client.isConnected());
        QVERIFY(openocd.waitForFinished(Patience));
        QCOMPARE(openocd.exitStatus(), QProcess::NormalExit);
    }
};

QTEST_GUILESS_MAIN(TestOpenOcdClient)
#include "tst_openocdclient.moc"
