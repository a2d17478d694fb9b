#include "WzorySzukaj.h"

#include "Dialogs.h"
#include "ObslugaZdarzen.h"
#include "PolishText.h"
#include "Wyszukiwanie.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TWzorySzukajForm* WzorySzukajForm = nullptr;
bool WybranoZListy = false;
QString WybranaNazwa;

TWzorySzukajForm::TWzorySzukajForm(QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("WzorySzukajForm"));
    setWindowTitle(QStringLiteral("Wybierz z listy"));
    lbWzorySzukaj = new QListWidget(this);
    lbWzorySzukaj->setObjectName(QStringLiteral("lbWzorySzukaj"));
    bbtnOK = new QPushButton(QStringLiteral("OK"), this);
    bbtnOK->setObjectName(QStringLiteral("bbtnOK"));
    bbtnOK->setDefault(true);
    bbtnAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    bbtnAnuluj->setObjectName(QStringLiteral("bbtnAnuluj"));
    bbtnAnuluj->setAutoDefault(false);
    connect(bbtnOK, &QPushButton::clicked, this, WSieci([this] { bbtnOKClick(); }));
    connect(bbtnAnuluj, &QPushButton::clicked, this, WSieci([this] { bbtnAnulujClick(); }));
    connect(lbWzorySzukaj, &QListWidget::itemDoubleClicked, this, WSieci([this] { lbWzorySzukajDblClick(); }));

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(bbtnOK);
    przyciski->addWidget(bbtnAnuluj);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(lbWzorySzukaj);
    uklad->addLayout(przyciski);
    setFixedSize(380, 320);
}

TWzorySzukajForm::~TWzorySzukajForm()
{
    if (WzorySzukajForm == this)
        WzorySzukajForm = nullptr;
}

void TWzorySzukajForm::UstawKandydatow(const QStringList& kandydaci)
{
    lbWzorySzukaj->clear();
    lbWzorySzukaj->addItems(kandydaci);
    lbWzorySzukaj->setCurrentRow(-1);
    lbWzorySzukaj->clearSelection();
}

void TWzorySzukajForm::showEvent(QShowEvent* zdarzenie)
{
    WysrodkujNaPulpicie(this);
    QDialog::showEvent(zdarzenie);
    lbWzorySzukaj->setFocus();
}

void TWzorySzukajForm::ZapamietajWybor()
{
    if (lbWzorySzukaj->count() == 0)
        return;
    if (lbWzorySzukaj->selectedItems().isEmpty())
        lbWzorySzukaj->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    WybranaNazwa = UpperAscii(lbWzorySzukaj->selectedItems().constFirst()->text()).left(DlugoscNazwy);
    WybranoZListy = true;
}

void TWzorySzukajForm::bbtnOKClick()
{
    ZapamietajWybor();
    close();
}

void TWzorySzukajForm::lbWzorySzukajDblClick()
{
    ZapamietajWybor();
    close();
}

void TWzorySzukajForm::bbtnAnulujClick()
{
    WybranoZListy = false;
    close();
}
