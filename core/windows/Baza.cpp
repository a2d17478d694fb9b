#include "Baza.h"

#include "Dialogs.h"
#include "O_Programie.h"
#include "PrzegladarkaPomocy.h"
#include "Zmienne.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

TBaza_Form* Baza_Form = nullptr;

namespace {

const QString HintZapisuWzoru = QStringLiteral("Zapis alfabetyczny, węgiel na pierwszym miejscu");

QComboBox* ListaSzukania(const QString& nazwa, const QString& hint, QWidget* rodzic)
{
    auto* lista = new QComboBox(rodzic);
    lista->setObjectName(nazwa);
    lista->setEditable(true);
    lista->setInsertPolicy(QComboBox::NoInsert);
    lista->setCompleter(nullptr);
    lista->setMaxVisibleItems(20);
    lista->setMinimumContentsLength(24);
    UstawHint(lista, hint);
    return lista;
}

QLabel* EtykietaListy(const QString& tekst, const QString& hint, QWidget* rodzic)
{
    auto* etykieta = new QLabel(tekst, rodzic);
    UstawHint(etykieta, hint);
    return etykieta;
}

QWidget* PustaStrona(const QString& nazwa, QWidget* rodzic)
{
    auto* strona = new QWidget(rodzic);
    strona->setObjectName(nazwa);
    new QVBoxLayout(strona);
    return strona;
}

} // namespace

void UstawHint(QWidget* kontrolka, const QString& hint)
{
    const qsizetype kreska = hint.indexOf(QLatin1Char('|'));
    kontrolka->setToolTip(kreska < 0 ? hint : hint.left(kreska));
    kontrolka->setStatusTip(kreska < 0 ? hint : hint.mid(kreska + 1));
}

TBaza_Form::TBaza_Form(QWidget* rodzic) : QMainWindow(rodzic)
{
    setObjectName(QStringLiteral("Baza_Form"));
    UtworzMenu();
    auto* srodek = new QWidget(this);
    auto* uklad = new QVBoxLayout(srodek);
    uklad->addWidget(UtworzPanelSzukania());
    uklad->addWidget(UtworzZakladki(), 1);
    setCentralWidget(srodek);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
    resize(860, 660);
    if (QScreen* ekran = QGuiApplication::primaryScreen())
        move(ekran->availableGeometry().center() - rect().center());
    FormCreate();
}

void TBaza_Form::UtworzMenu()
{
    Plik1 = menuBar()->addMenu(QStringLiteral("Plik"));
    Plik1->setObjectName(QStringLiteral("Plik1"));
    QAction* zakoncz = Plik1->addAction(QStringLiteral("Wyjście z programu"), this, &TBaza_Form::Zakocz1Click);
    zakoncz->setObjectName(QStringLiteral("Zakocz1"));
    Pomoc1 = menuBar()->addMenu(QStringLiteral("Pomoc"));
    Pomoc1->setObjectName(QStringLiteral("Pomoc1"));
    QAction* pomoc = Pomoc1->addAction(QStringLiteral("Pomoc"), this, &TBaza_Form::N1Click);
    pomoc->setObjectName(QStringLiteral("N1"));
    QAction* oProgramie = Pomoc1->addAction(QStringLiteral("O programie"), this, &TBaza_Form::Oprogramie1Click);
    oProgramie->setObjectName(QStringLiteral("Oprogramie1"));
}

