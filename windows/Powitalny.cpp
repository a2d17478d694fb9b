#include "Powitalny.h"

#include "Baza.h"
#include "Dialogs.h"
#include "Etykieta.h"
#include "ObslugaZdarzen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QThread>
#include <QTimer>

TPowitalny_Form* Powitalny_Form = nullptr;

namespace {

constexpr int SzerokoscOkna = 457;
constexpr int WysokoscOkna = 301;
constexpr int OstatniKrok = 250;
constexpr int KrokiPrzenikania = 125;
constexpr int KrokPokazaniaOknaGlownego = 220;
constexpr int PoczatekPaska = 100;
constexpr int KoniecPaska = 200;

// The splash picture: the program's name over a small sketch of a molecule.
QPixmap ObrazPowitalny()
{
    QPixmap obraz(SzerokoscOkna - 20, 160);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor granat(0, 0, 128);
    p.setPen(QPen(granat, 3));
    const QPointF atomy[] = {{40, 60}, {80, 38}, {120, 60}, {120, 104}, {80, 126}, {40, 104}};
    for (int i = 0; i < 6; ++i)
        p.drawLine(atomy[i], atomy[(i + 1) % 6]);
    p.setBrush(QColor(200, 30, 30));
    for (const QPointF& atom : atomy)
        p.drawEllipse(atom, 7, 7);
    QFont tytul(QStringLiteral("Liberation Sans"));
    tytul.setPixelSize(34);
    tytul.setBold(true);
    p.setFont(tytul);
    p.drawText(QRectF(150, 30, obraz.width() - 150, 50), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("QERN 2008"));
    QFont podtytul(QStringLiteral("Liberation Sans"));
    podtytul.setPixelSize(16);
    p.setFont(podtytul);
    p.setPen(Qt::black);
    p.drawText(QRectF(150, 78, obraz.width() - 150, 80), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Baza danych własności fizykochemicznych\nwersja 8.0"));
    return obraz;
}

void Czekaj(int milisekundy)
{
    if (milisekundy > 0)
        QThread::msleep(static_cast<unsigned long>(milisekundy));
}

} // namespace

TPowitalny_Form::TPowitalny_Form(QWidget* rodzic)
    : QWidget(rodzic, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Powitalny_Form"));
    setFixedSize(SzerokoscOkna, WysokoscOkna);
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    paleta.setColor(QPalette::WindowText, Qt::black);
    setPalette(paleta);
    setToolTip(QStringLiteral("Kliknij aby zamknąć"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ObrazPowitalny());
    Image1->setAlignment(Qt::AlignCenter);
    lblStudenci = Etykieta(QStringLiteral("Program napisali studenci:"), {}, this, {.pogrubiona = true});
    lblAutorzy = Etykieta(QStringLiteral("zespół studentów inżynierii chemicznej i procesowej"), {}, this, {.zawijana = true});
    lblKierunek = Etykieta(QStringLiteral("Pod kierunkiem:"), {}, this, {.pogrubiona = true});
    lblOpiekun = Etykieta(QStringLiteral("opiekun naukowy zespołu"), {}, this, {.zawijana = true});
    pBar = new QProgressBar(this);
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setRange(0, 100);
    pBar->setValue(0);
    pBar->setTextVisible(false);
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, WSieci([this] { TimerTimer(); }));

    auto* uklad = new QGridLayout(this);
    uklad->addWidget(Image1, 0, 0, 1, 2);
    uklad->addWidget(lblStudenci, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    uklad->addWidget(lblAutorzy, 1, 1);
    uklad->addWidget(lblKierunek, 2, 0, Qt::AlignLeft | Qt::AlignTop);
    uklad->addWidget(lblOpiekun, 2, 1);
    uklad->addWidget(pBar, 3, 0, 1, 2);
    uklad->setRowStretch(0, 1);
    uklad->setColumnStretch(1, 1);

    WysrodkujNaPulpicie(this);
    FormCreate();
}

void TPowitalny_Form::FormCreate()
{
    UstawPrzezroczystosc(this, 0);
}

void TPowitalny_Form::EnyClick()
{
    close();
}

void TPowitalny_Form::TimerTimer()
{
    close();
}

void TPowitalny_Form::mouseReleaseEvent(QMouseEvent* zdarzenie)
{
    // Clicks on the picture and the labels reach the form too: none of them takes the mouse.
    if (klikUzbrojony_)
        UruchomWSieci([this] { EnyClick(); });
    QWidget::mouseReleaseEvent(zdarzenie);
}

void TPowitalny_Form::UkryjPasek()
{
    pBar->hide();
}

void TPowitalny_Form::closeEvent(QCloseEvent* zdarzenie)
{
    Timer->stop();
    QWidget::closeEvent(zdarzenie);
}

void UstawPrzezroczystosc(QWidget* okno, int alfa)
{
    okno->setWindowOpacity(std::clamp(alfa, 0, 255) / 255.0);
}

void PokazPowitanie()
{
    if (Powitalny_Form)
        return;
    Powitalny_Form = new TPowitalny_Form;
    try {
        Powitalny_Form->UzbrojKlikniecie(false);
        Powitalny_Form->show();
        Powitalny_Form->setCursor(Qt::WaitCursor);
        for (int krok = 0; krok <= OstatniKrok; ++krok) {
            if (krok < KrokiPrzenikania)
                UstawPrzezroczystosc(Powitalny_Form, 2 * krok);
            Czekaj(OpoznienieKrokuPowitania);
            if (krok == KrokPokazaniaOknaGlownego && Baza_Form) {
                Baza_Form->show();
                Powitalny_Form->raise(); // the splash stays above it, window manager or not
            }
            if (krok >= PoczatekPaska && krok <= KoniecPaska)
                Powitalny_Form->pBar->setValue(krok - PoczatekPaska);
            QApplication::processEvents();
        }
        Powitalny_Form->unsetCursor();
        Czekaj(10);
        Powitalny_Form->UzbrojKlikniecie(true);
        Powitalny_Form->Timer->start();
    } catch (...) {
        delete Powitalny_Form;
        Powitalny_Form = nullptr;
        throw;
    }
}
