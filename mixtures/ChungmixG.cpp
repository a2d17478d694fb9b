#include "ChungmixG.h"

#include "CzcionkaSymbol.h"
#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "Etykieta.h"
#include "FloatText.h"
#include "Kontrolka.h"
#include "ListaZwiazkow.h"
#include "NaKoncu.h"
#include "ObslugaZdarzen.h"
#include "MathError.h"
#include "MieszaninyGazowe.h"
#include "PoleLiczbowe.h"
#include "PolishText.h"
#include "QzHtmlLabel2.h"
#include "RejestrOkienMetod.h"
#include "WspolneMieszanin.h"
#include "Wilke.h"
#include "Wyszukiwanie.h"
#include "ZapisRownan.h"
#include "Zmienne.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString ZleLiczby = QStringLiteral("Źle podane wartości liczbowe");
const QString TemperaturaDodatnia = QStringLiteral("Temperatura musi być większa od 0 K");
const QString CisnienieDodatnie = QStringLiteral("Ciśnienie musi być większe od 0");

QString UdzialPozaZakresem(int k)
{
    return QStringLiteral("Udział molowy y%1 musi leżeć w przedziale od 0 do 1").arg(k);
}

// A part of the window: a widget with its grid, without margins.
std::pair<QWidget*, QGridLayout*> Panel()
{
    auto* panel = new QWidget;
    auto* uklad = new QGridLayout(panel);
    uklad->setContentsMargins(0, 0, 0, 0);
    return {panel, uklad};
}

} // namespace

TChungMG_Form::TChungMG_Form(QWidget* rodzic) : QMainWindow(rodzic)
{
    setObjectName(QStringLiteral("ChungMG_Form"));
    setWindowTitle(QStringLiteral("Lepkość mieszanin gazowych  - metoda Chunga"));
    auto* srodek = new QWidget;
    auto* uklad = new QVBoxLayout(srodek);
    ImgdelLep = EtykietaHtml(
        QStringLiteral("ImgdelLep"),
        RownanieHtml({"@h = 36.344 · (M_{m} · T_{cm})^{1/2} · @h* / V_{cm}^{2/3}   [@mP]",
                      "@h* = T*^{1/2} · (1/G_{2} + E_{6} · y) · F_{c} / @W_{v} + @h**      y = @r · V_{cm} / 6",
                      "T* = T / (@e/k)_{m}      F_{c} = 1 - 0.2756 · @w_{m} + 0.059035 · @m_{r}^{4} + @k_{m}"},
                     11),
        srodek);
    uklad->addWidget(ImgdelLep);
    lblWybierz1 = Etykieta(QStringLiteral("Wybierz związki i podaj ich udziały"), QStringLiteral("lblWybierz1"));
    uklad->addWidget(lblWybierz1);
    uklad->addWidget(UtworzSkladniki());
    uklad->addWidget(UtworzWarunki());
    uklad->addWidget(UtworzAsocjacje());
    uklad->addWidget(UtworzWynik());
    uklad->addStretch(1);
    setCentralWidget(srodek);
    const MenuPlik menu = UtworzMenuPlik(this);
    Zakocz1 = menu.Zakocz1;
    Wyjciezprogramu1 = menu.Wyjciezprogramu1;
    chbCzyPolarneClick();
}

QWidget* TChungMG_Form::UtworzSkladniki()
{
    auto [panel, uklad] = Panel();
    cbZwiazek1 = UtworzListeZwiazkow(QStringLiteral("cbZwiazek1"));
    cbZwiazek2 = UtworzListeZwiazkow(QStringLiteral("cbZwiazek2"));
    eU1 = UtworzPoleLiczbowe(QStringLiteral("eU1"));
    eU2 = UtworzPoleLiczbowe(QStringLiteral("eU2"));
    uklad->addWidget(Etykieta(QStringLiteral("Związek")), 0, 1);
    uklad->addWidget(Etykieta(QStringLiteral("Udział molowy")), 0, 2);
    int wiersz = 1;
    for (auto [lista, udzial] : {std::pair{cbZwiazek1, eU1}, std::pair{cbZwiazek2, eU2}}) {
        lista->WlaczDopelnianie();
        lista->setMinimumWidth(240);
        udzial->setFixedWidth(100);
        uklad->addWidget(Etykieta(QString::number(wiersz)), wiersz, 0);
        uklad->addWidget(lista, wiersz, 1);
        uklad->addWidget(udzial, wiersz, 2);
        const int k = wiersz++;
        connect(lista, &TListaZwiazkow::zatwierdzono, this, WSieci([this, k](auto&&...) { FullerSzukaj(k); }));
        connect(lista, &QComboBox::activated, this, WSieci([this, k](auto&&...) { FullerSzukaj(k); }));
        connect(lista, &QComboBox::editTextChanged, this, WSieci([this](auto&&...) { WyczyscGestosc(); }));
        connect(udzial, &QLineEdit::textChanged, this, WSieci([this, k](auto&&...) { eUChange(k); }));
    }
    uklad->setColumnStretch(1, 1);
    return panel;
}

