#pragma once
// Driving the mixture windows as a user does: typing into boxes and component lists (Enter runs
// the list's look-up), reading numbers back, and screenshots when QERN_ZRZUTY names a folder.
#include "Dialogs.h"
#include "FloatText.h"
#include "ListaZwiazkow.h"
#include "SiatkaTekstowa.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

inline void Wpisz(QLineEdit* pole, const QString& tekst)
{
    pole->setFocus();
    pole->selectAll();
    QTest::keyClick(pole, Qt::Key_Delete);
    QTest::keyClicks(pole, tekst);
}

// Types the name into the list (lower case turns upper on the way) and presses Enter.
inline void WybierzZwiazek(TListaZwiazkow* lista, const QString& nazwa)
{
    lista->setFocus();
    lista->lineEdit()->selectAll();
    QTest::keyClick(lista->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(lista->lineEdit(), nazwa);
    QTest::keyClick(lista, Qt::Key_Return);
}

inline long double Liczba(const QLineEdit* pole)
{
    return StrToFloat(pole->text());
}

// The input was refused in its box: the last message is the one given, the box is its window's
// focus (it has the keyboard whenever the window is active) and its whole text is selected.
// Each change of an input, made after a computation, takes its result off view.
inline void KazdaZmianaCzysciWynik(const std::function<void()>& oblicz, const std::function<QString()>& wynik,
                                   const std::vector<std::function<void()>>& zmiany)
{
    for (const auto& zmiana : zmiany) {
        oblicz();
        ASSERT_FALSE(wynik().isEmpty());
        zmiana();
        EXPECT_EQ(wynik(), QString());
    }
}

inline void SprawdzOdmowe(ZapisujOkna& zapis, const QLineEdit* pole, const QString& komunikat)
{
    ASSERT_FALSE(zapis->komunikaty.empty()) << pole->objectName().toStdString();
    EXPECT_EQ(zapis->komunikaty.back().tekst, komunikat) << pole->objectName().toStdString();
    EXPECT_EQ(pole->window()->focusWidget(), pole) << pole->objectName().toStdString();
    EXPECT_EQ(pole->selectedText(), pole->text()) << pole->objectName().toStdString();
}

// No box, list or grid cell of the window shows a NaN or an infinity.
inline void SprawdzBezNieliczb(const QWidget* okno)
{
    const auto liczba = [](const QString& tekst) {
        return !tekst.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
               !tekst.contains(QLatin1String("inf"), Qt::CaseInsensitive);
    };
    for (const QLineEdit* pole : okno->findChildren<QLineEdit*>())
        EXPECT_TRUE(liczba(pole->text())) << pole->objectName().toStdString() << ": " << pole->text().toStdString();
    for (const TSiatkaTekstowa* siatka : okno->findChildren<TSiatkaTekstowa*>())
        for (int w = 0; w < siatka->LiczbaWierszy(); ++w)
            for (int k = 0; k < siatka->LiczbaKolumn(); ++k)
                EXPECT_TRUE(liczba(siatka->Komorka(k, w))) << w << ", " << k;
}

// Saves the window's picture under QERN_ZRZUTY; nothing when it is not set.
inline void ZapiszZrzut(QWidget* okno, const char* nazwa)
{
    const QString katalog = qEnvironmentVariable("QERN_ZRZUTY");
    if (katalog.isEmpty())
        return;
    QDir().mkpath(katalog);
    QApplication::processEvents();
    EXPECT_TRUE(okno->grab().save(katalog + QLatin1Char('/') + QString::fromLatin1(nazwa)));
}
