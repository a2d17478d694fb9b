#pragma once
// The general power function x^y of the correlations and estimation formulas.
long double Power(long double podstawa, long double wykladnik);
