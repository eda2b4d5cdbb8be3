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

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    /** The key of the next value of the open object. */
    JsonWriter &key(const char *name);

    void value(const QString &text);
    /** null for an empty text. */
    void valueOrNull(const QString &text);
    void value(int number);
    void value(bool truth);
    void null();
    /** The document ends with a line break. */
    void finish() { m_text << '\n'; }

private:
    void beforeValue();
    void indent();
    void string(const QString &text);

    VerilogText &m_text;
    QVector<int> m_counts; // values written in each open object or array
    bool m_afterKey = false;
};

} // namespace ZARN

#endif
