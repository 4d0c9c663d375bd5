#pragma once

#include "dialogs/ParamDialogFrame.h"
#include "ui_FVEXAFreqScale.h"

class TFormVEXAFreqScale : public TParamDialogFrame, public Ui::FormVEXAFreqScale
{
    Q_OBJECT
public:
    explicit TFormVEXAFreqScale(QWidget *parent = nullptr);
    ~TFormVEXAFreqScale() override;
};

extern TFormVEXAFreqScale *FormVEXAFreqScale;
