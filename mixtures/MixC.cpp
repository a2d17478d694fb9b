#include "MixC.h"

#include "CurveFit.h"
#include "DostepDoKarty.h"
#include "EdycjaZLicznikiem.h"
#include "FloatText.h"
#include "KartaZwiazku.h"
#include "KodyMetod.h"
#include "Kontrolka.h"
#include "ListaZwiazkow.h"
#include "MathError.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"
#include "PolishText.h"
#include "QzHtmlLabel2.h"
#include "RejestrOkienMetod.h"
#include "SiatkaTekstowa.h"
#include "Wyszukiwanie.h"
#include "WykresXY.h"
#include "WzoryEstymacyjne.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

TMixcFrm* MixcFrm = nullptr;
std::array<long double, 7> WspolczynnikiVE{};
int LiczbaWyrazowVE = 0;

namespace {

const QString Tytul = QStringLiteral("Gęstość mieszanin cieczy");
const QString TytulSD = QStringLiteral("Gęstość mieszanin cieczy - metoda Spencera-Dannera");
const QString Brak = QStringLiteral("?");
const QString TemperaturaDodatnia = QStringLiteral("Temperatura T musi być większa od 0 K");
const QString UdzialX1 = QStringLiteral("Udział molowy x1 musi leżeć w przedziale od 0 do 1");
constexpr int WierszeSD = 11;
constexpr double KrokSD = 0.1; // x1 from row to row

const QString RownaniaNadmiarowe = QStringLiteral(
    R"(<p align="center"><font size="15">V<sub><b>m</b></sub> = x<sub><b>1</b></sub>V<sub><b>1</b></sub> + x<sub><b>2</b></sub>V<sub><b>2</b></sub> + V<sup><b>E</b></sup>  [m<sup><b>3</b></sup>/kmol]</font><br>)"
    R"(<font size="15">x<sub><b>1</b></sub> + x<sub><b>2</b></sub> = 1</font><br>)"
    R"(<font name="Symbol" size="15">r</font><sub><b>m</b></sub><font size="15"> = (x<sub><b>1</b></sub>M<sub><b>1</b></sub> + x<sub><b>2</b></sub>M<sub><b>2</b></sub>) / V<sub><b>m</b></sub>  [kg/m<sup><b>3</b></sup>]</font></p>)");

const QString RownaniaRacketta = QStringLiteral(
    R"(<p align="center"><font name="Symbol" size="15">r</font><sub><b>m</b></sub><font size="15"> = </font>)"
    R"(<font name="Symbol" size="15">S</font><font size="15">x<sub><b>i</b></sub>M<sub><b>i</b></sub> / [R </font><font name="Symbol" size="15">S</font><font size="15">(x<sub><b>i</b></sub>T<sub><b>ci</b></sub>/P<sub><b>ci</b></sub>) ZRA<sub><b>m</b></sub><sup><b>a</b></sup>],   a = 1 + (1 - T<sub><b>r</b></sub>)<sup><b>2/7</b></sup></font></p>)"
    R"(<p align="center"><font size="15">ZRA<sub><b>m</b></sub> = </font><font name="Symbol" size="15">S</font><font size="15">x<sub><b>i</b></sub>ZRA<sub><b>i</b></sub>,   T<sub><b>r</b></sub> = T/T<sub><b>mc</b></sub>,   T<sub><b>mc</b></sub> = </font>)"
    R"(<font name="Symbol" size="15">SS f</font><sub><b>i</b></sub><font name="Symbol" size="15">f</font><sub><b>j</b></sub><font size="15">T<sub><b>cij</b></sub></font></p>)"
    R"(<p align="center"><font name="Symbol" size="15">f</font><sub><b>i</b></sub><font size="15"> = x<sub><b>i</b></sub>V<sub><b>ci</b></sub> / </font><font name="Symbol" size="15">S</font><font size="15">x<sub><b>j</b></sub>V<sub><b>cj</b></sub>,   T<sub><b>cij</b></sub> = (1 - k<sub><b>ij</b></sub>) √(T<sub><b>ci</b></sub>T<sub><b>cj</b></sub>)</font></p>)"
    R"(<p align="center"><font size="15">k<sub><b>ij</b></sub> = 1 - 8 √(V<sub><b>ci</b></sub>V<sub><b>cj</b></sub>) / (∛V<sub><b>ci</b></sub> + ∛V<sub><b>cj</b></sub>)<sup><b>3</b></sup></font></p>)");

QString Wartosc(const char* symbol, int numer, const char* jednostka, int rozmiar = 12)
{
    return QStringLiteral(R"(<font size="%1"><b>%2</b><sub><b>%3</b></sub> [%4]</font>)")
        .arg(rozmiar)
        .arg(QString::fromUtf8(symbol))
        .arg(numer)
        .arg(QString::fromUtf8(jednostka));
}

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

QLineEdit* PoleWyniku(const QString& nazwa)
{
    auto* pole = Utworz<QLineEdit>(nazwa);
    pole->setReadOnly(true);
    pole->setMinimumWidth(110);
    return pole;
}

TPoleLiczbowe* PoleZolte(const QString& nazwa)
{
    TPoleLiczbowe* pole = UtworzPoleLiczbowe(nazwa);
    QPalette paleta = pole->palette();
    paleta.setColor(QPalette::Base, Qt::yellow);
    pole->setPalette(paleta);
    pole->setFixedWidth(90);
    return pole;
}

TQzHtmlLabel2* Etykieta(const QString& nazwa, const QString& html = {})
{
    auto* etykieta = Utworz<TQzHtmlLabel2>(nazwa);
    etykieta->setHtml(html);
    etykieta->setMinimumHeight(24);
    // Never narrower than its text: a squeezed label would wrap and lose its second line.
    etykieta->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    return etykieta;
}

// A number of a box or cell by the strict conversion; none for anything else ("?", empty).
std::optional<long double> Liczba(const QString& tekst)
{
    return LiczbaWpisana(tekst);
}

} // namespace

