#pragma once
// The pointer over a renderer's picture: links light up under it and open when clicked, check
// boxes toggle. The renderer passes its moves and presses to the handlers in its slots.
#include <QPoint>
#include <QString>
#include <Qt>
#include <memory>

class QObject;
class TQzMiniHtml2;

class THandler {
public:
    explicit THandler(TQzMiniHtml2& renderer) : renderer(renderer) {}
    virtual ~THandler() = default;
    // A handler of the same kind working on another renderer (a table cell's).
    virtual std::unique_ptr<THandler> Klonuj(TQzMiniHtml2& inny) const = 0;
    virtual void MouseMove(QObject*, QPoint) {}
    virtual void MouseDown(QObject*, Qt::MouseButton, QPoint) {}

protected:
    TQzMiniHtml2& renderer;
};

// Links: the hover colour and the hand cursor under the pointer, a click opens the link.
class TNormalHandler : public THandler {
public:
    using THandler::THandler;
    std::unique_ptr<THandler> Klonuj(TQzMiniHtml2& inny) const override;
    void MouseMove(QObject* sender, QPoint punkt) override;
    void MouseDown(QObject* sender, Qt::MouseButton przycisk, QPoint punkt) override;
};

// Form elements and user items: the click is reported; a check box toggles.
class TFormElementHandler : public THandler {
public:
    using THandler::THandler;
    std::unique_ptr<THandler> Klonuj(TQzMiniHtml2& inny) const override;
    void MouseDown(QObject* sender, Qt::MouseButton przycisk, QPoint punkt) override;
};

// Opens the link with the desktop: only http, https and mailto links are opened, and
// "mailto://" is read as "mailto:". False when the link was not opened.
bool OpenLink(const QString& href);
