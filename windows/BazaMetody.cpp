// The main window's method tabs: the experimental tab and the prediction tab with their radio
// groups, and what a choice shows or hides.
#include "Baza.h"

#include "CzytnikRtf.h"
#include "GrupaRadiowa.h"
#include "Kontrolka.h"
#include "ObslugaZdarzen.h"
#include "PlikZwykly.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int SzerokoscGrupyNadrzednej = 312;

const QString HintMetodyRacketta = QStringLiteral("|Metoda Racketta");
constexpr int PozycjaRacketta = 0;

QStringList Podpisy(const std::vector<const char*>& teksty)
{
    QStringList podpisy;
    for (const char* tekst : teksty)
        podpisy << QString::fromUtf8(tekst);
    return podpisy;
}

QStringList Podpisy(const std::vector<PozycjaMetody>& pozycje)
{
    QStringList podpisy;
    for (const PozycjaMetody& pozycja : pozycje)
        podpisy << QString::fromUtf8(pozycja.podpis);
    return podpisy;
}

const GrupaMetod* OpisGrupy(const QString& nazwa)
{
    for (const GrupaMetod& grupa : GrupyMetod())
        if (nazwa == QLatin1String(grupa.nazwa))
            return &grupa;
    return nullptr;
}

const GrupaNadrzedna* OpisGrupyNadrzednej(const QString& nazwa)
{
    for (const GrupaNadrzedna& grupa : GrupyNadrzedne())
        if (nazwa == QLatin1String(grupa.nazwa))
            return &grupa;
    return nullptr;
}

} // namespace

QPushButton* TBaza_Form::UtworzPrzyciskOK(const QString& nazwa)
{
    auto* przycisk = new QPushButton(QStringLiteral("OK"));
    przycisk->setObjectName(nazwa);
    przycisk->setMinimumWidth(96);
    przycisk->hide();
    return przycisk;
}

QWidget* TBaza_Form::UtworzZakladkeDoswiadczalna()
{
    QWidget* strona = Utworz<QWidget>(QStringLiteral("tsBazaDoswiadczalna"));
    rgExpGaz = new TGrupaRadiowa(QStringLiteral("rgExpGaz"), QStringLiteral("GAZ"), PozycjeGaz(), strona);
    rgExpCiecz = new TGrupaRadiowa(QStringLiteral("rgExpCiecz"), QStringLiteral("CIECZ"), PozycjeCiecz(), strona);
    btnExpDalej = UtworzPrzyciskOK(QStringLiteral("btnExpDalej"));
    connect(rgExpGaz, &TGrupaRadiowa::Click, this, WSieci([this] { rgExpGazClick(); }));
    connect(rgExpCiecz, &TGrupaRadiowa::Click, this, WSieci([this] { rgExpCieczClick(); }));
    connect(btnExpDalej, &QPushButton::clicked, this, WSieci([this] { btnExpDalejClick(); }));

    auto* grupy = new QHBoxLayout;
    for (TGrupaRadiowa* grupa : {rgExpGaz, rgExpCiecz}) {
        grupa->setFixedWidth(SzerokoscGrupyNadrzednej);
        grupy->addWidget(grupa, 0, Qt::AlignTop);
    }
    grupy->addStretch(1);
    auto* uklad = new QVBoxLayout(strona);
    uklad->addLayout(grupy);
    uklad->addStretch(1);
    uklad->addWidget(btnExpDalej, 0, Qt::AlignRight);
    return strona;
}

QWidget* TBaza_Form::UtworzZakladkePredykcyjna()
{
    QWidget* strona = Utworz<QWidget>(QStringLiteral("tsBazaPredykcyjna"));
    btnObliczEstParam = UtworzPrzyciskOK(QStringLiteral("btnObliczEstParam"));
    btnObliczEstWlasnosc = UtworzPrzyciskOK(QStringLiteral("btnObliczEstWlasnosc"));
    btnObliczMieszanine = UtworzPrzyciskOK(QStringLiteral("btnObliczMieszanine"));
    btnRownowaga = UtworzPrzyciskOK(QStringLiteral("btnRownowaga"));
    connect(btnObliczEstParam, &QPushButton::clicked, this, WSieci([this] { btnObliczEstParamClick(); }));
    connect(btnObliczEstWlasnosc, &QPushButton::clicked, this, WSieci([this] { btnObliczEstWlasnoscClick(); }));
    connect(btnObliczMieszanine, &QPushButton::clicked, this, WSieci([this] { btnObliczMieszanineClick(); }));
    connect(btnRownowaga, &QPushButton::clicked, this, WSieci([this] { btnRownowagaClick(); }));

    PageControl2 = new QTabWidget(strona);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->addTab(UtworzZakladkeMetod(ZakladkaMetod::Parametry, btnObliczEstParam), QStringLiteral("Parametry krytyczne"));
    PageControl2->addTab(UtworzZakladkeMetod(ZakladkaMetod::Wlasnosci, btnObliczEstWlasnosc), QStringLiteral("Właściwości"));
    PageControl2->addTab(UtworzZakladkeMetod(ZakladkaMetod::Mieszaniny, btnObliczMieszanine), QStringLiteral("Mieszaniny"));
    PageControl2->addTab(UtworzZakladkeMetod(ZakladkaMetod::Rownowaga, btnRownowaga), QStringLiteral("Równowaga ciecz-para"));
    rgEstParam = Grupa(QStringLiteral("rgEstParam"));
    rgEstWlas = Grupa(QStringLiteral("rgEstWlas"));
    rgMixGaz = Grupa(QStringLiteral("rgMixGaz"));
    rgMixCiecz = Grupa(QStringLiteral("rgMixCiecz"));
    rgRownowaga = Grupa(QStringLiteral("rgRownowaga"));
    auto* uklad = new QVBoxLayout(strona);
    uklad->addWidget(PageControl2);
    return strona;
}

