#include "Baza.h"

#include "BazaDoswiadczalna.h"
#include "Cp1250.h"
#include "CzytnikRtf.h"
#include "Dialogs.h"
#include "FloatText.h"
#include "GrupaRadiowa.h"
#include "Karta.h"
#include "KartaZwiazku.h"
#include "ListaZwiazkow.h"
#include "NaKoncu.h"
#include "Kontrolka.h"
#include "KorelacjeTemperaturowe.h"
#include "LiczenieAtomow.h"
#include "O_Programie.h"
#include "ObslugaZdarzen.h"
#include "PolishText.h"
#include "PrzegladarkaPomocy.h"
#include "RejestrOkienMetod.h"
#include "WzorySzukaj.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <functional>

TBaza_Form* Baza_Form = nullptr;

namespace {

const QString HintZapisuWzoru = QStringLiteral("Zapis alfabetyczny, węgiel na pierwszym miejscu");

const QString BrakZwiazku = QStringLiteral("Nie ma takiego związku, spróbuj pod inną nazwą");

// Index of the first item equal to the text (case ignored), -1 when there is none.
int PierwszaRowna(const QComboBox* lista, const QString& tekst)
{
    for (int i = 0; i < lista->count(); ++i)
        if (RowneBezWielkosciLiter(lista->itemText(i), tekst))
            return i;
    return -1;
}

QComboBox* NowaListaSzukania(const QString& nazwa, const QString& hint, QWidget* rodzic)
{
    auto* lista = UtworzListeZwiazkow(nazwa, rodzic);
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

constexpr int SzerokoscGrupyNadrzednej = 312;

const QString NieokreslonyBlad = QStringLiteral("Nieokreślony błąd");
const QString MetodaDlaPierwiastka = QStringLiteral("Metoda nie stosuje się do pierwiastków ");
const QString HintMetodyRacketta = QStringLiteral("|Metoda Racketta");
constexpr int PozycjaRacketta = 0;

QStringList Podpisy(const std::vector<const char*>& teksty)
{
    QStringList podpisy;
    for (const char* tekst : teksty)
        podpisy << QString::fromUtf8(tekst);
    return podpisy;
}

QStringList Podpisy(const std::vector<PozycjaMetody>& pozycje)
{
    QStringList podpisy;
    for (const PozycjaMetody& pozycja : pozycje)
        podpisy << QString::fromUtf8(pozycja.podpis);
    return podpisy;
}

const GrupaMetod* OpisGrupy(const QString& nazwa)
{
    for (const GrupaMetod& grupa : GrupyMetod())
        if (nazwa == QLatin1String(grupa.nazwa))
            return &grupa;
    return nullptr;
}

const GrupaNadrzedna* OpisGrupyNadrzednej(const QString& nazwa)
{
    for (const GrupaNadrzedna& grupa : GrupyNadrzedne())
        if (nazwa == QLatin1String(grupa.nazwa))
            return &grupa;
    return nullptr;
}

// The property-estimation window while it runs and waits for the saturated-liquid viscosity.
QWidget* OtwarteOknoEstymacjiWlasnosci()
{
    for (QWidget* okno : QApplication::topLevelWidgets())
        if (okno->objectName() == QLatin1String("EstymacjaWlasnosciFrm") && okno->isVisible())
            return okno;
    return nullptr;
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
    resize(1024, 700);
    WysrodkujNaPulpicie(this);
    PolaczKarte();
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
    // Formula and CAS are typed as they are.
    for (QComboBox* lista : {cbZnajdzWzor, cbCAS})
        lista->setValidator(nullptr);
    for (QComboBox* lista : {cbZnajdzZwiazek, cbSearchCompound, cbZnajdzWzor, cbCAS}) {
        lista->installEventFilter(this);
        // Only the user's changes: the lists changed by code run no handler.
        connect(lista->lineEdit(), &QLineEdit::textEdited, this, WSieci([this] { PraWybory(); }));
        connect(lista, &QComboBox::activated, this, WSieci([this] { PraWybory(); }));
    }

    sbSzukaj = new QToolButton(gbZnajdzZwiazek);
    sbSzukaj->setObjectName(QStringLiteral("sbSzukaj"));
    sbSzukaj->setText(QStringLiteral("Wczytaj\ndane"));
    sbSzukaj->setFocusPolicy(Qt::NoFocus);
    sbSzukaj->setMinimumSize(72, 56);
    connect(sbSzukaj, &QToolButton::clicked, this, WSieci([this] { sbSzukajClick(); }));

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
    tsBazaDoswiadczalna = UtworzZakladkeDoswiadczalna();
    tsBazaPredykcyjna = UtworzZakladkePredykcyjna();
    PageControl1->addTab(tsKarta, QStringLiteral("Karta związku"));
    PageControl1->addTab(tsKartaCd, QStringLiteral("Karta związku c.d."));
    PageControl1->addTab(tsBazaDoswiadczalna, QStringLiteral("Baza doświadczalna"));
    PageControl1->addTab(tsBazaPredykcyjna, QStringLiteral("Baza predykcyjna"));
    return PageControl1;
}

QPushButton* TBaza_Form::UtworzPrzyciskOK(const QString& nazwa)
{
    auto* przycisk = new QPushButton(QStringLiteral("OK"));
    przycisk->setObjectName(nazwa);
    przycisk->setMinimumWidth(96);
    przycisk->hide();
    return przycisk;
}

QWidget* TBaza_Form::UtworzZakladkeDoswiadczalna()
{
    QWidget* strona = Utworz<QWidget>(QStringLiteral("tsBazaDoswiadczalna"));
    rgExpGaz = new TGrupaRadiowa(QStringLiteral("rgExpGaz"), QStringLiteral("GAZ"), PozycjeGaz(), strona);
    rgExpCiecz = new TGrupaRadiowa(QStringLiteral("rgExpCiecz"), QStringLiteral("CIECZ"), PozycjeCiecz(), strona);
    btnExpDalej = UtworzPrzyciskOK(QStringLiteral("btnExpDalej"));
    connect(rgExpGaz, &TGrupaRadiowa::Click, this, WSieci([this] { rgExpGazClick(); }));
    connect(rgExpCiecz, &TGrupaRadiowa::Click, this, WSieci([this] { rgExpCieczClick(); }));
    connect(btnExpDalej, &QPushButton::clicked, this, WSieci([this] { btnExpDalejClick(); }));

    auto* grupy = new QHBoxLayout;
    for (TGrupaRadiowa* grupa : {rgExpGaz, rgExpCiecz}) {
        grupa->setFixedWidth(SzerokoscGrupyNadrzednej);
        grupy->addWidget(grupa, 0, Qt::AlignTop);
    }
    grupy->addStretch(1);
    auto* uklad = new QVBoxLayout(strona);
    uklad->addLayout(grupy);
    uklad->addStretch(1);
    uklad->addWidget(btnExpDalej, 0, Qt::AlignRight);
    return strona;
}

QWidget* TBaza_Form::UtworzZakladkePredykcyjna()
{
    QWidget* strona = Utworz<QWidget>(QStringLiteral("tsBazaPredykcyjna"));
    btnObliczEstParam = UtworzPrzyciskOK(QStringLiteral("btnObliczEstParam"));
    btnObliczEstWlasnosc = UtworzPrzyciskOK(QStringLiteral("btnObliczEstWlasnosc"));
    btnObliczMieszanine = UtworzPrzyciskOK(QStringLiteral("btnObliczMieszanine"));
    btnRownowaga = UtworzPrzyciskOK(QStringLiteral("btnRownowaga"));
    connect(btnObliczEstParam, &QPushButton::clicked, this, WSieci([this] { btnObliczEstParamClick(); }));
    connect(btnObliczEstWlasnosc, &QPushButton::clicked, this, WSieci([this] { btnObliczEstWlasnoscClick(); }));
    connect(btnObliczMieszanine, &QPushButton::clicked, this, WSieci([this] { btnObliczMieszanineClick(); }));
    connect(btnRownowaga, &QPushButton::clicked, this, WSieci([this] { btnRownowagaClick(); }));

    PageControl2 = new QTabWidget(strona);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->addTab(UtworzZakladkeMetod(ZakladkaMetod::Parametry, btnObliczEstParam), QStringLiteral("Parametry krytyczne"));
    PageControl2->addTab(UtworzZakladkeMetod(ZakladkaMetod::Wlasnosci, btnObliczEstWlasnosc), QStringLiteral("Właściwości"));
    PageControl2->addTab(UtworzZakladkeMetod(ZakladkaMetod::Mieszaniny, btnObliczMieszanine), QStringLiteral("Mieszaniny"));
    PageControl2->addTab(UtworzZakladkeMetod(ZakladkaMetod::Rownowaga, btnRownowaga), QStringLiteral("Równowaga ciecz-para"));
    rgEstParam = Grupa(QStringLiteral("rgEstParam"));
    rgEstWlas = Grupa(QStringLiteral("rgEstWlas"));
    rgMixGaz = Grupa(QStringLiteral("rgMixGaz"));
    rgMixCiecz = Grupa(QStringLiteral("rgMixCiecz"));
    rgRownowaga = Grupa(QStringLiteral("rgRownowaga"));
    auto* uklad = new QVBoxLayout(strona);
    uklad->addWidget(PageControl2);
    return strona;
}

// A tab of the prediction tab: its parent groups on the left, its method groups stacked at one
// place on the right (one shows at a time), and its OK button. What shows only after a choice is
// hidden before the layout first measures it.
QWidget* TBaza_Form::UtworzZakladkeMetod(ZakladkaMetod zakladka, QPushButton* ok)
{
    auto* strona = new QWidget;
    auto* lewa = new QVBoxLayout;
    for (const GrupaNadrzedna& opis : GrupyNadrzedne()) {
        if (opis.zakladka != zakladka)
            continue;
        auto* grupa = new TGrupaRadiowa(QString::fromLatin1(opis.nazwa), QString::fromUtf8(opis.podpis), Podpisy(opis.pozycje), strona);
        grupa->setFixedWidth(SzerokoscGrupyNadrzednej);
        connect(grupa, &TGrupaRadiowa::Click, this, WSieci([this, grupa] { GrupaNadrzednaClick(grupa); }));
        grupyMetod_[grupa->objectName()] = grupa;
        lewa->addWidget(grupa);
    }
    lewa->addStretch(1);

    auto* prawa = new QVBoxLayout;
    for (const GrupaMetod& opis : GrupyMetod()) {
        if (opis.zakladka != zakladka)
            continue;
        auto* grupa = new TGrupaRadiowa(QString::fromLatin1(opis.nazwa), QString::fromUtf8(opis.podpis), Podpisy(opis.pozycje), strona);
        grupa->hide();
        grupyMetod_[grupa->objectName()] = grupa;
        prawa->addWidget(grupa);
        if (grupa->objectName() == QLatin1String("rgTc"))
            connect(grupa, &TGrupaRadiowa::Click, this, WSieci([this] { rgTcClick(); }));
        else if (grupa->objectName() == QLatin1String("rgGestC"))
            connect(grupa, &TGrupaRadiowa::Click, this, WSieci([this] { rgGestCClick(); }));
        else
            connect(grupa, &TGrupaRadiowa::Click, this, WSieci([this, grupa] { MetodaClick(grupa); }));
    }
    if (zakladka == ZakladkaMetod::Parametry) {
        reOpisMetody = new QTextEdit(strona);
        reOpisMetody->setObjectName(QStringLiteral("reOpisMetody"));
        reOpisMetody->setReadOnly(true);
        reOpisMetody->hide();
        prawa->addWidget(reOpisMetody, 1);
    }
    prawa->addStretch(0); // takes the room the description leaves
    prawa->addWidget(ok, 0, Qt::AlignRight);

    auto* uklad = new QHBoxLayout(strona);
    uklad->addLayout(lewa);
    uklad->addLayout(prawa, 1);
    return strona;
}

TGrupaRadiowa* TBaza_Form::Grupa(const QString& nazwa) const
{
    auto grupa = grupyMetod_.find(nazwa);
    return grupa == grupyMetod_.end() ? nullptr : grupa->second;
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
        UruchomWSieci([&] { cbSzukajKeyDown(klawisz); });
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
    rgExpGaz->UstawItemIndex(-1);
    rgExpCiecz->UstawItemIndex(-1);
    btnExpDalej->hide();
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
    rekordZwiazku_ = RekordYaws;
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
    UkryjWybory();
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

// ---- Method choice ----

QPushButton* TBaza_Form::PrzyciskZakladki(ZakladkaMetod zakladka) const
{
    switch (zakladka) {
    case ZakladkaMetod::Parametry: return btnObliczEstParam;
    case ZakladkaMetod::Wlasnosci: return btnObliczEstWlasnosc;
    case ZakladkaMetod::Mieszaniny: return btnObliczMieszanine;
    case ZakladkaMetod::Rownowaga: break;
    }
    return btnRownowaga;
}

// Every choice cleared, every method group, the description and every OK button hidden.
void TBaza_Form::UkryjWybory()
{
    rgExpGaz->UstawItemIndex(-1);
    rgExpCiecz->UstawItemIndex(-1);
    for (auto& [nazwa, grupa] : grupyMetod_) {
        grupa->UstawItemIndex(-1);
        if (OpisGrupy(nazwa))
            grupa->hide();
    }
    reOpisMetody->hide();
    for (QPushButton* ok : {btnExpDalej, btnObliczEstParam, btnObliczEstWlasnosc, btnObliczMieszanine, btnRownowaga})
        ok->hide();
}

// Clears the choice of the tab's method groups, except the named ones.
void TBaza_Form::CzyscGrupy(ZakladkaMetod zakladka, std::initializer_list<const char*> pominiete)
{
    for (const GrupaMetod& opis : GrupyMetod()) {
        const bool pominieta = std::any_of(pominiete.begin(), pominiete.end(),
                                           [&opis](const char* nazwa) { return qstrcmp(nazwa, opis.nazwa) == 0; });
        if (opis.zakladka == zakladka && !pominieta)
            Grupa(QString::fromLatin1(opis.nazwa))->UstawItemIndex(-1);
    }
}

// A parent group: only the method group of its chosen item shows, with no method chosen.
void TBaza_Form::GrupaNadrzednaClick(TGrupaRadiowa* nadrzedna)
{
    const GrupaNadrzedna* opis = OpisGrupyNadrzednej(nadrzedna->objectName());
    for (const GrupaMetod& metody : GrupyMetod())
        if (metody.zakladka == opis->zakladka) {
            TGrupaRadiowa* grupa = Grupa(QString::fromLatin1(metody.nazwa));
            grupa->UstawItemIndex(-1);
            grupa->hide();
        }
    for (const GrupaNadrzedna& inna : GrupyNadrzedne())
        if (inna.zakladka == opis->zakladka && &inna != opis)
            Grupa(QString::fromLatin1(inna.nazwa))->UstawItemIndex(-1);
    PrzyciskZakladki(opis->zakladka)->hide();
    if (opis->zakladka == ZakladkaMetod::Parametry)
        reOpisMetody->hide();
    if (opis->zakladka == ZakladkaMetod::Wlasnosci)
        UstawHint(Grupa(QStringLiteral("rgGestC")), QString());
    Grupa(QString::fromLatin1(opis->grupy.at(nadrzedna->ItemIndex())))->show();
}

// A method group: its code goes to KodMetody and the tab's OK button shows, on the parameter and
// property tabs only while a substance is loaded (the diffusion methods need none).
void TBaza_Form::MetodaClick(TGrupaRadiowa* grupa)
{
    const GrupaMetod* opis = OpisGrupy(grupa->objectName());
    KodMetody = QString::fromLatin1(opis->pozycje.at(grupa->ItemIndex()).kod);
    const bool potrzebnyZwiazek = (opis->zakladka == ZakladkaMetod::Parametry || opis->zakladka == ZakladkaMetod::Wlasnosci)
                                  && grupa->objectName() != QLatin1String("rgDyf");
    PrzyciskZakladki(opis->zakladka)->setVisible(Znaleziono || !potrzebnyZwiazek);
}

void TBaza_Form::rgGestCClick()
{
    TGrupaRadiowa* rgGestC = Grupa(QStringLiteral("rgGestC"));
    UstawHint(rgGestC, rgGestC->ItemIndex() == PozycjaRacketta ? HintMetodyRacketta : QString());
    MetodaClick(rgGestC);
}

void TBaza_Form::rgTcClick()
{
    TGrupaRadiowa* rgTc = Grupa(QStringLiteral("rgTc"));
    reOpisMetody->clear();
    reOpisMetody->hide();
    MetodaClick(rgTc);
    const int pozycja = rgTc->ItemIndex();
    PokazOpisMetody(OpisyMetodTc().at(pozycja), WierszeBrakujacychDanych(pozycja, RekordYaws));
}

// A missing file shows nothing and says nothing.
void TBaza_Form::PokazOpisMetody(const OpisMetody& opis, const QStringList& pierwszeWiersze)
{
    QFile plik(opis.plik);
    if (!plik.open(QIODevice::ReadOnly))
        return;
    const QByteArray tresc = plik.readAll();
    if (opis.rtf)
        reOpisMetody->setHtml(RtfNaHtml(tresc));
    else
        reOpisMetody->setPlainText(QString::fromUtf8(tresc));
    QTextCursor kursor(reOpisMetody->document());
    for (auto wiersz = pierwszeWiersze.crbegin(); wiersz != pierwszeWiersze.crend(); ++wiersz) {
        kursor.movePosition(QTextCursor::Start);
        kursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        kursor.movePosition(QTextCursor::Start);
        kursor.insertText(*wiersz, QTextCharFormat());
    }
    reOpisMetody->show();
}

void TBaza_Form::rgExpGazClick()
{
    KodGaz = KodyGaz[rgExpGaz->ItemIndex()];
    KodCiecz = ' ';
    rgExpCiecz->UstawItemIndex(-1);
    btnExpDalej->setVisible(Znaleziono);
}

void TBaza_Form::rgExpCieczClick()
{
    KodCiecz = KodyCiecz[rgExpCiecz->ItemIndex()];
    KodGaz = ' ';
    rgExpGaz->UstawItemIndex(-1);
    btnExpDalej->setVisible(Znaleziono || rgExpCiecz->ItemIndex() == PozycjaGestosciMieszanin);
}

// ---- Dispatch ----

void TBaza_Form::PrzywrocRekord()
{
    if (Znaleziono)
        RekordYaws = rekordZwiazku_;
}

// Hides the main window while the window of the code runs modally, frees it, shows the main
// window again and puts the substance's record back. A code whose window is not available only
// says so.
bool TBaza_Form::UruchomOknoMetody(const QString& kod, bool ukryjOkno)
{
    if (!OknoMetodyDostepne(kod)) {
        PokazKomunikat(MetodaNiedostepna);
        return false;
    }
    if (ukryjOkno)
        hide();
    const NaKoncu powrot([this, ukryjOkno] {
        if (ukryjOkno)
            show();
        PrzywrocRekord();
    });
    QPointer<QWidget> okno = UtworzOknoMetody(kod);
    UruchomModalnie(okno);
    delete okno;
    return true;
}

// Runs the window of KodMetody when one of the tab's methods chose it (any other code opens
// nothing); false when its window is not available.
bool TBaza_Form::UruchomMetodeZakladki(ZakladkaMetod zakladka)
{
    const QString kod = KodMetody;
    if (ZakladkaKodu(kod) != zakladka)
        return true;
    if (kod == KodCieplaSpalania) {
        PrzygotujDelHc();
        return OknoMetodyDostepne(kod);
    }
    return UruchomOknoMetody(kod);
}

void TBaza_Form::btnObliczEstParamClick()
{
    if (!UruchomMetodeZakladki(ZakladkaMetod::Parametry))
        return;
    CzyscGrupy(ZakladkaMetod::Parametry);
    btnObliczEstParam->hide();
}

void TBaza_Form::btnObliczEstWlasnoscClick()
{
    if (!UruchomMetodeZakladki(ZakladkaMetod::Wlasnosci))
        return;
    CzyscGrupy(ZakladkaMetod::Wlasnosci, {"rgDyf"});
}

void TBaza_Form::btnObliczMieszanineClick()
{
    if (UruchomMetodeZakladki(ZakladkaMetod::Mieszaniny))
        PraWybory();
}

void TBaza_Form::btnRownowagaClick()
{
    const bool wybrana = Grupa(QStringLiteral("rgIzobara"))->ItemIndex() >= 0
                         || Grupa(QStringLiteral("rgIzoterma"))->ItemIndex() >= 0;
    if (wybrana && !UruchomMetodeZakladki(ZakladkaMetod::Rownowaga))
        return;
    show();
    PraWybory();
}

void TBaza_Form::btnExpDalejClick()
{
    const int gaz = rgExpGaz->ItemIndex();
    const int ciecz = rgExpCiecz->ItemIndex();
    if (gaz >= 0 || (ciecz >= 0 && ciecz != PozycjaGestosciMieszanin))
        OtworzKorelacje(gaz, ciecz);
    if (ciecz == PozycjaGestosciMieszanin) {
        KodMetody = KodGestosciMieszanin;
        if (UruchomOknoMetody(KodGestosciMieszanin, false))
            PraWybory();
    }
}

// The experimental-correlation window of the chosen item. Asked for by the liquid viscosity under
// pressure while its window runs, it hands the saturated-liquid viscosity back there and the main
// window stays hidden.
void TBaza_Form::OtworzKorelacje(int gaz, int ciecz)
{
    QWidget* oknoEstymacji = KodMetody == KodLepkosciPodCisnieniem ? OtwarteOknoEstymacjiWlasnosci() : nullptr;
    // The codes follow the chosen item (they are blanked after every run).
    KodGaz = gaz >= 0 ? KodyGaz[gaz] : ' ';
    KodCiecz = gaz >= 0 ? ' ' : KodyCiecz[ciecz];
    PrzywrocRekord();
    const QString tytul = TytulKorelacji(gaz >= 0);
    hide();
    bool oddano = false;
    {
        const NaKoncu powrot([this, oknoEstymacji] {
            KodGaz = KodCiecz = ' ';
            if (!oknoEstymacji)
                show();
            PrzywrocRekord();
        });
        TOblicz_gaz_ciecz_Form okno;
        okno.WczytajWybrana();
        okno.setWindowTitle(tytul);
        okno.adjustSize();
        WysrodkujNaPulpicie(&okno);
        UruchomModalnie(&okno);
        oddano = okno.OddanoLepkoscNasycenia();
    }
    if (oknoEstymacji && oddano)
        if (auto* lepkosc = oknoEstymacji->findChild<QLineEdit*>(QStringLiteral("edtLepNas")))
            lepkosc->setText(FloatToStr(LepkoscNasycenia));
}

// "Gaz:" or "Ciecz:", the name (English when the English list has the focus) and the formula.
QString TBaza_Form::TytulKorelacji(bool gaz)
{
    PoleSzukania pole{};
    const bool angielska = ListaZFokusem(pole) && pole == PoleSzukania::NazwaANG;
    return (gaz ? QStringLiteral("Gaz:      ") : QStringLiteral("Ciecz:      "))
           + Cp1250ToUnicode(angielska ? RekordYaws.NazwaANG : RekordYaws.NazwaPL) + QStringLiteral("       ")
           + Cp1250ToUnicode(RekordYaws.Wzor);
}

void TBaza_Form::PrzygotujDelHc()
{
    DelHf = 0.0L;
    DelHc = 0.0L;
    DelHfZnane = false;
    NazwaZwiazku = Cp1250ToUnicode(RekordYaws.NazwaPL.substr(0, 40));
    WzorZwiazku = Cp1250ToUnicode(RekordYaws.Wzor);
    if (Podano(RekordYaws.DelHfA) && Podano(RekordYaws.DelHfB) && Podano(RekordYaws.DelHfC)) {
        DelHf = ObliczDelHf(298.15L);
        DelHfZnane = true;
    }
    const WynikLiczeniaAtomow wynik = PoliczAtomy(RekordYaws.Wzor);
    const LiczbyAtomow& n = wynik.liczby;
    Nc = n.C;
    Nh = n.H;
    Nf = n.F;
    Ncl = n.Cl;
    Nbr = n.Br;
    Ni = n.I;
    Ns = n.S;
    Nx = 0;
    if (wynik.blad == BladWzoru::Nieokreslony) {
        PokazKomunikat(NieokreslonyBlad, RodzajKomunikatu::Ostrzezenie);
        QApplication::beep();
        return;
    }
    if (wynik.blad == BladWzoru::Pierwiastek) {
        PokazKomunikat(MetodaDlaPierwiastka, RodzajKomunikatu::Ostrzezenie);
        return;
    }
    TrybAtomow = !n.WszystkieZerowe();
    DelHcMinusDelHf = !TrybAtomow;
    UruchomOknoMetody(KodCieplaSpalania);
}
