#pragma once

#include "dialogs/ParamDialogFrame.h"
#include "ui_FVEXAYScale.h"

class TFormVEXAYScale : public TParamDialogFrame, public Ui::FormVEXAYScale
{
    Q_OBJECT
public:
    explicit TFormVEXAYScale(QWidget *parent = nullptr);
    ~TFormVEXAYScale() override;
};

extern TFormVEXAYScale *FormVEXAYScale;
