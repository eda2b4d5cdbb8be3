// Reads a fuzzed configuration file.  Whatever the reader accepts, the writer
// saves (unless a text cannot be carried), and the reader and the check take
// the saved file back.

#include "fuzzinput.h"

#include <zarn/configcheck.h>
#include <zarn/configreader.h>
#include <zarn/configwriter.h>
#include <zarn/zarncore.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ZARN;
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    bool ok = false;
    const QList<ZarnCore *> cores = readZARNConfigFromXml(FuzzInput::write(QStringLiteral("in.xml"), input), &ok);
    const QString saved = FuzzInput::path(QStringLiteral("saved.xml"));
    if (ok && writeZARNConfigToXml(cores, saved)) {
        bool readBack = false;
        const QList<ZarnCore *> again = readZARNConfigFromXml(saved, &readBack);
        if (!readBack || again.size() != cores.size() || !checkZARNFile(saved))
            qFatal("a saved configuration does not read back");
        qDeleteAll(again);
    }
    qDeleteAll(cores);
    return 0;
}
