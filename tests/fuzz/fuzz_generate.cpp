// A whole generation run on a fuzzed configuration file.  A line
// "--analyzer--" splits off an analyzer configuration file behind it.

#include "fuzzinput.h"

#include <zarn/zarnprepare.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    const QByteArray separator("\n--analyzer--\n");
    const qsizetype split = input.indexOf(separator);

    ZARN::ZarnArg arg;
    arg.configFile = FuzzInput::write(QStringLiteral("config.xml"), input.left(split));
    if (split >= 0)
        arg.analyzerConfigFile = FuzzInput::write(QStringLiteral("analyzer.xml"), input.mid(split + separator.size()));
    arg.deviceKey = QStringLiteral("XQ2A-9");
    arg.deviceSubKey = QStringLiteral("QN48");
    // The run empties its output directory first, so each input starts clean.
    arg.outputDir = FuzzInput::path(QStringLiteral("out"));
    arg.ipRootDir = QStringLiteral("/opt/ip");
    ZARN::ZarnPrepare().prepare(arg);
    return 0;
}
