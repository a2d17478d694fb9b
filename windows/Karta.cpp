#include "Karta.h"

#include "ObrazGif.h"
#include "ObslugaZdarzen.h"
#include "QzHtmlLabel2.h"
#include "Zmienne.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

QString miejsceRysunkow = QStringLiteral(":/wzory/");

// A read-only box wide enough for a value of 15 significant digits with its sign and point.
class TPoleKarty : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    QSize sizeHint() const override
    {
        QSize rozmiar = QLineEdit::sizeHint();
        const int tekst = fontMetrics().horizontalAdvance(QStringLiteral("-0.000000000000000"));
        rozmiar.setWidth(tekst + 2 * fontMetrics().averageCharWidth() + 4);
        return rozmiar;
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// The structural formula: centred in the control and scaled to it, keeping its proportions.
class TObrazWzoru : public QLabel {
public:
    QSize sizeHint() const override { return {240, 180}; }
    QSize minimumSizeHint() const override { return {60, 45}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QPixmap rysunek = pixmap();
        if (rysunek.isNull())
            return;
        QSize rozmiar = rysunek.size().scaled(contentsRect().size(), Qt::KeepAspectRatio);
        QRect cel(QPoint(), rozmiar);
        cel.moveCenter(contentsRect().center());
        QPainter malarz(this);
        malarz.setRenderHint(QPainter::SmoothPixmapTransform);
        malarz.drawPixmap(cel, rysunek);
    }
};

// The width every unit label gets, so the boxes of stacked groups line up. The rich-text label
// draws its text in "MS Sans Serif", 8 points, whatever its own font; room for both.
int SzerokoscJednostek(const QFont& czcionkaKontrolki)
{
    QFont czcionkaEtykiet(QStringLiteral("MS Sans Serif"));
    czcionkaEtykiet.setPixelSize(11);
    const QFontMetrics miary[] = {QFontMetrics(czcionkaEtykiet), QFontMetrics(czcionkaKontrolki)};
    int najszersza = 0;
    for (const PozycjaKarty& p : PozycjeKarty()) {
        QString tekst = QString::fromUtf8(p.jednostkaHtml);
        tekst.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        for (const QFontMetrics& miara : miary)
            najszersza = std::max(najszersza, miara.horizontalAdvance(tekst));
    }
    return najszersza + 8;
}

const QString RownanieAntoinea =
    QStringLiteral("log<sub>10</sub>P = A - B/(t + C),  P [mmHg], t [<sup>o</sup>C]");

void UstawTekstPola(QLineEdit* pole, const QString& tekst)
{
    pole->setText(tekst);
    pole->setCursorPosition(0); // a long value shows its beginning
}

void WyroznijEtykiete(QLabel* etykieta, bool wyrozniona)
{
    QFont czcionka = etykieta->font();
    czcionka.setUnderline(wyrozniona);
    etykieta->setFont(czcionka);
    QPalette paleta = etykieta->palette();
    paleta.setColor(QPalette::WindowText, wyrozniona ? Qt::red : Qt::black);
    etykieta->setPalette(paleta);
}

} // namespace

// The pictures are compiled into a static library; naming their initialiser links them in.
static void ZaladujZasobyWzorow()
{
    Q_INIT_RESOURCE(wzory);
}

TKartaZwiazku::TKartaZwiazku(QWidget* oknoGlowne) : QObject(oknoGlowne)
{
    ZaladujZasobyWzorow();
    ZbudujGrupy();
    strona_ = ZbudujStrone({{"gbPodst", "gbMolekula"}, {"gbTemp"}});
    strona_->setObjectName(QStringLiteral("tsKarta"));
    stronaCd_ = ZbudujStrone({{"gbTw", "gbCiecz"}, {"gbBHP", "gbAnt"}});
    stronaCd_->setObjectName(QStringLiteral("tsKartaCd"));
    obraz_ = new TObrazWzoru;
    obraz_->setObjectName(QStringLiteral("imgKarta"));
    connect(jednostki_.at("qlblTf"), &TQzHtmlLabel2::clicked, this, WSieci([this] { qlblTfClick(); }));
    connect(jednostki_.at("qlblTb"), &TQzHtmlLabel2::clicked, this, WSieci([this] { qlblTbClick(); }));
    connect(jednostki_.at("qlblTc"), &TQzHtmlLabel2::clicked, this, WSieci([this] { qlblTcClick(); }));
    PolaczEtykietyKorelacji();
    Czysc();
}

TKartaZwiazku::~TKartaZwiazku()
{
    for (QWidget* w : {strona_, stronaCd_, static_cast<QWidget*>(obraz_)})
        if (!w->parent())
            delete w;
}

