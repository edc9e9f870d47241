// The main window's frame: layout, menu, status bar, activation and the read command.
#include "ui/tfrmgedenkjes.h"

#include "data/globalen.h"
#include "data/tvars.h"
#include "htmlview/thtmllite.h"
#include "import/inlezen.h"
#include "opstart/activering.h"
#include "platform/fout.h"
#include "ui/lijstregels.h"
#include "ui/tfrmhelp.h"
#include "ui/tsbrgedenkjes.h"
#include "ui/ttabbalk.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <exception>
#include <string>

TfrmGedenkjes::TfrmGedenkjes(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmGedenkjes"));
    setWindowTitle(QStringLiteral("Gedenkjes"));
    resize(800, 600);

    sbrGedenkjes = new TsbrGedenkjes(this);
    setStatusBar(sbrGedenkjes);
    gdk::ZetUI(sbrGedenkjes);

    MaakMenu();

    auto* midden = new QWidget(this);
    midden->setObjectName(QStringLiteral("pnlGedenkjes"));
    auto* raster = new QGridLayout(midden);
    raster->setContentsMargins(0, 0, 0, 0);
    auto* welkom = new QWidget(midden);
    auto* welkomLayout = new QVBoxLayout(welkom);
    lblTitel = new QLabel(QStringLiteral("Gedenkjes"), welkom);
    lblTitel->setObjectName(QStringLiteral("lblTitel"));
    lblTitel->setAlignment(Qt::AlignCenter);
    QFont titelFont = lblTitel->font();
    titelFont.setPointSize(28);
    titelFont.setBold(true);
    lblTitel->setFont(titelFont);
    lblHint = new QLabel(QStringLiteral("open eerst een Gedenkjesbestand"), welkom);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setAlignment(Qt::AlignCenter);
    welkomLayout->addStretch(1);
    welkomLayout->addWidget(lblTitel);
    welkomLayout->addWidget(lblHint);
    welkomLayout->addStretch(1);
    raster->addWidget(welkom, 0, 0);

    MaakPaginas();
    raster->addWidget(pctrViewer, 0, 0);
    setCentralWidget(midden);

    connect(this, &TfrmGedenkjes::CollectieGelezen, this, &TfrmGedenkjes::BijCollectieGelezen);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TfrmGedenkjes::VensterGewisseld);
}

TfrmGedenkjes::~TfrmGedenkjes() {
    StopVoorbereiding();
    if (&gdk::UI() == static_cast<gdk::Gebruiker*>(sbrGedenkjes)) gdk::ZetUI(nullptr);
}

