"""Prints the benchmark table of bench/run: tessaline-convert against its
peers on the Free Pascal sources, all measured in the same run."""

import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

MB = 1_000_000
CORPUS_BYTES = 8 * MB
STREAM_BYTES = 200 * MB
PASCAL = {".pas", ".pp", ".inc", ".dpr", ".dpk", ".lpr", ".dfm"}
# A line of code with every token class, repeated to make one long line.
LINE_PIECE = b"x := Foo(10, 'it''s', $FF, #13); { note } if a < b then Inc(i); (* c *) "


def measure(command, stdin=None, stdout=None, fresh=None):
    """Runs a command; gives (wall seconds, CPU seconds, peak resident MB,
    exit status). GNU time forks the command and reports its peak, which is
    the command's own (a fork of this script would carry the script's memory
    into the figure). fresh names a file to delete first."""
    if fresh:
        Path(fresh).unlink(missing_ok=True)
    with tempfile.NamedTemporaryFile("r") as peak, \
            open(stdin or os.devnull, "rb") as inp, open(stdout or os.devnull, "wb") as out:
        start = time.perf_counter()
        process = subprocess.Popen(["/usr/bin/time", "-q", "-f", "%M", "-o", peak.name] + command,
                                   stdin=inp, stdout=out, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(process.pid, 0)
        wall = time.perf_counter() - start
        peak_kb = int(peak.read().split()[-1])
    return (wall, usage.ru_utime + usage.ru_stime, peak_kb / 1024,
            os.waitstatus_to_exitcode(status))


def best_of(runs, command, **options):
    """The best wall and CPU seconds of some runs."""
    results = [measure(command, **options) for _ in range(runs)]
    return min(r[0] for r in results), min(r[1] for r in results)


def pascal_sources(tree):
    return sorted(p for p in tree.rglob("*") if p.suffix.lower() in PASCAL and p.is_file())


def make_corpus(sources, path):
    """The first CORPUS_BYTES of the sources, cut at a line end."""
    data = bytearray()
    for source in sources:
        data += source.read_bytes() + b"\n"
        if len(data) >= CORPUS_BYTES:
            break
    cut = data.rfind(b"\n", 0, CORPUS_BYTES) + 1
    path.write_bytes(data[:cut])
    return cut


def highlight_swallows_asm(work):
    """True when highlight marks code after an "asm" inside a comment as comment."""
    probe = work / "probe.pas"
    probe.write_bytes(b"program P;\n{ no asm here }\nbegin\nend.\n")
    html = subprocess.run(["highlight", "-S", "pas", "-O", "html", "-i", str(probe)],
                          capture_output=True, check=False).stdout
    return b'<span class="hl com">begin' in html


def main():
    convert, engine, tree = sys.argv[1], sys.argv[2], Path(sys.argv[3])
    rows = []

    def row(name, value, note=""):
        rows.append((name, value, note))

    with tempfile.TemporaryDirectory(prefix="tessaline-bench-") as folder:
        work = Path(folder)
        # highlight leaves its style sheet in the current folder.
        os.chdir(work)
        sources = pascal_sources(tree)
        corpus = work / "corpus.pas"
        size = make_corpus(sources, corpus)
        page = work / "page.html"

        wall, cpu = best_of(5, [convert, "-o", str(page), str(corpus)], fresh=page)
        ours = size / MB / wall
        row("tessaline-convert, 8 MB corpus to a new file", f"{ours:8.1f} MB/s",
            f"best of 5; {size / MB / cpu:.0f} MB/s of CPU time; target >= 200")
        wall, _ = best_of(5, [convert, "-o", str(page), str(corpus)])
        row("  the same over an existing page", f"{size / MB / wall:8.1f} MB/s",
            "the file system flushes a file renamed over another")
        wall, _ = best_of(5, [engine, "escape-loop", str(corpus), str(page)], fresh=page)
        bare = size / MB / wall
        row("bare read-escape-write loop, same corpus", f"{bare:8.1f} MB/s", "best of 5")
        row("  ratio of the page to that loop", f"{ours / bare:8.2f} x", "target >= 0.4")
        speeds = dict(line.split() for line in subprocess.run(
            [engine, "paths", str(corpus)], capture_output=True, text=True, check=True
        ).stdout.splitlines())
        row("engine in memory: HTML lines", f"{float(speeds['html']):8.1f} MB/s", "best of 5")
        row("  token lists of the same scan", f"{float(speeds['tokens']):8.1f} MB/s")
        row("  token lists, then HTML rendered from them",
            f"{float(speeds['tokens_and_render']):8.1f} MB/s")

        peers = {
            "pygmentize -l delphi -f html -O noclasses": ["pygmentize", "-l", "delphi", "-f",
                                                          "html", "-O", "noclasses", "-o",
                                                          str(page), str(corpus)],
            "source-highlight -s pascal -f html": ["source-highlight", "-s", "pascal", "-f",
                                                   "html", "-i", str(corpus), "-o", str(page)],
            "highlight -S pas -O html": ["highlight", "-S", "pas", "-O", "html", "-i",
                                         str(corpus), "-o", str(page)],
        }
        asm_fault = highlight_swallows_asm(work)
        valid = {}
        for name, command in peers.items():
            seconds, _, _, status = measure(command)
            speed = size / MB / seconds
            if status != 0:
                row(name, f"{speed:8.2f} MB/s", f"failed (exit {status}); not counted")
            elif name.startswith("highlight") and asm_fault:
                row(name, f"{speed:8.2f} MB/s",
                    "not counted: marks code after 'asm' in a comment as comment")
            else:
                valid[name] = speed
                row(name, f"{speed:8.2f} MB/s")
        for name, speed in valid.items():
            row(f"ratio to {name.split()[0]}", f"{ours / speed:8.0f} x")
        if valid:
            fastest = max(valid.values())
            row("ratio to the fastest valid peer", f"{ours / fastest:8.0f} x", "target >= 100")

        tree_bytes = sum(p.stat().st_size for p in sources)
        label = f"whole tree: {len(sources)} files, {tree_bytes / MB:.0f} MB, one -d call"
        seconds, _, _, _ = measure(["cp", "-r", str(tree), str(work / "copy")])
        row("cp -r of that tree, the file system's share", f"{seconds:8.2f} s",
            "creating that many files costs this much on its own")
        for attempt in (1, 2):
            seconds, cpu, _, status = measure([convert, "-d", str(work / f"tree{attempt}"),
                                               str(tree)])
            row(f"{label}, run {attempt}", f"{seconds:8.2f} s",
                f"exit {status}; {cpu:.2f} s of CPU time; target < 5 s")
        if Path("/dev/shm").is_dir():
            with tempfile.TemporaryDirectory(dir="/dev/shm") as memory:
                seconds, cpu, _, status = measure([convert, "-d", memory, str(tree)])
            row("  the same -d call into memory (tmpfs)", f"{seconds:8.2f} s",
                f"exit {status}; {cpu:.2f} s of CPU time")
        if valid:
            per_file = tree_bytes / MB / fastest
            row("  the fastest peer on that many bytes (estimate)", f"{per_file:8.0f} s",
                "one process per file adds its start-up on top")

        times = {}
        for megabytes in (4, 16):
            line = work / f"line{megabytes}.pas"
            piece = LINE_PIECE * (megabytes * MB // len(LINE_PIECE) + 1)
            line.write_bytes(piece[: megabytes * MB] + b"\n")
            times[megabytes] = best_of(3, [convert, "-o", str(page), str(line)])[1]
            line.unlink()
        row("one line: 4 MB", f"{times[4]:8.3f} s", "CPU time, best of 3")
        row("one line: 16 MB", f"{times[16]:8.3f} s", "CPU time, best of 3")
        row("linearity ratio (16 MB line / 4 MB line)", f"{times[16] / times[4]:8.2f}",
            "ideal 4; target <= 5")

        big = work / "stream.pas"
        with open(big, "wb") as out:
            chunk = corpus.read_bytes()
            for _ in range(STREAM_BYTES // len(chunk) + 1):
                out.write(chunk)
        big_size = big.stat().st_size
        seconds, _, peak, status = measure([convert, "-o", str(page), str(big)], fresh=page)
        row(f"streamed {big_size / MB:.0f} MB to a file", f"{big_size / MB / seconds:8.1f} MB/s",
            f"exit {status}")
        row("  peak memory of that conversion", f"{peak:8.1f} MB", "target < 64 MB")
        seconds, _, peak, status = measure([convert], stdin=str(big))
        row("  the same through standard input and output", f"{peak:8.1f} MB peak",
            f"{big_size / MB / seconds:.1f} MB/s, exit {status}")

    width = max(len(name) for name, _, _ in rows)
    for name, value, note in rows:
        print(f"{name:<{width}}  {value:>14}  {note}".rstrip())


if __name__ == "__main__":
    main()
