#include "Tabela.h"

#include "BazaDoswiadczalna.h"
#include "Cp1250.h"
#include "Dialogs.h"
#include "Drukarka.h"
#include "FloatText.h"
#include "Kontrolka.h"
#include "MathError.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"
#include "PrzyciskDomyslny.h"
#include "QzHtmlLabel2.h"
#include "SiatkaTekstowa.h"
#include "Wykres.h"
#include "ZapisRownan.h"
#include "Zmienne.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QFontMetricsF>
#include <QHash>
#include <QSet>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const QString MarkupTmin = QStringLiteral(R"(<font name="Arial" size="10">T</font><sub>min</sub>)");
const QString MarkupTmax = QStringLiteral(R"(<font name="Arial" size="10">T</font><sub>max</sub>)");
const QString MarkupPmin = QStringLiteral(R"(<font name="Arial" size="10">P</font><sub>min</sub>)");
const QString MarkupPmax = QStringLiteral(R"(<font name="Arial" size="10">P</font><sub>max</sub>)");
const QString ZlyKrok = QStringLiteral(" źle podany krok ");

constexpr int SzerokoscPanelu = 210;
constexpr int Odstep = 8;
constexpr int WysokoscNaglowka = 36;
constexpr int DomyslnaSzerokoscKolumny = 80;
constexpr int ZapasSiatki = 30; // scroll bar and frame beside the columns

TQzHtmlLabel2* EtykietaZakresu(const QString& nazwa, const QString& markup, QWidget* rodzic)
{
    auto* etykieta = EtykietaHtml(nazwa, markup, rodzic);
    etykieta->setFixedSize(44, 24);
    return etykieta;
}

// |font size in points| × 2.5, halves to even: 20 pixels for the 8-point font of the forms.
int WysokoscWierszaDlaCzcionki(const QFont& czcionka)
{
    const qreal punkty = czcionka.pointSizeF() > 0 ? czcionka.pointSizeF() : czcionka.pixelSize() * 72.0 / 96.0;
    return static_cast<int>(std::nearbyint(std::abs(punkty) * 2.5));
}

// The width of each text of a column, as QFontMetrics::horizontalAdvance gives it, with one font
// metrics and no text shaped twice. Where no two of the column's characters kern (every pair is
// shaped once to see), a text is as wide as the sum of its characters' unrounded advances, rounded
// as the shaped width is; otherwise each distinct text is shaped.
class SzerokosciTekstow {
public:
    explicit SzerokosciTekstow(const QFont& czcionka) : miara_(czcionka), miaraF_(czcionka) {}

    int Najszerszy(const QStringList& teksty)
    {
        return BezPodcinania(teksty) ? NajszerszySumaZnakow(teksty) : NajszerszyKsztaltowany(teksty);
    }

private:
    static constexpr int MaksZnakow = 24; // more distinct characters: each text shaped

    bool BezPodcinania(const QStringList& teksty)
    {
        for (const QString& tekst : teksty)
            for (QChar znak : tekst)
                if (!szerokosciZnakow_.contains(znak)) {
                    if (szerokosciZnakow_.size() == MaksZnakow || !znak.isPrint())
                        return false;
                    szerokosciZnakow_.insert(znak, miaraF_.horizontalAdvance(QString(znak)));
                }
        for (auto a = szerokosciZnakow_.cbegin(); a != szerokosciZnakow_.cend(); ++a)
            for (auto b = szerokosciZnakow_.cbegin(); b != szerokosciZnakow_.cend(); ++b)
                if (miaraF_.horizontalAdvance(QString(a.key()) + b.key()) != a.value() + b.value())
                    return false;
        return true;
    }

    int NajszerszySumaZnakow(const QStringList& teksty) const
    {
        qreal najszerszy = 0;
        for (const QString& tekst : teksty) {
            qreal suma = 0;
            for (QChar znak : tekst)
                suma += szerokosciZnakow_.value(znak);
            najszerszy = std::max(najszerszy, suma);
        }
        return qRound(najszerszy);
    }

