#pragma once
// Where a link of a shown page lies in its view, so a test can click it like a user.
#include <QPoint>
#include <QString>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

namespace gdk::test {

// The middle of the first run of text (or picture) whose link is `href`, in viewport
// coordinates; (-1, -1) when the page has no such link.
inline QPoint Ankerplek(QTextBrowser& view, const QString& href) {
    for (QTextBlock b = view.document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.isValid() || f.charFormat().anchorHref() != href) continue;
            QTextCursor begin(view.document());
            begin.setPosition(f.position());
            QTextCursor eind(view.document());
            eind.setPosition(f.position() + f.length());
            const QRect a = view.cursorRect(begin);
            const QRect z = view.cursorRect(eind);
            return QPoint((a.left() + z.left()) / 2, a.center().y());
        }
    }
    return {-1, -1};
}

} // namespace gdk::test
