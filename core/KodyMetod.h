#pragma once
// The method choices of the main window, without widgets: the names of every method code and
// experimental-correlation code, the radio groups of the prediction tabs with their captions and
// items, the code each item stores in KodMetody, the table KodyMetod of which window each code
// opens and which loader prepares it, the items of the experimental tab with the codes they store
// in KodGaz and KodCiecz, and the descriptions of the critical-temperature methods.
#include "Zmienne.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <vector>

enum class ZakladkaMetod { Parametry, Wlasnosci, Mieszaniny, Rownowaga };

// A method code as KodMetody holds it. Every code is one of the names below and the tables are
// built from them; what takes a code takes this type, so a code written as bare text, or a
// mistyped name, does not build.
class TKodMetody {
public:
    template <std::size_t N>
    consteval explicit TKodMetody(const char (&tekst)[N]) : tekst_(tekst), dlugosc_(N - 1)
    {
    }
    QLatin1String Tekst() const { return QLatin1String(tekst_, dlugosc_); }
    friend bool operator==(const QString& kod, TKodMetody nazwany) { return kod == nazwany.Tekst(); }

private:
    const char* tekst_;
    qsizetype dlugosc_;
};

// The prediction tabs' codes: critical parameters,
inline constexpr TKodMetody KodTcAmbrosea{"00"};
inline constexpr TKodMetody KodTcJobacka{"01"};
inline constexpr TKodMetody KodTcFedorsa{"02"};
inline constexpr TKodMetody KodTcKlincewicza{"03"};
inline constexpr TKodMetody KodPcAmbrosea{"10"};
inline constexpr TKodMetody KodPcJobacka{"11"};
inline constexpr TKodMetody KodPcKlincewicza{"13"};
inline constexpr TKodMetody KodVcAmbrosea{"20"};
inline constexpr TKodMetody KodVcJobacka{"21"};
inline constexpr TKodMetody KodVcKlincewicza{"23"};
inline constexpr TKodMetody KodRocZPVT{"30"};
inline constexpr TKodMetody KodZcZPVT{"40"};
inline constexpr TKodMetody KodOmegiLeeKeslera{"50"};
inline constexpr TKodMetody KodOmegiPitzera{"51"};
inline constexpr TKodMetody KodOmegiZZc{"52"};
inline constexpr TKodMetody KodTbJobacka{"61"};
inline constexpr TKodMetody KodTfJobacka{"71"};
// properties,
inline constexpr TKodMetody KodNapieciaBrocka{"000"};
inline constexpr TKodMetody KodPrzewodzeniaSatoRiedla{"010"};
inline constexpr TKodMetody KodCieplaParowaniaPitzera{"020"};
inline constexpr TKodMetody KodLepkosciChungaNiskiegoCisnienia{"030"};
inline constexpr TKodMetody KodLepkosciChungaWysokiegoCisnienia{"031"};
// Liquid viscosity under pressure: its window fetches the saturated-liquid viscosity through the
// experimental tab.
inline constexpr TKodMetody KodLepkosciPodCisnieniem{"032"};
inline constexpr TKodMetody KodCieplaTworzenia{"040"};
// The heat of combustion: its window is prepared from the record before it opens.
inline constexpr TKodMetody KodCieplaSpalania{"050"};
inline constexpr TKodMetody KodDyfuzjiTynaCalusa{"Tyna"};
inline constexpr TKodMetody KodDyfuzjiFullera{"Fullera"};
inline constexpr TKodMetody KodGestosciRacketta{"GestcRackett2"};
inline constexpr TKodMetody KodGestosciCieczySpenceraDannera{"Spencer-Danner"};
inline constexpr TKodMetody KodGestosciYamadyGunna{"GestcRackett"};
inline constexpr TKodMetody KodGestosciHBT{"HBT"};
inline constexpr TKodMetody KodGestosciAalto{"Aalto"};
// mixtures and phase equilibrium.
inline constexpr TKodMetody KodLepkosciMieszaninyGazow{"MixLepGaz"};
inline constexpr TKodMetody KodLepkosciMieszaninyGazowChunga{"ChungMG"};
inline constexpr TKodMetody KodGestosciMieszaninyGazow{"MixGestGaz"};
inline constexpr TKodMetody KodLepkosciMieszaninyCieczy{"MixLepCiecz"};
inline constexpr TKodMetody KodGestosciMieszaninySpenceraDannera{"MixGestCieczSD"};
inline constexpr TKodMetody KodIzobary{"RcgBis"};
inline constexpr TKodMetody KodIzotermy{"RcgpBis"};
// The experimental tab's liquid-mixture density, of no method group.
inline constexpr TKodMetody KodGestosciMieszanin{"MixGestCiecz"};

