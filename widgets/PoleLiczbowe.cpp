#include "PoleLiczbowe.h"

#include "Dialogs.h"
#include "FloatText.h"
#include "MathError.h"

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

std::optional<long double> LiczbaWpisana(const QString& tekst)
{
    try {
        const long double wartosc = StrToFloat(QString(tekst).replace(QLatin1Char(','), QLatin1Char('.')));
        if (std::isfinite(wartosc))
            return wartosc;
    } catch (const EConvertError&) {
    }
    return std::nullopt;
}

long double WartoscWpisana(const QString& tekst)
{
    if (const std::optional<long double> wartosc = LiczbaWpisana(tekst))
        return *wartosc;
    throw EConvertError(("'" + tekst + "' nie jest poprawną liczbą").toStdString());
}

std::optional<long double> TPoleLiczbowe::WartoscBezKomunikatu() const
{
    return LiczbaWpisana(text());
}

std::optional<long double> TPoleLiczbowe::Wartosc(const QString& komunikat)
{
    if (const auto wartosc = WartoscBezKomunikatu())
        return wartosc;
    OdrzucWpis(this, komunikat);
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
        OdrzucWpis(this, komunikatZakresu);
        return std::nullopt;
    }
    return wartosc;
}


void OdrzucWpis(QLineEdit* pole, const QString& komunikat, RodzajKomunikatu rodzaj)
{
    PokazKomunikat(komunikat, rodzaj);
    pole->setFocus();
    pole->selectAll();
}

long double TPoleLiczbowe::WartoscLagodna(long double brak) const
{
    return LiczbaWpisana(text()).value_or(brak);
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
