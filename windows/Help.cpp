#include "Help.h"

#include "Dialogs.h"
#include "ObrazJpeg.h"
#include "ObslugaZdarzen.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

int StronaPomocy = 1;
QString KatalogStronPomocy;

namespace {

QString SciezkaStrony(int strona)
{
    const QString katalog = KatalogStronPomocy.isEmpty()
                                ? QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Pomoc"))
                                : KatalogStronPomocy;
    return QDir(katalog).filePath(QStringLiteral("%1.jpg").arg(strona));
}

} // namespace

THelpForm::THelpForm(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Pomoc"));
    setToolTip(QStringLiteral("Sterowanie strzałkami (---> i  <---)"));
    ImgHelp = new QLabel(this);
    ImgHelp->setObjectName(QStringLiteral("ImgHelp"));
    ImgHelp->setAlignment(Qt::AlignCenter);
    ImgHelp->setMinimumSize(320, 240);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(ImgHelp, 0, Qt::AlignCenter);
}

void THelpForm::showEvent(QShowEvent* zdarzenie)
{
    QWidget::showEvent(zdarzenie);
    UruchomWSieci([this] { FormShow(); });
}

void THelpForm::FormShow()
{
    StronaPomocy = 1;
    PrzejdzNaStrone(1);
}

// A page that cannot be read is announced and left empty; the window stays usable, so the
// user can still page on.
void THelpForm::PrzejdzNaStrone(int strona)
{
    StronaPomocy = strona;
    const QImage obraz = WczytajJpeg(SciezkaStrony(strona));
    if (obraz.isNull()) {
        ImgHelp->clear();
        PokazKomunikat(BrakPlikuPomocy, RodzajKomunikatu::Ostrzezenie, QMessageBox::Ok, this);
    } else {
        ImgHelp->setPixmap(QPixmap::fromImage(obraz));
        adjustSize();
    }
    setWindowTitle(QStringLiteral("Strona %1 z %2").arg(strona).arg(LiczbaStronPomocy));
}

void THelpForm::keyPressEvent(QKeyEvent* zdarzenie)
{
    switch (zdarzenie->key()) {
    case Qt::Key_Right:
        if (StronaPomocy < LiczbaStronPomocy)
            UruchomWSieci([this] { PrzejdzNaStrone(StronaPomocy + 1); });
        break;
    case Qt::Key_Left:
        if (StronaPomocy >= 2)
            UruchomWSieci([this] { PrzejdzNaStrone(StronaPomocy - 1); });
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(zdarzenie);
    }
}

void THelpForm::mousePressEvent(QMouseEvent* zdarzenie)
{
    if (zdarzenie->button() == Qt::RightButton && StronaPomocy < LiczbaStronPomocy)
        UruchomWSieci([this] { PrzejdzNaStrone(StronaPomocy + 1); });
    QWidget::mousePressEvent(zdarzenie);
}
