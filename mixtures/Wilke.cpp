#include "Wilke.h"

#include "CzcionkaSymbol.h"
#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "Etykieta.h"
#include "FloatText.h"
#include "KartaZwiazku.h"
#include "KodyMetod.h"
#include "Kontrolka.h"
#include "KorelacjeTemperaturowe.h"
#include "ListaZwiazkow.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"
#include "PolishText.h"
#include "RejestrOkienMetod.h"
#include "WspolneMieszanin.h"
#include "Wyszukiwanie.h"
#include "Zmienne.h"
#include "ZrodloWspolczynnikowZ.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

const QString KomunikatLiczb = QStringLiteral(" Źle podane wartości liczbowe ");
const QString PodajTemperature = QStringLiteral(" Podaj temperaturę mieszaniny ");
const QString PodajCisnienie = QStringLiteral(" Podaj ciśnienie mieszaniny ");
const QString ObliczWspolczynniki = QStringLiteral(" Oblicz współczynniki ściśliwości ");
const QString TemperaturaDodatnia = QStringLiteral("Temperatura mieszaniny musi być większa od 0 K");
const QString CisnienieDodatnie = QStringLiteral("Ciśnienie mieszaniny musi być większe od 0");
const QString MinimumDwa = QStringLiteral("Wybierz minimum dwa związki");
const QString MaksimumDziesiec = QStringLiteral("Wybierz maksimum dziesięć związków");
const QString PodajLiczbe = QStringLiteral("Podaj liczbę związków w mieszaninie (2-10)");
const QString TytulGestosci = QStringLiteral("Gęstość mieszaniny gazów - metoda stanów odpowiadających sobie");
const QString TytulLepkosci = QStringLiteral("Lepkość mieszaniny gazów - metoda Wilkego");

constexpr int WysokoscLepkosci = 413;
constexpr int WysokoscGestosci = 453;

// The count as typed, when it is a whole number.
std::optional<int> LiczbaCalkowita(const QString& tekst)
{
    bool poprawna = false;
    const int liczba = tekst.trimmed().toInt(&poprawna);
    return poprawna ? std::optional<int>(liczba) : std::nullopt;
}

// The result's Greek letter (Symbol "h" η, "r" ρ), its subscript, then "=": the subscript label
// lies over blanks of the symbol's text as wide as it is, lowered below the letter's baseline.
void UstawSymbol(QLabel* symbol, QLabel* indeks, const QString& litera)
{
    const QFontMetrics miara(symbol->font());
    const QFontMetrics miaraIndeksu(indeks->font());
    const QString znak = TekstCzcionkiSymbol(litera);
    const int miejsce = miara.horizontalAdvance(znak) + miaraIndeksu.horizontalAdvance(indeks->text()) + 2;
    QString tekst = znak;
    while (miara.horizontalAdvance(tekst) < miejsce)
        tekst += QLatin1Char(' ');
    tekst += QStringLiteral(" =");
    symbol->setText(tekst);
    const int obnizenie = miara.descent();
    symbol->setFixedSize(miara.horizontalAdvance(tekst) + 2, miara.height() + obnizenie);
    indeks->adjustSize();
    indeks->move(miara.horizontalAdvance(znak) + 1, miara.ascent() + obnizenie - miaraIndeksu.ascent());
}

// Wide enough for a coefficient in full: 15 significant digits, a sign and leading zeros.
int SzerokoscWspolczynnika(const QLineEdit* pole)
{
    return pole->fontMetrics().horizontalAdvance(QStringLiteral("-0.0123456789012345")) + 16;
}

} // namespace

TWilke_Form::TWilke_Form(QWidget* rodzic) : QMainWindow(rodzic)
{
    setObjectName(QStringLiteral("Wilke_Form"));
    setWindowTitle(QStringLiteral("metoda"));
    auto* srodek = new QWidget;
    auto* uklad = new QVBoxLayout(srodek);
    uklad->addWidget(UtworzGore());
    uklad->addWidget(UtworzWiersze(), 1);
    uklad->addWidget(UtworzZety());
    uklad->addWidget(UtworzDol());
    setCentralWidget(srodek);
    const MenuPlik menu = UtworzMenuPlik(this);
    Zakocz1 = menu.Zakocz1;
    Wyjciezprogramu1 = menu.Wyjciezprogramu1;
    resize(460, 380);
}

