// SPDX-License-Identifier: GPL-2.0-or-later
#include "MailHighlighter.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

const char kScript[] = R"JS(
(function (terms, maxMarks) {
    var old = document.querySelectorAll('mark[data-lumaroo-match]');
    for (var i = 0; i < old.length; ++i) {
        var parent = old[i].parentNode;
        parent.replaceChild(document.createTextNode(old[i].textContent), old[i]);
        parent.normalize();
    }
    if (!document.body)
        return 0;
    function fold(s) {
        return s.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase().replace(/\s/g, ' ');
    }
    var wanted = [];
    terms.forEach(function (t) {
        var f = fold(t).replace(/ +/g, ' ').trim();
        if (f.length)
            wanted.push(f);
    });
    if (!wanted.length)
        return 0;
    var walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT, {
        acceptNode: function (n) {
            return /^(SCRIPT|STYLE|TEXTAREA|NOSCRIPT|TITLE)$/i.test(n.parentNode.nodeName)
                ? NodeFilter.FILTER_REJECT : NodeFilter.FILTER_ACCEPT;
        }
    });
    var nodes = [];
    while (walker.nextNode())
        nodes.push(walker.currentNode);
    var count = 0;
    for (var n = 0; n < nodes.length && count < maxMarks; ++n) {
        var node = nodes[n];
        var text = node.nodeValue;
        var folded = '';
        var map = [];
        for (var c = 0; c < text.length; ++c) {
            var f = fold(text[c]);
            for (var k = 0; k < f.length; ++k) {
                folded += f[k];
                map.push(c);
            }
        }
        var ranges = [];
        wanted.forEach(function (term) {
            for (var at = folded.indexOf(term); at >= 0; at = folded.indexOf(term, at + term.length))
                ranges.push([map[at], map[at + term.length - 1] + 1]);
        });
        if (!ranges.length)
            continue;
        ranges.sort(function (a, b) { return a[0] - b[0]; });
        var fragment = document.createDocumentFragment();
        var pos = 0;
        ranges.forEach(function (r) {
            if (r[0] < pos || count >= maxMarks)
                return;
            if (r[0] > pos)
                fragment.appendChild(document.createTextNode(text.slice(pos, r[0])));
            var mark = document.createElement('mark');
            mark.setAttribute('data-lumaroo-match', '');
            mark.style.backgroundColor = '#ffde59';
            mark.style.color = '#000000';
            mark.textContent = text.slice(r[0], r[1]);
            fragment.appendChild(mark);
            ++count;
            pos = r[1];
        });
        if (pos < text.length)
            fragment.appendChild(document.createTextNode(text.slice(pos)));
        node.parentNode.replaceChild(fragment, node);
    }
    var first = document.querySelector('mark[data-lumaroo-match]');
    if (first)
        first.scrollIntoView({block: 'center'});
    return count;
})(%1, %2);
)JS";

} // namespace

QString MailHighlighter::script(const QStringList& terms)
{
    const QByteArray json = QJsonDocument(QJsonArray::fromStringList(terms)).toJson(QJsonDocument::Compact);
    return QString::fromLatin1(kScript).arg(QString::fromUtf8(json)).arg(kMaxMarks);
}
