// Draws the small placeholder scans of the sample collection: a grey card with a dark frame, a
// cross and a few lines standing in for the printed text, or, for a photo ("_f" before the
// extension), a dark oval portrait on a lighter card. Each name gives its own line pattern.
//
//   maak_scans MAP PAD...    writes MAP/PAD for each PAD (folders created)
//   maak_scans MAP -         reads the PADs from standard input, one a line
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int Breedte = 120;
constexpr int Hoogte = 180;

std::uint32_t Hash(const std::string& s) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : s)
        h = (h ^ c) * 16777619u;
    return h;
}

std::vector<unsigned char> Teken(const std::string& naam) {
    std::vector<unsigned char> beeld(Breedte * Hoogte, 0xD6);
    auto zet = [&](int x, int y, unsigned char v) {
        if (x >= 0 && x < Breedte && y >= 0 && y < Hoogte) beeld[y * Breedte + x] = v;
    };
    auto blok = [&](int x0, int y0, int x1, int y1, unsigned char v) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                zet(x, y, v);
    };
    // The dark mourning frame of a memorial card.
    blok(5, 5, Breedte - 5, 9, 0x28);
    blok(5, Hoogte - 9, Breedte - 5, Hoogte - 5, 0x28);
    blok(5, 5, 9, Hoogte - 5, 0x28);
    blok(Breedte - 9, 5, Breedte - 5, Hoogte - 5, 0x28);

    std::uint32_t h = Hash(naam);
    const bool foto = naam.size() > 6 && naam.compare(naam.size() - 6, 2, "_f") == 0;
    if (foto) {
        blok(10, 10, Breedte - 10, Hoogte - 10, 0xE8);
        const double cx = Breedte / 2.0, cy = Hoogte / 2.0 - 10, rx = 32, ry = 44;
        for (int y = 0; y < Hoogte; ++y)
            for (int x = 0; x < Breedte; ++x) {
                const double dx = (x - cx) / rx, dy = (y - cy) / ry;
                if (dx * dx + dy * dy <= 1.0)
                    zet(x, y, static_cast<unsigned char>(0x40 + (y * 0x50) / Hoogte));
            }
        return beeld;
    }
    // A cross above the text.
    blok(Breedte / 2 - 2, 20, Breedte / 2 + 2, 44, 0x30);
    blok(Breedte / 2 - 9, 27, Breedte / 2 + 9, 31, 0x30);
    for (int y = 56; y < Hoogte - 20; y += 9) {
        h = h * 1103515245u + 12345u;
        const int lengte = 40 + static_cast<int>((h >> 16) % 50);
        const int x0 = (Breedte - lengte) / 2;
        blok(x0, y, x0 + lengte, y + 3, 0x5A);
    }
    return beeld;
}

bool Schrijf(const std::filesystem::path& pad, const std::vector<unsigned char>& beeld) {
    std::filesystem::create_directories(pad.parent_path());
    std::FILE* uit = std::fopen(pad.c_str(), "wb");
    if (!uit) return false;
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, uit);
    cinfo.image_width = Breedte;
    cinfo.image_height = Hoogte;
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 70, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rij = const_cast<unsigned char*>(&beeld[cinfo.next_scanline * Breedte]);
        jpeg_write_scanlines(&cinfo, &rij, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(uit) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "gebruik: maak_scans MAP PAD... (of MAP - met de paden op standaardinvoer)\n";
        return 2;
    }
    const std::filesystem::path map = argv[1];
    std::vector<std::string> paden;
    if (std::string(argv[2]) == "-") {
        for (std::string regel; std::getline(std::cin, regel);)
            if (!regel.empty()) paden.push_back(regel);
    } else {
        paden.assign(argv + 2, argv + argc);
    }
    int fouten = 0;
    for (const std::string& pad : paden) {
        const std::filesystem::path doel = map / pad;
        if (!Schrijf(doel, Teken(doel.filename().string()))) {
            std::cerr << "maak_scans: kan " << doel.string() << " niet schrijven\n";
            ++fouten;
        }
    }
    return fouten ? 1 : 0;
}
