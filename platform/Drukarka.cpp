#include "Drukarka.h"

#include "Dialogs.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace {

bool drukarkaPodstawiona = false;
QPrinter* podstawionaDrukarka = nullptr;

bool Drukuj(QPrinter& drukarka, const QString& nazwaDokumentu,
            const std::function<void(QPainter&, const QRect&)>& rysuj)
{
    drukarka.setDocName(nazwaDokumentu);
    QPainter malarz;
    if (!malarz.begin(&drukarka))
        return false;
    rysuj(malarz, QRect(QPoint(0, 0), drukarka.pageLayout().paintRectPixels(drukarka.resolution()).size()));
    return malarz.end() && drukarka.printerState() != QPrinter::Error;
}

} // namespace

bool DrukujNaDomyslnejDrukarce(const QString& nazwaDokumentu,
                               const std::function<void(QPainter&, const QRect&)>& rysuj)
{
    std::unique_ptr<QPrinter> domyslna;
    QPrinter* drukarka = podstawionaDrukarka;
    if (!drukarkaPodstawiona) {
        const QPrinterInfo informacje = QPrinterInfo::defaultPrinter();
        if (!informacje.isNull())
            drukarka = (domyslna = std::make_unique<QPrinter>(informacje, QPrinter::HighResolution)).get();
    }
    if (!drukarka) {
        PokazKomunikat(QStringLiteral("Brak drukarki domyślnej"), RodzajKomunikatu::Ostrzezenie);
        return false;
    }
    if (!Drukuj(*drukarka, nazwaDokumentu, rysuj)) {
        PokazKomunikat(QStringLiteral("Drukowanie nie powiodło się."), RodzajKomunikatu::Blad);
        return false;
    }
    return true;
}

PodstawDrukarke::PodstawDrukarke(QPrinter* drukarka)
    : poprzedniaPodstawiona_(drukarkaPodstawiona), poprzednia_(podstawionaDrukarka)
{
    drukarkaPodstawiona = true;
    podstawionaDrukarka = drukarka;
}

PodstawDrukarke::~PodstawDrukarke()
{
    drukarkaPodstawiona = poprzedniaPodstawiona_;
    podstawionaDrukarka = poprzednia_;
}
