#include "DelHcWynik.h"

#include "CieploSpalania.h"
#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "FloatText.h"
#include "Joback.h"
#include "Kontrolka.h"
#include "PoleLiczbowe.h"
#include "ObslugaZdarzen.h"
#include "RejestrOkienMetod.h"
#include "Zmienne.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <iomanip>
#include <locale>
#include <optional>
#include <sstream>

namespace {

// The program itself is filling the count edits (from creation to the end of the first show,
// and while the defaults come back).
bool TrwaWypelnianie = false;
// The counts C, H, F, Cl, Br, I, S as the last show put them into the edits.
std::array<int, 7> DomyslneLiczby{};

struct WierszAtomow {
    const char* podpis;
    const char* symbol;
    const char* edycja;
    const char* licznik;
};

// In the order C, H, F, Cl, Br, I, S of the counts.
const WierszAtomow WierszeAtomow[] = {
    {"Liczba atomów węgla      N", "C", "edtNc", "UpDown1"},
    {"Liczba atomów wodoru   N", "H", "edtNh", "UpDown4"},
    {"Liczba atomów fluoru       N", "F", "edtNf", "UpDown2"},
    {"Liczba atomów chloru      N", "Cl", "edtNcl", "UpDown3"},
    {"Liczba atomów bromu   N", "Br", "edtNbr", "UpDown5"},
    {"Liczba atomów jodu       N", "I", "edtNi", "UpDown6"},
    {"Liczba atomów siarki     N", "S", "edtNs", "UpDown7"},
};

std::array<int*, 7> Liczby()
{
    return {&Nc, &Nh, &Nf, &Ncl, &Nbr, &Ni, &Ns};
}

LiczbyAtomow ZLiczb(const std::array<int, 7>& n)
{
    LiczbyAtomow liczby;
    liczby.C = n[0], liczby.H = n[1], liczby.F = n[2], liczby.Cl = n[3], liczby.Br = n[4], liczby.I = n[5],
    liczby.S = n[6];
    return liczby;
}

LiczbyAtomow ZGlobalnych()
{
    return ZLiczb({Nc, Nh, Nf, Ncl, Nbr, Ni, Ns});
}

QLabel* Napis(const QString& tekst, const QString& nazwa = {}, bool granatowy = false)
{
    auto* etykieta = Utworz<QLabel>(nazwa, tekst);
    if (granatowy) {
        etykieta->setStyleSheet(QStringLiteral("color: navy"));
        QFont czcionka = etykieta->font();
        czcionka.setBold(true);
        etykieta->setFont(czcionka);
    }
    return etykieta;
}

QLabel* Wzor(const QString& nazwa, const QString& html)
{
    auto* etykieta = Utworz<QLabel>(nazwa, html);
    etykieta->setTextFormat(Qt::RichText);
    return etykieta;
}

const QString CieploTworzenia = QStringLiteral("ΔH°<sub>f</sub>(298,15 K)");
const QString CieploSpalaniaWzor = QStringLiteral("ΔH°<sub>c</sub>(298,15 K)");

// The count an edit holds: a whole number within the allowed range, none otherwise.
std::optional<int> LiczbaAtomow(const QLineEdit* edycja)
{
    bool calkowita = false;
    const int liczba = edycja->text().trimmed().toInt(&calkowita);
    if (!calkowita || !LiczbaAtomowDozwolona(liczba))
        return std::nullopt;
    return liczba;
}

// "Liczba atomów węgla NC" and so on, as the row's caption reads.
QString NazwaWiersza(const WierszAtomow& wiersz)
{
    return QString::fromUtf8(wiersz.podpis).simplified() + QString::fromLatin1(wiersz.symbol);
}

QString WynikWKJ(long double wartosc)
{
    std::ostringstream tekst;
    tekst.imbue(std::locale::classic());
    tekst << std::fixed << std::setprecision(3) << wartosc;
    return QString::fromStdString(tekst.str()) + QStringLiteral("  kJ/mol");
}

} // namespace

