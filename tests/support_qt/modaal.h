#pragma once
// Modal windows in a test. A modal window runs its own event loop, so what is to be done in it
// is scheduled before it opens: the helper looks for it every few milliseconds while alive.
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

namespace gdk::test {

// While alive: runs `wat` on the next modal window that opens; `wat` must close it. `Eenmaal`
// stops looking after the first window, `Steeds` answers every one. The timer belongs to the
// helper, so the looking ends with it whether a window came or not.
class BijModaal {
  public:
    enum class Keer { Eenmaal, Steeds };
    explicit BijModaal(std::function<void(QWidget*)> wat, Keer keer = Keer::Eenmaal);
    BijModaal(const BijModaal&) = delete;
    BijModaal& operator=(const BijModaal&) = delete;
    // True once a modal window was handed to `wat`.
    bool gedaan() const { return gedaan_; }

  private:
    std::function<void(QWidget*)> wat_;
    Keer keer_;
    QTimer zoeker_;
    bool gedaan_ = false;
};

// Closes the next message box and keeps its text.
class SluitMelding {
  public:
    SluitMelding();
    const QString& tekst() const { return tekst_; }
    bool gedaan() const { return sluiter_.gedaan(); }

  private:
    QString tekst_;
    BijModaal sluiter_;
};

// While alive: answers every message box with OK and keeps their texts in order.
class Meldingen {
  public:
    Meldingen();
    QStringList teksten;

  private:
    BijModaal beantwoorder_;
};

} // namespace gdk::test
