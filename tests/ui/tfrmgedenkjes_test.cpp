// The main window's frame: start-up state, menu, activation and the read command.
#include "ui/venster.h"

#include "data/globalen.h"
#include "settings/instellingen.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

using gdk::test::VensterTest;

TEST_F(VensterTest, BeforeTheFirstReadOnlyTheTitleShows) {
    EXPECT_EQ(venster->windowTitle(), "Gedenkjes");
    EXPECT_TRUE(venster->findChild<QLabel*>("lblTitel")->isVisible());
    EXPECT_EQ(venster->findChild<QLabel*>("lblTitel")->text(), "Gedenkjes");
    EXPECT_EQ(venster->findChild<QLabel*>("lblHint")->text(), "open eerst een Gedenkjesbestand");
    auto* pctrViewer = venster->findChild<QTabWidget*>("pctrViewer");
    ASSERT_NE(pctrViewer, nullptr);
    EXPECT_FALSE(pctrViewer->isVisible());
    EXPECT_FALSE(pctrViewer->isEnabled());
    EXPECT_FALSE(venster->findChild<ThtmlLite*>("htmlViewer")->isVisibleTo(venster.get()));
    EXPECT_FALSE(venster->mmnuGedenkjesBestandUitvoeren->isEnabled());
    EXPECT_FALSE(venster->mmnuGedenkjesBestandUitvoerenType2->isEnabled());
    EXPECT_FALSE(venster->mmnuGedenkjesBestandBijwerken->actions()[1]->isEnabled());
    EXPECT_FALSE(venster->mmnuGedenkjesBestandPubliceren->isEnabled());

    QStringList tabs;
    for (int i = 0; i < pctrViewer->count(); ++i)
        tabs << pctrViewer->tabText(i);
    EXPECT_EQ(tabs, QStringList({"Viewer", "Ga naar", "Relatie", "Volgend Relatie", "Vorig Relatie",
                                 "Persoon", "Volgend Persoon", "Vorig Persoon", "Zoeken"}));
    for (const char* naam :
         {"tshViewer",           "tshGaNaar",          "tshRelatie",         "tshVolgendRelatie",
          "tshVorigRelatie",     "tshPersoon",         "tshVolgendPersoon",  "tshVorigPersoon",
          "edtGaNaarRelatie",    "edtGaNaarPersoon",   "bbtnGaNaar",         "rgrpSorterenRelatie",
          "rgrpSorterenPersoon", "lbxSorterenRelatie", "lbxSorterenPersoon", "tcRelatie",
          "tcPersoon",           "lbxRelatie",         "lbxPersoon",         "sbrGedenkjes",
          "tshZoeken",           "edtZoeken",          "lbxZoekenPersoon",   "lbxZoekenRelatie"})
        EXPECT_NE(venster->findChild<QWidget*>(naam), nullptr) << naam;
    EXPECT_EQ(venster->findChild<QPushButton*>("bbtnGaNaar")->text(), "Uitvoeren");
    EXPECT_EQ(venster->findChild<QGroupBox*>("rgrpSorterenRelatie")->title(), " sorteren Relatie ");
    EXPECT_EQ(venster->findChild<QGroupBox*>("rgrpSorterenPersoon")->title(), " sorteren Persoon ");
    EXPECT_EQ(venster->tcPersoon->count(), 26);
    EXPECT_EQ(venster->tcPersoon->tabText(25), "Z");
}

