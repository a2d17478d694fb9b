#include "Baza.h"

#include "Dialogs.h"
#include "DostepDoKarty.h"
#include "GrupaRadiowa.h"
#include "Karta.h"
#include "KartaZwiazku.h"
#include "O_Programie.h"
#include "ObslugaZdarzen.h"
#include "PrzegladarkaPomocy.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>

TBaza_Form* Baza_Form = nullptr;

void UstawHint(QWidget* kontrolka, const QString& hint)
{
    const qsizetype kreska = hint.indexOf(QLatin1Char('|'));
    kontrolka->setToolTip(kreska < 0 ? hint : hint.left(kreska));
    kontrolka->setStatusTip(kreska < 0 ? hint : hint.mid(kreska + 1));
}

TBaza_Form::TBaza_Form(QWidget* rodzic) : QMainWindow(rodzic)
{
    setObjectName(QStringLiteral("Baza_Form"));
    karta = new TKartaZwiazku(this);
    ZarejestrujDostepDoKarty(this);
    ZarejestrujOtwieranieKorelacji(this);
    UtworzMenu();
    auto* srodek = new QWidget(this);
    auto* uklad = new QVBoxLayout(srodek);
    uklad->addWidget(UtworzPanelSzukania());
    uklad->addWidget(UtworzZakladki(), 1);
    setCentralWidget(srodek);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
    resize(1024, 700);
    WysrodkujNaPulpicie(this);
    PolaczKarte();
    FormCreate();
}

TBaza_Form::~TBaza_Form()
{
    WyrejestrujOtwieranieKorelacji(this);
    WyrejestrujDostepDoKarty(this);
}

void TBaza_Form::UtworzMenu()
{
    Plik1 = menuBar()->addMenu(QStringLiteral("Plik"));
    Plik1->setObjectName(QStringLiteral("Plik1"));
    QAction* zakoncz = Plik1->addAction(QStringLiteral("Wyjście z programu"), this, &TBaza_Form::Zakocz1Click);
    zakoncz->setObjectName(QStringLiteral("Zakocz1"));
    Jednostki1 = menuBar()->addMenu(QStringLiteral("Jednostki"));
    Jednostki1->setObjectName(QStringLiteral("Jednostki1"));
    QAction* si = Jednostki1->addAction(QStringLiteral("SI"), this, &TBaza_Form::SI1Click);
    si->setObjectName(QStringLiteral("SI1"));
    QAction* naCelsjusze = Jednostki1->addAction(QStringLiteral("Kelvin -> Celsjusz"), this, &TBaza_Form::KelvinCelsjuszClick);
    naCelsjusze->setObjectName(QStringLiteral("KelvinCelsjusz"));
    Pomoc1 = menuBar()->addMenu(QStringLiteral("Pomoc"));
    Pomoc1->setObjectName(QStringLiteral("Pomoc1"));
    QAction* pomoc = Pomoc1->addAction(QStringLiteral("Pomoc"), this, &TBaza_Form::N1Click);
    pomoc->setObjectName(QStringLiteral("N1"));
    QAction* oProgramie = Pomoc1->addAction(QStringLiteral("O programie"), this, &TBaza_Form::Oprogramie1Click);
    oProgramie->setObjectName(QStringLiteral("Oprogramie1"));
}

QTabWidget* TBaza_Form::UtworzZakladki()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    tsKarta = karta->StronaKarty();
    tsKartaCd = karta->StronaKartyCd();
    tsBazaDoswiadczalna = UtworzZakladkeDoswiadczalna();
    tsBazaPredykcyjna = UtworzZakladkePredykcyjna();
    PageControl1->addTab(tsKarta, QStringLiteral("Karta związku"));
    PageControl1->addTab(tsKartaCd, QStringLiteral("Karta związku c.d."));
    PageControl1->addTab(tsBazaDoswiadczalna, QStringLiteral("Baza doświadczalna"));
    PageControl1->addTab(tsBazaPredykcyjna, QStringLiteral("Baza predykcyjna"));
    return PageControl1;
}

