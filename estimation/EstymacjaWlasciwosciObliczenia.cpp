// The property-estimation window's computations: the compute button reads the boxes of the
// method on view, hands them to its formula in core and shows the result or the refusal; the
// boxes that follow T or P, and the inputs handed to the table.
#include "EstymacjaWlasciwosci.h"

#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "EstymacjaWlasciwosciPola.h"
#include "FloatText.h"
#include "KartaZwiazku.h"
#include "KorelacjeDoswiadczalne.h"
#include "KorelacjeTemperaturowe.h"
#include "ListaZwiazkow.h"
#include "MathError.h"
#include "ObliczeniaEstymacji.h"
#include "QzHtmlLabel2.h"
#include "RejestrOkienMetod.h"
#include "Wyszukiwanie.h"
#include "WzoryEstymacyjne.h"

#include <QCheckBox>
#include <QLabel>
#include <functional>

using namespace OknoEstymacji;

namespace {

const QString NieMaZwiazku = QStringLiteral("Nie ma takiego związku. Spróbuj pod inną nazwą");

TDaneEstymacji::Liczba LiczbaPola(const QLineEdit* pole)
{
    return LiczbaWpisana(pole->text());
}

const QString Kropka = QStringLiteral(R"(<font size="10"><sup>.</sup></font size>)");
const QString SymbolSigma = QStringLiteral(R"(<font name="Symbol" size="15">s</font>)") + Kropka
                            + QStringLiteral(R"( <font name="Symbol" size="15">e</font><sub><b>SI</b></sub><font size="15">=</font>)");
const QString SymbolGestosci = QStringLiteral(R"(<font name="Symbol" size="15">r</font><sub><b>c</b></sub><font size="15">=</font>)");
const QString JednostkaGestosci = QStringLiteral("kg/m<sup>3</sup>");
const QString Lepkosc = QStringLiteral(R"(<font size="13">Lepkość = </font>)");
const QString JednostkaLepkosci = QStringLiteral("[Pa*s]");

} // namespace

void TEstymacjaWlasnosciFrm::CzyscWynik()
{
    qlblWyn->hide();
    edtWynik->hide();
    edtWynik->clear();
    qlblJedn->hide();
    gestoscChunga_.reset();
}

void TEstymacjaWlasnosciFrm::btnObliczClick()
{
    if (edtT->text().isEmpty()) {
        PokazKomunikat(QStringLiteral("Podaj temperaturę"));
        edtT->setFocus();
        return;
    }
    CzyscWynik();
    QString komunikat;
    RodzajKomunikatu rodzaj = RodzajKomunikatu::Zwykly;
    QLineEdit* pole = nullptr;
    std::optional<TWynik> wynik;
    {
        const KursorOczekiwania klepsydra;
        try {
            const long double T = Dodatnia(edtT, TemperaturaT);
            TWynik obliczony = Oblicz(T);
            obliczony.wartosc = SkonczonaWartosc(obliczony.wartosc);
            // A viscosity, density or diffusion coefficient of 0 is an underflow, not a value.
            if (!obliczony.zeroMozliwe && !(obliczony.wartosc > 0.0L))
                throw EMathError("wynik nie jest większy od zera");
            wynik = obliczony;
        } catch (const EOdmowa& odmowa) {
            komunikat = QString::fromStdString(odmowa.what());
            pole = odmowa.pole;
        } catch (const EMathError& blad) {
            komunikat = QStringLiteral("Obliczenia nie powiodły się dla podanych danych (%1)").arg(QString::fromUtf8(blad.what()));
            rodzaj = RodzajKomunikatu::Blad;
        }
    }
    if (wynik)
        PokazWynik(*wynik);
    else if (pole)
        OdrzucWpis(pole, komunikat);
    else
        PokazKomunikat(komunikat, rodzaj);
}

TEstymacjaWlasnosciFrm::TWynik TEstymacjaWlasnosciFrm::Oblicz(long double T)
{
    if (Kod(KodLepkosciChungaWysokiegoCisnienia))
        return ObliczChunga2(T);
    if (Kod(KodLepkosciPodCisnieniem))
        return ObliczLucasa(T);
    if (Kod(KodDyfuzjiTynaCalusa))
        return ObliczTyna(T);
    if (KodGestosci(KodMetody))
        return ObliczGestosc(T);
    return ObliczZRekordu(T);
}

