// The program's start as main runs it: the About values written into an empty registry before the
// first activation, a registry it may not write left alone, one it cannot read named, captions
// without an application name, and Qt's own texts in Dutch.
#include "ui/opstarten.h"

#include "settings/programmagegevens.h"
#include "support_qt/bureaublad.h"
#include "ui/tfrmafbeelding.h"
#include "ui/tfrmopties.h"
#include "ui/venster.h"
#include "ui/vminfotool.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace gdk::test {
namespace {

class Opstart : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string programma = map.tekst() + "/programma";
        std::filesystem::create_directories(programma);
        setenv("GEDENKJES_PROGRAMMAMAP", programma.c_str(), 1);
        Registreer("");
    }
    void TearDown() override {
        venster.reset();
        unsetenv("GEDENKJES_PROGRAMMAMAP");
        unsetenv("GEDENKJES_REGISTRY");
    }
    void Registreer(const std::string& inhoud) {
        registerPad = map.Schrijf("HKEY_CURRENT_USER.reg", inhoud);
        setenv("GEDENKJES_REGISTRY", registerPad.c_str(), 1);
    }
    void Start() {
        venster = Opstarten();
        ASSERT_TRUE(QTest::qWaitForWindowActive(venster.get()));
    }
    // The labels of the About window, opened with "Info" as the user does.
    QStringList Informatie() {
        QStringList teksten;
        BijModaal info([&](QWidget* w) {
            auto* frm = qobject_cast<TfrmvmInfoTool*>(w);
            if (frm) {
                // The texts are read when the window becomes active.
                Wacht([&] { return frm->lblVersieNummer->text() != QStringLiteral("Versie nummer"); });
                for (QLabel* l : {frm->lblProgrammaNaam, frm->lblVersieNummer, frm->lblVersieDatum,
                                  frm->lblNaam, frm->lblSoftware})
                    teksten << l->text();
            }
            w->close();
        });
        venster->mmnuGedenkjesHelpInfo->trigger();
        EXPECT_TRUE(info.gedaan());
        return teksten;
    }

    TijdelijkeMap map;
    std::string registerPad;
    std::unique_ptr<TfrmGedenkjes> venster;
};

TEST_F(Opstart, AnEmptyRegistryGivesTheAboutWindowItsValues) {
    Start();
    EXPECT_EQ(Informatie(), QStringList({"Gedenkjes", "versie 4.00", QString::fromLatin1(ProgrammaDatum),
                                         QString::fromLatin1(MakerNaam), QString::fromLatin1(MakerLogo)}));
}

TEST_F(Opstart, TheFirstActivationAlreadyFindsTheMakersAddresses) {
    Bureaublad bureaublad;
    Start();
    // Activation reads the addresses; no activation has run since the window became active.
    venster->mmnuGedenkjesHelpEmail->trigger();
    venster->mmnuGedenkjesHelpHomepagina->trigger();
    EXPECT_EQ(bureaublad.geopend,
              (std::vector<QUrl>{QUrl(QStringLiteral("mailto:") + QString::fromLatin1(ProgrammaEmail)),
                                 QUrl(QString::fromLatin1(MakerHomepage))}));
}

// A registry that cannot be read, or may not be written: the values are simply not there, the
// file stays byte for byte and mode for mode as it was, and one that cannot be read is named.
struct SlechtRegister {
    const char* naam;
    const char* inhoud; // null: a registry file in a place no one can create it
    mode_t modus = 0644;
    uid_t eigenaar = 0;          // 0: the test's own user; another one needs root
    const char* reden = nullptr; // why the start-up says it could not read the file
};

class SlechteRegisters : public Opstart, public ::testing::WithParamInterface<SlechtRegister> {};

