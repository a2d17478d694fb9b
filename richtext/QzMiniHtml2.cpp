#include "QzMiniHtml2.h"

#include "RysowanieHtml.h"

#include <QPainter>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <chrono>

namespace {

constexpr qsizetype DlugoscKawalka = 400;
// A dynamic tag's text may hold dynamic tags again; past this many a parse expands no more.
constexpr int NajwiecejRozwinietDynamicznych = 256;
// Tables in cells of tables: deeper cells are left empty, so a parse stays bounded.
constexpr int NajwiekszaGlebokoscKomorek = 8;
// The picture of a text that would not fit any screen is cut, not allocated in full.
constexpr int NajwiekszaSzerokoscObrazu = 8192;
constexpr long long NajwiecejPikseli = 16LL << 20;
// Pointer moves are handled at most every 150 ms, and only after a move of 6 pixels.
constexpr qint64 OdstepRuchow = 150;
constexpr int NajmniejszyRuch = 6;

qint64 ZegarSystemowy()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

const std::pair<const char*, const char*> Encje[] = {
    {"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}, {"&quot;", "\""}, {"&copy;", "(c)"},
};

// "<td>" or "<td ...>" (likewise "th"), in any case.
QRegularExpression WzorzecOtwarcia(const QString& otwarcie)
{
    QString nazwa = otwarcie.mid(1, otwarcie.size() - 2);
    return QRegularExpression(QStringLiteral("<") + nazwa + QStringLiteral("[ >]"),
                              QRegularExpression::CaseInsensitiveOption);
}

} // namespace

TQzMiniHtml2::TQzMiniHtml2() : Zegar(&ZegarSystemowy), stan_(this), miara_(std::make_shared<TMiaraTekstuQt>()) {}

TQzMiniHtml2::~TQzMiniHtml2() = default;

void TQzMiniHtml2::Render()
{
    zrodlo_ = Html + QStringLiteral("\r\n");
    ParseSource();
}

void TQzMiniHtml2::UlozHtml()
{
    zrodlo_ = Html + QStringLiteral("\r\n");
    ParsujIUloz();
}

void TQzMiniHtml2::UstawZrodlo(const QString& linie)
{
    zrodlo_ = linie.isEmpty() ? QString() : linie + QStringLiteral("\r\n");
}

void TQzMiniHtml2::ParseSource()
{
    ParsujIUloz();
    DrawAll();
    if (obraz_.height() < SourceY + AreaHeight) {
        SourceY = 0;
        PaintTo();
    }
}

void TQzMiniHtml2::ParsujIUloz()
{
    ClearSubRenderers();
    stan_.Reset();
    items_.clear();
    pozycjaZrodla_ = 0;
    rozwinieteDynamiczne_ = 0;
    QString tekst = ReadChunk();
    while (!tekst.isEmpty()) {
        QString przed, atrybuty, nazwa, reszta;
        SplitAtTag(tekst, przed, atrybuty, nazwa, reszta);
        const atag* ostatni = items_.empty() ? nullptr : items_.back().get();
        bool wCalosci = JestKlasy<aASTag>(ostatni) || JestKlasy<aScriptSTag>(ostatni);
        AddText(przed, wCalosci);
        atag* nowy = CreateTag(ParseAttributes(atrybuty), nazwa);
        if (JestKlasy<aDynamicTag>(nowy))
            RozwinDynamiczny(*nowy, reszta);
        if (auto* komorka = dynamic_cast<aTDSTag*>(nowy))
            ExtractCellText(*komorka, reszta);
        tekst = reszta + ReadChunk();
    }
    Layout();
}

QString TQzMiniHtml2::ReadChunk()
{
    QString zebrane;
    while (pozycjaZrodla_ < zrodlo_.size()) {
        qsizetype dlugosc = std::min(DlugoscKawalka, zrodlo_.size() - pozycjaZrodla_);
        // Characters, not halves of one: a surrogate pair stays in one piece.
        if (pozycjaZrodla_ + dlugosc < zrodlo_.size() && zrodlo_.at(pozycjaZrodla_ + dlugosc - 1).isHighSurrogate())
            ++dlugosc;
        zebrane += zrodlo_.mid(pozycjaZrodla_, dlugosc);
        pozycjaZrodla_ += dlugosc;
        bool niepelny = zebrane.contains(QLatin1Char('<')) && !zebrane.contains(QLatin1Char('>'));
        if (!niepelny)
            break;
    }
    return zebrane;
}

