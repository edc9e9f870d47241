// The main window's frame: layout, menu, activation and the read command.
#include "ui/tfrmgedenkjes.h"

#include <QEvent>

TfrmGedenkjes::TfrmGedenkjes(QWidget* parent) : QMainWindow(parent) {}
TfrmGedenkjes::~TfrmGedenkjes() = default;
void TfrmGedenkjes::Activeren() {}
bool TfrmGedenkjes::Inlezen(const std::string&) { return false; }
bool TfrmGedenkjes::VolgLink(const std::string&) { return false; }
void TfrmGedenkjes::VulRelatieLijst(char) {}
void TfrmGedenkjes::VulPersoonLijst(char) {}
void TfrmGedenkjes::mmnuGedenkjesBestandInlezenClick() {}
void TfrmGedenkjes::mmnuGedenkjesBestandAfsluitenClick() { close(); }
bool TfrmGedenkjes::event(QEvent* e) { return QMainWindow::event(e); }
