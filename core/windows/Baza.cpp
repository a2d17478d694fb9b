#include "Baza.h"

#include "Cp1250.h"
#include "Dialogs.h"
#include "Karta.h"
#include "O_Programie.h"
#include "PolishText.h"
#include "PrzegladarkaPomocy.h"
#include "WzorySzukaj.h"
#include "Zmienne.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValidator>

TBaza_Form* Baza_Form = nullptr;

namespace {

const QString HintZapisuWzoru = QStringLiteral("Zapis alfabetyczny, węgiel na pierwszym miejscu");

// Typed letters a..z become A..Z in the name lists; other characters stay as typed.
class WielkieLiteryAscii : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& tekst, int&) const override
    {
        tekst = UpperAscii(tekst);
        return Acceptable;
    }
};

// The hourglass while the data file is walked.
class KursorOczekiwania {
public:
    KursorOczekiwania() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~KursorOczekiwania() { QApplication::restoreOverrideCursor(); }
    KursorOczekiwania(const KursorOczekiwania&) = delete;
    KursorOczekiwania& operator=(const KursorOczekiwania&) = delete;
};

const QString BrakZwiazku = QStringLiteral("Nie ma takiego związku, spróbuj pod inną nazwą");

// Index of the first item equal to the text (case ignored), -1 when there is none.
int PierwszaRowna(const QComboBox* lista, const QString& tekst)
{
    for (int i = 0; i < lista->count(); ++i)
        if (RowneBezWielkosciLiter(lista->itemText(i), tekst))
            return i;
    return -1;
}

// A search list. When it loses the focus, Qt selects the item its text names and reports that as
// a choice; that is not the user's change, so it runs no handler.
class ListaSzukaniaZwiazku : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void focusOutEvent(QFocusEvent* zdarzenie) override
    {
        const QSignalBlocker blokada(this);
        QComboBox::focusOutEvent(zdarzenie);
    }
};

