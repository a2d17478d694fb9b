#pragma once
// The Lee-Kesler compressibility factors Z(0) of the simple fluid and Z(1), the deviation of the
// reference fluid (n-octane) divided by its acentric factor, at a reduced temperature and
// pressure, so that Z = Z(0) + ω·Z(1). Each fluid's reduced volume solves the modified
// Benedict-Webb-Rubin equation of Lee and Kesler (AIChE J. 21 (1975) 510); of several roots the
// largest, vapour-like one is taken.
#include <optional>

struct TWspolczynnikiZ {
    long double Z0;
    long double Z1;
};

// None when Tr or Pr is not finite and positive, when the equation cannot be evaluated there
// (an overflow, a division by zero) or has no root, or when a Z is not finite and positive.
std::optional<TWspolczynnikiZ> WspolczynnikiLeeKeslera(long double Tr, long double Pr);
