#pragma once
// Where the gas-mixture window obtains the compressibility coefficients Z(0) and Z(1) of its
// mixture (its "Oblicz współczynniki" button). The worksheet exchange registers its source here;
// until one is registered the user types both coefficients.
#include "LeeKesler.h"
#include "WymianaArkusza.h"

#include <memory>
#include <optional>

class TZrodloWspolczynnikowZ {
public:
    virtual ~TZrodloWspolczynnikowZ() = default;
    // The coefficients for the mixture's state (P and T as typed, Pc and Tc pseudo-critical);
    // none when the user gave up or the computation failed (the source has told the user why).
    // May run a modal window of its own.
    virtual std::optional<TWspolczynnikiZ> ObliczWspolczynnikiZ(const TStanGazu& stan) = 0;
};

// Installs the source (replacing an earlier one; nullptr removes it).
void ZarejestrujZrodloWspolczynnikowZ(std::unique_ptr<TZrodloWspolczynnikowZ> zrodlo);
// The registered source, or nullptr.
TZrodloWspolczynnikowZ* ZrodloWspolczynnikowZ();
