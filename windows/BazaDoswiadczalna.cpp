#include "BazaDoswiadczalna.h"

#include "Dialogs.h"
#include "FloatText.h"
#include "KartaZwiazku.h"
#include "KodyMetod.h"
#include "Kontrolka.h"
#include "KorelacjeDoswiadczalne.h"
#include "MathError.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"
#include "QzHtmlLabel2.h"
#include "Tabela.h"
#include "Zmienne.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const QString MarkupSI = QStringLiteral(R"(<font name="Symbol" size="15">e</font><sub><b>SI</b></sub><font size="15">=</font>)");
// The widest number a coefficient box must show whole: 15 digits, sign and a 3-digit exponent.
const QString NajszerszaLiczba = QStringLiteral("-8.88888888888888E-888");

constexpr int Margines = 16;       // inside the group boxes
constexpr int OdstepPol = 20;      // between neighbouring coefficient boxes
constexpr int OdstepSrodka = 20;   // from the middle to the two inner boxes of four
constexpr int WysokoscPola = 22;
constexpr int Odstep = 8;          // between the window's parts
constexpr int WysokoscSI = 79 - Odstep; // hiding the group shortens the window by 79 pixels

const TKorelacjaDoswiadczalna& Gaz(char kod)
{
    return *KorelacjaDlaKodow(kod, BrakKoduKorelacji);
}

const TKorelacjaDoswiadczalna& Ciecz(char kod)
{
    return *KorelacjaDlaKodow(BrakKoduKorelacji, kod);
}

bool LepkoscCieczy(const TKorelacjaDoswiadczalna* korelacja)
{
    return korelacja == &Ciecz(KodLepkosciCieczy);
}

} // namespace

TOblicz_gaz_ciecz_Form::TOblicz_gaz_ciecz_Form(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("Oblicz_gaz_ciecz_Form"));
    szerokoscPola_ = std::max(100, fontMetrics().horizontalAdvance(NajszerszaLiczba) + 12);
    UtworzKontrolki();
    connect(Button1, &QPushButton::clicked, this, WSieci([this] { Button1Click(); }));
    connect(Tab_Button, &QPushButton::clicked, this, WSieci([this] { Tab_ButtonClick(); }));
    connect(edtT, &QLineEdit::textChanged, this, WSieci([this] { edtTChange(); }));
    wczytaj();
}

void TOblicz_gaz_ciecz_Form::UtworzKontrolki()
{
    auto* uklad = new QVBoxLayout(this);
    uklad->setSpacing(Odstep);
    uklad->setContentsMargins(Odstep, Odstep, Odstep, Odstep);
    // The window is always as large as its visible parts: hiding the SI group shortens it.
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    lblObliczGazCo = Utworz<QLabel>(QStringLiteral("lblObliczGazCo"), QStringLiteral("Obliczenia dla gazów"), this);
    QFont tytul = lblObliczGazCo->font();
    tytul.setBold(true);
    tytul.setPixelSize(16);
    lblObliczGazCo->setFont(tytul);
    lblObliczGazCo->setAlignment(Qt::AlignCenter);
    uklad->addWidget(lblObliczGazCo);
    uklad->addWidget(UtworzRownanie());
    uklad->addWidget(UtworzWspolczynniki());
    uklad->addWidget(UtworzPrzelicznik());
    uklad->addWidget(UtworzZakres());
    uklad->addWidget(UtworzOblicz());
}

QWidget* TOblicz_gaz_ciecz_Form::UtworzRownanie()
{
    pnlEq = Utworz<QWidget>(QStringLiteral("pnlEq"), this);
    pnlEq->setFixedHeight(48);
    qlblRownanie = Utworz<TQzHtmlLabel2>(QStringLiteral("qlblRownanie"), pnlEq);
    auto* uklad = new QVBoxLayout(pnlEq);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(qlblRownanie);
    return pnlEq;
}

QGroupBox* TOblicz_gaz_ciecz_Form::UtworzWspolczynniki()
{
    gbxWsp = Utworz<QGroupBox>(QStringLiteral("gbxWsp"), QStringLiteral("Współczynniki równania"), this);
    gbxWsp->setFixedSize(4 * (szerokoscPola_ + OdstepPol) + szerokoscPola_ + 2 * Margines, 76);
    for (int i = 0; i < 5; ++i) {
        lblW[i] = Utworz<QLabel>(QStringLiteral("lblW%1").arg(i + 1), QString(), gbxWsp);
        lblW[i]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        edtW[i] = PoleTylkoDoOdczytu(QStringLiteral("edtW%1").arg(i + 1), gbxWsp);
    }
    UlozPola(5);
    return gbxWsp;
}

