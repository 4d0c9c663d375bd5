#include "actions/LayoutFile.h"

#include "actions/ActnBars.h"
#include "actions/ActnList.h"
#include "actions/ActionHost.h"
#include "actions/ActnMan.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QHash>
#include <QSet>

#include <cmath>

namespace {

const QLatin1String kFormat("VEXA-TOLM action bar layout");
constexpr int kVersion = 1;
// Where the manager stands in the form designer; stored for completeness.
constexpr int kDesignLeft = 592, kDesignTop = 360;
// Guards against hostile files: far beyond any real arrangement.
constexpr int kMaxDepth = 8;
constexpr int kMaxItems = 20000;
constexpr qsizetype kMaxFileSize = 8 * 1024 * 1024;
constexpr int kImageCount = 127;

const char *const kCaptionOptions[] = {"coNone", "coSelective", "coAll"};
const char *const kChanges[] = {"caModify", "caMove", "caDelete"};

// ---------------------------------------------------------------- writing

QJsonArray ChangesToJson(TChangesAllowed changes)
{
    QJsonArray a;
    for (int i = 0; i < 3; ++i)
        if (changes & (1u << i))
            a.append(QLatin1String(kChanges[i]));
    return a;
}

QString Qualified(const TLayoutNames &names, const QString &name)
{
    return names.FormName + QLatin1Char('.') + name;
}

QJsonObject ListToJson(const TActionClients &list, const TLayoutNames &names);

QJsonObject ItemToJson(const TActionClientItem &item, const TLayoutNames &names)
{
    QJsonObject o;
    if (item.Action)
        o[QLatin1String("Action")] = Qualified(names, item.Action->Name());
    o[QLatin1String("Caption")] = item.Caption;
    o[QLatin1String("ImageIndex")] = item.ImageIndex;
    o[QLatin1String("ShortCut")] = int(item.ShortCut);
    o[QLatin1String("UsageCount")] = item.UsageCount;
    o[QLatin1String("LastSession")] = item.LastSession;
    o[QLatin1String("Visible")] = item.Visible;
    o[QLatin1String("ChangesAllowed")] = ChangesToJson(item.ChangesAllowed);
    if (!item.ShowCaption)
        o[QLatin1String("ShowCaption")] = false;
    if (!item.ShowGlyph)
        o[QLatin1String("ShowGlyph")] = false;
    if (!item.ShowShortCut)
        o[QLatin1String("ShowShortCut")] = false;
    if (item.HelpContext)
        o[QLatin1String("HelpContext")] = item.HelpContext;
    if (item.MergeIndex)
        o[QLatin1String("MergeIndex")] = item.MergeIndex;
    if (item.Tag)
        o[QLatin1String("Tag")] = item.Tag;
    if (item.Color.isValid())
        o[QLatin1String("Color")] = item.Color.name();
    if (item.HasItems())
        o[QLatin1String("Items")] = ListToJson(item.Items(), names);
    if (item.ContextItems())
        o[QLatin1String("ContextItems")] = ListToJson(*item.ContextItems(), names);
    return o;
}

QJsonObject ListToJson(const TActionClients &list, const TLayoutNames &names)
{
    QJsonObject o;
    o[QLatin1String("CaptionOptions")] = QLatin1String(kCaptionOptions[int(list.CaptionOptions)]);
    if (!list.AutoHotKeys)
        o[QLatin1String("AutoHotKeys")] = false;
    if (!list.HideUnused)
        o[QLatin1String("HideUnused")] = false;
    if (!list.SmallIcons)
        o[QLatin1String("SmallIcons")] = false;
    if (!list.Customizable)
        o[QLatin1String("Customizable")] = false;
    QJsonArray items;
    for (int i = 0; i < list.Count(); ++i)
        items.append(ItemToJson(list[i], names));
    o[QLatin1String("Items")] = items;
    return o;
}

// ---------------------------------------------------------------- reading

struct Reader
{
    const TLayoutNames &names;
    QString error;
    int itemCount = 0;

    bool Fail(const QString &why)
    {
        if (error.isEmpty())
            error = why;
        return false;
    }

    bool CheckKeys(const QJsonObject &o, std::initializer_list<const char *> allowed, const QString &where)
    {
        for (auto it = o.begin(); it != o.end(); ++it) {
            bool known = false;
            for (const char *k : allowed)
                known = known || it.key() == QLatin1String(k);
            if (!known)
                return Fail(QStringLiteral("unknown key \"%1\" in %2").arg(it.key(), where));
        }
        return true;
    }

