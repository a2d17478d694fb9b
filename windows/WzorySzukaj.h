#pragma once
// The candidate list of a search: the user picks one name, or cancels.
#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

class TWzorySzukajForm : public QDialog {
    Q_OBJECT
public:
    explicit TWzorySzukajForm(QWidget* rodzic = nullptr);
    ~TWzorySzukajForm() override;

    QListWidget* lbWzorySzukaj;
    QPushButton* bbtnOK;
    QPushButton* bbtnAnuluj;

    // Fills the list with the candidates in the given order, nothing selected.
    void UstawKandydatow(const QStringList& kandydaci);

    void bbtnOKClick();
    void lbWzorySzukajDblClick();
    void bbtnAnulujClick();

protected:
    void showEvent(QShowEvent* zdarzenie) override;

private:
    void ZapamietajWybor();
};

extern TWzorySzukajForm* WzorySzukajForm;

// The answer of the list: a name was chosen (OK or double-click), and which one (upper-cased,
// at most 50 characters).
extern bool WybranoZListy;
extern QString WybranaNazwa;
