#include "shell/VersionBlock.h"

#include <QFile>
#include <QtEndian>

#include <cstring>
#include <limits>

namespace VersionBlock {

namespace {

// ---------------------------------------------------------------------------
// ELF section lookup
// ---------------------------------------------------------------------------

// A version block is at most 64 KiB; anything far larger under our name is
// not one of ours and not worth allocating for.
constexpr quint64 MaxSectionSize = quint64(16) << 20;

constexpr quint32 SHT_NULL = 0;
constexpr quint32 SHT_NOBITS = 8;
constexpr quint16 SHN_XINDEX = 0xFFFF;

// Where the ELF bytes come from: a buffer for tests and fuzzing, the
// program file at start-up. Both only hand out whole ranges inside the
// image, so the parser never sees a short read.
class ImageSource
{
public:
    virtual ~ImageSource() = default;
    virtual quint64 size() const = 0;
    virtual bool read(quint64 offset, quint64 length, char *into) = 0;

    bool contains(quint64 offset, quint64 length) const
    {
        return length <= size() && offset <= size() - length;
    }
};

class BufferSource final : public ImageSource
{
public:
    explicit BufferSource(const QByteArray &bytes) : m_bytes(bytes) {}

    quint64 size() const override { return quint64(m_bytes.size()); }

    bool read(quint64 offset, quint64 length, char *into) override
    {
        if (!contains(offset, length))
            return false;
        if (length != 0)
            std::memcpy(into, m_bytes.constData() + offset, length);
        return true;
    }

private:
    const QByteArray &m_bytes;
};

class FileSource final : public ImageSource
{
public:
    explicit FileSource(const QString &path) : m_file(path)
    {
        if (m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            m_size = quint64(qMax<qint64>(m_file.size(), 0));
    }

    quint64 size() const override { return m_size; }

    bool read(quint64 offset, quint64 length, char *into) override
    {
        if (!m_file.isOpen() || !contains(offset, length))
            return false;
        if (!m_file.seek(qint64(offset)))
            return false;
        return m_file.read(into, qint64(length)) == qint64(length);
    }

private:
    QFile m_file;
    quint64 m_size = 0;
};

struct SectionHeader
{
    quint32 name = 0;
    quint32 type = 0;
    quint64 offset = 0;
    quint64 size = 0;
    quint32 link = 0;
};

class ElfReader
{
public:
    explicit ElfReader(ImageSource &source) : m_source(source) {}

    QByteArray section(const char *name)
    {
        if (!readHeader())
            return {};
        SectionHeader strings;
        if (!sectionHeader(m_stringIndex, &strings) || strings.type == SHT_NOBITS
            || !m_source.contains(strings.offset, strings.size))
            return {};

        const quint64 nameLength = std::strlen(name);
        QByteArray candidate(qsizetype(nameLength + 1), Qt::Uninitialized);
        for (quint64 i = 0; i < m_count; ++i) {
            SectionHeader h;
            if (!sectionHeader(i, &h))
                return {};
            if (h.name >= strings.size || strings.size - h.name < nameLength + 1)
                continue;
            if (!m_source.read(strings.offset + h.name, nameLength + 1, candidate.data()))
                return {};
            if (std::memcmp(candidate.constData(), name, nameLength) != 0
                || candidate.at(qsizetype(nameLength)) != '\0')
                continue;
            // The first section of that name decides.
            if (h.type == SHT_NOBITS || h.type == SHT_NULL || h.size > MaxSectionSize
                || !m_source.contains(h.offset, h.size))
                return {};
            QByteArray contents(qsizetype(h.size), Qt::Uninitialized);
            if (!m_source.read(h.offset, h.size, contents.data()))
                return {};
            return contents;
        }
        return {};
    }

private:
    bool readHeader()
    {
        char ident[16];
        if (!m_source.read(0, sizeof ident, ident))
            return false;
        if (std::memcmp(ident, "\x7F" "ELF", 4) != 0)
            return false;
        if (ident[5] != 1) // little-endian only
            return false;
        if (ident[4] == 1)
            m_is64 = false;
        else if (ident[4] == 2)
            m_is64 = true;
        else
            return false;

        char h[64];
        const quint64 headerSize = m_is64 ? 64 : 52;
        if (!m_source.read(0, headerSize, h))
            return false;
        const quint64 tableOffset = m_is64 ? u64(h + 0x28) : u32(h + 0x20);
        const quint16 entrySize = u16(h + (m_is64 ? 0x3A : 0x2E));
        quint64 count = u16(h + (m_is64 ? 0x3C : 0x30));
        quint64 stringIndex = u16(h + (m_is64 ? 0x3E : 0x32));

        if (tableOffset == 0 || entrySize < (m_is64 ? 64 : 40) || tableOffset > m_source.size())
            return false;
        m_tableOffset = tableOffset;
        m_entrySize = entrySize;
        // Whatever the header claims, only entries inside the image count.
        m_count = (m_source.size() - tableOffset) / entrySize;

        // Extended numbering: when the real values do not fit the header
        // fields, entry 0 carries them.
        if (count == 0 || stringIndex == SHN_XINDEX) {
            SectionHeader first;
            if (!sectionHeader(0, &first))
                return false;
            if (count == 0)
                count = first.size;
            if (stringIndex == SHN_XINDEX)
                stringIndex = first.link;
        }
        m_count = qMin(m_count, count);
        m_stringIndex = stringIndex;
        return m_stringIndex < m_count;
    }

