// Program location and version text: the block the build puts into the
// program file, reading it back, and every way the reading falls back.

#include "shell/UVEXATools.h"
#include "shell/VersionBlock.h"
#include "shell/VersionBlockBuilder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace VersionBlock;

namespace {

const QString Fallback = QStringLiteral("<no file version number available>");
const QString FileVersionQuery = QStringLiteral("StringFileInfo\\040904E4\\FileVersion");

QByteArray ToBytes(const std::vector<std::uint8_t> &v)
{
    return QByteArray(reinterpret_cast<const char *>(v.data()), qsizetype(v.size()));
}

// What this release's block says, as far as the tests depend on it.
VersionBlockContents ReleaseContents()
{
    VersionBlockContents c;
    c.fixed.fileVersion[0] = 3;
    c.fixed.fileVersion[3] = 2;
    c.fixed.productVersion[0] = 3;
    c.fixed.productVersion[3] = 2;
    c.fixed.fileFlagsMask = 0x3F;
    c.fixed.fileFlags = 0x2;
    c.fixed.fileOS = 0x4;
    c.fixed.fileType = 0x1;
    c.translations = {{0x0409, 0x04E4}};
    c.stringTables = {{"040904E4",
                       {{"CompanyName", "VEXA Lab Systems"},
                        {"FileDescription", "RF immunity and emission test program"},
                        {"FileVersion", "3.0.0.2"},
                        {"InternalName", "VEXA-TOLM"},
                        {"LegalCopyright", "Copyright \u00A9 VEXA Lab Systems"},
                        {"LegalTrademarks", "VEXA-TOLM is a trademark of VEXA Lab Systems"},
                        {"OriginalFilename", "VEXA-TOLM"},
                        {"ProductName", "VEXA-TOLM"},
                        {"ProductVersion", "3.0.0.1"},
                        {"Comments", "Demo pre-release"}}}};
    return c;
}

QByteArray ReleaseBlock()
{
    return ToBytes(BuildVersionBlock(ReleaseContents()));
}

VersionBlockContents WithTables(std::vector<StringTable> tables)
{
    VersionBlockContents c = ReleaseContents();
    c.stringTables = std::move(tables);
    return c;
}

// --- A minimal ELF file: header, section contents, names, section table ---

struct ElfSection
{
    QByteArray name;
    quint32 type = 1; // SHT_PROGBITS
    QByteArray data;
};

template <typename T>
void Put(QByteArray &image, qsizetype at, T value)
{
    if (image.size() < at + qsizetype(sizeof(T)))
        image.resize(at + qsizetype(sizeof(T)), '\0');
    qToLittleEndian(value, image.data() + at);
}

struct ElfLayout
{
    bool is64 = true;
    qsizetype headerSize() const { return is64 ? 64 : 52; }
    qsizetype entrySize() const { return is64 ? 64 : 40; }
    // Header field offsets.
    qsizetype shoff() const { return is64 ? 0x28 : 0x20; }
    qsizetype shentsize() const { return is64 ? 0x3A : 0x2E; }
    qsizetype shnum() const { return is64 ? 0x3C : 0x30; }
    qsizetype shstrndx() const { return is64 ? 0x3E : 0x32; }
    // Section header field offsets.
    qsizetype shName() const { return 0; }
    qsizetype shType() const { return 4; }
    qsizetype shOffset() const { return is64 ? 24 : 16; }
    qsizetype shSize() const { return is64 ? 32 : 20; }
    qsizetype shLink() const { return is64 ? 40 : 24; }
};

void PutWord(QByteArray &image, const ElfLayout &l, qsizetype at, quint64 value)
{
    if (l.is64)
        Put<quint64>(image, at, value);
    else
        Put<quint32>(image, at, quint32(value));
}

// Sections get indices 1..n; the section name table comes last.
QByteArray MakeElf(const QList<ElfSection> &sections, bool is64 = true)
{
    const ElfLayout l{is64};
    QByteArray image(l.headerSize(), '\0');
    image.replace(0, 4, "\x7F" "ELF");
    image[4] = is64 ? 2 : 1;
    image[5] = 1; // little-endian
    image[6] = 1; // ELF version
    Put<quint16>(image, 16, 2);                   // e_type: executable
    Put<quint16>(image, 18, is64 ? 62 : 3);       // e_machine
    Put<quint32>(image, 20, 1);                   // e_version
    Put<quint16>(image, is64 ? 0x34 : 0x28, quint16(l.headerSize()));

    QByteArray names(1, '\0');
    QList<quint64> nameAt, dataAt;
    for (const ElfSection &s : sections) {
        nameAt.append(quint64(names.size()));
        names += s.name + '\0';
        dataAt.append(quint64(image.size()));
        if (s.type != 8) // SHT_NOBITS has no bytes in the file
            image += s.data;
    }
    const quint64 namesName = quint64(names.size());
    names += ".shstrtab";
    names += '\0';
    const quint64 namesAt = quint64(image.size());
    image += names;
    while (image.size() % 8)
        image += '\0';

    const quint64 table = quint64(image.size());
    const auto entry = [&](qsizetype index, quint32 name, quint32 type, quint64 offset,
                           quint64 size) {
        const qsizetype e = qsizetype(table) + index * l.entrySize();
        image.resize(qMax(image.size(), e + l.entrySize()), '\0');
        Put<quint32>(image, e + l.shName(), name);
        Put<quint32>(image, e + l.shType(), type);
        PutWord(image, l, e + l.shOffset(), offset);
        PutWord(image, l, e + l.shSize(), size);
    };
    entry(0, 0, 0, 0, 0);
    for (qsizetype i = 0; i < sections.size(); ++i)
        entry(i + 1, quint32(nameAt[i]), sections[i].type, dataAt[i],
              quint64(sections[i].data.size()));
    const qsizetype count = sections.size() + 2;
    entry(count - 1, quint32(namesName), 3, namesAt, quint64(names.size()));

    PutWord(image, l, l.shoff(), table);
    Put<quint16>(image, l.shentsize(), quint16(l.entrySize()));
    Put<quint16>(image, l.shnum(), quint16(count));
    Put<quint16>(image, l.shstrndx(), quint16(count - 1));
    return image;
}

qsizetype EntryAt(const QByteArray &image, const ElfLayout &l, qsizetype index)
{
    const quint64 table = l.is64 ? qFromLittleEndian<quint64>(image.constData() + l.shoff())
                                 : qFromLittleEndian<quint32>(image.constData() + l.shoff());
    return qsizetype(table) + index * l.entrySize();
}

QByteArray VersionElf(const QByteArray &block, bool is64 = true)
{
    return MakeElf({{".text", 1, QByteArray(32, '\x90')},
                    {SectionName, 1, block},
                    {".comment", 1, "built for tests"}},
                   is64);
}

// --- Version block surgery ---

quint16 WordAt(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

// Offset of the first node whose key is `key` (as UTF-16LE plus terminator).
qsizetype NodeOffset(const QByteArray &block, const QString &key)
{
    QByteArray pattern(reinterpret_cast<const char *>(key.utf16()), key.size() * 2);
    pattern.append(2, '\0');
    const qsizetype keyAt = block.indexOf(pattern);
    return keyAt < 0 ? -1 : keyAt - 6;
}

bool RunProcess(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return false;
    if (output)
        *output = p.readAllStandardOutput();
    return true;
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestVersion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void versionInfoKeys_data();
    void versionInfoKeys();

    void releaseProgramReadsItsVersion();
    void releaseProgramBlock_data();
    void releaseProgramBlock();
    void releaseProgramFixedPart();
    void programFileCopies_data();
    void programFileCopies();
    void startCodeRanBeforeMain();

    void versionText_data();
    void versionText();

    void queryValue_data();
    void queryValue();
    void everyTruncationFallsBack();
    void everyByteMutationIsSafe();

    void elfSection_data();
    void elfSection();
    void everyElfTruncationIsSafe();

    void programPathBeforeAndAfterApplication_data();
    void programPathBeforeAndAfterApplication();
    void programPathOfThisProcess();

private:
    QTemporaryDir m_dir;
};

void TestVersion::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(QFileInfo::exists(QStringLiteral(VEXA_PROGRAM_FILE)), VEXA_PROGRAM_FILE);
    QVERIFY2(QFileInfo::exists(QStringLiteral(VEXA_VERSION_BLOB)), VEXA_VERSION_BLOB);
    QVERIFY2(QFileInfo::exists(QStringLiteral(VEXA_PROBE_FILE)), VEXA_PROBE_FILE);
}

// --- The key table ---

void TestVersion::versionInfoKeys_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("key");
    const char *const expected[] = {"CompanyName",     "FileDescription", "FileVersion",
                                    "InternalName",    "LegalCopyright",  "LegalTradeMarks",
                                    "OriginalFileName", "ProductName",    "ProductVersion",
                                    "Comments"};
    for (int i = 0; i < 10; ++i)
        QTest::addRow("%d %s", i, expected[i]) << i << QString::fromLatin1(expected[i]);
}

