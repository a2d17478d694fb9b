#pragma once
// Driving the mixture windows as a user does: typing into boxes and component lists (Enter runs
// the list's look-up), reading numbers back, and screenshots when QERN_ZRZUTY names a folder.
#include "FloatText.h"
#include "ListaZwiazkow.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

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
