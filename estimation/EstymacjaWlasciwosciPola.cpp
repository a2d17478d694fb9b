#include "EstymacjaWlasciwosciPola.h"

#include "FloatText.h"
#include "Kontrolka.h"
#include "Zmienne.h"

#include <limits>

namespace OknoEstymacji {

namespace {

// No method of this window means anything near absolute zero, and a typed 1E-4000 K is zero in
// all but name.
constexpr long double NajnizszaTemperatura = 0.001L;

// A typed number at least `najmniejsza`; anything else is refused with the message, in its box.
long double Wpisana(TPoleLiczbowe* pole, long double najmniejsza, const QString& komunikat)
{
    const std::optional<long double> wartosc = pole->WartoscBezKomunikatu();
    if (!wartosc || *wartosc < najmniejsza)
        throw EOdmowa(komunikat, pole);
    return *wartosc;
}

} // namespace

bool Kod(const char* kod)
{
    return KodMetody == QLatin1String(kod);
}

bool KodGestosci(const QString& kod)
{
    for (const char* k : {"GestcRackett", "GestcRackett2", "HBT", "Aalto", "Spencer-Danner"})
        if (kod == QLatin1String(k))
            return true;
    return false;
}

QLineEdit* PoleWynikuStrony(const QString& nazwa, QWidget* rodzic)
{
    auto* pole = PoleTylkoDoOdczytu(nazwa, rodzic);
    pole->setFocusPolicy(Qt::ClickFocus);
    pole->setFixedWidth(SzerokoscPola);
    QObject::connect(pole, &QLineEdit::textChanged, pole, [pole] { pole->setCursorPosition(0); });
    return pole;
}

long double Liczba(const QLineEdit* pole)
{
    try {
        return StrToFloat(pole->text());
    } catch (const EConvertError&) {
        throw EOdmowa(BrakDanychDoObliczen);
    }
}

long double Dodatnia(TPoleLiczbowe* pole, const QString& nazwa)
{
    return Wpisana(pole, std::numeric_limits<long double>::denorm_min(),
                   nazwa + QStringLiteral(" musi być liczbą większą od zera"));
}

long double Temperatura(TPoleLiczbowe* pole, const QString& nazwa)
{
    const QString komunikat = QStringLiteral(" musi być liczbą większą od zera (co najmniej %1 K)");
    return Wpisana(pole, NajnizszaTemperatura, nazwa + komunikat.arg(FloatToStr(NajnizszaTemperatura)));
}

void SprawdzCiecz(long double T, long double Tc, QLineEdit* pole, const QString& nazwa)
{
    if (T > Tc)
        throw EOdmowa(QStringLiteral("%1 = %2 K jest wyższa od temperatury krytycznej Tc = %3 K: powyżej niej nie ma cieczy")
                          .arg(nazwa, FloatToStr(T), FloatToStr(Tc)),
                      pole);
}

} // namespace OknoEstymacji
