// The program: the main window and its event loop.
//   gedenkjes [FILE.gdk]   start with that collection read, as if chosen with "Inlezen"
#include "ui/opstarten.h"
#include "ui/tfrmgedenkjes.h"
#include "ui/tsbrgedenkjes.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The first line names the program and what it does; the build makes the manual page from this text.
const char* const HulpTekst =
    "Gedenkjes - bidprentjes en gedachtenisprentjes lezen, controleren, bekijken en als web site uitvoeren.\n"
    "\n"
    "gebruik: gedenkjes [BESTAND.gdk]\n"
    "\n"
    "Opent het hoofdvenster; met een bestand begint het met die collectie ingelezen, alsof ze met\n"
    "\"Bestand > Inlezen\" (F4) gekozen is; een \\ in BESTAND is een teken van de naam. De\n"
    "instellingen staan in $GEDENKJES_REGISTRY, anders in\n"
    "$XDG_CONFIG_HOME/gedenkjes/HKEY_CURRENT_USER.reg. Zonder venster: gedenkjes-cli --help.\n";

} // namespace

int main(int argc, char** argv) {
    // Usage needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(HulpTekst, stdout);
            return 0;
        }
    }
    QApplication app(argc, argv); // takes Qt's own options (-platform ...) out of the arguments
    // Installed, the desktop entry and the icon bear this name; the desktop matches the window to them.
    QApplication::setDesktopFileName(QStringLiteral("nl.gedenkjes.Gedenkjes"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("nl.gedenkjes.Gedenkjes")));

    QString bestand;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (!bestand.isEmpty()) {
            std::fputs("gebruik: gedenkjes [BESTAND.gdk]\n", stderr);
            return 2;
        }
        bestand = args[i];
    }

    const std::unique_ptr<TfrmGedenkjes> venster = Opstarten();
    TfrmGedenkjes& frmGedenkjes = *venster;
    if (!bestand.isEmpty()) {
        // The read needs the settings and word lists that activation loads; activation has to
        // come first even when the window manager activates the window later.
        frmGedenkjes.Activeren();
        frmGedenkjes.Inlezen(QFile::encodeName(bestand).toStdString());
    }
    return QApplication::exec();
}
