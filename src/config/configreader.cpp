#include <zarn/configreader.h>
#include <zarn/zarncore.h>

#include "configxml.h"

#include <QFile>
#include <QHash>
#include <QMessageLogger>

namespace ZARN {

namespace {

using namespace ConfigXml;

// toInt in base 10: text that is no decimal integer in range counts as 0.
int intAttribute(const QXmlStreamAttributes &attributes, QLatin1String name)
{
    return attributes.value(name).toInt();
}

// Signal and Bus children of a SignalList; anything else is skipped.
QList<SignalItem> readSignalList(Walker &walker)
{
    QList<SignalItem> items;
    while (walker.nextChild()) {
        if (walker.name() == signalElement) {
            items.append(SignalItem(walker.text()));
        } else if (walker.name() == busElement) {
            SignalItem bus;
            bus.name = walker.attributes().value(nameAttribute).toString();
            while (walker.nextChild()) {
                if (walker.name() == signalElement)
                    bus.bits.append(SignalItem(walker.text()));
                else
                    walker.skip();
            }
            bus.auxFlagA = true;
            items.append(bus);
        } else {
            walker.skip();
        }
    }
    return items;
}

// The children of a ProbeIn or ProbeOut: the first SignalList, if any,
// becomes the probe's whole net.
void readProbeChildren(Walker &walker, ProbeIn *probe)
{
    bool listSeen = false;
    while (walker.nextChild()) {
        if (!listSeen && walker.name() == signalListElement) {
            listSeen = true;
            probe->setSignalNet(readSignalList(walker));
        } else {
            walker.skip();
        }
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
    while (walker.nextChild()) {
        if (walker.name() != probeInElement) {
            walker.skip();
            continue;
        }
        const int index = intAttribute(walker.attributes(), indexAttribute);
        if (index != 0) {
            core->addProbeIn(index);
            probes.added(core->getAllProbeIns().constLast());
        }
        readProbeChildren(walker, probes.find(index));
    }
}

void readProbeOuts(Walker &walker, ZarnCore *core)
{
    FirstProbeByIndex<ProbeOut> probes(core->getProbeOut(0));
    while (walker.nextChild()) {
        if (walker.name() != probeOutElement) {
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
        readProbeChildren(walker, probe);
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

    bool probeInsSeen = false;
    bool probeOutsSeen = false;
    while (walker.nextChild()) {
        if (!probeInsSeen && walker.name() == probeInsElement) {
            probeInsSeen = true;
            readProbeIns(walker, core);
        } else if (!probeOutsSeen && walker.name() == probeOutsElement) {
            probeOutsSeen = true;
            readProbeOuts(walker, core);
        } else {
            walker.skip();
        }
    }
    return core;
}

QList<ZarnCore *> fail(bool *ok, QString *error, const QString &message, QList<ZarnCore *> &built)
{
    qDeleteAll(built);
    if (ok)
        *ok = false;
    if (error)
        *error = message;
    return QList<ZarnCore *>();
}

} // namespace

QList<ZarnCore *> readZARNConfigFromXml(const QString &path, bool *ok, QString *error)
{
    QMessageLogger().debug("readZARNConfigFromXml");

    QList<ZarnCore *> cores;

    // Read as bytes: the XML parser normalises line ends itself and decides
    // the encoding, and a text-mode read would corrupt UTF-16 documents.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(ok, error, QStringLiteral("%1 open file failed.").arg(path), cores);
    if (file.peek(1).isEmpty()) {
        if (ok)
            *ok = true;
        return cores;
    }

    // The cores are built while the document streams by; the version is
    // judged once the whole document has proven well-formed, wherever the
    // Version element stood.
    Walker walker(&file);
    bool versionSeen = false;
    QString version;
    if (walker.nextChild()) {
        while (walker.nextChild()) {
            if (walker.name() == coreElement) {
                cores.append(readCore(walker));
            } else if (!versionSeen && walker.name() == versionElement) {
                versionSeen = true;
                version = walker.text();
            } else {
                walker.skip();
            }
        }
    }
    walker.finish();

    if (walker.hasError())
        return fail(ok, error, walker.errorText(), cores);
    if (!versionSeen)
        return fail(ok, error, QStringLiteral("Unknown Zarn version."), cores);
    if (version != QLatin1String("1.0"))
        return fail(ok, error, QStringLiteral("The version of Zarn config file is error."), cores);

    QMessageLogger().debug("[ read Zarn Config version 1.0 ]");
    if (ok)
        *ok = true;
    return cores;
}

} // namespace ZARN
