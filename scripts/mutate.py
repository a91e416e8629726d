#!/usr/bin/env python3
"""Mutation testing of the window-free logic: does a small fault in the code
make a native test fail?

Each mutant is one small change to one source file: a comparison or boundary
flipped, && for || and back, true for false, a string literal changed, a
statement or an early return removed, a number moved by one. For each, the
script changes a copy of the source tree (build/mutate/tree, so the working
tree is never touched), rebuilds the native tests there incrementally, runs
them with a time-out per test, and puts the file back. A mutant no test
catches "survives".

Results go to build/mutate/results.json as they come, so a run that is
stopped goes on where it left off. Mutants listed in scripts/mutate-equivalent.txt
change no behaviour, or none a native test can reach (each with its reason),
and are left out of the score, as are those that do not build.

    python3 scripts/mutate.py                  # every mutant (about half an hour)
    python3 scripts/mutate.py --sample 100     # a seeded random sample
    python3 scripts/mutate.py --file config/ProfileStore.cpp
    python3 scripts/mutate.py --list           # only list the mutants
    python3 scripts/mutate.py --retry-survivors  # after adding tests
    python3 scripts/mutate.py --fresh          # forget earlier results
"""
import argparse
import hashlib
import json
import os
import random
import re
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(ROOT, "build", "mutate")
TREE = os.path.join(WORK, "tree")
BUILD = os.path.join(WORK, "native")
RESULTS = os.path.join(WORK, "results.json")
EQUIVALENT = os.path.join(ROOT, "scripts", "mutate-equivalent.txt")

# The logic that runs without a window, in both programs, in the authors'
# check, and natively.
SOURCES = [
    "config/FixedText.cpp",
    "config/ProfileStore.cpp",
    "config/SettingsFileLocator.cpp",
    "config/GameSettingsFile.cpp",
    "config/GameSettingsFile.h",
    "config/ProfileText.cpp",
    "config/portable/OnDisk.cpp",
    "config/portable/PictureFiles.cpp",
    "config/portable/PortablePlatform.cpp",
    "config/portable/PortableProfile.cpp",
    "launcher/LaunchCommand.cpp",
    "launcher/LaunchCommand.h",
    "launcher/LaunchSupervisor.cpp",
    "launcher/LaunchSupervisor.h",
    "editor/DisplayModes.cpp",
    "editor/DisplayModes.h",
    "editor/SettingsModel.cpp",
    "editor/StoredChoices.cpp",
    "editor/DialogTexts.cpp",
    "editor/DialogTexts.h",
    "editor/DialogLoad.cpp",
    "wickcheck/check/CheckFiles.cpp",
    "wickcheck/check/CheckKeys.cpp",
    "wickcheck/check/CheckRunwick.cpp",
    "wickcheck/check/CheckTunewick.cpp",
    "wickcheck/check/FileOutline.cpp",
    "wickcheck/check/Findings.cpp",
    "wickcheck/check/CheckTexts.cpp",
    "wickcheck/report/Report.cpp",
    "wickcheck/report/SarifLocation.cpp",
    "wickcheck/report/Sarif.cpp",
    "wickcheck/watch/Watch.cpp",
    "wickcheck/catalogue/Catalogue.cpp",
    "wickcheck/catalogue/CatalogueReader.cpp",
    "wickcheck/catalogue/FileKinds.cpp",
    "wickcheck/catalogue/FromPo.cpp",
    "wickcheck/check/portable/CheckPlatform.cpp",
]

# Token swaps: (pattern, replacement, description). Applied one occurrence at a time.
SWAPS = [
    (r"==", "!=", "== to !="),
    (r"!=", "==", "!= to =="),
    (r"(?<![<>=!])<=(?!=)", "<", "<= to <"),
    (r"(?<![<>=!-])>=(?!=)", ">", ">= to >"),
    (r"(?<![<>=!-])<(?![<=])", "<=", "< to <="),
    (r"(?<![<>=!-])>(?![>=])", ">=", "> to >="),
    (r"&&", "||", "&& to ||"),
    (r"\|\|", "&&", "|| to &&"),
    (r"\btrue\b", "false", "true to false"),
    (r"\bfalse\b", "true", "false to true"),
    (r"(?<![\w.])(\d+)(?![\w.])", None, "number + 1"),
    (r"\+\+", "--", "++ to --"),
    (r"(?<!\+)\+ 1\b", "- 1", "+ 1 to - 1"),
    (r"(?<!-)- 1\b", "+ 1", "- 1 to + 1"),
]

