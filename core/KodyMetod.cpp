#include "KodyMetod.h"

namespace {

using Z = ZakladkaMetod;

const std::vector<GrupaMetod> Grupy = {
    {"rgTc", "Tc  - dostępne metody", Z::Parametry,
     {{" Metoda Ambrose'a ( wymaga Tb )", "00"},
      {" Metoda Jobacka ( wymaga Tb )", "01"},
      {" Metoda Fedorsa ( -- )", "02"},
      {" Metoda Klincewicza ( wymaga Tb, Mmol )", "03"}}},
    {"rgPc", "Pc - dostępne metody", Z::Parametry,
     {{" Metoda Ambrose'a ( wymaga Mmol )", "10"},
      {" Metoda Jobacka ( - )", "11"},
      {" Metoda Klincewicza ( wymaga Mmol )", "13"}}},
    {"rgVc", "Vc - dostępne metody ", Z::Parametry,
     {{" Metoda Ambrose'a ( - )", "20"},
      {" Metoda Jobacka ( - )", "21"},
      {" Metoda Klincewicza ( wymaga Mmol )", "23"}}},
    {"rgRoC", "Roc - dostępne metody", Z::Parametry,
     {{" Metoda definicyjna z PVT ( wymaga Mmol, Vc )", "30"}}},
    {"rgZc", "Zc - dostępne metody", Z::Parametry,
     {{" Metoda definicyjna z PVT ( wymaga Tc, Pc, Vc )", "40"}}},
    {"rgOmega", "Omega - dostępne metody", Z::Parametry,
     {{" Metoda Lee-Keslera ( wymaga Tc, Pc, Tb )", "50"},
      {" Metoda Pitzera ( wymaga Tc, Pc, Tb )", "51"},
      {" Metoda zgrubna z Zc ( wymaga Tc, Pc, Vc )", "52"}}},
    {"rgTb", "Tb - dostępne metody", Z::Parametry, {{" Metoda Jobacka ( - )", "61"}}},
    {"rgTf", "Tf - dostępne metody", Z::Parametry, {{" Metoda Jobacka ( - )", "71"}}},
    {"rgSigma", "Napięcie powierzchniowe - dostępne metody", Z::Wlasnosci,
     {{" Metoda Brocka ( wymaga Tc, Pc, Tb dla 1atm )", "000"}}},
    {"rgLambdac", "Przewodzenie ciepła cieczy - dostępne metody", Z::Wlasnosci,
     {{" Metoda Sato-Riedla ( wym. Mmol, Tc, Tb dla 1atm )", "010"}}},
    {"rgDelHv", "Ciepło parowania - dostępne metody", Z::Wlasnosci,
     {{" Metoda Pitzera ( wymaga Tc, Omega )", "020"}}},
    {"rgLepkosc", "Lepkość - dostępne metody", Z::Wlasnosci,
     {{" Metoda Chunga - gaz, niskie ciśnienie ( wym. Mmol, Tc, Vc, Omega )", "030"},
      {" Metoda Chunga - gaz, wysokie ciśnienie ( wym. Mmol, Tc, Vc, Omega )", "031"},
      {" Metoda Lucasa - ciecz, wysokie ciśnienie ( wymaga Tc, Pc, Omega )", "032"}}},
    {"rgDelHf", "Ciepło tworzenia - dostępne metody", Z::Wlasnosci, {{" Metoda Jobacka ( - )", "040"}}},
    {"rgDelHc", "Ciepło spalania - dostępne metody", Z::Wlasnosci,
     {{"Wykorzystująca zal. c. spalania od c. tworzenia ( - )", "050"}}},
    {"rgDyf", "Współczynnik dyfuzji - dostępne metody", Z::Wlasnosci,
     {{"Zmodyfikowana metoda Tyna i Calusa dla cieczy ", "Tyna"},
      {"Metoda Fullera dla gazów pod niskim ciśnieniem", "Fullera"}}},
    {"rgGestC", "Gęstość cieczy - dostępne metody", Z::Wlasnosci,
     {{"Metoda Racketta zmodyfikowana", "GestcRackett2"},
      {"Metoda Spencera-Dannera", "Spencer-Danner"},
      {"Metoda Yamady-Gunna", "GestcRackett"},
      {"Metoda HBT zmodyfikowana", "HBT"},
      {"Metoda Aalto zmodyfikowana (wysokie ciśnienie)", "Aalto"}}},
    {"rgMixLepGaz", "Lepkość mieszaniny gazów - dostępne metody", Z::Mieszaniny,
     {{"Metoda Wilkego dla niskich ciśnień", "MixLepGaz"},
      {"Metoda Chunga dla wysokich ciśnień", "ChungMG"}}},
    {"rgMixGestGaz", "Gęstość mieszaniny gazów - dostępne metody", Z::Mieszaniny,
     {{"Metoda stanów odpowiadających sobie pseudokrytyczna", "MixGestGaz"}}},
    {"rgMixLepCiecz", "Lepkość mieszaniny cieczy - dostępne metody", Z::Mieszaniny,
     {{"Metoda Grunberga i Nissana dla niskich temperatur", "MixLepCiecz"}}},
    {"rgMixGestCiecz", "Gęstość mieszaniny cieczy - dostępne metody", Z::Mieszaniny,
     {{"Metoda Spencera i Danera (w temp. wrzenia)", "MixGestCieczSD"}}},
    {"rgIzobara", "Izobara - dostępne metody", Z::Rownowaga,
     {{"Metoda Bisekcji ze współczynnikami Wilsona", "RcgBis"}}},
    {"rgIzoterma", "Izoterma - dostępne metody", Z::Rownowaga,
     {{"Metoda z użyciem współczynników Wilsona", "RcgpBis"}}},
};

const std::vector<GrupaNadrzedna> Nadrzedne = {
    {"rgEstParam", "Wybór parametru", Z::Parametry,
     {"Temperatura krytyczna Tc", "Ciśnienie krytyczne Pc", "Objętość krytyczna Vc", "Gęstość krytyczna Roc",
      "Współczynnik ściśliwości Zc", "Współczynnik acentryczny Omega", "Temperatura wrzenia Tb",
      "Temperatura topnienia Tf"},
     {"rgTc", "rgPc", "rgVc", "rgRoC", "rgZc", "rgOmega", "rgTb", "rgTf"}},
    {"rgEstWlas", "Wybór właściwości", Z::Wlasnosci,
     {"Napięcie powierzchniowe", "Współczynnik przewodzenia ciepła cieczy", "Ciepło parowania", "Lepkość",
      "Ciepło tworzenia", "Ciepło spalania", "Współczynnik dyfuzji", "Gęstość cieczy"},
     {"rgSigma", "rgLambdac", "rgDelHv", "rgLepkosc", "rgDelHf", "rgDelHc", "rgDyf", "rgGestC"}},
    {"rgMixGaz", "Mieszanina gazów", Z::Mieszaniny, {"Lepkość", "Gęstość"}, {"rgMixLepGaz", "rgMixGestGaz"}},
    {"rgMixCiecz", "Mieszanina cieczy", Z::Mieszaniny, {"Lepkość", "Gęstość"}, {"rgMixLepCiecz", "rgMixGestCiecz"}},
    {"rgRownowaga", "Równowaga ciecz-para", Z::Rownowaga, {"izobara", "izoterma"}, {"rgIzobara", "rgIzoterma"}},
};

const std::vector<OknoMetody> Okna = {
    {"00", "TAmbrose_Form", ""},
    {"01", "TJoback1_Form", ""},
    {"02", "TFedors_Form", ""},
    {"03", "TEstymacjaParametrowFrm", ""},
    {"10", "TAmbrose_Form", ""},
    {"11", "TJoback1_Form", ""},
    {"13", "TEstymacjaParametrowFrm", ""},
    {"20", "TAmbrose_Form", ""},
    {"21", "TJoback1_Form", ""},
    {"23", "TEstymacjaParametrowFrm", ""},
    {"30", "TEstymacjaParametrowFrm", ""},
    {"40", "TEstymacjaParametrowFrm", ""},
    {"50", "TEstymacjaParametrowFrm", ""},
    {"51", "TEstymacjaParametrowFrm", ""},
    {"52", "TEstymacjaParametrowFrm", ""},
    {"61", "TJoback1_Form", ""},
    {"71", "TJoback1_Form", ""},
    {"000", "TEstymacjaWlasnosciFrm", "wczytajBrocka"},
    {"010", "TEstymacjaWlasnosciFrm", "wczytajSatoRiedla"},
    {"020", "TEstymacjaWlasnosciFrm", "wczytajPitzera"},
    {"030", "TEstymacjaWlasnosciFrm", "wczytajChunga1"},
    {"031", "TEstymacjaWlasnosciFrm", "wczytajChunga2"},
    {"032", "TEstymacjaWlasnosciFrm", "wczytajLucasa"},
    {"040", "TJoback1_Form", ""},
    {"050", "TDelHcWynForm", ""},
    {"Tyna", "TEstymacjaWlasnosciFrm", "wczytajTyna"},
    {"Fullera", "TFuller_Form", ""},
    {"GestcRackett2", "TEstymacjaWlasnosciFrm", ""},
    {"Spencer-Danner", "TEstymacjaWlasnosciFrm", ""},
    {"GestcRackett", "TEstymacjaWlasnosciFrm", ""},
    {"HBT", "TEstymacjaWlasnosciFrm", ""},
    {"Aalto", "TEstymacjaWlasnosciFrm", ""},
    {"MixLepGaz", "TWilke_Form", ""},
    {"ChungMG", "TChungMG_Form", ""},
    {"MixGestGaz", "TWilke_Form", ""},
    {"MixLepCiecz", "TGrunberg_Form", ""},
    {"MixGestCieczSD", "TMixcFrm", ""},
    {"RcgBis", "TFrmRownowaga", ""},
    {"RcgpBis", "TFrmRownowaga", ""},
    {"MixGestCiecz", "TMixcFrm", ""},
};

const QString BrakTb = QStringLiteral("Nie znaleziono Tb - oblicz temperaturę wrzenia lub podaj ją z innych źródeł.");
const QString BrakMmol = QStringLiteral("Nie znaleziono Mmol - podaj masę molową z innych źródeł.");

constexpr int PozycjaFedorsa = 2;
constexpr int PozycjaKlincewicza = 3;

} // namespace

