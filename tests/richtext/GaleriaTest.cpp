// Every mark-up text the windows show, read from the windows themselves: each rich-text label of
// the main window, the table window and every window a method code opens (on each of its pages),
// and each experimental correlation's equation, result symbol and unit in the labels of the
// correlation window. With QERN_GALERIA set to a folder, one sheet per window
// is written there as PNG, to be looked at.
#include "Baza.h"
#include "BazaDoswiadczalna.h"
#include "BazaTestowa.h"
#include "Dialogs.h"
#include "KodyMetod.h"
#include "KorelacjeDoswiadczalne.h"
#include "QzHtmlLabel2.h"
#include "RejestrOkienMetod.h"
#include "Tabela.h"
#include "Uruchomienie.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct TArkusz {
    QString nazwa;
    std::vector<std::pair<QString, QImage>> wiersze;
};

bool Tusz(QRgb piksel)
{
    return qAlpha(piksel) > 0 && qGray(piksel) < 128;
}

// The first and last row with ink in the columns and rows given; -1, -1 when there is none.
std::pair<int, int> WierszeTuszu(const QImage& obraz, const QRect& obszar)
{
    const QRect r = obszar.intersected(obraz.rect());
    std::pair<int, int> wiersze{-1, -1};
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (Tusz(obraz.pixel(x, y))) {
                if (wiersze.first < 0)
                    wiersze.first = y;
                wiersze.second = y;
                break;
            }
    return wiersze;
}

// Ink outside the label's own rectangle is cut off on the screen.
bool TuszPozaEtykieta(const QImage& obraz, QSize etykieta)
{
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if ((x >= etykieta.width() || y >= etykieta.height()) && Tusz(obraz.pixel(x, y)))
                return true;
    return false;
}

// A script is written at a smaller size, half its font's points lower or higher than its box
// (whose top is where a word of its line starts): a subscript's ink begins no higher than that
// shift below the top, a superscript's ink ends above it.
void SprawdzIndeks(const std::string& opis, const QImage& obraz, const aText& indeks)
{
    const int przesuniecie = indeks.font.rozmiar / 2;
    const bool dolny = indeks.subSupMode == 1;
    const QRect pas = dolny ? QRect(indeks.x, indeks.y, indeks.width, indeks.height + przesuniecie)
                            : QRect(indeks.x, indeks.y - przesuniecie - 1, indeks.width, indeks.height + przesuniecie);
    const auto [gora, dol] = WierszeTuszu(obraz, pas);
    ASSERT_GE(gora, 0) << opis;
    if (dolny)
        EXPECT_GE(gora, indeks.y + przesuniecie - 1) << opis << " (subscript)";
    else
        EXPECT_LE(dol, indeks.y + przesuniecie) << opis << " (superscript)";
}

// Every tag is one the renderer knows, no tag or entity is left to show as text, every word has
// a width, nothing drawn is cut off by the label's edges, and scripts sit below or above their line.
void SprawdzEtykiete(const QString& nazwa, TQzHtmlLabel2& etykieta)
{
    static const QRegularExpression znacznik(QStringLiteral("<\\s*(/?[A-Za-z]+)"));
    static const QRegularExpression resztka(QStringLiteral("[<>]|&[A-Za-z0-9#]+;"));
    const std::string opis = nazwa.toStdString() + ": " + etykieta.html().toStdString();
    TQzMiniHtml2& renderer = etykieta.Renderer();
    for (const auto& m : znacznik.globalMatch(etykieta.html()))
        EXPECT_NE(FindTag(m.captured(1), renderer.AllowedTagGroups), 0) << opis << " tag " << m.captured(0).toStdString();
    EXPECT_FALSE(TuszPozaEtykieta(renderer.Obraz(), etykieta.size())) << opis;
    int slowa = 0;
    for (const auto& item : renderer.Items()) {
        const auto* slowo = dynamic_cast<const aText*>(item.get());
        if (!slowo || slowo->tekst.trimmed().isEmpty())
            continue;
        ++slowa;
        const std::string tekst = opis + " word " + slowo->tekst.toStdString();
        EXPECT_FALSE(slowo->tekst.contains(resztka)) << tekst;
        EXPECT_GT(slowo->width, 0) << tekst;
        if (slowo->subSupMode != 0)
            SprawdzIndeks(tekst, renderer.Obraz(), *slowo);
    }
    EXPECT_GT(slowa, 0) << opis;
}

void Sprawdz(const QString& nazwa, TQzHtmlLabel2& etykieta, TArkusz& arkusz)
{
    SprawdzEtykiete(nazwa, etykieta);
    arkusz.wiersze.emplace_back(nazwa, etykieta.grab().toImage());
}

// The labels show on the window's pages: every page of each tab and stack is brought up in turn
// (a label on a page never shown is never laid out), and each label is checked when first seen.
TArkusz ArkuszOkna(const QString& nazwa, QWidget& okno)
{
    okno.show();
    TArkusz arkusz{nazwa, {}};
    QSet<TQzHtmlLabel2*> sprawdzone;
    const auto sprawdzWidoczne = [&] {
        QApplication::processEvents();
        for (TQzHtmlLabel2* etykieta : okno.findChildren<TQzHtmlLabel2*>())
            if (etykieta->isVisible() && !etykieta->html().isEmpty() && !sprawdzone.contains(etykieta)) {
                sprawdzone.insert(etykieta);
                Sprawdz(etykieta->objectName(), *etykieta, arkusz);
            }
    };
    sprawdzWidoczne();
    for (QTabWidget* zakladki : okno.findChildren<QTabWidget*>())
        for (int i = 0; i < zakladki->count(); ++i) {
            zakladki->setCurrentIndex(i);
            sprawdzWidoczne();
        }
    for (QStackedWidget* stos : okno.findChildren<QStackedWidget*>())
        for (int i = 0; i < stos->count(); ++i) {
            stos->setCurrentIndex(i);
            sprawdzWidoczne();
        }
    return arkusz;
}

