#pragma once
// Small text helpers the tests share.
#include <string>
#include <utility>
#include <vector>

namespace gdk::test {

// `s` with every `oud` replaced by `nieuw`, left to right; a replacement is not searched again.
std::string Vervang(std::string s, const std::string& oud, const std::string& nieuw);

// Expected pages are written in the tests with LF line ends; the pages end lines in CR LF.
std::string MetCrLf(const std::string& tekst);

// What a test fills in at run time in an expected file (the program folder, today's date...): each
// placeholder, such as "@PROGRAMMA@", with its text.
using Invullingen = std::vector<std::pair<std::string, std::string>>;

// An expected file written beside the tests, the way the page reads (LF line ends), named from
// tests/ ("pages/verwacht/persoon.htm"; a bare name lies in tests/export/verwacht/), with the
// placeholders filled in.
std::string Verwacht(const std::string& naam, const Invullingen& invullingen = {});

// `s` as one word for the shell, in single quotes.
std::string Quote(const std::string& s);

// `utf8` as UTF-16 bytes behind their byte-order mark, as Windows' registry editor writes files.
std::string Utf16MetMerk(const std::string& utf8, bool grootEinde = false);

} // namespace gdk::test
