#include "shell/FVEXAAbout.h"

#include "images/FRImageList.h"
#include "mainwindow/Panel.h"
#include "shell/UVEXATools.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

TFormVEXAAbout *FormVEXAAbout = nullptr;

TFormVEXAAbout::TFormVEXAAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FormVEXAAbout"));
    setWindowTitle(QStringLiteral("About VEXA-TOLM"));
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(379, 178);
    Product = MakeProductPanel(this, 128);
    Label2 = MakeLabel(Product.Panel1, "Label2", 120, 104, QStringLiteral("Developed in C++ with the Qt toolkit"));
    BitBtn1 = new QPushButton(StandardGlyph(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(152, 144, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn1->setAutoDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    BitBtn1->setFocus();
}

void TFormVEXAAbout::FormCreate(QObject *)
{
    Product.LabelVersion->setText(QStringLiteral("Version ") + ProgramVersion + QStringLiteral(" demo pre-release"));
    Product.LabelVersion->adjustSize();
}
