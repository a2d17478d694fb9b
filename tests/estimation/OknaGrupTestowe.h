#pragma once
// Group-contribution windows reached as a user reaches them: a substance searched by its Polish
// name on the main window, a method chosen on the prediction tab by its radios, OK pressed; the
// script then drives the window that opens (the recorder runs it in place of the modal loop).
#include "BazaTestowa.h"
#include "Dialogs.h"
#include "EdycjaZLicznikiem.h"
#include "GrupaRadiowa.h"
#include "RejestrOkienMetod.h"
#include "windows/OknoGlowneTestowe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <functional>

struct WyborMetody {
    int zakladka;          // 0 parameters, 1 properties
    const char* nadrzedna; // the property's radio group and item
    int pozycjaNadrzednej;
    const char* grupa;     // the method's radio group and item
    int pozycja;
};

inline void KliknijPozycje(const char* grupa, int pozycja)
{
    auto* radio = Baza_Form->findChild<TGrupaRadiowa*>(QString::fromLatin1(grupa))->Pozycja(pozycja);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

// Searches the substance, chooses the method and presses OK; the script gets each window run.
inline void UruchomMetode(ZapisujOkna& zapis, const char* substancja, const WyborMetody& m,
                          std::function<void(QWidget*)> skrypt)
{
    zapis->skryptModalny = std::move(skrypt);
    auto* lista = Baza_Form->cbZnajdzZwiazek;
    lista->setFocus();
    lista->setEditText(QString::fromUtf8(substancja));
    QTest::keyClick(lista, Qt::Key_Return);
    ASSERT_TRUE(Znaleziono) << substancja;
    Baza_Form->PageControl1->setCurrentWidget(Baza_Form->tsBazaPredykcyjna);
    Baza_Form->PageControl2->setCurrentIndex(m.zakladka);
    KliknijPozycje(m.nadrzedna, m.pozycjaNadrzednej);
    KliknijPozycje(m.grupa, m.pozycja);
    QTest::mouseClick(m.zakladka == 0 ? Baza_Form->btnObliczEstParam : Baza_Form->btnObliczEstWlasnosc, Qt::LeftButton);
}

template <class T = QLineEdit>
T* Kontrolka(QWidget* okno, const QString& nazwa)
{
    auto* k = okno->findChild<T*>(nazwa);
    if (!k)
        throw std::runtime_error("no control " + nazwa.toStdString());
    return k;
}

// Ticks row i and types its count (empty: the count stays as it is).
inline void ZaznaczGrupe(QWidget* okno, int wiersz, const QString& liczba = {})
{
    auto* pole = Kontrolka<QCheckBox>(okno, QStringLiteral("cb%1").arg(wiersz));
    QTest::mouseClick(pole, Qt::LeftButton, {}, QPoint(4, pole->height() / 2));
    if (liczba.isNull())
        return;
    auto* edycja = Kontrolka(okno, QStringLiteral("edt%1").arg(wiersz));
    edycja->selectAll();
    QTest::keyClicks(edycja, liczba);
}

inline void Wpisz(QWidget* okno, const char* nazwa, const QString& tekst)
{
    auto* edycja = Kontrolka(okno, QString::fromLatin1(nazwa));
    edycja->selectAll();
    edycja->del();
    QTest::keyClicks(edycja, tekst);
}

inline void Nacisnij(QWidget* okno, const char* nazwa)
{
    QTest::mouseClick(Kontrolka<QPushButton>(okno, QString::fromLatin1(nazwa)), Qt::LeftButton);
}

// QERN_ZRZUTY=<folder>: the window is saved there as a PNG.
inline void Zrzut(QWidget* okno, const char* plik)
{
    const QString katalog = qEnvironmentVariable("QERN_ZRZUTY");
    if (katalog.isEmpty())
        return;
    QDir().mkpath(katalog);
    okno->grab().save(katalog + QLatin1Char('/') + QString::fromLatin1(plik));
}
