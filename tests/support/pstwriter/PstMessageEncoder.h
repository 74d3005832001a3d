// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstDescription.h"
#include "PstLtpWriter.h"
#include "PstNamedPropertyMap.h"

#include <vector>

// Turns one described message (of any kind, with its recipients and
// attachments, embedded messages included) into written nodes.
class PstMessageEncoder
{
public:
    PstMessageEncoder(PstNdbWriter& ndb, PstNamedPropertyMap& names);

    // Writes the message's property context and its sub-nodes.
    PstLtpWriter::NodeImage write(const PstMessage& message);
    // The byte at offset of a generated attachment's data.
    static char patternByte(uint64_t offset);
    // `value` as 8-bit text in a Windows code page.
    static QByteArray encodeText(int codePage, const QString& value);
    // The compressed RTF form (uncompressed-literal LZFu stream) of raw RTF.
    static QByteArray compressRtf(const QByteArray& rtf);
    // A contact field: its key in PstMessage::contact and the property that
    // holds it (a plain id, or the number of a named property in set).
    struct ContactField {
        const char* key;
        uint16_t id;
        const QUuid* set;
    };
    static const std::vector<ContactField>& contactFields();
    // The binary recurrence pattern of an appointment.
    static QByteArray recurrenceBlob(const PstMessage& message);

private:
    struct PropertyList;
    std::vector<PstProperty> properties(const PstMessage& message);
    void addMailProperties(const PstMessage& message, PropertyList& list);
    void addContactProperties(const PstMessage& message, PropertyList& list);
    void addCalendarProperties(const PstMessage& message, PropertyList& list);
    void addTaskJournalNoteProperties(const PstMessage& message, PropertyList& list);
    PstLtpWriter::NodeImage writeAttachment(const PstAttachment& attachment, int index);
    // The exception records of the pattern (count, 8-bit and Unicode parts).
    static void appendExceptions(QByteArray& out, const PstRecurrence& recurrence, uint32_t startOffset);

    PstNdbWriter& m_ndb;
    PstLtpWriter m_ltp;
    PstNamedPropertyMap& m_names;
};
