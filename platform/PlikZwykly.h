#pragma once
// Every file the program reads: opened without waiting (opening a pipe would wait for a writer)
// and taken only when it is a regular file within a size bound of its kind. Anything else (a
// folder, a device, a pipe, a file too large) counts as a missing file.
#include <QByteArray>
#include <QString>

#include <optional>

enum class OdmowaPliku { Zadna, NieOtwarty, NieZwyklyPlik, ZaDuzy };

struct TOtwartyPlik {
    int deskryptor = -1; // open for reading only when nothing was refused
    long long bajty = 0;
    OdmowaPliku odmowa = OdmowaPliku::NieOtwarty;
};

// Size bounds of the files beside the data files, far above what such a file ever holds.
constexpr long long NajwiekszyOpisMetody = 1LL << 20;    // a method description (text or RTF)
constexpr long long NajwiekszaStronaPomocy = 1LL << 20;  // the help page
constexpr long long NajwiekszyObraz = 10LL << 20;        // a picture file (JPEG, GIF, PNG)
constexpr long long NajwiekszyPlikWymiany = 64LL << 10;  // a file exchanged with the worksheet
// A picture is decoded only when neither side exceeds this many pixels.
constexpr int NajwiekszyBokObrazu = 10'000;

// Opens the file for reading without waiting; anything but a regular file of at most
// `najwiecejBajtow` bytes is refused and left closed.
TOtwartyPlik OtworzZwyklyPlik(const QString& sciezka, long long najwiecejBajtow);

// The whole content of a regular file (or of a resource of the program, ":/...") of at most
// `najwiecejBajtow` bytes; nothing otherwise.
std::optional<QByteArray> CzytajZwyklyPlik(const QString& sciezka, long long najwiecejBajtow);
