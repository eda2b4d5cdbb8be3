#ifndef ZARN_CONFIG_CONTROLCHARACTERSCAN_H
#define ZARN_CONFIG_CONTROLCHARACTERSCAN_H

#include <QIODevice>

#include <algorithm>

namespace ZARN {
namespace ConfigXml {

/**
 * Passes a file's bytes on to the stream reader and looks at each on its
 * way for a control character that XML refuses: the stream reader's own
 * message for one is a bare "Unexpected ''", this scan names the character
 * and where it stands (line, and column in characters).  It also refuses a
 * tag with more attributes than any configuration has, before the stream
 * reader spends quadratic time on them.
 *
 * It applies to every encoding in which the ASCII bytes stand for
 * themselves; UTF-16 and UTF-32 documents are left to the stream reader.
 */
class ControlCharacterScan : public QIODevice
{
public:
    explicit ControlCharacterScan(QIODevice *source)
        : m_source(source)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }

    /** Reads on to the end, for a control character behind where the stream reader stopped. */
    void scanRest()
    {
        char piece[16384];
        while (m_scanning && !found() && readData(piece, sizeof piece) > 0) {
        }
    }

    /** What the scan refuses: a control character, or too many attributes in one tag. */
    enum class Refusal { None, ControlCharacter, ManyAttributes };

    /**
     * More '=' than this between one '<' and the next are refused: each
     * attribute of a start tag brings one, the stream reader checks each
     * new attribute against all before it (quadratic time), and no element
     * of a configuration has more than four.
     */
    static constexpr int maxEquals = 1024;

    bool found() const { return m_refusal != Refusal::None; }
    Refusal refusal() const { return m_refusal; }
    uchar character() const { return m_character; }
    qint64 line() const { return m_line; }
    qint64 column() const { return m_lineCharacters + 1; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        // Nothing from a refused byte on reaches the stream reader: it would
        // parse on, and a tag of many attributes costs it quadratic time.
        if (found())
            return 0;
        qint64 size = m_source->read(data, maxSize);
        // The encoding shows in the first two bytes.
        if (!m_encodingKnown) {
            while (size >= 0 && size < qMin<qint64>(2, maxSize)) {
                const qint64 more = m_source->read(data + size, maxSize - size);
                if (more <= 0)
                    break;
                size += more;
            }
            m_encodingKnown = true;
            const auto *bytes = reinterpret_cast<const uchar *>(data);
            m_scanning = size < 2 || (bytes[0] != 0 && bytes[1] != 0 && bytes[0] < 0xfe);
        }
        if (size > 0 && m_scanning)
            size = scan(reinterpret_cast<const uchar *>(data), size);
        return size;
    }

    qint64 writeData(const char *, qint64) override { return -1; }

private:
    // Scans a piece; the number of bytes before a refused one, or all.
    qint64 scan(const uchar *bytes, qint64 size)
    {
        // Nearly every byte passes: whole blocks are tested, and their line
        // ends counted, without a branch per byte, which the compiler turns
        // into vector code; only the block holding a refused byte is looked
        // at one byte at a time.  The '=' behind the last '<' are counted
        // too: a start tag holds one for each attribute.
        constexpr int block = 64;
        qint64 i = 0;
        for (; i + block <= size; i += block) {
            const uchar *const piece = bytes + i;
            uchar refused = 0;
            uchar lineEnds = 0;
            uchar equals = 0;
            uchar opens = 0;
            for (int j = 0; j < block; ++j) {
                refused |= isRefused(piece[j]);
                lineEnds += piece[j] == '\n';
                equals += piece[j] == '=';
                opens += piece[j] == '<';
            }
            if (refused)
                break;
            if (opens == 0) {
                if (m_equals + equals > maxEquals)
                    break;
                m_equals += equals;
            } else {
                // Only what stands before the first '<' adds to the count
                // carried in; what stands behind the last starts the next.
                int before = 0;
                for (int j = 0; piece[j] != '<'; ++j)
                    before += piece[j] == '=';
                if (m_equals + before > maxEquals)
                    break;
                m_equals = 0;
                for (int j = block - 1; piece[j] != '<'; --j)
                    m_equals += piece[j] == '=';
            }
            m_line += lineEnds;
        }
        for (; i < size; ++i) {
            const uchar byte = bytes[i];
            if (isRefused(byte)) {
                m_refusal = Refusal::ControlCharacter;
                m_character = byte;
                break;
            }
            if (byte == '<')
                m_equals = 0;
            else if (byte == '=' && ++m_equals > maxEquals) {
                m_refusal = Refusal::ManyAttributes;
                break;
            }
            m_line += byte == '\n';
        }

        // The characters between the start of the line and the refused
        // byte, or the end of the piece: the line starts behind the last
        // line end, in this piece or an earlier one.
        const uchar *const end = bytes + i;
        const uchar *lineStart = std::find(std::make_reverse_iterator(end), std::make_reverse_iterator(bytes), uchar('\n')).base();
        if (lineStart != bytes)
            m_lineCharacters = 0;
        // Characters, not UTF-8 continuation bytes.
        m_lineCharacters += std::count_if(lineStart, end, [](uchar byte) { return (byte & 0xc0) != 0x80; });
        return i;
    }

    // A byte below 0x20 other than tab, line feed and carriage return;
    // bitwise operators, so that testing it costs no branch.
    static uchar isRefused(uchar byte) { return (byte < 0x20) & (byte != '\t') & (byte != '\n') & (byte != '\r'); }

    QIODevice *m_source;
    bool m_encodingKnown = false;
    bool m_scanning = true;
    Refusal m_refusal = Refusal::None;
    uchar m_character = 0;
    int m_equals = 0; // '=' since the last '<'

    qint64 m_line = 1;
    qint64 m_lineCharacters = 0; // between the start of the line and the next byte
};

} // namespace ConfigXml
} // namespace ZARN

#endif
