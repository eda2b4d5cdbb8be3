// The probe map proven by simulation: the generated top module with stub
// cores runs in Icarus Verilog.  Nets driven to known values must give the
// input probes values that decodeProbe() takes apart into those values; an
// output probe set to what encodeProbe() made must drive each net to the
// value it was given.  The bench reaches everything by the map's names:
// ports, instances, probe ports.

#include "testdata.h"
#include "verilogharness.h"

#include <zarn/zarn.h>

#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace ZARN;
using namespace VerilogHarness;

namespace {

// The port of the net that the bus's @p i-th bit (its most significant
// first) stands for, by name: the configuration names a bus's bits
// "name[index]" from its msb to its lsb.
QString busBitPort(const ProbeMapProbe &probe, const ProbeMapBus &bus, int i)
{
    const QString name = QStringLiteral("%1[%2]").arg(bus.name).arg(bus.msb >= bus.lsb ? bus.msb - i : bus.msb + i);
    for (const ProbeMapNet &net : probe.nets) {
        if (net.net == name)
            return net.port;
    }
    return QString();
}

} // namespace

class TestProbeMapSimulation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapMatchesTheWires_data()
    {
        QTest::addColumn<QString>("config");
        QTest::newRow("example") << QStringLiteral(ZARN_TEST_DATA_DIR "/../../examples/design.xml");
        QTest::newRow("cpu, marked in its RTL") << testData("design/cpu-init.xml");
        QTest::newRow("escaped names") << testData("lint/corpus/clean-escaped.xml");
    }

    void mapMatchesTheWires()
    {
        QFETCH(QString, config);
        QTemporaryDir dir;
        ZarnArg arg;
        arg.configFile = config;
        arg.outputDir = dir.path();
        QVERIFY(ZarnPrepare().prepare(arg));
        const QList<ZarnCore *> cores = readZARNConfigFromXml(config);
        writeFile(dir.filePath("stubs.v"), harness(cores).stubs.toUtf8());
        QCOMPARE(writeProbeMap(cores, config, QString(), dir.filePath("map.json")), QString());
        qDeleteAll(cores);
        ProbeMap map;
        QString error;
        QVERIFY(ProbeMap::read(dir.filePath("map.json"), &map, &error));

        // Every port once: driven by the bench, or by an output probe.
        QRandomGenerator random(7);
        const auto randomBit = [&random] { return QString(QLatin1Char(random.bounded(2) ? '1' : '0')); };
        QHash<QString, QString> driven; // port -> the bit the bench drives
        QSet<QString> probeDriven;
        for (const ProbeMapCore &core : map.cores) {
            for (const ProbeMapProbe &probe : core.probes) {
                for (const ProbeMapNet &net : probe.nets) {
                    if (probe.kind == QLatin1String("out") && !net.port.isEmpty())
                        probeDriven.insert(net.port);
                }
            }
        }
        QString declarations, connections, stimulus, checks, forces;
        QHash<QString, QString> expected; // "NET ..." the bench prints -> what the map says it must be
        QHash<QString, const ProbeMapProbe *> inputs; // "IN ..." the bench prints -> the input probe it reads
        for (const ProbeMapCore &core : map.cores) {
            for (const ProbeMapProbe &probe : core.probes) {
                const QString probePort = QStringLiteral("dut.%1.%2").arg(core.instance, probe.port);
                if (probe.width == 0)
                    continue;
                if (probe.kind == QLatin1String("in")) {
                    for (const ProbeMapNet &net : probe.nets) {
                        if (!driven.contains(net.port) && !probeDriven.contains(net.port))
                            driven.insert(net.port, randomBit());
                    }
                    // The host reads the probe as one number; the map takes it apart.
                    const QString read = QStringLiteral("IN %1").arg(probe.port + core.instance);
                    checks += QStringLiteral("        $display(\"%1 %b\", %2);\n").arg(read, probePort);
                    inputs.insert(read, &probe);
                    continue;
                }
                QList<QPair<QString, QString>> assignments;
                QHash<QString, QString> values;
                for (const ProbeMapBus &bus : probe.buses) {
                    QString bits;
                    while (bits.size() < bus.bits.size())
                        bits += randomBit();
                    assignments.append({bus.name, QLatin1String("0b") + bits});
                    for (int i = 0; i < bus.bits.size(); ++i)
                        values.insert(busBitPort(probe, bus, i), QString(bits.at(i)));
                }
                for (const ProbeMapNet &net : probe.nets) {
                    if (!values.contains(net.port) && !net.port.isEmpty()) {
                        const QString bit = randomBit();
                        assignments.append({net.net, bit});
                        values.insert(net.port, bit);
                    }
                }
                const QString value = encodeProbe(probe, assignments, &error);
                QVERIFY2(!value.isEmpty(), qPrintable(error));
                forces += QStringLiteral("        force %1 = %2'h%3;\n").arg(probePort).arg(probe.width).arg(value.mid(2));
                // Numbered: an escaped name in a Verilog string would be read as escapes.
                for (auto net = values.cbegin(); net != values.cend(); ++net) {
                    checks += QStringLiteral("        $display(\"NET %1 %b\", %2);\n").arg(expected.size()).arg(net.key());
                    expected.insert(QStringLiteral("NET %1").arg(expected.size()), net.value());
                }
            }
        }
        QStringList ports = driven.keys() + probeDriven.values();
        ports.removeDuplicates();
        for (const QString &port : std::as_const(ports)) {
            declarations += QStringLiteral("    %1 %2;\n").arg(QLatin1String(driven.contains(port) ? "reg" : "wire"), port);
            connections += QStringLiteral(",\n        .%1(%1)").arg(port);
            if (driven.contains(port))
                stimulus += QStringLiteral("        %1 = 1'b%2;\n").arg(port).arg(driven.value(port));
        }
        const QString bench = QString::fromUtf8(fileBytes(testData("probemap/bench.v"))).arg(declarations, map.topModule, connections, stimulus, forces, checks);
        writeFile(dir.filePath("bench.v"), bench.toUtf8());
        const Tool compile = run(dir.path(), {"iverilog", "-g2005", "-s", "bench", "-o", "bench.vvp", "-I.", map.topFile, "stubs.v", "bench.v"});
        if (!compile.ran && qEnvironmentVariableIntValue("ZARN_REQUIRE_VERILOG_TOOLS") != 1)
            QSKIP("Icarus Verilog is not installed");
        QVERIFY2(compile.accepted, qPrintable(compile.output + bench));
        const Tool simulation = run(dir.path(), {"vvp", "-n", "bench.vvp"});

        int seen = 0;
        for (const QString &line : simulation.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QString what = line.section(QLatin1Char(' '), 0, -2);
            const QString bits = line.section(QLatin1Char(' '), -1);
            if (!expected.contains(what) && !inputs.contains(what))
                continue;
            ++seen;
            if (what.startsWith(QLatin1String("IN "))) {
                // What the probe read, decoded by the map, is what each net was driven to.
                const ProbeMapProbe *probe = inputs.value(what);
                QVERIFY(probe);
                const QList<ProbeField> fields = decodeProbe(*probe, QLatin1String("0b") + bits, &error);
                QVERIFY2(!fields.isEmpty(), qPrintable(error));
                for (const ProbeField &field : fields) {
                    QString want;
                    for (const ProbeMapBus &bus : probe->buses) {
                        for (int i = 0; bus.name == field.name && i < bus.bits.size(); ++i)
                            want += driven.value(busBitPort(*probe, bus, i));
                    }
                    for (const ProbeMapNet &net : probe->nets) {
                        if (field.kind == QLatin1String("net") && net.net == field.name)
                            want = driven.value(net.port);
                    }
                    QCOMPARE(field.binary, want);
                }
            } else {
                QCOMPARE(bits, expected.value(what));
            }
        }
        QCOMPARE(seen, expected.size() + inputs.size());
    }
};

QTEST_GUILESS_MAIN(TestProbeMapSimulation)
#include "tst_probemapsim.moc"
