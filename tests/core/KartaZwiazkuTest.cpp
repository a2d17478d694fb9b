#include "ZapisBazy.h"
#include "KartaZwiazku.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

QString Tekst(const std::vector<TekstKontrolki>& teksty, const QString& nazwa)
{
    for (const TekstKontrolki& t : teksty)
        if (t.nazwa == nazwa)
            return t.tekst;
    ADD_FAILURE() << "no control " << nazwa.toStdString();
    return {};
}

std::vector<TekstKontrolki> WszystkoWKelwinach(const TRekordYaws& r)
{
    return TekstyPolKarty(r, [](const QString&) { return true; });
}

TRekordYaws Pusty()
{
    return PustyRekordYaws();
}

} // namespace

TEST(KartaZwiazku, ConversionsKeepMissingValuesMissing)
{
    struct Przypadek {
        long double wartosc;
        Przeliczenie przeliczenie;
        const char* oczekiwany;
    };
    const Przypadek przypadki[] = {
        {0.321989L, Przeliczenie::RazyTysiac, "321.989"},       // g/cm³ → kg/m³
        {72.0649L, Przeliczenie::PrzezTysiac, "0.0720649"},     // mN/m → N/m
        {212.0L, Przeliczenie::FahrenheitNaCelsjusz, "100"},
        {-40.0L, Przeliczenie::FahrenheitNaCelsjusz, "-40"},
        {55.0L, Przeliczenie::FahrenheitNaCelsjusz, "12.7777777777778"}, // 115/9
        {300.0L, Przeliczenie::KelwinNaCelsjusz, "26.85"},
        {200.0L, Przeliczenie::KelwinNaCelsjusz, "-73.15"},
        {18.01528L, Przeliczenie::Brak, "18.01528"},
    };
    for (const Przypadek& p : przypadki)
        EXPECT_EQ(TekstWartosci(p.wartosc, p.przeliczenie), QString::fromLatin1(p.oczekiwany)) << p.oczekiwany;
    for (Przeliczenie p : {Przeliczenie::Brak, Przeliczenie::RazyTysiac, Przeliczenie::PrzezTysiac,
                           Przeliczenie::KelwinNaCelsjusz, Przeliczenie::FahrenheitNaCelsjusz}) {
        EXPECT_EQ(Przelicz(BrakDanych, p), BrakDanych);
        EXPECT_EQ(TekstWartosci(BrakDanych, p), QStringLiteral("brak danych"));
    }
    EXPECT_EQ(TekstTemperatury(373.15L, true), QStringLiteral("373.15"));
    EXPECT_EQ(TekstTemperatury(373.15L, false), QStringLiteral("100"));
    EXPECT_EQ(TekstTemperatury(BrakDanych, false), QStringLiteral("brak danych"));
}

TEST(KartaZwiazku, MolarVolumeReferenceRulesInTheirOrder)
{
    struct Przypadek {
        long double Vcmol, TVcmol, Tf, Tb;
        const char* podpis;
        long double temperatura;
    };
    const long double B = BrakDanych;
    const Przypadek przypadki[] = {
        {18.0L, 20.0L, 250.0L, 350.0L, "Objętość molowa cieczy (20°C)", 293.15L}, // own temperature first
        {18.0L, B, 250.0L, 350.0L, "Objętość molowa cieczy (25°C)", 298.15L},     // liquid at 25 °C
        {18.0L, B, 300.0L, 400.0L, "Objętość molowa cieczy (26.85°C)", 300.0L},   // solid: its Tf
        {18.0L, B, 150.0L, 200.0L, "Objętość molowa cieczy (-73.15°C)", 200.0L},  // gas: its Tb
        {18.0L, B, B, 350.0L, "Objętość molowa cieczy", B},
        {18.0L, B, 250.0L, B, "Objętość molowa cieczy", B},
        {18.0L, B, 298.15L, 350.0L, "Objętość molowa cieczy", B},                 // exactly 25 °C
        {18.0L, B, 250.0L, 298.15L, "Objętość molowa cieczy", B},
        {B, 25.0L, 250.0L, 350.0L, "Objętość molowa cieczy", B},                  // no volume
    };
    for (const Przypadek& p : przypadki) {
        TRekordYaws r = Pusty();
        r.Vcmol = p.Vcmol;
        r.TVcmol = p.TVcmol;
        r.Tf = p.Tf;
        r.Tb = p.Tb;
        const OdniesienieObjetosci o = OdniesienieObjetosciMolowej(r);
        EXPECT_EQ(o.podpis, QString::fromUtf8(p.podpis));
        EXPECT_EQ(o.temperatura, p.temperatura) << p.podpis;
        EXPECT_EQ(Tekst(PodpisyKarty(r), "lblVcmol"), QString::fromUtf8(p.podpis));
    }
}

