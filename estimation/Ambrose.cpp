#include "Ambrose.h"

#include "Dialogs.h"
#include "FloatText.h"
#include "KartaZwiazku.h"
#include "KodyMetod.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"
#include "RejestrOkienMetod.h"
#include "Zmienne.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString WyjasnienieAlkoholiTc = QStringLiteral("   Należy najpierw: wyznaczy równopostaciową (homomorph)\r węglowodoru; tj., podstawić -CH3 za każdą grupę -OH, \r obliczyć delTc dla tego związku a następnie następnie \r odjąć 0,138 z obliczonej wartości delTc dla każdej zastąpionej \r grupy -OH. \r\r  Obliczoną wartość wpisać do pola edycji. \r\r WYJĄTKI: Metanol (aelTc=0), Etanol (delTc=0,939)oraz \r          dowolny alkohol, dla którego obliczana wartość n > 0 \r          (ostatni warunek oblicza i sprawdza program).");
const QString WyjasnienieAlkoholiPc = QStringLiteral("   Należy najpierw: wyznaczy równopostaciową (homomorph)\r węglowodoru; tj., podstawić -CH3 za każdą grupę -OH, \r obliczyć delPc dla tego związku a następnie \r odjąć 0,226 z obliczonej wartości delPc dla każdej zastąpionej grupy -OH\r grupy -OH \r\r Obliczoną wartość wpisać do pola edycji. \r");
const QString WyjasnienieAromatow = QStringLiteral("   Przy oszacowaniu objętości krytycznych substancji \r aromatycznych, zastosuj wartości dla grupy alkilowej. ");
const QString WyjasnienieDeltyPlatta = QStringLiteral("   Liczba \"delta Platta\" jest definiowana jako: \r\r Liczba Platta izomeru minus liczba Platta odpowiadającego \r alkanu (węglowodorór parafinowy - węglowodór łańcuchowy \r nasycony CnH2n+2 )\r\r Liczba Platta równa się całkowitej liczbie par łańcuchów \r węgla z trzema osobnymi wiązaniami pojedynczymi tj. \r podłańcuchów czterowęglowych z wiązaniami pojedynczymi C - C. \r\r Ta korekta dotyczy tylko alkanów rozgałęzionych.");
const QString WyjasnienieAlkoholi = QStringLiteral("   Włącznie z alkoholami i glikolami naftalowymi\r ale bez alkoholi aromatycznych jak ksylenol.");
const QString OMetodzie = QStringLiteral(" Metoda Ambrose \r\r metoda udziału grup należy obliczyć wartość delty \r poprzez zaznaczenie występujących czynników, podania\r ile razy występuje pojedynczy czynnik i naciśnięcia przycisku oblicz.\r\r\r Wzory:\r\r\tTc = Tb[1+(1,242+delTc)^(-1)] __ [K]\r\r\tPc = Mmol(0,339+delPc)^(-2) __ [bar]\r\r\tVc = 40 + delVc __ [cm^3/mol]\r\r Wyniki są zapamiętywane TYLKO w układzie SI.\r Perogram dokonuje wszystkich niezbędnych przeliczeń.");
const QString ZleLiczby = QStringLiteral(" Źle podane wartości liczbowe ");
const QString NPozaZakresem = QStringLiteral(" Obliczona wartość n > 10 \r Nie podlega temu warunkowi");
const QString PodpowiedzWyjasnienia = QStringLiteral("Wyjaśnienie");

struct TrybAmbrosea {
    TKodMetody kod;
    WlasnoscAmbrosea wlasnosc;
    const char* delta;
    const char* naglowek;
    const char* rownanie;
    const char* wynik;
    const char* jednostka;
};

const TrybAmbrosea Tryby[] = {
    {KodTcAmbrosea, WlasnoscAmbrosea::Tc, "Tc", "Temperatura krytyczna - metoda Ambrose`a",
     "Tc = Tb[1+(1,242+delTc)^(-1)]", "Tc=", "[K]"},
    {KodPcAmbrosea, WlasnoscAmbrosea::Pc, "Pc", "Ciśnienie krytyczne - metoda Ambrose`a", "Pc = Mmol(0,339+delPc)^(-2)",
     "Pc=", "[Pa]"},
    {KodVcAmbrosea, WlasnoscAmbrosea::Vc, "Vc", "Objętość krytyczna - metoda Ambrose`a", "Vc = 40 + delVc", "Vc=",
     "[m^3/kmol]"},
};

NazwyWierszy NazwyAmbrosea()
{
    NazwyWierszy nazwy;
    nazwy.przyrost = QStringLiteral("a");
    return nazwy;
}

void Koloruj(QLabel* etykieta, bool czerwona)
{
    etykieta->setStyleSheet(czerwona ? QStringLiteral("color: red") : QString());
}

} // namespace

