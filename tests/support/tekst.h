#pragma once
// Small text helpers the tests share.
#include <string>
#include <vector>

namespace gdk::test {

// `s` with every `oud` replaced by `nieuw`, left to right; a replacement is not searched again.
std::string Vervang(std::string s, const std::string& oud, const std::string& nieuw);

// Expected pages are written in the tests with LF line ends; the pages end lines in CR LF.
std::string MetCrLf(const std::string& tekst);

// An expected file written beside the tests (tests/export/verwacht/), LF line ends; whole or by
// line.
std::string Verwacht(const std::string& naam);
std::vector<std::string> VerwachteRegels(const std::string& naam);

// `s` as one word for the shell, in single quotes.
std::string Quote(const std::string& s);

// `utf8` as UTF-16 bytes behind their byte-order mark, as Windows' registry editor writes files.
std::string Utf16MetMerk(const std::string& utf8, bool grootEinde = false);

} // namespace gdk::test
