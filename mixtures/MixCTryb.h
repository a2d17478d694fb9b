#pragma once
// The two modes of the liquid-mixture density window (MixC.h) and what they share. A mode lays
// the frame out for itself and answers its events; the base answers none, which leaves the window
// as designed.
#include <QString>
#include <memory>

class TListaZwiazkow;
class TMixcFrm;

class TTrybMixc {
public:
    explicit TTrybMixc(TMixcFrm& okno) : okno_(okno) {}
    virtual ~TTrybMixc() = default;

    // The captions, columns and chart of the mode, and the components offered in the first list.
    virtual void Uloz() {}
    // A component chosen; the frame has cleared x1, the result and the first component's boxes.
    virtual void WybranoPierwszy() {}
    virtual void WybranoDrugi() {}
    // The measured temperature or pressure chosen.
    virtual void WybranoWarunki() {}
    // x1, T or a Rackett factor typed.
    virtual void ZmienionoDane() {}
    virtual void ZmienionoRegresje() {}
    virtual void ZmienionoStopien() {}

protected:
    TMixcFrm& okno_;
};

std::unique_ptr<TTrybMixc> TrybSpenceraDannera(TMixcFrm& okno);
std::unique_ptr<TTrybMixc> TrybNadmiarowy(TMixcFrm& okno);

// What a box or cell shows for a value there is none of.
inline const QString BrakWartosci = QStringLiteral("?");

// A caption "<symbol>_<numer> [<jednostka>]" in the window's rich text.
QString Wartosc(const char* symbol, int numer, const char* jednostka, int rozmiar = 12);

// The item the list's text names (case ignored), upper-cased; empty when it names none.
QString NazwaZListy(const TListaZwiazkow* lista);
