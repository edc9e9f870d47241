// The program: the main window and its event loop.
//   gedenkjes [FILE.gdk]   start with that collection read, as if chosen with "Inlezen"
#include "ui/opstarten.h"
#include "ui/tfrmgedenkjes.h"
#include "ui/tsbrgedenkjes.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    // Usage needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs("gebruik: gedenkjes [BESTAND.gdk]\n", stdout);
            return 0;
        }
    }
    QApplication app(argc, argv); // takes Qt's own options (-platform ...) out of the arguments

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
        frmGedenkjes.Inlezen(Van1252(bestand));
    }
    return QApplication::exec();
}