    int NajszerszyKsztaltowany(const QStringList& teksty) const
    {
        QSet<QString> zmierzone;
        int najszerszy = 0;
        for (const QString& tekst : teksty)
            if (!zmierzone.contains(tekst)) {
                zmierzone.insert(tekst);
                najszerszy = std::max(najszerszy, miara_.horizontalAdvance(tekst));
            }
        return najszerszy;
    }

    const QFontMetrics miara_;
    const QFontMetricsF miaraF_;
    QHash<QChar, qreal> szerokosciZnakow_;
};

// The header, whose letters may kern, is measured apart from the numbers below it.
int SzerokoscTekstu(const TSiatkaTekstowa* siatka, int kolumna, int odWiersza)
{
    QStringList teksty;
    teksty.reserve(siatka->LiczbaWierszy());
    for (int wiersz = std::max(1, odWiersza); wiersz < siatka->LiczbaWierszy(); ++wiersz)
        teksty << siatka->Komorka(kolumna, wiersz);
    SzerokosciTekstow szerokosci(siatka->font());
    int najszerszy = szerokosci.Najszerszy(teksty);
    if (odWiersza == 0)
        najszerszy = std::max(najszerszy, szerokosci.Najszerszy({siatka->Komorka(kolumna, 0)}));
    return najszerszy + siatka->MarginesKomorki(kolumna) + 5;
}

// A value column is as wide as its widest number (at least the default width), so no number is
// cut; its header wraps into that width.
void DopasujKolumneDoLiczb(TSiatkaTekstowa* siatka, int kolumna)
{
    siatka->UstawSzerokoscKolumny(kolumna, std::max(DomyslnaSzerokoscKolumny, SzerokoscTekstu(siatka, kolumna, 1)));
}

long double LiczbaZKomorki(const TSiatkaTekstowa* siatka, int kolumna, int wiersz)
{
    long double liczba = 0.0L;
    Val(siatka->Komorka(kolumna, wiersz), liczba);
    return liczba;
}

// The lines as columns of text: each field starts where the widest field before it ends, lines
// fill the page from the top and go on to the next page. Columns wider than the page together
// are printed in a smaller font, so no column is cut off.
void RysujWiersze(QPainter& malarz, const QRect& strona, const QStringList& wiersze)
{
    std::vector<QStringList> pola;
    for (const QString& wiersz : wiersze)
        pola.push_back(wiersz.split(QLatin1Char('\t')));
    QFont czcionka(QStringLiteral("Arial"));
    czcionka.setPointSizeF(10.0);
    std::vector<int> szerokosci;
    int odstepPol = 0;
    const auto zmierz = [&] {
        malarz.setFont(czcionka);
        const QFontMetrics miara = malarz.fontMetrics();
        odstepPol = miara.horizontalAdvance(QStringLiteral("MMM"));
        szerokosci.clear();
        for (const QStringList& wiersz : pola) {
            szerokosci.resize(std::max(szerokosci.size(), static_cast<size_t>(wiersz.size())));
            for (int i = 0; i < wiersz.size(); ++i)
                szerokosci[i] = std::max(szerokosci[i], miara.horizontalAdvance(wiersz[i]));
        }
        int razem = 0;
        for (int szerokosc : szerokosci)
            razem += szerokosc + (szerokosc > 0 ? odstepPol : 0);
        return razem;
    };
    const int razem = zmierz();
    if (razem > strona.width()) {
        czcionka.setPointSizeF(czcionka.pointSizeF() * strona.width() / razem * 0.95);
        zmierz();
    }
    const QFontMetrics miara = malarz.fontMetrics();
    const int wierszeNaStronie = std::max(1, strona.height() / miara.lineSpacing());
    for (size_t n = 0; n < pola.size(); ++n) {
        if (n > 0 && n % wierszeNaStronie == 0)
            static_cast<QPagedPaintDevice*>(malarz.device())->newPage(); // the painter is on the printer
        int x = strona.left();
        const int y = strona.top() + static_cast<int>(n % wierszeNaStronie) * miara.lineSpacing() + miara.ascent();
        for (int i = 0; i < pola[n].size(); ++i) {
            malarz.drawText(x, y, pola[n][i]);
            x += szerokosci[i] + (szerokosci[i] > 0 ? odstepPol : 0);
        }
    }
}

} // namespace

