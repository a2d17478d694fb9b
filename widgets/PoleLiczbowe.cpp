#include "PoleLiczbowe.h"

#include "Dialogs.h"
#include "FloatText.h"

#include <QKeyEvent>
#include <cmath>
#include <limits>

TPoleLiczbowe::TPoleLiczbowe(QWidget* rodzic) : QLineEdit(rodzic) {}

TPoleLiczbowe* UtworzPoleLiczbowe(const QString& nazwa, QWidget* rodzic)
{
    auto* pole = new TPoleLiczbowe(rodzic);
    pole->setObjectName(nazwa);
    return pole;
}

std::optional<long double> TPoleLiczbowe::WartoscBezKomunikatu() const
{
    try {
        const long double wartosc = StrToFloat(text());
        if (std::isfinite(wartosc))
            return wartosc;
    } catch (const EConvertError&) {
    }
    return std::nullopt;
}

bool JestDodatnia(long double wartosc)
{
    return wartosc >= std::numeric_limits<double>::min();
}

bool JestUdzialemMolowym(long double wartosc)
{
    return 0 <= wartosc && wartosc <= 1;
}

std::optional<long double> TPoleLiczbowe::Wartosc(const QString& komunikat)
{
    if (const auto wartosc = WartoscBezKomunikatu())
        return wartosc;
    Odrzuc(komunikat);
    return std::nullopt;
}

std::optional<long double> TPoleLiczbowe::WartoscDodatnia(const QString& komunikat, const QString& komunikatZakresu)
{
    return WartoscGdy(JestDodatnia, komunikat, komunikatZakresu);
}

std::optional<long double> TPoleLiczbowe::WartoscUdzialu(const QString& komunikat, const QString& komunikatZakresu)
{
    return WartoscGdy(JestUdzialemMolowym, komunikat, komunikatZakresu);
}

std::optional<long double> TPoleLiczbowe::WartoscGdy(bool (*dopuszczalna)(long double), const QString& komunikat,
                                                     const QString& komunikatZakresu)
{
    const auto wartosc = Wartosc(komunikat);
    if (wartosc && !dopuszczalna(*wartosc)) {
        Odrzuc(komunikatZakresu);
        return std::nullopt;
    }
    return wartosc;
}

void TPoleLiczbowe::Odrzuc(const QString& komunikat)
{
    PokazKomunikat(komunikat);
    setFocus();
    selectAll();
}

long double TPoleLiczbowe::WartoscLagodna(long double brak) const
{
    long double wartosc = brak;
    return Val(text(), wartosc) && std::isfinite(wartosc) ? wartosc : brak;
}

void TPoleLiczbowe::UstawWartosc(long double wartosc)
{
    setText(FloatToStr(wartosc));
    setCursorPosition(0); // a number longer than the box shows from its first digit
}

void TPoleLiczbowe::UstawTylkoDoOdczytu()
{
    setReadOnly(true);
}

void TPoleLiczbowe::keyPressEvent(QKeyEvent* zdarzenie)
{
    if (!isReadOnly() && zdarzenie->text() == QLatin1String(",")) {
        insert(QStringLiteral("."));
        return;
    }
    QLineEdit::keyPressEvent(zdarzenie);
}
