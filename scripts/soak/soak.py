#!/usr/bin/env python3
"""A long run of the board under the address and leak sanitizers.

Plays one scenario of many drops (good, bad, huge and cut picture files, and things that are
no files at all) over every cell, with double clicks, clear-all, saves and mails in between,
through the scenario driver. Every drop is followed by a right click whose position numbers
it, so each line of the log can be laid at the drop it belongs to. The run passes when:

- the driver exits 0 and the sanitizers report nothing (no leak, no memory error, no
  undefined behaviour);
- every error shown is the one the dropped file calls for (a good file none, a bad one its
  reader's text, a cut one its reader's text or none), and no other line appears;
- the peak memory after the last drop is within 10 % of the peak after the first thousand.

Usage: soak.py DRIVER [--drops N] [--seed S] [--keep]
"""

import argparse
import os
import random
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time

CELLS = 30
OPEN_ERROR = "ファイル {} は開けません."
BITMAP_ERROR = "ビットマップイメージが不正です."
JPEG_ERROR = re.compile(r"JPEG エラー #\d+\.")
CAPTION = "ぽてりんこ"


# ---- the files dropped ---------------------------------------------------------------------


def pattern_rows(width, height, seed):
    """Rows of RGB bytes with some structure, so the codecs have real work to do."""
    base = bytes((x * 7 + seed) & 255 for x in range(width * 3 + 3 * height))
    for y in range(height):
        yield base[3 * y:3 * y + width * 3]


