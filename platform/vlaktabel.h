#pragma once
// A hash table for the file-system layer's large lookups: the folder listings and what an
// export wrote. An export asks them several times per card, over hundreds of thousands of
// entries; in a chained table every lookup follows a bucket, a link and a node, each a likely
// cache miss, with a division to place the bucket. Here the slots are one flat power-of-two
// array of (hash tag, entry number), probed linearly and kept at most half full, and the entries
// lie in one vector: a lookup reads one slot line and confirms the one entry whose tag matches.
// A key that is a view needs its bytes to outlive the table (a listing keeps them in its own
// store). A pointer to a value holds until the next Voeg, Verwijder or Leeg.
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace gdk::fs {

template <typename K, typename W> class VlakkeTabel {
  public:
    W* Zoek(const K& sleutel) {
        if (items_.empty()) return nullptr;
        const std::uint64_t h = Hash(sleutel);
        for (std::size_t p = h & masker_;; p = (p + 1) & masker_) {
            const Plek& plek = plekken_[p];
            if (plek.nummer == 0) return nullptr;
            if (plek.tag != Tag(h)) continue;
            Item& item = items_[plek.nummer - 1];
            if (item.hash == h && item.sleutel == sleutel) return &item.waarde;
        }
    }

    // `sleutel` must not be in the table yet.
    void Voeg(K sleutel, W waarde) {
        if (2 * (items_.size() + 1) > plekken_.size()) Vergroot(2 * (items_.size() + 1));
        const std::uint64_t h = Hash(sleutel);
        items_.push_back(Item{std::move(sleutel), h, std::move(waarde)});
        Plaats(items_.back().hash, static_cast<std::uint32_t>(items_.size()));
    }

    // The value under `sleutel` becomes `waarde`, whether the key was there or not.
    void Zet(K sleutel, W waarde) {
        if (W* eerder = Zoek(sleutel))
            *eerder = std::move(waarde);
        else
            Voeg(std::move(sleutel), std::move(waarde));
    }

    bool Verwijder(const K& sleutel) {
        if (items_.empty()) return false;
        const std::uint64_t h = Hash(sleutel);
        std::size_t p = h & masker_;
        for (;; p = (p + 1) & masker_) {
            if (plekken_[p].nummer == 0) return false;
            if (plekken_[p].tag != Tag(h)) continue;
            const Item& item = items_[plekken_[p].nummer - 1];
            if (item.hash == h && item.sleutel == sleutel) break;
        }
        const std::uint32_t weg = plekken_[p].nummer;
        MaakVrij(p);
        // The last entry moves into the hole; its slot is told.
        const auto laatste = static_cast<std::uint32_t>(items_.size());
        if (weg != laatste) {
            for (std::size_t q = items_.back().hash & masker_;; q = (q + 1) & masker_)
                if (plekken_[q].nummer == laatste) {
                    plekken_[q].nummer = weg;
                    break;
                }
            items_[weg - 1] = std::move(items_.back());
        }
        items_.pop_back();
        return true;
    }

    void Reserveer(std::size_t n) {
        items_.reserve(n);
        if (2 * n > plekken_.size()) Vergroot(2 * n);
    }

    void Leeg() {
        items_.clear();
        plekken_.clear();
        masker_ = 0;
    }

    std::size_t Grootte() const { return items_.size(); }

    // Calls f(sleutel, waarde) for every entry, in no particular order.
    template <typename F> void VoorElk(F&& f) const {
        for (const Item& item : items_)
            f(item.sleutel, item.waarde);
    }
    template <typename F> void VoorElk(F&& f) {
        for (Item& item : items_)
            f(static_cast<const K&>(item.sleutel), item.waarde);
    }

  private:
    struct Plek {
        std::uint32_t tag = 0;    // the high half of the key's hash: most other keys are passed here
        std::uint32_t nummer = 0; // 1 + the entry's place in items_; 0 for a free slot
    };
    struct Item {
        K sleutel;
        std::uint64_t hash;
        W waarde;
    };

    static std::uint64_t Hash(const K& s) { return std::hash<K>{}(s); }
    static std::uint32_t Tag(std::uint64_t h) { return static_cast<std::uint32_t>(h >> 32); }

    void Plaats(std::uint64_t h, std::uint32_t nummer) {
        std::size_t p = h & masker_;
        while (plekken_[p].nummer != 0)
            p = (p + 1) & masker_;
        plekken_[p] = Plek{Tag(h), nummer};
    }

    // Frees slot p and moves later slots of the same run back, so no lookup stops early.
    void MaakVrij(std::size_t p) {
        for (std::size_t q = (p + 1) & masker_; plekken_[q].nummer != 0; q = (q + 1) & masker_) {
            const std::size_t thuis = items_[plekken_[q].nummer - 1].hash & masker_;
            // The entry at q may move to p when its home does not lie cyclically in (p, q].
            if (((q - thuis) & masker_) >= ((q - p) & masker_)) {
                plekken_[p] = plekken_[q];
                p = q;
            }
        }
        plekken_[p].nummer = 0;
    }

    void Vergroot(std::size_t minimaal) {
        std::size_t n = 16;
        while (n < minimaal)
            n *= 2;
        plekken_.assign(n, Plek{});
        masker_ = n - 1;
        for (std::size_t i = 0; i < items_.size(); ++i)
            Plaats(items_[i].hash, static_cast<std::uint32_t>(i + 1));
    }

    std::vector<Plek> plekken_;
    std::vector<Item> items_;
    std::size_t masker_ = 0;
};

} // namespace gdk::fs
