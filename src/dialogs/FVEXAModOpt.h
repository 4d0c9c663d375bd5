#pragma once

#include "dialogs/ParamDialogFrame.h"
#include "ui_FVEXAModOpt.h"

class TFormVEXAModOptions : public TParamDialogFrame, public Ui::FormVEXAModOptions
{
    Q_OBJECT
public:
    explicit TFormVEXAModOptions(QWidget *parent = nullptr);
    ~TFormVEXAModOptions() override;

    // The modulation types: each shows the option groups of its type and hides the others.
    void RadioButton4Click(QObject *Sender);
    void RadioButton5Click(QObject *Sender);
    void RadioButton6Click(QObject *Sender);
    void RadioButton10Click(QObject *Sender);
};

extern TFormVEXAModOptions *FormVEXAModOptions;
