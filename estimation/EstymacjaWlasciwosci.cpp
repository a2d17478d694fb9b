// The property-estimation window's frame: its menu, the method area with the range, SI factor and
// compute rows below it, the showing of one method and the closing of the window.
#include "EstymacjaWlasciwosci.h"

#include "Cp1250.h"
#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "EstymacjaWlasciwosciPola.h"
#include "KartaZwiazku.h"
#include "Kontrolka.h"
#include "ListaZwiazkow.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"
#include "PrzyciskDomyslny.h"
#include "QzHtmlLabel2.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace OknoEstymacji;

namespace {

constexpr int Odstep = 4;   // between the window's parts
constexpr int Margines = 8; // method areas inside pnlMetody

} // namespace

TEstymacjaWlasnosciFrm::TEstymacjaWlasnosciFrm(QWidget* rodzic) : QMainWindow(rodzic)
{
    setObjectName(QStringLiteral("EstymacjaWlasnosciFrm"));
    setAttribute(Qt::WA_QuitOnClose, false);
    UtworzMenu();
    auto* srodek = new QWidget(this);
    auto* uklad = new QVBoxLayout(srodek);
    uklad->setSpacing(Odstep);
    uklad->setContentsMargins(Odstep, Odstep, Odstep, Odstep);
    uklad->addWidget(UtworzMetody());
    uklad->addWidget(UtworzPrzelicznik());
    uklad->addWidget(UtworzZakres());
    uklad->addWidget(UtworzOblicz());
    setCentralWidget(srodek);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the window follows its visible stack
    PolaczObsluge();
    EnterNaciskaDomyslny(this); // "Oblicz"
    ZadnaMetoda();
}

void TEstymacjaWlasnosciFrm::UtworzMenu()
{
    QMenu* plik = menuBar()->addMenu(QStringLiteral("&Plik"));
    Zamknij1 = plik->addAction(QStringLiteral("Zam&knij"));
    Zamknij1->setObjectName(QStringLiteral("Zamknij1"));
    Wyjscie1 = plik->addAction(QStringLiteral("&Wyjście z programu"));
    Wyjscie1->setObjectName(QStringLiteral("Wyjscie1"));
    connect(Zamknij1, &QAction::triggered, this, WSieci([this](auto&&...) { close(); }));
    connect(Wyjscie1, &QAction::triggered, this, WSieci([](auto&&...) { QApplication::quit(); }));
}

QWidget* TEstymacjaWlasnosciFrm::UtworzMetody()
{
    pnlMetody = Utworz<QWidget>(QStringLiteral("pnlMetody"), this);
    pcEstWlas = Utworz<QStackedWidget>(QStringLiteral("pcEstWlas"), pnlMetody);
    UtworzStronyOpisu();
    UtworzStronyGestosci();
    UtworzPanelChunga2();
    UtworzPanelLucasa();
    UtworzPanelTyna();
    pnlChung2Gestosc = new TPanelScisliwosci(pnlMetody);
    UstawWysokoscMetod(WysokoscMetod);
    return pnlMetody;
}

QGroupBox* TEstymacjaWlasnosciFrm::UtworzPrzelicznik()
{
    gbxSI = Utworz<QGroupBox>(QStringLiteral("gbxSI"), QStringLiteral("Przelicznik na SI"), this);
    gbxSI->setFixedSize(Szerokosc, 56);
    edtSI = PoleWynikuStrony(QStringLiteral("edtSI"), gbxSI);
    edtSI->setGeometry((Szerokosc - SzerokoscPola) / 2, 24, SzerokoscPola, WysokoscPola);
    return gbxSI;
}

QGroupBox* TEstymacjaWlasnosciFrm::UtworzZakres()
{
    gbxZakres = Utworz<QGroupBox>(QStringLiteral("gbxZakres"), QStringLiteral("Zakres stosowalności"), this);
    gbxZakres->setFixedSize(Szerokosc, 56);
    edtTmin = PoleWynikuStrony(QStringLiteral("edtTmin"), gbxZakres);
    edtTmax = PoleWynikuStrony(QStringLiteral("edtTmax"), gbxZakres);
    int x = Szerokosc / 2 - 250;
    for (auto [podpis, pole] : {std::pair{"Tmin  [K]", edtTmin}, std::pair{"Tmax  [K]", edtTmax}}) {
        auto* etykieta = new QLabel(QString::fromLatin1(podpis), gbxZakres);
        etykieta->setGeometry(x, 24, 70, WysokoscPola);
        pole->setGeometry(x + 70, 24, SzerokoscPola, WysokoscPola);
        x += 300;
    }
    return gbxZakres;
}

