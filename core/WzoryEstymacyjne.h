#pragma once
// Estimation formulas: corresponding-states and empirical relations for a pure liquid or gas and
// for a binary liquid mixture.
//
// The first seven read the critical data of the current substance from RekordYaws in its stored
// units (Mmol g/mol, Tb and Tc K, Pc bar, Vc cm³/mol, Omega, DipM D); the others read no record.
// None checks ranges or BrakDanych: the caller does. A floating-point error (a temperature at or
// above the critical one under a fractional power, a division by zero) throws EMathError; no
// function ever returns NaN or infinity.
// Each call clears the floating-point flags before it computes and after it checks them, so a
// caller checks its own arithmetic apart from these calls.

long double NapiecieBrockaBirda(long double T); // N/m
long double LambdaSatoRiedela(long double T);   // W/(m·K)
long double DelHvPitzera(long double T);        // J/mol

// The pieces of Chung's viscosities shared with the mixture's, computed without a floating-point
// check of their own (their callers run them inside theirs): the collision integral Ωv at the
// reduced temperature T*, the association factor κ of nOH hydroxyl groups at molar mass M, and
// the reduced dense-gas viscosity η* at T* and the reduced density Y = ρ·Vc/6 (κ = 0 for a
// substance alone).
long double CalkaZderzenChunga(long double Tgw);
long double KappaChunga(long double nOH, long double M);
long double LepkoscZredukowanaChunga(long double Tgw, long double Y, long double omega, long double muR4,
                                     long double kappa, long double Fc, long double OmegaV);

// Chung's gas viscosity at low pressure, Pa·s.
long double LepkoscChunga(long double T);
// The same for an associating gas with nOH hydroxyl groups.
long double LepkoscChungaPolarna(long double T, long double nOH);
// Chung's dense-gas viscosity at the molar density rho (mol/cm³), Pa·s. The pressure is not used.
long double LepkoscChungaGestyGaz(long double T, long double cisnienie, long double rho);

// Lucas's liquid viscosity under pressure P (bar), Pa·s. The saturated viscosity LepkoscNas (Pa·s)
// belongs to the saturation temperature Tnas and pressure Ps (bar): the pressure correction is
// taken at Tnas, then the Lewis–Squires relation shifts the result from Tnas to T.
long double LepkoscLucasa(long double Tnas, long double T, long double Ps, long double P,
                          long double LepkoscNas);

// Liquid densities: M divided by a molar volume in the unit of the volume argument (the callers
// pass m³/kmol and kg/kmol, which gives kg/m³); temperatures in K.
long double GestoscYamadyGunna(long double T, long double Vc, long double omega, long double Tc,
                               long double M);
// From a reference molar volume VR at TR.
long double GestoscRackettaOdniesienie(long double T, long double TR, long double VR,
                                       long double omega, long double Tc, long double M);
// The molar volume at T from VR at TR, in the unit of VR; M is not used.
long double ObjetoscRackettaOdniesienie(long double T, long double TR, long double VR,
                                        long double omega, long double Tc, long double M);
// Hankinson–Brobst–Thomson with the characteristic volume Vgw and the SRK acentric factor.
long double GestoscCostald(long double T, long double Vgw, long double omegaSRK, long double Tc,
                           long double M);
// Compressed liquid from the saturated volume Vs at Ps; P, Ps and Pc in one unit.
long double GestoscChangaZhao(long double T, long double P, long double Vs, long double omega,
                              long double Ps, long double M, long double Pc, long double Tc);
// Pc in Pa, M in kg/kmol: kg/m³.
long double GestoscRacketta(long double ZRA, long double T, long double Pc, long double Tc,
                            long double M);

// Chueh–Prausnitz binary parameter from the two critical volumes (one unit).
long double KijChuehaPrausnitza(long double Vci, long double Vcj);
long double TcijMieszaniny(long double Tci, long double Tcj, long double kij); // K
// Rackett density of a binary liquid mixture, kg/m³: x1 the mole fraction of component 1,
// Pc in Pa, Vc in one unit, M in kg/kmol.
long double GestoscMieszaninyRacketta(long double T, long double x1, long double ZRA1,
                                      long double ZRA2, long double Tc1, long double Tc2,
                                      long double Pc1, long double Pc2, long double Vc1,
                                      long double Vc2, long double M1, long double M2);
