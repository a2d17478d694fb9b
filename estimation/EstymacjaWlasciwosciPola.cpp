#include "EstymacjaWlasciwosciPola.h"

#include "FloatText.h"
#include "Kontrolka.h"
#include "MathError.h"
#include "Zmienne.h"

namespace OknoEstymacji {

bool Kod(TKodMetody kod)
{
    return KodMetody == kod;
}

bool KodGestosci(const QString& kod)
{
    for (TKodMetody k : {KodGestosciYamadyGunna, KodGestosciRacketta, KodGestosciHBT, KodGestosciAalto,
                         KodGestosciCieczySpenceraDannera})
        if (kod == k)
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
        return WartoscWpisana(pole->text());
    } catch (const EConvertError&) {
        throw EOdmowa(BrakDanychDoObliczen);
    }
}

long double Dodatnia(TPoleLiczbowe* pole, const QString& nazwa)
{
    const std::optional<long double> wartosc = pole->WartoscBezKomunikatu();
    if (!wartosc || !JestDodatnia(*wartosc))
        throw EOdmowa(nazwa + QStringLiteral(" musi być liczbą większą od zera"), pole);
    return *wartosc;
}

void SprawdzCiecz(long double T, long double Tc, QLineEdit* pole, const QString& nazwa)
{
    if (T > Tc)
        throw EOdmowa(QStringLiteral("%1 = %2 K jest wyższa od temperatury krytycznej Tc = %3 K: powyżej niej nie ma cieczy")
                          .arg(nazwa, FloatToStr(T), FloatToStr(Tc)),
                      pole);
}

} // namespace OknoEstymacji
