#include "actions/HotKeys.h"

#include <QSet>

namespace {
// Position of the character the single "&" marks, or -1.
qsizetype HotKeyPos(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return i + 1;
    }
    return -1;
}
} // namespace

QChar HotKeyOf(const QString &caption)
{
    const qsizetype pos = HotKeyPos(caption);
    return pos < 0 ? QChar() : caption[pos].toUpper();
}

QString StripHotKey(const QString &caption)
{
    QString result;
    result.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        else if (caption[i] == QLatin1Char('&'))
            continue;
        result += caption[i];
    }
    return result;
}

QStringList AutoHotKeys(const QStringList &captions)
{
    QStringList result = captions;
    QSet<QChar> used;
    QList<int> needKey;
    for (int i = 0; i < result.size(); ++i) {
        const QString &c = result[i];
        if (c.isEmpty() || c == QLatin1String("-"))
            continue;
        const QChar key = HotKeyOf(c);
        if (!key.isNull() && !used.contains(key))
            used.insert(key);
        else
            needKey.append(i);
    }
    for (int i : needKey) {
        const QString plain = StripHotKey(result[i]);
        for (qsizetype p = 0; p < plain.size(); ++p) {
            const QChar ch = plain[p].toUpper();
            if (!plain[p].isLetterOrNumber() || plain[p].unicode() > 127 || used.contains(ch))
                continue;
            used.insert(ch);
            QString marked = plain;
            marked.replace(QLatin1Char('&'), QLatin1String("&&"));
            // Positions shift by one for every literal "&" before p.
            const qsizetype shift = plain.left(p).count(QLatin1Char('&'));
            marked.insert(p + shift, QLatin1Char('&'));
            result[i] = marked;
            break;
        }
    }
    return result;
}
