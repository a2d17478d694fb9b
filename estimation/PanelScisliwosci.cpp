#include "PanelScisliwosci.h"

#include "Dialogs.h"
#include "FloatText.h"
#include "KartaZwiazku.h"
#include "Kontrolka.h"
#include "MathError.h"
#include "MieszaninyGazowe.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"
#include "ProgramZety.h"
#include "QzHtmlLabel2.h"
#include "ZapisRownan.h"
#include "Zmienne.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString NieOdnalezionoPliku = QStringLiteral("Nie odnaleziono pliku danych !");
const QString Oblicz = QStringLiteral("OBLICZ");
const QString Zamknij = QStringLiteral("Zamknij");
const QString Wroc = QStringLiteral("WRÓĆ");

const QString RownaniaSubstancji = RownanieHtml({"Z = Z^{(0)} + @w · Z^{(1)}", "T_{r} = T / T_{c}      P_{r} = P / P_{c}",
                                                 "@r = P / (Z · R · T)", "R = 83.14 cm^{3} bar/(mol K)"},
                                                12);
const QString RownaniaMieszaniny = RownanieHtml({"Z = Z^{(0)} + @w · Z^{(1)}"}, 12);

constexpr int SzerokoscPola = 170;
constexpr int SzerokoscPrzycisku = 130;

// "T = 500 K,  P = 20 bar;  Tc = 562.05 K,  Pc = 48.95 bar", pseudo-critical for a mixture.
QString OpisStanu(const TStanGazu& stan, bool mieszanina)
{
    const QString k = mieszanina ? QStringLiteral("pc") : QStringLiteral("c");
    return QStringLiteral("T = %1 K,  P = %2 bar;  T%3 = %4 K,  P%3 = %5 bar")
        .arg(TekstLubPytajnik(stan.T), TekstLubPytajnik(stan.P), k, TekstLubPytajnik(stan.Tc), TekstLubPytajnik(stan.Pc));
}

QString KomunikatProgramu(WynikProgramuZety wynik)
{
    switch (wynik) {
    case WynikProgramuZety::NieUruchomiono:
        return QStringLiteral("Nie można uruchomić programu obliczającego współczynniki ściśliwości (%1)")
            .arg(SciezkaProgramuZety());
    case WynikProgramuZety::PrzekroczonoCzas:
        return QStringLiteral("Program obliczający współczynniki ściśliwości nie skończył obliczeń w ciągu %1 s "
                              "i został zatrzymany")
            .arg(LimitCzasuProgramuZety / 1000);
    case WynikProgramuZety::Niepowodzenie:
        return QStringLiteral("Nie udało się obliczyć współczynników Z0 i Z1 dla tego stanu gazu: temperatura i ciśnienie "
                              "zredukowane muszą być dodatnie i skończone, a równanie stanu Lee i Keslera musi mieć dla "
                              "nich rozwiązanie");
    case WynikProgramuZety::NieZapisano:
        return QStringLiteral("Współczynniki Z0 i Z1 obliczono, ale nie można ich zapisać w pliku %1 w katalogu danych "
                              "(%2): sprawdź, czy katalog nie jest tylko do odczytu")
            .arg(PlikZety, KatalogDanych);
    case WynikProgramuZety::Obliczono:
        break;
    }
    return {};
}

} // namespace

TIkonaArkusza::TIkonaArkusza(QWidget* rodzic) : QToolButton(rodzic)
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(true);
    setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    setIconSize(QSize(32, 32));
    setToolTip(QStringLiteral("Dwukrotne kliknięcie uruchamia obliczenia"));
}

void TIkonaArkusza::mouseDoubleClickEvent(QMouseEvent*)
{
    if (poDwukliku)
        UruchomWSieci(poDwukliku);
}

