// Every mark-up text the windows show, rendered at its label's width. With QERN_GALERIA set to
// a folder, one sheet per window is written there as PNG, to be looked at.
#include "QzHtmlLabel2.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct TEtykieta {
    const char* nazwa;
    const char* html;
    int szerokosc;
};

const QString KoncowkaSI = QStringLiteral("<font size=\"10\"><sup>.</sup></font size> <font name=\"Symbol\" size=\"15\">e</font>"
                                          "<sub><b>SI</b></sub><font size=\"15\">=</font>");

QString Wynik(const QString& symbol)
{
    return QStringLiteral("<p align=\"right\">") + symbol + QStringLiteral("</p>");
}

QString Jednostka(const QString& jednostka)
{
    return QStringLiteral("<font size=\"13\">") + jednostka + QStringLiteral("</font>");
}

// The property card's unit labels.
const TEtykieta Karta[] = {
    {"qlblTb (K)", "K", 90},
    {"qlblTb (°C)", "<sup>o</sup>C", 90},
    {"Pc", "<sup>.</sup>10<sup>5</sup> Pa", 90},
    {"Vc", "cm<sup>3</sup>/mol", 90},
    {"RoC", "kg/m<sup>3</sup>", 90},
    {"VdWa", "cm<sup>2</sup>/mol", 90},
    {"Nig25", "Pa<sup>.</sup>s", 90},
    {"Lag25", "W/(m<sup>.</sup>K)", 90},
    {"Cpg25", "kJ/(kg<sup>.</sup>K)", 90},
    {"Dap25", "m<sup>2</sup>/s", 90},
    {"delEf298", "J/(mol<sup>.</sup>K)", 90},
    {"SolParam", "(J/cm<sup>3</sup>)<sup>1/2</sup>", 90},
    {"HcMol", "atm<sup>.</sup>m<sup>3</sup>/mol", 90},
    {"Limit", "mg/m<sup>3</sup>", 90},
};