QWidget* TWilke_Form::UtworzGore()
{
    pnlTop = Utworz<QWidget>(QStringLiteral("pnlTop"));
    auto* uklad = new QGridLayout(pnlTop);
    uklad->setContentsMargins(0, 0, 0, 0);
    lComent = Etykieta(QStringLiteral("coment1"), QStringLiteral("lComent"));
    eLiczbaZwiazkow = new TEdycjaZLicznikiem(QStringLiteral("eLiczbaZwiazkow"), 2, MaksZwiazkow);
    eLiczbaZwiazkow->setFixedWidth(60);
    lComent2 = Etykieta(QStringLiteral("coment2"), QStringLiteral("lComent2"));
    edtT = UtworzPoleLiczbowe(QStringLiteral("edtT"));
    Label14 = Etykieta(QStringLiteral("[K]"), QStringLiteral("Label14"));
    lblCis = Etykieta(QStringLiteral("edtCis"), QStringLiteral("lblCis"));
    edtCis = UtworzPoleLiczbowe(QStringLiteral("edtCis"));
    lblPa = Etykieta(QStringLiteral("[bar]"), QStringLiteral("lblPa"));
    lComent3 = Etykieta(QStringLiteral("coment3"), QStringLiteral("lComent3"));
    for (QWidget* ukryta : std::initializer_list<QWidget*>{lComent, lComent2, Label14, lblCis, edtCis, lblPa, lComent3})
        ukryta->hide();
    for (TPoleLiczbowe* pole : {edtT, edtCis})
        pole->setFixedWidth(100);
    uklad->addWidget(lComent, 0, 0);
    uklad->addWidget(eLiczbaZwiazkow, 0, 1);
    uklad->addWidget(lComent2, 1, 0);
    uklad->addWidget(edtT, 1, 1);
    uklad->addWidget(Label14, 1, 2);
    uklad->addWidget(lblCis, 2, 0);
    uklad->addWidget(edtCis, 2, 1);
    uklad->addWidget(lblPa, 2, 2);
    uklad->addWidget(lComent3, 3, 0, 1, 3);
    uklad->setColumnStretch(3, 1);
    connect(eLiczbaZwiazkow->edycja(), &QLineEdit::textChanged, this, WSieci([this](auto&&...) { eLiczbaZwiazkowChange(); }));
    connect(eLiczbaZwiazkow, &TEdycjaZLicznikiem::krok, this, WSieci([this](auto&&...) { LiczbaZwiazkow(); }));
    for (TPoleLiczbowe* pole : {edtT, edtCis})
        connect(pole, &QLineEdit::textChanged, this, WSieci([this](auto&&...) {
            edtTChange();
            ZmienionoStan();
        }));
    return pnlTop;
}

