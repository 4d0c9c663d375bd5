// A strict pull reader for JSON text (RFC 8259), for files read straight into a model.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

/*!
  Walks JSON text front to back without building a document: the caller asks
  for the value it expects where it expects it (an object, an array, a text,
  a number, true or false) and reads it into its own model as it goes.

  Strict: whatever the grammar does not allow fails, and so do text that is
  not valid UTF-8, lone surrogates, control characters inside texts and
  numbers a double cannot hold. There is no generic "skip a value", so a
  caller that accepts only known shapes bounds the nesting itself. A value
  runs to the first character that cannot continue it ("01" reads 0); what
  follows must then be what the caller expects (',', '}', ']'). After the
  first failure every call fails and Error() tells the first reason with its
  byte offset.
*/
class TJsonCursor
{
public:
    explicit TJsonCursor(QByteArrayView text);

    //! Reads an object; `member(key)` is called for each member with the cursor at its value,
    //! and must read that value. The key is the decoded name as UTF-8.
    template<class Member>
    bool Object(Member &&member)
    {
        if (!Expect('{'))
            return false;
        if (Next('}'))
            return true;
        do {
            QByteArrayView key;
            if (!Key(key) || !Expect(':') || !member(key))
                return false;
        } while (Next(','));
        return Expect('}');
    }

    //! Reads an array; `element()` is called for each element with the cursor at it, and must read it.
    template<class Element>
    bool Array(Element &&element)
    {
        if (!Expect('['))
            return false;
        if (Next(']'))
            return true;
        do {
            if (!element())
                return false;
        } while (Next(','));
        return Expect(']');
    }

    bool String(QString &out);
    bool Number(double &out);
    bool Bool(bool &out);
    //! The first character of the next value, white space skipped ('{', '[', '"', '-', a digit,
    //! 't', 'f', 'n', ...), or 0 at the end and after a failure: what a caller tells a wrong type by.
    char Peek();
    //! True when only white space is left.
    bool AtEnd();

    //! Records `why` (the first reason only) and returns false.
    bool Fail(const QString &why);
    bool Failed() const { return !m_error.isEmpty(); }
    QString Error() const { return m_error; }

private:
    void SkipSpace();
    bool Expect(char c);
    //! Takes `c` if it comes next, white space skipped.
    bool Next(char c);
    bool Key(QByteArrayView &key);
    //! Scans a text's body; `raw` is set when it holds no escapes, else `decoded`.
    bool ScanString(QByteArrayView &raw, QString &decoded, bool &escaped);
    bool Escape(QString &out);

    const char *m_begin;
    const char *m_p;
    const char *m_end;
    QString m_error;
    QByteArray m_keyBuffer;  // a key that held escapes, decoded
};
