#include "generate/generatedfile.h"
#include "jsonreader.h"
#include "jsonwriter.h"
#include "probewalk.h"

#include <zarn/probemap.h>
#include <zarn/zarncore.h>

#include <QFile>
#include <QSaveFile>

#include <functional>

namespace ZARN {

namespace {

void writeStrings(JsonWriter &json, const QStringList &strings)
{
    json.beginArray();
    for (const QString &text : strings)
        json.value(text);
    json.endArray();
}

// Writes a core's entry as walkCoreEntry() gives it, or as writeCore()
// gives it from an entry of the model: one layout of the JSON.
struct EntryWriter
{
    JsonWriter &json;

    void beginCore(const ProbeMapCore &core)
    {
        json.beginObject();
        json.key("position").value(core.position);
        json.key("index").value(core.index);
        json.key("moduleName").value(core.moduleName);
        json.key("instance").value(core.instance);
        json.key("module").value(core.module);
        json.key("synchronised").value(core.synchronised);
        json.key("clock").valueOrNull(core.clock);
        json.key("probes").beginArray();
    }
    void beginProbe(const ProbeMapProbe &probe)
    {
        json.beginObject();
        json.key("kind").value(probe.kind);
        json.key("index").value(probe.index);
        json.key("width").value(probe.width);
        json.key("port").valueOrNull(probe.port);
        if (probe.kind == QLatin1String("out"))
            json.key("initialValue").value(probe.initialValue);
        // A net a line, and a bus's bits on one: most of a map is nets.
        json.key("nets").beginArray();
    }
    // The port is the net's identifier, written escaped where it must be;
    // an entry of the model gives its own, as it was read.
    void net(int bit, const QString &name, const QString *port = nullptr, const QString &takenOverBy = QString())
    {
        json.beginObject(JsonWriter::OnOneLine);
        json.key("bit").value(bit);
        json.key("net").value(name);
        if (port)
            json.key("port").valueOrNull(*port);
        else
            json.key("port").identifierOrNull(name);
        if (!takenOverBy.isEmpty())
            json.key("takenOverBy").value(takenOverBy);
        json.endObject();
    }
    void endNets()
    {
        json.endArray();
        json.key("buses").beginArray();
    }
    void bus(const ProbeMapBus &bus)
    {
        json.beginObject();
        json.key("name").value(bus.name);
        json.key("msb").value(bus.msb);
        json.key("lsb").value(bus.lsb);
        json.key("bits").beginArray(JsonWriter::OnOneLine);
        for (const int bit : bus.bits)
            json.value(bit);
        json.endArray();
        json.endObject();
    }
    void endProbe()
    {
        json.endArray();
        json.endObject();
    }
    void endCore()
    {
        json.endArray();
        json.endObject();
    }
};

// An entry of the model, through the same writer.
void writeCore(JsonWriter &json, const ProbeMapCore &core)
{
    EntryWriter writer{json};
    writer.beginCore(core);
    for (const ProbeMapProbe &probe : core.probes) {
        writer.beginProbe(probe);
        for (const ProbeMapNet &net : probe.nets)
            writer.net(net.bit, net.net, &net.port, net.takenOverBy);
        writer.endNets();
        for (const ProbeMapBus &bus : probe.buses)
            writer.bus(bus);
        writer.endProbe();
    }
    writer.endCore();
}

/**
 * The map with its cores from @p cores, called with each core's position
 * until it returns false, so that they need not all be built at once.
 */
QString writeMap(const ProbeMap &map, const QString &path, const std::function<bool(JsonWriter &)> &cores)
{
    // A map that cannot be written whole leaves the one before it as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        VerilogText text(&file);
        JsonWriter json(text);
        json.beginObject();
        json.key("format").value(ProbeMap::format);
        json.key("generator").value(map.generator);
        json.key("configuration").beginObject();
        json.key("sha256").value(map.configurationSha256);
        json.endObject();
        json.key("analyzerConfiguration");
        if (map.analyzerSha256.isEmpty()) {
            json.null();
        } else {
            json.beginObject();
            json.key("sha256").value(map.analyzerSha256);
            json.endObject();
        }
        json.key("topModule").beginObject();
        json.key("name").value(map.topModule);
        json.key("file").value(map.topFile);
        json.endObject();
        json.key("cores").beginArray();
        while (cores(json)) {
        }
        json.endArray();
        json.key("analyzers").beginArray();
        for (const ProbeMapAnalyzer &analyzer : map.analyzers) {
            json.beginObject();
            json.key("position").value(analyzer.position);
            json.key("kind").value(analyzer.kind);
            json.key("sampleClock").value(analyzer.sampleClock);
            json.key("data");
            writeStrings(json, analyzer.data);
            json.key("triggers").beginArray();
            for (const ProbeMapTrigger &trigger : analyzer.triggers) {
                json.beginObject();
                json.key("number").value(trigger.number);
                json.key("nets");
                writeStrings(json, trigger.nets);
                json.endObject();
            }
            json.endArray();
            json.endObject();
        }
        json.endArray();
        json.endObject();
        json.finish();
        text.flush();
        if (text.failed() || !file.commit())
            return file.errorString();
    }
    return QString();
}

} // namespace

