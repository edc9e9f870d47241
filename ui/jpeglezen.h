#pragma once
// JPEG decoding with libjpeg: the card scans are JPEG files almost without exception.
#include <QByteArray>
#include <QImage>
#include <QString>

// True when the bytes start like a JPEG file (SOI marker).
bool IsJpeg(const QByteArray& inhoud);

// Decodes a JPEG file's bytes. A damaged or truncated file never ends the program: the result
// is false with libjpeg's message in `fout`, or - for a file cut short after its header - the
// part decoded, as libjpeg fills the rest. Grey, RGB, CMYK and YCCK images are accepted.
bool LeesJpeg(const QByteArray& inhoud, QImage& beeld, QString& fout);
