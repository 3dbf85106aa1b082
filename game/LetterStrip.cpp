#include "LetterStrip.h"

#include "RunTimeError.h"

const LetterStrip::Slot &LetterStrip::slot(int button) const
{
    if (button < 0 || button >= Alphabet::kSlots)
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(button));
    return m_slots[size_t(button)];
}

LetterStrip::Slot &LetterStrip::at(int button)
{
    return const_cast<Slot &>(std::as_const(*this).slot(button));
}

void LetterStrip::setAvailable(int button, bool available)
{
    at(button).available = available;
}

void LetterStrip::setEnabled(int button, bool enabled)
{
    at(button).enabled = enabled;
}

void LetterStrip::loadAlpha(int languageDigit, bool gameRunning)
{
    const auto offer = [&](int button, int cell, QChar letter) {
        Slot &s = at(button);
        s.cell = cell;
        s.letter = QString(letter);
        if (!gameRunning)
            s.available = true;
    };
    for (int i = 0; i < 26; ++i)
        offer(i, i, QChar(u'A' + i));
    const Alphabet::NationalSlots &national = Alphabet::nationalSlots(languageDigit);
    for (int k = 0; k < int(national.size()); ++k) {
        const int button = Alphabet::kSlots - int(national.size()) + k;
        if (national[size_t(k)].letter == 0)
            at(button).available = false; // keeps the letter and picture it had
        else
            offer(button, national[size_t(k)].cell, QChar(national[size_t(k)].letter));
    }
}

int LetterStrip::playableButton(QChar typed) const
{
    const QChar upper = typed.toUpper();
    for (int b = 0; b < Alphabet::kSlots; ++b) {
        const Slot &s = m_slots[size_t(b)];
        if (s.available && s.enabled &&
            QStringView(&upper, 1).compare(s.letter, Qt::CaseInsensitive) == 0)
            return b;
    }
    return -1;
}
