#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Result
{
    int exitCode = -1;
    QString out;
    QString err;
};

Result zarn(const QStringList &arguments, const QString &workingDirectory = QString(), const QString &home = QString())
{
    QProcess process;
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    if (!home.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(ZARN_TOOL), arguments);
    Result result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

const QString example = QStringLiteral(ZARN_EXAMPLES_DIR "/design.xml");
const QString analyzer = QStringLiteral(ZARN_EXAMPLES_DIR "/analyzer.xml");

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class TestZarnCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exitCodes_data();
    void exitCodes();
    void generate();
    void refusals_data();
    void refusals();
    void brokenConfigTouchesNothing();
    void commandFileForIcarus();
    void lintFindings();

private:
    QTemporaryDir m_dir;
};

void TestZarnCli::exitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString missing = QStringLiteral("/nonexistent/zarn.xml");
    QTest::newRow("no command") << QStringList() << 2 << "" << "zarn: no command given";
    QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << 2 << ""
                                     << "zarn: unknown command 'frobnicate'; run 'zarn --help' for the list";
    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0 << "zarn 1.0.0" << "";
    QTest::newRow("generate without options") << QStringList{QStringLiteral("generate")} << 2 << ""
                                              << "zarn: generate needs --config FILE and --out DIR; run 'zarn generate --help'";
    QTest::newRow("device without package")
        << QStringList{QStringLiteral("generate"), QStringLiteral("--config=x"), QStringLiteral("--out=y"), QStringLiteral("--device=XQ2A-9")} << 2
        << "" << "zarn: --device and --package go together";
    QTest::newRow("unknown option") << QStringList{QStringLiteral("lint"), QStringLiteral("--frob")} << 2 << ""
                                    << "zarn: Unknown option 'frob'.; run 'zarn lint --help' for the options";
    QTest::newRow("check missing file") << QStringList{QStringLiteral("check"), missing} << 1 << "" << "zarn: " + missing + ": cannot be opened";
    QTest::newRow("check example") << QStringList{QStringLiteral("check"), example} << 0
                                   << example + ": 2 core(s)\n"
                                      "core 0 (index 0, module \"counter_top\"): 2 input probe(s), 2 output probe(s), 11 net(s)\n"
                                      "core 1 (index 1, module \"uart_top\"): 1 input probe(s), 1 output probe(s), 5 net(s)"
                                   << "";
    QTest::newRow("lint example") << QStringList{QStringLiteral("lint"), example} << 0 << "" << "";
    QTest::newRow("lint missing file") << QStringList{QStringLiteral("lint"), missing} << 2 << ""
                                       << "zarn: " + missing + ": " + missing + " open file failed.";
    QTest::newRow("bin to hex") << QStringList{QStringLiteral("convert"), QStringLiteral("--bin-to-hex"), QStringLiteral("11111")} << 0
                                << "0x1F" << "";
    QTest::newRow("hex to bin, lower case") << QStringList{QStringLiteral("convert"), QStringLiteral("--hex-to-bin"), QStringLiteral("0x1f")}
                                            << 0 << "00011111" << "";
    QTest::newRow("not binary") << QStringList{QStringLiteral("convert"), QStringLiteral("--bin-to-hex"), QStringLiteral("102")} << 2 << ""
                                << "zarn: '102' is not a binary number (digits 0 and 1 only)";
    QTest::newRow("no prefix") << QStringList{QStringLiteral("convert"), QStringLiteral("--hex-to-bin"), QStringLiteral("1F")} << 2 << ""
                               << "zarn: '1F' is not a probe value (0x followed by hexadecimal digits)";
    QTest::newRow("both directions") << QStringList{QStringLiteral("convert"), QStringLiteral("--hex-to-bin=0x1"), QStringLiteral("--bin-to-hex=1")}
                                     << 2 << "" << "zarn: convert takes exactly one of --bin-to-hex BITS and --hex-to-bin 0xDIGITS";
}

void TestZarnCli::exitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);

    const Result result = zarn(arguments);
    QCOMPARE(result.out.trimmed(), out);
    // Usage errors may show the help first; the error is the last line.
    QCOMPARE(result.err.trimmed().section(QLatin1Char('\n'), -1), err);
    QCOMPARE(result.exitCode, exitCode);
}

