// The splash window that stands while the main window is being created.
#pragma once

#include "shell/ProductPanel.h"
#include "shell/ShowPainted.h"

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

//! The splash window while it stands; null otherwise.
extern TFormVEXAStartup *FormVEXAStartup;
