"""What the host checks of orvanel-facts.exe share: running the tool under
the test prefix, reading its "Class::Operation[: index]: value" lines,
reading host files and collecting failures."""
import os
import re
import subprocess
import sys
import time

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
LINE = re.compile(r"^([A-Za-z]\w*::[^:\[]+?|IsVersionAtLeast\([^)]*\))(?:\[(\d+)\])?: ?(.*)$")

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def read(path):
    """A host file's text without surrounding blanks, or None."""
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read().strip()
    except OSError:
        return None


def run_facts(exe_dir):
    """Runs the tool; returns its output, the single facts, the indexed
    facts (operation -> list in index order) and the times around the run."""
    exe = os.path.join(exe_dir, "orvanel-facts.exe")
    before = time.time()
    result = subprocess.run([os.path.join(REPO, "scripts", "wine-run"), exe],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=150)
    after = time.time()
    out = result.stdout.decode("utf-8", errors="replace")
    check(result.returncode == 0, "orvanel-facts.exe exited with %d" % result.returncode)
    facts, lists = {}, {}
    for raw in out.splitlines():
        m = LINE.match(raw.rstrip("\r"))
        if not m:
            continue
        op, index, value = m.group(1), m.group(2), m.group(3)
        if index is None:
            facts[op] = value
        else:
            lists.setdefault(op, {})[int(index)] = value
    return out, facts, {op: [v[i] for i in sorted(v)] for op, v in lists.items()}, before, after


def finish(success_message):
    for f in failures:
        print("FAIL:", f)
    if failures:
        sys.exit(1)
    print(success_message)
