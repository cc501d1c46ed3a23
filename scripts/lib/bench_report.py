#!/usr/bin/env python3
"""Writes BENCHMARKS.md from the logs of scripts/bench.sh: the machine it ran on and, per area, the
figures the benchmark programs printed on their closing `RESULT {json}` lines."""

import argparse
import json
import statistics
import sys
from pathlib import Path

MET, MISSED = "✔", "✘"


def read_results(logs, name):
    """The RESULT object of every run of benchmark `name`, in run order."""
    results = []
    for log in sorted(logs.glob(f"{name}.*.log"), key=lambda path: int(path.suffixes[0][1:])):
        lines = [line for line in log.read_text(errors="replace").splitlines() if line.startswith("RESULT ")]
        results.append(json.loads(lines[-1][len("RESULT "):]))
    if not results:
        sys.exit(f"bench_report: no results of {name} in {logs}")
    return results


def median(results, figure):
    """The median over the runs of `figure(result)`: ratios are taken within a run, then the median."""
    return statistics.median(figure(result) for result in results)


def count(number, word, plural=None):
    return f"{number} {word if number == 1 else plural or word + 's'}"


def ms(value):
    return f"{value:,.1f} ms"


def mib(value):
    return f"{value:,.1f} MiB"


class Report:
    def __init__(self):
        self.lines = []
        self.goals = []  # (figure, value, goal)

    def add(self, *lines):
        self.lines.extend(lines)

    def verdict(self, figure, value, goal):
        if goal is None:
            return ["—", ""]
        self.goals.append((figure, value, goal))
        return [f"≤ {goal:g}", MET if value <= goal else MISSED]

    def table(self, header, rows):
        self.add("| " + " | ".join(header) + " |", "|" + "---|" * len(header))
        self.add(*("| " + " | ".join(row) + " |" for row in rows))
        self.add("")

    def ratio_rows(self, rows):
        """Rows of (figure, anchor, measured, ratio, goal) as table cells, with the verdict."""
        return [[figure, anchor, measured, f"{ratio:.2f}", *self.verdict(figure, ratio, goal)]
                for figure, anchor, measured, ratio, goal in rows]


def machine_section(report, machine, seconds):
    report.add(
        "## Machine", "",
        "| | |", "|---|---|",
        f"| CPU | {machine['cpu']}, {count(int(machine['cores']), 'core')} |",
        f"| Memory | {int(machine['memory_kib']) / 1024 ** 2:.1f} GiB |",
        f"| Load average as the benchmarks started (1, 5, 15 min) | {machine['load']} |",
        f"| Qt | {machine['qt']} |",
        f"| Mesa (OpenGL of the interface benchmark) | {machine['mesa']} |",
        f"| Date | {machine['date']} |",
        f"| Runs per program (`--runs`) | {machine['runs']} |",
        f"| Duration of the whole script, build included | {seconds // 60} min {seconds % 60} s |",
        "")