TTabela_Form::TTabela_Form(QWidget* rodzic) : QMainWindow(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("Tabela_Form"));
    setWindowTitle(QStringLiteral("Tabela"));
    auto* srodek = new QWidget(this);
    auto* uklad = new QHBoxLayout(srodek);
    uklad->setContentsMargins(Odstep, Odstep, Odstep, Odstep);
    uklad->setSpacing(Odstep);
    auto* lewa = new QVBoxLayout;
    lewa->addWidget(UtworzPanelObliczen());
    lewa->addWidget(UtworzZakres());
    lewa->addStretch();
    uklad->addLayout(lewa);
    sgTabela = Utworz<TSiatkaTekstowa>(QStringLiteral("sgTabela"), srodek);
    sgTabela->UstawLiczbeKolumn(3);
    sgTabela->UstawLiczbeWierszy(2);
    sgTabela->hide();
    uklad->addWidget(sgTabela, 1);
    setCentralWidget(srodek);
    UtworzMenu();
    resize(SzerokoscPanelu + 2 * Odstep, 440);

    connect(btnOblicz, &QPushButton::clicked, this, WSieci([this] { btnObliczClick(); }));
    connect(btnWykres, &QPushButton::clicked, this, WSieci([this] { btnWykresClick(); }));
    connect(btnWykres2, &QPushButton::clicked, this, WSieci([this] { btnWykres2Click(); }));
    // "Oblicz", after a computation "Wykres", after the chart "Oblicz" again.
    EnterNaciskaDomyslny(this);
}

QWidget* TTabela_Form::UtworzPanelObliczen()
{
    pnlOblicz = Utworz<QWidget>(QStringLiteral("pnlOblicz"), this);
    pnlOblicz->setFixedWidth(SzerokoscPanelu);
    auto* uklad = new QGridLayout(pnlOblicz);
    uklad->setContentsMargins(0, 0, 0, 0);
    lblPodaj = Utworz<QLabel>(QStringLiteral("lblPodaj"), QStringLiteral("Podaj przedział temperatur"), pnlOblicz);
    qlblTminOd = EtykietaZakresu(QStringLiteral("qlblTminOd"), MarkupTmin, pnlOblicz);
    edtTminOd = Utworz<QLineEdit>(QStringLiteral("edtTminOd"), pnlOblicz);
    qlblTmaxDo = EtykietaZakresu(QStringLiteral("qlblTmaxDo"), MarkupTmax, pnlOblicz);
    edtTmaxDo = Utworz<QLineEdit>(QStringLiteral("edtTmaxDo"), pnlOblicz);
    Label3 = Utworz<QLabel>(QStringLiteral("Label3"), QStringLiteral("Krok"), pnlOblicz);
    edtKrok = Utworz<QLineEdit>(QStringLiteral("edtKrok"), QStringLiteral("1"), pnlOblicz);
    btnOblicz = Utworz<QPushButton>(QStringLiteral("btnOblicz"), QStringLiteral("&Oblicz"), pnlOblicz);
    btnWykres = Utworz<QPushButton>(QStringLiteral("btnWykres"), QStringLiteral("Wykres"), pnlOblicz);
    btnWykres2 = Utworz<QPushButton>(QStringLiteral("btnWykres2"), QStringLiteral("Wykres y=f(x)"), pnlOblicz);
    btnOblicz->setDefault(true);
    // Both charts wait for rows to draw.
    for (QPushButton* wykres : {btnWykres, btnWykres2})
        wykres->setEnabled(false);
    btnWykres2->hide();
    uklad->addWidget(lblPodaj, 0, 0, 1, 2);
    uklad->addWidget(qlblTminOd, 1, 0);
    uklad->addWidget(edtTminOd, 1, 1);
    uklad->addWidget(qlblTmaxDo, 2, 0);
    uklad->addWidget(edtTmaxDo, 2, 1);
    uklad->addWidget(Label3, 3, 0);
    uklad->addWidget(edtKrok, 3, 1);
    uklad->setRowMinimumHeight(4, Odstep);
    uklad->addWidget(btnOblicz, 5, 0, 1, 2);
    uklad->addWidget(btnWykres, 6, 0, 1, 2);
    uklad->addWidget(btnWykres2, 7, 0, 1, 2);
    return pnlOblicz;
}

