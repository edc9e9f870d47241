// Draws the program's own artwork: the images the exports copy from the program's tool folder
// and the program's icon.
//
//   maak_beelden TOOLMAP ICOONMAP
//
// TOOLMAP receives Afbeelding.jpg (the 600x60 banner of a site's top frame), Achtergrond.jpg (the
// light paper tile behind every page) and fotoAchtergrond.jpg (the darker tile behind the scanned
// cards). ICOONMAP receives nl.gedenkjes.Gedenkjes.svg and the same drawing as 48 and 256 pixel
// PNGs. The banner's word is set in P052, a Palatino-like face of the Debian package
// fonts-urw-base35; without that face the tool stops rather than fall back to another one.
#include <QColor>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int BannerBreedte = 600;
constexpr int BannerHoogte = 60;
constexpr int Tegel = 256;
const char* const IcoonNaam = "nl.gedenkjes.Gedenkjes";
const char* const Letterbestand = "/usr/share/fonts/opentype/urw-base35/P052-Roman.otf";

// A tileable paper grain: value noise on two lattices that wrap at the tile's edges (a broad
// cloudiness and a finer mottle), so that neighbouring tiles meet without a seam, plus a grain
// of single pixels.
QImage Papier(QColor basis, double grof, double fijn, std::uint32_t zaad) {
    std::uint32_t h = zaad;
    auto willekeurig = [&h] {
        h = h * 1664525u + 1013904223u;
        return ((h >> 8) & 0xFFFF) / 65535.0 * 2.0 - 1.0;
    };
    struct Rooster {
        int cellen;
        double sterkte;
        std::vector<double> knoop;
    };
    std::vector<Rooster> roosters = {{8, grof, {}}, {32, grof * 0.6, {}}};
    for (Rooster& r : roosters)
        for (int i = 0; i < r.cellen * r.cellen; ++i)
            r.knoop.push_back(willekeurig());
    auto ruis = [](const Rooster& r, int x, int y) {
        const double gx = x * r.cellen / static_cast<double>(Tegel),
                     gy = y * r.cellen / static_cast<double>(Tegel);
        const int x0 = static_cast<int>(gx), y0 = static_cast<int>(gy);
        const int x1 = (x0 + 1) % r.cellen, y1 = (y0 + 1) % r.cellen;
        const double fx = gx - x0, fy = gy - y0;
        const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
        auto k = [&r](int i, int j) { return r.knoop[j * r.cellen + i]; };
        const double boven = k(x0, y0) + (k(x1, y0) - k(x0, y0)) * sx;
        const double onder = k(x0, y1) + (k(x1, y1) - k(x0, y1)) * sx;
        return (boven + (onder - boven) * sy) * r.sterkte;
    };
    QImage beeld(Tegel, Tegel, QImage::Format_RGB32);
    for (int y = 0; y < Tegel; ++y)
        for (int x = 0; x < Tegel; ++x) {
            double v = willekeurig() * fijn;
            for (const Rooster& r : roosters)
                v += ruis(r, x, y);
            auto kanaal = [v](int c) { return std::clamp(static_cast<int>(std::lround(c + v)), 0, 255); };
            beeld.setPixel(x, y, qRgb(kanaal(basis.red()), kanaal(basis.green()), kanaal(basis.blue())));
        }
    return beeld;
}

// The banner: the word on light card stock inside a thin double rule, with a small cross on
// either side, as the heading of a memorial card.
QImage Banner() {
    QImage beeld(BannerBreedte, BannerHoogte, QImage::Format_RGB32);
    {
        const QImage tegel = Papier(QColor(0xF6, 0xF2, 0xE8), 1.5, 0.8, 7);
        QPainter p(&beeld);
        p.fillRect(beeld.rect(), QBrush(tegel));
    }
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor inkt(0x3B, 0x35, 0x30);
    p.setPen(QPen(inkt, 1.2));
    p.drawRect(QRectF(3.5, 3.5, BannerBreedte - 7, BannerHoogte - 7));
    p.setPen(QPen(inkt, 0.6));
    p.drawRect(QRectF(6.5, 6.5, BannerBreedte - 13, BannerHoogte - 13));

    // The face is loaded from its file, so that no other installed copy of it is chosen.
    const int id = QFontDatabase::addApplicationFont(QLatin1String(Letterbestand));
    if (id < 0) {
        std::fprintf(stderr, "maak_beelden: %s ontbreekt (pakket fonts-urw-base35)\n", Letterbestand);
        std::exit(1);
    }
    QFont letter(QFontDatabase::applicationFontFamilies(id).value(0));
    letter.setPixelSize(33);
    letter.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    p.setFont(letter);
    p.setPen(inkt);
    const QString woord = QStringLiteral("Gedenkjes");
    const QRectF vlak(0, 0, BannerBreedte, BannerHoogte - 3);
    const QRectF tekst = p.boundingRect(vlak, Qt::AlignCenter, woord);
    p.drawText(vlak, Qt::AlignCenter, woord);

    // A thin rule ending in a small cross on each side of the word.
    const double midden = BannerHoogte / 2.0;
    p.setPen(QPen(inkt, 0.8));
    for (int kant : {-1, 1}) {
        const double binnen = kant < 0 ? tekst.left() - 22 : tekst.right() + 22;
        const double buiten = binnen + kant * 120;
        p.drawLine(QPointF(binnen + kant * 14, midden), QPointF(buiten, midden));
        p.setPen(QPen(inkt, 1.6));
        p.drawLine(QPointF(binnen, midden - 8), QPointF(binnen, midden + 9));
        p.drawLine(QPointF(binnen - 5, midden - 3), QPointF(binnen + 5, midden - 3));
        p.setPen(QPen(inkt, 0.8));
    }
    return beeld;
}

