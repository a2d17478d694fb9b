#include "ObrazJpeg.h"

#include "PlikZwykly.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

// libjpeg ends the process on an error unless its error handler jumps back to us.
struct ObslugaBledowJpeg {
    jpeg_error_mgr standard;
    std::jmp_buf powrot;
};

[[noreturn]] void PrzerwijDekodowanie(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ObslugaBledowJpeg*>(info->err)->powrot, 1);
}

void PomijajKomunikaty(j_common_ptr) {}

// Plain C data only between setjmp and longjmp: no destructor may be skipped.
bool Dekoduj(const unsigned char* dane, unsigned long rozmiar, QImage& obraz)
{
    jpeg_decompress_struct info;
    ObslugaBledowJpeg bledy;
    info.err = jpeg_std_error(&bledy.standard);
    bledy.standard.error_exit = PrzerwijDekodowanie;
    bledy.standard.output_message = PomijajKomunikaty;
    if (setjmp(bledy.powrot)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, dane, rozmiar);
    jpeg_read_header(&info, TRUE);
    // The declared size decides what is allocated, so it is checked before anything is.
    if (info.image_width > NajwiekszyBokObrazu || info.image_height > NajwiekszyBokObrazu) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    obraz = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    if (obraz.isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW wiersz = obraz.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &wiersz, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage WczytajJpeg(const QString& sciezka)
{
    const std::optional<QByteArray> dane = CzytajZwyklyPlik(sciezka, NajwiekszyObraz);
    if (!dane || dane->isEmpty())
        return {};
    QImage obraz;
    if (!Dekoduj(reinterpret_cast<const unsigned char*>(dane->constData()),
                 static_cast<unsigned long>(dane->size()), obraz))
        return {};
    return obraz;
}