// "000" .. "030": the formula reads the record, which must hold every field it needs.
TEstymacjaWlasnosciFrm::TWynik TEstymacjaWlasnosciFrm::ObliczZRekordu(long double T)
{
    const bool znany = Kod(KodNapieciaBrocka) || Kod(KodPrzewodzeniaSatoRiedla) || Kod(KodCieplaParowaniaPitzera)
                       || Kod(KodLepkosciChungaNiskiegoCisnienia);
    if (!znany)
        throw EOdmowa(MetodaNiedostepna);
    if (!DaneMetodyKompletne(KodMetody, RekordYaws))
        throw EOdmowa(BrakDanychDoObliczen);
    if (!Kod(KodLepkosciChungaNiskiegoCisnienia))
        SprawdzCiecz(T, RekordYaws.Tc, edtT, TemperaturaT);
    // Surface tension and the heat of vaporisation vanish at the critical point.
    if (Kod(KodNapieciaBrocka))
        return {NapiecieBrockaBirda(T), SymbolSigma, QStringLiteral("N/m"), true};
    if (Kod(KodPrzewodzeniaSatoRiedla))
        return {LambdaSatoRiedela(T), QStringLiteral(R"(<font size="13">Lambda = </font>)"), QStringLiteral("[W/(m K)]")};
    if (Kod(KodCieplaParowaniaPitzera)) {
        const long double Tr = ObliczSprawdzajac([&] { return T / RekordYaws.Tc; });
        return {DelHvPitzera(T), QStringLiteral(R"(<font size="13">DelHv = </font>)"),
                QStringLiteral("[J/mol] dla Tr=") + QString::number(static_cast<double>(Tr), 'g', 3), true};
    }
    const long double lepkosc = cbPolarny->isChecked() ? LepkoscChungaPolarna(T, LiczbaGrupOH()) : LepkoscChunga(T);
    return {lepkosc, Lepkosc, JednostkaLepkosci};
}

long double TEstymacjaWlasnosciFrm::LiczbaGrupOH() const
{
    bool calkowita = false;
    const int liczba = edtIleOH->text().trimmed().toInt(&calkowita);
    if (!calkowita || liczba < 0)
        throw EOdmowa(QStringLiteral("Liczba grup -OH musi być liczbą całkowitą nie mniejszą od zera"), edtIleOH->edycja());
    return liczba;
}

TEstymacjaWlasnosciFrm::TWynik TEstymacjaWlasnosciFrm::ObliczChunga2(long double T)
{
    if (!DaneMetodyKompletne(KodMetody, RekordYaws))
        throw EOdmowa(BrakDanychDoObliczen);
    const long double cisnienie = Dodatnia(edtCisnienie, CisnienieP);
    const long double gestosc = Dodatnia(edtGestoscObl, QStringLiteral("Gęstość molowa ρ"));
    const long double lepkosc = LepkoscChungaGestyGaz(T, cisnienie, gestosc);
    gestoscChunga_ = gestosc;
    return {lepkosc, Lepkosc, JednostkaLepkosci};
}

// The saturated viscosity belongs to the saturation temperature; below the saturation pressure
// the liquid boils, and above the critical temperature there is no liquid, so no value there.
TEstymacjaWlasnosciFrm::TWynik TEstymacjaWlasnosciFrm::ObliczLucasa(long double T)
{
    if (!DaneMetodyKompletne(KodMetody, RekordYaws))
        throw EOdmowa(BrakDanychDoObliczen);
    SprawdzCiecz(T, RekordYaws.Tc, edtT, TemperaturaT);
    const long double cisnienie = Dodatnia(edtPLucas, CisnienieP);
    const long double Pnas = Dodatnia(edtPnas, QStringLiteral("Ciśnienie nasycenia Ps"));
    const long double Tnas = Dodatnia(edtTnas, TemperaturaNasyceniaTnas);
    SprawdzCiecz(Tnas, RekordYaws.Tc, edtTnas, TemperaturaNasyceniaTnas);
    const long double lepkoscNasycenia = Dodatnia(edtLepNas, QStringLiteral("Lepkość cieczy nasyconej"));
    if (cisnienie < Pnas)
        throw EOdmowa(QStringLiteral("Ciśnienie jest mniejsze od ciśnienia nasycenia (%1 bar): ciecz wrze").arg(FloatToStr(Pnas)));
    return {LepkoscLucasa(Tnas, T, Pnas, cisnienie, lepkoscNasycenia), Lepkosc, JednostkaLepkosci};
}

