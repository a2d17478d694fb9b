#pragma once
// The about box.
#include <QDialog>

class QPushButton;

class TO_programie_Form : public QDialog {
    Q_OBJECT
public:
    explicit TO_programie_Form(QWidget* rodzic = nullptr);

    QPushButton* Button1;
    void Button1Click();
};
