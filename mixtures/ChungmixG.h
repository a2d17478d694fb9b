#pragma once
// Chung's mixture viscosity window.
#include <QWidget>

class TChungMG_Form : public QWidget {
    Q_OBJECT
public:
    explicit TChungMG_Form(QWidget* rodzic = nullptr);
};

extern TChungMG_Form* ChungMG_Form;
