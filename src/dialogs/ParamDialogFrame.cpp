#include "dialogs/ParamDialogFrame.h"

#include "images/FRImageList.h"

TParamDialogFrame::TParamDialogFrame(const QString &formName, const QString &caption, int clientWidth,
                                     int clientHeight, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(formName);
    setWindowTitle(caption);
    setFixedSize(clientWidth, clientHeight);
    FrameImageList1 = new TFrameImageList(this);
    FrameImageList1->setObjectName(QStringLiteral("FrameImageList1"));
}
