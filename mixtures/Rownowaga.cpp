#include "Rownowaga.h"

#include "Dialogs.h"
#include "Etykieta.h"
#include "FloatText.h"
#include "KodyMetod.h"
#include "Kontrolka.h"
#include "ListaZwiazkow.h"
#include "MathError.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"
#include "PolishText.h"
#include "PrzyciskDomyslny.h"
#include "RejestrOkienMetod.h"
#include "RownowagaCieczPara.h"
#include "Tabela.h"
#include "Wyszukiwanie.h"
#include "Zmienne.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr QSize RozmiarWyboru(515, 374);
constexpr QSize RozmiarParametrow(640, 450);
constexpr int Margines = 8;

void Pogrub(QLabel* etykieta, bool pogrubiona)
{
    QFont czcionka = etykieta->font();
    czcionka.setBold(pogrubiona);
    etykieta->setFont(czcionka);
}

// "T<" + Tb of the first substance of the name in YAWS.dat, "T<?" when there is none or it has
// no boiling point.
QString PodpowiedzTb(const QString& przedrostek, const QString& nazwa)
{
    const std::optional<TRekordYaws> rekord = SkladnikONazwie(PoleSzukania::NazwaPL, nazwa);
    if (!rekord || rekord->Tb == BrakDanych)
        return przedrostek + QLatin1Char('?');
    return przedrostek + FloatToStr(rekord->Tb);
}

QString OstrzezenieBezPierwiastka(int punkty, long double Tmin, long double Tmax)
{
    return QStringLiteral("Między temperaturą początkową (%1 K) a końcową (%2 K) nie ma temperatury wrzenia "
                          "dla %3 z %4 punktów; dla nich tabela podaje kres tego przedziału. "
                          "Zmień temperaturę początkową lub końcową.")
        .arg(FloatToStr(Tmin), FloatToStr(Tmax))
        .arg(punkty)
        .arg(PunktyIzobary);
}

// Takes the box's value unless there is a refusal of it, which the box then shows.
bool Przyjmij(TPoleLiczbowe* pole, const QString& odmowa)
{
    if (odmowa.isEmpty())
        return true;
    OdrzucWpis(pole, odmowa);
    return false;
}

} // namespace

TFrmRownowaga::TFrmRownowaga(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("FrmRownowaga"));
    setWindowTitle(QStringLiteral("Równowaga ciecz-para"));
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(Margines, Margines, Margines, Margines);
    uklad->addWidget(UtworzPanelSkladnikow());
    uklad->addWidget(UtworzPanelParametrow());
    pnlRownowaga->hide();
    setFixedSize(RozmiarWyboru);

    cbZwiazek1->WlaczDopelnianie();
    connect(cbZwiazek1, &QComboBox::activated, this, WSieci([this](auto&&...) {
        cbZwiazek1Click();
        if (cbZwiazek2->count() > 0)
            cbZwiazek2->showPopup();
    }));
    // After the completion, so the text is the completed name.
    connect(cbZwiazek1->lineEdit(), &QLineEdit::textEdited, this, WSieci([this](auto&&...) { cbZwiazek1Click(); }));
    connect(cbZwiazek1, &TListaZwiazkow::zatwierdzono, this, WSieci([this](auto&&...) { cbZwiazek1Click(); }));
    connect(cbZwiazek2, &QComboBox::currentIndexChanged, this, WSieci([this](auto&&...) { cbZwiazek2Change(); }));
    connect(BitBtn1, &QPushButton::clicked, this, WSieci([this](auto&&...) { BitBtn1Click(); }));
    connect(btnSkladniki, &QPushButton::clicked, this, WSieci([this](auto&&...) { btnSkladnikiClick(); }));
    connect(btnWstecz, &QPushButton::clicked, this, WSieci([this](auto&&...) { btnWsteczClick(); }));
    connect(Tab_Button, &QPushButton::clicked, this, WSieci([this](auto&&...) { Tab_ButtonClick(); }));
    for (QLineEdit* pole : {edtTmin, edtTmax, edtKrok, edtEpsilon})
        connect(pole, &QLineEdit::textChanged, this, [this] { CzyscWyniki(); });
    connect(cbZwiazek1, &QComboBox::editTextChanged, this, [this] { CzyscWyniki(); });
    for (QComboBox* lista : {cbZwiazek2, cbCisnienie})
        connect(lista, &QComboBox::currentIndexChanged, this, [this] { CzyscWyniki(); });
    EnterNaciskaDomyslny(this); // OK on the selection panel, "Tabela wyników" on the parameters
}