QGroupBox* TTabela_Form::UtworzZakres()
{
    gbZakres = Utworz<QGroupBox>(QStringLiteral("gbZakres"), QStringLiteral("Zakres stosowalności "), this);
    gbZakres->setFixedWidth(SzerokoscPanelu);
    auto* uklad = new QGridLayout(gbZakres);
    qlblTmin = EtykietaZakresu(QStringLiteral("qlblTmin"), MarkupTmin, gbZakres);
    edtTmin = Utworz<QLineEdit>(QStringLiteral("edtTmin"), gbZakres);
    qlblTmax = EtykietaZakresu(QStringLiteral("qlblTmax"), MarkupTmax, gbZakres);
    edtTmax = Utworz<QLineEdit>(QStringLiteral("edtTmax"), gbZakres);
    for (QLineEdit* pole : {edtTmin, edtTmax})
        pole->setReadOnly(true);
    uklad->addWidget(qlblTmin, 0, 0);
    uklad->addWidget(edtTmin, 0, 1);
    uklad->addWidget(qlblTmax, 1, 0);
    uklad->addWidget(edtTmax, 1, 1);
    return gbZakres;
}

void TTabela_Form::UtworzMenu()
{
    QMenuBar* menu = menuBar();
    menu->setObjectName(QStringLiteral("MainMenu1"));
    Zapisztabel1 = menu->addAction(QStringLiteral("  Zapisz tabelę"));
    Zapisztabel1->setObjectName(QStringLiteral("Zapisztabel1"));
    Drukujtabel1 = menu->addAction(QStringLiteral("  Drukuj tabelę"));
    Drukujtabel1->setObjectName(QStringLiteral("Drukujtabel1"));
    connect(Zapisztabel1, &QAction::triggered, this, WSieci([this] { Zapisztabel1Click(); }));
    connect(Drukujtabel1, &QAction::triggered, this, WSieci([this] { Drukujtabel1Click(); }));
}

void TTabela_Form::Opisz(const TOpisTabeli& opis)
{
    opis_ = opis;
    edtTmin->setText(opis.Tmin);
    edtTmax->setText(opis.Tmax);
    const bool cisnienie = opis.argument == TOpisTabeli::Argument::Cisnienie;
    for (TQzHtmlLabel2* etykieta : {qlblTminOd, qlblTmin})
        etykieta->setHtml(cisnienie ? MarkupPmin : MarkupTmin);
    for (TQzHtmlLabel2* etykieta : {qlblTmaxDo, qlblTmax})
        etykieta->setHtml(cisnienie ? MarkupPmax : MarkupTmax);
}

void TTabela_Form::showEvent(QShowEvent* zdarzenie)
{
    QMainWindow::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous())
        UruchomWSieci([this] { FormShow(); });
}

void TTabela_Form::FormShow()
{
    rodzaj_ = RodzajTabeliDlaKodu(KodMetody);
    if (opis_.krokLepkosciPodCisnieniem)
        edtKrok->setText(QStringLiteral("0.1"));
    if (rodzaj_ == RodzajTabeli::Zakres) {
        edtTminOd->setText(edtTmin->text());
        edtTmaxDo->setText(edtTmax->text());
    } else {
        gbZakres->hide();
        lblPodaj->setText(QStringLiteral("Zakres temperatur"));
        if (opis_.rownowaga) {
            edtKrok->setText(FloatToStr(opis_.rownowaga->Krok()));
            edtTminOd->setText(opis_.rownowaga->TekstTmin());
            edtTmaxDo->setText(opis_.rownowaga->TekstTmax());
        }
    }
    // The isobar's range and step come from the equilibrium window: on view, not to be edited.
    if (rodzaj_ == RodzajTabeli::Izobara)
        for (QLineEdit* pole : {edtTminOd, edtTmaxDo, edtKrok})
            pole->setReadOnly(true);
    if (rodzaj_ == RodzajTabeli::Izoterma) {
        lblPodaj->setText(QStringLiteral("Temperatura układu: %1 °C")
                              .arg(opis_.rownowaga ? FloatToStr(opis_.rownowaga->TemperaturaUkladu()) : QStringLiteral("?")));
        for (QWidget* kontrolka : std::initializer_list<QWidget*>{qlblTminOd, qlblTmaxDo, edtTminOd, edtTmaxDo})
            kontrolka->hide();
        btnWykres2->show();
        btnWykres->setText(QStringLiteral("Wykres P=f(x,y)"));
    }
    sgTabela->UstawLiczbeKolumn(rodzaj_ == RodzajTabeli::Zakres ? 3 : static_cast<int>(NaglowkiRownowagi(rodzaj_).size()));
    sgTabela->hide();
    resize(SzerokoscPanelu + 2 * Odstep, height());
}

