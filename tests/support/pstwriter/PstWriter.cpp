// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstWriter.h"

#include "PstLtpWriter.h"
#include "PstMessageEncoder.h"
#include "PstNamedPropertyMap.h"
#include "PstNdbWriter.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>

#include <vector>

namespace {

constexpr uint32_t kNidMessageStore = 0x21;
constexpr uint32_t kNidNameToIdMap = 0x61;
constexpr uint32_t kNidRootFolder = 0x122;
constexpr uint32_t kTopFolderIndex = 0x401;
constexpr uint32_t kFirstMessageIndex = 0x10000;
constexpr uint32_t kNidTypeFolder = 0x02;
constexpr uint32_t kNidTypeMessage = 0x04;
constexpr uint32_t kNidTypeHierarchyTable = 0x0D;
constexpr uint32_t kNidTypeContentsTable = 0x0E;
constexpr uint32_t kNidTypeAssocContentsTable = 0x0F;

// What a folder's contents table shows of one message.
struct ContentsEntry {
    uint32_t nid = 0;
    int importance = 1;
    int sensitivity = 0;
    int flags = 0;
    int size = 0;
    QString messageClass;
    QString subject;
    QString topic;
    QString sender;
    QString displayTo;
    QString displayCc;
    QDateTime sent;
    QDateTime delivered;
    QDateTime modified;
};

// The contents-table entries of a folder, packed into one buffer so that a
// folder of hundreds of thousands of messages costs about a hundred bytes each.
class ContentsLog
{
public:
    void append(const ContentsEntry& e)
    {
        QDataStream out(&m_data, QIODevice::WriteOnly | QIODevice::Append);
        out << e.nid << qint32(e.importance) << qint32(e.sensitivity) << qint32(e.flags) << qint32(e.size)
            << e.messageClass << e.subject << e.topic << e.sender << e.displayTo << e.displayCc << e.sent
            << e.delivered << e.modified;
        ++m_count;
    }
    size_t size() const { return m_count; }
    // Reads the entries back in order, one per call.
    class Reader
    {
    public:
        explicit Reader(const QByteArray& data)
            : m_in(data)
        {
        }
        ContentsEntry next()
        {
            ContentsEntry e;
            qint32 importance = 0, sensitivity = 0, flags = 0, size = 0;
            m_in >> e.nid >> importance >> sensitivity >> flags >> size >> e.messageClass >> e.subject >> e.topic
                >> e.sender >> e.displayTo >> e.displayCc >> e.sent >> e.delivered >> e.modified;
            e.importance = importance;
            e.sensitivity = sensitivity;
            e.flags = flags;
            e.size = size;
            return e;
        }

