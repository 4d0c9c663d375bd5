#include "dialogs/FVEXAYOpt.h"

TFormVEXAYOptions *FormVEXAYOptions = nullptr;

TFormVEXAYOptions::TFormVEXAYOptions(QWidget *parent) : TParamDialogFrame(QPoint(436, 250), parent)
{
    setupUi(this);
    Loaded();
}

TFormVEXAYOptions::~TFormVEXAYOptions()
{
    // Inside the class the bare name is the form description it derives from.
    if (::FormVEXAYOptions == this)
        ::FormVEXAYOptions = nullptr;
}
