// SPDX-License-Identifier: GPL-2.0-or-later
// The query language: what a typed text asks for, and what it says when it
// cannot be read.
#include "ItemType.h"
#include "SearchQuery.h"

#include <QtTest>

namespace {

// One term written compactly: [-][field:]text, "quoted" for a phrase, * for a prefix.
QString describe(const SearchTerm& term)
{
    static const char* const fields[] = {"", "from:", "to:", "subject:"};
    QString text = term.phrase ? QLatin1Char('"') + term.text + QLatin1Char('"') : term.text;
    if (term.prefix)
        text += QLatin1Char('*');
    return (term.negated ? QStringLiteral("-") : QString()) + QLatin1String(fields[int(term.field)]) + text;
}

QStringList describe(const QList<SearchTerm>& terms)
{
    QStringList result;
    for (const SearchTerm& term : terms)
        result << describe(term);
    return result;
}

} // namespace

class TestSearchQuery : public QObject
{
    Q_OBJECT
private slots:
    void termsAreRead_data();
    void termsAreRead();
    void filtersAreRead_data();
    void filtersAreRead();
    void unreadableTextSaysWhy_data();
    void unreadableTextSaysWhy();
    void emptyTextAsksNothing();
    void highlightLeavesOutExcludedWords();
};

void TestSearchQuery::termsAreRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("terms");
    QTest::newRow("words") << "invoice  march" << QStringList{"invoice", "march"};
    QTest::newRow("phrase") << "\"quarterly   report\" due" << QStringList{"\"quarterly report\"", "due"};
    QTest::newRow("excluded word") << "budget -draft" << QStringList{"budget", "-draft"};
    QTest::newRow("excluded phrase") << "-\"out of office\"" << QStringList{"-\"out of office\""};
    QTest::newRow("fields") << "from:alice to:\"Bob Smith\" subject:Minutes"
                            << QStringList{"from:alice", "to:\"Bob Smith\"", "subject:Minutes"};
    QTest::newRow("field names ignore case") << "FROM:alice Subject:x" << QStringList{"from:alice", "subject:x"};
    QTest::newRow("excluded field") << "-from:noreply" << QStringList{"-from:noreply"};
    QTest::newRow("prefix") << "repor* -subj*" << QStringList{"repor*", "-subj*"};
    QTest::newRow("lone star and dash are nothing") << "* - a" << QStringList{"a"};
    QTest::newRow("times, urls and Re: stay words")
        << "10:30 http://example.com/a Re: mailto" << QStringList{"10:30", "http://example.com/a", "Re:", "mailto"};
    QTest::newRow("hyphenated word") << "e-mail" << QStringList{"e-mail"};
    QTest::newRow("japanese") << "東京都 \"会議 資料\"" << QStringList{"東京都", "\"会議 資料\""};
    QTest::newRow("phrase glued to word") << "a\"b c\"d" << QStringList{"a", "\"b c\"", "d"};
}

void TestSearchQuery::termsAreRead()
{
    QFETCH(QString, text);
    QFETCH(QStringList, terms);
    const SearchQuery query = SearchQuery::parse(text);
    QVERIFY2(query.isValid(), qPrintable(query.errorMessage()));
    QCOMPARE(describe(query.terms()), terms);
    QVERIFY(query.hasCriteria());
}

