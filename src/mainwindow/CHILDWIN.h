// A document window: one plain-text editor inside the main window's document area.
#pragma once

#include <QWidget>

class QByteArray;
class QPlainTextEdit;
class QString;

/*!
  The text of a document file's bytes. UTF-8, with or without a byte-order
  mark (the mark is dropped); bytes that are not valid UTF-8 make the whole
  file decode as Windows-1252. CR LF, CR and LF each end a line and come out
  as LF. Any other byte, NUL included, stays a character of the text.
*/
QString DecodeDocumentText(const QByteArray &bytes);

class TMDIChild : public QWidget
{
    Q_OBJECT
public:
    explicit TMDIChild(QWidget *parent = nullptr);
    ~TMDIChild() override;

    QPlainTextEdit *Memo1 = nullptr;

    /*!
      Shows the text of `fileName` when such a file (not a directory) exists;
      a name without a directory is looked up in the working directory.
      A file that cannot be read is reported and the editor stays empty;
      a file longer than MaxTextSize is reported without being read.
    */
    void LoadFile(const QString &fileName);

    //! Texts longer than this are refused, as the editor could not hold them.
    static constexpr qint64 MaxTextSize = 256LL * 1024 * 1024;
};
