#pragma once
// Where the gas-mixture window obtains the compressibility coefficients Z(0) and Z(1) of its
// mixture (its "Oblicz współczynniki" button). The worksheet exchange registers its source here;
// until one is registered the user types both coefficients.
#include <memory>
#include <optional>

// The state of the mixture the coefficients are wanted for.
struct StanMieszaninyDlaZ {
    long double P = 0;            // bar, as typed in the window
    long double T = 0;            // K, as typed in the window
    long double PcMieszaniny = 0; // bar, pseudo-critical
    long double TcMieszaniny = 0; // K, pseudo-critical
};

struct WspolczynnikiZ {
    long double Z0 = 0;
    long double Z1 = 0;
};

class TZrodloWspolczynnikowZ {
public:
    virtual ~TZrodloWspolczynnikowZ() = default;
    // The coefficients for the state; none when the user gave up or the computation failed (the
    // source has told the user why). May run a modal window of its own.
    virtual std::optional<WspolczynnikiZ> ObliczWspolczynnikiZ(const StanMieszaninyDlaZ& stan) = 0;
};

// Installs the source (replacing an earlier one; nullptr removes it).
void ZarejestrujZrodloWspolczynnikowZ(std::unique_ptr<TZrodloWspolczynnikowZ> zrodlo);
// The registered source, or nullptr.
TZrodloWspolczynnikowZ* ZrodloWspolczynnikowZ();
