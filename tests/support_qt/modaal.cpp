#include "support_qt/modaal.h"

#include <QApplication>
#include <QMessageBox>

namespace gdk::test {

BijModaal::BijModaal(std::function<void(QWidget*)> wat, Keer keer) : wat_(std::move(wat)), keer_(keer) {
    zoeker_.setInterval(5);
    QObject::connect(&zoeker_, &QTimer::timeout, [this] {
        QWidget* modaal = QApplication::activeModalWidget();
        if (!modaal) return;
        // Stopped before `wat` runs: it may wait for events, and must not be entered again.
        if (keer_ == Keer::Eenmaal) zoeker_.stop();
        gedaan_ = true;
        wat_(modaal);
    });
    zoeker_.start();
}

SluitMelding::SluitMelding()
    : sluiter_([this](QWidget* w) {
          if (auto* box = qobject_cast<QMessageBox*>(w)) tekst_ = box->text();
          w->close();
      }) {}

Meldingen::Meldingen()
    : beantwoorder_(
          [this](QWidget* w) {
              if (auto* box = qobject_cast<QMessageBox*>(w)) {
                  teksten << box->text();
                  box->accept();
              }
          },
          BijModaal::Keer::Steeds) {}

} // namespace gdk::test
