#pragma once
// Small text helpers the tests share.
#include <string>

namespace gdk::test {

// `s` with every `oud` replaced by `nieuw`, left to right; a replacement is not searched again.
std::string Vervang(std::string s, const std::string& oud, const std::string& nieuw);

// Expected pages are written in the tests with LF line ends; the pages end lines in CR LF.
std::string MetCrLf(const std::string& tekst);

// `s` as one word for the shell, in single quotes.
std::string Quote(const std::string& s);

} // namespace gdk::test
