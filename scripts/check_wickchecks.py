#!/usr/bin/env python3
"""The Linux Wickcheck against the Windows one, on the test corpus, for
scripts/check-wickchecks.sh:

  check_wickchecks.py MATCHER CORPUS FOLDER...

For each folder, CORPUS holds FOLDER.linux.sarif, .linux.brief, .linux.json
(the Linux Wickcheck's forms) and FOLDER.windows.sarif, .windows.brief (the
Windows Wickcheck's under Wine), each run from CORPUS with the folder's name
as its argument. It fails where
- the two give other findings (code, file, line, level, section, key), but
  those whose rule says only the Windows build sees them;
- the Linux log's facts and notes are not its JSON report's;
- a SARIF result does not point at the file and line of the brief line of
  the same finding;
- a brief line is not read by exactly one pattern of the problem matcher
  MATCHER, or a field read is not the finding's own (the Linux lines are
  held to its JSON report, field by field).
"""
import json
import re
import sys


def results(path):
    with open(path, encoding="utf-8") as f:
        run = json.load(f)["runs"][0]
    rules = run["tool"]["driver"]["rules"]
    windows_only = {r["id"] for r in rules if r["properties"]["seenBy"] == "the Windows build"}
    found = []
    for r in run["results"]:
        location = r["locations"][0]["physicalLocation"]
        found.append((r["ruleId"], location["artifactLocation"]["uri"], location.get("region", {}).get("startLine", 0),
                      r["level"], r["properties"]["section"], r["properties"]["key"]))
    return found, windows_only


def matchers(path):
    with open(path, encoding="utf-8") as f:
        loaded = json.load(f)["problemMatcher"]
    # GitHub's patterns are JavaScript's; these use nothing Python reads otherwise.
    return [(m["owner"], m.get("severity"), m["pattern"][0], re.compile(m["pattern"][0]["regexp"])) for m in loaded]


def read_line(patterns, line):
    """The fields the matcher reads from the line, or a reason it reads none."""
    hits = [(owner, severity, p, m) for owner, severity, p, regexp in patterns for m in [regexp.match(line)] if m]
    if len(hits) != 1:
        return None, f"{len(hits)} patterns read it"
    owner, severity, p, m = hits[0]
    field = lambda name: m.group(p[name]) if name in p and m.group(p[name]) is not None else None
    return {"file": field("file"), "line": int(field("line") or 0), "severity": field("severity") or severity,
            "message": field("message"), "code": field("code")}, None


def in_code_page(text):
    """A JSON text (UTF-8, from Windows-1252, the portable back end's code
    page) as the brief line's bytes, each a latin-1 character: a byte that
    code page leaves undefined stands for itself."""
    def byte(c):
        try:
            return c.encode("cp1252")
        except UnicodeEncodeError:
            return bytes([ord(c)]) if ord(c) < 256 else b"?"
    return b"".join(byte(c) for c in text).decode("latin-1")


SEVERITY = {"error": "error", "warning": "warning", "note": "notice"}


def main(argv):
    patterns = matchers(argv[1])
    corpus = argv[2]
    failures = []
    lines = compared = total = 0
    for folder in argv[3:]:
        base = f"{corpus}/{folder}"
        linux, windows_only = results(base + ".linux.sarif")
        windows, _ = results(base + ".windows.sarif")
        mine = sorted(r for r in linux if r[0] not in windows_only)
        compared += len(mine)
        total += len(linux)
        theirs = sorted(r for r in windows if r[0] not in windows_only)
        if mine != theirs:
            failures.append(f"{folder}: the Linux Wickcheck finds\n    " + "\n    ".join(map(str, mine)) +
                            "\n  the Windows one\n    " + "\n    ".join(map(str, theirs)))
        with open(base + ".linux.json", encoding="utf-8") as f:
            report = json.load(f)
        findings = report["findings"]
        # The facts in the run's properties, what the build cannot see as its notes: the JSON report's own.
        with open(base + ".linux.sarif", encoding="utf-8") as f:
            run = json.load(f)["runs"][0]
        facts = [x for x in report["facts"] if x["group"] != "notSeenHere"]
        notes = [f"Not seen by this build: {x['label']}: {x['value']}." for x in report["facts"]
                 if x["group"] == "notSeenHere"]
        told = [n["message"]["text"] for n in run["invocations"][0]["toolExecutionNotifications"]]
        files = [report[k] for k in ("gameFolder", "settingsFile", "languageFile")]
        if run["properties"]["facts"] != facts or told != notes or not notes or \
                [run["properties"][k] for k in ("gameFolder", "settingsFile", "languageFile")] != files:
            failures.append(f"{folder}: the SARIF log's facts or notes are not the JSON report's")
        for build, sarif in (("linux", linux), ("windows", windows)):
            # In the files' code page, as the files hold their texts: each byte a character.
            with open(f"{base}.{build}.brief", encoding="latin-1") as f:
                brief = f.read().splitlines()
            if len(brief) != len(sarif):
                failures.append(f"{folder} ({build}): {len(brief)} brief lines, {len(sarif)} SARIF results")
                continue
            for i, line in enumerate(brief):
                lines += 1
                read, why = read_line(patterns, line)
                if read is None:
                    failures.append(f"{folder} ({build}): the matcher does not read {line!r}: {why}")
                    continue
                code, uri, at, level = sarif[i][:4]
                # The result's file is the brief line's, seen from the folder's parent.
                named = read["file"].replace("\\", "/")
                in_folder = uri.split("/", 1)[1] if "/" in uri else ""
                if (read["code"], read["line"], read["severity"]) != (code, at, SEVERITY[level]) or \
                        not named.lower().endswith(in_folder.lower()):
                    failures.append(f"{folder} ({build}): {line!r} read as {read}, its SARIF result {sarif[i]}")
                if build == "linux":
                    f = findings[i]
                    where = ("[" + f["section"] + "]" if f["section"] else "") + \
                            (" " + f["key"] if f["key"] else "")
                    message = (where.strip() + ": " if where else "") + in_code_page(f["message"])
                    expected = {"file": f["file"], "line": f["line"], "severity": SEVERITY[f["level"]],
                                "message": message, "code": f["code"]}
                    if read != expected:
                        failures.append(f"{folder}: {line!r} read as {read}, the finding is {expected}")
    # What only Windows sees is the few measured findings, never the most.
    if compared * 2 < total:
        failures.append(f"of {total} findings, {compared} compared: the rules call most of them the Windows build's")
    for failure in failures:
        print("check-wickchecks: " + failure)
    if failures:
        return 1
    print(f"check-wickchecks: {len(argv) - 3} folders, the same findings from both Wickchecks but those only "
          f"Windows sees; {lines} brief lines, each read whole by the problem matcher and at its SARIF result's file "
          "and line")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
