#include "qelutils.h"

#include "config/configxml.h"

#include <QFile>

#include <functional>

namespace QEL {

namespace {

using ZARN::ConfigXml::Walker;

/**
 * Streams the analyzer file @p path with the configuration reader's guards
 * (nesting depth, no document type declarations, no control characters),
 * handing each child element of the root to @p readCore, which consumes it.
 * On failure fills the out-parameters that are given.
 */
template<typename ReadCore>
void readFile(const QString &path, bool *ok, QString *error, ReadCore readCore)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (ok)
            *ok = false;
        if (error)
            *error = QStringLiteral("%1 open file failed.").arg(path);
        return;
    }
    Walker walker(&file);
    if (walker.nextChild()) {
        while (walker.nextChild())
            readCore(walker);
    }
    walker.finish();
    if (ok)
        *ok = !walker.hasError();
    if (error && walker.hasError())
        *error = walker.errorText();
}

// The texts of the Signal children of the current element, which this consumes.
QStringList signalNames(Walker &walker)
{
    QStringList names;
    while (walker.nextChild()) {
        if (walker.name() == QLatin1String("Signal"))
            names.append(walker.text());
        else
            walker.skip();
    }
    return names;
}

// The nets of the first DataSignals child, and each TriggerPort child of an
// analyzer core element, which this consumes.
QStringList readCoreElement(Walker &walker, const std::function<void(Walker &)> &onTrigger)
{
    QStringList data;
    bool dataSeen = false;
    while (walker.nextChild()) {
        if (walker.name() == QLatin1String("DataSignals") && !dataSeen) {
            dataSeen = true;
            data = signalNames(walker);
        } else if (walker.name() == QLatin1String("TriggerPort") && onTrigger) {
            onTrigger(walker);
        } else {
            walker.skip();
        }
    }
    return data;
}

} // namespace

QList<AoCore *> readQELConfigFromXml(const QString &path, bool *ok, QString *error)
{
    QList<AoCore *> cores;
    bool read = true;
    readFile(path, &read, error, [&cores](Walker &walker) {
        if (walker.name() != QLatin1String("AoCore")) {
            walker.skip();
            return;
        }
        const QString sampleClock = walker.attributes().value(QLatin1String("sample_clock")).toString();
        QList<TriggerPort *> triggers;
        const QStringList data = readCoreElement(walker, [&triggers](Walker &port) {
            const QXmlStreamAttributes attributes = port.attributes();
            const bool enabled = attributes.value(QLatin1String("enabled")) != QLatin1String("false");
            const int number = attributes.value(QLatin1String("number")).toInt();
            triggers.append(new TriggerPort(number, signalNames(port), enabled));
        });
        auto *core = new AoCore(data, sampleClock);
        for (TriggerPort *trigger : qAsConst(triggers))
            core->addTriggerPort(trigger);
        cores.append(core);
    });
    if (ok)
        *ok = read;
    if (!read) {
        qDeleteAll(cores);
        cores.clear();
    }
    return cores;
}

QList<AOCore_Lite *> readQELConfigFromXml_Lite(const QString &path, bool *ok, QString *error)
{
    QList<AOCore_Lite *> cores;
    bool read = true;
    readFile(path, &read, error, [&cores](Walker &walker) {
        if (walker.name() != QLatin1String("AoCoreLite")) {
            walker.skip();
            return;
        }
        const QString sampleClock = walker.attributes().value(QLatin1String("sample_clock")).toString();
        cores.append(new AOCore_Lite(readCoreElement(walker, nullptr), sampleClock));
    });
    if (ok)
        *ok = read;
    if (!read) {
        qDeleteAll(cores);
        cores.clear();
    }
    return cores;
}

} // namespace QEL
