#include "Aplikacja.h"
#include "Uruchomienie.h"

int main(int argc, char** argv)
{
    TAplikacja aplikacja(argc, argv);
    if (!UruchomProgram())
        return 1;
    return aplikacja.exec();
}
