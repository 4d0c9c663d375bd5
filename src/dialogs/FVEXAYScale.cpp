#include "dialogs/FVEXAYScale.h"

TFormVEXAYScale *FormVEXAYScale = nullptr;

TFormVEXAYScale::TFormVEXAYScale(QWidget *parent)
    : TParamDialogFrame(QStringLiteral("FormVEXAYScale"), QStringLiteral("Level scale"), 362, 431, parent)
{
}
