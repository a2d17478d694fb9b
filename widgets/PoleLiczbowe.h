#pragma once
// The number box of the windows: a line edit whose typed decimal comma becomes a point. Its text
// has one reading (LiczbaWpisana) for the check that refuses it (the window's message, the focus
// back in the box, its text selected), for the lenient read that only takes a value, and for the
// automatic fills from it. A read-only box shows results.
#include "Dialogs.h"

#include <QLineEdit>
#include <optional>

class TPoleLiczbowe : public QLineEdit {
    Q_OBJECT
public:
    explicit TPoleLiczbowe(QWidget* rodzic = nullptr);

    // The value typed; otherwise the message is shown, the box takes the focus with its text
    // selected, and there is no value. An infinite or NaN value is no value either.
    std::optional<long double> Wartosc(const QString& komunikat);
    // The value typed when it is above 0, or in 0 .. 1 (a mole fraction); a number outside shows
    // komunikatZakresu the same way. A value below the smallest normal double (1e-4000) counts as
    // 0: it is 0 in any double the windows draw or exchange.
    std::optional<long double> WartoscDodatnia(const QString& komunikat, const QString& komunikatZakresu);
    std::optional<long double> WartoscUdzialu(const QString& komunikat, const QString& komunikatZakresu);
    // The value typed, or none (no message).
    std::optional<long double> WartoscBezKomunikatu() const;
    // The value when the text holds one, otherwise `brak` (no message).
    long double WartoscLagodna(long double brak = 0) const;

    // The default float-to-text form of the value, shown from its first digit.
    void UstawWartosc(long double wartosc);

    // Shows results: read-only, without the comma rule mattering.
    void UstawTylkoDoOdczytu();

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;

private:
    std::optional<long double> WartoscGdy(bool (*dopuszczalna)(long double), const QString& komunikat,
                                          const QString& komunikatZakresu);
};

// The one reading of a typed number: blanks before and after it are ignored and a comma is the
// decimal point; none when the text is not a finite number.
std::optional<long double> LiczbaWpisana(const QString& tekst);
// The same reading, strict: EConvertError when the text is not a finite number.
long double WartoscWpisana(const QString& tekst);

// Refuses what a box holds: the message, then the box takes the focus with its text selected.
void OdrzucWpis(QLineEdit* pole, const QString& komunikat, RodzajKomunikatu rodzaj = RodzajKomunikatu::Zwykly);

// The box made with its name, as every control of the windows is.
TPoleLiczbowe* UtworzPoleLiczbowe(const QString& nazwa, QWidget* rodzic = nullptr);
