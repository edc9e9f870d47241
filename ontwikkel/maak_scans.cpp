// Draws the scans of the sample collection as a collector's scanner gives them: memorial cards of
// 600 x 900 pixels on cream card stock with a black mourning border. A front ("_v", or no face
// code) carries a cross, the card's opening words, the name, the note and the places and dates of
// birth and death; a back ("_a") a short prayer, the dates again and the printer's line; a photo
// ("_f") a sepia portrait in an oval. The texts come from the card's line in the collection.
//
//   maak_scans KAARTEN.gdk SCANSMAP
//
// Every image file below SCANSMAP is drawn again after the card it belongs to: the file whose
// name, without its face code, is the card's image name without its code, or begins with the
// card's name code. Which files exist is the sample's own data (a missing image, names that
// differ in letter case, accented names): the tool names no file itself. To give a card a back,
// place an empty file under the back's name beside the front and run the tool. Each file stays
// under 60 KB. The faces are P052 of the Debian package fonts-urw-base35.
#include "data/datums.h"
#include "data/globalen.h"
#include "data/paden.h"
#include "data/tvars.h"
#include "import/tgdkimport.h"
#include "settings/instellingen.h"
#include "platform/tekst1252.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace gdk;
namespace stdfs = std::filesystem;

constexpr int Breedte = 600;
constexpr int Hoogte = 900;
constexpr int FotoBreedte = 420;
constexpr int FotoHoogte = 560;
constexpr qint64 MaxGrootte = 60 * 1024;
const char* const LetterMap = "/usr/share/fonts/opentype/urw-base35/";
const QColor Papier(0xF3, 0xEE, 0xE1);
const QColor Inkt(0x1E, 0x1B, 0x19);

QString Q(const std::string& s1252) {
    return QString::fromUtf8(NaarUtf8(s1252));
}

std::uint32_t Hash(const std::string& s) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : s)
        h = (h ^ c) * 16777619u;
    return h;
}

// ---------------------------------------------------------------- the card's texts

enum class Zijde { Voor, Achter, Foto };

Zijde ZijdeVan(const std::string& stam) {
    if (stam.ends_with("_a") || stam.ends_with("_A")) return Zijde::Achter;
    if (stam.ends_with("_f") || stam.ends_with("_F")) return Zijde::Foto;
    return Zijde::Voor;
}

// The stem without its face code.
std::string ZonderCode(std::string stam) {
    const std::size_t streep = stam.rfind('_');
    if (streep != std::string::npos && stam.size() - streep <= 2) stam.erase(streep);
    return stam;
}

std::int32_t KaartVan(const std::string& stam) {
    const std::string kern = ZonderCode(stam);
    for (std::int32_t i = 1; i <= AantalPersonen; ++i) {
        const recPersoon& p = Personen[i];
        if (p.AfbeeldingBestand.empty()) continue;
        const std::string veld = ExtensieVervangen(BestandsnaamDeel(p.AfbeeldingBestand, true), "");
        if (GelijkZonderHoofdletters(ZonderCode(veld), kern)) return i;
    }
    for (std::int32_t i = 1; i <= AantalPersonen; ++i) {
        const std::string code = Naamcode(Personen[i]);
        if (!code.empty() && GelijkZonderHoofdletters(kern.substr(0, code.size()), code)) return i;
    }
    return 0;
}

// "5-3-1920" as a card prints it, "5 maart 1920"; other dates as the collection writes them,
// with the month words made Dutch.
QString Datum(const std::string& datum) {
    static const char* const maanden[] = {"januari",   "februari", "maart",    "april",
                                          "mei",       "juni",     "juli",     "augustus",
                                          "september", "oktober",  "november", "december"};
    int d = 0, m = 0, j = 0;
    char rest = 0;
    if (std::sscanf(datum.c_str(), "%d-%d-%d%c", &d, &m, &j, &rest) == 3 && d >= 1 && d <= 31 && m >= 1 &&
        m <= 12)
        return QStringLiteral("%1 %2 %3").arg(d).arg(QLatin1String(maanden[m - 1])).arg(j);
    return Q(DatumNaarNederlands(datum));
}

bool IsVrouw(const recPersoon& p) {
    return p.Geslacht == "F";
}

QString VolleNaam(const recPersoon& p) {
    std::string naam = p.Voornamen;
    for (const std::string* deel : {&p.Tussenvoegsel, &p.Achternaam})
        if (!deel->empty()) naam += (naam.empty() ? "" : " ") + *deel;
    return Q(naam);
}

