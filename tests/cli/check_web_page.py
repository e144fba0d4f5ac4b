#!/usr/bin/python3
"""Checks tessel-cli's web page against its own JSON report.

usage: check_web_page.py TESSEL_CLI WORK_DIR SEASON...

For every season and two MinGames values the page must parse without a single
error under html5lib in strict mode, carry nothing external, and show exactly
the figures and names of `report --format json` of the same season: the grid
(opponents, venues, game cells, P/W/L, figures, match points, team totals),
the players table and the fixture list.
"""
import json
import os
import re
import subprocess
import sys

import html5lib

STATES_SHOWN = ("Played", "OpponentAbsent")
RESULT_WORDS = {0: "Not played", 1: "Won", 2: "Drawn", 3: "Lost"}
VENUE_WORDS = {"H": "Home", "A": "Away", "N": "Neutral"}


def run(cli, *args):
    done = subprocess.run([cli, *args], capture_output=True, env=dict(os.environ, SOURCE_DATE_EPOCH="1767225600"))
    return done.returncode, done.stdout, done.stderr.decode("utf-8", "replace")


def text(element):
    return " ".join("".join(element.itertext()).split())


def shown(name):
    """A season text as the page must show it: control characters, which HTML
    forbids, stand as U+FFFD."""
    out = "".join("\ufffd" if (ord(c) < 0x20 and c not in "\t\n") or 0x7F <= ord(c) < 0xA0 else c for c in name)
    return " ".join(out.split())


def cells(row):
    return [c for c in row if c.tag in ("td", "th")]


class Checker:
    def __init__(self, label):
        self.label = label
        self.failures = 0

    def equal(self, what, got, expected):
        if got != expected:
            self.failures += 1
            print(f"{self.label}: {what}: page shows {got!r}, report says {expected!r}")


