// The options dialog: opening from the globals, the rules of "Sluiten", what "Annuleren" and the
// close box leave alone, and the captions a user reads.
#include "ui/tfrmopties.h"

#include "platform/register.h"
#include "settings/instellingen.h"
#include "support/tijdelijke_map.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace gdk::test {
namespace {

const std::string Code = "Software\\Velmoran\\Gedenkje\\4.00\\OptiesCode";

// Every option set, so that a saved value that differs shows; the photo's back code is one of the
// hidden ones and is stored without its "_".
const char* const VolRegister = R"(REGEDIT4

[HKEY_CURRENT_USER\Software\Velmoran\Gedenkje\4.00\OptiesAlgemeen]
"AfbeeldingBestanden"="/scans/kaarten"
"NiveauAfbeeldingBestanden"=dword:00000002
"UitvoerBestanden"="/uit"

[HKEY_CURRENT_USER\Software\Velmoran\Gedenkje\4.00\OptiesCode]
"CodeFotoosVoorkant"="_f"
"CodeFotoosAchterkant"="fa"
"CodeGeboortekaartjeVoorkant"="_gv"
"CodeGenealogieAchterkant"="_gea"
"CodeGedenkjeVoorkant"="_v"
"CodeGedenkjeAchterkant"="_a"

[HKEY_CURRENT_USER\Software\Velmoran\Gedenkje\4.00\OptiesBijInlezen]
"ControleOpDatum"=dword:00000001
"BestandsnaamToevoegen"=dword:00000001

[HKEY_CURRENT_USER\Software\Velmoran\Gedenkje\4.00\OptiesBijUitvoeren]
"BeschermenTegenKopieren"=dword:00000001
"AfbeeldingVoorEnAchterkantWeergeven"=dword:00000001
"ZoekpaginaMaken"=dword:00000001
"PubliceerDoel"="web:public_html/gedenkjes"
"RecentNietPubliceren"=dword:0000001e

[HKEY_CURRENT_USER\Software\Velmoran\Gedenkje\4.00\OptiesWeergave]
"alLettertype"="Tahoma"
"adDatumAanpassen"=dword:00000002
"glAfblijven"=dword:00000001
"glVoornamen"=dword:00000001
)";

class OptiesTest : public ::testing::Test {
  protected:
    void SetUp() override { reg::ZetRegisterBestand(map.tekst() + "/HKEY_CURRENT_USER.reg"); }
    void TearDown() override {
        dialoog.reset();
        reg::ZetRegisterBestand("");
    }

    // The registry as stored, read into the globals as activation does.
    void Registreer(const std::string& inhoud) {
        if (!inhoud.empty()) map.Schrijf("HKEY_CURRENT_USER.reg", inhoud);
        InstellingenVoorinstellen();
        LeesInstellingen();
    }
    TfrmOpties& Open() {
        dialoog = std::make_unique<TfrmOpties>();
        dialoog->show();
        return *dialoog;
    }
    template <class T> T* Zoek(const char* naam) {
        T* w = dialoog->findChild<T*>(QString::fromLatin1(naam));
        EXPECT_NE(w, nullptr) << naam;
        return w;
    }
    void Sluiten() { QTest::mouseClick(dialoog->bbtnSluiten, Qt::LeftButton); }
    std::string RegisterInhoud() const { return LeesBestand(map.pad() / "HKEY_CURRENT_USER.reg"); }

    TijdelijkeMap map;
    std::unique_ptr<TfrmOpties> dialoog;
};

