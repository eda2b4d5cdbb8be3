#include "jsonwriter.h"

#include "generate/escapeidentifier.h"

namespace ZARN {

void JsonWriter::indent()
{
    static const char lines[] = "\n                                                                ";
    const std::size_t depth = std::size_t(m_counts.size());
    if (depth <= 16) {
        m_text << std::string_view(lines, 1 + 4 * depth);
        return;
    }
    m_text << '\n';
    for (std::size_t i = 0; i < depth; ++i)
        m_text << "    ";
}

// Before a member or element of the open container: a comma after the
// first, then a new line, or a blank on one line.
void JsonWriter::separate()
{
    const bool first = m_counts.last()++ == 0;
    if (!first)
        m_text << ',';
    if (m_oneLineDepth > 0) {
        if (!first)
            m_text << ' ';
        return;
    }
    indent();
}

void JsonWriter::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_counts.isEmpty())
        separate();
}

JsonWriter &JsonWriter::key(const char *name)
{
    separate();
    m_text << '"' << std::string_view(name) << "\": ";
    m_afterKey = true;
    return *this;
}

void JsonWriter::open(char bracket, Layout layout)
{
    beforeValue();
    m_text << bracket;
    m_counts.append(0);
    if (m_oneLineDepth > 0 || layout == OnOneLine)
        ++m_oneLineDepth;
}

void JsonWriter::close(char bracket)
{
    const bool empty = m_counts.takeLast() == 0;
    if (m_oneLineDepth > 0)
        --m_oneLineDepth;
    else if (!empty)
        indent();
    m_text << bracket;
}

void JsonWriter::beginObject(Layout layout)
{
    open('{', layout);
}

void JsonWriter::endObject()
{
    close('}');
}

void JsonWriter::beginArray(Layout layout)
{
    open('[', layout);
}

void JsonWriter::endArray()
{
    close(']');
}

void JsonWriter::string(const QString &text, bool escapedIdentifier)
{
    // UTF-8 with JSON's escapes, into bytes kept from string to string: a
    // map is millions of short strings.
    static const char hex[] = "0123456789abcdef";
    if (m_utf8.size() < 6 * text.size() + 6)
        m_utf8.resize(6 * text.size() + 6);
    char *out = m_utf8.data();
    *out++ = '"';
    if (escapedIdentifier) {
        *out++ = '\\';
        *out++ = '\\';
    }
    const QChar *c = text.constData();
    const QChar *end = c + text.size();
    for (; c != end; ++c) {
        uint u = c->unicode();
        if (u >= 0x20 && u < 0x80 && u != '"' && u != '\\') {
            *out++ = char(u);
        } else if (u < 0x80) {
            *out++ = '\\';
            switch (u) {
            case '"': *out++ = '"'; break;
            case '\\': *out++ = '\\'; break;
            case '\n': *out++ = 'n'; break;
            case '\r': *out++ = 'r'; break;
            case '\t': *out++ = 't'; break;
            default:
                *out++ = 'u';
                *out++ = '0';
                *out++ = '0';
                *out++ = hex[u >> 4];
                *out++ = hex[u & 15];
            }
        } else if (u < 0x800) {
            *out++ = char(0xC0 | (u >> 6));
            *out++ = char(0x80 | (u & 0x3F));
        } else {
            if (c->isHighSurrogate() && c + 1 != end && (c + 1)->isLowSurrogate()) {
                u = QChar::surrogateToUcs4(*c, *(c + 1));
                ++c;
                *out++ = char(0xF0 | (u >> 18));
                *out++ = char(0x80 | ((u >> 12) & 0x3F));
            } else {
                // A lone surrogate is no character: the replacement character stands in.
                if (c->isSurrogate())
                    u = 0xFFFD;
                *out++ = char(0xE0 | (u >> 12));
            }
            *out++ = char(0x80 | ((u >> 6) & 0x3F));
            *out++ = char(0x80 | (u & 0x3F));
        }
    }
    if (escapedIdentifier)
        *out++ = ' ';
    *out++ = '"';
    m_text << std::string_view(m_utf8.constData(), std::size_t(out - m_utf8.constData()));
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

void JsonWriter::identifierOrNull(const QString &name)
{
    if (name.isEmpty()) {
        null();
        return;
    }
    beforeValue();
    string(name, needsEscape(name));
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
