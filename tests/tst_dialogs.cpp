// The five parameter dialogs: their forms, the shared frame, showing and closing, radio groups, modulation groups.
#include "actions/ActnList.h"
#include "actions/ActnMan.h"
#include "dialogs/Bevel.h"
#include "dialogs/FVEXAFreqOpt.h"
#include "dialogs/FVEXAFreqScale.h"
#include "dialogs/FVEXAModOpt.h"
#include "dialogs/FVEXAYOpt.h"
#include "dialogs/FVEXAYScale.h"
#include "images/FRImageList.h"
#include "mainwindow/FVEXAMain.h"
#include "TestUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const char *const FreqOptions = "FormVEXAFreqOptions";
const char *const FreqScale = "FormVEXAFreqScale";
const char *const YOptions = "FormVEXAYOptions";
const char *const YScale = "FormVEXAYScale";
const char *const ModOptions = "FormVEXAModOptions";
const char *const AllForms[] = {FreqOptions, FreqScale, YOptions, YScale, ModOptions};

std::unique_ptr<TParamDialogFrame> CreateDialog(const QString &form)
{
    if (form == QLatin1String(FreqOptions))
        return std::make_unique<TFormVEXAFreqOptions>();
    if (form == QLatin1String(FreqScale))
        return std::make_unique<TFormVEXAFreqScale>();
    if (form == QLatin1String(YOptions))
        return std::make_unique<TFormVEXAYOptions>();
    if (form == QLatin1String(YScale))
        return std::make_unique<TFormVEXAYScale>();
    return std::make_unique<TFormVEXAModOptions>();
}

template<class T = QWidget>
T *Child(const QWidget *dialog, const QString &name)
{
    return dialog->findChild<T *>(name);
}

// Keys travel the way real input does: through the window.
void Press(QWidget *w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(w->window()->windowHandle(), key, modifiers);
}

QString FocusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

/*
    Shows the dialog modally, runs `whileOpen` inside its loop, and returns
    the modal result. A dialog still open after `whileOpen` is cancelled.
*/
int RunModal(TParamDialogFrame *dialog, const std::function<void()> &whileOpen, bool *ran = nullptr)
{
    OnNextModal([=](QWidget *modal) {
        QCOMPARE(modal, static_cast<QWidget *>(dialog));
        if (ran)
            *ran = true;
        whileOpen();
    });
    return dialog->exec();
}

// Every value a user can leave in the dialog, and which groups show.
QStringList Snapshot(const QWidget *dialog)
{
    QStringList s;
    const QList<QWidget *> all = dialog->findChildren<QWidget *>();
    for (const QWidget *w : all) {
        const QString n = w->objectName();
        if (n.isEmpty() || n.startsWith(QLatin1String("qt_")))
            continue;
        if (auto *edit = qobject_cast<const QLineEdit *>(w))
            s << n + QLatin1Char('=') + edit->text();
        else if (auto *combo = qobject_cast<const QComboBox *>(w))
            s << n + QLatin1Char('#') + combo->currentText();
        else if (auto *button = qobject_cast<const QAbstractButton *>(w); button && button->isCheckable())
            s << n + (button->isChecked() ? QLatin1String(" on") : QLatin1String(" off"));
        else if (auto *group = qobject_cast<const QGroupBox *>(w))
            s << n + (group->isVisibleTo(dialog) ? QLatin1String(" shown") : QLatin1String(" hidden"));
        else if (auto *grid = qobject_cast<const QTableWidget *>(w))
            s << n + QStringLiteral(" row %1 of %2").arg(grid->currentRow()).arg(grid->rowCount());
        else if (auto *list = qobject_cast<const QListWidget *>(w))
            s << n + QStringLiteral(" %1 items").arg(list->count());
    }
    return s;
}

// What a user might do: every text, tick, unit and choice changed.
void ChangeEverything(QWidget *dialog)
{
    const QList<QWidget *> all = dialog->findChildren<QWidget *>();
    QList<QWidget *> radioParents;
    for (QWidget *w : all) {
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            edit->setText(edit->text() + QStringLiteral("-7,5x"));
        else if (auto *check = qobject_cast<QCheckBox *>(w))
            check->click();
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
        else if (qobject_cast<QRadioButton *>(w) && !radioParents.contains(w->parentWidget()))
            radioParents << w->parentWidget();
    }
    for (QWidget *parent : radioParents) {
        const QList<QRadioButton *> buttons = parent->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
        for (auto it = buttons.rbegin(); it != buttons.rend(); ++it)
            if (!(*it)->isChecked()) {
                (*it)->click();
                break;
            }
    }
}

// The room a check box or radio button gives its caption.
QRect CaptionRoom(const QAbstractButton *button, int width)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect.setWidth(width);
    option.text = button->text();
    const bool radio = qobject_cast<const QRadioButton *>(button);
    return button->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents,
                                           &option, button);
}

// Where a control's painting lies, in the dialog's coordinates: captions end where their text ends.
QRect DrawnRect(const QWidget *w, const QWidget *dialog)
{
    QRect r = w->rect();
    if (auto *bevel = qobject_cast<const TBevel *>(w)) {
        r = bevel->LineRect();
    } else if (auto *label = qobject_cast<const QLabel *>(w)) {
        const int text = label->fontMetrics().horizontalAdvance(label->text());
        if (label->alignment() & Qt::AlignRight)
            r.setLeft(r.right() + 1 - text);
        else
            r.setWidth(text);
    } else if (auto *button = qobject_cast<const QAbstractButton *>(w);
               button && (qobject_cast<const QRadioButton *>(w) || qobject_cast<const QCheckBox *>(w))) {
        const QRect room = CaptionRoom(button, w->width());
        r.setWidth(room.left() + button->fontMetrics().horizontalAdvance(button->text()));
    }
    return QRect(w->mapTo(dialog, r.topLeft()), r.size());
}

// A control the user sees, as opposed to the frames and panels that hold controls.
bool IsLeaf(const QWidget *w)
{
    if (qobject_cast<const QGroupBox *>(w) || qobject_cast<const TDialogToolBar *>(w)
        || qobject_cast<const TFrameImageList *>(w))
        return false;
    // Frameless panels are plain widgets; controls are never plain widgets.
    return QByteArray(w->metaObject()->className()) != "QWidget";
}

// One row of a control table: name, kind, parent, design rectangle, caption or text, ticked (-1: not a switch).
struct ControlRow
{
    const char *name;
    const char *kind;
    const char *parent;
    QRect rect;
    const char *text;
    int checked;
};

#define R(x, y, w, h) QRect(x, y, w, h)
const ControlRow FreqOptionsControls[] = {
    {"GroupBox1", "QGroupBox", FreqOptions, R(8, 8, 637, 177), "Frequency ranges (select one and edit the parameters below):", -1},
    {"StringGrid1", "QTableWidget", "GroupBox1", R(8, 16, 621, 120), "", -1},
    {"BitBtn4", "QPushButton", "GroupBox1", R(8, 144, 75, 25), "&Add", -1},
    {"BitBtn5", "QPushButton", "GroupBox1", R(88, 144, 75, 25), "&Delete", -1},
    {"GroupBox2", "QGroupBox", FreqOptions, R(8, 192, 637, 149), "Edit the frequency range selected in the list above:", -1},
    {"Label1", "QLabel", "GroupBox2", R(8, 28, 22, 13), "Unit:", -1},
    {"Label2", "QLabel", "GroupBox2", R(8, 52, 44, 13), "Minimum:", -1},
    {"Label3", "QLabel", "GroupBox2", R(8, 76, 47, 13), "Maximum:", -1},
    {"ComboBox1", "QComboBox", "GroupBox2", R(96, 24, 121, 21), "MHz", -1},
    {"Edit1", "QLineEdit", "GroupBox2", R(96, 48, 121, 21), "1", -1},
    {"Edit2", "QLineEdit", "GroupBox2", R(96, 72, 121, 21), "1000", -1},
    {"Panel1", "QWidget", "GroupBox2", R(296, 16, 205, 89), "", -1},
    {"RadioButton1", "QRadioButton", "Panel1", R(8, 8, 189, 17), "Linear step size:", 1},
    {"RadioButton2", "QRadioButton", "Panel1", R(8, 36, 189, 17), "Logarithmic step size f(n) : f(n-1):", 0},
    {"RadioButton3", "QRadioButton", "Panel1", R(8, 64, 189, 17), "Single frequencies only:", 0},
    {"Edit3", "QLineEdit", "GroupBox2", R(508, 24, 121, 21), "1", -1},
    {"Edit4", "QLineEdit", "GroupBox2", R(508, 48, 121, 21), "1,05", -1},
    {"BitBtn6", "QPushButton", "GroupBox2", R(508, 72, 121, 25), "&List...", -1},
    {"Label6", "QLabel", "GroupBox2", R(308, 116, 146, 13), "Dwell time per frequency in ms:", -1},
    {"Edit5", "QLineEdit", "GroupBox2", R(508, 112, 121, 21), "500", -1},
    {"GroupBox4", "QGroupBox", FreqOptions, R(8, 348, 637, 85), "Interpolation between curve points:", -1},
    {"Panel2", "QWidget", "GroupBox4", R(8, 16, 213, 65), "", -1},
    {"RadioButton4", "QRadioButton", "Panel2", R(4, 4, 201, 17), "Linear", 0},
    {"RadioButton5", "QRadioButton", "Panel2", R(4, 24, 201, 17), "Logarithmic", 0},
    {"RadioButton6", "QRadioButton", "Panel2", R(4, 44, 201, 17), "Automatic (equal step size type)", 1},
    {"Bevel1", "TBevel", "GroupBox4", R(288, 12, 13, 65), "left line", -1},
    {"CheckBox1", "QCheckBox", "GroupBox4", R(308, 24, 213, 17), "Warning in case of interpolation", 1},
    {"CheckBox2", "QCheckBox", "GroupBox4", R(308, 52, 213, 17), "Warning in case of extrapolation", 1},
};

