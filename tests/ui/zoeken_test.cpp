// The search page of the main window, through the window as the user types.
#include "ui/venster.h"

#include "data/tvars.h"
#include "htmlview/thtmllite.h"
#include "ui/lijstregels.h"
#include "ui/tsbrgedenkjes.h"

#include <QProgressBar>
#include <QRadioButton>

using gdk::test::Dubbelklik;
using gdk::test::KiesTabAlsGebruiker;
using gdk::test::Regels;
using gdk::test::VensterTest;

namespace {

class Zoeken : public VensterTest {
  protected:
    void SetUp() override {
        VensterTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(LeesVoorbeeld());
    }
    // Ctrl+F, then the text typed key by key.
    void Typ(const QString& tekst) {
        QTest::keyClick(venster.get(), Qt::Key_F, Qt::ControlModifier);
        venster->edtZoeken->clear();
        QTest::keyClicks(venster->edtZoeken, tekst);
    }
    QString Aantal() const { return venster->lblZoekenAantal->text(); }
    QString Pagina() const { return venster->htmlViewer->toPlainText(); }
};

} // namespace

TEST_F(VensterTest, CtrlFBeforeAnyCollectionDoesNothing) {
    QTest::keyClick(venster.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_FALSE(venster->pctrViewer->isVisible());
    EXPECT_NE(QApplication::focusWidget(), venster->edtZoeken);
}

TEST_F(Zoeken, CtrlFFocusesTheFieldFromAnyPage) {
    for (int tab : {1, 5, 2}) {
        KiesTabAlsGebruiker(*venster, tab);
        QWidget* ergens = tab == 1 ? static_cast<QWidget*>(venster->edtGaNaarPersoon) : venster->tcPersoon;
        ergens->setFocus();
        QTest::keyClick(ergens, Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(venster->pctrViewer->currentWidget(), venster->tshZoeken) << tab;
        EXPECT_EQ(QApplication::focusWidget(), venster->edtZoeken) << tab;
    }
    // Back from a page, the search is as it was left, its text selected to type over.
    QTest::keyClicks(venster->edtZoeken, "berg");
    QTest::keyClick(venster->edtZoeken, Qt::Key_Return);
    ASSERT_EQ(venster->pctrViewer->currentIndex(), 0);
    QTest::keyClick(venster->htmlViewer, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), venster->edtZoeken);
    EXPECT_EQ(venster->edtZoeken->selectedText(), "berg");
    EXPECT_EQ(venster->lbxZoekenPersoon->count(), 1);
}

// The cards that the sample's site search finds for the same queries (tests/browser), here with
// the lines of the letter lists: persons left, the relations of those who have one right.
TEST_F(Zoeken, FindsTheCardsTheSiteSearchFinds) {
    const QString zoe = QString::fromUtf8("Peeters, Zo\xC3\xAB * 17-08-1931 Leuven");
    const QString berg = QStringLiteral("Berg, Johannes Petrus * 05-03-1920 Utrecht");
    const struct {
        const char* vraag;
        QString regel;
    } gevallen[] = {
        {"zoe", zoe},    {"van der berg", berg}, {"berg", berg},         {"1931", zoe},
        {"leuven", zoe}, {"ZO\xC3\x8B", zoe},    {"der Berg van", berg}, {"johannes 1920", berg},
    };
    for (const auto& g : gevallen) {
        Typ(QString::fromUtf8(g.vraag));
        EXPECT_EQ(Regels(venster->lbxZoekenPersoon),
                  QStringList({g.regel + (g.regel == zoe ? " %11" : " %1")}))
            << g.vraag;
        EXPECT_EQ(Regels(venster->lbxZoekenRelatie),
                  QStringList({g.regel + (g.regel == zoe ? " #4" : " #1")}))
            << g.vraag;
        EXPECT_EQ(Aantal(), "1 persoon gevonden.") << g.vraag;
    }
    // Every listed person, partners too, in the order of the letter lists: a first name, a
    // surname or a place of death beginning with "ma".
    Typ("ma");
    EXPECT_EQ(Aantal(), "9 personen gevonden.");
    EXPECT_EQ(
        Regels(venster->lbxZoekenPersoon),
        QStringList({"Declercq, Marie-Louise * 03-05-1912 Roeselare %8", "Desmet, Marc  %43",
                     "Jansen, Maria  %2", "Jansen, Maria Theresia * 14-07-1923 Amersfoort %3",
                     "Lemmens, Jeanne * 03-03-1903 Maaseik %48", "Maes, Elisabeth * 02-02-1890 Brugge %40",
                     QString::fromUtf8("Martens, Jos\xC3\xA9 * 06-06-1936 Hasselt %34"), "Martens, Luc  %35",
                     "Van Damme, Maria * 16-12-1929 Oostende %50"}));
}

TEST_F(Zoeken, EnterOrADoubleClickOpensThePage) {
    Typ("zoe");
    QTest::keyClick(venster->edtZoeken, Qt::Key_Return);
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 0);
    EXPECT_TRUE(Pagina().contains("Peeters"));
    EXPECT_EQ(Rechts(), "  persoon : 11");

    Typ("berg");
    Dubbelklik(venster->lbxZoekenRelatie, 0);
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 0);
    EXPECT_TRUE(Pagina().contains("Maria"));
    EXPECT_EQ(Rechts(), "  gezinsblad : 1");

    // The arrow keys lead from the field into the list, Enter there opens the line.
    Typ("de");
    ASSERT_GE(venster->lbxZoekenPersoon->count(), 2);
    QTest::keyClick(venster->edtZoeken, Qt::Key_Down);
    ASSERT_EQ(QApplication::focusWidget(), venster->lbxZoekenPersoon);
    QTest::keyClick(venster->lbxZoekenPersoon, Qt::Key_Down);
    std::int32_t n = 0;
    ASSERT_TRUE(RegelNummer(Van1252(venster->lbxZoekenPersoon->item(1)->text()), '%', n));
    QTest::keyClick(venster->lbxZoekenPersoon, Qt::Key_Return);
    EXPECT_EQ(venster->pctrViewer->currentIndex(), 0);
    EXPECT_EQ(Rechts(), QString::fromStdString("  persoon : " + std::to_string(n)));
}

