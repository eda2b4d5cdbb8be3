#ifndef ZARN_CONFIG_CONFIGXML_H
#define ZARN_CONFIG_CONFIGXML_H

// What the configuration reader and the check share: the element and
// attribute names of the format, and a streaming walk over the document.

#include <QBuffer>
#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QXmlStreamReader>

#include <algorithm>

namespace ZARN {
namespace ConfigXml {

inline const QLatin1String versionElement("Version");
inline const QLatin1String coreElement("ZarnCore");
inline const QLatin1String probeInsElement("ProbeIns");
inline const QLatin1String probeInElement("ProbeIn");
inline const QLatin1String probeOutsElement("ProbeOuts");
inline const QLatin1String probeOutElement("ProbeOut");
inline const QLatin1String signalListElement("SignalList");
inline const QLatin1String signalElement("Signal");
inline const QLatin1String busElement("Bus");

inline const QLatin1String indexAttribute("index");
inline const QLatin1String moduleNameAttribute("module_name");
inline const QLatin1String synchronisedAttribute("output_probe_synchronizes_with_user_clock");
inline const QLatin1String userClockAttribute("user_clock_name");
inline const QLatin1String valueAttribute("value");
inline const QLatin1String nameAttribute("name");

/**
 * Element nesting deeper than this is refused.  A configuration needs seven
 * levels; the limit only keeps hostile documents from costing without bound.
 */
constexpr int maxDepth = 256;

/**
 * A pull walk over a configuration document on QXmlStreamReader.  The
 * stream reader keeps its element stack on the heap, so deep nesting cannot
 * exhaust the caller's stack; the walk adds a depth limit and refuses the
 * constructs a configuration never holds (document type declarations, and
 * with them entity declarations).
 */
class Walker
{
public:
    explicit Walker(const QByteArray &data)
    {
        // Read through a device, the stream reader decodes the document a
        // few kilobytes at a time; given the bytes themselves, it would hold
        // all of them decoded at once, twice the size of the file.
        m_device.setData(data);
        m_device.open(QIODevice::ReadOnly);
        m_reader.setDevice(&m_device);
        m_reader.setNamespaceProcessing(false);
        findControlCharacter(data);
    }

    /**
     * Moves to the next child element of the current element; false at the
     * end of the current element or on an error.  At the start, the first
     * child is the root element.
     */
    bool nextChild()
    {
        while (!m_reader.atEnd()) {
            switch (m_reader.readNext()) {
            case QXmlStreamReader::StartElement:
                return enter();
            case QXmlStreamReader::EndElement:
                --m_depth;
                return false;
            case QXmlStreamReader::DTD:
                fail(QStringLiteral("Document type declarations are not allowed in a configuration file"));
                return false;
            default:
                break;
            }
        }
        return false;
    }

    /** Skips the rest of the current element. */
    void skip()
    {
        const int level = m_depth;
        while (m_depth >= level && nextChildOrLeave()) {
        }
    }

    /** The text of the current element and all its descendants, in order; consumes the element. */
    QString text()
    {
        QString collected;
        const int level = m_depth;
        while (!m_reader.atEnd()) {
            switch (m_reader.readNext()) {
            case QXmlStreamReader::Characters:
                if (collected.isEmpty()) {
                    // A copy of the characters alone: QStringRef::toString()
                    // would share the reader's whole text buffer, hundreds
                    // of bytes kept alive for every name of a configuration.
                    const QStringRef characters = m_reader.text();
                    collected = QString(characters.unicode(), characters.size());
                } else {
                    collected += m_reader.text();
                }
                break;
            case QXmlStreamReader::StartElement:
                if (!enter())
                    return collected;
                break;
            case QXmlStreamReader::EndElement:
                if (--m_depth < level)
                    return collected;
                break;
            default:
                break;
            }
        }
        return collected;
    }

