#pragma once
// Floating-point error checking: clear the flags, compute, then test invalid operation,
// division by zero and overflow and throw EMathError. No traps are ever enabled.
#include <stdexcept>
#include <string>

class EMathError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void WyczyscFlagiFPU();
// Throws EMathError when the flags show an invalid operation, a division by zero or an overflow.
void SprawdzFlagiFPU();

// The value itself when it is finite; NaN or an infinity (a damaged coefficient raises no flag)
// throws the invalid-operation EMathError.
long double SkonczonaWartosc(long double wartosc);

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
