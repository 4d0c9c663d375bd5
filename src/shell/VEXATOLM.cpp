// Program entry: the application object, the forms, the message loop.
#include "shell/Application.h"
#include "shell/Forms.h"

int main(int argc, char *argv[])
{
    // Qt takes its own platform options from the command line; the program reads nothing else there.
    TApplication application(argc, argv);
    application.SetTitle(QStringLiteral("VEXA-TOLM"));
    CreateProgramForms(application);
    return application.Run();
}