const ControlRow FreqScaleControls[] = {
    {"GroupBox1", "QGroupBox", FreqScale, R(8, 212, 421, 89), "Frequency scale type:", -1},
    {"RadioButton4", "QRadioButton", "GroupBox1", R(8, 24, 201, 17), "Linear", 0},
    {"RadioButton5", "QRadioButton", "GroupBox1", R(8, 44, 201, 17), "Logarithmic", 0},
    {"RadioButton6", "QRadioButton", "GroupBox1", R(8, 64, 201, 17), "Automatic (equal step size type)", 1},
    {"GroupBox2", "QGroupBox", FreqScale, R(8, 4, 421, 201), "Frequency scale clipping:", -1},
    {"Panel1", "QWidget", "GroupBox2", R(4, 16, 409, 101), "", -1},
    {"RadioButton1", "QRadioButton", "Panel1", R(4, 8, 401, 17), "Automatic, show all frequency ranges in the same window at a time", 1},
    {"RadioButton2", "QRadioButton", "Panel1", R(4, 32, 401, 17), "Automatic, show all frequency range in the same window one after another", 0},
    {"RadioButton9", "QRadioButton", "Panel1", R(4, 56, 401, 17), "Automatic, show every frequency range in an extra window", 0},
    {"RadioButton3", "QRadioButton", "Panel1", R(4, 80, 401, 17), "Fixed:", 0},
    {"Label1", "QLabel", "GroupBox2", R(28, 124, 22, 13), "Unit:", -1},
    {"Label2", "QLabel", "GroupBox2", R(28, 148, 44, 13), "Minimum:", -1},
    {"Label3", "QLabel", "GroupBox2", R(28, 172, 47, 13), "Maximum:", -1},
    {"ComboBox1", "QComboBox", "GroupBox2", R(116, 120, 121, 21), "MHz", -1},
    {"Edit1", "QLineEdit", "GroupBox2", R(116, 144, 121, 21), "1", -1},
    {"Edit2", "QLineEdit", "GroupBox2", R(116, 168, 121, 21), "1000", -1},
    {"GroupBox3", "QGroupBox", FreqScale, R(8, 372, 421, 69), "Frequency scale for different windows:", -1},
    {"RadioButton7", "QRadioButton", "GroupBox3", R(8, 24, 289, 17), "Apply these view options to all windows", 1},
    {"RadioButton8", "QRadioButton", "GroupBox3", R(8, 44, 289, 17), "Apply these view options to foreground window only", 0},
    {"GroupBox4", "QGroupBox", FreqScale, R(8, 308, 421, 57), "Display digits after decimal separator:", -1},
    {"Label4", "QLabel", "GroupBox4", R(8, 28, 85, 13), "Maximum number:", -1},
    {"Edit3", "QLineEdit", "GroupBox4", R(120, 24, 121, 21), "6", -1},
};

const ControlRow YOptionsControls[] = {
    {"GroupBox2", "QGroupBox", YOptions, R(4, 4, 637, 97), "", -1},
    {"Label1", "QLabel", "GroupBox2", R(8, 20, 22, 13), "Unit:", -1},
    {"Label2", "QLabel", "GroupBox2", R(8, 44, 44, 13), "Minimum:", -1},
    {"Label3", "QLabel", "GroupBox2", R(8, 68, 47, 13), "Maximum:", -1},
    {"ComboBox1", "QComboBox", "GroupBox2", R(96, 16, 121, 21), "V/m", -1},
    {"Edit1", "QLineEdit", "GroupBox2", R(96, 40, 121, 21), "0", -1},
    {"Edit2", "QLineEdit", "GroupBox2", R(96, 64, 121, 21), "100", -1},
    {"Panel1", "QWidget", "GroupBox2", R(296, 8, 205, 61), "", -1},
    {"RadioButton1", "QRadioButton", "Panel1", R(8, 8, 189, 17), "Linear step size:", 1},
    {"RadioButton2", "QRadioButton", "Panel1", R(8, 36, 189, 17), "Logarithmic step size Y(n) : Y(n-1):", 0},
    {"Edit3", "QLineEdit", "GroupBox2", R(508, 16, 121, 21), "1", -1},
    {"Edit4", "QLineEdit", "GroupBox2", R(508, 40, 121, 21), "1,05", -1},
    {"GroupBox1", "QGroupBox", YOptions, R(4, 108, 637, 149), "Levelling stops, after this tolerance condition is fulfilled:", -1},
    {"Panel2", "QWidget", "GroupBox1", R(4, 16, 273, 129), "", -1},
    {"RadioButton5", "QRadioButton", "Panel2", R(4, 8, 189, 17), "Level = Target or above", 0},
    {"RadioButton4", "QRadioButton", "Panel2", R(4, 36, 189, 17), "Level = Target \u00b1 0.5 step size", 1},
    {"RadioButton3", "QRadioButton", "Panel2", R(4, 64, 109, 17), "Level = Target", 0},
    {"Label4", "QLabel", "Panel2", R(112, 64, 17, 13), "+ %", -1},
    {"Label5", "QLabel", "Panel2", R(115, 88, 14, 13), "- %", -1},
    {"Edit7", "QLineEdit", "GroupBox1", R(144, 76, 121, 21), "10", -1},
    {"Edit8", "QLineEdit", "GroupBox1", R(144, 100, 121, 21), "10", -1},
};

const ControlRow YScaleControls[] = {
    {"GroupBox1", "QGroupBox", YScale, R(8, 164, 345, 89), "Level scale type:", -1},
    {"RadioButton4", "QRadioButton", "GroupBox1", R(8, 24, 201, 17), "Linear", 0},
    {"RadioButton5", "QRadioButton", "GroupBox1", R(8, 44, 201, 17), "Logarithmic", 0},
    {"RadioButton6", "QRadioButton", "GroupBox1", R(8, 64, 201, 17), "Automatic (equal step size type)", 1},
    {"GroupBox2", "QGroupBox", YScale, R(8, 8, 345, 153), "Level scale clipping:", -1},
    {"Panel1", "QWidget", "GroupBox2", R(4, 16, 237, 57), "", -1},
    {"RadioButton9", "QRadioButton", "Panel1", R(4, 8, 229, 17), "Automatic (equal strength parameters)", 1},
    {"RadioButton3", "QRadioButton", "Panel1", R(4, 32, 229, 17), "Fixed:", 0},
    {"Label1", "QLabel", "GroupBox2", R(28, 76, 22, 13), "Unit:", -1},
    {"Label2", "QLabel", "GroupBox2", R(28, 100, 44, 13), "Minimum:", -1},
    {"Label3", "QLabel", "GroupBox2", R(28, 124, 47, 13), "Maximum:", -1},
    {"ComboBox1", "QComboBox", "GroupBox2", R(116, 72, 121, 21), "V/m", -1},
    {"Edit1", "QLineEdit", "GroupBox2", R(116, 96, 121, 21), "1", -1},
    {"Edit2", "QLineEdit", "GroupBox2", R(116, 120, 121, 21), "1000", -1},
    {"GroupBox3", "QGroupBox", YScale, R(8, 324, 345, 69), "Level scale for different windows:", -1},
    {"RadioButton7", "QRadioButton", "GroupBox3", R(8, 24, 289, 17), "Apply these view options to all windows", 1},
    {"RadioButton8", "QRadioButton", "GroupBox3", R(8, 44, 289, 17), "Apply these view options to foreground window only", 0},
    {"GroupBox4", "QGroupBox", YScale, R(8, 260, 345, 57), "Display digits after decimal separator:", -1},
    {"Label4", "QLabel", "GroupBox4", R(8, 28, 85, 13), "Maximum number:", -1},
    {"Edit3", "QLineEdit", "GroupBox4", R(120, 24, 121, 21), "3", -1},
};

