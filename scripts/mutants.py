#!/usr/bin/env python3
"""Mutation testing of ZEB's Qt-free libraries.

Each mutant is one small change to one .cpp file of a model library (a
comparison, an operator, a constant, a call or a returned value). It is built
in a private copy of the tree and the fast tests run against it; a mutant the
tests do not notice ("survived") points at a fault they would miss.

Nothing is ever changed in the checkout: the copy lives under --work (by
default build-mutants/ beside the sources, which git ignores) and every file
is restored after its mutant, also on Ctrl-C. Tests run in a sandbox: a
private mount, PID and network namespace where every file system is read-only
except the copy's build folder, /tmp is a fresh tmpfs and /dev a fresh tmpfs
holding its own null, zero, full, random and urandom, so a mutant that saves
over /dev/null replaces only the sandbox's. Usage: see the README's "Test
sets and mutation testing".
"""
import argparse
import json
import os
import random
import re
import signal
import stat
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LIBRARIES = ["core", "editing", "files", "cli", "machineview", "demo", "teaching"]
FAMILIES = ["relational", "arithmetic", "logical", "constant", "statement"]
DEVICES = {"null": (1, 3), "zero": (1, 5), "full": (1, 7), "random": (1, 8), "urandom": (1, 9)}
KEYWORDS = {"return", "if", "while", "for", "switch", "case", "else", "do", "delete", "throw",
            "new", "using", "namespace", "template", "typedef", "goto", "break", "continue"}


# ---------------------------------------------------------------- mutants

def mask(text):
    """The text with comments, preprocessor lines and the insides of string
    and character literals blanked, keeping every offset and line break."""
    out, i, n, line_start = list(text), 0, len(text), True

    def blank(a, b):
        for k in range(a, min(b, n)):
            if out[k] != "\n":
                out[k] = " "

    while i < n:
        c = text[i]
        if c == "\n":
            line_start, i = True, i + 1
        elif c in " \t":
            i += 1
        elif line_start and c == "#":
            j = i
            while True:  # to the end of the line, with its continuations
                j = text.find("\n", j)
                j = n if j < 0 else j
                if j == n or text[j - 1] != "\\":
                    break
                j += 1
            blank(i, j)
            i = j
        elif text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            blank(i, j)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            blank(i, j)
            i = j
        elif c == '"' and i > 0 and text[i - 1] == "R":
            delim = text[i + 1:text.index("(", i)]
            j = text.index(")" + delim + '"', i) + len(delim) + 1
            blank(i + 1, j)
            i, line_start = j + 1, False
        elif c in "\"'" and not (c == "'" and i > 0 and text[i - 1].isalnum()):
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            blank(i + 1, j)
            i, line_start = j + 1, False
        else:
            i, line_start = i + 1, False
    return "".join(out)


def spaced(ops):
    """A binary operator written with blanks around it, as clang-format does."""
    return re.compile(r"(?<=\s)(" + "|".join(re.escape(o) for o in ops) + r")(?=\s)")


RULES = [
    ("relational", spaced(["<=", ">=", "==", "!=", "<", ">"]),
     {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}),
    ("arithmetic", spaced(["+", "-", "*", "/", "%", "+=", "-=", "*=", "/="]),
     {"+": "-", "-": "+", "*": "/", "/": "*", "%": "/", "+=": "-=", "-=": "+=", "*=": "/=",
      "/=": "*="}),
    ("arithmetic", re.compile(r"\+\+|--"), {"++": "--", "--": "++"}),
    ("logical", spaced(["&&", "||"]), {"&&": "||", "||": "&&"}),
    ("logical", re.compile(r"(?<=[\s(])!(?!=)"), {"!": ""}),
    ("constant", re.compile(r"\b(?:true|false)\b"), {"true": "false", "false": "true"}),
]
NUMBER = re.compile(r"(?<![\w.'])\d[\d']*(?=[uUlL]*(?![\w.']))")
CONDITION = re.compile(r"\b(?:if|while) \(")
CALL = re.compile(r"[A-Za-z_][\w:]*(?:(?:\.|->)[A-Za-z_]\w*(?:\(\))?)*\(")
RETURN = re.compile(r"return (.+);$")
# Already what `return {};` gives: no change at all.
EMPTY_RETURN = re.compile(r'return (nullptr|std::nullopt|""|std::string\(\)|std::string\{\});$')


