#include "MixC.h"

#include "EdycjaZLicznikiem.h"
#include "KodyMetod.h"
#include "Kontrolka.h"
#include "ListaZwiazkow.h"
#include "MathError.h"
#include "MixCTryb.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"
#include "PolishText.h"
#include "QzHtmlLabel2.h"
#include "RejestrOkienMetod.h"
#include "SiatkaTekstowa.h"
#include "WykresXY.h"
#include "ZapisRownan.h"
#include "Zmienne.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>


namespace {

const QString Tytul = QStringLiteral("Gęstość mieszanin cieczy");

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

TQzHtmlLabel2* EtykietaWartosci(const QString& nazwa, const QString& html = {})
{
    auto* etykieta = EtykietaHtml(nazwa, html, nullptr);
    etykieta->setMinimumHeight(24);
    // Never narrower than its text: a squeezed label would wrap and lose its second line.
    etykieta->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    return etykieta;
}

} // namespace

QString Wartosc(const char* symbol, int numer, const char* jednostka, int rozmiar)
{
    return QStringLiteral(R"(<font size="%1"><b>%2</b><sub><b>%3</b></sub> [%4]</font>)")
        .arg(rozmiar)
        .arg(QString::fromUtf8(symbol))
        .arg(numer)
        .arg(QString::fromUtf8(jednostka));
}

QString NazwaZListy(const TListaZwiazkow* lista)
{
    const int pozycja = lista->findText(lista->currentText().trimmed(), Qt::MatchFixedString);
    return pozycja < 0 ? QString() : UpperAscii(lista->itemText(pozycja));
}

TMixcFrm::TMixcFrm(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("MixcFrm"));
    setWindowTitle(Tytul);
    UtworzKontrolki();
    Polacz();
    tryb_ = std::make_unique<TTrybMixc>(*this);
}

TMixcFrm::~TMixcFrm() = default;

void TMixcFrm::UtworzKontrolki()
{
    auto* uklad = new QVBoxLayout(this);
    lblTytul = Utworz<QLabel>(QStringLiteral("lblTytul"), Tytul);
    QFont pogrubiona = lblTytul->font();
    pogrubiona.setBold(true);
    pogrubiona.setPixelSize(18);
    lblTytul->setFont(pogrubiona);
    uklad->addWidget(lblTytul, 0, Qt::AlignHCenter);
    img1 = EtykietaWartosci(QStringLiteral("img1"), RownaniaNadmiarowe);
    img2 = EtykietaWartosci(QStringLiteral("img2"), RownaniaRacketta);
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
    qlblVc1 = EtykietaWartosci(QStringLiteral("qlblVc1"));
    qlbl12 = EtykietaWartosci(QStringLiteral("qlbl12"));
    qlbl13 = EtykietaWartosci(QStringLiteral("qlbl13"));
    qlbl14 = EtykietaWartosci(QStringLiteral("qlbl14"));
    qlblZra1 = EtykietaWartosci(QStringLiteral("qlblZra1"), Wartosc("ZRA", 1, "-"));
    qlblVc2 = EtykietaWartosci(QStringLiteral("qlblVc2"));
    qlbl22 = EtykietaWartosci(QStringLiteral("qlbl22"));
    qlbl23 = EtykietaWartosci(QStringLiteral("qlbl23"));
    qlbl24 = EtykietaWartosci(QStringLiteral("qlbl24"));
    qlblZra2 = EtykietaWartosci(QStringLiteral("qlblZra2"), Wartosc("ZRA", 2, "-"));
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
    qlblT = EtykietaWartosci(QStringLiteral("qlblT"), QStringLiteral(R"(<font size="13">Podaj temperaturę T=</font>)"));
    edtT = PoleZolte(QStringLiteral("edtT"));
    qlblTJedn = EtykietaWartosci(QStringLiteral("qlblTJedn"), QStringLiteral(R"(<font size="13">[K]</font>)"));
    qlblX1 = EtykietaWartosci(QStringLiteral("qlblX1"), QStringLiteral(R"(<font size="13">Podaj x<sub><b>1</b></sub>=</font>)"));
    edtX1 = PoleZolte(QStringLiteral("edtX1"));
    qlblX1Jedn = EtykietaWartosci(QStringLiteral("qlblX1Jedn"),
                          QStringLiteral(R"(<font size="13">[mol<sub><b>1</b></sub>/mol]</font>)"));
    qlblWyn = EtykietaWartosci(QStringLiteral("qlblWyn"),
                       QStringLiteral(R"(<font name="Symbol" size="15">r</font><sub><b>m</b></sub><font size="15">=</font>)"));
    edtWynik = PoleWyniku(QStringLiteral("edtWynik"));
    edtWynik->setMinimumWidth(150);
    qlblJedn = EtykietaWartosci(QStringLiteral("qlblJedn"), QStringLiteral(R"(<font size="13">[kg/m<sup><b>3</b></sup>]</font>)"));
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
        tryb_ = TrybNadmiarowy(*this);
    else if (KodMetody == KodGestosciMieszaninySpenceraDannera)
        tryb_ = TrybSpenceraDannera(*this);
    tryb_->Uloz();
}

void TMixcFrm::Wybor1()
{
    for (QLineEdit* pole : std::initializer_list<QLineEdit*>{edtX1, edtWynik, edt11, edt12, edt13})
        pole->clear();
    tryb_->WybranoPierwszy();
}

void TMixcFrm::cbZwiazek2Change()
{
    tryb_->WybranoDrugi();
}

void TMixcFrm::cbWarunkiChange()
{
    tryb_->WybranoWarunki();
}

void TMixcFrm::edtX1Change()
{
    tryb_->ZmienionoDane();
}

void TMixcFrm::cbxRegresjaClick()
{
    tryb_->ZmienionoRegresje();
}

void TMixcFrm::udStClick()
{
    tryb_->ZmienionoStopien();
}

void TMixcFrm::DopasujSiatke()
{
    sgMixC->DopasujSzerokosciKolumn(sgMixC->LiczbaWierszy(), 4);
    int szerokosc = 10 + sgMixC->frameWidth() * 2 + sgMixC->verticalScrollBar()->sizeHint().width();
    for (int k = 0; k < sgMixC->LiczbaKolumn(); ++k)
        szerokosc += sgMixC->SzerokoscKolumny(k);
    sgMixC->setFixedWidth(szerokosc);
}

bool TMixcFrm::X1WPrzedziale()
{
    const std::optional<long double> x = edtX1->WartoscBezKomunikatu();
    if (x && !JestUdzialemMolowym(*x)) {
        OdrzucWpis(edtX1, QStringLiteral("Udział molowy x1 musi leżeć w przedziale od 0 do 1"));
        return false;
    }
    return true;
}

void ZarejestrujOknoMixc()
{
    ZarejestrujOknoMetody<TMixcFrm>(QStringLiteral("TMixcFrm"));
}