QScrollArea* TWilke_Form::UtworzWiersze()
{
    sbxZwiazki = Utworz<QScrollArea>(QStringLiteral("sbxZwiazki"));
    sbxZwiazki->setWidgetResizable(true);
    sbxZwiazki->setMinimumHeight(140);
    auto* wiersze = new QWidget;
    auto* uklad = new QGridLayout(wiersze);
    for (int i = 0; i < MaksZwiazkow; ++i) {
        const QString numer = QString::number(i + 1);
        Label[i] = Etykieta(numer, QStringLiteral("Label") + numer);
        cbZwiazek[i] = UtworzListeZwiazkow(QStringLiteral("cbZwiazek") + numer);
        cbZwiazek[i]->WlaczDopelnianie();
        cbZwiazek[i]->setMinimumWidth(240);
        eU[i] = UtworzPoleLiczbowe(QStringLiteral("eU") + numer);
        eU[i]->setFixedWidth(100);
        uklad->addWidget(Label[i], i, 0);
        uklad->addWidget(cbZwiazek[i], i, 1);
        uklad->addWidget(eU[i], i, 2);
        for (QWidget* kontrolka : std::initializer_list<QWidget*>{Label[i], cbZwiazek[i], eU[i]})
            kontrolka->hide();
        connect(cbZwiazek[i], &TListaZwiazkow::zatwierdzono, this, WSieci([this, i](auto&&...) { cbZwiazekZatwierdzono(i + 1); }));
        connect(cbZwiazek[i], &QComboBox::editTextChanged, this, WSieci([this](auto&&...) { ZmienionoStan(); }));
        connect(eU[i], &QLineEdit::textChanged, this, WSieci([this](auto&&...) { ZmienionoStan(); }));
        if (i + 1 < MaksZwiazkow)
            connect(eU[i], &QLineEdit::textChanged, this, WSieci([this, i](auto&&...) { eUChange(i + 1); }));
    }
    uklad->setColumnStretch(1, 1);
    uklad->setRowStretch(MaksZwiazkow, 1);
    sbxZwiazki->setWidget(wiersze);
    return sbxZwiazki;
}

QWidget* TWilke_Form::UtworzZety()
{
    pnlZety = Utworz<QWidget>(QStringLiteral("pnlZety"));
    auto* uklad = new QHBoxLayout(pnlZety);
    uklad->setContentsMargins(0, 0, 0, 0);
    const char* nazwy[] = {"lblWsp0", "lblWsp0_", "lblWsp0__", "lblWsp1", "lblWsp1_", "lblWsp1__"};
    const char* teksty[] = {"Z", "<sub>(0)</sub>", "=", "Z", "<sub>(1)</sub>", "="};
    for (int i = 0; i < 6; ++i)
        etykietyWsp[i] = Etykieta(QString::fromLatin1(teksty[i]), QString::fromLatin1(nazwy[i]));
    edtWsp0 = UtworzPoleLiczbowe(QStringLiteral("edtWsp0"));
    edtWsp1 = UtworzPoleLiczbowe(QStringLiteral("edtWsp1"));
    btnWsp = Utworz<QPushButton>(QStringLiteral("btnWsp"), QStringLiteral("<- Oblicz współczynniki"));
    btnWsp->setStyleSheet(QStringLiteral("QPushButton { color: red; font-weight: bold; }"));
    for (int wspolczynnik = 0; wspolczynnik < 2; ++wspolczynnik) {
        for (int i = 0; i < 3; ++i)
            uklad->addWidget(etykietyWsp[3 * wspolczynnik + i]);
        TPoleLiczbowe* pole = wspolczynnik == 0 ? edtWsp0 : edtWsp1;
        pole->setFixedWidth(SzerokoscWspolczynnika(pole));
        uklad->addWidget(pole);
        uklad->addSpacing(8);
        connect(pole, &QLineEdit::textChanged, this, WSieci([this](auto&&...) { edtTChange(); }));
    }
    uklad->addWidget(btnWsp);
    uklad->addStretch(1);
    connect(btnWsp, &QPushButton::clicked, this, WSieci([this](auto&&...) { btnWspClick(); }));
    return pnlZety;
}

