#pragma once
// The editable list of substance names, shared by the main window's search and the component
// lists of the mixture windows: typed letters a..z become A..Z, typed text is never inserted as
// an item, Enter reports the text for a look-up, and losing the focus is not a choice of the
// user (Qt would select the item the text names and report it). Lists filled by code run no
// handler. With completion on, a typed beginning is completed to the first item that starts
// with it, the completed part selected, as the user types on. A choice of the user (an item
// picked from the drop-down, or typing that leaves the text naming an item) is reported, but
// never right after Backspace or Delete: shortening a name is not choosing one.
#include <QComboBox>

class TListaZwiazkow : public QComboBox {
    Q_OBJECT
public:
    explicit TListaZwiazkow(QWidget* rodzic = nullptr);

    // The items sorted in Polish order, each once; the text typed so far is kept.
    void WypelnijPosortowane(QStringList nazwy);
    void WlaczDopelnianie();

signals:
    // Enter pressed in the list: the user asks for the substance its text names.
    void zatwierdzono();
    // The user chose the item the list's text now names.
    void wybrano();

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void focusOutEvent(QFocusEvent* zdarzenie) override;

private:
    void PoWpisaniu(const QString& wpisany);
    void Dopelnij(const QString& wpisany);

    bool dopelnianie_ = false;
    bool usuwanie_ = false; // Backspace or Delete is being handled
};

// The list made with its name, as every control of the windows is.
TListaZwiazkow* UtworzListeZwiazkow(const QString& nazwa, QWidget* rodzic = nullptr);
