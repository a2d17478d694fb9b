#pragma once
// The picture help: five JPEG pages paged with the arrow keys or the right mouse button.
#include <QWidget>

class QLabel;

class THelpForm : public QWidget {
    Q_OBJECT
public:
    explicit THelpForm(QWidget* rodzic = nullptr);

    QLabel* ImgHelp;

    void FormShow();

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;

private:
    void PrzejdzNaStrone(int strona);
};

constexpr int LiczbaStronPomocy = 5;

// The current page, 1..5; it lives as long as the program.
extern int StronaPomocy;

// The folder of the pages "1.jpg" .. "5.jpg": "Pomoc" beside the executable unless set.
extern QString KatalogStronPomocy;

inline const QString BrakPlikuPomocy =
    QStringLiteral("brak pliku pomocy skontaktuj się z administratorem sieci");
