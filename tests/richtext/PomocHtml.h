#pragma once
// Helpers of the renderer's tests: a measurer with exact, simple sizes, and item lists as text.
#include "QzMiniHtml2.h"

#include <QStringList>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

// A word is as wide as its characters times the font's size; every text is twice the size high.
// Line breaks are not written, so they take no width.
class TMiaraTestowa : public TMiaraTekstu {
public:
    int SzerokoscTekstu(const QString& tekst, const TCzcionkaHtml& czcionka) const override
    {
        return static_cast<int>(QString(tekst).remove(QStringLiteral("\r\n")).size()) * czcionka.rozmiar;
    }
    int WysokoscTekstu(const QString&, const TCzcionkaHtml& czcionka) const override
    {
        return 2 * czcionka.rozmiar;
    }
};

inline QString NazwaKlasy(const atag& item)
{
    int stan = 0;
    char* nazwa = abi::__cxa_demangle(typeid(item).name(), nullptr, nullptr, &stan);
    QString wynik = QString::fromLatin1(nazwa);
    std::free(nazwa);
    return wynik;
}

// "aText(T)", "aSpace", "aSubSTag", ... in list order; line breaks written as "¶".
inline QStringList OpisElementow(const TQzMiniHtml2& renderer)
{
    QStringList opis;
    for (const auto& item : renderer.Items()) {
        QString klasa = NazwaKlasy(*item);
        if (klasa == QLatin1String("aText"))
            klasa += QLatin1Char('(') + QString(item->tekst).replace(QStringLiteral("\r\n"), QStringLiteral("¶")) + QLatin1Char(')');
        opis << klasa;
    }
    return opis;
}

// A renderer with the fake measurer, rendered at the given width.
inline std::unique_ptr<TQzMiniHtml2> Wyrenderuj(const QString& html, int szerokosc = 200)
{
    auto renderer = std::make_unique<TQzMiniHtml2>();
    renderer->UstawMiare(std::make_shared<TMiaraTestowa>());
    renderer->AreaWidth = szerokosc;
    renderer->AreaHeight = 100;
    renderer->Html = html;
    renderer->Render();
    return renderer;
}

template <class Klasa>
Klasa* Element(const TQzMiniHtml2& renderer, int ktory = 0)
{
    for (const auto& item : renderer.Items())
        if (auto* szukany = dynamic_cast<Klasa*>(item.get()); szukany && ktory-- == 0)
            return szukany;
    return nullptr;
}

inline aText* Slowo(const TQzMiniHtml2& renderer, const QString& tekst)
{
    for (const auto& item : renderer.Items())
        if (auto* wyraz = dynamic_cast<aText*>(item.get()); wyraz && wyraz->tekst == tekst)
            return wyraz;
    return nullptr;
}
