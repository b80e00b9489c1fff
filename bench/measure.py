"""Measures Korvalde's performance figures; called by bench/run after the build.

Every figure is the median of repeated runs on this machine, taken in one go:
start-up to the first painted page and peak memory against a bare Qt Widgets program
and against one that shows a label
(all timed by the same probe plugin), the scenario suite in both modes, and the slowest
single user action in the core and through the widgets; the suite's pace also in user
actions per second.
"""

import argparse
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SCENARIOS = ROOT / "tests" / "scenarios"
CASCADES = ROOT / "bench" / "cascades"
# Every page and every dialog, each shown once: start page, pages 2 to 5 with the six
# mount dialogs opened and cancelled, then the completion page.
EVERY_PAGE = (
    "Form1.Option9 Form1.Command1 Form2.Weiter1 Form3.Command2 Form4.Command2"
    " Form12.entfernungsmesser form6.cancel Form12.sichtgerät Form11.cancel"
    " Form12.laserziel Form7.cancel Form12.laser Form10.cancel"
    " Form12.ultraschall Form8.cancel Form12.smartextern Form9.cancel Form12.Command2"
)
RUN_SECONDS = 120
SLOWEST_SHOWN = 5
# What a user does; the other commands check or prepare.
USER_ACTIONS = {"click", "pick", "type", "close", "save", "save-cancel", "open", "open-cancel"}


def figure(name, value):
    print(f"{name}: {value}", flush=True)


class Xvfb:
    """A private X server, so the programs paint real windows."""

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            self.display = ":" + pipe.readline().strip()
        return self

    def __exit__(self, *_):
        self.process.terminate()
        self.process.wait()


def run_measured(command, env):
    """Runs a program; returns (milliseconds from launch to its first paint, peak kB,
    and what else the probe reported)."""
    start = time.monotonic_ns()
    process = subprocess.Popen(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    output = process.stdout.read()
    _, status, usage = os.wait4(process.pid, 0)
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0 or "first_paint_ns" not in output:
        sys.exit(f"bench: {command[0]} failed (exit {process.returncode}): {output}")
    details = {name: int(value) for name, value in re.findall(r"^(\w+): (\d+)$", output, re.M)}
    details["own_start_ms"] = (details["first_paint_ns"] - details["probe_loaded_ns"]) / 1e6
    return (details["first_paint_ns"] - start) / 1e6, usage.ru_maxrss, details


def startup_and_memory(build, display, repeat, runtime_dir):
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime_dir,
               QT_PLUGIN_PATH=str(build / "plugins"), QT_QPA_GENERIC_PLUGINS="firstpaintprobe")
    env.pop("FIRSTPAINTPROBE_CLICKS", None)
    walk = dict(env, FIRSTPAINTPROBE_CLICKS=EVERY_PAGE)
    programs = {"bare": [str(build / "bare-qt")], "label": [str(build / "label-qt")],
                "korvalde": [str(build / "korvalde")]}
    for _ in range(2):  # warm the file cache and the font cache for all three
        for command in programs.values():
            run_measured(command, env)
    # Interleaved, so that load from elsewhere falls on all alike.
    starts = {name: [] for name in programs}
    own_starts = {name: [] for name in programs}
    memory = {name: [] for name in programs}
    memory["korvalde_every_page"] = []
    for _ in range(repeat):
        for name, command in programs.items():
            milliseconds, kilobytes, details = run_measured(command, env)
            starts[name].append(milliseconds)
            own_starts[name].append(details["own_start_ms"])
            memory[name].append(kilobytes)
        _, kilobytes, walked = run_measured(programs["korvalde"], walk)
        memory["korvalde_every_page"].append(kilobytes)
    start_ms = {name: statistics.median(times) for name, times in starts.items()}
    for name in programs:
        figure(f"startup_{name}_ms", f"{start_ms[name]:.1f}")
    figure("startup_ratio", f"{start_ms['korvalde'] / start_ms['bare']:.2f}")
    figure("startup_label_ratio", f"{start_ms['korvalde'] / start_ms['label']:.2f}")
    # Of which from the making of the QApplication to the first paint (the rest is loading).
    for name in programs:
        figure(f"startup_{name}_after_qapplication_ms", f"{statistics.median(own_starts[name]):.1f}")
    memory_kb = {name: statistics.median(sizes) for name, sizes in memory.items()}
    figure("memory_bare_kb", f"{memory_kb['bare']:.0f}")
    figure("memory_label_kb", f"{memory_kb['label']:.0f}")
    figure("memory_korvalde_start_kb", f"{memory_kb['korvalde']:.0f}")
    figure("memory_korvalde_every_page_kb", f"{memory_kb['korvalde_every_page']:.0f}")
    figure("memory_ratio", f"{memory_kb['korvalde_every_page'] / memory_kb['bare']:.2f}")
    figure("memory_label_ratio", f"{memory_kb['korvalde_every_page'] / memory_kb['label']:.2f}")
    # Pages are built when first shown: few widgets at the start, many after the walk.
    figure("korvalde_widgets_at_start", walked["widgets_at_first_paint"])
    figure("korvalde_widgets_after_every_page", walked["widgets_at_end"])


