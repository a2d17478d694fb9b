#include "Grunberg.h"

#include "Dialogs.h"
#include "FloatText.h"
#include "KodyMetod.h"
#include "KorelacjeDoswiadczalne.h"
#include "KorelacjeTemperaturowe.h"
#include "Kontrolka.h"
#include "ListaZwiazkow.h"
#include "MieszaninyGazowe.h"
#include "ObslugaZdarzen.h"
#include "MathError.h"
#include "PoleLiczbowe.h"
#include "QzHtmlLabel2.h"
#include "RejestrOkienMetod.h"
#include "WierszeGrup.h"
#include "WspolneMieszanin.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString ZleWartosci = QStringLiteral("Źle podane wartości liczbowe");
const QString Blanki(int n) { return QString(n, QLatin1Char(' ')); }

// Who goes first: the hint shows "a-alkohol...", the message box "a.<TAB>alkohol...".
const char* const Wskazowki[][2] = {
    {"a", "alkohol, jeśli jest obecny w mieszaninie"},
    {"b", "kwas, jeśli jest obecny"},
    {"c", "składnik z największą liczbą atomów węgla w cząsteczce"},
    {"d", "składnik z największą liczbą atomów wodoru w cząsteczce"},
    {"e", "składnik z największą liczbą grup -CH3"},
};

QString TekstWskazowki(const QString& poLiterze)
{
    QString tekst = QStringLiteral("Metoda GRUNBERGA i NISSANA\n\nJako pierwszy składnik mieszaniny wybierz związek:");
    for (const auto& [litera, opis] : Wskazowki)
        tekst += QLatin1Char('\n') + QLatin1String(litera) + poLiterze + QString::fromUtf8(opis);
    return tekst;
}

// Control names of a group row: chbCH3 / eCH3 for component 1, chbCH3_2 / eCH3_2 for component 2
// (the count box of chbCH_2 is eCh_2).
QString NazwaPolaGrupy(const char* przedrostek, int i, const WkladGrupyGrunberga& grupa)
{
    QString nazwa = QLatin1String(przedrostek) + QLatin1String(grupa.nazwa);
    if (i == 1) {
        if (nazwa == QLatin1String("eCH"))
            nazwa = QStringLiteral("eCh");
        nazwa += QStringLiteral("_2");
    }
    return nazwa;
}

const TKorelacjaDoswiadczalna& LepkoscCieczy() { return *KorelacjaDlaKodow(BrakKoduKorelacji, KodLepkosciCieczy); }

} // namespace

TGrunberg_Form::TGrunberg_Form(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("Grunberg_Form"));
    setWindowTitle(QStringLiteral("Lepkość mieszaniny cieczy - metoda Grunberga i Nissana"));
    for (TSkladnikGrunberga& s : skladniki)
        CzyscRekord(s.rekord);

    const MenuPlik menu = UlozDwieKolumny(this, UtworzPanelLewy(), UtworzPanelGrup());
    Zakocz1 = menu.Zakocz1;
    Wyjciezprogramu1 = menu.Wyjciezprogramu1;
}

