#pragma once

#include <QString>
#include <QStringList>

// Button sets of the message window.
enum MessageMode
{
    ModeOk = 0,
    ModeYesNo = 10,           // "Ja", "Nein"; Enter answers "Nein"
    ModeYesNoDefaultYes = 11, // "Ja", "Nein"; Enter answers "Ja"
    ModeTextCsv = 12,
    ModeOkCancel = 20,
    ModeYesNoCancel = 30, // "Ja", "Nein", "Abbrechen"; Enter answers "Ja"
};

// Answers: the left button, the right button (or the single "OK", or "Nein" of three), the
// third button ("Abbrechen"), closed without a button.
enum MessageAnswer
{
    AnswerLeft = 1,
    AnswerRight = 0,
    AnswerThird = 2,
    AnswerClosed = 99,
};

// What a file dialog is opened with. Empty title, folder, filter or extension mean "leave as
// the dialog had it"; the proposed name is always used as given (empty: no name).
struct FileDialogRequest
{
    QString title;
    QString initialFolder;
    QString filter;           // Qt filter text, e.g. "Textdateien (*.txt *.TXT)"
    QString defaultExtension; // added to a name typed without one
    QString proposedName;     // file name for the name field, without a folder
};

// Every notice, question, plain message box and file dialog of the program goes through
// this interface, so tests can script the answers.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;

    // The message window with a single "OK"; 0 after OK, 99 otherwise.
    virtual int showNotice(const QString &text) = 0;

    // The message window with the buttons of mode; 1, 0, 2 (third button) or 99.
    virtual int askUser(const QString &text, MessageMode mode) = 0;

    // The platform's plain message box: the text, OK, the application title as caption.
    // Used at start-up before the message window exists, and for failures no command
    // handles (a file that cannot be written).
    virtual void showPlainMessage(const QString &text) = 0;

    // The chosen full path, or an empty text when cancelled.
    virtual QString getSaveFileName(const FileDialogRequest &request) = 0;
    virtual QString getOpenFileName(const FileDialogRequest &request) = 0;

    // The open dialog picking any number of existing files: their full paths, or an empty
    // list when cancelled.
    virtual QStringList getOpenFileNames(const FileDialogRequest &request) = 0;
};
