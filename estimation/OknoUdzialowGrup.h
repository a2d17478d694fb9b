#pragma once
// The frame shared by the group-contribution windows: a white top panel with the heading, the
// equation and the column heads; the group rows in their scroll area; a right panel with one
// extra input (a label over a caption and an edit, hidden unless the method needs it); a white
// bottom panel with the result caption, the read-only result, its unit and the compute button.
// The result controls are hidden until a result exists and keep it until the next successful
// press. The window opens centred on the desktop and has no key handling of its own: Esc does
// not close it, Enter presses nothing.
#include "WierszeGrup.h"

#include <QMainWindow>
#include <functional>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QHBoxLayout;
class QVBoxLayout;

struct NazwyOknaUdzialow {
    QString przewijanie = QStringLiteral("scbUdzialy");
    QString dolnyPanel = QStringLiteral("Panel2");
    QString przycisk = QStringLiteral("Oblicz_Button");
};

class TOknoUdzialowGrup : public QMainWindow {
    Q_OBJECT
public:
    QWidget* pnlCo;
    QLabel* lblCo;
    QLabel* lblRownanie;
    TWierszeGrup* grupy;
    QLabel* lblDelta; // the property's symbol after the Greek delta over the increments; none without that header
    QWidget* pnlPrawy;
    QLabel* lblNaOpis;
    QLabel* lblNa;
    QLineEdit* edtNa;
    QWidget* pnlWynik;
    QLabel* lblCoObl;
    QLineEdit* wynik;
    QLabel* lblWym;
    QPushButton* przyciskOblicz;

protected:
    TOknoUdzialowGrup(const QString& nazwa, const std::vector<WierszGrupy>& wiersze,
                      const std::vector<NaglowekSekcji>& naglowki, const NazwyOknaUdzialow& nazwy,
                      const NazwyWierszy& nazwyWierszy, bool glowkaPrzyrostow, QWidget* rodzic = nullptr);

    // Where a window puts further controls of the top and bottom panels.
    QVBoxLayout* UkladGorny() const { return ukladGorny_; }
    QHBoxLayout* UkladDolny() const { return ukladDolny_; }

    // "&Plik" with the closing item `Wyjcie1` (and "&Wyjście z programu" `Wyjciezprogramu1` when
    // asked for), then the help menu with "O &metodzie" `Ometodzie1`, which is returned.
    QAction* UtworzMenu(const QString& zamknij, bool wyjscieZProgramu, const QString& pomoc);

    void PokazWynik(long double wartosc);
    // The result of the method's equation, the earlier one cleared first. An equation that gives
    // no result (core's EMathError) leaves the result empty and says why in a warning: false then.
    bool PokazWynikRownania(const std::function<long double()>& rownanie);
    // "?" in place of the result: an input of the record is missing.
    void PokazBrakWyniku();
    // The extra input of the right panel, shown or hidden with its captions.
    void PokazWejscie(bool widoczne);
    // The extra input as the boiling point "Tb =", filled from the record when it holds one.
    void PokazTemperatureWrzenia();

private:
    void PokazTekstWyniku(const QString& tekst);

    QVBoxLayout* ukladGorny_;
    QHBoxLayout* ukladDolny_;
    QHBoxLayout* ukladSrodka_ = nullptr;
    QWidget* glowkiKolumn_ = nullptr;
};

// The rows of a method's group table (its captions, with their hints where it has them).
template <class Grupy>
std::vector<WierszGrupy> WierszeZTabeli(const Grupy& grupy)
{
    std::vector<WierszGrupy> wiersze;
    for (const auto& grupa : grupy) {
        WierszGrupy wiersz{QString::fromUtf8(grupa.podpis), {}};
        if constexpr (requires { grupa.podpowiedz; })
            wiersz.podpowiedz = QString::fromUtf8(grupa.podpowiedz);
        wiersze.push_back(wiersz);
    }
    return wiersze;
}

// The section headings of a method's group table.
template <class Sekcje>
std::vector<NaglowekSekcji> NaglowkiZTabeli(const Sekcje& sekcje)
{
    std::vector<NaglowekSekcji> naglowki;
    for (const auto& sekcja : sekcje)
        naglowki.push_back({sekcja.pierwszyWiersz, QString::fromUtf8(sekcja.naglowek)});
    return naglowki;
}
