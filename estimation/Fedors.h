#pragma once
// Fedors' group contributions to the critical temperature (code "02").
#include "OknoUdzialowGrup.h"

class TFedors_Form : public TOknoUdzialowGrup {
    Q_OBJECT
public:
    explicit TFedors_Form(QWidget* rodzic = nullptr);

    QPushButton* ObliczBtn;

    void ObliczBtnClick();
};

void ZarejestrujFedorsa();