    bool Int(const QJsonObject &o, const char *key, int &out, int min, int max, bool required)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            return !required || Fail(QStringLiteral("missing \"%1\"").arg(QLatin1String(key)));
        const double d = v.toDouble(NAN);
        if (!v.isDouble() || !std::isfinite(d) || d != std::floor(d) || d < min || d > max)
            return Fail(QStringLiteral("\"%1\" is not a whole number from %2 to %3").arg(QLatin1String(key)).arg(min).arg(max));
        out = int(d);
        return true;
    }

    bool Bool(const QJsonObject &o, const char *key, bool &out, bool required = false)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            return !required || Fail(QStringLiteral("missing \"%1\"").arg(QLatin1String(key)));
        if (!v.isBool())
            return Fail(QStringLiteral("\"%1\" is not true or false").arg(QLatin1String(key)));
        out = v.toBool();
        return true;
    }

    bool String(const QJsonObject &o, const char *key, QString &out, bool required)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            return !required || Fail(QStringLiteral("missing \"%1\"").arg(QLatin1String(key)));
        if (!v.isString())
            return Fail(QStringLiteral("\"%1\" is not a text").arg(QLatin1String(key)));
        out = v.toString();
        return true;
    }

    bool Color(const QJsonObject &o, QColor &out)
    {
        QString text;
        if (!String(o, "Color", text, false))
            return false;
        if (text.isNull())
            return true;
        out = QColor::fromString(text);
        return out.isValid() || Fail(QStringLiteral("bad colour \"%1\"").arg(text));
    }

    bool Changes(const QJsonObject &o, TChangesAllowed &out, bool required)
    {
        const QJsonValue v = o.value(QLatin1String("ChangesAllowed"));
        if (v.isUndefined())
            return !required || Fail(QStringLiteral("missing \"ChangesAllowed\""));
        if (!v.isArray())
            return Fail(QStringLiteral("\"ChangesAllowed\" is not a list"));
        TChangesAllowed result = 0;
        for (const QJsonValue &e : v.toArray()) {
            int bit = -1;
            for (int i = 0; i < 3; ++i)
                if (e.isString() && e.toString() == QLatin1String(kChanges[i]))
                    bit = i;
            if (bit < 0 || (result & (1u << bit)))
                return Fail(QStringLiteral("bad entry in \"ChangesAllowed\""));
            result |= 1u << bit;
        }
        out = result;
        return true;
    }

    // "FormVEXAMain.Name" -> "Name"
    bool Unqualify(const QString &qualified, QString &name)
    {
        const QString prefix = names.FormName + QLatin1Char('.');
        if (!qualified.startsWith(prefix) || qualified.size() == prefix.size())
            return Fail(QStringLiteral("\"%1\" is not a component of %2").arg(qualified, names.FormName));
        name = qualified.mid(prefix.size());
        return true;
    }

    bool List(const QJsonValue &value, TActionClients &list, int depth)
    {
        if (depth > kMaxDepth)
            return Fail(QStringLiteral("entries nested too deeply"));
        if (!value.isObject())
            return Fail(QStringLiteral("an item list is not an object"));
        const QJsonObject o = value.toObject();
        if (!CheckKeys(o, {"CaptionOptions", "AutoHotKeys", "HideUnused", "SmallIcons", "Customizable", "Items"},
                       QStringLiteral("an item list")))
            return false;
        QString options = QLatin1String(kCaptionOptions[int(TCaptionOptions::coSelective)]);
        if (!String(o, "CaptionOptions", options, false))
            return false;
        int option = -1;
        for (int i = 0; i < 3; ++i)
            if (options == QLatin1String(kCaptionOptions[i]))
                option = i;
        if (option < 0)
            return Fail(QStringLiteral("bad caption option \"%1\"").arg(options));
        list.CaptionOptions = TCaptionOptions(option);
        if (!Bool(o, "AutoHotKeys", list.AutoHotKeys) || !Bool(o, "HideUnused", list.HideUnused)
            || !Bool(o, "SmallIcons", list.SmallIcons) || !Bool(o, "Customizable", list.Customizable))
            return false;
        const QJsonValue items = o.value(QLatin1String("Items"));
        if (!items.isArray())
            return Fail(QStringLiteral("an item list has no \"Items\" list"));
        for (const QJsonValue &item : items.toArray())
            if (!Item(item, list.Add(), depth))
                return false;
        return true;
    }

    bool Item(const QJsonValue &value, TActionClientItem &item, int depth)
    {
        if (++itemCount > kMaxItems)
            return Fail(QStringLiteral("too many entries"));
        if (!value.isObject())
            return Fail(QStringLiteral("an entry is not an object"));
        const QJsonObject o = value.toObject();
        if (!CheckKeys(o, {"Action", "Caption", "ImageIndex", "ShortCut", "UsageCount", "LastSession", "Visible",
                           "ChangesAllowed", "ShowCaption", "ShowGlyph", "ShowShortCut", "HelpContext", "MergeIndex",
                           "Tag", "Color", "Items", "ContextItems"},
                       QStringLiteral("an entry")))
            return false;
        QString action;
        if (!String(o, "Action", action, false))
            return false;
        if (!action.isNull()) {
            QString name;
            if (!Unqualify(action, name))
                return false;
            TCustomAction *found = names.FindAction ? names.FindAction(name) : nullptr;
            if (!found)
                return Fail(QStringLiteral("unknown action \"%1\"").arg(action));
            item.Action = found;
        }
        int shortCut = 0;
        if (!String(o, "Caption", item.Caption, true)
            || !Int(o, "ImageIndex", item.ImageIndex, -1, kImageCount - 1, true)
            || !Int(o, "ShortCut", shortCut, 0, 0xFFFF, true)
            || !Int(o, "UsageCount", item.UsageCount, -1, INT_MAX, true)
            || !Int(o, "LastSession", item.LastSession, 0, INT_MAX, true) || !Bool(o, "Visible", item.Visible, true)
            || !Changes(o, item.ChangesAllowed, true) || !Bool(o, "ShowCaption", item.ShowCaption)
            || !Bool(o, "ShowGlyph", item.ShowGlyph) || !Bool(o, "ShowShortCut", item.ShowShortCut)
            || !Int(o, "HelpContext", item.HelpContext, INT_MIN, INT_MAX, false)
            || !Int(o, "MergeIndex", item.MergeIndex, INT_MIN, INT_MAX, false)
            || !Int(o, "Tag", item.Tag, INT_MIN, INT_MAX, false) || !Color(o, item.Color))
            return false;
        item.ShortCut = TShortCut(shortCut);
        if (o.contains(QLatin1String("Items")) && !List(o.value(QLatin1String("Items")), item.Items(), depth + 1))
            return false;
        if (o.contains(QLatin1String("ContextItems"))
            && !List(o.value(QLatin1String("ContextItems")), item.EnsureContextItems(), depth + 1))
            return false;
        return true;
    }

    bool Bar(const QJsonValue &value, TActionBarItem &bar)
    {
        if (!value.isObject())
            return Fail(QStringLiteral("a bar entry is not an object"));
        const QJsonObject o = value.toObject();
        if (!CheckKeys(o, {"ActionBar", "Items", "ContextItems", "ChangesAllowed", "Visible", "AutoSize", "Color"},
                       QStringLiteral("a bar entry")))
            return false;
        QString qualified;
        if (!String(o, "ActionBar", qualified, false))
            return false;
        if (!qualified.isNull()) {
            if (!Unqualify(qualified, bar.ActionBar))
                return false;
            if (!names.IsBarControl || !names.IsBarControl(bar.ActionBar))
                return Fail(QStringLiteral("unknown bar \"%1\"").arg(qualified));
        }
        if (!Changes(o, bar.ChangesAllowed, false) || !Bool(o, "Visible", bar.Visible)
            || !Bool(o, "AutoSize", bar.AutoSize) || !Color(o, bar.Color))
            return false;
        if (!List(o.value(QLatin1String("Items")), bar.Items(), 0))
            return false;
        if (o.contains(QLatin1String("ContextItems"))
            && !List(o.value(QLatin1String("ContextItems")), bar.EnsureContextItems(), 0))
            return false;
        return true;
    }

    bool Layout(const QJsonObject &root, TActionBars &bars)
    {
        if (!CheckKeys(root, {"Format", "Version", "Object", "Class", "ActionBars", "Images", "StyleName", "Left", "Top"},
                       QStringLiteral("the file")))
            return false;
        QString format, object, cls, images, style;
        int version = 0, left = 0, top = 0;
        if (!String(root, "Format", format, true) || !Int(root, "Version", version, 0, INT_MAX, true)
            || !String(root, "Object", object, true) || !String(root, "Class", cls, true)
            || !String(root, "Images", images, false) || !String(root, "StyleName", style, false)
            || !Int(root, "Left", left, INT_MIN, INT_MAX, false) || !Int(root, "Top", top, INT_MIN, INT_MAX, false))
            return false;
        if (format != kFormat)
            return Fail(QStringLiteral("not a layout file of this program"));
        if (version != kVersion)
            return Fail(QStringLiteral("layout version %1 is not supported").arg(version));
        if (object != names.ManagerName || cls != QLatin1String("TActionManager"))
            return Fail(QStringLiteral("the file holds \"%1\", not \"%2\"").arg(object, names.ManagerName));
        const QJsonValue actionBars = root.value(QLatin1String("ActionBars"));
        if (!actionBars.isObject())
            return Fail(QStringLiteral("missing \"ActionBars\""));
        const QJsonObject ab = actionBars.toObject();
        if (!CheckKeys(ab, {"SessionCount", "ShowHints", "HintShortCuts", "Customizable", "Items"},
                       QStringLiteral("\"ActionBars\"")))
            return false;
        if (!Int(ab, "SessionCount", bars.SessionCount, 0, INT_MAX, true) || !Bool(ab, "ShowHints", bars.ShowHints)
            || !Bool(ab, "HintShortCuts", bars.HintShortCuts) || !Bool(ab, "Customizable", bars.Customizable))
            return false;
        const QJsonValue entries = ab.value(QLatin1String("Items"));
        if (!entries.isArray())
            return Fail(QStringLiteral("\"ActionBars\" has no \"Items\" list"));
        for (const QJsonValue &entry : entries.toArray())
            if (!Bar(entry, bars.Add()))
                return false;
        return true;
    }
};

} // namespace