TMixcFrm::TMixcFrm(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("MixcFrm"));
    setWindowTitle(Tytul);
    UtworzKontrolki();
    Polacz();
}

void TMixcFrm::UtworzKontrolki()
{
    auto* uklad = new QVBoxLayout(this);
    lblTytul = Utworz<QLabel>(QStringLiteral("lblTytul"), Tytul);
    QFont pogrubiona = lblTytul->font();
    pogrubiona.setBold(true);
    pogrubiona.setPixelSize(18);
    lblTytul->setFont(pogrubiona);
    uklad->addWidget(lblTytul, 0, Qt::AlignHCenter);
    img1 = Etykieta(QStringLiteral("img1"), RownaniaNadmiarowe);
    img2 = Etykieta(QStringLiteral("img2"), RownaniaRacketta);
    img2->hide();
    uklad->addWidget(img1, 0, Qt::AlignHCenter);
    uklad->addWidget(img2, 0, Qt::AlignHCenter);
    uklad->addLayout(UtworzSkladniki());
    uklad->addWidget(UtworzWiersze());

    sgMixC = Utworz<TSiatkaTekstowa>(QStringLiteral("sgMixC"));
    Chart = Utworz<TWykresXY>(QStringLiteral("Chart"));
    Series1 = Chart->DodajSerie(RodzajSerii::Punkty, QStringLiteral("Series1"));
    Series2 = Chart->DodajSerie(RodzajSerii::Linia, QStringLiteral("Series2"));
    Series1->UstawAktywna(false);
    Series2->UstawAktywna(false);
    Chart->setMinimumSize(360, 300);
    auto* dol = new QHBoxLayout;
    dol->addWidget(sgMixC);
    dol->addWidget(Chart, 1);
    uklad->addLayout(dol, 1);
}

