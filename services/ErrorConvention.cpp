#include "ErrorConvention.h"

#include <QDebug>

#include <cstdio>
#include <cstdlib>

namespace {

ErrAnswer logAndIgnore(const ErrorReport &report)
{
    qWarning().noquote() << "Quendo:" << report.module << report.procedure
                         << report.error.description();
    return ErrAnswer::Ignore;
}

ErrorHandler &handlerSlot()
{
    static ErrorHandler handler = logAndIgnore;
    return handler;
}

ProgramEnd &endSlot()
{
    static ProgramEnd end = [] { std::exit(EXIT_FAILURE); };
    return end;
}

} // namespace

ErrorHandler setErrorHandler(ErrorHandler handler)
{
    return std::exchange(handlerSlot(), handler ? std::move(handler) : logAndIgnore);
}

ProgramEnd setProgramEnd(ProgramEnd end)
{
    return std::exchange(endSlot(), std::move(end));
}

void endProgramAtOnce()
{
    // At once means: the failing procedure and its callers must not run on, so quitting the
    // event loop would be too late. std::exit would run static destructors while the
    // application object, its windows and the sound thread are still alive, which can crash or
    // hang on the way out. Nothing is lost by skipping all destructors: every file is replaced
    // whole (QSaveFile) or appended and closed at once (the error log), the start counter is
    // synced when written, and a stale single-copy lock is taken over by the next start.
    // Status 3, the End answer, tells a calling script the program did not end normally.
    std::fflush(nullptr);
    std::_Exit(3);
}

ErrAnswer OnError(const ErrorReport &report)
{
    const ErrAnswer answer = handlerSlot()(report);
    const auto value = static_cast<qint16>(answer);
    return value >= 0 && value <= 3 ? answer : ErrAnswer::Cancel;
}

bool Procedure::handle(const RunTimeError &e, const std::source_location &where)
{
    switch (OnError({m_module, m_name, e, int(where.line())})) {
    case ErrAnswer::Retry:
        return true;
    case ErrAnswer::Ignore:
        return false;
    case ErrAnswer::End:
        endSlot()();
        // A replaced end (tests) returns here: leave the procedure.
        m_cancelled = true;
        return false;
    case ErrAnswer::Cancel:
        break;
    }
    m_cancelled = true;
    return false;
}
