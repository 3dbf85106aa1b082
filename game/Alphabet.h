// The letters of the game: which letter each strip slot offers in each language, the
// letter-sheet cell of every character, and the accented forms a vowel button uncovers.
#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <optional>

namespace Alphabet {

inline constexpr int kSlots = 29;      // strip buttons 0..28
inline constexpr int kLastLetter = 28; // index of the last strip button
inline constexpr int kBlankCell = 59;  // a covered word-field position
inline constexpr int kApostropheCell = 50;
inline constexpr int kHyphenCell = 51;

// Slots 26..28 of one language: the letter and its sheet cell, or no letter (hidden slot).
struct NationalSlot
{
    char16_t letter; // 0: hidden in this language
    int cell;
};
using NationalSlots = std::array<NationalSlot, 3>;

// By language digit 0..6 (German, English, Swedish, Italian, Portuguese, Spanish, French).
const NationalSlots &nationalSlots(int languageDigit);

// The vowel button indices and their accented forms, in the order they are tried.
struct AccentedForm
{
    char16_t letter;
    int cell;
};
struct VowelForms
{
    int button;
    std::array<AccentedForm, 3> forms;
};
const std::array<VowelForms, 5> &vowelForms();

// The sheet cell of an upper-case letter, if the sheet has one.
std::optional<int> cellOf(QChar upper);
// The character a sheet cell shows (a screen reader names the cell by it); null for the blank.
QChar characterOfCell(int cell);

// Whether every character of entry can be uncovered in this language: a strip letter of the
// language, a vowel with an accent the word field shows, a blank, an apostrophe or a hyphen.
bool isSolvable(const QString &entry, int languageDigit);
// Whether entry can be played at all: solvable, with at least one letter to guess.
bool isPlayable(const QString &entry, int languageDigit);

} // namespace Alphabet
