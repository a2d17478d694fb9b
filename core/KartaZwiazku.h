#pragma once
// What the substance card shows, worked out from a record without any widget: the card's rows
// (group, caption, edit box, field, unit conversion, unit label), the texts of the boxes, the
// captions that carry a temperature, the reference temperature of the liquid molar volume, the
// density hint, the complete correlation blocks and the name of the structural-formula picture.
#include "Zmienne.h"

#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

inline const QString TekstBrakDanych = QStringLiteral("brak danych");
inline const QString JednostkaKelwin = QStringLiteral("K");
inline const QString JednostkaCelsjusz = QStringLiteral("<sup>o</sup>C");

inline bool Podano(long double wartosc) { return wartosc != BrakDanych; }
// The value times `mnoznik` as text, "?" where the record has none (the calculator windows' way).
QString TekstLubPytajnik(long double wartosc, long double mnoznik = 1.0L);

// How a stored value becomes the value in its unit on the card.
enum class Przeliczenie {
    Brak,
    RazyTysiac,           // g/cm³ → kg/m³
    PrzezTysiac,          // mN/m → N/m
    KelwinNaCelsjusz,     // K → °C
    FahrenheitNaCelsjusz, // °F → °C
    Temperatura,          // K or °C, as the row's unit label says
};

// The converted value; BrakDanych stays BrakDanych. Temperatura is taken as no conversion here.
long double Przelicz(long double wartosc, Przeliczenie przeliczenie);
// "brak danych" for a missing value, else the converted value in the default text form.
QString TekstWartosci(long double wartosc, Przeliczenie przeliczenie = Przeliczenie::Brak);
QString TekstTemperatury(long double kelwiny, bool wKelwinach);

struct GrupaKarty {
    const char* nazwa;  // objectName of the group box
    const char* podpis;
};

struct PozycjaKarty {
    const char* grupa;                  // objectName of its group box
    const char* etykieta;               // objectName of the caption label
    const char* podpis;                 // caption on an empty card
    const char* pole;                   // objectName of the edit box
    long double TRekordYaws::*wartosc;  // nullptr: the box always shows "brak danych"
    Przeliczenie przeliczenie;
    const char* jednostka;              // objectName of the unit label, "" when it has none
    const char* jednostkaHtml;          // its mark-up ("" when none)
};

const std::vector<GrupaKarty>& GrupyKarty();
const std::vector<PozycjaKarty>& PozycjeKarty();

// Text of a control of the card, by its objectName.
struct TekstKontrolki {
    QString nazwa;
    QString tekst;
};

// Every edit box of the card. wKelwinach answers, for a temperature row's unit label, whether it
// shows kelvins. The five Antoine boxes show their values only when all five are present.
std::vector<TekstKontrolki> TekstyPolKarty(const TRekordYaws& rekord,
                                           const std::function<bool(const QString&)>& wKelwinach);

// The captions that carry a temperature, on an empty card and for a record. A caption takes its
// temperature only when both the value and its temperature are present.
std::vector<TekstKontrolki> PodpisyPustejKarty();
std::vector<TekstKontrolki> PodpisyKarty(const TRekordYaws& rekord);

// The liquid molar volume's caption and the temperature (K) it refers to, first rule that
// applies: its own temperature TVcmol; 25 °C for a liquid at 25 °C; the freezing point of a solid;
// the boiling point of a gas. BrakDanych when no rule applies or Vcmol is missing.
struct OdniesienieObjetosci {
    QString podpis;
    long double temperatura;
};
OdniesienieObjetosci OdniesienieObjetosciMolowej(const TRekordYaws& rekord);

// "<Mmol·1000/Vcmol> kg/m^3", the liquid density the molar volume stands for; empty when Mmol or
// Vcmol is missing or zero.
QString PodpowiedzGestosciCieczy(const TRekordYaws& rekord);

// The items of the experimental tab: group 0 "GAZ" and group 1 "CIECZ", items 0..6 each. An item
// is usable when every field of its correlation block is present; the liquid density and heat of
// vaporisation correlations use the record's Tc as well.
constexpr int GrupaGaz = 0;
constexpr int GrupaCiecz = 1;
constexpr int PozycjeBlokow = 7;
using KompletneBloki = std::array<std::array<bool, PozycjeBlokow>, 2>;
bool BlokKompletny(const TRekordYaws& rekord, int grupa, int pozycja);
KompletneBloki KompletneBlokiDoswiadczalne(const TRekordYaws& rekord);

// The card's property labels that open their correlation on the experimental tab.
struct EtykietaKorelacji {
    const char* etykieta;
    int grupa;
    int pozycja;
};
const std::vector<EtykietaKorelacji>& EtykietyKorelacji();

// A CAS number with every "-" replaced by "_" (the name of its structural-formula picture).
QString ZamienMyslniki(const QString& cas);
// "<CAS with _>.gif", or empty when the record names no picture (no CAS, "#" or a blank).
QString NazwaRysunkuWzoru(const std::string& cas);
