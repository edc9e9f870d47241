// Browsing: letter tabs, sorted lists, double-clicks, go-to fields, next/previous and links.
#include "ui/venster.h"

#include "import/woordlijsten.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QRadioButton>

using gdk::test::Dubbelklik;
using gdk::test::KiesTabAlsGebruiker;
using gdk::test::Regels;
using gdk::test::Rij;
using gdk::test::VensterTest;

namespace {

class Bladeren : public VensterTest {
  protected:
    void SetUp() override {
        VensterTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(LeesVoorbeeld());
    }

    // 105 couples (persons 2i-1 and 2i, family i) with a card image each, and then a card
    // without first names (person 211): numbers of three digits.
    void LeesGroteCollectie() {
        std::string gdk;
        for (int i = 1; i <= 105; ++i)
            gdk += "Jan;;Kaart;M;;1-1-1900;Oss;;;;;;;kaart.jpg;nee;Mien;;Kaart;V\r\n";
        gdk += ";;Zondervoornaam;M;;2-2-1902;Ede;;;;;;;;nee;;;;\r\n";
        const std::string pad = map.Schrijf("groot/groot.gdk", gdk);
        QImage beeld(40, 30, QImage::Format_RGB32);
        beeld.fill(Qt::gray);
        std::filesystem::create_directories(map.pad() / "scans" / "k");
        ASSERT_TRUE(
            beeld.save(QString::fromStdString((map.pad() / "scans" / "k" / "kaart.jpg").string()), "JPG"));
        Registreer(
            "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesAlgemeen]\r\n"
            "\"AfbeeldingBestanden\"=\"" +
            map.tekst() + "/scans\"\r\n");
        venster->Activeren();
        ASSERT_TRUE(LeesIn(pad));
        ASSERT_EQ(gdk::AantalPersonen, 211);
        ASSERT_EQ(gdk::AantalGezinnen, 105);
    }

    // Through the go-to fields, as the user does it.
    void GaNaarPersoon(const QString& n) {
        KiesTabAlsGebruiker(*venster, 1);
        venster->edtGaNaarPersoon->setText(n);
        QTest::keyClick(venster->edtGaNaarPersoon, Qt::Key_Return);
    }
    void GaNaarRelatie(const QString& n) {
        KiesTabAlsGebruiker(*venster, 1);
        venster->edtGaNaarRelatie->setText(n);
        QTest::keyClick(venster->edtGaNaarRelatie, Qt::Key_Return);
    }
    QString Pagina() const { return venster->htmlViewer->toPlainText(); }
};

// A radio button reacts to a click on its circle or its text, not on the empty rest.
void KiesKeuze(QRadioButton* knop) {
    QTest::mouseClick(knop, Qt::LeftButton, {}, QPoint(8, knop->height() / 2));
}

} // namespace

TEST_F(Bladeren, LetterOnPersonTabRefillsBothListsAndRelationTabFollows) {
    KiesTabAlsGebruiker(*venster, 5);
    ASSERT_EQ(venster->pctrViewer->currentIndex(), 5);
    QTest::mouseClick(venster->tcPersoon, Qt::LeftButton, {},
                      venster->tcPersoon->tabRect('K' - 'A').center());
    EXPECT_EQ(venster->tcPersoon->currentIndex(), 10);
    EXPECT_EQ(venster->LetterTab, 10);
    EXPECT_EQ(Regels(venster->lbxPersoon), QStringList({"Kok, Willem * 14-02-1919 Enkhuizen %46"}));
    EXPECT_EQ(Regels(venster->lbxRelatie), QStringList({"Kok, Willem * 14-02-1919 Enkhuizen #14"}));

    KiesTabAlsGebruiker(*venster, 2);
    EXPECT_EQ(venster->tcRelatie->currentIndex(), 10);
    EXPECT_EQ(venster->tcRelatie->tabText(venster->tcRelatie->currentIndex()), "K");
    EXPECT_EQ(Regels(venster->lbxRelatie), QStringList({"Kok, Willem * 14-02-1919 Enkhuizen #14"}));
    // Each tab is a 27th of the control's width.
    EXPECT_EQ(venster->tcRelatie->TabWidth(), venster->tcRelatie->width() / 27);
}

