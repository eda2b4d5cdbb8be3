// The three value conversions on a fuzzed text, with the round trip that
// binary digits make through hexadecimal and back.

#include "fuzzinput.h"

#include <zarn/conversions.h>

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ZARN;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    bintoHex4bit(text);
    // Binary digits come back padded on the left to whole hexadecimal digits.
    const auto roundTrips = [](const QString &bits) {
        const QString back = stringHextoBinfor0x(QStringLiteral("0x") + stringBintoHex(bits));
        return back.size() >= bits.size() && back.endsWith(bits) && !back.left(back.size() - bits.size()).contains(QLatin1Char('1'));
    };
    static const QRegularExpression notBinary(QStringLiteral("[^01]"));
    if (!text.contains(notBinary) && !roundTrips(text))
        qFatal("binary text does not round-trip");
    if (!roundTrips(stringHextoBinfor0x(text)))
        qFatal("converted value does not round-trip");
    return 0;
}
