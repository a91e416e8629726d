#!/usr/bin/env python3
"""Wickcheck --from-po reads a catalogue as gettext's own tools read it.

A table of odd catalogues, each made from the demo folder's catalogue
(`Wickcheck --po`): gettext's msgfmt compiles each one, and Python's gettext
reads the compiled texts; the native Wickcheck makes each into a language
file, which is read back through `Wickcheck --po` and msgfmt. Each row says
what must happen:
  same     msgfmt takes it; Wickcheck writes a language file whose texts are
           gettext's, and no key for a text gettext leaves untranslated
  refused  msgfmt refuses it; so does Wickcheck (exit 2, nothing written)
  ours     msgfmt takes it, Wickcheck refuses it by a rule of its own (a
           control character, a charset it does not read): exit 2, nothing
           written
Usage: check_po_reading.py WICKCHECK DEMO-FOLDER
"""
import gettext
import os
import re
import shutil
import subprocess
import sys
import tempfile


def entry(context, translation):
    """The catalogue's entry of this context as the demo's catalogue writes it."""
    return re.compile(r'(msgctxt "%s"\nmsgid "[^"\n]*"\nmsgstr )"[^"\n]*"' % re.escape(context)), translation


def replace(text, context, translation):
    pattern, value = entry(context, translation)
    changed, count = pattern.subn(lambda m: m.group(1) + value, text, count=1)
    assert count == 1, context
    return changed


def before(text, context, lines):
    at = text.index('msgctxt "%s"' % context)
    return text[:at] + lines + text[at:]


HEADER_END = '"Content-Transfer-Encoding: 8bit\\n"\n'

ROWS = [
    ("as written", "same", lambda t: t),
    ("CR LF line ends", "same", lambda t: t.replace("\n", "\r\n")),
    ("CR alone ends lines", "same", lambda t: t.replace("\n", "\r")),
    ("a UTF-8 mark", "refused", lambda t: "\ufeff" + t),
    ("keywords after blanks", "same", lambda t: t.replace("\nmsgstr ", "\n  msgstr ").replace("\nmsgid ", "\n\tmsgid ")),
    ("another flag line, then fuzzy", "same", lambda t: before(t, "TextB/Cancel", "#, c-format\n#, fuzzy\n")),
    ("fuzzy among other flags", "same", lambda t: before(t, "TextB/OK", "#, c-format, fuzzy\n")),
    ("a flag that only contains the word", "same", lambda t: before(t, "TextB/OK", "#, no-fuzzy-check\n")),
    ("octal and hexadecimal escapes", "same", lambda t: replace(t, "TextB/Cancel", r'"\101b\x62rechen\11x"')),
    ("quote, backslash and tab escapes", "same", lambda t: replace(t, "TextB/Cancel", r'"\"A\" \\ \t B"')),
    ("a string continued on three lines", "same", lambda t: replace(t, "TextB/OK", '""\n"Speichern "\n"&& Be&enden"')),
    ("blanks and quotes at the ends", "same", lambda t: replace(t, "TextB/OK", '"  Save  "')),
    ("a blank at the end alone", "same", lambda t: replace(t, "TextB/Cancel", '"Abbrechen "')),
    ("tabs at the ends", "same", lambda t: replace(t, "TextB/Cancel", r'"\tAbbrechen\t"')),
    ("quotes around the text", "same", lambda t: replace(t, "TextB/Cancel", r'"\"Cancel\""')),
    ("an obsolete entry", "same", lambda t: t + '\n#~ msgctxt "TextB/Old"\n#~ msgid "Old"\n#~ msgstr "Alt"\n'),
    ("a fuzzy obsolete entry before an entry", "same",
     lambda t: before(t, "TextB/Cancel", '#, fuzzy\n#~ msgctxt "TextB/Old"\n#~ msgid "Old"\n#~ msgstr "Alt"\n\n#, c-format\n')),
    ("an obsolete twin of an entry", "refused",
     lambda t: t + '\n#~ msgctxt "TextB/OK"\n#~ msgid "Save && Exit"\n#~ msgstr "Old"\n'),
    ("a plural entry of another context", "same",
     lambda t: t + '\nmsgctxt "Other/N"\nmsgid "one"\nmsgid_plural "many"\nmsgstr[0] "ein"\nmsgstr[1] "viele"\n'),
    ("a plural entry of one of Tunewick's", "same",
     lambda t: t.replace('msgid "Cancel"\nmsgstr "Cancel"',
                         'msgid "Cancel"\nmsgid_plural "Cancels"\nmsgstr[0] "Abbrechen"\nmsgstr[1] "Abbrechen alle"')),
    ("a header of 20,000 bytes", "same",
     lambda t: t.replace(HEADER_END, HEADER_END + ''.join('"X-Note-%d: %s\\n"\n' % (i, "n" * 60) for i in range(300)))),
    ("charset= in another entry", "same", lambda t: t + '\nmsgid "charset=ISO-8859-1"\nmsgstr "x"\n'),
    ("an empty translation", "same", lambda t: replace(t, "TextB/Cancel", '""')),
    ("a duplicate entry", "refused",
     lambda t: t + '\nmsgctxt "TextB/OK"\nmsgid "Save && Exit"\nmsgstr "Again"\n'),
    ("an unterminated string", "refused", lambda t: replace(t, "TextB/Cancel", '"Abbrechen')),
    ("junk after a string", "refused", lambda t: replace(t, "TextB/Cancel", '"Abbrechen" junk')),
    ("an escape gettext does not know", "refused", lambda t: replace(t, "TextB/Cancel", r'"Ab\qbrechen"')),
    ("a string that no keyword leads", "refused", lambda t: t.replace('msgctxt "TextB/OK"', '"stray"\nmsgctxt "TextB/OK"')),
    ("an entry without msgstr", "refused", lambda t: t + '\nmsgctxt "X/Y"\nmsgid "lonely"\n'),
    ("a word that is no keyword", "refused", lambda t: t.replace('msgctxt "TextB/OK"', 'msgcontext "TextB/OK"', 1)),
    ("fuzzy, then another flag line", "ours", lambda t: before(t, "TextB/Cancel", "#, fuzzy\n#, c-format\n")),
    ("a vertical tab", "ours", lambda t: replace(t, "TextB/Cancel", r'"Ab\vbrechen"')),
    ("a form feed", "ours", lambda t: replace(t, "TextB/Cancel", r'"Abbrechen\f"')),
    ("a bell", "ours", lambda t: replace(t, "TextB/Cancel", r'"Ab\abrechen"')),
    ("a line break", "ours", lambda t: replace(t, "TextB/Cancel", r'"Ab\nbrechen"')),
    ("another charset", "ours", lambda t: t.replace("charset=UTF-8", "charset=ISO-8859-1")),
]


