#include "Joback.h"

#include "Dialogs.h"
#include "FloatText.h"
#include "GrupyJobacka.h"
#include "Help.h"
#include "KartaZwiazku.h"
#include "KodyMetod.h"
#include "LiczenieAtomow.h"
#include "ObslugaZdarzen.h"
#include "PoleLiczbowe.h"
#include "RejestrOkienMetod.h"
#include "Zmienne.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString ZleLiczby = QStringLiteral("Źle podane wartości liczbowe !");

struct TrybJobacka {
    TKodMetody kod;
    WlasnoscJobacka wlasnosc;
    const char* delta;
    const char* naglowek;
    const char* jednostka;
    const char* rownanie; // empty: the heat-of-formation pictures
    const char* wynik;
};

const TrybJobacka Tryby[] = {
    {KodCieplaTworzenia, WlasnoscJobacka::Hf, "hf", "Ciepło tworzenia - metoda Jobacka", "[kJ/mol]", "", ""},
    {KodCieplaSpalania, WlasnoscJobacka::Hf, "hf", "Ciepło tworzenia - metoda Jobacka", "[kJ/mol]", "", ""},
    {KodTcJobacka, WlasnoscJobacka::Tc, "Tc", "Temperatura krytyczna - metoda Jobacka", "[K]",
     "Tc = Tb[0,584+0,965*delTc-(delTc)^2]^(-1)", "Tc="},
    {KodPcJobacka, WlasnoscJobacka::Pc, "Pc", "Ciśnienie krytyczne - metoda Jobacka", "[Pa]",
     "Pc = (0,113+0,0032*n-delPc)^(-2)", "Pc="},
    {KodVcJobacka, WlasnoscJobacka::Vc, "Vc", "Objętość krytyczna - metoda Jobacka", "[m^3/kmol]", "Vc = 17,5+delVc",
     "Vc="},
    {KodTbJobacka, WlasnoscJobacka::Tb, "Tb", "Normalna temperatura wrzenia - metoda Jobacka", "[K]", "Tb = 198+delTb",
     "Tb="},
    {KodTfJobacka, WlasnoscJobacka::Tf, "Tf", "Normalna temperatura krzepnięcia - metoda Jobacka", "[K]",
     "Tf = 122+delTf", "Tf="},
};

// The property in the genitive, for the message on a group without its increment.
QString NazwaWlasnosci(WlasnoscJobacka wlasnosc)
{
    switch (wlasnosc) {
    case WlasnoscJobacka::Tc: return QStringLiteral("temperatury krytycznej");
    case WlasnoscJobacka::Pc: return QStringLiteral("ciśnienia krytycznego");
    case WlasnoscJobacka::Vc: return QStringLiteral("objętości krytycznej");
    case WlasnoscJobacka::Tb: return QStringLiteral("temperatury wrzenia");
    case WlasnoscJobacka::Tf: return QStringLiteral("temperatury krzepnięcia");
    case WlasnoscJobacka::Hf: return QStringLiteral("ciepła tworzenia");
    }
    return {};
}

const TrybJobacka* TrybKodu(const QString& kod)
{
    for (const TrybJobacka& tryb : Tryby)
        if (kod == tryb.kod)
            return &tryb;
    return nullptr;
}

// The record's value of the property in the result's units, its caption and unit text; the
// pressure is kept in bar and the volume in cm³/mol.
struct Porownanie {
    TKodMetody kod;
    long double TRekordYaws::*pole;
    long double mnoznik;
    const char* podpis;
    const char* jednostka;
};

const Porownanie Porownania[] = {
    {KodTcJobacka, &TRekordYaws::Tc, 1.0L, "  Tc_exp=", " [K]"},
    {KodPcJobacka, &TRekordYaws::Pc, 1e5L, "  Pc_exp=", " [Pa]"},
    {KodVcJobacka, &TRekordYaws::Vc, 1e-3L, "  Vc_exp=", " [m^3]"},
    {KodTbJobacka, &TRekordYaws::Tb, 1.0L, "  Tb_exp=", " [K]"},
    {KodTfJobacka, &TRekordYaws::Tf, 1.0L, "  Tf_exp=", " [K]"},
};

QLabel* Wzor(const QString& nazwa, const QString& html)
{
    auto* etykieta = new QLabel(html);
    etykieta->setObjectName(nazwa);
    etykieta->setTextFormat(Qt::RichText);
    return etykieta;
}

} // namespace