STRING = re.compile(r'"((?:[^"\\\n]|\\.)+)"')
SKIP_LINE = re.compile(r"^\s*(#|//|static_assert|namespace|}|{|enum |struct |class |template|using |public:|private:|protected:)")
STATEMENT = re.compile(r"^\s*(?!return\b|break\b|continue\b|case\b|default\b|else\b)[\w:.\->\[\]()]+(\(.*\)|\s*[-+*/|&]?=\s*.+|\+\+|--);\s*$")
EARLY_RETURN = re.compile(r"^\s*if \(.*\) (return|continue|break)\b.*;\s*$")


def code_part(line):
    """The line without a trailing // comment (not inside a string)."""
    in_string = False
    for i, c in enumerate(line):
        if c == '"' and (i == 0 or line[i - 1] != "\\"):
            in_string = not in_string
        if not in_string and line.startswith("//", i):
            return line[:i]
    return line


def in_string_or_include(line, pos):
    if line.lstrip().startswith("#include"):
        return True
    for m in STRING.finditer(line):
        if m.start() <= pos < m.end():
            return True
    return False


def mutants_of(path):
    with open(os.path.join(ROOT, path)) as f:
        lines = f.read().split("\n")
    found = []
    in_block_comment = False
    for number, line in enumerate(lines, 1):
        stripped = line.strip()
        if in_block_comment:
            in_block_comment = "*/" not in stripped
            continue
        if stripped.startswith("/*"):
            in_block_comment = "*/" not in stripped
            continue
        if not stripped or stripped.startswith("//") or stripped.startswith("#"):
            continue
        code = code_part(line)
        for pattern, replacement, what in SWAPS:
            for m in re.finditer(pattern, code):
                if in_string_or_include(code, m.start()):
                    continue
                if what in ("< to <=", "> to >=") and re.search(r"(template|static_cast|reinterpret_cast|const_cast|#include|<\w+>|std::\w+<)", code[max(0, m.start() - 30):m.end() + 20]):
                    continue
                new = str(int(m.group(1)) + 1) if replacement is None else replacement
                changed = code[:m.start()] + new + code[m.end():] + line[len(code):]
                found.append((number, what, line, changed))
        for m in STRING.finditer(code):
            if code.lstrip().startswith("#include"):
                continue
            changed = code[:m.start()] + '"' + m.group(1) + 'X"' + code[m.end():] + line[len(code):]
            found.append((number, "string changed", line, changed))
        if not SKIP_LINE.match(line):
            if EARLY_RETURN.match(code):
                found.append((number, "early return removed", line, ""))
            elif STATEMENT.match(code) and not re.match(r"^\s*(const\s+)?[\w:<>]+\s+[\w]+(\s*=|\s*\(|\s*\[|;)", code):
                found.append((number, "statement removed", line, ""))
    result = []
    for number, what, original, changed in found:
        key = hashlib.sha1(f"{path}\n{what}\n{original.strip()}\n{changed.strip()}".encode()).hexdigest()[:12]
        result.append({"id": key, "file": path, "line": number, "what": what,
                       "original": original.strip(), "changed": changed.strip()})
    return result


def load_equivalent():
    """Lines: FILE | ORIGINAL LINE | CHANGED LINE (or "(removed)") | reason."""
    known = {}
    if os.path.exists(EQUIVALENT):
        with open(EQUIVALENT) as f:
            for line in f:
                if not line.strip() or line.startswith("#"):
                    continue
                parts = [p.strip() for p in line.rstrip("\n").split(" | ")]
                if len(parts) >= 4:
                    known[(parts[0], parts[1], "" if parts[2] == "(removed)" else parts[2])] = parts[3]
    return known


def copy_tree():
    """Brings the copy up to date with the working tree, file by file, so that
    the copy's build stays incremental from one run to the next."""
    for folder, subfolders, files in os.walk(ROOT):
        relative = os.path.relpath(folder, ROOT)
        subfolders[:] = [d for d in subfolders if not (relative == "." and d in ("build", ".git"))]
        os.makedirs(os.path.join(TREE, relative), exist_ok=True)
        for name in files:
            source = os.path.join(folder, name)
            target = os.path.join(TREE, relative, name)
            with open(source, "rb") as f:
                data = f.read()
            if os.path.exists(target):
                with open(target, "rb") as f:
                    if f.read() == data:
                        continue
            with open(target, "wb") as f:
                f.write(data)
            shutil.copymode(source, target)


