#include "ChungmixG.h"

TChungMG_Form* ChungMG_Form = nullptr;

TChungMG_Form::TChungMG_Form(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("ChungMG_Form"));
    setWindowTitle(QStringLiteral("Lepkość mieszanin gazowych  - metoda Chunga"));
}
