// The probe map: values taken apart and made again, the map written and
// read back, and the maps the reader must refuse.

#include "testdata.h"

#include <zarn/conversions.h>
#include <zarn/probemap.h>
#include <zarn/zarncore.h>

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <csignal>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ZARN;

namespace {

QString randomBits(QRandomGenerator &random, int width)
{
    QString bits;
    for (int i = 0; i < width; ++i)
        bits += QLatin1Char(random.bounded(2) ? '1' : '0');
    return bits;
}

// A probe of @p width bits: buses of random sizes over random bits, in any
// order (so neither contiguous nor in order), the other bits single nets.
ProbeMapProbe randomProbe(QRandomGenerator &random, int width)
{
    ProbeMapProbe probe{QStringLiteral("out"), 0, width, QStringLiteral("probe_out0"), QString(), {}, {}};
    QVector<int> order(width);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    int taken = 0;
    while (taken < width && random.bounded(4) != 0) {
        const int size = std::min(width - taken, 1 + int(random.bounded(std::min(width, 80))));
        probe.buses.append({QStringLiteral("bus%1").arg(probe.buses.size()), size - 1, 0, order.mid(taken, size)});
        taken += size;
    }
    const QVector<int> alone = order.mid(taken);
    for (int bit = width - 1; bit >= 0; --bit)
        probe.nets.append({bit, QStringLiteral("%1%2").arg(QLatin1String(alone.contains(bit) ? "net" : "inbus")).arg(bit), QString(), QString()});
    probe.initialValue = QLatin1String("0x") + stringBintoHex(randomBits(random, width));
    return probe;
}

} // namespace

class TestProbeMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valueBits_data() { addRowsFromTable(QStringLiteral("probemap/values.txt"), {"case", "value", "width", "bits", "decimal", "error"}); }

    void valueBits()
    {
        QString error;
        QCOMPARE(probeValueBits(field("value"), field("width").toInt(), &error), field("bits"));
        QCOMPARE(error, field("error"));
        // A caller that needs no reason gives no place for it.
        QCOMPARE(probeValueBits(field("value"), field("width").toInt(), nullptr), field("bits"));
        if (!field("bits").isEmpty())
            QCOMPARE(bitsToDecimal(field("bits")), field("decimal"));
    }

    void decimalsBothWays()
    {
        // Random numbers of up to 4,000 bits through decimal and back.
        QRandomGenerator random(20261207);
        for (int i = 0; i < 50; ++i) {
            const int width = 1 + int(random.bounded(4000));
            const QString bits = randomBits(random, width);
            QCOMPARE(probeValueBits(bitsToDecimal(bits), width, nullptr), bits);
        }
        // 131,000 digits on four bits: refused by their count, named by their start.
        QString error;
        QVERIFY(probeValueBits(QString(131000, QLatin1Char('7')), 4, &error).isEmpty());
        QCOMPARE(error, QStringLiteral("77777777777777777777777777777777... (131000 characters) needs 435170 bits or more, and there are 4"));
    }

    void bitsOutsideTheWidth_data() { addRowsFromTable(QStringLiteral("probemap/outside.txt"), {"case", "netBit", "busBit", "error"}); }

    void bitsOutsideTheWidth()
    {
        // A probe built by hand is checked as a map's is: an error, never a write outside the value.
        const ProbeMapProbe probe{QStringLiteral("out"), 0, 2, QStringLiteral("probe_out0"), QStringLiteral("0x0"),
                                  {{field("netBit").toInt(), QStringLiteral("a"), QString(), QString()}, {0, QStringLiteral("b"), QString(), QString()}},
                                  {{QStringLiteral("a"), 0, 0, {field("busBit").toInt()}}}};
        QString said;
        QVERIFY(decodeProbe(probe, QStringLiteral("0x3"), &said).isEmpty());
        QCOMPARE(said, field("error"));
        said.clear();
        QVERIFY(encodeProbe(probe, {{QStringLiteral("b"), QStringLiteral("1")}}, &said).isEmpty());
        QCOMPARE(said, field("error"));
    }

    void longStringThroughAPipe()
    {
        // A map that never ends its string: the reader stops at the longest
        // string it takes, in little memory, and the writer sees the pipe close.
        QTemporaryDir dir;
        const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("map.json")));
        QVERIFY(::mkfifo(fifo.constData(), 0600) == 0);
        ::signal(SIGPIPE, SIG_IGN);
        std::thread writer([&fifo] {
            const int fd = ::open(fifo.constData(), O_WRONLY);
            const QByteArray start("{\"format\": 1, \"generator\": \"");
            const QByteArray more(1 << 16, 'a');
            bool open = ::write(fd, start.constData(), size_t(start.size())) == start.size();
            for (int i = 0; open && i < (1 << 15); ++i) // up to 2 GiB
                open = ::write(fd, more.constData(), size_t(more.size())) == more.size();
            ::close(fd);
        });
        ProbeMap map;
        QString error;
        QVERIFY(!ProbeMap::read(dir.filePath(QStringLiteral("map.json")), &map, &error));
        writer.join();
        QCOMPARE(error, QStringLiteral("generator: a string longer than 1048576 bytes at byte 1048605"));
    }

    void encodeThenDecode()
    {
        // For random probes of 1 to 4096 bits, every value set comes back, and
        // every bit not set keeps the initial value, or that of the base given.
        QRandomGenerator random(20261206);
        for (int round = 0; round < 400; ++round) {
            const int width = round < 64 ? round + 1 : round % 50 == 0 ? 4096 : 1 + int(random.bounded(700));
            const ProbeMapProbe probe = randomProbe(random, width);
            QString error;
            const QString base = round % 2 ? probe.initialValue : QLatin1String("0b") + randomBits(random, width);
            const QString initial = probeValueBits(base, width, &error);
            QHash<QString, QString> expected;
            QList<QPair<QString, QString>> assignments;
            const auto choose = [&](const QString &name, const QVector<int> &bits) {
                QString kept;
                for (const int bit : bits)
                    kept += initial.at(width - 1 - bit);
                expected.insert(name, kept);
                if (random.bounded(2) == 0)
                    return;
                const QString value = randomBits(random, int(bits.size()));
                expected.insert(name, value);
                // Each form a host may write a value in.
                const int form = int(random.bounded(3));
                assignments.append({name, form == 0 ? QLatin1String("0b") + value : form == 1 ? QLatin1String("0x") + stringBintoHex(value).toLower() : bitsToDecimal(value)});
            };
            for (const ProbeMapBus &bus : probe.buses)
                choose(bus.name, bus.bits);
            for (const ProbeMapNet &net : probe.nets) {
                if (net.net.startsWith(QLatin1String("net")))
                    choose(net.net, {net.bit});
            }
            const QString value = round % 2 ? encodeProbe(probe, assignments, &error) : encodeProbe(probe, base, assignments, &error);
            QVERIFY2(value.startsWith(QLatin1String("0x")) && value.mid(2) == value.mid(2).toUpper(), qPrintable(error));
            const QList<ProbeField> fields = decodeProbe(probe, value, &error);
            QCOMPARE(fields.size(), expected.size());
            for (const ProbeField &field : fields)
                QCOMPARE(field.binary, expected.value(field.name));
        }
    }

    void encodeRefuses_data() { addRowsFromTable(QStringLiteral("probemap/encode.txt"), {"case", "assignments", "value", "error"}); }

    void encodeRefuses()
    {
        // A probe of 6 bits: bus "cnt[3:0]" in bits 5..2, nets "en" and "en" again, in bits 1 and 0.
        const ProbeMapProbe probe{QStringLiteral("out"), 0, 6, QStringLiteral("probe_out0"), QStringLiteral("0x2A"),
                                  {{5, "cnt[3]", "", ""}, {4, "cnt[2]", "", ""}, {3, "cnt[1]", "", ""}, {2, "cnt[0]", "", ""}, {1, "en", "", ""}, {0, "en", "", ""}},
                                  {{QStringLiteral("cnt"), 3, 0, {5, 4, 3, 2}}}};
        QList<QPair<QString, QString>> assignments;
        for (const QString &assignment : field("assignments").split(QLatin1Char(' '), Qt::SkipEmptyParts))
            assignments.append({assignment.section(QLatin1Char('='), 0, 0), assignment.section(QLatin1Char('='), 1)});
        QString error;
        QCOMPARE(encodeProbe(probe, assignments, &error), field("value"));
        QCOMPARE(error, field("error"));
        QCOMPARE(encodeProbe(probe, assignments, nullptr), field("value"));
        QVERIFY(decodeProbe(probe, QStringLiteral("0xZZ"), nullptr).isEmpty());
        QCOMPARE(QString::number(probeHasName(probe, QStringLiteral("cnt"))) + QString::number(probeHasName(probe, QStringLiteral("cnt[3:0]")))
                     + QString::number(probeHasName(probe, QStringLiteral("en"))) + QString::number(probeHasName(probe, QStringLiteral("cnt[2:0]"))),
                 QStringLiteral("1110"));
        // 0x2A is 101010: cnt 1010, en (bit 1 first) 1.
        QString fieldError;
        QCOMPARE(probeFieldBits(probe, QStringLiteral("0x2A"), QStringLiteral("cnt[3:0]"), &fieldError) + QLatin1Char(' ')
                     + probeFieldBits(probe, QStringLiteral("0x2A"), QStringLiteral("en"), &fieldError),
                 QStringLiteral("1010 1"));
        QVERIFY(probeFieldBits(probe, QStringLiteral("0x2A"), QStringLiteral("tx"), &fieldError).isEmpty());
        QCOMPARE(fieldError, QStringLiteral("the probe has no net or bus named \"tx\""));
    }

    void writtenAndReadBack()
    {
        // Names that JSON must escape, a bus, an unsynchronised clock, an
        // analyzer: all of it comes back, and a core alone when asked for.
        QTemporaryDir dir;
        QList<ZarnCore *> cores{new ZarnCore(0), new ZarnCore(7)};
        cores.at(0)->setModuleName(QStringLiteral("quote\"back\\slash"));
        cores.at(0)->setUserClockName(QStringLiteral("clk"));
        cores.at(0)->getProbeIn(0)->setSignalNet({SignalItem(QStringLiteral("tab\there")), SignalItem(QStringLiteral("\u00fcber\u0001")),
                                                  SignalItem(QStringLiteral("bus[2:1]"), {SignalItem(QStringLiteral("bus[2]")), SignalItem(QStringLiteral("bus[1]"))})});
        cores.at(0)->getProbeOut(0)->setSignalNet({SignalItem(QStringLiteral("smile\U0001F600")), SignalItem()});
        cores.at(0)->getProbeOut(0)->setValue(QStringLiteral("0x2"));
        cores.at(1)->setOutProbeSynwithUserClock(true);
        cores.at(1)->setUserClockName(QStringLiteral("u/clk"));
        cores.at(1)->getProbeIn(0)->setSignalNet({SignalItem(QStringLiteral("u_core/state[3]"))});
        const QString config = writeFile(dir.filePath("config.xml"), "the configuration's bytes");
        const QString analyzer = QStringLiteral(ZARN_TEST_DATA_DIR "/../../examples/analyzer.xml");
        QCOMPARE(writeProbeMap(cores, config, analyzer, dir.filePath("map.json")), QString());
        const ProbeMap built = ProbeMap::fromCores(cores, config, analyzer);
        qDeleteAll(cores);
        QCOMPARE(built.configurationSha256, QStringLiteral("47ac3d2d4cfd10497afdec9fe8f2c0eecc9c69c8c0bbcae7ecd0051395533f89"));
        QCOMPARE(built.analyzers.size(), 1);
        // The identity the open control core answers: the digest's first 32 bits, or none.
        bool ok = false;
        QCOMPARE(built.designIdentity(&ok), 0x47ac3d2du);
        QVERIFY(ok);
        QCOMPARE(ProbeMap().designIdentity(&ok), 0u);
        QVERIFY(!ok);

        // The map written from the cores and the one written from their entries are one.
        QCOMPARE(writeProbeMap(built, dir.filePath("entries.json")), QString());
        QCOMPARE(fileBytes(dir.filePath("entries.json")), fileBytes(dir.filePath("map.json")));

        // What was read writes the same bytes: each member the file holds came back.
        ProbeMap read;
        QString error;
        QVERIFY2(ProbeMap::read(dir.filePath("map.json"), &read, &error), qPrintable(error));
        QCOMPARE(writeProbeMap(read, dir.filePath("read.json")), QString());
        QCOMPARE(fileBytes(dir.filePath("read.json")), fileBytes(dir.filePath("map.json")));
        QCOMPARE(fileBytes(dir.filePath("map.json")), fileBytes(testData("probemap/escaped.json")).replace("@sha", ProbeMap::fromCores({}, QString(), analyzer).analyzerSha256.toLatin1()));

        QVERIFY(ProbeMap::read(dir.filePath("map.json"), &read, &error, 1));
        QCOMPARE(read.cores.size(), 1);
        QCOMPARE(read.cores.first().clock, QStringLiteral("u/clk"));
        QCOMPARE(read.cores.first().probes.size(), 2);

        // Members in another order, as another program may write them.
        QByteArray moved = fileBytes(dir.filePath("map.json"));
        moved.replace("\"position\": 1,", "").replace("\n        }\n    ],\n    \"analyzers\"", ",\n\"late\": {\"a\": [1, {}]}, \"position\": 1\n        }\n    ],\n    \"analyzers\"");
        QVERIFY(ProbeMap::read(writeFile(dir.filePath("moved.json"), moved), &read, &error, 1));
        QCOMPARE(read.cores.first().probes.size(), 2);
    }

    void failedWriteKeepsThePrevious()
    {
        // A map that outgrows the file size limit: the system's reason, and
        // the map written before it as it was, with nothing beside it.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("map.json"));
        ZarnCore core(0);
        QCOMPARE(writeProbeMap({&core}, QString(), QString(), path), QString());
        const QByteArray previous = fileBytes(path);
        QList<SignalItem> nets;
        for (int i = 0; i < 1000; ++i)
            nets.append(SignalItem(QStringLiteral("net_%1").arg(i)));
        core.getProbeIn(0)->setSignalNet(nets);

        rlimit limit;
        QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
        const rlimit small{rlim_t(previous.size() * 4), limit.rlim_max};
        const auto ignored = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        const QString error = writeProbeMap({&core}, QString(), QString(), path);
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, ignored);
        QVERIFY2(error.contains(QLatin1String("File too large")), qPrintable(error));
        QCOMPARE(fileBytes(path), previous);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"map.json"});
    }

    void brokenMaps_data() { addRowsFromTable(QStringLiteral("probemap/broken.txt"), {"case", "text", "error"}); }

    void brokenMaps()
    {
        QTemporaryDir dir;
        ProbeMap map;
        QString error;
        QVERIFY(!ProbeMap::read(writeFile(dir.filePath("map.json"), field("text").toUtf8()), &map, &error));
        QCOMPARE(error, field("error"));
        QVERIFY(!ProbeMap::read(dir.filePath("map.json"), &map, nullptr));
    }
};

QTEST_GUILESS_MAIN(TestProbeMap)
#include "tst_probemap.moc"
