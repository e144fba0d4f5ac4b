#include "render/Printout.h"

#include "model/Host.h"
#include "render/MatchSheet.h"
#include "render/PlayerSummaryPrint.h"

bool PrepareStoredMatchSheet(Season& season, Host& host, Fixture& fixture)
{
    fixture.handicap = fixture.venue == Away ? season.awayHandicap : season.homeHandicap;
    if (fixture.result != ResultNone)
        return true;
    return host.Ask(
               "This match has not yet been played.\nDo you want to print a blank result sheet?",
               "Bowls results", Buttons::YesNo, Answer::Yes) == Answer::Yes;
}

bool ContinueTeamResultsInPortrait(Host& host, bool answeredYes)
{
    constexpr std::string_view question =
        "Landscape mode is better for this printout. If you continue, the output will have to be "
        "squeezed to fit. Continue anyway?";
    if (answeredYes) {
        host.ShowMessage(question, "Print", MessageIcon::Question);
        return true;
    }
    return host.Ask(question, "Print", Buttons::YesNo, Answer::No) == Answer::Yes;
}

bool DrawPrintout(Surface& surface, const Season& season, Host& host, const PrintableArea& area,
                  const PrintoutOptions& options, const Printout& printout,
                  const std::vector<PageRange>& ranges, bool allPages,
                  const std::function<bool()>& nextPage)
{
    switch (printout.kind) {
    case PrintoutKind::MatchSheet: {
        const Fixture* fixture =
            printout.fixture ? printout.fixture : season.FixtureAt(printout.index);
        return PrintMatchSheet(surface, host, season, fixture, area.widthMm, area.heightMm,
                               options.homeOnLeft);
    }
    case PrintoutKind::PlayerSummary:
        return PrintPlayerSummary(surface, host, season, printout.index, area.widthMm,
                                  area.heightMm);
    case PrintoutKind::TeamResults: {
        // The layout is planned before the first page so that "all pages"
        // means every page of this job, however many.
        const TeamPrintLayout planned =
            LayOutTeamResults(surface, season, area, options.team.minPrintScale);
        TeamPrintLayout layout;
        bool first = true;
        for (int page : TeamResultsPagesToPrint(ranges, allPages, planned.totalPages)) {
            if (!first && !nextPage())
                break;
            PrintTeamResultsPage(surface, season, host, area, options.team, page, first, layout);
            first = false;
        }
        return true;
    }
    }
    return false;
}