const TEtykieta RownaniaDoswiadczalne[] = {
    {"wczytajnig",
     "<p align=\"centre\"><font name=\"Symbol\" size=\"15\">n</font><sub><b>g</b></sub> <font size=\"15\">= A + B </font size>"
     "<font size=\"10\"><sup>.</sup></font size><font size=\"15\"> T + C </font><font size=\"10\"><sup>.</sup></font size>"
     "<font size=\"15\">T<sup><b>2</b></sup> [<font name=\"Symbol\" size=\"15\">m</font>P]</p>",
     600},
    {"wczytajlag",
     "<p align=\"centre\"><font name=\"Symbol\"size=\"15\">l</font><sub><b>g</b></sub> <font size=\"15\">= A + B </font size>"
     "<font size=\"10\"><sup>.</sup></font size><font size=\"15\">T + C </font><font size=\"10\"><sup>.</sup></font size>"
     "<font size=\"15\">T<sup><b>2</b></sup>  [<font size=\"15\">W/(m<font size=\"10\"><sup>.</sup></font size>"
     "<font size=\"15\">K)]</p>",
     600},
    {"wczytajCpg",
     "<p align=\"centre\"><font size=\"15\">C</font><sub><b>p</b></sub> <font size=\"15\">= A + B </font size>"
     "<font size=\"10\"><sup>.</sup></font size><font size=\"15\">T + C </font><font size=\"10\"><sup>.</sup></font size>"
     "<font size=\"15\">T<sup><b>2</b></sup>+ D </font><font size=\"10\"><sup>.</sup></font size><font size=\"15\">T<sup>"
     "<b>3</b></sup>+ E </font><font size=\"10\"><sup>.</sup></font size><font size=\"15\">T<sup><b>4</b></sup>  [<font "
     "size=\"15\">J/(mol<font size=\"10\"><sup>.</sup></font size><font size=\"15\">K)]</p>",
     600},
    {"wczytajDap",
     "<p align=\"centre\"><font size=\"15\">D</font><sub><b>g</b></sub> <font size=\"15\">= A + B </font size><font "
     "size=\"10\"><sup>.</sup></font size><font size=\"15\">T + C </font><font size=\"10\"><sup>.</sup></font size><font "
     "size=\"15\">T<sup><b>2</b></sup>  [<font size=\"15\">cm<sup><b>2</b></sup>/s]</p>",
     600},
    {"wczytajdelHf",
     "<p align=\"centre\"><font name=\"Symbol\" size=\"15\">D</font><font size=\"15\">H</font><sub><b>f</b></sub> <font "
     "size=\"15\">= A + B </font size><font size=\"10\"><sup>.</sup></font size><font size=\"15\"> T + C </font><font "
     "size=\"10\"><sup>.</sup></font size><font size=\"15\">T<sup><b>2</b></sup> <font size=\"15\">[kJ/mol]</font></p>",
     600},
    {"wczytajPvp",
     "<p align=\"centre\"><font size=\"15\">log</font><sub><b>10 </b></sub><font size=\"15\">Pv</font><sub><b>p</b></sub> "
     "<font size=\"15\">= A + B/T + C log</font><sub><b>10 </b></sub><font size=\"15\">T+ D </font><font size=\"10\"><sup>."
     "</sup></font size><font size=\"15\">T+ E </font><font size=\"10\"><sup>.</sup></font size><font size=\"15\">T<sup>"
     "<b>2</b></sup>  [<font size=\"15\">Tr]</p>",
     600},
    {"wczytajnic",
     "<p align=\"centre\"><font size=\"15\">log</font><sub><b>10 </b></sub><font name=\"Symbol\" size=\"15\">h</font><sub>"
     "<b>c</b></sub> <font size=\"15\">= A + B/T + C </font><font size=\"10\"><sup>.</sup></font size><font size=\"15\">T + "
     "D </font><font size=\"10\"><sup>.</sup></font size><font size=\"15\">T<sup><b>2</b></sup> [<font size=\"15\">cP]</font>"
     "</p>",
     600},
    {"wczytajdelHv",
     "<p align=\"centre\"><font name=\"Symbol\" size=\"15\">D</font><font size=\"15\">H</font><sub><b>v</b></sub> <font "
     "size=\"15\">= A </font size><font size=\"10\"><sup>.</sup></font size><font size=\"15\"> (1-T/Tc)<sup><b>n</b></sup> "
     "<font size=\"15\">[kJ/mol]</font></p>",
     600},
    {"wczytajsin",
     "<p align=\"centre\"><font name=\"Symbol\" size=\"15\">s</font><font size=\"15\"> = A (1 - T/Tc)<sup><b>n</b></sup>"
     "</font> <font size=\"15\">[dyn/cm]</font></p>",
     600},
    {"wczytajroc",
     "<p align=\"centre\"><font name=\"Symbol\" size=\"15\">r</font><sub><b>c</b></sub><font size=\"15\"> = A </font><font "
     "size=\"10\"><sup>.</sup></font size><font size=\"15\"> B </font><font size=\"10\"><sup><b> [ -(1-T/Tc)<font size=\"12\">"
     "n<font size=\"10\">]</b></sup>  <font size=\"15\">[g/ml]</p>",
     600},
    {"wczytajDaw",
     "<p align=\"centre\"><font size=\"15\">log</font><sub><b>10 </b></sub><font size=\"15\">D</font><sub><b>c</b></sub> "
     "<font size=\"15\">= A + B/T  [<font size=\"15\">cm<sup><b>2</b></sup>/s]</p>",
     600},
};

