#include "WierszeGrup.h"

#include "EdycjaZLicznikiem.h"
#include "FloatText.h"
#include "Kontrolka.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int NajwiekszaLiczba = 9999;

QHBoxLayout* UkladKolumn(QWidget* wlasciciel)
{
    auto* uklad = new QHBoxLayout(wlasciciel);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(8);
    return uklad;
}

// A bold heading; what is put beside it later goes after the stretch.
QWidget* Naglowek(const QString& tekst, QHBoxLayout*& uklad)
{
    auto* naglowek = new QWidget;
    uklad = UkladKolumn(naglowek);
    auto* etykieta = new QLabel(tekst);
    QFont pogrubiona = etykieta->font();
    pogrubiona.setBold(true);
    etykieta->setFont(pogrubiona);
    etykieta->setContentsMargins(0, 6, 0, 2);
    uklad->addWidget(etykieta);
    uklad->addStretch(1);
    return naglowek;
}

// A column of fixed width; an empty one when there is nothing to show in it.
void DodajKolumne(QHBoxLayout* uklad, QWidget* kontrolka, int szerokosc)
{
    if (!kontrolka)
        kontrolka = new QWidget;
    kontrolka->setFixedWidth(szerokosc);
    uklad->addWidget(kontrolka);
}

} // namespace

bool JestLiczba(const QString& tekst)
{
    return LiczbaWpisana(tekst).has_value();
}

void TSprawdzanie::Ostrzez(const QString& tekst, QWidget* fokus, RodzajKomunikatu rodzaj)
{
    poprawne_ = false;
    if (fokus)
        fokus->setFocus();
    PokazKomunikat(tekst, rodzaj);
}

TWierszeGrup::TWierszeGrup(const QString& nazwa, const std::vector<WierszGrupy>& wiersze,
                           const std::vector<NaglowekSekcji>& naglowki, NazwyWierszy nazwy, QWidget* rodzic)
    : QScrollArea(rodzic)
{
    setObjectName(nazwa);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* zawartosc = new QWidget;
    uklad_ = new QVBoxLayout(zawartosc);
    uklad_->setSpacing(2);
    for (int numer = 1; numer <= static_cast<int>(wiersze.size()); ++numer) {
        for (const NaglowekSekcji& naglowek : naglowki)
            if (naglowek.przedWierszem == numer)
                uklad_->addWidget(Naglowek(naglowek.tekst, naglowki_[numer]));
        uklad_->addWidget(UtworzWiersz(numer, wiersze[numer - 1], nazwy));
    }
    uklad_->addStretch(1);
    setWidget(zawartosc);
}

QWidget* TWierszeGrup::UtworzWiersz(int numer, const WierszGrupy& opis, const NazwyWierszy& nazwy)
{
    const QString n = QString::number(numer);
    auto* kontener = new QWidget;
    auto* pole = Utworz<QCheckBox>(opis.nazwaPola.isEmpty() ? nazwy.pole + n : opis.nazwaPola, opis.podpis);
    pole->setToolTip(opis.podpowiedz);
    auto* licznik = new TEdycjaZLicznikiem(opis.nazwaLicznika.isEmpty() ? nazwy.licznik + n : opis.nazwaLicznika,
                                           1, NajwiekszaLiczba);
    if (opis.nazwaLicznika.isEmpty())
        licznik->setObjectName(nazwy.przyciski + n);
    licznik->setText(QStringLiteral("1"));
    licznik->hide();
    auto* przyrost = Utworz<QLabel>(nazwy.przyrost + n, kontener); // the row owns it even unplaced
    auto* uklad = UkladKolumn(kontener);
    uklad->addWidget(pole, 1);
    // The count keeps its place while it is hidden, so the increments stay in one column.
    QSizePolicy miejsce = licznik->sizePolicy();
    miejsce.setRetainSizeWhenHidden(true);
    licznik->setSizePolicy(miejsce);
    DodajKolumne(uklad, licznik, SzerokoscLicznika);
    if (nazwy.przyrost.isEmpty())
        przyrost->hide();
    else
        DodajKolumne(uklad, przyrost, SzerokoscPrzyrostu);
    wiersze_.push_back({kontener, pole, licznik, przyrost});
    connect(pole, &QCheckBox::clicked, this, WSieci([this, numer](bool) { Przelacz(numer); }));
    connect(licznik->edycja(), &QLineEdit::textChanged, this,
            WSieci([this, numer](const QString&) { emit zmienionoLiczbe(numer); }));
    return kontener;
}

QWidget* TWierszeGrup::WierszKolumn(QWidget* grupy, QWidget* liczba, QWidget* przyrost)
{
    auto* wiersz = new QWidget;
    auto* uklad = UkladKolumn(wiersz);
    uklad->addWidget(grupy ? grupy : new QWidget, 1);
    DodajKolumne(uklad, liczba, SzerokoscLicznika);
    DodajKolumne(uklad, przyrost, SzerokoscPrzyrostu);
    return wiersz;
}