QWidget* TEstymacjaWlasnosciFrm::UtworzOblicz()
{
    pnlOblicz = Utworz<QWidget>(QStringLiteral("pnlOblicz"), this);
    pnlOblicz->setFixedSize(Szerokosc, 96);
    lblT = Utworz<QLabel>(QStringLiteral("lblT"), QStringLiteral("Podaj temperaturę  T="), pnlOblicz);
    lblT->setGeometry(8, 10, 140, WysokoscPola);
    edtT = UtworzPoleLiczbowe(QStringLiteral("edtT"), pnlOblicz);
    edtT->setGeometry(150, 10, 76, WysokoscPola);
    lblT_ = Utworz<QLabel>(QStringLiteral("lblT_"), QStringLiteral("K"), pnlOblicz);
    lblT_->setGeometry(230, 10, 14, WysokoscPola);
    lblP = Utworz<QLabel>(QStringLiteral("lblP"), QStringLiteral("i ciśnienie P="), pnlOblicz);
    lblP->setGeometry(248, 10, 86, WysokoscPola);
    edtP = UtworzPoleLiczbowe(QStringLiteral("edtP"), pnlOblicz);
    edtP->setGeometry(334, 10, 64, WysokoscPola);
    lblP_ = Utworz<QLabel>(QStringLiteral("lblP_"), QStringLiteral("bar"), pnlOblicz);
    lblP_->setGeometry(402, 10, 24, WysokoscPola);
    btnOblicz = Utworz<QPushButton>(QStringLiteral("btnOblicz"), QStringLiteral("&Oblicz"), pnlOblicz);
    btnOblicz->setGeometry(Szerokosc - 8 - 2 * 90 - 8, 8, 90, 26);
    btnOblicz->setDefault(true);
    Tab_Button = Utworz<QPushButton>(QStringLiteral("Tab_Button"), QStringLiteral("&Tabela"), pnlOblicz);
    Tab_Button->setGeometry(Szerokosc - 8 - 90, 8, 90, 26);
    qlblWyn = Utworz<TQzHtmlLabel2>(QStringLiteral("qlblWyn"), pnlOblicz);
    qlblWyn->setGeometry(8, 50, 200, 36);
    edtWynik = Utworz<QLineEdit>(QStringLiteral("edtWynik"), pnlOblicz);
    edtWynik->setReadOnly(true);
    edtWynik->setGeometry(208, 56, 120, WysokoscPola);
    qlblJedn = Utworz<TQzHtmlLabel2>(QStringLiteral("qlblJedn"), pnlOblicz);
    qlblJedn->setGeometry(332, 54, 280, 36);
    lblZakres = Utworz<QLabel>(QStringLiteral("lblZakres"), QString(), pnlOblicz);
    lblZakres->setGeometry(248, 10, 190, WysokoscPola);
    lblZakres->setAttribute(Qt::WA_TransparentForMouseEvents); // it lies over the Aalto page's pressure box
    return pnlOblicz;
}

void TEstymacjaWlasnosciFrm::PolaczObsluge()
{
    connect(btnOblicz, &QPushButton::clicked, this, WSieci([this](auto&&...) { btnObliczClick(); }));
    connect(Tab_Button, &QPushButton::clicked, this, WSieci([this](auto&&...) { Tab_ButtonClick(); }));
    connect(sbLepPodCisNas, &QPushButton::clicked, this, WSieci([this](auto&&...) { sbLepPodCisNasClick(); }));
    connect(sbtnGestosc, &QPushButton::clicked, this, WSieci([this](auto&&...) { sbtnGestoscClick(); }));
    connect(edtT, &QLineEdit::textChanged, this, WSieci([this](auto&&...) { edtTChange(); }));
    connect(edtP, &QLineEdit::textChanged, this, WSieci([this](auto&&...) { edtPChange(); }));
    connect(cbPolarny, &QCheckBox::toggled, this, WSieci([this](auto&&...) { cbPolarnyClick(); }));
    for (TListaZwiazkow* lista : {cbZwiazek1, cbZwiazek2})
        connect(lista, &QComboBox::currentTextChanged, this, WSieci([this](auto&&...) { cbZwiazek1Change(); }));
    // A result no longer belongs to changed inputs: it is not shown nor handed to the table.
    for (QLineEdit* pole : std::initializer_list<QLineEdit*>{edtCisnienie, edtGestoscObl, edtPLucas, edtPnas, edtTnas,
                                                             edtLepNas, edtZra, edtIleOH->edycja()})
        connect(pole, &QLineEdit::textChanged, this, WSieci([this](auto&&...) { CzyscWynik(); }));
    connect(cbPolarny, &QCheckBox::toggled, this, WSieci([this](auto&&...) { CzyscWynik(); }));
    // The compressibility panel's density belongs to its T and P; a density typed is the user's.
    for (QLineEdit* pole : std::initializer_list<QLineEdit*>{edtT, edtCisnienie})
        connect(pole, &QLineEdit::textChanged, this, WSieci([this](auto&&...) { SprawdzStanGestosci(); }));
    connect(edtGestoscObl, &QLineEdit::textEdited, this, WSieci([this](auto&&...) { stanGestosci_.reset(); }));
    pnlChung2Gestosc->przyjmijGestosc = [this](long double gestosc) { PrzyjmijGestoscMolowa(gestosc); };
    pnlChung2Gestosc->powrot = [this] {
        if (pnlChung2Gestosc->Mieszanina())
            close();
        else
            ZamknijPanelGestosci();
    };
}