const ControlRow ModOptionsControls[] = {
    {"GroupBox1", "QGroupBox", ModOptions, R(8, 8, 457, 125), "Modulation type (select type to display more options):", -1},
    {"RadioButton4", "QRadioButton", "GroupBox1", R(8, 24, 201, 17), "No modulation", 0},
    {"RadioButton5", "QRadioButton", "GroupBox1", R(8, 48, 201, 17), "Amplitude modulation", 1},
    {"RadioButton6", "QRadioButton", "GroupBox1", R(8, 72, 201, 17), "Pulse modulation", 0},
    {"RadioButton10", "QRadioButton", "GroupBox1", R(8, 96, 201, 17), "Special", 0},
    {"GroupGeneral", "QGroupBox", ModOptions, R(8, 140, 457, 37), "", -1},
    {"CheckBox1", "QCheckBox", "GroupGeneral", R(8, 12, 297, 17), "Switch Modulation off while levelling (recommended)", 1},
    {"GroupAM", "QGroupBox", ModOptions, R(8, 184, 457, 297), "Amplitude modulation:", -1},
    {"Panel1", "QWidget", "GroupAM", R(8, 16, 401, 49), "", -1},
    {"RadioButton1", "QRadioButton", "Panel1", R(0, 8, 373, 17), "Use RF generator internal modulation source", 1},
    {"RadioButton2", "QRadioButton", "Panel1", R(0, 28, 373, 17), "Use external modulation source", 0},
    {"Bevel1", "TBevel", "GroupAM", R(8, 68, 437, 13), "top line", -1},
    {"Label1", "QLabel", "GroupAM", R(8, 88, 49, 13), "AM depth:", -1},
    {"Edit2", "QLineEdit", "GroupAM", R(96, 84, 121, 21), "80", -1},
    {"Label4", "QLabel", "GroupAM", R(224, 88, 8, 13), "%", -1},
    {"Label2", "QLabel", "GroupAM", R(8, 112, 53, 13), "Frequency:", -1},
    {"Edit1", "QLineEdit", "GroupAM", R(96, 108, 121, 21), "1000", -1},
    {"Label3", "QLabel", "GroupAM", R(224, 112, 166, 13), "Hz   (for internal modulation source)", -1},
    {"CheckBox2", "QCheckBox", "GroupAM", R(8, 136, 401, 17), "Soft modulation on/off switching (minimize/refresh AM depth, recommended)", 1},
    {"Bevel2", "TBevel", "GroupAM", R(8, 164, 437, 13), "top line", -1},
    {"Label6", "QLabel", "GroupAM", R(8, 176, 53, 13), "If AM is on:", -1},
    {"CheckBox3", "QCheckBox", "GroupAM", R(8, 200, 393, 17), "Reduce RF power, so RF signal peak is the same as for AM off", 0},
    {"CheckBox5", "QCheckBox", "GroupAM", R(8, 224, 437, 17), "Reduce RF power, so RMS equivalent of RF signal peak is the same as for AM off", 0},
    {"Label7", "QLabel", "GroupAM", R(28, 244, 143, 13), "(according ISO 11451, 11452)", -1},
    {"CheckBox4", "QCheckBox", "GroupAM", R(8, 268, 201, 17), "Reduce RF generator power limit for:", 1},
    {"Edit3", "QLineEdit", "GroupAM", R(216, 264, 121, 21), "6", -1},
    {"Label5", "QLabel", "GroupAM", R(344, 268, 13, 13), "dB", -1},
    {"GroupPM", "QGroupBox", ModOptions, R(8, 184, 457, 161), "Pulse modulation:", -1},
    {"Panel2", "QWidget", "GroupPM", R(8, 16, 401, 49), "", -1},
    {"RadioButton3", "QRadioButton", "Panel2", R(0, 8, 373, 17), "Use RF generator internal modulation source", 1},
    {"RadioButton7", "QRadioButton", "Panel2", R(0, 28, 373, 17), "Use external modulation source", 0},
    {"Bevel3", "TBevel", "GroupPM", R(8, 68, 437, 13), "top line", -1},
    {"Label12", "QLabel", "GroupPM", R(8, 84, 144, 13), "For internal modulation source:", -1},
    {"Label8", "QLabel", "GroupPM", R(8, 108, 53, 13), "Duty cycle:", -1},
    {"Edit5", "QLineEdit", "GroupPM", R(96, 104, 121, 21), "50", -1},
    {"Label11", "QLabel", "GroupPM", R(224, 108, 8, 13), "%", -1},
    {"Label9", "QLabel", "GroupPM", R(8, 132, 53, 13), "Frequency:", -1},
    {"Edit4", "QLineEdit", "GroupPM", R(96, 128, 121, 21), "1000", -1},
    {"Label10", "QLabel", "GroupPM", R(224, 132, 13, 13), "Hz", -1},
    {"GroupSpecial", "QGroupBox", ModOptions, R(8, 184, 457, 297), "Special modulation:", -1},
    {"BitBtn4", "QPushButton", "GroupSpecial", R(374, 20, 75, 25), "Edit...", -1},
    {"Label13", "QLabel", "GroupSpecial", R(8, 28, 264, 13), "Execute these actions, when modulation is switched on:", -1},
    {"ListBox1", "QListWidget", "GroupSpecial", R(8, 52, 441, 61), "", -1},
    {"BitBtn5", "QPushButton", "GroupSpecial", R(374, 128, 75, 25), "Edit...", -1},
    {"Label14", "QLabel", "GroupSpecial", R(8, 136, 264, 13), "Execute these actions, when modulation is switched off:", -1},
    {"ListBox2", "QListWidget", "GroupSpecial", R(8, 160, 441, 61), "", -1},
    {"Bevel4", "TBevel", "GroupSpecial", R(8, 228, 437, 13), "top line", -1},
    {"Label17", "QLabel", "GroupSpecial", R(8, 244, 163, 13), "Display this text if modulation is on:", -1},
    {"Edit7", "QLineEdit", "GroupSpecial", R(8, 264, 437, 21), "Modulation on", -1},
};
#undef R

struct FormTable
{
    const char *form;
    const ControlRow *rows;
    std::size_t count;
};
const FormTable ControlTables[] = {
    {FreqOptions, FreqOptionsControls, std::size(FreqOptionsControls)},
    {FreqScale, FreqScaleControls, std::size(FreqScaleControls)},
    {YOptions, YOptionsControls, std::size(YOptionsControls)},
    {YScale, YScaleControls, std::size(YScaleControls)},
    {ModOptions, ModOptionsControls, std::size(ModOptionsControls)},
};

/*
    The size a control ends up with: the design size, widened where the
    system's font needs more room for the caption than the design font did.
*/
QRect ExpectedRect(const QWidget *w, const QRect &design)
{
    int missing = 0;
    if (auto *label = qobject_cast<const QLabel *>(w))
        missing = label->sizeHint().width() - design.width();
    else if (auto *button = qobject_cast<const QAbstractButton *>(w);
             button && (qobject_cast<const QRadioButton *>(w) || qobject_cast<const QCheckBox *>(w)))
        missing = button->fontMetrics().horizontalAdvance(button->text()) - CaptionRoom(button, design.width()).width();
    if (missing <= 0)
        return design;
    QRect r = design;
    auto *label = qobject_cast<const QLabel *>(w);
    if (label && (label->alignment() & Qt::AlignRight))
        r.setLeft(r.left() - missing);
    else
        r.setWidth(r.width() + missing);
    return r;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void windowSettings_data();
    void windowSettings();
    void controls_data();
    void controls();
    void dropDownLists_data();
    void dropDownLists();
    void rangeGrid();
    void toolbar_data();
    void toolbar();
    void dialogActions_data();
    void dialogActions();
    void tabOrder_data();
    void tabOrder();
    void arrowKeysFollowTabOrder_data();
    void arrowKeysFollowTabOrder();
    void closingKeepsValues_data();
    void closingKeepsValues();
    void pressingWithoutClosing_data();
    void pressingWithoutClosing();
    void closeQueryDecides();
    void modulationSwitching_data();
    void modulationSwitching();
    void hiddenGroupsKeepTheirValues();
    void desktopCentre_data();
    void desktopCentre();
    void centredFirstThenWhereLeft_data();
    void centredFirstThenWhereLeft();
    void mainWindowKeysDoNothingWhileOpen_data();
    void mainWindowKeysDoNothingWhileOpen();
    void captionsFitAndNothingOverlaps_data();
    void captionsFitAndNothingOverlaps();
};