void TKartaZwiazku::ZbudujGrupy()
{
    const int szerokoscJednostek = SzerokoscJednostek(QApplication::font());
    std::map<QString, QGridLayout*> uklady;
    std::map<QString, int> wiersze;
    for (const GrupaKarty& g : GrupyKarty()) {
        auto* grupa = new QGroupBox(QString::fromUtf8(g.podpis));
        grupa->setObjectName(QString::fromLatin1(g.nazwa));
        auto* uklad = new QGridLayout(grupa);
        uklad->setContentsMargins(8, 4, 8, 6);
        uklad->setHorizontalSpacing(8);
        uklad->setVerticalSpacing(2);
        uklad->setColumnStretch(0, 1);
        grupy_[grupa->objectName()] = grupa;
        uklady[grupa->objectName()] = uklad;
    }
    for (const PozycjaKarty& p : PozycjeKarty()) {
        QGroupBox* grupa = grupy_.at(QString::fromLatin1(p.grupa));
        QGridLayout* uklad = uklady.at(grupa->objectName());
        const int wiersz = wiersze[grupa->objectName()]++;

        auto* etykieta = new QLabel(QString::fromUtf8(p.podpis), grupa);
        etykieta->setObjectName(QString::fromLatin1(p.etykieta));
        etykieta->setTextFormat(Qt::PlainText);
        auto* pole = new TPoleKarty(grupa);
        pole->setObjectName(QString::fromLatin1(p.pole));
        pole->setReadOnly(true);
        etykieta->setBuddy(pole);
        uklad->addWidget(etykieta, wiersz, 0);
        uklad->addWidget(pole, wiersz, 1);
        etykiety_[etykieta->objectName()] = etykieta;
        pola_[pole->objectName()] = pole;
        if (*p.jednostka) {
            auto* jednostka = new TQzHtmlLabel2(grupa);
            jednostka->setObjectName(QString::fromLatin1(p.jednostka));
            jednostka->setHtml(QString::fromUtf8(p.jednostkaHtml));
            jednostka->setFixedWidth(szerokoscJednostek);
            uklad->addWidget(jednostka, wiersz, 2);
            jednostki_[jednostka->objectName()] = jednostka;
        }
    }
    auto* rownanie = new TQzHtmlLabel2(grupy_.at("gbAnt"));
    rownanie->setObjectName(QStringLiteral("qlblRownanieAntoinea"));
    rownanie->setHtml(RownanieAntoinea);
    uklady.at("gbAnt")->addWidget(rownanie, wiersze.at("gbAnt"), 0, 1, 3);
}

QWidget* TKartaZwiazku::ZbudujStrone(std::initializer_list<std::initializer_list<const char*>> kolumny)
{
    auto* strona = new QWidget;
    auto* uklad = new QHBoxLayout(strona);
    uklad->setContentsMargins(6, 6, 6, 6);
    uklad->setSpacing(6);
    for (const auto& kolumna : kolumny) {
        auto* pionowy = new QVBoxLayout;
        pionowy->setSpacing(6);
        for (const char* grupa : kolumna)
            pionowy->addWidget(grupy_.at(QString::fromLatin1(grupa)));
        pionowy->addStretch(1);
        uklad->addLayout(pionowy);
    }
    uklad->addStretch(1);
    return strona;
}

void TKartaZwiazku::PolaczEtykietyKorelacji()
{
    for (const EtykietaKorelacji& e : EtykietyKorelacji())
        etykiety_.at(QString::fromLatin1(e.etykieta))->installEventFilter(this);
}

bool TKartaZwiazku::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    auto* etykieta = qobject_cast<QLabel*>(obiekt);
    switch (zdarzenie->type()) {
    case QEvent::Enter:
        WyroznijEtykiete(etykieta, true);
        break;
    case QEvent::Leave:
        WyroznijEtykiete(etykieta, false);
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(zdarzenie)->button() == Qt::LeftButton)
            UruchomWSieci([&] { KliknietoEtykiete(etykieta); });
        break;
    default:
        break;
    }
    return QObject::eventFilter(obiekt, zdarzenie);
}

void TKartaZwiazku::KliknietoEtykiete(QLabel* etykieta)
{
    for (const EtykietaKorelacji& e : EtykietyKorelacji())
        if (etykieta->objectName() == QLatin1String(e.etykieta) && Znaleziono
            && BlokKompletny(RekordYaws, e.grupa, e.pozycja))
            emit wybranoPozycjeDoswiadczalna(e.grupa, e.pozycja);
}

