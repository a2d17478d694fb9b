#include "Aplikacja.h"

#include "ObslugaZdarzen.h"

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
    // The last net only: handlers catch their own errors (ObslugaZdarzen.h).
    try {
        return QApplication::notify(odbiorca, zdarzenie);
    } catch (const std::exception& blad) {
        ZglosBladOgolny(blad);
    } catch (...) {
        ZglosNieznanyBlad();
    }
    return false;
}

void UstawZamiennikiCzcionek()
{
    for (const char* nazwa : {"MS Sans Serif", "Arial", "Arial CE"})
        QFont::insertSubstitution(QString::fromLatin1(nazwa), QStringLiteral("Liberation Sans"));
}