void TestDialogs::cleanup()
{
    // A failed check inside a modal loop may leave the dialog open.
    while (QWidget *modal = QApplication::activeModalWidget())
        modal->close();
}

// ---------------------------------------------------------------- the form

void TestDialogs::windowSettings_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QPoint>("imageList");
    QTest::addColumn<bool>("closeQuery");
    QTest::newRow("frequency parameters") << FreqOptions << "Frequency parameters" << QSize(650, 468) << QPoint(412, 418) << true;
    QTest::newRow("frequency scale") << FreqScale << "Frequency scale" << QSize(437, 477) << QPoint(352, 390) << false;
    QTest::newRow("level parameters") << YOptions << "Level parameters" << QSize(648, 293) << QPoint(436, 250) << false;
    QTest::newRow("level scale") << YScale << "Level scale" << QSize(362, 431) << QPoint(280, 190) << false;
    QTest::newRow("modulation parameters") << ModOptions << "Modulation parameters" << QSize(472, 513) << QPoint(372, 475) << false;
}

void TestDialogs::windowSettings()
{
    QFETCH(QString, form);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(QPoint, imageList);
    QFETCH(bool, closeQuery);
    auto dialog = CreateDialog(form);
    QCOMPARE(dialog->objectName(), form);
    QCOMPARE(dialog->windowTitle(), caption);
    QVERIFY(dialog->isHidden());
    // Fixed size, movable, system menu and close box only.
    QCOMPARE(dialog->size(), client);
    QCOMPARE(dialog->minimumSize(), client);
    QCOMPARE(dialog->maximumSize(), client);
    const Qt::WindowFlags flags = dialog->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint)));
    QCOMPARE(dialog->font().pixelSize(), TParamDialogFrame::DesignFontPixels);
    // Its own invisible image list.
    QVERIFY(dialog->FrameImageList1);
    QCOMPARE(dialog->FrameImageList1->objectName(), QStringLiteral("FrameImageList1"));
    QCOMPARE(dialog->FrameImageList1->parentWidget(), dialog.get());
    QCOMPARE(dialog->FrameImageList1->geometry(), QRect(imageList, QSize(73, 49)));
    QVERIFY(dialog->FrameImageList1->isHidden());
    QCOMPARE(bool(dialog->OnCloseQuery), closeQuery);
}

void TestDialogs::controls_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("checked");
    for (const FormTable &table : ControlTables)
        for (std::size_t i = 0; i < table.count; ++i) {
            const ControlRow &r = table.rows[i];
            QTest::addRow("%s %s", table.form, r.name) << table.form << r.name << r.kind << r.parent << r.rect
                                                        << QString::fromUtf8(r.text) << r.checked;
        }
}

void TestDialogs::controls()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(QRect, rect);
    QFETCH(QString, text);
    QFETCH(int, checked);
    auto dialog = CreateDialog(form);
    const QList<QWidget *> named = dialog->findChildren<QWidget *>(name);
    QCOMPARE(named.size(), 1);
    QWidget *w = named.first();
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), kind);
    QVERIFY(w->parentWidget());
    QCOMPARE(w->parentWidget()->objectName(), parent);
    QCOMPARE(w->geometry(), ExpectedRect(w, rect));
    // No control is disabled.
    QVERIFY(w->isEnabled());

    QString shown;
    if (auto *label = qobject_cast<QLabel *>(w))
        shown = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        shown = button->text();
    else if (auto *group = qobject_cast<QGroupBox *>(w))
        shown = group->title();
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        shown = edit->text();
    else if (auto *combo = qobject_cast<QComboBox *>(w))
        shown = combo->currentText();
    else if (auto *bevel = qobject_cast<TBevel *>(w))
        shown = bevel->shape() == TBevel::bsTopLine ? QStringLiteral("top line") : QStringLiteral("left line");
    QCOMPARE(shown, text);
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        QCOMPARE(int(button->isChecked()), checked == -1 ? 0 : checked);
    if (auto *label = qobject_cast<QLabel *>(w))
        QCOMPARE(label->textFormat(), Qt::PlainText);
}

void TestDialogs::dropDownLists_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("items");
    const QStringList frequencyUnits{"mHz", "Hz", "kHz", "MHz", "GHz"};
    const QStringList levelUnits{QStringLiteral("nV/m"),   QStringLiteral("\u00b5V/m"),   QStringLiteral("mV/m"),
                                 QStringLiteral("V/m"),    QStringLiteral("kV/m"),        QStringLiteral("MV/m"),
                                 QStringLiteral("dBnV/m"), QStringLiteral("dB\u00b5V/m"), QStringLiteral("dBmV/m"),
                                 QStringLiteral("dBV/m"),  QStringLiteral("dBkV/m"),      QStringLiteral("dBMV/m")};
    QTest::newRow("frequency parameters") << FreqOptions << frequencyUnits;
    QTest::newRow("frequency scale") << FreqScale << frequencyUnits;
    QTest::newRow("level parameters") << YOptions << levelUnits;
    QTest::newRow("level scale") << YScale << levelUnits;
}

void TestDialogs::dropDownLists()
{
    QFETCH(QString, form);
    QFETCH(QStringList, items);
    auto dialog = CreateDialog(form);
    auto *combo = Child<QComboBox>(dialog.get(), QStringLiteral("ComboBox1"));
    QVERIFY(combo);
    QVERIFY(!combo->isEditable());  // one of the units, no free text
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    QCOMPARE(shown, items);
    QCOMPARE(combo->currentIndex(), 3);
    // The micro sign, not the Greek letter mu.
    for (const QString &item : std::as_const(shown))
        QVERIFY(!item.contains(QChar(0x03BC)));
}

void TestDialogs::rangeGrid()
{
    TFormVEXAFreqOptions dialog;
    QTableWidget *grid = dialog.StringGrid1;
    QCOMPARE(grid->columnCount(), 7);
    QCOMPARE(grid->rowCount(), 1);  // the blank data row below the fixed header row
    const int widths[] = {118, 118, 46, 116, 49, 116, 49};
    for (int c = 0; c < 7; ++c) {
        QCOMPARE(grid->columnWidth(c), widths[c]);
        QVERIFY(grid->horizontalHeaderItem(c));
        QCOMPARE(grid->horizontalHeaderItem(c)->text(), QString());
        QVERIFY(!grid->item(0, c) || grid->item(0, c)->text().isEmpty());
    }
    QVERIFY(grid->horizontalHeader()->isVisibleTo(&dialog));
    QCOMPARE(grid->horizontalHeader()->height(), 18);
    QCOMPARE(grid->rowHeight(0), 18);
    QVERIFY(!grid->verticalHeader()->isVisibleTo(&dialog));
    QCOMPARE(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    QVERIFY(!grid->horizontalHeader()->sectionsMovable());
    QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!grid->tabKeyNavigation());
    QCOMPARE(grid->currentRow(), 0);

    // Typing into the grid, Add and Delete change nothing.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    grid->setFocus();
    for (Qt::Key key : {Qt::Key_1, Qt::Key_F2, Qt::Key_2})
        Press(&dialog, key);
    dialog.BitBtn4->click();
    dialog.BitBtn5->click();
    QCOMPARE(grid->rowCount(), 1);
    for (int c = 0; c < 7; ++c)
        QVERIFY(!grid->item(0, c) || grid->item(0, c)->text().isEmpty());
    QVERIFY(dialog.isVisible());
}

// ---------------------------------------------------------------- the frame

void TestDialogs::toolbar_data()
{
    QTest::addColumn<QString>("form");
    for (const char *form : AllForms)
        QTest::newRow(form) << form;
}