def user_actions_in(folder):
    """The user actions of every scenario below the folder, by the first word of each line."""
    count = 0
    for path in folder.rglob("*.scn"):
        for line in path.read_text(encoding="utf-8").splitlines():
            words = line.split(maxsplit=1)
            if words and words[0] in USER_ACTIONS:
                count += 1
    return count


def scenario_suite(build, repeat, gui):
    command = [str(build / "korvalde-scenario")] + (["--gui"] if gui else []) + [str(SCENARIOS)]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    seconds = []
    for _ in range(repeat):
        start = time.monotonic()
        result = subprocess.run(command, env=env, capture_output=True, text=True, timeout=RUN_SECONDS * 5)
        seconds.append(time.monotonic() - start)
        closing = re.search(r"^(\d+) passed, (\d+) failed$", result.stdout, re.M)
        if result.returncode != 0 or closing is None or closing.group(2) != "0":
            sys.exit(f"bench: the scenario suite failed:\n{result.stdout}")
    mode = "gui" if gui else "core"
    figure(f"{mode}_scenarios", closing.group(1))
    figure(f"{mode}_scenarios_per_s", f"{int(closing.group(1)) / statistics.median(seconds):.1f}")
    # The tool's own pace, its start and a process per scenario included.
    actions = user_actions_in(SCENARIOS)
    figure(f"{mode}_actions", actions)
    figure(f"{mode}_actions_per_s", f"{actions / statistics.median(seconds):.0f}")


