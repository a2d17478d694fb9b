#include "PlikZwykly.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TOtwartyPlik OtworzZwyklyPlik(const QString& sciezka, long long najwiecejBajtow)
{
    TOtwartyPlik plik;
    const int deskryptor = ::open(QFile::encodeName(sciezka).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat opis {};
    if (deskryptor < 0 || ::fstat(deskryptor, &opis) != 0)
        plik.odmowa = OdmowaPliku::NieOtwarty;
    else if (!S_ISREG(opis.st_mode))
        plik.odmowa = OdmowaPliku::NieZwyklyPlik;
    else if (opis.st_size > najwiecejBajtow)
        plik.odmowa = OdmowaPliku::ZaDuzy;
    else {
        plik = {deskryptor, static_cast<long long>(opis.st_size), OdmowaPliku::Zadna};
        return plik;
    }
    if (deskryptor >= 0)
        ::close(deskryptor);
    return plik;
}

namespace {

// A resource compiled into the program is no file of the system: it cannot be a pipe or a device.
std::optional<QByteArray> CzytajZasob(const QString& sciezka, long long najwiecejBajtow)
{
    QFile zasob(sciezka);
    if (!zasob.open(QIODevice::ReadOnly) || zasob.size() > najwiecejBajtow)
        return std::nullopt;
    return zasob.readAll();
}

} // namespace

std::optional<QByteArray> CzytajZwyklyPlik(const QString& sciezka, long long najwiecejBajtow)
{
    if (sciezka.startsWith(QLatin1String(":/")))
        return CzytajZasob(sciezka, najwiecejBajtow);
    const TOtwartyPlik plik = OtworzZwyklyPlik(sciezka, najwiecejBajtow);
    if (plik.odmowa != OdmowaPliku::Zadna)
        return std::nullopt;
    // What the file held when it was opened; a file that grew since is read no further.
    QByteArray tresc(static_cast<qsizetype>(plik.bajty), Qt::Uninitialized);
    qsizetype przeczytane = 0;
    bool blad = false;
    while (przeczytane < tresc.size()) {
        const ssize_t porcja = ::read(plik.deskryptor, tresc.data() + przeczytane,
                                      static_cast<size_t>(tresc.size() - przeczytane));
        if (porcja < 0 && errno == EINTR)
            continue;
        if (porcja <= 0) {
            blad = porcja < 0;
            break;
        }
        przeczytane += porcja;
    }
    ::close(plik.deskryptor);
    if (blad)
        return std::nullopt;
    tresc.truncate(przeczytane);
    return tresc;
}
