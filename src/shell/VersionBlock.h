#pragma once

// Reading side of the program's version block: finding it in an ELF file
// and querying values in it the way the Windows version functions do.
// Every function here treats its input as untrusted: truncated, garbled or
// hostile bytes give an empty or failed result, never a read out of range.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace VersionBlock {

// The build adds the version block to the program file after linking, as a
// section that is not loaded into memory (see src/shell/version.cmake).
inline constexpr char SectionName[] = ".vexa_version";

// Contents of the first section called `name` in a little-endian ELF32 or
// ELF64 image. Empty when the image is not such a file, has no such
// section, the section has no file contents, or its headers point outside
// the image.
QByteArray ReadElfSection(const QByteArray &elfImage, const char *name);

// Same, reading only the headers and the section from the file at `path`.
QByteArray ReadElfSectionFromFile(const QString &path, const char *name);

// Looks up `subBlock` in a VS_VERSIONINFO block, a path of keys separated by
// backslashes ("StringFileInfo\\040904E4\\FileVersion"); keys compare
// without regard to case and empty path parts are skipped. On success `out`
// receives the text at the value up to its terminator (bounded by the
// node), as the 8-bit query of the platform hands it back; the stored
// value length is not used for text.
bool VerQueryValue(const QByteArray &block, const QString &subBlock, QString *out);

// Same lookup, giving the value's bytes as its stored length says (clipped
// to the node). An empty path or "\\" is the root, whose value is the fixed
// file info; "\\VarFileInfo\\Translation" the language and code page pairs.
bool VerQueryBinary(const QByteArray &block, const QString &subBlock, QByteArray *out);

// Keys of the children of the node at `subBlock`, in stored order. Stops at
// the first child that is not well formed.
QStringList VerChildKeys(const QByteArray &block, const QString &subBlock);

} // namespace VersionBlock
