#pragma once
// Qt texts in GoogleTest's failure messages as readable text instead of bytes. Found by
// argument-dependent lookup, so they live beside QString in the global namespace.
#include <QString>
#include <QStringList>

#include <ostream>

void PrintTo(const QString& s, std::ostream* os);
void PrintTo(const QStringList& l, std::ostream* os);
