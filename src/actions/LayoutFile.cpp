#include "actions/LayoutFile.h"

#include "actions/ActnBars.h"
#include "actions/ActnList.h"
#include "actions/ActionHost.h"
#include "actions/ActnMan.h"
#include "actions/JsonCursor.h"

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

bool StartsNumber(char c)
{
    return c == '-' || (c >= '0' && c <= '9');
}

/*!
  Reads the file straight into a bar collection. Each object of the file is
  checked against the members its place allows; an unknown, repeated or
  missing member, a value of the wrong type or range, or a name that does
  not resolve fails the whole read.
*/
class Reader
{
public:
    Reader(QByteArrayView text, const TLayoutNames &names)
        : m_in(text), m_names(names), m_prefix(names.FormName + QLatin1Char('.'))
    {
    }

    bool Layout(TActionBars &bars)
    {
        if (m_in.Peek() != '{')
            return Fail(QStringLiteral("not a layout file of this program"));
        static const char *const keys[] = {"Format", "Version", "Object", "Class", "ActionBars",
                                           "Images", "StyleName", "Left", "Top"};
        QString format, object, cls, images, style;
        int version = 0, left = 0, top = 0;
        const bool read = Members(keys, 0x1F, "the file", [&](int k) {
            switch (k) {
            case 0: return Text(keys[k], format);
            case 1: return Int(keys[k], version, 0, INT_MAX);
            case 2: return Text(keys[k], object);
            case 3: return Text(keys[k], cls);
            case 4: return ActionBars(bars);
            case 5: return Text(keys[k], images);
            case 6: return Text(keys[k], style);
            case 7: return Int(keys[k], left, INT_MIN, INT_MAX);
            default: return Int(keys[k], top, INT_MIN, INT_MAX);
            }
        });
        if (!read)
            return false;
        if (format != kFormat)
            return Fail(QStringLiteral("not a layout file of this program"));
        if (version != kVersion)
            return Fail(QStringLiteral("layout version %1 is not supported").arg(version));
        if (object != m_names.ManagerName || cls != QLatin1String("TActionManager"))
            return Fail(QStringLiteral("the file holds \"%1\", not \"%2\"").arg(object, m_names.ManagerName));
        return m_in.AtEnd() || Fail(QStringLiteral("more after the layout"));
    }

    QString Error() const { return m_in.Error(); }

private:
    bool Fail(const QString &why) { return m_in.Fail(why); }

    /*!
      Reads an object whose members may be `keys`; `read(index)` reads the
      value of the member with that key. The keys whose bits are set in
      `required` must be there; `where` names the object in a failure.
    */
    template<size_t N, class Read>
    bool Members(const char *const (&keys)[N], unsigned required, const char *where, Read &&read)
    {
        static_assert(N <= 32);
        unsigned seen = 0;
        const bool done = m_in.Object([&](QByteArrayView key) {
            int index = -1;
            for (size_t i = 0; i < N && index < 0; ++i)
                if (key == QByteArrayView(keys[i]))
                    index = int(i);
            if (index < 0)
                return Fail(QStringLiteral("unknown key \"%1\" in %2").arg(QString::fromUtf8(key), QLatin1String(where)));
            if (seen & (1u << index))
                return Fail(QStringLiteral("\"%1\" twice in %2").arg(QLatin1String(keys[index]), QLatin1String(where)));
            seen |= 1u << index;
            return read(index);
        });
        if (!done)
            return false;
        for (size_t i = 0; i < N; ++i)
            if ((required & (1u << i)) && !(seen & (1u << i)))
                return Fail(QStringLiteral("missing \"%1\" in %2").arg(QLatin1String(keys[i]), QLatin1String(where)));
        return true;
    }

    bool Int(const char *key, int &out, double min, double max)
    {
        double d = 0;
        if (!StartsNumber(m_in.Peek()) || !m_in.Number(d) || d != std::floor(d) || d < min || d > max)
            return Fail(QStringLiteral("\"%1\" is not a whole number from %2 to %3")
                            .arg(QLatin1String(key)).arg(qint64(min)).arg(qint64(max)));
        out = int(d);
        return true;
    }

