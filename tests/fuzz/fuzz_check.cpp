// Checks a fuzzed configuration file.

#include "fuzzinput.h"

#include <zarn/configcheck.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ZARN::checkZARNFile(FuzzInput::write(QStringLiteral("in.xml"), QByteArray(reinterpret_cast<const char *>(data), int(size))));
    return 0;
}