void TestDialogs::toolbar()
{
    QFETCH(QString, form);
    auto dialog = CreateDialog(form);
    TDialogToolBar *bar = dialog->ToolBar1;
    QCOMPARE(bar->objectName(), QStringLiteral("ToolBar1"));
    QCOMPARE(bar->geometry(), QRect(0, dialog->height() - 27, dialog->width(), 27));

    struct Expected
    {
        const char *name;
        int left, width;
        const char *text;
    };
    const Expected buttons[] = {{"BitBtn1", 0, 75, "OK"},       {"BitBtn2", 75, 75, "Cancel"},
                                {"BitBtn3", 150, 75, "&Help"},  {"ToolButton2", 225, 8, ""},
                                {"ToolButton1", 233, 23, ""},   {"ToolButton3", 256, 23, ""},
                                {"ToolButton4", 279, 23, ""}};
    for (const Expected &e : buttons) {
        QWidget *w = Child(bar, QString::fromLatin1(e.name));
        QVERIFY2(w, e.name);
        QCOMPARE(w->parentWidget(), bar);
        // Below the 2-pixel edge line, 25 pixels high.
        QCOMPARE(w->geometry(), QRect(e.left, 2, e.width, 25));
        if (auto *push = qobject_cast<QPushButton *>(w)) {
            QCOMPARE(push->text(), QString::fromLatin1(e.text));
            QVERIFY(!push->icon().isNull());
        }
    }
    QVERIFY(dialog->BitBtn1->isDefault());
    QVERIFY(!dialog->BitBtn2->isDefault() && !dialog->BitBtn3->isDefault());
    QCOMPARE(dialog->ToolButton2->frameShape(), QFrame::VLine);

    // The tool buttons show their actions' pictures and hints, and take no focus.
    struct Tool
    {
        QToolButton *button;
        int picture;
        const char *tip;
    };
    const Tool tools[] = {{dialog->ToolButton1, 7, "Load settings of this window from a file"},
                          {dialog->ToolButton3, 8, "Save settings of this window into a file"},
                          {dialog->ToolButton4, 46, "Disable / reenable features of this window"}};
    const TImageList *pictures = dialog->FrameImageList1->ImageListAll;
    for (const Tool &t : tools) {
        QCOMPARE(t.button->toolTip(), QString::fromLatin1(t.tip));
        QCOMPARE(t.button->icon().pixmap(16, 16).toImage(), pictures->Pixmap(t.picture).toImage());
        QVERIFY(t.button->isEnabled());
        QVERIFY(t.button->autoRaise());
        QCOMPARE(t.button->focusPolicy(), Qt::NoFocus);
        QVERIFY(t.button->text().isEmpty() || t.button->toolButtonStyle() == Qt::ToolButtonIconOnly);
    }
}

void TestDialogs::dialogActions_data()
{
    QTest::addColumn<QString>("form");
    for (const char *form : AllForms)
        QTest::newRow(form) << form;
}

void TestDialogs::dialogActions()
{
    QFETCH(QString, form);
    auto dialog = CreateDialog(form);
    TActionManager *manager = dialog->ActionManagerDialog;
    QCOMPARE(manager->objectName(), QStringLiteral("ActionManagerDialog"));
    QCOMPARE(manager->Images, dialog->FrameImageList1->ImageListAll);
    QCOMPARE(manager->StyleName, QStringLiteral("XP Style"));
    QVERIFY(manager->Categories().isEmpty() || manager->Categories() == QStringList{QString()});

    struct Expected
    {
        const char *name, *caption, *hint;
        int image;
        bool handled;
    };
    const Expected expected[] = {
        {"ActionDialogLoad", "ActionDialogLoad", "Load settings of this window from a file", 7, true},
        {"ActionDialogSave", "ActionDialogSave", "Save settings of this window into a file", 8, true},
        {"ActionDialogLock", "ActionDialogLock", "Disable / reenable features of this window", 46, true},
        {"ActionDialogStepByStep", "ActionDialogStepByStep", "Guide through this window step by step", 47, false},
        {"ActionDialogBack", "Back", "Go back one step", 26, false},
        {"ActionDialogNext", "Next", "Go forward one step", 24, false},
        {"ActionDialogCancelStepByStep", "Cancel", "Do not apply and loose settings and close window", 18, false},
    };
    QCOMPARE(manager->ActionCount(), int(std::size(expected)));
    for (int i = 0; i < manager->ActionCount(); ++i) {
        TCustomAction *a = manager->Actions(i);
        QCOMPARE(a->Name(), QString::fromLatin1(expected[i].name));
        QVERIFY(dynamic_cast<TAction *>(a));
        QCOMPARE(a->Caption(), QString::fromLatin1(expected[i].caption));
        QCOMPARE(a->Hint(), QString::fromLatin1(expected[i].hint));
        QCOMPARE(a->ImageIndex(), expected[i].image);
        QCOMPARE(a->ShortCut(), TShortCut(0));
        QCOMPARE(bool(a->OnExecute), expected[i].handled);
        QCOMPARE(a->parent(), dialog.get());
    }
    QCOMPARE(static_cast<TCustomAction *>(dialog->ActionDialogLoad), manager->Actions(0));
    QCOMPARE(static_cast<TCustomAction *>(dialog->ActionDialogCancelStepByStep), manager->Actions(6));
}

// ---------------------------------------------------------------- keyboard

void TestDialogs::tabOrder_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("select");  // a radio button clicked before the first showing
    QTest::addColumn<QStringList>("order");
    const QStringList bar{"BitBtn1", "BitBtn2", "BitBtn3"};
    QTest::newRow("frequency parameters")
        << FreqOptions << ""
        << bar + QStringList{"StringGrid1", "BitBtn4", "BitBtn5", "RadioButton1", "Edit1", "Edit2", "ComboBox1",
                             "Edit3", "Edit4", "Edit5", "BitBtn6", "RadioButton6", "CheckBox1", "CheckBox2"};
    QTest::newRow("frequency parameters, single frequencies")
        << FreqOptions << "RadioButton3"
        << bar + QStringList{"StringGrid1", "BitBtn4", "BitBtn5", "RadioButton3", "Edit1", "Edit2", "ComboBox1",
                             "Edit3", "Edit4", "Edit5", "BitBtn6", "RadioButton6", "CheckBox1", "CheckBox2"};
    QTest::newRow("frequency scale")
        << FreqScale << ""
        << bar + QStringList{"RadioButton6", "RadioButton1", "Edit1", "Edit2", "ComboBox1", "RadioButton7", "Edit3"};
    QTest::newRow("frequency scale, fixed")
        << FreqScale << "RadioButton3"
        << bar + QStringList{"RadioButton6", "RadioButton3", "Edit1", "Edit2", "ComboBox1", "RadioButton7", "Edit3"};
    QTest::newRow("level parameters")
        << YOptions << ""
        << bar + QStringList{"RadioButton1", "Edit1", "Edit2", "ComboBox1", "Edit3", "Edit4", "RadioButton4",
                             "Edit7", "Edit8"};
    QTest::newRow("level scale")
        << YScale << ""
        << bar + QStringList{"RadioButton6", "RadioButton9", "Edit1", "Edit2", "ComboBox1", "RadioButton7", "Edit3"};
    QTest::newRow("modulation, amplitude")
        << ModOptions << ""
        << bar + QStringList{"RadioButton5", "RadioButton1", "Edit1", "Edit2", "CheckBox2", "CheckBox3",
                             "CheckBox4", "Edit3", "CheckBox5", "CheckBox1"};
    QTest::newRow("modulation, pulse") << ModOptions << "RadioButton6"
                                       << bar + QStringList{"RadioButton6", "CheckBox1", "RadioButton3", "Edit4", "Edit5"};
    QTest::newRow("modulation, special")
        << ModOptions << "RadioButton10"
        << bar + QStringList{"RadioButton10", "CheckBox1", "Edit7", "ListBox1", "ListBox2", "BitBtn4", "BitBtn5"};
    QTest::newRow("modulation, none") << ModOptions << "RadioButton4" << bar + QStringList{"RadioButton4"};
}

void TestDialogs::tabOrder()
{
    QFETCH(QString, form);
    QFETCH(QString, select);
    QFETCH(QStringList, order);
    auto dialog = CreateDialog(form);
    if (!select.isEmpty())
        Child<QRadioButton>(dialog.get(), select)->click();
    QString firstFocus;
    QStringList walked;
    bool ran = false;
    RunModal(dialog.get(), [&] {
        firstFocus = FocusName();
        walked << firstFocus;
        for (int i = 0; i < 2 * int(order.size()); ++i) {
            Press(dialog.get(), Qt::Key_Tab);
            if (FocusName() == firstFocus)
                break;
            walked << FocusName();
        }
    }, &ran);
    QVERIFY(ran);
    QCOMPARE(firstFocus, QStringLiteral("BitBtn1"));
    QCOMPARE(walked, order);
}

