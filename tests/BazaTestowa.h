#pragma once
// Test fixtures: a database written by the data tool into a temporary folder, opened the way
// start-up opens it (paths set, files bound and opened, current records cleared).
#include "Start.h"
#include "Wyszukiwanie.h"
#include "ZapisBazy.h"
#include "Zmienne.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <initializer_list>
#include <stdexcept>
#include <utility>
#include <vector>

class BazaTestowa {
public:
    // Writes exactly the given records (each file gets its record 0) and opens them.
    explicit BazaTestowa(const std::vector<TRekordYaws>& substancje,
                         const std::vector<TRekordRcg>& izobary = {},
                         const std::vector<TRekordRcg>& izotermy = {},
                         const std::vector<TRekordMixc>& mieszaniny = {})
    {
        QDir().mkpath(katalogDanych());
        ZapiszPlik(katalogDanych() + "YAWS.dat", substancje);
        ZapiszPlik(katalogDanych() + "Rcg.dan", izobary);
        ZapiszPlik(katalogDanych() + "Rcgt.dan", izotermy);
        ZapiszPlik(katalogDanych() + "mixc.dan", mieszaniny);
        Otworz();
    }

    // The sample database shipped with the program, as the build writes it.
    static BazaTestowa Probna()
    {
        BazaTestowa baza;
        ZapiszBazeProbna(qEnvironmentVariable("QERN_DANE_TEKSTOWE"), baza.katalogDanych());
        baza.Otworz();
        return baza;
    }

    BazaTestowa(BazaTestowa&&) = default;
    ~BazaTestowa() { ResetujZmienne(); }

    QString katalog() const { return katalog_.path(); }
    QString katalogDanych() const { return katalog_.path() + "/DATA/"; }

    // A substance record with names and the given numbers; everything else BrakDanych.
    static TRekordYaws Substancja(const std::string& nazwaPL, const std::string& nazwaANG = "",
                                  const std::string& wzor = "", const std::string& cas = "")
    {
        TRekordYaws r = PustyRekordYaws();
        r.NazwaPL = nazwaPL;
        r.NazwaANG = nazwaANG;
        r.Wzor = wzor;
        r.CAS = cas;
        return r;
    }

private:
    BazaTestowa() = default;
    void Otworz()
    {
        ResetujZmienne();
        UstawSciezki(katalog_.path());
        if (!OtworzPlikiDanych().moznaKontynuowac)
            throw std::runtime_error("fixture database could not be opened");
    }
    QTemporaryDir katalog_;
};

// Sets number fields of a record by their names.
inline void Ustaw(TRekordYaws& rekord, std::initializer_list<std::pair<const char*, long double>> pola)
{
    for (auto [nazwa, wartosc] : pola)
        *PoleLiczbowe(rekord, nazwa) = wartosc;
}

// Reads the first substance of the Polish name into RekordYaws; false when there is none.
inline bool WczytajSubstancje(const char* nazwaPL)
{
    return WczytajRekordYaws(ZnajdzPierwszyONazwie(PoleSzukania::NazwaPL, QString::fromUtf8(nazwaPL)));
}