TAmbrose_Form::TAmbrose_Form(QWidget* rodzic)
    : TOknoUdzialowGrup(QStringLiteral("Ambrose_Form"), WierszeZTabeli(TabelaGrupAmbrosea()), NaglowkiZTabeli(SekcjeGrupAmbrosea()),
                        {QStringLiteral("scbUdzialy"), QStringLiteral("Panel5"), QStringLiteral("Oblicz_Button")},
                        NazwyAmbrosea(), true, rodzic)
{
    setWindowTitle(QStringLiteral("Metoda Ambrosea dla estymacji: Tc, Pc ,Vc"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    Oblicz_Button = przyciskOblicz;

    Label7 = EtykietaWyjasnienia(QStringLiteral("Label7"), QStringLiteral("( * - KLIKNIJ TUTAJ)"));
    grupy->WstawPod(6, Label7);
    Label11 = EtykietaWyjasnienia(QStringLiteral("Label11"), QStringLiteral("( **  - KLIKNIJ TUTAJ)"));
    a28_edt = new QLineEdit;
    a28_edt->setObjectName(QStringLiteral("a28_edt"));
    a28_edt->hide();
    grupy->WstawPod(WierszAlkoholi, TWierszeGrup::WierszKolumn(Label11, nullptr, a28_edt));
    c35 = EtykietaWyjasnienia(QStringLiteral("c35"), QStringLiteral("( * -kliknij )"));
    grupy->WstawObokNaglowka(WierszBenzenu, c35);
    grupy->WstawPod(LiczbaGrupAmbrosea, new QLabel(QStringLiteral("(Inne poprawki jak dla związków niefluorowanych)")));
    PoKliknieciu(Label7, WyjasnienieDeltyPlatta);
    PoKliknieciu(Label11, WyjasnienieAlkoholi);
    PoKliknieciu(c35, WyjasnienieAromatow);
    grupy->Przyrost(WierszAlkoholi)->setToolTip(PodpowiedzWyjasnienia);

    QAction* Ometodzie1 = UtworzMenu(QStringLiteral("Zam&knij"), false, QStringLiteral("Pomo&c "));
    connect(Ometodzie1, &QAction::triggered, this, WSieci([](bool) { PokazKomunikat(OMetodzie); }));
    connect(Oblicz_Button, &QPushButton::clicked, this, WSieci([this](bool) { Button1Click(); }));
    connect(grupy, &TWierszeGrup::przelaczono, this, WSieci([this](int wiersz) {
                if (wiersz == WierszAlkoholi)
                    cb28Click();
            }));
    FormCreate();
    setFixedSize(size());
}

// A red label that shows a help text when clicked.
QLabel* TAmbrose_Form::EtykietaWyjasnienia(const QString& nazwa, const QString& tekst)
{
    auto* etykieta = new QLabel(tekst);
    etykieta->setObjectName(nazwa);
    etykieta->setToolTip(PodpowiedzWyjasnienia);
    Koloruj(etykieta, true);
    return etykieta;
}

void TAmbrose_Form::PoKliknieciu(QObject* etykieta, const QString& tekst)
{
    auto* kontrolka = static_cast<QWidget*>(etykieta);
    if (tekst.isEmpty()) {
        wyjasnienia_.erase(etykieta);
        kontrolka->unsetCursor();
        return;
    }
    etykieta->installEventFilter(this);
    wyjasnienia_[etykieta] = tekst;
    kontrolka->setCursor(Qt::PointingHandCursor);
}

bool TAmbrose_Form::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::MouseButtonRelease) {
        const auto tekst = wyjasnienia_.find(obiekt);
        if (tekst != wyjasnienia_.end()) {
            const QString pomoc = tekst->second;
            UruchomWSieci([&pomoc] { PokazKomunikat(pomoc); });
            return true;
        }
    }
    return TOknoUdzialowGrup::eventFilter(obiekt, zdarzenie);
}

void TAmbrose_Form::FormCreate()
{
    grupy->PrzewinNaGore();
    PokazWejscie(false);
    for (const TrybAmbrosea& tryb : Tryby)
        if (KodMetody == tryb.kod) {
            lblDelta->setText(QString::fromLatin1(tryb.delta));
            lblCo->setText(QString::fromUtf8(tryb.naglowek));
            lblRownanie->setText(QString::fromLatin1(tryb.rownanie));
            lblCoObl->setText(QString::fromLatin1(tryb.wynik));
            lblWym->setText(QString::fromLatin1(tryb.jednostka));
            UstawTryb(tryb.wlasnosc);
        }
}

