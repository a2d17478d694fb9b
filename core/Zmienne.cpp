#include "Zmienne.h"

#include "Extended.h"
#include "KodyMetod.h"


#include <algorithm>
#include <cerrno>
#include <cstring>
#include <tuple>
#include <unistd.h>

TRekordYaws RekordYaws;
TRekordRcg RekordRcg;

TPlikTypowany PlikYaws, PlikRcg, PlikRcgt, PlikMixc;
QString KatalogProgramu, KatalogDanych;

bool Znaleziono;
QString KodMetody;
char KodGaz = BrakKoduKorelacji, KodCiecz = BrakKoduKorelacji;
long double DelHf;
bool DelHfZnane;
QString NazwaZwiazku, WzorZwiazku;
bool TrybAtomow, DelHcMinusDelHf;
int Nc, Nh, Nf, Ncl, Nbr, Ni, Ns, Nx;
std::vector<long double> WynikX1(MaksLiczbaPunktow + 1), WynikY1(MaksLiczbaPunktow + 1),
    WynikGamma1(MaksLiczbaPunktow + 1), WynikGamma2(MaksLiczbaPunktow + 1), WynikGE(MaksLiczbaPunktow + 1),
    WynikT(MaksLiczbaPunktow + 1), WynikP(MaksLiczbaPunktow + 1);
int LiczbaPunktow;