def compiled(path, work):
    """The texts gettext reads from the catalogue, by context; None where msgfmt refuses it."""
    mo = os.path.join(work, "texts.mo")
    if subprocess.run(["msgfmt", "-o", mo, path], capture_output=True).returncode != 0:
        return None
    with open(mo, "rb") as f:
        catalog = gettext.GNUTranslations(f)._catalog
    # A plural entry's texts stand by (key, form): its first form is the text of one.
    texts = {key[0] if isinstance(key, tuple) else key: value for key, value in catalog.items()
             if value and (not isinstance(key, tuple) or key[1] == 0)}
    return {key.split("\x04", 1)[0]: value for key, value in texts.items() if "\x04" in key}


def main():
    wickcheck, demo = sys.argv[1], sys.argv[2]
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        game = os.path.join(work, "game")
        shutil.copytree(demo, game)
        base = os.path.join(work, "base.po")
        subprocess.run([wickcheck, "--po", base, game], check=True, capture_output=True)
        text = open(base, encoding="utf-8").read()
        contexts = re.findall(r'^msgctxt "([^"]+)"', text, re.M)
        for what, expected, make in ROWS:
            po = os.path.join(work, "odd.po")
            with open(po, "w", encoding="utf-8", newline="") as f:
                f.write(make(text))
            theirs = compiled(po, work)
            out = os.path.join(work, "out.lng")
            with open(out, "w") as f:
                f.write("[TextB]\nOK=before\n")
            ran = subprocess.run([wickcheck, "--from-po", po, out], capture_output=True, text=True)
            said = (ran.stdout + ran.stderr).strip().replace("\n", " | ")
            problem = None
            if (theirs is None) != (expected == "refused"):
                problem = "msgfmt %s it" % ("refuses" if theirs is None else "takes")
            elif expected != "same":
                if ran.returncode != 2 or open(out).read() != "[TextB]\nOK=before\n":
                    problem = "Wickcheck did not refuse it (exit %d)" % ran.returncode
            elif ran.returncode != 0:
                problem = "Wickcheck refused it (exit %d)" % ran.returncode
            else:
                back_game = os.path.join(work, "back")
                shutil.rmtree(back_game, ignore_errors=True)
                os.makedirs(os.path.join(back_game, "System"))
                shutil.copy(out, os.path.join(back_game, "System", "back.lng"))
                back = os.path.join(work, "back.po")
                subprocess.run([wickcheck, "--po", back, back_game], check=True, capture_output=True)
                ours = compiled(back, work)
                written = open(out, encoding="cp1252").read()
                for context in contexts:
                    key = context.split("/", 1)[1]
                    if context in theirs and ours.get(context) != theirs[context]:
                        problem = "%s: gettext reads %r, the language file %r" % (context, theirs[context], ours.get(context))
                    if context not in theirs and re.search(r"^%s=" % re.escape(key), written, re.M):
                        problem = "%s: gettext leaves it untranslated, the language file sets it" % context
            if problem:
                failures += 1
                print("check-po-reading: %s (%s): %s. Wickcheck said: %s" % (what, expected, problem, said))
    if failures:
        sys.exit(1)
    print("check-po-reading: %d odd catalogues read as gettext reads them, or refused" % len(ROWS))


if __name__ == "__main__":
    main()