QWidget* TGrunberg_Form::UtworzPanelLewy()
{
    auto* lewy = new QWidget;
    lewy->setFixedWidth(400);
    Panel1 = Utworz<QWidget>(QStringLiteral("Panel1"));
    editT = UtworzPoleLiczbowe(QStringLiteral("editT"));
    Label4 = Utworz<QLabel>(QStringLiteral("Label4"));
    lblUwaga = Utworz<QLabel>(QStringLiteral("lblUwaga"), QStringLiteral("!!!"));
    lblUwaga->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    lblUwaga->setCursor(Qt::PointingHandCursor);
    lblUwaga->installEventFilter(this);
    Label5 = Utworz<QLabel>(QStringLiteral("Label5"));
    Label9 = Utworz<QLabel>(QStringLiteral("Label9"));
    lblWzor = Utworz<QLabel>(QStringLiteral("lblWzor"));

    auto* przyciski = new QHBoxLayout;
    auto* siatka = new QGridLayout(Panel1);
    siatka->addWidget(Label4, 0, 0, 1, 3);
    siatka->addWidget(new QLabel(QStringLiteral("T")), 1, 0);
    siatka->addWidget(editT, 1, 1);
    auto* jednostkaT = new QHBoxLayout;
    jednostkaT->addWidget(new QLabel(QStringLiteral("[K]")));
    jednostkaT->addStretch();
    jednostkaT->addWidget(lblUwaga);
    siatka->addLayout(jednostkaT, 1, 2);
    siatka->addLayout(przyciski, 2, 0, 1, 3);
    siatka->addWidget(Label5, 3, 0, 1, 3);
    siatka->addWidget(Label9, 6, 0, 1, 2);
    siatka->addWidget(lblWzor, 7, 0, 1, 3);
    for (int i = 0; i < 2; ++i) {
        TSkladnikGrunberga& s = skladniki[i];
        const QString numer = QString::number(i + 1);
        s.sbZwiazek = Utworz<QToolButton>(QStringLiteral("sbZwiazek") + numer);
        s.sbZwiazek->setText(QStringLiteral("Związek  ") + numer);
        s.sbZwiazek->setCheckable(true);
        s.sbZwiazek->setMinimumWidth(90);
        przyciski->addWidget(s.sbZwiazek);
        s.cbZwiazek = UtworzListeZwiazkow(QStringLiteral("cbZwiazek") + numer);
        s.cbZwiazek->WlaczDopelnianie();
        s.cbZwiazek->setMinimumContentsLength(20);
        s.eU = UtworzPoleLiczbowe(QStringLiteral("eU") + numer);
        s.eU->setFixedWidth(80);
        s.eN = Utworz<QLineEdit>(QStringLiteral("eN") + numer);
        s.eN->setFixedWidth(80);
        siatka->addWidget(s.cbZwiazek, 4, 0, 1, 2);
        siatka->addWidget(s.eU, 4, 2);
        siatka->addWidget(s.eN, 6, 2);
        for (QWidget* w : {static_cast<QWidget*>(s.cbZwiazek), static_cast<QWidget*>(s.eU), static_cast<QWidget*>(s.eN)})
            w->hide();
        connect(s.sbZwiazek, &QToolButton::clicked, this, WSieci([this, i] { sbZwiazekClick(i); }));
        const auto szukaj = WSieci([this, i] { Grunbergszukaj(i); });
        connect(s.cbZwiazek, &TListaZwiazkow::wybrano, this, szukaj);
        connect(s.cbZwiazek, &TListaZwiazkow::zatwierdzono, this, szukaj);
    }
    przyciski->addStretch();
    siatka->setColumnStretch(1, 1);
    for (QLabel* l : {Label5, Label9})
        l->hide();
    connect(editT, &QLineEdit::textChanged, this, WSieci([this] { editTChange(); }));
    // Any input changed: the viscosity shown no longer belongs to the inputs.
    std::vector<QLineEdit*> wejscia{editT};
    for (const TSkladnikGrunberga& s : skladniki)
        wejscia.insert(wejscia.end(), {s.eU, s.eN, s.cbZwiazek->lineEdit()});
    for (QLineEdit* pole : wejscia)
        connect(pole, &QLineEdit::textChanged, this, [this] { Edit1->clear(); });

    Panel2 = Utworz<QWidget>(QStringLiteral("Panel2"));
    auto* Label10 = Utworz<TQzHtmlLabel2>(QStringLiteral("Label10"));
    Label10->setHtml(QStringLiteral(R"(<font name="Symbol" size="15">h</font><sub><b>m</b></sub><font size="15"> =</font>)"));
    Edit1 = Utworz<QLineEdit>(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    buttonOblicz = Utworz<QPushButton>(QStringLiteral("buttonOblicz"), QStringLiteral("Oblicz"));
    auto* wynik = new QHBoxLayout(Panel2);
    wynik->addWidget(Label10);
    wynik->addWidget(Edit1, 1);
    wynik->addWidget(new QLabel(QStringLiteral("[Pa s]")));
    wynik->addSpacing(8);
    wynik->addWidget(buttonOblicz);
    connect(buttonOblicz, &QPushButton::clicked, this, WSieci([this] { buttonObliczClick(); }));

    auto* kolumna = new QVBoxLayout(lewy);
    kolumna->setContentsMargins(0, 0, 0, 0);
    kolumna->addWidget(Panel1);
    kolumna->addStretch();
    kolumna->addWidget(Panel2);
    return lewy;
}

QWidget* TGrunberg_Form::UtworzPanelGrup()
{
    pnlGrupy = Utworz<QWidget>(QStringLiteral("pnlGrupy"));
    Label11 = Utworz<QLabel>(QStringLiteral("Label11"));
    auto* uklad = new QVBoxLayout(pnlGrupy);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(Label11);
    for (int i = 0; i < 2; ++i)
        uklad->addWidget(UtworzGrupySkladnika(i));
    return pnlGrupy;
}

QScrollArea* TGrunberg_Form::UtworzGrupySkladnika(int i)
{
    TSkladnikGrunberga& s = skladniki[i];
    std::vector<WierszGrupy> wiersze;
    std::vector<NaglowekSekcji> naglowki;
    for (const WkladGrupyGrunberga& grupa : WkladyGrupGrunberga()) {
        const char* podpis = i == 1 && grupa.podpis2 ? grupa.podpis2 : grupa.podpis;
        if (grupa.naglowek)
            naglowki.push_back({static_cast<int>(wiersze.size()) + 1, QString::fromUtf8(grupa.naglowek)});
        wiersze.push_back({QString::fromUtf8(podpis), QString(), NazwaPolaGrupy("chb", i, grupa),
                           NazwaPolaGrupy("e", i, grupa)});
    }
    s.ScrollBox = new TWierszeGrup(QStringLiteral("ScrollBox%1").arg(i + 1), wiersze, naglowki, BezPrzyrostow);
    connect(s.ScrollBox, &TWierszeGrup::przelaczono, this, [this] { Edit1->clear(); });
    connect(s.ScrollBox, &TWierszeGrup::zmienionoLiczbe, this, [this] { Edit1->clear(); });
    s.ScrollBox->setFixedSize(340, 500);
    s.ScrollBox->hide();
    return s.ScrollBox;
}

void TGrunberg_Form::showEvent(QShowEvent* zdarzenie)
{
    QWidget::showEvent(zdarzenie);
    UruchomWSieci([this] { FormShow(); });
}

bool TGrunberg_Form::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (obiekt == lblUwaga && zdarzenie->type() == QEvent::MouseButtonRelease)
        UruchomWSieci([this] { lblUwagaClick(); });
    return QWidget::eventFilter(obiekt, zdarzenie);
}

