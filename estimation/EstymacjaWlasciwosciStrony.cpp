// The property-estimation window's method pages and panels: the equations of each method, the
// numbers it takes with their symbols and units, and, as each method is loaded, its range of
// temperatures and its factor to SI units.
#include "EstymacjaWlasciwosci.h"

#include "EdycjaZLicznikiem.h"
#include "EstymacjaWlasciwosciPola.h"
#include "KartaZwiazku.h"
#include "Kontrolka.h"
#include "KorelacjeDoswiadczalne.h"
#include "ListaZwiazkow.h"
#include "PoleLiczbowe.h"
#include "QzHtmlLabel2.h"
#include "Wyszukiwanie.h"
#include "ZapisRownan.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <vector>

using namespace OknoEstymacji;

namespace {

// A method panel over the method area: its title, its equations, then the grid of its inputs.
QGridLayout* PanelMetody(QGroupBox*& panel, const char* nazwa, const char* tytul, const QString& rownanie, QWidget* rodzic)
{
    panel = Utworz<QGroupBox>(QString::fromLatin1(nazwa), QString::fromUtf8(tytul), rodzic);
    auto* uklad = new QVBoxLayout(panel);
    uklad->addWidget(EtykietaHtml(QStringLiteral("qlbl") + nazwa, rownanie, panel), 1);
    auto* siatka = new QGridLayout;
    uklad->addLayout(siatka);
    return siatka;
}

QLabel* Tytul(const QString& tekst, QWidget* rodzic)
{
    auto* tytul = new QLabel(tekst, rodzic);
    QFont czcionka = tytul->font();
    czcionka.setBold(true);
    tytul->setFont(czcionka);
    tytul->setAlignment(Qt::AlignCenter);
    tytul->setWordWrap(true);
    return tytul;
}

} // namespace

// Pages 0..3: the method's equations; page 3 also asks whether the gas is polar.
void TEstymacjaWlasnosciFrm::UtworzStronyOpisu()
{
    struct Opis {
        QWidget** strona;
        const char* nazwa;
        const char* tytul;
        QString rownanie;
    };
    const Opis opisy[] = {
        {&pnlBrocka, "pnlBrocka", "Napięcie powierzchniowe cieczy niepolarnych - metoda Brocka i Birda",
         RownanieHtml({"@s = P^{2/3} · T_{c}^{1/3} · (0.133 · @a_{c} - 0.281) · (1 - T_{r})^{11/9}",
                       "@a_{c} = 0.9076 · [1 + T_{br} · ln P / (1 - T_{br})]",
                       "T_{br} = T_{b} / T_{c}      T_{r} = T / T_{c}      P = P_{c} / 1.01325",
                       "@s [dyn/cm = 10^{-3} N/m],  P [atm],  P_{c} [bar],  T [K]"})},
        {&pnlSatoRiedla, "pnlSatoRiedla", "Współczynnik przewodzenia ciepła cieczy - metoda Sato i Riedla",
         RownanieHtml({"@l_{L} = (1.11 / M^{1/2}) · [3 + 20 · (1 - T_{r})^{2/3}] / [3 + 20 · (1 - T_{br})^{2/3}]",
                       "T_{br} = T_{b} / T_{c}      T_{r} = T / T_{c}",
                       "@l_{L} [W/(m K)],  M [kg/kmol],  T [K]"})},
        {&pnlPitzer, "pnlPitzer", "Ciepło parowania - wzór Pitzera",
         RownanieHtml({"@D H_{v} = R · T_{c} · [7.08 · (1 - T_{r})^{0.354} + 10.95 · @w · (1 - T_{r})^{0.456}]",
                       "T_{r} = T / T_{c}      R = 8.314 J/(mol K)",
                       "@D H_{v} [J/mol],  T [K]"})},
        {&pnlChung1, "pnlChung1", "Lepkość gazu pod niskim ciśnieniem - metoda Chunga",
         RownanieHtml({"@h = 40.785 · F_{c} · (M · T)^{1/2} / (V_{c}^{2/3} · @W_{v})   [@mP = 10^{-7} Pa s]",
                       "F_{c} = 1 - 0.2756 · @w + 0.059035 · @m_{r}^{4} + @k      @m_{r} = 131.3 · @m / (V_{c} · T_{c})^{1/2}",
                       "@W_{v} = 1.16145 · T*^{-0.14874} + 0.52487 · e^{-0.7732 T*} + 2.16178 · e^{-2.43787 T*}",
                       "T* = 1.2593 · T / T_{c}      @k = 0.0682 + 0.2767 · 17 · n_{OH} / M  (związki polarne)"},
                      12)},
    };
    for (const Opis& opis : opisy) {
        QWidget* strona = *opis.strona = Utworz<QWidget>(QString::fromLatin1(opis.nazwa));
        auto* uklad = new QVBoxLayout(strona);
        uklad->addWidget(Tytul(QString::fromUtf8(opis.tytul), strona));
        uklad->addWidget(EtykietaHtml(QStringLiteral("qlbl") + opis.nazwa, opis.rownanie, strona), 1);
        pcEstWlas->addWidget(strona);
    }
    cbPolarny = Utworz<QCheckBox>(QStringLiteral("cbPolarny"), QStringLiteral("Obliczenia dla związku polarnego"), pnlChung1);
    lblIleOH = Utworz<QLabel>(QStringLiteral("lblIleOH"), QStringLiteral("Podaj liczbę grup -OH"), pnlChung1);
    edtIleOH = new TEdycjaZLicznikiem(QStringLiteral("edtIleOH"), 0, 20, pnlChung1);
    edtIleOH->setText(QStringLiteral("1"));
    auto* polarny = new QHBoxLayout;
    polarny->addWidget(cbPolarny);
    polarny->addStretch();
    polarny->addWidget(lblIleOH);
    polarny->addWidget(edtIleOH);
    static_cast<QVBoxLayout*>(pnlChung1->layout())->addLayout(polarny);
    lblIleOH->hide();
    edtIleOH->hide();
}

