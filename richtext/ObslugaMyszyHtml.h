#pragma once
// The pointer over a renderer's picture: links light up under it and open when clicked, check
// boxes toggle. The renderer passes its moves and presses to the handlers in its slots.
#include <QPoint>
#include <QString>
#include <Qt>
#include <memory>
#include <vector>

class QObject;
class atag;

// What the handlers reach of the renderer under the pointer: its items, the item hit, redrawing,
// and its owner's answers to clicks. The renderer implements it, so the handlers do not depend
// on the renderer.
class TPowierzchniaWskaznika {
public:
    virtual ~TPowierzchniaWskaznika() = default;
    virtual const std::vector<std::unique_ptr<atag>>& Items() const = 0;
    virtual atag* HitItem() const = 0;
    virtual void UstawTrafiony(int indeks) = 0;
    virtual void DrawItem(atag& item) = 0;
    virtual void PaintTo() = 0;
    // True when the owner took the click, so the link is not opened.
    virtual bool ObsluzKlikniecieLacza(QObject* sender, const QString& href) = 0;
    virtual void ZglosKlikniecieFormularza(QObject* sender, const QString& fmName, const QString& fmMethod,
                                           const QString& fmAction, const QString& inputName,
                                           const QString& inputType, const QString& inputValue) = 0;
};

class THandler {
public:
    explicit THandler(TPowierzchniaWskaznika& renderer) : renderer(renderer) {}
    virtual ~THandler() = default;
    // A handler of the same kind working on another renderer (a table cell's).
    virtual std::unique_ptr<THandler> Klonuj(TPowierzchniaWskaznika& inny) const = 0;
    virtual void MouseMove(QObject*, QPoint) {}
    virtual void MouseDown(QObject*, Qt::MouseButton, QPoint) {}

protected:
    TPowierzchniaWskaznika& renderer;
};

// Links: the hover colour and the hand cursor under the pointer, a click opens the link.
class TNormalHandler : public THandler {
public:
    using THandler::THandler;
    std::unique_ptr<THandler> Klonuj(TPowierzchniaWskaznika& inny) const override;
    void MouseMove(QObject* sender, QPoint punkt) override;
    void MouseDown(QObject* sender, Qt::MouseButton przycisk, QPoint punkt) override;
};

// Form elements and user items: the click is reported; a check box toggles.
class TFormElementHandler : public THandler {
public:
    using THandler::THandler;
    std::unique_ptr<THandler> Klonuj(TPowierzchniaWskaznika& inny) const override;
    void MouseDown(QObject* sender, Qt::MouseButton przycisk, QPoint punkt) override;
};

// Opens the link with the desktop: only http, https and mailto links are opened, and
// "mailto://" is read as "mailto:". False when the link was not opened.
bool OpenLink(const QString& href);
