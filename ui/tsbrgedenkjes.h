#pragma once
// The main window's status bar, and the program's user-interface sink: two panels (the right one
// 150 pixels wide, the left one the rest), message boxes, the busy cursor, an explicit repaint
// for long operations that block the window, and a progress bar for them.
#include "platform/gebruiker.h"

#include <QStatusBar>

class QLabel;
class QProgressBar;

class TsbrGedenkjes : public QStatusBar, public gdk::Gebruiker {
    Q_OBJECT

  public:
    explicit TsbrGedenkjes(QWidget* parent = nullptr);
    ~TsbrGedenkjes() override;

    void ToonLinks(const std::string& tekst) override;
    void ToonRechts(const std::string& tekst) override;
    void Melding(const std::string& tekst, const std::string& titel = {}) override;
    void BezigCursor(bool aan) override;
    void Herteken() override;
    void Voortgang(long gedaan, long totaal) override;
    void StatusbalkIndelen() override;

    // The panel texts as shown.
    QString Links() const;
    QString Rechts() const;

    QLabel* pnlLinks = nullptr;
    QLabel* pnlRechts = nullptr;
    QProgressBar* pbrVoortgang = nullptr;

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    int bezig_ = 0; // override cursors this sink has set and not yet restored
};

// Windows-1252 text to what Qt shows.
QString Q1252(const std::string& tekst1252);
// Qt text to Windows-1252 (characters without a Windows-1252 form become '?').
std::string Van1252(const QString& tekst);
