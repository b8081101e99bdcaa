#pragma once
// The save file reader's tools: each reads one value and checks it against its range, and
// throws a Fault naming the first bad value by its place in the file ("state.PosX[3]").
#include <nlohmann/json.hpp>

#include <string>

#include "save/SaveTexts.h"
#include "state/Random.h"

namespace save_read {

using Json = nlohmann::json;

struct Fault {
    std::string field;
    SaveText what;
};

// Reads one part of the file; every reader throws a Fault naming the first bad value.
class Reader {
public:
    explicit Reader(std::string path) : path_(std::move(path)) {}

    [[noreturn]] void Fail(const std::string& field, SaveText what) const { throw Fault{field, what}; }

    const Json& Get(const Json& object, const std::string& key) const {
        if (!object.is_object()) Fail(path_, SaveText::FieldType);
        auto it = object.find(key);
        if (it == object.end()) Fail(Name(key), SaveText::FieldMissing);
        return *it;
    }

    Reader Into(const std::string& key) const { return Reader(Name(key)); }

    long long Int(const Json& v, const std::string& field, long long lo, long long hi) const {
        if (!v.is_number_integer()) Fail(field, v.is_number() ? SaveText::FieldRange : SaveText::FieldType);
        long long n = 0;
        if (v.is_number_unsigned()) {
            const auto u = v.get<uint64_t>();
            if (u > static_cast<uint64_t>(hi)) Fail(field, SaveText::FieldRange);
            n = static_cast<long long>(u);
        } else {
            n = v.get<long long>();
        }
        if (n < lo || n > hi) Fail(field, SaveText::FieldRange);
        return n;
    }
    long long IntAt(const Json& object, const std::string& key, long long lo, long long hi) const {
        return Int(Get(object, key), Name(key), lo, hi);
    }

    bool Bool(const Json& object, const std::string& key) const {
        const Json& v = Get(object, key);
        if (!v.is_boolean()) Fail(Name(key), SaveText::FieldType);
        return v.get<bool>();
    }

    // Any text of at most most bytes without NUL (the parser has checked it is UTF-8).
    std::string Text(const Json& v, const std::string& field, size_t most) const {
        if (!v.is_string()) Fail(field, SaveText::FieldType);
        const std::string& s = v.get_ref<const std::string&>();
        if (s.size() > most || s.find('\0') != std::string::npos) Fail(field, SaveText::FieldText);
        return s;
    }
    std::string TextAt(const Json& object, const std::string& key, size_t most) const {
        return Text(Get(object, key), Name(key), most);
    }

    // An array of exactly count elements.
    const Json& Array(const Json& object, const std::string& key, size_t count) const {
        const Json& v = Get(object, key);
        if (!v.is_array()) Fail(Name(key), SaveText::FieldType);
        if (v.size() != count) Fail(Name(key), SaveText::FieldRange);
        return v;
    }

    template <typename Slots, typename Check>
    void Ints(const Json& object, const std::string& key, Slots& out, Check range) const {
        const Json& a = Array(object, key, out.size());
        for (size_t i = 0; i < out.size(); ++i) {
            long long lo = 0, hi = 0;
            range(static_cast<int>(i), lo, hi);
            out[i] = static_cast<typename Slots::value_type>(Int(a[i], Element(key, i), lo, hi));
        }
    }

    // An array of exactly as many true/false values as out holds.
    template <typename Flags>
    void Bools(const Json& object, const std::string& key, Flags& out) const {
        const Json& a = Array(object, key, out.size());
        for (size_t i = 0; i < out.size(); ++i) {
            if (!a[i].is_boolean()) Fail(Element(key, i), SaveText::FieldType);
            out[i] = a[i].get<bool>();
        }
    }

    std::string Name(const std::string& key) const { return path_.empty() ? key : path_ + "." + key; }
    std::string Element(const std::string& key, size_t i) const { return Name(key) + "[" + std::to_string(i) + "]"; }

private:
    std::string path_;
};

// The keys versions 1 and 2 kept of the board's screen (its icons, thumbnails and panel): read
// and checked as those versions were, then set aside (SaveReadOlder.cpp).
void CheckOlderScreenKeys(const Reader& r, const Json& board);
// Version 1's dice: the seed and the fractions made since, replayed into the engine's state.
void ReadReplayedDice(const Reader& r, const Json& dice, rnd::Position& out);

}  // namespace save_read
