#!/usr/bin/env python3
"""Round trip of orvanel-setup.exe in a fresh Wine prefix (build/wine-setup):
a silent install, every file and Add/Remove value it writes, the installed
program's main window, a silent upgrade over the running program (one
Add/Remove entry afterwards), and a silent uninstall that ends the running
program and leaves nothing but the user's settings.

The installer is a 32-bit program. Where this host runs only the 64-bit
build (see scripts/win-arch), it cannot start, and the check lists the
installer with 7-Zip instead and looks for every file in it.

usage: installer_check.py SETUP_EXE   (the programs it packages lie beside it)
"""
import glob
import os
import re
import subprocess
import sys
import time

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SETUP = os.path.abspath(sys.argv[1])
BIN = os.path.dirname(SETUP)
MAIN_LANGUAGES = sorted(os.path.basename(p) for p in glob.glob(os.path.join(REPO, "resources/lang/*.lng")))
SCR_LANGUAGES = sorted(os.path.basename(p) for p in glob.glob(os.path.join(REPO, "resources/screensaver/lang/*.lng")))
PROGRAM_FILES = ["orvanel.exe", "readme.txt", "SebastianGothicNBP-LICENSE.txt"] + MAIN_LANGUAGES

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def finish(message):
    for f in failures:
        print("FAIL:", f)
    if failures:
        sys.exit(1)
    print(message)
    sys.exit(0)


def program_version():
    with open(os.path.join(REPO, "resources/version.rc")) as f:
        m = re.search(r"^\s*FILEVERSION\s+(\d+),\s*(\d+),\s*(\d+),\s*(\d+)", f.read(), re.M)
    return ".".join(m.groups())


def on_64bit_path():
    out = subprocess.run(["bash", "-c", "source scripts/win-arch && echo $ORVANEL_WIN64"], cwd=REPO,
                         env=dict(os.environ, ORVANEL_ARCH_QUIET="1"), capture_output=True, text=True)
    return out.stdout.strip() == "1"


def listing_only():
    out = subprocess.run(["7z", "l", "-ba", "-slt", SETUP], capture_output=True, text=True)
    check(out.returncode == 0, "7z cannot open %s: %s" % (SETUP, out.stderr.strip()))
    paths = [line[len("Path = "):].replace("\\", "/") for line in out.stdout.splitlines() if line.startswith("Path = ")]
    # 7-Zip names the program folder's files bare and the others by their folder variable.
    for name in PROGRAM_FILES + ["uninstall.exe"]:
        check(name in paths, "%s is not in the installer's program folder" % name)
    check("$SYSDIR/orvanel.scr" in paths, "orvanel.scr does not go to the system folder")
    for name in SCR_LANGUAGES:
        check("$APPDATA/Velmora/Orvanel/Screensaver/" + name in paths,
              "the screensaver's %s does not go to its folder" % name)
    finish("installer only listed with 7-Zip: the 64-bit path cannot start the 32-bit installer, so the install round trip did not run")


# ---- the round trip ----------------------------------------------------
def prepare_prefix():
    """A fresh prefix; returns its environment."""
    script = ('unset WINEPREFIX; export WINE_PREFIX_NAME=wine-setup ORVANEL_ARCH_QUIET=1; source scripts/wine-env; '
              'wineserver -k >/dev/null 2>&1; rm -rf "$WINEPREFIX"; orvanel_prepare_prefix >&2 && env -0')
    out = subprocess.run(["bash", "-c", script], cwd=REPO, capture_output=True)
    if out.returncode != 0:
        print(out.stderr.decode(errors="replace"))
        sys.exit("FAIL: could not prepare the Wine prefix")
    env = dict(item.split("=", 1) for item in out.stdout.decode().split("\0") if "=" in item)
    return env


ENV = None


class Hung(Exception):
    pass