std::vector<std::pair<QString, QString>> WynikiDoswiadczalne()
{
    const QString sigma = QStringLiteral("<font name=\"Symbol\" size=\"15\">s</font>");
    return {
        {QStringLiteral("qlblSI"), KoncowkaSI.mid(KoncowkaSI.indexOf(QLatin1String("<font name")))},
        {QStringLiteral("Cp"), Wynik(QStringLiteral("<font size=\"15\">C</font><sub><b>p</b></sub><font size=\"15\">="))},
        {QStringLiteral("ΔHf"), Wynik(QStringLiteral("<font name=\"Symbol\" size=\"15\">D</font><font size=\"15\">H</font><sub><b>f</b></sub><font size=\"15\">="))},
        {QStringLiteral("λg"), Wynik(QStringLiteral("<font name=\"Symbol\" size=\"15\">l</font><sub><b>g</b></sub><font size=\"15\">=</font>"))},
        {QStringLiteral("νg"), Wynik(QStringLiteral("<font name=\"Symbol\" size=\"15\">n</font><sub><b>g</b></sub>") + KoncowkaSI)},
        {QStringLiteral("Pvp"), Wynik(QStringLiteral("<font size=\"15\">Pv</font><sub><b>p</b></sub>") + KoncowkaSI)},
        {QStringLiteral("ηc"), Wynik(QStringLiteral("<font name=\"Symbol\" size=\"15\">h</font><sub><b>c</b></sub>") + KoncowkaSI)},
        {QStringLiteral("σ"), Wynik(sigma + KoncowkaSI)},
        {QStringLiteral("ρc"), Wynik(QStringLiteral("<font name=\"Symbol\" size=\"15\">r</font><sub><b>c</b></sub>") + KoncowkaSI)},
        {QStringLiteral("J/(mol·K)"), Jednostka(QStringLiteral("J/(mol<font size=\"10\"><sup>.</sup></font size>K)"))},
        {QStringLiteral("kJ/mol"), Jednostka(QStringLiteral("kJ/mol"))},
        {QStringLiteral("kg/m3"), Jednostka(QStringLiteral("kg/m<sup>3</sup>"))},
        {QStringLiteral("cm2/s"), Jednostka(QStringLiteral("cm<sup>2</sup>/s"))},
    };
}

const TEtykieta Tabela[] = {
    {"qlblTmin", "<font name=\"Arial\" size=\"10\">T</font><sub>min</sub>", 40},
    {"qlblTmax", "<font name=\"Arial\" size=\"10\">T</font><sub>max</sub>", 40},
    {"Pmin", "<font name=\"Arial\" size=\"10\">P</font><sub>min</sub>", 40},
    {"Pmax", "<font name=\"Arial\" size=\"10\">P</font><sub>max</sub>", 40},
};

// The estimation window's result symbols and the density pages' units, written in the way its
// mark-up is described: centred 12-point text, bold indices, ω in the Symbol font.
const TEtykieta Estymacja[] = {
    {"000 σ", "<p align=\"right\"><font name=\"Symbol\" size=\"15\">s</font><font size=\"10\"><sup>.</sup></font size> "
              "<font name=\"Symbol\" size=\"15\">e</font><sub><b>SI</b></sub><font size=\"15\">=</font></p>", 110},
    {"ρc", "<p align=\"right\"><font name=\"Symbol\" size=\"15\">r</font><sub><b>c</b></sub><font size=\"15\">=</font></p>", 110},
    {"Lambda", "<p align=\"right\">Lambda = </p>", 110},
    {"jednostka", "<font size=\"13\">kg/m<sup>3</sup></font>", 110},
    {"Vc", "<p align=\"centre\"><font size=\"12\">V<sub><b>C</b></sub> [m<sup><b>3</b></sup>/kmol]</font></p>", 120},
    {"ω", "<p align=\"centre\"><font name=\"Symbol\" size=\"14\">w</font><font size=\"12\"> [-]</font></p>", 120},
    {"VR", "<p align=\"centre\"><font size=\"12\">V<sup><b>R</b></sup> [m<sup><b>3</b></sup>/kmol]</font></p>", 120},
    {"Tr", "<p align=\"centre\"><font size=\"12\">T<sub><b>r</b></sub>=T/T<sub><b>C</b></sub> [-]</font></p>", 120},
    {"Pvp", "<p align=\"centre\"><font size=\"10\">P<sub><b>vp</b></sub> [bar]</font></p>", 120},
    {"ZRA", "<p align=\"centre\"><font size=\"12\">Z<sub><b>RA</b></sub> [-]</font></p>", 120},
    {"R", "<p align=\"centre\"><font size=\"12\">R [J/(kmol K)]</font></p>", 120},
};

