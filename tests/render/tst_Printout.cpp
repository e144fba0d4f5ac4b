#include "support/TestRegistry.h"
// What a print job asks before it starts, and how it runs its pages.
#include <QtTest>

#include "render/Printout.h"
#include "support/FakeHost.h"
#include "support/RecordingSurface.h"
#include "support/SeasonBuilder.h"

namespace {

const PrintableArea kA4Portrait{194, 281, 4583, 6638, 600};

} // namespace

class TestPrintout : public QObject {
    Q_OBJECT

private slots:
    // A match sheet takes the handicap of its venue (neutral takes home's); an unplayed match
    // asks first whether to print a blank sheet, Yes by default.
    void storedMatchSheet()
    {
        struct Case {
            Venue venue;
            std::uint32_t result;
            int answer; // -1: the default button
            int handicap;
            bool asked, printed;
        };
        const Case cases[] = {{Home, 1, -1, 4, false, true},
                              {Away, 3, -1, 7, false, true},
                              {Neutral, 2, -1, 4, false, true},
                              {Away, 0, -1, 7, true, true},
                              {Home, 0, int(Answer::No), 4, true, false}};
        for (const Case& c : cases) {
            FakeHost host;
            SeasonPtr season = BuildSeason(SeasonShape{}, host);
            season->homeHandicap = 4;
            season->awayHandicap = 7;
            Fixture& fixture = *season->fixtures[0];
            fixture.venue = c.venue;
            fixture.result = c.result;
            fixture.handicap = -99;
            if (c.answer >= 0)
                host.answers.push_back(Answer(c.answer));
            QCOMPARE(PrepareStoredMatchSheet(*season, host, fixture), c.printed);
            QCOMPARE(int(fixture.handicap), c.handicap);
            QCOMPARE(host.Texts(),
                     c.asked
                         ? std::vector<std::string>{"This match has not yet been played.\n"
                                                    "Do you want to print a blank result sheet?"}
                         : std::vector<std::string>{});
        }
    }

    // Asked unless already answered Yes; No by default.
    void portraitQuestion()
    {
        for (auto [answeredYes, answer, goOn] : {std::tuple{false, -1, false},
                                                 {false, int(Answer::Yes), true},
                                                 {true, int(Answer::No), true}}) {
            FakeHost host;
            if (answer >= 0)
                host.answers.push_back(Answer(answer));
            QCOMPARE(ContinueTeamResultsInPortrait(host, answeredYes), goOn);
            QCOMPARE(host.messages.size(), std::size_t(1));
            QCOMPARE(host.messages[0].title, std::string("Print"));
        }
    }

    // The fixture editor prints its working copy: the sheet shows that fixture as it stands,
    // not the season's. Without one the index names the season's fixture; none there is told.
    void matchSheetOfAGivenFixture()
    {
        FakeHost host;
        SeasonPtr season = BuildSeason(SeasonShape{}, host);
        Fixture copy = *season->fixtures[0];
        copy.opponent = "Working Copy";
        RecordingSurface surface;
        int newPages = 0;
        const auto nextPage = [&] { return ++newPages, true; };
        QVERIFY(DrawPrintout(surface, *season, host, kA4Portrait, PrintoutOptions{},
                             Printout{PrintoutKind::MatchSheet, -1, &copy}, {}, true, nextPage));
        QVERIFY(surface.FindText("Working Copy"));
        QCOMPARE(newPages, 0);
        QVERIFY(host.messages.empty());
        QVERIFY(!DrawPrintout(surface, *season, host, kA4Portrait, PrintoutOptions{},
                              Printout{PrintoutKind::MatchSheet, -1, nullptr}, {}, true, nextPage));
        QCOMPARE(host.messages.size(), std::size_t(1));
    }

    // Every team results page after the first starts a new page; a refused one ends the
    // printout there.
    void teamResultsPages()
    {
        for (int refuseAt : {0, 2}) { // 0: never
            FakeHost host;
            SeasonPtr season = BuildSeason({0, 6, 100, 60}, host);
            RecordingSurface surface;
            const int total = LayOutTeamResults(surface, *season, kA4Portrait, 70).totalPages;
            QVERIFY(total > 2);
            int newPages = 0;
            QVERIFY(DrawPrintout(surface, *season, host, kA4Portrait, PrintoutOptions{},
                                 Printout{PrintoutKind::TeamResults, 0, nullptr}, {}, true,
                                 [&] { return ++newPages != refuseAt; }));
            QCOMPARE(newPages, refuseAt ? refuseAt : total - 1);
        }
    }
};

TESSEL_TEST(TestPrintout)
#include "tst_Printout.moc"