TEST(KartaZwiazku, TemperatureCaptionsNeedTheValueAndItsTemperature)
{
    TRekordYaws r = Pusty();
    r.Nic_T = 0.000897432L;
    r.TNic = 298.15L;
    r.Cps_T = 2.116L;
    r.TCps = 273.15L;
    r.Cpc_T = 4.19322L; // temperature missing: no "12047.85°C"
    r.TSin = 298.15L;   // value missing
    r.Ref = 1.333L;
    r.TRef = 20.0L;
    r.HcMol = 0.0006L;
    r.THcMol = 25.0L;
    r.SolParam = 47.86L;
    r.TVcmol = 25.0L;
    const auto podpisy = PodpisyKarty(r);
    EXPECT_EQ(Tekst(podpisy, "lblNic_T"), QStringLiteral("Lepkość cieczy (25°C)"));
    EXPECT_EQ(Tekst(podpisy, "lblCps_T"), QStringLiteral("Ciepło wł. ciała stałego (0°C)"));
    EXPECT_EQ(Tekst(podpisy, "lblCpc_T"), QStringLiteral("Ciepło właściwe cieczy"));
    EXPECT_EQ(Tekst(podpisy, "lblSin_T"), QStringLiteral("Napięcie powierzchniowe"));
    EXPECT_EQ(Tekst(podpisy, "lblRef"), QStringLiteral("Wsp. załamania światła (20°C)"));
    EXPECT_EQ(Tekst(podpisy, "lblHcMol"), QStringLiteral("Stała Henry'ego (woda, 25°C)"));
    EXPECT_EQ(Tekst(podpisy, "lblSolParam"), QStringLiteral("Parametr rozpuszczalności (25°C)"));
    EXPECT_EQ(Tekst(podpisy, "lblPvp_T"), QStringLiteral("Prężność pary nad roztworem"));

    const auto puste = PodpisyPustejKarty();
    ASSERT_EQ(puste.size(), 9u);
    EXPECT_EQ(Tekst(puste, "lblHcMol"), QStringLiteral("Stała Henryego (woda)"));
    EXPECT_EQ(Tekst(puste, "lblRef"), QStringLiteral("Wsp. załamania światła"));
    EXPECT_EQ(Tekst(puste, "lblVcmol"), QStringLiteral("Objętość molowa cieczy"));
}

TEST(KartaZwiazku, DensityHintOnlyFromAPresentNonZeroMassAndVolume)
{
    TRekordYaws r = Pusty();
    r.Mmol = 18.01528L;
    r.Vcmol = 18.082L;
    EXPECT_EQ(PodpowiedzGestosciCieczy(r), QStringLiteral("996.310142683331 kg/m^3")); // 18015.28/18.082
    for (auto [mmol, vcmol] : {std::pair{BrakDanych, 18.0L}, {18.0L, BrakDanych}, {18.0L, 0.0L}, {0.0L, 18.0L}}) {
        r.Mmol = mmol;
        r.Vcmol = vcmol;
        EXPECT_TRUE(PodpowiedzGestosciCieczy(r).isEmpty());
    }
}

