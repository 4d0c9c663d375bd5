#pragma once

#include "dialogs/ParamDialogFrame.h"

class TFormVEXAModOptions : public TParamDialogFrame
{
    Q_OBJECT
public:
    explicit TFormVEXAModOptions(QWidget *parent = nullptr);
};

extern TFormVEXAModOptions *FormVEXAModOptions;