void TestVersion::versionInfoKeys()
{
    QFETCH(int, index);
    QFETCH(QString, key);
    QCOMPARE(QString::fromLatin1(VersionInfoKeys[index]), key);
}

// --- The program file as built ---

void TestVersion::releaseProgramReadsItsVersion()
{
    QCOMPARE(ReadVersionText(QStringLiteral(VEXA_PROGRAM_FILE)), QStringLiteral("3.0.0.2"));
}

void TestVersion::releaseProgramBlock_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value"); // empty: any non-empty text

    QTest::newRow("CompanyName") << "CompanyName" << QString();
    QTest::newRow("FileDescription") << "FileDescription"
                                     << "RF immunity and emission test program";
    QTest::newRow("FileVersion") << "FileVersion" << "3.0.0.2";
    QTest::newRow("InternalName") << "InternalName" << "VEXA-TOLM";
    QTest::newRow("LegalCopyright") << "LegalCopyright" << QString();
    QTest::newRow("LegalTrademarks") << "LegalTrademarks" << QString();
    QTest::newRow("OriginalFilename") << "OriginalFilename" << "VEXA-TOLM";
    QTest::newRow("ProductName") << "ProductName" << "VEXA-TOLM";
    QTest::newRow("ProductVersion is one below") << "ProductVersion" << "3.0.0.1";
    QTest::newRow("Comments") << "Comments" << "Demo pre-release";
}

