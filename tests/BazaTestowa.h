#pragma once
// Test fixtures: a database written by the data tool into a temporary folder, opened the way
// start-up opens it (paths set, files bound and opened, current records cleared).
#include "Start.h"
#include "ZapisBazy.h"
#include "Zmienne.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>
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
