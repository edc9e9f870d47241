#include "htmlview/thtmllite.h"

#include "htmlview/bestandsinhoud.h"
#include "platform/tekst1252.h"

#include <QImage>
#include <QMouseEvent>
#include <QPalette>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>

ThtmlLite::ThtmlLite(QWidget* parent) : QTextBrowser(parent), defBackground_(0x87, 0xCE, 0xEB) {
    // Links are codes for the window; following them would replace the page it loaded.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    connect(this, &QTextBrowser::anchorClicked, this, &ThtmlLite::AnkerGekozen);
    StijlToepassen();
}

void ThtmlLite::StijlToepassen() {
    QFont font(defFontName_);
    font.setPointSize(defFontSize_);
    document()->setDefaultFont(font);
    document()->setDefaultStyleSheet(
        QStringLiteral("pre, code, tt { font-family: \"%1\"; }").arg(defPreFontName_));
    QPalette p = palette();
    p.setColor(QPalette::Base, defBackground_);
    setPalette(p);
}

void ThtmlLite::ZetDefFontName(const QString& naam) {
    defFontName_ = naam;
    StijlToepassen();
}

void ThtmlLite::ZetDefFontSize(int grootte) {
    defFontSize_ = grootte;
    StijlToepassen();
}

void ThtmlLite::ZetDefPreFontName(const QString& naam) {
    defPreFontName_ = naam;
    StijlToepassen();
}

void ThtmlLite::ZetDefBackground(const QColor& kleur) {
    defBackground_ = kleur;
    StijlToepassen();
}

void ThtmlLite::LaadHtml(const std::string& html1252) {
    const QString html = QString::fromUtf8(gdk::NaarUtf8(html1252));
    bronnen_.clear();
    static const QRegularExpression src(
        QStringLiteral("\\bSRC\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    for (auto it = src.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString tekst = m.captured(1);
        if (tekst.isNull()) tekst = m.captured(2);
        if (tekst.isNull()) tekst = m.captured(3);
        bronnen_.insert(QUrl(tekst), tekst);
    }
    setHtml(html);
}

void ThtmlLite::Wissen() {
    bronnen_.clear();
    clear();
}

QVariant ThtmlLite::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::ImageResource) return {};
    // Pictures of our pages are local files, named the way the core names them; they go through
    // the resolver like every other file access (letter case, Windows-1252 names).
    QString pad = bronnen_.value(name);
    if (pad.isEmpty()) pad = name.isLocalFile() ? name.toLocalFile() : name.toString(QUrl::PreferLocalFile);
    if (pad.isEmpty()) return {};
    QByteArray inhoud;
    if (!LeesBestandsinhoud(gdk::VanUtf8(pad.toStdString()), inhoud)) return {};
    QImage beeld;
    if (!beeld.loadFromData(inhoud)) return {};
    return beeld;
}

void ThtmlLite::mouseReleaseEvent(QMouseEvent* e) {
    // The anchor under the release point is the HREF as stored in the document, undecoded;
    // QTextBrowser reports the click inside this call.
    muisKlik_ = true;
    klikPlek_ = e->position().toPoint();
    QTextBrowser::mouseReleaseEvent(e);
    muisKlik_ = false;
}

void ThtmlLite::AnkerGekozen(const QUrl& url) {
    QString link = muisKlik_ ? anchorAt(klikPlek_) : textCursor().charFormat().anchorHref();
    if (link.isEmpty()) link = url.toString(QUrl::FullyEncoded);
    emit HotSpotClick(link);
}