void TGrunberg_Form::FormShow()
{
    lblUwaga->setToolTip(TekstWskazowki(QStringLiteral("-")));
    const QStringList nazwy = ListaNazw(PoleSzukania::NazwaPL);
    for (TSkladnikGrunberga& s : skladniki) {
        s.cbZwiazek->WypelnijPosortowane(nazwy);
        s.wzor.clear();
    }
    Label4->setText(QStringLiteral("Podaj temperaturę mieszaniny"));
    Label4->show();
    lblWzor->clear();
}

void TGrunberg_Form::editTChange()
{
    // The components' step opens once; later changes of T leave the shown component alone.
    if (!pnlGrupy->isHidden())
        return;
    Label4->hide();
    Label9->setText(QStringLiteral("Podaj liczbę atomów węgla w związku"));
    Label9->show();
    Label11->setText(QStringLiteral("Wybierz grupy występujące w związku\n") + Blanki(50) + QStringLiteral("podaj liczbę grup"));
    PokazSkladnik(0);
    PokazPrawaKolumne(this, pnlGrupy);
}

void TGrunberg_Form::sbZwiazekClick(int i)
{
    if (editT->text().isEmpty()) {
        // No temperature yet: the click changes nothing, not even the button's state.
        skladniki[i].sbZwiazek->toggle();
        return;
    }
    PokazSkladnik(i);
}

void TGrunberg_Form::PokazSkladnik(int i)
{
    Label5->setText((i == 0 ? QStringLiteral("Wybierz pierwszy związek") : QStringLiteral("Wybierz drugi związek")) +
                    QLatin1Char('\n') + Blanki(28) + QStringLiteral("podaj jego udział w mieszaninie"));
    Label5->show();
    for (int k = 0; k < 2; ++k) {
        TSkladnikGrunberga& s = skladniki[k];
        s.sbZwiazek->setChecked(k == i);
        for (QWidget* w : {static_cast<QWidget*>(s.cbZwiazek), static_cast<QWidget*>(s.eU),
                           static_cast<QWidget*>(s.eN), static_cast<QWidget*>(s.ScrollBox)})
            w->setVisible(k == i);
    }
    lblWzor->setText(skladniki[i].wzor);
}

bool TGrunberg_Form::Grunbergszukaj(int i)
{
    TSkladnikGrunberga& s = skladniki[i];
    const std::optional<TRekordYaws> rekord = SkladnikListy(s.cbZwiazek);
    const bool znaleziono = rekord.has_value();
    if (znaleziono) {
        s.rekord = *rekord;
        s.wzor = QString::fromStdString(s.rekord.Wzor);
    } else {
        CzyscRekord(s.rekord);
        s.wzor.clear();
    }
    if (!s.cbZwiazek->isHidden())
        lblWzor->setText(s.wzor);
    if (!znaleziono)
        ZglosBrakSkladnika(s.cbZwiazek, i == 1);
    return znaleziono;
}

void TGrunberg_Form::lblUwagaClick()
{
    PokazKomunikat(TekstWskazowki(QStringLiteral(".\t")));
}

