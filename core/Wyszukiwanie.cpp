#include "Wyszukiwanie.h"

#include "Cp1250.h"
#include "PolishText.h"
#include "Zmienne.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <future>
#include <numeric>
#include <optional>
#include <string_view>

namespace {

// Bytes of code page 1250 that the Polish comparison treats as equal share one class, so texts
// compare byte by byte, straight from the mapped file, exactly as PorownajPL compares them.
const std::array<unsigned char, 256>& KlasyZnakow()
{
    static const std::array<unsigned char, 256> klasy = [] {
        std::array<unsigned char, 256> k{};
        std::array<QString, 256> znaki;
        for (int b = 0; b < 256; ++b) {
            znaki[b] = Cp1250ToUnicode(std::string(1, static_cast<char>(b)));
            k[b] = static_cast<unsigned char>(b);
            for (int wczesniejszy = 0; wczesniejszy < b; ++wczesniejszy)
                if (RowneBezWielkosciLiter(znaki[wczesniejszy], znaki[b])) {
                    k[b] = k[wczesniejszy];
                    break;
                }
        }
        return k;
    }();
    return klasy;
}

// Two bytes equal in the Polish comparison; a functor, so the searches below inline it.
class RowneZnaki {
public:
    bool operator()(char a, char b) const
    {
        return klasy_[static_cast<unsigned char>(a)] == klasy_[static_cast<unsigned char>(b)];
    }

private:
    const std::array<unsigned char, 256>& klasy_ = KlasyZnakow();
};

bool RowneBezWielkosci(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), RowneZnaki());
}

// Appends the text as classes: texts equal in the Polish comparison are equal byte by byte.
void DopiszKlasy(std::string_view tekst, std::string& klasy)
{
    const size_t od = klasy.size();
    klasy.resize(od + tekst.size());
    std::transform(tekst.begin(), tekst.end(), klasy.begin() + static_cast<std::ptrdiff_t>(od),
                   [&klasyZnakow = KlasyZnakow()](char znak) {
                       return static_cast<char>(klasyZnakow[static_cast<unsigned char>(znak)]);
                   });
}

// The typed text in the data files' code page; nothing when it holds a character the files cannot.
std::optional<std::string> WStroniKodowej(const QString& tekst)
{
    std::string bajty = UnicodeToCp1250(tekst);
    if (Cp1250ToUnicode(bajty) != tekst)
        return std::nullopt;
    return bajty;
}

std::string TRekordYaws::*PoleRekordu(PoleSzukania pole)
{
    switch (pole) {
    case PoleSzukania::NazwaPL: return &TRekordYaws::NazwaPL;
    case PoleSzukania::NazwaANG: return &TRekordYaws::NazwaANG;
    case PoleSzukania::Wzor: return &TRekordYaws::Wzor;
    case PoleSzukania::CAS: break;
    }
    return &TRekordYaws::CAS;
}

constexpr PoleSzukania WszystkiePola[] = {PoleSzukania::NazwaPL, PoleSzukania::NazwaANG, PoleSzukania::Wzor,
                                          PoleSzukania::CAS};

// Where a text field lies in the record's bytes; the length byte is clamped to the capacity.
class PoleTekstowe {
public:
    explicit PoleTekstowe(PoleSzukania pole)
    {
        const auto szukane = PoleRekordu(pole);
        for (const auto& opis : PolaYaws())
            if (opis.tekst == szukane) {
                offset_ = opis.offset;
                pojemnosc_ = opis.pojemnosc;
            }
    }
    std::string_view operator()(const unsigned char* rekord) const
    {
        const int dlugosc = std::min<int>(rekord[offset_], pojemnosc_);
        return {reinterpret_cast<const char*>(rekord) + offset_ + 1, static_cast<size_t>(dlugosc)};
    }

private:
    int offset_ = 0;
    int pojemnosc_ = 0;
};

// Where the record's text fields end; they all lie at its start.
int KoniecPolTekstowych()
{
    static const int koniec = [] {
        int k = 0;
        for (const auto& opis : PolaYaws())
            if (opis.tekst)
                k = std::max(k, opis.offset + 1 + opis.pojemnosc);
        return k;
    }();
    return koniec;
}

QString NazwaKandydata(std::string_view nazwa)
{
    return Cp1250ToUnicode(UpperAscii(std::string(nazwa))).left(DlugoscNazwy);
}

bool Pusty(std::string_view tekst)
{
    return tekst.empty() || tekst == " ";
}

