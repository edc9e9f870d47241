#pragma once
// Reads the index shards of an exported search page back, as the browser's script would: each
// file is one call gdkZoekDeel("name", data) whose data is JSON (strings, numbers, arrays,
// objects), strings in ASCII with \uXXXX escapes. Strings come back as UTF-8.
#include "support/tijdelijke_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace gdk::test {

struct JsWaarde {
    std::string tekst;
    double getal = 0;
    std::vector<JsWaarde> lijst;
    std::map<std::string, JsWaarde> velden;
};

class JsLezer {
  public:
    explicit JsLezer(const std::string& s) : s_(s) {}
    JsWaarde Waarde() {
        JsWaarde w;
        if (s_[i_] == '"') {
            w.tekst = Tekst();
        } else if (s_[i_] == '[') {
            ++i_;
            while (s_[i_] != ']') {
                w.lijst.push_back(Waarde());
                if (s_[i_] == ',') ++i_;
            }
            ++i_;
        } else if (s_[i_] == '{') {
            ++i_;
            while (s_[i_] != '}') {
                const std::string naam = Tekst();
                Verwacht(':');
                w.velden[naam] = Waarde();
                if (s_[i_] == ',') ++i_;
            }
            ++i_;
        } else {
            std::size_t n = 0;
            w.getal = std::stod(s_.substr(i_), &n);
            i_ += n;
        }
        return w;
    }
    std::string Tekst() {
        Verwacht('"');
        std::string uit;
        while (s_[i_] != '"') {
            if (s_[i_] == '\\') {
                EXPECT_EQ(s_[i_ + 1], 'u') << "only \\u escapes are written";
                const unsigned c = static_cast<unsigned>(std::stoul(s_.substr(i_ + 2, 4), nullptr, 16));
                i_ += 6;
                if (c < 0x80) {
                    uit += static_cast<char>(c);
                } else if (c < 0x800) {
                    uit += static_cast<char>(0xC0 | (c >> 6));
                    uit += static_cast<char>(0x80 | (c & 0x3F));
                } else {
                    uit += static_cast<char>(0xE0 | (c >> 12));
                    uit += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                    uit += static_cast<char>(0x80 | (c & 0x3F));
                }
            } else {
                uit += s_[i_++];
            }
        }
        ++i_;
        return uit;
    }
    void Verwacht(char c) {
        ASSERT_LT(i_, s_.size());
        ASSERT_EQ(s_[i_], c) << "at " << i_ << " of " << s_.substr(0, 80);
        ++i_;
    }
    std::size_t Plek() const { return i_; }

  private:
    std::string s_;
    std::size_t i_ = 0;
};

struct ZoekDeel {
    std::string naam;
    JsWaarde data;
};

// One shard file's text: the call, its name and its data.
inline ZoekDeel LeesZoekDeel(const std::string& inhoud) {
    ZoekDeel d;
    const std::string kop = "gdkZoekDeel(";
    EXPECT_EQ(inhoud.rfind(kop, 0), 0u) << inhoud.substr(0, 80);
    std::string rest = inhoud.substr(kop.size());
    while (!rest.empty() && (rest.back() == '\n' || rest.back() == '\r'))
        rest.pop_back();
    EXPECT_GE(rest.size(), 2u);
    EXPECT_EQ(rest.substr(rest.size() - 2), ");");
    JsLezer l(rest);
    d.naam = l.Tekst();
    l.Verwacht(',');
    d.data = l.Waarde();
    EXPECT_EQ(l.Plek(), rest.size() - 2);
    return d;
}

// A whole index: table of contents, card shards in order, word shards, as read from `map`.
struct ZoekIndexInhoud {
    JsWaarde inhoud;
    std::vector<std::vector<std::string>> kaarten;   // per card: name, born, died, place, link
    std::map<std::string, std::vector<int>> woorden; // word -> ranks as written (deltas summed)
};

inline ZoekIndexInhoud LeesZoekIndex(const std::map<std::string, std::string>& bestanden) {
    ZoekIndexInhoud z;
    z.inhoud = LeesZoekDeel(bestanden.at("inhoud")).data;
    for (const JsWaarde& k : z.inhoud.velden["kaarten"].lijst) {
        const ZoekDeel d = LeesZoekDeel(bestanden.at(k.lijst[0].tekst));
        EXPECT_EQ(d.naam, k.lijst[0].tekst);
        EXPECT_EQ(static_cast<std::size_t>(k.lijst[1].getal), z.kaarten.size()) << "shards follow the ranks";
        EXPECT_EQ(d.data.lijst.size() % 5, 0u);
        for (std::size_t i = 0; i + 4 < d.data.lijst.size(); i += 5) {
            std::vector<std::string> kaart;
            for (std::size_t j = 0; j < 5; ++j)
                kaart.push_back(d.data.lijst[i + j].tekst);
            z.kaarten.push_back(kaart);
        }
    }
    for (const JsWaarde& w : z.inhoud.velden["woorden"].lijst) {
        const ZoekDeel d = LeesZoekDeel(bestanden.at(w.lijst[0].tekst));
        const std::string& eerste = w.lijst[1].tekst;
        const std::string& laatste = w.lijst[2].tekst;
        for (std::size_t i = 0; i + 1 < d.data.lijst.size(); i += 2) {
            const std::string& woord = d.data.lijst[i].tekst;
            EXPECT_LE(eerste, woord);
            EXPECT_LE(woord, laatste);
            int r = 0;
            for (const JsWaarde& v : d.data.lijst[i + 1].lijst)
                z.woorden[woord].push_back(r += static_cast<int>(v.getal));
        }
    }
    return z;
}

// The files of tool/zoeken of a site, by name without ".js".
inline std::map<std::string, std::string> ZoekBestandenVan(const std::filesystem::path& site) {
    std::map<std::string, std::string> uit;
    for (const auto& e : std::filesystem::directory_iterator(site / "tool" / "zoeken"))
        if (e.path().extension() == ".js") uit[e.path().stem().string()] = LeesBestand(e.path());
    return uit;
}

} // namespace gdk::test
