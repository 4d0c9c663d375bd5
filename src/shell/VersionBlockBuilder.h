#pragma once

// Writes a version block in the binary layout of a Windows version
// resource (VS_VERSIONINFO with VS_FIXEDFILEINFO, StringFileInfo and
// VarFileInfo). Plain C++ without Qt, so that the build-time tool
// mkversionblock can use it as well as the tests.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace VersionBlock {

struct FixedFileInfo
{
    // Four parts each, most significant first: 3.0.0.2 is {3, 0, 0, 2}.
    std::uint16_t fileVersion[4] = {0, 0, 0, 0};
    std::uint16_t productVersion[4] = {0, 0, 0, 0};
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOS = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::uint32_t fileDateMS = 0;
    std::uint32_t fileDateLS = 0;
};

struct StringTable
{
    std::string key; // language and code page in hex, e.g. "040904E4"
    std::vector<std::pair<std::string, std::string>> strings; // UTF-8 key, UTF-8 value, in order
};

struct Translation
{
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
};

struct VersionBlockContents
{
    FixedFileInfo fixed;
    std::vector<StringTable> stringTables;  // written as StringFileInfo when not empty
    std::vector<Translation> translations;  // written as VarFileInfo\Translation when not empty
};

// Size of VS_FIXEDFILEINFO: thirteen 32-bit words.
inline constexpr std::size_t FixedFileInfoSize = 52;
inline constexpr std::uint32_t FixedFileInfoSignature = 0xFEEF04BD;

// Serialises the contents. Texts are given as UTF-8 and stored as
// zero-terminated UTF-16LE. Throws std::invalid_argument for malformed
// UTF-8 and std::length_error when a node outgrows its 16-bit length.
std::vector<std::uint8_t> BuildVersionBlock(const VersionBlockContents &contents);

// Parses "3.0.0.2" into four 16-bit parts; missing trailing parts are 0.
// Returns false for anything else (empty parts, more than four, overflow).
bool ParseVersionQuad(const std::string &text, std::uint16_t out[4]);

} // namespace VersionBlock
