#include "jsonreader.h"

#include <QIODevice>

#include <cctype>

namespace ZARN {

namespace {

void appendUtf8(QByteArray &bytes, uint code)
{
    if (code < 0x80) {
        bytes += char(code);
    } else if (code < 0x800) {
        bytes += char(0xC0 | (code >> 6));
        bytes += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += char(0xE0 | (code >> 12));
        bytes += char(0x80 | ((code >> 6) & 0x3F));
        bytes += char(0x80 | (code & 0x3F));
    } else {
        bytes += char(0xF0 | (code >> 18));
        bytes += char(0x80 | ((code >> 12) & 0x3F));
        bytes += char(0x80 | ((code >> 6) & 0x3F));
        bytes += char(0x80 | (code & 0x3F));
    }
}

} // namespace

JsonReader::JsonReader(QIODevice *device)
    : m_device(device)
{
}

bool JsonReader::fill()
{
    m_offset += m_at;
    m_buffer = m_buffer.mid(m_at) + m_device->read(1 << 16);
    m_at = 0;
    return !m_buffer.isEmpty();
}

int JsonReader::peek()
{
    if (m_at >= m_buffer.size() && !fill())
        return -1;
    return uchar(m_buffer.at(m_at));
}

JsonReader::Token JsonReader::fail(const QString &message)
{
    if (m_error.isEmpty())
        m_error = QStringLiteral("%1 at byte %2").arg(message).arg(m_offset + m_at);
    m_expect = Done;
    return Invalid;
}

JsonReader::Token JsonReader::readString(Token token)
{
    ++m_at; // the opening quote
    m_bytes.clear();
    for (;;) {
        int c = peek();
        if (c < 0)
            return fail(QStringLiteral("the document ends inside a string"));
        ++m_at;
        if (c == '"')
            break;
        if (c < 0x20)
            return fail(QStringLiteral("a control character in a string"));
        if (m_bytes.size() >= longestString)
            return fail(QStringLiteral("a string longer than %1 bytes").arg(longestString));
        if (c != '\\') {
            m_bytes += char(c);
            continue;
        }
        c = peek();
        ++m_at;
        switch (c) {
        case '"': case '\\': case '/': m_bytes += char(c); break;
        case 'b': m_bytes += '\b'; break;
        case 'f': m_bytes += '\f'; break;
        case 'n': m_bytes += '\n'; break;
        case 'r': m_bytes += '\r'; break;
        case 't': m_bytes += '\t'; break;
        case 'u': {
            const auto hex4 = [this](uint *code) {
                QByteArray digits;
                for (int i = 0; i < 4; ++i) {
                    const int d = peek();
                    if (d < 0)
                        return false;
                    digits += char(d);
                    ++m_at;
                }
                bool ok = false;
                *code = digits.toUInt(&ok, 16);
                return ok;
            };
            uint code = 0;
            if (!hex4(&code))
                return fail(QStringLiteral("a broken \\u escape"));
            if (code >= 0xD800 && code < 0xDC00) {
                uint low = 0;
                if (peek() != '\\' || (++m_at, peek()) != 'u' || (++m_at, !hex4(&low)) || low < 0xDC00 || low >= 0xE000)
                    return fail(QStringLiteral("a lone surrogate"));
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            }
            appendUtf8(m_bytes, code);
            break;
        }
        default:
            return fail(QStringLiteral("an unknown escape in a string"));
        }
    }
    m_text = QString::fromUtf8(m_bytes);
    return token;
}

// After a value: what may follow it.
JsonReader::Token JsonReader::value(Token token)
{
    m_expect = m_open.isEmpty() ? Done : CommaOrEnd;
    return token;
}

JsonReader::Token JsonReader::next()
{
    for (;;) {
        const int c = peek();
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            ++m_at;
            continue;
        }
        if (m_expect == Done) {
            if (!m_error.isEmpty())
                return Invalid;
            return c < 0 ? End : fail(QStringLiteral("more after the document"));
        }
        if (c < 0)
            return fail(QStringLiteral("the document ends early"));
        if (m_expect == Colon) {
            if (c != ':')
                return fail(QStringLiteral("no ':' after a key"));
            ++m_at;
            m_expect = Value;
            continue;
        }
        if (m_expect == CommaOrEnd) {
            if (c == ',') {
                ++m_at;
                m_expect = m_open.last() == '{' ? Key_ : Value;
                continue;
            }
            if (c != (m_open.last() == '{' ? '}' : ']'))
                return fail(QStringLiteral("no ',' or closing bracket"));
        }
        if ((m_expect == KeyOrEnd || m_expect == CommaOrEnd) && c == '}') {
            ++m_at;
            m_open.removeLast();
            return value(EndObject);
        }
        if ((m_expect == ValueOrEnd || m_expect == CommaOrEnd) && c == ']') {
            ++m_at;
            m_open.removeLast();
            return value(EndArray);
        }
        if (m_expect == KeyOrEnd || m_expect == Key_) {
            if (c != '"')
                return fail(QStringLiteral("no key where a key belongs"));
            const Token token = readString(Key);
            if (token == Key)
                m_expect = Colon;
            return token;
        }
        return readValue(c);
    }
}

// A value, which begins with @p c.
JsonReader::Token JsonReader::readValue(int c)
{
    switch (c) {
    case '{':
    case '[':
        if (m_open.size() >= deepest)
            return fail(QStringLiteral("objects and arrays nested deeper than %1").arg(deepest));
        break;
    default:
        break;
    }
    switch (c) {
    case '{':
        ++m_at;
        m_open.append('{');
        m_expect = KeyOrEnd;
        return BeginObject;
    case '[':
        ++m_at;
        m_open.append('[');
        m_expect = ValueOrEnd;
        return BeginArray;
    case '"': {
        const Token token = readString(String);
        return token == Invalid ? token : value(token);
    }
    default:
        break;
    }
    m_bytes.clear();
    // No number or word of JSON is this long; a longer one is no value.
    const int longestNumber = 64;
    for (int d = peek(); d >= 0 && (std::isalnum(d) || d == '-' || d == '+' || d == '.'); d = peek()) {
        if (m_bytes.size() >= longestNumber)
            return fail(QStringLiteral("a number longer than %1 characters").arg(longestNumber));
        m_bytes += char(d);
        ++m_at;
    }
    if (m_bytes == "true")
        return value(True);
    if (m_bytes == "false")
        return value(False);
    if (m_bytes == "null")
        return value(Null);
    bool ok = false;
    m_bytes.toDouble(&ok);
    if (!ok)
        return fail(QStringLiteral("no value where a value belongs"));
    m_text = QString::fromLatin1(m_bytes);
    return value(Number);
}

bool JsonReader::peekEndArray()
{
    if (m_expect != ValueOrEnd && m_expect != CommaOrEnd)
        return false;
    for (int c = peek(); c == ' ' || c == '\t' || c == '\n' || c == '\r'; c = peek())
        ++m_at;
    return peek() == ']' && next() == EndArray;
}

bool JsonReader::skipValue()
{
    int depth = 0;
    do {
        const Token token = next();
        if (token == Invalid || token == End)
            return false;
        if (token == BeginObject || token == BeginArray)
            ++depth;
        else if (token == EndObject || token == EndArray)
            --depth;
    } while (depth > 0);
    return true;
}

} // namespace ZARN
