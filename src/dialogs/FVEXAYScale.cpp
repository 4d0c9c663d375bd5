#include "dialogs/FVEXAYScale.h"

TFormVEXAYScale *FormVEXAYScale = nullptr;

TFormVEXAYScale::TFormVEXAYScale(QWidget *parent) : TParamDialogFrame(QPoint(280, 190), parent)
{
    setupUi(this);
    Loaded();
}

TFormVEXAYScale::~TFormVEXAYScale()
{
    // Inside the class the bare name is the form description it derives from.
    if (::FormVEXAYScale == this)
        ::FormVEXAYScale = nullptr;
}