def wine(*args, timeout=180):
    """Runs a Windows program; its exit code. Output goes nowhere: a program
    it starts would hold a pipe open after it has ended."""
    try:
        return subprocess.run([ENV["ORVANEL_WINE"], *args], env=ENV, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        raise Hung("%s did not end within %d s" % (" ".join(args), timeout))


def wine_idle(what, seconds=180):
    """Waits until every process of the prefix has ended (the registry is saved then)."""
    try:
        subprocess.run(["wineserver", "-w"], env=ENV, timeout=seconds)
    except subprocess.TimeoutExpired:
        raise Hung("%s: the prefix's programs did not end within %d s" % (what, seconds))


def drive_c(*parts):
    return os.path.join(ENV["WINEPREFIX"], "drive_c", *parts)


def read_registry(name):
    """Keys of a prefix registry file (system.reg, user.reg): key -> {value: str or int}."""
    keys, current = {}, None
    with open(os.path.join(ENV["WINEPREFIX"], name), encoding="utf-8", errors="replace") as f:
        for line in f:
            line = line.rstrip("\n")
            m = re.match(r"^\[(.*)\] \d+", line)
            if m:
                current = keys.setdefault(m.group(1).replace("\\\\", "\\").lower(), {})
                continue
            m = re.match(r'^"((?:[^"\\]|\\.)*)"=(?:"((?:[^"\\]|\\.)*)"|dword:([0-9a-f]{8}))$', line)
            if m and current is not None:
                unescape = lambda s: re.sub(r"\\(.)", r"\1", s)
                current[unescape(m.group(1))] = unescape(m.group(2)) if m.group(2) is not None else int(m.group(3), 16)
    return keys


def uninstall_entries():
    return {k: v for k, v in read_registry("system.reg").items()
            if re.search(r"\\uninstall\\[^\\]+$", k) and v.get("DisplayName") == "Orvanel"}


def same_file(a, b):
    with open(a, "rb") as fa, open(b, "rb") as fb:
        return fa.read() == fb.read()


def window_shown(process, title, seconds=60):
    """Whether the process shows a window with this title; other tests' windows share the display."""
    end = time.time() + seconds
    while time.time() < end:
        out = subprocess.run(["xdotool", "search", "--all", "--pid", str(process.pid), "--onlyvisible",
                              "--name", "^%s$" % title],
                             env=ENV, capture_output=True, text=True)
        if out.stdout.strip():
            return True
        time.sleep(0.5)
    return False


def start_installed_program():
    program = subprocess.Popen([ENV["ORVANEL_WINE"], r"C:\Program Files (x86)\Velmora\Orvanel\orvanel.exe"],
                               env=ENV, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    check(window_shown(program, "Orvanel"), "the installed program shows no main window")
    return program


def ended(process, seconds=90):
    try:
        process.wait(timeout=seconds)
        return True
    except subprocess.TimeoutExpired:
        process.kill()
        return False


def check_installed(stage):
    folder = drive_c("Program Files (x86)", "Velmora", "Orvanel")
    for name in PROGRAM_FILES + ["uninstall.exe"]:
        check(os.path.isfile(os.path.join(folder, name)), "%s: %s is not in the program folder" % (stage, name))
    for name in PROGRAM_FILES:
        source = os.path.join(REPO, "resources/lang", name) if name.endswith(".lng") else \
            os.path.join(REPO, "installer", name) if name == "readme.txt" else os.path.join(BIN, name)
        path = os.path.join(folder, name)
        if os.path.isfile(path):
            check(same_file(path, source), "%s: the installed %s differs from the built one" % (stage, name))
    # A 32-bit installer's system folder is the 64-bit prefix's SysWOW64.
    scr = drive_c("windows", "syswow64", "orvanel.scr")
    check(os.path.isfile(scr) and same_file(scr, os.path.join(BIN, "orvanel.scr")),
          "%s: orvanel.scr is not the built one in SysWOW64" % stage)
    check(not os.path.exists(drive_c("windows", "system32", "orvanel.scr")),
          "%s: orvanel.scr is in the 64-bit system folder" % stage)
    for name in SCR_LANGUAGES:
        path = os.path.join(SCREENSAVER, name)
        check(os.path.isfile(path) and same_file(path, os.path.join(REPO, "resources/screensaver/lang", name)),
              "%s: the screensaver's %s is not in %s" % (stage, name, SCREENSAVER))
    check(os.path.isfile(SHORTCUT), "%s: no Start-menu shortcut" % stage)

    entries = uninstall_entries()
    check(len(entries) == 1, "%s: %d Add/Remove entries named Orvanel" % (stage, len(entries)))
    key = r"software\wow6432node\microsoft\windows\currentversion\uninstall\orvanel"
    values = entries.get(key, {})
    check(values, "%s: no Add/Remove entry in the 32-bit view" % stage)
    if not values:
        return
    location = r"C:\Program Files (x86)\Velmora\Orvanel"
    expected = {
        "DisplayName": "Orvanel",
        "DisplayVersion": program_version(),
        "Publisher": "Velmora",
        "DisplayIcon": location + r"\orvanel.exe,0",
        "InstallLocation": location,
        "UninstallString": '"%s\\uninstall.exe"' % location,
        "QuietUninstallString": '"%s\\uninstall.exe" /S' % location,
        "NoModify": 1,
        "NoRepair": 1,
    }
    for name, value in expected.items():
        check(values.get(name) == value, "%s: %s is %r, not %r" % (stage, name, values.get(name), value))
    # In KB: at least the program and the screensaver, at most everything with slack.
    least = (os.path.getsize(os.path.join(folder, "orvanel.exe")) + os.path.getsize(scr)) // 1024
    size = values.get("EstimatedSize", 0)
    check(least <= size <= least * 2, "%s: EstimatedSize %r KB for at least %d KB" % (stage, size, least))


def main():
    global ENV, SCREENSAVER, SHORTCUT
    if not os.path.isfile(SETUP):
        sys.exit("FAIL: %s is missing (scripts/build win orvanel-shipped makes it)" % SETUP)
    if on_64bit_path():
        listing_only()
    ENV = prepare_prefix()
    user = subprocess.run(["id", "-un"], capture_output=True, text=True).stdout.strip()
    settings = drive_c("users", user, "AppData", "Roaming", "Velmora", "Orvanel")
    SCREENSAVER = os.path.join(settings, "Screensaver")
    SHORTCUT = drive_c("ProgramData", "Microsoft", "Windows", "Start Menu", "Programs", "Orvanel.lnk")

    try:
        # The user's settings, as a previous run would have left them.
        os.makedirs(SCREENSAVER, exist_ok=True)
        with open(os.path.join(settings, "settings.ini"), "w", newline="") as f:
            f.write("[Settings]\r\nfFirstRun=0\r\n")
        with open(os.path.join(SCREENSAVER, "settings.ini"), "w", newline="") as f:
            f.write("[Settings]\r\n")

        code = wine(SETUP, "/S")
        check(code == 0, "the silent install exited with %d" % code)
        wine_idle("install")
        check_installed("install")

        # An upgrade over the running program ends it and replaces it.
        program = start_installed_program()
        code = wine(SETUP, "/S")
        check(code == 0, "the silent upgrade exited with %d" % code)
        check(ended(program), "the upgrade left the running program running")
        wine_idle("upgrade")
        check_installed("upgrade")

        # The user made our screensaver theirs; the uninstaller ends the running program.
        wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "SCRNSAVE.EXE", "/d",
             r"C:\windows\SysWOW64\ORVANEL.SCR", "/f")
        program = start_installed_program()
        # The uninstaller copies itself away and returns at once; the copy does the work.
        code = wine(r"C:\Program Files (x86)\Velmora\Orvanel\uninstall.exe", "/S")
        check(code == 0, "the silent uninstall exited with %d" % code)
        check(ended(program), "the uninstall left the running program running")
        wine_idle("uninstall")

        check(not os.path.exists(drive_c("Program Files (x86)", "Velmora")), "the program folder is still there")
        check(not os.path.exists(drive_c("windows", "syswow64", "orvanel.scr")), "orvanel.scr is still there")
        check(not os.path.exists(SHORTCUT), "the Start-menu shortcut is still there")
        check(not uninstall_entries(), "an Add/Remove entry is still there")
        left = sorted(os.path.relpath(os.path.join(d, f), settings) for d, _, fs in os.walk(settings) for f in fs)
        check(left == ["Screensaver/settings.ini", "settings.ini"],
              "the settings folder holds %s, not just the two settings files" % left)
        desktop = read_registry("user.reg").get(r"control panel\desktop", {})
        check(desktop, "user.reg has no Control Panel\\Desktop key")
        check("SCRNSAVE.EXE" not in desktop, "SCRNSAVE.EXE still names the removed screensaver")
    except Hung as e:
        check(False, str(e))
    finally:
        subprocess.run(["wineserver", "-k"], env=ENV, capture_output=True)
    finish("installer round trip passed: install, upgrade over the running program, uninstall")


if __name__ == "__main__":
    main()
