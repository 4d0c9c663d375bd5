#include "dialogs/FVEXAFreqOpt.h"

TFormVEXAFreqOptions *FormVEXAFreqOptions = nullptr;

TFormVEXAFreqOptions::TFormVEXAFreqOptions(QWidget *parent)
    : TParamDialogFrame(QStringLiteral("FormVEXAFreqOptions"), QStringLiteral("Frequency parameters"), 650, 468, parent)
{
}
