// The help window as the user opens it: F1 and "Help" at the start topic, F1 in the options
// dialog at the options topic, links followed between topics and refused when they lead outside
// the help folder, and a message naming the folder when the help is missing.
#include "ui/tfrmhelp.h"

#include "htmlview/ankerplek.h"
#include "support_qt/bureaublad.h"
#include "ui/tfrmopties.h"
#include "ui/venster.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace gdk::test {
namespace {

// Stand-in pages; the manual's own text is not what these tests are about.
const char* const Index =
    "<html><head><title>Inhoud</title></head><body><h1>Welkom bij de help</h1>"
    "<p><a href=\"opties.htm\">Opties</a> <a href=\"onder/lezen.htm\">Lezen</a> "
    "<a href=\"weg.htm\">Weg</a> <a href=\"../geheim.htm\">Geheim</a> "
    "<a href=\"file:///etc/hostname\">Systeem</a> <a href=\"http://example.com/\">Web</a> "
    "<a href=\"mailto:iemand@example.com\">Post</a> <a href=\"#slot\">Slot</a></p>"
    "<p><img src=\"plaatje.png\"> <img src=\"../buiten.png\"></p>"
    "<p style=\"margin-top:3000px\"><a name=\"slot\"></a>Slot van de pagina</p></body></html>";
const char* const Opties =
    "<html><body><h1>De opties</h1><p><a href=\"index.htm\">Inhoud</a></p></body></html>";
const char* const Lezen =
    "<html><body><h1>Een collectie lezen</h1><p><a href=\"../opties.htm\">Opties</a></p>"
    "</body></html>";

class Help : public VensterTest {
  protected:
    void SetUp() override {
        VensterTest::SetUp();
        programma = map.tekst() + "/programma";
    }
    void MaakHelp(bool metOpties = true) {
        map.Schrijf("programma/help/index.htm", Index);
        if (metOpties) map.Schrijf("programma/help/opties.htm", Opties);
        map.Schrijf("programma/help/onder/lezen.htm", Lezen);
        map.Schrijf("programma/geheim.htm", "<html><body>geheim</body></html>");
        QImage beeld(20, 10, QImage::Format_RGB32);
        beeld.fill(Qt::red);
        ASSERT_TRUE(beeld.save(QString::fromStdString(programma + "/help/plaatje.png")));
        ASSERT_TRUE(beeld.save(QString::fromStdString(programma + "/buiten.png")));
    }
    TfrmHelp* HelpVan(QWidget* w) const {
        return w->findChild<TfrmHelp*>(QString(), Qt::FindDirectChildrenOnly);
    }
    QString Pagina(TfrmHelp* help) const {
        return QDir(QString::fromStdString(programma + "/help"))
            .relativeFilePath(help->htmlHelp->source().toLocalFile());
    }
    // A click on a link of the page shown, as the user does it.
    void Klik(TfrmHelp* help, const QString& href) {
        const QPoint plek = Ankerplek(*help->htmlHelp, href);
        ASSERT_GE(plek.x(), 0) << href.toStdString();
        help->htmlHelp->ensureCursorVisible();
        QTest::mouseClick(help->htmlHelp->viewport(), Qt::LeftButton, {}, plek);
    }

    std::string programma;
};

TEST_F(Help, F1AndTheHelpCommandOpenTheStartTopicInOneWindow) {
    MaakHelp();
    Bureaublad bureaublad;
    QTest::keyClick(venster.get(), Qt::Key_F1);
    TfrmHelp* help = HelpVan(venster.get());
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Help bij Gedenkjes"));
    EXPECT_EQ(Pagina(help), QStringLiteral("index.htm"));
    EXPECT_TRUE(help->htmlHelp->toPlainText().contains(QStringLiteral("Welkom bij de help")));
    EXPECT_FALSE(help->lblHelpMelding->isVisible());

    Klik(help, QStringLiteral("opties.htm"));
    help->close();
    venster->mmnuGedenkjesHelpHelp->trigger();
    EXPECT_EQ(HelpVan(venster.get()), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(Pagina(help), QStringLiteral("index.htm"));
    EXPECT_TRUE(bureaublad.geopend.empty());
}

TEST_F(Help, F1InTheOptionsDialogOpensTheOptionsTopic) {
    MaakHelp();
    QStringList paginas;
    BijModaal opties([&](QWidget* w) {
        // A shortcut of the dialog answers only once a control of the active dialog has the focus.
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        EXPECT_TRUE(Wacht([w] { return w->isAncestorOf(QApplication::focusWidget()); }));
        QTest::keyClick(w, Qt::Key_F1);
        if (TfrmHelp* help = HelpVan(w)) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(help));
            paginas << Pagina(help);
            // The options dialog is modal; its help must take the user's clicks all the same.
            Klik(help, QStringLiteral("index.htm"));
            paginas << Pagina(help);
        }
        w->close();
    });
    venster->mmnuGedenkjesOpties->trigger();
    ASSERT_TRUE(opties.gedaan());
    EXPECT_EQ(paginas, QStringList({"opties.htm", "index.htm"}));
}

// Links of the start page: the topics are followed, everything else leaves the page as it was.
struct LinkGeval {
    const char* naam;
    const char* href;
    const char* pagina; // the page shown afterwards
    const char* melding;
};

class HelpLinks : public Help, public ::testing::WithParamInterface<LinkGeval> {};