// "echtgenote van ..." for a card whose person has a partner in the collection.
QString Partner(std::int32_t i) {
    const recPersoon& p = Personen[i];
    for (int slot = 1; slot < 7; ++slot) {
        const std::int32_t g = p.Gezinnen[slot];
        if (g <= 0) continue;
        const std::int32_t ander = Gezinnen[g].Man == i ? Gezinnen[g].Vrouw : Gezinnen[g].Man;
        if (ander <= 0) continue;
        return (IsVrouw(p) ? QStringLiteral("echtgenote van ") : QStringLiteral("echtgenoot van ")) +
               VolleNaam(Personen[ander]);
    }
    return {};
}

// "geboren te Utrecht" over "op 5 maart 1920", as a card sets an event.
QString Levensregels(const char* woord, const std::string& plaats, const std::string& datum) {
    QString regels = QLatin1String(woord);
    if (!plaats.empty()) regels += QStringLiteral(" te ") + Q(plaats);
    if (!datum.empty()) {
        const QString d = Datum(datum);
        regels += QLatin1Char('\n') + (d.isEmpty() || !d.front().isDigit() ? d : QStringLiteral("op ") + d);
    }
    return regels;
}

// ---------------------------------------------------------------- drawing

enum class Stijl { Romein, Cursief, Vet };

// P052 in one of its cuts; each is loaded from its file, so that no other installed copy is chosen.
QFont Letter(Stijl stijl, int pixels) {
    static const QString familie = [] {
        QString f;
        for (const char* bestand : {"P052-Roman.otf", "P052-Italic.otf", "P052-Bold.otf"}) {
            const int id =
                QFontDatabase::addApplicationFont(QLatin1String(LetterMap) + QLatin1String(bestand));
            if (id < 0) {
                std::fprintf(stderr, "maak_scans: %s%s ontbreekt (pakket fonts-urw-base35)\n", LetterMap,
                             bestand);
                std::exit(1);
            }
            f = QFontDatabase::applicationFontFamilies(id).value(0);
        }
        return f;
    }();
    QFont f(familie);
    f.setPixelSize(pixels);
    f.setItalic(stijl == Stijl::Cursief);
    f.setBold(stijl == Stijl::Vet);
    return f;
}

// Card stock as the scanner lit it: a faint fall of light from one corner.
void Karton(QPainter& p, int b, int h, std::uint32_t zaad) {
    QLinearGradient licht(0, 0, b, h);
    const int schaduw = 6 + static_cast<int>(zaad % 6);
    licht.setColorAt(0, Papier.lighter(103));
    licht.setColorAt(1, Papier.darker(100 + schaduw));
    p.fillRect(0, 0, b, h, licht);
}

void Rouwrand(QPainter& p, int b, int h, double dikte) {
    p.setPen(Qt::NoPen);
    p.setBrush(Inkt);
    QPainterPath rand;
    rand.addRect(18, 18, b - 36, h - 36);
    rand.addRect(18 + dikte, 18 + dikte, b - 36 - 2 * dikte, h - 36 - 2 * dikte);
    p.drawPath(rand);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Inkt, 1.2));
    p.drawRect(QRectF(18 + dikte + 7, 18 + dikte + 7, b - 50 - 2 * dikte, h - 50 - 2 * dikte));
}

void Kruis(QPainter& p, double x, double y, double hoogte) {
    const double dikte = hoogte / 9;
    p.setPen(Qt::NoPen);
    p.setBrush(Inkt);
    p.drawRect(QRectF(x - dikte / 2, y, dikte, hoogte));
    p.drawRect(QRectF(x - hoogte * 0.32, y + hoogte * 0.26, hoogte * 0.64, dikte));
}

// Writes `tekst` centred from `y` within the card's text column, wrapped; returns the next y.
double Regels(QPainter& p, const QString& tekst, const QFont& letter, double y, double afstand = 0) {
    if (tekst.isEmpty()) return y;
    p.setFont(letter);
    p.setPen(Inkt);
    const QRectF kolom(70, y, Breedte - 140, Hoogte);
    const QRectF vlak = p.boundingRect(kolom, Qt::AlignHCenter | Qt::TextWordWrap, tekst);
    p.drawText(kolom, Qt::AlignHCenter | Qt::TextWordWrap, tekst);
    return y + vlak.height() + afstand;
}

