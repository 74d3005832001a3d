#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Reads converted mailboxes and calendars back with independent parsers
(Python's mailbox and email packages, icalendar, libpff's pffexport) and
prints the problems found as a JSON list (empty: all is well).

usage:
  check_mailboxes.py mailboxes OUTDIR EXPECT.json
      Every FOLDER.mbox below OUTDIR (mailbox.mbox) holds exactly the .eml
      files of its folder: same count, each message the .eml's bytes without
      its first line. The Maildir++ tree at OUTDIR (mailbox.Maildir) holds
      the folders and messages EXPECT names: {"maildir": {folder: [{subject,
      flags, time}]}, "messages": {subject: {"body": text, "attachments":
      {name: base64}}}}, checked in mbox and Maildir alike.
  check_mailboxes.py calendar ICS EXPECT.json
      The .ics holds the attachments, EXDATEs and changed occurrences
      EXPECT names: {"attachments": {name: {"type": t, "data": base64} or
      {"type": "message/rfc822", "subject": s}}, "exdates": [utc],
      "changes": [{"recurrence_id", "start", "end", "summary", "location"}]}.
  check_mailboxes.py shared PST OUTDIR
      Every attachment of an appointment that pffexport reads from PST is in
      an .ics below OUTDIR: a file as an ATTACH with the same bytes, an
      attached occurrence of a series as a VEVENT with RECURRENCE-ID starting
      at the occurrence's start time.
