// Every setting of the program in one table: section, key, default and valid range. Readers and
// writers go through the typed functions below, so no other file names a settings key.
#pragma once

#include "Language.h"
#include "Settings.h"

#include <QString>

// How many children can play one game.
inline constexpr int kMaxPlayers = 4;

namespace Setting {

// How a number is written: " 4" and "-1" (a blank before numbers that are not negative) for
// most settings, plain "8" for the letter style and the background.
enum class NumberForm
{
    Blank,
    Plain
};

// What a stored value outside the range becomes where a reader brings it into range.
enum class OutOfRange
{
    Nearest, // the nearest end of the range
    Default  // the default (the language: there is no "nearest" language)
};

struct Number
{
    QString section;
    QString key;
    qint16 defaultValue;
    qint16 least;
    qint16 most;
    NumberForm form = NumberForm::Blank;
    qint16 step = 1; // valid values are least + k * step
    OutOfRange outOfRange = OutOfRange::Nearest;

    bool inRange(qint32 value) const;
    qint16 brought(qint32 value) const; // into range, as outOfRange says
};

struct Text
{
    QString section;
    QString key;
    QString defaultValue;
};

inline constexpr int kMaxNameLength = 25; // what a reader keeps of a stored player name

extern const Number NumPlayers;
extern const Number RoundsToPlay;
extern const Number MinLength;
extern const Number RepeatMode; // 1: only words not guessed come again; 0: all words
extern const Number ShowSolution;
extern const Number SoundOn;  // 0 off, -1 on
extern const Number SpeechOn; // reading aloud: 0 off, -1 on
extern const Number LetterStyle;
extern const Number Background;
extern const Number Language; // the language's base (Language::base)
extern const Text Password;   // scrambled; empty: no password

Number hints(int player);    // player 1..4
Text playerName(int player); // player 1..4
// The vocabulary file of a language; empty: its default file.
Text vocabFile(::Language language);

// The stored number, or the default when missing; outside 16 bits is reported (GetIniInt).
qint16 read(const Number &setting);
// The stored number brought into range; errors are reported as by read().
qint16 readInRange(const Number &setting);
// A first look without any report, brought into range: for work done ahead of the windows.
qint16 peek(const Number &setting);
void write(const Number &setting, qint16 value);

QString read(const Text &setting);
void write(const Text &setting, const QString &value);

// Settings that belong together (the options dialog's OK), written in one replace of the file
// so that it never holds some of them new and some old.
class Changes
{
public:
    void set(const Number &setting, qint16 value);
    void set(const Text &setting, const QString &value);
    void write() const { SaveIniValues(m_values); }

private:
    QList<IniValue> m_values;
};

// The per-user start counter, kept apart from the settings file.
qint16 readStartCount();
void writeStartCount(qint16 value);

} // namespace Setting
