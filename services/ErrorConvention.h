// How a procedure deals with an unexpected run-time error: it asks OnError with its module
// and procedure name and then retries the failing step, goes on with the next, leaves the
// procedure, or ends the program.
//
//     Procedure proc(Proc::Allgemein::GetIniInt);
//     proc.step([&] { result = ...; });      // each step may throw RunTimeError
//     for (...) { if (!proc.step([&] { ... })) break; }   // Ignore goes on with the next pass
//
// Steps are the unit of Retry and Ignore; once the user chose Cancel every further step of the
// same procedure is skipped and step() returns false.
#pragma once

#include "ProcedureNames.h"
#include "RunTimeError.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <source_location>
#include <utility>

enum class ErrAnswer : qint16
{
    Retry = 0,
    Ignore = 1,
    Cancel = 2,
    End = 3
};

// One failure as the report shows it: where it happened and what it was.
struct ErrorReport
{
    QString module;
    QString procedure;
    const RunTimeError &error;
    int line = 0; // source line of the failing step; 0 when unknown
};

// The dialog (or a stand-in) that decides.
using ErrorHandler = std::function<ErrAnswer(const ErrorReport &)>;
// What End does. The default ends the process at once.
using ProgramEnd = std::function<void()>;

// Installs a handler and returns the previous one. The initial handler logs and answers Ignore.
ErrorHandler setErrorHandler(ErrorHandler handler);
ProgramEnd setProgramEnd(ProgramEnd end);

// The program's End: ends the process at once with exit status 3.
[[noreturn]] void endProgramAtOnce();

// Asks the installed handler; the result is 0..3 as the error dialog returns it.
ErrAnswer OnError(const ErrorReport &report);

class Procedure
{
public:
    explicit Procedure(const ProcName &name)
        : m_module(name.module.toString()), m_name(name.procedure.toString())
    {
    }

    // Runs f; returns false when the procedure is to be left (now or by an earlier Cancel).
    template <typename F>
    bool step(F &&f, std::source_location where = std::source_location::current())
    {
        while (!m_cancelled) {
            try {
                std::forward<F>(f)();
                return true;
            } catch (const RunTimeError &e) {
                if (!handle(e, where))
                    return !m_cancelled;
            } catch (const std::exception &e) {
                if (!handle(RunTimeError(ErrNo::Internal, QString::fromLocal8Bit(e.what())), where))
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
    bool handle(const RunTimeError &e, const std::source_location &where);

    QString m_module;
    QString m_name;
    bool m_cancelled = false;
};
