#include "KorelacjeDoswiadczalne.h"

#include "KodyMetod.h"
#include "KorelacjeTemperaturowe.h"

namespace {

using R = TRekordYaws;

const QString Kropka = QStringLiteral(R"(<font size="10"><sup>.</sup></font size>)");
// "· ε_SI =": the value shown after it is the correlation's value times the factor to SI.
const QString OgonSI = Kropka + QStringLiteral(R"( <font name="Symbol" size="15">e</font><sub><b>SI</b></sub><font size="15">=</font>)");

const QString SymbolCp = QStringLiteral(R"(<font size="15">C</font><sub><b>p</b></sub><font size="15">=)");
const QString JednostkaCp = "J/(mol" + Kropka + "K)";
const QString JednostkaLambda = "W/(m" + Kropka + "K)";
const QString JednostkaLepkosci = "Pa" + Kropka + "s";
const QString JednostkaDyfuzji = QStringLiteral("cm<sup>2</sup>/s");
const QString JednostkaEntalpii = QStringLiteral("kJ/mol");

std::vector<WspolczynnikKorelacji> Wspolczynniki(std::initializer_list<long double R::*> pola)
{
    static const char* const litery[] = {"A", "B", "C", "D", "E"};
    std::vector<WspolczynnikKorelacji> wynik;
    for (auto pole : pola)
        wynik.push_back({QString::fromLatin1(litery[wynik.size()]), pole});
    return wynik;
}

std::vector<TKorelacjaDoswiadczalna> UtworzKorelacje()
{
    using enum RodzajKorelacji;
    using enum DopuszczalneWartosci;
    return {
        {Gaz, KodCieplaWlasciwegoGazu, QStringLiteral("Obliczanie ciepła właściwego gazów"),
         QStringLiteral(R"(<p align="centre"><font size="15">C</font><sub><b>p</b></sub> <font size="15">= A + B </font size><font size="10"><sup>.</sup></font size><font size="15">T + C </font><font size="10"><sup>.</sup></font size><font size="15">T<sup><b>2</b></sup>+ D </font><font size="10"><sup>.</sup></font size><font size="15">T<sup><b>3</b></sup>+ E </font><font size="10"><sup>.</sup></font size><font size="15">T<sup><b>4</b></sup>  [<font size="15">J/(mol<font size="10"><sup>.</sup></font size><font size="15">K)]</p>)"),
         Wspolczynniki({&R::CpgA, &R::CpgB, &R::CpgC, &R::CpgD, &R::CpgE}), &R::CpgTmin, &R::CpgTmax,
         false, std::nullopt, ObliczCpGazu, SymbolCp, JednostkaCp,
         QStringLiteral("Ciepło właściwe [J/(mol•K)]"), Dodatnie},
        {Gaz, KodCieplaTworzeniaGazu, QStringLiteral("Obliczanie ciepła tworzenia gazów"),
         QStringLiteral(R"(<p align="centre"><font name="Symbol" size="15">D</font><font size="15">H</font><sub><b>f</b></sub> <font size="15">= A + B </font size><font size="10"><sup>.</sup></font size><font size="15"> T + C </font><font size="10"><sup>.</sup></font size><font size="15">T<sup><b>2</b></sup> <font size="15">[kJ/mol]</font></p>)"),
         Wspolczynniki({&R::DelHfA, &R::DelHfB, &R::DelHfC}), &R::DelHfTmin, &R::DelHfTmax,
         false, std::nullopt, ObliczDelHf,
         QStringLiteral(R"(<font name="Symbol" size="15">D</font><font size="15">H</font><sub><b>f</b></sub><font size="15">=)"),
         JednostkaEntalpii,
         QStringLiteral("Ciepło tworzenia [kJ/mol]"), Dowolne},
        {Gaz, KodEnergiiGibbsaGazu, QStringLiteral("Obliczanie swobodnej energii Gibbsa dla gazów"),
         QStringLiteral(R"(<p align="centre"><font name="Symbol" size="15">D</font><font size="15">G</font><sub><b>f</b></sub> <font size="15">= A + B </font size><font size="10"><sup>.</sup></font size><font size="15"> T + C </font><font size="10"><sup>.</sup></font size><font size="15">T<sup><b>2</b></sup> <font size="15">[kJ/mol]</font></p>)"),
         Wspolczynniki({&R::DelGfA, &R::DelGfB, &R::DelGfC}), &R::DelGfTmin, &R::DelGfTmax,
         false, std::nullopt, ObliczDelGf,
         QStringLiteral(R"(<font name="Symbol" size="15">D</font><font size="15">G</font><sub><b>f</b></sub><font size="15">=)"),
         JednostkaEntalpii,
         QStringLiteral("Swobodna energia Gibbsa [kJ/mol]"), Dowolne},
        {Gaz, KodPrzewodzeniaGazu, QStringLiteral("Obliczanie współczynnika przewodzenia ciepła gazów"),
         QStringLiteral(R"(<p align="centre"><font name="Symbol"size="15">l</font><sub><b>g</b></sub> <font size="15">= A + B </font size><font size="10"><sup>.</sup></font size><font size="15">T + C </font><font size="10"><sup>.</sup></font size><font size="15">T<sup><b>2</b></sup>  [<font size="15">W/(m<font size="10"><sup>.</sup></font size><font size="15">K)]</p>)"),
         Wspolczynniki({&R::LagA, &R::LagB, &R::LagC}), &R::LagTmin, &R::LagTmax,
         false, std::nullopt, ObliczLambdaGazu,
         QStringLiteral(R"(<font name="Symbol" size="15">l</font><sub><b>g</b></sub><font size="15">=</font>)"),
         JednostkaLambda,
         QStringLiteral("Wsp. przewodzenia ciepła [W/m•K]"), Dodatnie},
        {Gaz, KodLepkosciGazu, QStringLiteral("Obliczanie lepkości gazów"),
         QStringLiteral(R"(<p align="centre"><font name="Symbol" size="15">n</font><sub><b>g</b></sub> <font size="15">= A + B </font size><font size="10"><sup>.</sup></font size><font size="15"> T + C </font><font size="10"><sup>.</sup></font size><font size="15">T<sup><b>2</b></sup> [<font name="Symbol" size="15">m</font>P]</p>)"),
         Wspolczynniki({&R::NigA, &R::NigB, &R::NigC}), &R::NigTmin, &R::NigTmax,
         false, 1E-7L, ObliczLepkoscGazu,
         QStringLiteral(R"(<font name="Symbol" size="15">n</font><sub><b>g</b></sub>)") + OgonSI,
         JednostkaLepkosci,
         QStringLiteral("Lepkość [Pa•s]"), Dodatnie},
        {Gaz, KodPreznosciPary, QStringLiteral("Obliczanie prężności pary"),
         QStringLiteral(R"(<p align="centre"><font size="15">log</font><sub><b>10 </b></sub><font size="15">Pv</font><sub><b>p</b></sub> <font size="15">= A + B/T + C log</font><sub><b>10 </b></sub><font size="15">T+ D </font><font size="10"><sup>.</sup></font size><font size="15">T+ E </font><font size="10"><sup>.</sup></font size><font size="15">T<sup><b>2</b></sup>  [<font size="15">Tr]</p>)"),
         Wspolczynniki({&R::PvpA, &R::PvpB, &R::PvpC, &R::PvpD, &R::PvpE}), &R::PvpTmin, &R::PvpTmax,
         false, 133.322L, ObliczPreznoscPary,
         QStringLiteral(R"(<font size="15">Pv</font><sub><b>p</b></sub>)") + OgonSI, QStringLiteral("Pa"),
         QStringLiteral("Prężność pary [Pa]"), Dodatnie},
        {Gaz, KodDyfuzjiWPowietrzu, QStringLiteral("Obliczanie współczynnika dyfuzji w powietrzu dla gazów"),
         QStringLiteral(R"(<p align="centre"><font size="15">D</font><sub><b>g</b></sub> <font size="15">= A + B </font size><font size="10"><sup>.</sup></font size><font size="15">T + C </font><font size="10"><sup>.</sup></font size><font size="15">T<sup><b>2</b></sup>  [<font size="15">cm<sup><b>2</b></sup>/s]</p>)"),
         Wspolczynniki({&R::DapA, &R::DapB, &R::DapC}), &R::DapTmin, &R::DapTmax,
         false, std::nullopt, ObliczDyfuzjeWPowietrzu,
         QStringLiteral(R"(<font size="15">D</font><sub><b>g</b></sub><font size="15">=</font>)"), JednostkaDyfuzji,
         QStringLiteral("Wsp. dyfuzji w powietrzu [cm^2/s]"), Dodatnie},
        {Ciecz, KodLepkosciCieczy, QStringLiteral("Obliczanie lepkości cieczy"),
         QStringLiteral(R"(<p align="centre"><font size="15">log</font><sub><b>10 </b></sub><font name="Symbol" size="15">h</font><sub><b>c</b></sub> <font size="15">= A + B/T + C </font><font size="10"><sup>.</sup></font size><font size="15">T + D </font><font size="10"><sup>.</sup></font size><font size="15">T<sup><b>2</b></sup> [<font size="15">cP]</font></p>)"),
         Wspolczynniki({&R::NicA, &R::NicB, &R::NicC, &R::NicD}), &R::NicTmin, &R::NicTmax,
         false, 0.001L, ObliczLepkoscCieczy,
         QStringLiteral(R"(<font name="Symbol" size="15">h</font><sub><b>c</b></sub>)") + OgonSI,
         JednostkaLepkosci,
         QStringLiteral("Lepkość [Pa•s]"), Dodatnie},
        {Ciecz, KodNapieciaPowierzchniowego, QStringLiteral("Obliczanie napięcia powierzchniowego cieczy"),
         QStringLiteral(R"(<p align="centre"><font name="Symbol" size="15">s</font><font size="15"> = A (1 - T/Tc)<sup><b>n</b></sup></font> <font size="15">[dyn/cm]</font></p>)"),
         {{QStringLiteral("A"), &R::SinA}, {QStringLiteral("Tc"), &R::SinTc}, {QStringLiteral("n"), &R::SinN}},
         &R::SinTmin, &R::SinTmax, false, 0.001L, ObliczNapieciePowierzchniowe,
         QStringLiteral(R"(<font name="Symbol" size="15">s</font>)") + OgonSI, QStringLiteral("N/m"),
         QStringLiteral("Napięcie powierzchniowe [N/m]"), Nieujemne},
        {Ciecz, KodCieplaWlasciwegoCieczy, QStringLiteral("Obliczanie ciepła właściwego cieczy"),
         QStringLiteral(R"(<p align="centre"><font size="15">C</font><sub><b>p</b></sub> <font size="15">= A + B </font size><font size="10"><sup>.</sup></font size><font size="15">T + C </font><font size="10"><sup>.</sup></font size><font size="15">T<sup><b>2</b></sup>+ D </font><font size="10"><sup>.</sup></font size><font size="15">T<sup><b>3</b></sup>  [<font size="15">J/(mol<font size="10"><sup>.</sup></font size><font size="15">K)]</p>)"),
         Wspolczynniki({&R::CpcA, &R::CpcB, &R::CpcC, &R::CpcD}), &R::CpcTmin, &R::CpcTmax,
         false, std::nullopt, ObliczCpCieczy, SymbolCp, JednostkaCp,
         QStringLiteral("Ciepło właściwe [J/mol•K]"), Dodatnie},
        {Ciecz, KodGestosciCieczy, QStringLiteral("Obliczanie gęstości cieczy"),
         QStringLiteral(R"(<p align="centre"><font name="Symbol" size="15">r</font><sub><b>c</b></sub><font size="15"> = A </font><font size="10"><sup>.</sup></font size><font size="15"> B </font><font size="10"><sup><b> [ -(1-T/Tc)<font size="12">n<font size="10">]</b></sup>  <font size="15">[g/ml]</p>)"),
         {{QStringLiteral("A"), &R::RocA}, {QStringLiteral("B"), &R::RocB}, {QStringLiteral("n"), &R::RocN}},
         &R::RocTmin, &R::RocTmax, true, 1000.0L, ObliczGestoscCieczy,
         QStringLiteral(R"(<font name="Symbol" size="15">r</font><sub><b>c</b></sub>)") + OgonSI,
         QStringLiteral("kg/m<sup>3</sup>"),
         QStringLiteral("Gęstość [kg/m^3]"), Dodatnie},
        {Ciecz, KodPrzewodzeniaCieczy, QStringLiteral("Obliczanie współczynnika przewodzenia ciepła cieczy"),
         QStringLiteral(R"(<p align="centre"><font name="Symbol"size="15">l</font><sub><b>c</b></sub> <font size="15">= A + B </font size><font size="10"><sup>.</sup></font size><font size="15">T + C </font><font size="10"><sup>.</sup></font size><font size="15">T<sup><b>2</b></sup>  [<font size="15">W/(m<font size="10"><sup>.</sup></font size><font size="15">K)]</p>)"),
         Wspolczynniki({&R::LacA, &R::LacB, &R::LacC}), &R::LacTmin, &R::LacTmax,
         false, std::nullopt, ObliczLambdaCieczy,
         QStringLiteral(R"(<font name="Symbol" size="15">l</font><sub><b>c</b></sub><font size="15">=</font>)"),
         JednostkaLambda,
         QStringLiteral("Wsp. przewodzenia ciepła [W/m•K]"), Dodatnie},
        {Ciecz, KodDyfuzjiWWodzie, QStringLiteral("Obliczanie współczynnika dyfuzji w wodzie dla cieczy"),
         QStringLiteral(R"(<p align="centre"><font size="15">log</font><sub><b>10 </b></sub><font size="15">D</font><sub><b>c</b></sub> <font size="15">= A + B/T  [<font size="15">cm<sup><b>2</b></sup>/s]</p>)"),
         Wspolczynniki({&R::DawA, &R::DawB}), &R::DawTmin, &R::DawTmax,
         false, std::nullopt, ObliczDyfuzjeWWodzie,
         QStringLiteral(R"(<font size="15">D</font><sub><b>c</b></sub><font size="15">=</font>)"), JednostkaDyfuzji,
         QStringLiteral("Wsp. dyfuzji w wodzie [cm^2/s]"), Dodatnie},
        {Ciecz, KodCieplaParowania, QStringLiteral("Obliczanie ciepła parowania cieczy"),
         QStringLiteral(R"(<p align="centre"><font name="Symbol" size="15">D</font><font size="15">H</font><sub><b>v</b></sub> <font size="15">= A </font size><font size="10"><sup>.</sup></font size><font size="15"> (1-T/Tc)<sup><b>n</b></sup> <font size="15">[kJ/mol]</font></p>)"),
         {{QStringLiteral("A"), &R::DelHvA}, {QStringLiteral("n"), &R::DelHvN}},
         &R::DelHvTmin, &R::DelHvTmax, true, std::nullopt, ObliczDelHv,
         QStringLiteral(R"(<font name="Symbol" size="15">D</font><font size="15">H</font><sub><b>v</b></sub><font size="15">=</font>)"),
         JednostkaEntalpii,
         QStringLiteral("Ciepło parowania [kJ/mol]"), Nieujemne},
    };
}

} // namespace

const std::vector<TKorelacjaDoswiadczalna>& KorelacjeDoswiadczalne()
{
    static const std::vector<TKorelacjaDoswiadczalna> korelacje = UtworzKorelacje();
    return korelacje;
}

const TKorelacjaDoswiadczalna* KorelacjaDlaKodow(char kodGaz, char kodCiecz)
{
    for (const auto& k : KorelacjeDoswiadczalne())
        if (k.kod == (k.rodzaj == RodzajKorelacji::Gaz ? kodGaz : kodCiecz))
            return &k;
    return nullptr;
}

bool KorelacjaKompletna(const TRekordYaws& rekord, const TKorelacjaDoswiadczalna& korelacja)
{
    if (korelacja.czytaTc && rekord.Tc == BrakDanych)
        return false;
    if (rekord.*korelacja.Tmin == BrakDanych || rekord.*korelacja.Tmax == BrakDanych)
        return false;
    for (const auto& w : korelacja.wspolczynniki)
        if (rekord.*w.pole == BrakDanych)
            return false;
    return true;
}
