// The excess-volume mode of the liquid-mixture density window: a pair of mixc.dan, its points
// measured at the chosen temperature and pressure, the mixture's molar volume and density at each,
// a polynomial VE(x1) fitted to them and the density at a typed x1.
#include "CurveFit.h"
#include "DostepDoKarty.h"
#include "EdycjaZLicznikiem.h"
#include "FloatText.h"
#include "GestoscMieszaninCieczy.h"
#include "KartaZwiazku.h"
#include "ListaZwiazkow.h"
#include "MathError.h"
#include "MixC.h"
#include "MixCTryb.h"
#include "PoleLiczbowe.h"
#include "PolishText.h"
#include "QzHtmlLabel2.h"
#include "SiatkaTekstowa.h"
#include "Wyszukiwanie.h"
#include "WykresXY.h"

#include <QCheckBox>
#include <QComboBox>
#include <algorithm>
#include <optional>

std::array<long double, 7> WspolczynnikiVE{};
int LiczbaWyrazowVE = 0;

namespace {

QString ObjetoscCzystego(int numer, const QString& znak)
{
    QString html = Wartosc("V", numer, "m<sup><b>3</b></sup>/kmol");
    if (!znak.isEmpty())
        html.insert(html.size() - 7, QLatin1Char(' ') + znak);
    return html;
}

QString GestoscCzystego(int numer)
{
    return QStringLiteral(R"(<font name="Symbol" size="12"><b>r</b></font><font size="12"><sub><b>%1</b></sub> [kg/m<sup><b>3</b></sup>]</font>)")
        .arg(numer);
}

// The lists show each measured value once, sorted as text; an item carries the index of its
// value, so no value is read back from its text.
void WypelnijWarunki(QComboBox* lista, const std::vector<long double>& wartosci)
{
    std::vector<std::pair<QString, int>> pozycje;
    for (int i = 0; i < static_cast<int>(wartosci.size()); ++i)
        pozycje.emplace_back(FloatToStr(wartosci[i]), i);
    std::stable_sort(pozycje.begin(), pozycje.end(),
                     [](const auto& a, const auto& b) { return PorownajPL(a.first, b.first) < 0; });
    for (const auto& [tekst, indeks] : pozycje)
        lista->addItem(tekst, indeks);
    lista->setCurrentIndex(lista->count() > 0 ? 0 : -1);
}

class TTrybNadmiarowy : public TTrybMixc {
public:
    using TTrybMixc::TTrybMixc;

    void Uloz() override;
    void WybranoPierwszy() override;
    void WybranoDrugi() override;
    void WybranoWarunki() override;
    void ZmienionoDane() override;
    void ZmienionoRegresje() override;
    void ZmienionoStopien() override;

private:
    int Stopien() const;
    void WypelnijTabeleNadmiarowa(long double T, long double P);
    void WczytajSkladnikNadmiarowy(const QString& cas, TQzHtmlLabel2* etykieta, int numer, QLineEdit* V,
                                   QLineEdit* ro, QLineEdit* M, long double T);
    void CzyscTabeleNadmiarowa();
    std::vector<long double> Kolumna(int kolumna) const;
    void ObliczTabele();
    // False when the table holds no measured points to fit (nothing is drawn then).
    bool calculate_fit(int liczbaWyrazow);