void TestSearchQuery::filtersAreRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");  // -1: none
    QTest::addColumn<QDate>("after");
    QTest::addColumn<QDate>("before");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("attachment");
    const QDate none;
    QTest::newRow("kind mail") << "kind:mail" << int(Mail) << none << none << "" << false;
    QTest::newRow("kind contact") << "kind:Contact" << int(Contact) << none << none << "" << false;
    QTest::newRow("kind appointment") << "kind:appointment" << int(Calendar) << none << none << "" << false;
    QTest::newRow("kind task") << "kind:task" << int(Task) << none << none << "" << false;
    QTest::newRow("kind note") << "kind:note" << int(Note) << none << none << "" << false;
    QTest::newRow("kind journal") << "kind:journal" << int(Journal) << none << none << "" << false;
    QTest::newRow("later kind replaces") << "kind:mail kind:task" << int(Task) << none << none << "" << false;
    QTest::newRow("dates") << "after:2019-03-01 before:2019-04-01" << -1 << QDate(2019, 3, 1) << QDate(2019, 4, 1)
                           << "" << false;
    QTest::newRow("tightest dates win") << "after:2019-01-01 after:2019-02-01 before:2020-01-01 before:2019-12-01"
                                        << -1 << QDate(2019, 2, 1) << QDate(2019, 12, 1) << "" << false;
    QTest::newRow("folder") << "folder:Inbox" << -1 << none << none << "Inbox" << false;
    QTest::newRow("quoted folder") << "folder:\"Sent Items\"" << -1 << none << none << "Sent Items" << false;
    QTest::newRow("attachment") << "has:attachment" << -1 << none << none << "" << true;
    QTest::newRow("everything") << "kind:mail has:Attachment folder:Archive after:2020-01-01 x" << int(Mail)
                                << QDate(2020, 1, 1) << none << "Archive" << true;
}

void TestSearchQuery::filtersAreRead()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QDate, after);
    QFETCH(QDate, before);
    QFETCH(QString, folder);
    QFETCH(bool, attachment);
    const SearchQuery query = SearchQuery::parse(text);
    QVERIFY2(query.isValid(), qPrintable(query.errorMessage()));
    QCOMPARE(query.itemType().value_or(-1), kind);
    QCOMPARE(query.after().value_or(QDate()), after);
    QCOMPARE(query.before().value_or(QDate()), before);
    QCOMPARE(query.folder(), folder);
    QCOMPARE(query.requiresAttachment(), attachment);
    QVERIFY(query.hasCriteria());
}

void TestSearchQuery::unreadableTextSaysWhy_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("unclosed quote") << "\"annual report" << "quotation mark";
    QTest::newRow("unclosed operator quote") << "from:\"Alice" << "quotation mark";
    QTest::newRow("unknown kind") << "kind:email" << "email";
    QTest::newRow("bad date") << "after:2019-13-01" << "2019-13-01";
    QTest::newRow("date in another format") << "before:01/02/2019" << "YYYY-MM-DD";
    QTest::newRow("short date") << "after:2019-3-1" << "YYYY-MM-DD";
    QTest::newRow("unknown operator") << "form:alice" << "form:";
    QTest::newRow("has: other than attachment") << "has:picture" << "picture";
    QTest::newRow("empty field") << "from: alice" << "from:";
    QTest::newRow("empty kind") << "kind:" << "kind:";
    QTest::newRow("excluded filter") << "-kind:mail" << "kind:";
    QTest::newRow("dates the wrong way round") << "after:2020-01-02 before:2020-01-01" << "before:";
    QTest::newRow("same day both ways") << "after:2020-01-01 before:2020-01-01" << "before:";
}

void TestSearchQuery::unreadableTextSaysWhy()
{
    QFETCH(QString, text);
    QFETCH(QString, mentions);
    const SearchQuery query = SearchQuery::parse(text);
    QVERIFY(!query.isValid());
    QVERIFY2(query.errorMessage().contains(mentions), qPrintable(query.errorMessage()));
    // An invalid query asks for nothing, so nothing is searched.
    QVERIFY(query.terms().isEmpty());
    QVERIFY(!query.itemType());
}

void TestSearchQuery::emptyTextAsksNothing()
{
    for (const QString& text : {QString(), QStringLiteral("   "), QStringLiteral("\"\"")}) {
        const SearchQuery query = SearchQuery::parse(text);
        QVERIFY(query.isValid());
        QVERIFY2(!query.hasCriteria(), qPrintable(text));
    }
}

void TestSearchQuery::highlightLeavesOutExcludedWords()
{
    const SearchQuery query = SearchQuery::parse(QStringLiteral("alpha -beta \"gamma delta\" from:alpha subject:eps*"));
    QCOMPARE(query.highlightTerms(), (QStringList{"alpha", "gamma delta", "eps"}));
}

QTEST_GUILESS_MAIN(TestSearchQuery)
#include "tst_SearchQuery.moc"
