#!/usr/bin/env python3
"""Reads and fills the Qt .ts translation files.

  translations.py report FILE.ts...      counts per file; exit 1 on any problem
  translations.py pending FILE.ts...     texts without a translation, as TSV:
                                         file, context, source, comment
  translations.py apply TSV              writes translations from TSV lines:
                                         file, context, source, translation
                                         (numerus forms separated by " ||| ")

In TSV fields a newline is written \\n, a tab \\t and a backslash \\\\.
Run scripts/update-translations.sh after apply: lupdate writes the files
back in its own layout.
"""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d{1,2}|n|L\d)")
MNEMONIC = re.compile(r"&(?!&)(?=\S)")


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def unescape(text):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), text)


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            yield name, message


def translations_of(message):
    translation = message.find("translation")
    forms = translation.findall("numerusform")
    return translation, [f.text or "" for f in forms] if forms else [translation.text or ""]


def problems_of(source, texts):
    found = []
    wanted = sorted(set(PLACEHOLDER.findall(source)))
    for text in texts:
        if sorted(set(PLACEHOLDER.findall(text))) != wanted:
            found.append("placeholders")
        if bool(MNEMONIC.search(source)) != bool(MNEMONIC.search(text)):
            found.append("shortcut")
    return found


def report(files):
    failed = False
    print(f"{'file':<24}{'texts':>7}{'unfinished':>12}{'vanished':>10}{'mismatched':>12}")
    for path in files:
        tree = ET.parse(path)
        total = unfinished = vanished = 0
        mismatched = []
        for context, message in messages(tree):
            translation, texts = translations_of(message)
            kind = translation.get("type", "")
            if kind in ("vanished", "obsolete"):
                vanished += 1
                continue
            total += 1
            if kind == "unfinished" or not any(texts):
                unfinished += 1
                continue
            source = message.findtext("source", "")
            for problem in problems_of(source, texts):
                mismatched.append(f"  {problem}: [{context}] {source!r} -> {texts!r}")
        name = path.rsplit("/", 1)[-1]
        print(f"{name:<24}{total:>7}{unfinished:>12}{vanished:>10}{len(mismatched):>12}")
        for line in mismatched:
            print(line)
        failed |= bool(unfinished or vanished or mismatched)
    return 1 if failed else 0


def pending(files):
    for path in files:
        for context, message in messages(ET.parse(path)):
            translation, texts = translations_of(message)
            if translation.get("type") == "unfinished" or (not any(texts) and translation.get("type") is None):
                comment = message.findtext("comment", "") or message.findtext("extracomment", "")
                numerus = "numerus" if message.get("numerus") == "yes" else ""
                print("\t".join([path, escape(context), escape(message.findtext("source", "")),
                                 escape(comment), numerus]))
    return 0


def apply(tsv):
    wanted = {}
    with open(tsv, encoding="utf-8") as lines:
        for line in lines:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            path, context, source, text = line.split("\t")[:4]
            wanted.setdefault(path, {})[(unescape(context), unescape(source))] = unescape(text)
    for path, entries in wanted.items():
        tree = ET.parse(path)
        for context, message in messages(tree):
            key = (context, message.findtext("source", ""))
            if key not in entries:
                continue
            translation = message.find("translation")
            translation.attrib.pop("type", None)
            forms = entries[key].split(" ||| ")
            if message.get("numerus") == "yes":
                for child in list(translation):
                    translation.remove(child)
                translation.text = None
                for form in forms:
                    ET.SubElement(translation, "numerusform").text = form
            else:
                translation.text = forms[0]
        tree.write(path, encoding="utf-8", xml_declaration=True)
    return 0


def main(argv):
    if len(argv) < 3 or argv[1] not in ("report", "pending", "apply"):
        print(__doc__, file=sys.stderr)
        return 2
    return {"report": report, "pending": pending}.get(argv[1], lambda a: apply(a[0]))(argv[2:])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