QGroupBox* TOblicz_gaz_ciecz_Form::UtworzPrzelicznik()
{
    gbxSI = Utworz<QGroupBox>(QStringLiteral("gbxSI"), QStringLiteral("Przelicznik na SI"), this);
    gbxSI->setFixedSize(gbxWsp->width(), WysokoscSI);
    edtSI = PoleTylkoDoOdczytu(QStringLiteral("edtSI"), gbxSI);
    edtSI->setGeometry((gbxSI->width() - szerokoscPola_) / 2, 30, szerokoscPola_, WysokoscPola);
    qlblSI = Utworz<TQzHtmlLabel2>(QStringLiteral("qlblSI"), gbxSI);
    qlblSI->setGeometry(edtSI->x() - 84, 26, 80, 36);
    return gbxSI;
}

QGroupBox* TOblicz_gaz_ciecz_Form::UtworzZakres()
{
    gbxZakres = Utworz<QGroupBox>(QStringLiteral("gbxZakres"), QStringLiteral("Zakres stosowalności"), this);
    gbxZakres->setFixedSize(gbxWsp->width(), 62);
    lblTmin = Utworz<QLabel>(QStringLiteral("lblTmin"), QStringLiteral("Tmin  [K]"), gbxZakres);
    edtTmin = PoleTylkoDoOdczytu(QStringLiteral("edtTmin"), gbxZakres);
    lblTmax = Utworz<QLabel>(QStringLiteral("lblTmax"), QStringLiteral("Tmax  [K]"), gbxZakres);
    edtTmax = PoleTylkoDoOdczytu(QStringLiteral("edtTmax"), gbxZakres);
    const int szerokoscEtykiety = 70, szerokoscPola = 110, odstepPar = 60;
    int x = gbxZakres->width() / 2 - szerokoscEtykiety - szerokoscPola - odstepPar / 2;
    for (auto [etykieta, pole] : {std::pair{lblTmin, edtTmin}, std::pair{lblTmax, edtTmax}}) {
        etykieta->setGeometry(x, 28, szerokoscEtykiety, WysokoscPola);
        pole->setGeometry(x + szerokoscEtykiety, 28, szerokoscPola, WysokoscPola);
        x += szerokoscEtykiety + szerokoscPola + odstepPar;
    }
    return gbxZakres;
}

QWidget* TOblicz_gaz_ciecz_Form::UtworzOblicz()
{
    pnlOblicz = Utworz<QWidget>(QStringLiteral("pnlOblicz"), this);
    pnlOblicz->setFixedSize(gbxWsp->width(), 100);
    lblT = Utworz<QLabel>(QStringLiteral("lblT"), QStringLiteral("Podaj temperaturę:"), pnlOblicz);
    lblT->setGeometry(Margines, 10, 120, WysokoscPola);
    edtT = UtworzPoleLiczbowe(QStringLiteral("edtT"), pnlOblicz);
    edtT->setGeometry(lblT->x() + lblT->width(), 10, 110, WysokoscPola);
    lblT_ = Utworz<QLabel>(QStringLiteral("lblT_"), QStringLiteral("K"), pnlOblicz);
    lblT_->setGeometry(edtT->x() + edtT->width() + 6, 10, 20, WysokoscPola);

    Button1 = Utworz<QPushButton>(QStringLiteral("Button1"), QStringLiteral("&Oblicz"), pnlOblicz);
    Tab_Button = Utworz<QPushButton>(QStringLiteral("Tab_Button"), QStringLiteral("&Tabela"), pnlOblicz);
    Tab_Button->setGeometry(pnlOblicz->width() - Margines - 100, 8, 100, 26);
    Button1->setGeometry(Tab_Button->x() - Odstep - 100, 8, 100, 26);

    qlblWyn = Utworz<TQzHtmlLabel2>(QStringLiteral("qlblWyn"), pnlOblicz);
    qlblWyn->setGeometry(Margines, 54, 240, 40);
    edtWynik1 = PoleTylkoDoOdczytu(QStringLiteral("edtWynik1"), pnlOblicz);
    edtWynik1->setGeometry(qlblWyn->x() + qlblWyn->width(), 58, 100, WysokoscPola);
    qlblJedn = Utworz<TQzHtmlLabel2>(QStringLiteral("qlblJedn"), pnlOblicz);
    qlblJedn->setGeometry(edtWynik1->x() + edtWynik1->width(), 57, 200, 36);
    return pnlOblicz;
}

void TOblicz_gaz_ciecz_Form::wczytaj()
{
    static const char* const litery[] = {"A", "B", "C", "D", "E"};
    korelacja_ = nullptr;
    for (int i = 0; i < 5; ++i) {
        lblW[i]->setText(QString::fromLatin1(litery[i]));
        edtW[i]->setText(TekstBrakDanych);
        lblW[i]->setVisible(i < 3);
        edtW[i]->setVisible(i < 3);
    }
    qlblSI->setHtml(MarkupSI);
    for (QLineEdit* pole : {edtSI, edtTmin, edtTmax})
        pole->setText(TekstBrakDanych);
    edtT->clear();
    edtT->setFocus(); // the user types the temperature first; the coefficient boxes are read-only
    CzyscWynik();
    gbxSI->show();
}