void TWierszeGrup::WstawPod(int wiersz, QWidget* kontrolka)
{
    int indeks = wiersz == 0 ? 0 : uklad_->indexOf(wiersze_.at(wiersz - 1).kontener) + 1;
    // After what was put under the same row before: everything up to the next row or heading.
    while (indeks < uklad_->count() && uklad_->itemAt(indeks)->widget()
           && uklad_->itemAt(indeks)->widget()->property("podWierszem").toInt() == wiersz + 1)
        ++indeks;
    kontrolka->setProperty("podWierszem", wiersz + 1);
    uklad_->insertWidget(indeks, kontrolka);
}

void TWierszeGrup::WstawObokNaglowka(int przedWierszem, QWidget* kontrolka)
{
    DodajKolumne(naglowki_.at(przedWierszem), kontrolka, SzerokoscPrzyrostu);
}

void TWierszeGrup::UstawPrzyrosty(const std::vector<QString>& przyrosty)
{
    for (size_t i = 0; i < przyrosty.size() && i < wiersze_.size(); ++i)
        wiersze_[i].przyrost->setText(przyrosty[i]);
}

void TWierszeGrup::PrzewinNaGore()
{
    verticalScrollBar()->setValue(0);
}

void TWierszeGrup::Przelacz(int wiersz)
{
    const Wiersz& w = wiersze_.at(wiersz - 1);
    w.licznik->setVisible(w.pole->isChecked());
    if (w.pole->isChecked())
        w.licznik->edycja()->setFocus();
    emit przelaczono(wiersz);
}

void TWierszeGrup::Wyzeruj()
{
    for (const Wiersz& w : wiersze_) {
        w.pole->setChecked(false);
        w.licznik->hide();
        w.licznik->setText(QStringLiteral("1"));
    }
}

bool TWierszeGrup::Zaznaczony(int wiersz) const
{
    return Pole(wiersz)->isChecked();
}

std::vector<int> TWierszeGrup::ZaznaczoneWiersze() const
{
    std::vector<int> zaznaczone;
    for (int wiersz = 1; wiersz <= LiczbaWierszy(); ++wiersz)
        if (Zaznaczony(wiersz))
            zaznaczone.push_back(wiersz);
    return zaznaczone;
}

QString TWierszeGrup::TekstLiczby(int wiersz) const
{
    return Licznik(wiersz)->text();
}

void TWierszeGrup::Sprawdz(TSprawdzanie& sprawdzanie, const KomunikatZlejLiczby& zlaLiczba,
                           const TekstDoSprawdzenia& tekst) const
{
    const std::vector<int> zaznaczone = ZaznaczoneWiersze();
    for (int wiersz : zaznaczone) {
        if (!JestLiczba(tekst ? tekst(wiersz) : TekstLiczby(wiersz))) {
            sprawdzanie.Ostrzez(zlaLiczba.tekst, nullptr, zlaLiczba.rodzaj);
            break;
        }
    }
    if (zaznaczone.empty())
        sprawdzanie.Ostrzez(NieZaznaczonoGrupy);
}

void TWierszeGrup::SprawdzPrzyrosty(TSprawdzanie& sprawdzanie, const QString& wlasnosci,
                                    const std::function<bool(int wiersz)>& pomin) const
{
    for (int wiersz : ZaznaczoneWiersze())
        if (!(pomin && pomin(wiersz)) && !JestLiczba(Przyrost(wiersz)->text())) {
            sprawdzanie.Ostrzez(QStringLiteral("Grupa „%1” nie ma wartości poprawki dla %2.\rOdznacz ją.")
                                    .arg(Pole(wiersz)->text().trimmed(), wlasnosci));
            return;
        }
}

UdzialGrupy TWierszeGrup::Udzial(int wiersz) const
{
    return {wiersz, WartoscWpisana(TekstLiczby(wiersz)), WartoscWpisana(Przyrost(wiersz)->text())};
}

std::vector<UdzialGrupy> TWierszeGrup::Udzialy() const
{
    std::vector<UdzialGrupy> udzialy;
    for (int wiersz : ZaznaczoneWiersze())
        udzialy.push_back(Udzial(wiersz));
    return udzialy;
}

bool TWierszeGrup::WczytajLiczbyCalkowite(std::span<int> liczby, const QString& komunikat,
                                          const std::function<void()>& pokazWiersze) const
{
    for (int wiersz = 1; wiersz <= LiczbaWierszy(); ++wiersz) {
        int& liczba = liczby[wiersz - 1];
        liczba = 0;
        if (!Zaznaczony(wiersz))
            continue;
        bool calkowita = false;
        liczba = TekstLiczby(wiersz).trimmed().toInt(&calkowita);
        if (!calkowita || liczba < 1) {
            pokazWiersze();
            PokazKomunikat(komunikat);
            Licznik(wiersz)->setFocus();
            Licznik(wiersz)->edycja()->selectAll();
            return false;
        }
    }
    return true;
}
