// The export, update, publish, options and help commands as the user runs them from the menu:
// sites written from the sample collection with the elapsed time shown, the refused second export
// and the update by its key that follows it, the publish without a target, the options
// dialog with its font reaching the view, the e-mail and home-page addresses handed to the
// desktop, and the About window; after each dialog the window runs its activation again.
#include "data/globalen.h"
#include "export/uitvoeren.h"
#include "htmlview/thtmllite.h"
#include "platform/register.h"
#include "settings/instellingen.h"
#include "support_qt/bureaublad.h"
#include "ui/tfrmgedenkjes.h"
#include "ui/tfrmopties.h"
#include "ui/tsbrgedenkjes.h"
#include "ui/venster.h"
#include "ui/vminfotool.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace gdk::test {
namespace {

// Every file below a folder with its contents, to see that a refused export touches nothing.
std::map<std::string, std::string> Inhoud(const std::filesystem::path& map) {
    std::map<std::string, std::string> bestanden;
    for (const auto& e : std::filesystem::recursive_directory_iterator(map))
        if (e.is_regular_file()) bestanden[e.path().lexically_relative(map).string()] = LeesBestand(e.path());
    return bestanden;
}

const QRegularExpression Duur(QStringLiteral("^  \\d\\d:\\d\\d:\\d\\d:\\d\\d$"));

class CommandoTest : public VensterTest {
  protected:
    std::filesystem::path Site(int type) const {
        return map.pad() / "out" / "kaarten" / "gedenkjes" / ("type " + std::to_string(type));
    }
    QAction* Type(int type) const {
        return type == 1   ? venster->mmnuGedenkjesBestandUitvoerenType1
               : type == 2 ? venster->mmnuGedenkjesBestandUitvoerenType2
               : type == 3 ? venster->mmnuGedenkjesBestandUitvoerenType3
                           : venster->mmnuGedenkjesBestandUitvoerenType4;
    }
    // Opens the options dialog from the menu, lets `wat` work on it, then closes it with `knop`.
    void Opties(const std::function<void(TfrmOpties&)>& wat, const char* knop) {
        BijModaal dialoog([&](QWidget* w) {
            auto* opties = qobject_cast<TfrmOpties*>(w);
            ASSERT_NE(opties, nullptr);
            wat(*opties);
            if (knop)
                QTest::mouseClick(opties->findChild<QPushButton*>(knop), Qt::LeftButton);
            else
                opties->close();
        });
        venster->mmnuGedenkjesOpties->trigger();
        ASSERT_TRUE(dialoog.gedaan());
        EXPECT_EQ(venster->findChild<TfrmOpties*>(), nullptr); // released
    }
};

TEST_F(CommandoTest, EachTypeIsWrittenFromTheMenuWithTheElapsedTime) {
    ASSERT_TRUE(LeesVoorbeeld());
    QProgressBar* balk = venster->sbrGedenkjes->pbrVoortgang;
    for (int type = 1; type <= 4; ++type) {
        SCOPED_TRACE("type " + std::to_string(type));
        // The window is blocked while the site is written; the bar moves all the same.
        int stappen = 0;
        const auto verbinding = QObject::connect(balk, &QProgressBar::valueChanged, [&] { ++stappen; });
        Meldingen meldingen;
        Type(type)->trigger();
        QObject::disconnect(verbinding);
        EXPECT_EQ(meldingen.teksten, QStringList());
        const bool type4 = type == 4;
        EXPECT_TRUE(std::filesystem::is_regular_file(Site(type) / (type4 ? "index.html" : "index.htm")));
        EXPECT_TRUE(std::filesystem::is_regular_file(Site(type) / (type4 ? "letter/b.html" : "inhoudb.htm")));
        EXPECT_EQ(Links(), QStringLiteral("  gedenkjes : 40"));
        EXPECT_TRUE(Duur.match(Rechts()).hasMatch()) << Rechts().toStdString();
        EXPECT_GT(stappen, 0);
        EXPECT_FALSE(balk->isVisible());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST_F(CommandoTest, ASecondType2IsRefusedAndLeavesTheFirstSite) {
    ASSERT_TRUE(LeesVoorbeeld());
    {
        Meldingen meldingen;
        venster->mmnuGedenkjesBestandUitvoerenType2->trigger();
        ASSERT_EQ(meldingen.teksten, QStringList());
    }
    const auto eerste = Inhoud(Site(2));
    ASSERT_FALSE(eerste.empty());

    Meldingen meldingen;
    venster->mmnuGedenkjesBestandUitvoerenType2->trigger();
    const QString site = QString::fromStdString(Site(2).string());
    EXPECT_EQ(meldingen.teksten,
              QStringList({"De directorie " + site +
                               " bestaat al.\nDeze moet eerst verwijderd of verplaatst worden,\n"
                               "voordat er weer een uitvoer kan plaatsvinden.",
                           QString::fromLatin1(UitvoerFoutMelding)}));
    EXPECT_EQ(Inhoud(Site(2)), eerste);
    EXPECT_TRUE(Duur.match(Rechts()).hasMatch()) << Rechts().toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Shift+F6 brings it up to date instead: nothing changed, nothing written.
    meldingen.teksten.clear();
    venster->activateWindow(); // the message box handed the focus back
    ASSERT_TRUE(QTest::qWaitForWindowActive(venster.get()));
    QTest::keyClick(venster.get(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(meldingen.teksten, QStringList());
    EXPECT_EQ(Links(), QStringLiteral("  Bijgewerkt: 0 bestanden geschreven, 0 verwijderd, %1 ongewijzigd")
                           .arg(eerste.size()));
    EXPECT_EQ(Inhoud(Site(2)), eerste);
    // Publishing with no target chosen says where to choose one.
    venster->findChild<QAction*>("mmnuGedenkjesBestandPublicerenType2")->trigger();
    ASSERT_EQ(meldingen.teksten.size(), 1);
    EXPECT_TRUE(
        meldingen.teksten[0].startsWith("Er is nog geen doel gekozen waarheen de site gepubliceerd wordt."));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(CommandoTest, TheFontChosenInTheOptionsReachesTheView) {
    EXPECT_EQ(venster->htmlViewer->DefFontName(), QStringLiteral("Verdana"));
    venster->edtGaNaarPersoon->setText(QStringLiteral("3"));
    Opties(
        [](TfrmOpties& d) {
            d.cbxWeergaveLettertype->setCurrentText(QStringLiteral("DejaVu Serif"));
            d.edtCodeGedenkjeVoorkant->setText(QStringLiteral("vk"));
        },
        "bbtnSluiten");
    EXPECT_EQ(venster->htmlViewer->DefFontName(), QStringLiteral("DejaVu Serif"));
    // Activation ran again after the dialog and read back what the dialog saved.
    EXPECT_TRUE(venster->edtGaNaarPersoon->text().isEmpty());
    EXPECT_EQ(CodeGedenkjeVoorkant, "_vk");
    EXPECT_EQ(alLettertype, "DejaVu Serif");
    // The window manager's own activation, when it comes, does not take the font back.
    venster->activateWindow();
    ASSERT_TRUE(Wacht([&] { return venster->isActiveWindow(); }));
    QTest::qWait(20);
    EXPECT_EQ(venster->htmlViewer->DefFontName(), QStringLiteral("DejaVu Serif"));
}

TEST_F(CommandoTest, CancelledOptionsStillApplyTheStoredFont) {
    // A stored font shows only once the options command has run, whichever way it was closed.
    reg::SchrijfString("Software\\Velmoran\\Gedenkje\\4.00\\OptiesWeergave", "alLettertype", "Arial");
    venster->Activeren();
    EXPECT_EQ(venster->htmlViewer->DefFontName(), QStringLiteral("Verdana"));
    const std::string voor = LeesBestand(reg::RegisterBestand());
    for (const char* knop : {"bbtnAnnuleren", static_cast<const char*>(nullptr)}) {
        venster->htmlViewer->ZetDefFontName(QStringLiteral("Verdana"));
        Opties([](TfrmOpties& d) { d.cbxWeergaveLettertype->setCurrentText(QStringLiteral("Tahoma")); },
               knop);
        EXPECT_EQ(venster->htmlViewer->DefFontName(), QStringLiteral("Arial")) << (knop ? knop : "close box");
        EXPECT_EQ(LeesBestand(reg::RegisterBestand()), voor);
    }
}

TEST_F(CommandoTest, InfoShowsTheAboutWindowAndActivatesAfterwards) {
    ASSERT_TRUE(LeesVoorbeeld());
    venster->edtGaNaarPersoon->setText(QStringLiteral("3"));
    QString versie, titel;
    BijModaal about([&](QWidget* w) {
        auto* info = qobject_cast<TfrmvmInfoTool*>(w);
        ASSERT_NE(info, nullptr);
        titel = info->windowTitle();
        // The texts are read when the window becomes active.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return info->lblVersieNummer->text() != QStringLiteral("Versie nummer"); }, 3000));
        versie = info->lblVersieNummer->text();
        QTest::mouseClick(info->bbtnSluiten, Qt::LeftButton);
    });
    venster->mmnuGedenkjesHelpInfo->trigger();
    ASSERT_TRUE(about.gedaan());
    EXPECT_EQ(titel, QStringLiteral("Informatie"));
    EXPECT_EQ(versie, QStringLiteral("versie ")); // the sample registry holds no program values
    EXPECT_EQ(venster->findChild<TfrmvmInfoTool*>(), nullptr);
    EXPECT_EQ(Links(), QStringLiteral("  berichten"));
    EXPECT_TRUE(venster->edtGaNaarPersoon->text().isEmpty());
}

TEST_F(CommandoTest, EmailAndHomepageGoToTheDesktop) {
    Bureaublad bureaublad;
    reg::SchrijfString("Software\\Velmoran\\Gedenkje\\4.00\\Programma", "Email", "hulp@velmoran.example");
    reg::SchrijfString("Software\\Velmoran", "Homepage", "www.velmoran.example/gedenkjes");
    venster->Activeren();
    venster->mmnuGedenkjesHelpEmail->trigger();
    venster->mmnuGedenkjesHelpHomepagina->trigger();
    ASSERT_EQ(bureaublad.geopend.size(), 2u);
    EXPECT_EQ(bureaublad.geopend[0].toString(), QStringLiteral("mailto:hulp@velmoran.example"));
    EXPECT_EQ(bureaublad.geopend[1].toString(), QStringLiteral("http://www.velmoran.example/gedenkjes"));

    // Without a stored home page there is nothing to open.
    reg::SchrijfString("Software\\Velmoran", "Homepage", "");
    venster->Activeren();
    venster->mmnuGedenkjesHelpHomepagina->trigger();
    EXPECT_EQ(bureaublad.geopend.size(), 2u);
}

} // namespace
} // namespace gdk::test
