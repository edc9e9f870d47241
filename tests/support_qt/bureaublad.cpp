#include "support_qt/bureaublad.h"

#include <QDesktopServices>

namespace gdk::test {
namespace {

constexpr const char* Schemas[] = {"file", "mailto", "http", "https"};

} // namespace

Bureaublad::Bureaublad() {
    for (const char* schema : Schemas)
        QDesktopServices::setUrlHandler(QString::fromLatin1(schema), this, "Open");
}

Bureaublad::~Bureaublad() {
    for (const char* schema : Schemas)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(schema));
}

void Bureaublad::Open(const QUrl& url) {
    geopend.push_back(url);
}

} // namespace gdk::test