// Pages 4..8: the equation, then the numbers it takes, each under its symbol and unit.
void TEstymacjaWlasnosciFrm::UtworzStronyGestosci()
{
    struct Pole {
        QLineEdit** pole;
        const char* nazwa;
        const char* jednostka;
    };
    struct Strona {
        QWidget** strona;
        const char* nazwa;
        const char* tytul;
        QString rownanie;
        std::vector<Pole> pola;
        int rozmiar;
    };
    const Strona strony[] = {
        {&ts5, "ts5", "Gęstość cieczy - metoda Yamady i Gunna",
         RownanieHtml({"@r = M / (V_{C} · Z_{RA}^{X})      X = (1 - T_{r})^{2/7}      Z_{RA} = 0.29056 - 0.08775 · @w"}),
         {{&edtVc, "edtVc", "V_{C} [m^{3}/kmol]"}, {&edtOmega, "edtOmega", "@w [-]"}, {&edtTc, "edtTc", "T_{C} [K]"},
          {&edtM, "edtM", "M [kg/kmol]"}},
         12},
        {&TabSheet1, "TabSheet1", "Gęstość cieczy - zmodyfikowana metoda Racketta (punkt odniesienia)",
         RownanieHtml({"@r = M / (V^{R} · Z_{RA}^{@f})      Z_{RA} = 0.29056 - 0.08775 · @w",
                       "@f = (1 - T / T_{C})^{2/7} - (1 - T^{R} / T_{C})^{2/7}"}),
         {{&edtVr, "edtVr", "V^{R} [m^{3}/kmol]"}, {&edtTr, "edtTr", "T^{R} [K]"}, {&edtTc_, "edtTc_", "T_{C} [K]"},
          {&edtOmega_, "edtOmega_", "@w [-]"}, {&edtM_, "edtM_", "M [kg/kmol]"}},
         12},
        {&TabSheet2, "TabSheet2", "Gęstość cieczy - zmodyfikowana metoda HBT",
         RownanieHtml({"@r = M / [V* · V_{R}^{(0)} · (1 - @w · V_{R}^{(@d)})]",
                       "V_{R}^{(0)} = 1 - 1.52816 x^{1/3} + 1.43907 x^{2/3} - 0.81446 x + 0.190454 x^{4/3}      x = 1 - T_{r}",
                       "V_{R}^{(@d)} = (-0.296123 + 0.386914 T_{r} - 0.0427258 T_{r}^{2} - 0.0480645 T_{r}^{3}) / (T_{r} - 1.00001)"},
                      11),
         {{&edtTr__, "edtTr__", "T_{r}=T/T_{C} [-]"}, {&edtVc__, "edtVc__", "V_{C} [m^{3}/kmol]"},
          {&edtOmega__, "edtOmega__", "@w [-]"}, {&edtTc__, "edtTc__", "T_{C} [K]"}, {&edtM__, "edtM__", "M [kg/kmol]"}},
         12},
        {&TabSheet3, "TabSheet3", "Gęstość cieczy pod wysokim ciśnieniem - zmodyfikowana metoda Aalto",
         RownanieHtml({"@r = M / V      V = V_{S} · [A · P_{C} + C^{X} · (P - P_{vp})] / [A · P_{C} + C · (P - P_{vp})]",
                       "A = -170.335 - 28.578 T_{r} + 124.809 T_{r}^{3} - 55.5393 T_{r}^{6} + 130.01 / T_{r}",
                       "X = (D - T_{r})^{B}      B = 0.164813 - 0.0914427 @w      C = e      D = 1.00588"},
                      11),
         {{&edtTc___, "edtTc___", "T_{C} [K]"}, {&edtOmega___, "edtOmega___", "@w [-]"},
          {&edtVs___, "edtVs___", "V_{S} [m^{3}/kmol]"}, {&edtTr___, "edtTr___", "T_{r}=T/T_{C} [-]"},
          {&edtM___, "edtM___", "M [kg/kmol]"}, {&edtPvp___, "edtPvp___", "P_{vp} [bar]"},
          {&edtPc___, "edtPc___", "P_{C} [bar]"}},
         10},
        {&TabSheet4, "TabSheet4", "Gęstość cieczy - metoda Spencera i Dannera",
         RownanieHtml({"@r = M / [(R · T_{C} / P_{C}) · Z_{RA}^{1 + X}]      X = (1 - T_{r})^{2/7}"}),
         {{&edtMSD, "edtMSD", "M [kg/kmol]"}, {&edtTcSD, "edtTcSD", "T_{C} [K]"}, {nullptr, "edtZra", "Z_{RA} [-]"},
          {&edtTrSD, "edtTrSD", "T_{r}=T/T_{C} [-]"}, {&edtPcSD, "edtPcSD", "P_{C} [Pa]"},
          {&Edit1, "Edit1", "R [J/(kmol K)]"}},
         12},
    };
    for (const Strona& opis : strony) {
        QWidget* strona = *opis.strona = Utworz<QWidget>(QString::fromLatin1(opis.nazwa));
        auto* uklad = new QVBoxLayout(strona);
        uklad->addWidget(Tytul(QString::fromUtf8(opis.tytul), strona));
        uklad->addWidget(EtykietaHtml(QStringLiteral("qlblRownanie") + opis.nazwa, opis.rownanie, strona), 1);
        auto* siatka = new QGridLayout;
        siatka->setVerticalSpacing(2);
        int i = 0;
        for (const Pole& p : opis.pola) {
            const QString nazwa = QString::fromLatin1(p.nazwa);
            QLineEdit* pole = p.pole ? PoleWynikuStrony(nazwa, strona) : (edtZra = UtworzPoleLiczbowe(nazwa, strona));
            if (p.pole)
                *p.pole = pole;
            pole->setFixedWidth(SzerokoscPola);
            const int wiersz = 2 * (i / 4), kolumna = i % 4;
            auto* jednostka = EtykietaHtml(QStringLiteral("qlbl") + nazwa, RownanieHtml({p.jednostka}, opis.rozmiar), strona);
            jednostka->setFixedSize(SzerokoscPola, 26);
            siatka->addWidget(jednostka, wiersz, kolumna, Qt::AlignHCenter | Qt::AlignBottom);
            siatka->addWidget(pole, wiersz + 1, kolumna, Qt::AlignHCenter);
            ++i;
        }
        uklad->addLayout(siatka);
        pcEstWlas->addWidget(strona);
    }
    Edit1->setText(QStringLiteral("8314"));
}

