#include "generatedfile.h"

#include "escapeidentifier.h"

#include <QFile>
#include <QMessageLogger>

#include <algorithm>
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
    // The buffer keeps its room when a piece has been handed over.
    grow(pieceSize + pieceSize / 8);
}

VerilogText &VerilogText::operator<<(int number)
{
    char *const out = room(16);
    m_size += std::size_t(std::to_chars(out, out + 16, number).ptr - out);
    return wrote();
}

VerilogText &VerilogText::operator<<(Identifier identifier)
{
    char *const out = room(escapedIdentifierRoom(identifier.name));
    m_size += std::size_t(writeEscapedIdentifier(out, identifier.name));
    return wrote();
}

void VerilogText::grow(std::size_t size)
{
    const std::size_t capacity = std::max({m_capacity * 2, m_size + size, std::size_t(4096)});
    std::unique_ptr<char[]> data(new char[capacity]);
    if (m_size > 0)
        std::memcpy(data.get(), m_data.get(), m_size);
    m_data = std::move(data);
    m_capacity = capacity;
}

void VerilogText::flush()
{
    if (!m_device || m_size == 0)
        return;
    m_device->write(m_data.get(), qint64(m_size));
    m_size = 0;
}

} // namespace ZARN
