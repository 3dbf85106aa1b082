// The module and procedure names that the error report shows, in one table. A procedure names
// itself with one of these constants: Procedure proc(Proc::frmQuendo::GetTipp). The spelling,
// irregular capitals included, is what users and support have always seen in the reports.
#pragma once

#include <QStringView>

struct ProcName
{
    QStringView module;
    QStringView procedure;
};

// X(module, procedure) for every procedure that reports its errors.
#define QUENDO_PROCEDURES(X)                                                                       \
    X(frmQuendo, GetTipp)                                                                          \
    X(frmQuendo, loadAlpha)                                                                        \
    X(frmQuendo, NextPlayer)                                                                       \
    X(frmQuendo, PaintBack)                                                                        \
    X(frmQuendo, posAlpha)                                                                         \
    X(frmQuendo, positionieren)                                                                    \
    X(frmQuendo, ShowLetters)                                                                      \
    X(frmQuendo, Sprache)                                                                          \
    X(frmQuendo, StartGame)                                                                        \
    X(frmQuendo, WaitForNext)                                                                      \
    X(frmQuendo, WortAnzeigen)                                                                     \
    X(frmQuendo, WortList)                                                                         \
    X(frmQuendo, zurueck)                                                                          \
    X(frmQuendo, Form_KeyPress)                                                                    \
    X(frmQuendo, Form_Load)                                                                        \
    X(frmQuendo, Form_Resize)                                                                      \
    X(frmQuendo, Form_Unload)                                                                      \
    X(frmQuendo, imgAlpha_click)                                                                   \
    X(frmQuendo, imgLang_Click)                                                                    \
    X(frmQuendo, List1_Ini)                                                                        \
    X(frmQuendo, mnuEMail_Click)                                                                   \
    X(frmQuendo, mnuhilfe_Click)                                                                   \
    X(frmQuendo, mnuHomepage_Click)                                                                \
    X(frmQuendo, mnuUeber_Click)                                                                   \
    X(frmQuendo, PicBut_Click)                                                                     \
    X(frmInfo, Sprache)                                                                            \
    X(frmInfo, Form_Load)                                                                          \
    X(frmInfo, imgLang_Click)                                                                      \
    X(frmInfo, cmdOK_Click)                                                                        \
    X(frmInfo, Timer1_Timer)                                                                       \
    X(frmOpt, chkAnzeige_Click)                                                                    \
    X(frmOpt, chkSound_Click)                                                                      \
    X(frmOpt, chkVorlesen_Click)                                                                   \
    X(frmOpt, cmdOK_Click)                                                                         \
    X(frmOpt, EditButt_Click)                                                                      \
    X(frmOpt, Form_Activate)                                                                       \
    X(frmOpt, Form_Load)                                                                           \
    X(frmOpt, Password_Click)                                                                      \
    X(frmOpt, txtSpieler_Change)                                                                   \
    X(frmOpt, txtSpieler_GotFocus)                                                                 \
    X(frmOpt, vscZahl_Change)                                                                      \
    X(frmOpt, wiederh_Click)                                                                       \
    X(frmOpt, WortSch_Click)                                                                       \
    X(frmOpt, WortSch_DblClick)                                                                    \
    X(WEdit, Abbruch_Click)                                                                        \
    X(WEdit, cmdNeu_Click)                                                                         \
    X(WEdit, Form_Load)                                                                            \
    X(WEdit, Hinzuf_Click)                                                                         \
    X(WEdit, List1_Click)                                                                          \
    X(WEdit, List1_DblClick)                                                                       \
    X(WEdit, List1_Ini)                                                                            \
    X(WEdit, Loesch_Click)                                                                         \
    X(WEdit, OK_Click)                                                                             \
    X(WEdit, Speichern_Click)                                                                      \
    X(WEdit, Text1_GotFocus)                                                                       \
    X(Allgemein, Encrypt)                                                                          \
    X(Allgemein, GetIniInt)                                                                        \
    X(Allgemein, GetIniString)                                                                     \
    X(Allgemein, GetLang)                                                                          \
    X(Allgemein, GetTempDir)                                                                       \
    X(Allgemein, Main)                                                                             \
    X(Allgemein, PlayWAV)                                                                          \
    X(Allgemein, SaveIni)                                                                          \
    X(Allgemein, Shutdown)                                                                         \
    X(Allgemein, zz)                                                                               \
    X(ModResFiles, SaveResItemToDisk)                                                              \
    X(frmLetters, cmdOK_Click)                                                                     \
    X(frmLetters, Form_Load)                                                                       \
    X(frmLetters, picLetter_Click)                                                                 \
    X(frmLetters, picLetter_DblClick)                                                              \
    X(frmBack, cmdOK_Click)                                                                        \
    X(frmBack, Form_Load)                                                                          \
    X(frmBack, picBack_Click)                                                                      \
    X(frmBack, picBack_DblClick)

// Proc::<module>::<procedure>, for example Proc::frmOpt::vscZahl_Change.
namespace Proc {
#define QUENDO_PROC_CONSTANT(module_, procedure_)                                                  \
    namespace module_ {                                                                            \
    inline constexpr ProcName procedure_{u"" #module_, u"" #procedure_};                           \
    }
QUENDO_PROCEDURES(QUENDO_PROC_CONSTANT)
#undef QUENDO_PROC_CONSTANT
} // namespace Proc