QGroupBox* TEstymacjaWlasnosciFrm::UtworzPanelChunga2()
{
    QGridLayout* siatka = PanelMetody(
        pnlChung2, "pnlChung2", "Lepkość gazu pod wysokim ciśnieniem - Metoda Chunga",
        RownanieHtml({"@h = 36.344 · (M · T_{c})^{1/2} · @h* / V_{c}^{2/3}   [@mP = 10^{-7} Pa s]",
                      "@h* = T*^{1/2} · (1/G_{2} + E_{6} · y) · F_{c} / @W_{v} + @h**      y = @r · V_{c} / 6",
                      "@h** = E_{7} · y^{2} · G_{2} · exp(E_{8} + E_{9} / T* + E_{10} / T*^{2})"},
                     12),
        pnlMetody);
    edtCisnienie = UtworzPoleLiczbowe(QStringLiteral("edtCisnienie"), pnlChung2);
    edtGestoscObl = UtworzPoleLiczbowe(QStringLiteral("edtGestoscObl"), pnlChung2);
    sbtnGestosc = Utworz<QPushButton>(QStringLiteral("sbtnGestosc"), QStringLiteral("<--- Oblicz gęstość"), pnlChung2);
    siatka->addWidget(new QLabel(QStringLiteral("Ciśnienie  P ="), pnlChung2), 0, 0, Qt::AlignRight);
    siatka->addWidget(edtCisnienie, 0, 1);
    siatka->addWidget(new QLabel(QStringLiteral("bar"), pnlChung2), 0, 2);
    auto* gestosc = EtykietaHtml(QStringLiteral("qlblGestoscObl"), RownanieHtml({"Gęstość molowa  @r ="}, 10), pnlChung2);
    siatka->addWidget(gestosc, 1, 0, Qt::AlignRight);
    siatka->addWidget(edtGestoscObl, 1, 1);
    auto* jednostka = EtykietaHtml(QStringLiteral("qlblMolCm3"), RownanieHtml({"mol/cm^{3}"}, 10), pnlChung2);
    siatka->addWidget(jednostka, 1, 2, Qt::AlignLeft);
    siatka->addWidget(sbtnGestosc, 1, 3);
    for (QLineEdit* pole : {static_cast<QLineEdit*>(edtCisnienie), static_cast<QLineEdit*>(edtGestoscObl)})
        pole->setFixedWidth(180);
    sbtnGestosc->setMinimumWidth(sbtnGestosc->sizeHint().width() + 16);
    siatka->setColumnStretch(4, 1);
    return pnlChung2;
}