QGridLayout* TMixcFrm::UtworzSkladniki()
{
    auto* siatka = new QGridLayout;
    lblWybierz = Utworz<QLabel>(QStringLiteral("lblWybierz"), QStringLiteral("Wybierz składniki mieszaniny"));
    lblVm = Utworz<QLabel>(QStringLiteral("lblVm"), QStringLiteral("Objętość molowa"));
    lblRo = Utworz<QLabel>(QStringLiteral("lblRo"), QStringLiteral("Gęstość"));
    siatka->addWidget(lblWybierz, 0, 0);
    siatka->addWidget(lblVm, 0, 1);
    siatka->addWidget(lblRo, 0, 2);

    lblSkladnik1 = Utworz<QLabel>(QStringLiteral("lblSkladnik1"), QStringLiteral("1. składnik"));
    lblSkladnik2 = Utworz<QLabel>(QStringLiteral("lblSkladnik2"), QStringLiteral("2. składnik"));
    cbZwiazek1 = UtworzListeZwiazkow(QStringLiteral("cbZwiazek1"));
    cbZwiazek2 = UtworzListeZwiazkow(QStringLiteral("cbZwiazek2"));
    for (TListaZwiazkow* lista : {cbZwiazek1, cbZwiazek2}) {
        lista->setMinimumWidth(230);
        lista->WlaczDopelnianie();
    }
    qlblVc1 = Etykieta(QStringLiteral("qlblVc1"));
    qlbl12 = Etykieta(QStringLiteral("qlbl12"));
    qlbl13 = Etykieta(QStringLiteral("qlbl13"));
    qlbl14 = Etykieta(QStringLiteral("qlbl14"));
    qlblZra1 = Etykieta(QStringLiteral("qlblZra1"), Wartosc("ZRA", 1, "-"));
    qlblVc2 = Etykieta(QStringLiteral("qlblVc2"));
    qlbl22 = Etykieta(QStringLiteral("qlbl22"));
    qlbl23 = Etykieta(QStringLiteral("qlbl23"));
    qlbl24 = Etykieta(QStringLiteral("qlbl24"));
    qlblZra2 = Etykieta(QStringLiteral("qlblZra2"), Wartosc("ZRA", 2, "-"));
    edt11 = PoleWyniku(QStringLiteral("edt11"));
    edt12 = PoleWyniku(QStringLiteral("edt12"));
    edt13 = PoleWyniku(QStringLiteral("edt13"));
    edt14 = PoleWyniku(QStringLiteral("edt14"));
    edt21 = PoleWyniku(QStringLiteral("edt21"));
    edt22 = PoleWyniku(QStringLiteral("edt22"));
    edt23 = PoleWyniku(QStringLiteral("edt23"));
    edt24 = PoleWyniku(QStringLiteral("edt24"));
    cbTemperatura = Utworz<QComboBox>(QStringLiteral("cbTemperatura"));
    cbCisnienie = Utworz<QComboBox>(QStringLiteral("cbCisnienie"));
    edtZra1 = UtworzPoleLiczbowe(QStringLiteral("edtZra1"));
    edtZra2 = UtworzPoleLiczbowe(QStringLiteral("edtZra2"));

    const auto wiersz = [&](int w, QLabel* skladnik, TListaZwiazkow* lista,
                            std::initializer_list<QWidget*> etykiety, std::initializer_list<QWidget*> pola) {
        siatka->addWidget(skladnik, w, 0);
        siatka->addWidget(lista, w + 1, 0);
        int k = 1;
        for (QWidget* e : etykiety)
            siatka->addWidget(e, w, k++);
        k = 1;
        for (QWidget* p : pola)
            siatka->addWidget(p, w + 1, k++);
    };
    wiersz(1, lblSkladnik1, cbZwiazek1, {qlblVc1, qlbl12, qlbl13, qlbl14, qlblZra1},
           {edt11, edt12, edt13, edt14, edtZra1});
    wiersz(3, lblSkladnik2, cbZwiazek2, {qlblVc2, qlbl22, qlbl23, qlbl24, qlblZra2},
           {edt21, edt22, edt23, edt24, edtZra2});
    // The lists of the measured conditions share the column of the molar masses' neighbours.
    siatka->addWidget(cbTemperatura, 2, 4);
    siatka->addWidget(cbCisnienie, 4, 4);
    siatka->setColumnStretch(6, 1);
    return siatka;
}

QWidget* TMixcFrm::UtworzWiersze()
{
    auto* panel = new QWidget;
    auto* uklad = new QHBoxLayout(panel);
    uklad->setContentsMargins(0, 4, 0, 4);
    qlblT = Etykieta(QStringLiteral("qlblT"), QStringLiteral(R"(<font size="13">Podaj temperaturę T=</font>)"));
    edtT = PoleZolte(QStringLiteral("edtT"));
    qlblTJedn = Etykieta(QStringLiteral("qlblTJedn"), QStringLiteral(R"(<font size="13">[K]</font>)"));
    qlblX1 = Etykieta(QStringLiteral("qlblX1"), QStringLiteral(R"(<font size="13">Podaj x<sub><b>1</b></sub>=</font>)"));
    edtX1 = PoleZolte(QStringLiteral("edtX1"));
    qlblX1Jedn = Etykieta(QStringLiteral("qlblX1Jedn"),
                          QStringLiteral(R"(<font size="13">[mol<sub><b>1</b></sub>/mol]</font>)"));
    qlblWyn = Etykieta(QStringLiteral("qlblWyn"),
                       QStringLiteral(R"(<font name="Symbol" size="15">r</font><sub><b>m</b></sub><font size="15">=</font>)"));
    edtWynik = PoleWyniku(QStringLiteral("edtWynik"));
    edtWynik->setMinimumWidth(150);
    qlblJedn = Etykieta(QStringLiteral("qlblJedn"), QStringLiteral(R"(<font size="13">[kg/m<sup><b>3</b></sup>]</font>)"));
    cbxRegresja = Utworz<QCheckBox>(QStringLiteral("cbxRegresja"), QStringLiteral("Regresja wielomianem stopnia"));
    cbxRegresja->setChecked(true);
    udSt = new TEdycjaZLicznikiem(QStringLiteral("edtSt"), 0, 6);
    udSt->setObjectName(QStringLiteral("udSt"));
    edtSt = udSt->edycja();
    edtSt->setReadOnly(true);
    edtSt->setText(QStringLiteral("2"));
    edtSt->setFixedWidth(30);
    for (QWidget* w : std::initializer_list<QWidget*>{qlblT, edtT, qlblTJedn})
        uklad->addWidget(w);
    uklad->addSpacing(16);
    for (QWidget* w : std::initializer_list<QWidget*>{qlblX1, edtX1, qlblX1Jedn})
        uklad->addWidget(w);
    uklad->addSpacing(16);
    for (QWidget* w : std::initializer_list<QWidget*>{qlblWyn, edtWynik, qlblJedn})
        uklad->addWidget(w);
    uklad->addStretch(1);
    uklad->addWidget(cbxRegresja);
    uklad->addWidget(udSt);
    for (QWidget* w : std::initializer_list<QWidget*>{qlblT, edtT, qlblTJedn})
        w->hide();
    return panel;
}

