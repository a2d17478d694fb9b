// The main window end to end: its frame, menus, hints, and the substance search.
#include "Baza.h"
#include "BazaTestowa.h"
#include "Dialogs.h"
#include "O_Programie.h"
#include "PrzegladarkaPomocy.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QAction* Polecenie(QWidget* okno, const char* nazwa)
{
    return okno->findChild<QAction*>(QString::fromLatin1(nazwa));
}

class OknoGlowne : public ::testing::Test {
protected:
    void SetUp() override
    {
        Baza_Form = new TBaza_Form;
        Baza_Form->show();
        Baza_Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Baza_Form));
    }
    void TearDown() override
    {
        delete Baza_Form;
        Baza_Form = nullptr;
        delete PrzegladarkaPomocy;
        PrzegladarkaPomocy = nullptr;
    }

    ZapisujOkna zapis;
};

} // namespace

TEST_F(OknoGlowne, FrameHasItsTitleTabsMenusAndStatusBar)
{
    EXPECT_EQ(Baza_Form->windowTitle(), QStringLiteral("Baza danych QERN 2008 (v 8.0)"));
    auto* zakladki = Baza_Form->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    ASSERT_NE(zakladki, nullptr);
    QStringList teksty;
    for (int i = 0; i < zakladki->count(); ++i)
        teksty << zakladki->tabText(i);
    EXPECT_EQ(teksty, (QStringList{QStringLiteral("Karta związku"), QStringLiteral("Karta związku c.d."),
                                   QStringLiteral("Baza doświadczalna"), QStringLiteral("Baza predykcyjna")}));
    QStringList menu;
    for (QAction* pozycja : Baza_Form->menuBar()->actions())
        menu << pozycja->text();
    EXPECT_EQ(menu, (QStringList{QStringLiteral("Plik"), QStringLiteral("Pomoc")}));
    EXPECT_EQ(Polecenie(Baza_Form, "Zakocz1")->text(), QStringLiteral("Wyjście z programu"));
    EXPECT_EQ(Polecenie(Baza_Form, "N1")->text(), QStringLiteral("Pomoc"));
    EXPECT_EQ(Polecenie(Baza_Form, "Oprogramie1")->text(), QStringLiteral("O programie"));
    EXPECT_NE(Baza_Form->findChild<QStatusBar*>(QStringLiteral("StatusBar1")), nullptr);
    EXPECT_EQ(Baza_Form->findChild<QToolButton*>(QStringLiteral("sbSzukaj"))->focusPolicy(), Qt::NoFocus);
    // The Polish-name list has the keyboard focus when the window shows.
    EXPECT_TRUE(Baza_Form->cbZnajdzZwiazek->hasFocus());
}

TEST_F(OknoGlowne, HintsGoToTheStatusBar)
{
    const struct {
        const char* lista;
        QString hint;
    } przypadki[] = {
        {"cbZnajdzZwiazek", QStringLiteral("Wpisz polską nazwę związku")},
        {"cbSearchCompound", QStringLiteral("Wpisz angielską nazwę związku")},
        {"cbZnajdzWzor", QStringLiteral("Wpisz wzór związku")},
        {"cbCAS", QStringLiteral("Wpisz wzór związku")},
    };
    for (const auto& przypadek : przypadki) {
        auto* lista = Baza_Form->findChild<QComboBox*>(QString::fromLatin1(przypadek.lista));
        ASSERT_NE(lista, nullptr);
        EXPECT_EQ(lista->toolTip(), przypadek.hint);
        QEvent wejscie(QEvent::Enter);
        QApplication::sendEvent(lista, &wejscie);
        EXPECT_EQ(Baza_Form->StatusBar1->currentMessage(), przypadek.hint) << przypadek.lista;
    }
    int etykietyZHintem = 0;
    for (QLabel* etykieta : Baza_Form->gbZnajdzZwiazek->findChildren<QLabel*>())
        if (etykieta->toolTip() == QStringLiteral("Zapis alfabetyczny, węgiel na pierwszym miejscu"))
            ++etykietyZHintem;
    EXPECT_EQ(etykietyZHintem, 3);
}

TEST_F(OknoGlowne, HelpMenuShowsTheHelpFileOrSaysItIsMissing)
{
    const QString poprzedni = QDir::currentPath();
    QTemporaryDir katalog;
    QDir::setCurrent(katalog.path());
    Polecenie(Baza_Form, "N1")->trigger();
    EXPECT_EQ(zapis->tekstyKomunikatow(),
              std::vector<QString>{QStringLiteral("brak pliku pomocy skontaktuj się z administratorem sieci")});
    EXPECT_EQ(PrzegladarkaPomocy, nullptr);

    // The build puts the help file in Help/ beside DATA/.
    QDir::setCurrent(QDir(qEnvironmentVariable("QERN_DATA")).filePath(QStringLiteral("..")));
    Polecenie(Baza_Form, "N1")->trigger();
    QDir::setCurrent(poprzedni);
    ASSERT_NE(PrzegladarkaPomocy, nullptr);
    EXPECT_TRUE(PrzegladarkaPomocy->isVisible());
    EXPECT_TRUE(PrzegladarkaPomocy->tbPomoc->toPlainText().contains(QStringLiteral("Wyszukiwanie związku")));
    EXPECT_EQ(zapis->komunikaty.size(), 1u);
}

TEST_F(OknoGlowne, AboutBoxRunsModallyAndClosesWithItsButton)
{
    QString tytul;
    QSize rozmiar;
    bool zamknietePrzyciskiem = false;
    zapis->skryptModalny = [&](QWidget* okno) {
        tytul = okno->windowTitle();
        rozmiar = okno->size();
        QTest::mouseClick(okno->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
        zamknietePrzyciskiem = !okno->isVisible();
    };
    Polecenie(Baza_Form, "Oprogramie1")->trigger();
    EXPECT_EQ(tytul, QStringLiteral("O programie..."));
    EXPECT_EQ(rozmiar, QSize(483, 318));
    EXPECT_TRUE(zamknietePrzyciskiem);
    EXPECT_EQ(O_programie_Form, nullptr);
}
