#ifndef ZARN_GENERATE_GENERATEDFILE_H
#define ZARN_GENERATE_GENERATEDFILE_H

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <charconv>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>
#include <type_traits>

class QFile;
class QFileDevice;
class QIODevice;

namespace ZARN {

/**
 * The generated files of a run that could not be written completely, each
 * with the system's reason, in the order they failed.  A writer that opened
 * its file still returns true when a later write fails: its result tells
 * only whether the file could be opened.  This list is how a caller learns
 * the rest.
 */
struct WriteFailures
{
    QStringList files;
    QStringList reasons;

    void add(const QFileDevice &file);
};

/**
 * Opens @p file write-only in text mode, replacing what it held.  When it
 * can't be opened, logs @p failureMessage at critical level, records the
 * file in @p failures (when given) and returns false.
 */
bool openGeneratedFile(QFile &file, const QString &failureMessage, WriteFailures *failures = nullptr);

/**
 * Closes a generated file after its last write.  @p written says whether
 * every write took all its bytes; the flush and the device's error state
 * are checked here.  A file that did not reach the disk whole is recorded
 * in @p failures (when given).
 */
void closeGeneratedFile(QFile &file, bool written, WriteFailures *failures);

/**
 * Replaces the file at @p path with @p utf8, written in one piece in text
 * mode.  When the file can't be opened, logs @p failureMessage at critical
 * level and returns false; a write that fails later is recorded in
 * @p failures (when given).
 */
bool writeGeneratedFile(const QString &path, const QByteArray &utf8, const QString &failureMessage, WriteFailures *failures = nullptr);

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
 *
 * Appending is inline and copies bytes only: a top module is millions of
 * small pieces.
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
        return append(literal, N - 1);
    }

    VerilogText &operator<<(std::string_view bytes) { return append(bytes.data(), bytes.size()); }
    VerilogText &operator<<(const QByteArray &bytes) { return append(bytes.constData(), std::size_t(bytes.size())); }
    VerilogText &operator<<(char character) { return append(&character, 1); }

    /** In decimal, with a sign when negative; any integer (counts are qsizetype on Qt 6). */
    template<typename Number,
             std::enable_if_t<std::is_integral_v<Number> && !std::is_same_v<Number, char> && !std::is_same_v<Number, bool>, int> = 0>
    VerilogText &operator<<(Number number)
    {
        char *const out = room(maxDigits);
        m_size += std::size_t(std::to_chars(out, out + maxDigits, number).ptr - out);
        return wrote();
    }

    VerilogText &operator<<(Identifier identifier);

    /**
     * The text not yet handed to the device: all of it without one.  The
     * bytes stay this object's; they last until the text changes.
     */
    QByteArray bytes() const { return QByteArray::fromRawData(m_data.get(), int(m_size)); }

    /** Hands the rest of the text to the device. */
    void flush();

    /** Whether the device refused some of the text; what comes after is dropped. */
    bool failed() const { return m_failed; }

private:
    VerilogText &append(const char *bytes, std::size_t size)
    {
        std::memcpy(room(size), bytes, size);
        m_size += size;
        return wrote();
    }

    // Where the next @p size bytes go.
    char *room(std::size_t size)
    {
        if (m_capacity - m_size < size)
            grow(size);
        return m_data.get() + m_size;
    }

    void grow(std::size_t size);

    VerilogText &wrote()
    {
        if (m_device && m_size >= pieceSize)
            flush();
        return *this;
    }

    static constexpr std::size_t pieceSize = 1 << 20;
    static constexpr std::size_t maxDigits = 24; // a sign and the 20 digits of a 64-bit number

    QIODevice *m_device = nullptr;
    bool m_failed = false;
    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace ZARN

#endif
