#include "commands.h"
#include "console.h"

#include <zarn/conversions.h>
#include <zarn/probemap.h>

#include <QCommandLineParser>
#include <QRegularExpression>

int runConvert(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Converts an output-probe value. --bin-to-hex prints the value as 0x and upper-case hexadecimal digits, "
        "four bits per digit counted from the right; --hex-to-bin prints four binary digits per hexadecimal digit. "
        "Either takes its prefix (0b, 0x) or not, and digits in either case. With --width N, the value is N bits: "
        "padded with zeros, or refused when it needs more."));
    const QCommandLineOption binToHex(QStringLiteral("bin-to-hex"), QStringLiteral("Binary digits to a probe value."), QStringLiteral("BITS"));
    const QCommandLineOption hexToBin(QStringLiteral("hex-to-bin"), QStringLiteral("A probe value (0x and hexadecimal digits) to binary digits."),
                                      QStringLiteral("0xDIGITS"));
    const QCommandLineOption widthOption(QStringLiteral("width"), QStringLiteral("The value's width in bits."), QStringLiteral("N"));
    parser.addOptions({binToHex, hexToBin, widthOption});
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn convert (--bin-to-hex BITS | --hex-to-bin 0xDIGITS) [--width N]"), &exitCode))
        return exitCode;
    if (parser.isSet(binToHex) == parser.isSet(hexToBin) || !parser.positionalArguments().isEmpty())
        return Console::fail(QStringLiteral("convert takes exactly one of --bin-to-hex BITS and --hex-to-bin 0xDIGITS"));
    bool widthOk = true;
    const int width = parser.isSet(widthOption) ? parser.value(widthOption).toInt(&widthOk) : 0;
    if (!widthOk || (parser.isSet(widthOption) && width < 1))
        return Console::fail(QStringLiteral("--width takes a number of bits from 1 up, not '%1'").arg(parser.value(widthOption)));

    // The library drops what it cannot convert without a word; a person at a
    // terminal is told instead.
    if (parser.isSet(binToHex)) {
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\A(?:0[bB])?([01]+)\\z")).match(parser.value(binToHex));
        if (!match.hasMatch())
            return Console::fail(QStringLiteral("'%1' is not a binary number (digits 0 and 1, after 0b or not)").arg(parser.value(binToHex)));
        QString bits = match.captured(1);
        if (width > 0 && (bits = ZARN::probeValueBits(QLatin1String("0b") + bits, width, nullptr)).isEmpty())
            return Console::fail(QStringLiteral("'%1' needs more than %2 bits").arg(parser.value(binToHex)).arg(width));
        Console::out(QLatin1String("0x") + ZARN::stringBintoHex(bits));
        return Console::Success;
    }
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\A(?:0[xX])?([0-9a-fA-F]+)\\z")).match(parser.value(hexToBin));
    if (!match.hasMatch())
        return Console::fail(QStringLiteral("'%1' is not a probe value (hexadecimal digits, after 0x or not)").arg(parser.value(hexToBin)));
    QString bits = ZARN::stringHextoBinfor0x(QLatin1String("0x") + match.captured(1).toUpper());
    if (width > 0 && (bits = ZARN::probeValueBits(QLatin1String("0b") + bits, width, nullptr)).isEmpty())
        return Console::fail(QStringLiteral("'%1' needs more than %2 bits").arg(parser.value(hexToBin)).arg(width));
    Console::out(bits);
    return Console::Success;
}
