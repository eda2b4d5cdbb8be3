#ifndef ZARN_CONFIG_CONFIGXML_H
#define ZARN_CONFIG_CONFIGXML_H

// A guarded streaming walk over an XML document, which the configuration
// reader, the check and the analyzer file's reader share.

#include "controlcharacterscan.h"

#include <QString>
#include <QXmlStreamReader>

namespace ZARN {
namespace ConfigXml {

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
 * with them entity declarations) and the control characters XML refuses.
 *
 * The document streams in from its file: the stream reader reads and
 * decodes a few kilobytes at a time, and neither the file's bytes nor its
 * text are ever held whole.
 */
class Walker
{
public:
    explicit Walker(QIODevice *file)
        : m_scan(file)
    {
        m_reader.setDevice(&m_scan);
        m_reader.setNamespaceProcessing(false);
    }

    /**
     * Moves to the next child element of the current element; false at the
     * end of the current element or on an error.  At the start, the first
     * child is the root element.
     */
    bool nextChild() { return step() == Step::Entered; }

    /** Skips the rest of the current element. */
    void skip()
    {
        const int level = m_depth;
        while (m_depth >= level && step() != Step::Stopped) {
        }
    }

    /** The text of the current element and all its descendants, in order; consumes the element. */
    QString text()
    {
        QString collected;
        const int level = m_depth;
        while (!m_reader.atEnd()) {
            switch (readNext()) {
            case QXmlStreamReader::Characters:
                if (collected.isEmpty()) {
                    // A copy of the characters alone: a string made from the
                    // reader's view may share its whole text buffer, hundreds
                    // of bytes kept alive for every name of a configuration.
                    const QStringView characters = m_reader.text();
                    collected = QString(characters.data(), int(characters.size()));
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

    /**
     * Reads to the end of the document, so that anything malformed behind
     * the root is found, and past where an error stopped the stream reader,
     * so that a refused control character anywhere in the file is the one
     * error reported.
     */
    void finish()
    {
        while (!m_reader.atEnd()) {
            if (readNext() == QXmlStreamReader::DTD)
                refuseDocumentType();
        }
        if (!m_controlCharacterReported) {
            m_scan.scanRest();
            reportControlCharacter();
        }
    }

    QStringView name() const { return m_reader.name(); }
    qint64 lineNumber() const { return m_reader.lineNumber(); }
    QXmlStreamAttributes attributes() const { return m_reader.attributes(); }

    bool hasError() const { return m_reader.hasError(); }
    /**
     * The failure as "message at line:column".  All three go in in one pass:
     * the message may quote the document, and a "%2" in it must stay as it is.
     */
    QString errorText() const
    {
        const bool scanned = m_controlCharacterReported;
        return QStringLiteral("%1 at %2:%3")
            .arg(m_reader.errorString(), QString::number(scanned ? m_scan.line() : m_reader.lineNumber()),
                 QString::number(scanned ? m_scan.column() : m_reader.columnNumber()));
    }

private:
    // The stream reader reads ahead of the tokens it hands out: a refused
    // control character ends the walk as soon as the scan has seen it.
    QXmlStreamReader::TokenType readNext()
    {
        const QXmlStreamReader::TokenType type = m_reader.readNext();
        if (m_scan.found() && !m_controlCharacterReported) {
            reportControlCharacter();
            return QXmlStreamReader::Invalid;
        }
        return type;
    }

    void reportControlCharacter()
    {
        if (!m_scan.found())
            return;
        m_controlCharacterReported = true;
        if (m_scan.refusal() == ControlCharacterScan::Refusal::ManyAttributes)
            fail(QStringLiteral("More than %1 attributes, or '=' characters, follow one '<'; no configuration needs so many")
                     .arg(ControlCharacterScan::maxEquals));
        else
            fail(QStringLiteral("Control character 0x%1 is not allowed in a configuration file").arg(m_scan.character(), 2, 16, QLatin1Char('0')));
    }

    bool enter()
    {
        if (++m_depth > maxDepth) {
            fail(QStringLiteral("Elements are nested deeper than %1 levels").arg(maxDepth));
            return false;
        }
        return true;
    }

    enum class Step {
        Entered, ///< moved into a child element
        Left, ///< passed the end tag of the current element
        Stopped, ///< the end of the document, or an error
    };

    // Reads up to the next start or end tag.
    Step step()
    {
        while (!m_reader.atEnd()) {
            switch (readNext()) {
            case QXmlStreamReader::StartElement:
                return enter() ? Step::Entered : Step::Stopped;
            case QXmlStreamReader::EndElement:
                --m_depth;
                return Step::Left;
            case QXmlStreamReader::DTD:
                refuseDocumentType();
                return Step::Stopped;
            default:
                break;
            }
        }
        return Step::Stopped;
    }

    void refuseDocumentType() { fail(QStringLiteral("Document type declarations are not allowed in a configuration file")); }

    void fail(const QString &message) { m_reader.raiseError(message); }

    ControlCharacterScan m_scan;
    QXmlStreamReader m_reader;
    int m_depth = 0;
    bool m_controlCharacterReported = false;
};

} // namespace ConfigXml
} // namespace ZARN

#endif
