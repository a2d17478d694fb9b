#include "Fuller.h"

#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "Etykieta.h"
#include "FloatText.h"
#include "Kontrolka.h"
#include "ListaZwiazkow.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"
#include "QzHtmlLabel2.h"
#include "RejestrOkienMetod.h"
#include "WierszeGrup.h"
#include "WspolneMieszanin.h"
#include "ZapisRownan.h"
#include "Zmienne.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString ZleWartosci = QStringLiteral("Źle podane wartości liczbowe");

// The equation on two lines: D°AB = numerator / denominator, then the unit.
const QString Rownanie = QStringLiteral(
    R"(<p align="centre"><font size="13">D</font><sup>o</sup><sub><b>AB</b></sub><font size="13"> = 0.00143 T</font><sup><b>1.75</b></sup>)"
    R"(<font size="13"> / (P M</font><sub><b>AB</b></sub><sup><b>1/2</b></sup>)"
    R"(<font size="13"> [(</font><font name="Symbol" size="13">S</font><font size="13">v)</font><sub><b>A</b></sub><sup><b>1/3</b></sup>)"
    R"(<font size="13"> + (</font><font name="Symbol" size="13">S</font><font size="13">v)</font><sub><b>B</b></sub><sup><b>1/3</b></sup>)"
    R"(<font size="13">]</font><sup><b>2</b></sup><font size="13">)</font></p>)"
    R"(<p align="centre"><font size="13">[cm</font><sup><b>2</b></sup><font size="13">/s]</font></p>)");
const QString SymbolWyniku = QStringLiteral(
    R"(<font size="15">D</font><sup>o</sup><sub><b>AB</b></sub><font size="15"> =</font>)");
const QString JednostkaWyniku = QStringLiteral(R"(<font size="13">[cm</font><sup><b>2</b></sup><font size="13">/s]</font>)");

// Names of the atom controls: "chb" + "C" + "1".
QString NazwaAtomu(const char* przedrostek, int i, int atom)
{
    return QLatin1String(przedrostek) + QLatin1String(ObjetosciDyfuzyjneAtomow()[atom].nazwa) + QString::number(i + 1);
}

} // namespace

TFuller_Form::TFuller_Form(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("Fuller_Form"));
    setWindowTitle(QStringLiteral("Współczynnik dyfuzji w gazach - metoda Fullera"));

    const MenuPlik menu = UlozDwieKolumny(this, UtworzPanelLewy(), UtworzPanelAtomow());
    Zakocz1 = menu.Zakocz1;
    Wyjciezprogramu1 = menu.Wyjciezprogramu1;
}

