#pragma once
// The temperature correlations of the current substance. Each takes T in K, reads its coefficient
// block from RekordYaws and returns the value in the unit named beside it.
//
// None of them checks the block's range or BrakDanych: the caller checks both before calling.
// A floating-point error (T = 0 under B/T or log10 T, a temperature above the critical one under
// a fractional power) throws EMathError; no function ever returns NaN or infinity.
// Each call clears the floating-point flags before it computes and after it checks them, so a
// caller checks its own arithmetic apart from these calls.

long double ObliczCpGazu(long double T);                 // J/(mol·K)
long double ObliczDelHf(long double T);                  // kJ/mol
long double ObliczDelGf(long double T);                  // kJ/mol
long double ObliczDelHv(long double T);                  // kJ/mol; reads Tc of the record
long double ObliczLambdaGazu(long double T);             // W/(m·K)
long double ObliczLepkoscGazu(long double T);            // Pa·s (correlation in µP)
long double ObliczPreznoscPary(long double T);           // Pa (correlation in mmHg)
long double ObliczDyfuzjeWPowietrzu(long double T);      // cm²/s
long double ObliczLepkoscCieczy(long double T);          // Pa·s (correlation in cP)
long double ObliczNapieciePowierzchniowe(long double T); // N/m (correlation in dyn/cm); reads SinTc
long double ObliczCpCieczy(long double T);               // J/(mol·K)
long double ObliczGestoscCieczy(long double T);          // kg/m³ (correlation in g/ml); reads Tc
long double ObliczLambdaCieczy(long double T);           // W/(m·K)
long double ObliczDyfuzjeWWodzie(long double T);         // cm²/s

// The same three of a record given, for a window that holds more than one.
struct TRekordYaws;
long double ObliczLepkoscGazu(const TRekordYaws& rekord, long double T);
long double ObliczLepkoscCieczy(const TRekordYaws& rekord, long double T);
long double ObliczGestoscCieczy(const TRekordYaws& rekord, long double T);