const std::vector<GrupaMetod>& GrupyMetod()
{
    return Grupy;
}

const std::vector<GrupaNadrzedna>& GrupyNadrzedne()
{
    return Nadrzedne;
}

const std::vector<OknoMetody>& KodyMetod()
{
    return Okna;
}

const OknoMetody* OknoDlaKodu(const QString& kod)
{
    for (const OknoMetody& okno : Okna)
        if (kod == QLatin1String(okno.kod))
            return &okno;
    return nullptr;
}

std::optional<ZakladkaMetod> ZakladkaKodu(const QString& kod)
{
    for (const GrupaMetod& grupa : Grupy)
        for (const PozycjaMetody& pozycja : grupa.pozycje)
            if (kod == QLatin1String(pozycja.kod))
                return grupa.zakladka;
    return std::nullopt;
}

const QStringList& PozycjeGaz()
{
    static const QStringList pozycje = {
        QStringLiteral("Lepkość"), QStringLiteral("Ciepło tworzenia"), QStringLiteral("Ciepło właściwe"),
        QStringLiteral("Swobodna energia Gibbsa"), QStringLiteral("Współczynnik przewodzenia ciepła"),
        QStringLiteral("Współczynnik dyfuzji w powietrzu"), QStringLiteral("Prężność pary")};
    return pozycje;
}