    bool sectionHeader(quint64 index, SectionHeader *out)
    {
        if (index >= m_count)
            return false;
        // index < m_count keeps index * entrySize inside the image: no overflow.
        char e[64];
        const quint64 used = m_is64 ? 64 : 40;
        if (!m_source.read(m_tableOffset + index * m_entrySize, used, e))
            return false;
        out->name = u32(e);
        out->type = u32(e + 4);
        out->offset = m_is64 ? u64(e + 24) : u32(e + 16);
        out->size = m_is64 ? u64(e + 32) : u32(e + 20);
        out->link = m_is64 ? u32(e + 40) : u32(e + 24);
        return true;
    }

    static quint16 u16(const char *p) { return qFromLittleEndian<quint16>(p); }
    static quint32 u32(const char *p) { return qFromLittleEndian<quint32>(p); }
    static quint64 u64(const char *p) { return qFromLittleEndian<quint64>(p); }

    ImageSource &m_source;
    bool m_is64 = true;
    quint64 m_tableOffset = 0;
    quint64 m_entrySize = 0;
    quint64 m_count = 0;
    quint64 m_stringIndex = 0;
};

// ---------------------------------------------------------------------------
// Version block tree
// ---------------------------------------------------------------------------

constexpr quint16 TextType = 1;

// One node of the tree, as offsets into the block. Offsets are relative to
// the block's first byte, which is where the 32-bit alignment counts from.
struct Node
{
    qsizetype end = 0;        // first byte after the node, by its wLength
    quint16 valueLength = 0;  // 16-bit characters for text, bytes otherwise
    quint16 type = 0;
    QString key;
    qsizetype value = 0;      // first byte of the value, <= end
    qsizetype children = 0;   // first byte of the first child, <= end
};

qsizetype Align4(qsizetype offset)
{
    return (offset + 3) & ~qsizetype(3);
}

quint16 WordAt(const QByteArray &block, qsizetype offset)
{
    return qFromLittleEndian<quint16>(block.constData() + offset);
}

// Reads the node starting at `begin`, which must lie within [begin, limit).
// Rejects a node that claims more room than its parent has, one too short
// to hold its own header and one whose key has no terminator.
bool ParseNode(const QByteArray &block, qsizetype begin, qsizetype limit, Node *node)
{
    if (begin < 0 || limit > block.size() || begin > limit || limit - begin < 6)
        return false;
    const quint16 length = WordAt(block, begin);
    if (length < 6 || length > limit - begin)
        return false;
    node->end = begin + length;
    node->valueLength = WordAt(block, begin + 2);
    node->type = WordAt(block, begin + 4);

    node->key.clear();
    qsizetype p = begin + 6;
    for (;; p += 2) {
        if (node->end - p < 2)
            return false;
        const quint16 c = WordAt(block, p);
        if (c == 0)
            break;
        node->key.append(QChar(c));
    }
    node->value = qMin(Align4(p + 2), node->end);
    const qsizetype valueBytes = node->type == TextType ? 2 * qsizetype(node->valueLength)
                                                        : qsizetype(node->valueLength);
    node->children = qMin(Align4(node->value + valueBytes), node->end);
    return true;
}

// Calls visit(child) for each well-formed child in order until it returns
// true; gives whether one did. Every step moves on by at least the six
// header bytes, so a loop over any input ends.
template <typename Visit>
bool ForEachChild(const QByteArray &block, const Node &parent, Visit visit)
{
    qsizetype pos = parent.children;
    while (pos < parent.end) {
        Node child;
        if (!ParseNode(block, pos, parent.end, &child))
            return false;
        if (visit(child))
            return true;
        pos = Align4(child.end);
    }
    return false;
}

bool FindNode(const QByteArray &block, const QString &subBlock, Node *found)
{
    Node node;
    if (!ParseNode(block, 0, block.size(), &node))
        return false;
    const QStringList parts = subBlock.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const bool hit = ForEachChild(block, node, [&](const Node &child) {
            if (child.key.compare(part, Qt::CaseInsensitive) != 0)
                return false;
            node = child;
            return true;
        });
        if (!hit)
            return false;
    }
    *found = node;
    return true;
}

} // namespace

QByteArray ReadElfSection(const QByteArray &elfImage, const char *name)
{
    BufferSource source(elfImage);
    return ElfReader(source).section(name);
}

QByteArray ReadElfSectionFromFile(const QString &path, const char *name)
{
    FileSource source(path);
    return ElfReader(source).section(name);
}

bool VerQueryValue(const QByteArray &block, const QString &subBlock, QString *out)
{
    Node node;
    if (!FindNode(block, subBlock, &node))
        return false;
    QString text;
    for (qsizetype p = node.value; node.end - p >= 2; p += 2) {
        const quint16 c = WordAt(block, p);
        if (c == 0)
            break;
        text.append(QChar(c));
    }
    *out = text;
    return true;
}

bool VerQueryBinary(const QByteArray &block, const QString &subBlock, QByteArray *out)
{
    Node node;
    if (!FindNode(block, subBlock, &node))
        return false;
    const qsizetype valueBytes = node.type == TextType ? 2 * qsizetype(node.valueLength)
                                                       : qsizetype(node.valueLength);
    *out = block.mid(node.value, qMin(valueBytes, node.end - node.value));
    return true;
}

QStringList VerChildKeys(const QByteArray &block, const QString &subBlock)
{
    QStringList keys;
    Node node;
    if (FindNode(block, subBlock, &node)) {
        ForEachChild(block, node, [&](const Node &child) {
            keys.append(child.key);
            return false;
        });
    }
    return keys;
}

} // namespace VersionBlock
