#include "WspolneMieszanin.h"

#include "Cp1250.h"
#include "Dialogs.h"
#include "ObslugaZdarzen.h"
#include "ListaZwiazkow.h"
#include "Wyszukiwanie.h"
#include "Zmienne.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QStringList>

std::optional<TRekordYaws> SkladnikListy(const TListaZwiazkow* lista, PoleSzukania pole)
{
    return SkladnikONazwie(pole, lista->currentText());
}

void ZglosBrakSkladnika(TListaZwiazkow* lista, bool pisowniaNiema)
{
    PokazKomunikat(pisowniaNiema ? QStringLiteral("Niema takiego związku. Spróbuj pod inną nazwą")
                                 : QStringLiteral("Nie ma takiego związku. Spróbuj pod inną nazwą"));
    lista->setEditText(QString());
}

bool SkladnikMaDane(const TRekordYaws& rekord, std::initializer_list<std::pair<const char*, long double>> potrzebne)
{
    QStringList brakujace;
    for (auto [nazwa, wartosc] : potrzebne)
        if (wartosc == BrakDanych)
            brakujace << QString::fromUtf8(nazwa);
    if (brakujace.isEmpty())
        return true;
    PokazKomunikat(QStringLiteral("Związek %1: brak danych (%2)")
                       .arg(Cp1250ToUnicode(rekord.NazwaPL), brakujace.join(QStringLiteral(", "))));
    return false;
}

MenuPlik UtworzMenuPlik(QMainWindow* okno)
{
    return UtworzMenuPlik(okno, okno->menuBar());
}

MenuPlik UtworzMenuPlik(QWidget* okno, QMenuBar* pasek)
{
    pasek->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* plik = pasek->addMenu(QStringLiteral("Plik"));
    MenuPlik pozycje{plik->addAction(QStringLiteral("Zakończ")), plik->addAction(QStringLiteral("Wyjście z programu"))};
    pozycje.Zakocz1->setObjectName(QStringLiteral("Zakocz1"));
    pozycje.Wyjciezprogramu1->setObjectName(QStringLiteral("Wyjciezprogramu1"));
    QObject::connect(pozycje.Zakocz1, &QAction::triggered, okno, WSieci([okno](auto&&...) { okno->close(); }));
    QObject::connect(pozycje.Wyjciezprogramu1, &QAction::triggered, okno, WSieci([](auto&&...) { QApplication::quit(); }));
    return pozycje;
}

MenuPlik UlozDwieKolumny(QWidget* okno, QWidget* lewa, QWidget* prawa)
{
    auto* pasek = new QMenuBar(okno);
    auto* uklad = new QHBoxLayout(okno);
    uklad->setMenuBar(pasek);
    uklad->setSizeConstraint(QLayout::SetFixedSize);
    uklad->addWidget(lewa);
    uklad->addWidget(prawa, 0, Qt::AlignTop);
    prawa->hide();
    return UtworzMenuPlik(okno, pasek);
}

void PokazPrawaKolumne(QWidget* okno, QWidget* prawa)
{
    if (!prawa->isHidden())
        return;
    prawa->show();
    okno->adjustSize();
    WysrodkujNaPulpicie(okno);
}
