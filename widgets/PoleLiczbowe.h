#pragma once
// The number box of the windows: a line edit whose typed decimal comma becomes a point, read by
// the strict conversion (StrToFloat: blanks around the number allowed; a refusal shows the
// window's message, puts the focus back into the box and selects its text) or by the lenient one
// (Val: no message). A read-only box shows results.
#include <QLineEdit>
#include <optional>

class TPoleLiczbowe : public QLineEdit {
    Q_OBJECT
public:
    explicit TPoleLiczbowe(QWidget* rodzic = nullptr);

    // The value typed; otherwise the message is shown, the box takes the focus with its text
    // selected, and there is no value. An infinite or NaN value is no value either.
    std::optional<long double> Wartosc(const QString& komunikat);
    // The value typed, or none (no message).
    std::optional<long double> WartoscBezKomunikatu() const;
    // Refuses what the box holds (a value out of its range): the message is shown and the box
    // takes the focus with its text selected, as for a text that is no number.
    void Odrzuc(const QString& komunikat);
    // The lenient conversion (Val): the value when the text holds one, otherwise `brak`.
    long double WartoscLagodna(long double brak = 0) const;

    // The default float-to-text form of the value, shown from its first digit.
    void UstawWartosc(long double wartosc);

    // Shows results: read-only, without the comma rule mattering.
    void UstawTylkoDoOdczytu();

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;
};

// The box made with its name, as every control of the windows is.
TPoleLiczbowe* UtworzPoleLiczbowe(const QString& nazwa, QWidget* rodzic = nullptr);