    private:
        QDataStream m_in;
    };
    const QByteArray& data() const { return m_data; }

private:
    QByteArray m_data;
    size_t m_count = 0;
};

struct FolderState {
    uint32_t nid = 0;
    int parent = -1;
    QString name;
    QString containerClass;
    int nameCodePage = 0;
    std::vector<int> children;
    ContentsLog contents;
    int unread = 0;
};

std::vector<PstLtpWriter::Column> contentsColumns()
{
    using P = PstProperty;
    return {{0x0017, P::Long},    {0x001A, P::Unicode}, {0x0036, P::Long},    {0x0037, P::Unicode},
            {0x0039, P::SysTime}, {0x0042, P::Unicode}, {0x0057, P::Boolean}, {0x0058, P::Boolean},
            {0x0070, P::Unicode}, {0x0E03, P::Unicode}, {0x0E04, P::Unicode}, {0x0E06, P::SysTime},
            {0x0E07, P::Long},    {0x0E08, P::Long},    {0x3008, P::SysTime}, {0x67F3, P::Long}};
}

std::vector<PstLtpWriter::Column> hierarchyColumns()
{
    using P = PstProperty;
    return {{0x3001, P::Unicode}, {0x3602, P::Long},    {0x3603, P::Long},
            {0x360A, P::Boolean}, {0x3613, P::Unicode}, {0x67F3, P::Long}};
}

void addText(std::vector<PstProperty>& cells, uint16_t id, const QString& value)
{
    if (!value.isEmpty())
        cells.push_back(PstProperty::unicode(id, value));
}

void addTime(std::vector<PstProperty>& cells, uint16_t id, const QDateTime& value)
{
    if (value.isValid())
        cells.push_back(PstProperty::time(id, value));
}

PstLtpWriter::Row contentsRow(const ContentsEntry& e)
{
    PstLtpWriter::Row row;
    row.rowId = e.nid;
    auto& c = row.cells;
    c.push_back(PstProperty::int32(0x0017, e.importance));
    addText(c, 0x001A, e.messageClass);
    c.push_back(PstProperty::int32(0x0036, e.sensitivity));
    addText(c, 0x0037, e.subject);
    addTime(c, 0x0039, e.sent);
    addText(c, 0x0042, e.sender);
    c.push_back(PstProperty::boolean(0x0057, false));
    c.push_back(PstProperty::boolean(0x0058, false));
    addText(c, 0x0070, e.topic);
    addText(c, 0x0E03, e.displayCc);
    addText(c, 0x0E04, e.displayTo);
    addTime(c, 0x0E06, e.delivered);
    c.push_back(PstProperty::int32(0x0E07, e.flags));
    c.push_back(PstProperty::int32(0x0E08, e.size));
    addTime(c, 0x3008, e.modified);
    c.push_back(PstProperty::int32(0x67F3, 1));
    return row;
}

ContentsEntry contentsEntryOf(uint32_t nid, const PstMessage& m)
{
    ContentsEntry e;
    e.nid = nid;
    e.importance = m.importance;
    e.sensitivity = m.sensitivity;
    e.flags = (m.read ? 0x01 : 0) | (m.attachments.isEmpty() ? 0 : 0x10);
    qint64 size = m.body.size() * 2 + m.htmlBody.size() + m.subject.size() * 2;
    for (const PstAttachment& a : m.attachments)
        size += a.size();
    e.size = int(std::min<qint64>(size, 0x7FFFFFFF));
    e.messageClass = m.effectiveClass();
    e.subject = m.subjectPrefix + m.subject;
    e.topic = m.subject;
    e.sender = m.senderName;
    e.displayTo = m.displayTo;
    e.displayCc = m.displayCc;
    e.sent = m.sentTime;
    e.delivered = m.deliveryTime;
    e.modified = m.modificationTime;
    return e;
}

} // namespace

struct PstWriter::State {
    PstNdbWriter ndb;
    PstNamedPropertyMap names;
    PstLtpWriter ltp{ndb};
    PstMessageEncoder encoder{ndb, names};
    std::vector<FolderState> folders; // [0] root, [1] top of personal folders
    QString storeName;
    uint32_t nextFolderIndex = kTopFolderIndex + 1;
    uint32_t nextMessageIndex = kFirstMessageIndex;
    bool open = false;
    QString error;

    QByteArray storeUid() const
    {
        // Derived from the store name so that output stays deterministic.
        return QCryptographicHash::hash(storeName.toUtf8(), QCryptographicHash::Md5);
    }
    QByteArray entryId(uint32_t nid) const
    {
        QByteArray id(4, '\0');
        id.append(storeUid());
        char n[4];
        for (int i = 0; i < 4; ++i)
            n[i] = char(nid >> (8 * i));
        id.append(n, 4);
        return id;
    }
    void writeFolder(const FolderState& f);
    void writeStore();
    void writeTemplates();
};