def method_section(report, runs):
    report.add(
        "## Method", "",
        "Every figure is a ratio to an anchor measured in the same run on the same machine; the absolute "
        "times are there to size the anchors and move with the machine and its load. "
        f"Each program below ran {count(runs, 'time')}; a table shows the median over the runs of the ratio "
        "taken within each run, and the median of the absolute figures. The interface benchmark starts "
        f"{count(runs, 'fresh process', 'fresh processes')} per figure itself and shows the median of each "
        "figure and the ratio of those medians.", "",
        "- **Request engine**: 2,000 requests to a loopback server, median of 5 rounds per run. "
        "Anchor: the same requests, headers included, through a bare `QNetworkAccessManager`.",
        "- **Layout model**: a library of 500 classrooms of 40 team blocks with 10 icons each, read and "
        "written through the model, best of 5 rounds per run. Anchor: a bare `QJsonDocument` parse and "
        "serialise of the same bytes.",
        "- **Routing**: `trellion-sim` pods that answer after 20 ms each. Anchors: a GET for a PATCH "
        "(one call at a time on one kept-alive connection); the floor of two round trips (40 ms: "
        "versions, then configures) for opening a session; for primary-to-all, one round of connects "
        "per six tables with the session's fixed 1 s wait taken out; one round trip for a route "
        "added and removed.",
        "- **Interface**: the real window on Xvfb through the xcb platform and Mesa's llvmpipe OpenGL, "
        "as the UI tests run; every process starts from empty data and settings directories. Start-up "
        "runs from the process's start (`/proc/self/stat`, to the 10 ms clock tick) to the first "
        "`frameSwapped` of the login screen; resident memory is `VmRSS`. Anchor: a bare QML `Window` "
        "holding one `Text`, started from the same binary. Frame times are the intervals between "
        "`frameSwapped` signals on the routing screen of a 40-block classroom on 41 simulated pods, "
        "over 2 s of dragging and 3 s of animation; with about a hundred frames per process, a p99 is "
        "close to that process's longest interval. Anchor: the display interval from "
        "`QScreen::refreshRate()`. Idle: once a screen has drawn no frame for 1 s (or after 15 s, if it "
        "never stops), 30 s in which nothing is done, with the share of one core the app's own process "
        "used in that time (`getrusage`, all its threads, the renderer's included; the simulator is "
        "another process) and the frames it swapped.",
        "")


def request_engine_section(report, results):
    report.add("## Request engine", "")
    rows = []
    for key, figure in (("pod", "Pod requests up to one barrier"), ("cloud", "Direct cloud requests")):
        raw = median(results, lambda r: r[f"{key}RawMs"])
        engine = median(results, lambda r: r[f"{key}EngineMs"])
        ratio = median(results, lambda r: r[f"{key}EngineMs"] / r[f"{key}RawMs"])
        rows.append((f"{figure}, 2,000", ms(raw), ms(engine), ratio, 1.1))
    report.table(["Figure", "Anchor: raw QNetworkAccessManager", "Engine", "Engine / raw", "Goal", ""],
                 report.ratio_rows(rows))


def layout_model_section(report, results):
    report.add("## Layout model", "")
    bare = median(results, lambda r: r["bareMsPerClassroom"])
    model = median(results, lambda r: r["modelMsPerClassroom"])
    ratio = median(results, lambda r: r["modelMsPerClassroom"] / r["bareMsPerClassroom"])
    report.table(["Figure", "Anchor: bare QJsonDocument parse + serialise", "Model read + write", "Model / bare",
                  "Goal", ""],
                 report.ratio_rows([("Time per classroom", ms(bare), ms(model), ratio, 3)]))