namespace {

#define TEKST(pole, offset, pojemnosc) {#pole, offset, RodzajPola::Tekst, pojemnosc, &R::pole, nullptr}
#define LICZBA(pole, offset) {#pole, offset, RodzajPola::Liczba, 1, nullptr, &R::pole}
#define LICZBA_ZERO(pole, offset) {#pole, offset, RodzajPola::Liczba, 1, nullptr, &R::pole, 0.0L}
#define ZAREZERWOWANY_TEKST(offset, pojemnosc) {"", offset, RodzajPola::Tekst, pojemnosc}
#define ZAREZERWOWANA_LICZBA(offset) {"", offset, RodzajPola::Liczba, 1}
#define ZAREZERWOWANE_BAJTY(offset, ile) {"", offset, RodzajPola::Bajt, ile}

const std::vector<PoleRekordu<TRekordYaws>> TabelaYaws = [] {
    using R = TRekordYaws;
    return std::vector<PoleRekordu<R>>{
        ZAREZERWOWANY_TEKST(0, 2),
        TEKST(CAS, 3, 11),
        TEKST(Wzor, 15, 13),
        TEKST(NazwaPL, 29, 50),
        TEKST(NazwaANG, 80, 50),
        LICZBA(Mmol, 131),
        LICZBA(Tf, 141),
        LICZBA(Tb, 151),
        LICZBA(Tc, 161),
        LICZBA(Pc, 171),
        LICZBA(Vc, 181),
        LICZBA(Zc, 191),
        LICZBA(RoC, 201),
        LICZBA(Omega, 211),
        LICZBA(DipM, 221),
        LICZBA(VdWa, 231),
        LICZBA(VdWv, 241),
        LICZBA(VdWr, 251),
        LICZBA(NigA, 261),
        LICZBA(NigB, 271),
        LICZBA(NigC, 281),
        LICZBA(NigTmin, 291),
        LICZBA(NigTmax, 301),
        LICZBA(Nig25, 311),
        LICZBA(NicA, 321),
        LICZBA(NicB, 331),
        LICZBA(NicC, 341),
        LICZBA(NicD, 351),
        LICZBA(NicTmin, 361),
        LICZBA(NicTmax, 371),
        LICZBA(TNic, 381),
        LICZBA(Nic_T, 391),
        LICZBA(LagA, 401),
        LICZBA(LagB, 411),
        LICZBA(LagC, 421),
        LICZBA(LagTmin, 431),
        LICZBA(LagTmax, 441),
        LICZBA(Lag25, 451),
        LICZBA(LacA, 461),
        LICZBA(LacB, 471),
        LICZBA(LacC, 481),
        LICZBA(LacTmin, 491),
        LICZBA(LacTmax, 501),
        LICZBA(Lac25, 511),
        ZAREZERWOWANE_BAJTY(521, 1),
        LICZBA(DapA, 522),
        LICZBA(DapB, 532),
        LICZBA(DapC, 542),
        LICZBA(DapTmin, 552),
        LICZBA(DapTmax, 562),
        LICZBA(Dap25, 572),
        LICZBA(DawA, 582),
        LICZBA(DawB, 592),
        LICZBA(DawTmin, 602),
        LICZBA(DawTmax, 612),
        LICZBA(Daw25, 622),
        LICZBA(CpgA, 632),
        LICZBA(CpgB, 642),
        LICZBA(CpgC, 652),
        LICZBA(CpgD, 662),
        LICZBA(CpgE, 672),
        LICZBA(CpgTmin, 682),
        LICZBA(CpgTmax, 692),
        LICZBA(Cpg25, 702),
        LICZBA(CpcA, 712),
        LICZBA(CpcB, 722),
        LICZBA(CpcC, 732),
        LICZBA(CpcD, 742),
        LICZBA(CpcTmin, 752),
        LICZBA(CpcTmax, 762),
        LICZBA(TCpc, 772),
        LICZBA(Cpc_T, 782),
        ZAREZERWOWANA_LICZBA(792),
        ZAREZERWOWANA_LICZBA(802),
        ZAREZERWOWANA_LICZBA(812),
        ZAREZERWOWANA_LICZBA(822),
        ZAREZERWOWANA_LICZBA(832),
        LICZBA(TCps, 842),
        LICZBA(Cps_T, 852),
        LICZBA(PvpA, 862),
        LICZBA(PvpB, 872),
        LICZBA(PvpC, 882),
        LICZBA(PvpD, 892),
        LICZBA(PvpE, 902),
        LICZBA(PvpTmin, 912),
        LICZBA(PvpTmax, 922),
        LICZBA(SinA, 932),
        LICZBA(SinTc, 942),
        LICZBA(SinN, 952),
        LICZBA(SinTmin, 962),
        LICZBA(SinTmax, 972),
        LICZBA(TSin, 982),
        LICZBA(Sin_T, 992),
        LICZBA(RocA, 1002),
        LICZBA(RocB, 1012),
        LICZBA(RocN, 1022),
        LICZBA(RocTmin, 1032),
        LICZBA(RocTmax, 1042),
        LICZBA(Roc25, 1052),
        LICZBA(DelHfA, 1062),
        LICZBA(DelHfB, 1072),
        LICZBA(DelHfC, 1082),
        LICZBA(DelHfTmin, 1092),
        LICZBA(DelHfTmax, 1102),
        LICZBA(DelHf298, 1112),
        ZAREZERWOWANE_BAJTY(1122, 2),
        LICZBA(DelGfA, 1124),
        LICZBA(DelGfB, 1134),
        LICZBA(DelGfC, 1144),
        LICZBA(DelGfTmin, 1154),
        LICZBA(DelGfTmax, 1164),
        LICZBA(DelGf298, 1174),
        ZAREZERWOWANA_LICZBA(1184),
        ZAREZERWOWANA_LICZBA(1194),
        ZAREZERWOWANA_LICZBA(1204),
        ZAREZERWOWANA_LICZBA(1214),
        ZAREZERWOWANA_LICZBA(1224),
        LICZBA(DelHef298, 1234),
        ZAREZERWOWANA_LICZBA(1244),
        ZAREZERWOWANA_LICZBA(1254),
        ZAREZERWOWANA_LICZBA(1264),
        ZAREZERWOWANA_LICZBA(1274),
        ZAREZERWOWANA_LICZBA(1284),
        LICZBA(DelEf298, 1294),
        LICZBA(DelHvA, 1304),
        LICZBA(DelHvN, 1314),
        LICZBA(DelHvTmin, 1324),
        LICZBA(DelHvTmax, 1334),
        LICZBA(DelHvTb, 1344),
        LICZBA(DelHfu, 1354),
        LICZBA(DelHc25, 1364),
        ZAREZERWOWANA_LICZBA(1374),
        ZAREZERWOWANA_LICZBA(1384),
        ZAREZERWOWANA_LICZBA(1394),
        ZAREZERWOWANA_LICZBA(1404),
        ZAREZERWOWANA_LICZBA(1414),
        ZAREZERWOWANA_LICZBA(1424),
        ZAREZERWOWANA_LICZBA(1434),
        ZAREZERWOWANA_LICZBA(1444),
        ZAREZERWOWANA_LICZBA(1454),
        ZAREZERWOWANA_LICZBA(1464),
        LICZBA(Te25, 1474),
        LICZBA(THcMol, 1484),
        ZAREZERWOWANA_LICZBA(1494),
        LICZBA(HcMol, 1504),
        LICZBA(ExL, 1514),
        LICZBA(ExU, 1524),
        LICZBA(ExF, 1534),
        LICZBA(ExAi, 1544),
        LICZBA(TRef, 1554),
        LICZBA(Ref, 1564),
        ZAREZERWOWANY_TEKST(1574, 12),
        LICZBA(TVcmol, 1587),
        LICZBA(SolParam, 1597),
        LICZBA(Vcmol, 1607),
        ZAREZERWOWANY_TEKST(1617, 12),
        ZAREZERWOWANA_LICZBA(1630),
        ZAREZERWOWANA_LICZBA(1640),
        ZAREZERWOWANA_LICZBA(1650),
        LICZBA(Solw25, 1660),
        LICZBA(Solw100, 1670),
        ZAREZERWOWANA_LICZBA(1680),
        ZAREZERWOWANA_LICZBA(1690),
        ZAREZERWOWANA_LICZBA(1700),
        LICZBA(Sols25_34472, 1710),
        LICZBA(Limit, 1720),
        LICZBA(LimitExp, 1730),
        LICZBA(LimitExpRec, 1740),
        LICZBA(MaxDEConc, 1750),
        LICZBA(AntA, 1760),
        LICZBA(AntB, 1770),
        LICZBA(AntC, 1780),
        LICZBA(AntTmin, 1790),
        LICZBA(AntTmax, 1800),
        ZAREZERWOWANA_LICZBA(1810),
        ZAREZERWOWANA_LICZBA(1820),
        ZAREZERWOWANA_LICZBA(1830),
        ZAREZERWOWANA_LICZBA(1840),
        ZAREZERWOWANA_LICZBA(1850),
        ZAREZERWOWANA_LICZBA(1860),
        ZAREZERWOWANA_LICZBA(1870),
        ZAREZERWOWANA_LICZBA(1880),
        ZAREZERWOWANA_LICZBA(1890),
        ZAREZERWOWANA_LICZBA(1900),
        ZAREZERWOWANA_LICZBA(1910),
        ZAREZERWOWANA_LICZBA(1920),
        ZAREZERWOWANA_LICZBA(1930),
        ZAREZERWOWANA_LICZBA(1940),
        LICZBA(Zra, 1950),
        ZAREZERWOWANY_TEKST(1960, 255),
        ZAREZERWOWANY_TEKST(2216, 255),
    };
}();

const std::vector<PoleRekordu<TRekordRcg>> TabelaRcg = [] {
    using R = TRekordRcg;
    return std::vector<PoleRekordu<R>>{
        TEKST(Nazwa1, 0, 40), TEKST(Nazwa2, 41, 40), TEKST(Zarezerwowany1, 82, 40), TEKST(Zarezerwowany2, 123, 40),
        LICZBA_ZERO(PT, 164), LICZBA_ZERO(A1, 174), LICZBA_ZERO(B1, 184), LICZBA_ZERO(C1, 194),
        LICZBA_ZERO(A2, 204), LICZBA_ZERO(B2, 214), LICZBA_ZERO(C2, 224), LICZBA_ZERO(W12, 234),
        LICZBA_ZERO(W21, 244),
    };
}();

const std::vector<PoleRekordu<TRekordMixc>> TabelaMixc = [] {
    using R = TRekordMixc;
    return std::vector<PoleRekordu<R>>{
        TEKST(Nazwa1, 0, 40), TEKST(CAS1, 41, 11), TEKST(Nazwa2, 53, 40), TEKST(CAS2, 94, 11),
        LICZBA(T, 106), LICZBA(P, 116), LICZBA(x1, 126), LICZBA(VE, 136),
    };
}();

#undef TEKST
#undef LICZBA
#undef LICZBA_ZERO
#undef ZAREZERWOWANY_TEKST
#undef ZAREZERWOWANA_LICZBA
#undef ZAREZERWOWANE_BAJTY

template <class R>
void DekodujPola(const std::vector<PoleRekordu<R>>& pola, const unsigned char* bajty, R& rekord)
{
    std::copy(bajty, bajty + rekord.Surowy.size(), rekord.Surowy.begin());
    for (const auto& pole : pola) {
        const unsigned char* miejsce = bajty + pole.offset;
        if (pole.tekst) {
            int dlugosc = std::min<int>(miejsce[0], pole.pojemnosc); // an over-long length byte is clamped
            (rekord.*pole.tekst).assign(reinterpret_cast<const char*>(miejsce + 1), dlugosc);
        } else if (pole.liczba) {
            // Damaged bytes (NaN, infinity, unnormal) are a missing value, not a number.
            rekord.*pole.liczba = ExtendedSkonczony(miejsce) ? DekodujExtended(miejsce) : BrakDanych;
        }
    }
}

template <class R>
void KodujPola(const std::vector<PoleRekordu<R>>& pola, const R& rekord, unsigned char* bajty)
{
    std::copy(rekord.Surowy.begin(), rekord.Surowy.end(), bajty);
    for (const auto& pole : pola) {
        unsigned char* miejsce = bajty + pole.offset;
        if (pole.tekst) {
            const std::string& tekst = rekord.*pole.tekst;
            int dlugosc = std::min<int>(static_cast<int>(tekst.size()), pole.pojemnosc);
            miejsce[0] = static_cast<unsigned char>(dlugosc);
            std::memcpy(miejsce + 1, tekst.data(), dlugosc);
        } else if (pole.liczba) {
            KodujExtended(rekord.*pole.liczba, miejsce);
        }
    }
}

// Strings lose their length, numbers take the clear value, reserved single bytes become 0;
// the changes go into the carried bytes as well, so an encoded cleared record is cleared too.
template <class R>
void CzyscPola(const std::vector<PoleRekordu<R>>& pola, R& rekord)
{
    for (const auto& pole : pola) {
        unsigned char* miejsce = rekord.Surowy.data() + pole.offset;
        switch (pole.rodzaj) {
        case RodzajPola::Tekst:
            miejsce[0] = 0;
            if (pole.tekst)
                (rekord.*pole.tekst).clear();
            break;
        case RodzajPola::Liczba:
            KodujExtended(pole.wartoscCzyszczenia, miejsce);
            if (pole.liczba)
                rekord.*pole.liczba = pole.wartoscCzyszczenia;
            break;
        case RodzajPola::Bajt:
            miejsce[0] = 0;
            break;
        }
    }
}

} // namespace