QWidget* TWilke_Form::UtworzDol()
{
    pnlBottom = Utworz<QWidget>(QStringLiteral("pnlBottom"));
    auto* uklad = new QHBoxLayout(pnlBottom);
    uklad->setContentsMargins(0, 0, 0, 0);
    buttonOblicz = Utworz<QPushButton>(QStringLiteral("buttonOblicz"), QStringLiteral("Oblicz"));
    lblGreka = Etykieta(QString(), QStringLiteral("lblGreka"));
    lblGreka->setFont(CzcionkaEkranowa(QStringLiteral("Symbol"), 12));
    lblGreka->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblm = Utworz<QLabel>(QStringLiteral("lblm"), QStringLiteral("m"), lblGreka);
    lblm->setFont(CzcionkaEkranowa(QStringLiteral("Arial"), 9));
    UstawSymbol(lblGreka, lblm, QStringLiteral("h"));
    Edit11 = UtworzPoleLiczbowe(QStringLiteral("Edit11"));
    Edit11->UstawTylkoDoOdczytu();
    Edit11->setMinimumWidth(160);
    lblJednostka = Etykieta(QStringLiteral("[Pa s]"), QStringLiteral("lblJednostka"));
    uklad->addWidget(buttonOblicz);
    uklad->addSpacing(16);
    uklad->addWidget(lblGreka);
    uklad->addWidget(Edit11, 1);
    uklad->addWidget(lblJednostka);
    connect(buttonOblicz, &QPushButton::clicked, this, WSieci([this](auto&&...) { buttonObliczClick(); }));
    return pnlBottom;
}

void TWilke_Form::PrzejmijMieszanine(MieszaninaDoGestosci mieszanina)
{
    mieszaninaChunga_ = std::move(mieszanina);
}

TWilke_Form::Tryb TWilke_Form::TrybOkna() const
{
    if (mieszaninaChunga_ || KodMetody == KodLepkosciMieszaninyGazowChunga)
        return Tryb::GestoscChunga;
    return KodMetody == KodGestosciMieszaninyGazow ? Tryb::Gestosc : Tryb::Lepkosc;
}

QString TWilke_Form::TytulTrybu() const
{
    return TrybGestosci() ? TytulGestosci : TytulLepkosci;
}

void TWilke_Form::showEvent(QShowEvent* zdarzenie)
{
    QMainWindow::showEvent(zdarzenie);
    if (pokazane_)
        return;
    pokazane_ = true;
    UruchomWSieci([this](auto&&...) { FormShow(); });
}

void TWilke_Form::FormShow()
{
    const QStringList nazwy = ListaNazw(PoleSzukania::NazwaPL);
    for (TListaZwiazkow* lista : cbZwiazek)
        lista->WypelnijPosortowane(nazwy);
    lComent->setText(PodajLiczbe);
    lComent2->setText(QStringLiteral("podaj temperaturę"));
    for (QWidget* kontrolka : std::initializer_list<QWidget*>{lComent, lComent2, Label14})
        kontrolka->show();
    UstawTryb();
}

void TWilke_Form::UstawTryb()
{
    const bool gestosc = TrybGestosci();
    setWindowTitle(TytulTrybu());
    UstawSymbol(lblGreka, lblm, gestosc ? QStringLiteral("r") : QStringLiteral("h"));
    lblJednostka->setText(gestosc ? QStringLiteral("mol/cm^3") : QStringLiteral("Pa s"));
    lblCis->setText(QStringLiteral("podaj ciśnienie"));
    for (QWidget* kontrolka : std::initializer_list<QWidget*>{lblCis, edtCis, lblPa})
        kontrolka->setVisible(gestosc);
    pnlZety->setVisible(gestosc);
    PokazWierszWspolczynnikow(TrybOkna() == Tryb::GestoscChunga);
    if (TrybOkna() != Tryb::GestoscChunga)
        return;
    eLiczbaZwiazkow->setText(QStringLiteral("2"));
    if (!mieszaninaChunga_)
        return;
    edtT->setText(mieszaninaChunga_->temperatura);
    edtCis->setText(mieszaninaChunga_->cisnienie);
    cbZwiazek[0]->setEditText(mieszaninaChunga_->zwiazek1);
    cbZwiazek[1]->setEditText(mieszaninaChunga_->zwiazek2);
    eU[0]->setText(mieszaninaChunga_->udzial1);
    eU[1]->setText(mieszaninaChunga_->udzial2);
}

void TWilke_Form::PokazWierszWspolczynnikow(bool widoczny)
{
    for (QLabel* etykieta : etykietyWsp)
        etykieta->setVisible(widoczny);
    for (QWidget* kontrolka : std::initializer_list<QWidget*>{edtWsp0, edtWsp1, btnWsp})
        kontrolka->setVisible(widoczny);
}

