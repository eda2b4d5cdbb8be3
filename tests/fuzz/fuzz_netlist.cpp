// The reader of Yosys's JSON netlist on a fuzzed netlist, then what the
// design commands do with what it took: list, look up, suggest, and the
// round trip through the cache's bytes; and the same input as the cache's
// bytes.

#include "fuzzinput.h"

#include "design/netlist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The same bytes as an elaboration cache's entry, which a disk may change.
    Design::Netlist cached;
    if (cached.fromBytes(QByteArray(reinterpret_cast<const char *>(data), int(size))))
        for (const Design::Net &net : cached.nets())
            if (net.driven.size() != net.width)
                qFatal("a cached net's driven bits are not its width");
    Design::Netlist netlist;
    QString error;
    if (!netlist.read(QByteArray(reinterpret_cast<const char *>(data), int(size)), QStringLiteral("top"), &error)) {
        if (error.isEmpty())
            qFatal("a netlist refused without a reason");
        return 0;
    }
    for (const Design::Net &net : netlist.nets()) {
        net.declaredName(QLatin1Char('/'));
        net.drivenRanges();
        if (net.driven.size() != net.width)
            qFatal("a net's driven bits are not its width");
        const Design::NetBit found = netlist.find(net.configurationName(QLatin1Char('/')), QLatin1Char('/'));
        if (found.result == Design::NetBit::Missing)
            qFatal("a listed net is not found by its name");
    }
    netlist.nearest(QStringLiteral("u_top/misspelt[0]"), QLatin1Char('.'), 3);
    Design::Netlist back;
    if (!back.fromBytes(netlist.toBytes()) || back.nets().size() != netlist.nets().size())
        qFatal("the netlist does not come back from its bytes");
    return 0;
}
