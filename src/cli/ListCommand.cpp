// SPDX-License-Identifier: GPL-2.0-or-later
#include "ListCommand.h"

#include "CliDocument.h"
#include "ItemJson.h"
#include "LossReport.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

namespace {

// A JSON string as QJsonDocument writes it, quotes included.
QByteArray jsonString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// `json` (QJsonDocument's indented form) moved right by `spaces`, without
// its final line break.
QByteArray indented(const QByteArray& json, int spaces)
{
    const QByteArray margin(spaces, ' ');
    QByteArray result;
    for (const QByteArray& line : json.trimmed().split('\n'))
        result += margin + line + '\n';
    result.chop(1);
    return result;
}

QString folderPath(const PstFolderItem& folder)
{
    if (folder.nodeLevel() == 0)
        return QString();
    QString path = folder.displayName();
    for (auto parent = folder.parent(); parent && parent->nodeLevel() > 0; parent = parent->parent())
        path = parent->displayName() + '/' + path;
    return path;
}

// Writes the listing as it is read, in the layout QJsonDocument's indented
// form gives the whole document, so memory does not grow with the items.
class ListWriter
{
public:
    explicit ListWriter(QFile& out) : m_out(out) {}

    void begin(const QString& fileName)
    {
        m_out.write("{\n    \"file\": " + jsonString(fileName) + ",\n    \"folders\": [");
    }

    void folderStarted(const PstFolderItem& folder)
    {
        m_out.write(m_folders++ ? ",\n" : "\n");
        m_out.write("        {\n            \"displayName\": " + jsonString(folder.displayName())
                    + ",\n            \"folderType\": " + jsonString(folder.folderType())
                    + ",\n            \"items\": [");
        m_items = 0;
        m_path = folderPath(folder);
    }

    void item(const PstItem& item)
    {
        const QString path = m_path + QStringLiteral("/#%1").arg(m_items);
        const QByteArray entry = QJsonDocument(ItemJson::listEntry(item, path)).toJson(QJsonDocument::Indented);
        m_out.write(m_items++ ? ",\n" : "\n");
        m_out.write(indented(entry, 16));
    }

    void folderDone()
    {
        m_out.write("\n            ],\n");
        m_out.write("            \"path\": " + jsonString(m_path) + "\n        }");
    }

    // Closes the folders and adds `more`'s members.
    void end(const QJsonObject& more)
    {
        m_out.write("\n    ]");
        for (auto it = more.begin(); it != more.end(); ++it) {
            QJsonObject member{{it.key(), it.value()}};
            // The member's lines as the indented form of a one-member document gives them.
            const QByteArray json = QJsonDocument(member).toJson(QJsonDocument::Indented).trimmed();
            m_out.write(",\n" + json.mid(1, json.size() - 2).trimmed().prepend("    "));
        }
        m_out.write("\n}\n");
        m_out.flush();
    }

private:
    QFile& m_out;
    int m_folders = 0;
    int m_items = 0;
    QString m_path;
};

} // namespace

int ListCommand::run(const QStringList& args)
{
    if (args.size() != 1) {
        QTextStream(stderr) << "usage: lumaroo-cli list FILE.pst\n";
        return 2;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 1;
    ListWriter writer(out);
    bool begun = false;
    // Nothing is written before the file proves readable.
    const auto beginOnce = [&] {
        if (!begun)
            writer.begin(QFileInfo(args.first()).fileName());
        begun = true;
    };
    PstParser::Visitor visitor;
    // Items of the file that sit beside its top folder (a damaged tree puts
    // them there) belong to the document itself: convert writes them at the
    // top of its folder, so they are listed in an entry of the document's
    // own, with the path "", before the folders.
    bool rootOpen = false;
    const auto closeRoot = [&] {
        if (rootOpen)
            writer.folderDone();
        rootOpen = false;
    };
    visitor.folderStarted = [&](const std::shared_ptr<PstFolderItem>& folder) {
        beginOnce();
        closeRoot();
        writer.folderStarted(*folder);
    };
    visitor.item = [&](const std::shared_ptr<PstItem>& item) {
        const auto folder = std::dynamic_pointer_cast<PstFolderItem>(item->parent());
        if (!folder)
            return;
        if (folder->nodeLevel() == 0 && !rootOpen) {
            beginOnce();
            writer.folderStarted(*folder);
            rootOpen = true;
        }
        writer.item(*item);
    };
    visitor.folderDone = [&](const std::shared_ptr<PstFolderItem>&) { writer.folderDone(); };
    const std::shared_ptr<PstFolderItem> root = CliDocument::visit(args.first(), visitor);
    if (!root)
        return 1;
    beginOnce();
    closeRoot();
    // The losses are known once every folder is read, so they come last.
    writer.end(LossReport::toJson(*root));
    QTextStream(stderr) << LossReport::summary(*root);
    return 0;
}