void TWilke_Form::eLiczbaZwiazkowChange()
{
    LiczbaZwiazkow();
}

void TWilke_Form::LiczbaZwiazkow()
{
    ZmienionoStan();
    for (int i = 0; i < MaksZwiazkow; ++i)
        for (QWidget* kontrolka : std::initializer_list<QWidget*>{Label[i], cbZwiazek[i], eU[i]})
            kontrolka->hide();
    IleZwiazkow = LiczbaCalkowita(eLiczbaZwiazkow->text()).value_or(0);
    if (IleZwiazkow < 2) {
        lComent->setText(MinimumDwa);
        return;
    }
    if (IleZwiazkow > MaksZwiazkow) {
        lComent->setText(MaksimumDziesiec);
        return;
    }
    lComent->setText(PodajLiczbe);
    for (int i = 0; i < IleZwiazkow; ++i)
        for (QWidget* kontrolka : std::initializer_list<QWidget*>{Label[i], cbZwiazek[i], eU[i]})
            kontrolka->show();
}

void TWilke_Form::eUChange(int k)
{
    const std::optional<int> n = LiczbaCalkowita(eLiczbaZwiazkow->text());
    if (!n || k >= *n || *n > MaksZwiazkow)
        return;
    long double reszta = 1.0L;
    for (int i = 0; i < *n - 1; ++i) {
        const std::optional<long double> y = eU[i]->WartoscBezKomunikatu();
        if (eU[i]->text().isEmpty() || !y)
            return;
        reszta -= *y;
    }
    eU[*n - 1]->UstawWartosc(reszta);
}

void TWilke_Form::edtTChange()
{
    lComent3->setText(QStringLiteral("Wybierz związki i podaj ich udziały"));
    lComent3->show();
    WyczyscWynik();
    if (TrybOkna() == Tryb::Gestosc)
        PokazWierszWspolczynnikow(true);
    const int wysokosc = TrybOkna() == Tryb::Gestosc ? WysokoscGestosci : WysokoscLepkosci;
    if (height() < wysokosc)
        resize(width(), wysokosc);
}

void TWilke_Form::WyczyscWynik()
{
    Edit11->clear();
    setWindowTitle(TytulTrybu());
}

// Z(0) and Z(1), computed or typed, belong to the temperature, pressure, components, fractions
// and count they were obtained for: a change of any takes them off with the result.
void TWilke_Form::ZmienionoStan()
{
    WyczyscWynik();
    for (TPoleLiczbowe* wspolczynnik : {edtWsp0, edtWsp1})
        if (!wspolczynnik->text().isEmpty())
            wspolczynnik->clear();
}

void TWilke_Form::cbZwiazekZatwierdzono(int i)
{
    TListaZwiazkow* lista = cbZwiazek[i - 1];
    if (!SkladnikListy(lista)) {
        ZglosBrakSkladnika(lista, i == 3);
        return;
    }
    lista->setCurrentIndex(lista->findText(UpperAscii(lista->currentText()), Qt::MatchExactly));
}

std::optional<int> TWilke_Form::LiczbaZwiazkowDoObliczen()
{
    const int n = LiczbaCalkowita(eLiczbaZwiazkow->text()).value_or(0);
    if (2 <= n && n <= MaksZwiazkow)
        return n;
    PokazKomunikat(n < 2 ? MinimumDwa : MaksimumDziesiec);
    eLiczbaZwiazkow->setFocus();
    return std::nullopt;
}

// Every box is a number, the temperature (and pressure) above 0 and each fraction in 0 .. 1; the
// first box that is not says so and takes the focus.
bool TWilke_Form::DaneWejscioweDopuszczalne(int n, bool zWspolczynnikami)
{
    if (!edtT->WartoscDodatnia(KomunikatLiczb, TemperaturaDodatnia))
        return false;
    if (TrybGestosci() && !edtCis->WartoscDodatnia(KomunikatLiczb, CisnienieDodatnie))
        return false;
    for (int i = 0; i < n; ++i)
        if (!eU[i]->WartoscUdzialu(KomunikatLiczb, QStringLiteral("Udział molowy składnika %1 musi leżeć w przedziale od 0 do 1").arg(i + 1)))
            return false;
    return !zWspolczynnikami || (edtWsp0->Wartosc(KomunikatLiczb) && edtWsp1->Wartosc(KomunikatLiczb));
}

