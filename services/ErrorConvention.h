// How a procedure deals with an unexpected run-time error: it asks OnError with its module
// and procedure name and then retries the failing step, goes on with the next, leaves the
// procedure, or ends the program.
//
//     Procedure proc(u"Allgemein", u"GetIniInt");
//     proc.step([&] { result = ...; });      // each step may throw RunTimeError
//     for (...) { if (!proc.step([&] { ... })) break; }   // Ignore goes on with the next pass
//
// Steps are the unit of Retry and Ignore; once the user chose Cancel every further step of the
// same procedure is skipped and step() returns false.
#pragma once

#include "RunTimeError.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <utility>

enum class ErrAnswer : qint16
{
    Retry = 0,
    Ignore = 1,
    Cancel = 2,
    End = 3
};

// The dialog (or a stand-in) that decides. Arguments: module, procedure, the error.
using ErrorHandler =
    std::function<ErrAnswer(const QString &module, const QString &procedure, const RunTimeError &)>;
// What End does. The default ends the process at once.
using ProgramEnd = std::function<void()>;

// Installs a handler and returns the previous one. The initial handler logs and answers Ignore.
ErrorHandler setErrorHandler(ErrorHandler handler);
ProgramEnd setProgramEnd(ProgramEnd end);

// Asks the installed handler; the result is 0..3 as the error dialog returns it.
ErrAnswer OnError(const QString &module, const QString &procedure, const RunTimeError &error);

class Procedure
{
public:
    Procedure(QStringView module, QStringView name)
        : m_module(module.toString()), m_name(name.toString())
    {
    }

    // Runs f; returns false when the procedure is to be left (now or by an earlier Cancel).
    template <typename F> bool step(F &&f)
    {
        while (!m_cancelled) {
            try {
                std::forward<F>(f)();
                return true;
            } catch (const RunTimeError &e) {
                if (!handle(e))
                    return !m_cancelled;
            } catch (const std::exception &e) {
                if (!handle(RunTimeError(ErrNo::Internal, QString::fromLocal8Bit(e.what()))))
                    return !m_cancelled;
            }
        }
        return false;
    }

    bool cancelled() const { return m_cancelled; }
    const QString &module() const { return m_module; }
    const QString &name() const { return m_name; }

private:
    // True when the step is to run again.
    bool handle(const RunTimeError &e);

    QString m_module;
    QString m_name;
    bool m_cancelled = false;
};