// Everything that takes the method area: the pages and the panels placed over it.
std::array<QWidget*, 5> TEstymacjaWlasnosciFrm::ObszaryMetod() const
{
    return {pcEstWlas, pnlChung2, pnlLucas, pnlTyna, pnlChung2Gestosc};
}

void TEstymacjaWlasnosciFrm::UstawWysokoscMetod(int wysokosc)
{
    pnlMetody->setFixedSize(Szerokosc, wysokosc);
    const QRect obszar(Margines, Margines, Szerokosc - 2 * Margines, wysokosc - 2 * Margines);
    for (QWidget* panel : ObszaryMetod())
        panel->setGeometry(obszar);
}

void TEstymacjaWlasnosciFrm::ZadnaMetoda()
{
    for (QWidget* panel : ObszaryMetod())
        panel->hide();
}

void TEstymacjaWlasnosciFrm::UstawZakres(long double Tmin, long double Tmax)
{
    edtTmin->setText(TekstLubPytajnik(Tmin));
    edtTmax->setText(TekstLubPytajnik(Tmax));
}

// A page of pcEstWlas or a panel of its own, with the range and the SI factor of the method.
void TEstymacjaWlasnosciFrm::PokazMetode(QWidget* obszar, const char* si)
{
    ZadnaMetoda();
    if (pcEstWlas->indexOf(obszar) >= 0) {
        pcEstWlas->setCurrentWidget(obszar);
        obszar = pcEstWlas;
    }
    obszar->show();
    edtSI->setText(QString::fromUtf8(si));
}

void TEstymacjaWlasnosciFrm::Wczytaj(QWidget* obszar, long double Tmin, long double Tmax, const char* si)
{
    UstawZakres(Tmin, Tmax);
    PokazMetode(obszar, si);
}

void TEstymacjaWlasnosciFrm::showEvent(QShowEvent* zdarzenie)
{
    QMainWindow::showEvent(zdarzenie);
    if (zdarzenie->spontaneous())
        return;
    FormShow();
}

void TEstymacjaWlasnosciFrm::FormShow()
{
    edtP->clear();
    CzyscWynik();
    for (QWidget* kontrolka : std::initializer_list<QWidget*>{lblP, lblP_, edtP})
        kontrolka->hide();
    // For a gas mixture only the compressibility panel has a meaning.
    const bool mieszanina = pnlChung2Gestosc->Mieszanina();
    gbxSI->setVisible(!Kod(KodDyfuzjiTynaCalusa) && !KodGestosci(KodMetody) && !mieszanina);
    gbxZakres->setVisible(!mieszanina);
    pnlOblicz->setVisible(!mieszanina);
    lblZakres->clear();
    UstawWysokoscMetod(mieszanina ? WysokoscMetodWyzsza : WysokoscMetod); // the mixture's equations need more
    if (mieszanina)
        setWindowTitle(QStringLiteral("Obliczanie współczynnika ściśliwości dla mieszaniny gazów"));
    else if (Kod(KodDyfuzjiTynaCalusa))
        setWindowTitle(QStringLiteral("Obliczanie współczynnika dyfuzji w cieczach zmodyfikowaną metodą Tyna i Calusa"));
    else
        setWindowTitle(QStringLiteral("PL: ") + Cp1250ToUnicode(RekordYaws.NazwaPL) + QStringLiteral("  UK: ")
                       + Cp1250ToUnicode(RekordYaws.NazwaANG) + QStringLiteral(" Wzór: ") + Cp1250ToUnicode(RekordYaws.Wzor));
    if (KodGestosci(KodMetody))
        WypelnijStroneGestosci();
    if (mieszanina)
        pnlChung2Gestosc->bbtnMathCad->setFocus();
    else
        edtT->setFocus();
    adjustSize();
}

// While the compressibility panel is on view, closing returns from it to the method.
void TEstymacjaWlasnosciFrm::closeEvent(QCloseEvent* zdarzenie)
{
    if (pnlChung2Gestosc->isVisible() && !pnlChung2Gestosc->Mieszanina()) {
        ZamknijPanelGestosci();
        zdarzenie->ignore();
        return;
    }
    QMainWindow::closeEvent(zdarzenie);
}
