#include "actions/JsonCursor.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

//! Well-formed UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(QByteArrayView bytes)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = s + bytes.size();
    while (s < end) {
        const unsigned c = *s++;
        if (c < 0x80)
            continue;
        int follow;
        char32_t code;
        if (c >= 0xC2 && c <= 0xDF) {
            follow = 1;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            follow = 2;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            follow = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (end - s < follow)
            return false;
        for (int i = 0; i < follow; ++i) {
            if ((s[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (s[i] & 0x3F);
        }
        s += follow;
        if (follow == 2 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF)))
            return false;
        if (follow == 3 && (code < 0x10000 || code > 0x10FFFF))
            return false;
    }
    return true;
}

bool IsAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

//! A run of a text's bytes without escapes, as characters.
QString Decode(QByteArrayView bytes)
{
    return IsAscii(bytes) ? QString::fromLatin1(bytes.data(), bytes.size()) : QString::fromUtf8(bytes);
}

} // namespace

TJsonCursor::TJsonCursor(QByteArrayView text)
    : m_begin(text.data()), m_p(text.data()), m_end(text.data() + text.size())
{
    // A byte order mark is allowed before the text, as many editors write one.
    if (text.startsWith(QByteArrayView("\xEF\xBB\xBF")))
        m_p += 3;
}

bool TJsonCursor::Fail(const QString &why)
{
    if (m_error.isEmpty())
        m_error = QStringLiteral("%1 at byte %2").arg(why).arg(m_p - m_begin);
    m_p = m_end;  // nothing more is read
    return false;
}

void TJsonCursor::SkipSpace()
{
    while (m_p < m_end && (*m_p == ' ' || *m_p == '\n' || *m_p == '\r' || *m_p == '\t'))
        ++m_p;
}

bool TJsonCursor::Next(char c)
{
    SkipSpace();
    if (m_p < m_end && *m_p == c) {
        ++m_p;
        return true;
    }
    return false;
}

bool TJsonCursor::Expect(char c)
{
    if (Failed())
        return false;
    if (Next(c))
        return true;
    if (m_p == m_end)
        return Fail(QStringLiteral("the text ends where '%1' belongs").arg(QLatin1Char(c)));
    return Fail(QStringLiteral("'%1' expected").arg(QLatin1Char(c)));
}

char TJsonCursor::Peek()
{
    SkipSpace();
    return m_p < m_end ? *m_p : '\0';
}

bool TJsonCursor::AtEnd()
{
    SkipSpace();
    return !Failed() && m_p == m_end;
}

bool TJsonCursor::Escape(QString &out)
{
    // At the character after the backslash.
    if (m_p == m_end)
        return Fail(QStringLiteral("unfinished escape"));
    const char c = *m_p++;
    switch (c) {
    case '"': out += QLatin1Char('"'); return true;
    case '\\': out += QLatin1Char('\\'); return true;
    case '/': out += QLatin1Char('/'); return true;
    case 'b': out += QLatin1Char('\b'); return true;
    case 'f': out += QLatin1Char('\f'); return true;
    case 'n': out += QLatin1Char('\n'); return true;
    case 'r': out += QLatin1Char('\r'); return true;
    case 't': out += QLatin1Char('\t'); return true;
    case 'u': break;
    default: return Fail(QStringLiteral("unknown escape"));
    }
    auto hex4 = [this](char16_t &unit) {
        if (m_end - m_p < 4)
            return Fail(QStringLiteral("unfinished \\u escape"));
        unit = 0;
        for (int i = 0; i < 4; ++i) {
            const int v = HexValue(m_p[i]);
            if (v < 0)
                return Fail(QStringLiteral("bad \\u escape"));
            unit = char16_t(unit << 4 | v);
        }
        m_p += 4;
        return true;
    };
    char16_t unit;
    if (!hex4(unit))
        return false;
    if (QChar::isLowSurrogate(unit))
        return Fail(QStringLiteral("lone surrogate"));
    if (QChar::isHighSurrogate(unit)) {
        char16_t low;
        if (m_end - m_p < 2 || m_p[0] != '\\' || m_p[1] != 'u')
            return Fail(QStringLiteral("lone surrogate"));
        m_p += 2;
        if (!hex4(low))
            return false;
        if (!QChar::isLowSurrogate(low))
            return Fail(QStringLiteral("lone surrogate"));
        out += QChar(unit);
        out += QChar(low);
        return true;
    }
    out += QChar(unit);
    return true;
}

bool TJsonCursor::ScanString(QByteArrayView &raw, QString &decoded, bool &escaped)
{
    if (!Expect('"'))
        return false;
    escaped = false;
    const char *run = m_p;
    for (;;) {
        while (m_p < m_end && *m_p != '"' && *m_p != '\\' && static_cast<unsigned char>(*m_p) >= 0x20)
            ++m_p;
        if (m_p == m_end)
            return Fail(QStringLiteral("unfinished text"));
        if (static_cast<unsigned char>(*m_p) < 0x20)
            return Fail(QStringLiteral("control character in a text"));
        const QByteArrayView bytes(run, m_p - run);
        if (!IsValidUtf8(bytes))
            return Fail(QStringLiteral("text is not UTF-8"));
        if (*m_p == '"') {
            ++m_p;
            if (escaped)
                decoded += Decode(bytes);
            else
                raw = bytes;
            return true;
        }
        // A backslash.
        if (!escaped)
            decoded.clear();
        escaped = true;
        decoded += Decode(bytes);
        ++m_p;
        if (!Escape(decoded))
            return false;
        run = m_p;
    }
}

bool TJsonCursor::String(QString &out)
{
    QByteArrayView raw;
    QString decoded;
    bool escaped;
    if (!ScanString(raw, decoded, escaped))
        return false;
    out = escaped ? decoded : Decode(raw);
    return true;
}

bool TJsonCursor::Key(QByteArrayView &key)
{
    QString decoded;
    bool escaped;
    if (!ScanString(key, decoded, escaped))
        return false;
    if (escaped) {
        m_keyBuffer = decoded.toUtf8();
        key = m_keyBuffer;
    }
    return true;
}

bool TJsonCursor::Number(double &out)
{
    if (Failed())
        return false;
    SkipSpace();
    const char *start = m_p;
    const char *p = m_p;
    auto digits = [&p, this] {
        const char *first = p;
        while (p < m_end && IsDigit(*p))
            ++p;
        return p > first;
    };
    if (p < m_end && *p == '-')
        ++p;
    if (p < m_end && *p == '0')
        ++p;
    else if (!digits())
        return Fail(QStringLiteral("number expected"));
    if (p < m_end && *p == '.') {
        ++p;
        if (!digits())
            return Fail(QStringLiteral("bad number"));
    }
    if (p < m_end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p < m_end && (*p == '+' || *p == '-'))
            ++p;
        if (!digits())
            return Fail(QStringLiteral("bad number"));
    }
    const auto [end, ec] = std::from_chars(start, p, out);
    if (ec != std::errc() || end != p || !std::isfinite(out))
        return Fail(QStringLiteral("number out of range"));
    m_p = p;
    return true;
}

bool TJsonCursor::Bool(bool &out)
{
    if (Failed())
        return false;
    SkipSpace();
    auto literal = [this](const char *word) {
        const auto size = qsizetype(std::strlen(word));
        return m_end - m_p >= size && std::memcmp(m_p, word, size_t(size)) == 0;
    };
    if (literal("true")) {
        m_p += 4;
        out = true;
    } else if (literal("false")) {
        m_p += 5;
        out = false;
    } else {
        return Fail(QStringLiteral("true or false expected"));
    }
    return true;
}