TEST_F(Bladeren, LetterListsAreSortedWithoutRegardToCaseOrApostrophe) {
    venster->VulRelatieLijst('D');
    EXPECT_EQ(Regels(venster->lbxPersoon),
              QStringList({"Dam, Frans * 03-03-1915 Delft %30", "de Boer, Aaltje  %47",
                           "Declercq, Marie-Louise * 03-05-1912 Roeselare %8",
                           "Desmet, Lucia * 07-07-1947 Ieper %42", "Desmet, Marc  %43",
                           QString::fromUtf8("D'Hondt, Alo\xC3\xAFs * 26-03-1899 Aalst %21"),
                           "Dijkstra, Jan * ABT 1888 Leeuwarden %18"}));
    EXPECT_EQ(Regels(venster->lbxRelatie),
              QStringList({"de Boer, Aaltje  #14", "Declercq, Marie-Louise * 03-05-1912 Roeselare #3",
                           "Desmet, Lucia * 07-07-1947 Ieper #13", "Desmet, Marc  #13",
                           QString::fromUtf8("D'Hondt, Alo\xC3\xAFs * 26-03-1899 Aalst #7")}));
}

TEST_F(Bladeren, DoubleClickOnALineShowsItsPage) {
    KiesTabAlsGebruiker(*venster, 5);
    QTest::mouseClick(venster->tcPersoon, Qt::LeftButton, {}, venster->tcPersoon->tabRect(1).center());
    const int rij = Rij(venster->lbxPersoon, "Berg, Johannes Petrus");
    ASSERT_GE(rij, 0);
    Dubbelklik(venster->lbxPersoon, rij);
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 0);
    EXPECT_TRUE(Pagina().contains("Johannes Petrus"));
    EXPECT_EQ(Rechts(), "  persoon : 1");
    EXPECT_EQ(venster->HuidigePersoon, 1);

    KiesTabAlsGebruiker(*venster, 2);
    QTest::mouseClick(venster->tcRelatie, Qt::LeftButton, {},
                      venster->tcRelatie->tabRect('K' - 'A').center());
    ASSERT_EQ(venster->lbxRelatie->count(), 1);
    Dubbelklik(venster->lbxRelatie, 0);
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 0);
    EXPECT_TRUE(Pagina().contains("Willem"));
    EXPECT_TRUE(Pagina().contains("Aaltje"));
    EXPECT_EQ(Rechts(), "  gezinsblad : 14");
    EXPECT_EQ(venster->HuidigeRelatie, 14);
}

TEST_F(Bladeren, DoubleClickOnAnEmptyAreaDoesNothing) {
    KiesTabAlsGebruiker(*venster, 5);
    QTest::mouseClick(venster->tcPersoon, Qt::LeftButton, {}, venster->tcPersoon->tabRect(1).center());
    ASSERT_EQ(venster->lbxPersoon->count(), 3);
    const QPoint leeg(10, venster->lbxPersoon->viewport()->height() - 5);
    ASSERT_EQ(venster->lbxPersoon->itemAt(leeg), nullptr);
    QTest::mouseDClick(venster->lbxPersoon->viewport(), Qt::LeftButton, {}, leeg);
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 5);
    EXPECT_EQ(venster->HuidigePersoon, 0);
}

TEST_F(Bladeren, NextAndPreviousStopAtTheEnds) {
    // Right after the read the relation cursor is 0: "Volgend Relatie" shows relation 1.
    KiesTabAlsGebruiker(*venster, 3);
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 0);
    EXPECT_EQ(Rechts(), "  gezinsblad : 1");

    GaNaarRelatie("15");
    ASSERT_EQ(venster->pctrViewer->currentIndex(), 0);
    KiesTabAlsGebruiker(*venster, 3);
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 0);
    EXPECT_EQ(venster->HuidigeRelatie, 15);
    EXPECT_EQ(Rechts(), "  gezinsblad : 15");
    EXPECT_TRUE(Pagina().contains("Gilbert"));
    KiesTabAlsGebruiker(*venster, 4);
    EXPECT_EQ(Rechts(), "  gezinsblad : 14");

    GaNaarPersoon("1");
    KiesTabAlsGebruiker(*venster, 7);
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 0);
    EXPECT_EQ(venster->HuidigePersoon, 1);
    EXPECT_EQ(Rechts(), "  persoon : 1");
    EXPECT_TRUE(Pagina().contains("Johannes Petrus"));
    KiesTabAlsGebruiker(*venster, 6);
    EXPECT_EQ(Rechts(), "  persoon : 2");

    GaNaarPersoon("55");
    KiesTabAlsGebruiker(*venster, 6);
    EXPECT_EQ(Rechts(), "  persoon : 55");
    EXPECT_TRUE(Pagina().contains("Ida"));
}