void TMixcFrm::Polacz()
{
    for (TListaZwiazkow* lista : {cbZwiazek1, cbZwiazek2}) {
        auto wybor = WSieci([this, lista](auto&&...) { lista == cbZwiazek1 ? Wybor1() : cbZwiazek2Change(); });
        connect(lista, &QComboBox::activated, this, wybor);
        connect(lista, &TListaZwiazkow::zatwierdzono, this, wybor);
    }
    for (QComboBox* lista : {cbTemperatura, cbCisnienie})
        connect(lista, &QComboBox::activated, this, WSieci([this](auto&&...) { cbWarunkiChange(); }));
    for (TPoleLiczbowe* pole : {edtX1, edtT, edtZra1, edtZra2})
        connect(pole, &QLineEdit::textChanged, this, WSieci([this](auto&&...) { edtX1Change(); }));
    connect(cbxRegresja, &QCheckBox::clicked, this, WSieci([this](auto&&...) { cbxRegresjaClick(); }));
    connect(udSt, &TEdycjaZLicznikiem::krok, this, WSieci([this](auto&&...) { udStClick(); }));
}

void TMixcFrm::showEvent(QShowEvent* zdarzenie)
{
    QWidget::showEvent(zdarzenie);
    if (!pokazane_) {
        pokazane_ = true;
        UruchomWSieci([this] { FormShow(); });
    }
}

void TMixcFrm::FormShow()
{
    if (KodMetody == KodGestosciMieszanin)
        UlozNadmiarowy();
    else if (KodMetody == KodGestosciMieszaninySpenceraDannera)
        UlozSpenceraDannera();
}

void TMixcFrm::UlozNadmiarowy()
{
    tryb_ = Tryb::Nadmiarowy;
    resize(1000, 760); // wide enough for the grid beside a readable chart
    lblTytul->setText(Tytul);
    Chart->OsDolna()->UstawTytul(QStringLiteral("x1"));
    Chart->OsLewa()->UstawTytul(QStringLiteral("VE"));
    img1->show();
    img2->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{edt14, edt24, qlblZra1, qlblZra2, edtZra1, edtZra2})
        w->hide();
    qlblVc1->setHtml(ObjetoscCzystego(1, {}));
    qlblVc2->setHtml(ObjetoscCzystego(2, {}));
    qlbl12->setHtml(GestoscCzystego(1));
    qlbl22->setHtml(GestoscCzystego(2));
    qlbl13->setHtml(Wartosc("M", 1, "kg/kmol"));
    qlbl23->setHtml(Wartosc("M", 2, "kg/kmol"));
    qlbl14->setHtml(QStringLiteral(R"(<font size="12"><b>Temperatura [K]</b></font>)"));
    qlbl24->setHtml(QStringLiteral(R"(<font size="12"><b>Ciśnienie [MPa]</b></font>)"));
    sgMixC->UstawLiczbeKolumn(5);
    CzyscTabeleNadmiarowa();
    const char* naglowki[] = {"Lp", "x1 [-]", "Ve [m^3/kmol]", "Vm [m^3/kmol]", "ro_m [kg/m^3]"};
    for (int k = 0; k < 5; ++k)
        sgMixC->UstawKomorke(k, 0, QString::fromUtf8(naglowki[k]));
    DopasujSiatke();
    cbZwiazek1->WypelnijPosortowane(PierwszeSkladnikiMixc());
}

