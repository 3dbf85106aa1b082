#include "ErrorReporting.h"

ErrorReporting::ErrorReporting(Dialogs &dialogs, ErrPtnr::Outlets outlets)
    : m_dialogs(dialogs), m_outlets(std::move(outlets))
{
    m_previous = setErrorHandler([this](const ErrorReport &report) {
        if (!m_dialog)
            m_dialog = std::make_unique<ErrPtnr>(m_dialogs, m_outlets);
        return m_dialog->OnError(report);
    });
}

ErrorReporting::~ErrorReporting()
{
    setErrorHandler(m_previous);
}