// Messages come after the table is on view, so the rows computed before an error are seen with
// it, and with the normal cursor.
void TTabela_Form::btnObliczClick()
{
    QString komunikat;
    RodzajKomunikatu rodzaj = RodzajKomunikatu::Zwykly;
    {
        const KursorOczekiwania klepsydra;
        try {
            if (rodzaj_ == RodzajTabeli::Zakres) {
                ObliczZakres();
            } else {
                komunikat = ObliczRownowage();
                rodzaj = RodzajKomunikatu::Ostrzezenie;
            }
        } catch (const EOdmowaTabeli& odmowa) {
            komunikat = QString::fromUtf8(odmowa.what());
        } catch (const std::exception& blad) {
            komunikat = QString::fromUtf8(blad.what());
            rodzaj = RodzajKomunikatu::Blad;
        }
    }
    ZakonczObliczenia();
    if (!komunikat.isEmpty())
        PokazKomunikat(komunikat, rodzaj, QMessageBox::Ok, this);
}

void TTabela_Form::ObliczZakres()
{
    long double krok = 0.0L, poczatek = 0.0L, koniec = 0.0L;
    for (auto [pole, wartosc] : {std::pair{edtKrok, &krok}, std::pair{edtTmaxDo, &koniec}, std::pair{edtTminOd, &poczatek}}) {
        const std::optional<long double> liczba = LiczbaWpisana(pole->text());
        if (!liczba) {
            pole->clear();
            return;
        }
        *wartosc = *liczba;
    }
    sgTabela->UstawDomyslnaWysokoscWiersza(WysokoscWierszaDlaCzcionki(font()));
    if (!(krok > 0.0L))
        throw EOdmowaTabeli(ZlyKrok.toStdString());
    const std::optional<TMetodaTabeli> metoda = MetodaTabeli(KodGaz, KodCiecz, KodMetody, opis_.estymacja);
    if (!metoda) {
        sgTabela->UstawKomorke(0, 0, QStringLiteral("lp."));
        sgTabela->UstawLiczbeWierszy(1);
        return;
    }
    const TZakresTabeli zakres = ArgumentyTabeli(poczatek, koniec, krok);
    if (zakres.blad == BladZakresu::ZlyKrok)
        throw EOdmowaTabeli(ZlyKrok.toStdString());
    if (zakres.blad == BladZakresu::ZbytWieleWierszy)
        throw EOdmowaTabeli("Zbyt wiele punktów");
    sgTabela->UstawKomorke(1, 0, metoda->naglowekArgumentu);
    sgTabela->UstawKomorke(2, 0, metoda->naglowekWartosci);
    const TWierszeZakresu wynik = WierszeZakresu(*metoda, zakres.argumenty);
    sgTabela->UstawWiersze(wynik.wiersze);
    if (!wynik.blad.isEmpty())
        throw EMathError(wynik.blad.toStdString());
    if (wynik.wiersze.empty())
        throw EOdmowaTabeli(metoda->brakWierszy.toStdString());
}

QString TTabela_Form::ObliczRownowage()
{
    const long double krok = WartoscWpisana(edtKrok->text());
    if (rodzaj_ == RodzajTabeli::Izoterma && !(krok > 0.0L))
        throw EOdmowaTabeli(ZlyKrok.toStdString());
    // Results are only shown as the equilibrium window computes them now: never stale ones.
    if (!opis_.rownowaga)
        throw EOdmowaTabeli("Brak wyników obliczeń równowagi");
    sgTabela->UstawWiersze({}); // a failed computation leaves no earlier rows on view
    const QString ostrzezenie = opis_.rownowaga->ObliczRownowage(krok);
    const std::vector<QStringList> wiersze = WierszeRownowagi(rodzaj_);
    const QStringList naglowki = NaglowkiRownowagi(rodzaj_);
    for (int kolumna = 0; kolumna < naglowki.size(); ++kolumna)
        sgTabela->UstawKomorke(kolumna, 0, naglowki[kolumna]);
    sgTabela->UstawWiersze(wiersze);
    return ostrzezenie;
}