TEST_F(Zoeken, NoMatchSaysSoAndEscClears) {
    Typ("xyzzy");
    EXPECT_EQ(Aantal(), "Geen personen gevonden.");
    EXPECT_EQ(venster->lbxZoekenPersoon->count(), 0);
    EXPECT_EQ(venster->lbxZoekenRelatie->count(), 0);
    // Enter with nothing found stays on the page.
    QTest::keyClick(venster->edtZoeken, Qt::Key_Return);
    EXPECT_EQ(venster->pctrViewer->currentWidget(), venster->tshZoeken);

    Typ("berg");
    ASSERT_EQ(venster->lbxZoekenPersoon->count(), 1);
    Dubbelklik(venster->lbxZoekenPersoon, 0);
    QTest::keyClick(venster.get(), Qt::Key_F, Qt::ControlModifier);
    venster->lbxZoekenPersoon->setFocus();
    QTest::keyClick(venster->lbxZoekenPersoon, Qt::Key_Escape);
    EXPECT_TRUE(venster->edtZoeken->text().isEmpty());
    EXPECT_EQ(Aantal(), "");
    EXPECT_EQ(venster->lbxZoekenPersoon->count(), 0);
    EXPECT_EQ(QApplication::focusWidget(), venster->edtZoeken);
}