void TestVersion::releaseProgramBlock()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QByteArray block = ReadElfSectionFromFile(QStringLiteral(VEXA_PROGRAM_FILE), SectionName);
    QVERIFY(!block.isEmpty());

    QCOMPARE(VerChildKeys(block, QStringLiteral("StringFileInfo")),
             QStringList{QStringLiteral("040904E4")});
    const QStringList keys = VerChildKeys(block, QStringLiteral("StringFileInfo\\040904E4"));
    QCOMPARE(keys,
             (QStringList{"CompanyName", "FileDescription", "FileVersion", "InternalName",
                          "LegalCopyright", "LegalTrademarks", "OriginalFilename", "ProductName",
                          "ProductVersion", "Comments"}));

    QString actual;
    QVERIFY(VerQueryValue(block, QStringLiteral("StringFileInfo\\040904E4\\") + key, &actual));
    if (value.isEmpty()) {
        QVERIFY(!actual.trimmed().isEmpty());
        QVERIFY2(actual.contains(QLatin1String("VEXA Lab Systems")), qPrintable(actual));
    } else {
        QCOMPARE(actual, value);
    }
}

void TestVersion::releaseProgramFixedPart()
{
    const QByteArray block = ReadElfSectionFromFile(QStringLiteral(VEXA_PROGRAM_FILE), SectionName);
    QCOMPARE(VerChildKeys(block, QString()),
             (QStringList{QStringLiteral("StringFileInfo"), QStringLiteral("VarFileInfo")}));

    QByteArray fixed;
    QVERIFY(VerQueryBinary(block, QStringLiteral("\\"), &fixed));
    QCOMPARE(fixed.size(), qsizetype(FixedFileInfoSize));
    const auto dword = [&](int i) { return qFromLittleEndian<quint32>(fixed.constData() + 4 * i); };
    QCOMPARE(dword(0), 0xFEEF04BDu);            // signature
    QCOMPARE(dword(1), 0x00010000u);            // structure version
    QCOMPARE(dword(2), (3u << 16) | 0u);        // file version 3.0
    QCOMPARE(dword(3), (0u << 16) | 2u);        //              .0.2
    QCOMPARE(dword(4), (3u << 16) | 0u);        // product version 3.0
    QCOMPARE(dword(5), (0u << 16) | 2u);        //                 .0.2
    QCOMPARE(dword(6), 0x3Fu);                  // flags mask
    QCOMPARE(dword(7), 0x2u);                   // pre-release
    QCOMPARE(dword(8), 0x4u);                   // 32-bit Windows
    QCOMPARE(dword(9), 0x1u);                   // application
    QCOMPARE(dword(10), 0u);                    // subtype
    QCOMPARE(dword(11), 0u);                    // date
    QCOMPARE(dword(12), 0u);

    QByteArray translation;
    QVERIFY(VerQueryBinary(block, QStringLiteral("\\VarFileInfo\\Translation"), &translation));
    QCOMPARE(translation, QByteArray::fromHex("0904e404"));

    // The root's key and the block's size agree with the format.
    QCOMPARE(WordAt(block, 0), quint16(block.size()));
    QCOMPARE(NodeOffset(block, QStringLiteral("VS_VERSION_INFO")), qsizetype(0));
}