TEST_F(OptiesTest, OpeningShowsEveryGlobalOnTheFirstPage) {
    Registreer(VolRegister);
    TfrmOpties& d = Open();
    EXPECT_EQ(d.pcntOpties->currentIndex(), 0);
    EXPECT_EQ(d.edtAlgemeenAfbeeldingBestanden->text(), QStringLiteral("/scans/kaarten"));
    EXPECT_EQ(d.speBijUitvoerenRecentNietPubliceren->value(), 30);
    EXPECT_EQ(d.edtAlgemeenUitvoerBestanden->text(), QStringLiteral("/uit"));
    EXPECT_EQ(d.rgrAlgemeenNiveauAfbeeldingBestanden->ItemIndex(), 2);
    EXPECT_EQ(d.edtCodeGedenkjeVoorkant->text(), QStringLiteral("_v"));
    EXPECT_EQ(d.edtCodeGedenkjeAchterkant->text(), QStringLiteral("_a"));
    EXPECT_EQ(d.edtCodeFotoosVoorkant->text(), QStringLiteral("_f"));
    EXPECT_EQ(d.edtCodeFotoosAchterkant->text(), QStringLiteral("fa"));
    EXPECT_EQ(d.edtCodeGenealogieAchterkant->text(), QStringLiteral("_gea"));
    EXPECT_TRUE(d.cbxBijInlezenControleOpDatum->isChecked());
    EXPECT_FALSE(d.cbxBijInlezenControleOpGeslacht->isChecked());
    EXPECT_TRUE(d.cbxBijUitvoerenBeschermenTegenKopieren->isChecked());
    EXPECT_TRUE(d.cbxBijUitvoerenAfbeeldingVoorEnAchterkantWeergeven->isChecked());
    EXPECT_TRUE(d.cbxBijUitvoerenZoekpaginaMaken->isChecked());
    EXPECT_EQ(d.edtBijUitvoerenPubliceerDoel->text(), QStringLiteral("web:public_html/gedenkjes"));
    EXPECT_EQ(d.cbxWeergaveLettertype->currentText(), QStringLiteral("Tahoma"));
    EXPECT_EQ(d.rgrpWeergaveDatumAanpassen->ItemIndex(), 2);
    // "afblijven" greys the five boxes; a stored tick still shows.
    EXPECT_TRUE(d.cbxWeergaveAfblijven->isChecked());
    for (QCheckBox* box : {d.cbxWeergaveRoepnaam, d.cbxWeergaveVoornamen, d.cbxWeergaveTussenvoegsel,
                           d.cbxWeergaveAchternaam, d.cbxWeergavePlaatsnamen}) {
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
        EXPECT_EQ(box->isChecked(), box == d.cbxWeergaveVoornamen) << box->objectName().toStdString();
    }
}