TEST_P(SlechteRegisters, StartAndAboutWindowWithoutValues) {
    const SlechtRegister& g = GetParam();
    struct stat voor {};
    if (g.inhoud) {
        Registreer(g.inhoud);
        if (g.eigenaar && geteuid() != 0) GTEST_SKIP() << "only root gives a file to another user";
        ASSERT_EQ(::chown(registerPad.c_str(), g.eigenaar ? g.eigenaar : geteuid(), getegid()), 0);
        ASSERT_EQ(::chmod(registerPad.c_str(), g.modus), 0);
        ASSERT_EQ(::stat(registerPad.c_str(), &voor), 0);
    } else {
        setenv("GEDENKJES_REGISTRY", "/proc/gedenkjes/HKEY_CURRENT_USER.reg", 1);
    }
    {
        Meldingen meldingen;
        Start();
        QStringList verwacht;
        if (g.reden)
            verwacht << QString::fromStdString("Het instellingenbestand " + registerPad +
                                               " kon niet gelezen worden: " + g.reden +
                                               ". De standaardinstellingen worden gebruikt en het bestand "
                                               "blijft ongewijzigd.");
        EXPECT_EQ(meldingen.teksten, verwacht);
    }
    EXPECT_EQ(Informatie(), QStringList({"", "versie ", "", "", ""}));
    if (g.inhoud) {
        EXPECT_EQ(LeesBestand(registerPad), g.inhoud);
        struct stat na {};
        ASSERT_EQ(::stat(registerPad.c_str(), &na), 0);
        EXPECT_EQ(na.st_ino, voor.st_ino);
        EXPECT_EQ(na.st_mode, voor.st_mode);
        EXPECT_EQ(na.st_uid, voor.st_uid);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Registers, SlechteRegisters,
    ::testing::Values(
        SlechtRegister{"Onzin", "dit is geen register\r\n[[[\r\n", 0644, 0,
                       "het is geen registerbestand (REGEDIT4 of Windows Registry Editor Version 5.00)"},
        SlechtRegister{"Onschrijfbaar", nullptr}, SlechtRegister{"AlleenLezen", "REGEDIT4\r\n", 0444},
        SlechtRegister{"VanEenAnder", "REGEDIT4\r\n", 0666, 4242}),
    [](const auto& geval) { return std::string(geval.param.naam); });

TEST_F(Opstart, NoApplicationDisplayNameIsAddedToTheCaptions) {
    Start();
    // Without a display name of its own, Qt's display name follows the application name; one that
    // was set would stay, and the X11 title bars would end in it.
    const QString naam = QApplication::applicationName();
    QApplication::setApplicationName(QStringLiteral("Proef"));
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Proef"));
    QApplication::setApplicationName(naam);
    EXPECT_EQ(naam, QStringLiteral("Gedenkjes"));
}

TEST_F(Opstart, CaptionsAreExactlyTheProgramsOwn) {
    Registreer(VoorbeeldRegister(map.tekst() + "/out"));
    Start();
    EXPECT_EQ(venster->windowTitle(), QStringLiteral("Gedenkjes"));
    QStringList titels;
    auto bewaar = [&](QWidget* w) {
        titels << w->windowTitle();
        w->close();
    };
    {
        BijModaal open(bewaar);
        venster->mmnuGedenkjesBestandInlezen->trigger();
    }
    {
        BijModaal opties(bewaar);
        venster->mmnuGedenkjesOpties->trigger();
    }
    {
        BijModaal info(bewaar);
        venster->mmnuGedenkjesHelpInfo->trigger();
    }
    ASSERT_TRUE(venster->Inlezen(Voorbeeld("kaarten.gdk")));
    {
        // The image window of person 1, through the relation field that takes every link form (the
        // card has a back, which the caption names).
        BijModaal kaart(bewaar);
        KiesTabAlsGebruiker(*venster, 1);
        venster->edtGaNaarRelatie->setText(QStringLiteral("#1"));
        QTest::keyClick(venster->edtGaNaarRelatie, Qt::Key_Return);
    }
    EXPECT_EQ(titels, QStringList({"Gedenkjes bestand ", "Opties", "Informatie",
                                   "Afbeelding - voor- en achterkant"}));
    EXPECT_EQ(venster->windowTitle(), QStringLiteral("Gedenkjes (kaarten.gdk)"));
}

TEST_F(Opstart, QtsOwnTextsAreDutch) {
    Start();
    QMessageBox vraag(QMessageBox::Question, QStringLiteral("Gedenkjes"), QStringLiteral("?"),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(vraag.button(QMessageBox::Yes)->text().remove('&'), QStringLiteral("Ja"));
    EXPECT_EQ(vraag.button(QMessageBox::No)->text().remove('&'), QStringLiteral("Nee"));
    EXPECT_EQ(vraag.button(QMessageBox::Cancel)->text().remove('&'), QStringLiteral("Annuleren"));

    // The open dialog of "Inlezen".
    QStringList dialoog;
    BijModaal open([&](QWidget* w) {
        if (auto* dlg = qobject_cast<QFileDialog*>(w)) {
            for (const char* naam : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
                if (auto* l = dlg->findChild<QLabel*>(QString::fromLatin1(naam)))
                    dialoog << l->text().remove('&');
            if (auto* knoppen = dlg->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")))
                for (QAbstractButton* k : knoppen->buttons())
                    dialoog << k->text().remove('&');
        }
        w->close();
    });
    venster->mmnuGedenkjesBestandInlezen->trigger();
    ASSERT_TRUE(open.gedaan());
    EXPECT_EQ(dialoog,
              QStringList({"Zoeken in:", "Bestandsnaam:", "Bestanden van type:", "Openen", "Annuleren"}));

    // The context menus of an edit and of the page view.
    auto teksten = [](QMenu* menu) {
        QStringList t;
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) t << a->text().remove('&').section('\t', 0, 0);
        delete menu;
        return t;
    };
    const QStringList bewerken = teksten(venster->edtGaNaarPersoon->createStandardContextMenu());
    EXPECT_TRUE(bewerken.contains(QStringLiteral("Ongedaan maken"))) << bewerken.join('|').toStdString();
    EXPECT_TRUE(bewerken.contains(QStringLiteral("Alles selecteren"))) << bewerken.join('|').toStdString();
    const QStringList pagina = teksten(venster->htmlViewer->createStandardContextMenu());
    EXPECT_TRUE(pagina.contains(QStringLiteral("Kopiëren"))) << pagina.join('|').toStdString();
}

} // namespace
} // namespace gdk::test