void TTabela_Form::ZakonczObliczenia()
{
    for (QPushButton* wykres : {btnWykres, btnWykres2})
        wykres->setEnabled(sgTabela->LiczbaWierszy() > 1);
    btnOblicz->setDefault(false);
    btnWykres->setDefault(true);
    AutoSizeCol(sgTabela, 0);
    AutoSizeCol(sgTabela, 1);
    for (int kolumna = 2; kolumna < sgTabela->LiczbaKolumn(); ++kolumna)
        DopasujKolumneDoLiczb(sgTabela, kolumna);
    DopasujNaglowek();
    DopasujSzerokoscOkna();
}

// At the first computation the window takes the grid's width; later it only grows, when the
// columns have grown past the grid.
void TTabela_Form::DopasujSzerokoscOkna()
{
    int potrzebna = ZapasSiatki;
    for (int kolumna = 0; kolumna < sgTabela->LiczbaKolumn(); ++kolumna)
        potrzebna += sgTabela->SzerokoscKolumny(kolumna);
    int szerokoscOkna = sgTabela->isHidden() ? SzerokoscPanelu + 3 * Odstep + potrzebna
                                             : width() + std::max(0, potrzebna - sgTabela->width());
    const QScreen* ekran = screen();
    if (ekran)
        szerokoscOkna = std::min(szerokoscOkna, ekran->availableGeometry().width());
    sgTabela->show();
    resize(szerokoscOkna, height());
    // A window that grew past the right edge of the screen moves left until it is whole on view.
    if (ekran) {
        const QRect dostepny = ekran->availableGeometry();
        const int wystaje = frameGeometry().right() - dostepny.right();
        if (wystaje > 0)
            move(std::max(dostepny.left(), x() - wystaje), y());
    }
}

// The header row is 36 pixels high, or as high as the longest wrapped header needs.
void TTabela_Form::DopasujNaglowek()
{
    int wysokosc = WysokoscNaglowka;
    for (int kolumna = 1; kolumna < sgTabela->LiczbaKolumn(); ++kolumna)
        wysokosc = std::max(wysokosc, sgTabela->WysokoscTekstuNaglowka(kolumna) + 2);
    sgTabela->UstawWysokoscNaglowka(wysokosc);
}

TFWykres* TTabela_Form::NowyWykres()
{
    auto* FWykres = new TFWykres(this);
    FWykres->Series1->Czysc();
    FWykres->Series2->Czysc();
    FWykres->Series2->UstawAktywna(false);
    return FWykres;
}

void TTabela_Form::PokazWykres(TFWykres* FWykres, const QString& tytulX, const QString& tytulY)
{
    std::unique_ptr<TFWykres> wlasciciel(FWykres);
    FWykres->TytulX = tytulX;
    FWykres->TytulY = tytulY;
    FWykres->Chart->OsDolna()->UstawTytul(FWykres->TytulX);
    FWykres->Chart->OsLewa()->UstawTytul(FWykres->TytulY);
    FWykres->Chart->UstawTytul({FWykres->TytulY + QStringLiteral(" = f{") + FWykres->TytulX + QStringLiteral("}")});
    FWykres->Series1->UstawAktywna(true);
    connect(FWykres, &TFWykres::Zamkniety, this, WSieci([this] {
        btnWykres->setDefault(false);
        btnOblicz->setDefault(true);
    }));
    UruchomModalnie(FWykres);
}

