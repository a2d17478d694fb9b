#include "WzoryEstymacyjne.h"

#include "MathError.h"
#include "Power.h"
#include "Zmienne.h"

#include <array>
#include <cmath>

// Each public function runs its whole computation between one clear and one check of the
// floating-point flags; the helpers below never check, so a flag raised early in a computation is
// not cleared by a nested check before the end.

namespace {

constexpr long double DwieTrzecie = 2.0L / 3.0L;
constexpr long double JednaTrzecia = 1.0L / 3.0L;
constexpr long double DwieSiodme = 2.0L / 7.0L;
constexpr long double StalaGazowa = 8314.0L; // J/(kmol·K)

// The quantities shared by Chung's three viscosities, from the current record at T.
struct ParametryChunga {
    long double muR4; // reduced dipole moment to the fourth power
    long double Fc;   // without the association term
    long double Tgw;  // T*
    long double OmegaV;
};

ParametryChunga Chung(long double T)
{
    const TRekordYaws& r = RekordYaws;
    long double muR = 131.3L * r.DipM / Power(r.Vc * r.Tc, 0.5L);
    ParametryChunga p;
    p.muR4 = Power(muR, 4.0L);
    p.Fc = 1.0L - 0.2756L * r.Omega + 0.059035L * p.muR4;
    p.Tgw = 1.2593L * T / r.Tc;
    p.OmegaV = CalkaZderzenChunga(p.Tgw);
    return p;
}

long double LepkoscChungaPrzyFc(long double T, long double Fc, long double OmegaV)
{
    const TRekordYaws& r = RekordYaws;
    return 40.785L * Fc * Power(r.Mmol * T, 0.5L) / (Power(r.Vc, DwieTrzecie) * OmegaV) / 1E7L;
}

long double ZRAzOmegi(long double omega)
{
    return 0.29056L - 0.08775L * omega;
}

// φ of the Rackett form with a reference point.
long double PhiRacketta(long double T, long double TR, long double Tc)
{
    return Power(1.0L - T / Tc, DwieSiodme) - Power(1.0L - TR / Tc, DwieSiodme);
}

long double ObjetoscOdniesienia(long double T, long double TR, long double VR, long double omega,
                                long double Tc)
{
    return VR * Power(ZRAzOmegi(omega), PhiRacketta(T, TR, Tc));
}

// ZRA^(1 + (1 − T/Tc)^(2/7))
long double CzynnikRacketta(long double ZRA, long double T, long double Tc)
{
    return Power(ZRA, 1.0L + Power(1.0L - T / Tc, DwieSiodme));
}

long double PierwiastekSzescienny(long double V)
{
    return Power(V, JednaTrzecia);
}

// From the cube roots of the two critical volumes.
long double Kij(long double a, long double b)
{
    return 1.0L - Power(std::sqrt(a * b) / ((a + b) / 2.0L), 3.0L);
}

long double Tcij(long double Tci, long double Tcj, long double kij)
{
    return std::sqrt(Tci * Tcj) * (1.0L - kij);
}

// The coefficients a, b, c, d of Chung's E1 .. E10: Ei = ai + bi·ω + ci·μr⁴ + di·κ.
struct WspolczynnikE {
    long double a, b, c, d;
};
constexpr std::array<WspolczynnikE, 10> WspolczynnikiE{{
    {6.324L, 50.412L, -51.68L, 1189.0L},
    {0.00121L, -0.001154L, -0.006257L, 0.03728L},
    {5.283L, 254.209L, -168.48L, 3898.0L},
    {6.623L, 38.096L, -8.464L, 31.42L},
    {19.745L, 7.63L, -14.354L, 31.53L},
    {-1.9L, -12.537L, 4.985L, -18.15L},
    {24.275L, 3.45L, -11.291L, 69.35L},
    {0.7972L, 1.117L, 0.01235L, -4.117L},
    {-0.2382L, 0.0677L, -0.8163L, 4.025L},
    {0.06863L, 0.3479L, 0.5926L, -0.727L},
}};

} // namespace

long double CalkaZderzenChunga(long double Tgw)
{
    return 1.16145L * Power(Tgw, -0.14874L) + 0.52487L * Exp(-0.7732L * Tgw) + 2.16178L * Exp(-2.43787L * Tgw);
}

long double KappaChunga(long double nOH, long double M)
{
    return 0.0682L + 0.2767L * 17.0L * nOH / M;
}