def routing_section(report, results):
    floor = results[0]["floorMs"]
    report.add("## Routing", "",
               f"Pods answer after {results[0]['latencyMs']} ms. libcurl is the app's transport for pod "
               "calls and the goals are its; Qt's path is shown beside it for comparison.", "")
    rows = []
    raw_rows = []
    for transport, label in (("curl", "libcurl"), ("qt", "Qt")):
        if transport not in results[0]:
            continue
        runs = [result[transport] for result in results]
        # The goals are the app's transport's; Qt's path is the comparison.
        goal_of = (lambda goal: goal) if transport == "curl" else (lambda goal: None)
        rows.append((f"PATCH vs GET, one call at a time ({label})", f"GET {ms(median(runs, lambda r: r['getMs']))}",
                     f"PATCH {ms(median(runs, lambda r: r['patchMs']))}",
                     median(runs, lambda r: r["patchMs"] / r["getMs"]), goal_of(1.1)))
        for pods, goal in ((10, None), (50, 1.5), (200, 3)):
            key = f"sessionStart{pods}"
            opened = median(runs, lambda r: r[key]["ms"])
            rows.append((f"Session open until all {pods} pods are connected ({label})", f"floor {ms(floor)}",
                         ms(opened), median(runs, lambda r: r[key]["ms"] / floor), goal_of(goal)))
            raw_rows.append([f"{pods} pods ({label})", ms(median(runs, lambda r: r[key]["rawMs"])), ms(opened),
                             f"{median(runs, lambda r: r[key]['ms'] / r[key]['rawMs']):.2f}"])
        primary = runs[0]["primaryToAll"]
        rows.append((f"Primary to all, {primary['pods'] - 1} tables, 1 s wait taken out ({label})",
                     f"floor {ms(primary['floorMs'])}",
                     ms(median(runs, lambda r: r["primaryToAll"]["ms"] - r["primaryToAll"]["waitMs"])),
                     median(runs, lambda r: (r["primaryToAll"]["ms"] - r["primaryToAll"]["waitMs"])
                            / r["primaryToAll"]["floorMs"]), goal_of(3)))
    report.table(["Figure", "Anchor", "Measured", "Ratio", "Goal", ""], report.ratio_rows(rows))

    report.add("Session open against the same two rounds sent straight through a fresh "
               "`QNetworkAccessManager` (no goal):", "")
    report.table(["Session open", "Raw Qt rounds", "Session", "Session / raw"], raw_rows)

    churn = [result["churn"] for result in results]
    cycles = churn[0]["cycles"]
    before = median(churn, lambda r: r["rssBeforeKiB"])
    after = median(churn, lambda r: r["rssAfterKiB"])
    growth = median(churn, lambda r: r["rssAfterKiB"] - r["rssBeforeKiB"])
    report.add(f"Route churn: {cycles:,} routes added and removed one after the other on 50 pods (libcurl):", "")
    report.table(["Figure", "Anchor", "Measured", "Ratio", "Goal", ""], report.ratio_rows([
        ("Time per add/remove cycle", f"one round trip {ms(results[0]['latencyMs'])}",
         ms(median(churn, lambda r: r["msPerCycle"])),
         median(churn, lambda r: r["msPerCycle"]) / results[0]["latencyMs"], None),
        ("Resident memory after the cycles", f"before {before / 1024:,.1f} MiB", f"{after / 1024:,.1f} MiB",
         median(churn, lambda r: r["rssAfterKiB"] / r["rssBeforeKiB"]), None),
    ]))
    report.add(f"Resident memory grew by {growth:+,.0f} KiB over the {cycles:,} cycles (median of the runs).", "")
    opening_section(report, results)


# app / bare client goals per pod count, for both figures
OPENING_GOALS = {50: 1.2, 200: 1.4, 400: 1.6}


def opening_section(report, results):
    """Opening a classroom, alternating with the bare libcurl client in one run."""
    latency = results[0]["latencyMs"]
    openings = [result["opening"] for result in results]
    report.add(
        "### Opening a classroom against a bare libcurl client", "",
        "`bench/BareOpenBench.cpp` sends the same opening calls to the same pods with nothing but libcurl's "
        "multi interface: every version GET, then every configure PATCH, then the banner and forwarding "
        f"PATCHes. It and the app's session take turns, {openings[0]['alternations']} times per size and run, "
        "each from closed connections; a row shows the median over the runs of the median over the turns "
        "of each turn's ratio. The bare client is started with posix_spawn: a fork would leave every page of "
        "the benchmark's process copy-on-write, and the session after it would pay a page fault for each page "
        "it writes. *Connected*: until every pod answered its configure (the plan is usable; "
        f"floor two round trips, {ms(2 * latency)}). *All answered*: until every opening call is answered, "
        f"banners and forwarding included (floor three round trips, {ms(3 * latency)}).", "")
    rows = []
    for pods in sorted(int(size) for size in openings[0]["sizes"]):
        for figure, key, floor in (("connected", "Connected", 2 * latency), ("all answered", "Answered", 3 * latency)):
            turns = [opening["sizes"][str(pods)] for opening in openings]

            def turn_median(value):
                return median(turns, lambda run: statistics.median(value(turn) for turn in run))

            app = turn_median(lambda turn: turn[f"app{key}Ms"])
            ratio = turn_median(lambda turn: turn[f"app{key}Ms"] / turn[f"bare{key}Ms"])
            rows.append([f"{pods} pods, {figure}", ms(turn_median(lambda turn: turn[f"bare{key}Ms"])), ms(app),
                         f"{ratio:.2f}", *report.verdict(f"Opening {pods} pods, {figure}: app / bare", ratio,
                                                          OPENING_GOALS.get(pods)),
                         f"{turn_median(lambda turn: turn[f'bare{key}Ms'] / floor):.2f}", f"{app / floor:.2f}"])
    report.table(["Figure", "Anchor: bare libcurl client", "App", "App / bare", "Goal", "", "Bare / floor",
                  "App / floor"], rows)
    share = median(openings, lambda opening: opening["otherShare"])
    report.add(f"Other processes used {share:.0%} of the machine while the openings ran (median of the runs; "
               "this program, its bare clients and the simulator left out).", "")


