#pragma once
// The desktop in a test: while alive, takes the addresses (file, mailto, http, https) the
// program asks the desktop to open, instead of opening them.
#include <QObject>
#include <QUrl>

#include <vector>

namespace gdk::test {

class Bureaublad : public QObject {
    Q_OBJECT

  public:
    Bureaublad();
    ~Bureaublad() override;
    std::vector<QUrl> geopend;

  public slots:
    // Called by name by QDesktopServices, so it must be a slot.
    void Open(const QUrl& url);
};

} // namespace gdk::test
