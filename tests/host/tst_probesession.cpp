// A probe session against a stand-in for OpenOCD that answers as a table
// says (tests/data/host/sessions.txt): the exact Tcl of each call's one RPC,
// and every status and answer it must refuse, which a running design rarely
// gives.

#include "scriptedserver.h"
#include "testdata.h"

#include <zarn/host/openocdclient.h>
#include <zarn/host/probesession.h>

#include <QTest>

using ZARN::DrField;
using ZARN::OpenOcdClient;
using ZARN::ProbeMap;
using ZARN::ProbeMapCore;
using ZARN::ProbeMapProbe;
using ZARN::ProbeSession;

namespace {

ProbeMapProbe probe(const char *kind, int index, int width)
{
    ProbeMapProbe probe;
    probe.kind = QLatin1String(kind);
    probe.index = index;
    probe.width = width;
    return probe;
}

// Core 0 without a user clock: inputs of 4 and 8 bits, an output of 4.
// Core 1 on clk: an input of 3 bits, an output of 2. Core 2 without one:
// an input and an output of 4096 bits. The design's identity is 0xdeadbeef.
ProbeMap twoCores()
{
    ProbeMap map;
    map.configurationSha256 = QStringLiteral("deadbeef").leftJustified(64, QLatin1Char('0'));
    ProbeMapCore plain;
    plain.probes = {probe("out", 0, 4), probe("in", 1, 8), probe("in", 0, 4)};
    ProbeMapCore clocked;
    clocked.position = 1;
    clocked.index = 1;
    clocked.synchronised = true;
    clocked.clock = QStringLiteral("clk");
    clocked.probes = {probe("in", 0, 3), probe("out", 0, 2)};
    ProbeMapCore widest;
    widest.position = 2;
    widest.index = 2;
    widest.probes = {probe("in", 0, 4096), probe("out", 0, 4096)};
    map.cores = {plain, clocked, widest};
    return map;
}

QString failureName(ProbeSession::Failure failure)
{
    static const char *const names[] = {"", "openocd", "tap", "other design", "no core", "clock stopped", "refused", "value"};
    return QLatin1String(names[int(failure)]);
}

QString hexOf(const QVector<DrField> &fields)
{
    QStringList texts;
    for (const DrField &field : fields)
        texts.append(field.toHex());
    return texts.join(QLatin1Char(' '));
}

} // namespace

class TestProbeSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void calls_data() { addRowsFromTable(QStringLiteral("host/sessions.txt"), {"case", "call", "script", "failure", "error", "values", "command"}); }

    void calls()
    {
        const int patience = 30000;
        ScriptedServer server(field("script"));
        OpenOcdClient client;
        QString error;
        QVERIFY2(client.connectToHost(QStringLiteral("127.0.0.1"), server.port(), patience, &error), qPrintable(error));
        ProbeSession session(&client, twoCores());
        session.setRetries(1, 1000);

        const QStringList call = expand(field("call")).split(QLatin1Char(' '));
        const int position = call.value(1).toInt();
        ProbeSession::Result result;
        QString values;
        if (call.first() == QLatin1String("check")) {
            result = session.checkDesign();
        } else if (call.first() == QLatin1String("read")) {
            QVector<DrField> inputs;
            QVector<DrField> outputs;
            result = session.read(position, &inputs, &outputs);
            values = hexOf(inputs) + QLatin1String(" | ") + hexOf(outputs);
        } else if (call.first() == QLatin1String("readOutputs")) {
            QVector<DrField> outputs;
            result = session.readOutputs(position, &outputs);
            values = hexOf(outputs);
        } else {
            // write POSITION WIDTH:HEX...
            QVector<DrField> outputs;
            for (const QString &value : call.mid(2)) {
                outputs.append(DrField());
                QVERIFY(DrField::fromHex(value.section(QLatin1Char(':'), 1), value.section(QLatin1Char(':'), 0, 0).toInt(), &outputs.last()));
            }
            result = session.write(position, outputs);
        }
        QCOMPARE(failureName(result.failure), field("failure"));
        QCOMPARE(result.error, field("error").replace(QLatin1String("PORT"), QString::number(server.port())));
        if (result.ok() && call.first() != QLatin1String("check") && call.first() != QLatin1String("write"))
            QCOMPARE(values, expand(field("values")));
        client.close();
        if (!field("command").isEmpty())
            QCOMPARE(QString::fromUtf8(server.received()), QStringLiteral("set _r [catch {%1} _v]; list $_r $_v\x1a").arg(expand(field("command"))));
    }
};

QTEST_GUILESS_MAIN(TestProbeSession)
#include "tst_probesession.moc"
