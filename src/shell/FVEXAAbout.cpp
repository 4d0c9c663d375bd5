#include "shell/FVEXAAbout.h"

TFormVEXAAbout *FormVEXAAbout = nullptr;

TFormVEXAAbout::TFormVEXAAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormVEXAAbout"));
    setWindowTitle(QStringLiteral("About VEXA-TOLM"));
    setFixedSize(379, 178);
}
