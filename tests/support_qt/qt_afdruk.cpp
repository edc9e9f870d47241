#include "support_qt/qt_afdruk.h"

void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

void PrintTo(const QStringList& l, std::ostream* os) {
    *os << "{";
    for (const QString& s : l)
        *os << "\n  \"" << s.toStdString() << '"';
    *os << " }";
}