QGroupBox* TEstymacjaWlasnosciFrm::UtworzPanelLucasa()
{
    QGridLayout* siatka = PanelMetody(
        pnlLucas, "pnlLucas", "Lepkość cieczy pod wysokim ciśnieniem - Metoda Lucasa",
        RownanieHtml({"@h(T_{nas}, P) / @h_{SL} = [1 + D · (@D P_{r} / 2.118)^{A}] / (1 + C · @w · @D P_{r})",
                      "@D P_{r} = (P - P_{s}) / P_{c}      T_{r} = T_{nas} / T_{c}",
                      "@h(T)^{-0.2661} = @h(T_{nas})^{-0.2661} + (T - T_{nas}) / 233"},
                     12),
        pnlMetody);
    struct Wiersz {
        TPoleLiczbowe** pole;
        const char* nazwa;
        const char* podpis;
        const char* jednostka;
    };
    const Wiersz wiersze[] = {
        {&edtPLucas, "edtPLucas", "Ciśnienie  P =", "bar"},
        {&edtPnas, "edtPnas", "Ciśnienie nasycenia  Ps =", "bar"},
        {&edtTnas, "edtTnas", "Temperatura nasycenia  Tnas =", "K"},
        {&edtLepNas, "edtLepNas", "Lepkość cieczy nasyconej =", "Pa s"},
    };
    int i = 0;
    for (const Wiersz& w : wiersze) {
        *w.pole = UtworzPoleLiczbowe(QString::fromLatin1(w.nazwa), pnlLucas);
        (*w.pole)->setFixedWidth(SzerokoscPola);
        siatka->addWidget(new QLabel(QString::fromUtf8(w.podpis), pnlLucas), i, 0, Qt::AlignRight);
        siatka->addWidget(*w.pole, i, 1);
        siatka->addWidget(new QLabel(QString::fromUtf8(w.jednostka), pnlLucas), i, 2);
        ++i;
    }
    sbLepPodCisNas = Utworz<QPushButton>(QStringLiteral("sbLepPodCisNas"),
                                         QStringLiteral("Oblicz lepkość gazu\nw temperaturze nasycenia"), pnlLucas);
    siatka->addWidget(sbLepPodCisNas, 2, 3, 2, 1);
    siatka->setColumnStretch(3, 1);
    return pnlLucas;
}

