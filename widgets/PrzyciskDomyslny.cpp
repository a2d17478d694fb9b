#include "PrzyciskDomyslny.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace {

QPushButton* Domyslny(QWidget* okno)
{
    for (QPushButton* przycisk : okno->findChildren<QPushButton*>())
        if (przycisk->isDefault() && przycisk->isVisible() && przycisk->isEnabled())
            return przycisk;
    return nullptr;
}

// Sees the key only when no control of the window took it.
class TEnterOkna : public QObject {
public:
    explicit TEnterOkna(QWidget* okno) : QObject(okno), okno_(okno) { okno->installEventFilter(this); }

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override
    {
        if (obiekt != okno_ || zdarzenie->type() != QEvent::KeyPress)
            return false;
        const int klawisz = static_cast<QKeyEvent*>(zdarzenie)->key();
        if (klawisz != Qt::Key_Return && klawisz != Qt::Key_Enter)
            return false;
        auto* przycisk = qobject_cast<QPushButton*>(okno_->focusWidget());
        if (!przycisk || !przycisk->isEnabled())
            przycisk = Domyslny(okno_);
        if (!przycisk)
            return false;
        przycisk->click();
        return true;
    }

private:
    QWidget* okno_;
};

} // namespace

void EnterNaciskaDomyslny(QWidget* okno)
{
    new TEnterOkna(okno);
}
