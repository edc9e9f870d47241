#include "ui/opstarten.h"

#include "settings/instellingen.h"
#include "settings/programmagegevens.h"
#include "ui/tfrmgedenkjes.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool QtTekstenNederlands() {
    static const QString naam = QStringLiteral("vertalingQtbase");
    if (qApp->findChild<QTranslator*>(naam)) return true;
    const QLocale nederlands(QLocale::Dutch, QLocale::Netherlands);
    // Numbers and dates in the standard dialogs (file sizes, modification times) Dutch as well.
    QLocale::setDefault(nederlands);
    auto* vertaling = new QTranslator(qApp);
    vertaling->setObjectName(naam);
    if (!vertaling->load(nederlands, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete vertaling;
        return false;
    }
    QCoreApplication::installTranslator(vertaling);
    return true;
}

std::unique_ptr<TfrmGedenkjes> Opstarten() {
    // No display name: on X11 Qt would append it to every caption ("Gedenkjes (kaarten.gdk) —
    // Gedenkjes"), and the captions are to read exactly as the program sets them.
    QApplication::setApplicationName(QStringLiteral("Gedenkjes"));
    QtTekstenNederlands();
    // A program copied without an installer finds the About values and the maker's addresses
    // missing; they must be there before the first activation reads the addresses.
    gdk::ProgrammagegevensInstalleren();
    auto frmGedenkjes = std::make_unique<TfrmGedenkjes>();
    // Before the window shows: it then opens, and is the active window, with the defaults the
    // message announces.
    gdk::MeldOnleesbareInstellingen();
    frmGedenkjes->show();
    return frmGedenkjes;
}
