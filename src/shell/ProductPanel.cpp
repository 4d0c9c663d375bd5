#include "shell/ProductPanel.h"

#include "images/FRImageList.h"
#include "mainwindow/Panel.h"

#include <QIcon>
#include <QLabel>

const char *const CopyrightText = "Copyright \u00A9 2026 VEXA Lab Systems";

QLabel *MakeLabel(QWidget *parent, const char *name, int left, int top, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

TProductPanel MakeProductPanel(QWidget *parent, int height)
{
    TProductPanel p;
    p.Panel1 = new TPanel(parent);
    p.Panel1->setObjectName(QStringLiteral("Panel1"));
    p.Panel1->SetBevels(TBevelCut::bvRaised, TBevelCut::bvLowered);
    p.Panel1->setGeometry(10, 9, 359, height);
    p.ProductName = MakeLabel(p.Panel1, "ProductName", 120, 16, QStringLiteral("VEXA-TOLM"));
    p.LabelVersion = MakeLabel(p.Panel1, "LabelVersion", 120, 56, QStringLiteral("Version x.x"));
    p.Copyright = MakeLabel(p.Panel1, "Copyright", 120, 80, QString::fromUtf8(CopyrightText));
    p.ProgramIcon = new QLabel(p.Panel1);
    p.ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    p.ProgramIcon->setGeometry(8, 8, 88, 88);
    // Stretched to the control with its proportions kept; crisp at any scaling.
    p.ProgramIcon->setPixmap(VectorIcon(QStringLiteral(":/images/program.svg")).pixmap(QSize(88, 88), parent->devicePixelRatioF()));
    p.ProgramIcon->setAlignment(Qt::AlignCenter);
    p.Label1 = MakeLabel(p.Panel1, "Label1", 120, 32, QStringLiteral("RF immunity and emission test software"));
    return p;
}
