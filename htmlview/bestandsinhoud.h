#pragma once
// The bytes of a file named by a Windows-1252 path, read through the resolver (letter case,
// names on disk that are not UTF-8). The view's pictures and the image window read this way.
#include <QByteArray>

#include <string>

// False when the file cannot be opened or read to its end.
bool LeesBestandsinhoud(const std::string& pad1252, QByteArray& inhoud);
