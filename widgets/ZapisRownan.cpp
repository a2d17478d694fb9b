#include "ZapisRownan.h"

#include "Kontrolka.h"
#include "QzHtmlLabel2.h"

namespace {

// The brace that closes the one opened before poczatek; -1 when none does.
qsizetype KoniecNawiasu(const QString& tekst, qsizetype poczatek)
{
    int glebokosc = 1;
    for (qsizetype i = poczatek; i < tekst.size(); ++i) {
        if (tekst[i] == u'{')
            ++glebokosc;
        else if (tekst[i] == u'}' && --glebokosc == 0)
            return i;
    }
    return -1;
}

} // namespace

// A sub- or superscript is converted like the rest, so "@f" in "Z_{RA}^{@f}" is a Greek letter
// too. A brace that is never closed ends the conversion: the rest stays as written.
QString ZnacznikiRownania(const QString& tekst)
{
    QString wynik;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar znak = tekst[i];
        if ((znak == u'_' || znak == u'^') && i + 1 < tekst.size() && tekst[i + 1] == u'{') {
            const qsizetype koniec = KoniecNawiasu(tekst, i + 2);
            if (koniec < 0)
                return wynik + tekst.mid(i);
            const QString tag = znak == u'_' ? QStringLiteral("sub") : QStringLiteral("sup");
            wynik += "<" + tag + "><b>" + ZnacznikiRownania(tekst.mid(i + 2, koniec - i - 2)) + "</b></" + tag + ">";
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
