#include "plu/PluTab.h"

PluTab::PluTab(TForm1& form, QWidget* parent) : QWidget(parent), form(form) {}

void PluTab::writeHeadings() {}

void PluTab::Button12Click() {}