def closing(code, start):
    """Index of the parenthesis closing the one at start, or -1."""
    depth = 0
    for k in range(start, len(code)):
        depth += {"(": 1, ")": -1}.get(code[k], 0)
        if depth == 0:
            return k
    return -1


def line_mutants(line, code, previous):
    """(family, column, length, replacement) for one line and its masked code."""
    found = []
    for family, pattern, swap in RULES:
        for m in pattern.finditer(code):
            # "a" + b joins strings: another operator there would not build.
            beside = code[m.start() - 2] + code[m.end() + 1:m.end() + 2]
            if family == "arithmetic" and '"' in beside:
                continue
            found.append((family, m.start(), len(m.group()), swap[m.group()]))
    if not code.lstrip().startswith("case "):
        for m in NUMBER.finditer(code):
            value = int(m.group().replace("'", ""))
            for other in [v for v in (value + 1, value - 1) if v >= 0]:
                found.append(("constant", m.start(), len(m.group()), str(other)))
    for m in CONDITION.finditer(code):
        end = closing(code, m.end() - 1)
        if end > 0:
            found.append(("logical", m.end(), end - m.end(), f"!({line[m.end():end]})"))
    body, indent = code.strip(), len(code) - len(code.lstrip())
    statement_start = previous.rstrip()[-1:] in (";", "{", "}", ":", ")") or not previous.strip()
    first_word = re.match(r"\w*", body).group()
    if (statement_start and body.endswith(");") and first_word not in KEYWORDS
            and CALL.match(body) and body.count("(") == body.count(")")):
        found.append(("statement", indent, len(body), "{}"))
    m = RETURN.match(body)
    if m and m.group(1) not in ("{}", "0", "true", "false") and body.count("(") == body.count(")"):
        found.append(("statement", indent + 7, len(m.group(1)), "{}"))
    return found


def file_mutants(path, rel, seed, quota):
    """A fixed sample of the file's mutants, taking the families in turn."""
    text = path.read_text()
    lines, masked = text.split("\n"), mask(text).split("\n")
    by_family = {f: [] for f in FAMILIES}
    previous = ""
    for number, (line, code) in enumerate(zip(lines, masked), start=1):
        for family, col, length, replacement in line_mutants(line, code, previous):
            mutated = line[:col] + replacement + line[col + length:]
            by_family[family].append({
                "file": rel, "line": number, "column": col + 1, "family": family,
                "original": line.strip(), "mutated": mutated.strip(), "text": mutated})
        if code.strip():
            previous = code
    rng = random.Random(f"{seed}:{rel}")
    order = FAMILIES[:]
    rng.shuffle(order)
    for family in order:
        rng.shuffle(by_family[family])
        # Dropped after the shuffle, so that they do not change which others are drawn.
        by_family[family] = [m for m in by_family[family]
                             if not (m["mutated"].endswith("return {};")
                                     and EMPTY_RETURN.search(m["original"]))]
    chosen = []
    while len(chosen) < quota and any(by_family.values()):
        for family in order:
            if by_family[family] and len(chosen) < quota:
                chosen.append(by_family[family].pop())
    return sorted(chosen, key=lambda m: (m["line"], m["column"], m["mutated"]))


def key(m):
    return f'{m["file"]}:{m["line"]}:{m["column"]}:{m["mutated"]}'


# ---------------------------------------------------------------- sandbox

def mountinfo():
    """Whether each mount point this process sees is read-only (the mount on
    top where several share a point)."""
    points = {}
    for row in Path("/proc/self/mountinfo").read_text().splitlines():
        fields = row.split()
        point = re.sub(r"\\(\d{3})", lambda m: chr(int(m.group(1), 8)), fields[4])
        points[point] = "ro" in fields[5].split(",")
    return points


