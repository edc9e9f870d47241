#include "ui/jpeglezen.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

struct Foutafhandeling {
    jpeg_error_mgr standaard;
    std::jmp_buf terug;
    char melding[JMSG_LENGTH_MAX];
};

// libjpeg's default handler ends the process; ours returns to the decoder's caller.
void FoutAfbreken(j_common_ptr info) {
    auto* fa = reinterpret_cast<Foutafhandeling*>(info->err);
    (*info->err->format_message)(info, fa->melding);
    std::longjmp(fa->terug, 1);
}

void GeenUitvoer(j_common_ptr) {}

// Everything the decoder allocates lives outside the setjmp frame, so a jump back leaks nothing
// and touches no object whose lifetime it would skip.
struct Decodeerwerk {
    jpeg_decompress_struct info{};
    Foutafhandeling fout{};
    std::vector<JSAMPLE> rij;
    QImage beeld;
};

bool Decodeer(Decodeerwerk& w, const QByteArray& inhoud) {
    w.info.err = jpeg_std_error(&w.fout.standaard);
    w.fout.standaard.error_exit = FoutAfbreken;
    w.fout.standaard.output_message = GeenUitvoer;
    if (setjmp(w.fout.terug)) {
        jpeg_destroy_decompress(&w.info);
        return false;
    }
    jpeg_create_decompress(&w.info);
    jpeg_mem_src(&w.info, reinterpret_cast<const unsigned char*>(inhoud.constData()),
                 static_cast<unsigned long>(inhoud.size()));
    jpeg_read_header(&w.info, TRUE);

    const bool cmyk = w.info.jpeg_color_space == JCS_CMYK || w.info.jpeg_color_space == JCS_YCCK;
    w.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&w.info);
    const int breedte = static_cast<int>(w.info.output_width);
    const int hoogte = static_cast<int>(w.info.output_height);
    const int kanalen = w.info.output_components;
    // A header may claim any size up to 65500 by 65500; far beyond a card scan we refuse
    // rather than ask for gigabytes.
    constexpr long long MaxBeeldpunten = 120LL * 1000 * 1000;
    if (static_cast<long long>(breedte) * hoogte <= MaxBeeldpunten)
        w.beeld = QImage(breedte, hoogte, QImage::Format_RGB32);
    if (w.beeld.isNull() || (kanalen != 3 && kanalen != 4)) {
        // Too large to hold, or a colour layout we cannot show.
        std::snprintf(w.fout.melding, sizeof w.fout.melding, "%s",
                      w.beeld.isNull() ? "afbeelding te groot" : "onbekende kleurindeling");
        jpeg_destroy_decompress(&w.info);
        w.beeld = QImage();
        return false;
    }
    w.rij.resize(static_cast<std::size_t>(breedte) * static_cast<std::size_t>(kanalen));
    // Adobe writes CMYK inverted; that is what nearly every CMYK JPEG holds.
    const bool omgekeerd = cmyk && w.info.saw_Adobe_marker;
    while (w.info.output_scanline < w.info.output_height) {
        JSAMPROW rijen[1] = {w.rij.data()};
        const int y = static_cast<int>(w.info.output_scanline);
        jpeg_read_scanlines(&w.info, rijen, 1);
        auto* uit = reinterpret_cast<QRgb*>(w.beeld.scanLine(y));
        const JSAMPLE* in = w.rij.data();
        for (int x = 0; x < breedte; ++x, in += kanalen) {
            if (kanalen == 3) {
                uit[x] = qRgb(in[0], in[1], in[2]);
            } else {
                int c = in[0], m = in[1], j = in[2], k = in[3];
                if (!omgekeerd) {
                    c = 255 - c;
                    m = 255 - m;
                    j = 255 - j;
                    k = 255 - k;
                }
                uit[x] = qRgb(c * k / 255, m * k / 255, j * k / 255);
            }
        }
    }
    jpeg_finish_decompress(&w.info);
    jpeg_destroy_decompress(&w.info);
    return true;
}

} // namespace

bool IsJpeg(const QByteArray& inhoud) {
    return inhoud.size() >= 3 && static_cast<unsigned char>(inhoud[0]) == 0xFF &&
           static_cast<unsigned char>(inhoud[1]) == 0xD8 && static_cast<unsigned char>(inhoud[2]) == 0xFF;
}

bool LeesJpeg(const QByteArray& inhoud, QImage& beeld, QString& fout) {
    Decodeerwerk w;
    if (!Decodeer(w, inhoud)) {
        fout = QString::fromLocal8Bit(w.fout.melding);
        beeld = QImage();
        return false;
    }
    beeld = std::move(w.beeld);
    fout.clear();
    return true;
}
