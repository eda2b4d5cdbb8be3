#ifndef ZARN_GENERATE_GENERATEDFILE_H
#define ZARN_GENERATE_GENERATEDFILE_H

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <string_view>

class QFile;
class QIODevice;

namespace ZARN {

/**
 * Opens @p file write-only in text mode, replacing what it held.  When it
 * can't be opened, logs @p failureMessage at critical level and returns
 * false.
 */
bool openGeneratedFile(QFile &file, const QString &failureMessage);

/**
 * Replaces the file at @p path with @p utf8, written in one piece in text
 * mode.  When the file can't be opened, logs @p failureMessage at critical
 * level and returns false.
 */
bool writeGeneratedFile(const QString &path, const QByteArray &utf8, const QString &failureMessage);

/** A user net name, written as escapeIdentifier() gives it. */
struct Identifier
{
    const QString &name;
};

/**
 * The text of a generated file, built as UTF-8.  On its own it grows in
 * memory; bound to an open device, it hands its text over in pieces of
 * about a megabyte as it grows, so that even a very large top module needs
 * little memory and few writes.
 */
class VerilogText
{
public:
    VerilogText() = default;
    explicit VerilogText(QIODevice *device);
    VerilogText(const VerilogText &) = delete;
    VerilogText &operator=(const VerilogText &) = delete;

    template<std::size_t N>
    VerilogText &operator<<(const char (&literal)[N])
    {
        m_bytes.append(literal, int(N - 1));
        return wrote();
    }

    VerilogText &operator<<(std::string_view bytes)
    {
        m_bytes.append(bytes.data(), int(bytes.size()));
        return wrote();
    }

    VerilogText &operator<<(const QByteArray &bytes)
    {
        m_bytes.append(bytes);
        return wrote();
    }

    VerilogText &operator<<(char character)
    {
        m_bytes.append(character);
        return wrote();
    }

    /** In decimal, with a sign when negative. */
    VerilogText &operator<<(int number);

    VerilogText &operator<<(Identifier identifier);

    /** The text not yet handed to the device: all of it without one. */
    const QByteArray &bytes() const { return m_bytes; }

    /** Hands the rest of the text to the device. */
    void flush();

private:
    VerilogText &wrote()
    {
        if (m_device && m_bytes.size() >= pieceSize)
            flush();
        return *this;
    }

    static constexpr int pieceSize = 1 << 20;

    QIODevice *m_device = nullptr;
    QByteArray m_bytes;
};

} // namespace ZARN

#endif
