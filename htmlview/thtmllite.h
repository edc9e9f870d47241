#pragma once
// The HTML display control of the main window: shows a page given as Windows-1252 text and
// reports a click on a link with the link's HREF exactly as the page wrote it. It never follows
// a link itself: every link form of our pages is a code for the window, not a file or anchor.
#include <QHash>
#include <QPoint>
#include <QString>
#include <QTextBrowser>
#include <QUrl>

#include <string>

class ThtmlLite : public QTextBrowser {
    Q_OBJECT

  public:
    explicit ThtmlLite(QWidget* parent = nullptr);

    // Shows the document of `html1252` (with an empty base reference).
    void LaadHtml(const std::string& html1252);
    // Empties the view.
    void Wissen();

    void ZetDefFontName(const QString& naam);
    QString DefFontName() const { return defFontName_; }
    void ZetDefFontSize(int grootte);
    int DefFontSize() const { return defFontSize_; }
    void ZetDefPreFontName(const QString& naam);
    QString DefPreFontName() const { return defPreFontName_; }
    void ZetDefBackground(const QColor& kleur);
    QColor DefBackground() const { return defBackground_; }

  signals:
    // A click on a link; `link` is the HREF text as written in the page (entities decoded).
    void HotSpotClick(const QString& link);

  protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    void AnkerGekozen(const QUrl& url);
    void StijlToepassen();

    QString defFontName_ = QStringLiteral("Comic Sans MS");
    QString defPreFontName_ = QStringLiteral("Courier New");
    int defFontSize_ = 10;
    QColor defBackground_;
    // The SRC texts of the page's images as written, by the URL the document asks for, so an
    // image path reaches the file system without URL decoding.
    QHash<QUrl, QString> bronnen_;
    bool muisKlik_ = false;
    QPoint klikPlek_;
};
