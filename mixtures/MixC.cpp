#include "MixC.h"

TMixcFrm* MixcFrm = nullptr;

TMixcFrm::TMixcFrm(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("MixcFrm"));
    setWindowTitle(QStringLiteral("Gęstość mieszanin cieczy"));
}
