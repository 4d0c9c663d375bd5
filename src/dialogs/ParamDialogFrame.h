// The frame every parameter dialog is built on.
#pragma once

#include <QDialog>

class TParamDialogFrame : public QDialog
{
    Q_OBJECT
public:
    TParamDialogFrame(const QString &formName, const QString &caption, int clientWidth, int clientHeight,
                      QWidget *parent = nullptr);
};