// Reads the fractions of rows 1..n, tests their sum and finds every component, leaving their
// values in skladniki_. False (after its message) when the action is to end.
bool TWilke_Form::Wilkeszukaj(int n)
{
    TemperaturaMieszaniny = edtT->WartoscLagodna();
    CisnienieMieszaniny = edtCis->WartoscLagodna();
    std::vector<long double> udzialy;
    for (int i = 0; i < n; ++i)
        udzialy.push_back(eU[i]->WartoscLagodna());
    if (!SumaUdzialowRownaJeden(udzialy)) {
        OdrzucWpis(eU[n - 1], SumaRoznaOdJeden);
        return false;
    }
    skladniki_.assign(size_t(n), {});
    for (int i = 0; i < n; ++i) {
        const std::optional<TRekordYaws> rekord = SkladnikListy(cbZwiazek[i]);
        if (!rekord) {
            ZglosBrakSkladnika(cbZwiazek[i], i + 1 == 3);
            return false;
        }
        const TRekordYaws& r = *rekord;
        const bool maDane = TrybGestosci() ? SkladnikMaDane(r, {{"M", r.Mmol}, {"Tc", r.Tc}, {"Vc", r.Vc}, {"Zc", r.Zc}, {"ω", r.Omega}})
                                           : SkladnikMaDane(r, {{"M", r.Mmol}});
        if (!maDane) {
            cbZwiazek[i]->setFocus();
            return false;
        }
        skladniki_[size_t(i)] = {udzialy[size_t(i)], r.Mmol, r.Tc, r.Vc, r.Zc, r.Omega, r.NigTmin, r.NigTmax, 0};
        if (!TrybGestosci())
            OdczytajLepkosc(r, skladniki_[size_t(i)]);
    }
    return true;
}

// The gas viscosity of the component's record at the mixture's temperature; a correlation
// block that is not complete leaves the component without a temperature range.
void TWilke_Form::OdczytajLepkosc(const TRekordYaws& r, SkladnikMieszaninyGazow& skladnik) const
{
    for (long double pole : {r.NigA, r.NigB, r.NigC, r.NigTmin, r.NigTmax})
        if (pole == BrakDanych) {
            skladnik.NigTmin = skladnik.NigTmax = BrakDanych;
            return;
        }
    skladnik.eta = ObliczLepkoscGazu(r, TemperaturaMieszaniny);
}

void TWilke_Form::buttonObliczClick()
{
    WyczyscWynik();
    if (edtT->text().isEmpty()) {
        PokazKomunikat(PodajTemperature);
        edtT->setFocus();
        return;
    }
    if (TrybGestosci() && edtCis->text().isEmpty()) {
        PokazKomunikat(PodajCisnienie);
        edtCis->setFocus();
        return;
    }
    if (TrybGestosci() && (edtWsp0->text().isEmpty() || edtWsp1->text().isEmpty())) {
        PokazKomunikat(ObliczWspolczynniki);
        btnWsp->setFocus();
        return;
    }
    const std::optional<int> n = LiczbaZwiazkowDoObliczen();
    if (!n || !DaneWejscioweDopuszczalne(*n, TrybGestosci()) || !Wilkeszukaj(*n))
        return;
    if (TrybGestosci())
        ObliczGestosc();
    else
        ObliczLepkosc();
}

