// Build-time tool: writes the program's version block, in the binary layout
// of a Windows version resource, to a file that the build then adds to the
// program file as a section. All values come from the command line
// (src/shell/version.cmake holds the program's).
//
//   mkversionblock --output FILE
//       [--file-version A.B.C.D] [--product-version A.B.C.D]
//       [--flags-mask N] [--flags N] [--os N] [--type N] [--subtype N]
//       [--date N]                       (64-bit file date)
//       [--translation LLLL:CCCC]...     (hex language and code page)
//       [--table KEY [--string NAME=VALUE]...]...
//
// Numbers take C notation (0x3F, 2). Texts are UTF-8.

#include "shell/VersionBlockBuilder.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

using VersionBlock::VersionBlockContents;

[[noreturn]] void Fail(const std::string &message)
{
    throw std::runtime_error(message);
}

std::uint64_t ParseNumber(const std::string &option, const std::string &text, int base,
                          std::uint64_t max)
{
    // strtoull alone would take " 7", "-1" and "+7".
    if (text.empty() || !std::isxdigit(static_cast<unsigned char>(text[0])))
        Fail(option + ": not a number: '" + text + "'");
    errno = 0;
    char *end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, base);
    if (errno != 0 || *end != '\0' || value > max)
        Fail(option + ": not a number in range: '" + text + "'");
    return value;
}

std::uint32_t ParseDword(const std::string &option, const std::string &text)
{
    return static_cast<std::uint32_t>(ParseNumber(option, text, 0, 0xFFFFFFFFu));
}

void ParseQuad(const std::string &option, const std::string &text, std::uint16_t out[4])
{
    if (!VersionBlock::ParseVersionQuad(text, out))
        Fail(option + ": expected a version like 3.0.0.2, got '" + text + "'");
}

VersionBlock::Translation ParseTranslation(const std::string &text)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        Fail("--translation: expected LLLL:CCCC, got '" + text + "'");
    VersionBlock::Translation t;
    t.language = static_cast<std::uint16_t>(
        ParseNumber("--translation", text.substr(0, colon), 16, 0xFFFF));
    t.codePage = static_cast<std::uint16_t>(
        ParseNumber("--translation", text.substr(colon + 1), 16, 0xFFFF));
    return t;
}

struct Options
{
    std::filesystem::path output;
    VersionBlockContents contents;
};

Options ParseArguments(int argc, char **argv)
{
    Options o;
    VersionBlock::FixedFileInfo &f = o.contents.fixed;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            Fail(option + ": missing value");
        const std::string value = argv[++i];
        if (option == "--output") {
            o.output = value;
        } else if (option == "--file-version") {
            ParseQuad(option, value, f.fileVersion);
        } else if (option == "--product-version") {
            ParseQuad(option, value, f.productVersion);
        } else if (option == "--flags-mask") {
            f.fileFlagsMask = ParseDword(option, value);
        } else if (option == "--flags") {
            f.fileFlags = ParseDword(option, value);
        } else if (option == "--os") {
            f.fileOS = ParseDword(option, value);
        } else if (option == "--type") {
            f.fileType = ParseDword(option, value);
        } else if (option == "--subtype") {
            f.fileSubtype = ParseDword(option, value);
        } else if (option == "--date") {
            const std::uint64_t date = ParseNumber(option, value, 0, ~std::uint64_t(0));
            f.fileDateMS = static_cast<std::uint32_t>(date >> 32);
            f.fileDateLS = static_cast<std::uint32_t>(date);
        } else if (option == "--translation") {
            o.contents.translations.push_back(ParseTranslation(value));
        } else if (option == "--table") {
            o.contents.stringTables.push_back({value, {}});
        } else if (option == "--string") {
            if (o.contents.stringTables.empty())
                Fail("--string before any --table");
            const auto eq = value.find('=');
            if (eq == std::string::npos || eq == 0)
                Fail("--string: expected NAME=VALUE, got '" + value + "'");
            o.contents.stringTables.back().strings.emplace_back(value.substr(0, eq),
                                                                value.substr(eq + 1));
        } else {
            Fail("unknown option '" + option + "'");
        }
    }
    if (o.output.empty())
        Fail("--output is required");
    return o;
}

// Writes beside the target and renames, so that an interrupted run never
// leaves a partial block that the build would take as up to date.
void WriteFile(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            Fail("cannot write " + temporary.string());
        }
    }
    std::filesystem::rename(temporary, path);
}

} // namespace

int main(int argc, char **argv)
{
    try {
        const Options options = ParseArguments(argc, argv);
        WriteFile(options.output, VersionBlock::BuildVersionBlock(options.contents));
        return 0;
    } catch (const std::exception &e) {
        std::cerr << "mkversionblock: " << e.what() << '\n';
        return 1;
    }
}