// Two grids, so the long captions of the temperatures do not widen the columns of the lists:
// the components and the data set with their hints above, the temperature range and the step
// below.
QWidget* TFrmRownowaga::UtworzPanelSkladnikow()
{
    pnlSkladniki = Utworz<QWidget>(QStringLiteral("pnlSkladniki"), this);
    auto* uklad = new QVBoxLayout(pnlSkladniki);
    uklad->setContentsMargins(Margines, Margines, Margines, Margines);
    auto* tytul = Etykieta(QStringLiteral("Podaj składniki mieszaniny"), {}, pnlSkladniki);
    Pogrub(tytul, true);
    cbZwiazek1 = UtworzListeZwiazkow(QStringLiteral("cbZwiazek1"), pnlSkladniki);
    cbZwiazek2 = Utworz<QComboBox>(QStringLiteral("cbZwiazek2"), pnlSkladniki);
    cbCisnienie = Utworz<QComboBox>(QStringLiteral("cbCisnienie"), pnlSkladniki);
    cbZwiazek2->setMaxVisibleItems(20);
    cbCisnienie->setMinimumWidth(100);
    Label17 = Etykieta(QString(), QStringLiteral("Label17"), pnlSkladniki);
    Label18 = Etykieta(QString(), QStringLiteral("Label18"), pnlSkladniki);
    lblTmin = Etykieta(QString(), QStringLiteral("lblTmin"), pnlSkladniki);
    lblTmax = Etykieta(QString(), QStringLiteral("lblTmax"), pnlSkladniki);
    for (QLabel* podpowiedz : {lblTmin, lblTmax})
        podpowiedz->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("T>888.888")));
    lblTpoczatkowa = Etykieta(QStringLiteral("Podaj temperaturę początkową"), QStringLiteral("lblTpoczatkowa"), pnlSkladniki);
    lblTkoncowa = Etykieta(QStringLiteral("Podaj temperaturę końcową"), QStringLiteral("lblTkoncowa"), pnlSkladniki);
    edtTmin = UtworzPoleLiczbowe(QStringLiteral("edtTmin"), pnlSkladniki);
    edtTmax = UtworzPoleLiczbowe(QStringLiteral("edtTmax"), pnlSkladniki);
    lblKmin = Etykieta(QStringLiteral("[K]"), {}, pnlSkladniki);
    lblKmax = Etykieta(QStringLiteral("[K]"), {}, pnlSkladniki);
    lblKrok = Etykieta(QStringLiteral(" Krok obliczeń"), QStringLiteral("lblKrok"), pnlSkladniki);
    edtKrok = UtworzPoleLiczbowe(QStringLiteral("edtKrok"), pnlSkladniki);
    for (QLineEdit* pole : {edtTmin, edtTmax, edtKrok})
        pole->setFixedWidth(90);
    btnSkladniki = Utworz<QPushButton>(QStringLiteral("btnSkladniki"), QStringLiteral("OK"), pnlSkladniki);
    btnSkladniki->setDefault(true);
    BitBtn1 = Utworz<QPushButton>(QStringLiteral("BitBtn1"), QStringLiteral("OK"), pnlSkladniki);
    BitBtn1->hide();

    siatkaSkladnikow_ = new QGridLayout;
    siatkaSkladnikow_->setHorizontalSpacing(10);
    siatkaSkladnikow_->addWidget(Etykieta(QStringLiteral("1-składnik bardziej lotny"), {}, pnlSkladniki), 0, 0);
    siatkaSkladnikow_->addWidget(cbZwiazek1, 0, 1, 1, 2);
    siatkaSkladnikow_->addWidget(lblTmin, 0, 3);
    siatkaSkladnikow_->addWidget(Etykieta(QStringLiteral("2-składnik mniej lotny"), {}, pnlSkladniki), 1, 0);
    siatkaSkladnikow_->addWidget(cbZwiazek2, 1, 1, 1, 2);
    siatkaSkladnikow_->addWidget(lblTmax, 1, 3);
    siatkaSkladnikow_->addWidget(Label17, 2, 0);
    siatkaSkladnikow_->addWidget(cbCisnienie, 2, 1);
    siatkaSkladnikow_->addWidget(Label18, 2, 2);
    siatkaSkladnikow_->setColumnStretch(2, 1);

    siatkaTemperatur_ = new QGridLayout;
    siatkaTemperatur_->setHorizontalSpacing(10);
    siatkaTemperatur_->addWidget(lblTpoczatkowa, 0, 0);
    siatkaTemperatur_->addWidget(edtTmin, 0, 1);
    siatkaTemperatur_->addWidget(lblKmin, 0, 2);
    siatkaTemperatur_->addWidget(lblTkoncowa, 1, 0);
    siatkaTemperatur_->addWidget(edtTmax, 1, 1);
    siatkaTemperatur_->addWidget(lblKmax, 1, 2);
    siatkaTemperatur_->setColumnStretch(3, 1);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(btnSkladniki);
    uklad->addWidget(tytul);
    uklad->addSpacing(Margines);
    uklad->addLayout(siatkaSkladnikow_);
    uklad->addSpacing(2 * Margines);
    uklad->addLayout(siatkaTemperatur_);
    uklad->addStretch();
    uklad->addLayout(przyciski);
    return pnlSkladniki;
}

