#pragma once
// The method choices of the main window, without widgets: the radio groups of the prediction
// tabs with their captions and items, the code each item stores in KodMetody, the table
// KodyMetod of which window each code opens and which loader prepares it, the items of the
// experimental tab with the codes they store in KodGaz and KodCiecz, and the descriptions of the
// critical-temperature methods.
#include "Zmienne.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

enum class ZakladkaMetod { Parametry, Wlasnosci, Mieszaniny, Rownowaga };

struct PozycjaMetody {
    const char* podpis;
    const char* kod;
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
    const char* kod;
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

// The heat of combustion: its window is prepared from the record before it opens.
inline const QString KodCieplaSpalania = QStringLiteral("050");
// Liquid viscosity under pressure: its window fetches the saturated-liquid viscosity through the
// experimental tab.
inline const QString KodLepkosciPodCisnieniem = QStringLiteral("032");

// The experimental tab: group "GAZ" item i stores KodGaz = KodyGaz[i], group "CIECZ" item i
// stores KodCiecz = KodyCiecz[i]. Item 0 of "CIECZ" is the liquid viscosity (which the liquid
// viscosity under pressure fetches); item 7 opens the liquid-mixture density window.
inline constexpr char KodyGaz[] = "4102365";
inline constexpr char KodyCiecz[] = "01234567";
constexpr int PozycjaLepkosciCieczy = 0;
constexpr int PozycjaGestosciMieszanin = 7;
inline const QString KodGestosciMieszanin = QStringLiteral("MixGestCiecz");
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
