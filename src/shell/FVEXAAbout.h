// The About window.
#pragma once

#include <QDialog>

class TFormVEXAAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TFormVEXAAbout(QWidget *parent = nullptr);
};

extern TFormVEXAAbout *FormVEXAAbout;
