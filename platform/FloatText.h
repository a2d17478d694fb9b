#pragma once
// Numbers as text, always with "." as the decimal separator, whatever the locale.
#include <QString>
#include <stdexcept>

class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Shortest form with up to 15 significant digits; exponent form ("1E-7", "1.5E20") when the
// decimal exponent is above 15 or the value is below 1E-4.
QString FloatToStr(long double wartosc);

// x shown to k decimals: the nearest integer to x * 10^k (halves to even), divided by 10^k.
long double ZaokraglijDoMiejsc(long double wartosc, int miejsca);

// Strict conversion: leading and trailing blanks allowed, anything else not a number throws
// EConvertError with a Polish message.
long double StrToFloat(const QString& tekst);

// Lenient conversion: returns false (and leaves the value alone) when the text is not a number.
bool Val(const QString& tekst, long double& wartosc);
