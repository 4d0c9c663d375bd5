#include "dialogs/FVEXAFreqOpt.h"

#include <QHeaderView>

TFormVEXAFreqOptions *FormVEXAFreqOptions = nullptr;

namespace {
const int RangeColumnWidths[] = {118, 118, 46, 116, 49, 116, 49};
constexpr int RangeRowHeight = 18;
}

TFormVEXAFreqOptions::TFormVEXAFreqOptions(QWidget *parent) : TParamDialogFrame(QPoint(412, 418), parent)
{
    setupUi(this);
    // The range list: a blank fixed header row and one blank row, the current one.
    // Nothing can be typed into it, and rows and columns keep their sizes.
    QHeaderView *header = StringGrid1->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setFixedHeight(RangeRowHeight);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int column = 0; column < int(std::size(RangeColumnWidths)); ++column)
        StringGrid1->setColumnWidth(column, RangeColumnWidths[column]);
    StringGrid1->setCurrentCell(0, 0);

    OnCloseQuery = [this](QObject *Sender, bool &CanClose) { FormCloseQuery(Sender, CanClose); };
    Loaded();
}

TFormVEXAFreqOptions::~TFormVEXAFreqOptions()
{
    // Inside the class the bare name is the form description it derives from.
    if (::FormVEXAFreqOptions == this)
        ::FormVEXAFreqOptions = nullptr;
}

void TFormVEXAFreqOptions::FormCloseQuery(QObject *, bool &) {}
