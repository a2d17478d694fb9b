#include "Start.h"

#include "Zmienne.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A missing file gets its own message; an existing one that cannot be read names the file.
void OtworzPomocniczy(TPlikTypowany& plik, int rozmiarRekordu, const QString& brakPliku,
                      void (*czysc)(), QStringList& komunikaty)
{
    if (!QFileInfo::exists(plik.Sciezka())) {
        komunikaty << brakPliku;
        return;
    }
    if (!plik.Otworz(rozmiarRekordu)) {
        komunikaty << QStringLiteral("Nie można otworzyć pliku %1").arg(QDir::toNativeSeparators(plik.Sciezka()));
        return;
    }
    czysc();
}

} // namespace

void UstawSciezki(const QString& katalogProgramu)
{
    KatalogProgramu = katalogProgramu;
    KatalogDanych = QDir(katalogProgramu).filePath(QStringLiteral("DATA")) + QLatin1Char('/');
    SciezkaYaws = KatalogDanych + QStringLiteral("YAWS.dat");
    SciezkaRcg = KatalogDanych + QStringLiteral("Rcg.dan");
    SciezkaRcgt = KatalogDanych + QStringLiteral("Rcgt.dan");
    SciezkaMixc = KatalogDanych + QStringLiteral("mixc.dan");
    PlikYaws.Przypisz(SciezkaYaws);
    PlikRcg.Przypisz(SciezkaRcg);
    PlikRcgt.Przypisz(SciezkaRcgt);
    PlikMixc.Przypisz(SciezkaMixc);
}

WynikOtwarcia OtworzPlikiDanych()
{
    WynikOtwarcia wynik;
    if (!QFileInfo::exists(SciezkaYaws)) {
        wynik.komunikaty << QStringLiteral("Nie odnaleziono plików bazy danych!");
        return wynik;
    }
    OtworzPomocniczy(PlikRcg, RozmiarRekorduRcg, QStringLiteral("Nie odnaleziono plików bazy Rcg!"),
                     CzyscRekordRcg, wynik.komunikaty);
    OtworzPomocniczy(PlikRcgt, RozmiarRekorduRcg, QStringLiteral("Nie odnaleziono plików bazy Rcgt!"),
                     CzyscRekordRcg, wynik.komunikaty);
    OtworzPomocniczy(PlikMixc, RozmiarRekorduMixc,
                     QStringLiteral("Nie odnaleziono pliku bazy mieszanin ciekłych (mixc.dan)!"),
                     CzyscRekordMixc, wynik.komunikaty);
    if (!PlikYaws.Otworz(RozmiarRekorduYaws)) {
        wynik.komunikaty << QStringLiteral("Nie można otworzyć pliku %1").arg(QDir::toNativeSeparators(SciezkaYaws));
        return wynik;
    }
    CzyscRekordYaws();
    wynik.moznaKontynuowac = true;
    return wynik;
}
