// Writes the program's four data files from the sample database's text form.
// Usage: makedata <folder of the .tsv files> <DATA folder to write>
#include "ZapisBazy.h"

#include <QCoreApplication>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication aplikacja(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "użycie: makedata <katalog plików .tsv> <katalog DATA>\n");
        return 2;
    }
    try {
        ZapiszBazeProbna(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const std::exception& blad) {
        std::fprintf(stderr, "makedata: %s\n", blad.what());
        return 1;
    }
    return 0;
}
