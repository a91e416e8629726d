#!/usr/bin/env python3
"""The release's own files, for scripts/release.sh:

  notices TABLE NOTICES-DIR STAGE PROGRAM=MAP...
      reads each shipped program's link map, names every object of a library
      that is not ours, finds its row in TABLE (fails on an object no row
      names) and writes the notices the program's objects ask for into
      NOTICES.txt beside it in STAGE. Prints, per program, the notices.
  windows TABLE OLDEST STAGE PROGRAM...
      reads each program's PE header and imports (objdump -p, $OBJDUMP) and
      fails where its subsystem version is newer than OLDEST, or it imports
      a function that TABLE does not list as there on OLDEST, or one by its
      ordinal alone (ordinals are no promise across Windows versions).
  paths CMAKE-CACHE STAGE
      fails where a shipped file names the source or the build folder, or a
      shipped program any other path the build knows (every absolute path in
      CMAKE-CACHE: compilers, tools, the toolchain's folders) or the home
      folder: a program must not carry the build machine.
  zip STAGE ARCHIVE
      writes STAGE's files into ARCHIVE in name order, each with the time
      $SOURCE_DATE_EPOCH and the same permissions: the same files give the
      same bytes. A file its owner may run stays one to run (the Linux
      Wickcheck).
"""
import fnmatch
import glob
import os
import re
import subprocess
import sys
import zipfile


def rows(table):
    with open(table, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line and not line.startswith("#"):
                yield line.split("\t")


def build_folder(map_file):
    """The build folder a map was written in: the nearest one up with a CMakeCache.txt."""
    folder = os.path.dirname(os.path.abspath(map_file))
    while not os.path.exists(os.path.join(folder, "CMakeCache.txt")) and os.path.dirname(folder) != folder:
        folder = os.path.dirname(folder)
    return folder


def linked_objects(map_file):
    """(library, object) for each object the map names that is not ours:
    ours are those inside the build folder. A path is taken against the
    folder the linker ran in, the map's own, so a library on a relative path
    outside the build folder is not counted as ours."""
    found = set()
    with open(map_file, encoding="utf-8", errors="replace") as f:
        text = f.read()
    linked_in = os.path.dirname(os.path.abspath(map_file))
    ours = build_folder(map_file) + os.sep

    def foreign(path):
        return not os.path.normpath(os.path.join(linked_in, path)).startswith(ours)

    included = text.split("\n\n", 1)[1].split("Discarded input sections", 1)[0]
    for match in re.finditer(r"^(\S+)\(([^)]+)\)$", included, re.M):
        archive, member = match.groups()
        if foreign(archive):
            found.add((os.path.basename(archive), member))
    for match in re.finditer(r"^LOAD (\S+\.o(?:bj)?)$", text, re.M):
        if foreign(match.group(1)):
            found.add((os.path.basename(match.group(1)), "*"))
    return sorted(found)


def notices(table, notices_dir, stage, pairs):
    table_rows = list(rows(table))
    needed_by_folder = {}
    failed = False
    for pair in pairs:
        program, map_file = pair.split("=", 1)
        needed = set()
        for library, member in linked_objects(map_file):
            row = next((r for r in table_rows if r[0] == library and fnmatch.fnmatch(member, r[1])), None)
            if row is None:
                print(f"release: {program} holds {library}({member}), which {table} does not name: "
                      "add its licence and notice there", file=sys.stderr)
                failed = True
            elif row[3] != "-":
                needed.add(row[3])
        print(f"{program}: notices {', '.join(sorted(needed)) or 'none'}")
        needed_by_folder.setdefault(os.path.dirname(program), set()).update(needed)
    if failed:
        return 1
    for folder, needed in sorted(needed_by_folder.items()):
        if not needed:
            continue
        parts = ["Notices for the programs in this folder\n=======================================\n\n"
                 "The programs here hold code of the runtime libraries of the compilers\n"
                 "they were built with (MinGW-w64 for the Windows programs, Debian's GCC\n"
                 "and glibc for the Linux one), whose licences ask for the following\n"
                 "notices with every copy.\n"
                 "Ship this file with the programs.\n"]
        for name in sorted(needed):
            with open(os.path.join(notices_dir, name + ".txt"), encoding="utf-8") as f:
                parts.append("\n" + f.read())
        with open(os.path.join(stage, folder, "NOTICES.txt"), "w", encoding="utf-8", newline="\r\n") as f:
            f.write("".join(parts))
    return 0


WINDOWS = ["Windows 2000", "Windows XP", "Windows Vista", "Windows 7", "Windows 8", "Windows 10"]
SUBSYSTEM = {"Windows 2000": (5, 0), "Windows XP": (5, 1), "Windows Vista": (6, 0), "Windows 7": (6, 1),
             "Windows 8": (6, 2), "Windows 10": (10, 0)}


def windows(table, oldest, stage, programs):
    since = {(r[0].upper(), r[1]): r[2] for r in rows(table)}
    objdump = os.environ.get("OBJDUMP", "objdump")
    failed = False
    for program in programs:
        header = subprocess.run([objdump, "-p", os.path.join(stage, program)], check=True,
                                capture_output=True, text=True).stdout
        major = int(re.search(r"^MajorSubsystemVersion\s+(\d+)", header, re.M).group(1))
        minor = int(re.search(r"^MinorSubsystemVersion\s+(\d+)", header, re.M).group(1))
        if (major, minor) > SUBSYSTEM[oldest]:
            print(f"release: {program} asks for Windows {major}.{minor} in its header, newer than {oldest}",
                  file=sys.stderr)
            failed = True
        newest = "Windows 2000"
        dll = None
        count = 0
        for line in header.splitlines():
            named = re.match(r"\s+DLL Name: (\S+)", line)
            if named:
                dll = named.group(1).upper()
                continue
            if not line.strip():
                dll = None
                continue
            imported = re.match(r"\t[0-9a-f]+\t +\d+ +(\S+)$", line)
            if dll and not imported and re.match(r"\t[0-9a-f]+\t", line):
                print(f"release: {program} imports from {dll} by ordinal alone ({line.strip()}): "
                      "an ordinal names no function on every Windows", file=sys.stderr)
                failed = True
                continue
            if not (dll and imported):
                continue
            count += 1
            first = since.get((dll, imported.group(1)))
            if first is None or WINDOWS.index(first) > WINDOWS.index(oldest):
                print(f"release: {program} imports {dll} {imported.group(1)}, "
                      f"{'not in ' + table if first is None else 'there only from ' + first}: "
                      f"it would not start on {oldest}", file=sys.stderr)
                failed = True
            elif WINDOWS.index(first) > WINDOWS.index(newest):
                newest = first
        print(f"{program}: subsystem {major}.{minor}, {count} functions imported, the newest from {newest}")
    return 1 if failed else 0


def make_zip(stage, archive):
    epoch = int(os.environ["SOURCE_DATE_EPOCH"])
    import time
    when = time.gmtime(max(epoch, 315532800))[:6]  # zip times start in 1980
    files = []
    for root, _, names in os.walk(stage):
        files += [os.path.relpath(os.path.join(root, n), stage) for n in names]
    with zipfile.ZipFile(archive, "w") as out:
        for name in sorted(files, key=lambda n: n.replace(os.sep, "/")):
            info = zipfile.ZipInfo(name.replace(os.sep, "/"), date_time=when)
            info.create_system = 3
            # A program for Linux keeps its permission to run.
            mode = 0o755 if os.stat(os.path.join(stage, name)).st_mode & 0o100 else 0o644
            info.external_attr = (0o100000 | mode) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(stage, name), "rb") as f:
                out.writestr(info, f.read(), compresslevel=9)
    return 0


