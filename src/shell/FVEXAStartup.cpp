#include "shell/FVEXAStartup.h"

#include "mainwindow/Panel.h"
#include "shell/UVEXATools.h"

#include <QLabel>
#include <QScreen>
#include <QWindow>

TFormVEXAStartup *FormVEXAStartup = nullptr;

TFormVEXAStartup::TFormVEXAStartup(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormVEXAStartup"));
    setWindowTitle(QStringLiteral("FormVEXAStartup"));
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(379, 123);
    Panel2 = new TPanel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->SetBevels(TBevelCut::bvNone, TBevelCut::bvRaised, 3);
    Panel2->setGeometry(rect());
    Product = MakeProductPanel(Panel2, 104);
    FormCreate(this);
}

void TFormVEXAStartup::FormCreate(QObject *)
{
    Product.LabelVersion->setText(QStringLiteral("Version ") + ProgramVersion);
    Product.LabelVersion->adjustSize();
}

void TFormVEXAStartup::ShowPainted()
{
    if (QScreen *screen = this->screen())
        move(screen->geometry().center() - rect().center());
    ShowPaintedNow(*this);
}