TLayoutNames LayoutNamesOf(const TActionManager &manager)
{
    TLayoutNames names;
    QObject *form = manager.parent();
    names.FormName = form ? form->objectName() : QString();
    names.ManagerName = manager.objectName();
    names.ImagesName = manager.ImagesName;
    names.StyleName = manager.StyleName;
    // Resolved through one table built here: a file names hundreds of actions.
    QHash<QString, TCustomAction *> actions;
    if (form)
        for (TCustomAction *action : form->findChildren<TCustomAction *>(Qt::FindDirectChildrenOnly))
            actions.insert(action->objectName(), action);
    names.FindAction = [actions](const QString &name) -> TCustomAction * { return actions.value(name); };
    // Bar controls are the bars the manager's entries were designed for.
    QSet<QString> barNames;
    const TActionBars &bars = manager.ActionBars();
    for (int i = 0; i < bars.Count(); ++i)
        if (!bars[i].ActionBar.isEmpty())
            barNames.insert(bars[i].ActionBar);
    if (const TActionBars *design = manager.DefaultBars())
        for (int i = 0; i < design->Count(); ++i)
            if (!(*design)[i].ActionBar.isEmpty())
                barNames.insert((*design)[i].ActionBar);
    names.IsBarControl = [barNames](const QString &name) { return barNames.contains(name); };
    return names;
}