void TMixcFrm::UlozSpenceraDannera()
{
    tryb_ = Tryb::SpenceraDannera;
    resize(850, 800);
    lblTytul->setText(TytulSD);
    Chart->OsDolna()->UstawAutomatyczna(false);
    Chart->OsDolna()->UstawMinimum(0);
    Chart->OsDolna()->UstawMaksimum(1);
    Chart->OsDolna()->UstawTytul(QStringLiteral("x1 [mol1/mol]"));
    Chart->OsLewa()->UstawTytul(QStringLiteral("Gęstość [kg/m^3]"));
    sgMixC->UstawLiczbeWierszy(WierszeSD + 1);
    sgMixC->UstawLiczbeKolumn(3);
    sgMixC->UstawKomorke(0, 0, QStringLiteral("Lp"));
    sgMixC->UstawKomorke(1, 0, QStringLiteral("x1 [-]"));
    sgMixC->UstawKomorke(2, 0, QStringLiteral("Gęstość [kg/m^3]"));
    DopasujSiatke();
    img1->hide();
    img2->show();
    const std::array<std::pair<TQzHtmlLabel2*, QString>, 8> etykiety{{
        {qlblVc1, Wartosc("Tc", 1, "K")},       {qlbl12, Wartosc("Pc", 1, "Pa")},
        {qlbl13, Wartosc("Vc", 1, "m<sup><b>3</b></sup>/kmol", 10)}, {qlbl14, Wartosc("M", 1, "kg/kmol", 10)},
        {qlblVc2, Wartosc("Tc", 2, "K")},       {qlbl22, Wartosc("Pc", 2, "Pa")},
        {qlbl23, Wartosc("Vc", 2, "m<sup><b>3</b></sup>/kmol", 10)}, {qlbl24, Wartosc("M", 2, "kg/kmol", 10)},
    }};
    for (const auto& [etykieta, html] : etykiety)
        etykieta->setHtml(html);
    for (QWidget* w : std::initializer_list<QWidget*>{cbTemperatura, cbCisnienie, lblVm, lblRo, cbxRegresja, udSt})
        w->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{edt14, edt24, qlblZra1, qlblZra2, edtZra1, edtZra2, qlblT, edtT, qlblTJedn})
        w->show();
    const QStringList nazwy = ListaNazw(PoleSzukania::NazwaANG);
    cbZwiazek1->WypelnijPosortowane(nazwy);
    cbZwiazek2->WypelnijPosortowane(nazwy);
}

// The item the list's text names (case ignored), upper-cased; empty when it names none.
QString TMixcFrm::NazwaZListy(const TListaZwiazkow* lista) const
{
    const int pozycja = lista->findText(lista->currentText().trimmed(), Qt::MatchFixedString);
    return pozycja < 0 ? QString() : UpperAscii(lista->itemText(pozycja));
}

int TMixcFrm::Stopien() const
{
    return edtSt->text().toInt();
}

// ---- Component 1 and 2 ----

void TMixcFrm::Wybor1()
{
    for (QLineEdit* pole : std::initializer_list<QLineEdit*>{edtX1, edtWynik, edt11, edt12, edt13})
        pole->clear();
    if (tryb_ == Tryb::SpenceraDannera) {
        Series1->Czysc();
        CzyscKolumnyTabeliSD();
        edt14->clear();
        edtZra1->clear();
        WczytajSkladnikSD(NazwaZListy(cbZwiazek1), {edt11, edt12, edt13, edt14, edtZra1});
    } else if (tryb_ == Tryb::Nadmiarowy) {
        for (QLineEdit* pole : std::initializer_list<QLineEdit*>{edt21, edt22, edt23})
            pole->clear();
        cbTemperatura->clear();
        cbCisnienie->clear();
        qlblVc1->setHtml(ObjetoscCzystego(1, {}));
        qlblVc2->setHtml(ObjetoscCzystego(2, {}));
        CzyscTabeleNadmiarowa();
        para_ = {};
        const PartnerzySkladnika partnerzy = PartnerzyMixc(NazwaZListy(cbZwiazek1));
        cbZwiazek2->setEditText(QString());
        cbZwiazek2->WypelnijPosortowane(partnerzy.nazwy);
        if (!partnerzy.CAS1.isEmpty())
            PokazNumerCASGlowny(partnerzy.CAS1);
        Series1->Czysc();
        Series2->Czysc();
        if (isVisible() && cbZwiazek2->count() > 0)
            cbZwiazek2->showPopup();
    }
}

