// Renders the pages of the picture help from their text form into "1.jpg" .. "5.jpg".
//   stronypomocy <folder with strona1.txt ..> <output folder>
// A page's text: the first line is its title; blank lines part paragraphs; a line that starts
// with "- " is a bullet; a line that starts with "  " is set in a fixed-width font (an example).
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <cstdio>
#include <jpeglib.h>

namespace {

constexpr int Szerokosc = 720;
constexpr int Wysokosc = 540;
constexpr int Margines = 36;
constexpr int LiczbaStron = 5;
const QColor Granat(0, 0, 128);

bool ZapiszJpeg(const QImage& obraz, const QString& sciezka)
{
    const QImage rgb = obraz.convertToFormat(QImage::Format_RGB888);
    FILE* plik = std::fopen(QFile::encodeName(sciezka).constData(), "wb");
    if (!plik)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr bledy;
    info.err = jpeg_std_error(&bledy);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, plik);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW wiersz = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &wiersz, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(plik) == 0;
}

QFont Czcionka(const QString& rodzina, int piksele, bool pogrubiona = false)
{
    QFont czcionka(rodzina);
    czcionka.setPixelSize(piksele);
    czcionka.setBold(pogrubiona);
    return czcionka;
}

// Draws one block of text at y and returns the y below it.
int RysujBlok(QPainter& p, const QString& tekst, const QFont& czcionka, int wciecie, int y)
{
    p.setFont(czcionka);
    const QRect miejsce(Margines + wciecie, y, Szerokosc - 2 * Margines - wciecie, Wysokosc);
    const QRect zajete = p.boundingRect(miejsce, Qt::TextWordWrap, tekst);
    p.drawText(miejsce, Qt::TextWordWrap, tekst);
    return y + zajete.height();
}

QImage RysujStrone(const QStringList& wiersze, int numer)
{
    QImage obraz(Szerokosc, Wysokosc, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(0, 0, Szerokosc, 64, Granat);
    p.setPen(Qt::white);
    p.setFont(Czcionka(QStringLiteral("Liberation Sans"), 24, true));
    p.drawText(QRect(Margines, 0, Szerokosc - 2 * Margines, 64), Qt::AlignVCenter, wiersze.value(0));

    const QFont zwykla = Czcionka(QStringLiteral("Liberation Sans"), 16);
    const QFont stala = Czcionka(QStringLiteral("Liberation Mono"), 15);
    p.setPen(Qt::black);
    int y = 84;
    for (qsizetype i = 1; i < wiersze.size(); ++i) {
        const QString& wiersz = wiersze[i];
        if (wiersz.trimmed().isEmpty())
            y += 10;
        else if (wiersz.startsWith(QStringLiteral("- ")))
            y = RysujBlok(p, QStringLiteral("•  ") + wiersz.mid(2), zwykla, 12, y) + 4;
        else if (wiersz.startsWith(QStringLiteral("  ")))
            y = RysujBlok(p, wiersz.trimmed(), stala, 28, y) + 2;
        else
            y = RysujBlok(p, wiersz, zwykla, 0, y) + 4;
    }

    p.setPen(QColor(90, 90, 90));
    p.setFont(Czcionka(QStringLiteral("Liberation Sans"), 13));
    p.drawLine(Margines, Wysokosc - 38, Szerokosc - Margines, Wysokosc - 38);
    p.drawText(QRect(Margines, Wysokosc - 34, Szerokosc - 2 * Margines, 30), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Strzałki ← →  lub prawy przycisk myszy: następna strona;  Esc: zamknij"));
    p.drawText(QRect(Margines, Wysokosc - 34, Szerokosc - 2 * Margines, 30), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("Strona %1 z %2").arg(numer).arg(LiczbaStron));
    return obraz;
}

QStringList CzytajWiersze(const QString& sciezka)
{
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream strumien(&plik);
    strumien.setEncoding(QStringConverter::Utf8);
    QStringList wiersze;
    while (!strumien.atEnd())
        wiersze << strumien.readLine();
    return wiersze;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication aplikacja(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "użycie: stronypomocy <folder tekstów> <folder stron>\n");
        return 2;
    }
    const QDir teksty(QString::fromLocal8Bit(argv[1]));
    const QDir strony(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(strony.path());
    for (int numer = 1; numer <= LiczbaStron; ++numer) {
        const QString zrodlo = teksty.filePath(QStringLiteral("strona%1.txt").arg(numer));
        const QStringList wiersze = CzytajWiersze(zrodlo);
        if (wiersze.isEmpty()) {
            std::fprintf(stderr, "brak tekstu strony: %s\n", qPrintable(zrodlo));
            return 1;
        }
        const QString cel = strony.filePath(QStringLiteral("%1.jpg").arg(numer));
        if (!ZapiszJpeg(RysujStrone(wiersze, numer), cel)) {
            std::fprintf(stderr, "nie można zapisać: %s\n", qPrintable(cel));
            return 1;
        }
    }
    return 0;
}
