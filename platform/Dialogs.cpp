#include "Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <optional>

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

namespace {

const char* const NaSrodkuPulpitu = "naSrodkuPulpitu";

// The frame the window manager puts round a window, as it framed a window made before (none
// before the first one, and none without a window manager).
QMargins RamkaOkna(const QWidget* okno)
{
    if (!okno || !okno->testAttribute(Qt::WA_WState_Created))
        return {};
    const QRect ramka = okno->frameGeometry(), wnetrze = okno->geometry();
    return {wnetrze.left() - ramka.left(), wnetrze.top() - ramka.top(), ramka.right() - wnetrze.right(),
            ramka.bottom() - wnetrze.bottom()};
}

QRect Pulpit(const QWidget* okno, QPoint punkt)
{
    QScreen* ekran = QGuiApplication::screenAt(punkt);
    if (!ekran)
        ekran = okno->screen() ? okno->screen() : QGuiApplication::primaryScreen();
    return ekran ? ekran->availableGeometry() : QRect();
}

// The frame of the window, framed as the model was, centred in the given rectangle (none: where
// it is), then moved, and shrunk where it is larger, to lie whole on the screen.
void Umiesc(QWidget* okno, const std::optional<QRect>& srodekW, const QWidget* wzorRamki)
{
    QMargins ramka = RamkaOkna(okno);
    if (ramka.isNull())
        ramka = RamkaOkna(wzorRamki);
    // A window's position is its frame's (also when its code moved it before it had a frame).
    QRect zewnatrz(okno->pos(), okno->size().grownBy(ramka));
    if (srodekW)
        zewnatrz.moveCenter(srodekW->center());
    const QRect pulpit = Pulpit(okno, zewnatrz.center());
    if (pulpit.isEmpty())
        return;
    if (zewnatrz.width() > pulpit.width() || zewnatrz.height() > pulpit.height()) {
        okno->resize(std::min(okno->width(), pulpit.width() - ramka.left() - ramka.right()),
                     std::min(okno->height(), pulpit.height() - ramka.top() - ramka.bottom()));
        zewnatrz.setSize(okno->size().grownBy(ramka));
    }
    zewnatrz.moveLeft(std::clamp(zewnatrz.left(), pulpit.left(), std::max(pulpit.left(), pulpit.right() + 1 - zewnatrz.width())));
    zewnatrz.moveTop(std::clamp(zewnatrz.top(), pulpit.top(), std::max(pulpit.top(), pulpit.bottom() + 1 - zewnatrz.height())));
    okno->move(zewnatrz.topLeft());
}

std::optional<QRect> ObszarDoSrodka(const QWidget* okno, const QWidget* otwierajacy)
{
    if (okno->property(NaSrodkuPulpitu).toBool())
        if (QScreen* ekran = QGuiApplication::primaryScreen())
            return ekran->availableGeometry();
    if (!okno->testAttribute(Qt::WA_Moved) && otwierajacy)
        return otwierajacy->frameGeometry();
    return std::nullopt;
}

} // namespace

void WysrodkujNaPulpicie(QWidget* okno)
{
    okno->setProperty(NaSrodkuPulpitu, true);
    Umiesc(okno, ObszarDoSrodka(okno, nullptr), QApplication::activeWindow());
}

// Placed before it is shown, so the window manager maps it there, and again after, when the
// window's own show handling (or its layout settling after it) changed its size.
void PokazNaEkranie(QWidget* okno, const QWidget* otwierajacy)
{
    const std::optional<QRect> srodek = ObszarDoSrodka(okno, otwierajacy);
    if (!okno->testAttribute(Qt::WA_Resized)) {
        okno->adjustSize();
        okno->setAttribute(Qt::WA_Resized, false);
    }
    Umiesc(okno, srodek, otwierajacy);
    const QSize przed = okno->size();
    okno->show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (okno->size() != przed)
        Umiesc(okno, srodek, otwierajacy);
}

void UruchomModalnie(QWidget* okno, const QWidget* otwierajacy)
{
    if (!otwierajacy)
        otwierajacy = okno->parentWidget() ? okno->parentWidget()->window() : QApplication::activeWindow();
    QPointer<QWidget> straznik(okno);
    okno->setWindowModality(Qt::ApplicationModal);
    if (aktywnyRejestrator) {
        aktywnyRejestrator->oknaModalne.push_back(okno);
        PokazNaEkranie(okno, otwierajacy);
        if (aktywnyRejestrator->skryptModalny)
            aktywnyRejestrator->skryptModalny(okno);
        if (straznik)
            okno->close();
        return;
    }
    QEventLoop petla;
    ObserwatorZamkniecia obserwator(okno, &petla);
    PokazNaEkranie(okno, otwierajacy);
    petla.exec();
    if (straznik)
        okno->hide();
}

namespace {

// "txt" of "Pliki tekstowe (*.txt)": the first extension the filter names.
QString RozszerzenieFiltra(const QString& filtr)
{
    static const QRegularExpression wzor(QStringLiteral(R"(\*\.(\w+))"));
    return wzor.match(filtr).captured(1);
}

// The name and the filter's index as the dialog (or the recorder) gives them; empty on Cancel.
std::pair<QString, int> NazwaZDialogu(QWidget* rodzic, const QString& tytul, const QString& filtr)
{
    if (aktywnyRejestrator) {
        if (aktywnyRejestrator->plikiDoZapisu.empty())
            return {};
        auto wybor = aktywnyRejestrator->plikiDoZapisu.front();
        aktywnyRejestrator->plikiDoZapisu.pop_front();
        return wybor;
    }
    const QStringList filtry = filtr.split(QStringLiteral(";;"));
    QFileDialog dialog(rodzic, tytul, QString(), filtr);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the extension itself, so its question about overwriting is about the
    // final name.
    dialog.setDefaultSuffix(RozszerzenieFiltra(filtry.constFirst()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& wybrany) { dialog.setDefaultSuffix(RozszerzenieFiltra(wybrany)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(), static_cast<int>(filtry.indexOf(dialog.selectedNameFilter())) + 1};
}

} // namespace

QString WybierzPlikDoZapisu(QWidget* rodzic, const QString& tytul, const QString& filtr, int* indeksFiltra)
{
    auto [plik, indeks] = NazwaZDialogu(rodzic, tytul, filtr);
    if (indeksFiltra)
        *indeksFiltra = indeks;
    const QString rozszerzenie = RozszerzenieFiltra(filtr.split(QStringLiteral(";;")).value(indeks - 1));
    if (plik.isEmpty() || !QFileInfo(plik).suffix().isEmpty() || rozszerzenie.isEmpty())
        return plik;
    // A dialog that did not add the extension asked, if at all, about the name as typed.
    plik += QLatin1Char('.') + rozszerzenie;
    if (QFileInfo::exists(plik)
        && PokazKomunikat(QStringLiteral("Plik %1 już istnieje.\nCzy chcesz go zastąpić?").arg(QDir::toNativeSeparators(plik)),
                          RodzajKomunikatu::Pytanie, QMessageBox::Yes | QMessageBox::No, rodzic)
               != QMessageBox::Yes)
        return {};
    return plik;
}
