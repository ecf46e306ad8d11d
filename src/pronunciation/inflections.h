#pragma once
// Inflected forms against their stems: the -s, -es, -ed, -ing, -er, -est of a word the
// lexicon has, whether an entry agrees with its stem's, and the form made from the stem's.

#include "pronunciation/phones.h"

#include <functional>
#include <optional>

namespace vocalith::pronunciation {

struct Inflection {
    QString stem, ending; // ending: "s", "es", "ed", "ing", "er" or "est"
};

// The stem and ending of a word whose stem is a word (isWord), by the spelling rules: a silent
// e dropped (making, raged), a consonant doubled (running), y as i (carried, happier).
std::optional<Inflection> findInflection(const QString &word, const std::function<bool(const QString &)> &isWord);

// Whether an inflected form's stem part sounds as the stem's entry does (both in the
// lexicon's notation; American when rhotic), allowing the alternations an ending brings: a
// linking r sounded, a syllabic consonant or ə + n, l, r losing its ə before a vowel
// (bottling, manoeuvring), a last uː, iː, i, ɪ or ə of the stem weakened or changed among
// themselves, a last θ or s voiced (paths, houses), ŋ + ɡ in comparatives (longer), and -ate
// verbs beside -ate adjectives.
bool agreesWithStem(const QString &stemForm, const QString &form, bool rhotic);

// The inflected form made from the stem's entry: -s and -es as s, z or ɪz, -ed as t, d or ɪd,
// -ing as ɪŋ, after the stem's last sound; a syllabic consonant before -ing is the plain
// consonant, a linking r is sounded. Empty for the other endings.
QString inflectedForm(const QString &stemForm, const QString &ending, bool rhotic);

} // namespace vocalith::pronunciation