void TestDialogs::arrowKeysFollowTabOrder_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    // Clipping choices: tab order RadioButton1, 2, 3 ("Fixed:"), 9, while 9 stands above 3 on screen.
    QTest::newRow("scale: first, down") << FreqScale << "RadioButton1" << int(Qt::Key_Down) << "RadioButton2";
    QTest::newRow("scale: second, down to Fixed") << FreqScale << "RadioButton2" << int(Qt::Key_Down) << "RadioButton3";
    QTest::newRow("scale: Fixed, down to extra window") << FreqScale << "RadioButton3" << int(Qt::Key_Down) << "RadioButton9";
    QTest::newRow("scale: extra window, right wraps") << FreqScale << "RadioButton9" << int(Qt::Key_Right) << "RadioButton1";
    QTest::newRow("scale: first, up wraps") << FreqScale << "RadioButton1" << int(Qt::Key_Up) << "RadioButton9";
    QTest::newRow("scale: extra window, left to Fixed") << FreqScale << "RadioButton9" << int(Qt::Key_Left) << "RadioButton3";
    // Stop conditions: tab order runs from the bottom of the panel to the top.
    QTest::newRow("level: middle, down goes up") << YOptions << "RadioButton4" << int(Qt::Key_Down) << "RadioButton5";
    QTest::newRow("level: middle, right goes up") << YOptions << "RadioButton4" << int(Qt::Key_Right) << "RadioButton5";
    QTest::newRow("level: middle, up goes down") << YOptions << "RadioButton4" << int(Qt::Key_Up) << "RadioButton3";
    QTest::newRow("level: middle, left goes down") << YOptions << "RadioButton4" << int(Qt::Key_Left) << "RadioButton3";
    QTest::newRow("level: top, down wraps to bottom") << YOptions << "RadioButton5" << int(Qt::Key_Down) << "RadioButton3";
    QTest::newRow("level scale: automatic, down to Fixed") << YScale << "RadioButton9" << int(Qt::Key_Down) << "RadioButton3";
    QTest::newRow("level scale: Fixed, down wraps") << YScale << "RadioButton3" << int(Qt::Key_Down) << "RadioButton9";
    QTest::newRow("step kind: linear, down") << FreqOptions << "RadioButton1" << int(Qt::Key_Down) << "RadioButton2";
    QTest::newRow("scope: all, down") << FreqScale << "RadioButton7" << int(Qt::Key_Down) << "RadioButton8";
}

void TestDialogs::arrowKeysFollowTabOrder()
{
    QFETCH(QString, form);
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    auto dialog = CreateDialog(form);
    auto *start = Child<QRadioButton>(dialog.get(), from);
    auto *target = Child<QRadioButton>(dialog.get(), to);
    QVERIFY(start && target);
    start->click();
    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    start->setFocus(Qt::TabFocusReason);
    QCOMPARE(FocusName(), from);
    QSignalSpy clicked(target, &QAbstractButton::clicked);
    Press(dialog.get(), Qt::Key(key));
    QCOMPARE(FocusName(), to);
    QVERIFY(target->isChecked());
    QVERIFY(!start->isChecked());
    QCOMPARE(clicked.size(), 1);
    // The selected button is the group's only tab stop.
    const QList<QRadioButton *> group = target->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    for (QRadioButton *b : group)
        QCOMPARE(bool(b->focusPolicy() & Qt::TabFocus), b == target);
}

// ---------------------------------------------------------------- closing

void TestDialogs::closingKeepsValues_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("result");
    const std::pair<const char *, int> ways[] = {{"OK", QDialog::Accepted},
                                                 {"Cancel", QDialog::Rejected},
                                                 {"Enter in an edit", QDialog::Accepted},
                                                 {"Esc", QDialog::Rejected},
                                                 {"close box", QDialog::Rejected}};
    for (const char *form : AllForms)
        for (const auto &[way, result] : ways)
            QTest::addRow("%s, %s", form, way) << form << way << result;
}

void TestDialogs::closingKeepsValues()
{
    QFETCH(QString, form);
    QFETCH(QString, way);
    QFETCH(int, result);
    auto dialog = CreateDialog(form);
    TParamDialogFrame *d = dialog.get();
    QStringList left;
    QStringList executed;
    connect(d->ActionManagerDialog, &TActionManager::ActionExecuted, d,
            [&executed](TCustomAction *a) { executed << a->Name(); });
    const int got = RunModal(d, [&] {
        ChangeEverything(d);
        left = Snapshot(d);
        if (way == QLatin1String("OK"))
            d->BitBtn1->click();
        else if (way == QLatin1String("Cancel"))
            d->BitBtn2->click();
        else if (way == QLatin1String("Esc"))
            Press(d, Qt::Key_Escape);
        else if (way == QLatin1String("close box"))
            d->windowHandle()->close();
        else {
            QLineEdit *edit = nullptr;
            for (QLineEdit *e : d->findChildren<QLineEdit *>())
                if (e->isVisibleTo(d)) {
                    edit = e;
                    break;
                }
            QVERIFY(edit);
            edit->setFocus(Qt::TabFocusReason);
            Press(d, Qt::Key_Return);
        }
        QVERIFY2(!d->isVisible(), "the dialog stays open");
    });
    QCOMPARE(got, result);
    QVERIFY(!left.isEmpty());
    QCOMPARE(Snapshot(d), left);
    QVERIFY(executed.isEmpty());

    // The next showing opens with what the user left.
    QStringList reopened;
    RunModal(d, [&] { reopened = Snapshot(d); });
    QCOMPARE(reopened, left);
}

void TestDialogs::pressingWithoutClosing_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("executes");  // the dialog action that runs, if any
    for (const char *form : AllForms) {
        QTest::addRow("%s, Help", form) << form << "BitBtn3" << "";
        QTest::addRow("%s, Alt+H", form) << form << "Alt+H" << "";
        QTest::addRow("%s, F1", form) << form << "F1" << "";
        QTest::addRow("%s, load", form) << form << "ToolButton1" << "ActionDialogLoad";
        QTest::addRow("%s, save", form) << form << "ToolButton3" << "ActionDialogSave";
        QTest::addRow("%s, lock", form) << form << "ToolButton4" << "ActionDialogLock";
    }
    QTest::newRow("frequency parameters, Alt+A") << FreqOptions << "Alt+A" << "";
    QTest::newRow("frequency parameters, Alt+D") << FreqOptions << "Alt+D" << "";
    QTest::newRow("frequency parameters, Alt+L") << FreqOptions << "Alt+L" << "";
    QTest::newRow("modulation, Edit...") << ModOptions << "BitBtn4" << "";
}

void TestDialogs::pressingWithoutClosing()
{
    QFETCH(QString, form);
    QFETCH(QString, press);
    QFETCH(QString, executes);
    auto dialog = CreateDialog(form);
    TParamDialogFrame *d = dialog.get();
    QStringList executed;
    connect(d->ActionManagerDialog, &TActionManager::ActionExecuted, d,
            [&executed](TCustomAction *a) { executed << a->Name(); });
    const QStringList before = Snapshot(d);
    bool stayedOpen = false;
    QStringList during;
    RunModal(d, [&] {
        if (press.startsWith(QLatin1String("Alt+"))) {
            // A mnemonic presses its button; the press shows for a moment before the click.
            const QChar letter = press.back();
            QPushButton *target = nullptr;
            for (QPushButton *b : d->findChildren<QPushButton *>())
                if (b->text().contains(QLatin1Char('&') + letter))
                    target = b;
            QVERIFY(target);
            QSignalSpy clicked(target, &QAbstractButton::clicked);
            Press(d, Qt::Key(Qt::Key_A + (letter.unicode() - 'A')), Qt::AltModifier);
            QTRY_COMPARE(clicked.size(), 1);
        } else if (press == QLatin1String("F1")) {
            Press(d, Qt::Key_F1);
        } else {
            auto *button = Child<QAbstractButton>(d, press);
            QVERIFY(button);
            button->click();
        }
        QCoreApplication::processEvents();
        stayedOpen = d->isVisible();
        during = Snapshot(d);
    });
    QVERIFY(stayedOpen);
    QCOMPARE(during, before);
    QCOMPARE(executed, executes.isEmpty() ? QStringList() : QStringList{executes});
}

void TestDialogs::closeQueryDecides()
{
    TFormVEXAFreqOptions dialog;
    int asked = 0;
    bool allow = false;
    dialog.OnCloseQuery = [&](QObject *sender, bool &canClose) {
        QCOMPARE(sender, static_cast<QObject *>(&dialog));
        ++asked;
        canClose = allow;
    };
    bool refused = false;
    RunModal(&dialog, [&] {
        dialog.BitBtn1->click();
        Press(&dialog, Qt::Key_Escape);
        dialog.windowHandle()->close();
        refused = dialog.isVisible();
        allow = true;
        dialog.BitBtn2->click();
    });
    QVERIFY(refused);
    QCOMPARE(asked, 4);
    QVERIFY(!dialog.isVisible());

    // The dialog's own handler lets every close through.
    bool canClose = true;
    dialog.FormCloseQuery(&dialog, canClose);
    QVERIFY(canClose);
}

// ---------------------------------------------------------------- modulation groups

