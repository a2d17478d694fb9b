#pragma once
// An edit box with its own up-down buttons: a plain line edit, so whatever is typed ("1.5", "-2",
// "abc", "11") reaches the window's checks. A button steps a whole number in the box by one when
// the new number stays within the bounds, leaves any other text as it is, and then reports the
// click, so the window's check sees what the box holds either way.
#include <QLineEdit>
#include <QWidget>

class QToolButton;

class TEdycjaZLicznikiem : public QWidget {
    Q_OBJECT
public:
    // The edit box is named `nazwa`, the buttons `nazwa` + "W" (up) and `nazwa` + "N" (down).
    TEdycjaZLicznikiem(const QString& nazwa, int minimum, int maksimum, QWidget* rodzic = nullptr);

    QLineEdit* edycja() const { return edycja_; }
    QString text() const { return edycja_->text(); }
    void setText(const QString& tekst) { edycja_->setText(tekst); }

signals:
    // After a button press (the number stepped or left as it was): +1 up, -1 down.
    void krok(int kierunek);

private:
    void Przestaw(int kierunek);

    QLineEdit* edycja_;
    QToolButton* wGore_;
    QToolButton* wDol_;
    int minimum_;
    int maksimum_;
};
