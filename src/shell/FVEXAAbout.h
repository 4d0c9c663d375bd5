// The About window.
#pragma once

#include "shell/ProductPanel.h"

#include <QDialog>

class QPushButton;

class TFormVEXAAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TFormVEXAAbout(QWidget *parent = nullptr);

    TProductPanel Product;
    QLabel *Label2 = nullptr;
    QPushButton *BitBtn1 = nullptr;

    //! Sets the version label once; the text holds for the whole run.
    void FormCreate(QObject *Sender);

    //! Esc closes the window with OK as well.
    void reject() override { accept(); }
};

extern TFormVEXAAbout *FormVEXAAbout;