QString writeProbeMap(const ProbeMap &map, const QString &path)
{
    int next = 0;
    return writeMap(map, path, [&map, &next](JsonWriter &json) {
        if (next >= map.cores.size())
            return false;
        writeCore(json, map.cores.at(next++));
        return true;
    });
}

QString writeProbeMap(const QList<ZarnCore *> &cores, const QString &configurationFile, const QString &analyzerFile, const QString &path)
{
    return writeProbeMap(ProbeMap::fromCores({}, configurationFile, analyzerFile), cores, path);
}

QString writeProbeMap(const ProbeMap &header, const QList<ZarnCore *> &cores, const QString &path)
{
    // The cores one at a time, straight from the model: a map of any size needs little memory.
    int next = 0;
    return writeMap(header, path, [&cores, &next](JsonWriter &json) {
        if (next >= cores.size())
            return false;
        EntryWriter writer{json};
        walkCoreEntry(cores.at(next), next, writer);
        ++next;
        return true;
    });
}

namespace {

/** Reads a map into a ProbeMap, a member at a time; unknown members are passed over. */
class MapReader
{
public:
    MapReader(QIODevice *device, int onlyCore)
        : m_json(device)
        , m_onlyCore(onlyCore)
    {
    }

    bool read(ProbeMap *map, QString *error)
    {
        int format = 0;
        const bool ok = object([&](const QString &key) {
            if (key == QLatin1String("format"))
                return integer(&format);
            if (key == QLatin1String("generator"))
                return string(&map->generator);
            if (key == QLatin1String("configuration") || key == QLatin1String("analyzerConfiguration")) {
                QString *digest = key == QLatin1String("configuration") ? &map->configurationSha256 : &map->analyzerSha256;
                return objectOrNull([&](const QString &member) { return member == QLatin1String("sha256") ? string(digest) : skip(); });
            }
            if (key == QLatin1String("topModule"))
                return object([&](const QString &member) {
                    return member == QLatin1String("name") ? string(&map->topModule) : member == QLatin1String("file") ? string(&map->topFile) : skip();
                });
            if (key == QLatin1String("cores"))
                return array([&] {
                    ProbeMapCore core;
                    if (!readCore(&core))
                        return false;
                    if (m_onlyCore < 0 || core.position == m_onlyCore)
                        map->cores.append(core);
                    return true;
                });
            if (key == QLatin1String("analyzers"))
                return array([&] {
                    ProbeMapAnalyzer analyzer;
                    if (!readAnalyzer(&analyzer))
                        return false;
                    map->analyzers.append(analyzer);
                    return true;
                });
            return skip();
        });
        if (ok && m_json.next() != JsonReader::End)
            return fail(error, m_json.errorString());
        if (!ok)
            return fail(error, m_error);
        if (format != ProbeMap::format)
            return fail(error, format == 0 ? QStringLiteral("the file has no \"format\": a probe map of an earlier zarn, which this one cannot read; "
                                                         "generate again to get a map of format %1")
                                                 .arg(ProbeMap::format)
                                           : QStringLiteral("the map is of format %1, and this zarn reads format %2").arg(format).arg(ProbeMap::format));
        return true;
    }

private:
    bool fail(QString *error, const QString &message)
    {
        *error = message;
        return false;
    }
    // "cores[0].probes[2].width": where the reading is.
    QString place() const
    {
        QString text;
        for (const QString &step : m_path)
            text += step.startsWith(QLatin1Char('[')) || text.isEmpty() ? step : QLatin1Char('.') + step;
        return text;
    }
    bool wrong(const QString &message)
    {
        if (m_error.isEmpty()) {
            const QString what = m_json.errorString().isEmpty() ? QStringLiteral("%1 at byte %2").arg(message).arg(m_json.offset()) : m_json.errorString();
            m_error = m_path.isEmpty() ? what : place() + QLatin1String(": ") + what;
        }
        return false;
    }
    bool skip() { return m_json.skipValue() || wrong(QStringLiteral("the map is no JSON document")); }
    bool object(const std::function<bool(const QString &)> &member)
    {
        if (m_json.next() != JsonReader::BeginObject)
            return wrong(QStringLiteral("an object is missing"));
        return members(member);
    }
    bool objectOrNull(const std::function<bool(const QString &)> &member)
    {
        const JsonReader::Token token = m_json.next();
        if (token == JsonReader::Null)
            return true;
        if (token != JsonReader::BeginObject)
            return wrong(QStringLiteral("an object is missing"));
        return members(member);
    }
    bool members(const std::function<bool(const QString &)> &member)
    {
        for (;;) {
            const JsonReader::Token token = m_json.next();
            if (token == JsonReader::EndObject)
                return true;
            if (token != JsonReader::Key)
                return wrong(QStringLiteral("a member is not as it should be"));
            m_path.append(m_json.text());
            const bool read = member(m_json.text());
            if (!read)
                return wrong(QStringLiteral("a member is not as it should be"));
            m_path.removeLast();
        }
    }
    bool array(const std::function<bool()> &element)
    {
        if (m_json.next() != JsonReader::BeginArray)
            return wrong(QStringLiteral("an array is missing"));
        for (int i = 0;; ++i) {
            // An element is read by its reader, which takes its first token itself.
            if (m_json.peekEndArray())
                return true;
            m_path.append(QStringLiteral("[%1]").arg(i));
            if (!element())
                return false;
            m_path.removeLast();
        }
    }
    bool string(QString *text)
    {
        const JsonReader::Token token = m_json.next();
        if (token == JsonReader::Null) {
            text->clear();
            return true;
        }
        if (token != JsonReader::String)
            return wrong(QStringLiteral("a text is missing"));
        *text = m_json.text();
        return true;
    }
    bool integer(int *number)
    {
        bool ok = false;
        if (m_json.next() == JsonReader::Number)
            *number = m_json.text().toInt(&ok);
        return ok || wrong(QStringLiteral("a whole number is missing"));
    }
    bool boolean(bool *truth)
    {
        const JsonReader::Token token = m_json.next();
        *truth = token == JsonReader::True;
        return token == JsonReader::True || token == JsonReader::False || wrong(QStringLiteral("true or false is missing"));
    }
    bool strings(QStringList *list)
    {
        return array([&] {
            list->append(QString());
            return string(&list->last());
        });
    }

