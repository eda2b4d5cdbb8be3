#include "qelutils.h"

#include "config/configxml.h"

#include <QFile>

#include <functional>

namespace QEL {

namespace {

using ZARN::ConfigXml::Walker;

/**
 * The cores of the analyzer file @p path: each child element @p element of
 * the root, made by @p readCore from the element (which it consumes) and
 * its sample clock.  The file streams through the configuration reader's
 * guards (nesting depth, no document type declarations, no control
 * characters, not too many attributes); on failure the list is empty and
 * the out-parameters that are given say why.
 */
template<typename Core, typename ReadCore>
QList<Core *> readFile(const QString &path, bool *ok, QString *error, QLatin1String element, ReadCore readCore)
{
    QList<Core *> cores;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (ok)
            *ok = false;
        if (error)
            *error = QStringLiteral("%1 open file failed.").arg(path);
        return cores;
    }
    Walker walker(&file);
    if (walker.nextChild()) {
        while (walker.nextChild()) {
            if (walker.name() == element) {
                const QString sampleClock = walker.attributes().value(QLatin1String("sample_clock")).toString();
                cores.append(readCore(walker, sampleClock));
            } else {
                walker.skip();
            }
        }
    }
    walker.finish();
    if (ok)
        *ok = !walker.hasError();
    if (walker.hasError()) {
        if (error)
            *error = walker.errorText();
        qDeleteAll(cores);
        cores.clear();
    }
    return cores;
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
    return readFile<AoCore>(path, ok, error, QLatin1String("AoCore"), [](Walker &walker, const QString &sampleClock) {
        QList<TriggerPort *> triggers;
        const QStringList data = readCoreElement(walker, [&triggers](Walker &port) {
            const QXmlStreamAttributes attributes = port.attributes();
            const bool enabled = attributes.value(QLatin1String("enabled")) != QLatin1String("false");
            const int number = attributes.value(QLatin1String("number")).toInt();
            triggers.append(new TriggerPort(number, signalNames(port), enabled));
        });
        auto *core = new AoCore(data, sampleClock);
        for (TriggerPort *trigger : std::as_const(triggers))
            core->addTriggerPort(trigger);
        return core;
    });
}

QList<AOCore_Lite *> readQELConfigFromXml_Lite(const QString &path, bool *ok, QString *error)
{
    return readFile<AOCore_Lite>(path, ok, error, QLatin1String("AoCoreLite"), [](Walker &walker, const QString &sampleClock) {
        return new AOCore_Lite(readCoreElement(walker, nullptr), sampleClock);
    });
}

} // namespace QEL
