#pragma once

#include "dialogs/ParamDialogFrame.h"

class TFormVEXAFreqOptions : public TParamDialogFrame
{
    Q_OBJECT
public:
    explicit TFormVEXAFreqOptions(QWidget *parent = nullptr);
};

extern TFormVEXAFreqOptions *FormVEXAFreqOptions;
