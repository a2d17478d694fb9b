#pragma once
// Stand-in label: the interface of the rich-text label, shown by QLabel's own rich text.
#include <QLabel>

class TQzHtmlLabel2 : public QLabel {
    Q_OBJECT
public:
    explicit TQzHtmlLabel2(QWidget* rodzic = nullptr);
    void setHtml(const QString& html);
    QString html() const { return html_; }
    void setAutoHeight(bool wlaczona) { autoHeight_ = wlaczona; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;

private:
    QString html_;
    bool autoHeight_ = false;
};