// The icon as a list of shapes, so that the SVG and the PNGs show one drawing: two memorial cards,
// the front one with its black mourning border, a cross and lines of print.
struct Vorm {
    double x, y, b, h, hoek; // rectangle in a 256 x 256 field, corner radius
    const char* vulling;     // "#rrggbb" or "none"
    const char* lijn;        // "#rrggbb" or "none"
    double lijnDikte;
    double draai; // degrees around the field's centre
};

const std::vector<Vorm>& Icoon() {
    static const std::vector<Vorm> vormen = {
        {58, 30, 140, 200, 10, "#b9b1a4", "#6d655b", 3, 9},  // the card behind
        {58, 26, 140, 204, 10, "#f6f2e8", "#2b2724", 4, -4}, // the card in front
        {70, 38, 116, 180, 4, "none", "#2b2724", 7, -4},     // its mourning border
        {123, 58, 10, 46, 1, "#2b2724", "none", 0, -4},      // the cross
        {108, 70, 40, 10, 1, "#2b2724", "none", 0, -4},
        {92, 122, 72, 7, 3, "#7a7268", "none", 0, -4}, // lines of print
        {100, 140, 56, 7, 3, "#7a7268", "none", 0, -4},
        {88, 158, 80, 7, 3, "#7a7268", "none", 0, -4},
        {104, 176, 48, 7, 3, "#7a7268", "none", 0, -4},
    };
    return vormen;
}

std::string Svg() {
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                      "viewBox=\"0 0 256 256\">\n";
    char regel[300];
    for (const Vorm& v : Icoon()) {
        std::snprintf(regel, sizeof regel,
                      "  <rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" rx=\"%g\" fill=\"%s\" "
                      "stroke=\"%s\" stroke-width=\"%g\" transform=\"rotate(%g 128 128)\"/>\n",
                      v.x, v.y, v.b, v.h, v.hoek, v.vulling, v.lijn, v.lijnDikte, v.draai);
        svg += regel;
    }
    return svg + "</svg>\n";
}

QImage IcoonBeeld(int grootte) {
    QImage beeld(grootte, grootte, QImage::Format_ARGB32_Premultiplied);
    beeld.fill(Qt::transparent);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(grootte / 256.0, grootte / 256.0);
    for (const Vorm& v : Icoon()) {
        p.save();
        p.translate(128, 128);
        p.rotate(v.draai);
        p.translate(-128, -128);
        const bool vul = std::string(v.vulling) != "none", lijn = std::string(v.lijn) != "none";
        p.setBrush(vul ? QBrush(QColor(QLatin1String(v.vulling))) : Qt::NoBrush);
        p.setPen(lijn ? QPen(QColor(QLatin1String(v.lijn)), v.lijnDikte) : Qt::NoPen);
        p.drawRoundedRect(QRectF(v.x, v.y, v.b, v.h), v.hoek, v.hoek);
        p.restore();
    }
    return beeld;
}

bool Bewaar(const QImage& beeld, const QString& pad, const char* soort, int kwaliteit) {
    if (beeld.save(pad, soort, kwaliteit)) return true;
    std::fprintf(stderr, "maak_beelden: kan %s niet schrijven\n", qPrintable(pad));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("gebruik: maak_beelden TOOLMAP ICOONMAP\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString tool = QString::fromLocal8Bit(argv[1]), icoon = QString::fromLocal8Bit(argv[2]);

    bool goed = Bewaar(Banner(), tool + "/Afbeelding.jpg", "JPG", 90);
    goed &= Bewaar(Papier(QColor(0xF7, 0xF4, 0xEC), 1.5, 1.5, 11), tool + "/Achtergrond.jpg", "JPG", 90);
    goed &= Bewaar(Papier(QColor(0x5C, 0x58, 0x52), 3.5, 2.5, 23), tool + "/fotoAchtergrond.jpg", "JPG", 90);

    const QString basis = icoon + "/" + QLatin1String(IcoonNaam);
    QFile svg(basis + ".svg");
    const std::string tekst = Svg();
    goed &= svg.open(QIODevice::WriteOnly) &&
            svg.write(tekst.data(), static_cast<qint64>(tekst.size())) == static_cast<qint64>(tekst.size());
    for (int grootte : {48, 256})
        goed &= Bewaar(IcoonBeeld(grootte), basis + "-" + QString::number(grootte) + ".png", "PNG", -1);
    return goed ? 0 : 1;
}