atag* TQzMiniHtml2::Dolacz(std::unique_ptr<atag> item)
{
    item->owner = this;
    item->indeks = static_cast<int>(items_.size());
    items_.push_back(std::move(item));
    return items_.back().get();
}

void TQzMiniHtml2::AddText(QString tekst, bool keepWhole)
{
    for (const auto& [encja, znak] : Encje)
        tekst.replace(QLatin1String(encja), QLatin1String(znak), Qt::CaseInsensitive);
    while (!tekst.isEmpty()) {
        qsizetype odstep = tekst.indexOf(QLatin1Char(' '));
        QString slowo;
        if (odstep < 0 || keepWhole) {
            slowo = tekst;
            tekst.clear();
        } else {
            slowo = tekst.left(odstep);
            tekst = tekst.mid(odstep + 1);
        }
        if (!slowo.isEmpty()) {
            auto wyraz = std::make_unique<aText>();
            wyraz->tekst = slowo;
            Dolacz(std::move(wyraz));
        }
        if (odstep >= 0) {
            auto spacja = std::make_unique<aSpace>();
            spacja->tekst = QStringLiteral(" ");
            Dolacz(std::move(spacja));
        }
    }
}

atag* TQzMiniHtml2::CreateTag(const TListaAtrybutow& atrybuty, const QString& nazwa)
{
    QString nazwaZnacznika = LowerAscii(nazwa);
    if (nazwaZnacznika.isEmpty())
        return nullptr;
    std::unique_ptr<atag> item = UtworzZnacznik(FindTag(nazwaZnacznika, AllowedTagGroups));
    if (!item)
        return nullptr;
    item->tekst = QLatin1Char('<') + nazwaZnacznika + QLatin1Char('>');
    if (auto* widoczny = dynamic_cast<aVisTag*>(item.get()))
        widoczny->background = stan_.background;
    item->atrybuty = atrybuty;
    item->owner = this;
    item->ReadAttributes();
    return Dolacz(std::move(item));
}

void TQzMiniHtml2::RozwinDynamiczny(const atag& znacznik, QString& rest)
{
    if (rozwinieteDynamiczne_ >= NajwiecejRozwinietDynamicznych)
        return;
    ++rozwinieteDynamiczne_;
    QString id = znacznik.atrybuty.Wartosc(QStringLiteral("id"));
    QString tekst = QStringLiteral("<font name=\"MS Sans Serif\" size=\"8\" color=\"#000000\">&lt;") + id
        + QStringLiteral("&gt;</font>");
    if (OnDynamicUpdate)
        OnDynamicUpdate(this, id, tekst);
    if (!tekst.isEmpty())
        rest = tekst + rest;
}

void TQzMiniHtml2::ExtractCellText(aTDSTag& komorka, QString& rest)
{
    const QString zamkniecie = komorka.CloseText();
    const QRegularExpression otwarcie = WzorzecOtwarcia(komorka.OpenText());
    // The cell's end may lie in a later piece of the text.
    auto doczytaj = [&] {
        while (!rest.contains(zamkniecie, Qt::CaseInsensitive) && pozycjaZrodla_ < zrodlo_.size())
            rest += ReadChunk();
    };
    doczytaj();
    qsizetype c = rest.indexOf(zamkniecie, 0, Qt::CaseInsensitive);
    qsizetype o = rest.indexOf(otwarcie);
    // A cell that opens before the next close belongs to a table inside this cell.
    while (o >= 0 && c > o) {
        komorka.cellSource += rest.left(c + zamkniecie.size());
        rest = rest.mid(c + zamkniecie.size());
        doczytaj();
        c = rest.indexOf(zamkniecie, 0, Qt::CaseInsensitive);
        o = rest.indexOf(otwarcie);
    }
    if (c >= 0) {
        komorka.cellSource += rest.left(c);
        rest = rest.mid(c);
    }
}

int TQzMiniHtml2::AddSubRenderer()
{
    auto zagniezdzony = std::make_unique<TQzMiniHtml2>();
    zagniezdzony->OnDynamicUpdate = OnDynamicUpdate;
    zagniezdzony->OnUserDefinedUpdate = OnUserDefinedUpdate;
    zagniezdzony->OnLinkClicked = OnLinkClicked;
    zagniezdzony->OnFormElementClicked = OnFormElementClicked;
    zagniezdzony->OnUserDefinedDraw = OnUserDefinedDraw;
    zagniezdzony->Zegar = Zegar;
    for (const auto& handler : handlery_)
        zagniezdzony->DodajHandler(handler->Klonuj(*zagniezdzony));
    zagniezdzony->miara_ = miara_;
    zagniezdzony->glebokosc_ = glebokosc_ + 1;
    zagniezdzony->Tag = static_cast<int>(zagniezdzone_.size());
    zagniezdzone_.push_back(std::move(zagniezdzony));
    return zagniezdzone_.back()->Tag;
}

