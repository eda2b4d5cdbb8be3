#ifndef ZARN_PROBEMAP_JSONREADER_H
#define ZARN_PROBEMAP_JSONREADER_H

#include <QByteArray>
#include <QString>
#include <QVector>

class QIODevice;

namespace ZARN {

/**
 * JSON read a token at a time from a device, in little memory whatever the
 * document's size: QJsonDocument takes at most 2 GiB, and all of it at once.
 * The structure is checked as it goes (keys where keys belong, commas,
 * closing brackets), and so are the sizes (strings, numbers, nesting), so
 * that no document costs more memory than its structure needs; the first
 * fault ends the reading with Invalid.
 */
class JsonReader
{
public:
    enum Token { BeginObject, EndObject, BeginArray, EndArray, Key, String, Number, True, False, Null, End, Invalid };

    explicit JsonReader(QIODevice *device);

    /** The next token; End after the document, Invalid (and errorString()) on a fault. */
    Token next();
    /** The text of the last Key or String, or the last Number as written. */
    const QString &text() const { return m_text; }
    /** Whether an array ends here: then its EndArray is read, else nothing. */
    bool peekEndArray();
    /** Reads past the value that starts with the next token; false on a fault. */
    bool skipValue();
    QString errorString() const { return m_error; }
    /** Where the reading is in the document, in bytes: just past the last token. */
    qint64 offset() const { return m_offset + m_at; }

    /** The longest string taken, in bytes of UTF-8: a longer one is a fault. */
    static constexpr int longestString = 1 << 20;
    /** The most objects and arrays open at once. */
    static constexpr int deepest = 64;

private:
    bool fill();
    int peek();
    Token fail(const QString &message);
    Token readString(Token token);
    Token readValue(int c);
    Token value(Token token);

    QIODevice *m_device;
    QByteArray m_buffer;
    int m_at = 0;
    qint64 m_offset = 0; // of the buffer's first byte in the document
    QByteArray m_bytes;
    QString m_text;
    QString m_error;
    // For each open object or array: '{' or '['; and what may come next.
    QVector<char> m_open;
    enum Expect { Value, KeyOrEnd, ValueOrEnd, CommaOrEnd, Colon, Key_, Done } m_expect = Value;
};

} // namespace ZARN

#endif