TEST_F(Zoeken, BadInputFindsNothingWithoutError) {
    const struct {
        const char* naam;
        QString tekst;
        const char* aantal;
    } gevallen[] = {
        {"200 tekens", QString(200, QLatin1Char('q')), "Geen personen gevonden."},
        {"100 woorden", QStringLiteral("qq ").repeated(66) + QStringLiteral("ma"), "Geen personen gevonden."},
        {"tekens", QStringLiteral("!? ;-- %% <img src=x>\"'\\"), "Geen personen gevonden."},
        {"spaties", QStringLiteral("     "), ""},
        {"stuurtekens", QString::fromUtf8("\x01\x02\x1b[2J\x7f\xc2\x85"), "Geen personen gevonden."},
        {"buiten 1252", QString::fromUtf8("\xe2\x98\x83 \xf0\x9f\x98\x80 \xe4\xb8\xad"),
         "Geen personen gevonden."},
    };
    QTest::keyClick(venster.get(), Qt::Key_F, Qt::ControlModifier);
    for (const auto& g : gevallen) {
        // Pasted, as such text arrives.
        venster->edtZoeken->clear();
        venster->edtZoeken->insert(g.tekst);
        EXPECT_EQ(Aantal(), g.aantal) << g.naam;
        EXPECT_EQ(venster->lbxZoekenPersoon->count(), 0) << g.naam;
        EXPECT_EQ(venster->lbxZoekenRelatie->count(), 0) << g.naam;
    }
    // A letter beyond Windows-1252 counts as its plain letter, as on the site.
    venster->edtZoeken->setText(QString::fromUtf8("Zo\xC4\x93"));
    EXPECT_EQ(venster->lbxZoekenPersoon->count(), 1);
}

// The lists and the search of a collection are made after its read while the window goes on; a
// read that comes before they are ready leaves nothing of them.
TEST_F(Zoeken, AnotherReadLeavesNoResultOfTheOneBefore) {
    Typ("berg");
    ASSERT_EQ(venster->lbxZoekenPersoon->count(), 1);
    ASSERT_TRUE(venster->Inlezen(VoorbeeldKopie()));
    EXPECT_FALSE(venster->edtZoeken->isEnabled());
    // During the next read the field takes no typing and shows nothing.
    bool gekeken = false, leeg = false, dicht = false;
    QObject::connect(
        venster->findChild<QProgressBar*>("pbrVoortgang"), &QProgressBar::valueChanged, venster.get(), [&] {
            if (gekeken) return;
            gekeken = true;
            QTest::keyClicks(venster->edtZoeken, "jan");
            dicht = !venster->edtZoeken->isEnabled();
            leeg = venster->lbxZoekenPersoon->count() == 0 && venster->lblZoekenAantal->text().isEmpty();
        });
    const std::string pad = map.Schrijf("ander/ander.gdk", "Jan;;Berger;M;;1-1-1900;Oss;;;;;;;;nee;;;;\r\n"
                                                           "Piet;;Smit;M;;2-2-1902;Ede;;;;;;;;nee;;;;\r\n");
    ASSERT_TRUE(venster->Inlezen(pad));
    EXPECT_TRUE(gekeken);
    EXPECT_TRUE(dicht);
    EXPECT_TRUE(leeg);
    // A letter and a sort order chosen before the lists are ready (no event has been handled
    // since the read) show once they are.
    venster->pctrViewer->setCurrentIndex(5);
    gdk::test::KiesLetter(venster->tcPersoon, 'S');
    venster->pctrViewer->setCurrentIndex(1);
    venster->rgrpSorterenPersoonAchternaam->click();
    EXPECT_FALSE(venster->edtZoeken->isEnabled());
    ASSERT_TRUE(gdk::test::Wacht([&] { return venster->edtZoeken->isEnabled(); }));
    EXPECT_EQ(Regels(venster->lbxPersoon), QStringList({"Smit, Piet * 02-02-1902 Ede %2"}));
    EXPECT_EQ(Regels(venster->lbxSorterenPersoon),
              QStringList({"Berger, Jan * 01-01-1900 Oss %1", "Smit, Piet * 02-02-1902 Ede %2"}));
    // The query stands and finds in the new collection.
    EXPECT_EQ(venster->edtZoeken->text(), "berg");
    EXPECT_EQ(Regels(venster->lbxZoekenPersoon), QStringList({"Berger, Jan * 01-01-1900 Oss %1"}));

    // A read that finds no file leaves the store empty: nothing to find.
    EXPECT_FALSE(LeesIn(map.tekst() + "/bestaat-niet.gdk"));
    EXPECT_EQ(venster->lbxZoekenPersoon->count(), 0);
    EXPECT_EQ(Aantal(), "Geen personen gevonden.");
}