bool Pusty(const QString& tekst)
{
    return tekst.isEmpty() || tekst == QLatin1String(" ");
}

// Each byte of code page 1250 as its place among the distinct Polish weights of the 256 bytes,
// from 1 up: a text of these places compares byte by byte (shorter first) exactly as PorownajPL
// compares the text itself.
const std::array<unsigned char, 256>& MiejscaWag()
{
    static const std::array<unsigned char, 256> miejsca = [] {
        std::array<int, 256> wagi{};
        for (int b = 0; b < 256; ++b)
            wagi[b] = WagaZnakuPL(Cp1250ToUnicode(std::string(1, static_cast<char>(b))).at(0));
        std::array<int, 256> rozne = wagi;
        std::sort(rozne.begin(), rozne.end());
        const auto koniec = std::unique(rozne.begin(), rozne.end());
        std::array<unsigned char, 256> m{};
        for (int b = 0; b < 256; ++b)
            m[b] = static_cast<unsigned char>(1 + (std::lower_bound(rozne.begin(), koniec, wagi[b]) - rozne.begin()));
        return m;
    }();
    return miejsca;
}

// Texts as they come from the file, sorted in the Polish order (equal ones in the order they were
// added) on keys of weight places, without a Unicode text until a list is asked for.
class ListaDoSortowania {
public:
    explicit ListaDoSortowania(bool wielkieLitery) : wielkieLitery_(wielkieLitery) {}

    void Dodaj(std::string_view tekst)
    {
        const auto& miejsca = MiejscaWag();
        const size_t offset = bajty_.size();
        Pozycja p{0, static_cast<unsigned>(offset), static_cast<unsigned>(tekst.size()),
                  static_cast<unsigned>(pozycje_.size())};
        bajty_.append(tekst);
        klucze_.resize(bajty_.size());
        for (size_t i = 0; i < tekst.size(); ++i) {
            char& znak = bajty_[offset + i];
            if (wielkieLitery_ && znak >= 'a' && znak <= 'z')
                znak = static_cast<char>(znak - 'a' + 'A');
            const unsigned char miejsce = miejsca[static_cast<unsigned char>(znak)];
            klucze_[offset + i] = static_cast<char>(miejsce);
            if (i < sizeof p.poczatek)
                p.poczatek |= static_cast<std::uint64_t>(miejsce) << (8 * (sizeof p.poczatek - 1 - i));
        }
        pozycje_.push_back(p);
    }

    void Sortuj()
    {
        // First on the first eight places alone (in the order added where they are equal), then
        // each run of equal beginnings on the rest of its keys.
        std::sort(pozycje_.begin(), pozycje_.end(), [](const Pozycja& a, const Pozycja& b) {
            return a.poczatek != b.poczatek ? a.poczatek < b.poczatek : a.numer < b.numer;
        });
        for (auto run = pozycje_.begin(); run != pozycje_.end();) {
            const auto koniec = std::find_if(run, pozycje_.end(),
                                             [&](const Pozycja& p) { return p.poczatek != run->poczatek; });
            if (koniec - run > 1)
                std::sort(run, koniec, [this](const Pozycja& a, const Pozycja& b) {
                    const int roznica = Klucz(a).compare(Klucz(b));
                    return roznica != 0 ? roznica < 0 : a.numer < b.numer;
                });
            run = koniec;
        }
    }

    // The texts in sorted order.
    QStringList Teksty() const
    {
        QStringList lista;
        lista.reserve(static_cast<qsizetype>(pozycje_.size()));
        for (const Pozycja& p : pozycje_)
            lista << Cp1250ToUnicode(std::string_view(bajty_).substr(p.offset, p.dlugosc));
        return lista;
    }

    // The numbers of the texts (from 0, in the order they were added) in sorted order.
    std::vector<unsigned> Numery() const
    {
        std::vector<unsigned> numery;
        numery.reserve(pozycje_.size());
        for (const Pozycja& p : pozycje_)
            numery.push_back(p.numer);
        return numery;
    }

private:
    struct Pozycja {
        std::uint64_t poczatek; // the first eight weight places, big-endian, zero past the end
        unsigned offset, dlugosc, numer;
    };

    std::string_view Klucz(const Pozycja& p) const { return std::string_view(klucze_).substr(p.offset, p.dlugosc); }

    bool wielkieLitery_;
    std::string bajty_, klucze_;
    std::vector<Pozycja> pozycje_;
};