TJoback1_Form::TJoback1_Form(QWidget* rodzic)
    : TOknoUdzialowGrup(QStringLiteral("Joback1_Form"), WierszeZTabeli(TabelaGrupJobacka()), NaglowkiZTabeli(SekcjeGrupJobacka()), {}, {}, true, rodzic)
{
    setWindowTitle(QStringLiteral("Metoda Jobacka dla estymacji Hf"));
    Oblicz_Button = przyciskOblicz;
    ImgdelHf = Wzor(QStringLiteral("ImgdelHf"),
                    QStringLiteral("<b>ΔH°<sub>f</sub> = 68,29 + Σ<sub>k</sub> N<sub>k</sub> (hf<sub>k</sub>)</b>"));
    ImgdelHf_ = Wzor(QStringLiteral("ImgdelHf_"), QStringLiteral("<b>[kJ/mol]</b>"));
    auto* wzorHf = new QHBoxLayout;
    wzorHf->addStretch(1);
    wzorHf->addWidget(ImgdelHf);
    wzorHf->addSpacing(12);
    wzorHf->addWidget(ImgdelHf_);
    wzorHf->addStretch(1);
    UkladGorny()->insertLayout(2, wzorHf);
    imgHfWyn = Wzor(QStringLiteral("imgHfWyn"), QStringLiteral("<b>ΔH°<sub>f</sub>(298,15 K) =</b>"));
    imgHfWyn->hide();
    UkladDolny()->insertWidget(1, imgHfWyn);

    Ometodzie1 = UtworzMenu(QStringLiteral("Za&kończ"), true, QStringLiteral("Pomo&c"));
    connect(Ometodzie1, &QAction::triggered, this, WSieci([this](bool) { Ometodzie1Click(); }));
    connect(Oblicz_Button, &QPushButton::clicked, this, WSieci([this](bool) { Oblicz_ButtonClick(); }));
    connect(grupy, &TWierszeGrup::przelaczono, this, WSieci([this](int) { Wzor_xCreate(); }));
    connect(grupy, &TWierszeGrup::zmienionoLiczbe, this, WSieci([this](int) { Wzor_xCreate(); }));
    FormCreate();
}

void TJoback1_Form::FormCreate()
{
    grupy->PrzewinNaGore();
    wzor_.clear();
    DelHf = 0.0L;
    PokazWejscie(false);
    kod_ = KodMetody;
    UstawTryb();
}

void TJoback1_Form::UstawTryb()
{
    const TrybJobacka* tryb = TrybKodu(kod_);
    if (!tryb)
        return;
    const bool cieploTworzenia = !*tryb->rownanie;
    lblDelta->setText(QString::fromUtf8(tryb->delta));
    lblCo->setText(QString::fromUtf8(tryb->naglowek));
    lblWym->setText(QString::fromUtf8(tryb->jednostka));
    lblRownanie->setText(QString::fromUtf8(tryb->rownanie));
    lblRownanie->setVisible(!cieploTworzenia);
    ImgdelHf->setVisible(cieploTworzenia);
    ImgdelHf_->setVisible(cieploTworzenia);
    if (!cieploTworzenia)
        lblCoObl->setText(QString::fromUtf8(tryb->wynik));
    std::vector<QString> przyrosty;
    for (const GrupaJobacka& grupa : TabelaGrupJobacka())
        przyrosty.push_back(QString::fromLatin1(grupa.przyrosty[static_cast<int>(tryb->wlasnosc)]));
    grupy->UstawPrzyrosty(przyrosty);

    if (kod_ == KodTcJobacka) {
        PokazTemperatureWrzenia();
    } else if (kod_ == KodPcJobacka) {
        PokazWejscie(true);
        lblNaOpis->setText(QStringLiteral("Podaj liczbę atomów"));
        lblNa->setText(QStringLiteral("Na ="));
    }
}

// The formula of the ticked groups in the title. A count that is not a whole number (while the
// user is still typing it) leaves the title and its formula as they were; the compute button
// reports it.
void TJoback1_Form::Wzor_xCreate()
{
    DelHf = 0.0L;
    std::vector<std::pair<int, int>> wierszeILiczby;
    for (int wiersz : grupy->ZaznaczoneWiersze()) {
        bool calkowita = false;
        const int liczba = grupy->TekstLiczby(wiersz).trimmed().toInt(&calkowita);
        if (!calkowita)
            return;
        wierszeILiczby.emplace_back(wiersz, liczba);
    }
    wzor_ = QString::fromStdString(WzorZAtomow(AtomyGrupJobacka(wierszeILiczby)));
    setWindowTitle(wzor_);
}