void TestVersion::programFileCopies_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("expected");

    QTest::newRow("stripped") << QStringLiteral(VEXA_STRIP) << QStringList{"--strip-all"}
                              << "3.0.0.2";
    QTest::newRow("block removed")
        << QStringLiteral(VEXA_OBJCOPY)
        << QStringList{"--remove-section", QLatin1String(SectionName)} << Fallback;
}

// The tool works on a copy of the program file in place.
void TestVersion::programFileCopies()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, options);
    QFETCH(QString, expected);

    const QString copy = m_dir.filePath(QStringLiteral("copy-%1").arg(QTest::currentDataTag()));
    QVERIFY(QFile::copy(QStringLiteral(VEXA_PROGRAM_FILE), copy));
    QVERIFY(RunProcess(tool, options << copy));
    QCOMPARE(ReadVersionText(copy), expected);
}

void TestVersion::startCodeRanBeforeMain()
{
    // This test program carries no version block, and its ProgramVersion was
    // set before main from its own file.
    QCOMPARE(ProgramVersion, Fallback);
}

// --- Blocks of other shapes, inside an ELF file ---

void TestVersion::versionText_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");

    const auto tableWith = [](const std::string &key, const std::string &fileVersion) {
        return StringTable{key, {{"CompanyName", "VEXA Lab Systems"}, {"FileVersion", fileVersion}}};
    };

    QTest::newRow("release block") << VersionElf(ReleaseBlock()) << "3.0.0.2";
    QTest::newRow("release block, 32-bit file") << VersionElf(ReleaseBlock(), false) << "3.0.0.2";
    QTest::newRow("US English table after another")
        << VersionElf(ToBytes(BuildVersionBlock(
               WithTables({tableWith("040704E4", "9.9"), tableWith("040904E4", "3.0.0.2")}))))
        << "3.0.0.2";
    QTest::newRow("only a German table, with FileVersion")
        << VersionElf(ToBytes(BuildVersionBlock(WithTables({tableWith("040704E4", "3.0.0.2")}))))
        << Fallback;
    QTest::newRow("only a Unicode code page table, with FileVersion")
        << VersionElf(ToBytes(BuildVersionBlock(WithTables({tableWith("040904B0", "3.0.0.2")}))))
        << Fallback;
    QTest::newRow("table key in lower case, as the platform matches")
        << VersionElf(ToBytes(BuildVersionBlock(WithTables({tableWith("040904e4", "3.0.0.2")}))))
        << "3.0.0.2";
    QTest::newRow("no FileVersion key")
        << VersionElf(ToBytes(BuildVersionBlock(
               WithTables({{"040904E4", {{"CompanyName", "x"}, {"ProductVersion", "3.0.0.1"}}}}))))
        << Fallback;
    QTest::newRow("empty string table")
        << VersionElf(ToBytes(BuildVersionBlock(WithTables({{"040904E4", {}}})))) << Fallback;
    QTest::newRow("no string tables at all")
        << VersionElf(ToBytes(BuildVersionBlock(WithTables({})))) << Fallback;
    QTest::newRow("empty FileVersion")
        << VersionElf(ToBytes(BuildVersionBlock(WithTables({tableWith("040904E4", "")}))))
        << QString();
    QTest::newRow("FileVersion with other text")
        << VersionElf(ToBytes(BuildVersionBlock(WithTables({tableWith("040904E4", "3.1 \u03B2")}))))
        << QString::fromUtf8("3.1 \u03B2");
    QTest::newRow("empty section") << VersionElf(QByteArray()) << Fallback;
    QTest::newRow("garbage section") << VersionElf(QByteArray(200, '\xA5')) << Fallback;
    QTest::newRow("section of zeros") << VersionElf(QByteArray(200, '\0')) << Fallback;
    QTest::newRow("no section")
        << MakeElf({{".text", 1, QByteArray(16, '\x90')}, {".vexa_versio", 1, ReleaseBlock()}})
        << Fallback;
    QTest::newRow("section without file contents")
        << MakeElf({{SectionName, 8, ReleaseBlock()}}) << Fallback;
    QTest::newRow("not an ELF file") << ReleaseBlock() << Fallback;
    QTest::newRow("empty file") << QByteArray() << Fallback;
}

