#include "jsonwriter.h"

namespace ZARN {

void JsonWriter::indent()
{
    m_text << '\n';
    for (int i = 0; i < m_counts.size(); ++i)
        m_text << "    ";
}

void JsonWriter::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_counts.isEmpty()) {
        if (m_counts.last()++ > 0)
            m_text << ',';
        indent();
    }
}

JsonWriter &JsonWriter::key(const char *name)
{
    if (m_counts.last()++ > 0)
        m_text << ',';
    indent();
    m_text << '"' << std::string_view(name) << "\": ";
    m_afterKey = true;
    return *this;
}

void JsonWriter::beginObject()
{
    beforeValue();
    m_text << '{';
    m_counts.append(0);
}

void JsonWriter::endObject()
{
    const bool empty = m_counts.takeLast() == 0;
    if (!empty)
        indent();
    m_text << '}';
}

void JsonWriter::beginArray()
{
    beforeValue();
    m_text << '[';
    m_counts.append(0);
}

void JsonWriter::endArray()
{
    const bool empty = m_counts.takeLast() == 0;
    if (!empty)
        indent();
    m_text << ']';
}

void JsonWriter::string(const QString &text)
{
    static const char hex[] = "0123456789abcdef";
    m_text << '"';
    const QByteArray utf8 = text.toUtf8();
    int plain = 0; // the start of the run of bytes that need no escape
    for (int i = 0; i < utf8.size(); ++i) {
        const uchar c = uchar(utf8.at(i));
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        m_text << std::string_view(utf8.constData() + plain, std::size_t(i - plain));
        plain = i + 1;
        switch (c) {
        case '"': m_text << "\\\""; break;
        case '\\': m_text << "\\\\"; break;
        case '\n': m_text << "\\n"; break;
        case '\r': m_text << "\\r"; break;
        case '\t': m_text << "\\t"; break;
        default: m_text << "\\u00" << hex[c >> 4] << hex[c & 15]; break;
        }
    }
    m_text << std::string_view(utf8.constData() + plain, std::size_t(utf8.size() - plain)) << '"';
}

void JsonWriter::value(const QString &text)
{
    beforeValue();
    string(text);
}

void JsonWriter::valueOrNull(const QString &text)
{
    if (text.isEmpty())
        null();
    else
        value(text);
}

void JsonWriter::value(int number)
{
    beforeValue();
    m_text << number;
}

void JsonWriter::value(bool truth)
{
    beforeValue();
    m_text << (truth ? std::string_view("true") : std::string_view("false"));
}

void JsonWriter::null()
{
    beforeValue();
    m_text << "null";
}

} // namespace ZARN