GLIBC_FOLDERS = {"/lib", "/lib64", "/usr/lib", "/usr/lib64", "/lib/x86_64-linux-gnu", "/usr/lib/x86_64-linux-gnu"}


def build_paths(cache, stage):
    with open(cache, encoding="utf-8", errors="replace") as f:
        values = [m.group(1).strip() for m in re.finditer(r"^[A-Za-z_][\w-]*:[A-Z]+=(/.*)$", f.read(), re.M)]
    # And the toolchain's own folders, as CMake found them: its headers and libraries.
    build = os.path.dirname(os.path.abspath(cache))
    for found in glob.glob(os.path.join(build, "CMakeFiles", "*", "CMake*Compiler.cmake")):
        with open(found, encoding="utf-8", errors="replace") as f:
            values += re.findall(r'IMPLICIT_(?:INCLUDE|LINK)_DIRECTORIES "([^"]*)"', f.read())
    known = {v for part in values for v in part.split(";") if v.startswith("/")}
    known |= {os.path.dirname(v) for v in list(known) if os.path.isfile(v)}
    known = {os.path.normpath(v) for v in known if os.path.normpath(v).count("/") >= 2}  # not "/usr" or "/bin" alone
    known.add(os.path.expanduser("~"))
    folders = {os.path.dirname(os.path.abspath(cache)), os.getcwd()}
    failed = False
    for root, _, names in os.walk(stage):
        for name in names:
            path = os.path.join(root, name)
            with open(path, "rb") as f:
                data = f.read()
            elf = data.startswith(b"\x7fELF")
            watched = known | folders if name.lower().endswith(".exe") or elf else folders
            if elf:  # the system's library folders, which glibc names itself, the same on every machine it runs on
                watched = {w for w in watched if w not in GLIBC_FOLDERS}
            for named in sorted(watched):
                if named.encode() in data:
                    print(f"release: {os.path.relpath(path, stage)} names {named}, a path of the build machine",
                          file=sys.stderr)
                    failed = True
    return 1 if failed else 0


def main(argv):
    if len(argv) >= 5 and argv[1] == "notices":
        return notices(argv[2], argv[3], argv[4], argv[5:])
    if len(argv) >= 5 and argv[1] == "windows":
        return windows(argv[2], argv[3], argv[4], argv[5:])
    if len(argv) == 4 and argv[1] == "paths":
        return build_paths(argv[2], argv[3])
    if len(argv) == 4 and argv[1] == "zip":
        return make_zip(argv[2], argv[3])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
