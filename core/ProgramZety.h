#pragma once
// Running the compressibility runner "obliczzety", shipped beside the program, the way the program
// waits for it: synchronously and for a limited time. It writes "zety.txt" in the data folder;
// for a gas mixture it reads the state from "mathcad.txt" there, for one substance the state is
// given on its command line.
#include "WymianaArkusza.h"

#include <QString>
#include <optional>

// The runner's exit codes.
constexpr int KodZetyObliczono = 0;
constexpr int KodZetyBrakRozwiazania = 1; // the state cannot be read, or has no answer (see LeeKesler.h)
constexpr int KodZetyNieZapisano = 2;     // "zety.txt" cannot be written

enum class WynikProgramuZety {
    Obliczono,        // "zety.txt" holds the answer
    NieUruchomiono,   // the runner is missing or cannot be started
    PrzekroczonoCzas, // stopped after the time limit
    Niepowodzenie,    // it could not read the state or the equation has no root there
    NieZapisano,      // it computed, but could not write "zety.txt"
};

constexpr int LimitCzasuProgramuZety = 15000; // ms

// Beside the running program unless set; an empty path goes back to that.
QString SciezkaProgramuZety();
void UstawSciezkeProgramuZety(const QString& sciezka);

// Runs the runner for the data folder: with `substancja`, for that state; without, for the
// mixture of "mathcad.txt".
WynikProgramuZety UruchomProgramZety(const QString& katalogDanych, const std::optional<TStanGazu>& substancja,
                                     int limitCzasu = LimitCzasuProgramuZety);