    bool Bool(const char *key, bool &out)
    {
        const char c = m_in.Peek();
        if (c != 't' && c != 'f')
            return Fail(QStringLiteral("\"%1\" is not true or false").arg(QLatin1String(key)));
        return m_in.Bool(out);
    }

    bool Text(const char *key, QString &out)
    {
        if (m_in.Peek() != '"')
            return Fail(QStringLiteral("\"%1\" is not a text").arg(QLatin1String(key)));
        return m_in.String(out);
    }

    bool Color(QColor &out)
    {
        QString text;
        if (!Text("Color", text))
            return false;
        out = QColor::fromString(text);
        return out.isValid() || Fail(QStringLiteral("bad colour \"%1\"").arg(text));
    }

    bool Changes(TChangesAllowed &out)
    {
        if (m_in.Peek() != '[')
            return Fail(QStringLiteral("\"ChangesAllowed\" is not a list"));
        TChangesAllowed result = 0;
        const bool read = m_in.Array([&] {
            QString text;
            if (!Text("ChangesAllowed", text))
                return false;
            int bit = -1;
            for (int i = 0; i < 3; ++i)
                if (text == QLatin1String(kChanges[i]))
                    bit = i;
            if (bit < 0 || (result & (1u << bit)))
                return Fail(QStringLiteral("bad entry in \"ChangesAllowed\""));
            result |= 1u << bit;
            return true;
        });
        out = result;
        return read;
    }

    //! "FormVEXAMain.Name" -> "Name"
    bool Qualified(const char *key, QString &name)
    {
        QString qualified;
        if (!Text(key, qualified))
            return false;
        if (!qualified.startsWith(m_prefix) || qualified.size() == m_prefix.size())
            return Fail(QStringLiteral("\"%1\" is not a component of %2").arg(qualified, m_names.FormName));
        name = qualified.mid(m_prefix.size());
        return true;
    }

    bool List(TActionClients &list, int depth)
    {
        if (depth > kMaxDepth)
            return Fail(QStringLiteral("entries nested too deeply"));
        if (m_in.Peek() != '{')
            return Fail(QStringLiteral("an item list is not an object"));
        static const char *const keys[] = {"CaptionOptions", "AutoHotKeys", "HideUnused",
                                           "SmallIcons",     "Customizable", "Items"};
        return Members(keys, 1u << 5, "an item list", [&](int k) {
            switch (k) {
            case 0: {
                QString options;
                if (!Text(keys[k], options))
                    return false;
                for (int i = 0; i < 3; ++i)
                    if (options == QLatin1String(kCaptionOptions[i])) {
                        list.CaptionOptions = TCaptionOptions(i);
                        return true;
                    }
                return Fail(QStringLiteral("bad caption option \"%1\"").arg(options));
            }
            case 1: return Bool(keys[k], list.AutoHotKeys);
            case 2: return Bool(keys[k], list.HideUnused);
            case 3: return Bool(keys[k], list.SmallIcons);
            case 4: return Bool(keys[k], list.Customizable);
            default:
                if (m_in.Peek() != '[')
                    return Fail(QStringLiteral("an item list has no \"Items\" list"));
                return m_in.Array([&] { return Item(list.Add(), depth); });
            }
        });
    }