QGroupBox* TBaza_Form::UtworzPanelSzukania()
{
    gbZnajdzZwiazek = new QGroupBox(QStringLiteral("Szukaj"), this);
    gbZnajdzZwiazek->setObjectName(QStringLiteral("gbZnajdzZwiazek"));
    cbZnajdzZwiazek = ListaSzukania(QStringLiteral("cbZnajdzZwiazek"), QStringLiteral("Wpisz polską nazwę związku"), gbZnajdzZwiazek);
    cbSearchCompound = ListaSzukania(QStringLiteral("cbSearchCompound"), QStringLiteral("Wpisz angielską nazwę związku"), gbZnajdzZwiazek);
    cbZnajdzWzor = ListaSzukania(QStringLiteral("cbZnajdzWzor"), QStringLiteral("Wpisz wzór związku"), gbZnajdzZwiazek);
    cbCAS = ListaSzukania(QStringLiteral("cbCAS"), QStringLiteral("Wpisz wzór związku"), gbZnajdzZwiazek);

    sbSzukaj = new QToolButton(gbZnajdzZwiazek);
    sbSzukaj->setObjectName(QStringLiteral("sbSzukaj"));
    sbSzukaj->setText(QStringLiteral("Wczytaj\ndane"));
    sbSzukaj->setFocusPolicy(Qt::NoFocus);
    sbSzukaj->setMinimumSize(72, 56);

    pnlImgKarta = new QWidget(gbZnajdzZwiazek);
    pnlImgKarta->setObjectName(QStringLiteral("pnlImgKarta"));
    pnlImgKarta->setMinimumSize(180, 120);
    new QVBoxLayout(pnlImgKarta);

    auto* siatka = new QGridLayout(gbZnajdzZwiazek);
    siatka->addWidget(EtykietaListy(QStringLiteral("Nazwa polska:"), HintZapisuWzoru, gbZnajdzZwiazek), 0, 0);
    siatka->addWidget(cbZnajdzZwiazek, 0, 1);
    siatka->addWidget(new QLabel(QStringLiteral("Nazwa angielska:"), gbZnajdzZwiazek), 1, 0);
    siatka->addWidget(cbSearchCompound, 1, 1);
    siatka->addWidget(EtykietaListy(QStringLiteral("Wzór sumaryczny:"), HintZapisuWzoru, gbZnajdzZwiazek), 2, 0);
    siatka->addWidget(cbZnajdzWzor, 2, 1);
    siatka->addWidget(EtykietaListy(QStringLiteral("CAS:"), HintZapisuWzoru, gbZnajdzZwiazek), 3, 0);
    siatka->addWidget(cbCAS, 3, 1);
    siatka->addWidget(sbSzukaj, 0, 2, 4, 1, Qt::AlignCenter);
    siatka->addWidget(pnlImgKarta, 0, 3, 4, 1);
    siatka->setColumnStretch(1, 1);
    siatka->setColumnStretch(3, 1);
    return gbZnajdzZwiazek;
}

QTabWidget* TBaza_Form::UtworzZakladki()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    tsKarta = PustaStrona(QStringLiteral("tsKarta"), PageControl1);
    tsKartaCd = PustaStrona(QStringLiteral("tsKartaCd"), PageControl1);
    tsBazaDoswiadczalna = PustaStrona(QStringLiteral("tsBazaDoswiadczalna"), PageControl1);
    tsBazaPredykcyjna = PustaStrona(QStringLiteral("tsBazaPredykcyjna"), PageControl1);
    PageControl1->addTab(tsKarta, QStringLiteral("Karta związku"));
    PageControl1->addTab(tsKartaCd, QStringLiteral("Karta związku c.d."));
    PageControl1->addTab(tsBazaDoswiadczalna, QStringLiteral("Baza doświadczalna"));
    PageControl1->addTab(tsBazaPredykcyjna, QStringLiteral("Baza predykcyjna"));
    return PageControl1;
}

void TBaza_Form::FormCreate()
{
    setWindowTitle(TytulOknaGlownego);
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

void TBaza_Form::CzyscKarte()
{
    Znaleziono = false;
    setWindowTitle(TytulOknaGlownego);
}

void TBaza_Form::N1Click()
{
    PokazPlikPomocy(PlikPomocy);
}

void TBaza_Form::Oprogramie1Click()
{
    O_programie_Form = new TO_programie_Form;
    UruchomModalnie(O_programie_Form);
    delete O_programie_Form;
    O_programie_Form = nullptr;
}

void TBaza_Form::Zakocz1Click()
{
    QApplication::quit();
}