TEST_F(Bladeren, RelationNumberOutsideTheStoreShowsNothing) {
    KiesTabAlsGebruiker(*venster, 1);
    venster->edtGaNaarPersoon->setText("3");
    venster->edtGaNaarRelatie->setFocus();
    QTest::keyClicks(venster->edtGaNaarRelatie, "99999");
    QTest::keyClick(venster->edtGaNaarRelatie, Qt::Key_Return);
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 1);
    EXPECT_TRUE(Pagina().isEmpty());
    EXPECT_TRUE(venster->edtGaNaarPersoon->text().isEmpty());
    EXPECT_EQ(venster->edtGaNaarRelatie->text(), "99999");
    EXPECT_EQ(QApplication::focusWidget(), venster->edtGaNaarRelatie);
    EXPECT_EQ(venster->HuidigeRelatie, 99999);
    // "Vorig Relatie" counts down from there; nothing to show, the command sheet stays.
    KiesTabAlsGebruiker(*venster, 4);
    EXPECT_EQ(venster->HuidigeRelatie, 99998);
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 4);
}

TEST_F(Bladeren, PersonWithoutPageReturnsToThePersonField) {
    gdk::Personen.Wijzig(5).Achternaam.clear(); // no surname: no page
    KiesTabAlsGebruiker(*venster, 1);
    venster->edtGaNaarRelatie->setText("  ");
    venster->edtGaNaarPersoon->setText("5");
    QTest::mouseClick(venster->bbtnGaNaar, Qt::LeftButton);
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 1);
    EXPECT_TRUE(Pagina().isEmpty());
    EXPECT_TRUE(venster->edtGaNaarRelatie->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), venster->edtGaNaarPersoon);
    EXPECT_EQ(venster->HuidigePersoon, 5);
}

TEST_F(Bladeren, RelationFieldTakesEveryLinkForm) {
    GaNaarRelatie("%8");
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 0);
    EXPECT_TRUE(Pagina().contains("Marie-Louise"));
    EXPECT_EQ(Rechts(), "  persoon : 8");
    GaNaarRelatie(" 3");
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 0);
    EXPECT_EQ(Rechts(), "  gezinsblad : 3");
}

TEST_F(Bladeren, SelectingTheViewerTabByHandEmptiesTheView) {
    GaNaarPersoon("1");
    ASSERT_FALSE(Pagina().isEmpty());
    KiesTabAlsGebruiker(*venster, 1);
    EXPECT_TRUE(Pagina().isEmpty());
    EXPECT_EQ(Rechts(), "  gezinsblad");
    ASSERT_TRUE(venster->VolgLink("%1"));
    ASSERT_FALSE(Pagina().isEmpty());
    KiesTabAlsGebruiker(*venster, 0);
    EXPECT_TRUE(Pagina().isEmpty());
}

TEST_F(Bladeren, SortedListsHoldEveryListedPerson) {
    KiesTabAlsGebruiker(*venster, 1);
    KiesKeuze(venster->rgrpSorterenPersoonAchternaam);
    const QStringList personen = Regels(venster->lbxSorterenPersoon);
    EXPECT_EQ(personen.size(), 55);
    EXPECT_EQ(personen.first(), "Bakker, Wilhelmina * 1920? Haarlem %17");
    // A surname with an accented capital is under no letter tab, but sorted with the others.
    EXPECT_TRUE(personen.contains(QString::fromUtf8("\xC3\x89loy, Ga\xC3\xABtan * 02-02-1902 Namen %13")));

    KiesKeuze(venster->rgrpSorterenRelatieVoornamen);
    const QStringList relaties = Regels(venster->lbxSorterenRelatie);
    EXPECT_EQ(relaties.size(), 30);
    EXPECT_EQ(relaties.first(), "Aaltje, de Boer  #14");

    Dubbelklik(venster->lbxSorterenRelatie, 0);
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 0);
    EXPECT_EQ(Rechts(), "  gezinsblad : 14");

    // Opening a letter tab empties both sorted lists and their choice.
    KiesTabAlsGebruiker(*venster, 1);
    KiesKeuze(venster->rgrpSorterenPersoonVoornamen);
    ASSERT_EQ(venster->lbxSorterenPersoon->count(), 55);
    KiesTabAlsGebruiker(*venster, 5);
    EXPECT_EQ(venster->lbxSorterenPersoon->count(), 0);
    EXPECT_EQ(venster->lbxSorterenRelatie->count(), 0);
    EXPECT_FALSE(venster->rgrpSorterenPersoonVoornamen->isChecked());
    EXPECT_FALSE(venster->rgrpSorterenRelatieVoornamen->isChecked());
}