void PstWriter::State::writeFolder(const FolderState& f)
{
    std::vector<PstProperty> props;
    props.push_back(f.nameCodePage ? PstProperty::string8(0x3001, PstMessageEncoder::encodeText(f.nameCodePage, f.name))
                                   : PstProperty::unicode(0x3001, f.name));
    props.push_back(PstProperty::int32(0x3602, int32_t(f.contents.size())));
    props.push_back(PstProperty::int32(0x3603, f.unread));
    props.push_back(PstProperty::boolean(0x360A, !f.children.empty()));
    if (!f.containerClass.isEmpty())
        props.push_back(PstProperty::unicode(0x3613, f.containerClass));
    const PstLtpWriter::NodeImage pc = ltp.writePropertyContext(props);
    const uint32_t parentNid = f.parent < 0 ? f.nid : folders[size_t(f.parent)].nid;
    ndb.addNode(f.nid, pc.bidData, pc.bidSub, parentNid);

    std::vector<PstLtpWriter::Row> children;
    for (int child : f.children) {
        const FolderState& c = folders[size_t(child)];
        PstLtpWriter::Row row;
        row.rowId = c.nid;
        row.cells.push_back(PstProperty::unicode(0x3001, c.name));
        row.cells.push_back(PstProperty::int32(0x3602, int32_t(c.contents.size())));
        row.cells.push_back(PstProperty::int32(0x3603, c.unread));
        row.cells.push_back(PstProperty::boolean(0x360A, !c.children.empty()));
        if (!c.containerClass.isEmpty())
            row.cells.push_back(PstProperty::unicode(0x3613, c.containerClass));
        row.cells.push_back(PstProperty::int32(0x67F3, 1));
        children.push_back(row);
    }
    const uint32_t index = f.nid >> 5;
    const PstLtpWriter::NodeImage hierarchy = ltp.writeTableContext(hierarchyColumns(), children);
    ndb.addNode((index << 5) | kNidTypeHierarchyTable, hierarchy.bidData, hierarchy.bidSub, 0);
    ContentsLog::Reader reader(f.contents.data());
    const PstLtpWriter::NodeImage contents = ltp.writeTableContext(
        contentsColumns(), f.contents.size(), [&reader](size_t) { return contentsRow(reader.next()); });
    ndb.addNode((index << 5) | kNidTypeContentsTable, contents.bidData, contents.bidSub, 0);
    const PstLtpWriter::NodeImage assoc = ltp.writeTableContext(contentsColumns(), {});
    ndb.addNode((index << 5) | kNidTypeAssocContentsTable, assoc.bidData, assoc.bidSub, 0);
}

void PstWriter::State::writeStore()
{
    std::vector<PstProperty> props;
    props.push_back(PstProperty::binary(0x0FF9, storeUid()));
    props.push_back(PstProperty::unicode(0x3001, storeName));
    props.push_back(PstProperty::int32(0x35DF, 0x1)); // the IPM subtree is valid
    props.push_back(PstProperty::binary(0x35E0, entryId(folders[1].nid)));
    const PstLtpWriter::NodeImage pc = ltp.writePropertyContext(props);
    ndb.addNode(kNidMessageStore, pc.bidData, pc.bidSub, 0);
    const PstLtpWriter::NodeImage map = ltp.writePropertyContext(names.properties());
    ndb.addNode(kNidNameToIdMap, map.bidData, map.bidSub, 0);
}

void PstWriter::State::writeTemplates()
{
    // Empty tables whose columns new folders and messages copy.
    using P = PstProperty;
    struct Template {
        uint32_t nid;
        std::vector<PstLtpWriter::Column> columns;
    };
    const Template templates[] = {
        {0x60D, hierarchyColumns()},
        {0x60E, contentsColumns()},
        {0x60F, contentsColumns()},
        {0x671, {{0x0E20, P::Long}, {0x3704, P::Unicode}, {0x3705, P::Long}, {0x370B, P::Long}, {0x67F3, P::Long}}},
        {0x692, {{0x0C15, P::Long}, {0x0E0F, P::Boolean}, {0x0FFE, P::Long}, {0x3001, P::Unicode},
                 {0x3002, P::Unicode}, {0x3003, P::Unicode}, {0x3900, P::Long}, {0x67F3, P::Long}}},
    };
    for (const Template& t : templates) {
        const PstLtpWriter::NodeImage image = ltp.writeTableContext(t.columns, {});
        ndb.addNode(t.nid, image.bidData, image.bidSub, 0);
    }
}

