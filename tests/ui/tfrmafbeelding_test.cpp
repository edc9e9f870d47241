// The image window: path rule, decoding, sizing, load errors, the two faces of a card and closing.
#include "ui/tfrmafbeelding.h"

#include "data/tvars.h"
#include "settings/instellingen.h"
#include "ui/jpeglezen.h"
#include "ui/venster.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QScreen>

#include <unistd.h>

namespace {

class Afbeelding : public ::testing::Test {
  protected:
    void SetUp() override {
        gdk::LeegOpslag();
        ASSERT_TRUE(gdk::Personen.Nieuw());
        gdk::AfbeeldingBestanden = map.tekst() + "/scans";
        gdk::NiveauAfbeeldingBestanden = 0;
        gdk::CodeGedenkjeVoorkant = "_v";
        gdk::CodeGedenkjeAchterkant = "_a";
        const QRect werk = QGuiApplication::primaryScreen()->availableGeometry();
        W = static_cast<int>(werk.width() * 0.75);
        H = static_cast<int>(werk.height() * 0.75);
    }
    void TearDown() override {
        gdk::LeegOpslag();
        gdk::AfbeeldingBestanden.clear();
        gdk::NiveauAfbeeldingBestanden = -1;
        gdk::CodeGedenkjeVoorkant.clear();
        gdk::CodeGedenkjeAchterkant.clear();
    }
    // A picture of the card of person 1, in the image folder's letter subfolder.
    void Kaart(const std::string& naam, const QByteArray& inhoud) {
        map.Schrijf("scans/" + naam.substr(0, 1) + "/" + naam, inhoud.toStdString());
        gdk::Personen.Wijzig(1).AfbeeldingBestand = naam;
    }
    // A file beside person 1's card (a back).
    std::string Ernaast(const std::string& naam, const QByteArray& inhoud) {
        return map.Schrijf("scans/" + naam.substr(0, 1) + "/" + naam, inhoud.toStdString());
    }
    static QByteArray Beeld(int w, int h, const char* formaat, QImage::Format soort = QImage::Format_RGB32,
                            QColor kleur = QColor(200, 30, 30)) {
        QImage beeld(w, h, soort);
        beeld.fill(kleur);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(beeld.save(&buffer, formaat));
        return bytes;
    }
    // Creates the window; a load-error message is closed and its text kept.
    std::unique_ptr<TfrmAfbeelding> Open(QString* melding = nullptr) {
        gdk::test::SluitMelding sluit;
        auto frm = std::make_unique<TfrmAfbeelding>(1);
        if (melding) *melding = sluit.tekst();
        return frm;
    }
    static QByteArray Blauw(int w, int h) { return Beeld(w, h, "PNG", QImage::Format_RGB32, Qt::blue); }
    static void Toon(TfrmAfbeelding& frm) {
        frm.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
    }

    gdk::test::TijdelijkeMap map;
    int W = 0, H = 0;
};

} // namespace

struct Maat {
    const char* naam;
    int breedte, hoogte; // of the picture; negative: that many pixels beyond three quarters
};

class AfbeeldingMaten : public Afbeelding, public ::testing::WithParamInterface<Maat> {};

TEST_P(AfbeeldingMaten, WindowTakesThePictureSizeWithinThreeQuartersOfTheWorkArea) {
    const Maat& m = GetParam();
    const int bw = m.breedte < 0 ? W - m.breedte : m.breedte;
    const int bh = m.hoogte < 0 ? H - m.hoogte : m.hoogte;
    Kaart("kaart.jpg", Beeld(bw, bh, "JPG"));
    auto frm = Open();
    ASSERT_TRUE(frm->Geladen);
    EXPECT_EQ(frm->windowTitle(), "Afbeelding");
    const QSize venster(std::min(W, bw), std::min(H, bh));
    EXPECT_EQ(frm->size(), venster);
    EXPECT_EQ(frm->minimumSize(), venster); // not resizable
    EXPECT_EQ(frm->maximumSize(), venster);
    frm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frm.get()));
    // Shrunk to fit with its proportions, centred.
    const QRect vlak = frm->imgAfbeelding->Beeldvlak();
    QSize verwacht(bw, bh);
    if (bw > venster.width() || bh > venster.height()) verwacht.scale(venster, Qt::KeepAspectRatio);
    EXPECT_EQ(vlak.size(), verwacht);
    EXPECT_EQ(vlak.center(), frm->imgAfbeelding->rect().center());
}

