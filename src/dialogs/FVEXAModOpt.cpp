#include "dialogs/FVEXAModOpt.h"

TFormVEXAModOptions *FormVEXAModOptions = nullptr;

TFormVEXAModOptions::TFormVEXAModOptions(QWidget *parent)
    : TParamDialogFrame(QStringLiteral("FormVEXAModOptions"), QStringLiteral("Modulation parameters"), 472, 513, parent)
{
}
