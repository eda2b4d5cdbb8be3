#include <zarn/configwriter.h>

#include <zarn/zarncore.h>

#include "configformat.h"

#include <QIODevice>
#include <QSaveFile>
#include <QXmlStreamWriter>

namespace ZARN {

namespace {

using namespace ConfigFormat;

enum class TextKind {
    Plain,
    WithCarriageReturn,
    Forbidden,
};

// Sorts @p text by what XML 1.0 makes of it.  It allows tab, line feed,
// carriage return, U+0020 to U+FFFD without the surrogates, and whole
// surrogate pairs.  QXmlStreamWriter drops any other character without a
// trace (and after a lone surrogate every text that follows), so such a
// text must stop the save instead.
TextKind classify(const QString &text)
{
    TextKind kind = TextKind::Plain;
    const QChar *c = text.constData();
    const QChar *const end = c + text.size();
    for (; c != end; ++c) {
        const ushort u = c->unicode();
        if (u >= 0x20 && u < 0xD800)
            continue;
        if (u < 0x20) {
            if (u == '\r')
                kind = TextKind::WithCarriageReturn;
            else if (u != '\t' && u != '\n')
                return TextKind::Forbidden;
            continue;
        }
        if (u >= 0xE000) {
            if (u >= 0xFFFE)
                return TextKind::Forbidden;
            continue;
        }
        if (QChar::isHighSurrogate(u) && c + 1 != end && (c + 1)->isLowSurrogate()) {
            ++c;
            continue;
        }
        return TextKind::Forbidden;
    }
    return kind;
}

// Collects in memory what is written to it.  QBuffer, and a file device's
// own buffering, cost more for each of the XML writer's many small writes
// than the XML writer itself.
class TextCollector : public QIODevice
{
public:
    TextCollector() { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

    bool isSequential() const override { return true; }

    QByteArray text;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        text.append(data, int(size));
        return size;
    }
};

// Writes the document to a file.  The caller's texts pass through
// writeText() and writeAttribute(), which refuse what XML cannot carry;
// once one is refused the rest is written only to be thrown away.
//
// The XML writer writes to memory, in many small pieces, and the text goes
// to the file a megabyte at a time.
class ConfigDocument
{
public:
    explicit ConfigDocument(QIODevice *file)
        : m_file(file)
    {
        // Reserved, the text keeps its room when a piece has been handed over.
        m_collector.text.reserve(pieceSize + pieceSize / 8);
        m_xml.setDevice(&m_collector);
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(4);
    }

    void write(const QList<ZarnCore *> &cores);

    // False when a text was refused or the file took a piece short.
    bool isComplete() const { return m_complete && !m_writeFailed && !m_xml.hasError(); }

private:
    static constexpr int pieceSize = 1 << 20;

    // Hands the text over to the file once there is a piece of it, or
    // all of it when @p all.  After a short write the rest is dropped.
    void handOver(bool all = false)
    {
        QByteArray &text = m_collector.text;
        if (text.size() < (all ? 1 : pieceSize))
            return;
        if (!m_writeFailed && m_file->write(text) != text.size())
            m_writeFailed = true;
        text.resize(0);
    }

    void writeCore(ZarnCore *core);
    void writeSignalList(const QList<SignalItem> &signalNet);

    void writeText(const QString &name, const QString &text)
    {
        switch (classify(text)) {
        case TextKind::Plain:
            m_xml.writeTextElement(name, text);
            break;
        case TextKind::WithCarriageReturn:
            writeTextKeepingCarriageReturns(name, text);
            break;
        case TextKind::Forbidden:
            m_complete = false;
            break;
        }
    }

    // A carriage return written as it is comes back from any XML parser as
    // a line feed; as a character reference it comes back unchanged.
    // (Attribute values get that reference from QXmlStreamWriter itself.)
    void writeTextKeepingCarriageReturns(const QString &name, const QString &text)
    {
        m_xml.writeStartElement(name);
        const QStringList pieces = text.split(QLatin1Char('\r'));
        for (int i = 0; i < pieces.size(); ++i) {
            if (i > 0)
                m_xml.writeEntityReference(QStringLiteral("#13"));
            m_xml.writeCharacters(pieces.at(i));
        }
        m_xml.writeEndElement();
    }

    void writeAttribute(const QString &name, const QString &value)
    {
        if (classify(value) == TextKind::Forbidden)
            m_complete = false;
        else
            m_xml.writeAttribute(name, value);
    }

    QIODevice *m_file;
    TextCollector m_collector;
    QXmlStreamWriter m_xml;
    bool m_complete = true;
    bool m_writeFailed = false;
};

void ConfigDocument::write(const QList<ZarnCore *> &cores)
{
    m_xml.writeStartDocument();
    m_xml.writeStartElement(rootElement);
    m_xml.writeTextElement(versionElement, version);
    for (ZarnCore *core : cores) {
        writeCore(core);
        handOver();
    }
    m_xml.writeEndElement();
    m_xml.writeEndDocument();
    handOver(true);
}

void ConfigDocument::writeCore(ZarnCore *core)
{
    m_xml.writeStartElement(coreElement);
    m_xml.writeAttribute(indexAttribute, QString::number(core->getIndex()));
    writeAttribute(moduleNameAttribute, core->getModuleName());
    m_xml.writeAttribute(synchronisedAttribute,
                         core->isOutProbeSynwithUserClock() ? QStringLiteral("true") : QStringLiteral("false"));
    writeAttribute(userClockAttribute, core->getUserClockName());

    m_xml.writeStartElement(probeInsElement);
    const QList<ProbeIn *> probeIns = core->getAllProbeIns();
    for (const ProbeIn *probe : probeIns) {
        m_xml.writeStartElement(probeInElement);
        m_xml.writeAttribute(indexAttribute, QString::number(probe->getIndex()));
        writeSignalList(probe->getSignalNet());
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();

    m_xml.writeStartElement(probeOutsElement);
    const QList<ProbeOut *> probeOuts = core->getAllProbeOuts();
    for (const ProbeOut *probe : probeOuts) {
        m_xml.writeStartElement(probeOutElement);
        m_xml.writeAttribute(indexAttribute, QString::number(probe->getIndex()));
        writeAttribute(valueAttribute, probe->getValue());
        writeSignalList(probe->getSignalNet());
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();

    m_xml.writeEndElement();
}

void ConfigDocument::writeSignalList(const QList<SignalItem> &signalNet)
{
    // A probe without nets stays an empty-element tag.
    if (signalNet.isEmpty())
        return;
    m_xml.writeStartElement(signalListElement);
    for (const SignalItem &item : signalNet) {
        if (item.bits.isEmpty()) {
            writeText(signalElement, item.name);
            continue;
        }
        m_xml.writeStartElement(busElement);
        writeAttribute(nameAttribute, item.name);
        for (const SignalItem &bit : item.bits)
            writeText(signalElement, bit.name);
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

} // namespace

bool writeZARNConfigToXml(const QList<ZarnCore *> &cores, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;

    ConfigDocument document(&file);
    document.write(cores);

    // The previous file stays until commit().  Every check comes first:
    // commit() alone can report success for a file that a short write or a
    // failed flush left truncated.
    if (!document.isComplete() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace ZARN
