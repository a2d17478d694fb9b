#include "ProgramZety.h"

#include "FloatText.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace {

QString& UstawionaSciezka()
{
    static QString sciezka;
    return sciezka;
}

} // namespace

QString SciezkaProgramuZety()
{
    if (!UstawionaSciezka().isEmpty())
        return UstawionaSciezka();
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("obliczzety"));
}

void UstawSciezkeProgramuZety(const QString& sciezka)
{
    UstawionaSciezka() = sciezka;
}

WynikProgramuZety UruchomProgramZety(const QString& katalogDanych, const std::optional<TStanGazu>& substancja,
                                     int limitCzasu)
{
    QStringList argumenty{katalogDanych};
    if (substancja)
        argumenty << FloatToStr(substancja->T) << FloatToStr(substancja->P) << FloatToStr(substancja->Tc)
                  << FloatToStr(substancja->Pc);
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(SciezkaProgramuZety(), argumenty);
    if (!program.waitForStarted(limitCzasu))
        return WynikProgramuZety::NieUruchomiono;
    if (!program.waitForFinished(limitCzasu)) {
        program.kill();
        program.waitForFinished(1000);
        return WynikProgramuZety::PrzekroczonoCzas;
    }
    if (program.exitStatus() != QProcess::NormalExit)
        return WynikProgramuZety::Niepowodzenie;
    switch (program.exitCode()) {
    case KodZetyObliczono:
        return WynikProgramuZety::Obliczono;
    case KodZetyNieZapisano:
        return WynikProgramuZety::NieZapisano;
    default:
        return WynikProgramuZety::Niepowodzenie;
    }
}
