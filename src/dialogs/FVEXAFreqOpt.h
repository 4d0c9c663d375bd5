#pragma once

#include "dialogs/ParamDialogFrame.h"
#include "ui_FVEXAFreqOpt.h"

class TFormVEXAFreqOptions : public TParamDialogFrame, public Ui::FormVEXAFreqOptions
{
    Q_OBJECT
public:
    explicit TFormVEXAFreqOptions(QWidget *parent = nullptr);
    ~TFormVEXAFreqOptions() override;

    //! Allows every close.
    void FormCloseQuery(QObject *Sender, bool &CanClose);
};

extern TFormVEXAFreqOptions *FormVEXAFreqOptions;