void TestVersion::versionText()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    const QString path = m_dir.filePath(QStringLiteral("program-%1").arg(QTest::currentDataTag()));
    QVERIFY(WriteFile(path, file));
    const QString actual = ReadVersionText(path);
    QCOMPARE(actual, expected);
}

// --- Queries on damaged blocks ---

void TestVersion::queryValue_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("value");

    const QByteArray release = ReleaseBlock();
    const qsizetype fileVersion = NodeOffset(release, QStringLiteral("FileVersion"));
    const qsizetype table = NodeOffset(release, QStringLiteral("040904E4"));
    const qsizetype company = NodeOffset(release, QStringLiteral("CompanyName"));
    const qsizetype stringFileInfo = NodeOffset(release, QStringLiteral("StringFileInfo"));
    Q_ASSERT(fileVersion > 0 && table > 0 && company > 0 && stringFileInfo > 0);

    const auto patched = [&](qsizetype at, quint16 word) {
        QByteArray b = release;
        qToLittleEndian(word, b.data() + at);
        return b;
    };

    QTest::newRow("release") << release << FileVersionQuery << true << "3.0.0.2";
    QTest::newRow("leading and doubled separators")
        << release << "\\StringFileInfo\\\\040904E4\\FileVersion\\" << true << "3.0.0.2";
    QTest::newRow("keys ignore case")
        << release << "stringfileinfo\\040904e4\\FILEVERSION" << true << "3.0.0.2";
    QTest::newRow("key is a prefix only")
        << release << "StringFileInfo\\040904E4\\FileVer" << false << QString();
    QTest::newRow("too deep")
        << release << FileVersionQuery + "\\More" << false << QString();
    QTest::newRow("empty block") << QByteArray() << FileVersionQuery << false << QString();
    QTest::newRow("five bytes") << release.left(5) << FileVersionQuery << false << QString();
    QTest::newRow("root length zero") << patched(0, 0) << FileVersionQuery << false << QString();
    QTest::newRow("root length five") << patched(0, 5) << FileVersionQuery << false << QString();
    QTest::newRow("root longer than the buffer")
        << patched(0, quint16(release.size() + 4)) << FileVersionQuery << false << QString();
    QTest::newRow("root length at its maximum")
        << patched(0, 0xFFFF) << FileVersionQuery << false << QString();
    QTest::newRow("root length odd, cutting into the last node only")
        << patched(0, quint16(release.size() - 1)) << FileVersionQuery << true << "3.0.0.2";
    QTest::newRow("root ending inside the strings")
        << patched(0, quint16(fileVersion + 41)) << FileVersionQuery << false << QString();
    QTest::newRow("first string's length zero stops the walk")
        << patched(company, 0) << FileVersionQuery << false << QString();
    QTest::newRow("first string too short for its key")
        << patched(company, 6) << FileVersionQuery << false << QString();
    QTest::newRow("table longer than its parent")
        << patched(table, 0xFFF0) << FileVersionQuery << false << QString();
    QTest::newRow("StringFileInfo value length huge")
        << patched(stringFileInfo + 2, 0xFFFF) << FileVersionQuery << false << QString();
    QTest::newRow("FileVersion value length ignored for text")
        << patched(fileVersion + 2, 0) << FileVersionQuery << true << "3.0.0.2";
    QTest::newRow("FileVersion value length beyond its node")
        << patched(fileVersion + 2, 0xFFFF) << FileVersionQuery << true << "3.0.0.2";

    {
        // The value runs to the end of its node without a terminator.
        QByteArray b = release;
        const quint16 length = WordAt(b, fileVersion);
        qToLittleEndian(quint16(0x0041), b.data() + fileVersion + length - 2);
        QTest::newRow("FileVersion without terminator") << b << FileVersionQuery << true << "3.0.0.2A";
    }
    {
        // A node whose key runs to its end without a terminator.
        QByteArray b = release;
        qToLittleEndian(quint16(6 + 2 * 11), b.data() + fileVersion);
        QTest::newRow("key without terminator") << b << FileVersionQuery << false << QString();
    }
    {
        // A node cut so that its header has no room for even the key's end.
        QByteArray b(8, '\0');
        qToLittleEndian(quint16(8), b.data());
        qToLittleEndian(quint16(0x0041), b.data() + 6);
        QTest::newRow("root key without terminator") << b << QString() << false << QString();
    }
    {
        // A thousand smallest nodes with empty keys: the walk visits each once.
        QByteArray b = QByteArray::fromHex("0000000001000000");
        for (int i = 0; i < 1000; ++i)
            b += QByteArray::fromHex("0800000001000000");
        qToLittleEndian(quint16(b.size()), b.data());
        QTest::newRow("a thousand empty children") << b << "x" << false << QString();
    }
    {
        // The smallest well-formed node: header and terminator of an empty key.
        QByteArray b = QByteArray::fromHex("0800000001000000");
        QTest::newRow("bare root, empty path") << b << QString() << true << QString();
        QTest::newRow("bare root, any key") << b << "StringFileInfo" << false << QString();
    }
}