// A tab of the prediction tab: its parent groups on the left, its method groups stacked at one
// place on the right (one shows at a time), and its OK button. What shows only after a choice is
// hidden before the layout first measures it.
QWidget* TBaza_Form::UtworzZakladkeMetod(ZakladkaMetod zakladka, QPushButton* ok)
{
    auto* strona = new QWidget;
    auto* lewa = new QVBoxLayout;
    for (const GrupaNadrzedna& opis : GrupyNadrzedne()) {
        if (opis.zakladka != zakladka)
            continue;
        auto* grupa = new TGrupaRadiowa(QString::fromLatin1(opis.nazwa), QString::fromUtf8(opis.podpis), Podpisy(opis.pozycje), strona);
        grupa->setFixedWidth(SzerokoscGrupyNadrzednej);
        connect(grupa, &TGrupaRadiowa::Click, this, WSieci([this, grupa] { GrupaNadrzednaClick(grupa); }));
        grupyMetod_[grupa->objectName()] = grupa;
        lewa->addWidget(grupa);
    }
    lewa->addStretch(1);

    auto* prawa = new QVBoxLayout;
    for (const GrupaMetod& opis : GrupyMetod()) {
        if (opis.zakladka != zakladka)
            continue;
        auto* grupa = new TGrupaRadiowa(QString::fromLatin1(opis.nazwa), QString::fromUtf8(opis.podpis), Podpisy(opis.pozycje), strona);
        grupa->hide();
        grupyMetod_[grupa->objectName()] = grupa;
        prawa->addWidget(grupa);
        if (grupa->objectName() == QLatin1String("rgTc"))
            connect(grupa, &TGrupaRadiowa::Click, this, WSieci([this] { rgTcClick(); }));
        else if (grupa->objectName() == QLatin1String("rgGestC"))
            connect(grupa, &TGrupaRadiowa::Click, this, WSieci([this] { rgGestCClick(); }));
        else
            connect(grupa, &TGrupaRadiowa::Click, this, WSieci([this, grupa] { MetodaClick(grupa); }));
    }
    if (zakladka == ZakladkaMetod::Parametry) {
        reOpisMetody = new QTextEdit(strona);
        reOpisMetody->setObjectName(QStringLiteral("reOpisMetody"));
        reOpisMetody->setReadOnly(true);
        reOpisMetody->hide();
        prawa->addWidget(reOpisMetody, 1);
    }
    prawa->addStretch(0); // takes the room the description leaves
    prawa->addWidget(ok, 0, Qt::AlignRight);

    auto* uklad = new QHBoxLayout(strona);
    uklad->addLayout(lewa);
    uklad->addLayout(prawa, 1);
    return strona;
}

TGrupaRadiowa* TBaza_Form::Grupa(const QString& nazwa) const
{
    auto grupa = grupyMetod_.find(nazwa);
    return grupa == grupyMetod_.end() ? nullptr : grupa->second;
}

QPushButton* TBaza_Form::PrzyciskZakladki(ZakladkaMetod zakladka) const
{
    switch (zakladka) {
    case ZakladkaMetod::Parametry: return btnObliczEstParam;
    case ZakladkaMetod::Wlasnosci: return btnObliczEstWlasnosc;
    case ZakladkaMetod::Mieszaniny: return btnObliczMieszanine;
    case ZakladkaMetod::Rownowaga: break;
    }
    return btnRownowaga;
}

// Every choice cleared, every method group, the description and every OK button hidden.
void TBaza_Form::UkryjWybory()
{
    rgExpGaz->UstawItemIndex(-1);
    rgExpCiecz->UstawItemIndex(-1);
    for (auto& [nazwa, grupa] : grupyMetod_) {
        grupa->UstawItemIndex(-1);
        if (OpisGrupy(nazwa))
            grupa->hide();
    }
    reOpisMetody->hide();
    for (QPushButton* ok : {btnExpDalej, btnObliczEstParam, btnObliczEstWlasnosc, btnObliczMieszanine, btnRownowaga})
        ok->hide();
}