void TQzMiniHtml2::ClearSubRenderers()
{
    zagniezdzone_.clear();
}

TQzMiniHtml2* TQzMiniHtml2::SubRenderer(int indeks) const
{
    if (indeks < 0 || indeks >= static_cast<int>(zagniezdzone_.size()))
        return nullptr;
    return zagniezdzone_[static_cast<size_t>(indeks)].get();
}

int TQzMiniHtml2::LiczbaKomorekOd(int indeks) const
{
    int liczba = 0;
    for (size_t i = static_cast<size_t>(indeks); i < items_.size(); ++i) {
        const atag* item = items_[i].get();
        if (JestKlasy<aTRSTag>(item) || JestKlasy<aTRETag>(item))
            break;
        if (JestKlasy<aTDSTag>(item))
            ++liczba;
    }
    return liczba;
}

int TQzMiniHtml2::TextWidthOf(const QString& tekst, const TCzcionkaHtml& czcionka) const
{
    return miara_->SzerokoscTekstu(tekst, czcionka);
}

int TQzMiniHtml2::TextHeightOf(const QString& tekst, const TCzcionkaHtml& czcionka) const
{
    return miara_->WysokoscTekstu(tekst + QLatin1Char('A'), czcionka);
}

void TQzMiniHtml2::Layout()
{
    pioro_ = TPioro{stan_.indent + 5, 5, 0, 0};
    bottom_ = 0;
    if (items_.empty())
        return;
    for (const auto& wskaznik : items_) {
        atag* item = wskaznik.get();
        if (JestKlasy<aTDSTag>(item))
            continue; // cells are placed by their table
        // The line breaks before a line-starting tag's own step, so a table starts below the
        // text that precedes it.
        if (JestKlasy<aLNInVisTag>(item) && pioro_.x != 5)
            NewLine();
        item->y = pioro_.y;
        item->x = pioro_.x;
        item->LayoutStep();
        if ((pioro_.x + item->width + 5 > AreaWidth || JestKlasy<aHorizontalRule>(item)) && pioro_.x != 5)
            NewLine();
        if (JestKlasy<aBlockquoteSTag>(item))
            pioro_.x = 55;
        item->x = pioro_.x;
        if (item->height != 0)
            item->y = item->height >= pioro_.lineHeight && item->Widoczny()
                ? pioro_.y
                : pioro_.y + pioro_.lineHeight - item->height;
        item->lineNumber = pioro_.lineNumber;
        bottom_ = std::max(bottom_, item->y + item->height);
        pioro_.x += item->width;
        if (item->height > pioro_.lineHeight)
            PodniesLinie(*item);
        if (JestKlasy<aInVisLNTag>(item))
            NewLine();
        item->lineHeight = pioro_.lineHeight;
        right_ = std::max(right_, pioro_.x);
    }
    szerokoscObrazu_ = AreaWidth;
    wysokoscObrazu_ = bottom_ + 5;
}

void TQzMiniHtml2::PodniesLinie(const atag& najwyzszy)
{
    // The line grows to the item's height; the earlier items of the line move down so that
    // all of them stand on the line's bottom.
    pioro_.lineHeight = najwyzszy.height;
    for (int i = najwyzszy.indeks - 1; i >= 0; --i) {
        atag& wczesniejszy = *items_[static_cast<size_t>(i)];
        if (wczesniejszy.lineNumber != pioro_.lineNumber)
            break;
        wczesniejszy.y = pioro_.y + pioro_.lineHeight - wczesniejszy.height;
        wczesniejszy.lineHeight = pioro_.lineHeight;
    }
}

void TQzMiniHtml2::NewLine()
{
    right_ = std::max(right_, pioro_.x);
    pioro_.x = stan_.indent + 5;
    pioro_.y += pioro_.lineHeight + 5;
    pioro_.lineHeight = 0;
    AlignLine(pioro_.lineNumber);
    ++pioro_.lineNumber;
}