TEST_F(OptiesTest, CaptionsItemsAndHiddenControls) {
    Registreer("");
    TfrmOpties& d = Open();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Opties"));
    const QStringList paginas = {QStringLiteral("Algemeen"), QStringLiteral("Code"),
                                 QStringLiteral("Bij inlezen"), QStringLiteral("Bij uitvoeren"),
                                 QStringLiteral("Weergave")};
    ASSERT_EQ(d.pcntOpties->count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(d.pcntOpties->tabText(i), paginas[i]);

    struct Tekst {
        const char* naam;
        const char* tekst; // UTF-8
    };
    const Tekst labels[] = {
        {"lblAlgemeenAfbeeldingBestanden", "AfbeeldingBestanden"},
        {"lblAlgemeenUitvoerBestanden", "UitvoerBestanden"},
        {"lblAlgemeenNiveauAfbeeldingBestanden", "niveau van de AfbeeldingBestanden :"},
        {"lblCodeVoorkant", "voorkant"},
        {"lblCodeAchterkant", "achterkant"},
        {"lblCodeGedenkje", "Gedenkje e.d. :"},
        {"lblCodeFotoos", "Foto's :"},
        {"lblCodeGeboortekaartje", "Geboortekaartje e.d. :"},
        {"lblCodeCommunieplaatje", "Communieplaatje e.d.:"},
        {"lblCodeSchoolrapporten", "Schoolrapporten e.d. :"},
        {"lblCodeID", "ID e.d. :"},
        {"lblCodeVakantie", "Vakantie e.d. :"},
        {"lblCodeTrouwkaartje", "Trouwkaartje e.d. :"},
        {"lblCodeDocumentatie", "Documentatie e.d. :"},
        {"lblCodeGenealogie", "Genealogie e.d. :"},
        {"lblBijUitvoerenPubliceerDoel", "Publiceren naar"},
        {"lblWeergaveLettertype", "Lettertype"},
    };
    for (const Tekst& t : labels) {
        if (auto* l = Zoek<QLabel>(t.naam)) {
            EXPECT_EQ(l->text(), QString::fromUtf8(t.tekst)) << t.naam;
        }
    }

    const Tekst vinkjes[] = {
        {"cbxBijInlezenControleOpGeslacht", "Controle op geslacht"},
        {"cbxBijInlezenControleOpDatum", "Controle op datum"},
        {"cbxBijInlezenControleOpBestandsnaam", "Controle op bestandsnaam"},
        {"cbxBijInlezenControleOpBestandsnaamAfbeelding", "Controle op bestandsnaam afbeelding"},
        {"cbxBijInlezenControleOpBestandsnaamFoto", "Controle op bestandsnaam foto"},
        {"cbxBijInlezenAlleenBestandsnaamAfbeeldingInlezen", "Alleen bestandsnaam afbeelding Inlezen"},
        {"cbxBijInlezenBestandsnaamToevoegen", "Bestandsnaam toevoegen"},
        {"cbxBijUitvoerenControleOpDubbeleGedenkjes", "Controle op dubbele Gedenkjes"},
        {"cbxBijUitvoerenDatumWeergeven", "Datum weergeven"},
        {"cbxBijUitvoerenAantalWeergeven", "Aantal weergeven"},
        {"cbxBijUitvoerenBeschermenTegenKopieren", "Beschermen tegen kopi\xC3\xABren"},
        {"cbxBijUitvoerenVoornamenPartnerVolledigWeergeven", "Voornamen partner volledig weergeven"},
        {"cbxBijUitvoerenGeslachtOnbekendNietWeergeven", "Geslacht 'onbekend' niet weergeven"},
        {"cbxBijUitvoerenAfbeeldingVoorEnAchterkantWeergeven", "Afbeelding voor- en achterkant weergeven"},
        {"cbxBijUitvoerenZoekpaginaMaken", "Zoekpagina toevoegen"},
        {"cbxWeergaveAfblijven", "afblijven"},
        {"cbxWeergaveRoepnaam", "roepnaam"},
        {"cbxWeergaveVoornamen", "voornamen"},
        {"cbxWeergaveTussenvoegsel", "tussenvoegsel"},
        {"cbxWeergaveAchternaam", "achternaam"},
        {"cbxWeergavePlaatsnamen", "plaatsnamen"},
    };
    for (const Tekst& t : vinkjes) {
        if (auto* b = Zoek<QCheckBox>(t.naam)) {
            EXPECT_EQ(b->text(), QString::fromUtf8(t.tekst)) << t.naam;
        }
    }

    EXPECT_EQ(d.rgrAlgemeenNiveauAfbeeldingBestanden->title(), QStringLiteral(" niveau "));
    EXPECT_EQ(d.rgrpWeergaveDatumAanpassen->title(), QStringLiteral(" Datum aanpassen "));
    EXPECT_EQ(d.grpWeergaveGroteLetters->title(), QStringLiteral(" Grote letters "));
    const QStringList niveaus = {QStringLiteral("1 "), QStringLiteral("2 "), QStringLiteral("3 ")};
    const QStringList datums = {QStringLiteral("afblijven (zoals in het bestand)"),
                                QStringLiteral("aanpassen naar dd-mm-jjjj"),
                                QStringLiteral("aanpassen naar d-m-jjjj")};
    ASSERT_EQ(d.rgrAlgemeenNiveauAfbeeldingBestanden->Aantal(), 3);
    ASSERT_EQ(d.rgrpWeergaveDatumAanpassen->Aantal(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(d.rgrAlgemeenNiveauAfbeeldingBestanden->Item(i)->text(), niveaus[i]);
        EXPECT_EQ(d.rgrpWeergaveDatumAanpassen->Item(i)->text(), datums[i]);
    }
    QStringList fonts;
    for (int i = 0; i < d.cbxWeergaveLettertype->count(); ++i)
        fonts << d.cbxWeergaveLettertype->itemText(i);
    EXPECT_EQ(fonts, QStringList({QStringLiteral("Arial"), QStringLiteral("Comic Sans MS"),
                                  QStringLiteral("Courier New"), QStringLiteral("Garamond"),
                                  QStringLiteral("Tahoma"), QStringLiteral("Verdana")}));
    EXPECT_EQ(d.bbtnSluiten->text(), QStringLiteral("Sluiten"));
    EXPECT_EQ(d.bbtnAnnuleren->text(), QStringLiteral("Annuleren"));

    // Of the twenty codes only three can be edited; the photo's back and the eight other kinds
    // of document are kept out of sight.
    d.pcntOpties->setCurrentIndex(1);
    int zichtbaar = 0, verborgen = 0;
    for (QLineEdit* e : d.tshCode->findChildren<QLineEdit*>())
        (e->isVisibleTo(d.tshCode) ? zichtbaar : verborgen)++;
    EXPECT_EQ(zichtbaar, 3);
    EXPECT_EQ(verborgen, 17);
    EXPECT_TRUE(d.edtCodeFotoosVoorkant->isVisibleTo(d.tshCode));
    EXPECT_FALSE(d.edtCodeFotoosAchterkant->isVisibleTo(d.tshCode));
    EXPECT_FALSE(Zoek<QLabel>("lblCodeGenealogie")->isVisibleTo(d.tshCode));
    EXPECT_TRUE(d.cbxBijUitvoerenAfbeeldingVoorEnAchterkantWeergeven->isVisibleTo(d.tshBijUitvoeren));
    // The search page box stands visible below the other boxes of its page, the publish target
    // below the boxes, with an example as its hint, then the site's address.
    EXPECT_TRUE(d.cbxBijUitvoerenZoekpaginaMaken->isVisibleTo(d.tshBijUitvoeren));
    auto* kolom = d.tshBijUitvoeren->layout();
    EXPECT_EQ(kolom->indexOf(d.cbxBijUitvoerenZoekpaginaMaken), kolom->count() - 7);
    EXPECT_EQ(kolom->indexOf(d.edtBijUitvoerenPubliceerDoel), kolom->count() - 5);
    EXPECT_EQ(d.edtBijUitvoerenPubliceerDoel->placeholderText(),
              QStringLiteral("mijnsite:public_html/gedenkjes"));
    EXPECT_EQ(kolom->indexOf(d.lblBijUitvoerenWebAdres), kolom->count() - 4);
    EXPECT_EQ(kolom->indexOf(d.edtBijUitvoerenWebAdres), kolom->count() - 3);
    EXPECT_EQ(d.lblBijUitvoerenWebAdres->text(), QStringLiteral("Webadres van de site"));
    EXPECT_TRUE(d.edtBijUitvoerenWebAdres->isVisibleTo(d.tshBijUitvoeren));
    // Last, before the stretch: "Gedenkjes van de laatste [N] jaar niet publiceren".
    EXPECT_EQ(kolom->itemAt(kolom->count() - 2)->layout()->indexOf(d.speBijUitvoerenRecentNietPubliceren), 1);
    EXPECT_EQ(d.lblBijUitvoerenRecentNietPubliceren->text(), QStringLiteral("Gedenkjes van de laatste"));
    EXPECT_EQ(Zoek<QLabel>("lblBijUitvoerenRecentJaar")->text(), QStringLiteral("jaar niet publiceren"));
    EXPECT_TRUE(d.speBijUitvoerenRecentNietPubliceren->isVisibleTo(d.tshBijUitvoeren));
}

TEST_F(OptiesTest, SluitenPutsAnUnderscoreBeforeEveryNonBlankCode) {
    struct Geval {
        const char* getypt;
        const char* bewaard;
    };
    const Geval gevallen[] = {
        {"v", "_v"}, {"_v", "_v"}, {"   ", "   "}, {"", ""}, {" v", "_ v"}, {"__v", "__v"},
    };
    for (const Geval& g : gevallen) {
        Registreer(VolRegister);
        TfrmOpties& d = Open();
        d.pcntOpties->setCurrentIndex(1);
        d.edtCodeGedenkjeVoorkant->clear();
        QTest::keyClicks(d.edtCodeGedenkjeVoorkant, QString::fromLatin1(g.getypt));
        Sluiten();
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(CodeGedenkjeVoorkant, g.bewaard) << "getypt: '" << g.getypt << "'";
        EXPECT_EQ(reg::LeesString(Code, "CodeGedenkjeVoorkant"), std::optional<std::string>(g.bewaard))
            << "getypt: '" << g.getypt << "'";
        EXPECT_EQ(d.edtCodeGedenkjeVoorkant->text(), QString::fromLatin1(g.bewaard));
    }
}

TEST_F(OptiesTest, HiddenCodesAreCarriedThroughAndFollowTheSameRule) {
    Registreer(VolRegister);
    Open();
    Sluiten();
    EXPECT_EQ(reg::LeesString(Code, "CodeGeboortekaartjeVoorkant"), std::optional<std::string>("_gv"));
    EXPECT_EQ(reg::LeesString(Code, "CodeGenealogieAchterkant"), std::optional<std::string>("_gea"));
    EXPECT_EQ(reg::LeesString(Code, "CodeFotoosAchterkant"), std::optional<std::string>("_fa"));
    // Codes that were never stored are saved empty.
    EXPECT_EQ(reg::LeesString(Code, "CodeIDVoorkant"), std::optional<std::string>(""));
    EXPECT_EQ(CodeFotoosAchterkant, "_fa");
}

TEST_F(OptiesTest, SluitenSavesEveryControlIntoItsValue) {
    Registreer(VolRegister);
    TfrmOpties& d = Open();
    d.edtAlgemeenAfbeeldingBestanden->setText(QStringLiteral("  /andere scans "));
    d.rgrAlgemeenNiveauAfbeeldingBestanden->Item(0)->click();
    d.rgrpWeergaveDatumAanpassen->Item(1)->click();
    d.cbxBijInlezenControleOpGeslacht->click();
    d.cbxBijUitvoerenBeschermenTegenKopieren->click();
    d.cbxBijUitvoerenZoekpaginaMaken->click();
    d.edtBijUitvoerenPubliceerDoel->clear();
    QTest::keyClicks(d.edtBijUitvoerenPubliceerDoel,
                     QStringLiteral(" mijn site:map met \"aanhalingstekens\" "));
    d.edtBijUitvoerenWebAdres->setText(QStringLiteral("https://www.voorbeeld.nl/zo\u00EB/"));
    // The years box takes 0 to 200 only: a digit that would pass 200 and a minus are not taken.
    d.pcntOpties->setCurrentWidget(d.tshBijUitvoeren);
    d.speBijUitvoerenRecentNietPubliceren->setFocus();
    d.speBijUitvoerenRecentNietPubliceren->selectAll();
    QTest::keyClicks(d.speBijUitvoerenRecentNietPubliceren, QStringLiteral("-250"));
    EXPECT_EQ(d.speBijUitvoerenRecentNietPubliceren->value(), 25);
    Sluiten();
    const std::string algemeen = "Software\\Velmoran\\Gedenkje\\4.00\\OptiesAlgemeen";
    // Folders are taken as typed, blanks and all.
    EXPECT_EQ(reg::LeesString(algemeen, "AfbeeldingBestanden"),
              std::optional<std::string>("  /andere scans "));
    EXPECT_EQ(reg::LeesInteger(algemeen, "NiveauAfbeeldingBestanden"), std::optional<std::int32_t>(0));
    EXPECT_EQ(reg::LeesInteger("Software\\Velmoran\\Gedenkje\\4.00\\OptiesWeergave", "adDatumAanpassen"),
              std::optional<std::int32_t>(1));
    EXPECT_EQ(reg::LeesInteger("Software\\Velmoran\\Gedenkje\\4.00\\OptiesBijInlezen", "ControleOpGeslacht"),
              std::optional<std::int32_t>(1));
    EXPECT_EQ(
        reg::LeesInteger("Software\\Velmoran\\Gedenkje\\4.00\\OptiesBijUitvoeren", "BeschermenTegenKopieren"),
        std::optional<std::int32_t>(0));
    EXPECT_EQ(reg::LeesInteger("Software\\Velmoran\\Gedenkje\\4.00\\OptiesBijUitvoeren", "ZoekpaginaMaken"),
              std::optional<std::int32_t>(0));
    EXPECT_EQ(reg::LeesString("Software\\Velmoran\\Gedenkje\\4.00\\OptiesBijUitvoeren", "PubliceerDoel"),
              std::optional<std::string>(" mijn site:map met \"aanhalingstekens\" "));
    EXPECT_EQ(reg::LeesString("Software\\Velmoran\\Gedenkje\\4.00\\OptiesBijUitvoeren", "WebAdres"),
              std::optional<std::string>("https://www.voorbeeld.nl/zo\xEB/"));
    EXPECT_EQ(
        reg::LeesInteger("Software\\Velmoran\\Gedenkje\\4.00\\OptiesBijUitvoeren", "RecentNietPubliceren"),
        std::optional<std::int32_t>(25));
    // The hidden box keeps its stored tick, and a greyed stored tick is saved as it shows.
    EXPECT_TRUE(AfbeeldingVoorEnAchterkantWeergeven);
    EXPECT_TRUE(glVoornamen);
    EXPECT_TRUE(glAfblijven);
    EXPECT_EQ(alLettertype, "Tahoma");
}

TEST_F(OptiesTest, CloseBoxAndAnnulerenSaveNothing) {
    for (const bool sluitKnop : {true, false}) {
        Registreer(VolRegister);
        const std::string voor = RegisterInhoud();
        TfrmOpties& d = Open();
        d.edtAlgemeenUitvoerBestanden->setText(QStringLiteral("/ergens anders"));
        d.edtCodeGedenkjeVoorkant->setText(QStringLiteral("x"));
        d.cbxBijInlezenControleOpGeslacht->click();
        if (sluitKnop)
            d.close();
        else
            QTest::mouseClick(d.bbtnAnnuleren, Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Rejected);
        EXPECT_EQ(UitvoerBestanden, "/uit");
        EXPECT_EQ(CodeGedenkjeVoorkant, "_v");
        EXPECT_FALSE(ControleOpGeslacht);
        EXPECT_EQ(RegisterInhoud(), voor);
        // The next opening shows the globals again.
        TfrmOpties& opnieuw = Open();
        EXPECT_EQ(opnieuw.edtAlgemeenUitvoerBestanden->text(), QStringLiteral("/uit"));
        EXPECT_EQ(opnieuw.edtCodeGedenkjeVoorkant->text(), QStringLiteral("_v"));
        EXPECT_FALSE(opnieuw.cbxBijInlezenControleOpGeslacht->isChecked());
    }
}

TEST_F(OptiesTest, AbsentLevelSelectsNoneAndIsSavedAsMinusOne) {
    Registreer("REGEDIT4\r\n");
    TfrmOpties& d = Open();
    EXPECT_EQ(d.rgrAlgemeenNiveauAfbeeldingBestanden->ItemIndex(), -1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(d.rgrAlgemeenNiveauAfbeeldingBestanden->Item(i)->isChecked());
    EXPECT_EQ(d.rgrpWeergaveDatumAanpassen->ItemIndex(), -1);
    Sluiten();
    EXPECT_EQ(NiveauAfbeeldingBestanden, -1);
    EXPECT_EQ(
        reg::LeesInteger("Software\\Velmoran\\Gedenkje\\4.00\\OptiesAlgemeen", "NiveauAfbeeldingBestanden"),
        std::optional<std::int32_t>(-1));
    EXPECT_EQ(reg::LeesInteger("Software\\Velmoran\\Gedenkje\\4.00\\OptiesWeergave", "adDatumAanpassen"),
              std::optional<std::int32_t>(-1));
}

TEST_F(OptiesTest, ATypedFontNameIsSaved) {
    Registreer(VolRegister);
    TfrmOpties& d = Open();
    d.pcntOpties->setCurrentIndex(4);
    d.cbxWeergaveLettertype->lineEdit()->selectAll();
    QTest::keyClicks(d.cbxWeergaveLettertype->lineEdit(), QStringLiteral("DejaVu Serif"));
    // Enter in the box keeps the dialog open and adds nothing to the list.
    QTest::keyClick(d.cbxWeergaveLettertype->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.cbxWeergaveLettertype->count(), 6);
    Sluiten();
    EXPECT_EQ(alLettertype, "DejaVu Serif");
    EXPECT_EQ(reg::LeesString("Software\\Velmoran\\Gedenkje\\4.00\\OptiesWeergave", "alLettertype"),
              std::optional<std::string>("DejaVu Serif"));
}

TEST_F(OptiesTest, TickingAfblijvenUnticksAndGreysTheFiveBoxes) {
    Registreer("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Velmoran\\Gedenkje\\4.00\\OptiesWeergave]\r\n"
               "\"glRoepnaam\"=dword:00000001\r\n\"glPlaatsnamen\"=dword:00000001\r\n");
    TfrmOpties& d = Open();
    d.pcntOpties->setCurrentIndex(4);
    QCheckBox* vijf[] = {d.cbxWeergaveRoepnaam, d.cbxWeergaveVoornamen, d.cbxWeergaveTussenvoegsel,
                         d.cbxWeergaveAchternaam, d.cbxWeergavePlaatsnamen};
    EXPECT_FALSE(d.cbxWeergaveAfblijven->isChecked());
    for (QCheckBox* b : vijf)
        EXPECT_TRUE(b->isEnabled());
    EXPECT_TRUE(d.cbxWeergaveRoepnaam->isChecked());

    QTest::mouseClick(d.cbxWeergaveAfblijven, Qt::LeftButton);
    ASSERT_TRUE(d.cbxWeergaveAfblijven->isChecked());
    for (QCheckBox* b : vijf) {
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    }
    QTest::mouseClick(d.cbxWeergaveAfblijven, Qt::LeftButton);
    for (QCheckBox* b : vijf) {
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    }
    QTest::mouseClick(d.cbxWeergaveAfblijven, Qt::LeftButton);
    Sluiten();
    EXPECT_TRUE(glAfblijven);
    EXPECT_FALSE(glRoepnaam);
    EXPECT_FALSE(glPlaatsnamen);
}

} // namespace
} // namespace gdk::test
