#ifndef ZARN_PROBEMAP_JSONWRITER_H
#define ZARN_PROBEMAP_JSONWRITER_H

#include "generate/generatedfile.h"

#include <QString>
#include <QVector>

namespace ZARN {

/**
 * JSON written as it goes, indented as QJsonDocument::Indented does, into a
 * VerilogText bound to a file: a document of any size in little memory.
 * Keys are written in the order given.
 */
class JsonWriter
{
public:
    explicit JsonWriter(VerilogText &text)
        : m_text(text)
    {
    }

    /** How a container is laid out: a member or element a line, or all of it on one line. */
    enum Layout { Indented, OnOneLine };

    void beginObject(Layout layout = Indented);
    void endObject();
    void beginArray(Layout layout = Indented);
    void endArray();
    /** The key of the next value of the open object. */
    JsonWriter &key(const char *name);

    void value(const QString &text);
    /** null for an empty text. */
    void valueOrNull(const QString &text);
    /** A user net name as the top module writes it (escapeIdentifier()), null for an empty one. */
    void identifierOrNull(const QString &name);
    void value(int number);
    void value(bool truth);
    void null();
    /** The document ends with a line break. */
    void finish() { m_text << '\n'; }

private:
    void beforeValue();
    void separate();
    void indent();
    void open(char bracket, Layout layout);
    void close(char bracket);
    void string(const QString &text, bool escapedIdentifier = false);

    VerilogText &m_text;
    QVector<int> m_counts; // values written in each open object or array
    int m_oneLineDepth = 0; // open containers from the first one on one line
    bool m_afterKey = false;
    QByteArray m_utf8; // room for a string's bytes, kept between strings
};

} // namespace ZARN

#endif
