// The program: the main window and its event loop.
//   gedenkjes [FILE.gdk]   start with that collection read, as if chosen with "Inlezen"
#include "ui/opstarten.h"
#include "ui/tfrmgedenkjes.h"
#include "ui/tsbrgedenkjes.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

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
    QString schermafdruk; // --schermafdruk FILE.png: read, show person 1, save the window, stop
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--schermafdruk") && i + 1 < args.size()) {
            schermafdruk = args[++i];
        } else if (bestand.isEmpty()) {
            bestand = args[i];
        } else {
            std::fputs("gebruik: gedenkjes [BESTAND.gdk]\n", stderr);
            return 2;
        }
    }

    const std::unique_ptr<TfrmGedenkjes> venster = Opstarten();
    TfrmGedenkjes& frmGedenkjes = *venster;
    if (!bestand.isEmpty()) {
        // The read needs the settings and word lists that activation loads; activation has to
        // come first even when the window manager activates the window later.
        frmGedenkjes.Activeren();
        frmGedenkjes.Inlezen(Van1252(bestand));
    }
    if (!schermafdruk.isEmpty()) {
        QTimer::singleShot(300, &frmGedenkjes, [&] {
            // As the user would: person 1 through the go-to field.
            frmGedenkjes.edtGaNaarPersoon->setText(QStringLiteral("1"));
            frmGedenkjes.bbtnGaNaar->click();
            QApplication::processEvents();
            const bool gelukt = frmGedenkjes.grab().save(schermafdruk);
            QApplication::exit(gelukt ? 0 : 1);
        });
    }
    return QApplication::exec();
}
