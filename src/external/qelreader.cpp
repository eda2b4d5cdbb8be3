#include "qelutils.h"

#include <QDomDocument>
#include <QDomElement>
#include <QFile>

namespace QEL {

namespace {

// Parses @p path; on failure fills the out-parameters that are given.
bool loadDocument(const QString &path, QDomDocument *document, bool *ok, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (ok)
            *ok = false;
        if (error)
            *error = QStringLiteral("%1 open file failed.").arg(path);
        return false;
    }
    QString message;
    int line = 0;
    int column = 0;
    if (!document->setContent(file.readAll(), &message, &line, &column)) {
        if (ok)
            *ok = false;
        if (error)
            *error = QStringLiteral("%1 at %2:%3").arg(message, QString::number(line), QString::number(column));
        return false;
    }
    if (ok)
        *ok = true;
    return true;
}

// The texts of the Signal children of @p parent, in order.
QStringList signalNames(const QDomElement &parent)
{
    QStringList names;
    for (QDomElement signal = parent.firstChildElement(QStringLiteral("Signal")); !signal.isNull();
         signal = signal.nextSiblingElement(QStringLiteral("Signal")))
        names.append(signal.text());
    return names;
}

QStringList dataSignals(const QDomElement &core)
{
    return signalNames(core.firstChildElement(QStringLiteral("DataSignals")));
}

QString sampleClock(const QDomElement &core)
{
    return core.attribute(QStringLiteral("sample_clock"));
}

} // namespace

QList<AoCore *> readQELConfigFromXml(const QString &path, bool *ok, QString *error)
{
    QList<AoCore *> cores;
    QDomDocument document;
    if (!loadDocument(path, &document, ok, error))
        return cores;

    const QDomElement root = document.documentElement();
    for (QDomElement element = root.firstChildElement(QStringLiteral("AoCore")); !element.isNull();
         element = element.nextSiblingElement(QStringLiteral("AoCore"))) {
        auto *core = new AoCore(dataSignals(element), sampleClock(element));
        for (QDomElement port = element.firstChildElement(QStringLiteral("TriggerPort")); !port.isNull();
             port = port.nextSiblingElement(QStringLiteral("TriggerPort"))) {
            const bool enabled = port.attribute(QStringLiteral("enabled")) != QLatin1String("false");
            core->addTriggerPort(new TriggerPort(port.attribute(QStringLiteral("number")).toInt(), signalNames(port), enabled));
        }
        cores.append(core);
    }
    return cores;
}

QList<AOCore_Lite *> readQELConfigFromXml_Lite(const QString &path, bool *ok, QString *error)
{
    QList<AOCore_Lite *> cores;
    QDomDocument document;
    if (!loadDocument(path, &document, ok, error))
        return cores;

    const QDomElement root = document.documentElement();
    for (QDomElement element = root.firstChildElement(QStringLiteral("AoCoreLite")); !element.isNull();
         element = element.nextSiblingElement(QStringLiteral("AoCoreLite")))
        cores.append(new AOCore_Lite(dataSignals(element), sampleClock(element)));
    return cores;
}

} // namespace QEL
