#include "Aplikacja.h"
#include "Dialogs.h"

#include <QCloseEvent>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(Dialogs, RecorderTakesMessagesAndScriptedAnswers)
{
    ZapisujOkna zapis;
    zapis->odpowiedzi.push_back(QMessageBox::No);
    EXPECT_EQ(PokazKomunikat(QStringLiteral("Czy zapisać?"), RodzajKomunikatu::Pytanie,
                             QMessageBox::Yes | QMessageBox::No),
              QMessageBox::No);
    EXPECT_EQ(PokazKomunikat(QStringLiteral("Gotowe")), QMessageBox::Ok);
    EXPECT_EQ(zapis->tekstyKomunikatow(), (std::vector<QString>{QStringLiteral("Czy zapisać?"), QStringLiteral("Gotowe")}));
}

TEST(Dialogs, ModalRunSurvivesHidingAndEndsOnClose)
{
    QWidget okno;
    bool ukrytoIPokazano = false;
    QTimer::singleShot(10, &okno, [&] {
        okno.hide();
        QTimer::singleShot(10, &okno, [&] {
            okno.show();
            ukrytoIPokazano = true;
            QTimer::singleShot(10, &okno, [&] { okno.close(); });
        });
    });
    UruchomModalnie(&okno);
    EXPECT_TRUE(ukrytoIPokazano);
    EXPECT_FALSE(okno.isVisible());
}

namespace {
// Refuses the first close request, as a window with two panels goes back to the first.
class OknoZPowrotem : public QWidget {
public:
    int prosby = 0;

protected:
    void closeEvent(QCloseEvent* zdarzenie) override
    {
        if (++prosby == 1)
            zdarzenie->ignore();
    }
};
} // namespace

TEST(Dialogs, ModalRunGoesOnAfterARefusedClose)
{
    OknoZPowrotem okno;
    bool widoczneMiedzyProsbami = false;
    QTimer::singleShot(10, &okno, [&] {
        okno.close();
        QTimer::singleShot(10, &okno, [&] {
            widoczneMiedzyProsbami = okno.isVisible();
            okno.close();
        });
    });
    UruchomModalnie(&okno);
    EXPECT_TRUE(widoczneMiedzyProsbami);
    EXPECT_EQ(okno.prosby, 2);
    EXPECT_FALSE(okno.isVisible());
}

TEST(Dialogs, ScriptedModalRunNeverBlocks)
{
    ZapisujOkna zapis;
    bool widoczne = false;
    zapis->skryptModalny = [&](QWidget* okno) { widoczne = okno->isVisible(); };
    QWidget okno;
    UruchomModalnie(&okno);
    EXPECT_TRUE(widoczne);
    EXPECT_FALSE(okno.isVisible());
    ASSERT_EQ(zapis->oknaModalne.size(), 1u);
}

namespace {
// Grows when shown, as windows that size themselves in their show handler do.
class OknoRosnace : public QWidget {
protected:
    void showEvent(QShowEvent*) override { resize(500, 400); }
};

// The frame of the window while it runs modally, opened from the given window.
QRect RamkaPrzyOtwarciu(QWidget& okno, QWidget* otwierajacy)
{
    ZapisujOkna zapis;
    QRect ramka;
    zapis->skryptModalny = [&](QWidget* w) { ramka = w->frameGeometry(); };
    UruchomModalnie(&okno, otwierajacy);
    return ramka;
}
} // namespace

// A window opens centred over the window that opened it, one its own code placed (or centred on
// the desktop) stays so, and near the screen's edge or larger than the screen it opens whole on
// the screen.
TEST(Dialogs, AWindowOpensCentredOverItsOpenerAndWholeOnTheScreen)
{
    const QRect pulpit = QGuiApplication::primaryScreen()->availableGeometry();
    const auto blisko = [](QPoint a, QPoint b) { return (a - b).manhattanLength() <= 2; };
    QWidget otwierajacy;
    otwierajacy.resize(300, 200);
    otwierajacy.move(pulpit.topLeft() + QPoint(150, 120));
    otwierajacy.show();

    QWidget nad;
    nad.resize(200, 100);
    EXPECT_TRUE(blisko(RamkaPrzyOtwarciu(nad, &otwierajacy).center(), otwierajacy.frameGeometry().center()));

    QWidget przesuniete;
    przesuniete.resize(200, 100);
    przesuniete.move(pulpit.topLeft() + QPoint(7, 9));
    EXPECT_EQ(RamkaPrzyOtwarciu(przesuniete, &otwierajacy).topLeft(), pulpit.topLeft() + QPoint(7, 9));

    OknoRosnace naPulpicie;
    WysrodkujNaPulpicie(&naPulpicie);
    const QRect rosnace = RamkaPrzyOtwarciu(naPulpicie, &otwierajacy);
    EXPECT_EQ(naPulpicie.size(), QSize(500, 400));
    EXPECT_TRUE(blisko(rosnace.center(), pulpit.center()));

    otwierajacy.move(pulpit.bottomRight() - QPoint(320, 220));
    QWidget wRogu;
    wRogu.resize(400, 300);
    const QRect ramkaWRogu = RamkaPrzyOtwarciu(wRogu, &otwierajacy);
    EXPECT_TRUE(pulpit.contains(ramkaWRogu));
    EXPECT_EQ(ramkaWRogu.bottomRight(), pulpit.bottomRight());

    QWidget wieksze;
    wieksze.resize(pulpit.width() + 200, pulpit.height() + 100);
    EXPECT_TRUE(pulpit.contains(RamkaPrzyOtwarciu(wieksze, &otwierajacy)));
}

namespace {
// An event that escapes every handler net. A plain event, not a pointer event: Qt keeps state
// of a pointer event that an exception passing through its dispatch would leave behind.
class ObiektZBledem : public QObject {
protected:
    bool event(QEvent* zdarzenie) override
    {
        if (zdarzenie->type() == QEvent::User)
            throw std::runtime_error("Błąd w obsłudze zdarzenia");
        return QObject::event(zdarzenie);
    }
};
} // namespace

TEST(Aplikacja, AnErrorThatEscapesItsHandlerIsReportedByTheLastNet)
{
    ZapisujOkna zapis;
    ObiektZBledem obiekt;
    QEvent zdarzenie(QEvent::User);
    QApplication::sendEvent(&obiekt, &zdarzenie);
    ASSERT_EQ(zapis->komunikaty.size(), 1u);
    EXPECT_EQ(zapis->komunikaty[0].tekst, QStringLiteral("Błąd w obsłudze zdarzenia"));
}

TEST(Aplikacja, QtsOwnDialogTextsArePolish)
{
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Anuluj"));
    const QString pytanie =
        QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?");
    EXPECT_TRUE(pytanie.contains(QStringLiteral("istnieje"))) << pytanie.toStdString();
}
