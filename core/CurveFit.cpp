#include "CurveFit.h"

#include "MathError.h"

#include <algorithm>
#include <cmath>
#include <utility>

// Products and sums are formed in extended precision and then stored into the double matrices,
// as the elimination is specified to do.

namespace {

void SwapValues(double& a, double& b)
{
    std::swap(a, b);
}

void SwapRows(MacierzDouble& N, MacierzDouble& B, int m, int r1, int r2)
{
    for (int k = 0; k < m; ++k)
        SwapValues(N[r1][k], N[r2][k]);
    SwapValues(B[r1][0], B[r2][0]);
}

[[noreturn]] void Osobliwa(bool& blad, const char* komunikat)
{
    blad = true;
    throw EMathError(komunikat);
}

// The first largest |N[r][k]| in row-major order among rows and columns not yet pivoted. With no
// candidate above zero the matrix is singular (dividing by a zero pivot would follow otherwise).
void SzukajPiwota(const MacierzDouble& N, int m, std::vector<PozycjaPiwota>& piwoty, int krok,
                  bool& blad)
{
    double najwiekszy = 0.0;
    for (int r = 0; r < m; ++r) {
        if (piwoty[r].uzycia == 0)
            continue;
        for (int k = 0; k < m; ++k) {
            if (piwoty[k].uzycia > 0)
                Osobliwa(blad, BladOsobliwaEliminacja);
            if (piwoty[k].uzycia < 0 && std::fabs(N[r][k]) > najwiekszy) {
                piwoty[krok].wiersz = r;
                piwoty[krok].kolumna = k;
                najwiekszy = std::fabs(N[r][k]);
            }
        }
    }
    if (najwiekszy == 0.0)
        Osobliwa(blad, BladOsobliwaEliminacja);
}

// The normal matrix has the rank of the design matrix: at most the number of distinct x values
// (as the design matrix holds them). Elimination in doubles need not meet an exact zero pivot
// for a matrix of lower rank, so it is refused beforehand.
void SprawdzRzad(std::span<const long double> x, int n, int m)
{
    std::vector<double> rozne;
    for (int i = 0; i < n; ++i)
        if (std::find(rozne.begin(), rozne.end(), static_cast<double>(x[i])) == rozne.end())
            rozne.push_back(static_cast<double>(x[i]));
    if (static_cast<int>(rozne.size()) < m)
        throw EMathError(BladOsobliwaEliminacja);
}

} // namespace

void GaussJordan2(MacierzDouble& N, MacierzDouble& B, int m, std::vector<PozycjaPiwota>& piwoty,
                  bool& blad)
{
    for (int i = 0; i < m; ++i) {
        SzukajPiwota(N, m, piwoty, i, blad);
        const int w = piwoty[i].wiersz;
        const int c = piwoty[i].kolumna;
        ++piwoty[c].uzycia;
        if (w != c)
            SwapRows(N, B, m, w, c);
        const long double p = N[c][c];
        N[c][c] = 1.0;
        for (int k = 0; k < m; ++k)
            N[c][k] = static_cast<double>(N[c][k] / p);
        B[c][0] = static_cast<double>(B[c][0] / p);
        for (int r = 0; r < m; ++r) {
            if (r == c)
                continue;
            const long double d = N[r][c];
            N[r][c] = 0.0;
            for (int k = 0; k < m; ++k)
                N[r][k] = static_cast<double>(N[r][k] - d * N[c][k]);
            B[r][0] = static_cast<double>(B[r][0] - d * B[c][0]);
        }
    }
}

void GaussJordan(MacierzDouble& N, std::span<const long double> b, int m, std::vector<long double>& c,
                 bool& blad)
{
    blad = false;
    MacierzDouble B(m, std::vector<double>(1));
    for (int i = 0; i < m; ++i)
        B[i][0] = static_cast<double>(b[i]);
    std::vector<PozycjaPiwota> piwoty(m);
    GaussJordan2(N, B, m, piwoty, blad);
    // The inverse's columns come back in their own order.
    for (int l = m - 1; l >= 0; --l)
        if (piwoty[l].wiersz != piwoty[l].kolumna)
            for (int r = 0; r < m; ++r)
                SwapValues(N[r][piwoty[l].wiersz], N[r][piwoty[l].kolumna]);
    for (const PozycjaPiwota& p : piwoty)
        if (p.uzycia != 0)
            Osobliwa(blad, BladOsobliwaMacierz);
    c.assign(m, 0.0L);
    for (int i = 0; i < m; ++i)
        c[i] = B[i][0];
}

void NormalEquations(const MacierzDouble& A, std::span<const long double> y, int m, int n,
                     std::vector<long double>& b, MacierzDouble& N)
{
    b.assign(m, 0.0L);
    N.assign(m, std::vector<double>(m, 0.0));
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j <= i; ++j) {
            for (int k = 0; k < n; ++k)
                N[i][j] = static_cast<double>(N[i][j] + static_cast<long double>(A[k][j]) * A[k][i]);
            N[j][i] = N[i][j];
        }
        for (int k = 0; k < n; ++k)
            b[i] += y[k] * A[k][i];
    }
}

void PolyFit(std::span<const long double> x, std::span<const long double> y, int n, int m,
             std::span<long double> c, long double& R)
{
    if (m < 1)
        throw EMathError(BladZaMaloWyrazow);
    if (n < 2)
        throw EMathError(BladZaMaloPunktow);
    SprawdzRzad(x, n, m);
    WyczyscFlagiFPU();
    MacierzDouble A(n, std::vector<double>(m));
    for (int i = 0; i < n; ++i) {
        A[i][0] = 1.0;
        for (int j = 1; j < m; ++j)
            A[i][j] = static_cast<double>(x[i] * A[i][j - 1]);
    }
    std::vector<long double> b;
    MacierzDouble N;
    NormalEquations(A, y, m, n, b, N);
    std::vector<long double> wspolczynniki;
    bool blad = false;
    GaussJordan(N, b, m, wspolczynniki, blad);
    for (int j = 0; j < m; ++j)
        c[j] = wspolczynniki[j];

    long double SSres = 0.0L, Sy = 0.0L, Syy = 0.0L;
    for (int k = 0; k < n; ++k) {
        long double yDopasowane = 0.0L;
        for (int j = 0; j < m; ++j)
            yDopasowane += c[j] * A[k][j];
        SSres += (yDopasowane - y[k]) * (yDopasowane - y[k]);
        Sy += y[k];
        Syy += y[k] * y[k];
    }
    R = Syy - Sy * Sy / n;
    if (R != 0.0L)
        R = SSres / R;
    R = R >= 1.0L ? 0.0L : std::sqrt(1.0L - R);
    SprawdzFlagiFPU();
}