struct PozycjaMetody {
    const char* podpis;
    TKodMetody kod;
};

// A method group: its items store their codes in KodMetody.
struct GrupaMetod {
    const char* nazwa; // objectName
    const char* podpis;
    ZakladkaMetod zakladka;
    std::vector<PozycjaMetody> pozycje;
};

// A parent group: item i shows the method group named grupy[i] (and hides the others of its tab).
struct GrupaNadrzedna {
    const char* nazwa;
    const char* podpis;
    ZakladkaMetod zakladka;
    std::vector<const char*> pozycje;
    std::vector<const char*> grupy;
};

// One row of KodyMetod: the window the code opens (its class name) and the loader the opener
// calls after creating it and before running it ("" when there is none).
struct OknoMetody {
    TKodMetody kod;
    const char* okno;
    const char* przygotowanie;
};

const std::vector<GrupaMetod>& GrupyMetod();
const std::vector<GrupaNadrzedna>& GrupyNadrzedne();
const std::vector<OknoMetody>& KodyMetod();

// The row of the code; nullptr when the code opens no window.
const OknoMetody* OknoDlaKodu(const QString& kod);
// The tab whose method groups store the code; none for a code of no group.
std::optional<ZakladkaMetod> ZakladkaKodu(const QString& kod);

// The experimental correlations' codes, as KodGaz and KodCiecz hold them.
inline constexpr char BrakKoduKorelacji = ' '; // none chosen
inline constexpr char KodCieplaWlasciwegoGazu = '0';
inline constexpr char KodCieplaTworzeniaGazu = '1';
inline constexpr char KodEnergiiGibbsaGazu = '2';
inline constexpr char KodPrzewodzeniaGazu = '3';
inline constexpr char KodLepkosciGazu = '4';
inline constexpr char KodPreznosciPary = '5';
inline constexpr char KodDyfuzjiWPowietrzu = '6';
inline constexpr char KodLepkosciCieczy = '0';
inline constexpr char KodNapieciaPowierzchniowego = '1';
inline constexpr char KodCieplaWlasciwegoCieczy = '2';
inline constexpr char KodGestosciCieczy = '3';
inline constexpr char KodPrzewodzeniaCieczy = '4';
inline constexpr char KodDyfuzjiWWodzie = '5';
inline constexpr char KodCieplaParowania = '6';
// Names no correlation: the item opens the liquid-mixture density window.
inline constexpr char KodCieczyGestosciMieszanin = '7';

// The experimental tab: group "GAZ" item i stores KodGaz = KodyGaz[i], group "CIECZ" item i
// stores KodCiecz = KodyCiecz[i]. Item 0 of "CIECZ" is the liquid viscosity (which the liquid
// viscosity under pressure fetches); item 7 opens the liquid-mixture density window.
inline constexpr char KodyGaz[] = {KodLepkosciGazu,      KodCieplaTworzeniaGazu, KodCieplaWlasciwegoGazu,
                                   KodEnergiiGibbsaGazu, KodPrzewodzeniaGazu,    KodDyfuzjiWPowietrzu,
                                   KodPreznosciPary};
inline constexpr char KodyCiecz[] = {KodLepkosciCieczy,     KodNapieciaPowierzchniowego, KodCieplaWlasciwegoCieczy,
                                     KodGestosciCieczy,     KodPrzewodzeniaCieczy,       KodDyfuzjiWWodzie,
                                     KodCieplaParowania,    KodCieczyGestosciMieszanin};
constexpr int PozycjaLepkosciCieczy = 0;
constexpr int PozycjaGestosciMieszanin = 7;
const QStringList& PozycjeGaz();
const QStringList& PozycjeCiecz();

// The description of a critical-temperature method (item of "rgTc"): its file under the current
// directory, rich text or plain text.
struct OpisMetody {
    QString plik;
    bool rtf;
};
const std::vector<OpisMetody>& OpisyMetodTc();
// The lines put before the description of item `pozycja` when the record lacks what the method
// needs, in the order they show.
QStringList WierszeBrakujacychDanych(int pozycja, const TRekordYaws& rekord);
