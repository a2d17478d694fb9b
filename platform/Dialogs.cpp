#include "Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace {

RejestratorOkien* aktywnyRejestrator = nullptr;

QMessageBox::StandardButton PierwszyPrzycisk(QMessageBox::StandardButtons przyciski)
{
    for (unsigned bit = 1; bit != 0; bit <<= 1)
        if (przyciski & bit)
            return static_cast<QMessageBox::StandardButton>(bit);
    return QMessageBox::Ok;
}

QMessageBox::Icon Ikona(RodzajKomunikatu rodzaj)
{
    switch (rodzaj) {
    case RodzajKomunikatu::Informacja: return QMessageBox::Information;
    case RodzajKomunikatu::Ostrzezenie: return QMessageBox::Warning;
    case RodzajKomunikatu::Blad: return QMessageBox::Critical;
    case RodzajKomunikatu::Pytanie: return QMessageBox::Question;
    case RodzajKomunikatu::Zwykly: break;
    }
    return QMessageBox::NoIcon;
}

// The buttons speak Polish, as the rest of the program does.
void NazwijPoPolsku(QMessageBox& okno)
{
    const std::pair<QMessageBox::StandardButton, const char*> nazwy[] = {
        {QMessageBox::Yes, "&Tak"}, {QMessageBox::No, "&Nie"}, {QMessageBox::Cancel, "Anuluj"}};
    for (auto [przycisk, nazwa] : nazwy)
        if (QAbstractButton* b = okno.button(przycisk))
            b->setText(QString::fromUtf8(nazwa));
}

// Ends the loop when the watched window is closed or destroyed; hiding does not end it.
class ObserwatorZamkniecia : public QObject {
public:
    ObserwatorZamkniecia(QWidget* okno, QEventLoop* petla) : okno_(okno), petla_(petla)
    {
        okno->installEventFilter(this);
        connect(okno, &QObject::destroyed, petla, &QEventLoop::quit);
    }

protected:
    // The filter sees the close request before the window answers it: the run ends only when the
    // window has accepted it (it is no longer shown), not when it refused to close.
    bool eventFilter(QObject*, QEvent* zdarzenie) override
    {
        if (zdarzenie->type() == QEvent::Close)
            QMetaObject::invokeMethod(
                petla_,
                [this] {
                    if (!okno_ || !okno_->isVisible())
                        petla_->quit();
                },
                Qt::QueuedConnection);
        return false;
    }

private:
    QPointer<QWidget> okno_;
    QEventLoop* petla_;
};

} // namespace

KursorOczekiwania::KursorOczekiwania()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

KursorOczekiwania::~KursorOczekiwania()
{
    QApplication::restoreOverrideCursor();
}

std::vector<QString> RejestratorOkien::tekstyKomunikatow() const
{
    std::vector<QString> teksty;
    for (const auto& k : komunikaty)
        teksty.push_back(k.tekst);
    return teksty;
}

ZapisujOkna::ZapisujOkna() : poprzedni_(aktywnyRejestrator)
{
    aktywnyRejestrator = &rejestrator_;
}

ZapisujOkna::~ZapisujOkna()
{
    aktywnyRejestrator = poprzedni_;
}

QMessageBox::StandardButton PokazKomunikat(const QString& tekst, RodzajKomunikatu rodzaj,
                                           QMessageBox::StandardButtons przyciski, QWidget* rodzic)
{
    if (aktywnyRejestrator) {
        aktywnyRejestrator->komunikaty.push_back({tekst, rodzaj});
        if (aktywnyRejestrator->odpowiedzi.empty())
            return PierwszyPrzycisk(przyciski);
        auto odpowiedz = aktywnyRejestrator->odpowiedzi.front();
        aktywnyRejestrator->odpowiedzi.pop_front();
        return odpowiedz;
    }
    // Texts break their lines with carriage returns too.
    QString wyswietlany = tekst;
    wyswietlany.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox okno(Ikona(rodzaj), QApplication::applicationDisplayName(), wyswietlany, przyciski, rodzic);
    NazwijPoPolsku(okno);
    return static_cast<QMessageBox::StandardButton>(okno.exec());
}

void WysrodkujNaPulpicie(QWidget* okno)
{
    if (QScreen* ekran = QGuiApplication::primaryScreen())
        okno->move(ekran->availableGeometry().center() - okno->rect().center());
}

void UruchomModalnie(QWidget* okno)
{
    QPointer<QWidget> straznik(okno);
    okno->setWindowModality(Qt::ApplicationModal);
    if (aktywnyRejestrator) {
        aktywnyRejestrator->oknaModalne.push_back(okno);
        okno->show();
        if (aktywnyRejestrator->skryptModalny)
            aktywnyRejestrator->skryptModalny(okno);
        if (straznik)
            okno->close();
        return;
    }
    QEventLoop petla;
    ObserwatorZamkniecia obserwator(okno, &petla);
    okno->show();
    petla.exec();
    if (straznik)
        okno->hide();
}

QString WybierzPlikDoZapisu(QWidget* rodzic, const QString& tytul, const QString& filtr, int* indeksFiltra)
{
    if (aktywnyRejestrator) {
        if (aktywnyRejestrator->plikiDoZapisu.empty())
            return {};
        auto [nazwa, indeks] = aktywnyRejestrator->plikiDoZapisu.front();
        aktywnyRejestrator->plikiDoZapisu.pop_front();
        if (indeksFiltra)
            *indeksFiltra = indeks;
        return nazwa;
    }
    QFileDialog dialog(rodzic, tytul, QString(), filtr);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (indeksFiltra)
        *indeksFiltra = static_cast<int>(filtr.split(QStringLiteral(";;")).indexOf(dialog.selectedNameFilter())) + 1;
    return dialog.selectedFiles().constFirst();
}