void TBaza_Form::PolaczKarte()
{
    connect(karta, &TKartaZwiazku::wlaczeniePozycjiDoswiadczalnej, this, WSieci([this](int grupa, int pozycja, bool wlaczona) {
        UstawPozycjeGrupy(grupa == GrupaGaz ? rgExpGaz : rgExpCiecz, pozycja, wlaczona);
    }));
    connect(karta, &TKartaZwiazku::wybranoPozycjeDoswiadczalna, this, WSieci([this](int grupa, int pozycja) { WybranoZKarty(grupa, pozycja); }));
}

// A property label of the card: its correlation on the experimental tab.
void TBaza_Form::WybranoZKarty(int grupa, int pozycja)
{
    PageControl1->setCurrentWidget(tsBazaDoswiadczalna);
    (grupa == GrupaGaz ? rgExpGaz : rgExpCiecz)->UstawItemIndex(pozycja);
    btnExpDalejClick();
}

std::optional<long double> TBaza_Form::LepkoscNasyceniaZKorelacji(long double Tnas)
{
    // Choosing the liquid item clears the gas group, as a click does.
    rgExpCiecz->UstawItemIndex(PozycjaLepkosciCieczy);
    return OtworzKorelacje(-1, PozycjaLepkosciCieczy, Tnas);
}

void TBaza_Form::FormCreate()
{
    setWindowTitle(TytulOknaGlownego);
    WypelnijListy();
}

void TBaza_Form::showEvent(QShowEvent* zdarzenie)
{
    QMainWindow::showEvent(zdarzenie);
    FormShow();
}

void TBaza_Form::FormShow()
{
    cbZnajdzZwiazek->setFocus();
}

void TBaza_Form::closeEvent(QCloseEvent* zdarzenie)
{
    QMainWindow::closeEvent(zdarzenie);
    QApplication::quit();
}

void TBaza_Form::PraWybory()
{
    PoleSzukania pole{};
    if (QComboBox* zFokusem = ListaZFokusem(pole))
        for (QComboBox* lista : {cbZnajdzZwiazek, cbSearchCompound, cbZnajdzWzor, cbCAS})
            if (lista != zFokusem) {
                const QSignalBlocker blokada(lista);
                lista->setCurrentIndex(-1);
            }
    UkryjWybory();
    CzyscKarte(); // also hides and clears the structural-formula picture
    CzyscRekordYaws();
}

// After a mixture or equilibrium window no substance is loaded, so no list shows one either.
void TBaza_Form::PoOknieMieszaniny()
{
    PraWybory();
    for (QComboBox* lista : {cbZnajdzZwiazek, cbSearchCompound, cbZnajdzWzor, cbCAS}) {
        const QSignalBlocker blokada(lista);
        lista->setCurrentIndex(-1);
        lista->setEditText(QString());
    }
}

bool TBaza_Form::event(QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::StatusTip) {
        PokazHint(static_cast<QStatusTipEvent*>(zdarzenie)->tip());
        return true;
    }
    return QMainWindow::event(zdarzenie);
}

void TBaza_Form::PokazHint(const QString& hint)
{
    StatusBar1->showMessage(hint);
}

void TBaza_Form::DoHint(QWidget* kontrolka)
{
    const QPoint punkt = kontrolka->mapToGlobal(QPoint(1, 1));
    QCursor::setPos(punkt);
    QToolTip::showText(punkt, kontrolka->toolTip(), kontrolka);
    PokazHint(kontrolka->statusTip());
}

void TBaza_Form::WypelnijKarte()
{
    karta->Wypelnij();
}

void TBaza_Form::CzyscKarte()
{
    karta->Czysc();
    Znaleziono = false;
    setWindowTitle(TytulOknaGlownego);
}

void TBaza_Form::PokazNumerCAS(const QString& cas)
{
    cbCAS->setEditText(cas);
}

void TBaza_Form::N1Click()
{
    PokazPlikPomocy(PlikPomocy);
}

void TBaza_Form::Oprogramie1Click()
{
    TO_programie_Form okno;
    UruchomModalnie(&okno);
}

void TBaza_Form::Zakocz1Click()
{
    QApplication::quit();
}

void TBaza_Form::SI1Click()
{
    karta->SI1Click();
}

void TBaza_Form::KelvinCelsjuszClick()
{
    karta->KelvinCelsjuszClick();
}