    /** Reads to the end of the document, so that anything malformed behind the root is found. */
    void finish()
    {
        while (!m_reader.atEnd()) {
            if (m_reader.readNext() == QXmlStreamReader::DTD)
                fail(QStringLiteral("Document type declarations are not allowed in a configuration file"));
        }
    }

    QStringRef name() const { return m_reader.name(); }
    QXmlStreamAttributes attributes() const { return m_reader.attributes(); }

    bool hasError() const { return m_reader.hasError(); }
    /** The failure as "message at line:column". */
    QString errorText() const
    {
        if (m_errorLine > 0)
            return QStringLiteral("%1 at %2:%3").arg(m_reader.errorString()).arg(m_errorLine).arg(m_errorColumn);
        return QStringLiteral("%1 at %2:%3").arg(m_reader.errorString()).arg(m_reader.lineNumber()).arg(m_reader.columnNumber());
    }

private:
    bool enter()
    {
        if (++m_depth > maxDepth) {
            fail(QStringLiteral("Elements are nested deeper than %1 levels").arg(maxDepth));
            return false;
        }
        return true;
    }

    // Like nextChild(), but an end tag of a deeper element is also a step.
    bool nextChildOrLeave()
    {
        while (!m_reader.atEnd()) {
            switch (m_reader.readNext()) {
            case QXmlStreamReader::StartElement:
                return enter();
            case QXmlStreamReader::EndElement:
                --m_depth;
                return true;
            case QXmlStreamReader::DTD:
                fail(QStringLiteral("Document type declarations are not allowed in a configuration file"));
                return false;
            default:
                break;
            }
        }
        return false;
    }

    void fail(const QString &message) { m_reader.raiseError(message); }

    // XML refuses control characters, but the stream reader's message for
    // one is a bare "Unexpected ''".  A byte scan names the character and
    // where it stands.  It applies to every encoding in which the ASCII
    // bytes stand for themselves; UTF-16 and UTF-32 documents are left to
    // the stream reader.
    void findControlCharacter(const QByteArray &data)
    {
        if (data.size() >= 2 && (data.at(0) == '\0' || data.at(1) == '\0' || uchar(data.at(0)) >= 0xfe))
            return;
        const auto *const bytes = reinterpret_cast<const uchar *>(data.constData());
        const qsizetype size = data.size();
        // Nearly every byte passes: whole blocks are tested without a branch
        // per byte, which the compiler turns into vector code, and only the
        // block holding a refused byte is looked at one byte at a time.
        constexpr qsizetype block = 64;
        qsizetype i = 0;
        for (; i + block <= size; i += block) {
            uchar refused = 0;
            for (int j = 0; j < block; ++j)
                refused |= isRefusedControl(bytes[i + j]);
            if (refused)
                break;
        }
        while (i < size && !isRefusedControl(bytes[i]))
            ++i;
        if (i == size)
            return;

        const uchar *const found = bytes + i;
        const uchar *lineStart = found;
        while (lineStart != bytes && lineStart[-1] != '\n')
            --lineStart;
        const qint64 line = 1 + std::count(bytes, lineStart, '\n');
        // Characters, not UTF-8 continuation bytes.
        const qint64 column = 1 + std::count_if(lineStart, found, [](uchar byte) { return (byte & 0xc0) != 0x80; });
        fail(QStringLiteral("Control character 0x%1 is not allowed in a configuration file").arg(*found, 2, 16, QLatin1Char('0')));
        m_errorLine = line;
        m_errorColumn = column;
    }

    // A byte below 0x20 other than tab, line feed and carriage return; bitwise
    // operators, so that testing it costs no branch.
    static bool isRefusedControl(uchar byte) { return (byte < 0x20) & (byte != '\t') & (byte != '\n') & (byte != '\r'); }

    QBuffer m_device;
    QXmlStreamReader m_reader;
    int m_depth = 0;
    qint64 m_errorLine = 0; // where a failure found before parsing stands
    qint64 m_errorColumn = 0;
};

} // namespace ConfigXml
} // namespace ZARN

#endif
