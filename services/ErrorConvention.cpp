#include "ErrorConvention.h"

#include <QDebug>

#include <cstdlib>

namespace {

ErrAnswer logAndIgnore(const QString &module, const QString &procedure, const RunTimeError &e)
{
    qWarning().noquote() << "Quendo:" << module << procedure << e.description();
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

ErrAnswer OnError(const QString &module, const QString &procedure, const RunTimeError &error)
{
    const ErrAnswer answer = handlerSlot()(module, procedure, error);
    const auto value = static_cast<qint16>(answer);
    return value >= 0 && value <= 3 ? answer : ErrAnswer::Cancel;
}

bool Procedure::handle(const RunTimeError &e)
{
    switch (OnError(m_module, m_name, e)) {
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
