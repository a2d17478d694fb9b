#include "SiatkaTekstowa.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>
#include <algorithm>
#include <climits>

// The texts by [row][column], fixed ones included; the view sees the others as its cells and
// row 0 and column 0 as its headers.
class TModelSiatki : public QAbstractTableModel {
public:
    explicit TModelSiatki(QObject* rodzic) : QAbstractTableModel(rodzic), komorki_(2, std::vector<QString>(3)) {}

    int LiczbaWierszy() const { return static_cast<int>(komorki_.size()); }
    int LiczbaKolumn() const { return static_cast<int>(komorki_.front().size()); }

    void UstawLiczbeWierszy(int liczba)
    {
        liczba = std::max(liczba, 1);
        const int teraz = LiczbaWierszy();
        if (liczba > teraz) {
            beginInsertRows({}, teraz - 1, liczba - 2);
            komorki_.resize(liczba, std::vector<QString>(LiczbaKolumn()));
            endInsertRows();
        } else if (liczba < teraz) {
            beginRemoveRows({}, liczba - 1, teraz - 2);
            komorki_.resize(liczba);
            endRemoveRows();
        }
    }

    void UstawLiczbeKolumn(int liczba)
    {
        liczba = std::max(liczba, 1);
        const int teraz = LiczbaKolumn();
        if (liczba == teraz)
            return;
        if (liczba > teraz)
            beginInsertColumns({}, teraz - 1, liczba - 2);
        else
            beginRemoveColumns({}, liczba - 1, teraz - 2);
        for (auto& wiersz : komorki_)
            wiersz.resize(liczba);
        if (liczba > teraz)
            endInsertColumns();
        else
            endRemoveColumns();
    }

    bool WSiatce(int kolumna, int wiersz) const
    {
        return wiersz >= 0 && wiersz < LiczbaWierszy() && kolumna >= 0 && kolumna < LiczbaKolumn();
    }

    QString Komorka(int kolumna, int wiersz) const { return WSiatce(kolumna, wiersz) ? komorki_[wiersz][kolumna] : QString(); }

    void UstawKomorke(int kolumna, int wiersz, const QString& tekst)
    {
        if (!WSiatce(kolumna, wiersz))
            return;
        komorki_[wiersz][kolumna] = tekst;
        if (wiersz == 0 && kolumna > 0)
            emit headerDataChanged(Qt::Horizontal, kolumna - 1, kolumna - 1);
        else if (kolumna == 0 && wiersz > 0)
            emit headerDataChanged(Qt::Vertical, wiersz - 1, wiersz - 1);
        else if (wiersz > 0)
            emit dataChanged(index(wiersz - 1, kolumna - 1), index(wiersz - 1, kolumna - 1));
    }

    int rowCount(const QModelIndex& rodzic = {}) const override { return rodzic.isValid() ? 0 : LiczbaWierszy() - 1; }
    int columnCount(const QModelIndex& rodzic = {}) const override { return rodzic.isValid() ? 0 : LiczbaKolumn() - 1; }

    QVariant data(const QModelIndex& indeks, int rola) const override
    {
        if (rola != Qt::DisplayRole || !indeks.isValid())
            return {};
        return komorki_[indeks.row() + 1][indeks.column() + 1];
    }

    QVariant headerData(int sekcja, Qt::Orientation orientacja, int rola) const override
    {
        const bool poziomy = orientacja == Qt::Horizontal;
        if (rola == Qt::TextAlignmentRole)
            return poziomy ? int(Qt::AlignCenter | Qt::TextWordWrap) : int(Qt::AlignLeft | Qt::AlignVCenter);
        if (rola != Qt::DisplayRole)
            return {};
        return poziomy ? Komorka(sekcja + 1, 0) : Komorka(0, sekcja + 1);
    }