void TMixcFrm::cbZwiazek2Change()
{
    if (tryb_ == Tryb::SpenceraDannera) {
        for (QLineEdit* pole : std::initializer_list<QLineEdit*>{edt21, edt22, edt23, edt24, edtZra2, edtWynik})
            pole->clear();
        // Its Rackett factor, written last, computes the table and the result (edtX1Change).
        WczytajSkladnikSD(NazwaZListy(cbZwiazek2), {edt21, edt22, edt23, edt24, edtZra2});
    } else if (tryb_ == Tryb::Nadmiarowy) {
        CzyscTabeleNadmiarowa();
        edtWynik->clear();
        const QString nazwa2 = NazwaZListy(cbZwiazek2);
        if (nazwa2.isEmpty())
            return;
        cbTemperatura->clear();
        cbCisnienie->clear();
        para_ = ZbierzPomiaryPary(NazwaZListy(cbZwiazek1), nazwa2);
        // The lists show each measured value once, sorted as text; an item carries the index of
        // its value, so no value is read back from its text.
        const auto wypelnij = [](QComboBox* lista, const std::vector<long double>& wartosci) {
            std::vector<std::pair<QString, int>> pozycje;
            for (int i = 0; i < static_cast<int>(wartosci.size()); ++i)
                pozycje.emplace_back(FloatToStr(wartosci[i]), i);
            std::stable_sort(pozycje.begin(), pozycje.end(),
                             [](const auto& a, const auto& b) { return PorownajPL(a.first, b.first) < 0; });
            for (const auto& [tekst, indeks] : pozycje)
                lista->addItem(tekst, indeks);
            lista->setCurrentIndex(lista->count() > 0 ? 0 : -1);
        };
        wypelnij(cbTemperatura, para_.temperatury);
        wypelnij(cbCisnienie, para_.cisnienia);
        cbWarunkiChange();
    }
}

// Excess-volume mode: the pure volumes at the chosen temperature, the points measured at the
// chosen temperature and pressure, their fit and the density at the typed x1.
void TMixcFrm::cbWarunkiChange()
{
    if (tryb_ != Tryb::Nadmiarowy || cbTemperatura->currentIndex() < 0 || cbCisnienie->currentIndex() < 0)
        return;
    const long double T = para_.temperatury.at(cbTemperatura->currentData().toInt());
    const long double P = para_.cisnienia.at(cbCisnienie->currentData().toInt());
    WczytajSkladnikNadmiarowy(para_.CAS1, qlblVc1, 1, edt11, edt12, edt13, T);
    WczytajSkladnikNadmiarowy(para_.CAS2, qlblVc2, 2, edt21, edt22, edt23, T);
    WypelnijTabeleNadmiarowa(T, P);
    ObliczTabele();
    cbxRegresjaClick();
    edtX1Change();
}

void TMixcFrm::WczytajSkladnikSD(const QString& nazwa, const std::array<QLineEdit*, 5>& pola)
{
    if (WczytajSkladnik(PoleSzukania::NazwaANG, nazwa)) {
        WypelnijKarteGlowna();
        const TRekordYaws& r = RekordYaws;
        pola[0]->setText(TekstLubPytajnik(r.Tc));
        pola[1]->setText(TekstLubPytajnik(r.Pc, 100000.0L));
        pola[2]->setText(TekstLubPytajnik(r.Vc, 0.001L));
        pola[3]->setText(TekstLubPytajnik(r.Mmol));
        pola[4]->setText(TekstLubPytajnik(r.Zra));
    }
    CzyscKarteGlowna();
    CzyscRekordYaws();
}

// The component of the CAS number: its molar mass, its liquid molar volume at T by the card's
// reference and the density that volume gives. The card and the current record are cleared
// afterwards, so no component's record outlives its look-up.
void TMixcFrm::WczytajSkladnikNadmiarowy(const QString& cas, TQzHtmlLabel2* etykieta, int numer,
                                          QLineEdit* V, QLineEdit* ro, QLineEdit* M, long double T)
{
    for (QLineEdit* pole : {V, ro, M})
        pole->clear();
    etykieta->setHtml(ObjetoscCzystego(numer, {}));
    if (WczytajSkladnik(PoleSzukania::CAS, cas)) {
        WypelnijKarteGlowna();
        const TRekordYaws& r = RekordYaws;
        M->setText(TekstLubPytajnik(r.Mmol));
        if (const auto objetosc = ObjetoscMolowaCieczy(r, TempObjetosciMolowej, T)) {
            V->setText(FloatToStr(objetosc->V));
            etykieta->setHtml(ObjetoscCzystego(numer, objetosc->zDanych ? QStringLiteral("(d)") : QStringLiteral("(r)")));
            if (Podano(r.Mmol))
                ro->setText(FloatToStr(GestoscZaokraglona(r.Mmol, objetosc->V)));
        }
    }
    CzyscKarteGlowna();
    CzyscRekordYaws();
}

void TMixcFrm::CzyscKolumnyTabeliSD()
{
    for (int wiersz = 1; wiersz <= WierszeSD; ++wiersz)
        for (int kolumna : {1, 2})
            sgMixC->UstawKomorke(kolumna, wiersz, QString());
}

void TMixcFrm::CzyscTabeleNadmiarowa()
{
    sgMixC->UstawLiczbeWierszy(2);
    for (int kolumna = 0; kolumna < sgMixC->LiczbaKolumn(); ++kolumna)
        sgMixC->UstawKomorke(kolumna, 1, QString());
}

