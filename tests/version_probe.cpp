// Helper for tst_version: started from a directory of the test's choosing,
// it reports what the program location and version code saw there.

#include "shell/UVEXATools.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // Read before the application object exists, as the start code did.
    const QByteArray version = ProgramVersion.toUtf8();
    const QByteArray pathBefore = GetProgramPath().toUtf8();

    QCoreApplication app(argc, argv);
    const QByteArray pathWith = GetProgramPath().toUtf8();

    std::printf("version at start: %s\n", version.constData());
    std::printf("path before application: %s\n", pathBefore.constData());
    std::printf("path with application: %s\n", pathWith.constData());
    return 0;
}