QByteArray WriteLayout(const TActionBars &bars, const TLayoutNames &names)
{
    QJsonObject ab;
    ab[QLatin1String("SessionCount")] = bars.SessionCount;
    if (!bars.ShowHints)
        ab[QLatin1String("ShowHints")] = false;
    if (!bars.HintShortCuts)
        ab[QLatin1String("HintShortCuts")] = false;
    if (!bars.Customizable)
        ab[QLatin1String("Customizable")] = false;
    QJsonArray entries;
    for (int i = 0; i < bars.Count(); ++i) {
        const TActionBarItem &bar = bars[i];
        QJsonObject o;
        if (!bar.ActionBar.isEmpty())
            o[QLatin1String("ActionBar")] = Qualified(names, bar.ActionBar);
        if (bar.ChangesAllowed != caAll)
            o[QLatin1String("ChangesAllowed")] = ChangesToJson(bar.ChangesAllowed);
        if (!bar.Visible)
            o[QLatin1String("Visible")] = false;
        if (!bar.AutoSize)
            o[QLatin1String("AutoSize")] = false;
        if (bar.Color.isValid())
            o[QLatin1String("Color")] = bar.Color.name();
        o[QLatin1String("Items")] = ListToJson(bar.Items(), names);
        if (bar.ContextItems())
            o[QLatin1String("ContextItems")] = ListToJson(*bar.ContextItems(), names);
        entries.append(o);
    }
    ab[QLatin1String("Items")] = entries;

    QJsonObject root;
    root[QLatin1String("Format")] = kFormat;
    root[QLatin1String("Version")] = kVersion;
    root[QLatin1String("Object")] = names.ManagerName;
    root[QLatin1String("Class")] = QLatin1String("TActionManager");
    root[QLatin1String("ActionBars")] = ab;
    if (!names.ImagesName.isEmpty())
        root[QLatin1String("Images")] = names.ImagesName;
    root[QLatin1String("StyleName")] = names.StyleName;
    root[QLatin1String("Left")] = kDesignLeft;
    root[QLatin1String("Top")] = kDesignTop;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ReadLayout(const QByteArray &content, const TLayoutNames &names, TActionBars &bars, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (content.size() > kMaxFileSize)
        return fail(QStringLiteral("file too large"));
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(content, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(parseError.errorString());
    if (!doc.isObject())
        return fail(QStringLiteral("not a layout file of this program"));
    TActionBars read;
    Reader reader{names, {}, 0};
    if (!reader.Layout(doc.object(), read))
        return fail(reader.error);
    bars.Assign(read);
    return true;
}

// ---------------------------------------------------------------- the manager's file operations

TLayoutWriteFunction LayoutFileWrite = [](QIODevice &device, const QByteArray &data) { return device.write(data); };

void TActionManager::LoadLayoutFromFile(const QString &path)
{
    // Only a regular file is a layout file: a pipe or device of that name would block or never end.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw ELayoutOpenError("Cannot open file \"" + path.toStdString() + "\". " + file.errorString().toStdString());
    // A file far larger than any layout is damaged; it is not read in.
    const bool tooLarge = file.size() > kMaxFileSize;
    const QByteArray content = tooLarge ? QByteArray() : file.read(kMaxFileSize + 1);
    const bool readFailed = tooLarge || file.error() != QFileDevice::NoError;
    file.close();

    // The arrangement in force now is the design a bar can be reset to.
    auto design = std::make_unique<TActionBars>();
    design->Assign(*m_actionBars);
    const TLayoutNames names = LayoutNamesOf(*this);
    m_defaultBars = std::move(design);

    QString error;
    if (!readFailed && ReadLayout(content, names, *m_actionBars, &error)) {
        m_actionBars->NotifyChanged();
        return;
    }
    m_actionBars->NotifyChanged();
    const QString question = QStringLiteral("Error loading previously saved settings file: %1\nWould you like to delete it?").arg(path);
    if (m_host && m_host->ErrorQuestion(question))
        QFile::remove(path);
}

void TActionManager::SaveLayoutToFile(const QString &path)
{
    State = TActionListState::asNormal;
    const QByteArray content = WriteLayout(*m_actionBars, LayoutNamesOf(*this));
    // Written whole or not at all: the old file stays until the new one is complete.
    // A read-only layout file is the user's decision and is not replaced.
    const QFileInfo info(path);
    QSaveFile file(info.absoluteFilePath());
    bool saved = !(info.exists() && !info.isWritable());
    // Unbuffered: a buffered QSaveFile can commit an empty file when the disk is full.
    saved = saved && file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (saved) {
        saved = LayoutFileWrite(file, content) == content.size();
        if (saved)
            saved = file.commit();
        else
            file.cancelWriting();
    }
    if (!saved && m_host)
        m_host->ShowMessage(QStringLiteral("Unable to save settings"));
}

bool TActionManager::ResetActionBar(const QString &barName)
{
    if (!m_defaultBars)
        return false;
    TActionBarItem *current = m_actionBars->FindBar(barName);
    TActionBarItem *design = m_defaultBars->FindBar(barName);
    if (!current || !design)
        return false;
    std::unique_ptr<TActionBarItem> copy = design->Clone();
    current->Items().CopySettingsAndItemsFrom(copy->Items());
    current->ChangesAllowed = copy->ChangesAllowed;
    m_actionBars->NotifyChanged();
    return true;
}
