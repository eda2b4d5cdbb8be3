#include "probemap.h"

#include "filesystem.h"

#include <zarn/zarncore.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>

namespace {

QJsonObject probeEntry(const char *kind, const ZARN::ProbeIn *probe)
{
    const QStringList nets = probe->singleSignals();
    QJsonArray bits;
    for (int i = 0; i < nets.size(); ++i)
        bits.append(QJsonObject{{QStringLiteral("net"), nets.at(i)}, {QStringLiteral("bit"), nets.size() - 1 - i}});
    const QString port = QStringLiteral("probe_%1%2").arg(QLatin1String(kind)).arg(probe->getIndex());
    return QJsonObject{
        {QStringLiteral("kind"), QLatin1String(kind)},
        {QStringLiteral("index"), probe->getIndex()},
        {QStringLiteral("width"), nets.size()},
        {QStringLiteral("port"), nets.isEmpty() ? QJsonValue() : QJsonValue(port)},
        {QStringLiteral("nets"), bits},
    };
}

} // namespace

QString writeProbeMap(const QString &path, const QList<ZARN::ZarnCore *> &cores)
{
    QJsonArray coreEntries;
    for (int position = 0; position < cores.size(); ++position) {
        ZARN::ZarnCore *core = cores.at(position);
        QJsonArray probes;
        for (const ZARN::ProbeIn *probe : core->getAllProbeIns())
            probes.append(probeEntry("in", probe));
        // Output probes are connected by index 0 to n-1, as the top module does.
        const int outputs = core->getAllProbeOuts().size();
        for (int index = 0; index < outputs; ++index) {
            if (const ZARN::ProbeOut *probe = core->getProbeOut(index))
                probes.append(probeEntry("out", probe));
        }
        const bool clocked = core->isOutProbeSynwithUserClock();
        coreEntries.append(QJsonObject{
            {QStringLiteral("position"), position},
            {QStringLiteral("index"), core->getIndex()},
            {QStringLiteral("moduleName"), core->getModuleName()},
            {QStringLiteral("instance"), QStringLiteral("u_zarn%1_top").arg(position)},
            {QStringLiteral("module"), QStringLiteral("xq_zarn_top_%1").arg(position)},
            {QStringLiteral("userClock"), clocked ? QJsonValue(core->getUserClockName()) : QJsonValue()},
            {QStringLiteral("probes"), probes},
        });
    }

    // Written into the staging directory, which is swapped in whole: no
    // need for a file of its own to be replaced atomically.
    QFile file(path);
    const QByteArray json = QJsonDocument(QJsonObject{{QStringLiteral("cores"), coreEntries}}).toJson(QJsonDocument::Indented);
    if (file.open(QIODevice::WriteOnly) && FileSystem::writeAll(file, json) && file.flush())
        return QString();
    return file.errorString();
}