// Links in a shown page, for numbers of one, two and three digits.
struct LinkGeval {
    const char* naam;
    bool groot;          // the generated collection instead of the sample
    const char* relatie; // the page shown: a relation (else a person)
    const char* pagina;
    const char* link;
    const char* status; // the right panel afterwards
    const char* inhoud; // a text of the page shown afterwards
};

class Links : public Bladeren, public ::testing::WithParamInterface<LinkGeval> {};

TEST_P(Links, ClickFollowsTheLink) {
    const LinkGeval& g = GetParam();
    if (g.groot) LeesGroteCollectie();
    if (g.relatie[0] == 'j')
        GaNaarRelatie(g.pagina);
    else
        GaNaarPersoon(g.pagina);
    ASSERT_EQ(venster->pctrViewer->currentIndex(), 0);
    const int persoon = venster->HuidigePersoon;
    const int relatie = venster->HuidigeRelatie;
    ASSERT_TRUE(gdk::test::KlikLink(*venster, g.link)) << g.link << " in " << Pagina().toStdString();
    EXPECT_EQ(Rechts().toStdString(), g.status);
    EXPECT_TRUE(Pagina().contains(g.inhoud)) << Pagina().toStdString();
    const std::string link = g.link;
    if (link[0] == '%') {
        EXPECT_EQ(venster->HuidigePersoon, std::stoi(link.substr(1)));
        EXPECT_EQ(venster->HuidigeRelatie, relatie);
    } else {
        // A relation link leaves the person cursor alone.
        EXPECT_EQ(venster->HuidigeRelatie, std::stoi(link));
        EXPECT_EQ(venster->HuidigePersoon, persoon);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cijfers, Links,
    ::testing::Values(LinkGeval{"Persoon1", false, "n", "1", "%2", "  persoon : 2", "Maria"},
                      LinkGeval{"Persoon2", false, "n", "46", "%47", "  persoon : 47", "Aaltje"},
                      LinkGeval{"Persoon3", true, "n", "201", "%202", "  persoon : 202", "Mien"},
                      LinkGeval{"Relatie1", false, "j", "1", "1", "  gezinsblad : 1", "Johannes Petrus"},
                      LinkGeval{"Relatie2", false, "j", "14", "14", "  gezinsblad : 14", "Willem"},
                      LinkGeval{"Relatie3", true, "j", "101", "101", "  gezinsblad : 101", "Mien"}),
    [](const auto& info) { return std::string(info.param.naam); });

// The image button of a shown page opens the card of that person.
struct KnopGeval {
    const char* naam;
    bool groot;
    const char* persoon;
    const char* link;
    int nummer;
    bool achterkant; // the card has a back, shown beside the front
};

class Knoppen : public Bladeren, public ::testing::WithParamInterface<KnopGeval> {};

TEST_P(Knoppen, ClickOpensTheImageWindow) {
    const KnopGeval& g = GetParam();
    if (g.groot) LeesGroteCollectie();
    GaNaarPersoon(g.persoon);
    ASSERT_EQ(venster->pctrViewer->currentIndex(), 0);
    const QString pagina = Pagina();
    int getoond = -1;
    bool geladen = false, beide = false;
    gdk::test::BijModaal kaart([&](QWidget* w) {
        auto* frm = qobject_cast<TfrmAfbeelding*>(w);
        if (!frm) {
            w->close();
            return;
        }
        getoond = venster->AfbeeldingPersoon;
        geladen = frm->Geladen;
        beide = frm->AchterkantGeladen && frm->imgAfbeelding->isVisible() && frm->imgAchterkant->isVisible();
        // A double-click on the picture closes the window.
        QTest::mouseDClick(frm->imgAfbeelding, Qt::LeftButton, {}, frm->imgAfbeelding->rect().center());
    });
    ASSERT_TRUE(gdk::test::KlikLink(*venster, g.link, QPoint(4, 0)));
    ASSERT_TRUE(kaart.gedaan());
    EXPECT_EQ(getoond, g.nummer);
    EXPECT_TRUE(geladen);
    EXPECT_EQ(beide, g.achterkant);
    EXPECT_EQ(Pagina(), pagina);
}

INSTANTIATE_TEST_SUITE_P(Cijfers, Knoppen,
                         ::testing::Values(KnopGeval{"Persoon1", false, "1", "#1", 1, true},
                                           KnopGeval{"Persoon2", false, "46", "#46", 46, true},
                                           KnopGeval{"Persoon3", true, "201", "#201", 201, false}),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Bladeren, PersonWithoutFirstNamesOnlyThroughGoTo) {
    LeesGroteCollectie();
    venster->VulRelatieLijst('Z');
    EXPECT_EQ(venster->lbxPersoon->count(), 0);
    KiesTabAlsGebruiker(*venster, 1);
    KiesKeuze(venster->rgrpSorterenPersoonAchternaam);
    EXPECT_EQ(venster->lbxSorterenPersoon->count(), 210);
    EXPECT_EQ(Rij(venster->lbxSorterenPersoon, "Zondervoornaam"), -1);
    GaNaarPersoon("211");
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 0);
    EXPECT_TRUE(Pagina().contains("Zondervoornaam"));
    EXPECT_EQ(Rechts(), "  persoon : 211");
}

