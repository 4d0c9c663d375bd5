// The customise dialog: which bars show, what stands on them, and how they look.
#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QTabWidget;
class TActionBarItem;
class TActionManager;
class TCustomAction;

/*!
  Works on one manager's bar entries. Not modal: while it is open every bar
  of the manager is in customise mode (its entries can be dragged), and
  every change applies at once. Everything the mouse does here has a
  keyboard way too (the arrangement list with its buttons).
*/
class TCustomizeDlg : public QDialog
{
    Q_OBJECT
public:
    //! `barControl` gives the widget of a bar entry by its name.
    TCustomizeDlg(TActionManager &manager, std::function<QWidget *(const QString &)> barControl,
                  QWidget *parent = nullptr);

    QTabWidget *Tabs = nullptr;
    // Toolbars
    QListWidget *BarList = nullptr;
    QComboBox *CaptionOptions = nullptr;
    QPushButton *ApplyToAll = nullptr;
    QPushButton *ResetBar = nullptr;
    QListWidget *ItemList = nullptr;
    QPushButton *MoveUp = nullptr;
    QPushButton *MoveDown = nullptr;
    QPushButton *RemoveItem = nullptr;
    QPushButton *AddAction = nullptr;
    QPushButton *AddSeparator = nullptr;
    // Actions
    QListWidget *CategoryList = nullptr;
    QListWidget *ActionList = nullptr;
    // Options
    QCheckBox *PersonalizedMenus = nullptr;
    QCheckBox *LargeIcons = nullptr;
    QCheckBox *ShowTips = nullptr;
    QCheckBox *ShortCutsInTips = nullptr;
    QComboBox *MenuAnimation = nullptr;

    //! The bar entry selected in the bar list.
    TActionBarItem *SelectedBar() const;
    //! The action selected in the action list (null for the separator or none).
    TCustomAction *SelectedAction() const;

    static const char *const ActionMime;  //!< drag data: an action's name
    static const char *const ItemMime;    //!< drag data: "bar name\nindex"

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void FillBars();
    void FillItems();
    void FillActions();
    void BarChecked(int row, bool checked);
    void MoveSelected(int delta);
    TActionManager &m_manager;
    std::function<QWidget *(const QString &)> m_barControl;
    bool m_filling = false;
};
