#include "ObslugaMyszyHtml.h"

#include "Lacza.h"
#include "ZnacznikiHtml.h"

#include <QUrl>
#include <QWidget>

std::unique_ptr<THandler> TNormalHandler::Klonuj(TPowierzchniaWskaznika& inny) const
{
    return std::make_unique<TNormalHandler>(inny);
}

void TNormalHandler::MouseMove(QObject* sender, QPoint punkt)
{
    renderer.UstawTrafiony(-1);
    for (const auto& item : renderer.Items()) {
        auto* widoczny = dynamic_cast<aVisTag*>(item.get());
        if (!widoczny || !widoczny->visible)
            continue;
        bool trafiony = widoczny->HitTest(punkt);
        if (trafiony)
            renderer.UstawTrafiony(widoczny->indeks); // the later of two overlapping items wins
        if (trafiony == widoczny->hover)
            continue;
        widoczny->hover = trafiony;
        if (!widoczny->href.isEmpty())
            renderer.DrawItem(*widoczny);
    }
    renderer.PaintTo();
    if (auto* kontrolka = qobject_cast<QWidget*>(sender)) {
        auto* trafiony = dynamic_cast<const aVisTag*>(renderer.HitItem());
        if (trafiony && !trafiony->href.isEmpty())
            kontrolka->setCursor(Qt::PointingHandCursor);
        else
            kontrolka->unsetCursor();
    }
}

void TNormalHandler::MouseDown(QObject* sender, Qt::MouseButton przycisk, QPoint punkt)
{
    auto* trafiony = dynamic_cast<const aVisTag*>(renderer.HitItem());
    if (przycisk != Qt::LeftButton || !trafiony || !trafiony->HitTest(punkt) || trafiony->href.isEmpty())
        return;
    if (!renderer.ObsluzKlikniecieLacza(sender, trafiony->href))
        OpenLink(trafiony->href);
}

std::unique_ptr<THandler> TFormElementHandler::Klonuj(TPowierzchniaWskaznika& inny) const
{
    return std::make_unique<TFormElementHandler>(inny);
}

void TFormElementHandler::MouseDown(QObject* sender, Qt::MouseButton przycisk, QPoint punkt)
{
    auto* trafiony = dynamic_cast<aVisTag*>(renderer.HitItem());
    if (przycisk != Qt::LeftButton || !trafiony || !trafiony->HitTest(punkt))
        return;
    const TListaAtrybutow& atrybuty = trafiony->atrybuty;
    if (auto* pole = dynamic_cast<aFormElement*>(trafiony)) {
        QString typ = atrybuty.Wartosc(QStringLiteral("type"));
        renderer.ZglosKlikniecieFormularza(sender, pole->formName, pole->formMethod, pole->formAction,
                                           atrybuty.Wartosc(QStringLiteral("name")), typ,
                                           atrybuty.Wartosc(QStringLiteral("value")));
        if (typ == QLatin1String("checkbox")) {
            pole->checked = !pole->checked;
            renderer.DrawItem(*pole);
            renderer.PaintTo();
        }
    } else if (auto* wlasny = dynamic_cast<aUserDefined*>(trafiony)) {
        renderer.ZglosKlikniecieFormularza(sender, QString(), QString(), QString(),
                                           atrybuty.Wartosc(QStringLiteral("id")),
                                           atrybuty.Wartosc(QStringLiteral("type")), wlasny->variable1);
    }
}

bool OpenLink(const QString& href)
{
    QString adres = href;
    if (adres.startsWith(QLatin1String("mailto://"), Qt::CaseInsensitive))
        adres = QStringLiteral("mailto:") + adres.mid(9);
    QString schemat = QUrl(adres).scheme().toLower();
    if (schemat != QLatin1String("http") && schemat != QLatin1String("https") && schemat != QLatin1String("mailto"))
        return false;
    return OtworzLacze(adres);
}
