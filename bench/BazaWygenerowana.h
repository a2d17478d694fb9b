#pragma once
// A generated database of n substances written into a temporary folder and opened the way
// start-up opens it; one at a time, made anew when a benchmark asks for another size.
#include "Cp1250.h"
#include "Start.h"
#include "ZapisBazy.h"
#include "Zmienne.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <random>

class BazaWygenerowana {
public:
    explicit BazaWygenerowana(int liczbaSubstancji) : liczba_(liczbaSubstancji)
    {
        std::mt19937 los(2008);
        std::uniform_int_distribution<int> liczba(1, 30);
        std::vector<TRekordYaws> rekordy;
        for (int i = 1; i <= liczbaSubstancji; ++i) {
            TRekordYaws r = PustyRekordYaws();
            r.NazwaPL = LosowaNazwa(los) + " " + std::to_string(i);
            r.NazwaANG = LosowaNazwa(los);
            r.Wzor = "C" + std::to_string(liczba(los)) + "H" + std::to_string(liczba(los)) + "O";
            r.CAS = std::to_string(100 + i) + "-" + std::to_string(i % 97) + "-" + std::to_string(i % 10);
            rekordy.push_back(r);
        }
        TRekordYaws& srodkowy = rekordy[rekordy.size() * 7 / 10];
        srodkowy.Wzor = "CH4O";
        QDir().mkpath(katalog_.path() + "/DATA");
        ZapiszPlik(katalog_.path() + "/DATA/YAWS.dat", rekordy);
        UstawSciezki(katalog_.path());
        PlikYaws.Otworz(RozmiarRekorduYaws);
        nazwaSrodkowego = Cp1250ToUnicode(srodkowy.NazwaPL);
        casSrodkowego = Cp1250ToUnicode(srodkowy.CAS);
        for (int i = 0; i < LiczbaSkladnikow; ++i)
            nazwySkladnikow << Cp1250ToUnicode(rekordy[rekordy.size() * (2 * i + 1) / (2 * LiczbaSkladnikow)].NazwaPL);
    }

    // The open database of this size.
    static BazaWygenerowana& OLiczbie(int liczbaSubstancji)
    {
        static std::unique_ptr<BazaWygenerowana> baza;
        if (!baza || baza->liczba_ != liczbaSubstancji) {
            baza.reset();
            baza = std::make_unique<BazaWygenerowana>(liczbaSubstancji);
        }
        return *baza;
    }

    QString nazwaSrodkowego, casSrodkowego; // of the record 7/10 into the file, formula CH4O
    static constexpr int LiczbaSkladnikow = 10;
    QStringList nazwySkladnikow; // Polish names of ten records spread over the file

private:
    // Names built from syllables with Polish letters, so sorting meets real, varied texts.
    static std::string LosowaNazwa(std::mt19937& los)
    {
        static const char* sylaby[] = {"ME", "TA", "NOL", "ETY", "LO", "WY", "ŁO", "CHLO", "RO", "BEN",
                                       "ZEN", "KWAS", "OC", "TO", "WĘ", "GLA", "ŻE", "LA", "ZO", "ŚĆ"};
        std::uniform_int_distribution<int> ile(2, 6), ktora(0, std::size(sylaby) - 1);
        QString nazwa;
        for (int i = ile(los); i > 0; --i)
            nazwa += QString::fromUtf8(sylaby[ktora(los)]);
        return UnicodeToCp1250(nazwa);
    }

    int liczba_;
    QTemporaryDir katalog_;
};