// Each list's chosen name is looked up whole; RekordYaws keeps the main window's substance.
TEstymacjaWlasnosciFrm::TWynik TEstymacjaWlasnosciFrm::ObliczTyna(long double T)
{
    tynaCalusa_.reset();
    const auto znajdz = [](const QString& nazwa) { return SkladnikONazwie(PoleSzukania::NazwaPL, nazwa); };
    const std::optional<TRekordYaws> substancja = znajdz(cbZwiazek1->currentText());
    if (!substancja) {
        cbZwiazek1->setEditText(QString());
        throw EOdmowa(NieMaZwiazku);
    }
    const std::optional<TRekordYaws> rozpuszczalnik = znajdz(cbZwiazek2->currentText());
    if (!rozpuszczalnik)
        throw EOdmowa(QStringLiteral("Brak danych dla wybranego układu"));
    const TWynikTynaCalusa wynik = ObliczTynaCalusa(T, *substancja, *rozpuszczalnik);
    zakresUkladu_ = wynik.zakres;
    if (wynik.zakres) {
        UstawZakres(wynik.zakres->first, wynik.zakres->second);
        lblZakres->setText(QStringLiteral("w zakresie <") + FloatToStr(wynik.zakres->first) + QStringLiteral(" , ")
                           + FloatToStr(wynik.zakres->second) + QStringLiteral(">"));
    }
    switch (wynik.blad) {
    case BladTynaCalusa::BrakDanych:
        throw EOdmowa(QStringLiteral("Brak danych dla wybranego układu"));
    case BladTynaCalusa::BrakWspolnegoZakresu:
        throw EOdmowa(QStringLiteral("Dla wybranego układu nie ma wspólnego zakresu temperatur"));
    case BladTynaCalusa::PozaZakresem:
        throw EOdmowa(QStringLiteral("Temperatura wykracza poza dopuszczalny zakres!"));
    case BladTynaCalusa::Brak:
        break;
    }
    tynaCalusa_ = wynik.dane;
    return {wynik.wspolczynnik, QStringLiteral(R"(<font size="13">Wsp. dyfuzji = </font>)"), QStringLiteral("[cm^2/s]")};
}

// Each page reads its critical temperature first: above it there is no liquid density.
TEstymacjaWlasnosciFrm::TWynik TEstymacjaWlasnosciFrm::ObliczGestosc(long double T)
{
    const auto krytyczna = [&](const QLineEdit* Tc) {
        const long double wartosc = Liczba(Tc);
        SprawdzCiecz(T, wartosc, edtT, TemperaturaT);
        return wartosc;
    };
    long double gestosc;
    if (Kod(KodGestosciYamadyGunna)) {
        const long double Tc = krytyczna(edtTc);
        gestosc = GestoscYamadyGunna(T, Liczba(edtVc), Liczba(edtOmega), Tc, Liczba(edtM));
    } else if (Kod(KodGestosciRacketta)) {
        const long double Tc = krytyczna(edtTc_);
        temperaturaOdniesienia_ = Liczba(edtTr);
        gestosc = GestoscRackettaOdniesienie(T, temperaturaOdniesienia_, Liczba(edtVr), Liczba(edtOmega_), Tc, Liczba(edtM_));
    } else if (Kod(KodGestosciHBT)) {
        const long double Tc = krytyczna(edtTc__);
        gestosc = GestoscCostald(T, Liczba(edtVc__), Liczba(edtOmega__), Tc, Liczba(edtM__));
    } else if (Kod(KodGestosciAalto)) {
        const long double Tc = krytyczna(edtTc___);
        const long double cisnienie = Dodatnia(edtP, CisnienieP);
        gestosc = GestoscChangaZhao(T, cisnienie, Liczba(edtVs___), Liczba(edtOmega___), Liczba(edtPvp___),
                                    Liczba(edtM___), Liczba(edtPc___), Tc);
    } else {
        const long double Tc = krytyczna(edtTcSD);
        gestosc = GestoscRacketta(Dodatnia(edtZra, QStringLiteral("Współczynnik ZRA")), T, Liczba(edtPcSD), Tc, Liczba(edtMSD));
    }
    return {gestosc, SymbolGestosci, JednostkaGestosci};
}

void TEstymacjaWlasnosciFrm::PokazWynik(const TWynik& wynik)
{
    qlblWyn->setHtml(QStringLiteral(R"(<p align="right">)") + wynik.symbol + QStringLiteral("</p>"));
    qlblJedn->setHtml(QStringLiteral(R"(<font size="13">)") + wynik.jednostka + QStringLiteral("</font>"));
    edtWynik->setText(FloatToStr(wynik.wartosc));
    edtWynik->setFixedWidth(fontMetrics().horizontalAdvance(edtWynik->text()) + 14);
    edtWynik->move(qlblWyn->x() + qlblWyn->width(), edtWynik->y());
    qlblJedn->move(edtWynik->x() + edtWynik->width() + 4, qlblJedn->y());
    edtWynik->setCursorPosition(0);
    qlblWyn->show();
    edtWynik->show();
    qlblJedn->show();
}

void TEstymacjaWlasnosciFrm::edtTChange()
{
    CzyscWynik();
    const std::optional<long double> T = LiczbaWpisana(edtT->text());
    const auto wzgledna = [&](QLineEdit* Tc, QLineEdit* Tr) {
        try {
            Tr->setText(T ? FloatToStr(ObliczSprawdzajac([&] { return *T / WartoscWpisana(Tc->text()); })) : Pytajnik);
        } catch (const std::exception&) {
            Tr->setText(Pytajnik);
        }
    };
    if (Kod(KodGestosciHBT))
        wzgledna(edtTc__, edtTr__);
    else if (Kod(KodGestosciCieczySpenceraDannera))
        wzgledna(edtTcSD, edtTrSD);
    else if (Kod(KodGestosciAalto)) {
        wzgledna(edtTc___, edtTr___);
        PrzeliczPoleAalto(T.value_or(BrakDanych));
    }
}

