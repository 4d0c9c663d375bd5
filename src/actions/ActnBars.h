// Bar entries and their items: where actions stand on the menu bar and the toolbars.
#pragma once

#include "actions/ActnList.h"
#include "actions/ShortCut.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class TActionClients;

//! What the customise mode lets the user do with a bar or an item.
enum TChangesAllowedFlag : unsigned { caModify = 1, caMove = 2, caDelete = 4 };
using TChangesAllowed = unsigned;
constexpr TChangesAllowed caAll = caModify | caMove | caDelete;

enum class TCaptionOptions { coNone, coSelective, coAll };

/*!
  One entry of a bar, menu or submenu. It points to an action, may give its
  own caption, picture and shortcut, counts its use, and may hold
  sub-entries (a submenu). A "-" caption without an action is a separator.
*/
class TActionClientItem
{
public:
    TActionClientItem();
    ~TActionClientItem();
    TActionClientItem(const TActionClientItem &) = delete;
    TActionClientItem &operator=(const TActionClientItem &) = delete;
    //! A deep copy; sub-entries included, the parent link left unset.
    std::unique_ptr<TActionClientItem> Clone() const;

    QPointer<TCustomAction> Action;
    QString Caption;
    int ImageIndex = -1;
    TShortCut ShortCut = 0;
    bool ShowCaption = true;
    bool ShowGlyph = true;
    bool ShowShortCut = true;
    int UsageCount = 0;
    int LastSession = 0;
    bool Visible = true;
    int HelpContext = 0;
    int MergeIndex = 0;
    TChangesAllowed ChangesAllowed = caAll;
    QColor Color;  // invalid: the bar's colour
    int Tag = 0;

    TActionClients &Items() { return *m_items; }
    const TActionClients &Items() const { return *m_items; }
    bool HasItems() const;
    TActionClients *ContextItems() const { return m_contextItems.get(); }
    TActionClients &EnsureContextItems();

    //! The list that holds this entry (null for a detached one).
    TActionClients *ParentList() const { return m_parent; }

    bool IsSeparator() const;
    //! The caption drawn: its own, else its action's.
    QString DisplayCaption() const;

private:
    friend class TActionClients;
    std::unique_ptr<TActionClients> m_items;
    std::unique_ptr<TActionClients> m_contextItems;
    TActionClients *m_parent = nullptr;
};

//! An ordered list of items, with the settings that apply to the whole list.
class TActionClients
{
public:
    explicit TActionClients(TActionClientItem *owner = nullptr) : m_owner(owner) {}
    TActionClients(const TActionClients &) = delete;
    TActionClients &operator=(const TActionClients &) = delete;

    TCaptionOptions CaptionOptions = TCaptionOptions::coSelective;
    bool AutoHotKeys = true;
    bool HideUnused = true;
    bool SmallIcons = true;
    bool Customizable = true;

    int Count() const { return int(m_items.size()); }
    TActionClientItem &operator[](int index) { return *m_items.at(size_t(index)); }
    const TActionClientItem &operator[](int index) const { return *m_items.at(size_t(index)); }
    TActionClientItem &Add();
    TActionClientItem &Insert(int index, std::unique_ptr<TActionClientItem> item);
    std::unique_ptr<TActionClientItem> Take(int index);
    void Clear() { m_items.clear(); }
    int IndexOf(const TActionClientItem *item) const;

    //! The entry whose sub-list this is (null for a bar's own list).
    TActionClientItem *OwnerItem() const { return m_owner; }
    void CopySettingsAndItemsFrom(const TActionClients &other);

private:
    std::vector<std::unique_ptr<TActionClientItem>> m_items;
    TActionClientItem *m_owner;
};

//! One bar entry: binds one bar control to its items.
class TActionBarItem
{
public:
    TActionBarItem();
    std::unique_ptr<TActionBarItem> Clone() const;

    //! Name of the bar control ("MenuBarTest", "ActionToolBarSweep", ...); empty: none.
    QString ActionBar;
    TActionClients &Items() { return *m_items; }
    const TActionClients &Items() const { return *m_items; }
    TActionClients *ContextItems() const { return m_contextItems.get(); }
    TActionClients &EnsureContextItems();
    TChangesAllowed ChangesAllowed = caAll;
    bool Visible = true;
    bool AutoSize = true;
    QColor Color;

private:
    std::unique_ptr<TActionClients> m_items;
    std::unique_ptr<TActionClients> m_contextItems;
};

/*!
  The ordered bar entries of a manager and its run counter. Views listen to
  Changed() and rebuild themselves from the entries.
*/
class TActionBars : public QObject
{
    Q_OBJECT
public:
    explicit TActionBars(QObject *parent = nullptr) : QObject(parent) {}

    int SessionCount = 0;
    bool ShowHints = true;
    bool HintShortCuts = true;
    bool Customizable = true;

    int Count() const { return int(m_bars.size()); }
    TActionBarItem &operator[](int index) { return *m_bars.at(size_t(index)); }
    const TActionBarItem &operator[](int index) const { return *m_bars.at(size_t(index)); }
    TActionBarItem &Add();
    void Clear() { m_bars.clear(); }
    //! The entry bound to a bar control, or null.
    TActionBarItem *FindBar(const QString &barName);

    //! Replaces everything (entries and settings) with a copy of `other`'s.
    void Assign(const TActionBars &other);

    /*!
      Counts the choice of an entry from a menu or a toolbar: its UsageCount
      (unless -1) grows by 1 and LastSession takes the run counter, for the
      entry and every entry above it.
    */
    void CountUse(TActionClientItem &item) const;

    //! Tells the views that entries changed (structure, captions, order).
    void NotifyChanged() { emit Changed(); }

    // Customising. Each checks the permissions of the entries involved, changes
    // nothing when they do not allow it, and tells the views when it did.

    /*!
      Moves the entry at `from` of `fromList` to position `to` of `toList`
      (the position counted before the move). Needs caMove on the entry and
      on the bar it leaves.
    */
    bool MoveItem(TActionClients &fromList, int from, TActionClients &toList, int to);
    //! Removes an entry; needs caDelete on the entry and on its bar.
    bool RemoveItem(TActionClients &list, int index);
    //! Puts an entry for `action` at `index`, with the action's picture and shortcut.
    TActionClientItem *InsertAction(TActionClients &list, int index, TCustomAction *action);
    //! Puts a separator at `index`.
    TActionClientItem *InsertSeparator(TActionClients &list, int index);
    //! The bar entry whose items (at any depth) contain `list`, or null.
    TActionBarItem *BarOf(const TActionClients &list);

signals:
    void Changed();

private:
    std::vector<std::unique_ptr<TActionBarItem>> m_bars;
};
