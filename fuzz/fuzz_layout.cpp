// libFuzzer target for the layout file reader: the input is read as the main window's layout file,
// its names resolving against the catalogue's action names and the six bars of the main manager.
//
// Besides not crashing, the reader must keep two promises, checked here:
// - refused content leaves the bars it was given untouched;
// - accepted content is valid JSON (Qt's own parser, a second opinion, takes it too);
// - accepted content, written out again, reads back and writes out byte for byte the same.
//
// Built by fuzz/CMakeLists.txt (clang, -DVEXA_FUZZ=ON); run by tools/fuzz.sh. Seeds: fuzz/corpus/layout/.

#include "actions/ActnBars.h"
#include "actions/ActnList.h"
#include "actions/LayoutFile.h"

#include <QHash>
#include <QJsonDocument>
#include <QSet>

#include <cstddef>
#include <cstdint>

namespace {

// The action names of the main catalogue, taken from its table when the build is configured.
const char *const kActionNames[] = {
#include "layout_action_names.inc"
};

const char *const kBarNames[] = {
    "MenuBarTest",         "ActionToolBarSweep",  "ActionToolBarCurves",
    "ActionToolBarMarker", "ActionToolBarSetLevelAndFrequency", "ActionToolBarStandard",
};

//! The main window's names, without the main window: plain actions that only carry a name.
struct Names
{
    QHash<QString, TCustomAction *> actions;
    QSet<QString> bars;
    TLayoutNames layout;

    Names()
    {
        for (const char *name : kActionNames) {
            auto *action = new TAction;  // lives as long as the process
            action->SetName(QString::fromLatin1(name));
            actions.insert(action->Name(), action);
        }
        for (const char *name : kBarNames)
            bars.insert(QString::fromLatin1(name));
        layout.FormName = QStringLiteral("FormVEXAMain");
        layout.ManagerName = QStringLiteral("ActionManagerTest");
        layout.ImagesName = QStringLiteral("FrameImageList1.ImageListAll");
        layout.StyleName = QStringLiteral("XP Style");
        layout.FindAction = [this](const QString &name) { return actions.value(name); };
        layout.IsBarControl = [this](const QString &name) { return bars.contains(name); };
    }
};

const TLayoutNames &LayoutNames()
{
    static const Names *names = new Names;
    return names->layout;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const TLayoutNames &names = LayoutNames();

    TActionBars bars;
    bars.SessionCount = 42;
    bars.Add().ActionBar = QStringLiteral("sentinel");
    if (!ReadLayout(input, names, bars)) {
        if (bars.SessionCount != 42 || bars.Count() != 1 || bars[0].ActionBar != QLatin1String("sentinel")
            || bars[0].Items().Count() != 0)
            __builtin_trap();
        return 0;
    }

    QJsonParseError error{};
    if (QJsonDocument::fromJson(input, &error).isNull() || error.error != QJsonParseError::NoError)
        __builtin_trap();

    const QByteArray written = WriteLayout(bars, names);
    TActionBars again;
    if (!ReadLayout(written, names, again))
        __builtin_trap();
    if (WriteLayout(again, names) != written)
        __builtin_trap();
    return 0;
}