TDelHcWynForm::TDelHcWynForm(QWidget* rodzic) : QMainWindow(rodzic)
{
    setObjectName(QStringLiteral("DelHcWynForm"));
    setWindowTitle(QStringLiteral("Predykcja ciepła spalania w stanie standardowym"));
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    QAction* W1 = menuBar()->addMenu(QStringLiteral("Plik"))->addAction(QStringLiteral("Wyjście z programu"));
    W1->setObjectName(QStringLiteral("W1"));
    menuBar()->addMenu(QStringLiteral("Pomoc"))->addAction(QStringLiteral("O metodzie"))->setObjectName(QStringLiteral("Ometodzie2"));
    connect(W1, &QAction::triggered, this, WSieci([](bool) { QApplication::quit(); }));

    auto* pnlWzor = Utworz<QWidget>(QStringLiteral("pnlWzor"));
    auto* ukladWzoru = new QVBoxLayout(pnlWzor);
    ukladWzoru->addWidget(Napis(QStringLiteral("STANDARDOWE CIEPŁO SPALANIA"), QStringLiteral("Label17"), true), 0,
                          Qt::AlignHCenter);
    pnlDelHcWzor = Utworz<QWidget>(QStringLiteral("pnlDelHcWzor"));
    auto* ukladObrazow = new QVBoxLayout(pnlDelHcWzor);
    imgDelHc1 = Wzor(QStringLiteral("imgDelHc1"),
                     QStringLiteral("<b>") + CieploSpalaniaWzor
                         + QStringLiteral(" = −393,78·N<sub>C</sub> − 121·(N<sub>H</sub> − N<sub>X</sub>) − "
                                          "271,81·N<sub>F</sub> − 92,37·N<sub>Cl</sub><br>"
                                          "− 36,26·N<sub>Br</sub> + 24,81·N<sub>I</sub> − 297,26·N<sub>S</sub> − ")
                         + CieploTworzenia + QStringLiteral("</b>"));
    imgDelHc2 = Wzor(QStringLiteral("imgDelHc2"),
                     QStringLiteral("<b>") + CieploSpalaniaWzor + QStringLiteral(" = −") + CieploTworzenia
                         + QStringLiteral("</b>"));
    ukladObrazow->addWidget(imgDelHc1, 0, Qt::AlignHCenter);
    ukladObrazow->addWidget(imgDelHc2, 0, Qt::AlignHCenter);
    ukladWzoru->addWidget(pnlDelHcWzor);
    stxWzor = Napis({}, QStringLiteral("stxWzor"), true);
    stxWzor->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ukladWzoru->addWidget(stxWzor, 0, Qt::AlignHCenter);

    pgcDelHc = Utworz<QStackedWidget>(QStringLiteral("pgcDelHc"));
    pgcDelHc->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    tsAtomy = UtworzStroneAtomow();
    tsGoToJoback1 = UtworzStroneJobacka();
    pgcDelHc->addWidget(tsAtomy);
    pgcDelHc->addWidget(tsGoToJoback1);
    napisyMinusDelHf = new QWidget;
    auto* ukladNapisow = new QVBoxLayout(napisyMinusDelHf);
    ukladNapisow->addWidget(Napis(QStringLiteral("Dla tego związku ciepło spalania jest równe ciepłu tworzenia"),
                                  QStringLiteral("Label28")), 0, Qt::AlignHCenter);
    ukladNapisow->addWidget(Napis(QStringLiteral(" ze znakiem przeciwnym"), QStringLiteral("Label30")), 0,
                            Qt::AlignHCenter);
    ukladNapisow->addWidget(Napis(QStringLiteral("Aby uzyskać wynik naciśnij  OBLICZ"), QStringLiteral("Label29")), 0,
                            Qt::AlignHCenter);
    ukladNapisow->addStretch(1);
    napisyMinusDelHf->hide();

    auto* Panel2 = Utworz<QWidget>(QStringLiteral("Panel2"));
    auto* ukladWyniku = new QHBoxLayout(Panel2);
    ukladWyniku->addStretch(1);
    ukladWyniku->addWidget(Wzor(QStringLiteral("Image1"), QStringLiteral("<b>") + CieploSpalaniaWzor + QStringLiteral(" =</b>")));
    pnlDelHcWyn = Napis(QStringLiteral("?"), QStringLiteral("pnlDelHcWyn"));
    pnlDelHcWyn->setMinimumWidth(180);
    pnlDelHcWyn->setAlignment(Qt::AlignCenter);
    pnlDelHcWyn->setStyleSheet(QStringLiteral("background: white; font-weight: bold; padding: 4px"));
    pnlDelHcWyn->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ukladWyniku->addWidget(pnlDelHcWyn);
    btnOblicz = Utworz<QPushButton>(QStringLiteral("btnOblicz"), QStringLiteral("OBLICZ"));
    ukladWyniku->addSpacing(20);
    ukladWyniku->addWidget(btnOblicz);
    ukladWyniku->addStretch(1);

    auto* calosc = new QWidget;
    auto* uklad = new QVBoxLayout(calosc);
    uklad->addWidget(pnlWzor);
    uklad->addWidget(pgcDelHc, 1);
    uklad->addWidget(napisyMinusDelHf, 1);
    uklad->addWidget(Panel2);
    setCentralWidget(calosc);

    connect(btnOblicz, &QPushButton::clicked, this, WSieci([this](bool) { btnObliczClick(); }));
    connect(btnDefault, &QPushButton::clicked, this, WSieci([this](bool) { btnDefaultClick(); }));
    connect(btnGoToJoback1, &QPushButton::clicked, this, WSieci([this](bool) { btnGoToJoback1Click(); }));
    for (QLineEdit* edycja : {edtNc, edtNf})
        connect(edycja, &QLineEdit::textChanged, this, WSieci([this](const QString&) { NxOblClick(); }));
    for (QLineEdit* edycja : {edtNc, edtNf, edtNcl, edtNh})
        edycja->installEventFilter(this);
    for (TEdycjaZLicznikiem* licznik : liczniki_)
        connect(licznik, &TEdycjaZLicznikiem::krok, this, WSieci([this](int) { NxOblClick(); }));

    TrwaWypelnianie = true;
    adjustSize();
}

