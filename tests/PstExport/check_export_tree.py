#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Reads every file below an export folder back with independent parsers and
prints what they see as one JSON object: the writers' checker
(tests/libpst/check_output.py: Python's email package, icalendar, vobject)
for .eml, .ics and .vcf, strict UTF-8 for .txt.

usage: check_export_tree.py [--brief] OUTDIR
--brief leaves out the decoded part data (for large folders).
Output: {"files": {relative path: summary}, "errors": {relative path: message}}"""

import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'libpst'))
import check_output  # noqa: E402


def check_txt(path):
    with open(path, 'rb') as f:
        text = f.read().decode('utf-8')
    return {'lines': text.split('\n')}


def drop_data(summary):
    for part in summary.get('parts', []):
        part['size'] = len(part.pop('data', '')) * 3 // 4
    for inner in summary.get('messages', []):
        drop_data(inner)


CHECKERS = {
    '.eml': check_output.check_eml,
    '.ics': check_output.check_ics,
    '.vcf': check_output.check_vcf,
    '.txt': check_txt,
}


def main():
    args = sys.argv[1:]
    brief = '--brief' in args
    args = [a for a in args if a != '--brief']
    if len(args) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    root = args[0]
    files, errors = {}, {}
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            relative = os.path.relpath(path, root)
            checker = CHECKERS.get(os.path.splitext(name)[1])
            if checker is None:
                errors[relative] = 'unexpected file'
                continue
            try:
                summary = checker(path)
            except Exception as error:  # every parser failure is a finding
                errors[relative] = '%s: %s' % (type(error).__name__, error)
                continue
            if brief:
                drop_data(summary)
            files[relative] = summary
    json.dump({'files': files, 'errors': errors}, sys.stdout)
    return 0


if __name__ == '__main__':
    sys.exit(main())