QWidget* TFrmRownowaga::UtworzPanelParametrow()
{
    pnlRownowaga = Utworz<QWidget>(QStringLiteral("pnlRownowaga"), this);
    auto* siatka = new QGridLayout(pnlRownowaga);
    siatka->setContentsMargins(Margines, Margines, Margines, Margines);
    siatka->setHorizontalSpacing(12);
    siatka->setVerticalSpacing(8);
    edtWzor = PoleTylkoDoOdczytu(QStringLiteral("edtWzor"), pnlRownowaga);
    edtWzor->setFrame(false);
    edtWzor->setAlignment(Qt::AlignCenter);
    QPalette tlo = edtWzor->palette();
    tlo.setColor(QPalette::Base, tlo.color(QPalette::Window));
    edtWzor->setPalette(tlo);
    QFont wzor = edtWzor->font();
    wzor.setBold(true);
    edtWzor->setFont(wzor);
    Label13 = Etykieta(QString(), QStringLiteral("Label13"), pnlRownowaga);
    Label35 = Etykieta(QString(), QStringLiteral("Label35"), pnlRownowaga);
    edtPvp = PoleTylkoDoOdczytu(QStringLiteral("edtPvp"), pnlRownowaga);
    siatka->addWidget(edtWzor, 0, 0, 1, 6);
    siatka->addWidget(Label13, 1, 0, 1, 2);
    siatka->addWidget(edtPvp, 1, 2, 1, 2);
    siatka->addWidget(Label35, 1, 4);

    // Three constants a row under their names, with the row's caption above.
    const auto wierszStalych = [&](int wiersz, const QString& opis, std::initializer_list<std::pair<QString, QLineEdit**>> pola) {
        auto* naglowek = Etykieta(opis, {}, pnlRownowaga);
        Pogrub(naglowek, true);
        siatka->addWidget(naglowek, wiersz, 0, 1, 6);
        int kolumna = 0;
        for (const auto& [nazwa, pole] : pola) {
            *pole = PoleTylkoDoOdczytu(QStringLiteral("edt") + nazwa, pnlRownowaga);
            siatka->addWidget(Etykieta(nazwa, {}, pnlRownowaga), wiersz + 1, kolumna, Qt::AlignRight);
            siatka->addWidget(*pole, wiersz + 1, kolumna + 1);
            kolumna += 2;
        }
    };
    wierszStalych(2, QStringLiteral("Stałe Antoine'a dla 1 składnika"),
                  {{QStringLiteral("A1"), &edtA1}, {QStringLiteral("B1"), &edtB1}, {QStringLiteral("C1"), &edtC1}});
    wierszStalych(4, QStringLiteral("Stałe Antoine'a dla 2 składnika"),
                  {{QStringLiteral("A2"), &edtA2}, {QStringLiteral("B2"), &edtB2}, {QStringLiteral("C2"), &edtC2}});
    wierszStalych(6, QStringLiteral("Parametry nastawne Wilsona"),
                  {{QStringLiteral("W12"), &edtW12}, {QStringLiteral("W21"), &edtW21}});

    lblTpocz = Etykieta(QStringLiteral("Temperatura początkowa"), QStringLiteral("lblTpocz"), pnlRownowaga);
    lblTkon = Etykieta(QStringLiteral("Temperatura końcowa"), QStringLiteral("lblTkon"), pnlRownowaga);
    edtTpocz = PoleTylkoDoOdczytu(QStringLiteral("edtTpocz"), pnlRownowaga);
    edtTb = PoleTylkoDoOdczytu(QStringLiteral("edtTb"), pnlRownowaga);
    lblEpsilon = Etykieta(QStringLiteral("Epsilon"), QStringLiteral("lblEpsilon"), pnlRownowaga);
    edtEpsilon = UtworzPoleLiczbowe(QStringLiteral("edtEpsilon"), pnlRownowaga);
    siatka->setRowMinimumHeight(8, Margines);
    siatka->addWidget(lblTpocz, 9, 0, 1, 2);
    siatka->addWidget(edtTpocz, 9, 2);
    lblKpocz = Etykieta(QStringLiteral("[K]"), {}, pnlRownowaga);
    lblKkon = Etykieta(QStringLiteral("[K]"), {}, pnlRownowaga);
    siatka->addWidget(lblKpocz, 9, 3);
    siatka->addWidget(lblTkon, 10, 0, 1, 2);
    siatka->addWidget(edtTb, 10, 2);
    siatka->addWidget(lblKkon, 10, 3);
    siatka->addWidget(lblEpsilon, 11, 0, 1, 2);
    siatka->addWidget(edtEpsilon, 11, 2);
    siatka->setRowStretch(12, 1);
    for (int kolumna : {1, 3, 5})
        siatka->setColumnStretch(kolumna, 1);

    Tab_Button = Utworz<QPushButton>(QStringLiteral("Tab_Button"), QStringLiteral("&Tabela wyników"), pnlRownowaga);
    btnWstecz = Utworz<QPushButton>(QStringLiteral("btnWstecz"), QStringLiteral("Wstecz"), pnlRownowaga);
    Tab_Button->setDefault(true);
    siatka->addWidget(btnWstecz, 13, 3);
    siatka->addWidget(Tab_Button, 13, 4, 1, 2);
    return pnlRownowaga;
}