const std::vector<PoleRekordu<TRekordYaws>>& PolaYaws() { return TabelaYaws; }
const std::vector<PoleRekordu<TRekordRcg>>& PolaRcg() { return TabelaRcg; }
const std::vector<PoleRekordu<TRekordMixc>>& PolaMixc() { return TabelaMixc; }

void Dekoduj(const unsigned char* bajty, TRekordYaws& rekord) { DekodujPola(TabelaYaws, bajty, rekord); }
void Dekoduj(const unsigned char* bajty, TRekordRcg& rekord) { DekodujPola(TabelaRcg, bajty, rekord); }
void Dekoduj(const unsigned char* bajty, TRekordMixc& rekord) { DekodujPola(TabelaMixc, bajty, rekord); }
void Koduj(const TRekordYaws& rekord, unsigned char* bajty) { KodujPola(TabelaYaws, rekord, bajty); }
void Koduj(const TRekordRcg& rekord, unsigned char* bajty) { KodujPola(TabelaRcg, rekord, bajty); }
void Koduj(const TRekordMixc& rekord, unsigned char* bajty) { KodujPola(TabelaMixc, rekord, bajty); }

long double* PoleLiczbowe(TRekordYaws& rekord, const std::string& nazwa)
{
    for (const auto& pole : TabelaYaws)
        if (pole.liczba && nazwa == pole.nazwa)
            return &(rekord.*pole.liczba);
    return nullptr;
}