// The liquid-mixture density window's labels, as described.
const TEtykieta Mieszaniny[] = {
    {"qlblVc1", "<font size=\"10\">V<sub><b>1</b></sub> [m<sup>3</sup>/kmol] (d)</font>", 130},
    {"qlbl12", "<font name=\"Symbol\" size=\"12\">r</font><sub><b>1</b></sub><font size=\"10\"> [kg/m<sup>3</sup>]</font>", 130},
    {"qlblZra1", "<font size=\"10\">Z<sub><b>RA1</b></sub> [-]</font>", 130},
    {"qlblX1Jedn", "<font size=\"10\">mol<sub>1</sub>/mol</font>", 130},
    {"qlblWyn", "<p align=\"right\"><font name=\"Symbol\" size=\"15\">r</font><sub><b>m</b></sub><font size=\"15\"> =</font></p>", 130},
    {"qlblJedn", "<font size=\"13\">kg/m<sup>3</sup></font>", 130},
};

struct TArkusz {
    QString nazwa;
    std::vector<std::pair<QString, QImage>> wiersze;
};

QImage Wyrenderuj(const QString& html, int szerokosc)
{
    QWidget tlo;
    tlo.setPalette(QPalette(QColor(0xF0, 0xF0, 0xF0)));
    auto* etykieta = new TQzHtmlLabel2(&tlo);
    etykieta->resize(szerokosc, 20);
    etykieta->setAutoHeight(true);
    etykieta->setHtml(html);
    return etykieta->grab().toImage();
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

template <size_t N>
TArkusz Arkusz(const QString& nazwa, const TEtykieta (&etykiety)[N])
{
    TArkusz arkusz{nazwa, {}};
    for (const auto& e : etykiety)
        arkusz.wiersze.emplace_back(QString::fromUtf8(e.nazwa), Wyrenderuj(QString::fromUtf8(e.html), e.szerokosc));
    return arkusz;
}

bool MaTusz(const QImage& obraz)
{
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if (qGray(obraz.pixel(x, y)) < 128)
                return true;
    return false;
}

} // namespace

TEST(Galeria, EveryMarkUpOfTheWindowsRenders)
{
    std::vector<TArkusz> arkusze = {Arkusz(QStringLiteral("karta"), Karta),
                                    Arkusz(QStringLiteral("rownania"), RownaniaDoswiadczalne),
                                    Arkusz(QStringLiteral("tabela"), Tabela), Arkusz(QStringLiteral("estymacja"), Estymacja),
                                    Arkusz(QStringLiteral("mieszaniny"), Mieszaniny)};
    TArkusz wyniki{QStringLiteral("wyniki"), {}};
    for (const auto& [nazwa, html] : WynikiDoswiadczalne())
        wyniki.wiersze.emplace_back(nazwa, Wyrenderuj(html, nazwa.startsWith(QLatin1String("qlbl")) ? 90 : 120));
    arkusze.push_back(wyniki);

    QString folder = qEnvironmentVariable("QERN_GALERIA");
    if (!folder.isEmpty())
        QDir().mkpath(folder);
    for (const auto& arkusz : arkusze) {
        for (const auto& [nazwa, obraz] : arkusz.wiersze) {
            EXPECT_GE(obraz.height(), 15) << nazwa.toStdString();
            EXPECT_TRUE(MaTusz(obraz)) << nazwa.toStdString();
        }
        if (!folder.isEmpty())
            Zapisz(arkusz, folder);
    }
}