void TestZarnCli::generate()
{
    const QString out = m_dir.filePath(QStringLiteral("generate/out"));
    const QString ipRoot = m_dir.filePath(QStringLiteral("ip"));
    const QStringList arguments{QStringLiteral("generate"), QStringLiteral("--config"), example,          QStringLiteral("--out"),
                                out,                        QStringLiteral("--ip-root"), ipRoot,          QStringLiteral("--json"),
                                QStringLiteral("--analyzer"), analyzer};
    Result result = zarn(arguments);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);

    QJsonParseError error;
    const QJsonObject lists = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(lists.value(QStringLiteral("includePath")).toArray(), QJsonArray({out, ipRoot + QLatin1String("/ZARN")}));
    QCOMPARE(lists.value(QStringLiteral("fileList")).toArray(),
             QJsonArray({ipRoot + QLatin1String("/ZARN/XQ_ZARN_0/xq_zarn_ao_top.v"), ipRoot + QLatin1String("/ZARN/XQ_ZARN_1/xq_zarn_ao_top.v"),
                         ipRoot + QLatin1String("/ZARN/XQ_ZARN_CON/xq_zarn_con_top.v"), out + QLatin1String("/xq_qel_zarn_top.v")}));

    // The probe map: core 0's first probe is the 4-bit counter, cnt[3] on the top bit.
    QFile mapFile(out + QLatin1String("/zarn_probes.json"));
    QVERIFY(mapFile.open(QIODevice::ReadOnly));
    const QJsonObject map = QJsonDocument::fromJson(mapFile.readAll(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonArray cores = map.value(QStringLiteral("cores")).toArray();
    QCOMPARE(cores.size(), 2);
    const QJsonObject core0 = cores.at(0).toObject();
    QCOMPARE(core0.value(QStringLiteral("userClock")).toString(), QStringLiteral("clk"));
    QVERIFY(cores.at(1).toObject().value(QStringLiteral("userClock")).isNull());
    const QJsonArray probes = core0.value(QStringLiteral("probes")).toArray();
    QCOMPARE(probes.size(), 4);
    const QJsonObject counter = probes.at(0).toObject();
    QCOMPARE(counter.value(QStringLiteral("port")).toString(), QStringLiteral("probe_in0"));
    QCOMPARE(counter.value(QStringLiteral("width")).toInt(), 4);
    QCOMPARE(counter.value(QStringLiteral("nets")).toArray().at(0).toObject(),
             QJsonObject({{QStringLiteral("net"), QStringLiteral("cnt[3]")}, {QStringLiteral("bit"), 3}}));
    QCOMPARE(probes.at(2).toObject().value(QStringLiteral("port")).toString(), QStringLiteral("probe_out0"));

    // A second run may empty what the first one wrote, without --force; the
    // plain output lists the files, a blank line, the include directories.
    result = zarn(arguments.mid(0, 7));
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.endsWith(QLatin1String("/xq_zarn_top.v\n\n") + out + QLatin1Char('\n') + ipRoot + QLatin1String("/ZARN\n")));
    QVERIFY(QFile::exists(out + QLatin1String("/xq_zarn_top.v")));
    QVERIFY(!QFile::exists(out + QLatin1String("/xq_qel_zarn_top.v")));
}

void TestZarnCli::refusals_data()
{
    QTest::addColumn<QString>("out");
    QTest::addColumn<bool>("force");
    QTest::addColumn<QString>("reason");

    QTest::newRow("foreign files") << "work/foreign" << false << "it holds files that zarn generate did not write";
    QTest::newRow("foreign files, forced") << "work/foreign" << true << "";
    QTest::newRow("current directory") << "work" << true << "it is the current directory or one above it";
    QTest::newRow("above the current directory") << "." << true << "it is the current directory or one above it";
    QTest::newRow("home") << "home" << true << "it is your home directory";
    QTest::newRow("root") << "/" << true << "it is the file-system root";
}

void TestZarnCli::refusals()
{
    QFETCH(QString, out);
    QFETCH(bool, force);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("work/foreign/keep.txt")), "precious");
    writeFile(dir.filePath(QStringLiteral("home/.profile")), "precious");
    const QString target = QDir::isAbsolutePath(out) ? out : dir.filePath(out);
    QStringList arguments{QStringLiteral("generate"), QStringLiteral("--config"), example, QStringLiteral("--out"), target};
    if (force)
        arguments.append(QStringLiteral("--force"));

    const Result result = zarn(arguments, dir.filePath(QStringLiteral("work")), dir.filePath(QStringLiteral("home")));
    if (reason.isEmpty()) {
        QCOMPARE(result.exitCode, 0);
        QVERIFY(!QFile::exists(target + QLatin1String("/keep.txt")));
        return;
    }
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(reason), qPrintable(result.err));
    QVERIFY(result.err.contains(QLatin1String("--out")) || result.err.contains(QLatin1String("--force")));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("work/foreign/keep.txt"))));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("home/.profile"))));
}

void TestZarnCli::brokenConfigTouchesNothing()
{
    const QString config = m_dir.filePath(QStringLiteral("broken.xml"));
    writeFile(config, "<ZARN_CONFIG>\n<Version>1.0</Version>\n<ZarnCore>\n</ZARN_CONFIG>\n");
    const QString out = m_dir.filePath(QStringLiteral("broken-out"));
    writeFile(out + QLatin1String("/.zarn-generated"), "");
    writeFile(out + QLatin1String("/old.v"), "old");

    const Result result = zarn({QStringLiteral("generate"), QStringLiteral("--config"), config, QStringLiteral("--out"), out});
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, QStringLiteral("zarn: %1: Opening and ending tag mismatch. at 4:14\n").arg(config));
    QVERIFY(QFile::exists(out + QLatin1String("/old.v")));
}

