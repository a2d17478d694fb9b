#pragma once
// A label that shows a short mark-up text (its Html) in place of its caption: symbols,
// formulas and units with fonts, sub- and superscripts, bold text and paragraph alignment.
// The text is laid out and drawn when it or the label's size changes; painting only copies the
// picture. An empty Html leaves an ordinary label; the label's own font plays no part.
#include "QzMiniHtml2.h"

#include <QLabel>
#include <memory>
#include <optional>

class TQzHtmlLabel2 : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString Html READ html WRITE setHtml)
    Q_PROPERTY(bool AutoHeight READ autoHeight WRITE setAutoHeight)

public:
    explicit TQzHtmlLabel2(QWidget* rodzic = nullptr);
    ~TQzHtmlLabel2() override;

    void setHtml(const QString& html);
    QString html() const { return html_; }
    // After each rendering caused by a change, the label takes the rendered height.
    void setAutoHeight(bool autoHeight);
    bool autoHeight() const { return autoHeight_; }

    // The renderer: its events (OnLinkClicked, OnFormElementClicked, OnDynamicUpdate,
    // OnUserDefinedUpdate, OnUserDefinedDraw) and its clock.
    TQzMiniHtml2& Renderer() { return *renderer_; }
    int LiczbaRenderowan() const { return liczbaRenderowan_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int szerokosc) const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;

private:
    void SyncSize();
    void Renderuj();
    void DopasujWysokosc();
    // Size of the text laid out without wrapping, and its widest item (for the size hints).
    struct TWymiaryNaturalne {
        QSize rozmiar;
        int najszerszy = 0;
    };
    const TWymiaryNaturalne& WymiaryNaturalne() const;
    int WysokoscPrzySzerokosci(int szerokosc) const;

    QString html_;
    bool autoHeight_ = false;
    bool layoutDirty_ = true;
    bool dynamicDirty_ = false;
    bool wMalowaniu_ = false;
    bool wcisniety_ = false;
    int liczbaRenderowan_ = 0;
    std::unique_ptr<TQzMiniHtml2> renderer_;
    mutable std::optional<TWymiaryNaturalne> wymiaryNaturalne_;
};
