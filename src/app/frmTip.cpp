#include "app/frmTip.h"

#include "app/AppIcon.h"
#include "app/DailyTip.h"
#include "app/Program.h"
#include "app/TipSelector.h"
#include "app/WindowPlacement.h"
#include "settings/ProgramSettings.h"
#include "text/ApplicationTitle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kDayTimerInterval = 60000; // one minute

QPushButton *makeButton(const char *objectName, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(objectName));
    // Enter presses the focused button, as in a dialog.
    button->setAutoDefault(true);
    return button;
}

} // namespace

frmTip::frmTip(Program &program, QWidget *parent)
    : QWidget(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("frmTip"));
    setWindowIcon(versedawnIcon());
    buildControls();
}

frmTip::~frmTip() = default;

void frmTip::buildControls()
{
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(windowIcon().pixmap(64, 64));
    Picture1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblDid = new QLabel(this);
    lblDid->setObjectName(QStringLiteral("lblDid"));

    txtTip = new QPlainTextEdit(this);
    txtTip->setObjectName(QStringLiteral("txtTip"));
    txtTip->setReadOnly(true);
    txtTip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lblDid->setBuddy(txtTip);

    cmdok = makeButton("cmdok", this);
    cmdnexttip = makeButton("cmdnexttip", this);
    cmdaddtip = makeButton("cmdaddtip", this);
    cmdreset = makeButton("cmdreset", this);
    cmdoption = makeButton("cmdoption", this);
    cmdsearch = makeButton("cmdsearch", this);
    cmdAbout = makeButton("cmdAbout", this);

    auto *tipColumn = new QVBoxLayout;
    tipColumn->addWidget(lblDid);
    tipColumn->addWidget(txtTip, 1);

    auto *buttonColumn = new QVBoxLayout;
    for (QPushButton *button : {cmdok, cmdnexttip, cmdaddtip, cmdreset, cmdoption, cmdsearch, cmdAbout})
        buttonColumn->addWidget(button);
    buttonColumn->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(Picture1, 0, Qt::AlignTop);
    layout->addLayout(tipColumn, 1);
    layout->addLayout(buttonColumn);
    resize(560, 300);

    DayTimer = new QTimer(this);
    DayTimer->setObjectName(QStringLiteral("DayTimer"));
    DayTimer->setInterval(kDayTimerInterval);

    connect(cmdok, &QPushButton::clicked, this, &frmTip::cmdOK_Click);
    connect(cmdnexttip, &QPushButton::clicked, this, &frmTip::cmdnexttip_Click);
    connect(cmdreset, &QPushButton::clicked, this, &frmTip::cmdreset_Click);
    connect(DayTimer, &QTimer::timeout, this, &frmTip::DayTimer_Timer);
    connect(&m_program.platform, &Platform::trayIconActivated, this, &frmTip::TrayIcon_Activated);
}

void frmTip::setCaptions()
{
    setWindowTitle(m_program.text(9));
    cmdok->setText(m_program.text(1));
    cmdnexttip->setText(m_program.text(2));
    cmdaddtip->setText(m_program.text(3));
    cmdreset->setText(m_program.text(4));
    cmdoption->setText(m_program.text(5));
    cmdsearch->setText(m_program.text(6));
    cmdAbout->setText(m_program.text(7));
    lblDid->setText(m_program.text(8));
    // The tip box has no caption of its own; assistive technologies name it
    // after the label above it.
    txtTip->setAccessibleName(lblDid->text());
}

