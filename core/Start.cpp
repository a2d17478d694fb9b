#include "Start.h"

#include "Zmienne.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace {

QString NazwaPliku(const TPlikTypowany& plik)
{
    return QDir::toNativeSeparators(plik.Sciezka());
}

// Opens a data file; when it cannot be, the message to show. A missing file gets its own message;
// so does a file that is no data file of its kind (a device, a pipe, a folder, a file far too
// large), with the reason on a line of its own; an existing file that cannot be read is named.
std::optional<QString> Otworz(TPlikTypowany& plik, int rozmiarRekordu, const QString& brakPliku)
{
    if (!QFileInfo::exists(plik.Sciezka()))
        return brakPliku;
    if (plik.Otworz(rozmiarRekordu))
        return std::nullopt;
    switch (plik.PowodOdmowy()) {
    case TPlikTypowany::Odmowa::NieZwyklyPlik:
        return brakPliku + QStringLiteral("\nPlik %1 nie jest zwykłym plikiem.").arg(NazwaPliku(plik));
    case TPlikTypowany::Odmowa::ZaDuzy:
        return brakPliku + QStringLiteral("\nPlik %1 jest zbyt duży jak na plik bazy danych.").arg(NazwaPliku(plik));
    case TPlikTypowany::Odmowa::NieOtwarty:
    case TPlikTypowany::Odmowa::Zadna:
        break;
    }
    return QStringLiteral("Nie można otworzyć pliku %1").arg(NazwaPliku(plik));
}

// Opens a file that the program can go on without; false, with its message added, when it cannot.
bool OtworzPomocniczy(TPlikTypowany& plik, int rozmiarRekordu, const QString& brakPliku, QStringList& komunikaty)
{
    const std::optional<QString> komunikat = Otworz(plik, rozmiarRekordu, brakPliku);
    if (komunikat)
        komunikaty << *komunikat;
    return !komunikat;
}

} // namespace

void UstawSciezki(const QString& katalogProgramu)
{
    KatalogProgramu = katalogProgramu;
    KatalogDanych = QDir(katalogProgramu).filePath(QStringLiteral("DATA")) + QLatin1Char('/');
    PlikYaws.Przypisz(KatalogDanych + QStringLiteral("YAWS.dat"));
    PlikRcg.Przypisz(KatalogDanych + QStringLiteral("Rcg.dan"));
    PlikRcgt.Przypisz(KatalogDanych + QStringLiteral("Rcgt.dan"));
    PlikMixc.Przypisz(KatalogDanych + QStringLiteral("mixc.dan"));
}

WynikOtwarcia OtworzPlikiDanych()
{
    WynikOtwarcia wynik;
    const QString brakBazy = QStringLiteral("Nie odnaleziono plików bazy danych!");
    if (!QFileInfo::exists(PlikYaws.Sciezka())) {
        wynik.komunikaty << brakBazy;
        return wynik;
    }
    if (OtworzPomocniczy(PlikRcg, RozmiarRekorduRcg, QStringLiteral("Nie odnaleziono plików bazy Rcg!"), wynik.komunikaty))
        CzyscRekordRcg();
    if (OtworzPomocniczy(PlikRcgt, RozmiarRekorduRcg, QStringLiteral("Nie odnaleziono plików bazy Rcgt!"), wynik.komunikaty))
        CzyscRekordRcg();
    OtworzPomocniczy(PlikMixc, RozmiarRekorduMixc,
                     QStringLiteral("Nie odnaleziono pliku bazy mieszanin ciekłych (mixc.dan)!"), wynik.komunikaty);
    if (const std::optional<QString> komunikat = Otworz(PlikYaws, RozmiarRekorduYaws, brakBazy)) {
        wynik.komunikaty << *komunikat;
        return wynik;
    }
    CzyscRekordYaws();
    wynik.moznaKontynuowac = true;
    return wynik;
}