TEST_F(VensterTest, MenuCaptionsAndShortcuts) {
    struct Item {
        QAction* actie;
        const char* titel;
        QKeySequence toets;
    };
    const Item items[] = {
        {venster->mmnuGedenkjesBestandInlezen, "Inlezen", QKeySequence(Qt::Key_F4)},
        {venster->mmnuGedenkjesBestandUitvoerenType1, "Type 1", QKeySequence(Qt::Key_F5)},
        {venster->mmnuGedenkjesBestandUitvoerenType2, "Type 2", QKeySequence(Qt::Key_F6)},
        {venster->mmnuGedenkjesBestandUitvoerenType3, "Type 3", QKeySequence(Qt::Key_F7)},
        {venster->mmnuGedenkjesBestandUitvoerenType4, "Type 4", QKeySequence(Qt::Key_F8)},
        {venster->mmnuGedenkjesBestandAfsluiten, "Afsluiten", QKeySequence(Qt::ALT | Qt::Key_F4)},
        {venster->mmnuGedenkjesOpties, "Opties", QKeySequence()},
        {venster->mmnuGedenkjesHelpHelp, "Help", QKeySequence(Qt::Key_F1)},
        {venster->mmnuGedenkjesHelpEmail, "Email", QKeySequence(Qt::Key_F10)},
        {venster->mmnuGedenkjesHelpHomepagina, "Homepagina", QKeySequence(Qt::Key_F11)},
        {venster->mmnuGedenkjesHelpInfo, "Info", QKeySequence(Qt::Key_F12)},
    };
    for (const Item& i : items) {
        ASSERT_NE(i.actie, nullptr) << i.titel;
        EXPECT_EQ(i.actie->text(), i.titel);
        EXPECT_EQ(i.actie->shortcut(), i.toets) << i.titel;
    }
    // Updating on Shift with the export's keys; publishing without keys.
    for (int type = 1; type <= 4; ++type) {
        const std::string t = "Type" + std::to_string(type);
        auto* bijwerken =
            venster->findChild<QAction*>(QString::fromStdString("mmnuGedenkjesBestandBijwerken" + t));
        auto* publiceren =
            venster->findChild<QAction*>(QString::fromStdString("mmnuGedenkjesBestandPubliceren" + t));
        ASSERT_NE(bijwerken, nullptr) << t;
        ASSERT_NE(publiceren, nullptr) << t;
        EXPECT_EQ(bijwerken->text(), QStringLiteral("Type %1").arg(type));
        EXPECT_EQ(bijwerken->shortcut(), QKeySequence(Qt::SHIFT | (Qt::Key_F5 + type - 1))) << t;
        EXPECT_EQ(publiceren->text(), bijwerken->text());
        EXPECT_EQ(publiceren->shortcut(), QKeySequence()) << t;
    }
    QStringList balk;
    for (QAction* a : venster->menuBar()->actions())
        balk << a->text();
    EXPECT_EQ(balk, QStringList({"Bestand", "Opties", "Help"}));
    QStringList bestand;
    for (QAction* a : venster->mmnuGedenkjesBestand->actions())
        bestand << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(bestand,
              QStringList({"Inlezen", "-", "Uitvoeren", "Bijwerken", "Publiceren", "-", "Afsluiten"}));
    QStringList help;
    for (QAction* a : venster->mmnuGedenkjesHelp->actions())
        help << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(help, QStringList({"Help", "-", "Email", "Homepagina", "-", "Info"}));
}

TEST_F(VensterTest, ActivationResetsStatusBarAndGoToFieldsAndKeepsVerdana) {
    // The stored font reaches the view only through the options dialog.
    std::string reg = gdk::test::LeesBestand(map.pad() / "HKEY_CURRENT_USER.reg");
    Registreer(gdk::test::Vervang(reg, "\"alLettertype\"=\"Verdana\"", "\"alLettertype\"=\"Arial\""));
    venster->Activeren();
    EXPECT_EQ(gdk::alLettertype, "Arial");
    EXPECT_EQ(venster->htmlViewer->DefFontName(), "Verdana");
    EXPECT_EQ(Links(), "  berichten");
    EXPECT_EQ(Rechts(), "  gezinsblad");

    ASSERT_TRUE(LeesVoorbeeld());
    venster->edtGaNaarRelatie->setText("3");
    venster->edtGaNaarPersoon->setText("4");
    venster->LetterTab = 7;
    venster->Activeren();
    EXPECT_TRUE(venster->edtGaNaarRelatie->text().isEmpty());
    EXPECT_TRUE(venster->edtGaNaarPersoon->text().isEmpty());
    EXPECT_EQ(venster->LetterTab, 0);
    EXPECT_EQ(Links(), "  berichten");
    EXPECT_EQ(Rechts(), "  gezinsblad");
}

TEST_F(VensterTest, ActivationRunsAgainWhenAProgramWindowClosesNotAfterAMessageBox) {
    ASSERT_TRUE(LeesVoorbeeld());
    const QString gelezen = Links();
    // A message box hands the focus back without activation: the counts stay.
    {
        gdk::test::SluitMelding melding;
        gdk::UI().Melding("Let op.");
        ASSERT_TRUE(melding.gedaan());
        EXPECT_EQ(melding.tekst(), "Let op.");
    }
    // The window manager hands the focus back (the offscreen platform leaves that to us).
    venster->activateWindow();
    ASSERT_TRUE(gdk::test::Wacht([&] { return venster->isActiveWindow(); }));
    QTest::qWait(20);
    EXPECT_EQ(Links(), gelezen);

    // The image window is one of the program's windows.
    venster->edtGaNaarPersoon->setText("8");
    gdk::test::BijModaal kaart([](QWidget* w) { w->close(); });
    EXPECT_TRUE(venster->VolgLink("#1"));
    ASSERT_TRUE(kaart.gedaan());
    venster->activateWindow();
    EXPECT_TRUE(gdk::test::Wacht([&] { return Links() == "  berichten"; }));
    EXPECT_TRUE(venster->edtGaNaarPersoon->text().isEmpty());
}

