// The About window: the texts it reads from the registry, its fixed layout, and the logo text
// that slides up into its panel at every activation.
#include "ui/vminfotool.h"

#include "platform/register.h"
#include "settings/programmagegevens.h"
#include "support/tijdelijke_map.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace gdk::test {
namespace {

const char* const MetWaarden = "REGEDIT4\r\n\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Velmoran]\r\n"
                               "\"Naam\"=\"Firma Zo\xC3\xAB\"\r\n"
                               "\"Adres\"=\"Dorpsstraat 7\"\r\n"
                               "\"PostCode\"=\"9999 ZZ\"\r\n"
                               "\"Plaats\"=\"Ergens\"\r\n"
                               "\"Telefoon\"=\"0123-45\"\r\n"
                               "\"Logo\"=\"ZoeSoft\"\r\n\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\Programma]\r\n"
                               "\"Naam\"=\"Gedenkjes\"\r\n"
                               "\"Versie\"=\"4.00\"\r\n"
                               "\"Datum\"=\"1 mei 2026\"\r\n";

class InfoTest : public ::testing::Test {
  protected:
    void SetUp() override { reg::ZetRegisterBestand(map.tekst() + "/HKEY_CURRENT_USER.reg"); }
    void TearDown() override {
        info.reset();
        reg::ZetRegisterBestand("");
    }
    void Registreer(const std::string& inhoud) { map.Schrijf("HKEY_CURRENT_USER.reg", inhoud); }
    TfrmvmInfoTool& Toon() {
        info = std::make_unique<TfrmvmInfoTool>();
        info->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(info.get()));
        return *info;
    }
    QStringList Teksten() const {
        QStringList t;
        for (QLabel* l : {info->lblProgrammaNaam, info->lblVersieNummer, info->lblVersieDatum, info->lblNaam,
                          info->lblAdres, info->lblWoonplaats, info->lblTelefoon, info->lblSoftware})
            t << l->text();
        return t;
    }
    void VerwachtLogoIngeschoven() const {
        EXPECT_EQ(info->lblSoftware->geometry(), QRect(6, 82, 159, 33));
        const QFont f = info->lblSoftware->font();
        EXPECT_EQ(f.family(), QStringLiteral("Comic Sans MS"));
        EXPECT_EQ(f.pointSize(), 21);
        EXPECT_TRUE(f.bold());
        EXPECT_TRUE(f.italic());
        EXPECT_EQ(info->lblSoftware->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }

    TijdelijkeMap map;
    std::unique_ptr<TfrmvmInfoTool> info;
};

TEST_F(InfoTest, WithoutValuesOnlyTheVersionWordShows) {
    Toon();
    // The place line joins post code and place with two blanks, which show as nothing.
    EXPECT_EQ(Teksten(), QStringList({"", "versie ", "", "", "", "  ", "", ""}));
    EXPECT_EQ(info->lblCopyRight->text(), QStringLiteral("Inlichtingen bij :"));
    VerwachtLogoIngeschoven();
}

TEST_F(InfoTest, ShowsTheStoredValues) {
    Registreer(MetWaarden);
    Toon();
    EXPECT_EQ(Teksten(),
              QStringList({"Gedenkjes", "versie 4.00", "1 mei 2026", QString::fromUtf8("Firma Zo\xC3\xAB"),
                           "Dorpsstraat 7", "9999 ZZ  Ergens", "0123-45", "ZoeSoft"}));
    VerwachtLogoIngeschoven();
}

TEST_F(InfoTest, ShowsWhatAFirstStartInstalled) {
    ProgrammagegevensInstalleren();
    Toon();
    EXPECT_EQ(info->lblProgrammaNaam->text(), QStringLiteral("Gedenkjes"));
    EXPECT_EQ(info->lblVersieNummer->text(), QStringLiteral("versie 4.00"));
    EXPECT_EQ(info->lblSoftware->text(), QStringLiteral("Velmoran"));
}

TEST_F(InfoTest, FixedLayout) {
    info = std::make_unique<TfrmvmInfoTool>();
    TfrmvmInfoTool& i = *info;
    EXPECT_EQ(i.windowTitle(), QStringLiteral("Informatie"));
    EXPECT_EQ(i.size(), QSize(184, 239));
    EXPECT_EQ(i.minimumSize(), i.maximumSize());
    EXPECT_FALSE(i.windowFlags() & Qt::WindowCloseButtonHint);
    struct Plek {
        QWidget* w;
        QWidget* ouder;
        QRect rect;
    };
    const Plek plekken[] = {
        {i.pnlInfo, &i, {0, 0, 184, 239}},
        {i.pnlProgramma, i.pnlInfo, {6, 9, 171, 61}},
        {i.lblProgrammaNaam, i.pnlProgramma, {8, 6, 150, 15}},
        {i.lblVersieNummer, i.pnlProgramma, {8, 22, 150, 15}},
        {i.lblVersieDatum, i.pnlProgramma, {8, 38, 150, 16}},
        {i.pnlCopyRight, i.pnlInfo, {6, 75, 171, 123}},
        {i.lblCopyRight, i.pnlCopyRight, {8, 9, 150, 15}},
        {i.lblNaam, i.pnlCopyRight, {8, 25, 150, 16}},
        {i.lblAdres, i.pnlCopyRight, {8, 39, 150, 15}},
        {i.lblWoonplaats, i.pnlCopyRight, {8, 54, 150, 16}},
        {i.lblTelefoon, i.pnlCopyRight, {8, 69, 150, 16}},
        {i.lblSoftware, i.pnlCopyRight, {8, 125, 155, 36}},
        {i.bbtnSluiten, i.pnlInfo, {45, 204, 99, 27}},
    };
    for (const Plek& p : plekken) {
        const std::string naam = p.w->objectName().toStdString();
        EXPECT_EQ(p.w->parentWidget(), p.ouder) << naam;
        EXPECT_EQ(p.w->geometry(), p.rect) << naam;
    }
    EXPECT_EQ(i.pnlInfo->frameShape(), QFrame::NoFrame);
    for (QFrame* f : {i.pnlProgramma, i.pnlCopyRight}) {
        EXPECT_EQ(f->frameShape(), QFrame::Box);
        EXPECT_EQ(f->frameShadow(), QFrame::Sunken);
    }
    EXPECT_EQ(i.lblProgrammaNaam->text(), QStringLiteral("Programma naam"));
    EXPECT_TRUE(i.lblProgrammaNaam->font().bold());
    EXPECT_EQ(i.lblNaam->font().pointSize(), 9);
    EXPECT_EQ(i.lblSoftware->text(), QStringLiteral("Velmoran"));
    EXPECT_EQ(i.lblSoftware->font().family(), QStringLiteral("Garamond"));
    EXPECT_EQ(i.bbtnSluiten->text(), QStringLiteral("Sluiten"));
}

TEST_F(InfoTest, EachActivationReadsAgainAndSlidesAgain) {
    Registreer(MetWaarden);
    Toon();
    Registreer("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Velmoran]\r\n\"Logo\"=\"Nieuw\"\r\n");
    info->lblSoftware->move(6, 127);
    // Another window of the program takes the focus and hands it back.
    QWidget ander;
    ander.show();
    ander.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ander));
    info->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(info.get()));
    QTRY_COMPARE(info->lblSoftware->text(), QStringLiteral("Nieuw"));
    EXPECT_EQ(info->lblVersieNummer->text(), QStringLiteral("versie "));
    VerwachtLogoIngeschoven();
}

TEST_F(InfoTest, SluitenEndsTheModalShowing) {
    info = std::make_unique<TfrmvmInfoTool>();
    bool geklikt = false;
    QTimer::singleShot(0, info.get(), [&] {
        QTest::mouseClick(info->bbtnSluiten, Qt::LeftButton);
        geklikt = true;
    });
    info->exec();
    EXPECT_TRUE(geklikt);
    EXPECT_FALSE(info->isVisible());
}

} // namespace
} // namespace gdk::test
