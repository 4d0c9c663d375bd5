#include "shell/Forms.h"

#include "dialogs/FVEXAFreqOpt.h"
#include "dialogs/FVEXAFreqScale.h"
#include "dialogs/FVEXAModOpt.h"
#include "dialogs/FVEXAYOpt.h"
#include "dialogs/FVEXAYScale.h"
#include "mainwindow/FVEXAMain.h"
#include "shell/Application.h"
#include "shell/FVEXAAbout.h"

void CreateProgramForms(TApplication &application)
{
    application.CreateForm(FormVEXAMain);
    application.CreateForm(FormVEXAFreqOptions);
    application.CreateForm(FormVEXAAbout);
    application.CreateForm(FormVEXAFreqScale);
    application.CreateForm(FormVEXAModOptions);
    application.CreateForm(FormVEXAYOptions);
    application.CreateForm(FormVEXAYScale);
}