QWidget* TChungMG_Form::UtworzWarunki()
{
    auto [panel, uklad] = Panel();
    edtT = UtworzPoleLiczbowe(QStringLiteral("edtT"));
    edtP = UtworzPoleLiczbowe(QStringLiteral("edtP"));
    uklad->addWidget(Etykieta(QStringLiteral("Temeratura")), 0, 0);
    uklad->addWidget(edtT, 0, 1);
    uklad->addWidget(Etykieta(QStringLiteral("[K]")), 0, 2);
    uklad->addWidget(Etykieta(QStringLiteral("Ciśnienie")), 1, 0);
    uklad->addWidget(edtP, 1, 1);
    uklad->addWidget(Etykieta(QStringLiteral("[Bar]")), 1, 2);
    for (TPoleLiczbowe* pole : {edtT, edtP}) {
        pole->setFixedWidth(100);
        connect(pole, &QLineEdit::textChanged, this, WSieci([this](auto&&...) { WyczyscGestosc(); }));
    }
    uklad->setColumnStretch(3, 1);
    return panel;
}

QWidget* TChungMG_Form::UtworzAsocjacje()
{
    auto [panel, uklad] = Panel();
    chbCzyPolarne = Utworz<QCheckBox>(QStringLiteral("chbCzyPolarne"), QStringLiteral("Obliczenia dla związków polarnych"));
    lblIleOH = Etykieta(QStringLiteral("Podaj liczbę grup - OH dla związków"), QStringLiteral("lblIleOH"));
    lblIleZw1 = Etykieta(QStringLiteral("Związek 1"), QStringLiteral("lblIleZw1"));
    lblIleZw2 = Etykieta(QStringLiteral("Związek 2"), QStringLiteral("lblIleZw2"));
    edtOH1 = new TEdycjaZLicznikiem(QStringLiteral("edtOH1"), 1, 99);
    edtOH2 = new TEdycjaZLicznikiem(QStringLiteral("edtOH2"), 1, 99);
    for (TEdycjaZLicznikiem* pole : {edtOH1, edtOH2}) {
        pole->setFixedWidth(60);
        pole->setText(QStringLiteral("1"));
        connect(pole->edycja(), &QLineEdit::textChanged, this, WSieci([this](auto&&...) { WyczyscWynik(); }));
    }
    uklad->addWidget(chbCzyPolarne, 0, 0, 1, 4);
    uklad->addWidget(lblIleOH, 1, 0, 1, 4);
    uklad->addWidget(lblIleZw1, 2, 0);
    uklad->addWidget(edtOH1, 2, 1);
    uklad->addWidget(lblIleZw2, 2, 2);
    uklad->addWidget(edtOH2, 2, 3);
    uklad->setColumnStretch(4, 1);
    connect(chbCzyPolarne, &QCheckBox::clicked, this, WSieci([this](auto&&...) {
        WyczyscWynik();
        chbCzyPolarneClick();
    }));
    return panel;
}

