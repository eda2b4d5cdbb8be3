#include <zarn/configwriter.h>

#include <zarn/zarncore.h>

#include <QSaveFile>
#include <QXmlStreamWriter>

namespace ZARN {

namespace {

// True when every character of @p text may stand in an XML 1.0 document:
// tab, line feed, carriage return, U+0020 to U+FFFD without the surrogates,
// and whole surrogate pairs.  QXmlStreamWriter drops any other character
// without a trace (and after a lone surrogate every text that follows), so
// such a text must stop the save instead.
bool isXmlText(const QString &text)
{
    const QChar *c = text.constData();
    const QChar *const end = c + text.size();
    for (; c != end; ++c) {
        const ushort u = c->unicode();
        if (u >= 0x20 && u < 0xD800)
            continue;
        if (u < 0x20) {
            if (u == '\t' || u == '\n' || u == '\r')
                continue;
            return false;
        }
        if (u >= 0xE000) {
            if (u >= 0xFFFE)
                return false;
            continue;
        }
        if (QChar::isHighSurrogate(u) && c + 1 != end && (c + 1)->isLowSurrogate()) {
            ++c;
            continue;
        }
        return false;
    }
    return true;
}

// Lays out the document in memory.  The caller's texts pass through
// writeText() and writeAttribute(), which refuse what XML cannot carry.
class ConfigDocument
{
public:
    explicit ConfigDocument(QByteArray *buffer)
        : m_xml(buffer)
    {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(4);
    }

    void write(const QList<ZarnCore *> &cores);

    // False when a text was refused or the XML writer reported an error.
    bool isComplete() const { return m_complete && !m_xml.hasError(); }

private:
    void writeCore(ZarnCore *core);
    void writeSignalList(const QList<SignalItem> &signalNet);

    void writeText(const QString &name, const QString &text)
    {
        m_complete = m_complete && isXmlText(text);
        m_xml.writeTextElement(name, text);
    }

    void writeAttribute(const QString &name, const QString &value)
    {
        m_complete = m_complete && isXmlText(value);
        m_xml.writeAttribute(name, value);
    }

    QXmlStreamWriter m_xml;
    bool m_complete = true;
};

void ConfigDocument::write(const QList<ZarnCore *> &cores)
{
    m_xml.writeStartDocument();
    m_xml.writeStartElement(QStringLiteral("ZARN_CONFIG"));
    m_xml.writeTextElement(QStringLiteral("Version"), QStringLiteral("1.0"));
    for (ZarnCore *core : cores)
        writeCore(core);
    m_xml.writeEndElement();
    m_xml.writeEndDocument();
}

void ConfigDocument::writeCore(ZarnCore *core)
{
    m_xml.writeStartElement(QStringLiteral("ZarnCore"));
    m_xml.writeAttribute(QStringLiteral("index"), QString::number(core->getIndex()));
    writeAttribute(QStringLiteral("module_name"), core->getModuleName());
    m_xml.writeAttribute(QStringLiteral("output_probe_synchronizes_with_user_clock"),
                         core->isOutProbeSynwithUserClock() ? QStringLiteral("true") : QStringLiteral("false"));
    writeAttribute(QStringLiteral("user_clock_name"), core->getUserClockName());

    m_xml.writeStartElement(QStringLiteral("ProbeIns"));
    const QList<ProbeIn *> probeIns = core->getAllProbeIns();
    for (const ProbeIn *probe : probeIns) {
        m_xml.writeStartElement(QStringLiteral("ProbeIn"));
        m_xml.writeAttribute(QStringLiteral("index"), QString::number(probe->getIndex()));
        writeSignalList(probe->getSignalNet());
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();

    m_xml.writeStartElement(QStringLiteral("ProbeOuts"));
    const QList<ProbeOut *> probeOuts = core->getAllProbeOuts();
    for (const ProbeOut *probe : probeOuts) {
        m_xml.writeStartElement(QStringLiteral("ProbeOut"));
        m_xml.writeAttribute(QStringLiteral("index"), QString::number(probe->getIndex()));
        writeAttribute(QStringLiteral("value"), probe->getValue());
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
    m_xml.writeStartElement(QStringLiteral("SignalList"));
    for (const SignalItem &item : signalNet) {
        if (item.bits.isEmpty()) {
            writeText(QStringLiteral("Signal"), item.name);
            continue;
        }
        m_xml.writeStartElement(QStringLiteral("Bus"));
        writeAttribute(QStringLiteral("name"), item.name);
        for (const SignalItem &bit : item.bits)
            writeText(QStringLiteral("Signal"), bit.name);
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

} // namespace

bool writeZARNConfigToXml(const QList<ZarnCore *> &cores, const QString &path)
{
    // QSaveFile keeps the previous file until commit(); every check below
    // comes before it, since commit() alone can report success for a file
    // that a short write or a failed flush left truncated.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;

    QByteArray document;
    ConfigDocument writer(&document);
    writer.write(cores);
    if (!writer.isComplete()) {
        file.cancelWriting();
        return false;
    }

    if (file.write(document) != document.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace ZARN