bool TFrmRownowaga::Izobara() const
{
    return KodMetody == KodIzobary;
}

TPlikTypowany& TFrmRownowaga::PlikTrybu() const
{
    return Izobara() ? PlikRcg : PlikRcgt;
}

void TFrmRownowaga::showEvent(QShowEvent* zdarzenie)
{
    QWidget::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous())
        FormShow();
}

void TFrmRownowaga::FormShow()
{
    PokazPanelParametrow(false);
    edtEpsilon->setText(QStringLiteral("0.00001"));
    edtKrok->setText(QStringLiteral("0.01"));
    cbZwiazek2->clear();
    cbCisnienie->clear();
    UstawTryb();
    cbZwiazek1->WypelnijPosortowane(PierwszeSkladniki(PlikTrybu()));
    cbZwiazek1->setEditText(QString());
}

void TFrmRownowaga::UstawTryb()
{
    const bool izobara = Izobara();
    const QString wielkosc = izobara ? QStringLiteral("Ciśnienie całkowite") : QStringLiteral("Temperatura układu");
    Label17->setText(izobara ? wielkosc : wielkosc + QLatin1Char(' '));
    Label13->setText(wielkosc);
    const QString jednostka = izobara ? QStringLiteral("[mmHg]") : QStringLiteral("[st. C]");
    Label18->setText(jednostka);
    Label35->setText(jednostka);
    for (QWidget* kontrolka : std::initializer_list<QWidget*>{lblTpoczatkowa, lblTkoncowa, edtTmin, edtTmax, lblKmin, lblKmax,
                                                              lblTmin, lblTmax, lblTpocz, lblTkon, edtTpocz, edtTb,
                                                              lblKpocz, lblKkon, lblEpsilon, edtEpsilon})
        kontrolka->setVisible(izobara);
    Pogrub(lblKrok, izobara);
    UlozKrok();
    setWindowTitle(izobara ? QStringLiteral("Izobara równowagi ciecz - para") : QStringLiteral("Izoterma równowagi ciecz - para"));
}