QWidget* TChungMG_Form::UtworzWynik()
{
    auto [panel, uklad] = Panel();
    sbtnGestosc = Utworz<QPushButton>(QStringLiteral("sbtnGestosc"), QStringLiteral("Oblicz gęstość"));
    edtGestoscObl = UtworzPoleLiczbowe(QStringLiteral("edtGestoscObl"));
    edtGestoscObl->UstawTylkoDoOdczytu();
    buttonOblicz = Utworz<QPushButton>(QStringLiteral("buttonOblicz"), QStringLiteral("Oblicz"));
    auto* eta = Etykieta(TekstCzcionkiSymbol(QStringLiteral("h  =")), QStringLiteral("lblGreka"));
    eta->setFont(CzcionkaEkranowa(QStringLiteral("Symbol"), 12));
    Edit1 = UtworzPoleLiczbowe(QStringLiteral("Edit1"));
    edtWynikPas = UtworzPoleLiczbowe(QStringLiteral("edtWynikPas"));
    for (TPoleLiczbowe* wynik : {edtGestoscObl, Edit1, edtWynikPas})
        wynik->setMinimumWidth(190);
    for (TPoleLiczbowe* wynik : {Edit1, edtWynikPas})
        wynik->UstawTylkoDoOdczytu();
    uklad->addWidget(sbtnGestosc, 0, 0);
    uklad->addWidget(Etykieta(QStringLiteral("Gęstość")), 0, 1);
    uklad->addWidget(edtGestoscObl, 0, 2);
    uklad->addWidget(Etykieta(QStringLiteral("[mol/cm³]")), 0, 3);
    uklad->addWidget(buttonOblicz, 1, 0);
    uklad->addWidget(eta, 1, 1);
    uklad->addWidget(Edit1, 1, 2);
    uklad->addWidget(Etykieta(QStringLiteral("[µP]")), 1, 3);
    uklad->addWidget(edtWynikPas, 2, 2);
    uklad->addWidget(Etykieta(QStringLiteral("[Pa s]")), 2, 3);
    uklad->setColumnStretch(2, 1);
    connect(sbtnGestosc, &QPushButton::clicked, this, WSieci([this](auto&&...) { sbtnGestoscClick(); }));
    connect(buttonOblicz, &QPushButton::clicked, this, WSieci([this](auto&&...) { buttonObliczClick(); }));
    return panel;
}

void TChungMG_Form::showEvent(QShowEvent* zdarzenie)
{
    QMainWindow::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous())
        UruchomWSieci([this](auto&&...) { FormShow(); });
}

void TChungMG_Form::FormShow()
{
    const QStringList nazwy = ListaNazw(PoleSzukania::NazwaPL);
    cbZwiazek1->WypelnijPosortowane(nazwy);
    cbZwiazek2->WypelnijPosortowane(nazwy);
    edtOH1->setText(QStringLiteral("1"));
    edtOH2->setText(QStringLiteral("1"));
    WyczyscGestosc();
}

// The density belongs to the mixture's state; the viscosity to that and the association inputs.
void TChungMG_Form::WyczyscGestosc()
{
    gestosc_.reset();
    edtGestoscObl->clear();
    WyczyscWynik();
}

void TChungMG_Form::WyczyscWynik()
{
    Edit1->clear();
    edtWynikPas->clear();
}

// A density computed for another state than the one shown (the gas-mixture window lets its
// inputs change) is not this mixture's.
void TChungMG_Form::PrzyjmijGestosc(long double gestosc, const StanMieszaninyGazow& stan)
{
    const StanMieszaninyGazow pokazany{edtT->WartoscLagodna(),
                                       edtP->WartoscLagodna(),
                                       {UpperAscii(cbZwiazek1->currentText()), UpperAscii(cbZwiazek2->currentText())},
                                       {eU1->WartoscLagodna(), eU2->WartoscLagodna()}};
    if (stan != pokazany)
        return;
    gestosc_ = gestosc;
    edtGestoscObl->UstawWartosc(gestosc);
}

// The other box gets 1 − y; its own handler does not run meanwhile.
void TChungMG_Form::eUChange(int k)
{
    WyczyscGestosc();
    if (wUdzialach_)
        return;
    TPoleLiczbowe* pole = k == 1 ? eU1 : eU2;
    TPoleLiczbowe* drugie = k == 1 ? eU2 : eU1;
    const long double y = pole->WartoscLagodna();
    const QString tekst = pole->text().trimmed();
    if (tekst.isEmpty() || tekst == QLatin1String("."))
        return;
    {
        wUdzialach_ = true;
        const NaKoncu koniec([this] { wUdzialach_ = false; });
        drugie->UstawWartosc(1.0L - y);
    }
    if (y > 1.0L)
        PokazKomunikat(k == 1 ? QStringLiteral(" y1>1!!!") : QStringLiteral("Suma udziałów jest większa od 1"));
}

void TChungMG_Form::chbCzyPolarneClick()
{
    const bool polarne = chbCzyPolarne->isChecked();
    for (QWidget* kontrolka : std::initializer_list<QWidget*>{lblIleOH, edtOH1, edtOH2, lblIleZw1, lblIleZw2})
        kontrolka->setVisible(polarne);
}