void CzyscRekord(TRekordYaws& rekord) { CzyscPola(TabelaYaws, rekord); }
void CzyscRekord(TRekordRcg& rekord) { CzyscPola(TabelaRcg, rekord); }
void CzyscRekord(TRekordMixc& rekord) { CzyscPola(TabelaMixc, rekord); }
void CzyscRekordYaws() { CzyscRekord(RekordYaws); }
void CzyscRekordRcg() { CzyscRekord(RekordRcg); }

TPlikTypowany::~TPlikTypowany()
{
    Zamknij();
}

void TPlikTypowany::Zamknij()
{
    if (deskryptor_ >= 0)
        ::close(deskryptor_);
    deskryptor_ = -1;
    bajty_ = 0;
}

void TPlikTypowany::Przypisz(const QString& sciezka)
{
    Zamknij();
    odmowa_ = Odmowa::Zadna;
    sciezka_ = sciezka;
}

bool TPlikTypowany::Otworz(int rozmiarRekordu)
{
    rozmiarRekordu_ = rozmiarRekordu;
    pozycja_ = 0;
    if (Otwarty())
        return true;
    // A partial last record is not counted, so the bound lets one through.
    const TOtwartyPlik plik = OtworzZwyklyPlik(sciezka_, (NajwiecejRekordow + 1) * rozmiarRekordu - 1);
    odmowa_ = plik.odmowa;
    if (odmowa_ != Odmowa::Zadna)
        return false;
    static unsigned long long otwarcia = 0;
    otwarcie_ = ++otwarcia;
    deskryptor_ = plik.deskryptor;
    bajty_ = plik.bajty;
    return true;
}