def enter_sandbox(writable):
    """Inside fresh namespaces: everything read-only but the writable folders,
    a private temporary folder, and a private /dev with harmless nodes only."""
    def mount(*args):
        subprocess.run(["mount", "--no-mtab", *args], check=True)

    def within(path, folder):
        return path == folder or path.startswith(folder.rstrip("/") + "/")
    for folder in writable:
        mount("--bind", folder, folder)
    for point, readonly in sorted(mountinfo().items(), key=lambda p: p[0].count("/")):
        if not readonly and point not in writable:
            mount("-o", "remount,bind,ro", point)
    # A fresh /tmp, unless that would hide this tree or the build.
    tmp = "/tmp"
    if any(within(p, tmp) for p in writable + [str(ROOT)]):
        tmp = os.path.join(writable[0], ".sandbox-tmp")
        os.makedirs(tmp, exist_ok=True)
    mount("-t", "tmpfs", "-o", "mode=1777", "zeb-sandbox-tmp", tmp)
    dev = Path(tmp) / ".dev"
    dev.mkdir()
    mount("-t", "tmpfs", "-o", "mode=755", "zeb-sandbox-dev", str(dev))
    for name, (major, minor) in DEVICES.items():
        node = dev / name
        try:
            os.mknod(node, stat.S_IFCHR | 0o666, os.makedev(major, minor))
        except PermissionError:  # in a user namespace: the real node, read-only
            node.touch()
            mount("--bind", f"/dev/{name}", str(node))
            mount("-o", "remount,bind,ro", str(node))
    for name, target in [("fd", "/proc/self/fd"), ("stdin", "fd/0"), ("stdout", "fd/1"),
                         ("stderr", "fd/2")]:
        (dev / name).symlink_to(target)
    (dev / "shm").mkdir()
    mount("--move", str(dev), "/dev")
    mount("-t", "tmpfs", "zeb-sandbox-shm", "/dev/shm")
    unsafe = [p for p, ro in mountinfo().items() if not ro and p not in writable
              and not any(within(p, s) for s in (tmp, "/dev"))]
    if unsafe:
        sys.exit(f"sandbox: still writable: {unsafe}")
    os.makedirs(f"{tmp}/home")
    os.environ.update(HOME=f"{tmp}/home", TMPDIR=tmp)


def sandboxed(command, writable):
    """The command line that runs command inside the sandbox."""
    unshare = ["unshare", "--mount", "--propagation", "private", "--pid", "--fork",
               "--kill-child", "--mount-proc", "--net"]
    if os.geteuid() != 0:
        unshare += ["--user", "--map-root-user"]
    inner = [sys.executable, str(Path(__file__).resolve()), "--inside"]
    return unshare + inner + [str(w) for w in writable] + ["--"] + command


def probe():
    """Inside the sandbox: try what a faulty save as root would do."""
    attempts = {
        "save over /dev/null": lambda: (Path("/dev/.zeb-save").write_text("mutant\n"),
                                        os.rename("/dev/.zeb-save", "/dev/null")),
        "chmod /dev/null": lambda: os.chmod("/dev/null", 0o600),
        "write into the checkout": lambda: (ROOT / ".zeb-sandbox-probe").write_text("x"),
    }
    for name, attempt in attempts.items():
        try:
            attempt()
            print(f"  {name}: done (only inside the sandbox)")
        except OSError as error:
            print(f"  {name}: refused ({error.strerror})")
    null = os.stat("/dev/null")
    print(f"  inside, /dev/null is now {'a device' if stat.S_ISCHR(null.st_mode) else 'a file'}")


def check_sandbox(build):
    def identity():
        s = os.stat("/dev/null")
        return (s.st_ino, s.st_mode, s.st_rdev)
    before = identity()
    subprocess.run(sandboxed([sys.executable, str(Path(__file__).resolve()), "--probe"],
                             [build]), check=True)
    after = identity()
    if after != before or not stat.S_ISCHR(after[1]) or (ROOT / ".zeb-sandbox-probe").exists():
        sys.exit("sandbox check FAILED: the real /dev/null or the checkout was changed")
    print("sandbox check: the real /dev/null is unchanged (character device "
          f"{os.major(after[2])},{os.minor(after[2])}), the checkout untouched")


# ---------------------------------------------------------------- building and testing

def run(command, timeout):
    """(return code or None on timeout, output); kills the whole process group."""
    process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               text=True, start_new_session=True)
    try:
        output, _ = process.communicate(timeout=timeout)
        return process.returncode, output
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        return None, process.communicate()[0]
    except BaseException:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        raise