void TfrmGedenkjes::MaakMenu() {
    QMenuBar* mmnuGedenkjes = menuBar();
    mmnuGedenkjes->setObjectName(QStringLiteral("mmnuGedenkjes"));
    auto actie = [this](QMenu* menu, const char* naam, const QString& titel, const QKeySequence& toets) {
        QAction* a = menu->addAction(titel);
        a->setObjectName(QString::fromLatin1(naam));
        if (!toets.isEmpty()) a->setShortcut(toets);
        a->setShortcutContext(Qt::ApplicationShortcut);
        Q_UNUSED(this);
        return a;
    };

    mmnuGedenkjesBestand = mmnuGedenkjes->addMenu(QStringLiteral("Bestand"));
    mmnuGedenkjesBestand->setObjectName(QStringLiteral("mmnuGedenkjesBestand"));
    mmnuGedenkjesBestandInlezen =
        actie(mmnuGedenkjesBestand, "mmnuGedenkjesBestandInlezen", QStringLiteral("Inlezen"), Qt::Key_F4);
    mmnuGedenkjesBestand->addSeparator();
    mmnuGedenkjesBestandUitvoeren = mmnuGedenkjesBestand->addMenu(QStringLiteral("Uitvoeren"));
    mmnuGedenkjesBestandUitvoeren->setObjectName(QStringLiteral("mmnuGedenkjesBestandUitvoeren"));
    mmnuGedenkjesBestandUitvoerenType1 =
        actie(mmnuGedenkjesBestandUitvoeren, "mmnuGedenkjesBestandUitvoerenType1", QStringLiteral("Type 1"),
              Qt::Key_F5);
    mmnuGedenkjesBestandUitvoerenType2 =
        actie(mmnuGedenkjesBestandUitvoeren, "mmnuGedenkjesBestandUitvoerenType2", QStringLiteral("Type 2"),
              Qt::Key_F6);
    mmnuGedenkjesBestandUitvoerenType3 =
        actie(mmnuGedenkjesBestandUitvoeren, "mmnuGedenkjesBestandUitvoerenType3", QStringLiteral("Type 3"),
              Qt::Key_F7);
    mmnuGedenkjesBestandUitvoerenType4 =
        actie(mmnuGedenkjesBestandUitvoeren, "mmnuGedenkjesBestandUitvoerenType4", QStringLiteral("Type 4"),
              Qt::Key_F8);
    // Updating and publishing take the same four types; updating on Shift with the export's keys.
    const auto siteMenu = [&](const char* naam, const QString& titel, bool toetsen) {
        QMenu* menu = mmnuGedenkjesBestand->addMenu(titel);
        menu->setObjectName(QString::fromLatin1(naam));
        for (int type = 1; type <= 4; ++type)
            actie(menu, (std::string(naam) + "Type" + std::to_string(type)).c_str(),
                  QStringLiteral("Type %1").arg(type),
                  toetsen ? QKeySequence(Qt::SHIFT | (Qt::Key_F5 + type - 1)) : QKeySequence());
        return menu;
    };
    mmnuGedenkjesBestandBijwerken =
        siteMenu("mmnuGedenkjesBestandBijwerken", QStringLiteral("Bijwerken"), true);
    mmnuGedenkjesBestandPubliceren =
        siteMenu("mmnuGedenkjesBestandPubliceren", QStringLiteral("Publiceren"), false);
    ZetSiteMenus(false);
    mmnuGedenkjesBestand->addSeparator();
    mmnuGedenkjesBestandAfsluiten = actie(mmnuGedenkjesBestand, "mmnuGedenkjesBestandAfsluiten",
                                          QStringLiteral("Afsluiten"), QKeySequence(Qt::ALT | Qt::Key_F4));

    mmnuGedenkjesOpties = mmnuGedenkjes->addAction(QStringLiteral("Opties"));
    mmnuGedenkjesOpties->setObjectName(QStringLiteral("mmnuGedenkjesOpties"));

    mmnuGedenkjesHelp = mmnuGedenkjes->addMenu(QStringLiteral("Help"));
    mmnuGedenkjesHelp->setObjectName(QStringLiteral("mmnuGedenkjesHelp"));
    mmnuGedenkjesHelpHelp =
        actie(mmnuGedenkjesHelp, "mmnuGedenkjesHelpHelp", QStringLiteral("Help"), Qt::Key_F1);
    mmnuGedenkjesHelp->addSeparator();
    mmnuGedenkjesHelpEmail =
        actie(mmnuGedenkjesHelp, "mmnuGedenkjesHelpEmail", QStringLiteral("Email"), Qt::Key_F10);
    mmnuGedenkjesHelpHomepagina =
        actie(mmnuGedenkjesHelp, "mmnuGedenkjesHelpHomepagina", QStringLiteral("Homepagina"), Qt::Key_F11);
    mmnuGedenkjesHelp->addSeparator();
    mmnuGedenkjesHelpInfo =
        actie(mmnuGedenkjesHelp, "mmnuGedenkjesHelpInfo", QStringLiteral("Info"), Qt::Key_F12);

    connect(mmnuGedenkjesBestandInlezen, &QAction::triggered, this,
            &TfrmGedenkjes::mmnuGedenkjesBestandInlezenClick);
    connect(mmnuGedenkjesBestandUitvoerenType1, &QAction::triggered, this,
            &TfrmGedenkjes::mmnuGedenkjesBestandUitvoerenType1Click);
    connect(mmnuGedenkjesBestandUitvoerenType2, &QAction::triggered, this,
            &TfrmGedenkjes::mmnuGedenkjesBestandUitvoerenType2Click);
    connect(mmnuGedenkjesBestandUitvoerenType3, &QAction::triggered, this,
            &TfrmGedenkjes::mmnuGedenkjesBestandUitvoerenType3Click);
    connect(mmnuGedenkjesBestandUitvoerenType4, &QAction::triggered, this,
            &TfrmGedenkjes::mmnuGedenkjesBestandUitvoerenType4Click);
    for (int type = 1; type <= 4; ++type) {
        connect(mmnuGedenkjesBestandBijwerken->actions()[type - 1], &QAction::triggered, this,
                [this, type] { mmnuGedenkjesBestandBijwerkenClick(type); });
        connect(mmnuGedenkjesBestandPubliceren->actions()[type - 1], &QAction::triggered, this,
                [this, type] { mmnuGedenkjesBestandPublicerenClick(type); });
    }
    connect(mmnuGedenkjesBestandAfsluiten, &QAction::triggered, this,
            &TfrmGedenkjes::mmnuGedenkjesBestandAfsluitenClick);
    connect(mmnuGedenkjesOpties, &QAction::triggered, this, &TfrmGedenkjes::mmnuGedenkjesOptiesClick);
    connect(mmnuGedenkjesHelpHelp, &QAction::triggered, this, &TfrmGedenkjes::mmnuGedenkjesHelpHelpClick);
    connect(mmnuGedenkjesHelpEmail, &QAction::triggered, this, &TfrmGedenkjes::mmnuGedenkjesHelpEmailClick);
    connect(mmnuGedenkjesHelpHomepagina, &QAction::triggered, this,
            &TfrmGedenkjes::mmnuGedenkjesHelpHomepaginaClick);
    connect(mmnuGedenkjesHelpInfo, &QAction::triggered, this, &TfrmGedenkjes::mmnuGedenkjesHelpInfoClick);
}

// ---------------------------------------------------------------- activation