void TestVersion::queryValue()
{
    QFETCH(QByteArray, block);
    QFETCH(QString, path);
    QFETCH(bool, found);
    QFETCH(QString, value);
    QString actual = QStringLiteral("untouched");
    QCOMPARE(VerQueryValue(block, path, &actual), found);
    if (found)
        QCOMPARE(actual, value);
    else
        QCOMPARE(actual, QStringLiteral("untouched"));
}

void TestVersion::everyTruncationFallsBack()
{
    // The root's length covers the whole block, so no proper prefix holds it.
    const QByteArray release = ReleaseBlock();
    for (qsizetype n = 0; n < release.size(); ++n) {
        QString value;
        QVERIFY2(!VerQueryValue(release.left(n), FileVersionQuery, &value), qPrintable(QString::number(n)));
        QVERIFY(VerChildKeys(release.left(n), QString()).isEmpty());
    }
}

void TestVersion::everyByteMutationIsSafe()
{
    // Whatever one damaged byte does, a query ends, and a value it finds
    // lies inside the block.
    const QByteArray release = ReleaseBlock();
    int found = 0;
    for (qsizetype at = 0; at < release.size(); ++at) {
        for (const char replacement : {'\x00', '\x01', '\x02', '\x03', '\x7F', '\xFE', '\xFF'}) {
            QByteArray b = release;
            b[at] = replacement;
            QString value;
            if (VerQueryValue(b, FileVersionQuery, &value)) {
                ++found;
                QVERIFY(value.size() * 2 < b.size());
            }
            QByteArray bytes;
            if (VerQueryBinary(b, QStringLiteral("\\VarFileInfo\\Translation"), &bytes))
                QVERIFY(bytes.size() < b.size());
            QVERIFY(VerChildKeys(b, QStringLiteral("StringFileInfo\\040904E4")).size() <= 10);
        }
    }
    QVERIFY(found > 0);
}

