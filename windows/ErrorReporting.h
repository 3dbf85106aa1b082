// Makes the error report the program's error handler for the life of the object. The report
// is made at the first error and kept, hidden, for the next.
#pragma once

#include "ErrPtnr.h"

#include <memory>

class ErrorReporting
{
public:
    explicit ErrorReporting(Dialogs &dialogs, ErrPtnr::Outlets outlets = ErrPtnr::systemOutlets());
    ~ErrorReporting();
    ErrorReporting(const ErrorReporting &) = delete;
    ErrorReporting &operator=(const ErrorReporting &) = delete;

    // Null before the first error.
    ErrPtnr *dialog() const { return m_dialog.get(); }

private:
    Dialogs &m_dialogs;
    ErrPtnr::Outlets m_outlets;
    std::unique_ptr<ErrPtnr> m_dialog;
    ErrorHandler m_previous;
};
