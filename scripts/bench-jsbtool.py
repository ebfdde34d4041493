#!/usr/bin/env python3
"""jsbtool check where a component library runs it, beside an anchor in the
same run, A B B A, processor time beside wall time:

  10,000 small JSB files in one process, beside xmllint --html --noout on the
  same files;
  one 50 MB JSB file, beside a process that only reads it with the core
  (jsbbench --measure-read), peak memory too;

each in every output format. Usage: bench-jsbtool.py BUILD_FOLDER [ROUNDS]."""
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

FORMATS = ["text", "gcc", "json", "sarif", "junit", "checkstyle"]


def measure(command):
    """Processor seconds, wall seconds and peak resident KiB of one run."""
    start = time.perf_counter()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, _, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    return usage.ru_utime + usage.ru_stime, wall, usage.ru_maxrss


def side_by_side(anchor, measured, rounds):
    """Medians of each side over rounds of A B B A."""
    runs = {"A": [], "B": []}
    for _ in range(rounds):
        for side in "ABBA":
            runs[side].append(measure(anchor if side == "A" else measured))
    return [tuple(statistics.median(r[i] for r in runs[s]) for i in range(3)) for s in "AB"]


def small_files(folder, count):
    example = open(os.path.join(ROOT, "examples", "clock.jsb"), encoding="utf-8").read()
    names = []
    for i in range(count):
        name = os.path.join(folder, f"c{i:05}.jsb")
        with open(name, "w", encoding="utf-8", newline="") as out:
            out.write(example.replace("demo.widgets.Clock", f"demo.widgets.Clock{i}"))
        names.append(name)
    return names


def large_file(folder, size, jsbtool):
    """A 50 MB component as the editor saves it: written by hand, then dumped
    and written again by jsbtool."""
    name = os.path.join(folder, "hand.jsb")
    item = ('<JSB_PROPERTY NAME="p{0}" DISPLAYNAME="Property {0}" TYPE="number"\r\n'
            '              SHORTDESCRIPTION="the value of {0}" ISBOUND>\r\n\r\n')
    with open(name, "w", encoding="utf-8", newline="") as out:
        out.write('<JSB>\r\n<JSB_DESCRIPTOR NAME="demo.Large">\r\n\r\n')
        i = written = 0
        while written < size:
            text = item.format(i)
            out.write(text)
            written += len(text)
            i += 1
        out.write("<JSB_CONSTRUCTOR>\r\nf();\r\n</JSB_CONSTRUCTOR>\r\n</JSB>")
    model, saved = os.path.join(folder, "large.json"), os.path.join(folder, "large.jsb")
    with open(model, "wb") as out:
        subprocess.run([jsbtool, "dump", name], stdout=out, check=True)
    subprocess.run([jsbtool, "write", model, saved], check=True)
    for spent in (name, model):
        os.remove(spent)
    return saved


def report(label, anchor, measured):
    (ac, aw, am), (bc, bw, bm) = anchor, measured
    print(f"  {label:<34} cpu {bc:7.3f} s ({bc / ac:4.2f} x)  wall {bw:7.3f} s ({bw / aw:4.2f} x)"
          f"  peak {bm / 1024:7.1f} MB ({bm / am:4.2f} x)")


ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build")
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    jsbtool = os.path.join(build, "app", "jsbtool", "jsbtool")
    jsbbench = os.path.join(build, "bench", "jsbbench")
    with tempfile.TemporaryDirectory() as folder:
        files = small_files(folder, 10000)
        print(f"jsbtool check: 10,000 small files (anchor xmllint --html --noout), {rounds} rounds")
        xmllint = ["xmllint", "--html", "--noout"] + files
        for fmt in FORMATS:
            anchor, measured = side_by_side(
                xmllint, [jsbtool, "check", "--quiet", f"--format={fmt}"] + files, rounds)
            report(fmt, anchor, measured)
        for name in files:
            os.remove(name)
        large = large_file(folder, 39 * 1024 * 1024, jsbtool)  # about 50 MB once saved
        print(f"jsbtool check: one {os.path.getsize(large) / 2**20:.0f} MB file as the editor saves it"
              " (anchor a core read, jsbbench --measure-read)")
        for fmt in FORMATS:
            anchor, measured = side_by_side(
                [jsbbench, "--measure-read", large],
                [jsbtool, "check", "--quiet", f"--format={fmt}", large], rounds)
            report(fmt, anchor, measured)


if __name__ == "__main__":
    main()