// --- Finding the section in damaged ELF files ---

void TestVersion::elfSection_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray payload("version block stand-in");
    const QByteArray good64 = VersionElf(payload, true);
    const QByteArray good32 = VersionElf(payload, false);
    const ElfLayout l64{true};
    const ElfLayout l32{false};
    const qsizetype ourEntry64 = EntryAt(good64, l64, 2);
    const qsizetype namesEntry64 = EntryAt(good64, l64, 4);

    const auto patch = [](QByteArray image, qsizetype at, auto value) {
        Put(image, at, value);
        return image;
    };

    QTest::newRow("ELF64") << good64 << payload;
    QTest::newRow("ELF32") << good32 << payload;
    QTest::newRow("first of two sections of that name")
        << MakeElf({{SectionName, 1, "first"}, {SectionName, 1, "second"}}) << QByteArray("first");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("magic only") << QByteArray("\x7F" "ELF") << QByteArray();
    QTest::newRow("identification only") << good64.left(16) << QByteArray();
    QTest::newRow("bad magic") << patch(good64, 1, quint8('e')) << QByteArray();
    QTest::newRow("big-endian") << patch(good64, 5, quint8(2)) << QByteArray();
    QTest::newRow("unknown class") << patch(good64, 4, quint8(3)) << QByteArray();
    QTest::newRow("32-bit header read as 64-bit") << patch(good32, 4, quint8(2)) << QByteArray();
    QTest::newRow("no section table") << patch(good64, l64.shoff(), quint64(0)) << QByteArray();
    QTest::newRow("section table beyond the end")
        << patch(good64, l64.shoff(), quint64(good64.size() + 1)) << QByteArray();
    QTest::newRow("section table offset at the top")
        << patch(good64, l64.shoff(), ~quint64(0)) << QByteArray();
    QTest::newRow("section table offset at the top, 32-bit")
        << patch(good32, l32.shoff(), ~quint32(0)) << QByteArray();
    QTest::newRow("entry size too small")
        << patch(good64, l64.shentsize(), quint16(63)) << QByteArray();
    QTest::newRow("entry size doubled")
        << patch(good64, l64.shentsize(), quint16(128)) << QByteArray();
    QTest::newRow("section count far too big, still found")
        << patch(good64, l64.shnum(), quint16(0xFFFE)) << payload;
    QTest::newRow("name table index out of range")
        << patch(good64, l64.shstrndx(), quint16(4000)) << QByteArray();
    QTest::newRow("name table beyond the end")
        << patch(good64, namesEntry64 + l64.shOffset(), quint64(good64.size())) << QByteArray();
    QTest::newRow("name table size at the top")
        << patch(good64, namesEntry64 + l64.shSize(), ~quint64(0)) << QByteArray();
    QTest::newRow("name table has no bytes")
        << patch(good64, namesEntry64 + l64.shType(), quint32(8)) << QByteArray();
    QTest::newRow("name offset beyond the name table")
        << patch(good64, ourEntry64 + l64.shName(), quint32(0xFFFFFFF0)) << QByteArray();
    QTest::newRow("section offset beyond the end")
        << patch(good64, ourEntry64 + l64.shOffset(), quint64(good64.size())) << QByteArray();
    QTest::newRow("section offset plus size wraps around")
        << patch(patch(good64, ourEntry64 + l64.shOffset(), ~quint64(0) - 3),
                 ourEntry64 + l64.shSize(), quint64(8))
        << QByteArray();
    QTest::newRow("section size at the top")
        << patch(good64, ourEntry64 + l64.shSize(), ~quint64(0)) << QByteArray();
    QTest::newRow("section runs past the end")
        << patch(good64, ourEntry64 + l64.shSize(), quint64(good64.size())) << QByteArray();
    QTest::newRow("section with no bytes in the file")
        << patch(good64, ourEntry64 + l64.shType(), quint32(8)) << QByteArray();
    {
        // The name table ends in the middle of our name.
        QByteArray image = MakeElf({{SectionName, 1, payload}});
        const qsizetype names = EntryAt(image, l64, 2);
        image = patch(image, names + l64.shSize(), quint64(5));
        QTest::newRow("name cut off by the table's end") << image << QByteArray();
    }
    {
        // Extended numbering: count and name table index live in entry 0.
        QByteArray image = good64;
        const qsizetype first = EntryAt(image, l64, 0);
        Put<quint16>(image, l64.shnum(), 0);
        Put<quint64>(image, first + l64.shSize(), 5);
        Put<quint16>(image, l64.shstrndx(), 0xFFFF);
        Put<quint32>(image, first + l64.shLink(), 4);
        QTest::newRow("extended numbering") << image << payload;
        Put<quint32>(image, first + l64.shLink(), 0xFFFFFFFF);
        QTest::newRow("extended numbering, index out of range") << image << QByteArray();
    }
}