// The names of one field of every record: upper-cased in the Polish order, for the list and the
// candidates, and side by side in file order as classes of the comparison that ignores case, for
// finding the names that contain a text.
class NazwyRekordow {
public:
    // nazwa(n) is the name of record n, from 1 to liczba.
    template <class Nazwa>
    NazwyRekordow(long long liczba, Nazwa&& nazwa)
    {
        ListaDoSortowania posortowane(true);
        for (long long numer = 1; numer <= liczba; ++numer) {
            const std::string_view n = nazwa(numer);
            posortowane.Dodaj(n);
            DopiszKlasy(n, klasy_);
            granice_.push_back(klasy_.size());
        }
        posortowane.Sortuj();
        wPorzadku_ = posortowane.Teksty();
        rekordyWPorzadku_ = posortowane.Numery();
    }

    // The sorted names but blank ones.
    QStringList Lista() const
    {
        QStringList lista;
        lista.reserve(wPorzadku_.size());
        for (const QString& nazwa : wPorzadku_)
            if (!Pusty(nazwa))
                lista << nazwa;
        return lista;
    }

    // The sorted names of the records (from 0) marked.
    QStringList Wybrane(const std::vector<char>& rekordy) const
    {
        QStringList lista;
        lista.reserve(std::count(rekordy.begin(), rekordy.end(), 1));
        for (size_t miejsce = 0; miejsce < rekordyWPorzadku_.size(); ++miejsce)
            if (rekordy[rekordyWPorzadku_[miejsce]])
                lista << wPorzadku_[static_cast<qsizetype>(miejsce)];
        return lista;
    }

    // The first record (from 1) whose upper-cased name is exactly the name; 0 when there is none.
    // Equal names lie together in the sorted order, in file order, within the names the Polish
    // order takes for equal.
    long long Pierwszy(const QString& nazwa) const
    {
        const auto wczesniej = [](const QString& a, const QString& b) { return PorownajPL(a, b) < 0; };
        const auto [od, koniec] = std::equal_range(wPorzadku_.begin(), wPorzadku_.end(), nazwa, wczesniej);
        const auto rowna = std::find(od, koniec, nazwa);
        return rowna == koniec ? 0 : rekordyWPorzadku_[static_cast<size_t>(rowna - wPorzadku_.begin())] + 1LL;
    }

    struct Trafienia {
        std::vector<char> zawiera; // for each record from 0
        long long rowna = 0;       // the last record whose name equals the text; 0 when none
    };

    Trafienia Szukaj(std::string_view tekst) const
    {
        std::string szukane;
        DopiszKlasy(tekst, szukane);
        const std::string_view wszystkie(klasy_);
        Trafienia t;
        t.zawiera.resize(granice_.size() - 1);
        // The next place of the text at or after the start of the record at hand; one that runs
        // over the record's end belongs to no record, so the search goes on from the next one. An
        // empty name holds nothing, not even an empty text.
        size_t trafienie = wszystkie.find(szukane);
        for (size_t rekord = 0; trafienie != std::string_view::npos && rekord + 1 < granice_.size(); ++rekord) {
            const size_t poczatek = granice_[rekord];
            const size_t koniec = granice_[rekord + 1];
            if (trafienie < poczatek)
                trafienie = wszystkie.find(szukane, poczatek);
            if (trafienie == std::string_view::npos)
                break;
            if (trafienie < koniec && trafienie + szukane.size() <= koniec)
                t.zawiera[rekord] = 1;
            if (trafienie == poczatek && koniec - poczatek == szukane.size())
                t.rowna = static_cast<long long>(rekord) + 1;
        }
        return t;
    }

private:
    std::string klasy_;
    std::vector<size_t> granice_{0}; // record n's name lies at granice_[n] .. granice_[n + 1]
    QStringList wPorzadku_;
    std::vector<unsigned> rekordyWPorzadku_;
};

// The text fields are copied from the file read this many records at a time, in up to four parts
// of at least this many records each.
constexpr long long RekordyWPorcji = 64;
constexpr long long RekordyNaCzesc = 8192;
constexpr long long NajwiecejCzesci = 4;