long double LepkoscZredukowanaChunga(long double Tgw, long double Y, long double omega, long double muR4,
                                     long double kappa, long double Fc, long double OmegaV)
{
    std::array<long double, 11> E{}; // E[1] .. E[10]
    for (int i = 1; i <= 10; ++i) {
        const WspolczynnikE& w = WspolczynnikiE[i - 1];
        E[i] = w.a + w.b * omega + w.c * muR4 + w.d * kappa;
    }
    long double G1 = (1.0L - 0.5L * Y) / Power(1.0L - Y, 3.0L);
    long double G2 = (E[1] * (1.0L - Exp(-E[4] * Y)) / Y + E[2] * G1 * Exp(E[5] * Y) + E[3] * G1)
                     / (E[1] * E[4] + E[2] + E[3]);
    long double etaGwGw = E[7] * Power(Y, 2.0L) * G2 * Exp(E[8] + E[9] * Power(Tgw, -1.0L) + E[10] * Power(Tgw, -2.0L));
    return Power(Tgw, 0.5L) * (1.0L / G2 + E[6] * Y) * Fc / OmegaV + etaGwGw;
}

long double NapiecieBrockaBirda(long double T)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] {
        // The constants belong to Pc in atm; the record holds bar.
        long double P = r.Pc / 1.01325L;
        long double Tbr = r.Tb / r.Tc;
        long double alfaC = 0.9076L * (1.0L + Tbr * std::log(P) / (1.0L - Tbr));
        return Power(P, DwieTrzecie) * Power(r.Tc, JednaTrzecia) * (0.133L * alfaC - 0.281L)
               * Power(1.0L - T / r.Tc, 11.0L / 9.0L) / 1000.0L;
    });
}

long double LambdaSatoRiedela(long double T)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] {
        return (1.11L / std::sqrt(r.Mmol)) * (3.0L + 20.0L * Power(1.0L - T / r.Tc, DwieTrzecie))
               / (3.0L + 20.0L * Power(1.0L - r.Tb / r.Tc, DwieTrzecie));
    });
}

long double DelHvPitzera(long double T)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] {
        long double Tr = T / r.Tc;
        return 8.314L * r.Tc
               * (7.08L * Power(1.0L - Tr, 0.354L) + 10.95L * r.Omega * Power(1.0L - Tr, 0.456L));
    });
}

long double LepkoscChunga(long double T)
{
    return ObliczSprawdzajac([&] {
        ParametryChunga p = Chung(T);
        return LepkoscChungaPrzyFc(T, p.Fc, p.OmegaV);
    });
}

long double LepkoscChungaPolarna(long double T, long double nOH)
{
    return ObliczSprawdzajac([&] {
        ParametryChunga p = Chung(T);
        long double kappa = KappaChunga(nOH, RekordYaws.Mmol);
        return LepkoscChungaPrzyFc(T, p.Fc + kappa, p.OmegaV);
    });
}

long double LepkoscChungaGestyGaz(long double T, long double /*cisnienie*/, long double rho)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] {
        ParametryChunga p = Chung(T);
        long double etaGw =
            LepkoscZredukowanaChunga(p.Tgw, rho * r.Vc / 6.0L, r.Omega, p.muR4, 0.0L, p.Fc, p.OmegaV);
        // The exponent is the decimal 0.6666666666, not 2/3.
        return 36.344L * Power(r.Mmol * r.Tc, 0.5L) * etaGw / Power(r.Vc, 0.6666666666L) / 1E7L;
    });
}

long double LepkoscLucasa(long double Tnas, long double T, long double Ps, long double P,
                          long double LepkoscNas)
{
    const TRekordYaws& r = RekordYaws;
    return ObliczSprawdzajac([&] {
        long double Tr = Tnas / r.Tc;
        long double A = 0.9991L - 4.674E-4L / (1.0523L * Power(Tr, -0.03877L) - 1.0513L);
        long double D = 0.3257L / Power(1.0039L - Power(Tr, 2.573L), 0.2906L) - 0.2086L;
        constexpr std::array<long double, 8> wspolczynnikiC{
            -0.07921L, 2.1616L, -13.404L, 44.1706L, -84.8291L, 96.1209L, -59.8127L, 15.6719L};
        long double C = wspolczynnikiC[0], potegaTr = 1.0L;
        for (int k = 1; k < 8; ++k) {
            potegaTr *= Tr;
            C += wspolczynnikiC[k] * potegaTr;
        }
        long double dPr = (P - Ps) / r.Pc;
        long double eta1 = LepkoscNas * 1000.0L * (1.0L + D * Power(dPr / 2.118L, A))
                           / (1.0L + r.Omega * C * dPr); // cP
        // Lewis–Squires: η^(−0.2661) grows linearly with T.
        long double eta2 =
            Exp(std::log(Power(eta1, -0.2661L) + (T - Tnas) / 233.0L) / (-0.2661L));
        return eta2 / 1000.0L;
    });
}