TPanelScisliwosci::TPanelScisliwosci(QWidget* rodzic) : QGroupBox(rodzic)
{
    setObjectName(QStringLiteral("pnlChung2Gestosc"));
    auto* uklad = new QVBoxLayout(this);
    uklad->setSpacing(4);
    Lblwspsci = Utworz<QLabel>(QStringLiteral("Lblwspsci"), this);
    QFont pogrubiona = Lblwspsci->font();
    pogrubiona.setBold(true);
    Lblwspsci->setFont(pogrubiona);
    Lblwspsci->setAlignment(Qt::AlignCenter);
    Lblwspsci->setWordWrap(true);
    uklad->addWidget(Lblwspsci);
    lblStan = Utworz<QLabel>(QStringLiteral("lblStan"), this);
    lblStan->setAlignment(Qt::AlignCenter);
    uklad->addWidget(lblStan);
    auto* srodek = new QHBoxLayout;
    srodek->addWidget(UtworzRownania(), 1);
    srodek->addWidget(UtworzWspolczynniki());
    uklad->addLayout(srodek, 1);
    Label48 = Utworz<QLabel>(QStringLiteral("Label48"),
                             QStringLiteral("Współczynniki Z(0) i Z(1) obliczy dołączony program obliczzety "
                                            "(równanie stanu Lee i Keslera)"),
                             this);
    Label48->setAlignment(Qt::AlignCenter);
    uklad->addWidget(Label48);

    connect(bbtnMathCad, &QPushButton::clicked, this, WSieci([this](auto&&...) { bbtnMathCadClick(); }));
    connect(btnZety, &QPushButton::clicked, this, WSieci([this](auto&&...) { btnZetyClick(); }));
    connect(sbtnObliczGestosc, &QPushButton::clicked, this, WSieci([this](auto&&...) { sbtnObliczGestoscClick(); }));
    OleContainer1->poDwukliku = [this] { UruchomObliczenie(); };
    // A density belongs to the coefficients it was computed from.
    for (TPoleLiczbowe* pole : {edtZ0, edtZ1})
        connect(pole, &QLineEdit::textChanged, this, WSieci([this](auto&&...) { CzyscGestosc(); }));
}

QWidget* TPanelScisliwosci::UtworzRownania()
{
    auto* rownania = new QWidget(this);
    auto* uklad = new QVBoxLayout(rownania);
    uklad->setContentsMargins(0, 0, 0, 0);
    Lblrowstm = Utworz<QLabel>(QStringLiteral("Lblrowstm"), QStringLiteral("Równanie stanu  dla  gazów rzeczywistych"),
                               rownania);
    Lblrowstm->setAlignment(Qt::AlignCenter);
    imgStanowOSP = EtykietaHtml(QStringLiteral("imgStanowOSP"), RownanieHtml({"P · V = Z · R · T"}, 12), rownania);
    Image6 = EtykietaHtml(QStringLiteral("Image6"), RownaniaSubstancji, rownania);
    ImgWzog = EtykietaHtml(QStringLiteral("ImgWzog"),
                           RownanieHtml({"T_{pc} = @S y_{i} T_{ci}    Z_{pc} = @S y_{i} Z_{ci}",
                                         "V_{pc} = @S y_{i} V_{ci}    @w = @S y_{i} @w_{i}",
                                         "P_{pc} = 83.14 · Z_{pc} · T_{pc} / V_{pc}"},
                                        11),
                           rownania);
    ImgRom = EtykietaHtml(QStringLiteral("ImgRom"), RownanieHtml({"T_{r} = T / T_{pc}    P_{r} = P / P_{pc}"}, 11),
                          rownania);
    uklad->setSpacing(0);
    uklad->addWidget(Lblrowstm);
    for (TQzHtmlLabel2* rownanie : {imgStanowOSP, Image6, ImgWzog, ImgRom}) {
        rownanie->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        uklad->addWidget(rownanie);
    }
    uklad->addStretch();
    return rownania;
}

