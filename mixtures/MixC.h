#pragma once
// The liquid-mixture density window.
#include <QWidget>

class TMixcFrm : public QWidget {
    Q_OBJECT
public:
    explicit TMixcFrm(QWidget* rodzic = nullptr);
};

extern TMixcFrm* MixcFrm;