    PomiaryPary para_;
};

void TTrybNadmiarowy::Uloz()
{
    TMixcFrm& o = okno_;
    o.resize(1000, 760); // wide enough for the grid beside a readable chart
    o.Chart->OsDolna()->UstawTytul(QStringLiteral("x1"));
    o.Chart->OsLewa()->UstawTytul(QStringLiteral("VE"));
    o.img1->show();
    o.img2->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{o.edt14, o.edt24, o.qlblZra1, o.qlblZra2, o.edtZra1, o.edtZra2})
        w->hide();
    o.qlblVc1->setHtml(ObjetoscCzystego(1, {}));
    o.qlblVc2->setHtml(ObjetoscCzystego(2, {}));
    o.qlbl12->setHtml(GestoscCzystego(1));
    o.qlbl22->setHtml(GestoscCzystego(2));
    o.qlbl13->setHtml(Wartosc("M", 1, "kg/kmol"));
    o.qlbl23->setHtml(Wartosc("M", 2, "kg/kmol"));
    o.qlbl14->setHtml(QStringLiteral(R"(<font size="12"><b>Temperatura [K]</b></font>)"));
    o.qlbl24->setHtml(QStringLiteral(R"(<font size="12"><b>Ciśnienie [MPa]</b></font>)"));
    o.sgMixC->UstawLiczbeKolumn(5);
    CzyscTabeleNadmiarowa();
    const char* naglowki[] = {"Lp", "x1 [-]", "Ve [m^3/kmol]", "Vm [m^3/kmol]", "ro_m [kg/m^3]"};
    for (int k = 0; k < 5; ++k)
        o.sgMixC->UstawKomorke(k, 0, QString::fromUtf8(naglowki[k]));
    o.DopasujSiatke();
    o.cbZwiazek1->WypelnijPosortowane(PierwszeSkladnikiMixc());
}

int TTrybNadmiarowy::Stopien() const
{
    return okno_.edtSt->text().toInt();
}

void TTrybNadmiarowy::WybranoPierwszy()
{
    TMixcFrm& o = okno_;
    for (QLineEdit* pole : std::initializer_list<QLineEdit*>{o.edt21, o.edt22, o.edt23})
        pole->clear();
    o.cbTemperatura->clear();
    o.cbCisnienie->clear();
    o.qlblVc1->setHtml(ObjetoscCzystego(1, {}));
    o.qlblVc2->setHtml(ObjetoscCzystego(2, {}));
    CzyscTabeleNadmiarowa();
    para_ = {};
    const PartnerzySkladnika partnerzy = PartnerzyMixc(NazwaZListy(o.cbZwiazek1));
    o.cbZwiazek2->setEditText(QString());
    o.cbZwiazek2->WypelnijPosortowane(partnerzy.nazwy);
    if (!partnerzy.CAS1.isEmpty())
        PokazNumerCASGlowny(partnerzy.CAS1);
    o.Series1->Czysc();
    o.Series2->Czysc();
    if (o.isVisible() && o.cbZwiazek2->count() > 0)
        o.cbZwiazek2->showPopup();
}

void TTrybNadmiarowy::WybranoDrugi()
{
    TMixcFrm& o = okno_;
    CzyscTabeleNadmiarowa();
    o.edtWynik->clear();
    const QString nazwa2 = NazwaZListy(o.cbZwiazek2);
    if (nazwa2.isEmpty())
        return;
    o.cbTemperatura->clear();
    o.cbCisnienie->clear();
    para_ = ZbierzPomiaryPary(NazwaZListy(o.cbZwiazek1), nazwa2);
    WypelnijWarunki(o.cbTemperatura, para_.temperatury);
    WypelnijWarunki(o.cbCisnienie, para_.cisnienia);
    WybranoWarunki();
}

// The pure volumes at the chosen temperature, the points measured at the chosen temperature and
// pressure, their fit and the density at the typed x1.
void TTrybNadmiarowy::WybranoWarunki()
{
    TMixcFrm& o = okno_;
    if (o.cbTemperatura->currentIndex() < 0 || o.cbCisnienie->currentIndex() < 0)
        return;
    const long double T = para_.temperatury.at(o.cbTemperatura->currentData().toInt());
    const long double P = para_.cisnienia.at(o.cbCisnienie->currentData().toInt());
    WczytajSkladnikNadmiarowy(para_.CAS1, o.qlblVc1, 1, o.edt11, o.edt12, o.edt13, T);
    WczytajSkladnikNadmiarowy(para_.CAS2, o.qlblVc2, 2, o.edt21, o.edt22, o.edt23, T);
    WypelnijTabeleNadmiarowa(T, P);
    ObliczTabele();
    ZmienionoRegresje();
    ZmienionoDane();
}

