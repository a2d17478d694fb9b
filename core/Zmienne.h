#pragma once
// Everything the windows share: the record types of the four data files, the no-data value, the
// current records, the typed-file variables, the paths and the hand-over globals.
#include "PlikZwykly.h"

#include <QString>
#include <array>
#include <string>
#include <vector>

constexpr long double BrakDanych = 12321.0L;

constexpr int RozmiarRekorduYaws = 2472;
constexpr int RozmiarRekorduRcg = 254;
constexpr int RozmiarRekorduMixc = 146;

// One substance of YAWS.dat. Texts are CP1250 bytes; temperatures in K unless noted.
struct TRekordYaws {
    std::string CAS, Wzor, NazwaPL, NazwaANG;
    long double Mmol, Tf, Tb, Tc, Pc, Vc, Zc, RoC, Omega, DipM, VdWa, VdWv, VdWr;
    long double NigA, NigB, NigC, NigTmin, NigTmax, Nig25;
    long double NicA, NicB, NicC, NicD, NicTmin, NicTmax, TNic, Nic_T;
    long double LagA, LagB, LagC, LagTmin, LagTmax, Lag25;
    long double LacA, LacB, LacC, LacTmin, LacTmax, Lac25;
    long double DapA, DapB, DapC, DapTmin, DapTmax, Dap25;
    long double DawA, DawB, DawTmin, DawTmax, Daw25;
    long double CpgA, CpgB, CpgC, CpgD, CpgE, CpgTmin, CpgTmax, Cpg25;
    long double CpcA, CpcB, CpcC, CpcD, CpcTmin, CpcTmax, TCpc, Cpc_T;
    long double TCps, Cps_T;
    long double PvpA, PvpB, PvpC, PvpD, PvpE, PvpTmin, PvpTmax;
    long double SinA, SinTc, SinN, SinTmin, SinTmax, TSin, Sin_T;
    long double RocA, RocB, RocN, RocTmin, RocTmax, Roc25;
    long double DelHfA, DelHfB, DelHfC, DelHfTmin, DelHfTmax, DelHf298;
    long double DelGfA, DelGfB, DelGfC, DelGfTmin, DelGfTmax, DelGf298;
    long double DelHef298, DelEf298;
    long double DelHvA, DelHvN, DelHvTmin, DelHvTmax, DelHvTb, DelHfu, DelHc25;
    long double Te25, THcMol, HcMol, ExL, ExU, ExF, ExAi, TRef, Ref;
    long double TVcmol, SolParam, Vcmol, Solw25, Solw100, Sols25_34472;
    long double Limit, LimitExp, LimitExpRec, MaxDEConc;
    long double AntA, AntB, AntC, AntTmin, AntTmax, Zra;
    // The record's bytes as read: the reserved stretches are carried through unread.
    std::array<unsigned char, RozmiarRekorduYaws> Surowy{};
};

// One binary vapour-liquid data set of Rcg.dan (isobar, P in mmHg) or Rcgt.dan (isotherm, t in °C).
struct TRekordRcg {
    std::string Nazwa1, Nazwa2, Zarezerwowany1, Zarezerwowany2;
    long double PT, A1, B1, C1, A2, B2, C2, W12, W21;
    std::array<unsigned char, RozmiarRekorduRcg> Surowy{};
};

// One measured point of a binary liquid mixture: T in K, P in MPa, VE in cm³/mol.
struct TRekordMixc {
    std::string Nazwa1, CAS1, Nazwa2, CAS2;
    long double T, P, x1, VE;
    std::array<unsigned char, RozmiarRekorduMixc> Surowy{};
};

// The layout of a record: one entry per field, written once and used to decode and encode.
enum class RodzajPola { Tekst, Liczba, Bajt };

template <class Rekord>
struct PoleRekordu {
    const char* nazwa;  // empty for reserved stretches
    int offset;
    RodzajPola rodzaj;
    int pojemnosc;      // characters of a text; 1 otherwise
    std::string Rekord::*tekst = nullptr;
    long double Rekord::*liczba = nullptr;
    long double wartoscCzyszczenia = BrakDanych; // what the clear routine writes into a number
};

const std::vector<PoleRekordu<TRekordYaws>>& PolaYaws();
const std::vector<PoleRekordu<TRekordRcg>>& PolaRcg();
const std::vector<PoleRekordu<TRekordMixc>>& PolaMixc();

