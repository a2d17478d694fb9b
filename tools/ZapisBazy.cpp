#include "ZapisBazy.h"

#include "Cp1250.h"
#include "FloatText.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <map>
#include <stdexcept>

namespace {

template <class R>
bool ZapiszRekordy(const QString& sciezka, const std::vector<R>& rekordy, int rozmiar)
{
    QFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    std::vector<unsigned char> bajty(rozmiar);
    R zerowy{};
    CzyscRekord(zerowy);
    Koduj(zerowy, bajty.data());
    bool dobrze = plik.write(reinterpret_cast<const char*>(bajty.data()), rozmiar) == rozmiar;
    for (const R& rekord : rekordy) {
        Koduj(rekord, bajty.data());
        dobrze = dobrze && plik.write(reinterpret_cast<const char*>(bajty.data()), rozmiar) == rozmiar;
    }
    return dobrze && plik.flush();
}

struct Tabela {
    QStringList naglowek;
    std::vector<QStringList> wiersze;
    QString sciezka;

    QString komorka(size_t wiersz, const QString& kolumna) const
    {
        qsizetype i = naglowek.indexOf(kolumna);
        if (i < 0)
            throw std::runtime_error((sciezka + ": brak kolumny " + kolumna).toStdString());
        return i < wiersze[wiersz].size() ? wiersze[wiersz][i].trimmed() : QString();
    }
    std::string tekst(size_t wiersz, const QString& kolumna) const
    {
        return UnicodeToCp1250(komorka(wiersz, kolumna));
    }
    long double liczba(size_t wiersz, const QString& kolumna) const
    {
        QString wartosc = komorka(wiersz, kolumna);
        if (wartosc.isEmpty())
            return BrakDanych;
        try {
            return StrToFloat(wartosc);
        } catch (const EConvertError&) {
            throw std::runtime_error(QStringLiteral("%1, wiersz %2, kolumna %3: %4 nie jest liczbą")
                                         .arg(sciezka).arg(wiersz + 2).arg(kolumna, wartosc).toStdString());
        }
    }
};

Tabela CzytajTabele(const QString& sciezka)
{
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly))
        throw std::runtime_error(("Nie można otworzyć " + sciezka).toStdString());
    Tabela tabela;
    tabela.sciezka = sciezka;
    const QStringList linie = QString::fromUtf8(plik.readAll()).split(QLatin1Char('\n'));
    for (QString linia : linie) {
        if (linia.endsWith(QLatin1Char('\r')))
            linia.chop(1);
        if (linia.trimmed().isEmpty())
            continue;
        QStringList komorki = linia.split(QLatin1Char('\t'));
        if (tabela.naglowek.isEmpty())
            tabela.naglowek = komorki;
        else
            tabela.wiersze.push_back(komorki);
    }
    return tabela;
}

} // namespace

bool ZapiszPlik(const QString& sciezka, const std::vector<TRekordYaws>& rekordy)
{
    return ZapiszRekordy(sciezka, rekordy, RozmiarRekorduYaws);
}

bool ZapiszPlik(const QString& sciezka, const std::vector<TRekordRcg>& rekordy)
{
    return ZapiszRekordy(sciezka, rekordy, RozmiarRekorduRcg);
}

bool ZapiszPlik(const QString& sciezka, const std::vector<TRekordMixc>& rekordy)
{
    return ZapiszRekordy(sciezka, rekordy, RozmiarRekorduMixc);
}

TRekordYaws PustyRekordYaws()
{
    TRekordYaws rekord{};
    CzyscRekord(rekord);
    return rekord;
}

namespace {

// Fills every field of the record from the column of the same name, or of the name the map gives.
template <class R>
std::vector<R> CzytajRekordy(const QString& sciezkaTsv, const std::vector<PoleRekordu<R>>& pola,
                             const std::map<std::string, QString>& kolumny = {})
{
    Tabela tabela = CzytajTabele(sciezkaTsv);
    std::vector<R> rekordy;
    for (size_t w = 0; w < tabela.wiersze.size(); ++w) {
        R rekord{};
        CzyscRekord(rekord);
        for (const auto& pole : pola) {
            auto it = kolumny.find(pole.nazwa);
            QString kolumna = it != kolumny.end() ? it->second : QString::fromLatin1(pole.nazwa);
            if (pole.tekst && !kolumna.isEmpty())
                rekord.*pole.tekst = tabela.tekst(w, kolumna);
            else if (pole.liczba)
                rekord.*pole.liczba = tabela.liczba(w, kolumna);
        }
        rekordy.push_back(rekord);
    }
    return rekordy;
}

} // namespace

std::vector<TRekordYaws> CzytajSubstancje(const QString& sciezkaTsv)
{
    return CzytajRekordy(sciezkaTsv, PolaYaws());
}

std::vector<TRekordRcg> CzytajRownowagi(const QString& sciezkaTsv)
{
    // The third column is the system pressure (isobars) or temperature (isotherms).
    QString kolumnaPT = CzytajTabele(sciezkaTsv).naglowek.value(2);
    return CzytajRekordy(sciezkaTsv, PolaRcg(),
                         {{"Nazwa1", QStringLiteral("Skladnik1")}, {"Nazwa2", QStringLiteral("Skladnik2")},
                          {"Zarezerwowany1", QString()}, {"Zarezerwowany2", QString()}, {"PT", kolumnaPT}});
}

std::vector<TRekordMixc> CzytajMixc(const QString& sciezkaTsv)
{
    return CzytajRekordy(sciezkaTsv, PolaMixc(),
                         {{"T", QStringLiteral("T_K")}, {"P", QStringLiteral("P_MPa")}, {"VE", QStringLiteral("VE_cm3mol")}});
}

void ZapiszBazeProbna(const QString& katalogTekstow, const QString& katalogDanych)
{
    QDir().mkpath(katalogDanych);
    QDir teksty(katalogTekstow), dane(katalogDanych);
    auto zapisz = [&](const QString& nazwa, const auto& rekordy) {
        if (!ZapiszPlik(dane.filePath(nazwa), rekordy))
            throw std::runtime_error(("Nie można zapisać " + dane.filePath(nazwa)).toStdString());
    };
    zapisz(QStringLiteral("YAWS.dat"), CzytajSubstancje(teksty.filePath(QStringLiteral("substances.tsv"))));
    zapisz(QStringLiteral("Rcg.dan"), CzytajRownowagi(teksty.filePath(QStringLiteral("vle_isobars.tsv"))));
    zapisz(QStringLiteral("Rcgt.dan"), CzytajRownowagi(teksty.filePath(QStringLiteral("vle_isotherms.tsv"))));
    zapisz(QStringLiteral("mixc.dan"), CzytajMixc(teksty.filePath(QStringLiteral("mixc.tsv"))));
}
