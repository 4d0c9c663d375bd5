#include "shell/VersionBlockBuilder.h"

#include <limits>
#include <stdexcept>

namespace VersionBlock {

namespace {

enum NodeType : std::uint16_t { Binary = 0, Text = 1 };

std::u16string Utf8ToUtf16(const std::string &text)
{
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::uint32_t cp = 0;
        std::size_t extra = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            cp = lead & 0x1F;
            extra = 1;
        } else if ((lead & 0xF0) == 0xE0) {
            cp = lead & 0x0F;
            extra = 2;
        } else if ((lead & 0xF8) == 0xF0) {
            cp = lead & 0x07;
            extra = 3;
        } else {
            throw std::invalid_argument("malformed UTF-8 in version text");
        }
        if (text.size() - i - 1 < extra)
            throw std::invalid_argument("truncated UTF-8 in version text");
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto cont = static_cast<unsigned char>(text[i + k]);
            if ((cont & 0xC0) != 0x80)
                throw std::invalid_argument("malformed UTF-8 in version text");
            cp = (cp << 6) | (cont & 0x3F);
        }
        static constexpr std::uint32_t smallest[] = {0, 0x80, 0x800, 0x10000};
        if (cp < smallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            throw std::invalid_argument("invalid code point in version text");
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += extra + 1;
    }
    return out;
}

// Every node is: wLength, wValueLength, wType, zero-terminated UTF-16 key,
// padding to a 32-bit boundary, the value, padding, the child nodes. Each
// child starts on a 32-bit boundary; wLength runs from the node's first
// byte to the end of its last child (or of its value), without trailing
// padding.
class Writer
{
public:
    std::size_t beginNode(const std::string &key, std::size_t valueLength, NodeType type)
    {
        align();
        if (valueLength > std::numeric_limits<std::uint16_t>::max())
            throw std::length_error("version block value too long");
        const std::size_t start = m_bytes.size();
        putWord(0); // wLength, patched by endNode
        putWord(static_cast<std::uint16_t>(valueLength));
        putWord(type);
        putText(Utf8ToUtf16(key));
        align();
        return start;
    }

    void endNode(std::size_t start)
    {
        const std::size_t length = m_bytes.size() - start;
        if (length > std::numeric_limits<std::uint16_t>::max())
            throw std::length_error("version block node longer than 65535 bytes");
        m_bytes[start] = static_cast<std::uint8_t>(length & 0xFF);
        m_bytes[start + 1] = static_cast<std::uint8_t>(length >> 8);
    }

    void putWord(std::uint16_t w)
    {
        m_bytes.push_back(static_cast<std::uint8_t>(w & 0xFF));
        m_bytes.push_back(static_cast<std::uint8_t>(w >> 8));
    }

    void putDword(std::uint32_t d)
    {
        putWord(static_cast<std::uint16_t>(d & 0xFFFF));
        putWord(static_cast<std::uint16_t>(d >> 16));
    }

    void putText(const std::u16string &text)
    {
        for (char16_t c : text)
            putWord(static_cast<std::uint16_t>(c));
        putWord(0);
    }

    std::vector<std::uint8_t> take() { return std::move(m_bytes); }

private:
    void align()
    {
        while (m_bytes.size() % 4 != 0)
            m_bytes.push_back(0);
    }

    std::vector<std::uint8_t> m_bytes;
};

std::uint32_t Pack(std::uint16_t high, std::uint16_t low)
{
    return (std::uint32_t(high) << 16) | low;
}

} // namespace

std::vector<std::uint8_t> BuildVersionBlock(const VersionBlockContents &contents)
{
    Writer w;
    const FixedFileInfo &f = contents.fixed;

    const std::size_t root = w.beginNode("VS_VERSION_INFO", FixedFileInfoSize, Binary);
    w.putDword(FixedFileInfoSignature);
    w.putDword(0x00010000); // structure version 1.0
    w.putDword(Pack(f.fileVersion[0], f.fileVersion[1]));
    w.putDword(Pack(f.fileVersion[2], f.fileVersion[3]));
    w.putDword(Pack(f.productVersion[0], f.productVersion[1]));
    w.putDword(Pack(f.productVersion[2], f.productVersion[3]));
    w.putDword(f.fileFlagsMask);
    w.putDword(f.fileFlags);
    w.putDword(f.fileOS);
    w.putDword(f.fileType);
    w.putDword(f.fileSubtype);
    w.putDword(f.fileDateMS);
    w.putDword(f.fileDateLS);

    if (!contents.stringTables.empty()) {
        const std::size_t sfi = w.beginNode("StringFileInfo", 0, Text);
        for (const StringTable &table : contents.stringTables) {
            const std::size_t st = w.beginNode(table.key, 0, Text);
            for (const auto &[key, value] : table.strings) {
                const std::u16string text = Utf8ToUtf16(value);
                // Text lengths count 16-bit characters, terminator included.
                const std::size_t s = w.beginNode(key, text.size() + 1, Text);
                w.putText(text);
                w.endNode(s);
            }
            w.endNode(st);
        }
        w.endNode(sfi);
    }

    if (!contents.translations.empty()) {
        const std::size_t vfi = w.beginNode("VarFileInfo", 0, Text);
        const std::size_t var = w.beginNode("Translation", 4 * contents.translations.size(), Binary);
        for (const Translation &t : contents.translations) {
            w.putWord(t.language);
            w.putWord(t.codePage);
        }
        w.endNode(var);
        w.endNode(vfi);
    }

    w.endNode(root);
    return w.take();
}

bool ParseVersionQuad(const std::string &text, std::uint16_t out[4])
{
    std::uint16_t parts[4] = {0, 0, 0, 0};
    std::size_t count = 0;
    std::size_t i = 0;
    while (true) {
        if (count == 4 || i >= text.size() || text[i] < '0' || text[i] > '9')
            return false;
        std::uint32_t value = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            value = value * 10 + std::uint32_t(text[i] - '0');
            if (value > 0xFFFF)
                return false;
            ++i;
        }
        parts[count++] = static_cast<std::uint16_t>(value);
        if (i == text.size())
            break;
        if (text[i] != '.')
            return false;
        ++i;
    }
    for (std::size_t k = 0; k < 4; ++k)
        out[k] = parts[k];
    return true;
}

} // namespace VersionBlock