bool TChungMG_Form::FullerSzukaj(int k)
{
    TListaZwiazkow* lista = k == 1 ? cbZwiazek1 : cbZwiazek2;
    const std::optional<TRekordYaws> rekord = SkladnikListy(lista);
    if (!rekord) {
        ZglosBrakSkladnika(lista, k == 2);
        return false;
    }
    const TRekordYaws& r = *rekord;
    if (!SkladnikMaDane(r, {{"M", r.Mmol}, {"Vc", r.Vc}, {"Tc", r.Tc}, {"ω", r.Omega}, {"μ", r.DipM}}))
        return false;
    SkladnikChunga& s = skladnik_[k - 1];
    s.M = r.Mmol;
    s.Vc = r.Vc;
    s.Tc = r.Tc;
    s.Omega = r.Omega;
    s.DipM = r.DipM;
    return true;
}

void TChungMG_Form::sbtnGestoscClick()
{
    const QString SprawdzTiP = QStringLiteral("Sprawdź T i P");
    const std::optional<long double> T = edtT->WartoscDodatnia(SprawdzTiP, TemperaturaDodatnia);
    if (!T)
        return;
    const std::optional<long double> P = edtP->WartoscDodatnia(SprawdzTiP, CisnienieDodatnie);
    if (!P)
        return;
    TWilke_Form okno;
    okno.PrzejmijMieszanine({edtT->text(), edtP->text(), cbZwiazek1->currentText(), cbZwiazek2->currentText(),
                             eU1->text(), eU2->text(),
                             [this](long double gestosc, const StanMieszaninyGazow& stan) { PrzyjmijGestosc(gestosc, stan); }});
    UruchomModalnie(&okno, this);
}

std::optional<long double> TChungMG_Form::Kappa(int k)
{
    if (!chbCzyPolarne->isChecked())
        return 0.0L;
    TEdycjaZLicznikiem* pole = k == 1 ? edtOH1 : edtOH2;
    const std::optional<long double> nOH = LiczbaWpisana(pole->text());
    if (!nOH) {
        PokazKomunikat(ZleLiczby);
        pole->setFocus();
        return std::nullopt;
    }
    return KappaAsocjacji(*nOH, skladnik_[k - 1].M);
}

void TChungMG_Form::buttonObliczClick()
{
    WyczyscWynik();
    const std::optional<long double> T = edtT->WartoscDodatnia(ZleLiczby, TemperaturaDodatnia);
    if (!T)
        return;
    const std::optional<long double> P = edtP->WartoscDodatnia(ZleLiczby, CisnienieDodatnie);
    if (!P)
        return;
    const std::optional<long double> y1 = eU1->WartoscUdzialu(ZleLiczby, UdzialPozaZakresem(1));
    if (!y1)
        return;
    const std::optional<long double> y2 = eU2->WartoscUdzialu(ZleLiczby, UdzialPozaZakresem(2));
    if (!y2)
        return;
    if (!SumaUdzialowRownaJeden({*y1, *y2})) {
        OdrzucWpis(eU2, SumaRoznaOdJeden);
        return;
    }
    if (!FullerSzukaj(1) || !FullerSzukaj(2))
        return;
    if (!gestosc_) {
        PokazKomunikat(QStringLiteral("Brak gęstości mieszaniny. Oblicz ją przyciskiem \"Oblicz gęstość\"."));
        sbtnGestosc->setFocus();
        return;
    }
    for (int k = 1; k <= 2; ++k) {
        const std::optional<long double> kappa = Kappa(k);
        if (!kappa)
            return;
        skladnik_[k - 1].kappa = *kappa;
    }
    const MieszaninaChunga m = RegulyMieszaniaChunga(skladnik_[0], skladnik_[1], *y1, *y2);
    const long double Y = GestoscZredukowanaChunga(m, *gestosc_);
    if (!JestDodatnia(*gestosc_) || Y >= 1) {
        OdrzucWpis(edtGestoscObl, QStringLiteral("Gęstość mieszaniny poza zakresem metody Chunga (wymagane 0 < ρ·Vc/6 < 1)."));
        return;
    }
    const long double eta = LepkoscMieszaninyChunga(m, *T, *gestosc_);
    Edit1->UstawWartosc(eta);
    edtWynikPas->UstawWartosc(eta * 1E-7L);
}

void ZarejestrujOknoChunga()
{
    ZarejestrujOknoMetody<TChungMG_Form>(QStringLiteral("TChungMG_Form"));
}
