#include "KodyMetod.h"

namespace {

using Z = ZakladkaMetod;

const std::vector<GrupaMetod> Grupy = {
    {"rgTc", "Tc  - dostępne metody", Z::Parametry,
     {{" Metoda Ambrose'a ( wymaga Tb )", KodTcAmbrosea},
      {" Metoda Jobacka ( wymaga Tb )", KodTcJobacka},
      {" Metoda Fedorsa ( -- )", KodTcFedorsa},
      {" Metoda Klincewicza ( wymaga Tb, Mmol )", KodTcKlincewicza}}},
    {"rgPc", "Pc - dostępne metody", Z::Parametry,
     {{" Metoda Ambrose'a ( wymaga Mmol )", KodPcAmbrosea},
      {" Metoda Jobacka ( - )", KodPcJobacka},
      {" Metoda Klincewicza ( wymaga Mmol )", KodPcKlincewicza}}},
    {"rgVc", "Vc - dostępne metody ", Z::Parametry,
     {{" Metoda Ambrose'a ( - )", KodVcAmbrosea},
      {" Metoda Jobacka ( - )", KodVcJobacka},
      {" Metoda Klincewicza ( wymaga Mmol )", KodVcKlincewicza}}},
    {"rgRoC", "Roc - dostępne metody", Z::Parametry,
     {{" Metoda definicyjna z PVT ( wymaga Mmol, Vc )", KodRocZPVT}}},
    {"rgZc", "Zc - dostępne metody", Z::Parametry,
     {{" Metoda definicyjna z PVT ( wymaga Tc, Pc, Vc )", KodZcZPVT}}},
    {"rgOmega", "Omega - dostępne metody", Z::Parametry,
     {{" Metoda Lee-Keslera ( wymaga Tc, Pc, Tb )", KodOmegiLeeKeslera},
      {" Metoda Pitzera ( wymaga Tc, Pc, Tb )", KodOmegiPitzera},
      {" Metoda zgrubna z Zc ( wymaga Tc, Pc, Vc )", KodOmegiZZc}}},
    {"rgTb", "Tb - dostępne metody", Z::Parametry, {{" Metoda Jobacka ( - )", KodTbJobacka}}},
    {"rgTf", "Tf - dostępne metody", Z::Parametry, {{" Metoda Jobacka ( - )", KodTfJobacka}}},
    {"rgSigma", "Napięcie powierzchniowe - dostępne metody", Z::Wlasnosci,
     {{" Metoda Brocka ( wymaga Tc, Pc, Tb dla 1atm )", KodNapieciaBrocka}}},
    {"rgLambdac", "Przewodzenie ciepła cieczy - dostępne metody", Z::Wlasnosci,
     {{" Metoda Sato-Riedla ( wym. Mmol, Tc, Tb dla 1atm )", KodPrzewodzeniaSatoRiedla}}},
    {"rgDelHv", "Ciepło parowania - dostępne metody", Z::Wlasnosci,
     {{" Metoda Pitzera ( wymaga Tc, Omega )", KodCieplaParowaniaPitzera}}},
    {"rgLepkosc", "Lepkość - dostępne metody", Z::Wlasnosci,
     {{" Metoda Chunga - gaz, niskie ciśnienie ( wym. Mmol, Tc, Vc, Omega )", KodLepkosciChungaNiskiegoCisnienia},
      {" Metoda Chunga - gaz, wysokie ciśnienie ( wym. Mmol, Tc, Vc, Omega )", KodLepkosciChungaWysokiegoCisnienia},
      {" Metoda Lucasa - ciecz, wysokie ciśnienie ( wymaga Tc, Pc, Omega )", KodLepkosciPodCisnieniem}}},
    {"rgDelHf", "Ciepło tworzenia - dostępne metody", Z::Wlasnosci, {{" Metoda Jobacka ( - )", KodCieplaTworzenia}}},
    {"rgDelHc", "Ciepło spalania - dostępne metody", Z::Wlasnosci,
     {{"Wykorzystująca zal. c. spalania od c. tworzenia ( - )", KodCieplaSpalania}}},
    {"rgDyf", "Współczynnik dyfuzji - dostępne metody", Z::Wlasnosci,
     {{"Zmodyfikowana metoda Tyna i Calusa dla cieczy ", KodDyfuzjiTynaCalusa},
      {"Metoda Fullera dla gazów pod niskim ciśnieniem", KodDyfuzjiFullera}}},
    {"rgGestC", "Gęstość cieczy - dostępne metody", Z::Wlasnosci,
     {{"Metoda Racketta zmodyfikowana", KodGestosciRacketta},
      {"Metoda Spencera-Dannera", KodGestosciCieczySpenceraDannera},
      {"Metoda Yamady-Gunna", KodGestosciYamadyGunna},
      {"Metoda HBT zmodyfikowana", KodGestosciHBT},
      {"Metoda Aalto zmodyfikowana (wysokie ciśnienie)", KodGestosciAalto}}},
    {"rgMixLepGaz", "Lepkość mieszaniny gazów - dostępne metody", Z::Mieszaniny,
     {{"Metoda Wilkego dla niskich ciśnień", KodLepkosciMieszaninyGazow},
      {"Metoda Chunga dla wysokich ciśnień", KodLepkosciMieszaninyGazowChunga}}},
    {"rgMixGestGaz", "Gęstość mieszaniny gazów - dostępne metody", Z::Mieszaniny,
     {{"Metoda stanów odpowiadających sobie pseudokrytyczna", KodGestosciMieszaninyGazow}}},
    {"rgMixLepCiecz", "Lepkość mieszaniny cieczy - dostępne metody", Z::Mieszaniny,
     {{"Metoda Grunberga i Nissana dla niskich temperatur", KodLepkosciMieszaninyCieczy}}},
    {"rgMixGestCiecz", "Gęstość mieszaniny cieczy - dostępne metody", Z::Mieszaniny,
     {{"Metoda Spencera i Danera (w temp. wrzenia)", KodGestosciMieszaninySpenceraDannera}}},
    {"rgIzobara", "Izobara - dostępne metody", Z::Rownowaga,
     {{"Metoda Bisekcji ze współczynnikami Wilsona", KodIzobary}}},
    {"rgIzoterma", "Izoterma - dostępne metody", Z::Rownowaga,
     {{"Metoda z użyciem współczynników Wilsona", KodIzotermy}}},
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
    {KodTcAmbrosea, "TAmbrose_Form", ""},
    {KodTcJobacka, "TJoback1_Form", ""},
    {KodTcFedorsa, "TFedors_Form", ""},
    {KodTcKlincewicza, "TEstymacjaParametrowFrm", ""},
    {KodPcAmbrosea, "TAmbrose_Form", ""},
    {KodPcJobacka, "TJoback1_Form", ""},
    {KodPcKlincewicza, "TEstymacjaParametrowFrm", ""},
    {KodVcAmbrosea, "TAmbrose_Form", ""},
    {KodVcJobacka, "TJoback1_Form", ""},
    {KodVcKlincewicza, "TEstymacjaParametrowFrm", ""},
    {KodRocZPVT, "TEstymacjaParametrowFrm", ""},
    {KodZcZPVT, "TEstymacjaParametrowFrm", ""},
    {KodOmegiLeeKeslera, "TEstymacjaParametrowFrm", ""},
    {KodOmegiPitzera, "TEstymacjaParametrowFrm", ""},
    {KodOmegiZZc, "TEstymacjaParametrowFrm", ""},
    {KodTbJobacka, "TJoback1_Form", ""},
    {KodTfJobacka, "TJoback1_Form", ""},
    {KodNapieciaBrocka, "TEstymacjaWlasnosciFrm", "wczytajBrocka"},
    {KodPrzewodzeniaSatoRiedla, "TEstymacjaWlasnosciFrm", "wczytajSatoRiedla"},
    {KodCieplaParowaniaPitzera, "TEstymacjaWlasnosciFrm", "wczytajPitzera"},
    {KodLepkosciChungaNiskiegoCisnienia, "TEstymacjaWlasnosciFrm", "wczytajChunga1"},
    {KodLepkosciChungaWysokiegoCisnienia, "TEstymacjaWlasnosciFrm", "wczytajChunga2"},
    {KodLepkosciPodCisnieniem, "TEstymacjaWlasnosciFrm", "wczytajLucasa"},
    {KodCieplaTworzenia, "TJoback1_Form", ""},
    {KodCieplaSpalania, "TDelHcWynForm", ""},
    {KodDyfuzjiTynaCalusa, "TEstymacjaWlasnosciFrm", "wczytajTyna"},
    {KodDyfuzjiFullera, "TFuller_Form", ""},
    {KodGestosciRacketta, "TEstymacjaWlasnosciFrm", ""},
    {KodGestosciCieczySpenceraDannera, "TEstymacjaWlasnosciFrm", ""},
    {KodGestosciYamadyGunna, "TEstymacjaWlasnosciFrm", ""},
    {KodGestosciHBT, "TEstymacjaWlasnosciFrm", ""},
    {KodGestosciAalto, "TEstymacjaWlasnosciFrm", ""},
    {KodLepkosciMieszaninyGazow, "TWilke_Form", ""},
    {KodLepkosciMieszaninyGazowChunga, "TChungMG_Form", ""},
    {KodGestosciMieszaninyGazow, "TWilke_Form", ""},
    {KodLepkosciMieszaninyCieczy, "TGrunberg_Form", ""},
    {KodGestosciMieszaninySpenceraDannera, "TMixcFrm", ""},
    {KodIzobary, "TFrmRownowaga", ""},
    {KodIzotermy, "TFrmRownowaga", ""},
    {KodGestosciMieszanin, "TMixcFrm", ""},
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
        if (kod == okno.kod)
            return &okno;
    return nullptr;
}

std::optional<ZakladkaMetod> ZakladkaKodu(const QString& kod)
{
    for (const GrupaMetod& grupa : Grupy)
        for (const PozycjaMetody& pozycja : grupa.pozycje)
            if (kod == pozycja.kod)
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