// The component of the CAS number: its molar mass, its liquid molar volume at T and the density
// that volume gives.
void TTrybNadmiarowy::WczytajSkladnikNadmiarowy(const QString& cas, TQzHtmlLabel2* etykieta, int numer,
                                                 QLineEdit* V, QLineEdit* ro, QLineEdit* M, long double T)
{
    for (QLineEdit* pole : {V, ro, M})
        pole->clear();
    etykieta->setHtml(ObjetoscCzystego(numer, {}));
    if (const std::optional<TRekordYaws> rekord = SkladnikONazwie(PoleSzukania::CAS, cas)) {
        const TRekordYaws& r = *rekord;
        M->setText(TekstLubPytajnik(r.Mmol));
        if (const auto objetosc = ObjetoscMolowaCieczy(r, T)) {
            V->setText(FloatToStr(objetosc->V));
            etykieta->setHtml(ObjetoscCzystego(numer, objetosc->zDanych ? QStringLiteral("(d)") : QStringLiteral("(r)")));
            if (Podano(r.Mmol))
                ro->setText(FloatToStr(GestoscZaokraglona(r.Mmol, objetosc->V)));
        }
    }
}

void TTrybNadmiarowy::CzyscTabeleNadmiarowa()
{
    TSiatkaTekstowa* siatka = okno_.sgMixC;
    siatka->UstawLiczbeWierszy(2);
    for (int kolumna = 0; kolumna < siatka->LiczbaKolumn(); ++kolumna)
        siatka->UstawKomorke(kolumna, 1, QString());
}

// The points at T and P framed by the pure components' rows (0, 0) and (1, 0).
void TTrybNadmiarowy::WypelnijTabeleNadmiarowa(long double T, long double P)
{
    CzyscTabeleNadmiarowa();
    const std::vector<TRekordMixc> punkty = PunktyPrzy(para_, T, P);
    if (punkty.empty())
        return;
    std::vector<std::pair<QString, QString>> wiersze{{QStringLiteral("0"), QStringLiteral("0")}};
    for (const TRekordMixc& r : punkty)
        wiersze.emplace_back(FloatToStr(r.x1), FloatToStr(r.VE * 0.001L));
    wiersze.emplace_back(QStringLiteral("1"), QStringLiteral("0"));
    TSiatkaTekstowa* siatka = okno_.sgMixC;
    siatka->UstawLiczbeWierszy(static_cast<int>(wiersze.size()) + 1);
    for (int i = 0; i < static_cast<int>(wiersze.size()); ++i) {
        siatka->UstawKomorke(0, i + 1, QString::number(i + 1));
        siatka->UstawKomorke(1, i + 1, wiersze[i].first);
        siatka->UstawKomorke(2, i + 1, wiersze[i].second);
    }
}

std::vector<long double> TTrybNadmiarowy::Kolumna(int kolumna) const
{
    std::vector<long double> wartosci;
    for (int wiersz = 1; wiersz < okno_.sgMixC->LiczbaWierszy(); ++wiersz)
        wartosci.push_back(StrToFloat(okno_.sgMixC->Komorka(kolumna, wiersz)));
    return wartosci;
}