// Range table: the value over the argument. Equilibrium: T or P over x (red) and over y (blue).
void TTabela_Form::btnWykresClick()
{
    TFWykres* FWykres = nullptr;
    QString tytulX, tytulY;
    {
        const KursorOczekiwania klepsydra;
        FWykres = NowyWykres();
        const bool rownowaga = rodzaj_ != RodzajTabeli::Zakres;
        const int kolumnaX = rownowaga ? 2 : 1, kolumnaY = rownowaga ? 1 : 2;
        for (int w = 1; w < sgTabela->LiczbaWierszy(); ++w)
            FWykres->Series1->AddXY(LiczbaZKomorki(sgTabela, kolumnaX, w), LiczbaZKomorki(sgTabela, kolumnaY, w),
                                    KolorCzerwony);
        tytulX = sgTabela->Komorka(kolumnaX, 0);
        tytulY = sgTabela->Komorka(kolumnaY, 0);
        if (rownowaga) {
            FWykres->Series2->UstawAktywna(true);
            for (int w = 1; w < sgTabela->LiczbaWierszy(); ++w)
                FWykres->Series2->AddXY(LiczbaZKomorki(sgTabela, 3, w), LiczbaZKomorki(sgTabela, 1, w), KolorNiebieski);
            tytulX += QStringLiteral(", ") + sgTabela->Komorka(3, 0);
        }
    }
    PokazWykres(FWykres, tytulX, tytulY);
}

// The isotherm's y over x, with the diagonal.
void TTabela_Form::btnWykres2Click()
{
    TFWykres* FWykres = NowyWykres();
    FWykres->Series1->AddXY(0, 0, KolorCzerwony);
    FWykres->Series1->AddXY(1, 1, KolorCzerwony);
    FWykres->Series2->UstawAktywna(true);
    for (int w = 1; w < sgTabela->LiczbaWierszy(); ++w)
        FWykres->Series2->AddXY(LiczbaZKomorki(sgTabela, 2, w), LiczbaZKomorki(sgTabela, 3, w), KolorNiebieski);
    PokazWykres(FWykres, sgTabela->Komorka(2, 0), sgTabela->Komorka(3, 0));
}

QStringList TTabela_Form::WierszeTekstu() const
{
    QStringList wiersze;
    for (int w = 0; w < sgTabela->LiczbaWierszy(); ++w) {
        QString wiersz;
        for (int k = 0; k < sgTabela->LiczbaKolumn(); ++k)
            wiersz += QLatin1Char('\t') + sgTabela->Komorka(k, w);
        wiersze << wiersz;
    }
    return wiersze;
}

// Tab-separated lines in code page 1250 with CR LF, every column of the table. The old file stays
// whole when writing fails.
void TTabela_Form::Zapisztabel1Click()
{
    const QString plik = WybierzPlikDoZapisu(this, QStringLiteral("Zapisz tabelę jako:"), QStringLiteral("Pliki tekstowe (*.txt)"));
    if (plik.isEmpty())
        return;
    QByteArray dane;
    for (const QString& wiersz : WierszeTekstu())
        dane += QByteArray::fromStdString(UnicodeToCp1250(wiersz)) + "\r\n";
    QSaveFile zapis(plik);
    if (!(zapis.open(QIODevice::WriteOnly) && zapis.write(dane) == dane.size() && zapis.commit()))
        PokazKomunikat(QStringLiteral("Nie udało się zapisać tabeli do pliku %1.").arg(plik), RodzajKomunikatu::Blad,
                       QMessageBox::Ok, this);
}

void TTabela_Form::Drukujtabel1Click()
{
    const QStringList wiersze = WierszeTekstu();
    DrukujNaDomyslnejDrukarce(QStringLiteral("Tabela"), [&wiersze](QPainter& malarz, const QRect& strona) {
        RysujWiersze(malarz, strona, wiersze);
    });
}

void TTabela_Form::keyPressEvent(QKeyEvent* zdarzenie)
{
    if (zdarzenie->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(zdarzenie);
}

void AutoSizeCol(TSiatkaTekstowa* siatka, int kolumna)
{
    siatka->UstawSzerokoscKolumny(kolumna, SzerokoscTekstu(siatka, kolumna, 0));
}

void OtworzTabele(const TOpisTabeli& opis)
{
    auto okno = std::make_unique<TTabela_Form>();
    okno->Opisz(opis);
    WysrodkujNaPulpicie(okno.get());
    UruchomModalnie(okno.get());
}