void TWilke_Form::ObliczLepkosc()
{
    bool bezZakresu = false;
    for (const SkladnikMieszaninyGazow& s : skladniki_)
        bezZakresu = bezZakresu || s.NigTmin == BrakDanych;
    const ZakresTemperatur zakres = WspolnyZakresTemperatur(skladniki_);
    const QString granice = QStringLiteral("Tmin=") + (bezZakresu ? QStringLiteral("?") : TekstLubPytajnik(zakres.Tmin)) +
                            QStringLiteral(", Tmax=") + (bezZakresu ? QStringLiteral("?") : TekstLubPytajnik(zakres.Tmax));
    if (bezZakresu || zakres.Pusty()) {
        PokazKomunikat(QStringLiteral("Brak danych do obliczeń lub nieprawidłowy zakres tempratur\n"
                                      "Spróbuj z innymi związkami\n") + granice);
        return;
    }
    if (!zakres.Obejmuje(TemperaturaMieszaniny)) {
        PokazKomunikat(QStringLiteral("Temperatura wykracza poza dopuszczalny zakres\n    Dla tej mieszaniny ") + granice);
        return;
    }
    Edit11->UstawWartosc(LepkoscMieszaninyGazow(skladniki_));
    lblJednostka->setText(QStringLiteral("Pa s"));
}

void TWilke_Form::ObliczGestosc()
{
    pseudokrytyczne_ = ParametryPseudokrytyczneMieszaniny(skladniki_);
    const long double Z = WspolczynnikScisliwosci(edtWsp0->WartoscLagodna(), edtWsp1->WartoscLagodna(),
                                                  pseudokrytyczne_.Omega);
    if (Z <= 0) {
        OdrzucWpis(edtWsp0, QStringLiteral("Współczynnik ściśliwości Z = Z(0) + ω·Z(1) wychodzi niedodatni. Sprawdź Z(0) i Z(1)."));
        return;
    }
    const long double gestosc = GestoscMolowaGazu(Z, TemperaturaMieszaniny, CisnienieMieszaniny);
    Edit11->UstawWartosc(gestosc);
    setWindowTitle(QStringLiteral("Gęstość = ") + FloatToStr(gestosc * pseudokrytyczne_.M * 1000.0L) +
                   QStringLiteral(" kg/m^3"));
    if (mieszaninaChunga_ && mieszaninaChunga_->oddajGestosc)
        mieszaninaChunga_->oddajGestosc(gestosc, StanObliczen());
}

StanMieszaninyGazow TWilke_Form::StanObliczen() const
{
    StanMieszaninyGazow stan{TemperaturaMieszaniny, CisnienieMieszaniny, {}, {}};
    for (size_t i = 0; i < skladniki_.size(); ++i) {
        stan.zwiazki << UpperAscii(cbZwiazek[i]->currentText());
        stan.udzialy.push_back(skladniki_[i].y);
    }
    return stan;
}

void TWilke_Form::btnWspClick()
{
    if (edtT->text().isEmpty()) {
        PokazKomunikat(PodajTemperature);
        edtT->setFocus();
        return;
    }
    if (edtCis->text().isEmpty()) {
        PokazKomunikat(PodajCisnienie);
        edtCis->setFocus();
        return;
    }
    const std::optional<int> n = LiczbaZwiazkowDoObliczen();
    if (!n || !DaneWejscioweDopuszczalne(*n, false) || !Wilkeszukaj(*n))
        return;
    pseudokrytyczne_ = ParametryPseudokrytyczneMieszaniny(skladniki_);
    TZrodloWspolczynnikowZ* zrodlo = ZrodloWspolczynnikowZ();
    if (!zrodlo) {
        PokazKomunikat(MetodaNiedostepna);
        return;
    }
    const std::optional<TWspolczynnikiZ> z = zrodlo->ObliczWspolczynnikiZ(
        {CisnienieMieszaniny, TemperaturaMieszaniny, pseudokrytyczne_.Pc, pseudokrytyczne_.Tc});
    if (!z)
        return;
    edtWsp0->UstawWartosc(z->Z0);
    edtWsp1->UstawWartosc(z->Z1);
}

void ZarejestrujOknoWilkego()
{
    ZarejestrujOknoMetody<TWilke_Form>(QStringLiteral("TWilke_Form"));
}