void TOblicz_gaz_ciecz_Form::wczytajCpg() { WczytajKorelacje(Gaz(KodCieplaWlasciwegoGazu)); }
void TOblicz_gaz_ciecz_Form::wczytajdelHf() { WczytajKorelacje(Gaz(KodCieplaTworzeniaGazu)); }
void TOblicz_gaz_ciecz_Form::wczytajdelGf() { WczytajKorelacje(Gaz(KodEnergiiGibbsaGazu)); }
void TOblicz_gaz_ciecz_Form::wczytajlag() { WczytajKorelacje(Gaz(KodPrzewodzeniaGazu)); }
void TOblicz_gaz_ciecz_Form::wczytajnig() { WczytajKorelacje(Gaz(KodLepkosciGazu)); }
void TOblicz_gaz_ciecz_Form::wczytajPvp() { WczytajKorelacje(Gaz(KodPreznosciPary)); }
void TOblicz_gaz_ciecz_Form::wczytajDap() { WczytajKorelacje(Gaz(KodDyfuzjiWPowietrzu)); }
void TOblicz_gaz_ciecz_Form::wczytajnic() { WczytajKorelacje(Ciecz(KodLepkosciCieczy)); }
void TOblicz_gaz_ciecz_Form::wczytajsin() { WczytajKorelacje(Ciecz(KodNapieciaPowierzchniowego)); }
void TOblicz_gaz_ciecz_Form::wczytajCpc() { WczytajKorelacje(Ciecz(KodCieplaWlasciwegoCieczy)); }
void TOblicz_gaz_ciecz_Form::wczytajroc() { WczytajKorelacje(Ciecz(KodGestosciCieczy)); }
void TOblicz_gaz_ciecz_Form::wczytajlac() { WczytajKorelacje(Ciecz(KodPrzewodzeniaCieczy)); }
void TOblicz_gaz_ciecz_Form::wczytajDaw() { WczytajKorelacje(Ciecz(KodDyfuzjiWWodzie)); }
void TOblicz_gaz_ciecz_Form::wczytajdelHv() { WczytajKorelacje(Ciecz(KodCieplaParowania)); }

bool TOblicz_gaz_ciecz_Form::WczytajWybrana()
{
    wczytaj();
    const TKorelacjaDoswiadczalna* korelacja = KorelacjaDlaKodow(KodGaz, KodCiecz);
    if (korelacja)
        WczytajKorelacje(*korelacja);
    return korelacja != nullptr;
}

void TOblicz_gaz_ciecz_Form::WczytajKorelacje(const TKorelacjaDoswiadczalna& korelacja)
{
    korelacja_ = &korelacja;
    lblObliczGazCo->setText(korelacja.tytul);
    qlblRownanie->setHtml(korelacja.rownanie);
    const int liczba = static_cast<int>(korelacja.wspolczynniki.size());
    for (int i = 0; i < 5; ++i) {
        if (i < liczba) {
            lblW[i]->setText(korelacja.wspolczynniki[i].etykieta);
            edtW[i]->setText(TekstWartosci(RekordYaws.*korelacja.wspolczynniki[i].pole));
        }
        lblW[i]->setVisible(i < liczba);
        edtW[i]->setVisible(i < liczba);
    }
    edtTmin->setText(TekstWartosci(RekordYaws.*korelacja.Tmin));
    edtTmax->setText(TekstWartosci(RekordYaws.*korelacja.Tmax));
    UlozPola(liczba);
    if (korelacja.przelicznikSI)
        edtSI->setText(FloatToStr(*korelacja.przelicznikSI));
    else
        UkryjSi();
    if (LepkoscCieczy(korelacja_) && temperaturaNasycenia_)
        edtT->setText(FloatToStr(*temperaturaNasycenia_));
}

// Three boxes (or fewer) sit one box apart around the middle, the middle one under the SI factor;
// four keep a wider gap in the middle; five are spread evenly.
void TOblicz_gaz_ciecz_Form::UlozPola(int liczba)
{
    const int krok = szerokoscPola_ + OdstepPol;
    const int srodek = gbxWsp->width() / 2;
    std::array<int, 5> x{};
    if (liczba == 4) {
        x[1] = srodek - OdstepSrodka - szerokoscPola_;
        x[2] = srodek + OdstepSrodka;
        x[0] = x[1] - krok;
        x[3] = x[2] + krok;
    } else {
        const int pierwszy = srodek - szerokoscPola_ / 2 - (liczba == 5 ? 2 : 1) * krok;
        for (int i = 0; i < 5; ++i)
            x[i] = pierwszy + i * krok;
    }
    for (int i = 0; i < 5; ++i) {
        lblW[i]->setGeometry(x[i], 20, szerokoscPola_, 18);
        edtW[i]->setGeometry(x[i], 42, szerokoscPola_, WysokoscPola);
    }
}