void TQzMiniHtml2::AlignLine(int numerLinii)
{
    std::vector<aVisTag*> linia;
    int szerokosc = 0;
    QString align;
    for (const auto& item : items_) {
        auto* widoczny = dynamic_cast<aVisTag*>(item.get());
        if (!widoczny || !widoczny->visible || widoczny->lineNumber != numerLinii)
            continue;
        linia.push_back(widoczny);
        szerokosc += widoczny->width;
        if (align.isEmpty())
            align = widoczny->align;
    }
    // Only "centre" centres: "center" and "left" leave the line where it is.
    int przesuniecie = 0;
    if (align == QLatin1String("right"))
        przesuniecie = AreaWidth - szerokosc - 10;
    else if (align == QLatin1String("centre"))
        przesuniecie = (AreaWidth - szerokosc - 10) / 2;
    for (aVisTag* item : linia)
        item->x += przesuniecie;
}

QSize TQzMiniHtml2::MeasureSubRenderer(aTDSTag& komorka)
{
    if (glebokosc_ + 1 >= NajwiekszaGlebokoscKomorek)
        return QSize(0, 0);
    TQzMiniHtml2* zagniezdzony = SubRenderer(komorka.nestedRenderer);
    if (!zagniezdzony) {
        komorka.nestedRenderer = AddSubRenderer();
        zagniezdzony = SubRenderer(komorka.nestedRenderer);
    }
    zagniezdzony->AreaWidth = komorka.width;
    zagniezdzony->AreaHeight = 1000;
    zagniezdzony->UstawZrodlo(komorka.cellSource);
    zagniezdzony->ParsujIUloz();
    return QSize(zagniezdzony->Right(), zagniezdzony->WysokoscObrazu());
}

void TQzMiniHtml2::UlozTabele(aTableSTag& tabela)
{
    const int szerokoscTabeli = tabela.atrybuty.Ma(QStringLiteral("width"))
        ? ParseLength(AreaWidth, tabela.atrybuty.Wartosc(QStringLiteral("width")), AreaWidth)
        : AreaWidth;
    struct TWiersz {
        int liczbaKomorek = 0;
        int wysokosc = 0;
        int y = 0;
    };
    std::vector<TWiersz> wiersze;
    std::vector<std::vector<int>> zmierzone; // [row][column]: widest line end + 5

    // The cells of this table: those at depth 1 between the table's start and end.
    auto przejdz = [&](auto&& wiersz, auto&& komorka) {
        int glebokosc = 1;
        for (size_t i = static_cast<size_t>(tabela.indeks) + 1; i < items_.size() && glebokosc > 0; ++i) {
            atag* item = items_[i].get();
            if (JestKlasy<aTableSTag>(item))
                ++glebokosc;
            else if (JestKlasy<aTableETag>(item))
                --glebokosc;
            else if (glebokosc != 1)
                continue;
            else if (auto* tr = dynamic_cast<aTRSTag*>(item))
                wiersz(*tr);
            else if (auto* td = dynamic_cast<aTDSTag*>(item))
                komorka(*td);
        }
    };

    int komorekWWierszu = 0;
    przejdz(
        [&](aTRSTag& tr) {
            tr.LayoutStep();
            wiersze.push_back({tr.cellCount});
            komorekWWierszu = 0;
        },
        [&](aTDSTag& td) {
            if (wiersze.empty()) // cells before any row form a row of their own
                wiersze.push_back({LiczbaKomorekOd(td.indeks)});
            TWiersz& wiersz = wiersze.back();
            td.column = komorekWWierszu++;
            td.row = static_cast<int>(wiersze.size()) - 1;
            td.width = td.atrybuty.Ma(QStringLiteral("width"))
                ? ParseLength(AreaWidth, td.atrybuty.Wartosc(QStringLiteral("width")), szerokoscTabeli)
                : (szerokoscTabeli - 10) / std::max(1, wiersz.liczbaKomorek);
            QSize wymiar = MeasureSubRenderer(td);
            zmierzone.resize(wiersze.size());
            auto& wierszZmierzonych = zmierzone[static_cast<size_t>(td.row)];
            wierszZmierzonych.resize(std::max(wierszZmierzonych.size(), static_cast<size_t>(td.column) + 1), -1);
            wierszZmierzonych[static_cast<size_t>(td.column)] = wymiar.width() + 5;
            wiersz.wysokosc = std::max(wiersz.wysokosc, wymiar.height());
        });

    // A column is as wide as its widest measured cell in any row.
    std::vector<int> szerokosciKolumn;
    for (const auto& wiersz : zmierzone) {
        szerokosciKolumn.resize(std::max(szerokosciKolumn.size(), wiersz.size()), -1);
        for (size_t k = 0; k < wiersz.size(); ++k)
            szerokosciKolumn[k] = std::max(szerokosciKolumn[k], wiersz[k]);
    }

    int wysokoscTabeli = 0;
    int biezacyWiersz = -1;
    int biezaceX = 5;
    auto zacznijWiersz = [&] {
        TWiersz& wiersz = wiersze[static_cast<size_t>(++biezacyWiersz)];
        wiersz.y = tabela.y + wysokoscTabeli;
        wysokoscTabeli += wiersz.wysokosc;
        biezaceX = 5;
    };
    przejdz([&](aTRSTag&) { zacznijWiersz(); },
            [&](aTDSTag& td) {
                if (biezacyWiersz < 0)
                    zacznijWiersz();
                const TWiersz& wiersz = wiersze[static_cast<size_t>(td.row)];
                td.width = szerokosciKolumn[static_cast<size_t>(td.column)];
                td.height = wiersz.wysokosc;
                td.lineHeight = td.height;
                td.x = biezaceX;
                td.y = wiersz.y;
                if (td.x + td.width > szerokoscTabeli)
                    td.width = szerokoscTabeli - td.x;
                biezaceX = td.x + td.width;
            });
    tabela.height = wysokoscTabeli;
}