// The text fields of records 1 .. last (each record's first bytes, up to the end of its last text
// field), copied side by side under one opening of PlikYaws: a search walks these few megabytes
// instead of reading the file again, and only they stay in memory. Copied anew when the file is
// opened anew; records that come back short (the file shrank) are left out.
class PolaTekstoweRekordow {
public:
    static const PolaTekstoweRekordow& Biezace()
    {
        static PolaTekstoweRekordow pola;
        if (PlikYaws.Sciezka().isEmpty() || !PlikYaws.Otworz(RozmiarRekorduYaws))
            pola = {};
        else if (pola.otwarcie_ != PlikYaws.Otwarcie())
            pola.Skopiuj();
        return pola;
    }

    long long Liczba() const { return static_cast<long long>(bajty_.size()) / KoniecPolTekstowych(); }
    // Record n from 1.
    const unsigned char* Rekord(long long numer) const { return bajty_.data() + (numer - 1) * KoniecPolTekstowych(); }

    // The names of the field (Polish or English) of every record, sorted by the first list fill or
    // search that needs them, and kept for the rest of this opening.
    const NazwyRekordow& Nazwy(PoleSzukania pole) const
    {
        std::optional<NazwyRekordow>& nazwy = nazwy_[pole == PoleSzukania::NazwaANG];
        if (!nazwy) {
            const PoleTekstowe nazwa(pole);
            nazwy.emplace(Liczba(), [&](long long numer) { return nazwa(Rekord(numer)); });
        }
        return *nazwy;
    }

private:
    void Skopiuj()
    {
        otwarcie_ = PlikYaws.Otwarcie();
        nazwy_ = {};
        const long long liczba = std::max(0LL, PlikYaws.Rozmiar() - 1);
        bajty_.resize(static_cast<size_t>(liczba * KoniecPolTekstowych()));
        // The file comes from memory the system keeps, so copying takes the time: a large file is
        // copied in a few parts side by side, each in a thread of its own.
        const long long liczbaCzesci = std::clamp(liczba / RekordyNaCzesc, 1LL, NajwiecejCzesci);
        const auto poczatek = [&](long long czesc) { return liczba * czesc / liczbaCzesci; };
        std::vector<std::future<long long>> dalsze;
        for (long long czesc = 1; czesc < liczbaCzesci; ++czesc)
            dalsze.push_back(std::async(std::launch::async, [this, od = poczatek(czesc), koniec = poczatek(czesc + 1)] {
                return SkopiujCzesc(od, koniec);
            }));
        // The copy ends at the first record that came back short.
        long long skopiowane = SkopiujCzesc(0, poczatek(1));
        for (long long czesc = 1; czesc < liczbaCzesci; ++czesc) {
            const long long koniec = dalsze[static_cast<size_t>(czesc - 1)].get();
            if (skopiowane == poczatek(czesc))
                skopiowane = koniec;
        }
        bajty_.resize(static_cast<size_t>(skopiowane * KoniecPolTekstowych()));
        bajty_.shrink_to_fit();
    }

    // Copies the text fields of records od .. koniec - 1 (counted from 0); returns where it
    // stopped: koniec, or the first record that came back short.
    long long SkopiujCzesc(long long od, long long koniec)
    {
        const int szerokosc = KoniecPolTekstowych();
        std::vector<unsigned char> porcja(static_cast<size_t>(RekordyWPorcji * RozmiarRekorduYaws));
        while (od < koniec) {
            const long long chciane = std::min(RekordyWPorcji, koniec - od);
            const long long przeczytane = PlikYaws.CzytajRekordy(od + 1, chciane, porcja.data());
            for (long long i = 0; i < przeczytane; ++i)
                std::copy_n(porcja.data() + i * RozmiarRekorduYaws, szerokosc, bajty_.data() + (od + i) * szerokosc);
            od += przeczytane;
            if (przeczytane < chciane)
                break;
        }
        return od;
    }

    unsigned long long otwarcie_ = 0;
    std::vector<unsigned char> bajty_;
    mutable std::array<std::optional<NazwyRekordow>, 2> nazwy_;
};

// Walks records 1 .. last of PlikYaws, handing each record's text fields (at their offsets in the
// record) and its number to the visitor, until the end or until the visitor returns false.
template <class Odwiedzajacy>
void PrzejdzPlik(Odwiedzajacy&& odwiedz)
{
    const PolaTekstoweRekordow& pola = PolaTekstoweRekordow::Biezace();
    for (long long numer = 1; numer <= pola.Liczba(); ++numer)
        if (!odwiedz(pola.Rekord(numer), numer))
            return;
}