QGroupBox* TEstymacjaWlasnosciFrm::UtworzPanelTyna()
{
    QGridLayout* siatka = PanelMetody(
        pnlTyna, "pnlTyna", "Współczynnik dyfuzji w cieczach - zmodyfikowana metoda Tyna i Calusa",
        RownanieHtml({"D_{AB} = 8.93 · 10^{-8} · V_{B}^{0.267} / V_{A}^{0.433} · T / @h_{B} · (@s_{B} / @s_{A})^{0.15}",
                      "V [cm^{3}/mol] w T_{b},  @h_{B} [cP],  D_{AB} [cm^{2}/s]",
                      "@s = P_{c}^{2/3} · T_{c}^{1/3} · (0.132 · @a_{c} - 0.278) · (1 - T_{br})^{11/9}"},
                     12),
        pnlMetody);
    cbZwiazek1 = UtworzListeZwiazkow(QStringLiteral("cbZwiazek1"), pnlTyna);
    cbZwiazek2 = UtworzListeZwiazkow(QStringLiteral("cbZwiazek2"), pnlTyna);
    siatka->addWidget(new QLabel(QStringLiteral("Substancja rozpuszczana"), pnlTyna), 0, 0);
    siatka->addWidget(new QLabel(QStringLiteral("Rozpuszczalnik"), pnlTyna), 0, 1);
    siatka->addWidget(cbZwiazek1, 1, 0);
    siatka->addWidget(cbZwiazek2, 1, 1);
    for (TListaZwiazkow* lista : {cbZwiazek1, cbZwiazek2})
        lista->WlaczDopelnianie();
    return pnlTyna;
}

void TEstymacjaWlasnosciFrm::cbPolarnyClick()
{
    lblIleOH->setVisible(cbPolarny->isChecked());
    edtIleOH->setVisible(cbPolarny->isChecked());
}

void TEstymacjaWlasnosciFrm::wczytajBrocka() { Wczytaj(pnlBrocka, RekordYaws.Tf, RekordYaws.Tb, "10⁻³"); }
void TEstymacjaWlasnosciFrm::wczytajSatoRiedla() { Wczytaj(pnlSatoRiedla, RekordYaws.Tf, RekordYaws.Tb, "brak"); }
void TEstymacjaWlasnosciFrm::wczytajPitzera() { Wczytaj(pnlPitzer, RekordYaws.Tf, RekordYaws.Tb, "brak"); }
void TEstymacjaWlasnosciFrm::wczytajChunga1() { Wczytaj(pnlChung1, RekordYaws.Tb, RekordYaws.Tc, "10⁻⁷"); }
void TEstymacjaWlasnosciFrm::wczytajChunga2() { Wczytaj(pnlChung2, RekordYaws.Tb, RekordYaws.Tc, "10⁻⁷"); }
void TEstymacjaWlasnosciFrm::wczytajLucasa() { Wczytaj(pnlLucas, RekordYaws.Tb, RekordYaws.Tc, "10⁻³"); }

