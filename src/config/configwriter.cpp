#include <zarn/configwriter.h>

#include <zarn/zarncore.h>

#include <QSaveFile>
#include <QXmlStreamWriter>

namespace ZARN {

namespace {

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

// Writes the document to a device.  The caller's texts pass through
// writeText() and writeAttribute(), which refuse what XML cannot carry;
// once one is refused the rest is written only to be thrown away.
class ConfigDocument
{
public:
    explicit ConfigDocument(QIODevice *device)
        : m_xml(device)
    {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(4);
    }

    void write(const QList<ZarnCore *> &cores);

    // False when a text was refused or the XML writer failed.  The XML
    // writer fails, and stops, at the first write the device takes short.
    bool isComplete() const { return m_complete && !m_xml.hasError(); }

private:
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
        const QVector<QStringRef> pieces = text.splitRef(QLatin1Char('\r'));
        for (int i = 0; i < pieces.size(); ++i) {
            if (i > 0)
                m_xml.writeEntityReference(QStringLiteral("#13"));
            m_xml.writeCharacters(pieces.at(i).toString());
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