void TestDialogs::modulationSwitching_data()
{
    QTest::addColumn<QString>("from");     // selected before the step; empty: as created
    QTest::addColumn<QString>("step");     // a button to click, or an arrow key
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("visible");  // of GroupGeneral, GroupAM, GroupPM, GroupSpecial
    QTest::newRow("as created") << "" << "" << "RadioButton5" << "G A - -";
    QTest::newRow("click none") << "" << "RadioButton4" << "RadioButton4" << "- - - -";
    QTest::newRow("click pulse") << "" << "RadioButton6" << "RadioButton6" << "G - P -";
    QTest::newRow("click special") << "" << "RadioButton10" << "RadioButton10" << "G - - S";
    QTest::newRow("click amplitude after pulse") << "RadioButton6" << "RadioButton5" << "RadioButton5" << "G A - -";
    QTest::newRow("click pulse after none") << "RadioButton4" << "RadioButton6" << "RadioButton6" << "G - P -";
    QTest::newRow("click the selected one") << "RadioButton6" << "RadioButton6" << "RadioButton6" << "G - P -";
    QTest::newRow("down from amplitude") << "" << "Down" << "RadioButton6" << "G - P -";
    QTest::newRow("down from pulse") << "RadioButton6" << "Down" << "RadioButton10" << "G - - S";
    QTest::newRow("down from special wraps") << "RadioButton10" << "Down" << "RadioButton4" << "- - - -";
    QTest::newRow("right from none") << "RadioButton4" << "Right" << "RadioButton5" << "G A - -";
    QTest::newRow("up from amplitude") << "" << "Up" << "RadioButton4" << "- - - -";
    QTest::newRow("up from none wraps") << "RadioButton4" << "Up" << "RadioButton10" << "G - - S";
    QTest::newRow("left from special") << "RadioButton10" << "Left" << "RadioButton6" << "G - P -";
}

void TestDialogs::modulationSwitching()
{
    QFETCH(QString, from);
    QFETCH(QString, step);
    QFETCH(QString, selected);
    QFETCH(QString, visible);
    TFormVEXAModOptions dialog;
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QRadioButton *start = from.isEmpty() ? dialog.RadioButton5 : Child<QRadioButton>(&dialog, from);
    start->click();
    start->setFocus(Qt::TabFocusReason);

    // The three type groups share one place: never two of them on screen together.
    QGroupBox *typeGroups[] = {dialog.GroupAM, dialog.GroupPM, dialog.GroupSpecial};
    int shows = 0, overlaps = 0;
    struct Watch : QObject
    {
        std::function<void(QObject *)> onShow;
        bool eventFilter(QObject *o, QEvent *e) override
        {
            if (e->type() == QEvent::ShowToParent)
                onShow(o);
            return false;
        }
    } watch;
    watch.onShow = [&](QObject *shown) {
        ++shows;
        for (QGroupBox *g : typeGroups)
            if (g != shown && g->isVisibleTo(&dialog) && shown != dialog.GroupGeneral)
                ++overlaps;
    };
    for (QGroupBox *g : typeGroups)
        g->installEventFilter(&watch);
    dialog.GroupGeneral->installEventFilter(&watch);

    if (step == QLatin1String("Down"))
        Press(&dialog, Qt::Key_Down);
    else if (step == QLatin1String("Up"))
        Press(&dialog, Qt::Key_Up);
    else if (step == QLatin1String("Left"))
        Press(&dialog, Qt::Key_Left);
    else if (step == QLatin1String("Right"))
        Press(&dialog, Qt::Key_Right);
    else if (!step.isEmpty())
        QTest::mouseClick(Child<QRadioButton>(&dialog, step), Qt::LeftButton, {}, QPoint(8, 8));

    QVERIFY(Child<QRadioButton>(&dialog, selected)->isChecked());
    const QString state = QStringList{dialog.GroupGeneral->isVisible() ? "G" : "-", dialog.GroupAM->isVisible() ? "A" : "-",
                                      dialog.GroupPM->isVisible() ? "P" : "-",
                                      dialog.GroupSpecial->isVisible() ? "S" : "-"}
                              .join(QLatin1Char(' '));
    QCOMPARE(state, visible);
    QCOMPARE(overlaps, 0);
    if (step == from)
        QCOMPARE(shows, 0);  // the selected button's handler does not run again
    // The type group's focus followed the keys.
    if (!step.isEmpty() && !step.startsWith(QLatin1String("Radio")))
        QCOMPARE(FocusName(), selected);
    // The window keeps its size whatever shows.
    QCOMPARE(dialog.size(), QSize(472, 513));
}

void TestDialogs::hiddenGroupsKeepTheirValues()
{
    TFormVEXAModOptions dialog;
    dialog.Edit2->setText(QStringLiteral("30"));
    dialog.CheckBox3->click();
    dialog.RadioButton2->click();
    dialog.Edit5->setText(QStringLiteral("25"));
    dialog.Edit7->setText(QStringLiteral("AM 1 kHz"));
    const QStringList before = Snapshot(&dialog);
    for (QRadioButton *type : {dialog.RadioButton6, dialog.RadioButton10, dialog.RadioButton4, dialog.RadioButton5})
        type->click();
    QCOMPARE(Snapshot(&dialog), before);

    // "Special" closed with OK or Cancel opens as "Special".
    dialog.RadioButton10->click();
    RunModal(&dialog, [&] { dialog.BitBtn1->click(); });
    bool special = false;
    RunModal(&dialog, [&] {
        special = dialog.RadioButton10->isChecked() && dialog.GroupSpecial->isVisible() && dialog.GroupGeneral->isVisible()
                  && !dialog.GroupAM->isVisible() && !dialog.GroupPM->isVisible();
    });
    QVERIFY(special);
    QCOMPARE(dialog.Edit2->text(), QStringLiteral("30"));
}

// ---------------------------------------------------------------- where the dialog opens

void TestDialogs::desktopCentre_data()
{
    QTest::addColumn<QSize>("desktop");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("at");
    QTest::newRow("even") << QSize(1280, 800) << QSize(652, 490) << QPoint(314, 155);
    QTest::newRow("fraction dropped") << QSize(1280, 800) << QSize(437, 477) << QPoint(421, 161);
    QTest::newRow("two screens side by side") << QSize(3840, 1080) << QSize(650, 468) << QPoint(1595, 306);
    QTest::newRow("exactly the desktop") << QSize(640, 480) << QSize(640, 480) << QPoint(0, 0);
    QTest::newRow("larger than the desktop") << QSize(600, 400) << QSize(650, 468) << QPoint(0, 0);
    QTest::newRow("wider only") << QSize(600, 800) << QSize(650, 468) << QPoint(0, 166);
}

void TestDialogs::desktopCentre()
{
    QFETCH(QSize, desktop);
    QFETCH(QSize, window);
    QFETCH(QPoint, at);
    QCOMPARE(TParamDialogFrame::DesktopCentre(desktop, window), at);
}

void TestDialogs::centredFirstThenWhereLeft_data()
{
    QTest::addColumn<QString>("form");
    for (const char *form : AllForms)
        QTest::newRow(form) << form;
}

void TestDialogs::centredFirstThenWhereLeft()
{
    QFETCH(QString, form);
    // The desktop of all screens together, not the screen the dialog would land on by itself.
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QSize desktop = primary->virtualSize();
    QVERIFY2(primary->virtualSiblings().size() > 1, "the test runs on two screens");
    auto dialog = CreateDialog(form);
    TParamDialogFrame *d = dialog.get();
    QPoint first, second, third;
    QSize outer;
    RunModal(d, [&] {
        first = d->frameGeometry().topLeft();
        outer = d->frameGeometry().size();
        d->BitBtn1->click();
    });
    QCOMPARE(first, TParamDialogFrame::DesktopCentre(desktop, outer));
    QVERIFY(!primary->geometry().contains(QRect(first, outer)));
    RunModal(d, [&] {
        second = d->frameGeometry().topLeft();
        d->move(37, 23);  // where the user drags it
        d->BitBtn2->click();
    });
    QCOMPARE(second, first);
    RunModal(d, [&] { third = d->frameGeometry().topLeft(); });
    QCOMPARE(third, QPoint(37, 23));
}

// ---------------------------------------------------------------- with the main window