void TQzMiniHtml2::ClearBuffer()
{
    int szerokosc = std::min(szerokoscObrazu_, NajwiekszaSzerokoscObrazu);
    int wysokosc = szerokosc > 0 ? static_cast<int>(std::min<long long>(wysokoscObrazu_, NajwiecejPikseli / szerokosc)) : 0;
    if (szerokosc <= 0 || wysokosc <= 0)
        obraz_ = QImage();
    else if (obraz_.width() != szerokosc || obraz_.height() != wysokosc)
        obraz_ = QImage(szerokosc, wysokosc, QImage::Format_ARGB32_Premultiplied);
    if (!obraz_.isNull())
        obraz_.fill(Qt::transparent);
}

void TQzMiniHtml2::DrawAll()
{
    ClearBuffer();
    if (!obraz_.isNull()) {
        QPainter malarz(&obraz_);
        for (const auto& item : items_)
            item->Draw(malarz);
    }
    PaintTo();
}

void TQzMiniHtml2::DrawItem(atag& item)
{
    if (obraz_.isNull())
        return;
    QPainter malarz(&obraz_);
    item.Draw(malarz);
}

void TQzMiniHtml2::DrawSubRenderer(aTDSTag& komorka, QPainter& malarz)
{
    TQzMiniHtml2* zagniezdzony = SubRenderer(komorka.nestedRenderer);
    if (!zagniezdzony)
        return; // too deep to be measured
    // Laid out afresh only at a new width; otherwise its picture (with its links lit) is kept.
    bool nowaSzerokosc = zagniezdzony->AreaWidth != komorka.width || zagniezdzony->Obraz().isNull();
    zagniezdzony->AreaWidth = komorka.width;
    zagniezdzony->AreaHeight = obraz_.height();
    if (nowaSzerokosc) {
        zagniezdzony->UstawZrodlo(komorka.cellSource);
        zagniezdzony->ParseSource();
    }
    zagniezdzony->KopiujNa(malarz, QPoint(komorka.x, komorka.y));
}

void TQzMiniHtml2::PaintTo()
{
    if (PoZmianieObrazu)
        PoZmianieObrazu();
}

void TQzMiniHtml2::KopiujNa(QPainter& malarz, QPoint cel) const
{
    if (obraz_.isNull())
        return;
    int wysokosc = std::min(obraz_.height(), AreaHeight);
    malarz.drawImage(QPoint(cel.x() + SourceX, cel.y()), obraz_, QRect(SourceX, SourceY, obraz_.width(), wysokosc));
}

void TQzMiniHtml2::DodajHandler(std::unique_ptr<THandler> handler)
{
    handlery_.push_back(std::move(handler));
}

atag* TQzMiniHtml2::HitItem() const
{
    if (trafiony_ < 0 || trafiony_ >= static_cast<int>(items_.size()))
        return nullptr;
    return items_[static_cast<size_t>(trafiony_)].get();
}

