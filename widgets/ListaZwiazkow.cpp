#include "ListaZwiazkow.h"

#include "PolishText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QValidator>

namespace {

// Typed letters a..z become A..Z; other characters stay as typed.
class WielkieLiteryAscii : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& tekst, int&) const override
    {
        tekst = UpperAscii(tekst);
        return Acceptable;
    }
};

} // namespace

TListaZwiazkow::TListaZwiazkow(QWidget* rodzic) : QComboBox(rodzic)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setValidator(new WielkieLiteryAscii(this));
    setMaxVisibleItems(20);
    connect(this, &QComboBox::activated, this, &TListaZwiazkow::wybrano);
    connect(lineEdit(), &QLineEdit::textEdited, this, &TListaZwiazkow::PoWpisaniu);
}

TListaZwiazkow* UtworzListeZwiazkow(const QString& nazwa, QWidget* rodzic)
{
    auto* lista = new TListaZwiazkow(rodzic);
    lista->setObjectName(nazwa);
    return lista;
}

void TListaZwiazkow::WypelnijPosortowane(QStringList nazwy)
{
    SortujPL(nazwy);
    nazwy.removeDuplicates();
    const QSignalBlocker blokada(this);
    const QString tekst = currentText();
    clear();
    addItems(nazwy);
    setCurrentIndex(-1);
    setEditText(tekst);
}

void TListaZwiazkow::WlaczDopelnianie()
{
    dopelnianie_ = true;
}

void TListaZwiazkow::PoWpisaniu(const QString& wpisany)
{
    if (usuwanie_)
        return;
    if (dopelnianie_)
        Dopelnij(wpisany);
    if (!currentText().isEmpty() && findText(currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive) >= 0)
        emit wybrano();
}

void TListaZwiazkow::Dopelnij(const QString& wpisany)
{
    if (wpisany.isEmpty())
        return;
    for (int i = 0; i < count(); ++i) {
        const QString nazwa = itemText(i);
        if (nazwa.startsWith(wpisany, Qt::CaseInsensitive)) {
            lineEdit()->setText(nazwa);
            lineEdit()->setSelection(int(wpisany.size()), int(nazwa.size() - wpisany.size()));
            return;
        }
    }
}

void TListaZwiazkow::keyPressEvent(QKeyEvent* zdarzenie)
{
    if (zdarzenie->key() == Qt::Key_Return || zdarzenie->key() == Qt::Key_Enter) {
        emit zatwierdzono();
        return;
    }
    // Backspace and Delete must not complete again the text they shortened.
    if (zdarzenie->key() == Qt::Key_Backspace || zdarzenie->key() == Qt::Key_Delete) {
        usuwanie_ = true;
        QComboBox::keyPressEvent(zdarzenie);
        usuwanie_ = false;
        return;
    }
    QComboBox::keyPressEvent(zdarzenie);
}

void TListaZwiazkow::focusOutEvent(QFocusEvent* zdarzenie)
{
    const QSignalBlocker blokada(this);
    QComboBox::focusOutEvent(zdarzenie);
}