    bool readCore(ProbeMapCore *core)
    {
        // Another core's probes are read through, not kept: known by the
        // position, which the writer puts first (a map written otherwise
        // keeps the probes it meets before the position, and is filtered
        // when the core ends).
        bool positioned = false;
        return object([&](const QString &key) {
            if (key == QLatin1String("position")) {
                positioned = true;
                return integer(&core->position);
            }
            if (key == QLatin1String("index"))
                return integer(&core->index);
            if (key == QLatin1String("moduleName"))
                return string(&core->moduleName);
            if (key == QLatin1String("instance"))
                return string(&core->instance);
            if (key == QLatin1String("module"))
                return string(&core->module);
            if (key == QLatin1String("synchronised"))
                return boolean(&core->synchronised);
            if (key == QLatin1String("clock"))
                return string(&core->clock);
            if (key == QLatin1String("probes"))
                return array([&] {
                    ProbeMapProbe probe;
                    if (!readProbe(&probe))
                        return false;
                    if (m_onlyCore < 0 || !positioned || core->position == m_onlyCore)
                        core->probes.append(probe);
                    return true;
                });
            return skip();
        });
    }

    // A refusal at @p at of what @p member of the element being read holds.
    bool refuse(const QString &member, qint64 at, const QString &message)
    {
        if (!member.isEmpty())
            m_path.append(member);
        if (m_error.isEmpty())
            m_error = QStringLiteral("%1: %2 at byte %3").arg(place(), message).arg(at);
        if (!member.isEmpty())
            m_path.removeLast();
        return false;
    }

    // What a probe's numbers must be before anything uses them: its bits
    // within its width, each net one bit of its own.
    bool checkProbe(const ProbeMapProbe &probe, qint64 widthAt, const QVector<qint64> &netAt, const QVector<QVector<qint64>> &busAt)
    {
        if (probe.width < 0 || probe.width > ProbeMap::largestWidth)
            return refuse(QStringLiteral("width"), widthAt, QStringLiteral("%1 is no width of a probe, which is 0 to %2 bits wide").arg(probe.width).arg(ProbeMap::largestWidth));
        if (probe.nets.size() != probe.width)
            return refuse(QStringLiteral("nets"), m_json.offset(), QStringLiteral("a probe of width %1 has %1 nets, one a bit, not %2").arg(probe.width).arg(probe.nets.size()));
        QVector<bool> taken(probe.width, false);
        for (int i = 0; i < probe.nets.size(); ++i) {
            const int bit = probe.nets.at(i).bit;
            const QString member = QStringLiteral("nets[%1].bit").arg(i);
            if (bit < 0 || bit >= probe.width)
                return refuse(member, netAt.at(i), QStringLiteral("bit %1 lies outside the probe's width of %2").arg(bit).arg(probe.width));
            if (taken.at(bit))
                return refuse(member, netAt.at(i), QStringLiteral("bit %1 is another net's already").arg(bit));
            taken[bit] = true;
        }
        for (int b = 0; b < probe.buses.size(); ++b) {
            for (int i = 0; i < probe.buses.at(b).bits.size(); ++i) {
                const int bit = probe.buses.at(b).bits.at(i);
                if (bit < 0 || bit >= probe.width)
                    return refuse(QStringLiteral("buses[%1].bits[%2]").arg(b).arg(i), busAt.at(b).at(i),
                                  QStringLiteral("bit %1 lies outside the probe's width of %2").arg(bit).arg(probe.width));
            }
        }
        return true;
    }