void TestZarnCli::commandFileForIcarus()
{
    const QString iverilog = QStandardPaths::findExecutable(QStringLiteral("iverilog"));
    if (iverilog.isEmpty() && qgetenv("ZARN_REQUIRE_VERILOG_TOOLS") != "1")
        QSKIP("iverilog is not installed");
    QVERIFY(!iverilog.isEmpty());

    // A design of one core, and an IP root whose fixed sources are stubs.
    const QString work = m_dir.filePath(QStringLiteral("icarus"));
    writeFile(work + QLatin1String("/design.xml"),
              "<ZARN_CONFIG><Version>1.0</Version><ZarnCore index=\"0\" output_probe_synchronizes_with_user_clock=\"false\">"
              "<ProbeIns><ProbeIn index=\"0\"><SignalList><Signal>a</Signal><Signal>b[1]</Signal></SignalList></ProbeIn></ProbeIns>"
              "<ProbeOuts><ProbeOut index=\"0\" value=\"0x1\"><SignalList><Signal>q</Signal></SignalList></ProbeOut></ProbeOuts>"
              "</ZarnCore></ZARN_CONFIG>");
    writeFile(work + QLatin1String("/ip/ZARN/XQ_ZARN_0/xq_zarn_ao_top.v"),
              "`include \"zarn_0/xq_zarn_top_define.v\"\n"
              "module xq_zarn_top_0(inout [9:0] control, input [1:0] probe_in0, output probe_out0);\n"
              "`include \"zarn_0/xq_zarn_parameter.v\"\n"
              "endmodule\n");
    writeFile(work + QLatin1String("/ip/ZARN/XQ_ZARN_CON/xq_zarn_con_top.v"),
              "module xq_zarn_con_top(input tck_i, input tdi_i, output tdo_o, input rst_i, inout [9:0] control0,\n"
              "    input enable_i, input shift_dr_capture_dr_i, input update_dr_i, output tdo_select);\nendmodule\n");
    writeFile(work + QLatin1String("/ip/xq_jtag.v"),
              "module XQ_JTAG(input tms_pad_i, input tck_pad_i, input tdi_pad_i, output tdo_pad_o, output tck_o,\n"
              "    output test_logic_reset_o, output run_test_idle_er1_o, output run_test_idle_er2_o, output shift_dr_capture_dr_o,\n"
              "    output update_dr_o, output pause_dr_o, output enable_er1_o, output enable_er2_o, output tdi_o,\n"
              "    input tdo_er1_i, input tdo_er2_i);\nendmodule\n");

    const QString list = work + QLatin1String("/design.f");
    Result result = zarn({QStringLiteral("generate"), QStringLiteral("--config"), work + QLatin1String("/design.xml"), QStringLiteral("--out"),
                          work + QLatin1String("/out"), QStringLiteral("--ip-root"), work + QLatin1String("/ip"), QStringLiteral("--filelist"),
                          list});
    QCOMPARE(result.exitCode, 0);

    QProcess icarus;
    icarus.start(iverilog, {QStringLiteral("-g2005"), QStringLiteral("-s"), QStringLiteral("xq_zarn"), QStringLiteral("-o"),
                            work + QLatin1String("/design.vvp"), QStringLiteral("-c"), list});
    QVERIFY(icarus.waitForFinished(60000));
    QVERIFY2(icarus.exitCode() == 0, icarus.readAllStandardError().constData());

    // A blank in a path would be cut off by the tools: refused, nothing written.
    const QString spaced = work + QLatin1String("/with blank");
    result = zarn({QStringLiteral("generate"), QStringLiteral("--config"), work + QLatin1String("/design.xml"), QStringLiteral("--out"), spaced,
                   QStringLiteral("--filelist"), work + QLatin1String("/spaced.f")});
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(QLatin1String("white space")), qPrintable(result.err));
    QVERIFY(!QFile::exists(spaced));
    QVERIFY(!QFile::exists(work + QLatin1String("/spaced.f")));
}

void TestZarnCli::lintFindings()
{
    const QString file = QStringLiteral(ZARN_TEST_DATA_DIR "/tools/lint.xml");
    QFile expectedFile(QStringLiteral(ZARN_TEST_DATA_DIR "/tools/lint.expected"));
    QVERIFY(expectedFile.open(QIODevice::ReadOnly));
    const QString expected = QString::fromUtf8(expectedFile.readAll()).replace(QLatin1Char('@'), file);

    const Result result = zarn({QStringLiteral("lint"), file});
    QCOMPARE(result.out, expected);
    QCOMPARE(result.exitCode, 1);
}

QTEST_GUILESS_MAIN(TestZarnCli)

#include "tst_zarncli.moc"
