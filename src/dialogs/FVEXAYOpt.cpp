#include "dialogs/FVEXAYOpt.h"

TFormVEXAYOptions *FormVEXAYOptions = nullptr;

TFormVEXAYOptions::TFormVEXAYOptions(QWidget *parent)
    : TParamDialogFrame(QStringLiteral("FormVEXAYOptions"), QStringLiteral("Level parameters"), 648, 293, parent)
{
}
