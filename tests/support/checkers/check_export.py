#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Reads an export back with independent parsers and prints what they see as
JSON: {"lines": ["PATH | what: value", ...], ...}; the tests look for the
lines they expect.

usage:
  check_export.py tree [--brief] DIR
      Every file below DIR through the writers' checker (tests/libpst/
      check_output.py: Python's email package, icalendar, vobject) for .eml,
      .ics and .vcf (icalendar also for a mail's calendar), strict UTF-8 for
      .txt. Adds {"files": {path: summary}, "errors": {path: message}};
      --brief leaves out the lines and decoded part data, giving each file's
      header names and how many message/* parts it sends in base64. Mailboxes (.mbox,
      the Maildir++ folders) are left to 'mailboxes'.
  check_export.py mailboxes DIR
      Every FOLDER.mbox below DIR (mailbox.mbox; "eml: True" when a message
      is the bytes of an .eml of its folder without the first line) and the
      Maildir++ tree at DIR (mailbox.Maildir, "maildir FOLDER").
  check_export.py calendar PATH [ZONE]
      Every VEVENT of the .ics files at PATH (a file or a folder) through
      icalendar, as "PATH | SUMMARY[ @ RECURRENCE-ID] | ..."; times in UTC
      (yyyymmddThhmmssZ), or as wall-clock time in ZONE; dates (all-day
      events) as yyyy-mm-dd; the UID and any categories.
"""

import base64
import email
import glob
import hashlib
import json
import mailbox
import os
import re
import sys
import zoneinfo
from datetime import datetime, timezone

import icalendar

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'libpst'))
import check_output  # noqa: E402


def sha1(data):
    return hashlib.sha1(data).hexdigest()


def flat(summary, prefix=''):
    """One file's summary from check_output.py as "what: value" lines."""
    for key in ('subject', 'from'):
        if key in summary:
            yield '%s%s: %s' % (prefix, key, summary[key])
    if 'defects' in summary:
        yield '%sdefects: %d' % (prefix, len(summary['defects']))
    for part in summary.get('parts', []):
        if part.get('filename'):
            yield '%s%s: %s' % (prefix, part['filename'], sha1(base64.b64decode(part['data'])))
        elif part['type'] == 'text/calendar':
            icalendar.Calendar.from_ical(part['text'])
            yield from ('%stext/calendar: %s' % (prefix, line) for line in part['text'].splitlines())
        else:
            yield '%s%s: %s' % (prefix, part['type'], part.get('text'))
    for inner in summary.get('messages', []):
        yield from flat(inner, prefix + '> ')
    for record in summary.get('cards', []) + [c['properties'] for c in summary.get('components', [])]:
        yield from ('%s%s: %s' % (prefix, key, ','.join(map(str, values))) for key, values in record.items())
    if 'lines' in summary:
        yield '%slines: %s' % (prefix, '|'.join(summary['lines']))


def base64_message_parts(path):
    """The message/* parts other than attached mails that an .eml sends in
    base64, which RFC 2046 forbids."""
    if not path.endswith('.eml'):
        return 0
    message = email.message_from_bytes(open(path, 'rb').read())
    return sum(1 for part in message.walk() if part.get_content_maintype() == 'message'
               and part.get_content_type() != 'message/rfc822'
               and str(part.get('Content-Transfer-Encoding', '')).lower() == 'base64')


def tree(root, brief):
    files, errors, lines = {}, {}, []
    checkers = {'.eml': check_output.check_eml, '.ics': check_output.check_ics, '.vcf': check_output.check_vcf,
                '.txt': lambda p: {'lines': open(p, 'rb').read().decode('utf-8').split('\n')}}
    for folder, dirs, names in os.walk(root):
        if folder == root:  # the Maildir++ tree
            dirs[:] = [d for d in dirs if not d.startswith('.') and d not in ('cur', 'new', 'tmp')]
        for name in (n for n in names if not n.endswith('.mbox')):
            relative = os.path.relpath(os.path.join(folder, name), root)
            try:
                summary = checkers[os.path.splitext(name)[1]](os.path.join(folder, name))
                read = list(flat(summary))
            except Exception as error:  # every parser failure is a finding
                errors[relative] = '%s: %s' % (type(error).__name__, error)
                continue
            files[relative] = {'header_names': summary.get('header_names'),
                               'base64_message_parts': base64_message_parts(os.path.join(folder, name))} if brief else summary
            lines += [] if brief else ['%s | %s' % (relative, line) for line in read]
    return {'files': files, 'errors': errors, 'lines': lines}


def mboxrd_unquoted(data):
    return re.sub(rb'(?m)^>(>*From )', rb'\1', data)


def message_lines(where, data):
    message = email.message_from_bytes(data)
    where = '%s | %s | ' % (where, message['Subject'])
    body = next((p for p in message.walk() if p.get_content_type() == 'text/plain' and not p.get_filename()), None)
    if body is not None:
        yield where + 'body: ' + body.get_payload(decode=True).decode(body.get_content_charset() or 'utf-8')
    for part in message.walk():
        if part.get_filename():
            yield '%sattachment %s: %s' % (where, part.get_filename(), sha1(part.get_payload(decode=True)))


def mailboxes(root):
    lines = []
    for path in glob.glob(os.path.join(root, '**', '*.mbox'), recursive=True):
        emls = [open(e, 'rb').read().split(b'\n', 1)[1] for e in glob.glob(glob.escape(os.path.dirname(path)) + '/*.eml')]
        box, relative = mailbox.mbox(path, create=False), os.path.relpath(path, root)
        lines.append('%s: %d messages, %d .eml files' % (relative, len(box), len(emls)))
        for key in box.keys():
            data = box.get_bytes(key)
            lines += list(message_lines(relative, mboxrd_unquoted(data)))
            lines.append('%s | %s | eml: %s, sender: %s' % (relative, box.get_message(key)['Subject'],
                                                            mboxrd_unquoted(data) in emls,
                                                            box.get_message(key).get_from().split()[0]))
    top = mailbox.Maildir(root, factory=None, create=False)
    for name in [''] + top.list_folders():
        box = top if name == '' else top.get_folder(name)
        lines.append('maildir %s: %d messages' % (name, len(box)))
        for key in box.keys():
            message = box.get_message(key)
            lines += list(message_lines('maildir ' + name, box.get_bytes(key)))
            lines.append('maildir %s | %s | flags: %s %s %d' % (name, message['Subject'], message.get_flags(),
                                                                message.get_subdir(), message.get_date()))
    return {'lines': lines}


def calendar(path, zone):
    def when(value):
        if not isinstance(value, datetime):
            return value.isoformat()
        return value.astimezone(zone).strftime('%Y-%m-%d %H:%M %Z') if zone else \
            value.astimezone(timezone.utc).strftime('%Y%m%dT%H%M%SZ')

    def listed(value):
        return value if isinstance(value, list) else [value] if value is not None else []

    lines = []
    paths = [path] if os.path.isfile(path) else glob.glob(os.path.join(path, '**', '*.ics'), recursive=True)
    for ics in paths:
        relative = os.path.relpath(ics, path) if ics != path else os.path.basename(ics)
        events = icalendar.Calendar.from_ical(open(ics, 'rb').read()).walk('VEVENT')
        uids = {str(e['UID']) for e in events if 'RECURRENCE-ID' not in e}
        lines.append('%s: %d events' % (relative, len(events)))
        for event in events:
            rid = event.get('RECURRENCE-ID')
            where = '%s | %s%s | ' % (relative, event.get('SUMMARY'), ' @ ' + when(rid.dt) if rid else '')
            lines += [where + 'start: ' + when(event.decoded('DTSTART')), where + 'location: %s' % event.get('LOCATION')]
            lines += [where + 'end: ' + when(event.decoded('DTEND'))] if 'DTEND' in event else []
            lines += [where + 'rrule: ' + event['RRULE'].to_ical().decode()] if 'RRULE' in event else []
            lines += [where + 'exdate: ' + when(d.dt) for line in listed(event.get('EXDATE')) for d in line.dts]
            lines += [where + 'same uid as the series'] if rid and str(event['UID']) in uids else []
            lines += [where + 'uid: %s' % event.get('UID')]
            lines += [where + 'categories: ' + ','.join(str(c) for line in listed(event.get('CATEGORIES'))
                                                        for c in line.cats)] if 'CATEGORIES' in event else []
            for attach in listed(event.get('ATTACH')):
                if attach.params.get('ENCODING') == 'BASE64' and attach.params.get('VALUE') == 'BINARY':
                    data, kind = base64.b64decode(str(attach)), attach.params.get('FMTTYPE')
                    lines.append('%sattachment %s: %s %s' % (where, attach.params.get('X-FILENAME'), kind, sha1(data)
                                 if kind != 'message/rfc822' else email.message_from_bytes(data)['Subject']))
    return {'lines': lines}


def main():
    mode, args = sys.argv[1], sys.argv[2:]
    if mode == 'tree':
        result = tree(args[-1], '--brief' in args)
    elif mode == 'mailboxes':
        result = mailboxes(args[0])
    else:
        result = calendar(args[0], zoneinfo.ZoneInfo(args[1]) if len(args) > 1 else None)
    json.dump(result, sys.stdout, sort_keys=True)


if __name__ == '__main__':
    main()
