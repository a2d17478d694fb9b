// The main window's search panel: the four lists, the search and the loading of the found record.
#include "Baza.h"

#include "Cp1250.h"
#include "Dialogs.h"
#include "GrupaRadiowa.h"
#include "Karta.h"
#include "KartaZwiazku.h"
#include "ListaZwiazkow.h"
#include "ObslugaZdarzen.h"
#include "PolishText.h"
#include "WzorySzukaj.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

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

TListaZwiazkow* NowaListaSzukania(const QString& nazwa, const QString& hint, QWidget* rodzic)
{
    auto* lista = UtworzListeZwiazkow(nazwa, rodzic);
    // As wide as 24 broad letters, which the longest name of the sample database fits in, without
    // measuring every one of the (perhaps a hundred thousand) entries when the window first shows.
    lista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lista->setMinimumContentsLength(24);
    // The drop-down, too, takes the height of one entry for all.
    static_cast<QListView*>(lista->view())->setUniformItemSizes(true);
    UstawHint(lista, hint);
    return lista;
}

QLabel* EtykietaListy(const QString& tekst, const QString& hint, QWidget* rodzic)
{
    auto* etykieta = new QLabel(tekst, rodzic);
    UstawHint(etykieta, hint);
    return etykieta;
}

} // namespace

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
    for (TListaZwiazkow* lista : {cbZnajdzZwiazek, cbSearchCompound, cbZnajdzWzor, cbCAS}) {
        lista->installEventFilter(this);
        connect(lista, &TListaZwiazkow::zatwierdzono, this, WSieci([this] { sbSzukajClick(); }));
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

void TBaza_Form::WypelnijListy()
{
    const ListySzukania listy = ZbierzListySzukania();
    CzyscRekordYaws();
    const std::pair<QComboBox*, const QStringList*> wypelnienia[] = {
        {cbZnajdzZwiazek, &listy.NazwyPL}, {cbSearchCompound, &listy.NazwyANG},
        {cbZnajdzWzor, &listy.Wzory}, {cbCAS, &listy.NumeryCAS}};
    for (auto [lista, pozycje] : wypelnienia) {
        const QSignalBlocker blokada(lista);
        // A plain list of texts shared with the search's own, not an item object for each entry.
        lista->setModel(new QStringListModel(*pozycje, lista));
        lista->setCurrentIndex(-1);
    }
}

// Any key in a search list clears the card, before the list handles it (Enter then searches).
bool TBaza_Form::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::KeyPress && qobject_cast<QComboBox*>(obiekt))
        UruchomWSieci([this] { CzyscKarte(); });
    return QMainWindow::eventFilter(obiekt, zdarzenie);
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
    // Searched again when the file changed under the kept texts; a name chosen from the list is
    // then looked up again as it was chosen.
    const QString tekst = lista->currentText();
    std::optional<std::pair<PoleSzukania, QString>> wybrana;
    bool anulowano = false;
    const bool wczytany = WczytajZnaleziony([&]() -> long long {
        if (wybrana)
            return ZnajdzPierwszyONazwie(wybrana->first, wybrana->second);
        WynikSzukania wynik;
        {
            const KursorOczekiwania klepsydra;
            wynik = SzukajZwiazku(pole, tekst);
        }
        if (!wynik.WymagaWyboru)
            return wynik.Znaleziono ? wynik.Pozycja : 0;
        anulowano = !WybierzZListy(wynik.Kandydaci);
        if (anulowano)
            return 0;
        wybrana.emplace(wynik.PoleWyboru, WybranaNazwa);
        return ZnajdzPierwszyONazwie(wynik.PoleWyboru, WybranaNazwa);
    });
    if (wczytany)
        PokazZnaleziony();
    else if (!anulowano)
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

void TBaza_Form::PokazZnaleziony()
{
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
