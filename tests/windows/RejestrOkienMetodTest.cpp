// The registry of the windows the method codes open: a window registered by its class name opens
// for each code that names it, with the loader the code names; a missing window or loader makes
// the code unavailable.
#include "RejestrOkienMetod.h"

#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class TOknoProby : public QWidget {
public:
    void wczytajBrocka() { wywolania << QStringLiteral("wczytajBrocka"); }
    void wczytajLucasa() { wywolania << QStringLiteral("wczytajLucasa"); }
    QStringList wywolania;
};

class Rejestr : public ::testing::Test {
protected:
    void TearDown() override { WyrejestrujOknaMetod(); }
};

} // namespace

TEST_F(Rejestr, NothingRegisteredNothingAvailable)
{
    for (const char* kod : {"00", "000", "050", "MixGestCiecz", "RcgBis", "nieznany"}) {
        EXPECT_FALSE(OknoMetodyDostepne(QString::fromLatin1(kod))) << kod;
        EXPECT_EQ(UtworzOknoMetody(QString::fromLatin1(kod)), nullptr) << kod;
    }
}

TEST_F(Rejestr, AWindowOpensWithTheLoaderOfTheCode)
{
    ZarejestrujOknoMetody<TOknoProby>(QStringLiteral("TEstymacjaWlasnosciFrm"),
                                      {{QStringLiteral("wczytajBrocka"), &TOknoProby::wczytajBrocka},
                                       {QStringLiteral("wczytajLucasa"), &TOknoProby::wczytajLucasa}});
    EXPECT_TRUE(OknoMetodyDostepne(QStringLiteral("000")));
    EXPECT_TRUE(OknoMetodyDostepne(QStringLiteral("032")));
    EXPECT_TRUE(OknoMetodyDostepne(QStringLiteral("HBT")));        // no loader needed
    EXPECT_FALSE(OknoMetodyDostepne(QStringLiteral("010")));       // its loader is not registered
    EXPECT_FALSE(OknoMetodyDostepne(QStringLiteral("00")));        // another window

    std::unique_ptr<QWidget> okno(UtworzOknoMetody(QStringLiteral("032")));
    auto* proba = dynamic_cast<TOknoProby*>(okno.get());
    ASSERT_NE(proba, nullptr);
    EXPECT_EQ(proba->wywolania, QStringList{QStringLiteral("wczytajLucasa")});
    EXPECT_EQ(okno->parent(), nullptr);

    okno.reset(UtworzOknoMetody(QStringLiteral("Aalto")));
    EXPECT_TRUE(static_cast<TOknoProby*>(okno.get())->wywolania.isEmpty());
}

TEST_F(Rejestr, ALaterRegistrationReplacesTheEarlierAndAFailingLoaderLeavesNoWindow)
{
    int utworzone = 0;
    QPointer<QWidget> ostatnie;
    auto fabryka = [&] {
        ++utworzone;
        return ostatnie = new QWidget;
    };
    ZarejestrujOknoMetody(QStringLiteral("TAmbrose_Form"), [] { return new QWidget; });
    ZarejestrujOknoMetody(QStringLiteral("TAmbrose_Form"), fabryka);
    std::unique_ptr<QWidget> okno(UtworzOknoMetody(QStringLiteral("10")));
    EXPECT_EQ(utworzone, 1);

    ZarejestrujOknoMetody(QStringLiteral("TEstymacjaWlasnosciFrm"), fabryka,
                          {{QStringLiteral("wczytajBrocka"), [](QWidget*) { throw std::runtime_error("loader"); }}});
    EXPECT_THROW(UtworzOknoMetody(QStringLiteral("000")), std::runtime_error);
    EXPECT_EQ(utworzone, 2);
    EXPECT_TRUE(ostatnie.isNull());
}
