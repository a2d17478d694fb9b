#include "Aplikacja.h"
#include "Dialogs.h"

#include <QCloseEvent>
#include <QEvent>
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