const QStringList& PozycjeCiecz()
{
    static const QStringList pozycje = {
        QStringLiteral("Lepkość"), QStringLiteral("Napięcie powierzchniowe"), QStringLiteral("Ciepło właściwe"),
        QStringLiteral("Gęstość"), QStringLiteral("Współczynnik przewodzenia ciepła"),
        QStringLiteral("Współczynnik dyfuzji w wodzie"), QStringLiteral("Ciepło parowania"),
        QStringLiteral("Gęstość mieszanin")};
    return pozycje;
}

const std::vector<OpisMetody>& OpisyMetodTc()
{
    static const std::vector<OpisMetody> opisy = {
        {QStringLiteral("Help/Tc_Ambrose.rtf"), true},
        {QStringLiteral("Help/Tc_Joback.txt"), false},
        {QStringLiteral("Help/Tc_Fedors.txt"), false},
        {QStringLiteral("Help/Tc_Klincewicz.txt"), false},
    };
    return opisy;
}

QStringList WierszeBrakujacychDanych(int pozycja, const TRekordYaws& rekord)
{
    QStringList wiersze;
    if (pozycja != PozycjaFedorsa && rekord.Tb == BrakDanych)
        wiersze.prepend(BrakTb);
    if (pozycja == PozycjaKlincewicza && rekord.Mmol == BrakDanych)
        wiersze.prepend(BrakMmol);
    return wiersze;
}
