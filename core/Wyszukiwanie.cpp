#include "Wyszukiwanie.h"

#include "Cp1250.h"
#include "PolishText.h"
#include "Zmienne.h"

#include <algorithm>
#include <array>
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

bool RowneZnaki(char a, char b)
{
    const auto& klasy = KlasyZnakow();
    return klasy[static_cast<unsigned char>(a)] == klasy[static_cast<unsigned char>(b)];
}

bool RowneBezWielkosci(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), RowneZnaki);
}

bool ZawieraBezWielkosci(std::string_view tekst, std::string_view szukany)
{
    return std::search(tekst.begin(), tekst.end(), szukany.begin(), szukany.end(), RowneZnaki) != tekst.end();
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

// Walks PlikYaws from record 1, handing each record's bytes and number to the visitor, until the
// end of the file or until the visitor returns false.
template <class Odwiedzajacy>
void PrzejdzPlik(Odwiedzajacy&& odwiedz)
{
    if (PlikYaws.Sciezka().isEmpty() || !PlikYaws.Otworz(RozmiarRekorduYaws))
        return;
    PlikYaws.Szukaj(1);
    for (;;) {
        const long long pozycja = PlikYaws.Pozycja();
        const unsigned char* rekord = PlikYaws.CzytajBajty();
        if (!rekord || !odwiedz(rekord, pozycja))
            return;
    }
}

QString NazwaKandydata(std::string_view nazwa)
{
    return Cp1250ToUnicode(UpperAscii(std::string(nazwa))).left(DlugoscNazwy);
}

bool Pusty(std::string_view tekst)
{
    return tekst.empty() || tekst == " ";
}

WynikSzukania SzukajNazwy(PoleSzukania pole, const std::string& tekst)
{
    WynikSzukania wynik;
    wynik.PoleWyboru = pole;
    const PoleTekstowe nazwa(pole);
    PrzejdzPlik([&](const unsigned char* rekord, long long pozycja) {
        const std::string_view n = nazwa(rekord);
        if (RowneBezWielkosci(n, tekst)) {
            wynik.Znaleziono = true;
            wynik.Pozycja = pozycja;
        }
        if (ZawieraBezWielkosci(n, tekst))
            wynik.Kandydaci << NazwaKandydata(n);
        return true;
    });
    wynik.WymagaWyboru = !wynik.Znaleziono && !wynik.Kandydaci.isEmpty();
    if (wynik.WymagaWyboru)
        SortujPL(wynik.Kandydaci);
    return wynik;
}

// Each equal value is a hit; the English names of the hits are offered when there are two or more.
void DodajTrafienia(PoleSzukania pole, const std::string& tekst, WynikSzukania& wynik)
{
    const PoleTekstowe wartosc(pole);
    const PoleTekstowe nazwaAng(PoleSzukania::NazwaANG);
    PrzejdzPlik([&](const unsigned char* rekord, long long pozycja) {
        if (RowneBezWielkosci(wartosc(rekord), tekst)) {
            wynik.Pozycja = pozycja;
            wynik.Kandydaci << NazwaKandydata(nazwaAng(rekord));
        }
        return true;
    });
}

void RozstrzygnijTrafienia(WynikSzukania& wynik)
{
    wynik.Znaleziono = wynik.Kandydaci.size() == 1;
    wynik.WymagaWyboru = wynik.Kandydaci.size() >= 2;
    if (!wynik.Znaleziono)
        wynik.Pozycja = 0;
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
    ListySzukania listy;
    const PoleTekstowe nazwaPL(PoleSzukania::NazwaPL), nazwaANG(PoleSzukania::NazwaANG);
    const PoleTekstowe wzor(PoleSzukania::Wzor), cas(PoleSzukania::CAS);
    auto dodaj = [](QStringList& lista, std::string_view tekst, bool wielkieLitery) {
        if (!Pusty(tekst))
            lista << Cp1250ToUnicode(wielkieLitery ? UpperAscii(std::string(tekst)) : std::string(tekst));
    };
    PrzejdzPlik([&](const unsigned char* rekord, long long) {
        dodaj(listy.NazwyPL, nazwaPL(rekord), true);
        dodaj(listy.NazwyANG, nazwaANG(rekord), true);
        dodaj(listy.Wzory, wzor(rekord), false);
        dodaj(listy.NumeryCAS, cas(rekord), false);
        return true;
    });
    for (QStringList* lista : {&listy.NazwyPL, &listy.NazwyANG, &listy.Wzory, &listy.NumeryCAS})
        SortujPL(*lista);
    return listy;
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
    if (pole == PoleSzukania::Wzor && Przestawiany(tekst.size())) {
        for (const QString& przestawiony : PrzestawieniaWzoru(tekst))
            DodajTrafienia(pole, UnicodeToCp1250(przestawiony), wynik);
    } else {
        DodajTrafienia(pole, *bajty, wynik);
    }
    RozstrzygnijTrafienia(wynik);
    return wynik;
}

long long ZnajdzPierwszyONazwie(PoleSzukania pole, const QString& nazwa)
{
    const std::string szukana = UnicodeToCp1250(nazwa);
    const PoleTekstowe poleNazwy(pole);
    long long znaleziona = 0;
    PrzejdzPlik([&](const unsigned char* rekord, long long pozycja) {
        if (UpperAscii(std::string(poleNazwy(rekord))) == szukana)
            znaleziona = pozycja;
        return znaleziona == 0;
    });
    return znaleziona;
}

bool WczytajSkladnik(PoleSzukania pole, const QString& nazwa)
{
    if (nazwa.trimmed().isEmpty())
        return false;
    const long long pozycja = ZnajdzPierwszyONazwie(pole, UpperAscii(nazwa));
    return pozycja != 0 && WczytajRekordYaws(pozycja);
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