// The points at T and P framed by the pure components' rows (0, 0) and (1, 0).
void TMixcFrm::WypelnijTabeleNadmiarowa(long double T, long double P)
{
    CzyscTabeleNadmiarowa();
    const std::vector<TRekordMixc> punkty = PunktyPrzy(para_, T, P);
    if (punkty.empty())
        return;
    std::vector<std::pair<QString, QString>> wiersze{{QStringLiteral("0"), QStringLiteral("0")}};
    for (const TRekordMixc& r : punkty)
        wiersze.emplace_back(FloatToStr(r.x1), FloatToStr(r.VE * 0.001L));
    wiersze.emplace_back(QStringLiteral("1"), QStringLiteral("0"));
    sgMixC->UstawLiczbeWierszy(static_cast<int>(wiersze.size()) + 1);
    for (int i = 0; i < static_cast<int>(wiersze.size()); ++i) {
        sgMixC->UstawKomorke(0, i + 1, QString::number(i + 1));
        sgMixC->UstawKomorke(1, i + 1, wiersze[i].first);
        sgMixC->UstawKomorke(2, i + 1, wiersze[i].second);
    }
}

std::vector<long double> TMixcFrm::Kolumna(int kolumna) const
{
    std::vector<long double> wartosci;
    for (int wiersz = 1; wiersz < sgMixC->LiczbaWierszy(); ++wiersz)
        wartosci.push_back(StrToFloat(sgMixC->Komorka(kolumna, wiersz)));
    return wartosci;
}

// A temperature typed and the second component's Rackett factor known.
bool TMixcFrm::DaneDoObliczen() const
{
    return !edtT->text().isEmpty() && !edtZra2->text().isEmpty() && edtZra2->text() != Brak;
}

// The arguments are read again from the boxes' texts; one that holds no number throws.
long double TMixcFrm::GestoscSD(long double x1) const
{
    const auto z = [](const QLineEdit* pole) { return WartoscWpisana(pole->text()); };
    return NiezerowaWartosc(GestoscMieszaninyRacketta(z(edtT), x1, z(edtZra1), z(edtZra2), z(edt11), z(edt21),
                                                      z(edt12), z(edt22), z(edt13), z(edt23), z(edt14), z(edt24)));
}

void TMixcFrm::ObliczTabele()
{
    Series1->Czysc();
    if (tryb_ == Tryb::Nadmiarowy && !sgMixC->Komorka(1, 1).isEmpty()) {
        const std::optional<long double> V1 = Liczba(edt11->text()), V2 = Liczba(edt21->text());
        const std::optional<long double> M1 = Liczba(edt13->text()), M2 = Liczba(edt23->text());
        for (int wiersz = 1; wiersz < sgMixC->LiczbaWierszy(); ++wiersz) {
            const double x1 = static_cast<double>(StrToFloat(sgMixC->Komorka(1, wiersz)));
            const double VE = static_cast<double>(StrToFloat(sgMixC->Komorka(2, wiersz)));
            Series1->AddXY(x1, VE, KolorCzerwony);
            QString objetosc = Brak, gestosc = Brak;
            try {
                if (V1 && V2) {
                    const long double Vm = ObjetoscMolowaMieszaniny(x1, *V1, *V2, VE);
                    objetosc = FloatToStr(ZaokraglijDoMiejsc(Vm, 3));
                    if (M1 && M2)
                        gestosc = FloatToStr(GestoscMieszaninyCieczy(x1, *M1, *M2, Vm));
                }
            } catch (const EMathError&) {
            }
            sgMixC->UstawKomorke(3, wiersz, objetosc);
            sgMixC->UstawKomorke(4, wiersz, gestosc);
        }
        DopasujSiatke();
    } else if (tryb_ == Tryb::SpenceraDannera && !edtT->text().isEmpty() && !edtZra1->text().isEmpty()
               && !edtZra2->text().isEmpty()) {
        for (int wiersz = 1; wiersz <= WierszeSD; ++wiersz) {
            // Each row's x1 from its number, so the last one is exactly 1.
            const double x1 = (wiersz - 1) * KrokSD;
            sgMixC->UstawKomorke(0, wiersz, QString::number(wiersz));
            sgMixC->UstawKomorke(1, wiersz, FloatToStr(x1));
            try {
                const double gestosc = static_cast<double>(GestoscSD(x1));
                sgMixC->UstawKomorke(2, wiersz, FloatToStr(gestosc));
                Series1->AddXY(x1, gestosc, KolorCzerwony);
            } catch (const std::exception&) {
                sgMixC->UstawKomorke(2, wiersz, Brak);
            }
        }
        DopasujSiatke();
    }
    Series1->UstawAktywna(true);
}

