#include "Aplikacja.h"

#include "ObslugaZdarzen.h"

#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

TAplikacja::TAplikacja(int& argc, char** argv) : QApplication(argc, argv)
{
    // The name, not a display name: Qt appends a display name to every window title, and each
    // window's title is its own. Message boxes carry the name, as does a window without a title.
    setApplicationName(QStringLiteral("Baza danych QERN 2008"));
    setQuitOnLastWindowClosed(false);
    UstawZamiennikiCzcionek();
    WczytajPolskieTeksty();
}

void TAplikacja::WczytajPolskieTeksty()
{
    // Qt's own texts (file dialogs, their questions, standard buttons) in Polish, like the rest
    // of the interface; without the translation files they stay in English.
    auto* tlumaczenie = new QTranslator(this);
    if (tlumaczenie->load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(tlumaczenie);
}

bool TAplikacja::notify(QObject* odbiorca, QEvent* zdarzenie)
{
    // The last net only: handlers catch their own errors (ObslugaZdarzen.h).
    bool obsluzone = false;
    UruchomWSieci([&] { obsluzone = QApplication::notify(odbiorca, zdarzenie); });
    return obsluzone;
}

void UstawZamiennikiCzcionek()
{
    for (const char* nazwa : {"MS Sans Serif", "Arial", "Arial CE"})
        QFont::insertSubstitution(QString::fromLatin1(nazwa), QStringLiteral("Liberation Sans"));
}
