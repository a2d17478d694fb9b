#include "Fuller.h"

#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "FloatText.h"
#include "Kontrolka.h"
#include "ListaZwiazkow.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"
#include "QzHtmlLabel2.h"
#include "RejestrOkienMetod.h"
#include "Wyszukiwanie.h"
#include "Zmienne.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

TFuller_Form* Fuller_Form = nullptr;

namespace {

const QString ZleWartosci = QStringLiteral("Źle podane wartości liczbowe");
const QString BrakZwiazku[2] = {QStringLiteral("Nie ma takiego związku. Spróbuj pod inną nazwą"),
                                QStringLiteral("Niema takiego związku. Spróbuj pod inną nazwą")};

// The equation on two lines: D°AB = numerator / denominator, then the unit.
const QString Rownanie = QStringLiteral(
    R"(<p align="centre"><font size="13">D</font><sup>o</sup><sub><b>AB</b></sub><font size="13"> = 0.00143 T</font><sup><b>1.75</b></sup>)"
    R"(<font size="13"> / (P M</font><sub><b>AB</b></sub><sup><b>1/2</b></sup>)"
    R"(<font size="13"> [(</font><font name="Symbol" size="13">S</font><font size="13">v)</font><sub><b>A</b></sub><sup><b>1/3</b></sup>)"
    R"(<font size="13"> + (</font><font name="Symbol" size="13">S</font><font size="13">v)</font><sub><b>B</b></sub><sup><b>1/3</b></sup>)"
    R"(<font size="13">]</font><sup><b>2</b></sup><font size="13">)</font></p>)"
    R"(<p align="centre"><font size="13">[cm<sup>2</sup>/s]</font></p>)");
const QString SymbolWyniku = QStringLiteral(
    R"(<font size="15">D</font><sup>o</sup><sub><b>AB</b></sub><font size="15"> =</font>)");
const QString JednostkaWyniku = QStringLiteral(R"(<font size="13">[cm<sup>2</sup>/s]</font>)");

// Names of the atom controls: "chb" + "C" + "1".
QString NazwaAtomu(const char* przedrostek, int i, int atom)
{
    return QLatin1String(przedrostek) + QLatin1String(ObjetosciDyfuzyjneAtomow()[atom].nazwa) + QString::number(i + 1);
}

QLabel* Etykieta(const QString& nazwa, const QString& tekst)
{
    auto* etykieta = Utworz<QLabel>(nazwa, tekst);
    return etykieta;
}

TQzHtmlLabel2* EtykietaHtml(const QString& nazwa, const QString& html)
{
    auto* etykieta = Utworz<TQzHtmlLabel2>(nazwa);
    etykieta->setHtml(html);
    return etykieta;
}

} // namespace

TFuller_Form::TFuller_Form(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("Fuller_Form"));
    setWindowTitle(QStringLiteral("Współczynnik dyfuzji w gazach - metoda Fullera"));

    auto* pasek = new QMenuBar(this);
    QMenu* plik = pasek->addMenu(QStringLiteral("Plik"));
    Zakocz1 = plik->addAction(QStringLiteral("Zakończ"), this, WSieci([this] { Zakocz1Click(); }));
    Zakocz1->setObjectName(QStringLiteral("Zakocz1"));
    Wyjciezprogramu1 = plik->addAction(QStringLiteral("Wyjście z programu"), this, WSieci([this] { Wyjciezprogramu1Click(); }));
    Wyjciezprogramu1->setObjectName(QStringLiteral("Wyjciezprogramu1"));

    auto* uklad = new QHBoxLayout(this);
    uklad->setMenuBar(pasek);
    uklad->setSizeConstraint(QLayout::SetFixedSize);
    uklad->addWidget(UtworzPanelLewy(), 0, Qt::AlignTop);
    uklad->addWidget(UtworzPanelAtomow(), 0, Qt::AlignTop);
    pnlAtomy->hide();
}

