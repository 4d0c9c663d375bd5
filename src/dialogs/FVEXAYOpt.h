#pragma once

#include "dialogs/ParamDialogFrame.h"
#include "ui_FVEXAYOpt.h"

class TFormVEXAYOptions : public TParamDialogFrame, public Ui::FormVEXAYOptions
{
    Q_OBJECT
public:
    explicit TFormVEXAYOptions(QWidget *parent = nullptr);
    ~TFormVEXAYOptions() override;
};

extern TFormVEXAYOptions *FormVEXAYOptions;
