#include "commands.h"
#include "console.h"

#include <zarn/conversions.h>

#include <QCommandLineParser>
#include <QRegularExpression>

int runConvert(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Converts an output-probe value. --bin-to-hex prints the value as 0x and upper-case hexadecimal digits, "
        "four bits per digit counted from the right; --hex-to-bin prints four binary digits per hexadecimal digit."));
    const QCommandLineOption binToHex(QStringLiteral("bin-to-hex"), QStringLiteral("Binary digits to a probe value."), QStringLiteral("BITS"));
    const QCommandLineOption hexToBin(QStringLiteral("hex-to-bin"), QStringLiteral("A probe value (0x and hexadecimal digits) to binary digits."),
                                      QStringLiteral("0xDIGITS"));
    parser.addOptions({binToHex, hexToBin});
    int exitCode = Console::Success;
    if (!Console::parse(parser, arguments, QStringLiteral("zarn convert (--bin-to-hex BITS | --hex-to-bin 0xDIGITS)"), &exitCode))
        return exitCode;
    if (parser.isSet(binToHex) == parser.isSet(hexToBin) || !parser.positionalArguments().isEmpty())
        return Console::fail(QStringLiteral("convert takes exactly one of --bin-to-hex BITS and --hex-to-bin 0xDIGITS"));

    // The library drops what it cannot convert without a word; a person at a
    // terminal is told instead.
    if (parser.isSet(binToHex)) {
        const QString bits = parser.value(binToHex);
        if (!QRegularExpression(QStringLiteral("\\A[01]+\\z")).match(bits).hasMatch())
            return Console::fail(QStringLiteral("'%1' is not a binary number (digits 0 and 1 only)").arg(bits));
        Console::out(QLatin1String("0x") + ZARN::stringBintoHex(bits));
        return Console::Success;
    }
    const QString value = parser.value(hexToBin);
    if (!QRegularExpression(QStringLiteral("\\A0[xX][0-9a-fA-F]+\\z")).match(value).hasMatch())
        return Console::fail(QStringLiteral("'%1' is not a probe value (0x followed by hexadecimal digits)").arg(value));
    Console::out(ZARN::stringHextoBinfor0x(value.toUpper()));
    return Console::Success;
}
