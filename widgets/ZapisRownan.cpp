#include "ZapisRownan.h"

#include "Kontrolka.h"
#include "QzHtmlLabel2.h"

QString ZnacznikiRownania(const QString& tekst)
{
    QString wynik;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar znak = tekst[i];
        if ((znak == u'_' || znak == u'^') && i + 1 < tekst.size() && tekst[i + 1] == u'{') {
            const qsizetype koniec = tekst.indexOf(u'}', i + 2);
            const QString tag = znak == u'_' ? QStringLiteral("sub") : QStringLiteral("sup");
            wynik += "<" + tag + "><b>" + tekst.mid(i + 2, koniec - i - 2) + "</b></" + tag + ">";
            i = koniec;
        } else if (znak == u'@' && i + 1 < tekst.size()) {
            wynik += QStringLiteral(R"(<font name="Symbol">)") + tekst[++i] + QStringLiteral("</font>");
        } else {
            wynik += znak;
        }
    }
    return wynik;
}

QString RownanieHtml(std::initializer_list<const char*> wiersze, int rozmiar)
{
    QString html;
    for (const char* wiersz : wiersze)
        html += QStringLiteral(R"(<p align="centre"><font size="%1">)").arg(rozmiar) + ZnacznikiRownania(QString::fromUtf8(wiersz))
                + QStringLiteral("</font></p>");
    return html;
}

TQzHtmlLabel2* EtykietaHtml(const QString& nazwa, const QString& html, QWidget* rodzic)
{
    auto* etykieta = Utworz<TQzHtmlLabel2>(nazwa, rodzic);
    etykieta->setHtml(html);
    return etykieta;
}