void TKartaZwiazku::Wypelnij()
{
    QLineEdit* dipol = pola_.at("edtDipM");
    dipol->setEnabled(true);
    const auto wKelwinach = [this](const QString& jednostka) {
        return jednostki_.at(jednostka)->html() == JednostkaKelwin;
    };
    for (const TekstKontrolki& t : TekstyPolKarty(RekordYaws, wKelwinach))
        UstawTekstPola(pola_.at(t.nazwa), t.tekst);
    if (!Podano(RekordYaws.DipM))
        dipol->setEnabled(false);
    UstawPodpisy(PodpisyKarty(RekordYaws));
    const QString gestosc = PodpowiedzGestosciCieczy(RekordYaws);
    etykiety_.at("lblVcmol")->setToolTip(gestosc);
    etykiety_.at("lblVcmol")->setStatusTip(gestosc);
    const KompletneBloki bloki = KompletneBlokiDoswiadczalne(RekordYaws);
    for (int grupa : {GrupaGaz, GrupaCiecz})
        for (int pozycja = 0; pozycja < PozycjeBlokow; ++pozycja)
            emit wlaczeniePozycjiDoswiadczalnej(grupa, pozycja, bloki[grupa][pozycja]);
}

void TKartaZwiazku::WlaczPolaPoWyszukaniu()
{
    for (auto& [nazwa, pole] : pola_)
        pole->setEnabled(pole->text() != TekstBrakDanych);
    PokazRysunekWzoru();
}

void TKartaZwiazku::Czysc()
{
    obraz_->hide();
    obraz_->clear();
    for (auto& [nazwa, pole] : pola_)
        pole->clear();
    UstawPodpisy(PodpisyPustejKarty());
}

void TKartaZwiazku::UstawPodpisy(const std::vector<TekstKontrolki>& podpisy)
{
    for (const TekstKontrolki& p : podpisy)
        etykiety_.at(p.nazwa)->setText(p.tekst);
}

// A missing or unreadable picture leaves the control hidden, with no message.
void TKartaZwiazku::PokazRysunekWzoru()
{
    obraz_->hide();
    obraz_->clear();
    const QString nazwa = NazwaRysunkuWzoru(RekordYaws.CAS);
    if (nazwa.isEmpty())
        return;
    const QImage rysunek = WczytajGif(miejsceRysunkow + nazwa);
    if (rysunek.isNull())
        return;
    obraz_->setPixmap(QPixmap::fromImage(rysunek));
    obraz_->show();
}

void TKartaZwiazku::PrzelaczTemperature(const QString& jednostka, const QString& pole, long double kelwiny)
{
    TQzHtmlLabel2* etykieta = jednostki_.at(jednostka);
    QLineEdit* edycja = pola_.at(pole);
    if (edycja->text().isEmpty() || edycja->text() == TekstBrakDanych)
        return;
    const bool naKelwiny = etykieta->html() != JednostkaKelwin;
    etykieta->setHtml(naKelwiny ? JednostkaKelwin : JednostkaCelsjusz);
    UstawTekstPola(edycja, TekstTemperatury(kelwiny, naKelwiny));
}

void TKartaZwiazku::qlblTfClick()
{
    PrzelaczTemperature(QStringLiteral("qlblTf"), QStringLiteral("edtTf"), RekordYaws.Tf);
}

void TKartaZwiazku::qlblTbClick()
{
    PrzelaczTemperature(QStringLiteral("qlblTb"), QStringLiteral("edtTb"), RekordYaws.Tb);
}

void TKartaZwiazku::qlblTcClick()
{
    PrzelaczTemperature(QStringLiteral("qlblTc"), QStringLiteral("edtTc"), RekordYaws.Tc);
}

void TKartaZwiazku::PrzelaczJesli(bool wKelwinach)
{
    const std::pair<const char*, void (TKartaZwiazku::*)()> temperatury[] = {
        {"qlblTf", &TKartaZwiazku::qlblTfClick},
        {"qlblTb", &TKartaZwiazku::qlblTbClick},
        {"qlblTc", &TKartaZwiazku::qlblTcClick},
    };
    for (const auto& [jednostka, przelacz] : temperatury)
        if ((jednostki_.at(jednostka)->html() == JednostkaKelwin) == wKelwinach)
            (this->*przelacz)();
}

void TKartaZwiazku::SI1Click()
{
    PrzelaczJesli(false);
}

void TKartaZwiazku::KelvinCelsjuszClick()
{
    PrzelaczJesli(true);
}

void TKartaZwiazku::UstawMiejsceRysunkow(const QString& prefiks)
{
    miejsceRysunkow = prefiks;
}
