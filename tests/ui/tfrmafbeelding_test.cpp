// The image window: path rule, decoding, sizing, load errors and closing.
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
        const QRect werk = QGuiApplication::primaryScreen()->availableGeometry();
        W = static_cast<int>(werk.width() * 0.75);
        H = static_cast<int>(werk.height() * 0.75);
    }
    void TearDown() override {
        gdk::LeegOpslag();
        gdk::AfbeeldingBestanden.clear();
        gdk::NiveauAfbeeldingBestanden = -1;
    }
    // A picture of the card of person 1, in the image folder's letter subfolder.
    void Kaart(const std::string& naam, const QByteArray& inhoud) {
        map.Schrijf("scans/" + naam.substr(0, 1) + "/" + naam, inhoud.toStdString());
        gdk::Personen.Wijzig(1).AfbeeldingBestand = naam;
    }
    static QByteArray Beeld(int w, int h, const char* formaat, QImage::Format soort = QImage::Format_RGB32) {
        QImage beeld(w, h, soort);
        beeld.fill(QColor(200, 30, 30));
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