QImage Voorkant(std::int32_t i) {
    const recPersoon& k = Personen[i];
    const std::uint32_t h = Hash(k.Achternaam + k.Voornamen);
    QImage beeld(Breedte, Hoogte, QImage::Format_RGB32);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    Karton(p, Breedte, Hoogte, h);
    Rouwrand(p, Breedte, Hoogte, 10 + h % 5);
    Kruis(p, Breedte / 2.0, 80, 92);

    static const char* const aanhef[] = {"Bid voor de ziel van", "Ter dierbare nagedachtenis aan",
                                         "In dankbare herinnering aan"};
    double y = Regels(p, QLatin1String(aanhef[h % 3]), Letter(Stijl::Cursief, 26), 215, 34);
    QString voornamen = Q(k.Voornamen), achternaam = Q(k.Achternaam);
    if (!k.Tussenvoegsel.empty()) achternaam = Q(k.Tussenvoegsel) + QLatin1Char(' ') + achternaam;
    y = Regels(p, voornamen, Letter(Stijl::Romein, 34), y, 4);
    y = Regels(p, achternaam.toUpper(), Letter(Stijl::Vet, 44), y, 18);
    if (!IsLeeg(k.Aantekening) && k.Aantekening.size() < 40)
        y = Regels(p, Q(k.Aantekening), Letter(Stijl::Cursief, 24), y, 6);
    y = Regels(p, Partner(i), Letter(Stijl::Cursief, 24), y, 6);
    p.setPen(QPen(Inkt, 1));
    p.drawLine(QPointF(Breedte / 2.0 - 60, y + 20), QPointF(Breedte / 2.0 + 60, y + 20));
    y += 52;
    const QFont gewoon = Letter(Stijl::Romein, 25);
    y = Regels(p, Levensregels("geboren", k.GeboortePlaats, k.GeboorteDatum), gewoon, y, 18);
    y = Regels(p, Levensregels("overleden", k.OverlijdensPlaats, k.OverlijdensDatum), gewoon, y, 18);
    if (!k.BegraafDatum.empty() || !k.BegraafPlaats.empty())
        Regels(p, Levensregels("begraven", k.BegraafPlaats, k.BegraafDatum), gewoon, y);
    else if (!k.CrematieDatum.empty() || !k.CrematiePlaats.empty())
        Regels(p, Levensregels("gecremeerd", k.CrematiePlaats, k.CrematieDatum), gewoon, y);
    return beeld;
}

QImage Achterkant(std::int32_t i) {
    const recPersoon& k = Personen[i];
    const std::uint32_t h = Hash(k.Achternaam + k.Voornamen);
    const bool vrouw = IsVrouw(k);
    const QString hem = vrouw ? QStringLiteral("haar") : QStringLiteral("hem");
    const QString hij = vrouw ? QStringLiteral("zij") : QStringLiteral("hij");
    const QString gebeden[] = {
        QStringLiteral(
            "Heer, geef %1 de eeuwige rust, en het eeuwigdurend licht verlichte %1. Dat %2 ruste in "
            "vrede.")
            .arg(hem, hij),
        QStringLiteral(
            "Wat gij voor ons geweest zijt, kan niemand ooit vergeten. Gij blijft in ons hart, want "
            "wie bemind wordt, sterft niet."),
        QStringLiteral("Zalig zij die treuren, want zij zullen getroost worden."),
        QStringLiteral("Eenvoudig en goed was %1 leven, zorgzaam voor allen die %1 lief waren. Nu rust %2 in "
                       "vrede.")
            .arg(vrouw ? QStringLiteral("haar") : QStringLiteral("zijn"), hij),
    };
    QImage beeld(Breedte, Hoogte, QImage::Format_RGB32);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    Karton(p, Breedte, Hoogte, h / 7);
    Rouwrand(p, Breedte, Hoogte, 4);

    double y = Regels(p, gebeden[h % 4], Letter(Stijl::Cursief, 28), 150, 50);
    y = Regels(p, QStringLiteral("Mijn Jezus, barmhartigheid!"), Letter(Stijl::Romein, 24), y, 10);
    y = Regels(p, QStringLiteral("Zoet Hart van Maria, wees mijn redding!"), Letter(Stijl::Romein, 24), y,
               10);
    y = Regels(p, QStringLiteral("(300 dagen aflaat)"), Letter(Stijl::Cursief, 20), y, 60);

    Kruis(p, Breedte / 2.0, y, 34);
    y += 70;
    const QFont datum = Letter(Stijl::Romein, 26);
    if (!k.GeboorteDatum.empty())
        y = Regels(p, QStringLiteral("\u00B0 ") + Datum(k.GeboorteDatum), datum, y, 8);
    if (!k.OverlijdensDatum.empty())
        Regels(p, QStringLiteral("\u2020 ") + Datum(k.OverlijdensDatum), datum, y, 8);
    static const char* const drukkers[] = {"Drukkerij Sint-Jozef, Brugge", "Drukkerij De Eendracht, Utrecht",
                                           "Drukkerij Van Gestel, Tilburg"};
    Regels(p, QLatin1String(drukkers[h % 3]), Letter(Stijl::Romein, 15), Hoogte - 78);
    return beeld;
}