// The isobar shows the step at the right of the temperature range, the isotherm under its
// temperature list.
void TFrmRownowaga::UlozKrok()
{
    for (QGridLayout* siatka : {siatkaSkladnikow_, siatkaTemperatur_}) {
        siatka->removeWidget(lblKrok);
        siatka->removeWidget(edtKrok);
    }
    if (Izobara()) {
        siatkaTemperatur_->addWidget(lblKrok, 0, 4);
        siatkaTemperatur_->addWidget(edtKrok, 1, 4);
    } else {
        siatkaSkladnikow_->addWidget(lblKrok, 3, 0);
        siatkaSkladnikow_->addWidget(edtKrok, 3, 1);
    }
}

// The item of the list that the text names (letter case ignored); empty when it names none.
QString TFrmRownowaga::WybranySkladnik1() const
{
    const int pozycja = cbZwiazek1->findText(cbZwiazek1->currentText(), Qt::MatchFixedString);
    return pozycja < 0 ? QString() : cbZwiazek1->itemText(pozycja);
}

void TFrmRownowaga::cbZwiazek1Click()
{
    cbZwiazek2->clear();
    cbCisnienie->clear();
    cbCisnienie->hidePopup();
    lblTmin->clear();
    lblTmax->clear();
    BitBtn1Click();
}

void TFrmRownowaga::BitBtn1Click()
{
    Uklad.NazwaSkladnika1 = UpperAscii(WybranySkladnik1());
    if (Uklad.NazwaSkladnika1.isEmpty())
        return;
    lblTmin->setText(PodpowiedzTb(QStringLiteral("T<"), Uklad.NazwaSkladnika1));
    QStringList drugie = DrugieSkladniki(PlikTrybu(), Uklad.NazwaSkladnika1);
    SortujPL(drugie);
    const QSignalBlocker blokada(cbZwiazek2);
    cbZwiazek2->addItems(drugie);
    cbZwiazek2->setCurrentIndex(-1);
}

void TFrmRownowaga::cbZwiazek2Change()
{
    Uklad.NazwaSkladnika1 = UpperAscii(WybranySkladnik1());
    Uklad.NazwaSkladnika2 = UpperAscii(cbZwiazek2->currentText());
    if (Uklad.NazwaSkladnika2.isEmpty())
        return;
    lblTmax->setText(PodpowiedzTb(QStringLiteral("T>"), Uklad.NazwaSkladnika2));
    cbCisnienie->clear();
    for (const TZestawRownowagi& zestaw : ZestawyPary(PlikTrybu(), Uklad.NazwaSkladnika1, Uklad.NazwaSkladnika2))
        cbCisnienie->addItem(FloatToStr(zestaw.Wartosc), QVariant::fromValue(zestaw.Rekord));
    cbCisnienie->setCurrentIndex(-1);
    if (!Izobara() && cbCisnienie->count() > 0 && isVisible())
        cbCisnienie->showPopup();
}

