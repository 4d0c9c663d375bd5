// Program entry: the application object, the forms, the message loop.
#include "shell/Application.h"
#include "shell/Forms.h"
#include "shell/StartupWarmUp.h"

int main(int argc, char *argv[])
{
    // The font system starts on a second core while the application object and the windows are built.
    TStartupWarmUp warmUp;
    // Qt takes its own platform options from the command line; the program reads nothing else there.
    TApplication application(argc, argv);
    warmUp.ApplicationReady();
    application.SetTitle(QStringLiteral("VEXA-TOLM"));
    CreateProgramForms(application);
    return application.Run();
}
