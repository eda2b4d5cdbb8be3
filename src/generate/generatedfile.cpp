#include "generatedfile.h"

#include "common/writeall.h"
#include "escapeidentifier.h"

#include <QFile>
#include <QMessageLogger>

#include <algorithm>
#include <charconv>

namespace ZARN {


void WriteFailures::add(const QFileDevice &file)
{
    files.append(file.fileName());
    reasons.append(file.errorString());
}

bool openGeneratedFile(QFile &file, const QString &failureMessage, WriteFailures *failures)
{
    // Unbuffered: the text comes in large pieces anyway, and Qt's flush of a
    // buffer that the system takes only in part loses the reason.
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text | QIODevice::Unbuffered))
        return true;
    QMessageLogger().critical("%s", qUtf8Printable(failureMessage));
    if (failures)
        failures->add(file);
    return false;
}

void closeGeneratedFile(QFile &file, bool written, WriteFailures *failures)
{
    // QFile buffers: a full disk may show only in the flush.  Closing
    // clears the error, so its text is taken first.
    if (!file.flush() || !written || file.error() != QFileDevice::NoError) {
        if (failures)
            failures->add(file);
        file.close();
        return;
    }
    file.close();
    if (failures && file.error() != QFileDevice::NoError)
        failures->add(file);
}

bool writeGeneratedFile(const QString &path, const QByteArray &utf8, const QString &failureMessage, WriteFailures *failures)
{
    QFile file(path);
    if (!openGeneratedFile(file, failureMessage, failures))
        return false;
    closeGeneratedFile(file, writeAll(file, utf8.constData(), utf8.size()), failures);
    return true;
}

VerilogText::VerilogText(QIODevice *device)
    : m_device(device)
{
    // The buffer keeps its room when a piece has been handed over.
    grow(pieceSize + pieceSize / 8);
}

VerilogText &VerilogText::operator<<(Identifier identifier)
{
    char *const out = room(escapedIdentifierRoom(identifier.name));
    m_size += writeEscapedIdentifier(out, identifier.name);
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
    // After a refused write the file is broken anyway: writing on would
    // only spend time.
    if (!m_failed && !writeAll(*m_device, m_data.get(), qint64(m_size)))
        m_failed = true;
    m_size = 0;
}

} // namespace ZARN