def check_page(cli, season_path, work_dir, min_games):
    label = f"{os.path.basename(season_path)} --min-games {min_games}"
    check = Checker(label)
    status, out, err = run(cli, "report", "--format", "json", "--min-games", str(min_games), season_path)
    if status != 0:
        print(f"{label}: report failed: {err}")
        return 1
    report = json.loads(out)
    page_path = os.path.join(work_dir, os.path.basename(season_path) + f".{min_games}.html")
    status, _, err = run(cli, "export", "html", "--min-games", str(min_games), "-o", page_path, season_path)
    if status != 0:
        print(f"{label}: export failed: {err}")
        return 1
    raw = open(page_path, "rb").read()

    # Self-contained: no scripts, nothing fetched from anywhere.
    for pattern in (rb"<script", rb"\bsrc\s*=", rb"\bhref\s*=", rb"url\(", rb"@import"):
        check.equal(f"occurrences of {pattern!r}", len(re.findall(pattern, raw, re.I)), 0)

    parser = html5lib.HTMLParser(strict=True, namespaceHTMLElements=False)
    try:
        root = parser.parse(raw)
    except html5lib.html5parser.ParseError as error:
        print(f"{label}: parse error: {error}")
        return 1
    check.equal("lang", root.get("lang"), "en")
    check.equal("charset", root.find("head/meta").get("charset"), "utf-8")
    check.equal("heading", text(root.find(".//h1")), shown(report["teamName"]))
    check.equal("league line", text(root.find(".//p[@class='league']")),
                shown(f"{report['leagueName']} League, Division {report['division']}"))

    fixtures, players, team = report["fixtures"], report["players"], report["team"]
    grid = root.find(".//table[@class='grid']")
    head = grid.findall("thead/tr")
    named = [bool(f["opponent"]) for f in fixtures]
    check.equal("opponents", [text(c) for c in head[0].findall("th[@class='opp']")],
                [shown(f["opponent"]) for f in fixtures])
    check.equal("venues", [text(c) for c in head[1]], [f["venue"] if n else "" for f, n in zip(fixtures, named)])
    check.equal("days of the dates", [text(c).split(" ")[0] for c in head[2]],
                [str(int(f["date"][8:])) if n else "" for f, n in zip(fixtures, named)])

    rows = grid.findall("tbody/tr")
    check.equal("grid rows", len(rows), len(players))
    for player, row in zip(players, rows):
        row_cells = cells(row)
        check.equal("grid name", text(row_cells[0]), shown(player["name"]))
        check.equal("markup inside a name", len(list(row_cells[0])), 0)
        expected = []
        for f, n in zip(fixtures, named):
            cell = ""
            if f["result"] != 0 and n:
                for g in f["games"]:
                    if g["playerId"] == player["id"] and g["state"] in STATES_SHOWN:
                        cell = "W/O" if g["state"] == "OpponentAbsent" else f"{g['scoreFor']}-{g['scoreAgainst']}"
            expected.append(cell)
        expected += [str(player["played"]), str(player["won"]), str(player["lost"]), player["measureText"].strip()]
        check.equal(f"grid row of {player['name']!r}", [text(c) for c in row_cells[1:]], expected)

    foot = grid.findall("tfoot/tr")
    ours, theirs = [], []
    for f, n in zip(fixtures, named):
        halves = f["resultText"].split("-", 1) if f["result"] != 0 and n and "-" in f["resultText"] else ["", ""]
        ours.append(halves[0].strip())
        theirs.append(halves[1].strip())
    check.equal("totals row", [text(c) for c in cells(foot[1])[1:]],
                ours + [str(team["matchesPlayed"]), str(team["matchesWon"]), str(team["matchesLost"]),
                        team["teamAverageText"]])
    check.equal("against row", [text(c) for c in cells(foot[2])[1:]], theirs + [""])

    rows = root.findall(".//table[@class='list players']/tbody/tr")
    check.equal("players table rows", len(rows), len(players))
    for player, row in zip(players, rows):
        values = [text(c) for c in cells(row)]
        check.equal("players row", values[:5] + values[7:],
                    [str(player["rank"]), shown(player["name"]), str(player["played"]), str(player["won"]),
                     str(player["lost"]), player["measureText"].strip()])
        for column, field in ((5, "shotsFor"), (6, "shotsAgainst")):
            if abs(float(values[column]) - player[field]) > 0.05 + 1e-9:
                check.equal(f"{field} of {player['name']!r}", values[column], player[field])

    rows = root.findall(".//table[@class='list fixtures']/tbody/tr")
    check.equal("fixture list rows", len(rows), len(fixtures))
    for f, row in zip(fixtures, rows):
        row_cells = cells(row)
        played = f["result"] != 0
        check.equal("fixture row", [text(c) for c in row_cells[2:]],
                    [VENUE_WORDS[f["venue"]], shown(f["opponent"]), RESULT_WORDS[f["result"]],
                     " ".join(f["resultText"].split()) if played else "",
                     f"{f['shotsFor']}-{f['shotsAgainst']}" if played else ""])
        check.equal("fixture number", text(row_cells[0]), str(f["index"] + 1))
        check.equal("fixture date", row_cells[1].find("time").get("datetime"), f["date"])
    return check.failures


def main():
    cli, work_dir, seasons = sys.argv[1], sys.argv[2], sys.argv[3:]
    os.makedirs(work_dir, exist_ok=True)
    failures = sum(check_page(cli, s, work_dir, m) for s in seasons for m in (1, 3))

    # A page that cannot be written is an error, and nothing is left behind.
    missing = os.path.join(work_dir, "no-such-folder", "page.html")
    status, _, err = run(cli, "export", "html", "-o", missing, seasons[0])
    if status != 1 or "Cannot write file" not in err or os.path.exists(os.path.dirname(missing)):
        print(f"export into a missing folder: status {status}, message {err!r}")
        failures += 1
    status, _, err = run(cli, "export", "pdf", "-o", missing, seasons[0])
    if status != 2:
        print(f"export of an unknown kind: status {status}")
        failures += 1
    print("failures:", failures)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