    bool readProbe(ProbeMapProbe *probe)
    {
        qint64 widthAt = 0;
        QVector<qint64> netAt;
        QVector<QVector<qint64>> busAt;
        return object([&](const QString &key) {
            if (key == QLatin1String("kind"))
                return string(&probe->kind);
            if (key == QLatin1String("index"))
                return integer(&probe->index);
            if (key == QLatin1String("width")) {
                const bool read = integer(&probe->width);
                widthAt = m_json.offset();
                return read;
            }
            if (key == QLatin1String("port"))
                return string(&probe->port);
            if (key == QLatin1String("initialValue"))
                return string(&probe->initialValue);
            if (key == QLatin1String("nets"))
                return array([&] {
                    if (probe->nets.size() >= ProbeMap::largestWidth)
                        return refuse(QString(), m_json.offset(), QStringLiteral("more nets than the widest probe has bits (%1)").arg(ProbeMap::largestWidth));
                    ProbeMapNet net;
                    probe->nets.append(net);
                    netAt.append(m_json.offset());
                    ProbeMapNet &last = probe->nets.last();
                    return object([&](const QString &member) {
                        if (member == QLatin1String("bit")) {
                            const bool read = integer(&last.bit);
                            netAt.last() = m_json.offset();
                            return read;
                        }
                        if (member == QLatin1String("net"))
                            return string(&last.net);
                        if (member == QLatin1String("port"))
                            return string(&last.port);
                        if (member == QLatin1String("takenOverBy"))
                            return string(&last.takenOverBy);
                        return skip();
                    });
                });
            if (key == QLatin1String("buses"))
                return array([&] {
                    if (probe->buses.size() >= ProbeMap::largestWidth)
                        return refuse(QString(), m_json.offset(), QStringLiteral("more buses than the widest probe has bits (%1)").arg(ProbeMap::largestWidth));
                    probe->buses.append(ProbeMapBus());
                    busAt.append(QVector<qint64>());
                    ProbeMapBus &bus = probe->buses.last();
                    return object([&](const QString &member) {
                        if (member == QLatin1String("name"))
                            return string(&bus.name);
                        if (member == QLatin1String("msb"))
                            return integer(&bus.msb);
                        if (member == QLatin1String("lsb"))
                            return integer(&bus.lsb);
                        if (member == QLatin1String("bits"))
                            return array([&] {
                                if (bus.bits.size() >= ProbeMap::largestWidth)
                                    return refuse(QString(), m_json.offset(), QStringLiteral("more bits than the widest probe has (%1)").arg(ProbeMap::largestWidth));
                                bus.bits.append(0);
                                const bool read = integer(&bus.bits.last());
                                busAt.last().append(m_json.offset());
                                return read;
                            });
                        return skip();
                    });
                });
            return skip();
        }) && checkProbe(*probe, widthAt, netAt, busAt);
    }

    bool readAnalyzer(ProbeMapAnalyzer *analyzer)
    {
        return object([&](const QString &key) {
            if (key == QLatin1String("position"))
                return integer(&analyzer->position);
            if (key == QLatin1String("kind"))
                return string(&analyzer->kind);
            if (key == QLatin1String("sampleClock"))
                return string(&analyzer->sampleClock);
            if (key == QLatin1String("data"))
                return strings(&analyzer->data);
            if (key == QLatin1String("triggers"))
                return array([&] {
                    analyzer->triggers.append(ProbeMapTrigger());
                    ProbeMapTrigger &trigger = analyzer->triggers.last();
                    return object([&](const QString &member) {
                        if (member == QLatin1String("number"))
                            return integer(&trigger.number);
                        if (member == QLatin1String("nets"))
                            return strings(&trigger.nets);
                        return skip();
                    });
                });
            return skip();
        });
    }

    JsonReader m_json;
    int m_onlyCore;
    QString m_error;
    QStringList m_path;
};

} // namespace

bool ProbeMap::read(const QString &path, ProbeMap *map, QString *error, int onlyCore)
{
    QString ignored;
    if (!error)
        error = &ignored;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    *map = ProbeMap();
    return MapReader(&file, onlyCore).read(map, error);
}

} // namespace ZARN
