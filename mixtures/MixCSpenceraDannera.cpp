// The Spencer-Danner mode of the liquid-mixture density window: the Rackett density of a binary
// mixture from the critical data of two substances of YAWS.dat, tabulated over x1 and at a typed
// x1.
#include "EdycjaZLicznikiem.h"
#include "FloatText.h"
#include "GestoscMieszaninCieczy.h"
#include "KartaZwiazku.h"
#include "ListaZwiazkow.h"
#include "MathError.h"
#include "MixC.h"
#include "MixCTryb.h"
#include "PoleLiczbowe.h"
#include "QzHtmlLabel2.h"
#include "SiatkaTekstowa.h"
#include "Wyszukiwanie.h"
#include "WykresXY.h"
#include "WzoryEstymacyjne.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

const QString TytulSD = QStringLiteral("Gęstość mieszanin cieczy - metoda Spencera-Dannera");
const QString TemperaturaDodatnia = QStringLiteral("Temperatura T musi być większa od 0 K");
constexpr int WierszeSD = 11;
constexpr double KrokSD = 0.1; // x1 from row to row

class TTrybSpenceraDannera : public TTrybMixc {
public:
    using TTrybMixc::TTrybMixc;

    void Uloz() override;
    void WybranoPierwszy() override;
    void WybranoDrugi() override;
    void ZmienionoDane() override { ObliczSpenceraDannera(); }

private:
    void WczytajSkladnikSD(const QString& nazwa, const std::array<QLineEdit*, 5>& pola);
    void CzyscKolumnyTabeliSD();
    bool DaneDoObliczen() const;
    void ObliczSpenceraDannera();
    void ObliczTabele();
    std::optional<long double> GestoscSD(long double x1) const;
};

void TTrybSpenceraDannera::Uloz()
{
    TMixcFrm& o = okno_;
    o.resize(850, 800);
    o.lblTytul->setText(TytulSD);
    o.Chart->OsDolna()->UstawAutomatyczna(false);
    o.Chart->OsDolna()->UstawMinimum(0);
    o.Chart->OsDolna()->UstawMaksimum(1);
    o.Chart->OsDolna()->UstawTytul(QStringLiteral("x1 [mol1/mol]"));
    o.Chart->OsLewa()->UstawTytul(QStringLiteral("Gęstość [kg/m^3]"));
    o.sgMixC->UstawLiczbeWierszy(WierszeSD + 1);
    o.sgMixC->UstawLiczbeKolumn(3);
    o.sgMixC->UstawKomorke(0, 0, QStringLiteral("Lp"));
    o.sgMixC->UstawKomorke(1, 0, QStringLiteral("x1 [-]"));
    o.sgMixC->UstawKomorke(2, 0, QStringLiteral("Gęstość [kg/m^3]"));
    o.DopasujSiatke();
    o.img1->hide();
    o.img2->show();
    const std::array<std::pair<TQzHtmlLabel2*, QString>, 8> etykiety{{
        {o.qlblVc1, Wartosc("Tc", 1, "K")},       {o.qlbl12, Wartosc("Pc", 1, "Pa")},
        {o.qlbl13, Wartosc("Vc", 1, "m<sup><b>3</b></sup>/kmol", 10)}, {o.qlbl14, Wartosc("M", 1, "kg/kmol", 10)},
        {o.qlblVc2, Wartosc("Tc", 2, "K")},       {o.qlbl22, Wartosc("Pc", 2, "Pa")},
        {o.qlbl23, Wartosc("Vc", 2, "m<sup><b>3</b></sup>/kmol", 10)}, {o.qlbl24, Wartosc("M", 2, "kg/kmol", 10)},
    }};
    for (const auto& [etykieta, html] : etykiety)
        etykieta->setHtml(html);
    for (QWidget* w : std::initializer_list<QWidget*>{o.cbTemperatura, o.cbCisnienie, o.lblVm, o.lblRo,
                                                      o.cbxRegresja, o.udSt})
        w->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{o.edt14, o.edt24, o.qlblZra1, o.qlblZra2, o.edtZra1,
                                                      o.edtZra2, o.qlblT, o.edtT, o.qlblTJedn})
        w->show();
    const QStringList nazwy = ListaNazw(PoleSzukania::NazwaANG);
    o.cbZwiazek1->WypelnijPosortowane(nazwy);
    o.cbZwiazek2->WypelnijPosortowane(nazwy);
}

void TTrybSpenceraDannera::WybranoPierwszy()
{
    TMixcFrm& o = okno_;
    o.Series1->Czysc();
    CzyscKolumnyTabeliSD();
    o.edt14->clear();
    o.edtZra1->clear();
    WczytajSkladnikSD(NazwaZListy(o.cbZwiazek1), {o.edt11, o.edt12, o.edt13, o.edt14, o.edtZra1});
}

void TTrybSpenceraDannera::WybranoDrugi()
{
    TMixcFrm& o = okno_;
    for (QLineEdit* pole : std::initializer_list<QLineEdit*>{o.edt21, o.edt22, o.edt23, o.edt24, o.edtZra2, o.edtWynik})
        pole->clear();
    // Its Rackett factor, written last, computes the table and the result (ZmienionoDane).
    WczytajSkladnikSD(NazwaZListy(o.cbZwiazek2), {o.edt21, o.edt22, o.edt23, o.edt24, o.edtZra2});
}

