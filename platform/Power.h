#pragma once
// The general power function x^y of the correlations and estimation formulas, and e^x.
//
// A whole exponent (up to 2^31 in size) multiplies, so a negative base is allowed and small whole
// powers are exact; a zero base with any other exponent gives 0; y = 0.5 is the square root. Any
// other power is 2^(y·log2 x), straight from the x87 instructions, which keep the product
// y·log2 x in one extended rounding (for the base 10, the product with log2 10): as accurate as
// exp(y·ln x) and one and a half to two times as fast (the base 10 three to four times). A
// negative base under a fractional exponent is an invalid operation and an overflow an overflow,
// each raising its floating-point flag for ObliczSprawdzajac.
long double Power(long double podstawa, long double wykladnik);

// e^x the same way, 2^(x·log2 e): about twice as fast as std::exp, and for the arguments of the
// formulas within a few parts in 10^18 of it, far below a double's precision; an overflow raises
// its flag.
long double Exp(long double x);