void TOblicz_gaz_ciecz_Form::UkryjSi()
{
    gbxSI->hide();
}

bool TOblicz_gaz_ciecz_Form::SprawdzZakresyT(long double T)
{
    const long double Tmin = WartoscWpisana(edtTmin->text());
    const long double Tmax = WartoscWpisana(edtTmax->text());
    if (Tmin <= T && T <= Tmax)
        return true;
    PokazKomunikat(T >= Tmin ? QStringLiteral(" Temperatura powyżej maksimum! ")
                             : QStringLiteral(" Temperatura poniżej minimum! "));
    return false;
}

void TOblicz_gaz_ciecz_Form::CzyscWynik()
{
    qlblWyn->hide();
    edtWynik1->hide();
    edtWynik1->clear();
    qlblJedn->hide();
}

bool TOblicz_gaz_ciecz_Form::DaneKompletne()
{
    if (KorelacjaKompletna(RekordYaws, *korelacja_))
        return true;
    const bool brakTc = korelacja_->czytaTc && RekordYaws.Tc == BrakDanych;
    PokazKomunikat(brakTc ? QStringLiteral("Brak danych do obliczeń: nie ma temperatury krytycznej Tc")
                          : QStringLiteral("Brak danych do obliczeń"));
    return false;
}

void TOblicz_gaz_ciecz_Form::Button1Click()
{
    CzyscWynik();
    if (!korelacja_ || !DaneKompletne())
        return;
    const std::optional<long double> T = LiczbaWpisana(edtT->text());
    if (!T) {
        PokazKomunikat(QStringLiteral("Podaj temperaturę"));
        edtT->setFocus();
        edtT->selectAll();
        return;
    }
    if (!SprawdzZakresyT(*T))
        return;
    long double wartosc;
    try {
        KursorOczekiwania kursor;
        wartosc = SkonczonaWartosc(korelacja_->oblicz(*T));
    } catch (const EMathError& blad) {
        PokazKomunikat(QString::fromUtf8(blad.what()), RodzajKomunikatu::Blad);
        return;
    }
    PokazWynik(wartosc);
}

void TOblicz_gaz_ciecz_Form::PokazWynik(long double wartosc)
{
    qlblWyn->setHtml(QStringLiteral(R"(<p align="right">)") + korelacja_->symbolWyniku + QStringLiteral("</p>"));
    qlblJedn->setHtml(QStringLiteral(R"(<font size="13">)") + korelacja_->jednostka + QStringLiteral("</font>"));
    edtWynik1->setText(FloatToStr(wartosc));
    // As wide as its text, with room for the frame, so the whole number shows.
    const int szerokosc = fontMetrics().horizontalAdvance(edtWynik1->text()) + 12;
    edtWynik1->setGeometry(qlblWyn->x() + qlblWyn->width(), edtWynik1->y(), szerokosc, edtWynik1->height());
    qlblJedn->move(edtWynik1->x() + edtWynik1->width() + 4, qlblJedn->y());
    edtWynik1->setCursorPosition(0);
    qlblWyn->show();
    edtWynik1->show();
    qlblJedn->show();
}

void TOblicz_gaz_ciecz_Form::Tab_ButtonClick()
{
    if (!korelacja_ || !DaneKompletne())
        return;
    OtworzTabele({.Tmin = FloatToStr(RekordYaws.*korelacja_->Tmin),
                  .Tmax = FloatToStr(RekordYaws.*korelacja_->Tmax),
                  .krokLepkosciPodCisnieniem = temperaturaNasycenia_.has_value()});
}

void TOblicz_gaz_ciecz_Form::edtTChange()
{
    CzyscWynik();
}

void TOblicz_gaz_ciecz_Form::keyPressEvent(QKeyEvent* zdarzenie)
{
    if (zdarzenie->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(zdarzenie);
}

void TOblicz_gaz_ciecz_Form::closeEvent(QCloseEvent* zdarzenie)
{
    UruchomWSieci([this] { FormCloseQuery(); });
    QWidget::closeEvent(zdarzenie);
}

// Keeps the saturated-liquid viscosity for the liquid viscosity under pressure, only a result
// that is on view: nothing when the user closes before evaluating or after changing T.
void TOblicz_gaz_ciecz_Form::FormCloseQuery()
{
    if (!LepkoscCieczy(korelacja_) || !temperaturaNasycenia_ || edtWynik1->isHidden())
        return;
    lepkoscNasycenia_ = WartoscWpisana(edtWynik1->text());
}
