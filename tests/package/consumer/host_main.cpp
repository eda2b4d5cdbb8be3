#include <zarn/host/drfield.h>

#include <QTextStream>

// The live host's library, installed beside ZarnUtils, seen from outside.
int main()
{
    ZARN::DrField header(24);
    header.setNumber(0, 16, 0x5A3C);
    const bool ok = header.toHex() == QStringLiteral("0x005a3c");
    QTextStream(stdout) << (ok ? "host consumer ok" : "host consumer FAILED") << '\n';
    return ok ? 0 : 1;
}
