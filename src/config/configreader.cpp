#include <zarn/configreader.h>
#include <zarn/zarncore.h>

#include "configformat.h"
#include "configreading.h"
#include "configxml.h"

#include <QFile>
#include <QHash>
#include <QMessageLogger>

namespace ZARN {

namespace {

using namespace ConfigFormat;
using ConfigXml::Walker;

// toInt in base 10: text that is no decimal integer in range counts as 0.
int intAttribute(const QXmlStreamAttributes &attributes, const QString &name)
{
    return attributes.value(name).toInt();
}

// Signal and Bus children of a SignalList; anything else is skipped.
QList<SignalItem> readSignalList(Walker &walker)
{
    QList<SignalItem> items;
    Children children(signalListElement);
    while (walker.nextChild()) {
        if (!children.take(walker.name())) {
            walker.skip();
        } else if (walker.name() == signalElement) {
            items.append(SignalItem(walker.text()));
        } else {
            SignalItem bus;
            bus.name = walker.attributes().value(nameAttribute).toString();
            Children bits(busElement);
            while (walker.nextChild()) {
                if (bits.take(walker.name()))
                    bus.bits.append(SignalItem(walker.text()));
                else
                    walker.skip();
            }
            bus.auxFlagA = true;
            items.append(bus);
        }
    }
    return items;
}

// The children of a ProbeIn or ProbeOut: the first SignalList, if any,
// becomes the probe's whole net.
void readProbeChildren(Walker &walker, ProbeIn *probe, const QString &element)
{
    Children children(element);
    while (walker.nextChild()) {
        if (children.take(walker.name()))
            probe->setSignalNet(readSignalList(walker));
        else
            walker.skip();
    }
}

// Finds the first probe of a core with a given index, as ZarnCore's lookup
// does, without walking the list for every probe element: a hostile file
// with many probes in one core must not cost quadratic time.
template<typename Probe>
class FirstProbeByIndex
{
public:
    explicit FirstProbeByIndex(Probe *probeZero) { m_first.insert(0, probeZero); }

    Probe *find(int index) const { return m_first.value(index); }
    void added(Probe *probe)
    {
        if (!m_first.contains(probe->getIndex()))
            m_first.insert(probe->getIndex(), probe);
    }

private:
    QHash<int, Probe *> m_first;
};

void readProbeIns(Walker &walker, ZarnCore *core)
{
    FirstProbeByIndex<ProbeIn> probes(core->getProbeIn(0));
    Children children(probeInsElement);
    while (walker.nextChild()) {
        if (!children.take(walker.name())) {
            walker.skip();
            continue;
        }
        const int index = intAttribute(walker.attributes(), indexAttribute);
        if (index != 0) {
            core->addProbeIn(index);
            probes.added(core->getAllProbeIns().constLast());
        }
        readProbeChildren(walker, probes.find(index), probeInElement);
    }
}

void readProbeOuts(Walker &walker, ZarnCore *core)
{
    FirstProbeByIndex<ProbeOut> probes(core->getProbeOut(0));
    Children children(probeOutsElement);
    while (walker.nextChild()) {
        if (!children.take(walker.name())) {
            walker.skip();
            continue;
        }
        const QXmlStreamAttributes attributes = walker.attributes();
        const int index = intAttribute(attributes, indexAttribute);
        if (index != 0) {
            core->addProbeOut(index);
            probes.added(core->getAllProbeOuts().constLast());
        }
        ProbeOut *probe = probes.find(index);
        probe->setValue(attributes.value(valueAttribute).toString());
        readProbeChildren(walker, probe, probeOutElement);
    }
}

ZarnCore *readCore(Walker &walker)
{
    auto *core = new ZarnCore(0);
    const QXmlStreamAttributes attributes = walker.attributes();
    core->setIndex(intAttribute(attributes, indexAttribute));
    core->setOutProbeSynwithUserClock(attributes.value(synchronisedAttribute) == QLatin1String("true"));
    core->setUserClockName(attributes.value(userClockAttribute).toString());
    if (attributes.hasAttribute(moduleNameAttribute))
        core->setModuleName(attributes.value(moduleNameAttribute).toString());

    Children children(coreElement);
    while (walker.nextChild()) {
        if (!children.take(walker.name()))
            walker.skip();
        else if (walker.name() == probeInsElement)
            readProbeIns(walker, core);
        else
            readProbeOuts(walker, core);
    }
    return core;
}

QList<ZarnCore *> fail(ReadFailure *failure, ReadFailure kind, QString *error, const QString &message, QList<ZarnCore *> &built)
{
    qDeleteAll(built);
    *failure = kind;
    if (error)
        *error = message;
    return QList<ZarnCore *>();
}

} // namespace

QList<ZarnCore *> readConfigFile(const QString &path, ReadFailure *failure, QString *error)
{
    QMessageLogger().debug("readZARNConfigFromXml");

    QList<ZarnCore *> cores;

    // Read as bytes: the XML parser normalises line ends itself and decides
    // the encoding, and a text-mode read would corrupt UTF-16 documents.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(failure, ReadFailure::CannotOpen, error, QStringLiteral("%1 open file failed.").arg(path), cores);
    *failure = ReadFailure::None;
    if (file.peek(1).isEmpty())
        return cores;

    // The cores are built while the document streams by; the version is
    // judged once the whole document has proven well-formed, wherever the
    // Version element stood.
    Walker walker(&file);
    bool versionSeen = false;
    QString versionText;
    if (walker.nextChild()) {
        Children children(rootElement);
        while (walker.nextChild()) {
            if (!children.take(walker.name())) {
                walker.skip();
            } else if (walker.name() == coreElement) {
                cores.append(readCore(walker));
            } else {
                versionSeen = true;
                versionText = walker.text();
            }
        }
    }
    walker.finish();

    if (walker.hasError())
        return fail(failure, ReadFailure::NotWellFormed, error, walker.errorText(), cores);
    if (!versionSeen)
        return fail(failure, ReadFailure::NoVersion, error, QStringLiteral("Unknown Zarn version."), cores);
    if (versionText != version)
        return fail(failure, ReadFailure::WrongVersion, error, QStringLiteral("The version of Zarn config file is error."), cores);

    QMessageLogger().debug("[ read Zarn Config version 1.0 ]");
    return cores;
}

QList<ZarnCore *> readZARNConfigFromXml(const QString &path, bool *ok, QString *error)
{
    ReadFailure failure = ReadFailure::None;
    QList<ZarnCore *> cores = readConfigFile(path, &failure, error);
    if (ok)
        *ok = failure == ReadFailure::None;
    return cores;
}

} // namespace ZARN