bool TGrunberg_Form::SprawdzZakres(long double T)
{
    const TSkladnikGrunberga& a = skladniki[0];
    const TSkladnikGrunberga& b = skladniki[1];
    const bool dane = KorelacjaKompletna(a.rekord, LepkoscCieczy()) && KorelacjaKompletna(b.rekord, LepkoscCieczy());
    const long double Tmin = std::max(a.rekord.NicTmin, b.rekord.NicTmin);
    const long double Tmax = std::min(a.rekord.NicTmax, b.rekord.NicTmax);
    if (!dane || Tmax < Tmin) {
        // A missing correlation has no range to show.
        const auto tekst = [dane](long double t) { return dane ? FloatToStr(t) : QStringLiteral("?"); };
        PokazKomunikat(QStringLiteral("Nieprawidłowy zakres temperatur lub brak danych\n") + Blanki(10) +
                       QStringLiteral("Spróbuj z innymi związkami\n") + Blanki(6) + QStringLiteral("Tmin=") + tekst(Tmin) +
                       Blanki(8) + QStringLiteral("Tmax=") + tekst(Tmax));
        return false;
    }
    if (T > Tmax || T < Tmin) {
        OdrzucWpis(editT, QStringLiteral("Temperatura wykracza poza dopuszczalny zakres ") +
                      QLatin1String(T > Tmax ? "W GORE" : "W DOL") + QLatin1Char('\n') + Blanki(4) +
                      QStringLiteral("Dla tej mieszaniny Tmin=") + FloatToStr(Tmin) + QStringLiteral(", Tmax=") +
                      FloatToStr(Tmax));
        return false;
    }
    return true;
}

std::optional<int> TGrunberg_Form::LiczbaWegla(int i)
{
    QLineEdit* pole = skladniki[i].eN;
    const QString tekst = pole->text().trimmed();
    if (tekst.isEmpty())
        return 0;
    bool calkowita = false;
    const int N = tekst.toInt(&calkowita);
    if (calkowita && N >= 0)
        return N;
    PokazSkladnik(i);
    PokazKomunikat(QStringLiteral("Liczba atomów węgla musi być liczbą całkowitą nieujemną"));
    pole->setFocus();
    pole->selectAll();
    return std::nullopt;
}

std::optional<long double> TGrunberg_Form::SumaGrup(int i, int NC)
{
    TSkladnikGrunberga& s = skladniki[i];
    std::array<int, LiczbaGrupGrunberga> liczby{};
    if (!s.ScrollBox->WczytajLiczbyCalkowite(liczby, QStringLiteral("Liczba grup musi być dodatnią liczbą całkowitą"),
                                             [this, i] { PokazSkladnik(i); }))
        return std::nullopt;
    return SumaGrupGrunberga(liczby, NC);
}

void TGrunberg_Form::buttonObliczClick()
{
    Edit1->clear();
    editT->setFocus();
    const auto T = editT->WartoscDodatnia(ZleWartosci, QStringLiteral("Temperatura musi być większa od 0 K"));
    if (!T)
        return;
    const auto x1 = skladniki[0].eU->Wartosc(ZleWartosci);
    if (!x1)
        return;
    auto x2 = skladniki[1].eU->Wartosc(ZleWartosci);
    if (!x2)
        return;
    if (!SumaUdzialowRownaJeden({*x1, *x2})) {
        PokazKomunikat(QStringLiteral("Suma udziałów jest różna od 1. Dopasowano ostatni udział."));
        x2 = 1.0L - *x1;
        skladniki[1].eU->setText(FloatToStr(*x2));
    }
    for (int i = 0; i < 2; ++i)
        if (!JestUdzialemMolowym(i == 0 ? *x1 : *x2)) {
            PokazSkladnik(i);
            OdrzucWpis(skladniki[i].eU, QStringLiteral("Udział molowy składnika %1 musi leżeć w przedziale od 0 do 1").arg(i + 1));
            return;
        }
    if (!Grunbergszukaj(0) || !Grunbergszukaj(1) || !SprawdzZakres(*T))
        return;
    const auto N1 = LiczbaWegla(0);
    if (!N1)
        return;
    const auto N2 = LiczbaWegla(1);
    if (!N2)
        return;
    const auto Sum1 = SumaGrup(0, *N1);
    if (!Sum1)
        return;
    const auto Sum2 = SumaGrup(1, *N2);
    if (!Sum2)
        return;
    const long double G12 = *Sum1 - *Sum2 + CzlonWielkosciGrunberga(*N1, *N2);
    std::array<long double, 2> eta{};
    for (int i = 0; i < 2; ++i)
        eta[i] = ObliczLepkoscCieczy(skladniki[i].rekord, *T);
    const long double etaM = LepkoscMieszaninyGrunberga(*x1, *x2, eta[0], eta[1], G12WTemperaturze(G12, *T));
    Edit1->setText(FloatToStr(etaM));
}

void ZarejestrujOknoGrunberga()
{
    ZarejestrujOknoMetody<TGrunberg_Form>(QStringLiteral("TGrunberg_Form"));
}