long double TJoback1_Form::Rownanie(long double suma) const
{
    switch (TrybKodu(kod_)->wlasnosc) {
    case WlasnoscJobacka::Hf: return JobackHf(suma);
    case WlasnoscJobacka::Tc: return JobackTc(WartoscWpisana(edtNa->text()), suma);
    case WlasnoscJobacka::Pc: return JobackPc(liczbaAtomow_, suma);
    case WlasnoscJobacka::Vc: return JobackVc(suma);
    case WlasnoscJobacka::Tb: return JobackTb(suma);
    case WlasnoscJobacka::Tf: return JobackTf(suma);
    }
    return 0.0L;
}

// The number of atoms for Pc: a whole molecule's, refused in its box otherwise (0, the box's
// start, asks for it).
void TJoback1_Form::SprawdzLiczbeAtomow(TSprawdzanie& sprawdzanie, long double& Na)
{
    const std::optional<long double> liczba = LiczbaWpisana(edtNa->text());
    Na = liczba.value_or(0.0L);
    if (liczba && LiczbaAtomowCzasteczki(Na))
        return;
    sprawdzanie.Ostrzez(liczba && Na == 0.0L ? QStringLiteral("Podaj liczbę atomów")
                                             : QStringLiteral("Liczba atomów Na musi być liczbą całkowitą od 1 do %1")
                                                   .arg(NajwiekszaLiczbaAtomow),
                        edtNa);
    edtNa->selectAll();
}

void TJoback1_Form::Oblicz_ButtonClick()
{
    if (!TrybKodu(kod_))
        return;
    KursorOczekiwania klepsydra;
    TSprawdzanie sprawdzanie;
    grupy->Sprawdz(sprawdzanie, {ZleLiczby, RodzajKomunikatu::Ostrzezenie});
    grupy->SprawdzPrzyrosty(sprawdzanie, NazwaWlasnosci(TrybKodu(kod_)->wlasnosc));
    long double Na = 0.0L;
    if (kod_ == KodPcJobacka)
        SprawdzLiczbeAtomow(sprawdzanie, Na);
    if (kod_ == KodTcJobacka && WartoscWpisana(edtNa->text()) == 0.0L)
        sprawdzanie.Ostrzez(QStringLiteral("Podaj temperaturę wrzenia"), edtNa);
    if (!sprawdzanie.Poprawne())
        return;
    if (kod_ == KodPcJobacka)
        liczbaAtomow_ = static_cast<int>(Na);
    const long double suma = SumaUdzialow(grupy->Udzialy());
    if (!PokazWynikRownania([&] { return Rownanie(suma); }))
        return;
    Porownaj();
    if (kod_ == KodCieplaTworzenia) {
        DelHf = WartoscWpisana(wynik->text());
        imgHfWyn->show();
    } else if (kod_ == KodCieplaSpalania) {
        OddajCieploTworzenia();
    }
}

// The record's value of the property after the formula in the title, once, in the result's
// units.
void TJoback1_Form::Porownaj()
{
    for (const Porownanie& p : Porownania)
        if (kod_ == p.kod && Podano(RekordYaws.*p.pole)) {
            setWindowTitle(wzor_ + QString::fromLatin1(p.podpis) + FloatToStr(RekordYaws.*p.pole * p.mnoznik)
                           + QString::fromLatin1(p.jednostka));
            return;
        }
}

void TJoback1_Form::OddajCieploTworzenia()
{
    DelHf = WartoscWpisana(wynik->text());
    if (DelHf != 0.0L)
        DelHfZnane = true;
    const QString pytanie = QStringLiteral(" delHf = ") + FloatToStr(DelHf) + QStringLiteral("  (kJ/mol)\r\r")
                            + QStringLiteral("Powrócić do ciepła spalania?");
    if (PokazKomunikat(pytanie, RodzajKomunikatu::Informacja, QMessageBox::Yes | QMessageBox::No, this)
        == QMessageBox::Yes) {
        close();
        return;
    }
    DelHf = 0.0L;
    DelHfZnane = false;
}

void TJoback1_Form::Ometodzie1Click()
{
    THelpForm pomoc;
    UruchomModalnie(&pomoc);
}

void ZarejestrujJobacka()
{
    ZarejestrujOknoMetody<TJoback1_Form>(QStringLiteral("TJoback1_Form"));
}
