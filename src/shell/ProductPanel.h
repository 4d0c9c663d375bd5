// The framed product panel that the splash and About windows share.
#pragma once

#include <QString>

class QLabel;
class QWidget;
class TPanel;

//! The controls of the panel, named as on both windows.
struct TProductPanel
{
    TPanel *Panel1 = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *LabelVersion = nullptr;
    QLabel *Copyright = nullptr;
    QLabel *ProgramIcon = nullptr;
    QLabel *Label1 = nullptr;
};

/*!
  Builds the panel (10, 9, 359 x height) on `parent`: program picture,
  product name, description, version label and copyright line. Labels size
  themselves to their text.
*/
TProductPanel MakeProductPanel(QWidget *parent, int height);

//! Places a label at its design position and sizes it to its text.
QLabel *MakeLabel(QWidget *parent, const char *name, int left, int top, const QString &text);

//! The maker's copyright line.
extern const char *const CopyrightText;
