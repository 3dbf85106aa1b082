// The error report: what failed and where, appended to the log Quendo.EPT; the protocol to
// print, save, mail or take to the homepage; and the user's choice how the program goes on.
// Made at the first error and kept hidden between errors. Its texts are fixed German/English
// pairs, so it speaks even when the language table is what failed.
#pragma once

#include "Dialogs.h"
#include "ErrorConvention.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;
class QUrl;

class ErrPtnr : public QDialog
{
    Q_OBJECT
public:
    // What the protocol buttons need of the world outside; tests put in their own.
    struct Outlets
    {
        std::function<bool(const QStringList &lines)> print; // false: nothing printed
        std::function<bool(const QUrl &url)> openUrl;        // false: no program took it
    };
    // The default printer, the user's mail program and browser.
    static Outlets systemOutlets();

    explicit ErrPtnr(Dialogs &dialogs, Outlets outlets = systemOutlets(),
                     QWidget *parent = nullptr);

    // Logs the report, shows it modally and returns the user's choice. A further error while
    // the report shows is logged and ignored, never shown on top.
    ErrAnswer OnError(const ErrorReport &report);

    void cmdProtocol_Click(int index);
    void cmdContinue_Click(int index);
    // The protocol of the error shown, dated now.
    QString BuildProtocol() const;
    ErrAnswer choice() const { return m_choice; }

public slots:
    // The close box and Escape hide the report with the last choice.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ArrangeControls();
    bool AppendProtocolLog(const std::array<QString, 4> &values) const;
    void printProtocol();
    void saveProtocol();
    void mailProtocol();
    void openHomepage();
    void tell(const QString &german, const QString &english);
    void fitFont();

    Dialogs &m_dialogs;
    Outlets m_outlets;
    std::array<QString, 4> m_values;
    ErrAnswer m_choice = ErrAnswer::Retry;
    bool m_reporting = false;
    bool m_logFailureTold = false;

    std::array<QGroupBox *, 5> m_frames{};
    QLabel *m_lblComment = nullptr;
    std::array<QLabel *, 4> m_lblErrTitel{};
    std::array<QLabel *, 4> m_lblError{};
    QLabel *m_lblProgInfo = nullptr;
    std::array<QPushButton *, 4> m_cmdProtocol{};
    std::array<QPushButton *, 4> m_cmdContinue{};
};
