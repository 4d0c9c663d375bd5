#include "actions/ActnBars.h"

TActionClientItem::TActionClientItem() : m_items(std::make_unique<TActionClients>(this)) {}

TActionClientItem::~TActionClientItem() = default;

std::unique_ptr<TActionClientItem> TActionClientItem::Clone() const
{
    auto copy = std::make_unique<TActionClientItem>();
    copy->Action = Action;
    copy->Caption = Caption;
    copy->ImageIndex = ImageIndex;
    copy->ShortCut = ShortCut;
    copy->ShowCaption = ShowCaption;
    copy->ShowGlyph = ShowGlyph;
    copy->ShowShortCut = ShowShortCut;
    copy->UsageCount = UsageCount;
    copy->LastSession = LastSession;
    copy->Visible = Visible;
    copy->HelpContext = HelpContext;
    copy->MergeIndex = MergeIndex;
    copy->ChangesAllowed = ChangesAllowed;
    copy->Color = Color;
    copy->Tag = Tag;
    copy->m_items->CopySettingsAndItemsFrom(*m_items);
    if (m_contextItems)
        copy->EnsureContextItems().CopySettingsAndItemsFrom(*m_contextItems);
    return copy;
}

bool TActionClientItem::HasItems() const
{
    return m_items->Count() > 0;
}

TActionClients &TActionClientItem::EnsureContextItems()
{
    if (!m_contextItems)
        m_contextItems = std::make_unique<TActionClients>(this);
    return *m_contextItems;
}

bool TActionClientItem::IsSeparator() const
{
    return !Action && (Caption == QLatin1String("-") || Caption == QLatin1String("|"));
}

QString TActionClientItem::DisplayCaption() const
{
    if (!Caption.isEmpty() || !Action)
        return Caption;
    return Action->Caption();
}

TActionClientItem &TActionClients::Add()
{
    return Insert(Count(), std::make_unique<TActionClientItem>());
}

TActionClientItem &TActionClients::Insert(int index, std::unique_ptr<TActionClientItem> item)
{
    index = qBound(0, index, Count());
    item->m_parent = this;
    return **m_items.insert(m_items.begin() + index, std::move(item));
}

std::unique_ptr<TActionClientItem> TActionClients::Take(int index)
{
    if (index < 0 || index >= Count())
        return nullptr;
    std::unique_ptr<TActionClientItem> item = std::move(m_items[size_t(index)]);
    m_items.erase(m_items.begin() + index);
    item->m_parent = nullptr;
    return item;
}

int TActionClients::IndexOf(const TActionClientItem *item) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].get() == item)
            return int(i);
    return -1;
}

void TActionClients::CopySettingsAndItemsFrom(const TActionClients &other)
{
    CaptionOptions = other.CaptionOptions;
    AutoHotKeys = other.AutoHotKeys;
    HideUnused = other.HideUnused;
    SmallIcons = other.SmallIcons;
    Customizable = other.Customizable;
    m_items.clear();
    for (const auto &item : other.m_items)
        Insert(Count(), item->Clone());
}

TActionBarItem::TActionBarItem() : m_items(std::make_unique<TActionClients>()) {}

std::unique_ptr<TActionBarItem> TActionBarItem::Clone() const
{
    auto copy = std::make_unique<TActionBarItem>();
    copy->ActionBar = ActionBar;
    copy->m_items->CopySettingsAndItemsFrom(*m_items);
    if (m_contextItems)
        copy->EnsureContextItems().CopySettingsAndItemsFrom(*m_contextItems);
    copy->ChangesAllowed = ChangesAllowed;
    copy->Visible = Visible;
    copy->AutoSize = AutoSize;
    copy->Color = Color;
    return copy;
}

TActionClients &TActionBarItem::EnsureContextItems()
{
    if (!m_contextItems)
        m_contextItems = std::make_unique<TActionClients>();
    return *m_contextItems;
}

TActionBarItem &TActionBars::Add()
{
    m_bars.push_back(std::make_unique<TActionBarItem>());
    return *m_bars.back();
}

TActionBarItem *TActionBars::FindBar(const QString &barName)
{
    for (auto &bar : m_bars)
        if (bar->ActionBar == barName)
            return bar.get();
    return nullptr;
}

void TActionBars::Assign(const TActionBars &other)
{
    SessionCount = other.SessionCount;
    ShowHints = other.ShowHints;
    HintShortCuts = other.HintShortCuts;
    Customizable = other.Customizable;
    m_bars.clear();
    for (const auto &bar : other.m_bars)
        m_bars.push_back(bar->Clone());
}

void TActionBars::CountUse(TActionClientItem &item) const
{
    for (TActionClientItem *entry = &item; entry;) {
        if (entry->UsageCount != -1)
            ++entry->UsageCount;
        entry->LastSession = SessionCount;
        TActionClients *list = entry->ParentList();
        entry = list ? list->OwnerItem() : nullptr;
    }
}

TActionBarItem *TActionBars::BarOf(const TActionClients &list)
{
    const TActionClients *top = &list;
    while (top->OwnerItem() && top->OwnerItem()->ParentList())
        top = top->OwnerItem()->ParentList();
    for (auto &bar : m_bars)
        if (&bar->Items() == top)
            return bar.get();
    return nullptr;
}

bool TActionBars::MoveItem(TActionClients &fromList, int from, TActionClients &toList, int to)
{
    if (from < 0 || from >= fromList.Count() || to < 0 || to > toList.Count())
        return false;
    const TActionBarItem *bar = BarOf(fromList);
    if (!(fromList[from].ChangesAllowed & caMove) || (bar && !(bar->ChangesAllowed & caMove)))
        return false;
    // An entry cannot go into its own submenu.
    for (const TActionClients *l = &toList; l; l = l->OwnerItem() ? l->OwnerItem()->ParentList() : nullptr)
        if (l->OwnerItem() == &fromList[from])
            return false;
    if (&fromList == &toList && to > from)
        --to;
    std::unique_ptr<TActionClientItem> item = fromList.Take(from);
    toList.Insert(to, std::move(item));
    NotifyChanged();
    return true;
}

bool TActionBars::RemoveItem(TActionClients &list, int index)
{
    if (index < 0 || index >= list.Count())
        return false;
    const TActionBarItem *bar = BarOf(list);
    if (!(list[index].ChangesAllowed & caDelete) || (bar && !(bar->ChangesAllowed & caDelete)))
        return false;
    list.Take(index);
    NotifyChanged();
    return true;
}

TActionClientItem *TActionBars::InsertAction(TActionClients &list, int index, TCustomAction *action)
{
    if (!action)
        return nullptr;
    auto item = std::make_unique<TActionClientItem>();
    item->Action = action;
    item->ImageIndex = action->ImageIndex();
    item->ShortCut = action->ShortCut();
    TActionClientItem &added = list.Insert(index, std::move(item));
    NotifyChanged();
    return &added;
}

TActionClientItem *TActionBars::InsertSeparator(TActionClients &list, int index)
{
    auto item = std::make_unique<TActionClientItem>();
    item->Caption = QStringLiteral("-");
    TActionClientItem &added = list.Insert(index, std::move(item));
    NotifyChanged();
    return &added;
}
