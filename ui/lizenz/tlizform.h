#pragma once

#include "versioninfo.h"

#include <QDialog>
#include <QPoint>
#include <QString>

class QEvent;
class QLabel;
class QMouseEvent;
class QPushButton;
class QScrollArea;
class QWheelEvent;
class UserPrompts;

// The info window: the usage text and terms of use as one tall picture in a scroll box, which
// scrolls it at its natural size whatever its height; the program title above it, and a close
// button that acts on the mouse press. Shift + right press on that button shows the build stamp
// and file version instead of closing.
class TLizForm : public QDialog
{
    Q_OBJECT

public:
    // prompts shows the build notice and must outlive the window; buildStamp ends in a blank;
    // programFilePath is the running program file, whose existence the version lookup tests.
    TLizForm(UserPrompts *prompts, QString buildStamp, QString programFilePath, QWidget *parent = nullptr);

    // Places the window at the main window's top left + (148, 28), sets caption and title
    // label, and shows it modally; returns when it has been closed.
    void showUsage(QPoint mainTopLeft);

    // Sets FileVersionText from the version information; keeps the previous text when the
    // program file does not exist or there is no version information at all.
    void ReadFileVersion();
    // Empty until ReadFileVersion first sets it; at most 10 characters.
    QString fileVersionText() const { return m_fileVersionText; }

    // The version information ReadFileVersion looks in; the program's own by default.
    void setVersionInfo(const VersionInfo &info) { m_versionInfo = info; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void ScrollBox1MouseWheel(QWheelEvent *event);
    void CloseBtnMouseDown(QMouseEvent *event);

    UserPrompts *m_prompts;
    QString m_buildStamp;
    QString m_programFilePath;
    QString m_fileVersionText;
    VersionInfo m_versionInfo = VersionInfo::programVersionInfo();

    QLabel *m_versionNameLabel = nullptr;
    QScrollArea *m_scrollBox = nullptr;
    QLabel *m_image = nullptr;
    QPushButton *m_closeBtn = nullptr;
};