def build():
    result = subprocess.run(["cmake", "--build", BUILD, "-j2"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return result.returncode == 0


def tests_pass(timeout):
    result = subprocess.run(["ctest", "--test-dir", BUILD, "--timeout", str(timeout), "--stop-on-failure"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return result.returncode == 0


def apply(mutant, original_text):
    lines = original_text.split("\n")
    index = mutant["line"] - 1
    if lines[index].strip() != mutant["original"]:
        return None
    indent = lines[index][:len(lines[index]) - len(lines[index].lstrip())]
    lines[index] = indent + mutant["changed"] if mutant["changed"] else indent + ";"
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--sample", type=int, help="test this many mutants, chosen at random (seeded)")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--file", action="append", help="only mutants of this source file")
    parser.add_argument("--timeout", type=int, default=30, help="seconds per test binary")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--fresh", action="store_true", help="forget earlier results")
    parser.add_argument("--retry-survivors", action="store_true",
                        help="test again the mutants that survived before (after adding tests)")
    args = parser.parse_args()

    sources = args.file or SOURCES
    mutants = [m for path in sources for m in mutants_of(path)]
    if args.sample and args.sample < len(mutants):
        mutants = random.Random(args.seed).sample(mutants, args.sample)
    if args.list:
        for m in mutants:
            print(f"{m['file']}:{m['line']}: {m['what']}: {m['original']}  ->  {m['changed'] or '(removed)'}")
        print(f"{len(mutants)} mutants")
        return 0

    equivalent = load_equivalent()
    results = {}
    if os.path.exists(RESULTS) and not args.fresh:
        with open(RESULTS) as f:
            results = json.load(f)

    copy_tree()
    if not os.path.exists(os.path.join(BUILD, "CMakeCache.txt")):
        # The library's own checks turn a read past a text's end into a failure,
        # as the sanitizer build would, at a fraction of its build time.
        subprocess.run(["cmake", "-S", TREE, "-B", BUILD, "-DCMAKE_BUILD_TYPE=Debug",
                        "-DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS"], check=True, stdout=subprocess.DEVNULL)
    if not build() or not tests_pass(args.timeout):
        print("the unchanged code does not build or pass its tests")
        return 1

    started = time.time()
    if args.retry_survivors:
        results = {k: r for k, r in results.items() if r["outcome"] != "survived"}
    todo = [m for m in mutants if m["id"] not in results]
    for n, mutant in enumerate(todo, 1):
        source = os.path.join(TREE, mutant["file"])
        with open(source) as f:
            original = f.read()
        changed = apply(mutant, original)
        if changed is None:
            continue
        try:
            with open(source, "w") as f:
                f.write(changed)
            if not build():
                outcome = "does not build"  # no behaviour to test
            else:
                outcome = "survived" if tests_pass(args.timeout) else "caught"
        finally:
            with open(source, "w") as f:
                f.write(original)
            os.utime(source)
        results[mutant["id"]] = dict(mutant, outcome=outcome)
        with open(RESULTS, "w") as f:
            json.dump(results, f, indent=1)
        if outcome == "survived":
            print(f"survived: {mutant['file']}:{mutant['line']}: {mutant['what']}: {mutant['changed'] or '(removed)'}",
                  flush=True)
        if n % 25 == 0 or n == len(todo):
            print(f"... {n}/{len(todo)} in {time.time() - started:.0f} s", flush=True)
    build()  # leave the copy built from the unchanged sources

    report(mutants, results, equivalent)
    return 0


def report(mutants, results, equivalent):
    """Per file: caught, not caught, and listed as changing no behaviour."""
    per_file = {}
    for m in mutants:
        r = results.get(m["id"])
        if not r:
            continue
        stats = per_file.setdefault(m["file"], [0, 0, 0])
        if r["outcome"] == "does not build":
            continue
        if (m["file"], m["original"], m["changed"]) in equivalent and r["outcome"] == "survived":
            stats[2] += 1
        elif r["outcome"] == "caught":
            stats[0] += 1
        else:
            stats[1] += 1
    total = [sum(s[i] for s in per_file.values()) for i in range(3)]
    print(f"{'file':42} caught  not caught  no change of behaviour")
    for path in sorted(per_file):
        caught, survived, same = per_file[path]
        print(f"{path:42} {caught:6} {survived:11} {same:6}")
    counted = total[0] + total[1]
    score = 100.0 * total[0] / counted if counted else 0.0
    print(f"mutants: {sum(total)}; caught {total[0]} of the {counted} that change behaviour: {score:.1f}%")
    for m in mutants:
        r = results.get(m["id"])
        if r and r["outcome"] == "survived" and (m["file"], m["original"], m["changed"]) not in equivalent:
            print(f"  not caught: {m['file']}:{m['line']}: {m['what']}: {m['original']}  ->  {m['changed'] or '(removed)'}")


if __name__ == "__main__":
    sys.exit(main())