QComboBox* NowaListaSzukania(const QString& nazwa, const QString& hint, QWidget* rodzic)
{
    auto* lista = new ListaSzukaniaZwiazku(rodzic);
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
    karta = new TKartaZwiazku(this);
    TKartaZwiazku::UstawKarteGlowna(karta);
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
    WysrodkujNaPulpicie(this);
    FormCreate();
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

QGroupBox* TBaza_Form::UtworzPanelSzukania()
{
    gbZnajdzZwiazek = new QGroupBox(QStringLiteral("Szukaj"), this);
    gbZnajdzZwiazek->setObjectName(QStringLiteral("gbZnajdzZwiazek"));
    cbZnajdzZwiazek = NowaListaSzukania(QStringLiteral("cbZnajdzZwiazek"), QStringLiteral("Wpisz polską nazwę związku"), gbZnajdzZwiazek);
    cbSearchCompound = NowaListaSzukania(QStringLiteral("cbSearchCompound"), QStringLiteral("Wpisz angielską nazwę związku"), gbZnajdzZwiazek);
    cbZnajdzWzor = NowaListaSzukania(QStringLiteral("cbZnajdzWzor"), QStringLiteral("Wpisz wzór związku"), gbZnajdzZwiazek);
    cbCAS = NowaListaSzukania(QStringLiteral("cbCAS"), QStringLiteral("Wpisz wzór związku"), gbZnajdzZwiazek);
    for (QComboBox* lista : {cbZnajdzZwiazek, cbSearchCompound})
        lista->setValidator(new WielkieLiteryAscii(lista));
    for (QComboBox* lista : {cbZnajdzZwiazek, cbSearchCompound, cbZnajdzWzor, cbCAS}) {
        lista->installEventFilter(this);
        // Only the user's changes: the lists changed by code run no handler.
        connect(lista->lineEdit(), &QLineEdit::textEdited, this, &TBaza_Form::PraWybory);
        connect(lista, &QComboBox::activated, this, &TBaza_Form::PraWybory);
    }

    sbSzukaj = new QToolButton(gbZnajdzZwiazek);
    sbSzukaj->setObjectName(QStringLiteral("sbSzukaj"));
    sbSzukaj->setText(QStringLiteral("Wczytaj\ndane"));
    sbSzukaj->setFocusPolicy(Qt::NoFocus);
    sbSzukaj->setMinimumSize(72, 56);
    connect(sbSzukaj, &QToolButton::clicked, this, &TBaza_Form::sbSzukajClick);

    pnlImgKarta = new QWidget(gbZnajdzZwiazek);
    pnlImgKarta->setObjectName(QStringLiteral("pnlImgKarta"));
    pnlImgKarta->setMinimumSize(180, 120);
    auto* ukladObrazu = new QVBoxLayout(pnlImgKarta);
    ukladObrazu->setContentsMargins(0, 0, 0, 0);
    ukladObrazu->addWidget(karta->ObrazKarty());

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
    tsKarta = karta->StronaKarty();
    tsKartaCd = karta->StronaKartyCd();
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
    WypelnijListy();
}

void TBaza_Form::WypelnijListy()
{
    const ListySzukania listy = ZbierzListySzukania();
    CzyscRekordYaws();
    const std::pair<QComboBox*, const QStringList*> wypelnienia[] = {
        {cbZnajdzZwiazek, &listy.NazwyPL}, {cbSearchCompound, &listy.NazwyANG},
        {cbZnajdzWzor, &listy.Wzory}, {cbCAS, &listy.NumeryCAS}};
    for (auto [lista, pozycje] : wypelnienia) {
        const QSignalBlocker blokada(lista);
        lista->addItems(*pozycje);
        lista->setCurrentIndex(-1);
    }
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

bool TBaza_Form::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::KeyPress && qobject_cast<QComboBox*>(obiekt)) {
        const int klawisz = static_cast<QKeyEvent*>(zdarzenie)->key();
        cbSzukajKeyDown(klawisz);
        return klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter;
    }
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

void TBaza_Form::cbSzukajKeyDown(int klawisz)
{
    CzyscKarte();
    if (klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter)
        sbSzukajClick();
}

void TBaza_Form::sbSzukajClick()
{
    szukaj();
}

QComboBox* TBaza_Form::ListaSzukania(PoleSzukania pole) const
{
    switch (pole) {
    case PoleSzukania::NazwaPL: return cbZnajdzZwiazek;
    case PoleSzukania::NazwaANG: return cbSearchCompound;
    case PoleSzukania::Wzor: return cbZnajdzWzor;
    case PoleSzukania::CAS: break;
    }
    return cbCAS;
}

// The list that holds the window's keyboard focus (kept also while another program is active).
QComboBox* TBaza_Form::ListaZFokusem(PoleSzukania& pole) const
{
    QWidget* fokus = focusWidget();
    for (PoleSzukania kandydat : {PoleSzukania::NazwaPL, PoleSzukania::NazwaANG, PoleSzukania::Wzor, PoleSzukania::CAS})
        if (fokus && (ListaSzukania(kandydat) == fokus || ListaSzukania(kandydat)->isAncestorOf(fokus))) {
            pole = kandydat;
            return ListaSzukania(kandydat);
        }
    return nullptr;
}

void TBaza_Form::szukaj()
{
    PoleSzukania pole{};
    QComboBox* lista = ListaZFokusem(pole);
    if (!lista)
        return;
    CzyscKarte();
    WybranoZListy = false;
    CzyscRekordYaws(); // stays empty unless a record is loaded below
    if (lista->currentText().isEmpty()) {
        DoHint(lista);
        return;
    }
    WynikSzukania wynik;
    {
        const KursorOczekiwania klepsydra;
        wynik = SzukajZwiazku(pole, lista->currentText());
    }
    if (wynik.WymagaWyboru) {
        if (!WybierzZListy(wynik.Kandydaci))
            return;
        wynik.Pozycja = ZnajdzPierwszyONazwie(wynik.PoleWyboru, WybranaNazwa);
        wynik.Znaleziono = wynik.Pozycja > 0;
    }
    if (wynik.Znaleziono)
        WczytajZnaleziony(wynik.Pozycja);
    else
        PokazKomunikat(BrakZwiazku);
}

bool TBaza_Form::WybierzZListy(const QStringList& kandydaci)
{
    if (!WzorySzukajForm)
        WzorySzukajForm = new TWzorySzukajForm(this);
    WzorySzukajForm->UstawKandydatow(kandydaci);
    UruchomModalnie(WzorySzukajForm);
    return WybranoZListy;
}

void TBaza_Form::WczytajZnaleziony(long long pozycja)
{
    if (!WczytajRekordYaws(pozycja))
        return;
    Znaleziono = true;
    ZaznaczNaListach();
    PoWczytaniuRekordu();
    setWindowTitle(QStringLiteral("QERN 2008 (v 8.0)    PL: ") + Cp1250ToUnicode(RekordYaws.NazwaPL) +
                   QStringLiteral("  UK: ") + Cp1250ToUnicode(RekordYaws.NazwaANG) +
                   QStringLiteral(" Wzór: ") + Cp1250ToUnicode(RekordYaws.Wzor));
}

// The lists show the loaded substance; changes made here run no change handler.
void TBaza_Form::ZaznaczNaListach()
{
    const std::pair<QComboBox*, QString> wartosci[] = {
        {cbZnajdzZwiazek, Cp1250ToUnicode(UpperAscii(RekordYaws.NazwaPL))},
        {cbSearchCompound, Cp1250ToUnicode(UpperAscii(RekordYaws.NazwaANG))},
        {cbZnajdzWzor, Cp1250ToUnicode(RekordYaws.Wzor)},
        {cbCAS, Cp1250ToUnicode(RekordYaws.CAS)}};
    for (const auto& [lista, wartosc] : wartosci) {
        const QSignalBlocker blokada(lista);
        lista->setCurrentIndex(PierwszaRowna(lista, wartosc));
    }
    const QSignalBlocker blokada(cbZnajdzWzor);
    cbZnajdzWzor->setEditText(Cp1250ToUnicode(RekordYaws.Wzor));
}

// The lists already show the substance, changed without running their change handler, which
// would clear the card again.
void TBaza_Form::PoWczytaniuRekordu()
{
    WypelnijKarte();
    karta->WlaczPolaPoWyszukaniu();
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
    CzyscKarte(); // also hides and clears the structural-formula picture
    CzyscRekordYaws();
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
    karta->Czysc();
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

void TBaza_Form::SI1Click()
{
    karta->SI1Click();
}

void TBaza_Form::KelvinCelsjuszClick()
{
    karta->KelvinCelsjuszClick();
}