void TestDialogs::mainWindowKeysDoNothingWhileOpen_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("mainAction");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    const int ctrl = int(Qt::ControlModifier), shift = int(Qt::ShiftModifier);
    QTest::newRow("frequency, Ctrl+M") << "ActionParamsFrequency" << FreqOptions << "ActionParamsModOnOff" << int(Qt::Key_M) << ctrl;
    QTest::newRow("level, Shift+Left") << "ActionParamsLevel" << YOptions << "ActionMarkerPeakLeft" << int(Qt::Key_Left) << shift;
    QTest::newRow("modulation, Ctrl+M") << "ActionParamsModulation" << ModOptions << "ActionParamsModOnOff" << int(Qt::Key_M) << ctrl;
    QTest::newRow("frequency scale, Shift+R") << "ActionViewFrequency" << FreqScale << "ActionViewRefresh" << int(Qt::Key_R) << shift;
    QTest::newRow("level scale, Ctrl+T") << "ActionViewLevel" << YScale << "ActionParamsEUTCheck" << int(Qt::Key_T) << ctrl;
}

void TestDialogs::mainWindowKeysDoNothingWhileOpen()
{
    QFETCH(QString, opener);
    QFETCH(QString, form);
    QFETCH(QString, mainAction);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    TFormVEXAMain main;
    main.resize(1000, 700);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    FormVEXAFreqOptions = new TFormVEXAFreqOptions;
    FormVEXAFreqScale = new TFormVEXAFreqScale;
    FormVEXAYOptions = new TFormVEXAYOptions;
    FormVEXAYScale = new TFormVEXAYScale;
    FormVEXAModOptions = new TFormVEXAModOptions;
    const std::unique_ptr<QWidget> owned[] = {std::unique_ptr<QWidget>(FormVEXAFreqOptions),
                                              std::unique_ptr<QWidget>(FormVEXAFreqScale),
                                              std::unique_ptr<QWidget>(FormVEXAYOptions),
                                              std::unique_ptr<QWidget>(FormVEXAYScale),
                                              std::unique_ptr<QWidget>(FormVEXAModOptions)};
    auto *dialog = qobject_cast<TParamDialogFrame *>(
        [&]() -> QWidget * {
            for (const auto &w : owned)
                if (w->objectName() == form)
                    return w.get();
            return nullptr;
        }());
    QVERIFY(dialog);

    QStringList mainRan, dialogRan;
    connect(main.ActionManagerTest, &TActionManager::ActionExecuted, &main,
            [&mainRan](TCustomAction *a) { mainRan << a->Name(); });
    connect(dialog->ActionManagerDialog, &TActionManager::ActionExecuted, dialog,
            [&dialogRan](TCustomAction *a) { dialogRan << a->Name(); });
    const auto k = Qt::Key(key);
    const auto m = Qt::KeyboardModifiers(modifiers);

    // The key works in the main window.
    Press(&main, k, m);
    QCOMPARE(mainRan, QStringList{mainAction});
    mainRan.clear();

    // While the dialog is open the key does nothing. The dialog's own manager
    // is asked first: an action of its own with that key runs.
    TCustomAction *opening = main.ActionManagerTest->FindAction(opener);
    const TShortCut shortCut = main.ActionManagerTest->FindAction(mainAction)->ShortCut();
    QVERIFY(opening);
    QVERIFY(shortCut != 0);
    QList<QWidget *> shown;
    OnNextModal([&](QWidget *modal) {
        shown << modal;
        Press(modal, k, m);
        QVERIFY(mainRan.isEmpty() && dialogRan.isEmpty());
        dialog->ActionDialogLock->SetShortCut(shortCut);
        Press(modal, k, m);
        dialog->ActionDialogLock->SetShortCut(0);
        QCOMPARE(dialogRan, QStringList{"ActionDialogLock"});
        QVERIFY(modal->isVisible());
        ChangeEverything(modal);
    });
    QVERIFY(opening->Execute());
    QCOMPARE(mainRan, QStringList{opener});  // the opening action itself, nothing else
    const QStringList left = Snapshot(dialog);

    // The same instance opens every time, with what the user left in it.
    QStringList reopened;
    OnNextModal([&](QWidget *modal) {
        shown << modal;
        reopened = Snapshot(modal);
    });
    QVERIFY(opening->Execute());
    QCOMPARE(shown, (QList<QWidget *>{dialog, dialog}));
    QCOMPARE(reopened, left);
}

// ---------------------------------------------------------------- looks

void TestDialogs::captionsFitAndNothingOverlaps_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("select");
    QTest::newRow("frequency parameters") << FreqOptions << "";
    QTest::newRow("frequency scale") << FreqScale << "";
    QTest::newRow("level parameters") << YOptions << "";
    QTest::newRow("level scale") << YScale << "";
    QTest::newRow("modulation, amplitude") << ModOptions << "";
    QTest::newRow("modulation, pulse") << ModOptions << "RadioButton6";
    QTest::newRow("modulation, special") << ModOptions << "RadioButton10";
}

void TestDialogs::captionsFitAndNothingOverlaps()
{
    QFETCH(QString, form);
    QFETCH(QString, select);
    auto dialog = CreateDialog(form);
    if (!select.isEmpty())
        Child<QRadioButton>(dialog.get(), select)->click();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const QWidget *d = dialog.get();
    struct Shown
    {
        const QWidget *w;
        QRect drawn;
    };
    QList<Shown> leaves;
    QList<Shown> groups;
    const QList<QWidget *> all = d->findChildren<QWidget *>();
    for (const QWidget *w : all) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) || !w->isVisibleTo(d))
            continue;
        const QString where = w->objectName();
        // Inside its parent: nothing is cut off at an edge.
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(where));
        // The caption fits.
        if (auto *label = qobject_cast<const QLabel *>(w)) {
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(where));
            QVERIFY2(label->fontMetrics().height() <= label->height(), qPrintable(where));
        } else if (auto *button = qobject_cast<const QAbstractButton *>(w);
                   button && (qobject_cast<const QRadioButton *>(w) || qobject_cast<const QCheckBox *>(w))) {
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= CaptionRoom(button, w->width()).width(),
                     qPrintable(where));
        } else if (auto *push = qobject_cast<const QPushButton *>(w)) {
            const int margin = push->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, push);
            const int glyph = push->icon().isNull() ? 0 : push->iconSize().width() + 4;
            const int text = push->fontMetrics().horizontalAdvance(QString(push->text()).remove(QLatin1Char('&')));
            QVERIFY2(text + glyph + 2 * margin <= push->width(), qPrintable(where));
        } else if (auto *combo = qobject_cast<const QComboBox *>(w)) {
            QVERIFY2(combo->sizeHint().width() <= combo->width(), qPrintable(where));
        } else if (auto *edit = qobject_cast<const QLineEdit *>(w)) {
            QVERIFY2(edit->minimumSizeHint().height() <= edit->height(), qPrintable(where));
        }
        if (auto *group = qobject_cast<const QGroupBox *>(w)) {
            QFont bold = group->font();
            bold.setBold(true);
            QVERIFY2(QFontMetrics(bold).horizontalAdvance(group->title()) + 16 <= group->width(), qPrintable(where));
            groups << Shown{w, QRect(w->mapTo(d, QPoint(0, 0)), w->size())};
        } else if (IsLeaf(w)) {
            leaves << Shown{w, DrawnRect(w, d)};
        }
    }
    groups << Shown{dialog->ToolBar1, dialog->ToolBar1->geometry()};
    for (qsizetype i = 0; i < leaves.size(); ++i)
        for (qsizetype j = i + 1; j < leaves.size(); ++j)
            QVERIFY2(!leaves[i].drawn.intersects(leaves[j].drawn),
                     qPrintable(leaves[i].w->objectName() + QStringLiteral(" overlaps ") + leaves[j].w->objectName()));
    for (qsizetype i = 0; i < groups.size(); ++i)
        for (qsizetype j = i + 1; j < groups.size(); ++j)
            QVERIFY2(!groups[i].drawn.intersects(groups[j].drawn),
                     qPrintable(groups[i].w->objectName() + QStringLiteral(" overlaps ") + groups[j].w->objectName()));
    // No control covers a group's caption.
    for (const Shown &g : std::as_const(groups)) {
        auto *group = qobject_cast<const QGroupBox *>(g.w);
        if (!group || group->title().isEmpty())
            continue;
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect caption = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        const QRect inDialog(group->mapTo(d, caption.topLeft()), caption.size());
        for (const Shown &leaf : std::as_const(leaves))
            QVERIFY2(!leaf.drawn.intersects(inDialog),
                     qPrintable(leaf.w->objectName() + QStringLiteral(" covers the caption of ") + group->objectName()));
    }
}

/*
    Headless runs get two screens of different sizes side by side, so that
    the desktop of all screens differs from the primary screen.
*/
int main(int argc, char **argv)
{
    QTemporaryDir screens;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screens.isValid()) {
        const QString config = screens.filePath(QStringLiteral("screens.json"));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write(R"({"screens": [
                {"name": "left", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
                {"name": "right", "x": 1024, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}
            ]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestDialogs test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialogs.moc"
