// The export, options and help commands of the main window's menu.
#include "ui/tfrmgedenkjes.h"

void TfrmGedenkjes::mmnuGedenkjesBestandUitvoerenType1Click() {}
void TfrmGedenkjes::mmnuGedenkjesBestandUitvoerenType2Click() {}
void TfrmGedenkjes::mmnuGedenkjesBestandUitvoerenType3Click() {}
void TfrmGedenkjes::mmnuGedenkjesOptiesClick() {}
void TfrmGedenkjes::mmnuGedenkjesHelpHelpClick() {}
void TfrmGedenkjes::mmnuGedenkjesHelpEmailClick() {}
void TfrmGedenkjes::mmnuGedenkjesHelpHomepaginaClick() {}
void TfrmGedenkjes::mmnuGedenkjesHelpInfoClick() {}