// Every choice the data set needs, in the order the panel asks for them; a missing one is said
// and its control takes the focus.
bool TFrmRownowaga::SprawdzWybor()
{
    const bool izobara = Izobara();
    const std::pair<bool, std::pair<QWidget*, QString>> braki[] = {
        {izobara && edtTmin->text().isEmpty(), {edtTmin, QStringLiteral("Podaj temperaturę minimalną")}},
        {izobara && edtTmax->text().isEmpty(), {edtTmax, QStringLiteral("Podaj temperaturę maksymalną")}},
        {WybranySkladnik1().isEmpty(), {cbZwiazek1, QStringLiteral("Wybierz 1. składnik")}},
        {cbZwiazek2->currentIndex() < 0, {cbZwiazek2, QStringLiteral("Wybierz 2. składnik")}},
        {cbCisnienie->currentIndex() < 0,
         {cbCisnienie, izobara ? QStringLiteral("Wybierz ciśnienie układu") : QStringLiteral("Wybierz temperaturę układu")}},
    };
    for (const auto& [brak, komunikat] : braki)
        if (brak) {
            PokazKomunikat(komunikat.second, RodzajKomunikatu::Zwykly, QMessageBox::Ok, this);
            komunikat.first->setFocus();
            return false;
        }
    return true;
}

void TFrmRownowaga::btnSkladnikiClick()
{
    if (!SprawdzWybor() || !CzytajLiczby())
        return;
    const KursorOczekiwania klepsydra;
    if (!WczytajWybranyZestaw())
        return;
    PokazZestaw();
    PokazPanelParametrow(true);
}

// The numbers of the selection panel: the isobar's start and end temperature, a range the
// bisection can work in, and the step of both modes.
bool TFrmRownowaga::CzytajLiczby()
{
    if (Izobara()) {
        const std::optional<long double> Tmin = edtTmin->Wartosc(QStringLiteral("Źle podana temperatura początkowa"));
        if (!Tmin || !Przyjmij(edtTmin, OdmowaTemperaturyPoczatkowej(*Tmin)))
            return false;
        const std::optional<long double> Tmax = edtTmax->Wartosc(QStringLiteral("Źle podana temperatura końcowa"));
        if (!Tmax || !Przyjmij(edtTmax, OdmowaTemperaturyKoncowej(*Tmin, *Tmax)))
            return false;
        Uklad.TemperaturaPoczatkowa = *Tmin;
        Uklad.TemperaturaKoncowa = *Tmax;
    }
    return edtKrok->Wartosc(QStringLiteral("Źle podany krok obliczeń")).has_value();
}

bool TFrmRownowaga::WczytajWybranyZestaw()
{
    Uklad.NazwaSkladnika1 = UpperAscii(WybranySkladnik1());
    Uklad.NazwaSkladnika2 = UpperAscii(cbZwiazek2->currentText());
    const long long rekord = cbCisnienie->currentData().toLongLong();
    if (!WczytajZestaw(PlikTrybu(), rekord))
        throw std::runtime_error(QStringLiteral("Nie można odczytać zestawu danych nr %1").arg(rekord).toStdString());
    if (const QString odmowa = OdmowaZestawu(RekordRcg, Izobara()); !odmowa.isEmpty()) {
        PokazKomunikat(odmowa, RodzajKomunikatu::Zwykly, QMessageBox::Ok, this);
        cbCisnienie->setFocus();
        return false;
    }
    if (Izobara()) {
        Uklad.CisnienieUkladu = RekordRcg.PT;
    } else {
        Uklad.TemperaturaUkladu = RekordRcg.PT;
    }
    Uklad.StalaA1 = RekordRcg.A1, Uklad.StalaB1 = RekordRcg.B1, Uklad.StalaC1 = RekordRcg.C1;
    Uklad.StalaA2 = RekordRcg.A2, Uklad.StalaB2 = RekordRcg.B2, Uklad.StalaC2 = RekordRcg.C2;
    Uklad.ParametrW12 = RekordRcg.W12, Uklad.ParametrW21 = RekordRcg.W21;
    return true;
}

void TFrmRownowaga::PokazZestaw()
{
    edtWzor->setText(QStringLiteral("Układ ") + Uklad.NazwaSkladnika1 + QStringLiteral(" - ") + Uklad.NazwaSkladnika2);
    edtPvp->setText(FloatToStr(Izobara() ? Uklad.CisnienieUkladu : Uklad.TemperaturaUkladu));
    edtTpocz->setText(edtTmin->text());
    edtTb->setText(edtTmax->text());
    const std::pair<QLineEdit*, long double> pola[] = {
        {edtA1, Uklad.StalaA1}, {edtB1, Uklad.StalaB1}, {edtC1, Uklad.StalaC1},     {edtA2, Uklad.StalaA2},
        {edtB2, Uklad.StalaB2}, {edtC2, Uklad.StalaC2}, {edtW12, Uklad.ParametrW12}, {edtW21, Uklad.ParametrW21}};
    for (const auto& [pole, wartosc] : pola) {
        pole->setText(FloatToStr(wartosc));
        pole->setCursorPosition(0);
    }
}

