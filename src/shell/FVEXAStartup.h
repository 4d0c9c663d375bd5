// The splash window that stands while the main window is being created.
#pragma once

#include "shell/ProductPanel.h"

#include <QWidget>

class TFormVEXAStartup : public QWidget
{
    Q_OBJECT
public:
    explicit TFormVEXAStartup(QWidget *parent = nullptr);

    TPanel *Panel2 = nullptr;
    TProductPanel Product;

    //! Sets the version label from the program's version text.
    void FormCreate(QObject *Sender);
    //! Shows the window centred on the screen and paints it completely, now.
    void ShowPainted();
};

/*!
  Shows `window` and returns once it stands painted on the screen: it waits
  (dispatching no input) until the window is exposed, then paints it at once.
*/
void ShowPaintedNow(QWidget &window);

//! The splash window while it stands; null otherwise.
extern TFormVEXAStartup *FormVEXAStartup;