TEST(KartaZwiazku, BoxTextsWithUnitsAntoineAllOrNoneAndTheAlwaysEmptyVapourPressure)
{
    TRekordYaws r = Pusty();
    r.Tf = 273.15L;
    r.Tb = 373.15L;
    r.Tc = 647.14L;
    r.RoC = 0.321989L;
    r.ExF = 212.0L;
    r.AntA = 8.07131L;
    r.AntB = 1730.63L;
    r.AntC = 233.426L;
    r.AntTmin = 1.0L;
    r.AntTmax = 100.0L;
    auto teksty = TekstyPolKarty(r, [](const QString& jednostka) { return jednostka != "qlblTb"; });
    EXPECT_EQ(Tekst(teksty, "edtTf"), QStringLiteral("273.15"));
    EXPECT_EQ(Tekst(teksty, "edtTb"), QStringLiteral("100"));
    EXPECT_EQ(Tekst(teksty, "edtTc"), QStringLiteral("647.14"));
    EXPECT_EQ(Tekst(teksty, "edtRoc"), QStringLiteral("321.989"));
    EXPECT_EQ(Tekst(teksty, "edtExF"), QStringLiteral("100"));
    EXPECT_EQ(Tekst(teksty, "edtExAi"), QStringLiteral("brak danych"));
    EXPECT_EQ(Tekst(teksty, "edtPvp_T"), QStringLiteral("brak danych"));
    EXPECT_EQ(Tekst(teksty, "edtAntA"), QStringLiteral("8.07131"));
    EXPECT_EQ(Tekst(teksty, "edtAntTmax"), QStringLiteral("100"));

    r.AntTmax = BrakDanych;
    teksty = WszystkoWKelwinach(r);
    for (const char* pole : {"edtAntA", "edtAntB", "edtAntC", "edtAntTmin", "edtAntTmax"})
        EXPECT_EQ(Tekst(teksty, pole), QStringLiteral("brak danych")) << pole;
    EXPECT_EQ(teksty.size(), PozycjeKarty().size());
}

TEST(KartaZwiazku, OneMissingFieldOrAMissingTcBreaksABlock)
{
    TRekordYaws r = Pusty();
    r.RocA = 0.08L, r.RocB = 0.07L, r.RocN = 0.1L, r.RocTmin = 273.0L, r.RocTmax = 600.0L;
    r.DelHvA = 55.0L, r.DelHvN = 0.35L, r.DelHvTmin = 273.0L, r.DelHvTmax = 590.0L;
    r.DawA = 1.0L, r.DawB = 2.0L, r.DawTmin = 280.0L;
    EXPECT_FALSE(BlokKompletny(r, GrupaCiecz, 3)); // density needs Tc
    EXPECT_FALSE(BlokKompletny(r, GrupaCiecz, 6)); // so does the heat of vaporisation
    EXPECT_FALSE(BlokKompletny(r, GrupaCiecz, 5)); // DawTmax missing
    r.Tc = 647.14L;
    r.DawTmax = 360.0L;
    EXPECT_TRUE(BlokKompletny(r, GrupaCiecz, 3));
    EXPECT_TRUE(BlokKompletny(r, GrupaCiecz, 6));
    EXPECT_TRUE(BlokKompletny(r, GrupaCiecz, 5));
    EXPECT_FALSE(BlokKompletny(r, GrupaGaz, 7));
}

TEST(KartaZwiazku, PictureNameFromTheCasNumber)
{
    EXPECT_EQ(ZamienMyslniki("100-00-5"), QStringLiteral("100_00_5"));
    EXPECT_EQ(ZamienMyslniki("50000"), QStringLiteral("50000"));
    EXPECT_EQ(NazwaRysunkuWzoru("7732-18-5"), QStringLiteral("7732_18_5.gif"));
    for (const char* bezRysunku : {"", " ", "#", "../x"})
        EXPECT_TRUE(NazwaRysunkuWzoru(bezRysunku).isEmpty()) << bezRysunku;
}

TEST(KartaZwiazku, TheCardTableNamesEachControlOnceAndEveryLinkLabelIsOnIt)
{
    QSet<QString> grupy, nazwy;
    for (const GrupaKarty& g : GrupyKarty())
        grupy.insert(g.nazwa);
    for (const PozycjaKarty& p : PozycjeKarty()) {
        EXPECT_TRUE(grupy.contains(p.grupa)) << p.pole;
        for (const char* nazwa : {p.etykieta, p.pole, p.jednostka}) {
            if (!*nazwa)
                continue;
            EXPECT_FALSE(nazwy.contains(nazwa)) << nazwa;
            nazwy.insert(nazwa);
        }
    }
    for (const EtykietaKorelacji& e : EtykietyKorelacji())
        EXPECT_TRUE(nazwy.contains(e.etykieta)) << e.etykieta;
    for (const TekstKontrolki& p : PodpisyPustejKarty())
        EXPECT_TRUE(nazwy.contains(p.nazwa)) << p.nazwa.toStdString();
}
