// What assistive technology is told: the accessible name of every menu entry, toolbar button and
// dialog control is its caption, without the access-key "&" and without shortcut text.
#include "actions/ActnBars.h"
#include "actions/ActnMan.h"
#include "dialogs/FVEXAFreqOpt.h"
#include "dialogs/FVEXAFreqScale.h"
#include "dialogs/FVEXAModOpt.h"
#include "dialogs/FVEXAYOpt.h"
#include "dialogs/FVEXAYScale.h"
#include "mainwindow/ActionBarViews.h"
#include "mainwindow/CustomizeDlg.h"
#include "mainwindow/FVEXAMain.h"
#include "shell/FVEXAAbout.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

//! A caption as it is announced: "&&" is a literal "&", any other "&" marks the access key.
QString Spoken(const QString &caption)
{
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                spoken += caption[++i];
            continue;
        }
        spoken += caption[i];
    }
    return spoken;
}

QString NameOf(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<not accessible>");
}

//! The entries of `items` against the accessible children of `menu`, submenus included.
void CompareMenu(QAccessibleInterface *menu, const TActionClients &items, const QString &path, QStringList &wrong)
{
    if (!menu) {
        wrong << path + QStringLiteral(": not accessible");
        return;
    }
    // A drop-down menu fills its rows when it opens, as a screen reader meets it.
    auto *dropDown = qobject_cast<QMenu *>(menu->object());
    if (dropDown)
        dropDown->popup(QPoint(0, 0));
    const auto closeAgain = qScopeGuard([dropDown] {
        if (dropDown)
            dropDown->hide();
    });
    if (menu->childCount() != items.Count()) {
        wrong << QStringLiteral("%1: %2 accessible entries for %3 items").arg(path).arg(menu->childCount()).arg(items.Count());
        return;
    }
    for (int i = 0; i < items.Count(); ++i) {
        const TActionClientItem &item = items[i];
        QAccessibleInterface *entry = menu->child(i);
        const QString where = path + QLatin1Char('/') + QString::number(i);
        if (item.IsSeparator()) {
            if (!entry || entry->role() != QAccessible::Separator)
                wrong << where + QStringLiteral(": separator not announced as one");
            continue;
        }
        const QString expected = Spoken(item.DisplayCaption());
        const QString name = entry ? entry->text(QAccessible::Name) : QString();
        if (name != expected)
            wrong << QStringLiteral("%1: \"%2\", expected \"%3\"").arg(where, name, expected);
        if (item.HasItems())
            CompareMenu(entry && entry->childCount() ? entry->child(0) : nullptr, item.Items(), where + QLatin1Char(' ') + expected, wrong);
    }
}

//! Controls that carry a caption of their own, and that caption.
QString CaptionOf(QWidget *control)
{
    if (auto *tool = qobject_cast<QToolButton *>(control); tool && tool->defaultAction())
        return tool->defaultAction()->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *group = qobject_cast<QGroupBox *>(control))
        return group->title();
    return QString();
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void menuEntries();
    void toolbarButtons();
    void dialogControls_data();
    void dialogControls();

private:
    TFormVEXAMain *m_main = nullptr;
};

void TestAccessibility::initTestCase()
{
    m_main = new TFormVEXAMain;
    m_main->show();
}

void TestAccessibility::cleanupTestCase()
{
    delete m_main;
}

void TestAccessibility::menuEntries()
{
    TActionBarItem *bar = m_main->ActionManagerTest->ActionBars().FindBar(QStringLiteral("MenuBarTest"));
    QVERIFY(bar);
    QStringList wrong;
    CompareMenu(QAccessible::queryAccessibleInterface(m_main->MenuBarTest), bar->Items(), QStringLiteral("menu bar"), wrong);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestAccessibility::toolbarButtons()
{
    QStringList wrong;
    int buttons = 0;
    for (TActionToolBar *toolbar : m_main->findChildren<TActionToolBar *>()) {
        const TActionBarItem *bar = toolbar->BarItem();
        QVERIFY2(bar, qPrintable(toolbar->objectName()));
        const QList<QAction *> rows = toolbar->actions();
        QCOMPARE(rows.size(), bar->Items().Count());
        for (int i = 0; i < rows.size(); ++i) {
            const TActionClientItem &item = bar->Items()[i];
            if (item.IsSeparator())
                continue;
            QWidget *button = toolbar->widgetForAction(rows[i]);
            const QString expected = Spoken(item.DisplayCaption());
            const QString name = NameOf(button);
            ++buttons;
            if (name != expected)
                wrong << QStringLiteral("%1/%2: \"%3\", expected \"%4\"").arg(toolbar->objectName()).arg(i).arg(name, expected);
        }
    }
    QVERIFY(buttons > 0);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestAccessibility::dialogControls_data()
{
    QTest::addColumn<std::function<QWidget *()>>("make");
    QTest::newRow("FormVEXAFreqOptions") << std::function<QWidget *()>([] { return new TFormVEXAFreqOptions; });
    QTest::newRow("FormVEXAFreqScale") << std::function<QWidget *()>([] { return new TFormVEXAFreqScale; });
    QTest::newRow("FormVEXAModOptions") << std::function<QWidget *()>([] { return new TFormVEXAModOptions; });
    QTest::newRow("FormVEXAYOptions") << std::function<QWidget *()>([] { return new TFormVEXAYOptions; });
    QTest::newRow("FormVEXAYScale") << std::function<QWidget *()>([] { return new TFormVEXAYScale; });
    QTest::newRow("FormVEXAAbout") << std::function<QWidget *()>([] { return new TFormVEXAAbout; });
    QTest::newRow("customise dialog") << std::function<QWidget *()>([this] {
        return new TCustomizeDlg(*m_main->ActionManagerTest, [this](const QString &name) { return m_main->findChild<QWidget *>(name); });
    });
}

void TestAccessibility::dialogControls()
{
    QFETCH(std::function<QWidget *()>, make);
    const std::unique_ptr<QWidget> dialog(make());
    dialog->show();
    QStringList wrong;
    int controls = 0;
    for (QWidget *control : dialog->findChildren<QWidget *>()) {
        const QString caption = CaptionOf(control);
        if (caption.isEmpty())
            continue;
        ++controls;
        const QString name = NameOf(control);
        if (name != Spoken(caption))
            wrong << QStringLiteral("%1 (%2): \"%3\", expected \"%4\"")
                         .arg(control->objectName(), QString::fromLatin1(control->metaObject()->className()), name, Spoken(caption));
    }
    QVERIFY(controls > 0);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