def sync_tree(tree):
    """Copy the checkout's files (committed or not) into the private tree,
    leaving unchanged files alone so that rebuilds stay incremental."""
    listing = subprocess.run(["git", "-C", str(ROOT), "ls-files", "-z", "--cached", "--others",
                              "--exclude-standard"], capture_output=True, check=True).stdout
    for rel in filter(None, listing.decode().split("\0")):
        source, copy = ROOT / rel, tree / rel
        if source.is_symlink() or not source.is_file():
            continue
        data = source.read_bytes()
        if not copy.exists() or copy.read_bytes() != data:
            copy.parent.mkdir(parents=True, exist_ok=True)
            copy.write_bytes(data)


def configure(tree, build):
    subprocess.run(["cmake", "-S", str(tree), "-B", str(build), "-G", "Ninja",
                    # The usual build type: unchanged files come from ccache.
                    "-DZEB_GUI=OFF", "-DZEB_BENCH=OFF", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                    "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache",
                    # The tests are listed when they run, in the sandbox, not at build time.
                    "-DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST"],
                   check=True, stdout=subprocess.DEVNULL)


def test(args, build, timeout):
    """'passed', 'killed' (with the first failing test) or 'timeout'."""
    command = ["ctest", "--test-dir", str(build), "--stop-on-failure", "-j", str(args.jobs),
               "--timeout", str(args.test_timeout or 600)]
    command += ["-R", args.regex] if args.regex else ["-L", args.label]
    code, output = run(sandboxed(command, [build]), timeout)
    if code is None or "***Timeout" in output:
        return "timeout", "", output
    if code == 0:
        return "passed", "", output
    failed = re.search(r"The following tests FAILED:\s*\n\s*\d+ - (\S+)", output)
    return "killed", failed.group(1) if failed else "", output


# ---------------------------------------------------------------- reporting

def summary(mutants, group):
    table = {}
    for m in mutants:
        row = table.setdefault(group(m), dict.fromkeys(
            ["killed", "timeout", "survived", "build failure"], 0))
        row[m["status"]] += 1
    for row in table.values():
        tested = row["killed"] + row["timeout"] + row["survived"]
        row["score"] = round(100 * (row["killed"] + row["timeout"]) / tested, 1) if tested else None
    return table


def library(m):
    return m["file"].split("/")[1]


def report(results):
    mutants = results["mutants"]
    for title, group in [("file", lambda m: m["file"]), ("library", library)]:
        print(f"\nper {title}:  killed timeout survived build-failure  score")
        for name, row in sorted(summary(mutants, group).items()):
            score = "-" if row["score"] is None else f'{row["score"]}%'
            print(f'  {name:42} {row["killed"]:4} {row["timeout"]:4} {row["survived"]:4} '
                  f'{row["build failure"]:4}  {score}')
    total = summary(mutants, lambda m: "all")
    if total:
        row = total["all"]
        print(f'\nall: {row["killed"]} killed, {row["timeout"]} timeout, {row["survived"]} '
              f'survived, {row["build failure"]} build failures: score {row["score"]}%')
    survivors = [m for m in mutants if m["status"] == "survived"]
    print("\nsurvivors:" if survivors else "")
    for m in survivors:
        print(f'  {m["file"]}:{m["line"]}: [{m["family"]}] {m["original"]}\n'
              f'  {" " * len(m["file"])}  => {m["mutated"]}')


# ---------------------------------------------------------------- main

