#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Reads the writers' output back with independent parsers and prints what
they see as JSON: Python's email package for .eml, icalendar for .ics and
vobject for .vcf. One FILE prints one object, several print a list of them.

usage: check_output.py eml|ics|vcf FILE...
An output that a parser rejects gives {"error": "..."} (exit status 1)."""

import base64
import email
import json
import sys
from email import policy


def leaf_part(part):
    data = part.get_payload(decode=True) or b''
    entry = {
        'type': part.get_content_type(),
        'filename': part.get_filename(),
        'data': base64.b64encode(data).decode('ascii'),
        'defects': [type(d).__name__ for d in part.defects],
    }
    if part.get_content_maintype() == 'text':
        entry['text'] = part.get_content()
        entry['charset'] = part.get_content_charset()
    return entry


def message_summary(message):
    summary = {
        'type': message.get_content_type(),
        'subject': str(message['Subject']) if message['Subject'] is not None else None,
        'from': str(message['From']) if message['From'] is not None else None,
        'date': str(message['Date']) if message['Date'] is not None else None,
        'header_names': list(message.keys()),
        'defects': [type(d).__name__ for d in message.defects],
        'parts': [],
        'messages': [],
    }
    collect(message, summary)
    inner = summary['messages']
    summary['nesting'] = max([1 + m['nesting'] for m in inner], default=0)
    summary['all_defects'] = (summary['defects'] + [d for p in summary['parts'] for d in p['defects']]
                              + [d for m in inner for d in m['all_defects']])
    return summary


def collect(part, summary):
    if part.get_content_maintype() == 'message' and part.get_content_type() != 'message/rfc822':
        # Reports (delivery-status, disposition-notification) are parsed as
        # header blocks before any transfer decoding, so an encoded one cannot
        # be read back: only its name counts.
        summary['parts'].append({'type': part.get_content_type(), 'opaque': True,
                                 'filename': part.get_filename(), 'data': '', 'defects': []})
        return
    if part.get_content_type() == 'message/rfc822':
        for inner in part.get_payload():
            summary['messages'].append(message_summary(inner))
        return
    if part.is_multipart():
        summary['defects'] += [type(d).__name__ for d in part.defects]
        for sub in part.get_payload():
            collect(sub, summary)
        return
    summary['parts'].append(leaf_part(part))


def check_eml(path):
    with open(path, 'rb') as f:
        message = email.message_from_bytes(f.read(), policy=policy.default)
    return message_summary(message)


def ical_value(value):
    if hasattr(value, 'dt'):
        return value.dt.isoformat() if hasattr(value.dt, 'isoformat') else str(value.dt)
    if hasattr(value, 'to_ical'):
        text = value.to_ical()
        return text.decode('utf-8') if isinstance(text, bytes) else str(text)
    return str(value)


def check_ics(path):
    import icalendar
    with open(path, 'rb') as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    components = []
    for component in calendar.walk():
        properties = {}
        for name, value in component.property_items(recursive=False):
            if name in ('BEGIN', 'END'):
                continue
            shown = str(value) if isinstance(value, str) else ical_value(value)
            properties.setdefault(name, []).append(shown)
        components.append({'name': component.name, 'properties': properties,
                           'errors': [str(e) for e in getattr(component, 'errors', [])]})
    return {'components': components}


def evolution_list(text):
    """What Evolution's own vCard parser (evolution-data-server) reads of a
    distribution list card: whether it is a list, and its members."""
    import gi
    gi.require_version('EBookContacts', '1.2')
    from gi.repository import EBookContacts
    contact = EBookContacts.Contact.new_from_vcard(text)
    members = []
    for attribute in contact.get_attributes(EBookContacts.ContactField.EMAIL):
        params = {p.get_name(): p.get_values() for p in attribute.get_params()}
        members.append('%s <%s>' % (params.get('X-EVOLUTION-DEST-NAME', [''])[0],
                                    params.get('X-EVOLUTION-DEST-EMAIL', [''])[0]))
    return bool(contact.get_property('list')), members


def check_vcf(path):
    import vobject
    with open(path, 'r', encoding='utf-8') as f:
        text = f.read()
    cards = []
    for card in vobject.readComponents(text, validate=True):
        properties = {}
        for child in card.getChildren():
            value = child.value
            if isinstance(value, list):
                value = ','.join(str(v) for v in value)
            properties.setdefault(child.name, []).append(str(value))
        if 'org' in card.contents:
            properties['ORG_PARTS'] = card.org.value
        if 'agent' in card.contents:
            inner = list(vobject.readComponents(card.agent.value))
            properties['AGENT_FN'] = [str(c.fn.value) for c in inner if 'fn' in c.contents]
            properties['AGENT_TEL'] = [str(t.value) for c in inner for t in c.contents.get('tel', [])]
        if 'x-evolution-list' in card.contents:
            is_list, members = evolution_list(card.serialize())
            properties['EDS_LIST'] = [is_list]
            properties['EDS_MEMBERS'] = members
        cards.append(properties)
    return {'cards': cards}


def check(kind, path):
    try:
        return {'eml': check_eml, 'ics': check_ics, 'vcf': check_vcf}[kind](path)
    except Exception as error:  # every parser failure is a finding
        return {'error': '%s: %s' % (type(error).__name__, error)}


def main():
    if len(sys.argv) < 3 or sys.argv[1] not in ('eml', 'ics', 'vcf'):
        print(__doc__, file=sys.stderr)
        return 2
    results = [check(sys.argv[1], path) for path in sys.argv[2:]]
    print(json.dumps(results[0] if len(results) == 1 else results))
    return 1 if any('error' in r for r in results) else 0


if __name__ == '__main__':
    sys.exit(main())