PstWriter::PstWriter()
    : d(new State)
{
}

PstWriter::~PstWriter() = default;

bool PstWriter::open(const QString& path, const QString& storeName, bool permute, bool fourKPages)
{
    if (!d->ndb.open(path, permute, fourKPages)) {
        d->error = d->ndb.errorString();
        return false;
    }
    d->storeName = storeName;
    FolderState root;
    root.nid = kNidRootFolder;
    d->folders.push_back(root);
    FolderState top;
    top.nid = (kTopFolderIndex << 5) | kNidTypeFolder;
    top.parent = 0;
    top.name = QStringLiteral("Top of Personal Folders");
    d->folders.push_back(top);
    d->folders[0].children.push_back(1);
    d->open = true;
    return true;
}

int PstWriter::topFolder() const { return 1; }

int PstWriter::addFolder(int parent, const QString& name, const QString& containerClass, int nameCodePage)
{
    if (!d->open || parent < 0 || size_t(parent) >= d->folders.size())
        return -1;
    FolderState f;
    f.nid = (d->nextFolderIndex++ << 5) | kNidTypeFolder;
    f.parent = parent;
    f.name = name;
    f.containerClass = containerClass;
    f.nameCodePage = nameCodePage;
    d->folders.push_back(f);
    const int id = int(d->folders.size() - 1);
    d->folders[size_t(parent)].children.push_back(id);
    return id;
}

bool PstWriter::addMessage(int folder, const PstMessage& message)
{
    if (!d->open || folder < 0 || size_t(folder) >= d->folders.size())
        return false;
    FolderState& f = d->folders[size_t(folder)];
    const uint32_t nid = (d->nextMessageIndex++ << 5) | kNidTypeMessage;
    const PstLtpWriter::NodeImage image = d->encoder.write(message);
    d->ndb.addNode(nid, image.bidData, image.bidSub, f.nid);
    f.contents.append(contentsEntryOf(nid, message));
    if (!message.read)
        ++f.unread;
    return d->ndb.errorString().isEmpty();
}

bool PstWriter::close()
{
    if (!d->open)
        return false;
    d->open = false;
    for (const FolderState& f : d->folders)
        d->writeFolder(f);
    d->writeStore();
    d->writeTemplates();
    d->ndb.reserveNidIndex(kNidTypeFolder, d->nextFolderIndex);
    d->ndb.reserveNidIndex(kNidTypeMessage, d->nextMessageIndex);
    if (!d->ndb.finish()) {
        d->error = d->ndb.errorString();
        return false;
    }
    return true;
}

quint64 PstWriter::bytesWritten() const { return d->ndb.size(); }

QString PstWriter::errorString() const { return d->error.isEmpty() ? d->ndb.errorString() : d->error; }

char PstWriter::patternByte(quint64 offset) { return PstMessageEncoder::patternByte(offset); }

quint32 PstWriter::folderNid(int folder) const
{
    return (folder >= 0 && size_t(folder) < d->folders.size()) ? d->folders[size_t(folder)].nid : 0;
}

namespace {

bool addFolderTree(PstWriter& writer, int parent, const PstFolder& folder)
{
    const int id = writer.addFolder(parent, folder.name, folder.containerClass, folder.nameCodePage);
    if (id < 0)
        return false;
    for (const PstMessage& m : folder.messages) {
        if (!writer.addMessage(id, m))
            return false;
    }
    for (const PstFolder& child : folder.folders) {
        if (!addFolderTree(writer, id, child))
            return false;
    }
    return true;
}

} // namespace

bool PstWriter::write(const PstDescription& description, const QString& path, QString* error)
{
    PstWriter writer;
    bool ok = writer.open(path, description.storeName, description.permute, description.fourKPages);
    for (const PstFolder& folder : description.folders)
        ok = ok && addFolderTree(writer, writer.topFolder(), folder);
    ok = ok && writer.close();
    if (!ok && error)
        *error = writer.errorString();
    return ok;
}
