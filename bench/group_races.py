#!/usr/bin/env python3
"""Figures, never pass/fail: dotlark-convert's --add against what can happen to a group file.

  group_races.py race CONVERT [RUNS]
      Another program renames new versions of the group into place in a loop while --add runs
      RUNS times. Before each of its renames it looks at what it is about to replace: a group
      our --add wrote that holds an older version's marker than the one it placed last means
      --add wrote over an update it never read (a lost update).

  group_races.py kills CONVERT [RUNS] [--hard-link]
      --add into a group of about 2 MB, killed (SIGKILL) at a random moment of its run, RUNS
      times; after each kill the group must be whole: read by CONVERT --list with no
      complaint and every variable there. --hard-link gives the group a second name first.

CONVERT is the dotlark-convert to measure (this tree's build/app/convert/dotlark-convert, or
one built from an older revision for the figure before a change). The checks use this
tree's converter.
"""
import os
import random
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
CHECKER = os.path.join(HERE, "..", "build", "app", "convert", "dotlark-convert")


def run(*args):
    return subprocess.run(list(args), capture_output=True, text=True)


def pbm(width, height, seed):
    rows = []
    for y in range(height):
        rows.append(" ".join("1" if (x * 7 + y * 3 + seed) % 11 == 0 else "0" for x in range(width)))
    return "P1\n%d %d\n%s\n" % (width, height, "\n".join(rows))


def picture(folder, convert, name, width, height, seed):
    """A picture file main\\NAME made by the converter from a plain PBM."""
    source = os.path.join(folder, name + ".pbm")
    with open(source, "w") as out:
        out.write(pbm(width, height, seed))
    target = os.path.join(folder, name + ".89i")
    done = run(convert, source, target, "--name", name)
    if done.returncode != 0:
        sys.exit("cannot make %s: %s" % (target, done.stderr))
    return target


def group(folder, convert, path, pictures):
    done = run(convert, *pictures, "--group", path)
    if done.returncode != 0:
        sys.exit("cannot make %s: %s" % (path, done.stderr))


def race(convert, runs):
    folder = tempfile.mkdtemp(prefix="dotlark-race-")
    path = os.path.join(folder, "g.89g")
    # Versions of the other program: each holds a marker variable of its own.
    versions = []
    base = [picture(folder, convert, "pic%d" % i, 64, 32, i) for i in range(3)]
    for k in range(20):
        marker = picture(folder, convert, "m%02d" % k, 16, 8, k)
        version = os.path.join(folder, "v%02d.89g" % k)
        group(folder, convert, version, base + [marker])
        with open(version, "rb") as data:
            versions.append(data.read())
    ours = picture(folder, convert, "ours", 64, 32, 99)
    with open(path, "wb") as out:
        out.write(versions[0])
    placed = [0]
    lost = [0]
    stop = threading.Event()

    def other_program():
        k = 0
        while not stop.is_set():
            k = (k + 1) % len(versions)
            fresh = path + ".new"
            with open(fresh, "wb") as out:
                out.write(versions[k])
            try:
                with open(path, "rb") as data:
                    now = data.read()
            except OSError:
                now = b""
            if b"ours\0" in now and b"m%02d\0" % placed[0] not in now:
                lost[0] += 1
            os.rename(fresh, path)
            placed[0] = k
            time.sleep(random.uniform(0, 0.02))

    thread = threading.Thread(target=other_program)
    thread.start()
    succeeded = 0
    for _ in range(runs):
        if run(convert, ours, path, "--add").returncode == 0:
            succeeded += 1
    stop.set()
    thread.join()
    print("race: %d --add runs, %d succeeded, %d lost updates of the other program" % (runs, succeeded, lost[0]))


def kills(convert, runs, hard_link):
    folder = tempfile.mkdtemp(prefix="dotlark-kills-")
    path = os.path.join(folder, "g.89g")
    # 32 pictures of 1024 x 500: 64,000 bytes of data each, about 2 MB in all.
    pictures = [picture(folder, convert, "a%02d" % i, 1024, 500, i) for i in range(32)]
    group(folder, convert, path, pictures)
    if hard_link:
        os.link(path, os.path.join(folder, "other.89g"))
    # Two versions of our picture, added in turn as main\ours.
    ours = [picture(folder, convert, "ours%d" % i, 1024, 500, 50 + i) for i in range(2)]
    # How long one --add takes, to spread the kills over it.
    start = time.monotonic()
    for _ in range(3):
        run(convert, ours[0], path, "--add", "--var", "main\\ours")
    span = (time.monotonic() - start) / 3
    partial = 0
    inside = 0
    for i in range(runs):
        child = subprocess.Popen([convert, ours[i % 2], path, "--add", "--var", "main\\ours"],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Most of a run is starting and reading: the kills land in its last part, where it writes.
        time.sleep(random.uniform(0.5 * span, 1.1 * span))
        child.kill()
        if child.wait() < 0:
            inside += 1
        listed = run(CHECKER, "--list", path)
        names = [line.split("\t")[0] for line in listed.stdout.splitlines()]
        if listed.returncode != 0 or "note" in listed.stderr or len(names) != 33:
            partial += 1
    print("kills: %d runs%s, %d killed before they ended, %d left the group partial"
          % (runs, " (a second hard link)" if hard_link else "", inside, partial))


def main():
    if len(sys.argv) < 3 or sys.argv[1] not in ("race", "kills"):
        sys.exit(__doc__)
    convert = sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 and sys.argv[3].isdigit() else (1000 if sys.argv[1] == "race" else 300)
    if sys.argv[1] == "race":
        race(convert, runs)
    else:
        kills(convert, runs, "--hard-link" in sys.argv)


if __name__ == "__main__":
    main()
