#include "scriptedserver.h"
#include "testdata.h"
#include "zarnrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// @tmp stands for a directory of the row's own, where a command may write.
QString placed(QString text, const QString &tmp = QString())
{
    return text.replace(QLatin1String("@examples"), QLatin1String(ZARN_EXAMPLES_DIR))
        .replace(QLatin1String("@data"), QLatin1String(ZARN_TEST_DATA_DIR))
        .replace(QLatin1String("@tmp"), tmp);
}

// The codes of the findings of zarn lint @p arguments --json, each once, sorted.
QString lintCodes(const QStringList &arguments)
{
    const Result result = zarn(arguments + QStringList{"--json"});
    QStringList codes;
    for (const QJsonValue finding : QJsonDocument::fromJson(result.out.toUtf8()).object().value(QLatin1String("findings")).toArray())
        codes.append(finding.toObject().value(QLatin1String("code")).toString());
    codes.removeDuplicates();
    codes.sort();
    return codes.join(QLatin1Char(' '));
}

// A configuration of @p cores cores, each with @p probes input probes of
// @p nets nets (the last at index @p lastIndex) and an output probe of
// initial value @p value.
QByteArray configuration(int cores, int probes, int nets, int lastIndex, const QString &value)
{
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ZARN_CONFIG>\n<Version>1.0</Version>\n");
    for (int core = 0; core < cores; ++core) {
        text += QStringLiteral("<ZarnCore index=\"%1\" module_name=\"m%1\" output_probe_synchronizes_with_user_clock=\"false\" user_clock_name=\"clk\">\n<ProbeIns>\n").arg(core);
        for (int probe = 0; probe < probes; ++probe) {
            text += QStringLiteral("<ProbeIn index=\"%1\"><SignalList>").arg(probe == probes - 1 ? lastIndex : probe);
            for (int net = 0; net < nets; ++net)
                text += QStringLiteral("<Signal>i%1_%2_%3</Signal>").arg(core).arg(probe).arg(net);
            text += QLatin1String("</SignalList></ProbeIn>\n");
        }
        text += QStringLiteral("</ProbeIns>\n<ProbeOuts><ProbeOut index=\"0\" value=\"%1\"><SignalList><Signal>o%2</Signal></SignalList></ProbeOut></ProbeOuts>\n</ZarnCore>\n")
                    .arg(value)
                    .arg(core);
    }
    return (text + QLatin1String("</ZARN_CONFIG>\n")).toUtf8();
}

} // namespace

class TestZarnCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The design commands' elaboration cache is the test's own, not the user's.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache.path()));
    }

    void commands_data() { addRowsFromTable(QStringLiteral("tools/commands.txt"), {"case", "arguments", "exitCode", "out", "err"}); }

    void commands()
    {
        // "<name": the output is the golden file tools/name.
        const QString out = field("out").startsWith(QLatin1Char('<')) ? QString::fromUtf8(fileBytes(testData(QLatin1String("tools/") + field("out").mid(1))))
            : field("out").isEmpty()                                   ? QString()
                                                                       : field("out") + QLatin1Char('\n');
        // A design command answers the second time from the cache the first filled, and alike.
        QTemporaryDir tmp;
        const QStringList arguments = placed(field("arguments"), tmp.path()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int run = 0; run < (arguments.contains(QLatin1String("--design")) ? 2 : 1); ++run) {
            const Result result = zarn(arguments);
            QCOMPARE(result.out, placed(out, tmp.path()));
            // Usage errors may show the help first; the error is the last line,
            // or the last lines, as many as the row gives.
            const QString err = placed(field("err"), tmp.path());
            QCOMPARE(result.err.trimmed().section(QLatin1Char('\n'), -1 - int(err.count(QLatin1Char('\n')))), err);
            QCOMPARE(QString::number(result.exitCode), field("exitCode"));
        }
    }

    void probeCommands_data() { addRowsFromTable(QStringLiteral("tools/probecommands.txt"), {"case", "arguments", "script", "exitCode", "out", "err"}); }

    // The probe commands against OpenOCD as a script answers (see
    // tests/data/host/openocdreplies.txt): the failures a running design
    // rarely gives, each with its exit code.
    void probeCommands()
    {
        ScriptedServer openocd(field("script"));
        const QString address = QStringLiteral("127.0.0.1:%1").arg(openocd.port());
        const Result result = zarn(placed(field("arguments")).split(QLatin1Char(' ')) + QStringList{"--openocd", address});
        QCOMPARE(result.out, field("out").isEmpty() ? QString() : field("out") + QLatin1Char('\n'));
        QCOMPARE(result.err.trimmed(), QString(field("err")).replace(QLatin1String("@openocd"), address));
        QCOMPARE(QString::number(result.exitCode), field("exitCode"));
    }

    void generate()
    {
        QTemporaryDir dir;
        const QStringList arguments{"generate", "--config", QStringLiteral(ZARN_EXAMPLES_DIR "/design.xml"), "--out", dir.filePath("out"), "--ip-root", writeIpRoot(dir.filePath("ip"), 4),
                                    "--json", "--analyzer", QStringLiteral(ZARN_EXAMPLES_DIR "/analyzer.xml")};
        auto expected = [&](const char *golden) {
            return QString::fromUtf8(fileBytes(testData(QLatin1String("tools/") + QLatin1String(golden))))
                .replace(QLatin1String("@out"), dir.filePath("out"))
                .replace(QLatin1String("@ip"), dir.filePath("ip"));
        };
        Result result = zarn(arguments);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out, expected("generate.json"));
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(fileBytes(dir.filePath("out/zarn_probes.json")), fileBytes(testData("tools/zarn_probes.json")));

        // A second run may empty what the first one wrote, without --force.
        result = zarn(arguments.mid(0, 7));
        QCOMPARE(result.out, expected("generate.txt"));
        QCOMPARE(result.exitCode, 0);
        QVERIFY(!QFile::exists(dir.filePath("out/xq_qel_zarn_top.v")));
    }

    void ipRootChecked_data() { addRowsFromTable(QStringLiteral("tools/iproot.txt"), {"case", "missing", "options", "exitCode", "err"}); }

    void ipRootChecked()
    {
        // Every source the file list names under the IP root is looked for;
        // under --strict, a missing one leaves the previous output in place.
        const int exitCode = field("exitCode").toInt();
        QTemporaryDir dir;
        const QString ip = writeIpRoot(dir.filePath("ip"), 2);
        for (const QString &file : field("missing").split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY(QFile::remove(ip + QLatin1Char('/') + file));
        const QString out = writeFile(dir.filePath("out/.zarn-generated"), "# an earlier generation\n");
        const Result result = zarn(QStringList{"generate", "--config", QStringLiteral(ZARN_EXAMPLES_DIR "/design.xml"), "--out", dir.filePath("out"), "--ip-root", ip}
                                   + field("options").split(QLatin1Char(' '), Qt::SkipEmptyParts));
        QCOMPARE(result.err, field("err").replace(QLatin1String("@ip"), ip));
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(QFileInfo::exists(dir.filePath("out/xq_zarn_top.v")), exitCode == 0);
        QCOMPARE(fileBytes(out) == "# an earlier generation\n", exitCode != 0);
    }

    void openIpRoot_data() { addRowsFromTable(QStringLiteral("tools/openip.txt"), {"case", "config", "marker", "exitCode", "err"}); }

    void openIpRoot()
    {
        // The open cores refuse what they cannot serve, and cores of another zarn.
        QTemporaryDir dir;
        const QString ip = dir.filePath("ip");
        QCOMPARE(zarn({"ip", "--out", ip}).exitCode, 0);
        if (!field("marker").isEmpty())
            writeFile(ip + QLatin1String("/zarn-ip.txt"), field("marker").toUtf8() + '\n');
        const QStringList config = placed(field("config")).split(QLatin1Char(' '));
        const Result result = zarn(QStringList{"generate", "--out", dir.filePath("out"), "--ip-root", ip, "--strict", "--config"} + config);
        QCOMPARE(result.err.trimmed().section(QLatin1Char('\n'), -1), field("err").replace(QLatin1String("@ip"), ip));
        QCOMPARE(QString::number(result.exitCode), field("exitCode"));
        QCOMPARE(QFileInfo::exists(dir.filePath("out/xq_zarn_top.v")), result.exitCode == 0);
        // zarn lint says the same of it.
        if (!config.contains(QLatin1String("--no-lint")))
            QCOMPARE(QString::number(zarn(QStringList{"lint", "--ip-root", ip} + config).exitCode), field("exitCode"));
    }

    void lintCodes_data() { addRowsFromTable(QStringLiteral("tools/lintcodes.txt"), {"case", "arguments", "codes"}); }

    void lintCodes()
    {
        // @ip: the open cores, as zarn ip writes them.
        QTemporaryDir dir;
        const QString ip = dir.filePath("ip");
        QString arguments = placed(field("arguments"));
        if (arguments.contains(QLatin1String("@ip"))) {
            QCOMPARE(zarn({"ip", "--out", ip}).exitCode, 0);
            arguments.replace(QLatin1String("@ip"), ip);
        }
        QCOMPARE(::lintCodes(arguments.split(QLatin1Char(' '))), field("codes"));
    }

    void openIpLimits_data() { addRowsFromTable(QStringLiteral("tools/openiplimits.txt"), {"case", "cores", "probes", "nets", "lastIndex", "value", "codes"}); }

    void openIpLimits()
    {
        // What the open cores serve, at each limit and one past it.
        QTemporaryDir dir;
        const QString ip = dir.filePath("ip");
        QCOMPARE(zarn({"ip", "--out", ip}).exitCode, 0);
        const QString file = writeFile(dir.filePath("config.xml"), configuration(field("cores").toInt(), field("probes").toInt(), field("nets").toInt(),
                                                                                 field("lastIndex").toInt(), field("value")));
        QCOMPARE(::lintCodes({"lint", file, "--ip-root", ip}), field("codes"));
    }

    void ipRootByDefault()
    {
        // Left out, the IP root is the current directory, and zarn says so.
        QTemporaryDir dir;
        Setup setup;
        setup.workingDirectory = writeIpRoot(dir.filePath("ip"), 2);
        const Result result = zarn(QStringList{"generate", "--config", QStringLiteral(ZARN_EXAMPLES_DIR "/design.xml"), "--out", dir.filePath("out")}, setup);
        QCOMPARE(result.err, QStringLiteral("zarn: note: no --ip-root given; the IP root is the current directory, %1\n").arg(setup.workingDirectory));
        QCOMPARE(result.exitCode, 0);
    }

    void commandFileForEachReader_data() { addRowsFromTable(QStringLiteral("tools/readers.txt"), {"case", "reader"}); }

    void commandFileForEachReader()
    {
        // The command file lists a design that the reader elaborates, from
        // an output directory and an IP root whose paths hold what neither
        // reader takes specially; the IP root's fixed sources are stubs.
        const QStringList reader = field("reader").split(QLatin1Char(' '));
        const QString program = QStandardPaths::findExecutable(reader.first());
        if (program.isEmpty() && qgetenv("ZARN_REQUIRE_VERILOG_TOOLS") != "1")
            QSKIP("the reader is not installed");
        QVERIFY(!program.isEmpty());
        QTemporaryDir dir;
        const QString odd = QStringLiteral("#1,'a@b(c);=%~");
        const QString ip = dir.filePath("ip" + odd);
        QVERIFY(QDir().mkpath(ip + "/ZARN/XQ_ZARN_0") && QDir().mkpath(ip + "/ZARN/XQ_ZARN_CON"));
        const QString data = testData(QStringLiteral("tools/icarus/"));
        for (const char *file : {"/ZARN/XQ_ZARN_0/xq_zarn_ao_top.v", "/ZARN/XQ_ZARN_CON/xq_zarn_con_top.v", "/xq_jtag.v"})
            QVERIFY(QFile::copy(data + "ip" + QLatin1String(file), ip + QLatin1String(file)));
        const Result result = zarn({"generate", "--config", data + "design.xml", "--out", dir.filePath("out" + odd), "--ip-root", ip, "--filelist", dir.filePath("design.f")});
        QCOMPARE(result.err, QString());
        QProcess tool;
        tool.setWorkingDirectory(dir.path());
        tool.setProcessChannelMode(QProcess::MergedChannels);
        tool.start(program, reader.mid(1) << dir.filePath("design.f"));
        QVERIFY(tool.waitForFinished(60000));
        QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0, tool.readAll().constData());
    }

private:
    QTemporaryDir m_cache;
};

QTEST_GUILESS_MAIN(TestZarnCli)

#include "tst_zarncli.moc"