// Each correlation as its loader shows it, with its result symbol and unit in the result labels.
TArkusz ArkuszKorelacji()
{
    TOblicz_gaz_ciecz_Form okno;
    okno.show();
    TArkusz arkusz{QStringLiteral("korelacje"), {}};
    auto* rownanie = okno.findChild<TQzHtmlLabel2*>(QStringLiteral("qlblRownanie"));
    auto* wynik = okno.findChild<TQzHtmlLabel2*>(QStringLiteral("qlblWyn"));
    auto* jednostka = okno.findChild<TQzHtmlLabel2*>(QStringLiteral("qlblJedn"));
    for (const TKorelacjaDoswiadczalna& korelacja : KorelacjeDoswiadczalne()) {
        KodGaz = korelacja.rodzaj == RodzajKorelacji::Gaz ? korelacja.kod : BrakKoduKorelacji;
        KodCiecz = korelacja.rodzaj == RodzajKorelacji::Ciecz ? korelacja.kod : BrakKoduKorelacji;
        EXPECT_TRUE(okno.WczytajWybrana()) << korelacja.tytul.toStdString();
        wynik->setHtml(korelacja.symbolWyniku);
        jednostka->setHtml(korelacja.jednostka);
        QApplication::processEvents();
        Sprawdz(korelacja.tytul, *rownanie, arkusz);
        Sprawdz(korelacja.tytul + QStringLiteral(" (wynik)"), *wynik, arkusz);
        Sprawdz(korelacja.tytul + QStringLiteral(" (jednostka)"), *jednostka, arkusz);
    }
    return arkusz;
}

void Zapisz(const TArkusz& arkusz, const QString& folder)
{
    int szerokosc = 0;
    int wysokosc = 8;
    for (const auto& [nazwa, obraz] : arkusz.wiersze) {
        szerokosc = std::max(szerokosc, 170 + obraz.width() + 10);
        wysokosc += obraz.height() + 10;
    }
    QImage arkuszObraz(szerokosc, wysokosc, QImage::Format_RGB32);
    arkuszObraz.fill(Qt::white);
    QPainter malarz(&arkuszObraz);
    int y = 8;
    for (const auto& [nazwa, obraz] : arkusz.wiersze) {
        malarz.setPen(Qt::darkGray);
        malarz.drawText(QRect(6, y, 160, obraz.height()), Qt::AlignVCenter, nazwa);
        malarz.drawImage(170, y, obraz);
        malarz.setPen(QColor(0xC0, 0xC0, 0xFF));
        malarz.drawRect(QRect(169, y - 1, obraz.width() + 1, obraz.height() + 1));
        y += obraz.height() + 10;
    }
    malarz.end();
    arkuszObraz.save(QDir(folder).filePath(arkusz.nazwa + QStringLiteral(".png")));
}

template <class Okno>
TArkusz Arkusz(const QString& nazwa)
{
    Okno okno;
    return ArkuszOkna(nazwa, okno);
}

// Every window a method code opens, as the main window opens it: the code set, the window made
// by the registry with its loader run.
std::vector<TArkusz> ArkuszeMetod()
{
    ZarejestrujOknaMetod();
    std::vector<TArkusz> arkusze;
    for (const OknoMetody& metoda : KodyMetod()) {
        KodMetody = metoda.kod.Tekst();
        if (!OknoMetodyDostepne(KodMetody))
            continue;
        std::unique_ptr<QWidget> okno(UtworzOknoMetody(KodMetody));
        arkusze.push_back(ArkuszOkna(QStringLiteral("%1_%2").arg(QString::fromLatin1(metoda.okno), KodMetody), *okno));
    }
    WyrejestrujOknaMetod();
    return arkusze;
}

} // namespace

TEST(Galeria, EveryMarkUpOfTheWindowsRenders)
{
    BazaTestowa baza = BazaTestowa::Probna();
    ZapisujOkna zapis;
    ASSERT_TRUE(WczytajSubstancje("WODA"));
    std::vector<TArkusz> arkusze = {Arkusz<TBaza_Form>(QStringLiteral("glowne")), ArkuszKorelacji(),
                                    Arkusz<TTabela_Form>(QStringLiteral("tabela"))};
    for (TArkusz& arkusz : ArkuszeMetod())
        arkusze.push_back(std::move(arkusz));
    size_t etykiety = 0;
    for (const auto& arkusz : arkusze)
        etykiety += arkusz.wiersze.size();
    EXPECT_GE(etykiety, 100u);
    const QString folder = qEnvironmentVariable("QERN_GALERIA");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    for (const auto& arkusz : arkusze)
        if (!arkusz.wiersze.empty())
            Zapisz(arkusz, folder);
}
