#include "Aplikacja.h"

#include "Dialogs.h"

#include <QFont>
#include <exception>

TAplikacja::TAplikacja(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationDisplayName(QStringLiteral("Baza danych QERN 2008"));
    setQuitOnLastWindowClosed(false);
    UstawZamiennikiCzcionek();
}

bool TAplikacja::notify(QObject* odbiorca, QEvent* zdarzenie)
{
    try {
        return QApplication::notify(odbiorca, zdarzenie);
    } catch (const std::exception& blad) {
        PokazKomunikat(QString::fromUtf8(blad.what()), RodzajKomunikatu::Blad);
    } catch (...) {
        PokazKomunikat(QStringLiteral("Nieznany błąd programu"), RodzajKomunikatu::Blad);
    }
    return false;
}

void UstawZamiennikiCzcionek()
{
    for (const char* nazwa : {"MS Sans Serif", "Arial", "Arial CE"})
        QFont::insertSubstitution(QString::fromLatin1(nazwa), QStringLiteral("Liberation Sans"));
}