void TFrmRownowaga::PokazPanelParametrow(bool pokaz)
{
    pnlSkladniki->setVisible(!pokaz);
    pnlRownowaga->setVisible(pokaz);
    setFixedSize(pokaz ? RozmiarParametrow : RozmiarWyboru);
    (pokaz ? Tab_Button : btnSkladniki)->setFocus();
}

void TFrmRownowaga::CzyscWyniki()
{
    LiczbaPunktow = 0;
}

void TFrmRownowaga::btnWsteczClick()
{
    PokazPanelParametrow(false);
}

QString TFrmRownowaga::Oblicz(long double krok)
{
    const TUklad& u = Uklad;
    if (!Izobara()) {
        ObliczIzoterme(u.TemperaturaUkladu, u.StalaA1, u.StalaA2, u.StalaB1, u.StalaB2, u.StalaC1, u.StalaC2,
                       u.ParametrW12, u.ParametrW21, krok);
        return {};
    }
    const int bezPierwiastka =
        ObliczIzobare(u.CisnienieUkladu, u.StalaA1, u.StalaA2, u.StalaB1, u.StalaB2, u.StalaC1, u.StalaC2,
                      u.TemperaturaPoczatkowa, u.TemperaturaKoncowa, u.Epsilon, u.ParametrW12, u.ParametrW21);
    return bezPierwiastka > 0 ? OstrzezenieBezPierwiastka(bezPierwiastka, u.TemperaturaPoczatkowa, u.TemperaturaKoncowa)
                              : QString();
}

// Computes once before the table opens, so a refusal or a failure is said here and the table
// does not open on it. The table computes again when asked and gives the warning of the rows it
// shows, so the warning comes once, with them.
void TFrmRownowaga::Tab_ButtonClick()
{
    if (Izobara()) {
        const std::optional<long double> Eps = edtEpsilon->Wartosc(ZlyEpsilon);
        if (!Eps || !Przyjmij(edtEpsilon, OdmowaEpsilonu(Uklad.TemperaturaPoczatkowa, Uklad.TemperaturaKoncowa, *Eps)))
            return;
        Uklad.Epsilon = *Eps;
    }
    try {
        const KursorOczekiwania klepsydra;
        Oblicz(Krok());
    } catch (const EOdmowaRownowagi& odmowa) {
        PokazKomunikat(QString::fromUtf8(odmowa.what()), RodzajKomunikatu::Zwykly, QMessageBox::Ok, this);
        (Izobara() ? static_cast<QWidget*>(edtEpsilon) : Tab_Button)->setFocus();
        return;
    }
    OtworzTabele({.rownowaga = this});
}

QString TFrmRownowaga::TekstTmin() const
{
    return edtTmin->text();
}

QString TFrmRownowaga::TekstTmax() const
{
    return edtTmax->text();
}

long double TFrmRownowaga::Krok() const
{
    return WartoscWpisana(edtKrok->text());
}

QString TFrmRownowaga::ObliczRownowage(long double krok)
{
    try {
        return Oblicz(krok);
    } catch (const EOdmowaRownowagi& odmowa) {
        throw EOdmowaTabeli(odmowa.what());
    }
}

void TFrmRownowaga::closeEvent(QCloseEvent* zdarzenie)
{
    if (!pnlRownowaga->isHidden()) {
        btnWsteczClick();
        zdarzenie->ignore();
        return;
    }
    KodMetody.clear();
    zdarzenie->accept();
}

void TFrmRownowaga::keyPressEvent(QKeyEvent* zdarzenie)
{
    if (zdarzenie->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(zdarzenie);
}

void ZarejestrujOknoRownowagi()
{
    ZarejestrujOknoMetody<TFrmRownowaga>(QStringLiteral("TFrmRownowaga"));
}