QPoint TQzMiniHtml2::WBitmapie(QPoint punkt) const
{
    return punkt + QPoint(std::max(SourceX, 0), std::max(SourceY, 0));
}

int TQzMiniHtml2::ZnajdzTrafiony(QPoint punkt) const
{
    int trafiony = -1;
    for (const auto& item : items_)
        if (auto* widoczny = dynamic_cast<const aVisTag*>(item.get()); widoczny && widoczny->visible && widoczny->HitTest(punkt))
            trafiony = item->indeks;
    return trafiony;
}

void TQzMiniHtml2::PrzekazKomorce(const std::function<void(TQzMiniHtml2&, QPoint)>& zdarzenie, QPoint punkt)
{
    auto* komorka = dynamic_cast<aTDSTag*>(HitItem());
    TQzMiniHtml2* zagniezdzony = komorka ? SubRenderer(komorka->nestedRenderer) : nullptr;
    if (!zagniezdzony)
        return;
    zdarzenie(*zagniezdzony, punkt - QPoint(komorka->x, komorka->y));
    DrawItem(*komorka);
    PaintTo();
}

void TQzMiniHtml2::MouseMove(QObject* sender, QPoint punkt)
{
    punkt = WBitmapie(punkt);
    qint64 teraz = Zegar();
    if (teraz - ostatniRuch_ <= OdstepRuchow)
        return;
    if (std::abs(ostatniPunkt_.x() - punkt.x()) < NajmniejszyRuch && std::abs(ostatniPunkt_.y() - punkt.y()) < NajmniejszyRuch)
        return;
    ostatniPunkt_ = punkt;
    ostatniRuch_ = teraz;
    for (const auto& handler : handlery_)
        handler->MouseMove(sender, punkt);
    PrzekazKomorce([sender](TQzMiniHtml2& komorka, QPoint p) { komorka.MouseMove(sender, p); }, punkt);
}

void TQzMiniHtml2::MouseDown(QObject* sender, Qt::MouseButton przycisk, QPoint punkt)
{
    punkt = WBitmapie(punkt);
    ostatniPunkt_ = punkt;
    if (przycisk == Qt::LeftButton)
        trafiony_ = ZnajdzTrafiony(punkt);
    if (auto* kontrolka = qobject_cast<QWidget*>(sender); kontrolka && kontrolka->cursor().shape() == Qt::PointingHandCursor)
        kontrolka->unsetCursor();
    for (const auto& handler : handlery_)
        handler->MouseDown(sender, przycisk, punkt);
    PrzekazKomorce([sender, przycisk](TQzMiniHtml2& komorka, QPoint p) { komorka.MouseDown(sender, przycisk, p); }, punkt);
}

bool TQzMiniHtml2::ObsluzKlikniecieLacza(QObject* sender, const QString& href)
{
    bool obsluzone = false;
    if (OnLinkClicked)
        OnLinkClicked(sender, href, obsluzone);
    return obsluzone;
}

void TQzMiniHtml2::ZglosKlikniecieFormularza(QObject* sender, const QString& fmName, const QString& fmMethod,
                                             const QString& fmAction, const QString& inputName,
                                             const QString& inputType, const QString& inputValue)
{
    if (OnFormElementClicked)
        OnFormElementClicked(sender, fmName, fmMethod, fmAction, inputName, inputType, inputValue);
}

void TQzMiniHtml2::PokazZaznaczenieOd(int y)
{
    SourceY = y;
    const int poprzedniaWysokosc = WysokoscObrazu();
    if (poprzedniaWysokosc > AreaHeight)
        SourceY = poprzedniaWysokosc > AreaHeight + y ? y : poprzedniaWysokosc - AreaHeight;
}

void TQzMiniHtml2::AktualizujElementUzytkownika(aUserDefined& element)
{
    if (OnUserDefinedUpdate)
        OnUserDefinedUpdate(&element, element.atrybuty.Wartosc(QStringLiteral("id")),
                            element.atrybuty.Wartosc(QStringLiteral("type")), element.width, element.height,
                            element.variable1, element.variable2, element.variable3);
}

void TQzMiniHtml2::RysujElementUzytkownika(aUserDefined& element, QPainter& malarz, const QRect& prostokat)
{
    if (OnUserDefinedDraw)
        OnUserDefinedDraw(&element, element.atrybuty.Wartosc(QStringLiteral("id")),
                          element.atrybuty.Wartosc(QStringLiteral("type")), malarz, prostokat, element.variable1,
                          element.variable2, element.variable3);
}