INSTANTIATE_TEST_SUITE_P(Maten, AfbeeldingMaten,
                         ::testing::Values(Maat{"Klein", 200, 150}, Maat{"TeBreed", -100, 120},
                                           Maat{"TeHoog", 90, -50}, Maat{"TeGroot", -300, -10}),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Afbeelding, OtherFormatsThroughTheImageReader) {
    Kaart("kaart.png", Beeld(120, 80, "PNG"));
    auto frm = Open();
    ASSERT_TRUE(frm->Geladen);
    EXPECT_EQ(frm->size(), QSize(120, 80));
    // A JPEG under another extension is still read as what it is.
    Kaart("kaart.gif", Beeld(60, 40, "JPG"));
    frm = Open();
    ASSERT_TRUE(frm->Geladen);
    EXPECT_EQ(frm->size(), QSize(60, 40));
}

TEST_F(Afbeelding, GreyJpeg) {
    Kaart("grijs.jpg", Beeld(64, 48, "JPG", QImage::Format_Grayscale8));
    auto frm = Open();
    ASSERT_TRUE(frm->Geladen);
    EXPECT_EQ(frm->size(), QSize(64, 48));
    const QRgb punt = frm->imgAfbeelding->Beeld().pixel(10, 10);
    EXPECT_EQ(qRed(punt), qGreen(punt));
}

TEST_F(Afbeelding, PathFollowsTheImageFolderRule) {
    gdk::Personen.Wijzig(1).AfbeeldingBestand = "Kok.jpg";
    EXPECT_EQ(AfbeeldingPad(1), map.tekst() + "/scans/K/Kok.jpg");
    // The folder scheme is the one of the checks and the sites, at every level.
    gdk::Personen.Wijzig(1).Achternaam = "van 't Kok";
    gdk::NiveauAfbeeldingBestanden = 1;
    EXPECT_EQ(AfbeeldingPad(1), map.tekst() + "/scans/K/Ko/Kok.jpg");
    gdk::NiveauAfbeeldingBestanden = 2;
    EXPECT_EQ(AfbeeldingPad(1), map.tekst() + "/scans/K/vantKok/Kok.jpg");
    gdk::NiveauAfbeeldingBestanden = 0;
    // Letter case of folder and file need not match the disk.
    map.Schrijf("scans/k/KOK.JPG", Beeld(30, 20, "JPG").toStdString());
    auto frm = Open();
    EXPECT_TRUE(frm->Geladen);

    // Without an image folder nothing is looked up: a collection from someone else must not show
    // a file from wherever the program happens to run.
    gdk::AfbeeldingBestanden = "  ";
    EXPECT_EQ(AfbeeldingPad(1), "Kok.jpg");
    map.Schrijf("hier/Kok.jpg", Beeld(33, 22, "JPG").toStdString());
    const auto oud = std::filesystem::current_path();
    std::filesystem::current_path(map.pad() / "hier");
    QString melding;
    frm = Open(&melding);
    std::filesystem::current_path(oud);
    EXPECT_FALSE(frm->Geladen);
    EXPECT_EQ(melding, QStringLiteral("Het bestand \"Kok.jpg\" bestaat niet of kan niet gelezen worden."));
}

// Files that are no picture, or no longer one: a message, then the window at its layout size.
struct Kapot {
    const char* naam;
    const char* bestand;
    int afkappen; // bytes of a real JPEG kept; 0: the text below as content
    const char* inhoud;
};