QWidget* TFuller_Form::UtworzPanelLewy()
{
    Panel1 = Utworz<QWidget>(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(440);
    ImgdelDab = EtykietaHtml(QStringLiteral("ImgdelDab"), Rownanie, nullptr);
    ImgdelDab->setMinimumHeight(64);
    lbl2T = Etykieta(QStringLiteral("Temeratura"), QStringLiteral("lbl2T"));
    edtT = UtworzPoleLiczbowe(QStringLiteral("edtT"));
    lbl2P = Etykieta(QStringLiteral("Ciśnienie"), QStringLiteral("lbl2P"));
    edtP = UtworzPoleLiczbowe(QStringLiteral("edtP"));

    auto* siatka = new QGridLayout(Panel1);
    siatka->addWidget(ImgdelDab, 0, 0, 1, 3);
    siatka->addWidget(lbl2T, 1, 0);
    siatka->addWidget(edtT, 1, 1);
    siatka->addWidget(new QLabel(QStringLiteral("[K]")), 1, 2);
    siatka->addWidget(lbl2P, 2, 0);
    siatka->addWidget(edtP, 2, 1);
    siatka->addWidget(new QLabel(QStringLiteral("[Bar]")), 2, 2);
    int wiersz = 3;
    for (int i = 0; i < 2; ++i) {
        TZwiazekFullera& z = zwiazki[i];
        const QString numer = QString::number(i + 1);
        z.cbZwiazek = UtworzListeZwiazkow(QStringLiteral("cbZwiazek") + numer);
        z.cbZwiazek->WlaczDopelnianie();
        z.cbZwiazek->setMinimumContentsLength(24);
        z.lblM = Etykieta({}, QStringLiteral("lblM") + numer);
        z.lblWzor = Etykieta({}, QStringLiteral("lblWzor") + numer);
        siatka->addWidget(new QLabel(QStringLiteral("Wybierz związek ") + numer), wiersz++, 0, 1, 3);
        siatka->addWidget(z.cbZwiazek, wiersz++, 0, 1, 3);
        siatka->addWidget(z.lblM, wiersz, 0, 1, 2);
        siatka->addWidget(z.lblWzor, wiersz++, 2);
        const auto wybor = WSieci([this, i] { cbZwiazekChange(i); });
        connect(z.cbZwiazek, &TListaZwiazkow::wybrano, this, wybor);
        connect(z.cbZwiazek, &TListaZwiazkow::zatwierdzono, this, wybor);
        connect(z.cbZwiazek, &QComboBox::editTextChanged, this, [this] { Edit1->clear(); });
    }

    pnlOblicz = Utworz<QWidget>(QStringLiteral("pnlOblicz"));
    buttonOblicz = Utworz<QPushButton>(QStringLiteral("buttonOblicz"), QStringLiteral("Oblicz"));
    Edit1 = Utworz<QLineEdit>(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    auto* wynik = new QHBoxLayout(pnlOblicz);
    wynik->addWidget(buttonOblicz);
    wynik->addSpacing(12);
    wynik->addWidget(EtykietaHtml(QStringLiteral("qlblDab"), SymbolWyniku, nullptr));
    wynik->addWidget(Edit1, 1);
    wynik->addWidget(EtykietaHtml(QStringLiteral("qlblJednostka"), JednostkaWyniku, nullptr));
    siatka->setRowStretch(wiersz++, 1);
    siatka->addWidget(pnlOblicz, wiersz, 0, 1, 3);
    siatka->setColumnStretch(1, 1);
    connect(buttonOblicz, &QPushButton::clicked, this, WSieci([this] { buttonObliczClick(); }));
    for (TPoleLiczbowe* pole : {edtT, edtP})
        connect(pole, &QLineEdit::textChanged, this, [this] { Edit1->clear(); });
    return Panel1;
}

QWidget* TFuller_Form::UtworzPanelAtomow()
{
    pnlAtomy = Utworz<QWidget>(QStringLiteral("pnlAtomy"));
    lblPodaj = Etykieta(QStringLiteral("Podaj liczbę atomów i pierścieni"), QStringLiteral("lblPodaj"));
    PageControl1 = Utworz<QTabWidget>(QStringLiteral("PageControl1"));
    PageControl1->addTab(UtworzStroneZwiazku(0), QStringLiteral("Związek 1."));
    PageControl1->addTab(UtworzStroneZwiazku(1), QStringLiteral("Związek 2."));
    PageControl1->setFixedSize(300, 365);
    auto* uklad = new QVBoxLayout(pnlAtomy);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(lblPodaj);
    uklad->addWidget(PageControl1);
    return pnlAtomy;
}

QWidget* TFuller_Form::UtworzStroneZwiazku(int i)
{
    static const char* const NazwyAtomow[2] = {"ScrollBox2", "ScrollBox1"};
    static const char* const NazwyKomunikatow[2] = {"ScrollBox3", "ScrollBox4"};
    static const char* const NazwyEtykiet[2] = {"Label6", "Label7"};
    constexpr int PierwszyPierscien = 9;
    TZwiazekFullera& z = zwiazki[i];

    std::vector<WierszGrupy> wiersze;
    for (int atom = 0; atom < LiczbaObjetosciAtomow; ++atom)
        wiersze.push_back({QString::fromUtf8(ObjetosciDyfuzyjneAtomow()[atom].podpis), QString(),
                           NazwaAtomu("chb", i, atom), NazwaAtomu("edt", i, atom)});
    const std::vector<NaglowekSekcji> naglowki{{1, QStringLiteral("Liczba atomów")},
                                               {PierwszyPierscien + 1, QStringLiteral("Liczba pierścieni")}};
    z.atomy = new TWierszeGrup(QString::fromLatin1(NazwyAtomow[i]), wiersze, naglowki, BezPrzyrostow);
    connect(z.atomy, &TWierszeGrup::przelaczono, this, [this] { Edit1->clear(); });
    connect(z.atomy, &TWierszeGrup::zmienionoLiczbe, this, [this] { Edit1->clear(); });
    z.lblKomunikat = Utworz<QLabel>(QString::fromLatin1(NazwyEtykiet[i]));
    z.lblKomunikat->setWordWrap(true);
    z.lblKomunikat->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    z.lblKomunikat->setMargin(8);
    z.komunikat = Utworz<QScrollArea>(QString::fromLatin1(NazwyKomunikatow[i]));
    z.komunikat->setWidget(z.lblKomunikat);
    z.komunikat->setWidgetResizable(true);
    z.strony = new QStackedWidget;
    z.strony->addWidget(z.atomy);
    z.strony->addWidget(z.komunikat);
    return z.strony;
}

void TFuller_Form::showEvent(QShowEvent* zdarzenie)
{
    QWidget::showEvent(zdarzenie);
    UruchomWSieci([this] { FormShow(); });
}

void TFuller_Form::FormShow()
{
    const QStringList nazwy = ListaNazw(PoleSzukania::NazwaANG);
    for (TZwiazekFullera& z : zwiazki) {
        z.znaleziony = false;
        z.cbZwiazek->WypelnijPosortowane(nazwy);
        z.lblM->clear();
        z.lblWzor->clear();
    }
}

void TFuller_Form::Zerowanie(int i)
{
    zwiazki[i].atomy->Wyzeruj();
}

void TFuller_Form::cbZwiazekChange(int i)
{
    Zerowanie(i);
    if (!FullerSzukaj(i))
        return;
    if (zwiazki[0].znaleziony && zwiazki[1].znaleziony)
        PokazPrawaKolumne(this, pnlAtomy);
    PageControl1->setCurrentIndex(i);
}

bool TFuller_Form::FullerSzukaj(int i)
{
    TZwiazekFullera& z = zwiazki[i];
    const std::optional<TRekordYaws> rekord = SkladnikListy(z.cbZwiazek, PoleSzukania::NazwaANG);
    z.znaleziony = rekord.has_value();
    if (!z.znaleziony) {
        z.M = BrakDanych;
        z.wzor.clear();
        z.lblM->clear();
        z.lblWzor->clear();
        ZglosBrakSkladnika(z.cbZwiazek, i == 1);
        return false;
    }
    z.M = rekord->Mmol;
    z.wzor = QString::fromStdString(rekord->Wzor);
    z.lblM->setText(z.M == BrakDanych ? QStringLiteral("brak danych") : FloatToStr(z.M) + QStringLiteral(" [kg/kmol]"));
    z.lblWzor->setText(z.wzor);
    // A simple molecule brings its own volume: its tab says so in place of the atom counts. The
    // two line breaks leave one empty line (a carriage return would show as a blank here).
    if (const auto objetosc = ObjetoscDyfuzyjnaCzasteczki(z.wzor)) {
        z.lblKomunikat->setText(QStringLiteral("Wartość poprawki dla związku o wzorze ") + z.wzor + QStringLiteral("\n\n") +
                                QStringLiteral("została odczytana z pliku i wynosi") + QLatin1Char(' ') + FloatToStr(*objetosc));
        z.strony->setCurrentWidget(z.komunikat);
    } else {
        z.strony->setCurrentWidget(z.atomy);
    }
    return true;
}

bool TFuller_Form::Sprawdz(bool warunek, const QString& komunikat)
{
    if (!warunek)
        PokazKomunikat(komunikat);
    return warunek;
}

std::optional<long double> TFuller_Form::ObjetoscZwiazku(int i)
{
    TZwiazekFullera& z = zwiazki[i];
    if (const auto objetosc = ObjetoscDyfuzyjnaCzasteczki(z.wzor))
        return objetosc;
    std::array<int, LiczbaObjetosciAtomow> liczby{};
    const auto pokazAtomy = [&] {
        PageControl1->setCurrentIndex(i);
        z.strony->setCurrentWidget(z.atomy);
    };
    if (!z.atomy->WczytajLiczbyCalkowite(liczby, QStringLiteral("Liczba atomów i pierścieni musi być dodatnią liczbą całkowitą"),
                                pokazAtomy))
        return std::nullopt;
    return SumaObjetosciDyfuzyjnych(liczby);
}

void TFuller_Form::buttonObliczClick()
{
    Edit1->clear();
    edtT->setFocus();
    const auto T = edtT->WartoscDodatnia(ZleWartosci, QStringLiteral("Temperatura musi być większa od zera"));
    if (!T)
        return;
    edtP->setFocus();
    const auto P = edtP->WartoscDodatnia(ZleWartosci, QStringLiteral("Ciśnienie musi być większe od zera"));
    if (!P)
        return;

    std::array<long double, 2> Sv{};
    for (int i = 0; i < 2; ++i)
        if (!FullerSzukaj(i))
            return;
    for (int i = 0; i < 2; ++i) {
        const QString numer = QString::number(i + 1);
        if (!Sprawdz(zwiazki[i].M != BrakDanych && zwiazki[i].M > 0,
                     QStringLiteral("Brak danych: w bazie nie ma masy molowej związku ") + numer))
            return;
        const auto objetosc = ObjetoscZwiazku(i);
        if (!objetosc)
            return;
        if (!Sprawdz(*objetosc > 0, QStringLiteral("Suma objętości dyfuzyjnych związku ") + numer +
                                        QStringLiteral(" musi być większa od zera. Zaznacz jego atomy.")))
            return;
        Sv[i] = *objetosc;
    }
    const long double D = WspolczynnikDyfuzjiFullera(*T, *P, zwiazki[0].M, zwiazki[1].M, Sv[0], Sv[1]);
    Edit1->setText(FloatToStr(D));
}

void ZarejestrujOknoFullera()
{
    ZarejestrujOknoMetody<TFuller_Form>(QStringLiteral("TFuller_Form"));
}