def interface_section(report, result):
    failed = result["failed"]
    left_out = f"; {failed} failed and {'were' if failed > 1 else 'was'} left out" if failed else ""
    processes = count(result["runs"], "fresh process", "fresh processes")
    report.add("## Interface", "", f"Medians of {processes} per figure{left_out}.", "")
    bare_rss = result["bareRssMiB"]
    report.table(["Figure", "Anchor: bare Qt Quick window", "App", "App / bare", "Goal", ""], report.ratio_rows([
        ("Cold start to the first frame (login screen)", ms(result["bareStartMs"]), ms(result["appStartMs"]),
         result["appStartMs"] / result["bareStartMs"], 1.3),
        ("Resident memory at the first frame", mib(bare_rss), mib(result["appRssMiB"]),
         result["appRssMiB"] / bare_rss, 1.5),
        ("Resident memory, routing screen of 40 blocks", mib(bare_rss), mib(result["routingRssMiB"]),
         result["routingRssMiB"] / bare_rss, 1.5),
    ]))
    report.add(
        "What the app pays for over the bare window before its first frame, timed inside the app's process on "
        "the development machine: its managers take about 12 ms (most of it the first network access manager "
        "loading Qt's bearer plugins, and OpenSSL for the pods' TLS configuration); loading the interface about "
        "190 ms, of which some 110 ms is creating the window's OpenGL context, which the bare window pays too, "
        "and about 20 ms building the login screen; the first frame then draws the login screen in the app's "
        "two fonts. The screen background is a small gradient stretched, so nothing large is decoded. On the "
        "routing screen most of the extra memory is heap: the screens shown on the way, which stay loaded so "
        "that going back is instant (login, library, first-use guide), and the 40 blocks, each a delegate with "
        "its live-view button and its route lines, with the routing session's objects behind them; the rest "
        "is the libraries Qt Quick Controls and the app load. The routing screen's dialogs (messages, live "
        "view, leaving, screen key) are built only when first opened.", "")
    interval = result["displayIntervalMs"]
    rows = []
    for key, figure in (("drag", "A route dragged across the plan, 2 s"),
                        ("animation", "40 routes animating after primary to all, 3 s")):
        p99 = result[f"{key}P99Ms"]
        rows.append([figure, f"{result[f'{key}Frames']:.0f}", ms(result[f"{key}MedianMs"]), ms(p99),
                     f"{p99 / interval:.2f}", *report.verdict(f"Frame p99, {figure}", p99 / interval, 2)])
    report.add(f"Frame intervals on the routing screen of 40 blocks; display interval {interval:.1f} ms "
               f"({1000 / interval:.0f} Hz):", "")
    report.table(["Figure", "Frames", "Median interval", "p99 interval", "p99 / display interval", "Goal", ""], rows)
    idle_section(report, result)


def idle_section(report, result):
    rows = []
    for key, screen in (("library", "Library"), ("editor", "Editor, classroom of 40 blocks"),
                        ("routing", "Routing screen, 40 blocks, no route"),
                        ("routed", "Routing screen, 40 live routes")):
        figures = result["idle"][key]
        cpu, fps = figures["cpuPercent"], figures["framesPerSecond"]
        rows.append([screen, f"{cpu:.2f} %", *report.verdict(f"Idle CPU share of one core, {screen}, %", cpu, 2),
                     f"{fps:.2f}", *report.verdict(f"Idle frames per second, {screen}", fps, 0)])
    report.add(f"Idle for {result['idleSeconds']} s, the screen still first; the routing screens during a "
               "session whose 41 pods are checked every 5 s:", "")
    report.table(["Screen", "CPU share of one core", "Goal", "", "Frames per second", "Goal", ""], rows)


