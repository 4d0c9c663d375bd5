// libFuzzer target for the version block reader: the input is taken both as
// an ELF image that may hold the block and as a block by itself.
//
// Build with clang: -fsanitize=fuzzer,address,undefined, linking
// src/shell/VersionBlock.cpp and Qt6::Core. Seeds: fuzz/corpus/versionblock/.

#include "shell/VersionBlock.h"

#include <cstddef>
#include <cstdint>

namespace {

void QueryAll(const QByteArray &block)
{
    static const QString paths[] = {
        QStringLiteral("StringFileInfo\\040904E4\\FileVersion"),
        QStringLiteral("\\StringFileInfo\\040904e4\\ProductVersion"),
        QStringLiteral("\\"),
        QStringLiteral("\\VarFileInfo\\Translation"),
    };
    for (const QString &path : paths) {
        QString text;
        VersionBlock::VerQueryValue(block, path, &text);
        QByteArray bytes;
        VersionBlock::VerQueryBinary(block, path, &bytes);
        if (bytes.size() > block.size())
            __builtin_trap();
    }
    VersionBlock::VerChildKeys(block, QStringLiteral("StringFileInfo\\040904E4"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     qsizetype(size));
    const QByteArray section = VersionBlock::ReadElfSection(input, VersionBlock::SectionName);
    if (section.size() > input.size())
        __builtin_trap();
    QueryAll(section);
    QueryAll(input);
    return 0;
}
