#include "dialogs/FVEXAModOpt.h"

TFormVEXAModOptions *FormVEXAModOptions = nullptr;

TFormVEXAModOptions::TFormVEXAModOptions(QWidget *parent) : TParamDialogFrame(QPoint(372, 475), parent)
{
    setupUi(this);
    // A type's handler runs when its button becomes the selected one, by a
    // click or by the arrow keys; clicking the selected button runs nothing.
    // The form itself starts in the state of "Amplitude modulation".
    const std::pair<QRadioButton *, void (TFormVEXAModOptions::*)(QObject *)> handlers[] = {
        {RadioButton4, &TFormVEXAModOptions::RadioButton4Click},
        {RadioButton5, &TFormVEXAModOptions::RadioButton5Click},
        {RadioButton6, &TFormVEXAModOptions::RadioButton6Click},
        {RadioButton10, &TFormVEXAModOptions::RadioButton10Click},
    };
    for (const auto &[button, handler] : handlers)
        connect(button, &QAbstractButton::toggled, this, [this, sender = button, handler = handler](bool selected) {
            if (selected)
                (this->*handler)(sender);
        });
    Loaded();
}

TFormVEXAModOptions::~TFormVEXAModOptions()
{
    // Inside the class the bare name is the form description it derives from.
    if (::FormVEXAModOptions == this)
        ::FormVEXAModOptions = nullptr;
}

// The three type groups share one place: the unwanted ones are hidden before the wanted one shows.

void TFormVEXAModOptions::RadioButton4Click(QObject *)
{
    GroupGeneral->setVisible(false);
    GroupAM->setVisible(false);
    GroupPM->setVisible(false);
    GroupSpecial->setVisible(false);
}

void TFormVEXAModOptions::RadioButton5Click(QObject *)
{
    GroupGeneral->setVisible(true);
    GroupPM->setVisible(false);
    GroupSpecial->setVisible(false);
    GroupAM->setVisible(true);
}

void TFormVEXAModOptions::RadioButton6Click(QObject *)
{
    GroupGeneral->setVisible(true);
    GroupAM->setVisible(false);
    GroupSpecial->setVisible(false);
    GroupPM->setVisible(true);
}

void TFormVEXAModOptions::RadioButton10Click(QObject *)
{
    GroupGeneral->setVisible(true);
    GroupAM->setVisible(false);
    GroupPM->setVisible(false);
    GroupSpecial->setVisible(true);
}
