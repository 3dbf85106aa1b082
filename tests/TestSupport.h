// What many tests need: a private program folder and a record of reported errors.
#pragma once

#include "ErrorConvention.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <QTemporaryDir>

// Points the settings store at a fresh folder for the life of the object.
class ProgramFolder
{
public:
    ProgramFolder();
    ~ProgramFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

struct ReportedError
{
    QString module;
    QString procedure;
    ErrNo number;
    int line;
};

// Installs an error handler that records every report and answers from a script (then a
// default); restores the previous handler when it goes.
class ErrorRecorder
{
public:
    explicit ErrorRecorder(ErrAnswer fallback = ErrAnswer::Ignore);
    ~ErrorRecorder();
    void script(QList<ErrAnswer> answers) { m_script = std::move(answers); }
    const QList<ReportedError> &errors() const { return m_errors; }
    int endRequests() const { return m_ends; }

private:
    QList<ReportedError> m_errors;
    QList<ErrAnswer> m_script;
    ErrAnswer m_fallback;
    int m_ends = 0;
    ErrorHandler m_previousHandler;
    ProgramEnd m_previousEnd;
};

// The language table as the build made it, written where GetLang reads it.
QByteArray builtLanguageTable();
void installLanguageTable(const QString &folder);

// Sets an environment variable (a null value unsets it) for the life of the object, then
// restores it.
class EnvironmentValue
{
public:
    EnvironmentValue(const char *name, const QByteArray &value);
    ~EnvironmentValue();

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

// Lets this process's files grow to at most the given size, as a full disk or a used-up quota
// does, for the life of the object (root included); a write past it fails instead of
// ending the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    quint64 m_before = 0;
    void (*m_handler)(int) = nullptr;
};