long double GestoscYamadyGunna(long double T, long double Vc, long double omega, long double Tc,
                               long double M)
{
    return ObliczSprawdzajac([&] {
        return M / (Vc * Power(ZRAzOmegi(omega), Power(1.0L - T / Tc, DwieSiodme)));
    });
}

long double GestoscRackettaOdniesienie(long double T, long double TR, long double VR,
                                       long double omega, long double Tc, long double M)
{
    return ObliczSprawdzajac([&] { return M / ObjetoscOdniesienia(T, TR, VR, omega, Tc); });
}

long double ObjetoscRackettaOdniesienie(long double T, long double TR, long double VR,
                                        long double omega, long double Tc, long double /*M*/)
{
    return ObliczSprawdzajac([&] { return ObjetoscOdniesienia(T, TR, VR, omega, Tc); });
}

long double GestoscCostald(long double T, long double Vgw, long double omegaSRK, long double Tc,
                           long double M)
{
    return ObliczSprawdzajac([&] {
        long double Tr = T / Tc;
        long double x = 1.0L - Tr;
        long double V0 = 1.0L - 1.52816L * Power(x, JednaTrzecia) + 1.43907L * Power(x, DwieTrzecie)
                         - 0.81446L * x + 0.190454L * Power(x, 4.0L / 3.0L);
        long double Vdelta = (-0.296123L + 0.386914L * Tr - 0.0427258L * Power(Tr, 2.0L)
                              - 0.0480645L * Power(Tr, 3.0L))
                             / (Tr - 1.00001L);
        return M / (Vgw * V0 * (1.0L - omegaSRK * Vdelta));
    });
}

long double GestoscChangaZhao(long double T, long double P, long double Vs, long double omega,
                              long double Ps, long double M, long double Pc, long double Tc)
{
    return ObliczSprawdzajac([&] {
        long double Tr = T / Tc;
        long double A = -170.335L - 28.578L * Tr + 124.809L * Power(Tr, 3.0L)
                        - 55.5393L * Power(Tr, 6.0L) + 130.01L / Tr;
        long double B = 0.164813L - 0.0914427L * omega;
        long double C = std::exp(1.0L);
        long double D = 1.00588L;
        long double V = Vs * (A * Pc + Power(C, Power(D - Tr, B)) * (P - Ps))
                        / (A * Pc + C * (P - Ps));
        return M / V;
    });
}

long double GestoscRacketta(long double ZRA, long double T, long double Pc, long double Tc,
                            long double M)
{
    return ObliczSprawdzajac([&] {
        return M / ((StalaGazowa * Tc / Pc) * CzynnikRacketta(ZRA, T, Tc));
    });
}

long double KijChuehaPrausnitza(long double Vci, long double Vcj)
{
    return ObliczSprawdzajac([&] { return Kij(PierwiastekSzescienny(Vci), PierwiastekSzescienny(Vcj)); });
}

long double TcijMieszaniny(long double Tci, long double Tcj, long double kij)
{
    return ObliczSprawdzajac([&] { return Tcij(Tci, Tcj, kij); });
}

long double GestoscMieszaninyRacketta(long double T, long double x1, long double ZRA1,
                                      long double ZRA2, long double Tc1, long double Tc2,
                                      long double Pc1, long double Pc2, long double Vc1,
                                      long double Vc2, long double M1, long double M2)
{
    return ObliczSprawdzajac([&] {
        long double x2 = 1.0L - x1;
        long double phi1 = x1 * Vc1 / (x1 * Vc1 + x2 * Vc2);
        long double phi2 = x2 * Vc2 / (x1 * Vc1 + x2 * Vc2);
        const long double a1 = PierwiastekSzescienny(Vc1), a2 = PierwiastekSzescienny(Vc2);
        long double Tcm = Power(phi1, 2.0L) * Tcij(Tc1, Tc1, Kij(a1, a1))
                          + phi1 * phi2 * Tcij(Tc1, Tc2, Kij(a1, a2))
                          + phi2 * phi1 * Tcij(Tc2, Tc1, Kij(a2, a1))
                          + Power(phi2, 2.0L) * Tcij(Tc2, Tc2, Kij(a2, a2));
        long double ZRAm = x1 * ZRA1 + x2 * ZRA2;
        return (x1 * M1 + x2 * M2)
               / (StalaGazowa * (x1 * Tc1 / Pc1 + x2 * Tc2 / Pc2) * CzynnikRacketta(ZRAm, T, Tcm));
    });
}