// Clears the choice of the tab's method groups, except the named ones.
void TBaza_Form::CzyscGrupy(ZakladkaMetod zakladka, std::initializer_list<const char*> pominiete)
{
    for (const GrupaMetod& opis : GrupyMetod()) {
        const bool pominieta = std::any_of(pominiete.begin(), pominiete.end(),
                                           [&opis](const char* nazwa) { return qstrcmp(nazwa, opis.nazwa) == 0; });
        if (opis.zakladka == zakladka && !pominieta)
            Grupa(QString::fromLatin1(opis.nazwa))->UstawItemIndex(-1);
    }
}

// A parent group: only the method group of its chosen item shows, with no method chosen.
void TBaza_Form::GrupaNadrzednaClick(TGrupaRadiowa* nadrzedna)
{
    const GrupaNadrzedna* opis = OpisGrupyNadrzednej(nadrzedna->objectName());
    for (const GrupaMetod& metody : GrupyMetod())
        if (metody.zakladka == opis->zakladka) {
            TGrupaRadiowa* grupa = Grupa(QString::fromLatin1(metody.nazwa));
            grupa->UstawItemIndex(-1);
            grupa->hide();
        }
    for (const GrupaNadrzedna& inna : GrupyNadrzedne())
        if (inna.zakladka == opis->zakladka && &inna != opis)
            Grupa(QString::fromLatin1(inna.nazwa))->UstawItemIndex(-1);
    PrzyciskZakladki(opis->zakladka)->hide();
    if (opis->zakladka == ZakladkaMetod::Parametry)
        reOpisMetody->hide();
    if (opis->zakladka == ZakladkaMetod::Wlasnosci)
        UstawHint(Grupa(QStringLiteral("rgGestC")), QString());
    Grupa(QString::fromLatin1(opis->grupy.at(nadrzedna->ItemIndex())))->show();
}

// A method group: its code goes to KodMetody and the tab's OK button shows, on the parameter and
// property tabs only while a substance is loaded (the diffusion methods need none).
void TBaza_Form::MetodaClick(TGrupaRadiowa* grupa)
{
    const GrupaMetod* opis = OpisGrupy(grupa->objectName());
    KodMetody = opis->pozycje.at(grupa->ItemIndex()).kod.Tekst();
    const bool potrzebnyZwiazek = (opis->zakladka == ZakladkaMetod::Parametry || opis->zakladka == ZakladkaMetod::Wlasnosci)
                                  && grupa->objectName() != QLatin1String("rgDyf");
    PrzyciskZakladki(opis->zakladka)->setVisible(Znaleziono || !potrzebnyZwiazek);
}

void TBaza_Form::rgGestCClick()
{
    TGrupaRadiowa* rgGestC = Grupa(QStringLiteral("rgGestC"));
    UstawHint(rgGestC, rgGestC->ItemIndex() == PozycjaRacketta ? HintMetodyRacketta : QString());
    MetodaClick(rgGestC);
}

void TBaza_Form::rgTcClick()
{
    TGrupaRadiowa* rgTc = Grupa(QStringLiteral("rgTc"));
    reOpisMetody->clear();
    reOpisMetody->hide();
    MetodaClick(rgTc);
    const int pozycja = rgTc->ItemIndex();
    PokazOpisMetody(OpisyMetodTc().at(pozycja), WierszeBrakujacychDanych(pozycja, RekordYaws));
}

// A missing file shows nothing and says nothing; so does anything that is no description file
// (no regular file, or far too large for one).
void TBaza_Form::PokazOpisMetody(const OpisMetody& opis, const QStringList& pierwszeWiersze)
{
    const std::optional<QByteArray> tresc = CzytajZwyklyPlik(opis.plik, NajwiekszyOpisMetody);
    if (!tresc)
        return;
    if (opis.rtf)
        reOpisMetody->setHtml(RtfNaHtml(*tresc));
    else
        reOpisMetody->setPlainText(QString::fromUtf8(*tresc));
    QTextCursor kursor(reOpisMetody->document());
    for (auto wiersz = pierwszeWiersze.crbegin(); wiersz != pierwszeWiersze.crend(); ++wiersz) {
        kursor.movePosition(QTextCursor::Start);
        kursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        kursor.movePosition(QTextCursor::Start);
        kursor.insertText(*wiersz, QTextCharFormat());
    }
    reOpisMetody->show();
}

void TBaza_Form::rgExpGazClick()
{
    KodGaz = KodyGaz[rgExpGaz->ItemIndex()];
    KodCiecz = BrakKoduKorelacji;
    rgExpCiecz->UstawItemIndex(-1);
    btnExpDalej->setVisible(Znaleziono);
}

void TBaza_Form::rgExpCieczClick()
{
    KodCiecz = KodyCiecz[rgExpCiecz->ItemIndex()];
    KodGaz = BrakKoduKorelacji;
    rgExpGaz->UstawItemIndex(-1);
    btnExpDalej->setVisible(Znaleziono || rgExpCiecz->ItemIndex() == PozycjaGestosciMieszanin);
}