void Dekoduj(const unsigned char* bajty, TRekordYaws& rekord);
void Dekoduj(const unsigned char* bajty, TRekordRcg& rekord);
void Dekoduj(const unsigned char* bajty, TRekordMixc& rekord);
void Koduj(const TRekordYaws& rekord, unsigned char* bajty);
void Koduj(const TRekordRcg& rekord, unsigned char* bajty);
void Koduj(const TRekordMixc& rekord, unsigned char* bajty);

// Pointer to a number field by its name (nullptr when there is none).
long double* PoleLiczbowe(TRekordYaws& rekord, const std::string& nazwa);

void CzyscRekordYaws();
void CzyscRekordRcg();
void CzyscRekord(TRekordYaws& rekord);
void CzyscRekord(TRekordRcg& rekord);
void CzyscRekord(TRekordMixc& rekord);

// A typed file: fixed-size records read by number with ordinary reads; the data files are only
// ever read. Record n starts at byte n * record size; the record count is taken when the file is
// opened, a partial last record not counted. A record that comes back short, because the file
// shrank since, is not read: its reader finds it missing and goes on.
class TPlikTypowany {
public:
    // Why a bound file is not open.
    using Odmowa = OdmowaPliku;
    // No data file of any kind holds more records than this: a larger one is refused.
    static constexpr long long NajwiecejRekordow = 1'000'000;

    TPlikTypowany() = default;
    TPlikTypowany(const TPlikTypowany&) = delete;
    TPlikTypowany& operator=(const TPlikTypowany&) = delete;
    ~TPlikTypowany();

    void Przypisz(const QString& sciezka);               // bind to a path
    // Reset: open and go to record 0. A device, a pipe or a folder is refused without waiting for
    // it, and so is a file larger than NajwiecejRekordow records.
    bool Otworz(int rozmiarRekordu);
    // Closes the file and opens what stands at its path now, under a new opening number.
    bool OtworzPonownie(int rozmiarRekordu);
    Odmowa PowodOdmowy() const { return odmowa_; }
    bool Otwarty() const { return deskryptor_ >= 0; }
    void Szukaj(long long numer);                         // seek
    long long Pozycja() const { return pozycja_; }        // FilePos
    long long Rozmiar() const;                            // FileSize: the record count
    // Reads the current record and advances; false at the end of the file or when the record
    // comes back short.
    bool Czytaj(TRekordYaws& rekord);
    bool Czytaj(TRekordRcg& rekord);
    bool Czytaj(TRekordMixc& rekord);
    // Reads up to `liczba` records from record `numer` on into `cel` (record size bytes each);
    // returns how many came whole: fewer at the end of the file or when it shrank. The position
    // stays.
    long long CzytajRekordy(long long numer, long long liczba, unsigned char* cel) const;
    const QString& Sciezka() const { return sciezka_; }
    // A number of this opening of the file, new whenever the file is opened anew (never 0 once
    // opened): what was copied from the file under one number is stale under another.
    unsigned long long Otwarcie() const { return otwarcie_; }

private:
    template <class Rekord>
    bool CzytajRekord(Rekord& rekord);
    void Zamknij();
    QString sciezka_;
    int deskryptor_ = -1;
    Odmowa odmowa_ = Odmowa::Zadna;
    long long bajty_ = 0;
    int rozmiarRekordu_ = 0;
    long long pozycja_ = 0;
    unsigned long long otwarcie_ = 0;
};

// Current records.
extern TRekordYaws RekordYaws;
extern TRekordRcg RekordRcg;

// Typed-file variables and paths.
extern TPlikTypowany PlikYaws, PlikRcg, PlikRcgt, PlikMixc;
extern QString KatalogProgramu, KatalogDanych;

// Hand-over globals.
extern bool Znaleziono;
extern QString KodMetody;
extern char KodGaz, KodCiecz; // BrakKoduKorelacji when no experimental correlation is chosen
extern long double DelHf;              // kJ/mol
extern bool DelHfZnane;
// The heat of combustion: the substance, the atom counts of its formula and the way it is
// computed (from the atom counts, or as minus the heat of formation), prepared by the main window.
extern QString NazwaZwiazku, WzorZwiazku;
extern bool TrybAtomow, DelHcMinusDelHf;
extern int Nc, Nh, Nf, Ncl, Nbr, Ni, Ns, Nx;

// Equilibrium results, used from index 1 up to LiczbaPunktow.
constexpr int MaksLiczbaPunktow = 2001;
extern std::vector<long double> WynikX1, WynikY1, WynikGamma1, WynikGamma2, WynikGE, WynikT, WynikP;
extern int LiczbaPunktow;

// Sets every path and hand-over global back to its start value (zero, false, empty) and clears
// the current records. Used between test cases.
void ResetujZmienne();