void TAmbrose_Form::UstawTryb(WlasnoscAmbrosea wlasnosc)
{
    wlasnosc_ = wlasnosc;
    std::vector<QString> przyrosty;
    for (const GrupaAmbrosea& grupa : TabelaGrupAmbrosea())
        przyrosty.push_back(QString::fromLatin1(grupa.przyrosty[static_cast<int>(wlasnosc)]));
    grupy->UstawPrzyrosty(przyrosty);
    const bool objetosc = wlasnosc == WlasnoscAmbrosea::Vc;
    QLabel* a28 = grupy->Przyrost(WierszAlkoholi);
    QLabel* a35 = grupy->Przyrost(WierszBenzenu);
    Koloruj(a28, objetosc);
    Koloruj(a35, objetosc);
    PoKliknieciu(a28, objetosc ? QString()
                               : wlasnosc == WlasnoscAmbrosea::Tc ? WyjasnienieAlkoholiTc : WyjasnienieAlkoholiPc);
    PoKliknieciu(a35, objetosc ? WyjasnienieAromatow : QString());
    if (wlasnosc == WlasnoscAmbrosea::Tc)
        PokazTemperatureWrzenia();
}

// Row 28 in the Tc and Pc modes shows its own edit for the alcohol value when ticked; unticking
// leaves it as it is.
void TAmbrose_Form::cb28Click()
{
    if (grupy->Zaznaczony(WierszAlkoholi) && AlkoholZWlasnejEdycji())
        a28_edt->show();
}

bool TAmbrose_Form::AlkoholZWlasnejEdycji() const
{
    return wlasnosc_ && *wlasnosc_ != WlasnoscAmbrosea::Vc;
}

// The aromatic and polyfluorinated rows have no increment in the Vc mode; the alcohol row of the
// Tc and Pc modes takes its value from its own edit.
void TAmbrose_Form::SprawdzPrzyrosty(TSprawdzanie& sprawdzanie) const
{
    grupy->SprawdzPrzyrosty(sprawdzanie, QStringLiteral("objętości krytycznej"),
                            [this](int wiersz) { return wiersz == WierszAlkoholi && AlkoholZWlasnejEdycji(); });
}

// The boiling point of the Tc equation is the one in the right panel.
void TAmbrose_Form::SprawdzTemperatureWrzenia(TSprawdzanie& sprawdzanie) const
{
    if (*wlasnosc_ == WlasnoscAmbrosea::Tc && !(JestLiczba(edtNa->text()) && WartoscWpisana(edtNa->text()) > 0.0L))
        sprawdzanie.Ostrzez(QStringLiteral("Podaj temperaturę wrzenia"), edtNa);
}

// The ticked rows in row order; row 28 in the Tc and Pc modes adds the typed value and the
// alcohol term once, or nothing when the record's boiling point puts n out of the rule.
std::vector<UdzialGrupy> TAmbrose_Form::Udzialy() const
{
    std::vector<UdzialGrupy> udzialy;
    for (int wiersz : grupy->ZaznaczoneWiersze()) {
        if (wiersz != WierszAlkoholi || !AlkoholZWlasnejEdycji()) {
            udzialy.push_back(grupy->Udzial(wiersz));
            continue;
        }
        const long double n = Podano(RekordYaws.Tb) ? LiczbaNAlkoholu(RekordYaws.Tb) : 0.0L;
        if (!Podano(RekordYaws.Tb) || n >= 10.0L) {
            PokazKomunikat(NPozaZakresem);
            continue;
        }
        udzialy.push_back({wiersz, 1.0L, PoprawkaAlkoholu(*wlasnosc_, WartoscWpisana(a28_edt->text()), n)});
    }
    return udzialy;
}

long double TAmbrose_Form::Rownanie(long double suma) const
{
    switch (*wlasnosc_) {
    case WlasnoscAmbrosea::Tc: return AmbroseTc(WartoscWpisana(edtNa->text()), suma);
    case WlasnoscAmbrosea::Pc: return AmbrosePc(RekordYaws.Mmol, suma);
    case WlasnoscAmbrosea::Vc: return AmbroseVc(suma);
    }
    return 0.0L;
}

void TAmbrose_Form::Button1Click()
{
    if (!wlasnosc_)
        return;
    KursorOczekiwania klepsydra;
    TSprawdzanie sprawdzanie;
    grupy->Sprawdz(sprawdzanie, {ZleLiczby, RodzajKomunikatu::Zwykly}, [this](int wiersz) {
        return wiersz == WierszAlkoholi && AlkoholZWlasnejEdycji() ? a28_edt->text() : grupy->TekstLiczby(wiersz);
    });
    SprawdzPrzyrosty(sprawdzanie);
    SprawdzTemperatureWrzenia(sprawdzanie);
    if (!sprawdzanie.Poprawne())
        return;
    const long double suma = SumaUdzialow(Udzialy());
    if (*wlasnosc_ == WlasnoscAmbrosea::Pc && !Podano(RekordYaws.Mmol))
        PokazBrakWyniku();
    else
        PokazWynikRownania([&] { return Rownanie(suma); });
}

void ZarejestrujAmbrosea()
{
    ZarejestrujOknoMetody<TAmbrose_Form>(QStringLiteral("TAmbrose_Form"));
}
