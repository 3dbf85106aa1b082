// The alphabet strip as the game knows it: the letter and the sheet cell of each of the 29
// buttons, whether the letter may still be guessed on this word, and whether a guess is
// accepted at all. The window only shows it.
#pragma once

#include "Alphabet.h"

#include <QString>

#include <array>

class LetterStrip
{
public:
    struct Slot
    {
        QString letter;                  // upper case; empty until the language gives one
        int cell = Alphabet::kBlankCell; // the picture on the letter sheet
        bool available = true;           // not used on this word, and in the language
        bool enabled = false;            // a guess is accepted
    };

    // A SubscriptOutOfRange error outside 0..28.
    const Slot &slot(int button) const;
    void setAvailable(int button, bool available);
    void setEnabled(int button, bool enabled);

    // The letters and pictures of a language (digit 0..6). Letters are offered again only while
    // no game runs, so that a reload during a word keeps the used letters away; the national
    // slots a language lacks are taken away whatever runs.
    void loadAlpha(int languageDigit, bool gameRunning);

    // The button of a typed character that can be guessed now, or -1.
    int playableButton(QChar typed) const;

private:
    Slot &at(int button);
    std::array<Slot, Alphabet::kSlots> m_slots;
};
