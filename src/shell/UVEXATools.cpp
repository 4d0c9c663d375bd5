#include "shell/UVEXATools.h"

#include "shell/VersionBlock.h"

#include <QCoreApplication>
#include <QFile>

QString ProgramVersion;

const char *const VersionInfoKeys[10] = {
    "CompanyName",
    "FileDescription",
    "FileVersion",
    "InternalName",
    "LegalCopyright",
    "LegalTradeMarks",
    "OriginalFileName",
    "ProductName",
    "ProductVersion",
    "Comments",
};

namespace {

// The kernel's link to the running program file. Opening it reaches the
// file even when it was renamed or replaced after start.
const QString SelfExe = QStringLiteral("/proc/self/exe");

} // namespace

QString GetProgramPath()
{
    // Before the application object exists (the start code below runs then)
    // Qt cannot tell the program's path; the kernel always can.
    const QString file = QCoreApplication::instance() ? QCoreApplication::applicationFilePath()
                                                      : QFile::symLinkTarget(SelfExe);
    return file.left(file.lastIndexOf(QLatin1Char('/')) + 1);
}

QString ReadVersionText(const QString &programFile)
{
    const QByteArray block = VersionBlock::ReadElfSectionFromFile(programFile,
                                                                  VersionBlock::SectionName);
    if (block.isEmpty())
        return QString::fromLatin1(NoFileVersionText);

    const QString query = QStringLiteral("StringFileInfo\\040904E4\\")
                          + QLatin1String(VersionInfoKeys[2]);
    QString value;
    if (!VersionBlock::VerQueryValue(block, query, &value))
        return QString::fromLatin1(NoFileVersionText);
    return value;
}

void ReadProgramVersion()
{
    ProgramVersion = ReadVersionText(SelfExe);
}

namespace {

// Start and end code of this unit: the version text is read while the
// program's static objects are constructed, before main and before any
// window, and cleared again when they are destroyed. It must stay below the
// definitions above, which are constructed first.
struct UnitLifetime
{
    UnitLifetime() { ReadProgramVersion(); }
    ~UnitLifetime() { ProgramVersion.clear(); }
    UnitLifetime(const UnitLifetime &) = delete;
    UnitLifetime &operator=(const UnitLifetime &) = delete;
};

const UnitLifetime unitLifetime;

} // namespace