// Both lists hold every Polish name of the database, whole and sorted.
void TEstymacjaWlasnosciFrm::wczytajTyna()
{
    PokazMetode(pnlTyna, "");
    const QStringList nazwy = ListaNazw(PoleSzukania::NazwaPL);
    for (TListaZwiazkow* lista : {cbZwiazek1, cbZwiazek2}) {
        lista->clear();
        lista->WypelnijPosortowane(nazwy);
        lista->setCurrentIndex(-1);
    }
    tynaCalusa_.reset();
    zakresUkladu_.reset();
}

void TEstymacjaWlasnosciFrm::WypelnijStroneGestosci()
{
    const TRekordYaws& r = RekordYaws;
    UstawZakres(r.Tf, r.Tb);
    if (Kod(KodGestosciYamadyGunna)) {
        PokazMetode(ts5, "");
        edtVc->setText(TekstLubPytajnik(r.Vc, 0.001L));
        edtOmega->setText(TekstLubPytajnik(r.Omega));
        edtTc->setText(TekstLubPytajnik(r.Tc));
        edtM->setText(TekstLubPytajnik(r.Mmol));
    } else if (Kod(KodGestosciRacketta)) {
        PokazMetode(TabSheet1, "");
        edtVr->setText(TekstLubPytajnik(r.Vcmol, 0.001L));
        temperaturaOdniesienia_ = TemperaturaOdniesieniaRacketta(r, temperaturaOdniesienia_);
        edtTr->setText(TekstLubPytajnik(temperaturaOdniesienia_));
        edtOmega_->setText(TekstLubPytajnik(r.Omega));
        edtTc_->setText(TekstLubPytajnik(r.Tc));
        edtM_->setText(TekstLubPytajnik(r.Mmol));
    } else if (Kod(KodGestosciHBT)) {
        PokazMetode(TabSheet2, "");
        UstawWysokoscMetod(WysokoscMetodWyzsza);
        edtVc__->setText(TekstLubPytajnik(r.Vc, 0.001L));
        edtOmega__->setText(TekstLubPytajnik(r.Omega));
        edtTc__->setText(TekstLubPytajnik(r.Tc));
        edtM__->setText(TekstLubPytajnik(r.Mmol));
        edtTr__->setText(Pytajnik);
    } else if (Kod(KodGestosciAalto)) {
        PokazMetode(TabSheet3, "");
        UstawWysokoscMetod(WysokoscMetodWyzsza);
        for (QWidget* kontrolka : std::initializer_list<QWidget*>{lblP, lblP_, edtP})
            kontrolka->show();
        const bool preznosc = KorelacjaKompletna(r, *KorelacjaDlaKodow(KodPreznosciPary, BrakKoduKorelacji));
        UstawZakres(preznosc ? r.PvpTmin : BrakDanych, preznosc ? r.PvpTmax : BrakDanych);
        edtOmega___->setText(TekstLubPytajnik(r.Omega));
        edtTc___->setText(TekstLubPytajnik(r.Tc));
        edtPc___->setText(TekstLubPytajnik(r.Pc));
        edtM___->setText(TekstLubPytajnik(r.Mmol));
        for (QLineEdit* pole : {edtVs___, edtTr___, edtPvp___})
            pole->setText(Pytajnik);
    } else {
        PokazMetode(TabSheet4, "");
        edtZra->setText(TekstLubPytajnik(r.Zra));
        edtPcSD->setText(TekstLubPytajnik(r.Pc, 100000.0L));
        edtTcSD->setText(TekstLubPytajnik(r.Tc));
        edtMSD->setText(TekstLubPytajnik(r.Mmol));
    }
}