"""

import base64
import email
import email.policy
import glob
import json
import mailbox
import os
import re
import subprocess
import sys
import tempfile
from datetime import datetime, timezone

import icalendar


def unquote_mboxrd(data):
    return re.sub(rb'(?m)^>(>*From )', rb'\1', data)


def parts_of(message):
    """Text body and attachments (name -> bytes) of an email message."""
    body, attachments = None, {}
    for part in message.walk():
        if part.is_multipart():
            continue
        name = part.get_filename()
        if name:
            attachments[name] = part.get_payload(decode=True)
        elif part.get_content_type() == 'text/plain' and body is None:
            body = part.get_payload(decode=True).decode(part.get_content_charset() or 'utf-8')
    return body, attachments


def check_message(where, message_bytes, expect, problems):
    message = email.message_from_bytes(unquote_mboxrd(message_bytes), policy=email.policy.compat32)
    subject = message['Subject']
    want = expect.get('messages', {}).get(subject)
    if want is None:
        return subject
    body, attachments = parts_of(message)
    if 'body' in want and body != want['body']:
        problems.append('%s: body of %r is %r' % (where, subject, body))
    for name, data in want.get('attachments', {}).items():
        if attachments.get(name) != base64.b64decode(data):
            problems.append('%s: attachment %s of %r differs' % (where, name, subject))
    return subject


def check_mbox_files(outdir, expect, problems):
    found = 0
    for path in glob.glob(os.path.join(outdir, '**', '*.mbox'), recursive=True):
        found += 1
        folder = os.path.dirname(path)
        emls = {}
        for eml in glob.glob(os.path.join(glob.escape(folder), '*.eml')):
            with open(eml, 'rb') as f:
                data = f.read()
            emls[data.split(b'\n', 1)[1]] = eml
        box = mailbox.mbox(path, create=False)
        keys = box.keys()
        if len(keys) != len(emls):
            problems.append('%s: %d messages, %d .eml files' % (path, len(keys), len(emls)))
        for key in keys:
            data = box.get_bytes(key)
            if data not in emls:
                problems.append('%s: message %d is not the bytes of any .eml' % (path, key))
            if not box.get_message(key).get_from().startswith(('MAILER-DAEMON ', ) ) and '@' not in box.get_message(key).get_from():
                problems.append('%s: odd separator %r' % (path, box.get_message(key).get_from()))
            check_message(path, data, expect, problems)
    if found == 0:
        problems.append('no .mbox file below %s' % outdir)


def check_maildir(outdir, expect, problems):
    top = mailbox.Maildir(outdir, factory=None, create=False)
    wanted = expect.get('maildir', {})
    folders = set(top.list_folders())
    for name in wanted:
        if name and name not in folders:
            problems.append('Maildir folder %r missing; found %s' % (name, sorted(folders)))
    for name in [''] + sorted(folders):
        box = top if name == '' else top.get_folder(name)
        seen = []
        for key in box.keys():
            message = box.get_message(key)
            subject = check_message('maildir ' + name, box.get_bytes(key), expect, problems)
            seen.append({'subject': subject, 'flags': message.get_flags(), 'time': int(message.get_date()),
                         'subdir': message.get_subdir()})
        want = wanted.get(name, [])
        got = sorted(seen, key=lambda m: m['subject'])
        want = sorted(want, key=lambda m: m['subject'])
        if [m['subject'] for m in got] != [m['subject'] for m in want]:
            problems.append('Maildir folder %r holds %s, expected %s' % (name, got, want))
            continue
        for g, w in zip(got, want):
            if g['flags'] != w['flags'] or ('time' in w and g['time'] != w['time']) or g['subdir'] != 'cur':
                problems.append('Maildir %r message %r: %s, expected %s' % (name, g['subject'], g, w))


def utc(value):
    return value.astimezone(timezone.utc).strftime('%Y%m%dT%H%M%SZ')


def attachments_of(event):
    found = {}
    attaches = event.get('ATTACH', [])
    for attach in attaches if isinstance(attaches, list) else [attaches]:
        params = attach.params
        if params.get('ENCODING') != 'BASE64' or params.get('VALUE') != 'BINARY':
            continue
        found[params.get('X-FILENAME')] = (params.get('FMTTYPE'), base64.b64decode(str(attach)))
    return found


def check_calendar(path, expect, problems):
    with open(path, 'rb') as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    events = [c for c in calendar.walk('VEVENT')]
    master = [e for e in events if 'RECURRENCE-ID' not in e]
    if len(master) != 1:
        return problems.append('%s: %d events without RECURRENCE-ID' % (path, len(master)))
    master = master[0]
    attachments = attachments_of(master)
    for name, want in expect.get('attachments', {}).items():
        if name not in attachments:
            problems.append('%s: attachment %s missing; found %s' % (path, name, sorted(attachments)))
            continue
        media, data = attachments[name]
        if media != want['type']:
            problems.append('%s: attachment %s has type %s' % (path, name, media))
        if 'data' in want and data != base64.b64decode(want['data']):
            problems.append('%s: attachment %s differs' % (path, name))
        if 'subject' in want and email.message_from_bytes(data)['Subject'] != want['subject']:
            problems.append('%s: attached message %s has another subject' % (path, name))
    exdates = []
    for line in master.get('EXDATE', []) if isinstance(master.get('EXDATE', []), list) else [master['EXDATE']]:
        exdates += [utc(d.dt) for d in line.dts]
    if sorted(exdates) != sorted(expect.get('exdates', [])):
        problems.append('%s: EXDATE %s, expected %s' % (path, exdates, expect.get('exdates')))
    changes = []
    for event in events:
        if 'RECURRENCE-ID' in event:
            if str(event['UID']) != str(master['UID']):
                problems.append('%s: occurrence with another UID' % path)
            changes.append({'recurrence_id': utc(event['RECURRENCE-ID'].dt), 'start': utc(event['DTSTART'].dt),
                            'end': utc(event['DTEND'].dt), 'summary': str(event.get('SUMMARY')),
                            'location': str(event.get('LOCATION'))})
    if sorted(changes, key=str) != sorted(expect.get('changes', []), key=str):
        problems.append('%s: occurrences %s, expected %s' % (path, changes, expect.get('changes')))


def pff_appointment_attachments(pst):
    """(kind, value) per attachment of an appointment: ('file', bytes) or
    ('occurrence', start in UTC text) or ('item', subject)."""
    found = []
    with tempfile.TemporaryDirectory() as work:
        subprocess.run(['pffexport', '-q', '-t', os.path.join(work, 'x'), pst],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for attachments in glob.glob(os.path.join(work, '**', 'Appointment*', 'Attachments'), recursive=True):
            if os.sep + 'Attachments' + os.sep in attachments[len(work):]:
                continue  # inside an attached item
            for entry in sorted(os.listdir(attachments)):
                path = os.path.join(attachments, entry)
                if os.path.isfile(path):
                    with open(path, 'rb') as f:
                        found.append(('file', f.read()))
                    continue
                for text in glob.glob(os.path.join(path, '*', '*.txt')):
                    with open(text, encoding='utf-8', errors='replace') as f:
                        content = f.read()
                    start = re.search(r'Start time:\s+(\w+ \d+, \d+ \d+:\d+:\d+)', content)
                    subject = re.search(r'\nSubject:\s+(.*)', content)
                    if os.path.basename(text) == 'Appointment.txt' and start:
                        when = datetime.strptime(start.group(1), '%b %d, %Y %H:%M:%S')
                        found.append(('occurrence', when.strftime('%Y%m%dT%H%M%SZ')))
                    elif subject:
                        found.append(('item', subject.group(1).strip()))
                    break
    return found


def check_shared(pst, outdir, problems):
    files, occurrences, subjects = [], set(), set()
    for path in glob.glob(os.path.join(outdir, '**', '*.ics'), recursive=True):
        with open(path, 'rb') as f:
            calendar = icalendar.Calendar.from_ical(f.read())
        for event in calendar.walk('VEVENT'):
            for media, data in attachments_of(event).values():
                files.append(data)
                if media == 'message/rfc822':
                    subjects.add(str(email.message_from_bytes(data)['Subject']))
            if 'RECURRENCE-ID' in event:
                occurrences.add(utc(event['DTSTART'].dt))
    wanted = pff_appointment_attachments(pst)
    for kind, value in wanted:
        if kind == 'file' and value not in files:
            problems.append('%s: an attachment of %d bytes is not in any .ics' % (pst, len(value)))
        elif kind == 'occurrence' and value not in occurrences:
            problems.append('%s: the occurrence at %s is not in any .ics' % (pst, value))
        elif kind == 'item' and value not in subjects:
            problems.append('%s: the attached item %r is not in any .ics' % (pst, value))
    return len(wanted)


def main():
    problems = []
    command = sys.argv[1]
    if command == 'mailboxes':
        with open(sys.argv[3]) as f:
            expect = json.load(f)
        check_mbox_files(sys.argv[2], expect, problems)
        check_maildir(sys.argv[2], expect, problems)
        json.dump(problems, sys.stdout)
    elif command == 'calendar':
        with open(sys.argv[3]) as f:
            check_calendar(sys.argv[2], json.load(f), problems)
        json.dump(problems, sys.stdout)
    else:
        count = check_shared(sys.argv[2], sys.argv[3], problems)
        json.dump({'attachments': count, 'problems': problems}, sys.stdout)


if __name__ == '__main__':
    main()