QWidget* TPanelScisliwosci::UtworzWspolczynniki()
{
    auto* wspolczynniki = new QWidget(this);
    auto* siatka = new QGridLayout(wspolczynniki);
    siatka->setContentsMargins(0, 0, 0, 0);
    edtZ0 = UtworzPoleLiczbowe(QStringLiteral("edtZ0"), wspolczynniki);
    edtZ1 = UtworzPoleLiczbowe(QStringLiteral("edtZ1"), wspolczynniki);
    int wiersz = 0;
    for (auto [pole, podpis] : {std::pair{edtZ0, "Z^{(0)} ="}, std::pair{edtZ1, "Z^{(1)} ="}}) {
        pole->setFixedWidth(SzerokoscPola);
        auto* etykieta = EtykietaHtml(QStringLiteral("qlbl") + pole->objectName(), RownanieHtml({podpis}, 12), wspolczynniki);
        etykieta->setFixedSize(60, 30);
        siatka->addWidget(etykieta, wiersz, 0);
        siatka->addWidget(pole, wiersz++, 1, 1, 2);
    }
    bbtnMathCad = Utworz<QPushButton>(QStringLiteral("bbtnMathCad"), QStringLiteral("Oblicz Z0 i Z1"), wspolczynniki);
    btnZety = Utworz<QPushButton>(QStringLiteral("btnZety"), QStringLiteral("Wczytaj wartości\nwspółczynników"),
                                  wspolczynniki);
    btnZety->hide();
    bbtnMathCad->setMinimumWidth(SzerokoscPrzycisku);
    OleContainer1 = Utworz<TIkonaArkusza>(QStringLiteral("OleContainer1"), wspolczynniki);
    siatka->addWidget(bbtnMathCad, wiersz, 1);
    siatka->addWidget(OleContainer1, wiersz - 1, 3, 2, 1, Qt::AlignCenter);
    ++wiersz;

    wierszGestosci = new QWidget(wspolczynniki);
    auto* gestosc = new QHBoxLayout(wierszGestosci);
    gestosc->setContentsMargins(0, 8, 0, 0);
    auto* lblRo = EtykietaHtml(QStringLiteral("lblRo"), RownanieHtml({"@r ="}, 12), wierszGestosci);
    lblRo->setFixedSize(60, 30);
    edtGestosc = Utworz<QLineEdit>(QStringLiteral("edtGestosc"), wierszGestosci);
    edtGestosc->setReadOnly(true);
    edtGestosc->setFixedWidth(SzerokoscPola);
    auto* lblMol = EtykietaHtml(QStringLiteral("lblMol"), RownanieHtml({"mol/cm^{3}"}, 10), wierszGestosci);
    lblMol->setFixedSize(70, 30);
    gestosc->addWidget(lblRo);
    gestosc->addWidget(edtGestosc);
    gestosc->addWidget(lblMol);
    gestosc->addStretch();
    siatka->addWidget(wierszGestosci, wiersz++, 0, 1, 4);

    sbtnObliczGestosc = Utworz<QPushButton>(QStringLiteral("sbtnObliczGestosc"), Oblicz, wspolczynniki);
    sbtnObliczGestosc->setMinimumWidth(SzerokoscPrzycisku);
    siatka->addWidget(sbtnObliczGestosc, wiersz++, 1);
    siatka->setRowStretch(wiersz, 1);
    return wspolczynniki;
}

void TPanelScisliwosci::PrzygotujDlaSubstancji(long double T, long double P)
{
    mieszanina_.reset();
    T_ = T;
    P_ = P;
    Lblwspsci->setText(QStringLiteral("Współczynnik ściśliwości pod wysokim cisnieniem gazów - wzór Pitzera"));
    for (QWidget* mieszaniny : std::initializer_list<QWidget*>{Lblrowstm, imgStanowOSP, ImgWzog, ImgRom})
        mieszaniny->hide();
    Image6->setHtml(RownaniaSubstancji);
    wierszGestosci->show();
    OleContainer1->setText(QStringLiteral("wyniki.mcd"));
    for (TPoleLiczbowe* pole : {edtZ0, edtZ1})
        pole->setReadOnly(false);
    CzyscWspolczynniki();
    lblStan->setText(OpisStanu({P, T, RekordYaws.Pc, RekordYaws.Tc}, false));
}

void TPanelScisliwosci::PrzygotujDlaMieszaniny(const TStanGazu& stan)
{
    mieszanina_ = stan;
    Lblwspsci->setText(QStringLiteral("Współczynnik ściśliwości dla mieszaniny gazów - wzór Pitzera"));
    for (QWidget* mieszaniny : std::initializer_list<QWidget*>{Lblrowstm, imgStanowOSP, ImgWzog, ImgRom})
        mieszaniny->show();
    Image6->setHtml(RownaniaMieszaniny);
    wierszGestosci->hide();
    OleContainer1->setText(QStringLiteral("wyniki2.mcd"));
    // Only coefficients read from the answer go back to the mixture.
    for (TPoleLiczbowe* pole : {edtZ0, edtZ1})
        pole->setReadOnly(true);
    CzyscWspolczynniki();
    UstawAkcje(Wroc);
    lblStan->setText(OpisStanu(stan, true));
    if (!ZapiszPlikMathcad(KatalogDanych, stan))
        PokazKomunikat(NieOdnalezionoPliku);
}