bool TPlikTypowany::OtworzPonownie(int rozmiarRekordu)
{
    Zamknij();
    return Otworz(rozmiarRekordu);
}

void TPlikTypowany::Szukaj(long long numer)
{
    pozycja_ = std::max(0LL, numer);
}

long long TPlikTypowany::Rozmiar() const
{
    return Otwarty() && rozmiarRekordu_ > 0 ? bajty_ / rozmiarRekordu_ : 0;
}

long long TPlikTypowany::CzytajRekordy(long long numer, long long liczba, unsigned char* cel) const
{
    liczba = std::min(liczba, Rozmiar() - numer);
    if (numer < 0 || liczba <= 0)
        return 0;
    const long long doPrzeczytania = liczba * rozmiarRekordu_;
    long long przeczytane = 0;
    while (przeczytane < doPrzeczytania) {
        const ssize_t porcja = ::pread(deskryptor_, cel + przeczytane, static_cast<size_t>(doPrzeczytania - przeczytane),
                                       static_cast<off_t>(numer * rozmiarRekordu_ + przeczytane));
        if (porcja < 0 && errno == EINTR)
            continue;
        if (porcja <= 0)
            break; // the file ends early: it shrank since it was opened, or cannot be read
        przeczytane += porcja;
    }
    return przeczytane / rozmiarRekordu_;
}

template <class Rekord>
bool TPlikTypowany::CzytajRekord(Rekord& rekord)
{
    std::array<unsigned char, std::tuple_size_v<decltype(Rekord::Surowy)>> bajty;
    if (rozmiarRekordu_ != static_cast<int>(bajty.size()) || CzytajRekordy(pozycja_, 1, bajty.data()) != 1)
        return false;
    ++pozycja_;
    Dekoduj(bajty.data(), rekord);
    return true;
}

bool TPlikTypowany::Czytaj(TRekordYaws& rekord) { return CzytajRekord(rekord); }
bool TPlikTypowany::Czytaj(TRekordRcg& rekord) { return CzytajRekord(rekord); }
bool TPlikTypowany::Czytaj(TRekordMixc& rekord) { return CzytajRekord(rekord); }

void ResetujZmienne()
{
    for (TPlikTypowany* plik : {&PlikYaws, &PlikRcg, &PlikRcgt, &PlikMixc})
        plik->Przypisz(QString());
    KatalogProgramu.clear();
    KatalogDanych.clear();
    Znaleziono = false;
    KodMetody.clear();
    KodGaz = KodCiecz = BrakKoduKorelacji;
    DelHf = 0.0L;
    DelHfZnane = false;
    NazwaZwiazku.clear();
    WzorZwiazku.clear();
    TrybAtomow = DelHcMinusDelHf = false;
    Nc = Nh = Nf = Ncl = Nbr = Ni = Ns = Nx = 0;
    for (auto* wynik : {&WynikX1, &WynikY1, &WynikGamma1, &WynikGamma2, &WynikGE, &WynikT, &WynikP})
        std::fill(wynik->begin(), wynik->end(), 0.0L);
    LiczbaPunktow = 0;
    CzyscRekordYaws();
    CzyscRekordRcg();
}
