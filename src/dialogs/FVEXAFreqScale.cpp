#include "dialogs/FVEXAFreqScale.h"

TFormVEXAFreqScale *FormVEXAFreqScale = nullptr;

TFormVEXAFreqScale::TFormVEXAFreqScale(QWidget *parent) : TParamDialogFrame(QPoint(352, 390), parent)
{
    setupUi(this);
    Loaded();
}

TFormVEXAFreqScale::~TFormVEXAFreqScale()
{
    // Inside the class the bare name is the form description it derives from.
    if (::FormVEXAFreqScale == this)
        ::FormVEXAFreqScale = nullptr;
}