QWidget* TDelHcWynForm::UtworzStroneAtomow()
{
    auto* strona = Utworz<QWidget>(QStringLiteral("tsAtomy"));
    auto* uklad = new QVBoxLayout(strona);
    uklad->addWidget(Napis(QStringLiteral("SPRAWDŹ POPRAWNOŚĆ ZLICZONYCH ATOMÓW "), QStringLiteral("Label22"), true), 0,
                     Qt::AlignHCenter);
    auto* siatka = new QGridLayout;
    int wiersz = 0;
    for (const WierszAtomow& opis : WierszeAtomow) {
        auto* licznik = new TEdycjaZLicznikiem(QString::fromLatin1(opis.edycja), 0, 999);
        licznik->setObjectName(QString::fromLatin1(opis.licznik));
        licznik->setText(QStringLiteral("0"));
        licznik->setFixedWidth(80);
        liczniki_[wiersz] = licznik;
        // The caption keeps its blanks, so the symbols stand about one under another.
        siatka->addWidget(Wzor({}, QStringLiteral("<span style=\"white-space: pre\">") + QString::fromUtf8(opis.podpis)
                                       + QStringLiteral("</span><sub>") + QString::fromLatin1(opis.symbol)
                                       + QStringLiteral("</sub>")),
                          wiersz, 0);
        siatka->addWidget(Napis(QStringLiteral("=")), wiersz, 1);
        siatka->addWidget(licznik, wiersz, 2);
        ++wiersz;
    }
    edtNc = liczniki_[0]->edycja(), edtNh = liczniki_[1]->edycja(), edtNf = liczniki_[2]->edycja();
    edtNcl = liczniki_[3]->edycja(), edtNbr = liczniki_[4]->edycja(), edtNi = liczniki_[5]->edycja();
    edtNs = liczniki_[6]->edycja();
    btnDefault = Utworz<QPushButton>(QStringLiteral("btnDefault"), QStringLiteral("Wartości domyślne "));
    btnDefault->setEnabled(false);
    siatka->addWidget(btnDefault, 0, 3, wiersz, 1, Qt::AlignCenter);
    siatka->setColumnStretch(3, 1);
    siatka->setHorizontalSpacing(6);
    siatka->setVerticalSpacing(2);
    uklad->addLayout(siatka);
    auto* halogeny = new QHBoxLayout;
    halogeny->addWidget(Napis(QStringLiteral("Liczba atomów halogenków (F,Cl,Br,I) Nx"), QStringLiteral("Label2"), true));
    halogeny->addWidget(Napis(QStringLiteral("=")));
    stxNx = Napis(QStringLiteral("0"), QStringLiteral("stxNx"));
    halogeny->addWidget(stxNx);
    halogeny->addStretch(1);
    uklad->addLayout(halogeny);
    uklad->addStretch(1);
    return strona;
}

QWidget* TDelHcWynForm::UtworzStroneJobacka()
{
    auto* strona = Utworz<QWidget>(QStringLiteral("tsGoToJoback1"));
    auto* uklad = new QVBoxLayout(strona);
    uklad->addStretch(1);
    auto* naglowek = new QHBoxLayout;
    naglowek->addStretch(1);
    naglowek->addWidget(Napis(QStringLiteral("METODA WYMAGA OBLICZENIA CIEPŁA TWORZENIA ("), QStringLiteral("Label25"), true));
    naglowek->addWidget(Napis(QStringLiteral("Δ"), QStringLiteral("Label26"), true));
    naglowek->addWidget(Napis(QStringLiteral("Hf)"), {}, true));
    naglowek->setSpacing(0);
    naglowek->addStretch(1);
    uklad->addLayout(naglowek);
    uklad->addWidget(Napis(QStringLiteral("Metodą udziału grup JOBACKA"), QStringLiteral("Label27")), 0, Qt::AlignHCenter);
    btnGoToJoback1 = Utworz<QPushButton>(QStringLiteral("btnGoToJoback1"), QStringLiteral("Kontynuuj..."));
    uklad->addWidget(btnGoToJoback1, 0, Qt::AlignHCenter);
    uklad->addStretch(1);
    return strona;
}