TEST_F(VensterTest, ReadingShowsTheCollection) {
    QSignalSpy gelezen(venster.get(), &TfrmGedenkjes::CollectieGelezen);
    ASSERT_TRUE(LeesVoorbeeld());
    EXPECT_EQ(gelezen.count(), 1);
    EXPECT_EQ(venster->windowTitle(), "Gedenkjes (kaarten.gdk)");
    EXPECT_EQ(Links(), "  aantal personen : 55; aantal gezinnen : 15; ingelezen.");
    EXPECT_EQ(Rechts().size(), 13); // "  dd:uu:mm:ss" with the time the read took
    EXPECT_TRUE(venster->pctrViewer->isVisible());
    EXPECT_TRUE(venster->pctrViewer->isEnabled());
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 1);
    EXPECT_FALSE(venster->htmlViewer->isHidden());
    EXPECT_FALSE(venster->findChild<QLabel*>("lblTitel")->isVisible());
    EXPECT_TRUE(venster->mmnuGedenkjesBestandUitvoeren->isEnabled());
    EXPECT_TRUE(venster->mmnuGedenkjesBestandUitvoerenType1->isEnabled());
    EXPECT_TRUE(venster->mmnuGedenkjesBestandBijwerken->actions()[3]->isEnabled());
    EXPECT_TRUE(venster->mmnuGedenkjesBestandPubliceren->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), venster->edtGaNaarPersoon);
    EXPECT_EQ(venster->tcPersoon->currentIndex(), 0);
    // The letter lists are those of "A": no surname of the sample starts with it.
    EXPECT_EQ(venster->lbxRelatie->count(), 0);
    EXPECT_EQ(venster->lbxPersoon->count(), 0);
}

TEST_F(VensterTest, ReadCommandUsesTheOpenDialog) {
    gdk::test::TijdelijkeMap kopie;
    // A '\' in a name the dialog gives is a letter of it, in the folder as in the file.
    const std::string pad =
        kopie.Schrijf("c\\d/mijn\\kaarten.gdk", "Jan;;Kok;M;;1-1-1900;Oss;;;;;;;;nee;;;;\r\n");
    const std::string rapport = kopie.Schrijf("c\\d/mijn\\kaarten_Verschillen.txt", "oud rapport\r\n");
    QString titel, filter;
    gdk::test::BijModaal open([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        if (!dlg) {
            w->close();
            return;
        }
        titel = dlg->windowTitle();
        filter = dlg->nameFilters().join("|");
        EXPECT_EQ(dlg->fileMode(), QFileDialog::ExistingFile);
        dlg->selectFile(QString::fromStdString(pad));
        static_cast<QDialog*>(dlg)->accept();
    });
    venster->mmnuGedenkjesBestandInlezen->trigger();
    ASSERT_TRUE(open.gedaan());
    EXPECT_EQ(titel, "Gedenkjes bestand ");
    EXPECT_EQ(filter, "Gedenkjes (*.gdk)");
    EXPECT_EQ(venster->windowTitle(), "Gedenkjes (mijn\\kaarten.gdk)");
    EXPECT_EQ(gdk::CollectieNaam, "mijn\\kaarten");
    EXPECT_EQ(Links(), "  aantal personen : 1; aantal gezinnen : 0; ingelezen.");
    // The old report belongs to the earlier read.
    EXPECT_EQ(gdk::test::LeesBestand(rapport).find("oud rapport"), std::string::npos);
}

TEST_F(VensterTest, CancelledOpenDialogChangesNothing) {
    const QString links = Links();
    gdk::test::BijModaal open([](QWidget* w) { w->close(); });
    venster->mmnuGedenkjesBestandInlezen->trigger();
    ASSERT_TRUE(open.gedaan());
    EXPECT_EQ(venster->windowTitle(), "Gedenkjes");
    EXPECT_FALSE(venster->pctrViewer->isVisible());
    EXPECT_EQ(Links(), links);
}

