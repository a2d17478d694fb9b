#include "ObslugaZdarzen.h"

#include "Dialogs.h"

#include <QString>

void ZglosBladOgolny(const std::exception& blad)
{
    PokazKomunikat(QString::fromUtf8(blad.what()), RodzajKomunikatu::Blad);
}

void ZglosNieznanyBlad()
{
    PokazKomunikat(QStringLiteral("Nieznany błąd programu"), RodzajKomunikatu::Blad);
}
