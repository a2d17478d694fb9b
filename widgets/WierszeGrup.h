#pragma once
// The rows of structural groups of the group-contribution windows. Row i (from 1) is a tick box
// `cb`i, a count edit `edt`i with its own up-down buttons (the pair is `ud`i; a plain edit, so
// "1.5", "-2" or "abc" reach the checks) and an increment label whose caption holds the row's
// increment as text; the sum converts that text. The count starts at "1" and is shown only
// while its box is ticked; unticking hides it and keeps its text. Rows come from one table,
// section headings stand above their first row, and everything scrolls.
//
// One press of a compute button checks first and sums afterwards:
//     TSprawdzanie sprawdzanie;
//     grupy->Sprawdz(sprawdzanie, komunikat);            // counts, then "no group ticked"
//     if (tb == 0) sprawdzanie.Ostrzez("...", edtNa);     // the window's own checks follow
//     if (!sprawdzanie.Poprawne()) return;                // the earlier result stays
//     S = SumaUdzialow(grupy->Udzialy());
// Every check runs and shows its warning, so one press can show several in turn.
#include "Dialogs.h"
#include "UdzialyGrup.h"

#include <QScrollArea>
#include <QString>
#include <functional>
#include <map>
#include <span>
#include <vector>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class TEdycjaZLicznikiem;

struct WierszGrupy {
    QString podpis;     // the tick box's caption, exactly as shown
    QString podpowiedz; // its hint; empty for none
    // Names of the row's tick box and count edit where they are not prefix + row number.
    QString nazwaPola = {};
    QString nazwaLicznika = {};
};

struct NaglowekSekcji {
    int przedWierszem; // from 1
    QString tekst;     // "\n" separates its lines
};

// The names of a row's controls: prefix + row number. Rows without increments (atom or group
// counts only) have no increment prefix and no increment column.
struct NazwyWierszy {
    QString pole = QStringLiteral("cb");
    QString licznik = QStringLiteral("edt");
    QString przyciski = QStringLiteral("ud");
    QString przyrost = QStringLiteral("d");
};
inline const NazwyWierszy BezPrzyrostow{.przyrost = QString()};

// The warnings of one press, shown at once and in the order the checks run.
class TSprawdzanie {
public:
    void Ostrzez(const QString& tekst, QWidget* fokus = nullptr,
                 RodzajKomunikatu rodzaj = RodzajKomunikatu::Ostrzezenie);
    bool Poprawne() const { return poprawne_; }

private:
    bool poprawne_ = true;
};

// The message of a count that is not a number and the kind of box that shows it.
struct KomunikatZlejLiczby {
    QString tekst;
    RodzajKomunikatu rodzaj = RodzajKomunikatu::Ostrzezenie;
};

// The text converts as the sum will convert it.
bool JestLiczba(const QString& tekst);

inline const QString NieZaznaczonoGrupy = QStringLiteral("Nie zaznaczono żadnej grupy!");

class TWierszeGrup : public QScrollArea {
    Q_OBJECT
public:
    TWierszeGrup(const QString& nazwa, const std::vector<WierszGrupy>& wiersze,
                 const std::vector<NaglowekSekcji>& naglowki = {}, NazwyWierszy nazwy = {},
                 QWidget* rodzic = nullptr);

    // Widths of the count and increment columns, so column heads elsewhere can line up.
    static constexpr int SzerokoscLicznika = 64;
    static constexpr int SzerokoscPrzyrostu = 110;
    // A row of three column heads laid out like the rows (any of them may be null).
    static QWidget* WierszKolumn(QWidget* grupy, QWidget* liczba, QWidget* przyrost);

    int LiczbaWierszy() const { return static_cast<int>(wiersze_.size()); }
    QCheckBox* Pole(int wiersz) const { return wiersze_.at(wiersz - 1).pole; }
    TEdycjaZLicznikiem* Licznik(int wiersz) const { return wiersze_.at(wiersz - 1).licznik; }
    QLabel* Przyrost(int wiersz) const { return wiersze_.at(wiersz - 1).przyrost; }
    // Puts a widget under the row (0: above everything), after those put there before.
    void WstawPod(int wiersz, QWidget* kontrolka);
    // Puts a widget at the right of the section heading above the row, in the increment column.
    void WstawObokNaglowka(int przedWierszem, QWidget* kontrolka);

    void UstawPrzyrosty(const std::vector<QString>& przyrosty);
    void PrzewinNaGore();
    // Unticks every row (hiding its count) and sets every count back to "1".
    void Wyzeruj();

    bool Zaznaczony(int wiersz) const;
    std::vector<int> ZaznaczoneWiersze() const;
    QString TekstLiczby(int wiersz) const;

    // The text a ticked row's check converts: its count unless the window says otherwise.
    using TekstDoSprawdzenia = std::function<QString(int wiersz)>;
    // The first ticked row (in row order) whose text is not a number shows the message; then
    // no ticked row at all shows "Nie zaznaczono żadnej grupy!".
    void Sprawdz(TSprawdzanie& sprawdzanie, const KomunikatZlejLiczby& zlaLiczba,
                 const TekstDoSprawdzenia& tekst = {}) const;
    // The first ticked row (in row order) whose increment is no number, the method having none
    // for the property, shows "Grupa „…” nie ma wartości poprawki dla " + wlasnosci + "." and
    // "Odznacz ją."; rows for which pomin holds are not looked at.
    void SprawdzPrzyrosty(TSprawdzanie& sprawdzanie, const QString& wlasnosci,
                          const std::function<bool(int wiersz)>& pomin = {}) const;
    // The ticked rows' counts and increments as numbers (after a successful check).
    UdzialGrupy Udzial(int wiersz) const;
    std::vector<UdzialGrupy> Udzialy() const;
    // The counts of the rows in row order (`liczby[0]` is row 1), 0 for a row not ticked. A ticked
    // count that is not a whole number of at least 1 is refused: `pokazWiersze` brings the rows
    // into view, the message is shown and the count selected; then false.
    bool WczytajLiczbyCalkowite(std::span<int> liczby, const QString& komunikat,
                                const std::function<void()>& pokazWiersze) const;

signals:
    // After a row's box was ticked or unticked (its controls already shown or hidden).
    void przelaczono(int wiersz);
    // After the text of a row's count changed (typed, or stepped by its buttons).
    void zmienionoLiczbe(int wiersz);

private:
    struct Wiersz {
        QWidget* kontener;
        QCheckBox* pole;
        TEdycjaZLicznikiem* licznik;
        QLabel* przyrost;
    };
    void Przelacz(int wiersz);
    QWidget* UtworzWiersz(int numer, const WierszGrupy& opis, const NazwyWierszy& nazwy);

    std::vector<Wiersz> wiersze_;
    std::map<int, QHBoxLayout*> naglowki_; // by the row below the heading
    QVBoxLayout* uklad_;
};