class AfbeeldingKapot : public Afbeelding, public ::testing::WithParamInterface<Kapot> {};

TEST_P(AfbeeldingKapot, MessageAndLayoutSize) {
    const Kapot& k = GetParam();
    if (k.afkappen > 0)
        Kaart(k.bestand, Beeld(300, 200, "JPG").left(k.afkappen));
    else if (k.inhoud)
        Kaart(k.bestand, QByteArray(k.inhoud));
    else
        gdk::Personen.Wijzig(1).AfbeeldingBestand = k.bestand;
    QString melding;
    auto frm = Open(&melding);
    EXPECT_FALSE(frm->Geladen);
    EXPECT_EQ(frm->size(), QSize(436, 417));
    const QString pad = QString::fromStdString(frm->Pad);
    if (frm->Pad.empty() || !std::filesystem::exists(frm->Pad))
        EXPECT_EQ(melding, "Het bestand \"" + pad + "\" bestaat niet of kan niet gelezen worden.");
    else
        EXPECT_EQ(melding, "Het bestand \"" + pad + "\" is geen afbeelding die getoond kan worden.");
}

INSTANTIATE_TEST_SUITE_P(Bestanden, AfbeeldingKapot,
                         ::testing::Values(Kapot{"Tekst", "kaart.jpg", 0, "dit is geen afbeelding"},
                                           Kapot{"Leeg", "kaart.jpg", 0, ""},
                                           Kapot{"AlleenBegin", "kaart.jpg", 2, nullptr},
                                           Kapot{"KopAfgekapt", "kaart.jpg", 100, nullptr},
                                           Kapot{"KapotteGif", "kaart.gif", 0, "GIF89a\x01\x02"},
                                           Kapot{"Ontbreekt", "weg.jpg", 0, nullptr},
                                           Kapot{"GeenNaam", "", 0, nullptr}),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Afbeelding, JpegCutShortAfterItsHeaderShowsWhatIsThere) {
    const QByteArray heel = Beeld(300, 200, "JPG");
    Kaart("half.jpg", heel.left(heel.size() / 2));
    auto frm = Open();
    EXPECT_TRUE(frm->Geladen);
    EXPECT_EQ(frm->size(), QSize(300, 200));
}

TEST(JpegLezen, DamagedBytesNeverEndTheProgram) {
    QImage beeld(50, 40, QImage::Format_RGB32);
    beeld.fill(Qt::blue);
    QByteArray heel;
    QBuffer buffer(&heel);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(beeld.save(&buffer, "JPG"));
    // Every prefix and a scrambled middle: decoded or refused, never a crash.
    for (int n = 0; n <= heel.size(); n += 7) {
        QImage uit;
        QString fout;
        LeesJpeg(heel.left(n), uit, fout);
    }
    QByteArray rommel = heel;
    for (int i = 20; i < rommel.size() - 2; i += 3)
        rommel[i] = static_cast<char>(rommel[i] ^ 0x5A);
    QImage uit;
    QString fout;
    LeesJpeg(rommel, uit, fout);
    EXPECT_TRUE(LeesJpeg(heel, uit, fout));
    EXPECT_EQ(uit.size(), QSize(50, 40));
    EXPECT_FALSE(LeesJpeg(QByteArray("\xFF\xD8\xFF", 3), uit, fout));
    EXPECT_TRUE(uit.isNull());
}

// ---------------------------------------------------------------- both faces

