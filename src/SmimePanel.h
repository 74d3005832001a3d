// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SmimeContent.h"

#include <QWidget>

#include <memory>

class PstMailItem;
class QLabel;
class QMenu;
class QPushButton;

// The mail view's lines about a signed or encrypted mail: who signed and
// whether the signature holds, for whom it is encrypted, and a button to
// choose a key that decrypts it. Hidden for any other mail.
class SmimePanel : public QWidget
{
    Q_OBJECT
public:
    explicit SmimePanel(QWidget* parent = nullptr);

    // Reads `mail` when it is an S/MIME mail and shows its status; hides
    // itself otherwise.
    void setMail(const std::shared_ptr<PstMailItem>& mail);
    void clear();
    // Whether the shown mail is an S/MIME mail.
    bool isActive() const { return m_active; }
    // The unwrapped content's page; "" when there is none to show.
    QString page() const;
    // Adds the unwrapped message's attachments, each saved from memory.
    void addPartsTo(QMenu& menu) const;
    QString statusText() const;
    // Decrypts the shown mail with a PKCS #12 key file; on success the key
    // is kept for this session (in memory) and contentChanged() is emitted.
    // False, with *error, when the file or password is wrong or the key does
    // not fit.
    bool decryptWith(const QString& keyFile, QByteArray password, QString* error);

signals:
    // The content changed (decrypted): show the mail again.
    void contentChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void chooseKey();
    void showStatus();
    static void savePart(const SmimePart& part);

    QLabel* m_status = nullptr;
    QPushButton* m_decrypt = nullptr;
    std::weak_ptr<PstMailItem> m_mail;
    SmimeContent m_content;
    bool m_active = false;
};
