#pragma once
// The property-estimation window as far as the table reads it, with what a test sets.
#include "WierszeTabeli.h"

#include <map>

class DaneEstymacjiTestowe : public TDaneEstymacji {
public:
    std::map<QString, QString> pola; // box name → text; a box not given is empty
    bool polarny = false;
    int grupyOH = 0;
    std::optional<long double> gestosc;
    std::optional<TDaneTynaCalusa> tyn;

    QString TekstPola(const QString& nazwa) const override
    {
        auto it = pola.find(nazwa);
        return it == pola.end() ? QString() : it->second;
    }
    bool ZwiazekPolarny() const override { return polarny; }
    int LiczbaGrupOH() const override { return grupyOH; }
    std::optional<long double> GestoscMolowa() const override { return gestosc; }
    std::optional<TDaneTynaCalusa> DaneTynaCalusa() const override { return tyn; }
};
