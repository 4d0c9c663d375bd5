#include "dialogs/ParamDialogFrame.h"

TParamDialogFrame::TParamDialogFrame(const QString &formName, const QString &caption, int clientWidth,
                                     int clientHeight, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(formName);
    setWindowTitle(caption);
    setFixedSize(clientWidth, clientHeight);
}