WynikSzukania SzukajNazwy(PoleSzukania pole, const std::string& tekst)
{
    WynikSzukania wynik;
    wynik.PoleWyboru = pole;
    const NazwyRekordow& nazwy = PolaTekstoweRekordow::Biezace().Nazwy(pole);
    const NazwyRekordow::Trafienia trafienia = nazwy.Szukaj(tekst);
    wynik.Znaleziono = trafienia.rowna != 0;
    wynik.Pozycja = trafienia.rowna;
    wynik.Kandydaci = nazwy.Wybrane(trafienia.zawiera);
    wynik.WymagaWyboru = !wynik.Znaleziono && !wynik.Kandydaci.isEmpty();
    return wynik;
}

// A record is a hit once for every one of the values its own equals, in the order of the values
// and then of the file, in one walk; the English names of the hits are offered when there are two
// or more.
void DodajTrafienia(PoleSzukania pole, const std::vector<std::string>& wartosci, WynikSzukania& wynik)
{
    const PoleTekstowe wartosc(pole);
    const PoleTekstowe nazwaAng(PoleSzukania::NazwaANG);
    struct Trafienie {
        size_t wartosc;
        long long pozycja;
        std::string_view nazwa;
    };
    std::vector<Trafienie> trafienia;
    PrzejdzPlik([&](const unsigned char* rekord, long long pozycja) {
        const std::string_view w = wartosc(rekord);
        for (size_t i = 0; i < wartosci.size(); ++i)
            if (RowneBezWielkosci(w, wartosci[i]))
                trafienia.push_back({i, pozycja, nazwaAng(rekord)});
        return true;
    });
    std::stable_sort(trafienia.begin(), trafienia.end(),
                     [](const Trafienie& a, const Trafienie& b) { return a.wartosc < b.wartosc; });
    for (const Trafienie& t : trafienia) {
        wynik.Pozycja = t.pozycja;
        wynik.Kandydaci << NazwaKandydata(t.nazwa);
    }
}

void RozstrzygnijTrafienia(WynikSzukania& wynik)
{
    wynik.Znaleziono = wynik.Kandydaci.size() == 1;
    wynik.WymagaWyboru = wynik.Kandydaci.size() >= 2;
    if (!wynik.Znaleziono)
        wynik.Pozycja = 0;
}

// The record's texts are the ones kept for its number.
bool TekstyZachowane(long long pozycja, const TRekordYaws& rekord)
{
    const PolaTekstoweRekordow& pola = PolaTekstoweRekordow::Biezace();
    if (pozycja < 1 || pozycja > pola.Liczba())
        return false;
    const unsigned char* zachowany = pola.Rekord(pozycja);
    return std::all_of(std::begin(WszystkiePola), std::end(WszystkiePola), [&](PoleSzukania pole) {
        const PoleTekstowe tekst(pole);
        return tekst(zachowany) == tekst(rekord.Surowy.data());
    });
}

bool Przestawiany(qsizetype dlugosc)
{
    return dlugosc >= 2 && dlugosc <= 4;
}

} // namespace

QString TekstDoSzukania(PoleSzukania pole, const QString& tekstListy)
{
    switch (pole) {
    case PoleSzukania::NazwaPL:
    case PoleSzukania::NazwaANG: return UpperAscii(tekstListy).left(DlugoscNazwy);
    case PoleSzukania::Wzor: return UpperAscii(tekstListy);
    case PoleSzukania::CAS: break;
    }
    return tekstListy;
}

ListySzukania ZbierzListySzukania()
{
    const PolaTekstoweRekordow& pola = PolaTekstoweRekordow::Biezace();
    // Formulas and CAS numbers as stored, but blank ones.
    const auto posortowane = [&pola](PoleSzukania pole) {
        ListaDoSortowania lista(false);
        const PoleTekstowe pobierz(pole);
        for (long long numer = 1; numer <= pola.Liczba(); ++numer)
            if (const std::string_view tekst = pobierz(pola.Rekord(numer)); !Pusty(tekst))
                lista.Dodaj(tekst);
        lista.Sortuj();
        return lista.Teksty();
    };
    // The four lists are gathered and sorted side by side, each in a thread of its own; the names'
    // order stays for the searches.
    const auto osobno = [](auto&& zadanie) { return std::async(std::launch::async, zadanie); };
    auto angielskie = osobno([&] { return pola.Nazwy(PoleSzukania::NazwaANG).Lista(); });
    auto wzory = osobno([&] { return posortowane(PoleSzukania::Wzor); });
    auto numery = osobno([&] { return posortowane(PoleSzukania::CAS); });
    QStringList polskie = pola.Nazwy(PoleSzukania::NazwaPL).Lista();
    return {std::move(polskie), angielskie.get(), wzory.get(), numery.get()};
}