def action_times(build, repeat, gui, display, runtime_dir):
    """Each action's time is the median of its repeated runs; reports the slowest."""
    command = [str(build / "action-times")] + (["--gui"] if gui else []) + [str(SCENARIOS), str(CASCADES)]
    # The scenarios' output folders, where the file dialogs look, lie in a private folder:
    # a dialog watches the folder above its own, and the machine's /tmp, with the entries of
    # every build before, made adding that watch cost tens of milliseconds in the kernel,
    # which a user's documents folder does not.
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime_dir,
               TMPDIR=str(Path(runtime_dir) / "scenarios"))
    Path(env["TMPDIR"]).mkdir(exist_ok=True)
    samples = {}
    cpu_samples = {}
    paints = {}
    idle_work = []
    idle_work_cpu = []
    for _ in range(repeat):
        result = subprocess.run(command, env=env, capture_output=True, text=True, timeout=RUN_SECONDS)
        if result.returncode != 0:
            sys.exit(f"bench: action-times failed:\n{result.stderr[-3000:]}")
        for milliseconds, action, painted, cpu in re.findall(
                r"^([\d.]+) ms (.+) \((\d+) paints, ([\d.]+) ms processor\)$", result.stdout, re.M):
            action = action.replace(str(ROOT) + "/", "")
            samples.setdefault(action, []).append(float(milliseconds))
            cpu_samples.setdefault(action, []).append(float(cpu))
            paints[action] = painted
        idle = re.search(r"^longest idle work: ([\d.]+) ms$", result.stdout, re.M)
        if idle:
            idle_work.append(float(idle.group(1)))
        idle_cpu = re.search(r"^longest idle work in processor time: ([\d.]+) ms$", result.stdout, re.M)
        if idle_cpu:
            idle_work_cpu.append(float(idle_cpu.group(1)))
    medians = sorted(((statistics.median(times), action) for action, times in samples.items()), reverse=True)
    mode = "gui" if gui else "core"
    budget = 16 if gui else 1  # one frame through the widgets; at once in the core
    for milliseconds, action in medians[:SLOWEST_SHOWN]:
        figure(f"{mode}_slowest", f"{milliseconds:.3f} ms {action} ({paints[action]} paints)")
    over = sum(1 for milliseconds, _ in medians if milliseconds >= budget)
    figure(f"{mode}_actions_over_{budget}_ms", f"{over} of {len(medians)}")
    # Saving waits for the disk: the file is synced before it replaces the old one.
    without_save = [(milliseconds, action) for milliseconds, action in medians if " save" not in action]
    for milliseconds, action in without_save[:SLOWEST_SHOWN]:
        figure(f"{mode}_slowest_without_save", f"{milliseconds:.3f} ms {action} ({paints[action]} paints)")
    figure(f"{mode}_action_max_without_save_ms", f"{without_save[0][0]:.3f}")
    # Opening a sheet has a target of its own; every other action is to fit in one frame.
    without_open = [(milliseconds, action) for milliseconds, action in medians if " open" not in action]
    figure(f"{mode}_action_max_without_open_ms", f"{without_open[0][0]:.3f}")
    opening = [milliseconds for milliseconds, action in medians if " open" in action]
    if opening:
        figure(f"{mode}_open_max_ms", f"{max(opening):.3f}")
    figure(f"{mode}_action_worst_single_run_ms", f"{max(max(times) for times in samples.values()):.3f}")
    figure(f"{mode}_action_max_ms", f"{medians[0][0]:.3f}")
    # The processor time the process spent on an action does not grow with the load from
    # elsewhere, as its time does: the slowest by that measure, to compare runs under load.
    cpu_medians = sorted(((statistics.median(times), action) for action, times in cpu_samples.items()), reverse=True)
    for milliseconds, action in cpu_medians[:SLOWEST_SHOWN]:
        figure(f"{mode}_slowest_processor", f"{milliseconds:.3f} ms {action}")
    figure(f"{mode}_action_max_processor_ms", f"{cpu_medians[0][0]:.3f}")
    # Work the program leaves for idle time (dialogs built ahead) runs in the user's pause
    # between actions; a click that came in the middle of it would wait this long at most.
    if idle_work:
        figure(f"{mode}_idle_work_max_ms", f"{statistics.median(idle_work):.3f}")
    if idle_work_cpu:
        figure(f"{mode}_idle_work_max_processor_ms", f"{statistics.median(idle_work_cpu):.3f}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", type=Path, required=True)
    parser.add_argument("--repeat", type=int, default=5)
    arguments = parser.parse_args()
    figure("repeat", arguments.repeat)
    with tempfile.TemporaryDirectory() as runtime_dir, Xvfb() as server:
        os.chmod(runtime_dir, 0o700)
        startup_and_memory(arguments.build, server.display, arguments.repeat, runtime_dir)
        action_times(arguments.build, arguments.repeat, False, server.display, runtime_dir)
        action_times(arguments.build, arguments.repeat, True, server.display, runtime_dir)
    scenario_suite(arguments.build, arguments.repeat, False)
    scenario_suite(arguments.build, arguments.repeat, True)


if __name__ == "__main__":
    main()
