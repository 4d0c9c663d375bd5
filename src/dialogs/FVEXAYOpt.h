#pragma once

#include "dialogs/ParamDialogFrame.h"

class TFormVEXAYOptions : public TParamDialogFrame
{
    Q_OBJECT
public:
    explicit TFormVEXAYOptions(QWidget *parent = nullptr);
};

extern TFormVEXAYOptions *FormVEXAYOptions;
