#pragma once
// The main window of a window test: created on the database the test has opened (its lists are
// filled then), shown and active, and freed at the end of the test.
#include "Baza.h"

#include <QTest>
#include <gtest/gtest.h>

inline void PokazOknoGlowne()
{
    Baza_Form = new TBaza_Form;
    Baza_Form->show();
    Baza_Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Baza_Form));
}

inline void ZwolnijOknoGlowne()
{
    delete Baza_Form;
    Baza_Form = nullptr;
}
