#include "PrzegladarkaPomocy.h"

#include "Dialogs.h"
#include "Help.h"
#include "ObrazPliku.h"
#include "PlikZwykly.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

TPrzegladarkaPomocy* PrzegladarkaPomocy = nullptr;

namespace {

// The page and whatever it names are read as every file of the program is: only a regular file
// within its bound. What is refused shows as missing; never empty-handed, or the toolkit would
// read the file again by itself.
class TPrzegladarkaPlikow : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int rodzaj, const QUrl& nazwa) override
    {
        const QString plik = (nazwa.isRelative() ? source().resolved(nazwa) : nazwa).toLocalFile();
        if (rodzaj == QTextDocument::ImageResource) {
            const QImage obraz = plik.isEmpty() ? QImage() : WczytajObraz(plik);
            return obraz.isNull() ? BrakObrazu() : obraz;
        }
        std::optional<QByteArray> tresc;
        if (!plik.isEmpty())
            tresc = CzytajZwyklyPlik(plik, NajwiekszaStronaPomocy);
        return tresc.value_or(QByteArray(""));
    }

private:
    static QImage BrakObrazu()
    {
        QImage obraz(16, 16, QImage::Format_ARGB32);
        obraz.fill(Qt::transparent);
        return obraz;
    }
};

} // namespace

TPrzegladarkaPomocy::TPrzegladarkaPomocy(QWidget* rodzic) : QWidget(rodzic, Qt::Window)
{
    setObjectName(QStringLiteral("PrzegladarkaPomocy"));
    setWindowTitle(QStringLiteral("Pomoc - Baza danych QERN 2008"));
    tbPomoc = new TPrzegladarkaPlikow(this);
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
    if (!CzytajZwyklyPlik(sciezka, NajwiekszaStronaPomocy)) {
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