QWidget* TFuller_Form::UtworzPanelLewy()
{
    Panel1 = Utworz<QWidget>(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(440);
    ImgdelDab = EtykietaHtml(QStringLiteral("ImgdelDab"), Rownanie);
    ImgdelDab->setMinimumHeight(64);
    lbl2T = Etykieta(QStringLiteral("lbl2T"), QStringLiteral("Temeratura"));
    edtT = UtworzPoleLiczbowe(QStringLiteral("edtT"));
    lbl2P = Etykieta(QStringLiteral("lbl2P"), QStringLiteral("Ciśnienie"));
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
        z.lblM = Etykieta(QStringLiteral("lblM") + numer, {});
        z.lblWzor = Etykieta(QStringLiteral("lblWzor") + numer, {});
        siatka->addWidget(new QLabel(QStringLiteral("Wybierz związek ") + numer), wiersz++, 0, 1, 3);
        siatka->addWidget(z.cbZwiazek, wiersz++, 0, 1, 3);
        siatka->addWidget(z.lblM, wiersz, 0, 1, 2);
        siatka->addWidget(z.lblWzor, wiersz++, 2);
        const auto wybor = WSieci([this, i] { cbZwiazekChange(i); });
        connect(z.cbZwiazek, &TListaZwiazkow::wybrano, this, wybor);
        connect(z.cbZwiazek, &TListaZwiazkow::zatwierdzono, this, wybor);
    }

    pnlOblicz = Utworz<QWidget>(QStringLiteral("pnlOblicz"));
    buttonOblicz = Utworz<QPushButton>(QStringLiteral("buttonOblicz"), QStringLiteral("Oblicz"));
    Edit1 = Utworz<QLineEdit>(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    auto* wynik = new QHBoxLayout(pnlOblicz);
    wynik->addWidget(buttonOblicz);
    wynik->addSpacing(12);
    wynik->addWidget(EtykietaHtml(QStringLiteral("qlblDab"), SymbolWyniku));
    wynik->addWidget(Edit1, 1);
    wynik->addWidget(EtykietaHtml(QStringLiteral("qlblJednostka"), JednostkaWyniku));
    siatka->addWidget(pnlOblicz, wiersz, 0, 1, 3);
    siatka->setColumnStretch(1, 1);
    connect(buttonOblicz, &QPushButton::clicked, this, WSieci([this] { buttonObliczClick(); }));
    return Panel1;
}

QWidget* TFuller_Form::UtworzPanelAtomow()
{
    pnlAtomy = Utworz<QWidget>(QStringLiteral("pnlAtomy"));
    lblPodaj = Etykieta(QStringLiteral("lblPodaj"), QStringLiteral("Podaj liczbę atomów i pierścieni"));
    PageControl1 = Utworz<QTabWidget>(QStringLiteral("PageControl1"));
    PageControl1->addTab(UtworzStroneZwiazku(0), QStringLiteral("Związek 1."));
    PageControl1->addTab(UtworzStroneZwiazku(1), QStringLiteral("Związek 2."));
    PageControl1->setFixedSize(300, 430);
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

    auto* wiersze = new QWidget;
    auto* siatka = new QGridLayout(wiersze);
    int wiersz = 0;
    for (int atom = 0; atom < LiczbaObjetosciAtomow; ++atom) {
        if (atom == 0 || atom == PierwszyPierscien) {
            auto* naglowek = new QLabel(atom == 0 ? QStringLiteral("Liczba atomów") : QStringLiteral("Liczba pierścieni"));
            naglowek->setStyleSheet(QStringLiteral("font-weight: bold"));
            siatka->addWidget(naglowek, wiersz++, 0, 1, 2);
        }
        z.chb[atom] = Utworz<QCheckBox>(NazwaAtomu("chb", i, atom), QString::fromUtf8(ObjetosciDyfuzyjneAtomow()[atom].podpis));
        z.edt[atom] = new TEdycjaZLicznikiem(NazwaAtomu("edt", i, atom), 1, 999);
        z.edt[atom]->setText(QStringLiteral("1"));
        z.edt[atom]->setFixedWidth(64);
        z.edt[atom]->hide();
        siatka->addWidget(z.chb[atom], wiersz, 0);
        siatka->addWidget(z.edt[atom], wiersz++, 1);
        connect(z.chb[atom], &QCheckBox::clicked, this, WSieci([this, i, atom] { chbAtomClick(i, atom); }));
    }
    siatka->setRowStretch(wiersz, 1);
    siatka->setColumnStretch(0, 1);

    z.atomy = Utworz<QScrollArea>(QString::fromLatin1(NazwyAtomow[i]));
    z.atomy->setWidget(wiersze);
    z.atomy->setWidgetResizable(true);
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
    const QStringList nazwy = ZbierzListySzukania().NazwyANG;
    for (TZwiazekFullera& z : zwiazki) {
        z.cbZwiazek->WypelnijPosortowane(nazwy);
        z.lblM->clear();
        z.lblWzor->clear();
    }
}

void TFuller_Form::Zerowanie(int i)
{
    TZwiazekFullera& z = zwiazki[i];
    for (int atom = 0; atom < LiczbaObjetosciAtomow; ++atom) {
        z.chb[atom]->setChecked(false);
        z.edt[atom]->hide();
        z.edt[atom]->setText(QStringLiteral("1"));
    }
}

void TFuller_Form::cbZwiazekChange(int i)
{
    Zerowanie(i);
    if (!FullerSzukaj(i))
        return;
    if (Znaleziono1 && Znaleziono2)
        Poszerz();
    PageControl1->setCurrentIndex(i);
}

bool TFuller_Form::FullerSzukaj(int i)
{
    TZwiazekFullera& z = zwiazki[i];
    bool& znaleziono = i == 0 ? Znaleziono1 : Znaleziono2;
    znaleziono = WczytajSkladnik(PoleSzukania::NazwaANG, z.cbZwiazek->currentText());
    if (!znaleziono) {
        z.M = BrakDanych;
        z.wzor.clear();
        z.lblM->clear();
        z.lblWzor->clear();
        PokazKomunikat(BrakZwiazku[i]);
        z.cbZwiazek->setEditText({});
        return false;
    }
    z.M = RekordYaws.Mmol;
    z.wzor = QString::fromStdString(RekordYaws.Wzor);
    z.lblM->setText((z.M == BrakDanych ? QStringLiteral("brak danych") : FloatToStr(z.M)) + QStringLiteral(" [kg/kmol]"));
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

void TFuller_Form::Poszerz()
{
    if (!pnlAtomy->isHidden())
        return;
    pnlAtomy->show();
    adjustSize();
    WysrodkujNaPulpicie(this);
}

void TFuller_Form::chbAtomClick(int i, int atom)
{
    TEdycjaZLicznikiem* liczba = zwiazki[i].edt[atom];
    liczba->setVisible(zwiazki[i].chb[atom]->isChecked());
    if (liczba->isVisible())
        liczba->setFocus();
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
    for (int atom = 0; atom < LiczbaObjetosciAtomow; ++atom) {
        if (!z.chb[atom]->isChecked())
            continue;
        bool calkowita = false;
        liczby[atom] = z.edt[atom]->text().trimmed().toInt(&calkowita);
        if (!calkowita || liczby[atom] < 1) {
            PageControl1->setCurrentIndex(i);
            z.strony->setCurrentWidget(z.atomy);
            PokazKomunikat(QStringLiteral("Liczba atomów i pierścieni musi być dodatnią liczbą całkowitą"));
            z.edt[atom]->setFocus();
            z.edt[atom]->edycja()->selectAll();
            return std::nullopt;
        }
    }
    return SumaObjetosciDyfuzyjnych(liczby);
}

void TFuller_Form::buttonObliczClick()
{
    Edit1->clear();
    edtT->setFocus();
    const auto T = edtT->Wartosc(ZleWartosci);
    if (!T)
        return;
    edtP->setFocus();
    const auto P = edtP->Wartosc(ZleWartosci);
    if (!P)
        return;
    if (!Sprawdz(*T > 0, QStringLiteral("Temperatura musi być większa od zera")) ||
        !Sprawdz(*P > 0, QStringLiteral("Ciśnienie musi być większe od zera")))
        return;
    TempObliczen = *T;
    CisnienieObliczen = *P;

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

void TFuller_Form::Zakocz1Click()
{
    close();
}

void TFuller_Form::Wyjciezprogramu1Click()
{
    close();
    QApplication::quit();
}

void ZarejestrujOknoFullera()
{
    ZarejestrujOknoMetody<TFuller_Form>(QStringLiteral("TFuller_Form"), &Fuller_Form);
}
