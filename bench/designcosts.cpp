#include "designcosts.h"

#include <zarn/zarn.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <QVector>

#include <algorithm>

namespace {

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// 8,000 nets marked zarn_in: init's numbering and grouping.
QByteArray markedDesign()
{
    QByteArray text = "module costs_top(input [15:0] d, output q);\n";
    for (int i = 0; i < 8000; ++i)
        text += "    (* zarn_in *) wire w" + QByteArray::number(i) + " = d[" + QByteArray::number(i % 16) + "] ^ d[" + QByteArray::number((i * 7) % 16) + "];\n";
    return text + "    assign q = w0;\nendmodule\n";
}

// 32,000 nets with a non-ASCII name, which Yosys 0.23 writes byte by byte.
QByteArray nonAsciiDesign()
{
    QByteArray text = "module costs_top(input [15:0] d, output q);\n";
    for (int i = 0; i < 32000; ++i)
        text += "    wire \\gr\xc3\xbc\xc3\x9f" + QByteArray::number(i) + " = d[" + QByteArray::number(i % 16) + "];\n";
    return text + "    assign q = d[0];\nendmodule\n";
}

// 200,000 nets in a generate loop, and a configuration that names 200 of
// them with both the path and the name misspelt, so that each suggestion
// is looked for among every net.
QByteArray wideDesign()
{
    return "module costs_top(input [15:0] d, output q);\n"
           "    genvar i;\n"
           "    generate for (i = 0; i < 200000; i = i + 1) begin : lane\n"
           "        wire tap = d[i % 16];\n"
           "    end endgenerate\n"
           "    assign q = d[0];\n"
           "endmodule\n";
}

bool writeMisspeltConfig(const QString &path)
{
    auto *core = new ZARN::ZarnCore(0);
    core->setModuleName(QStringLiteral("costs_top"));
    QList<ZARN::SignalItem> items;
    for (int i = 0; i < 200; ++i)
        items.append(ZARN::SignalItem(QStringLiteral("lanes[%1]/tapp").arg(i * 997)));
    core->getProbeIn(0)->setSignalNet(items);
    const bool written = ZARN::writeZARNConfigToXml({core}, path);
    delete core;
    return written;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Milliseconds of one run of @p command in @p dir; negative where it ended otherwise than @p exitCodes allow.
double timed(const QString &dir, const QStringList &command, const QList<int> &exitCodes)
{
    QProcess process;
    process.setWorkingDirectory(dir);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(dir + QLatin1String("/stderr.txt"));
    QElapsedTimer timer;
    timer.start();
    process.start(command.first(), command.mid(1));
    const bool finished = process.waitForFinished(-1);
    const double elapsed = timer.nsecsElapsed() / 1e6;
    if (!finished || process.exitStatus() != QProcess::NormalExit || !exitCodes.contains(process.exitCode())) {
        QTextStream(stderr) << "zarn-bench: " << command.join(QLatin1Char(' ')) << " failed\n";
        return -1;
    }
    return elapsed;
}

} // namespace

bool measureDesignCosts(const QString &zarn, const QString &yosys, const QString &dir, int runs, QList<DesignCost> *costs)
{
    struct Case
    {
        QString command;
        QString design;
        QByteArray verilog;
        QStringList arguments;
        QList<int> exitCodes;
    };
    const QString config = dir + QLatin1String("/misspelt.xml");
    if (!writeMisspeltConfig(config))
        return false;
    const QList<Case> cases{
        {QStringLiteral("init"), QStringLiteral("8,000 marked nets"), markedDesign(), {QStringLiteral("init"), QStringLiteral("--force"), QStringLiteral("--out"), QStringLiteral("marks.xml")}, {0}},
        {QStringLiteral("nets"), QStringLiteral("32,000 non-ASCII names"), nonAsciiDesign(), {QStringLiteral("nets")}, {0}},
        {QStringLiteral("lint"), QStringLiteral("200 misspelt of 200,000 nets"), wideDesign(), {QStringLiteral("lint"), config}, {1}},
    };
    for (const Case &c : cases) {
        const QString design = c.command + QLatin1String(".v");
        if (!write(dir + QLatin1Char('/') + design, c.verilog))
            return false;
        const QStringList command = QStringList{zarn} + c.arguments
            + QStringList{QStringLiteral("--no-cache"), QStringLiteral("--design"), design, QStringLiteral("--top"), QStringLiteral("costs_top")};
        const QStringList floor{yosys, QStringLiteral("-q"), QStringLiteral("-p"),
                                QStringLiteral("read_verilog -sv -defer %1; hierarchy -check -top costs_top; proc; flatten").arg(design)};
        QVector<double> times;
        QVector<double> floors;
        for (int run = 0; run < runs; ++run) {
            times.append(timed(dir, command, c.exitCodes));
            floors.append(timed(dir, floor, {0}));
            if (times.last() < 0 || floors.last() < 0)
                return false;
        }
        costs->append({c.command, c.design, median(times), median(floors)});
    }
    return true;
}
