#pragma once
// The one registered object of an interface that windows reach without knowing which window
// implements it: a window registers itself while it can answer and forgets itself when it goes.
template <class Interfejs>
class TRejestracja {
public:
    static void Zarejestruj(Interfejs* obiekt) { zarejestrowany_ = obiekt; }
    // Forgets the object when it is the registered one.
    static void Wyrejestruj(Interfejs* obiekt)
    {
        if (zarejestrowany_ == obiekt)
            zarejestrowany_ = nullptr;
    }
    // The registered object; nullptr when there is none.
    static Interfejs* Zarejestrowany() { return zarejestrowany_; }

private:
    static inline Interfejs* zarejestrowany_ = nullptr;
};