QStringList ListaNazw(PoleSzukania pole)
{
    return PolaTekstoweRekordow::Biezace().Nazwy(pole).Lista();
}

WynikSzukania SzukajZwiazku(PoleSzukania pole, const QString& tekstListy)
{
    const QString tekst = TekstDoSzukania(pole, tekstListy);
    const std::optional<std::string> bajty = WStroniKodowej(tekst);
    WynikSzukania wynik;
    if (!bajty)
        return wynik;
    if (pole == PoleSzukania::NazwaPL || pole == PoleSzukania::NazwaANG)
        return SzukajNazwy(pole, *bajty);
    std::vector<std::string> wartosci;
    if (pole == PoleSzukania::Wzor && Przestawiany(tekst.size())) {
        for (const QString& przestawiony : PrzestawieniaWzoru(tekst))
            wartosci.push_back(UnicodeToCp1250(przestawiony));
    } else {
        wartosci.push_back(*bajty);
    }
    DodajTrafienia(pole, wartosci, wynik);
    RozstrzygnijTrafienia(wynik);
    return wynik;
}

long long ZnajdzPierwszyONazwie(PoleSzukania pole, const QString& nazwa)
{
    const PolaTekstoweRekordow& pola = PolaTekstoweRekordow::Biezace();
    if (pole == PoleSzukania::NazwaPL || pole == PoleSzukania::NazwaANG)
        return pola.Nazwy(pole).Pierwszy(nazwa);
    const std::string szukana = UnicodeToCp1250(nazwa);
    const PoleTekstowe wartosc(pole);
    const auto rowneWielkimi = [&szukana](std::string_view zapisana) {
        return std::equal(zapisana.begin(), zapisana.end(), szukana.begin(), szukana.end(),
                          [](char z, char s) { return (z >= 'a' && z <= 'z' ? char(z - 'a' + 'A') : z) == s; });
    };
    long long znaleziona = 0;
    PrzejdzPlik([&](const unsigned char* rekord, long long pozycja) {
        if (rowneWielkimi(wartosc(rekord)))
            znaleziona = pozycja;
        return znaleziona == 0;
    });
    return znaleziona;
}

std::optional<TRekordYaws> ZnalezionyRekord(const std::function<long long()>& znajdz)
{
    for (int proba = 0; proba < 2; ++proba) {
        const long long pozycja = znajdz();
        if (pozycja <= 0)
            return std::nullopt;
        TRekordYaws rekord;
        PlikYaws.Szukaj(pozycja);
        const bool wczytany = PlikYaws.Czytaj(rekord);
        PlikYaws.Szukaj(pozycja);
        if (wczytany && TekstyZachowane(pozycja, rekord))
            return rekord;
        // Another record stands there, or none: the texts are read again from the file as it is.
        PlikYaws.OtworzPonownie(RozmiarRekorduYaws);
    }
    return std::nullopt;
}

bool WczytajZnaleziony(const std::function<long long()>& znajdz)
{
    std::optional<TRekordYaws> rekord = ZnalezionyRekord(znajdz);
    if (rekord)
        RekordYaws = std::move(*rekord);
    return rekord.has_value();
}

std::optional<TRekordYaws> SkladnikONazwie(PoleSzukania pole, const QString& nazwa)
{
    if (nazwa.trimmed().isEmpty())
        return std::nullopt;
    return ZnalezionyRekord([&] { return ZnajdzPierwszyONazwie(pole, UpperAscii(nazwa)); });
}

std::vector<QString> PrzestawieniaWzoru(const QString& wzor)
{
    std::vector<qsizetype> pozycje(static_cast<size_t>(wzor.size()));
    std::iota(pozycje.begin(), pozycje.end(), 0);
    std::vector<QString> wyniki;
    do {
        QString przestawiony;
        for (qsizetype p : pozycje)
            przestawiony += wzor.at(p);
        wyniki.push_back(przestawiony);
    } while (std::next_permutation(pozycje.begin(), pozycje.end()));
    return wyniki;
}

bool WczytajRekordYaws(long long pozycja)
{
    PlikYaws.Szukaj(pozycja);
    const bool wczytany = PlikYaws.Czytaj(RekordYaws);
    PlikYaws.Szukaj(pozycja);
    return wczytany;
}
