#include "PrzegladarkaPomocy.h"

#include "Dialogs.h"
#include "Help.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

TPrzegladarkaPomocy* PrzegladarkaPomocy = nullptr;

TPrzegladarkaPomocy::TPrzegladarkaPomocy(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("PrzegladarkaPomocy"));
    setWindowTitle(QStringLiteral("Pomoc - Baza danych QERN 2008"));
    tbPomoc = new QTextBrowser(this);
    tbPomoc->setObjectName(QStringLiteral("tbPomoc"));
    tbPomoc->setOpenLinks(true);
    tbPomoc->setOpenExternalLinks(false);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(tbPomoc);
    resize(720, 560);
    WysrodkujNaPulpicie(this);
}

// Esc closes it, as it closes the program's other dialogs.
void TPrzegladarkaPomocy::keyPressEvent(QKeyEvent* zdarzenie)
{
    if (zdarzenie->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(zdarzenie);
}

void PokazPlikPomocy(const QString& sciezka)
{
    const QFileInfo plik(sciezka);
    if (!plik.isFile() || !plik.isReadable()) {
        PokazKomunikat(BrakPlikuPomocy, RodzajKomunikatu::Ostrzezenie);
        return;
    }
    if (!PrzegladarkaPomocy)
        PrzegladarkaPomocy = new TPrzegladarkaPomocy;
    PrzegladarkaPomocy->tbPomoc->setSource(QUrl::fromLocalFile(plik.absoluteFilePath()));
    PrzegladarkaPomocy->show();
    PrzegladarkaPomocy->raise();
    PrzegladarkaPomocy->activateWindow();
}
