#include "Unit1.h"

TForm1::TForm1(QWidget* parent)
    : QWidget(parent)
{
    ui.setupUi(this);
}
