#pragma once
// Driving a mixture window through its controls' names as a user does: typing into boxes and
// component lists, ticking rows, pressing "Oblicz", and opening the window from the main window's
// method tab.
#include "Baza.h"
#include "GrupaRadiowa.h"
#include "TestyMieszanin.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>
#include <stdexcept>
#include <utility>

inline const QString ZleWartosci = QStringLiteral("Źle podane wartości liczbowe");

template <class T>
T* Kontrolka(QWidget* okno, const QString& nazwa)
{
    auto* k = okno->findChild<T*>(nazwa);
    if (!k)
        throw std::runtime_error("no control " + nazwa.toStdString());
    return k;
}

inline void Wpisz(QWidget* okno, const QString& pole, const QString& tekst)
{
    Wpisz(Kontrolka<QLineEdit>(okno, pole), tekst);
}

// Types the name into the list cbZwiazek<numer> and presses Enter.
inline void WybierzZwiazek(QWidget* okno, int numer, const QString& nazwa)
{
    WybierzZwiazek(Kontrolka<TListaZwiazkow>(okno, QStringLiteral("cbZwiazek%1").arg(numer)), nazwa);
}

// Clicks the row's check box, then types the count when one is given.
inline void Zaznacz(QWidget* okno, const QString& pole, const QString& licznik = {}, const QString& liczba = {})
{
    auto* zaznaczenie = Kontrolka<QCheckBox>(okno, pole);
    QTest::mouseClick(zaznaczenie, Qt::LeftButton, {}, QPoint(6, zaznaczenie->height() / 2));
    if (!liczba.isEmpty())
        Wpisz(okno, licznik, liczba);
}

inline QString Wynik(QWidget* okno) { return Kontrolka<QLineEdit>(okno, QStringLiteral("Edit1"))->text(); }

inline void Oblicz(QWidget* okno)
{
    QTest::mouseClick(Kontrolka<QPushButton>(okno, QStringLiteral("buttonOblicz")), Qt::LeftButton);
}

// On the main window's prediction tab, clicks the radio items (group name, position) in turn and
// presses the tab's OK button; the window opened runs through the recorder's modal script.
inline void OtworzMetode(int zakladka, std::initializer_list<std::pair<const char*, int>> pozycje, QPushButton* ok)
{
    Baza_Form->PageControl1->setCurrentWidget(Baza_Form->tsBazaPredykcyjna);
    Baza_Form->PageControl2->setCurrentIndex(zakladka);
    for (auto [grupa, pozycja] : pozycje) {
        QRadioButton* przycisk = Kontrolka<TGrupaRadiowa>(Baza_Form, QString::fromLatin1(grupa))->Pozycja(pozycja);
        QTest::mouseClick(przycisk, Qt::LeftButton, {}, QPoint(6, przycisk->height() / 2));
    }
    QTest::mouseClick(ok, Qt::LeftButton);
}