// A studio portrait of the deceased, in the sepia of an old print: head and shoulders in an oval.
QImage Foto(std::int32_t i) {
    const std::uint32_t h = Hash(Personen[i].Voornamen);
    QImage beeld(FotoBreedte, FotoHoogte, QImage::Format_RGB32);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    Karton(p, FotoBreedte, FotoHoogte, h);
    const QRectF ovaal(40, 40, FotoBreedte - 80, FotoHoogte - 80);
    QRadialGradient achtergrond(ovaal.center(), ovaal.height() * 0.6);
    achtergrond.setColorAt(0, QColor(0xB8, 0xA4, 0x86));
    achtergrond.setColorAt(1, QColor(0x5E, 0x4E, 0x3C));
    QPainterPath rand;
    rand.addEllipse(ovaal);
    p.setClipPath(rand);
    p.fillRect(ovaal, achtergrond);
    const double cx = FotoBreedte / 2.0 + static_cast<double>(h % 21) - 10;
    QLinearGradient jas(0, 300, 0, FotoHoogte);
    jas.setColorAt(0, QColor(0x3A, 0x30, 0x27));
    jas.setColorAt(1, QColor(0x22, 0x1C, 0x17));
    p.setPen(Qt::NoPen);
    p.setBrush(jas);
    p.drawEllipse(QPointF(cx, 520), 170, 170);
    p.setBrush(QColor(0x9C, 0x84, 0x68));
    p.drawRect(QRectF(cx - 28, 290, 56, 80));
    p.setBrush(QColor(0x2E, 0x26, 0x1F));
    p.drawEllipse(QPointF(cx, 205), 80, 92);
    QRadialGradient gelaat(QPointF(cx - 20, 220), 110);
    gelaat.setColorAt(0, QColor(0xD8, 0xC2, 0xA2));
    gelaat.setColorAt(1, QColor(0x8E, 0x76, 0x5A));
    p.setBrush(gelaat);
    p.drawEllipse(QPointF(cx, 238), 68, 86);
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x4A, 0x3E, 0x32), 3));
    p.drawEllipse(ovaal);
    return beeld;
}

// The JPEG at the best quality that stays under MaxGrootte.
bool Schrijf(const stdfs::path& pad, const QImage& beeld) {
    for (int kwaliteit = 85; kwaliteit >= 40; kwaliteit -= 5) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter schrijver(&buffer, "jpeg");
        schrijver.setQuality(kwaliteit);
        schrijver.setOptimizedWrite(true);
        if (!schrijver.write(beeld)) return false;
        if (bytes.size() >= MaxGrootte) continue;
        QFile uit(QString::fromStdString(pad.string()));
        return uit.open(QIODevice::WriteOnly) && uit.write(bytes) == bytes.size();
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("gebruik: maak_scans KAARTEN.gdk SCANSMAP\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The dates as the sample's settings lay them out (dd-mm-jjjj), which the name codes of its
    // image names follow. No check is asked for, so no report is written.
    adDatumAanpassen = 1;
    CollectiePad = argv[1];
    if (!LeesGedenkjes()) {
        std::fprintf(stderr, "maak_scans: %s niet gevonden\n", argv[1]);
        return 1;
    }
    int fouten = 0;
    for (const auto& item : stdfs::recursive_directory_iterator(argv[2])) {
        if (!item.is_regular_file()) continue;
        const stdfs::path& pad = item.path();
        const std::string stam = VanUtf8(pad.stem().string());
        const std::int32_t kaart = KaartVan(stam);
        if (kaart == 0) {
            std::fprintf(stderr, "maak_scans: geen kaart voor %s\n", pad.c_str());
            ++fouten;
            continue;
        }
        const Zijde zijde = ZijdeVan(stam);
        const QImage beeld = zijde == Zijde::Achter ? Achterkant(kaart)
                             : zijde == Zijde::Foto ? Foto(kaart)
                                                    : Voorkant(kaart);
        if (!Schrijf(pad, beeld)) {
            std::fprintf(stderr, "maak_scans: kan %s niet schrijven\n", pad.c_str());
            ++fouten;
        }
    }
    return fouten ? 1 : 0;
}
