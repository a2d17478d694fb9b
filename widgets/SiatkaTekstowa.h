#pragma once
// A grid of texts addressed by column and row, whose row 0 and column 0 are fixed cells: row 0
// stays at the top and column 0 at the left while the other cells scroll. The fixed cells are
// the view's headers (row 0 wraps its words); cell (0, 0) is drawn in the corner between them.
// The user selects cells and drags column borders; nothing is edited.
#include <QTableView>
#include <vector>

class QAbstractButton;
class TModelSiatki;

class TSiatkaTekstowa : public QTableView {
    Q_OBJECT
public:
    explicit TSiatkaTekstowa(QWidget* rodzic = nullptr);

    // Counts with the fixed row and column. Cells beyond a smaller count are dropped.
    int LiczbaWierszy() const;
    int LiczbaKolumn() const;
    void UstawLiczbeWierszy(int liczba);
    void UstawLiczbeKolumn(int liczba);

    // Outside the grid: an empty text, and writing does nothing.
    QString Komorka(int kolumna, int wiersz) const;
    void UstawKomorke(int kolumna, int wiersz, const QString& tekst);

    int SzerokoscKolumny(int kolumna) const;
    void UstawSzerokoscKolumny(int kolumna, int szerokosc);
    // Row 0 has a height of its own; the other rows share the default.
    int WysokoscNaglowka() const;
    void UstawWysokoscNaglowka(int wysokosc);
    void UstawDomyslnaWysokoscWiersza(int wysokosc);
    // The height the wrapped text of cell (kolumna, 0) needs at the column's width.
    int WysokoscTekstuNaglowka(int kolumna) const;
    // The width the text needs in a cell of the column, besides the text itself.
    int MarginesKomorki(int kolumna) const;
    // Every column as wide as the widest text among its first `wierszy` rows (header included),
    // plus the cell's margin and `zapas` pixels.
    void DopasujSzerokosciKolumn(int wierszy, int zapas);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void RysujNaroznik();

    TModelSiatki* model_;
    QAbstractButton* naroznik_; // the view's corner between the two headers
};
