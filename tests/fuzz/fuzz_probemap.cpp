// The probe map reader on a fuzzed map, and decode and encode of every
// probe it keeps with a fuzzed value: the first line is the value, the rest
// the map.  A map the reader takes has its bits within its probes, so
// neither may fail for any other reason than the value.

#include "fuzzinput.h"

#include <zarn/probemap.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ZARN;
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    const qsizetype line = input.indexOf('\n');
    const QString value = QString::fromUtf8(input.left(line < 0 ? 0 : line));
    ProbeMap map;
    QString error;
    if (!ProbeMap::read(FuzzInput::write(QStringLiteral("map.json"), line < 0 ? input : input.mid(line + 1)), &map, &error)) {
        if (error.isEmpty())
            qFatal("a map refused without a reason");
        return 0;
    }
    for (const ProbeMapCore &core : std::as_const(map.cores)) {
        for (const ProbeMapProbe &probe : core.probes) {
            const QList<ProbeField> fields = decodeProbe(probe, value, &error);
            int bits = 0;
            for (const ProbeField &field : fields)
                bits += int(field.binary.size());
            if (bits > probe.width * 2)
                qFatal("decode gave more bits than the probe has");
            QList<QPair<QString, QString>> assignments;
            for (const ProbeMapBus &bus : probe.buses)
                assignments.append({bus.name, value});
            encodeProbe(probe, assignments, &error);
        }
    }
    return 0;
}
