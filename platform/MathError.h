#pragma once
// Floating-point error checking: compute, then test invalid operation, division by zero and
// overflow and throw EMathError. No traps are ever enabled.
//
// Reading the status words is cheap and clearing them is not, so the flags are cleared only when
// one of the three is set: stale ones before a computation, and a fault's own before its throw.
// Between checked computations the three flags therefore stay clear, and a computation that
// raises one always finds it cleared first.
#include <cfenv>
#include <optional>
#include <utility>
#include <stdexcept>
#include <string>

class EMathError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a window says when a formula gives no result for the data (its EMathError).
inline constexpr const char* NieMoznaObliczycWyniku = "Dla podanych danych nie można obliczyć wyniku.";

// The flags that make a computation fail.
constexpr int FlagiBledowFPU = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// Clears the flags left by earlier arithmetic (all of them, when any of the three is set).
inline void WyczyscFlagiFPU()
{
    if (std::fetestexcept(FlagiBledowFPU))
        std::feclearexcept(FE_ALL_EXCEPT);
}

// Clears the flags and throws the message of the first of flagi (invalid, division, overflow).
[[noreturn]] void ZglosBladFPU(int flagi);

// Throws EMathError when the flags show an invalid operation, a division by zero or an overflow.
inline void SprawdzFlagiFPU()
{
    if (const int flagi = std::fetestexcept(FlagiBledowFPU))
        ZglosBladFPU(flagi);
}

// The value itself when it is finite; NaN or an infinity (a damaged coefficient raises no flag)
// throws the invalid-operation EMathError.
long double SkonczonaWartosc(long double wartosc);

// The value itself when it is finite and not 0. A quantity its formula cannot make 0 (a viscosity,
// a density, a pressure, a diffusion coefficient) that comes out 0 was lost to underflow or came
// from a 0 in the data: that throws EMathError saying so. Formulas that pass through tiny terms on
// their way are not checked for underflow; only such results are.
long double NiezerowaWartosc(long double wartosc);

// A physical quantity that cannot be 0 (a temperature in K, a pressure, a density) is above 0 and
// not below the smallest normal double: a typed 1e-4000 is 0 in any double drawn or exchanged.
bool JestDodatnia(long double wartosc);
// A mole fraction lies in 0 .. 1.
bool JestUdzialemMolowym(long double wartosc);

// Runs the computation between a clear and a check of the flags.
template <class Obliczenie>
auto ObliczSprawdzajac(Obliczenie&& obliczenie)
{
    WyczyscFlagiFPU();
    // The volatile copy keeps the compiler from moving the computation past the flag test.
    volatile auto wynik = obliczenie();
    SprawdzFlagiFPU();
    return wynik;
}

// Runs the computation as ObliczSprawdzajac does; a result that is NaN or an infinity without a
// flag (from a damaged input) is refused as SkonczonaWartosc refuses it.
template <class Obliczenie>
long double ObliczSkonczone(Obliczenie&& obliczenie)
{
    return SkonczonaWartosc(ObliczSprawdzajac(std::forward<Obliczenie>(obliczenie)));
}

// The value of a computation; none when it throws EMathError (the caller shows that there is no
// value, e.g. as "?").
template <class Obliczenie>
std::optional<long double> WynikLubBrak(Obliczenie&& obliczenie)
{
    try {
        return obliczenie();
    } catch (const EMathError&) {
        return std::nullopt;
    }
}