void TPanelScisliwosci::UstawAkcje(const QString& napis)
{
    sbtnObliczGestosc->setText(napis);
}

void TPanelScisliwosci::CzyscWspolczynniki()
{
    edtZ0->clear();
    edtZ1->clear();
    wspolczynniki_.reset();
    CzyscGestosc();
}

void TPanelScisliwosci::CzyscGestosc()
{
    edtGestosc->clear();
    gestoscObliczona_ = false;
    if (!Mieszanina())
        UstawAkcje(Oblicz);
}

// A mixture's state is written again before every run, so the runner never answers for an
// earlier mixture whose file is still there.
bool TPanelScisliwosci::UruchomObliczenie()
{
    std::optional<TStanGazu> substancja;
    if (mieszanina_) {
        if (!ZapiszPlikMathcad(KatalogDanych, *mieszanina_)) {
            PokazKomunikat(NieOdnalezionoPliku);
            return false;
        }
    } else {
        if (RekordYaws.Tc == BrakDanych || RekordYaws.Pc == BrakDanych) {
            PokazKomunikat(QStringLiteral("Brak danych do obliczeń (Tc, Pc)"));
            return false;
        }
        substancja = TStanGazu{P_, T_, RekordYaws.Pc, RekordYaws.Tc};
    }
    WynikProgramuZety wynik;
    {
        const KursorOczekiwania klepsydra;
        setEnabled(false);
        wynik = UruchomProgramZety(KatalogDanych, substancja);
        // Clicks made during the wait, read from the window system or already queued, are
        // delivered now, to a panel that takes none: they are dropped, not run one after another.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        setEnabled(true);
    }
    if (wynik != WynikProgramuZety::Obliczono) {
        CzyscWspolczynniki();
        PokazKomunikat(KomunikatProgramu(wynik));
        return false;
    }
    return true;
}

void TPanelScisliwosci::bbtnMathCadClick()
{
    if (UruchomObliczenie())
        btnZetyClick();
}

void TPanelScisliwosci::btnZetyClick()
{
    const std::optional<TWspolczynnikiZ> z = WczytajPlikZety(KatalogDanych);
    if (!z) {
        PokazKomunikat(NieOdnalezionoPliku);
        return;
    }
    edtZ0->UstawWartosc(z->Z0);
    edtZ1->UstawWartosc(z->Z1);
    wspolczynniki_ = z;
}

void TPanelScisliwosci::sbtnObliczGestoscClick()
{
    if (Mieszanina() || gestoscObliczona_) {
        if (powrot)
            powrot();
        return;
    }
    ObliczGestosc();
}

// ρ = 1/V, V = Z·83.14·T/P cm³/mol with Z = Z(0) + ω·Z(1) of the substance.
void TPanelScisliwosci::ObliczGestosc()
{
    const std::optional<long double> Z0 = edtZ0->Wartosc(QStringLiteral("Sprawdź poprawność danych"));
    if (!Z0)
        return;
    const std::optional<long double> Z1 = edtZ1->Wartosc(QStringLiteral("Sprawdź poprawność danych"));
    if (!Z1)
        return;
    if (RekordYaws.Omega == BrakDanych) {
        PokazKomunikat(QStringLiteral("Brak danych do obliczeń (współczynnik acentryczny)"));
        return;
    }
    if (!JestDodatnia(P_) || !JestDodatnia(T_)) {
        CzyscWspolczynniki();
        PokazKomunikat(QStringLiteral("Temperatura i ciśnienie muszą być większe od zera"));
        return;
    }
    const long double Z = WspolczynnikScisliwosci(*Z0, *Z1, RekordYaws.Omega);
    if (!(Z > 0)) {
        PokazKomunikat(QStringLiteral("Współczynnik ściśliwości Z = Z0 + ω·Z1 musi być większy od zera"));
        return;
    }
    long double gestosc = 0.0L;
    try {
        gestosc = GestoscMolowaGazu(Z, T_, P_);
    } catch (const EMathError& blad) {
        PokazKomunikat(QStringLiteral("Obliczenia nie powiodły się dla podanych danych (%1)").arg(QString::fromUtf8(blad.what())));
        return;
    }
    edtGestosc->setText(FloatToStr(gestosc));
    edtGestosc->setCursorPosition(0);
    gestoscObliczona_ = true;
    UstawAkcje(Zamknij);
    if (przyjmijGestosc)
        przyjmijGestosc(gestosc);
}
