#include "dialogs/FVEXAFreqScale.h"

TFormVEXAFreqScale *FormVEXAFreqScale = nullptr;

TFormVEXAFreqScale::TFormVEXAFreqScale(QWidget *parent)
    : TParamDialogFrame(QStringLiteral("FormVEXAFreqScale"), QStringLiteral("Frequency scale"), 437, 477, parent)
{
}