bool TfrmGedenkjes::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        const bool nodig = nogNietGeactiveerd_ || anderVenster_;
        anderVenster_ = false;
        // During a read the message boxes of the reader hand the focus back mid-way; the
        // settings the read is using must not be reloaded under it.
        if (nodig && !leestIn_) Activeren();
    }
    return QMainWindow::event(e);
}

void TfrmGedenkjes::VensterGewisseld(QWindow* venster) {
    if (!venster || venster == windowHandle()) return;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowHandle() != venster) continue;
        const Qt::WindowType soort = w->windowType();
        if (soort != Qt::Window && soort != Qt::Dialog) return; // menus, tooltips
        // Common dialogs and the help window stand for the system's own dialogs and help viewer,
        // which do not activate the window again when they close or the user comes back from them.
        if (qobject_cast<QFileDialog*>(w) || qobject_cast<QMessageBox*>(w) || qobject_cast<TfrmHelp*>(w))
            return;
        anderVenster_ = true;
        return;
    }
}

void TfrmGedenkjes::Activeren() {
    if (activeert_) return;
    activeert_ = true;
    nogNietGeactiveerd_ = false;
    try {
        gdk::Activering();
    } catch (const std::exception& fout) {
        // Activation reads only the registry file and the word lists, each of which falls
        // back to its defaults; anything else that goes wrong is shown, and the window goes on.
        gdk::UI().Melding(fout.what());
    }
    LetterTab = 0;
    // The stored font reaches the view only through the options command.
    htmlViewer->ZetDefFontName(QStringLiteral("Verdana"));
    edtGaNaarRelatie->clear();
    edtGaNaarPersoon->clear();
    activeert_ = false;
}

// ---------------------------------------------------------------- read command

void TfrmGedenkjes::mmnuGedenkjesBestandInlezenClick() {
    QFileDialog odlgGedenkjes(this, QStringLiteral("Gedenkjes bestand "), QString(),
                              QStringLiteral("Gedenkjes (*.gdk)"));
    odlgGedenkjes.setObjectName(QStringLiteral("odlgGedenkjes"));
    odlgGedenkjes.setFileMode(QFileDialog::ExistingFile);
    odlgGedenkjes.setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog speaks Dutch with the program; a desktop's dialog follows the desktop's language.
    odlgGedenkjes.setOption(QFileDialog::DontUseNativeDialog);
    // Names only, as the classic open dialog starts: the detail columns take their dates and file
    // types from the system's locale, not from the program's language.
    odlgGedenkjes.setViewMode(QFileDialog::List);
    if (odlgGedenkjes.exec() != QDialog::Accepted) return;
    const QStringList gekozen = odlgGedenkjes.selectedFiles();
    if (gekozen.isEmpty()) return;
    Inlezen(QFile::encodeName(gekozen.first()).toStdString());
}

bool TfrmGedenkjes::Inlezen(const std::string& pad) {
    if (leestIn_) return false;
    // A file that is plainly no collection changes nothing: not the store, not the page shown.
    if (gdk::CollectieGeweigerd(pad)) return false;
    leestIn_ = true;
    KiesTab(1);
    edtGaNaarRelatie->clear();
    edtGaNaarPersoon->clear();
    LetterTab = 0;
    // The orders and the search belong to the collection read before, and their thread must not
    // read the store the read is filling. Nothing of that collection stays in the lists.
    StopVoorbereiding();
    edtZoeken->setEnabled(false);
    edtZoekenChange();
    for (QListWidget* lijst : {lbxRelatie, lbxPersoon, lbxSorterenRelatie, lbxSorterenPersoon})
        lijst->clear();
    repaint();

    bool gelezen = false;
    try {
        gelezen = gdk::InlezenCommando(pad);
    } catch (const gdk::IOFout& fout) {
        gdk::UI().Melding(fout.what());
    } catch (const std::bad_alloc&) {
        gdk::UI().Melding("Er is onvoldoende geheugen om het bestand in te lezen.");
    } catch (const std::exception& fout) {
        gdk::UI().Melding(fout.what());
    }
    leestIn_ = false;
    gdk::UI().Voortgang(0, 0);
    Voorbereiden();
    if (!gelezen) return false;

    setWindowTitle(Q1252("Gedenkjes (" + gdk::CollectieBestandsnaam + ")"));
    htmlViewer->show();
    pctrViewer->setEnabled(true);
    emit CollectieGelezen();
    lblTitel->parentWidget()->hide();
    pctrViewer->show();
    edtGaNaarPersoon->setFocus();
    ZetSiteMenus(true);
    return true;
}

void TfrmGedenkjes::ZetSiteMenus(bool aan) {
    // A disabled submenu must also keep its shortcuts from running an export on no collection.
    for (QMenu* menu :
         {mmnuGedenkjesBestandUitvoeren, mmnuGedenkjesBestandBijwerken, mmnuGedenkjesBestandPubliceren}) {
        menu->setEnabled(aan);
        for (QAction* a : menu->actions())
            a->setEnabled(aan);
    }
}

void TfrmGedenkjes::mmnuGedenkjesBestandAfsluitenClick() {
    close();
}
