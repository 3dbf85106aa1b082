// The texts of the language table by name. Text id n of the current language is
// currentLanguage().text(n); uiText(id) looks it up.
#pragma once

#include <QString>

namespace Txt {

enum Id : int
{
    NoTitle = 100, // not in the table: an empty title
    Options = 101,
    ShowSolution = 102,
    SoundEffects = 103,
    RepeatNotGuessed = 104,
    RepeatAll = 105,
    Vocabulary = 107,
    Repeat = 108,
    Names = 109,
    Hints = 110,
    Players = 111,
    EditVocabulary = 113,
    SeeReadMe = 116,
    Help = 134,
    MailToMaker = 135,
    MakersHomepage = 136,
    About = 137,
    HasWon = 140,
    Hurray = 141,
    OnceAgain = 142,
    ReallyEnd = 143,
    ProgramEnd = 144,
    MinWordLength = 145,
    DefaultVocabFile = 146,
    ReallyNewGame = 149,
    Next = 150,
    EditVocabularyTitle = 151,
    SaveChanges = 152,
    Add = 153,
    Delete = 154,
    Save = 155,
    Cancel = 156,
    ChangePassword = 157,
    OldPassword = 158,
    NewPassword = 159,
    RepeatPassword = 160,
    EnterPassword = 161,
    WrongPassword = 162,
    PasswordProtection = 163,
    LanguageFolder = 166,
    LetterStyle = 167,
    StartGame = 169,
    EndGame = 170,
    RestartsTheGame = 172,
    Background = 173,
    RoundsToPlay = 176,
    VocabularyEmpty = 177,
    EntriesTooShortOrLong = 178,
    NewFile = 179,
    OverwriteFile = 180,
    NameOfNewFile = 181,
    Draw = 182,
    NoWordFits = 183,
    ChangeTheOptions = 184,
    ButtonYes = 185,
    ButtonNo = 186,
    ButtonOk = 187,
    ButtonCancel = 188,
    PasswordNotStorable = 189,
    FileNameUnusable = 190,
    PasswordCharacters = 191,
    NoTempFolder = 193,
    NothingIsKept = 200,
    ListFull = 201,        // %1 added, %2 did not fit
    NotATextFile = 202,    // a dropped thing, named after it
    EntriesNotTaken = 203, // the entries follow
    ListTooLong = 204,     // %1 entries in the file
    SaveUnderNewName = 205,
    ListReadInPart = 206,
    SettingsDiskFull = 210,
    SettingsNotWritable = 211,
    NothingIsKeptDiskFull = 212,
    TempFolderFull = 213,
    NoPlayableEntries = 214,
    EntriesAdded = 215,    // %1 entries
    LeftOut = 216,         // the entries follow, one a line
    TooLongForBoard = 217, // %1 letters across the board
    LetterNotKept = 218,
    PasteTooLarge = 219,
    ListIsFull = 220,
    SaveOverLink = 221, // asks for a new name
    NameIsLinkOut = 222,
    AndMore = 223, // %1 more
    // Reading aloud, and the names a screen reader reads (230..279).
    ReadAloud = 230,
    NoSpeechOutput = 231,
    WordHasLetters = 232, // %1 letters
    WordHasOneLetter = 233,
    HitOnce = 234,    // %1 the letter
    HitTimes = 235,   // %1 the letter, %2 how often
    MissTries = 236,  // %1 the letter, %2 tries left
    MissOneTry = 237, // %1 the letter
    MissLast = 238,   // %1 the letter
    HintComes = 239,
    WordSolvedSaid = 240, // %1 spelled, %2 the word, %3 points won
    WordLostSaid = 241,   // %1 spelled, %2 the word
    PressEnter = 242,
    RoundOver = 243,     // %1 the round
    WinnerSaid = 244,    // %1 the name, %2 points
    DrawSaid = 245,      // %1 points
    TriesAndScore = 246, // %1 tries left, %2 the name, %3 points
    Gap = 247,           // a covered cell, spoken
    NotFoundYet = 248,   // a covered cell, as a screen reader names it
    TheWord = 249,       // %1 the word's cells
    PictureStage = 250,  // %1 the stage
    YourTurn = 251,      // %1 the name
    NoWordInPlay = 252,
    FirstBuiltInWord = 300,
};

inline constexpr int kBuiltInWords = 50;

} // namespace Txt

// Text id in the current interface language.
QString uiText(int id);
