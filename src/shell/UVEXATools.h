#pragma once

// Where the program lives and which version it is.

#include <QString>

// FileVersion text of the program's own version block, or
// "<no file version number available>". Set by this unit's start code,
// before main runs; cleared by its end code.
extern QString ProgramVersion;

// Key names of a version block. Only entry 2, "FileVersion", is read.
// Entries 5 and 6 are spelled "LegalTradeMarks" and "OriginalFileName",
// while the block itself has "LegalTrademarks" and "OriginalFilename";
// lookups ignore case, so either spelling would find them.
extern const char *const VersionInfoKeys[10];

// Shown in place of a version when the program file has none to give.
inline constexpr char NoFileVersionText[] = "<no file version number available>";

// Directory of the running program file, with its trailing '/', so that a
// file name can be appended directly. Computed anew on each call.
QString GetProgramPath();

// Sets ProgramVersion from the running program file's version block.
void ReadProgramVersion();

// The version text that ReadProgramVersion would give for the program file
// at `programFile`.
QString ReadVersionText(const QString &programFile);