def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--libs", nargs="+", default=LIBRARIES, metavar="LIB",
                        help="src/ folders to mutate (default: %(default)s)")
    parser.add_argument("--files", help="only the files whose path matches this regex")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--quota", type=int, default=10, help="mutants per file")
    parser.add_argument("--label", default="model", help="ctest label of the tests to run")
    parser.add_argument("--regex", help="run the ctest tests matching this instead")
    parser.add_argument("--jobs", type=int, default=2, help="tests run at once")
    parser.add_argument("--test-timeout", type=int,
                        help="seconds per test (default: 5 times the slowest test, at least 10)")
    parser.add_argument("--work", type=Path, default=ROOT / "build-mutants",
                        help="private tree and build (default: %(default)s)")
    parser.add_argument("--json", type=Path, help="results (default: WORK/mutants.json)")
    parser.add_argument("--resume", action="store_true",
                        help="keep the results in --json and test only the missing mutants")
    parser.add_argument("--list", action="store_true", help="list the mutants, test nothing")
    parser.add_argument("--check-sandbox", action="store_true",
                        help="show that the sandbox protects /dev/null, then stop")
    args = parser.parse_args()
    # A polite kill ends like Ctrl-C: the file under mutation is put back.
    signal.signal(signal.SIGTERM, signal.default_int_handler)

    # build/ inside the tree, as in a checkout, so that ccache's relative
    # paths match and the first build reuses the developers' cache.
    tree, build = args.work / "tree", args.work / "tree" / "build"
    json_path = args.json or args.work / "mutants.json"
    sources = sorted(p for lib in args.libs for p in (ROOT / "src" / lib).glob("*.cpp")
                     if not args.files or re.search(args.files, str(p.relative_to(ROOT))))
    mutants = [m for p in sources for m in
               file_mutants(p, str(p.relative_to(ROOT)), args.seed, args.quota)]
    if args.list:
        for m in mutants:
            print(f'{m["file"]}:{m["line"]}: [{m["family"]}] {m["mutated"]}')
        print(f"{len(mutants)} mutants in {len(sources)} files")
        return
    tree.mkdir(parents=True, exist_ok=True)
    sync_tree(tree)
    configure(tree, build)
    check_sandbox(build)
    if args.check_sandbox:
        return

    done = {}
    if args.resume and json_path.exists():
        done = {key(m): m for m in json.loads(json_path.read_text())["mutants"]}
    results = {"seed": args.seed, "quota": args.quota, "tests": args.regex or f"-L {args.label}",
               "commit": subprocess.run(["git", "-C", str(ROOT), "describe", "--always",
                                         "--dirty"], capture_output=True, text=True).stdout.strip(),
               "mutants": []}

    print("baseline: building and testing the unchanged tree")
    code, output = run(["ninja", "-C", str(build)], None)
    if code != 0:
        sys.exit(output[-3000:] + "\nthe unchanged tree does not build")
    start = time.monotonic()
    status, _, output = test(args, build, None)
    baseline = time.monotonic() - start
    if status != "passed" or "No tests were found" in output:
        sys.exit(output[-3000:] + "\nthe tests fail on the unchanged tree, or there are none")
    slowest = max(map(float, re.findall(r"Passed\s+([\d.]+) sec", output)), default=1)
    args.test_timeout = args.test_timeout or max(10, round(5 * slowest))
    timeout = 3 * baseline + 60
    print(f"baseline: tests pass in {baseline:.0f} s; a test is stopped after "
          f"{args.test_timeout} s, a mutant's tests after {timeout:.0f} s")

    try:
        for index, m in enumerate(mutants, start=1):
            if key(m) in done:
                results["mutants"].append(done[key(m)])
                continue
            path = tree / m["file"]
            original = path.read_text()
            lines = original.split("\n")
            lines[m["line"] - 1] = m["text"]
            start = time.monotonic()
            try:
                path.write_text("\n".join(lines))
                code, _ = run(["ninja", "-C", str(build)], 900)
                if code != 0:
                    status, by = "build failure", ""
                else:
                    status, by, _ = test(args, build, timeout)
                    status = "survived" if status == "passed" else status
            finally:
                path.write_text(original)
            entry = {k: v for k, v in m.items() if k != "text"}
            entry.update(status=status, killed_by=by, seconds=round(time.monotonic() - start, 1))
            results["mutants"].append(entry)
            json_path.write_text(json.dumps(results, indent=1))
            print(f'[{index}/{len(mutants)}] {status:13} {m["file"]}:{m["line"]}: '
                  f'{m["mutated"]}', flush=True)
    except KeyboardInterrupt:
        print("\ninterrupted: the results so far")
    results["per_library"] = summary(results["mutants"], library)
    results["per_file"] = summary(results["mutants"], lambda m: m["file"])
    json_path.write_text(json.dumps(results, indent=1))
    report(results)
    print(f"\nresults: {json_path}")


if __name__ == "__main__":
    if len(sys.argv) > 1 and sys.argv[1] == "--inside":
        split = sys.argv.index("--")
        enter_sandbox([str(Path(p).resolve()) for p in sys.argv[2:split]])
        os.execvp(sys.argv[split + 1], sys.argv[split + 1:])
    elif sys.argv[1:] == ["--probe"]:
        probe()
    else:
        main()
