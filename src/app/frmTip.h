#pragma once

#include "platform/Platform.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class TipSelector;
struct Program;

// The main window: one tip at a time, the buttons that lead everywhere else,
// and the daily timer. While the daily tip is on, OK and the close box hide
// it to the notification area instead of ending the program.
class frmTip : public QWidget {
    Q_OBJECT
public:
    explicit frmTip(Program &program, QWidget *parent = nullptr);
    ~frmTip() override;

    // Sets the window up and shows the first tip. False when the tip database
    // cannot be opened; the user has been told why and the program must end.
    bool Form_Load();

    // Hides the window behind an icon in the notification area (or, on a
    // desktop without one, minimises it).
    void AddTipIcon();

    QString tipText() const;

signals:
    // The main window has unloaded: the program ends.
    void programEnded();

public slots:
    void cmdOK_Click();
    void cmdnexttip_Click();
    void cmdreset_Click();
    void DayTimer_Timer();
    void TrayIcon_Activated(TrayAction action);
    // The desktop session is ending (log-out, shut-down): the next close ends
    // the program even while the daily tip is on.
    void sessionEnding();

protected:
    // The close box: hides to the notification area or ends the program.
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void setCaptions();
    void applyTipFont();
    void showtip();
    void getnexttip();
    void restoreFromNotificationArea();
    void Form_Unload();

    Program &m_program;
    std::unique_ptr<TipSelector> m_selector;
    bool m_sessionEnding = false;
    bool m_unloaded = false;

    QLabel *Picture1 = nullptr;
    QLabel *lblDid = nullptr;
    QPlainTextEdit *txtTip = nullptr;
    QPushButton *cmdok = nullptr;
    QPushButton *cmdnexttip = nullptr;
    QPushButton *cmdaddtip = nullptr;
    QPushButton *cmdreset = nullptr;
    QPushButton *cmdoption = nullptr;
    QPushButton *cmdsearch = nullptr;
    QPushButton *cmdAbout = nullptr;
    QTimer *DayTimer = nullptr;
};
