// The export, update, publish, options and help commands of the main window's menu.
#include "ui/tfrmgedenkjes.h"

#include "data/globalen.h"
#include "export/uitvoeren.h"
#include "htmlview/thtmllite.h"
#include "platform/fout.h"
#include "platform/gebruiker.h"
#include "settings/instellingen.h"
#include "ui/tfrmhelp.h"
#include "ui/tfrmopties.h"
#include "ui/tsbrgedenkjes.h"
#include "ui/vminfotool.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QUrl>

#include <exception>
#include <new>

namespace {

// The export frame (status texts, busy cursor, elapsed time, the general failure message) is the
// core's; the window adds what only a window has: the default error box for an input/output
// error, a guard against an export (or update, or publish) started again from inside one of the export's
// own message boxes, and the end of the lists' preparation, whose thread reads the store that an
// export holding cards back sets aside.
void Uitvoeren(TfrmGedenkjes& venster, bool (*commando)(int), int type) {
    static bool bezig = false;
    if (bezig) return;
    bezig = true;
    venster.VoorbereidingAfwachten();
    try {
        commando(type);
    } catch (const gdk::IOFout& fout) {
        gdk::UI().Melding(fout.what());
    } catch (const std::bad_alloc&) {
        gdk::UI().Melding("Er is onvoldoende geheugen om de uitvoer te schrijven.");
    } catch (const std::exception& fout) {
        gdk::UI().Melding(fout.what());
    }
    gdk::UI().Voortgang(0, 0);
    bezig = false;
}

// The window runs its activation steps when a dialog of the program hands the focus back. The
// window manager reports that only some time after the modal call has returned (and an offscreen
// platform may not report it at all), while the commands need the activation done before they go
// on: so the activation is delivered now. The real one that follows finds nothing to do.
void ActiveerNaDialoog(TfrmGedenkjes& venster) {
    QEvent activering(QEvent::WindowActivate);
    QApplication::sendEvent(&venster, &activering);
}

} // namespace

void TfrmGedenkjes::mmnuGedenkjesBestandUitvoerenType1Click() {
    Uitvoeren(*this, gdk::UitvoerenCommando, 1);
}
void TfrmGedenkjes::mmnuGedenkjesBestandUitvoerenType2Click() {
    Uitvoeren(*this, gdk::UitvoerenCommando, 2);
}
void TfrmGedenkjes::mmnuGedenkjesBestandUitvoerenType3Click() {
    Uitvoeren(*this, gdk::UitvoerenCommando, 3);
}
void TfrmGedenkjes::mmnuGedenkjesBestandUitvoerenType4Click() {
    Uitvoeren(*this, gdk::UitvoerenCommando, 4);
}
void TfrmGedenkjes::mmnuGedenkjesBestandBijwerkenClick(int type) {
    Uitvoeren(*this, gdk::BijwerkenCommando, type);
}
void TfrmGedenkjes::mmnuGedenkjesBestandPublicerenClick(int type) {
    Uitvoeren(*this, gdk::PublicerenCommando, type);
}

void TfrmGedenkjes::mmnuGedenkjesOptiesClick() {
    {
        TfrmOpties frmOpties(this);
        frmOpties.exec();
    }
    ActiveerNaDialoog(*this);
    // Activation gave the view its start font; the options' font replaces it only here.
    htmlViewer->ZetDefFontName(Q1252(gdk::alLettertype));
}

void TfrmGedenkjes::mmnuGedenkjesHelpHelpClick() {
    TfrmHelp::Toon(this, HelpContextGedenkjes);
}

void TfrmGedenkjes::mmnuGedenkjesHelpEmailClick() {
    // A failure of the desktop to open the address is ignored.
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + Q1252(gdk::Email), QUrl::TolerantMode));
}

void TfrmGedenkjes::mmnuGedenkjesHelpHomepaginaClick() {
    // The address may be stored without its scheme ("www.velmoran.nl"), as a shell accepts it.
    const QString adres = Q1252(gdk::Homepage).trimmed();
    if (adres.isEmpty()) return;
    QDesktopServices::openUrl(QUrl::fromUserInput(adres));
}

void TfrmGedenkjes::mmnuGedenkjesHelpInfoClick() {
    {
        TfrmvmInfoTool frmvmInfoTool(this);
        frmvmInfoTool.exec();
    }
    ActiveerNaDialoog(*this);
}
