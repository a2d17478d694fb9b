#pragma once
// What the table window computes, apart from its widgets: the arguments of a range taken by a
// step (bounded), the method that the codes name with the headers of its two columns, and the
// rows of the equilibrium results.
//
// Three windows open the table. The experimental-correlation window needs nothing more than the
// codes and RekordYaws. The property-estimation window hands its inputs through TDaneEstymacji,
// the equilibrium window its range texts, its step and its computation through
// TRownowagaDlaTabeli.
#include "KorelacjeDoswiadczalne.h"
#include "ObliczeniaEstymacji.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <limits>
#include <optional>
#include <stdexcept>
#include <vector>

// What the property-estimation window hands to the table it opens: its inputs as numbers, taken
// when its table button is pressed. A box that held no number gives no value.
struct TDaneEstymacji {
    using Liczba = std::optional<long double>;
    Liczba T;                  // edtT, K: "032" evaluates at it
    Liczba Tnas, Pnas, LepNas; // "032": saturation temperature (K), pressure (bar), viscosity (Pa·s)
    // The density page of the code: Vc (m³/kmol; "GestcRackett", "HBT"), the reference point
    // TR (K), VR (m³/kmol) ("GestcRackett2"), the pressure P (bar, "Aalto"), ω, Tc (K),
    // M (kg/kmol), Pc (bar for "Aalto", Pa for "Spencer-Danner") and ZRA ("Spencer-Danner").
    Liczba Vc, TR, VR, P, Omega, Tc, M, Pc, Zra;
    // "030": the polar form with the number of OH groups.
    bool polarny = false;
    int grupyOH = 0;
    // "031": the molar density (mol/cm³) of the window's last computation; none before one.
    std::optional<long double> gestoscMolowa;
    // "Tyna": the values of the window's last computation; none before one.
    std::optional<TDaneTynaCalusa> tynaCalusa;
};

// What the equilibrium window hands to the table it opens ("RcgBis" isobar, "RcgpBis" isotherm).
class TRownowagaDlaTabeli {
public:
    virtual ~TRownowagaDlaTabeli() = default;
    // The texts of its start and end temperature boxes (the isobar's range).
    virtual QString TekstTmin() const = 0;
    virtual QString TekstTmax() const = 0;
    // The isotherm's temperature, °C.
    virtual long double TemperaturaUkladu() const = 0;
    // The x1 step typed in it: the table's step to start with.
    virtual long double Krok() const = 0;
    // Runs ObliczIzobare or ObliczIzoterme with the chosen data set (the isotherm by the x1 step
    // given), filling WynikX1 .. WynikP and LiczbaPunktow. Returns a warning to show with the
    // results (empty when there is none). May throw; a refusal throws EOdmowaTabeli with its
    // message.
    virtual QString ObliczRownowage(long double krok) = 0;
};

// The arguments from the start to the end by the step, each the previous plus the step in
// extended arithmetic: the first is always taken, the end itself when the steps reach it exactly.
enum class BladZakresu { Brak, ZlyKrok, ZbytWieleWierszy };
constexpr int MaksLiczbaWierszy = 100000;
struct TZakresTabeli {
    std::vector<long double> argumenty;
    BladZakresu blad = BladZakresu::Brak; // with an error there are no arguments
};
// A step ≤ 0, a step that does not move the argument, or more than MaksLiczbaWierszy arguments
// is refused.
TZakresTabeli ArgumentyTabeli(long double poczatek, long double koniec, long double krok);

// The table refuses to compute: the inputs a method needs are missing (BrakDanych in the record)
// or not computed yet, or the range cannot be taken. The message says which.
class EOdmowaTabeli : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TMetodaTabeli {
    QString naglowekArgumentu;
    QString naglowekWartosci;
    // The value at one argument. A floating-point error, or a value the quantity cannot have,
    // throws EMathError: never NaN or infinity.
    std::function<long double(long double)> wartosc;
    DopuszczalneWartosci wartosci = DopuszczalneWartosci::Dodatnie;
    // Smaller arguments are not rows: no temperature at or below 0 K ("032": no pressure below
    // the saturation pressure). The message says so when no argument of the range is left.
    long double najmniejszyArgument = std::numeric_limits<long double>::denorm_min();
    QString brakWierszy = QStringLiteral("Temperatura końcowa musi być większa od 0 K");
    // How a message names an argument: "T = 300 K".
    QString symbolArgumentu = QStringLiteral("T");
    QString jednostkaArgumentu = QStringLiteral("K");
};

// The method of the range table that the codes name: gas codes, then liquid codes, then
// KodMetody; none when they name nothing. Reads its inputs once: the record's fields, and for the
// estimation codes the estimation window's (nullptr: it is not open).
// Throws EOdmowaTabeli for missing inputs, a box of the window that held no number included.
std::optional<TMetodaTabeli> MetodaTabeli(char kodGaz, char kodCiecz, const QString& kodMetody,
                                          const TDaneEstymacji* estymacja);

// The rows of the range table as the grid shows them (number, argument, value), for the arguments
// not below the method's smallest. The first value that fails ends them: the rows before it come
// with the message, which names the argument. With no message and no row, no argument of the
// range was one (the method's brakWierszy says so).
struct TWierszeZakresu {
    std::vector<QStringList> wiersze;
    QString blad;
};
TWierszeZakresu WierszeZakresu(const TMetodaTabeli& metoda, const std::vector<long double>& argumenty);

enum class RodzajTabeli { Zakres, Izobara, Izoterma };
RodzajTabeli RodzajTabeliDlaKodu(const QString& kodMetody);

// Headers of the equilibrium table, from "lp." on: 7 columns for the isobar, 6 for the isotherm.
QStringList NaglowkiRownowagi(RodzajTabeli rodzaj);
// The cells of rows 1 .. LiczbaPunktow (at most MaksLiczbaPunktow), each from its number on.
// Throws EOdmowaTabeli when there are no results.
std::vector<QStringList> WierszeRownowagi(RodzajTabeli rodzaj);