// Tc, Pc, Vc, M and ZRA of the named substance.
void TTrybSpenceraDannera::WczytajSkladnikSD(const QString& nazwa, const std::array<QLineEdit*, 5>& pola)
{
    if (const std::optional<TRekordYaws> rekord = SkladnikONazwie(PoleSzukania::NazwaANG, nazwa)) {
        const TRekordYaws& r = *rekord;
        pola[0]->setText(TekstLubPytajnik(r.Tc));
        pola[1]->setText(TekstLubPytajnik(r.Pc, 100000.0L));
        pola[2]->setText(TekstLubPytajnik(r.Vc, 0.001L));
        pola[3]->setText(TekstLubPytajnik(r.Mmol));
        pola[4]->setText(TekstLubPytajnik(r.Zra));
    }
}

void TTrybSpenceraDannera::CzyscKolumnyTabeliSD()
{
    for (int wiersz = 1; wiersz <= WierszeSD; ++wiersz)
        for (int kolumna : {1, 2})
            okno_.sgMixC->UstawKomorke(kolumna, wiersz, QString());
}

// A temperature typed and the second component's Rackett factor known.
bool TTrybSpenceraDannera::DaneDoObliczen() const
{
    const TMixcFrm& o = okno_;
    return !o.edtT->text().isEmpty() && !o.edtZra2->text().isEmpty() && o.edtZra2->text() != BrakWartosci;
}

// The density at x1 from the boxes as they stand; none when a box holds no number or the
// equation gives none.
std::optional<long double> TTrybSpenceraDannera::GestoscSD(long double x1) const
{
    const TMixcFrm& o = okno_;
    const std::array<const QLineEdit*, 11> pola{o.edtT,  o.edtZra1, o.edtZra2, o.edt11, o.edt21, o.edt12,
                                                o.edt22, o.edt13,   o.edt23,   o.edt14, o.edt24};
    std::array<long double, 11> z{};
    for (size_t i = 0; i < pola.size(); ++i) {
        const std::optional<long double> liczba = LiczbaWpisana(pola[i]->text());
        if (!liczba)
            return std::nullopt;
        z[i] = *liczba;
    }
    return WynikLubBrak([&] {
        return NiezerowaWartosc(
            GestoscMieszaninyRacketta(z[0], x1, z[1], z[2], z[3], z[4], z[5], z[6], z[7], z[8], z[9], z[10]));
    });
}

void TTrybSpenceraDannera::ObliczTabele()
{
    TMixcFrm& o = okno_;
    o.Series1->Czysc();
    if (!o.edtT->text().isEmpty() && !o.edtZra1->text().isEmpty() && !o.edtZra2->text().isEmpty()) {
        for (int wiersz = 1; wiersz <= WierszeSD; ++wiersz) {
            // Each row's x1 from its number, so the last one is exactly 1.
            const double x1 = (wiersz - 1) * KrokSD;
            o.sgMixC->UstawKomorke(0, wiersz, QString::number(wiersz));
            o.sgMixC->UstawKomorke(1, wiersz, FloatToStr(x1));
            const std::optional<long double> gestosc = GestoscSD(x1);
            if (!gestosc) {
                o.sgMixC->UstawKomorke(2, wiersz, BrakWartosci);
                continue;
            }
            const double wykreslona = static_cast<double>(*gestosc);
            o.sgMixC->UstawKomorke(2, wiersz, FloatToStr(wykreslona));
            o.Series1->AddXY(x1, wykreslona, KolorCzerwony);
        }
        o.DopasujSiatke();
    }
    o.Series1->UstawAktywna(true);
}

// The table and the density at x1 from the boxes as they stand. Nothing of an earlier input stays
// on view: a temperature not above 0 K or an x1 outside 0 .. 1 is refused with the table empty.
void TTrybSpenceraDannera::ObliczSpenceraDannera()
{
    TMixcFrm& o = okno_;
    o.edtWynik->clear();
    o.Series1->Czysc();
    CzyscKolumnyTabeliSD();
    if (!DaneDoObliczen())
        return;
    const std::optional<long double> T = o.edtT->WartoscBezKomunikatu();
    if (T && !JestDodatnia(*T)) {
        OdrzucWpis(o.edtT, TemperaturaDodatnia);
        return;
    }
    if (!o.X1WPrzedziale())
        return;
    ObliczTabele();
    const std::optional<long double> x = LiczbaWpisana(o.edtX1->text());
    if (!x) {
        o.edtWynik->setText(o.edtX1->text().isEmpty() ? QString() : BrakWartosci);
        return;
    }
    const std::optional<long double> gestosc = GestoscSD(*x);
    o.edtWynik->setText(gestosc ? FloatToStr(*gestosc) : BrakWartosci);
}

} // namespace

std::unique_ptr<TTrybMixc> TrybSpenceraDannera(TMixcFrm& okno)
{
    return std::make_unique<TTrybSpenceraDannera>(okno);
}