TEST_P(HelpLinks, FollowedInsideRefusedOutside) {
    const LinkGeval& g = GetParam();
    MaakHelp();
    Bureaublad bureaublad;
    TfrmHelp* help = TfrmHelp::Toon(venster.get(), HelpContextGedenkjes);
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    Klik(help, QString::fromLatin1(g.href));
    EXPECT_EQ(Pagina(help), QString::fromLatin1(g.pagina));
    // {programma} stands for the program folder.
    EXPECT_EQ(help->lblHelpMelding->isVisible() ? help->lblHelpMelding->text() : QString(),
              QString::fromUtf8(g.melding).replace("{programma}", QString::fromStdString(programma)));
    EXPECT_FALSE(help->htmlHelp->toPlainText().contains(QStringLiteral("geheim")));
    EXPECT_TRUE(bureaublad.geopend.empty()) << bureaublad.geopend.size();
}

INSTANTIATE_TEST_SUITE_P(
    Links, HelpLinks,
    ::testing::Values(
        LinkGeval{"Onderwerp", "opties.htm", "opties.htm", ""},
        LinkGeval{"Submap", "onder/lezen.htm", "onder/lezen.htm", ""},
        LinkGeval{"Anker", "#slot", "index.htm", ""},
        LinkGeval{"Gebroken", "weg.htm", "index.htm", "De helppagina weg.htm is niet gevonden."},
        LinkGeval{"Bovenliggend", "../geheim.htm", "index.htm",
                  "Deze koppeling leidt buiten de help en wordt niet geopend: {programma}/geheim.htm"},
        LinkGeval{"Bestand", "file:///etc/hostname", "index.htm",
                  "Deze koppeling leidt buiten de help en wordt niet geopend: /etc/hostname"},
        LinkGeval{"Web", "http://example.com/", "index.htm",
                  "Deze koppeling leidt buiten de help en wordt niet geopend: http://example.com/"},
        LinkGeval{"Post", "mailto:iemand@example.com", "index.htm",
                  "Deze koppeling leidt buiten de help en wordt niet geopend: mailto:iemand@example.com"}),
    [](const auto& geval) { return std::string(geval.param.naam); });

TEST_F(Help, BackForwardAndContents) {
    MaakHelp();
    TfrmHelp* help = TfrmHelp::Toon(venster.get(), HelpContextGedenkjes);
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    EXPECT_FALSE(help->bbtnTerug->isEnabled());
    Klik(help, QStringLiteral("onder/lezen.htm"));
    Klik(help, QStringLiteral("../opties.htm"));
    EXPECT_EQ(Pagina(help), QStringLiteral("opties.htm"));
    QTest::mouseClick(help->bbtnTerug, Qt::LeftButton);
    EXPECT_EQ(Pagina(help), QStringLiteral("onder/lezen.htm"));
    QTest::mouseClick(help->bbtnVooruit, Qt::LeftButton);
    EXPECT_EQ(Pagina(help), QStringLiteral("opties.htm"));
    QTest::mouseClick(help->bbtnInhoud, Qt::LeftButton);
    EXPECT_EQ(Pagina(help), QStringLiteral("index.htm"));
    QTest::mouseClick(help->bbtnSluiten, Qt::LeftButton);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(Help, PicturesComeFromTheHelpFolderOnly) {
    MaakHelp();
    TfrmHelp* help = TfrmHelp::Toon(venster.get(), HelpContextGedenkjes);
    ASSERT_NE(help, nullptr);
    QTextDocument* document = help->htmlHelp->document();
    const QUrl bron = help->htmlHelp->source();
    EXPECT_FALSE(
        document->resource(QTextDocument::ImageResource, bron.resolved(QUrl("plaatje.png"))).isNull());
    const QVariant buiten =
        document->resource(QTextDocument::ImageResource, bron.resolved(QUrl("../buiten.png")));
    EXPECT_TRUE(buiten.toByteArray().isEmpty() && buiten.value<QImage>().isNull());
}

TEST_F(Help, AMissingHelpFolderIsNamed) {
    SluitMelding melding;
    QTest::keyClick(venster.get(), Qt::Key_F1);
    ASSERT_TRUE(melding.gedaan());
    EXPECT_EQ(melding.tekst(),
              QString::fromStdString("De help is niet gevonden.\nDe helppagina's horen in de map " +
                                     programma + "/help te staan."));
    EXPECT_EQ(HelpVan(venster.get()), nullptr);
}

TEST_F(Help, AMissingTopicIsSaidInTheHelpWindow) {
    MaakHelp(false);
    QString tekst;
    BijModaal opties([&](QWidget* w) {
        // A shortcut of the dialog answers only once a control of the active dialog has the focus.
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        EXPECT_TRUE(Wacht([w] { return w->isAncestorOf(QApplication::focusWidget()); }));
        QTest::keyClick(w, Qt::Key_F1);
        if (TfrmHelp* help = HelpVan(w)) tekst = help->lblHelpMelding->text();
        w->close();
    });
    venster->mmnuGedenkjesOpties->trigger();
    ASSERT_TRUE(opties.gedaan());
    EXPECT_EQ(tekst, QStringLiteral("De helppagina opties.htm is niet gevonden."));
}

TEST_F(Help, ComingBackFromTheHelpKeepsWhatWasTyped) {
    MaakHelp();
    ASSERT_TRUE(LeesVoorbeeld());
    KiesTabAlsGebruiker(*venster, 1);
    venster->edtGaNaarPersoon->setText(QStringLiteral("3"));
    TfrmHelp* help = TfrmHelp::Toon(venster.get(), HelpContextGedenkjes);
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    venster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(venster.get()));
    // The help stands for the system's help viewer: no window of the program, no new activation.
    EXPECT_EQ(venster->edtGaNaarPersoon->text(), QStringLiteral("3"));
}

} // namespace
} // namespace gdk::test
