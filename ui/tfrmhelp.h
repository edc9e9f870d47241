#pragma once
// The help window: the Dutch manual, HTML pages in the folder "help" beside the program, opened at
// the topic of a help context. It follows the links between its pages and opens nothing outside
// that folder: no web address, no e-mail, no other file.
#include <QTextBrowser>
#include <QWidget>

class QLabel;
class QPushButton;

// The help contexts the program asks for.
inline constexpr int HelpContextGedenkjes = 1000; // the main window: the start topic
inline constexpr int HelpContextOpties = 1100;    // the options dialog

// The page of a help context, relative to the help folder; empty for an unknown context.
QString HelpOnderwerp(int context);

// The page view of the help window. Every page, picture and style sheet it loads must lie inside
// the help folder; anything else is refused with a reason.
class THelpViewer : public QTextBrowser {
    Q_OBJECT

  public:
    explicit THelpViewer(QWidget* parent = nullptr);

    void ZetHelpMap(const QString& map) { helpMap_ = map; }
    // Why `url` may not be shown, in Dutch; empty when it may.
    QString Weigering(const QUrl& url) const;

  signals:
    void Geweigerd(const QString& reden);

  protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    void LinkGekozen(const QUrl& link);
    QUrl Opgelost(const QUrl& url) const;

    QString helpMap_;
};

class TfrmHelp : public QWidget {
    Q_OBJECT

  public:
    // A window of its own; `parent` (a window of the program) keeps it alive and above it.
    explicit TfrmHelp(QWidget* parent);

    // Shows the topic of `context` in the help window that belongs to `eigenaar`'s window, made
    // when there is none yet. With the help folder missing a message names where it was looked
    // for, and no window opens. Returns that window, or null.
    static TfrmHelp* Toon(QWidget* eigenaar, int context);

    // The folder of the pages: the program folder's "help".
    static QString HelpMap();

    bool OpenOnderwerp(int context);

    THelpViewer* htmlHelp = nullptr;
    QPushButton* bbtnInhoud = nullptr;
    QPushButton* bbtnTerug = nullptr;
    QPushButton* bbtnVooruit = nullptr;
    QPushButton* bbtnSluiten = nullptr;
    QLabel* lblHelpMelding = nullptr;

  private:
    void Melden(const QString& tekst);
};
