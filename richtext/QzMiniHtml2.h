#pragma once
// The mark-up renderer: reads a short text in a small subset of HTML into a flat list of items,
// lays them out with its style state, draws them on its picture and handles the pointer over
// it. The picture is transparent where nothing is drawn (the key colour).
#include "AtrybutyHtml.h"
#include "KontekstUkladu.h"
#include "MiaraTekstu.h"
#include "ObslugaMyszyHtml.h"
#include "StanHtml.h"
#include "ZnacznikiHtml.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TQzMiniHtml2 : public TKontekstUkladu, public TPowierzchniaWskaznika {
public:
    TQzMiniHtml2();
    ~TQzMiniHtml2() override;
    TQzMiniHtml2(const TQzMiniHtml2&) = delete;
    TQzMiniHtml2& operator=(const TQzMiniHtml2&) = delete;

    // Supplies the text of a dynamic tag; may change `text`.
    std::function<void(TQzMiniHtml2* sender, const QString& dynamicID, QString& text)> OnDynamicUpdate;
    // Sizes a user item.
    std::function<void(aUserDefined* item, const QString& itemID, const QString& itemType, int& width,
                       int& height, QString& variable1, QString& variable2, QString& variable3)>
        OnUserDefinedUpdate;
    // A click on a link; setting `handled` keeps the link from being opened.
    std::function<void(QObject* sender, const QString& href, bool& handled)> OnLinkClicked;
    // A click on a form element or a user item.
    std::function<void(QObject* sender, const QString& fmName, const QString& fmMethod, const QString& fmAction,
                       const QString& inputName, const QString& inputType, const QString& inputValue)>
        OnFormElementClicked;
    // Draws a user item.
    std::function<void(aUserDefined* item, const QString& itemID, const QString& itemType, QPainter& canvas,
                       const QRect& rect, const QString& variable1, const QString& variable2,
                       const QString& variable3)>
        OnUserDefinedDraw;
    // The picture changed: its owner shows it again.
    std::function<void()> PoZmianieObrazu;
    // Milliseconds of a steady clock, for throttling the pointer's moves (tests set their own).
    std::function<qint64()> Zegar;

    // The label's entry: renders `Html` followed by a line break.
    void Render();
    // Lays out `Html` as Render does, without drawing (to learn its size).
    void UlozHtml();
    // A nested renderer's text (a table cell's); ParseSource renders it.
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
    int TextWidthOf(const QString& tekst, const TCzcionkaHtml& czcionka) const override;
    int TextHeightOf(const QString& tekst, const TCzcionkaHtml& czcionka) const override;
    // Lays out the cell's text at the cell's width: the rendered height and the widest line end.
    QSize MeasureSubRenderer(aTDSTag& komorka);
    void UlozTabele(aTableSTag& tabela) override;
    int LiczbaKomorekOd(int indeks) const override;

    void DrawAll();
    void ClearBuffer();
    void DrawItem(atag& item) override;
    void DrawSubRenderer(aTDSTag& komorka, QPainter& malarz) override;
    void PaintTo() override;
    // Copies the picture (from the source offset, no taller than the area) to `cel` of a painter.
    void KopiujNa(QPainter& malarz, QPoint cel) const;
    const QImage& Obraz() const { return obraz_; }

    void DodajHandler(std::unique_ptr<THandler> handler);
    void MouseMove(QObject* sender, QPoint punkt);
    void MouseDown(QObject* sender, Qt::MouseButton przycisk, QPoint punkt);
    atag* HitItem() const override;
    void UstawTrafiony(int indeks) override { trafiony_ = indeks; }
    bool ObsluzKlikniecieLacza(QObject* sender, const QString& href) override;
    void ZglosKlikniecieFormularza(QObject* sender, const QString& fmName, const QString& fmMethod,
                                   const QString& fmAction, const QString& inputName, const QString& inputType,
                                   const QString& inputValue) override;

    TCurrentState& Stan() override { return stan_; }
    const std::vector<std::unique_ptr<atag>>& Items() const override { return items_; }
    int SzerokoscObszaru() const override { return AreaWidth; }
    TKolor KolorTla() const override { return BackgroundColour; }
    void UstawKolorTla(TKolor kolor) override { BackgroundColour = kolor; }
    void PokazZaznaczenieOd(int y) override;
    void AktualizujElementUzytkownika(aUserDefined& element) override;
    void RysujElementUzytkownika(aUserDefined& element, QPainter& malarz, const QRect& prostokat) override;
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
    QPoint WBitmapie(QPoint punkt) const;
    int ZnajdzTrafiony(QPoint punkt) const;
    // A press or move over a table cell goes on to the cell's renderer, in its coordinates.
    void PrzekazKomorce(const std::function<void(TQzMiniHtml2&, QPoint)>& zdarzenie, QPoint punkt);

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
    QImage obraz_;

    std::vector<std::unique_ptr<THandler>> handlery_;
    int trafiony_ = -1; // the visible item under the pointer
    QPoint ostatniPunkt_;
    qint64 ostatniRuch_ = 0;
};
