// The substance-name list as a user types into it: letters are upper-cased, a beginning is
// completed to the first name that starts with it, Enter asks for a look-up, typed text never
// becomes an item, and filling the list runs no change handler.
#include "ListaZwiazkow.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

TEST(ListaZwiazkow, UpperCasesCompletesAndAsksForALookUpOnEnter)
{
    TListaZwiazkow lista;
    int zmiany = 0;
    int zatwierdzenia = 0;
    QObject::connect(&lista, &QComboBox::currentIndexChanged, [&] { ++zmiany; });
    QObject::connect(&lista, &TListaZwiazkow::zatwierdzono, [&] { ++zatwierdzenia; });
    lista.WypelnijPosortowane({QStringLiteral("WODA"), QStringLiteral("ETANOL"), QStringLiteral("ŻELAZO"),
                               QStringLiteral("AZOT"), QStringLiteral("ETAN"), QStringLiteral("WODA")});
    EXPECT_EQ(zmiany, 0);
    ASSERT_EQ(lista.count(), 5);
    EXPECT_EQ(lista.itemText(0), QStringLiteral("AZOT"));
    EXPECT_EQ(lista.itemText(4), QStringLiteral("ŻELAZO"));
    EXPECT_TRUE(lista.currentText().isEmpty());

    lista.WlaczDopelnianie();
    lista.show();
    QApplication::setActiveWindow(&lista);
    lista.setFocus();
    QTest::keyClicks(&lista, QStringLiteral("et"));
    EXPECT_EQ(lista.currentText(), QStringLiteral("ETAN"));
    QTest::keyClicks(&lista, QStringLiteral("ano"));
    EXPECT_EQ(lista.currentText(), QStringLiteral("ETANOL"));
    EXPECT_EQ(lista.lineEdit()->selectedText(), QStringLiteral("L"));
    QTest::keyClick(&lista, Qt::Key_Backspace);
    EXPECT_EQ(lista.currentText(), QStringLiteral("ETANO"));

    lista.setEditText(QString());
    QTest::keyClicks(&lista, QStringLiteral("metan"));
    EXPECT_EQ(lista.currentText(), QStringLiteral("METAN"));
    QTest::keyClick(&lista, Qt::Key_Return);
    EXPECT_EQ(zatwierdzenia, 1);
    EXPECT_EQ(lista.count(), 5);
    EXPECT_EQ(lista.findText(QStringLiteral("METAN")), -1);
}
