#pragma once
// Opening a link with the desktop's default application. Tests install a recorder: the links
// are written down instead of opened.
#include <QString>
#include <vector>

// False when no application took the link.
bool OtworzLacze(const QString& adres);

// Records the links opened while it lives (tests only).
class ZapisujLacza {
public:
    ZapisujLacza();
    ~ZapisujLacza();
    ZapisujLacza(const ZapisujLacza&) = delete;
    ZapisujLacza& operator=(const ZapisujLacza&) = delete;

    std::vector<QString> otwarte;

private:
    ZapisujLacza* poprzedni_;
};