bool frmTip::Form_Load()
{
    ProgramState &state = m_program.state;
    Platform &platform = m_program.platform;

    const QDateTime now = platform.currentDateTime();
    platform.seedRandom(static_cast<quint32>(now.time().msecsSinceStartOfDay() / 1000));
    state.PickerCaller = 0;
    setCaptions();
    centreOnScreen(this);
    state.LastShownDay = DailyTip::dayStamp(now.date());
    state.DailyOn = ProgramSettings::dailyOn(m_program.settings);
    state.ShowHour = ProgramSettings::showHour(m_program.settings);

    const QString path = TipDatabase::pathFor(state.LangOffset, m_program.databaseFolder);
    m_selector = std::make_unique<TipSelector>(m_program.database, state,
                                               [&platform] { return platform.nextRandom(); });
    bool opened = m_program.database.open(path);
    QString reason = m_program.database.lastError().text();
    if (opened) {
        state.RandomMode = ProgramSettings::randomMode(m_program.settings);
        opened = m_selector->start();
        reason = m_selector->lastError().text();
    }
    if (!opened) {
        m_program.database.close();
        platform.messageBox(nullptr,
                            QStringLiteral("The tip database cannot be opened:\r\n%1\r\n\r\n%2")
                                .arg(QDir::toNativeSeparators(path), reason),
                            MessageIcon::Critical);
        return false;
    }

    applyTipFont();
    showtip();
    // Enter or Space on the open window means OK, as in any message window.
    cmdok->setFocus();
    DayTimer->start();
    return true;
}

void frmTip::applyTipFont()
{
    const TipFont font = ProgramSettings::tipFont(m_program.settings);
    txtTip->setFont(font.toFont());
    QPalette palette = txtTip->palette();
    palette.setColor(QPalette::Text, font.toColor());
    txtTip->setPalette(palette);
}

void frmTip::showtip()
{
    m_selector->showtip();
    // The tip keeps its CR LF line breaks; the text box wants plain LF.
    txtTip->setPlainText(QString(m_selector->tipText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void frmTip::getnexttip()
{
    m_selector->getnexttip();
}

QString frmTip::tipText() const
{
    return m_selector ? m_selector->tipText() : QString();
}

void frmTip::cmdnexttip_Click()
{
    getnexttip();
    showtip();
}

void frmTip::cmdreset_Click()
{
    if (!m_selector->ClearRead()) {
        m_program.platform.messageBox(this, m_selector->lastError().text(), MessageIcon::Critical);
        return;
    }
    m_program.platform.messageBox(this, m_program.text(76), MessageIcon::Information);
}

void frmTip::cmdOK_Click()
{
    if (m_program.state.DailyOn) {
        AddTipIcon();
        return;
    }
    m_program.database.close();
    close();
}

void frmTip::closeEvent(QCloseEvent *event)
{
    if (m_program.state.DailyOn && !m_sessionEnding) {
        event->ignore();
        AddTipIcon();
        return;
    }
    event->accept();
    Form_Unload();
}

void frmTip::sessionEnding()
{
    m_sessionEnding = true;
}

void frmTip::AddTipIcon()
{
    if (!m_program.platform.notificationAreaAvailable()) {
        showMinimized();
        return;
    }
    m_program.platform.addTrayIcon(windowIcon(), kApplicationTitle);
    hide();
}

void frmTip::restoreFromNotificationArea()
{
    m_program.platform.removeTrayIcon();
    showNormal();
    raise();
    activateWindow();
}

void frmTip::TrayIcon_Activated(TrayAction action)
{
    // Only a double-click with the primary button brings the window back.
    if (action == TrayAction::DoubleClick)
        restoreFromNotificationArea();
}

void frmTip::DayTimer_Timer()
{
    ProgramState &state = m_program.state;
    const QDateTime now = m_program.platform.currentDateTime();
    if (!DailyTip::isDue(state.DailyOn, state.ShowHour, now, state.LastShownDay))
        return;
    getnexttip();
    showtip();
    state.LastShownDay = DailyTip::dayStamp(now.date());
    restoreFromNotificationArea();
}

void frmTip::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    DayTimer->stop();
    if (m_selector)
        m_selector->release();
    m_program.database.close();
    m_program.platform.removeTrayIcon();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != this)
            window->close();
    }
    emit programEnded();
}