TEST_F(Afbeelding, BothFacesSideBySideWhenTheyFit) {
    Kaart("kaart_v.jpg", Beeld(200, 150, "JPG"));
    // Without a back the window is the one of any card.
    auto frm = Open();
    EXPECT_EQ(frm->windowTitle(), "Afbeelding");
    EXPECT_EQ(frm->AchterkantPad, "");
    EXPECT_EQ(frm->size(), QSize(200, 150));

    const std::string achter = Ernaast("kaart_a.png", Blauw(180, 150));
    frm = Open();
    ASSERT_TRUE(frm->Geladen && frm->AchterkantGeladen);
    EXPECT_EQ(frm->AchterkantPad, achter);
    EXPECT_TRUE(frm->NaastElkaar);
    EXPECT_EQ(frm->windowTitle(), "Afbeelding - voor- en achterkant");
    EXPECT_EQ(frm->size(), QSize(380, 150));
    Toon(*frm);
    EXPECT_FALSE(frm->pnlOmdraaien->isVisible());
    ASSERT_TRUE(frm->imgAfbeelding->isVisible() && frm->imgAchterkant->isVisible());
    // Front on the left, back on the right, each at its own size.
    const QRect voor = frm->imgAfbeelding->Beeldvlak().translated(frm->imgAfbeelding->pos());
    const QRect achterVlak = frm->imgAchterkant->Beeldvlak().translated(frm->imgAchterkant->pos());
    EXPECT_EQ(voor, QRect(0, 0, 200, 150));
    EXPECT_EQ(achterVlak, QRect(200, 0, 180, 150));
    EXPECT_EQ(frm->imgAchterkant->Beeld().pixelColor(5, 5), QColor(Qt::blue));
    // The space bar turns nothing here; a double-click on the back closes as on the front.
    QTest::keyClick(frm.get(), Qt::Key_Space);
    EXPECT_EQ(frm->windowTitle(), "Afbeelding - voor- en achterkant");
    QTest::mouseDClick(frm->imgAchterkant, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(frm->result(), QDialog::Accepted);
}

// Two faces of one size: side by side unless that shrinks them below three quarters of their size
// one at a time.
struct Zijden {
    const char* naam;
    double breedte, hoogte; // of each face, in parts of three quarters of the work area
    bool naastElkaar;
};

class AfbeeldingZijden : public Afbeelding, public ::testing::WithParamInterface<Zijden> {};

TEST_P(AfbeeldingZijden, SideBySideOrOneAtATime) {
    const Zijden& z = GetParam();
    const int bw = static_cast<int>(W * z.breedte);
    const int bh = static_cast<int>(H * z.hoogte);
    Kaart("kaart_v.jpg", Beeld(bw, bh, "JPG"));
    Ernaast("kaart_a.jpg", Beeld(bw, bh, "JPG"));
    auto frm = Open();
    ASSERT_TRUE(frm->Geladen && frm->AchterkantGeladen);
    EXPECT_EQ(frm->NaastElkaar, z.naastElkaar);
    EXPECT_LE(frm->width(), W);
    EXPECT_LE(frm->height(), H);
    Toon(*frm);
    EXPECT_EQ(frm->pnlOmdraaien->isVisible(), !z.naastElkaar);
    if (!z.naastElkaar) return;
    // The window just around the pair, shrunk as one picture.
    const QSize samen(2 * bw, bh);
    EXPECT_TRUE(frm->width() == std::min(W, samen.width()) || frm->height() == std::min(H, samen.height()));
    EXPECT_LE(std::abs(frm->width() * samen.height() - frm->height() * samen.width()),
              std::max(samen.width(), samen.height()));
}

INSTANTIATE_TEST_SUITE_P(Maten, AfbeeldingZijden,
                         ::testing::Values(Zijden{"StaandTeHoog", 0.45, 1.3, true},
                                           Zijden{"Klein", 0.3, 0.3, true},
                                           Zijden{"SamenIetsKleiner", 0.6, 0.5, true},
                                           Zijden{"SamenTeKlein", 0.7, 0.5, false},
                                           Zijden{"Liggend", 0.9, 0.3, false}),
                         [](const auto& p) { return std::string(p.param.naam); });

TEST_F(Afbeelding, OneFaceAtATimeTurnedByTheButtonOrTheSpaceBar) {
    Kaart("kaart_v.jpg", Beeld(W - 40, 120, "JPG"));
    Ernaast("kaart_a.jpg", Blauw(W - 60, 100));
    auto frm = Open();
    ASSERT_FALSE(frm->NaastElkaar);
    Toon(*frm);
    const QSize maat = frm->size();
    EXPECT_EQ(maat, QSize(W - 40, 120 + frm->pnlOmdraaien->height()));
    auto zijde = [&](const char* titel, const char* knop, bool achter) {
        EXPECT_EQ(frm->windowTitle(), QString::fromLatin1(titel));
        EXPECT_EQ(frm->btnOmdraaien->text(), QString::fromLatin1(knop));
        EXPECT_EQ(frm->imgAfbeelding->isVisible(), !achter);
        EXPECT_EQ(frm->imgAchterkant->isVisible(), achter);
        EXPECT_EQ(frm->size(), maat); // the window keeps its place and size
    };
    zijde("Afbeelding - voorkant", "Achterkant", false);
    QTest::mouseClick(frm->btnOmdraaien, Qt::LeftButton);
    zijde("Afbeelding - achterkant", "Voorkant", true);
    EXPECT_EQ(frm->imgAchterkant->Beeldvlak().size(), QSize(W - 60, 100));
    QTest::keyClick(frm.get(), Qt::Key_Space);
    zijde("Afbeelding - voorkant", "Achterkant", false);
}

// A face that cannot be shown is reported by the message of any card; the other face still shows.
struct EenZijde {
    const char* naam;
    const char* voor;   // content of the front's file; nullptr: a picture
    const char* achter; // the same for the back
    bool voorkantFout;  // which face the message names
};

class AfbeeldingEenZijde : public Afbeelding, public ::testing::WithParamInterface<EenZijde> {};

TEST_P(AfbeeldingEenZijde, MessageForThatFaceOnly) {
    const EenZijde& z = GetParam();
    Kaart("kaart_v.jpg", z.voor ? QByteArray(z.voor) : Beeld(200, 150, "JPG"));
    const std::string achter = Ernaast("kaart_a.jpg", z.achter ? QByteArray(z.achter) : Blauw(120, 90));
    QString melding;
    auto frm = Open(&melding);
    const std::string fout = z.voorkantFout ? frm->Pad : achter;
    EXPECT_EQ(melding, QString::fromStdString("Het bestand \"" + fout +
                                              "\" is geen afbeelding die getoond kan worden."));
    EXPECT_EQ(frm->Geladen, !z.voorkantFout);
    EXPECT_EQ(frm->AchterkantGeladen, z.voorkantFout);
    EXPECT_FALSE(frm->NaastElkaar);
    EXPECT_EQ(frm->windowTitle(), z.voorkantFout ? "Afbeelding - achterkant" : "Afbeelding - voorkant");
    EXPECT_EQ(frm->size(), z.voorkantFout ? QSize(120, 90) : QSize(200, 150));
    Toon(*frm);
    EXPECT_FALSE(frm->pnlOmdraaien->isVisible());
    EXPECT_EQ(frm->imgAchterkant->isVisible(), z.voorkantFout);
}

INSTANTIATE_TEST_SUITE_P(Bestanden, AfbeeldingEenZijde,
                         ::testing::Values(EenZijde{"AchterkantLeeg", nullptr, "", false},
                                           EenZijde{"AchterkantTekst", nullptr, "geen beeld", false},
                                           EenZijde{"VoorkantKapot", "GIF89a", nullptr, true}),
                         [](const auto& p) { return std::string(p.param.naam); });

TEST_F(Afbeelding, DoubleClickOnThePictureCloses) {
    Kaart("kaart.jpg", Beeld(200, 150, "JPG"));
    auto frm = Open();
    gdk::test::BijModaal dubbelklik([](QWidget* w) {
        auto* f = qobject_cast<TfrmAfbeelding*>(w);
        if (!f) {
            w->close();
            return;
        }
        QTest::mouseDClick(f->imgAfbeelding, Qt::LeftButton, {}, QPoint(5, 5));
    });
    EXPECT_EQ(frm->exec(), QDialog::Accepted);
    EXPECT_TRUE(dubbelklik.gedaan());
}