// Every point drawn; its mixture's molar volume and density, "?" where the pure components' data
// or the equations give none.
void TTrybNadmiarowy::ObliczTabele()
{
    TMixcFrm& o = okno_;
    o.Series1->Czysc();
    if (!o.sgMixC->Komorka(1, 1).isEmpty()) {
        const std::optional<long double> V1 = LiczbaWpisana(o.edt11->text()), V2 = LiczbaWpisana(o.edt21->text());
        const std::optional<long double> M1 = LiczbaWpisana(o.edt13->text()), M2 = LiczbaWpisana(o.edt23->text());
        for (int wiersz = 1; wiersz < o.sgMixC->LiczbaWierszy(); ++wiersz) {
            const double x1 = static_cast<double>(StrToFloat(o.sgMixC->Komorka(1, wiersz)));
            const double VE = static_cast<double>(StrToFloat(o.sgMixC->Komorka(2, wiersz)));
            o.Series1->AddXY(x1, VE, KolorCzerwony);
            std::optional<long double> Vm, gestosc;
            if (V1 && V2)
                Vm = WynikLubBrak([&] { return ObjetoscMolowaMieszaniny(x1, *V1, *V2, VE); });
            if (Vm && M1 && M2)
                gestosc = WynikLubBrak([&] { return GestoscMieszaninyCieczy(x1, *M1, *M2, *Vm); });
            o.sgMixC->UstawKomorke(3, wiersz, Vm ? FloatToStr(ZaokraglijDoMiejsc(*Vm, 3)) : BrakWartosci);
            o.sgMixC->UstawKomorke(4, wiersz, gestosc ? FloatToStr(*gestosc) : BrakWartosci);
        }
        o.DopasujSiatke();
    }
    o.Series1->UstawAktywna(true);
}

bool TTrybNadmiarowy::calculate_fit(int liczbaWyrazow)
{
    TMixcFrm& o = okno_;
    o.Series2->Czysc();
    if (liczbaWyrazow < 1 || liczbaWyrazow > 7 || o.sgMixC->Komorka(1, 1).isEmpty())
        return false;
    const std::vector<long double> X = Kolumna(1), Y = Kolumna(2);
    long double R = 0.0L;
    PolyFit(X, Y, static_cast<int>(X.size()), liczbaWyrazow, WspolczynnikiVE, R);
    const std::span<const long double> c(WspolczynnikiVE.data(), liczbaWyrazow);
    for (const PunktKrzywej& p : PunktyKrzywej(X, c))
        o.Series2->AddXY(p.x, p.y, KolorNiebieski);
    o.Series2->UstawAktywna(true);
    return true;
}

void TTrybNadmiarowy::ZmienionoDane()
{
    TMixcFrm& o = okno_;
    o.edtWynik->clear();
    if (o.edtX1->text().isEmpty() || o.edt13->text().isEmpty() || o.edt23->text().isEmpty() || !o.X1WPrzedziale())
        return;
    LiczbaWyrazowVE = Stopien() + 1;
    if (!calculate_fit(LiczbaWyrazowVE))
        return;
    const std::optional<long double> x = LiczbaWpisana(o.edtX1->text());
    const std::optional<long double> V1 = LiczbaWpisana(o.edt11->text()), V2 = LiczbaWpisana(o.edt21->text());
    const std::optional<long double> M1 = LiczbaWpisana(o.edt13->text()), M2 = LiczbaWpisana(o.edt23->text());
    if (!x || !V1 || !V2 || !M1 || !M2) {
        o.edtWynik->setText(BrakWartosci);
        return;
    }
    const std::span<const long double> c(WspolczynnikiVE.data(), LiczbaWyrazowVE);
    const long double VE = WartoscWielomianu(c, *x);
    o.edtWynik->setText(FloatToStr(GestoscMieszaninyCieczy(*x, *M1, *M2, ObjetoscMolowaMieszaniny(*x, *V1, *V2, VE))));
}

void TTrybNadmiarowy::ZmienionoRegresje()
{
    if (okno_.cbxRegresja->isChecked())
        calculate_fit(Stopien() + 1);
}

void TTrybNadmiarowy::ZmienionoStopien()
{
    LiczbaWyrazowVE = Stopien() + 1;
    calculate_fit(LiczbaWyrazowVE);
    ZmienionoDane();
}

} // namespace

std::unique_ptr<TTrybMixc> TrybNadmiarowy(TMixcFrm& okno)
{
    return std::make_unique<TTrybNadmiarowy>(okno);
}
