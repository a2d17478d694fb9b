#pragma once
// Polynomial least squares: y = c0 + c1·x + ... + c(m-1)·x^(m-1) fitted to n points through the
// normal equations, solved by Gauss-Jordan elimination with full pivoting. The design and normal
// matrices are doubles, the right-hand side of the normal equations extended. Failures throw
// EMathError with an English message (see below); a floating-point error throws it as well.
#include <span>
#include <vector>

using MacierzDouble = std::vector<std::vector<double>>;

inline constexpr const char* BladZaMaloWyrazow = "PolyFit called with less than one term";
inline constexpr const char* BladZaMaloPunktow = "PolyFit called with less than two points";
inline constexpr const char* BladOsobliwaEliminacja = "Error in GaussJordan2: matrix is singular";
inline constexpr const char* BladOsobliwaMacierz = "Error in GaussJordan: matrix is singular";

// Fills c[0..m-1] and the multiple correlation coefficient R = sqrt(1 - SSres/SStot) (1 when the
// y values have no spread, 0 for a fit worse than their mean). Terms are checked before points,
// then more terms than distinct x values are refused as a singular matrix.
void PolyFit(std::span<const long double> x, std::span<const long double> y, int n, int m,
             std::span<long double> c, long double& R);

// N[i][j] = Σk A[k][i]·A[k][j] (m × m, symmetric), b[i] = Σk y[k]·A[k][i] in extended precision.
void NormalEquations(const MacierzDouble& A, std::span<const long double> y, int m, int n,
                     std::vector<long double>& b, MacierzDouble& N);

// Solves N·c = b of size m; N is left holding its inverse. The flag is set before a singular
// matrix is reported.
void GaussJordan(MacierzDouble& N, std::span<const long double> b, int m, std::vector<long double>& c,
                 bool& blad);

// One row of the pivot table: where step i found its pivot, and how often a column (or row) has
// been used as the pivot, less one (-1 unused, 0 used once).
struct PozycjaPiwota {
    int wiersz = 0;
    int kolumna = 0;
    int uzycia = -1;
};

// The elimination of GaussJordan: m pivot steps on N and the one-column B.
void GaussJordan2(MacierzDouble& N, MacierzDouble& B, int m, std::vector<PozycjaPiwota>& piwoty,
                  bool& blad);
