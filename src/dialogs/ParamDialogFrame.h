// The frame every parameter dialog is built on.
#pragma once

#include <QDialog>

class TFrameImageList;

class TParamDialogFrame : public QDialog
{
    Q_OBJECT
public:
    TParamDialogFrame(const QString &formName, const QString &caption, int clientWidth, int clientHeight,
                      QWidget *parent = nullptr);

    //! The dialog's own copy of the shared pictures.
    TFrameImageList *FrameImageList1 = nullptr;
};
