#pragma once

#include "dialogs/ParamDialogFrame.h"

class TFormVEXAYScale : public TParamDialogFrame
{
    Q_OBJECT
public:
    explicit TFormVEXAYScale(QWidget *parent = nullptr);
};

extern TFormVEXAYScale *FormVEXAYScale;