// The columns as wide as their texts, the grid as wide as its columns: no number is cut.
void TMixcFrm::DopasujSiatke()
{
    sgMixC->DopasujSzerokosciKolumn(sgMixC->LiczbaWierszy(), 4);
    int szerokosc = 10 + sgMixC->frameWidth() * 2 + sgMixC->verticalScrollBar()->sizeHint().width();
    for (int k = 0; k < sgMixC->LiczbaKolumn(); ++k)
        szerokosc += sgMixC->SzerokoscKolumny(k);
    sgMixC->setFixedWidth(szerokosc);
}

bool TMixcFrm::calculate_fit(int liczbaWyrazow)
{
    Series2->Czysc();
    if (liczbaWyrazow < 1 || liczbaWyrazow > 7 || sgMixC->Komorka(1, 1).isEmpty())
        return false;
    const std::vector<long double> X = Kolumna(1), Y = Kolumna(2);
    long double R = 0.0L;
    PolyFit(X, Y, static_cast<int>(X.size()), liczbaWyrazow, WspolczynnikiVE, R);
    const std::span<const long double> c(WspolczynnikiVE.data(), liczbaWyrazow);
    for (const PunktKrzywej& p : PunktyKrzywej(X, c))
        Series2->AddXY(p.x, p.y, KolorNiebieski);
    Series2->UstawAktywna(true);
    return true;
}

void TMixcFrm::edtX1Change()
{
    if (tryb_ == Tryb::Nadmiarowy) {
        edtWynik->clear();
        if (edtX1->text().isEmpty() || edt13->text().isEmpty() || edt23->text().isEmpty() || !X1WPrzedziale())
            return;
        LiczbaWyrazowVE = Stopien() + 1;
        if (!calculate_fit(LiczbaWyrazowVE))
            return;
        const std::optional<long double> x = Liczba(edtX1->text());
        const std::optional<long double> V1 = Liczba(edt11->text()), V2 = Liczba(edt21->text());
        const std::optional<long double> M1 = Liczba(edt13->text()), M2 = Liczba(edt23->text());
        if (!x || !V1 || !V2 || !M1 || !M2) {
            edtWynik->setText(Brak);
            return;
        }
        const std::span<const long double> c(WspolczynnikiVE.data(), LiczbaWyrazowVE);
        const long double VE = WartoscWielomianu(c, *x);
        edtWynik->setText(FloatToStr(GestoscMieszaninyCieczy(*x, *M1, *M2, ObjetoscMolowaMieszaniny(*x, *V1, *V2, VE))));
    } else if (tryb_ == Tryb::SpenceraDannera) {
        ObliczSpenceraDannera();
    }
}

// The table and the density at x1 from the boxes as they stand. Nothing of an earlier input stays
// on view: a temperature not above 0 K or an x1 outside 0 .. 1 is refused with the table empty.
void TMixcFrm::ObliczSpenceraDannera()
{
    edtWynik->clear();
    Series1->Czysc();
    CzyscKolumnyTabeliSD();
    if (!DaneDoObliczen())
        return;
    const std::optional<long double> T = edtT->WartoscBezKomunikatu();
    if (T && !JestDodatnia(*T)) {
        OdrzucWpis(edtT, TemperaturaDodatnia);
        return;
    }
    if (!X1WPrzedziale())
        return;
    ObliczTabele();
    const std::optional<long double> x = Liczba(edtX1->text());
    try {
        edtWynik->setText(x ? FloatToStr(GestoscSD(*x)) : edtX1->text().isEmpty() ? QString() : Brak);
    } catch (const std::exception&) {
        edtWynik->setText(Brak);
    }
}

// An x1 typed outside 0 .. 1 is refused; an empty box or one without a number is left to the
// computation ("?").
bool TMixcFrm::X1WPrzedziale()
{
    const std::optional<long double> x = edtX1->WartoscBezKomunikatu();
    if (x && !JestUdzialemMolowym(*x)) {
        OdrzucWpis(edtX1, UdzialX1);
        return false;
    }
    return true;
}

void TMixcFrm::cbxRegresjaClick()
{
    if (tryb_ == Tryb::Nadmiarowy && cbxRegresja->isChecked())
        calculate_fit(Stopien() + 1);
}

void TMixcFrm::udStClick()
{
    if (tryb_ != Tryb::Nadmiarowy)
        return;
    LiczbaWyrazowVE = Stopien() + 1;
    calculate_fit(LiczbaWyrazowVE);
    edtX1Change();
}

void ZarejestrujOknoMixc()
{
    ZarejestrujOknoMetody<TMixcFrm>(QStringLiteral("TMixcFrm"), &MixcFrm);
}