// The vapour pressure and the saturated volume of the Aalto page at T, "?" where the record
// lacks what they need.
void TEstymacjaWlasnosciFrm::PrzeliczPoleAalto(long double T)
{
    const TRekordYaws& r = RekordYaws;
    const auto wartosc = [T](bool dane, const std::function<long double()>& oblicz) {
        if (T == BrakDanych || !dane)
            return Pytajnik;
        try {
            return FloatToStr(ObliczSkonczone(oblicz));
        } catch (const EMathError&) {
            return Pytajnik;
        }
    };
    edtPvp___->setText(wartosc(KorelacjaKompletna(r, *KorelacjaDlaKodow(KodPreznosciPary, BrakKoduKorelacji)),
                               [T] { return ObliczPreznoscPary(T) * 0.00001L; }));
    const long double TV = OdniesienieObjetosciMolowej(r).temperatura;
    const bool objetosc = TV != BrakDanych && r.Vcmol != BrakDanych && r.Omega != BrakDanych
                          && r.Tc != BrakDanych && r.Mmol != BrakDanych;
    edtVs___->setText(wartosc(objetosc, [T, TV, &r] {
        return ObjetoscRackettaOdniesienie(T, TV, r.Vcmol * 0.001L, r.Omega, r.Tc, r.Mmol);
    }));
}

// A pressure typed on the Aalto page needs a temperature strictly inside the vapour-pressure range.
void TEstymacjaWlasnosciFrm::edtPChange()
{
    CzyscWynik();
    if (!Kod(KodGestosciAalto) || edtP->text().isEmpty() || edtTmin->text() == Pytajnik || edtTmax->text() == Pytajnik)
        return;
    const std::optional<long double> T = LiczbaWpisana(edtT->text());
    if (!T || !(WartoscWpisana(edtTmin->text()) < *T && *T < WartoscWpisana(edtTmax->text()))) {
        PokazKomunikat(QStringLiteral("Temperatura poza zakresem!"));
        return;
    }
    PrzeliczPoleAalto(*T);
}

// Another pair: its range and its result are no longer known.
void TEstymacjaWlasnosciFrm::cbZwiazek1Change()
{
    lblZakres->clear();
    edtTmin->clear();
    edtTmax->clear();
    CzyscWynik();
    tynaCalusa_.reset();
    zakresUkladu_.reset();
}

TDaneEstymacji TEstymacjaWlasnosciFrm::DaneDlaTabeli() const
{
    TDaneEstymacji dane;
    dane.T = LiczbaPola(edtT);
    dane.Tnas = LiczbaPola(edtTnas);
    dane.Pnas = LiczbaPola(edtPnas);
    dane.LepNas = LiczbaPola(edtLepNas);
    dane.polarny = cbPolarny->isChecked();
    dane.grupyOH = edtIleOH->text().trimmed().toInt();
    dane.gestoscMolowa = gestoscChunga_;
    dane.tynaCalusa = tynaCalusa_;
    if (Kod(KodGestosciYamadyGunna)) {
        dane.Vc = LiczbaPola(edtVc), dane.Omega = LiczbaPola(edtOmega), dane.Tc = LiczbaPola(edtTc), dane.M = LiczbaPola(edtM);
    } else if (Kod(KodGestosciRacketta)) {
        dane.TR = LiczbaPola(edtTr), dane.VR = LiczbaPola(edtVr), dane.Omega = LiczbaPola(edtOmega_);
        dane.Tc = LiczbaPola(edtTc_), dane.M = LiczbaPola(edtM_);
    } else if (Kod(KodGestosciHBT)) {
        dane.Vc = LiczbaPola(edtVc__), dane.Omega = LiczbaPola(edtOmega__), dane.Tc = LiczbaPola(edtTc__);
        dane.M = LiczbaPola(edtM__);
    } else if (Kod(KodGestosciAalto)) {
        dane.P = LiczbaPola(edtP), dane.Omega = LiczbaPola(edtOmega___), dane.M = LiczbaPola(edtM___);
        dane.Pc = LiczbaPola(edtPc___), dane.Tc = LiczbaPola(edtTc___);
    } else if (Kod(KodGestosciCieczySpenceraDannera)) {
        dane.Zra = LiczbaPola(edtZra), dane.Pc = LiczbaPola(edtPcSD), dane.Tc = LiczbaPola(edtTcSD), dane.M = LiczbaPola(edtMSD);
    }
    return dane;
}