TEST_F(VensterTest, FailedReadsLeaveTheWindowUsable) {
    ASSERT_TRUE(LeesVoorbeeld());
    // No file: the status says so, the controls stay as they were, the store is empty.
    QSignalSpy gelezen(venster.get(), &TfrmGedenkjes::CollectieGelezen);
    EXPECT_FALSE(venster->Inlezen(map.tekst() + "/weg.gdk"));
    EXPECT_EQ(gelezen.count(), 0);
    EXPECT_EQ(Rechts(), "  Gedenkjes inlezen fout gegaan");
    EXPECT_EQ(gdk::AantalPersonen, 0);
    EXPECT_EQ(venster->windowTitle(), "Gedenkjes (kaarten.gdk)");
    EXPECT_TRUE(venster->pctrViewer->isVisible());

    // A file that exists but cannot be read: its input/output error is shown, the program goes on.
    std::filesystem::create_directories(map.pad() / "map.gdk");
    gdk::test::SluitMelding melding;
    EXPECT_FALSE(venster->Inlezen(map.tekst() + "/map.gdk"));
    EXPECT_TRUE(melding.gedaan());
    EXPECT_EQ(melding.tekst().toStdString(),
              "Het bestand " + map.tekst() + "/map.gdk kan niet gelezen worden.");

    // And the next read works.
    ASSERT_TRUE(LeesVoorbeeld());
    EXPECT_EQ(Links(), "  aantal personen : 55; aantal gezinnen : 15; ingelezen.");
}

// A family-tree file chosen by mistake is refused with a message, and the window goes on with
// the collection it had: the store, the lists, the page shown, the title, the report.
TEST_F(VensterTest, AFamilyTreeFileIsRefusedAndTheWindowKeepsItsCollection) {
    ASSERT_TRUE(LeesVoorbeeld());
    gdk::test::KiesTabAlsGebruiker(*venster, 5);
    QTest::mouseClick(venster->tcPersoon, Qt::LeftButton, {},
                      venster->tcPersoon->tabRect('K' - 'A').center());
    gdk::test::Dubbelklik(venster->lbxPersoon, 0);
    ASSERT_EQ(venster->pctrViewer->currentIndex(), 0);
    const QString pagina = venster->htmlViewer->toPlainText();
    const QStringList personen = gdk::test::Regels(venster->lbxPersoon);
    const QString links = Links();
    const std::string rapport = gdk::VerschillenBestand;
    const std::string inhoudRapport = gdk::test::LeesBestand(rapport);
    ASSERT_TRUE(pagina.contains("Kok"));

    const std::string pad = map.Schrijf("stamboom.gdk", "0 HEAD\r\n1 GEDC\r\n0 @I1@ INDI\r\n");
    QSignalSpy gelezen(venster.get(), &TfrmGedenkjes::CollectieGelezen);
    gdk::test::SluitMelding melding;
    EXPECT_FALSE(venster->Inlezen(pad));
    ASSERT_TRUE(melding.gedaan());
    EXPECT_TRUE(melding.tekst().startsWith(
        QString::fromStdString("Het bestand " + pad + " is een stamboombestand (GEDCOM)")))
        << melding.tekst().toStdString();
    EXPECT_EQ(gelezen.count(), 0);
    EXPECT_EQ(gdk::AantalPersonen, 55);
    EXPECT_EQ(gdk::CollectieBestandsnaam, "kaarten.gdk");
    EXPECT_EQ(venster->windowTitle(), "Gedenkjes (kaarten.gdk)");
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 0);
    EXPECT_EQ(venster->htmlViewer->toPlainText(), pagina);
    EXPECT_EQ(venster->tcPersoon->currentIndex(), 'K' - 'A');
    EXPECT_EQ(gdk::test::Regels(venster->lbxPersoon), personen);
    EXPECT_EQ(Links(), links);
    EXPECT_EQ(gdk::test::LeesBestand(rapport), inhoudRapport);
    EXPECT_FALSE(std::filesystem::exists(map.pad() / "stamboom_Verschillen.txt"));
}

TEST_F(VensterTest, StatusBarPanels) {
    EXPECT_EQ(venster->sbrGedenkjes->pnlRechts->width(), 150);
    venster->resize(1000, 650);
    QTest::qWait(10);
    EXPECT_EQ(venster->sbrGedenkjes->pnlRechts->width(), 150);
    EXPECT_GT(venster->sbrGedenkjes->pnlLinks->width(), 600);
    gdk::UI().Voortgang(5, 10);
    EXPECT_TRUE(venster->sbrGedenkjes->pbrVoortgang->isVisible());
    EXPECT_EQ(venster->sbrGedenkjes->pbrVoortgang->value(), 5);
    gdk::UI().Voortgang(0, 0);
    EXPECT_FALSE(venster->sbrGedenkjes->pbrVoortgang->isVisible());
    gdk::UI().BezigCursor(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    gdk::UI().BezigCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
