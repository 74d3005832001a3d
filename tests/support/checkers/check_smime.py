#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
# Reads converted S/MIME mails back as another mail program would: every
# message of a folder of .eml files, an mbox (mboxrd) or a Maildir tree is
# parsed with Python's email package; a signed one is verified with
# `openssl smime -verify` against the test CA, an encrypted one decrypted
# with `openssl cms -decrypt`. Prints one JSON object keyed by subject.
#   check_smime.py eml|mbox|maildir PATH CERT_FOLDER
import email
import json
import os
import re
import subprocess
import sys
import tempfile
from email import policy


def check(raw, certs, results):
    message = email.message_from_bytes(raw, policy=policy.default)
    entry = {'contentType': message.get_content_type(), 'defects': len(message.defects),
             'from': str(message['from'] or ''), 'date': str(message['date'] or ''),
             'mimeVersions': len(message.get_all('MIME-Version') or [])}
    with tempfile.NamedTemporaryFile(suffix='.eml', delete=False) as handle:
        handle.write(raw)
        name = handle.name
    try:
        smime_type = message.get_param('smime-type') or ''
        if entry['contentType'] == 'multipart/signed' or smime_type == 'signed-data':
            run = subprocess.run(['openssl', 'smime', '-verify', '-in', name, '-CAfile',
                                  os.path.join(certs, 'ca.pem'), '-purpose', 'any'],
                                 capture_output=True)
            entry['verified'] = run.returncode == 0
            entry['verifyError'] = run.stderr.decode('utf-8', 'replace')
            entry['signedContent'] = run.stdout.decode('latin-1')
        elif entry['contentType'] == 'application/pkcs7-mime':
            run = subprocess.run(['openssl', 'cms', '-decrypt', '-in', name, '-recip',
                                  os.path.join(certs, 'recipient.pem'), '-inkey',
                                  os.path.join(certs, 'recipient.key')], capture_output=True)
            entry['decrypted'] = run.stdout.decode('latin-1') if run.returncode == 0 else ''
    finally:
        os.unlink(name)
    results[str(message['subject'])] = entry


def mbox_messages(path):
    data = open(path, 'rb').read()
    for chunk in re.split(rb'(?:^|\n)From [^\n]*\n', data):
        if chunk.strip():
            # mboxrd: one ">" less before every quoted "From " line
            yield re.sub(rb'(?m)^>(>*From )', rb'\1', chunk)


def main():
    kind, path, certs = sys.argv[1:4]
    results = {}
    if kind == 'mbox':
        for raw in mbox_messages(path):
            check(raw, certs, results)
    else:
        for folder, _, files in os.walk(path):
            for name in files:
                if kind == 'eml' and not name.endswith('.eml'):
                    continue
                if kind == 'maildir' and os.path.basename(folder) not in ('cur', 'new'):
                    continue
                check(open(os.path.join(folder, name), 'rb').read(), certs, results)
    json.dump(results, sys.stdout)


main()
