#pragma once
// The plain text label of the windows: its text, the name code and tests find it by (empty for a
// label nothing looks up) and the widget it lies on until a layout takes it.
#include <QString>

class QLabel;
class QWidget;

struct WygladEtykiety {
    bool pogrubiona = false;
    bool zawijana = false; // a long text wraps at the label's width
};

QLabel* Etykieta(const QString& tekst, const QString& nazwa = {}, QWidget* rodzic = nullptr,
                 WygladEtykiety wyglad = {});
