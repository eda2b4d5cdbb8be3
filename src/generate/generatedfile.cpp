#include "generatedfile.h"

#include "escapeidentifier.h"

#include <QFile>
#include <QMessageLogger>

#include <charconv>

namespace ZARN {

bool openGeneratedFile(QFile &file, const QString &failureMessage)
{
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return true;
    QMessageLogger().critical("%s", qUtf8Printable(failureMessage));
    return false;
}

bool writeGeneratedFile(const QString &path, const QByteArray &utf8, const QString &failureMessage)
{
    QFile file(path);
    if (!openGeneratedFile(file, failureMessage))
        return false;
    file.write(utf8);
    return true;
}

VerilogText::VerilogText(QIODevice *device)
    : m_device(device)
{
    // Reserved, the buffer keeps its room when a piece has been handed over.
    m_bytes.reserve(pieceSize + pieceSize / 8);
}

VerilogText &VerilogText::operator<<(int number)
{
    char digits[16];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, number);
    m_bytes.append(digits, int(end.ptr - digits));
    return wrote();
}

VerilogText &VerilogText::operator<<(Identifier identifier)
{
    appendEscapedIdentifier(m_bytes, identifier.name);
    return wrote();
}

void VerilogText::flush()
{
    if (!m_device || m_bytes.isEmpty())
        return;
    m_device->write(m_bytes);
    m_bytes.resize(0);
}

} // namespace ZARN