void TDelHcWynForm::showEvent(QShowEvent* zdarzenie)
{
    QMainWindow::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous())
        UruchomWSieci([this] { FormShow(); });
}

bool TDelHcWynForm::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::MouseButtonPress)
        UruchomWSieci([this] { NxOblClick(); });
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

void TDelHcWynForm::WypelnijLiczby()
{
    const std::array<int*, 7> liczby = Liczby();
    for (size_t i = 0; i < liczby.size(); ++i) {
        Edycje()[i]->setText(QString::number(*liczby[i]));
        DomyslneLiczby[i] = *liczby[i];
    }
}

void TDelHcWynForm::PokazNx()
{
    Nx = LiczbaHalogenow(ZGlobalnych());
    stxNx->setText(QString::number(Nx));
}

void TDelHcWynForm::FormShow()
{
    btnOblicz->setEnabled(DelHfZnane);
    if (TrybAtomow)
        WypelnijLiczby();
    if (DelHfZnane && TrybAtomow)
        PokazNx();
    imgDelHc1->setVisible(TrybAtomow);
    imgDelHc2->setVisible(!TrybAtomow && DelHcMinusDelHf);
    const bool tylkoObrazy = DelHfZnane && !TrybAtomow && DelHcMinusDelHf;
    pgcDelHc->setVisible(!tylkoObrazy);
    napisyMinusDelHf->setVisible(tylkoObrazy);
    pgcDelHc->setCurrentWidget(DelHfZnane ? tsAtomy : tsGoToJoback1);
    stxWzor->setText(NazwaZwiazku + QStringLiteral(": ") + WzorZwiazku);
    TrwaWypelnianie = false;
}

// The counts as they are typed, so the halogen count follows them. An edit that is empty or
// holds no allowed count yet is skipped; "OBLICZ" reports it.
void TDelHcWynForm::NxOblClick()
{
    if (!TrwaWypelnianie) {
        const std::array<int*, 7> liczby = Liczby();
        for (size_t i = 0; i < liczby.size(); ++i)
            if (const std::optional<int> liczba = LiczbaAtomow(Edycje()[i]))
                *liczby[i] = *liczba;
        PokazNx();
    }
    btnDefault->setEnabled(true);
}

void TDelHcWynForm::btnDefaultClick()
{
    TrwaWypelnianie = true;
    for (size_t i = 0; i < DomyslneLiczby.size(); ++i)
        Edycje()[i]->setText(QString::number(DomyslneLiczby[i]));
    stxNx->setText(QString::number(LiczbaHalogenow(ZLiczb(DomyslneLiczby))));
    Nx = LiczbaHalogenow(ZLiczb(DomyslneLiczby));
    TrwaWypelnianie = false;
    btnDefault->setEnabled(false);
}

void TDelHcWynForm::btnObliczClick()
{
    long double cieploSpalania = 0.0L;
    if (TrybAtomow) {
        const std::array<int*, 7> liczby = Liczby();
        for (size_t i = 0; i < liczby.size(); ++i) {
            const std::optional<int> liczba = LiczbaAtomow(Edycje()[i]);
            if (!liczba) {
                pnlDelHcWyn->setText(QStringLiteral("?"));
                OdrzucWpis(Edycje()[i], QStringLiteral("Uzupełnij liczbę atomów! %1 musi być liczbą całkowitą od 0 do %2.")
                                            .arg(NazwaWiersza(WierszeAtomow[i]))
                                            .arg(NajwiekszaLiczbaAtomow),
                           RodzajKomunikatu::Ostrzezenie);
                return;
            }
            *liczby[i] = *liczba;
        }
        PokazNx();
        cieploSpalania = CieploSpalania(ZGlobalnych(), DelHf);
    } else if (DelHcMinusDelHf) {
        cieploSpalania = -DelHf;
    }
    pnlDelHcWyn->setText(WynikWKJ(cieploSpalania));
}

void TDelHcWynForm::btnGoToJoback1Click()
{
    hide();
    TJoback1_Form joback;
    UruchomModalnie(&joback);
    show();
}

void ZarejestrujDelHcWynik()
{
    ZarejestrujOknoMetody<TDelHcWynForm>(QStringLiteral("TDelHcWynForm"));
}
