// A document window: one plain-text editor inside the main window's document area.
#pragma once

#include <QWidget>

class QPlainTextEdit;

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
      A file that cannot be read is reported and the editor stays empty.
    */
    void LoadFile(const QString &fileName);

    //! Texts longer than this are refused, as the editor could not hold them.
    static constexpr qint64 MaxTextSize = 256LL * 1024 * 1024;
};