def bmp(width, height, bits, seed=0):
    """An uncompressed bitmap, bottom-up, with a grey palette where it has one."""
    colours = 1 << bits if bits <= 8 else 0
    palette = b"".join(struct.pack("<BBBB", v, (v * 3) & 255, 255 - v, 0)
                       for v in (i * 255 // max(1, colours - 1) for i in range(colours)))
    stride = (width * bits + 31) // 32 * 4
    rows = []
    for y, rgb in enumerate(pattern_rows(width, height, seed)):
        if bits == 24:
            row = bytes(b for i in range(width) for b in (rgb[3 * i + 2], rgb[3 * i + 1], rgb[3 * i]))
        elif bits == 32:
            row = bytes(b for i in range(width) for b in (rgb[3 * i + 2], rgb[3 * i + 1], rgb[3 * i], 0))
        else:
            indices = [(rgb[3 * i] >> (8 - bits)) for i in range(width)]
            per_byte = 8 // bits
            row = bytes(
                sum(v << (8 - bits * (k + 1)) for k, v in enumerate(indices[j:j + per_byte]))
                for j in range(0, width, per_byte))
        rows.append(row.ljust(stride, b"\0"))
    pixels = b"".join(reversed(rows))
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835,
                       colours, 0)
    return header + info + palette + pixels


def jpeg(folder, name, width, height, options, seed=0):
    ppm = os.path.join(folder, name + ".ppm")
    with open(ppm, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (width, height))
        for row in pattern_rows(width, height, seed):
            f.write(row)
    with open(os.path.join(folder, name), "wb") as out:
        subprocess.run(["cjpeg", *options, ppm], stdout=out, check=True)
    os.remove(ppm)
    with open(os.path.join(folder, name), "rb") as f:
        return f.read()


def make_pool(folder):
    """(path, kind, expected) for each file: expected is 'none', 'error' or 'either'."""
    pool = []

    def add(name, data, kind, expected):
        path = os.path.join(folder, name)
        if data is not None:
            with open(path, "wb") as f:
                f.write(data)
        pool.append((path, kind, expected))

    good = []
    for bits in (1, 4, 8, 24, 32):
        for width, height in ((37, 23), (120, 90), (260, 170)):
            name = "b%d-%dx%d.bmp" % (bits, width, height)
            data = bmp(width, height, bits, seed=bits + width)
            add(name, data, "good", "none")
            good.append((name, data))
    for options, tag in (([], "base"), (["-progressive"], "prog"), (["-grayscale"], "grey"),
                         (["-restart", "1"], "rst"), (["-arithmetic"], "arith"),
                         (["-quality", "30", "-sample", "2x2"], "q30")):
        for width, height in ((64, 48), (652, 593)):
            name = "j%s-%dx%d.jpg" % (tag, width, height)
            data = jpeg(folder, name, width, height, options, seed=width)
            pool.append((os.path.join(folder, name), "good", "none"))
            good.append((name, data))

    # Huge: whole pictures far larger than a cell, read and scaled on every drop.
    jpeg(folder, "huge.jpg", 4000, 3000, ["-quality", "85"], seed=3)
    pool.append((os.path.join(folder, "huge.jpg"), "huge", "none"))
    add("huge.bmp", bmp(2600, 1800, 24, seed=5), "huge", "none")

    # Cut: the first part of good files; a reader may show what it got, or refuse.
    for name, data in good[::3]:
        for fraction in (0.1, 0.5, 0.9):
            stem, extension = os.path.splitext(name)
            add("%s-cut%d%s" % (stem, fraction * 100, extension), data[:int(len(data) * fraction)],
                "cut", "either")

    # Bad: content no reader takes, or headers that promise what is not there.
    noise = bytes(random.Random(7).randrange(256) for _ in range(5000))
    add("noise.bmp", noise, "bad", "error")
    add("noise.jpg", noise, "bad", "error")
    add("empty.bmp", b"", "bad", "error")
    add("empty.jpg", b"", "bad", "error")
    add("jpeg-inside.bmp", good[-1][1], "bad", "error")
    add("text.jpg", b"hello, board", "bad", "error")
    giant = bytearray(bmp(4, 4, 24))
    struct.pack_into("<ii", giant, 18, 200000, 200000)  # a header that claims 40 G pixels
    add("giant.bmp", bytes(giant), "bad", "error")

    # No files: gone before the read, a folder, a FIFO, a device.
    add("vanished.jpg", None, "nofile", "error")
    os.mkdir(os.path.join(folder, "folder.jpg"))
    add("folder.jpg", None, "nofile", "error")
    os.mkfifo(os.path.join(folder, "pipe.bmp"))
    add("pipe.bmp", None, "nofile", "error")
    os.symlink("/dev/zero", os.path.join(folder, "zero.jpg"))
    add("zero.jpg", None, "nofile", "error")
    return pool


# ---- the scenario --------------------------------------------------------------------------


def cell_centre(n):
    column, row = (n - 1) // 6, (n - 1) % 6
    return 51 + 120 * column + 60, 52 + 90 * row + 45


def marker(i):
    """The right click that follows drop i, in the header row, where it changes nothing."""
    return 2 + i % 640, 2 + i // 640


# Between two clear-alls (every 97 drops) the drops at these places are huge pictures, into
# these cells: the heaviest board is the same in every round, so the peak memory of the first
# rounds is the peak of the whole run unless something piles up.
HUGE_DROPS = {10: (1, "huge.bmp"), 30: (12, "huge.jpg"), 50: (19, "huge.bmp"), 70: (30, "huge.jpg")}


def make_script(pool, drops, folder, rng):
    weights = {"good": 55, "cut": 15, "bad": 18, "nofile": 12}
    by_kind = {k: [p for p in pool if p[1] == k] for k in weights}
    huge = {os.path.basename(p[0]): p for p in pool if p[1] == "huge"}
    kinds = list(weights)
    lines, plan = [], []
    saves = mails = 0
    for i in range(1, drops + 1):
        cell = 1 + (i * 7 + rng.randrange(CELLS)) % CELLS
        picked = rng.choice(by_kind[rng.choices(kinds, [weights[k] for k in kinds])[0]])
        if i % 97 in HUGE_DROPS:
            cell, name = HUGE_DROPS[i % 97]
            picked = huge[name]
        path, kind, expected = picked
        lines.append("move %d %d" % cell_centre(cell))
        # Anywhere below the header row, where the markers are.
        lines.append('drop %d %d "%s"' % (rng.randrange(652), rng.randrange(60, 593), path))
        if i % 9 == 0:
            lines.append("dblclick %d %d" % cell_centre(rng.randrange(1, CELLS + 1)))
        if i % 97 == 0:
            lines.append("key delete" if i % 2 else "menu D1")
        if i % 250 == 0:
            saves += 1
            target = os.path.join(folder, "saved-%d.jpg" % (saves % 2))
            lines.append('answer save "%s"' % target)
            if saves > 2:
                lines.append("answer confirm " + ("yes" if saves % 3 else "no"))
            lines.append("key ctrl+s" if saves % 2 else "menu Save1")
        if i % 500 == 0:
            mails += 1
            lines.append("answer mail %d" % (mails % 2))
            lines.append("key ctrl+m" if mails % 2 else "menu M1")
        lines.append("rclick %d %d" % marker(i))
        plan.append((path, kind, expected))
    lines.append("close")
    return "\n".join(lines) + "\n", plan, saves, mails


# ---- the run -------------------------------------------------------------------------------


def status(pid):
    values = {}
    try:
        with open("/proc/%d/status" % pid) as f:
            for line in f:
                key, _, rest = line.partition(":")
                if key in ("VmHWM", "VmRSS"):
                    values[key] = int(rest.split()[0]) // 1024
    except OSError:
        pass
    return values


def last_marker(path):
    try:
        with open(path, "rb") as f:
            f.seek(max(0, os.path.getsize(path) - 8192))
            tail = f.read().decode("utf-8", "replace")
    except OSError:
        return 0
    found = [(int(x), int(y)) for x, y in re.findall(r"menu-open (\d+) (\d+)", tail)
             if int(y) < 52]
    if not found:
        return 0
    x, y = found[-1]
    return (y - 2) * 640 + (x - 2)


def run(driver, script_path, work, drops):
    out_path, err_path = os.path.join(work, "stdout.txt"), os.path.join(work, "stderr.txt")
    env = dict(os.environ, XDG_CACHE_HOME=os.path.join(work, "cache"),
               ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:quarantine_size_mb=64",
               UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1")
    samples = {}
    with open(out_path, "wb") as out, open(err_path, "wb") as err:
        process = subprocess.Popen([driver, script_path], stdout=out, stderr=err, cwd=work, env=env)
        started = time.time()
        while True:
            # wait4 rather than poll: the peak it reports covers the very end of the run.
            pid, code, usage = os.wait4(process.pid, os.WNOHANG)
            if pid:
                samples["end"] = usage.ru_maxrss // 1024
                returncode = os.waitstatus_to_exitcode(code)
                break
            now = status(process.pid)
            done = last_marker(out_path)
            if now and done >= min(1000, max(1, drops // 2)) and "first" not in samples:
                samples["first"] = (done, now)
            if now and done // 1000 > len(samples.get("trend", [])):
                samples.setdefault("trend", []).append("%d: %d" % (done, now["VmHWM"]))
            time.sleep(0.2)
        seconds = time.time() - started
    with open(out_path, encoding="utf-8", errors="replace") as f:
        output = f.read().splitlines()
    with open(err_path, encoding="utf-8", errors="replace") as f:
        errors = f.read()
    return returncode, output, errors, samples, seconds


def check(output, plan):
    """Problems found in the log, laid at the drops they follow."""
    problems = []
    allowed = re.compile(r"(save-dialog |confirm |file-written |file-removed |mail |beep$|notice |"
                         r"menu-open |menu-item |exit 0$)")
    segment, drop = [], 1
    for line in output:
        opened = re.fullmatch(r"menu-open (\d+) (\d+)", line)
        number = (int(opened.group(2)) - 2) * 640 + int(opened.group(1)) - 2 if opened else None
        # A menu command opens the menu at the pointer, below the header row.
        if number is None or int(opened.group(2)) >= 52:
            segment.append(line)
            continue
        if number != drop:
            problems.append("drop %d: marker %s out of order" % (drop, line))
        path, kind, expected = plan[drop - 1]
        shown = [l for l in segment if l.startswith("error ")]
        for other in (l for l in segment if not l.startswith("error ") and not allowed.match(l)):
            problems.append("drop %d: unexpected line %s" % (drop, other))
        wanted = expected_text(path)
        if expected == "none" and shown:
            problems.append("drop %d (%s): %s" % (drop, path, shown))
        elif (expected == "error" and len(shown) != 1) or len(shown) > 1:
            problems.append("drop %d (%s): %d errors" % (drop, path, len(shown)))
        for line_shown in shown:
            text = re.fullmatch(r'error caption="%s" text="(.*)"' % CAPTION, line_shown)
            if not text or not wanted(text.group(1)):
                problems.append("drop %d (%s): %s" % (drop, path, line_shown))
        segment, drop = [], drop + 1
    if drop != len(plan) + 1:
        problems.append("the log ends after drop %d of %d" % (drop - 1, len(plan)))
    return problems


def expected_text(path):
    name = os.path.basename(path)
    if name in ("vanished.jpg", "folder.jpg", "pipe.bmp", "zero.jpg"):
        return lambda text: text == OPEN_ERROR.format(path)
    if name.lower().endswith(".bmp"):
        return lambda text: text == BITMAP_ERROR
    return lambda text: JPEG_ERROR.fullmatch(text) is not None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("driver")
    parser.add_argument("--drops", type=int, default=10000)
    parser.add_argument("--seed", type=int, default=20261208)
    parser.add_argument("--keep", action="store_true", help="keep the work folder")
    arguments = parser.parse_args()

    work = tempfile.mkdtemp(prefix="poterinko-soak-")
    try:
        inputs = os.path.join(work, "inputs")
        os.mkdir(inputs)
        pool = make_pool(inputs)
        script, plan, saves, mails = make_script(pool, arguments.drops, work,
                                                 random.Random(arguments.seed))
        script_path = os.path.join(work, "soak.script")
        with open(script_path, "w") as f:
            f.write(script)
        counts = {k: sum(1 for p in plan if p[1] == k) for k in ("good", "huge", "cut", "bad", "nofile")}
        print("soak: %d drops (%s), %d saves, %d mails" % (
            len(plan), ", ".join("%s %d" % kv for kv in counts.items()), saves, mails), flush=True)

        code, output, errors, samples, seconds = run(
            os.path.abspath(arguments.driver), script_path, work, arguments.drops)
        problems = check(output, plan)
        if code != 0:
            problems.append("the driver exited with %d" % code)
        for report in re.findall(r"^.*(?:Sanitizer|runtime error).*$", errors, re.M):
            problems.append("sanitizer: " + report)
        if "first" not in samples:
            problems.append("the run ended before memory could be measured")
        else:
            first_at, first = samples["first"]
            print("soak: peak memory %d MiB after drop %d, %d MiB at the end; %.0f s" % (
                first["VmHWM"], first_at, samples["end"], seconds))
            print("soak: peak memory (MiB) by drop: " + ", ".join(samples.get("trend", [])))
            if samples["end"] > first["VmHWM"] * 1.10:
                problems.append("peak memory grew from %d to %d MiB" % (first["VmHWM"], samples["end"]))
        for problem in problems[:40]:
            print("soak: " + problem)
        if problems:
            print("soak: FAILED with %d problems (work folder %s)" % (len(problems), work))
            arguments.keep = True
            return 1
        print("soak: passed")
        return 0
    finally:
        if not arguments.keep:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