void TestVersion::elfSection()
{
    QFETCH(QByteArray, image);
    QFETCH(QByteArray, expected);
    QCOMPARE(ReadElfSection(image, SectionName), expected);

    const QString path = m_dir.filePath(QStringLiteral("elf-%1").arg(QTest::currentDataTag()));
    QVERIFY(WriteFile(path, image));
    QCOMPARE(ReadElfSectionFromFile(path, SectionName), expected);
}

void TestVersion::everyElfTruncationIsSafe()
{
    for (const bool is64 : {true, false}) {
        const QByteArray image = VersionElf(ReleaseBlock(), is64);
        for (qsizetype n = 0; n <= image.size(); ++n) {
            const QByteArray section = ReadElfSection(image.left(n), SectionName);
            QVERIFY(section.isEmpty() || section == ReleaseBlock());
        }
        QCOMPARE(ReadElfSection(image, SectionName), ReleaseBlock());
    }
}

// --- Program location ---

void TestVersion::programPathBeforeAndAfterApplication_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<bool>("withBlock");
    QTest::addColumn<QString>("version");

    QTest::newRow("blanks, with block") << "Lab programs/VEXA TOLM 3" << true << "3.0.0.2";
    QTest::newRow("blanks, without block") << "Lab programs/VEXA TOLM 3" << false << Fallback;
    QTest::newRow("leading and trailing blanks") << "  edge  " << true << "3.0.0.2";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Prüfplatz ä") << true << "3.0.0.2";
}

// The probe prints GetProgramPath before and after the application object
// exists, and the ProgramVersion that its start code set before main.
void TestVersion::programPathBeforeAndAfterApplication()
{
    QFETCH(QString, directory);
    QFETCH(bool, withBlock);
    QFETCH(QString, version);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString dir = QDir(root.path()).filePath(directory);
    QVERIFY(QDir().mkpath(dir));
    const QString program = QDir(dir).filePath(QStringLiteral("probe"));
    if (withBlock) {
        QVERIFY(RunProcess(QStringLiteral(VEXA_OBJCOPY),
                           {QStringLiteral("--add-section"),
                            QLatin1String(SectionName) + '=' + QStringLiteral(VEXA_VERSION_BLOB),
                            QStringLiteral("--set-section-flags"),
                            QLatin1String(SectionName) + QStringLiteral("=noload,readonly"),
                            QStringLiteral(VEXA_PROBE_FILE), program}));
    } else {
        QVERIFY(QFile::copy(QStringLiteral(VEXA_PROBE_FILE), program));
    }
    QVERIFY(QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner));

    QByteArray output;
    QVERIFY(RunProcess(program, {}, &output));
    const QStringList lines = QString::fromUtf8(output).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4);
    const QString expectedPath = QFileInfo(dir).canonicalFilePath() + QLatin1Char('/');
    QCOMPARE(lines[0], QStringLiteral("version at start: ") + version);
    QCOMPARE(lines[1], QStringLiteral("path before application: ") + expectedPath);
    QCOMPARE(lines[2], QStringLiteral("path with application: ") + expectedPath);
    QCOMPARE(lines[3], QString());
}

void TestVersion::programPathOfThisProcess()
{
    const QString path = GetProgramPath();
    QVERIFY(path.endsWith(QLatin1Char('/')));
    QCOMPARE(path, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    QVERIFY(QFileInfo::exists(path + QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
}

QTEST_GUILESS_MAIN(TestVersion)
#include "tst_version.moc"