    bool Item(TActionClientItem &item, int depth)
    {
        if (++m_itemCount > kMaxItems)
            return Fail(QStringLiteral("too many entries"));
        if (m_in.Peek() != '{')
            return Fail(QStringLiteral("an entry is not an object"));
        static const char *const keys[] = {"Action",      "Caption",     "ImageIndex", "ShortCut",     "UsageCount",
                                           "LastSession", "Visible",     "ChangesAllowed", "ShowCaption", "ShowGlyph",
                                           "ShowShortCut", "HelpContext", "MergeIndex", "Tag",          "Color",
                                           "Items",       "ContextItems"};
        // Caption to ChangesAllowed are always written.
        constexpr unsigned required = 0xFE;
        return Members(keys, required, "an entry", [&](int k) {
            switch (k) {
            case 0: {
                QString name;
                if (!Qualified(keys[k], name))
                    return false;
                item.Action = m_names.FindAction ? m_names.FindAction(name) : nullptr;
                return item.Action || Fail(QStringLiteral("unknown action \"%1.%2\"").arg(m_names.FormName, name));
            }
            case 1: return Text(keys[k], item.Caption);
            case 2: return Int(keys[k], item.ImageIndex, -1, kImageCount - 1);
            case 3: {
                int shortCut = 0;
                if (!Int(keys[k], shortCut, 0, 0xFFFF))
                    return false;
                item.ShortCut = TShortCut(shortCut);
                return true;
            }
            case 4: return Int(keys[k], item.UsageCount, -1, INT_MAX);
            case 5: return Int(keys[k], item.LastSession, 0, INT_MAX);
            case 6: return Bool(keys[k], item.Visible);
            case 7: return Changes(item.ChangesAllowed);
            case 8: return Bool(keys[k], item.ShowCaption);
            case 9: return Bool(keys[k], item.ShowGlyph);
            case 10: return Bool(keys[k], item.ShowShortCut);
            case 11: return Int(keys[k], item.HelpContext, INT_MIN, INT_MAX);
            case 12: return Int(keys[k], item.MergeIndex, INT_MIN, INT_MAX);
            case 13: return Int(keys[k], item.Tag, INT_MIN, INT_MAX);
            case 14: return Color(item.Color);
            case 15: return List(item.Items(), depth + 1);
            default: return List(item.EnsureContextItems(), depth + 1);
            }
        });
    }

    bool Bar(TActionBarItem &bar)
    {
        if (m_in.Peek() != '{')
            return Fail(QStringLiteral("a bar entry is not an object"));
        static const char *const keys[] = {"ActionBar", "Items", "ContextItems", "ChangesAllowed",
                                           "Visible",   "AutoSize", "Color"};
        return Members(keys, 1u << 1, "a bar entry", [&](int k) {
            switch (k) {
            case 0:
                if (!Qualified(keys[k], bar.ActionBar))
                    return false;
                return (m_names.IsBarControl && m_names.IsBarControl(bar.ActionBar))
                    || Fail(QStringLiteral("unknown bar \"%1.%2\"").arg(m_names.FormName, bar.ActionBar));
            case 1: return List(bar.Items(), 0);
            case 2: return List(bar.EnsureContextItems(), 0);
            case 3: return Changes(bar.ChangesAllowed);
            case 4: return Bool(keys[k], bar.Visible);
            case 5: return Bool(keys[k], bar.AutoSize);
            default: return Color(bar.Color);
            }
        });
    }

    bool ActionBars(TActionBars &bars)
    {
        if (m_in.Peek() != '{')
            return Fail(QStringLiteral("\"ActionBars\" is not an object"));
        static const char *const keys[] = {"SessionCount", "ShowHints", "HintShortCuts", "Customizable", "Items"};
        return Members(keys, 1u << 0 | 1u << 4, "\"ActionBars\"", [&](int k) {
            switch (k) {
            case 0: return Int(keys[k], bars.SessionCount, 0, INT_MAX);
            case 1: return Bool(keys[k], bars.ShowHints);
            case 2: return Bool(keys[k], bars.HintShortCuts);
            case 3: return Bool(keys[k], bars.Customizable);
            default:
                if (m_in.Peek() != '[')
                    return Fail(QStringLiteral("\"ActionBars\" has no \"Items\" list"));
                return m_in.Array([&] { return Bar(bars.Add()); });
            }
        });
    }

    TJsonCursor m_in;
    const TLayoutNames &m_names;
    const QString m_prefix;
    int m_itemCount = 0;
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
    TActionBars read;
    Reader reader(content, names);
    if (!reader.Layout(read))
        return fail(reader.Error());
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
