#pragma once
// The mark-up renderer: reads a short text in a small subset of HTML into a flat list of items,
// lays them out with its style state and keeps the laid-out picture.
#include "AtrybutyHtml.h"
#include "MiaraTekstu.h"
#include "StanHtml.h"
#include "ZnacznikiHtml.h"

#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TQzMiniHtml2 {
public:
    TQzMiniHtml2();
    ~TQzMiniHtml2();
    TQzMiniHtml2(const TQzMiniHtml2&) = delete;
    TQzMiniHtml2& operator=(const TQzMiniHtml2&) = delete;

    // Supplies the text of a dynamic tag; may change `text`.
    std::function<void(TQzMiniHtml2* sender, const QString& dynamicID, QString& text)> OnDynamicUpdate;
    // Sizes a user item.
    std::function<void(aUserDefined* item, const QString& itemID, const QString& itemType, int& width,
                       int& height, QString& variable1, QString& variable2, QString& variable3)>
        OnUserDefinedUpdate;

    // The label's entry: renders `Html` followed by a line break.
    void Render();
    // A nested renderer: renders the text set by UstawZrodlo.
    void Parse();
    void UstawZrodlo(const QString& linie);
    void ParseSource();

    atag* CreateTag(const TListaAtrybutow& atrybuty, const QString& nazwa);
    void AddText(QString tekst, bool keepWhole);
    QString ReadChunk();
    void ExtractCellText(aTDSTag& komorka, QString& rest);
    int AddSubRenderer();
    void ClearSubRenderers();
    TQzMiniHtml2* SubRenderer(int indeks) const;

    void Layout();
    int TextWidthOf(const QString& tekst, const TCzcionkaHtml& czcionka) const;
    int TextHeightOf(const QString& tekst, const TCzcionkaHtml& czcionka) const;
    // Lays out the cell's text at the cell's width: the rendered height and the widest line end.
    QSize MeasureSubRenderer(aTDSTag& komorka);
    void UlozTabele(aTableSTag& tabela);
    // Cells from the item at `indeks` up to the next row's start or end.
    int LiczbaKomorekOd(int indeks) const;

    TCurrentState& Stan() { return stan_; }
    const std::vector<std::unique_ptr<atag>>& Items() const { return items_; }
    // Tests measure with a fake; nested renderers measure like their parent.
    void UstawMiare(std::shared_ptr<const TMiaraTekstu> miara) { miara_ = std::move(miara); }

    int Bottom() const { return bottom_; }
    int Right() const { return right_; }
    // The laid-out picture: the area's width by the bottom of the items + 5.
    int SzerokoscObrazu() const { return szerokoscObrazu_; }
    int WysokoscObrazu() const { return wysokoscObrazu_; }

    QString Html;
    int Tag = 0; // its index when it is a nested renderer
    TGrupyZnacznikow AllowedTagGroups = DomyslneGrupyZnacznikow;
    TKolor BackgroundColour = KeyColor;
    int AreaWidth = 0;
    int AreaHeight = 0;
    int SourceX = 0;
    int SourceY = 0;

private:
    void ParsujIUloz();
    atag* Dolacz(std::unique_ptr<atag> item);
    void RozwinDynamiczny(const atag& znacznik, QString& rest);
    void PodniesLinie(const atag& najwyzszy);
    void NewLine();
    void AlignLine(int numerLinii);

    std::vector<std::unique_ptr<atag>> items_;
    std::vector<std::unique_ptr<TQzMiniHtml2>> zagniezdzone_;
    TCurrentState stan_;
    std::shared_ptr<const TMiaraTekstu> miara_;
    QString zrodlo_;
    qsizetype pozycjaZrodla_ = 0;
    int rozwinieteDynamiczne_ = 0;
    int glebokosc_ = 0; // 0 for the label's renderer, 1 for a cell's, ...

    // The layout's pen while it runs.
    struct TPioro {
        int x = 5;
        int y = 5;
        int lineHeight = 0;
        int lineNumber = 0;
    } pioro_;
    int bottom_ = 0;
    int right_ = 0;
    int szerokoscObrazu_ = 0;
    int wysokoscObrazu_ = 0;
};
