#pragma once

#include "dialogs/ParamDialogFrame.h"

class TFormVEXAFreqScale : public TParamDialogFrame
{
    Q_OBJECT
public:
    explicit TFormVEXAFreqScale(QWidget *parent = nullptr);
};

extern TFormVEXAFreqScale *FormVEXAFreqScale;
