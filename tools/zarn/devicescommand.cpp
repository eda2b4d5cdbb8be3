#include "commands.h"
#include "console.h"

#include <zarn/devices.h>

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVector>

#include <algorithm>

int runDevices(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists every device and package that --device and --package of zarn generate and zarn insert take: the device key, "
        "the package key, the part name, and the control core's source that a generation for it lists under the IP root. "
        "A generation without --device lists ZARN/XQ_ZARN_CON/xq_zarn_con_top.v."));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print the devices as JSON."));
    parser.addOption(jsonOption);
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn devices [--json]"), &exitCode))
        return exitCode;
    if (!parser.positionalArguments().isEmpty())
        return Console::fail(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));

    const QList<ZARN::TargetDevice> devices = ZARN::knownDevices();
    if (parser.isSet(jsonOption)) {
        QJsonArray list;
        for (const ZARN::TargetDevice &device : devices)
            list.append(QJsonObject{{QStringLiteral("device"), device.device},
                                    {QStringLiteral("package"), device.package},
                                    {QStringLiteral("part"), device.partName},
                                    {QStringLiteral("description"), device.description},
                                    {QStringLiteral("controlCore"), device.controlCore}});
        Console::out(QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("devices"), list}}).toJson(QJsonDocument::Indented)).trimmed());
        return Console::Success;
    }

    // Columns as wide as their widest entry, two blanks apart.
    QList<QStringList> rows{{QStringLiteral("device"), QStringLiteral("package"), QStringLiteral("part"), QStringLiteral("control core"),
                             QStringLiteral("description")}};
    for (const ZARN::TargetDevice &device : devices)
        rows.append({device.device, device.package, device.partName, device.controlCore, device.description});
    QVector<qsizetype> widths(rows.first().size(), 0);
    for (const QStringList &row : std::as_const(rows)) {
        for (int column = 0; column < row.size(); ++column)
            widths[column] = std::max<qsizetype>(widths.at(column), row.at(column).size());
    }
    for (const QStringList &row : std::as_const(rows)) {
        QString line;
        for (int column = 0; column < row.size(); ++column)
            line += column + 1 < row.size() ? row.at(column).leftJustified(int(widths.at(column)) + 2) : row.at(column);
        Console::out(line);
    }
    return Console::Success;
}
