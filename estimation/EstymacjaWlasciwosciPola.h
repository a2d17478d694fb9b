#pragma once
// What the files of the property-estimation window share: the tests of the method code, the
// sizes of the window's parts, the box that only shows a value, and the reading of the typed
// boxes, whose refusal names the box it is about.
#include "KodyMetod.h"
#include "PoleLiczbowe.h"

#include <QLineEdit>
#include <QString>
#include <optional>
#include <stdexcept>

namespace OknoEstymacji {

inline const QString Pytajnik = QStringLiteral("?");
inline const QString BrakDanychDoObliczen = QStringLiteral("Brak danych do obliczeń");

inline constexpr int Szerokosc = 640;
inline constexpr int WysokoscMetod = 277;
inline constexpr int WysokoscMetodWyzsza = 337;
inline constexpr int WysokoscPola = 22;
inline constexpr int SzerokoscPola = 148;

// KodMetody is the code.
bool Kod(TKodMetody kod);
// One of the five liquid-density codes, whose pages show the record's numbers.
bool KodGestosci(const QString& kod);

// A box of the window that only shows a value: Tab passes over it, and a number longer than the
// box shows from its first digit.
QLineEdit* PoleWynikuStrony(const QString& nazwa, QWidget* rodzic);

// A refusal of the compute button: its message is shown once the hourglass is off, and the box it
// is about, if any, then takes the focus with its text selected.
class EOdmowa : public std::runtime_error {
public:
    explicit EOdmowa(const QString& komunikat, QLineEdit* pole = nullptr)
        : std::runtime_error(komunikat.toStdString()), pole(pole)
    {
    }
    QLineEdit* pole;
};

inline const QString TemperaturaT = QStringLiteral("Temperatura T");
inline const QString CisnienieP = QStringLiteral("Ciśnienie P");
inline const QString TemperaturaNasyceniaTnas = QStringLiteral("Temperatura nasycenia Tnas");

// A value of the record shown in a read-only box; "?" there is a value the database lacks.
long double Liczba(const QLineEdit* pole);
// A temperature, pressure, density or viscosity typed in the box: a number above zero; anything
// else is refused in its box with a message. `nazwa` names the box.
long double Dodatnia(TPoleLiczbowe* pole, const QString& nazwa);
// A liquid has no state above its critical temperature.
void SprawdzCiecz(long double T, long double Tc, QLineEdit* pole, const QString& nazwa);

// A reading of typed boxes outside the compute button: a refusal is said at once, in its box.
template <class Czytanie>
std::optional<long double> Odczytaj(Czytanie&& czytanie)
{
    try {
        return czytanie();
    } catch (const EOdmowa& odmowa) {
        OdrzucWpis(odmowa.pole, QString::fromStdString(odmowa.what()));
        return std::nullopt;
    }
}

} // namespace OknoEstymacji