    Qt::ItemFlags flags(const QModelIndex& indeks) const override
    {
        return indeks.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

private:
    std::vector<std::vector<QString>> komorki_;
};

namespace {

constexpr int DomyslnaSzerokoscKolumny = 80;
constexpr int DomyslnaWysokoscWiersza = 24;

} // namespace

TSiatkaTekstowa::TSiatkaTekstowa(QWidget* rodzic) : QTableView(rodzic), model_(new TModelSiatki(this))
{
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    horizontalHeader()->setDefaultSectionSize(DomyslnaSzerokoscKolumny);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setHighlightSections(false);
    UstawDomyslnaWysokoscWiersza(DomyslnaWysokoscWiersza);
    UstawWysokoscNaglowka(DomyslnaWysokoscWiersza);
    UstawSzerokoscKolumny(0, DomyslnaSzerokoscKolumny);
    naroznik_ = findChild<QAbstractButton*>();
    naroznik_->installEventFilter(this);
}

int TSiatkaTekstowa::LiczbaWierszy() const { return model_->LiczbaWierszy(); }
int TSiatkaTekstowa::LiczbaKolumn() const { return model_->LiczbaKolumn(); }
void TSiatkaTekstowa::UstawLiczbeWierszy(int liczba) { model_->UstawLiczbeWierszy(liczba); }
void TSiatkaTekstowa::UstawLiczbeKolumn(int liczba) { model_->UstawLiczbeKolumn(liczba); }
QString TSiatkaTekstowa::Komorka(int kolumna, int wiersz) const { return model_->Komorka(kolumna, wiersz); }

void TSiatkaTekstowa::UstawKomorke(int kolumna, int wiersz, const QString& tekst)
{
    model_->UstawKomorke(kolumna, wiersz, tekst);
    if (kolumna == 0 && wiersz == 0)
        naroznik_->update();
}

int TSiatkaTekstowa::SzerokoscKolumny(int kolumna) const
{
    return kolumna == 0 ? verticalHeader()->width() : horizontalHeader()->sectionSize(kolumna - 1);
}

void TSiatkaTekstowa::UstawSzerokoscKolumny(int kolumna, int szerokosc)
{
    if (kolumna == 0)
        verticalHeader()->setFixedWidth(szerokosc);
    else
        horizontalHeader()->resizeSection(kolumna - 1, szerokosc);
}

int TSiatkaTekstowa::WysokoscNaglowka() const { return horizontalHeader()->height(); }
void TSiatkaTekstowa::UstawWysokoscNaglowka(int wysokosc) { horizontalHeader()->setFixedHeight(wysokosc); }
void TSiatkaTekstowa::UstawDomyslnaWysokoscWiersza(int wysokosc) { verticalHeader()->setDefaultSectionSize(wysokosc); }

int TSiatkaTekstowa::WysokoscTekstuNaglowka(int kolumna) const
{
    const int margines = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    const QRect miejsce(0, 0, std::max(1, SzerokoscKolumny(kolumna) - MarginesKomorki(kolumna)), INT_MAX / 2);
    return horizontalHeader()->fontMetrics()
               .boundingRect(miejsce, Qt::AlignCenter | Qt::TextWordWrap, Komorka(kolumna, 0))
               .height()
           + 2 * margines;
}

int TSiatkaTekstowa::MarginesKomorki(int kolumna) const
{
    if (kolumna == 0)
        return 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + 2;
    return 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
}

void TSiatkaTekstowa::DopasujSzerokosciKolumn(int wierszy, int zapas)
{
    const int doWiersza = std::min(wierszy, LiczbaWierszy());
    for (int kolumna = 0; kolumna < LiczbaKolumn(); ++kolumna) {
        int najszerszy = 0;
        for (int wiersz = 0; wiersz < doWiersza; ++wiersz) {
            const QFontMetrics& miara = wiersz == 0 ? horizontalHeader()->fontMetrics() : fontMetrics();
            najszerszy = std::max(najszerszy, miara.horizontalAdvance(Komorka(kolumna, wiersz)));
        }
        UstawSzerokoscKolumny(kolumna, najszerszy + MarginesKomorki(kolumna) + zapas);
    }
}

bool TSiatkaTekstowa::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (obiekt == naroznik_ && zdarzenie->type() == QEvent::Paint) {
        RysujNaroznik();
        return true;
    }
    return QTableView::eventFilter(obiekt, zdarzenie);
}

// Cell (0, 0), drawn as the headers are.
void TSiatkaTekstowa::RysujNaroznik()
{
    QStyleOptionHeader opcje;
    opcje.initFrom(naroznik_);
    opcje.state |= QStyle::State_Enabled;
    opcje.rect = naroznik_->rect();
    opcje.position = QStyleOptionHeader::OnlyOneSection;
    opcje.text = Komorka(0, 0);
    opcje.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    QPainter malarz(naroznik_);
    style()->drawControl(QStyle::CE_Header, &opcje, &malarz, naroznik_);
}