// Link texts that name nothing: no page, no window, no crash; the cursors take the number
// whenever it converts, page or not.
constexpr int Blijft = -1000;

struct SlechteLink {
    const char* link;
    int persoon; // cursor afterwards
    int relatie;
};

class SlechteLinks : public Bladeren, public ::testing::WithParamInterface<SlechteLink> {};

TEST_P(SlechteLinks, NothingIsShown) {
    const SlechteLink& g = GetParam();
    ASSERT_TRUE(venster->VolgLink("%1"));
    const QString pagina = Pagina();
    venster->HuidigePersoon = 7;
    venster->HuidigeRelatie = 3;
    venster->htmlViewerHotSpotClick(QString::fromLatin1(g.link));
    EXPECT_EQ(Pagina(), pagina);
    EXPECT_EQ(venster->HuidigePersoon, g.persoon == Blijft ? 7 : g.persoon);
    EXPECT_EQ(venster->HuidigeRelatie, g.relatie == Blijft ? 3 : g.relatie);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Vormen, SlechteLinks,
    ::testing::Values(SlechteLink{"", Blijft, Blijft}, SlechteLink{"abc", Blijft, Blijft},
                      SlechteLink{"5 ", Blijft, Blijft}, SlechteLink{"0x5", Blijft, Blijft},
                      SlechteLink{"%", Blijft, Blijft}, SlechteLink{"%abc", Blijft, Blijft},
                      SlechteLink{"%0", 0, Blijft}, SlechteLink{"%56", 56, Blijft},
                      SlechteLink{"@-1", -1, Blijft}, SlechteLink{"0", Blijft, 0},
                      SlechteLink{"16", Blijft, 16}, SlechteLink{"99999999999", Blijft, Blijft},
                      SlechteLink{"#0", Blijft, Blijft}, SlechteLink{"#56", Blijft, Blijft},
                      SlechteLink{"#x", Blijft, Blijft}));

TEST_F(Bladeren, AnImageThatCannotBeLoadedIsReportedOverTheProgram) {
    // Away from the screen's corner, and within the screen, which would keep a message inside it.
    venster->setGeometry(QRect(
        QGuiApplication::primaryScreen()->availableGeometry().center() - QPoint(300, 200), QSize(600, 400)));
    gdk::Personen.Wijzig(1).AfbeeldingBestand = "weg.jpg";
    QRect melding;
    std::unique_ptr<gdk::test::BijModaal> kaart;
    gdk::test::BijModaal fout([&](QWidget* w) {
        if (qobject_cast<QMessageBox*>(w)) melding = w->geometry();
        w->close();
        // The image window still opens after the message, without a picture.
        kaart = std::make_unique<gdk::test::BijModaal>([](QWidget* frm) { frm->close(); });
    });
    GaNaarRelatie(QStringLiteral("#1"));
    ASSERT_TRUE(fout.gedaan());
    ASSERT_TRUE(kaart && kaart->gedaan());
    ASSERT_TRUE(melding.isValid());
    const QPoint verschil = melding.center() - venster->geometry().center();
    EXPECT_LE(verschil.manhattanLength(), 4) << verschil.x() << "," << verschil.y();
}
