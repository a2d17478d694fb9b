#include "Wykres.h"

#include "Dialogs.h"
#include "ObslugaZdarzen.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>

namespace {

const QString FiltrZapisu = QStringLiteral(
    "Mapa bitowa (BMP) (*.bmp);;Windows Metafile (WMF) (*.wmf);;Enhanced Windows Metafile (EMF) (*.emf)");

QAction* Polecenie(QMenu* menu, const char* nazwa, const QString& tekst)
{
    QAction* polecenie = menu->addAction(tekst);
    polecenie->setObjectName(QString::fromLatin1(nazwa));
    return polecenie;
}

} // namespace

TFWykres::TFWykres(QWidget* rodzic) : QMainWindow(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("FWykres"));
    setWindowTitle(QStringLiteral("Wykres"));
    Chart = new TWykresXY(this);
    Chart->setObjectName(QStringLiteral("Chart"));
    Series1 = Chart->DodajSerie(RodzajSerii::SzybkaLinia, QStringLiteral("Series1"));
    Series2 = Chart->DodajSerie(RodzajSerii::Linia, QStringLiteral("Series2"));
    Series1->UstawAktywna(false);
    Series2->UstawAktywna(false);
    setCentralWidget(Chart);
    ZbudujMenu();
    resize(720, 520);
}

void TFWykres::ZbudujMenu()
{
    QMenuBar* menu = menuBar();
    menu->setObjectName(QStringLiteral("MenuWykres"));
    QMenu* plik = menu->addMenu(QStringLiteral("&Plik"));
    plik->setObjectName(QStringLiteral("MPlik"));
    connect(Polecenie(plik, "MSave", QStringLiteral("&Zapisz wykres")), &QAction::triggered, this, WSieci([this] { MSaveClick(); }));
    connect(Polecenie(plik, "MPrint", QStringLiteral("&Drukuj wykres")), &QAction::triggered, this, WSieci([this] { MPrintClick(); }));
    plik->addSeparator();
    connect(Polecenie(plik, "MExit", QStringLiteral("Za&kończ")), &QAction::triggered, this, WSieci([this] { MExitClick(); }));
    QMenu* pomoc = menu->addMenu(QStringLiteral("Pomo&c"));
    pomoc->setObjectName(QStringLiteral("MHelp"));
    QAction* informacje = Polecenie(pomoc, "MInfo", QStringLiteral("&Informacje"));
    informacje->setShortcut(Qt::Key_F1);
    informacje->setShortcutContext(Qt::WindowShortcut);
    connect(informacje, &QAction::triggered, this, WSieci([this] { MInfoClick(); }));
}

// The format follows the chosen filter, whatever the name's extension; a name without one gets
// the filter's.
void TFWykres::MSaveClick()
{
    int indeks = 0;
    const QString plik = WybierzPlikDoZapisu(this, QStringLiteral("Zapisz wykres jako:"), FiltrZapisu, &indeks);
    if (plik.isEmpty() || indeks < 1 || indeks > 3)
        return;
    if (indeks == 1)
        Chart->ZapiszBitmape(plik);
    else
        Chart->ZapiszMetaplik(plik, indeks == 2 ? RodzajMetapliku::Wmf : RodzajMetapliku::Emf);
}

void TFWykres::MPrintClick()
{
    Chart->Drukuj();
}

void TFWykres::MExitClick()
{
    close();
}

void TFWykres::MInfoClick()
{
    PokazKomunikat(QStringLiteral(
        "Wykres jest graficzną reprezentacją danych zawartych w tabeli.\n"
        "Można powiększać dowolne jego części przez zaznaczenie określonego fragmentu myszą.\n"
        "Po wybraniu opcji z menu wykres można nagrać w trzech formatach (BMP, WMF, EMF) lub wydrukować.\n\n"),
        RodzajKomunikatu::Zwykly, QMessageBox::Ok, this);
}

// FormKeyDown: Esc closes the window.
void TFWykres::keyPressEvent(QKeyEvent* zdarzenie)
{
    if (zdarzenie->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(zdarzenie);
}

// FormClose: the opener is told, so the table window can take its default button back.
void TFWykres::closeEvent(QCloseEvent* zdarzenie)
{
    QMainWindow::closeEvent(zdarzenie);
    if (zdarzenie->isAccepted())
        emit Zamkniety();
}
