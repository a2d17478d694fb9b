#pragma once
// A scrolled column of group rows: each row a check box with its count box beside it (up-down
// buttons, text "1", hidden until the row is ticked), and bold headings above some rows. The
// group-contribution, atom-count and group-sum windows build their panels from it.
#include <QScrollArea>
#include <functional>
#include <span>
#include <vector>

class QCheckBox;
class TEdycjaZLicznikiem;

struct TOpisWierszaGrupy {
    QString naglowek;      // heading above the row, or empty
    QString podpis;        // caption of the check box
    QString nazwaPola;     // object name of the check box
    QString nazwaLicznika; // object name of the count box
};

class TWierszeGrup : public QScrollArea {
    Q_OBJECT
public:
    // Counts run from 1 to `maksimum` on the buttons.
    TWierszeGrup(const QString& nazwa, const std::vector<TOpisWierszaGrupy>& wiersze, int maksimum,
                 QWidget* rodzic = nullptr);

    QCheckBox* Pole(int wiersz) const { return pola_[wiersz]; }
    TEdycjaZLicznikiem* Licznik(int wiersz) const { return liczniki_[wiersz]; }

    // Unticks every row (hiding its count box) and sets every count back to "1".
    void Wyzeruj();

    // Fills `liczby` with the counts of the ticked rows, 0 for a row not ticked. A ticked row
    // whose count is not a whole number of at least 1 is refused: `pokazWiersze` brings the rows
    // into view, the message is shown and the count selected; then false.
    bool WczytajLiczby(std::span<int> liczby, const QString& komunikat, const std::function<void()>& pokazWiersze);

signals:
    // A row's check box was clicked; its count box is already shown or hidden.
    void kliknieto(int wiersz);

private:
    std::vector<QCheckBox*> pola_;
    std::vector<TEdycjaZLicznikiem*> liczniki_;
};