def pod_health_section(report, results):
    first = results[0]
    report.add("## Pod health checks", "",
               f"An idle routing session whose pods are checked every {first['periodMs'] / 1000:g} s, watched "
               f"for {first['idleSeconds']} s and then, as the anchor, left for as long without checks.", "")
    rows = []
    for pods, goal in ((50, 2), (200, None)):  # percent of one core
        key = f"pods{pods}"
        share = median(results, lambda r: r[key]["cpuShare"])
        without = median(results, lambda r: r[key]["cpuShareWithoutChecks"])
        checks = median(results, lambda r: r[key]["checksPerPodMinute"])
        rows.append([f"{pods} pods", f"{100 * without:.2f} %", f"{100 * share:.2f} %", f"{checks:.1f}",
                     *report.verdict(f"CPU share of one core, {pods} pods, %", 100 * share, goal)])
    report.table(["Room", "Anchor: CPU share without checks", "CPU share of one core with checks",
                  "Checks per pod and minute", "Goal", ""], rows)


def hostile_peers_section(report, result):
    report.add("## Hostile peers", "",
               "The fault run `tests/Faults/HostilePeerTest` (label `faults`): one pod of a five-display room, or "
               "the cloud service, answers each input below; the well-behaved room is the anchor. The longest "
               "the GUI thread went without returning to its event loop, as wall time and as the thread's own CPU "
               "time (what the app itself spent; the wall time also counts a busy machine's scheduling), and "
               "the most resident memory gained while it ran.", "")
    anchor = "well-behaved room"
    order = [anchor] + sorted(name for name in result if name != anchor)
    rows = []
    for name in order:
        figures = result[name]
        rows.append([name, f"{figures['worstStallMs']:.0f} ms", f"{figures['worstBusyMs']:.1f} ms",
                     *report.verdict(f"GUI thread busy at once, {name}, ms", figures["worstBusyMs"], 250),
                     f"{figures['peakGrowthMiB']:.1f} MiB",
                     *report.verdict(f"memory gained, {name}, MiB", figures["peakGrowthMiB"], 200)])
    report.table(["Input", "Worst stall (wall)", "Worst stall (GUI thread busy)", "Goal", "",
                  "Peak memory gained", "Goal", ""], rows)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--logs", type=Path, required=True)
    parser.add_argument("--seconds", type=int, required=True, help="how long the whole script took")
    parser.add_argument("--output", type=Path, required=True)
    arguments = parser.parse_args()

    machine = dict(line.split("=", 1) for line in (arguments.logs / "machine.env").read_text().splitlines())
    report = Report()
    machine_section(report, machine, arguments.seconds)
    method_section(report, int(machine["runs"]))
    request_engine_section(report, read_results(arguments.logs, "request_engine"))
    layout_model_section(report, read_results(arguments.logs, "layout_model"))
    routing_section(report, read_results(arguments.logs, "routing_session"))
    pod_health_section(report, read_results(arguments.logs, "pod_health"))
    interface_section(report, read_results(arguments.logs, "interface")[0])
    hostile_peers_section(report, read_results(arguments.logs, "hostile_peers")[0])

    missed = [(figure, value, goal) for figure, value, goal in report.goals if value > goal]
    header = [
        "# Benchmarks", "",
        "Generated by `scripts/bench.sh`; do not edit by hand, run the script again. The programs are in "
        "`bench/`.", "",
        f"{len(report.goals) - len(missed)} of {len(report.goals)} goals met.", "",
    ]
    arguments.output.write_text("\n".join(header + report.lines).rstrip("\n") + "\n")
    for figure, value, goal in missed:
        print(f"goal missed: {figure}: {value:.2f} (goal <= {goal:g})")


if __name__ == "__main__":
    main()
