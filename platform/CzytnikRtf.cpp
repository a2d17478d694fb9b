#include "CzytnikRtf.h"

#include "Cp1250.h"

#include <QStringList>
#include <cctype>
#include <vector>

namespace {

struct StanGrupy {
    bool pogrubienie = false;
    bool kursywa = false;
    bool pominiecie = false; // a destination whose text is not shown (font table, info, ...)
    int znakiZastepcze = 1;  // \ucN: characters that follow \uN as its fallback
};

const QStringList PominieteCele = {"fonttbl", "colortbl", "stylesheet", "info", "pict", "header",
                                   "footer", "listtable", "listoverridetable", "rsidtbl", "generator",
                                   "xmlnstbl", "themedata", "datastore", "latentstyles"};

class Czytnik {
public:
    explicit Czytnik(const QByteArray& rtf) : rtf_(rtf) {}

    QString Czytaj()
    {
        stos_.push_back({});
        while (i_ < rtf_.size()) {
            char znak = rtf_[i_];
            if (znak == '{') {
                stos_.push_back(stos_.back());
                ++i_;
            } else if (znak == '}') {
                if (stos_.size() > 1)
                    stos_.pop_back();
                ++i_;
            } else if (znak == '\\') {
                ++i_;
                SlowoSterujace();
            } else {
                if (znak != '\r' && znak != '\n')
                    DopiszZnak(Cp1250ToUnicode(std::string(1, znak)));
                ++i_;
            }
        }
        ZamknijAkapit();
        return html_;
    }

private:
    StanGrupy& Stan() { return stos_.back(); }

    void SlowoSterujace()
    {
        if (i_ >= rtf_.size())
            return;
        char znak = rtf_[i_];
        if (znak == '\'') {
            bool dobrze = false;
            int kod = rtf_.mid(i_ + 1, 2).toInt(&dobrze, 16);
            i_ += 3;
            if (dobrze)
                DopiszZnak(Cp1250ToUnicode(std::string(1, static_cast<char>(kod))));
            return;
        }
        if (znak == '*') { // an ignorable destination
            Stan().pominiecie = true;
            ++i_;
            return;
        }
        if (!std::isalpha(static_cast<unsigned char>(znak))) { // a control symbol: \\ \{ \} \~ ...
            ++i_;
            if (znak == '\\' || znak == '{' || znak == '}')
                DopiszZnak(QString(QLatin1Char(znak)));
            else if (znak == '~')
                DopiszZnak(QString(QChar(0x00A0)));
            return;
        }
        QString slowo;
        while (i_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[i_])))
            slowo += QLatin1Char(rtf_[i_++]);
        QString liczba;
        if (i_ < rtf_.size() && rtf_[i_] == '-')
            liczba += QLatin1Char(rtf_[i_++]);
        while (i_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[i_])))
            liczba += QLatin1Char(rtf_[i_++]);
        if (i_ < rtf_.size() && rtf_[i_] == ' ')
            ++i_;
        Wykonaj(slowo, liczba);
    }

    void Wykonaj(const QString& slowo, const QString& liczba)
    {
        bool wlacz = liczba.isEmpty() || liczba.toInt() != 0;
        if (PominieteCele.contains(slowo))
            Stan().pominiecie = true;
        else if (slowo == QLatin1String("par") || slowo == QLatin1String("line"))
            ZamknijAkapit();
        else if (slowo == QLatin1String("b"))
            Stan().pogrubienie = wlacz;
        else if (slowo == QLatin1String("i"))
            Stan().kursywa = wlacz;
        else if (slowo == QLatin1String("plain"))
            Stan().pogrubienie = Stan().kursywa = false;
        else if (slowo == QLatin1String("tab"))
            DopiszZnak(QStringLiteral("\t"));
        else if (slowo == QLatin1String("uc"))
            Stan().znakiZastepcze = liczba.toInt();
        else if (slowo == QLatin1String("u"))
            ZnakUnicode(liczba.toInt());
    }

    void ZnakUnicode(int kod)
    {
        if (kod < 0)
            kod += 65536;
        DopiszZnak(QString(QChar(static_cast<char16_t>(kod))));
        for (int n = 0; n < Stan().znakiZastepcze && i_ < rtf_.size(); ++n) {
            if (rtf_[i_] == '\\' && i_ + 1 < rtf_.size() && rtf_[i_ + 1] == '\'')
                i_ += 4;
            else if (rtf_[i_] == '{' || rtf_[i_] == '}')
                break;
            else
                ++i_;
        }
    }

    void DopiszZnak(const QString& tekst)
    {
        if (Stan().pominiecie)
            return;
        QString fragment = tekst.toHtmlEscaped();
        if (Stan().kursywa)
            fragment = "<i>" + fragment + "</i>";
        if (Stan().pogrubienie)
            fragment = "<b>" + fragment + "</b>";
        akapit_ += fragment;
    }

    void ZamknijAkapit()
    {
        akapit_.replace(QLatin1String("</b><b>"), QString()).replace(QLatin1String("</i><i>"), QString());
        html_ += "<p>" + akapit_ + "</p>";
        akapit_.clear();
    }

    const QByteArray& rtf_;
    qsizetype i_ = 0;
    std::vector<StanGrupy> stos_;
    QString akapit_, html_;
};

} // namespace

QString RtfNaHtml(const QByteArray& rtf)
{
    return Czytnik(rtf).Czytaj();
}
