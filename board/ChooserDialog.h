// The letter-style and background choosers: a grid of thumbnails, a frame around the choice,
// and OK. A click stores the choice at once; there is no cancel.
#pragma once

#include "ProcedureNames.h"
#include "SettingsTable.h"

#include <QDialog>
#include <QList>
#include <QPoint>
#include <QSize>

class ClickableImage;

struct ChooserTable
{
    ProcName formLoad;
    ProcName click;
    ProcName doubleClick;
    ProcName ok;
    const Setting::Number *setting; // the letter style or the background
    int firstBitmap;
    int count;
    QSize thumbnail;
    int perRow;
    QPoint pitch;
    QPoint first;
    QSize frame;
    QRect okButton;
    int titleText; // language text of the window title
};

const ChooserTable &letterChooserTable();
const ChooserTable &backgroundChooserTable();

class ChooserDialog : public QDialog
{
    Q_OBJECT
public:
    ChooserDialog(const ChooserTable &table, qint16 &choice, QWidget *parent = nullptr);

    void select(int index);         // picLetter_Click / picBack_Click
    void selectAndClose(int index); // the double click
    void cmdOK_Click();
    QRect frameRect() const { return m_frame; }
    QRect thumbnailRect(int index) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load();
    void centreFrameOn(int index);

    const ChooserTable &m_table;
    qint16 &m_choice;
    QList<ClickableImage *> m_thumbs;
    QRect m_frame;
};

// The two choosers by their names.
class frmLetters : public ChooserDialog
{
public:
    frmLetters(qint16 &letter, QWidget *parent = nullptr)
        : ChooserDialog(letterChooserTable(), letter, parent)
    {
    }
};

class frmBack : public ChooserDialog
{
public:
    frmBack(qint16 &back, QWidget *parent = nullptr)
        : ChooserDialog(backgroundChooserTable(), back, parent)
    {
    }
};
