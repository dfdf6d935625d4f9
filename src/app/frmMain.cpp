#include "frmMain.h"

#include "ActivityLogListModel.h"

#include <QFileDialog>

#include "QtOpenFileDialog.h" // after <QFileDialog>: its inline accessor needs the full type
#include "connection/ConnectionSettings.h"
#include "connection/ConnectionStatusMonitor.h"
#include "firmware/FirmwareSelector.h"
#include "platform/SettingsStore.h"
#include "platform/TcpUnitSocket.h"
#include "upload/ActivityLog.h"
#include "upload/UploadEngine.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

// The layout is drawn in twips; at 96 dots per inch a pixel is 15 of them.
constexpr int kTwipsPerPixel = 15;

constexpr QRect fromTwips(int left, int top, int width, int height)
{
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

constexpr QSize kClientArea(5775 / kTwipsPerPixel, 4305 / kTwipsPerPixel);
constexpr QRect kStatusBarRect = fromTwips(0, 4035, 5775, 270);
constexpr QRect kListBoxRect = fromTwips(240, 3120, 5295, 735);
constexpr QRect kProgressBarRect = fromTwips(240, 2640, 5295, 255);
constexpr QRect kFirmwareFrameRect = fromTwips(240, 120, 5295, 855);
constexpr QRect kConnectionFrameRect = fromTwips(240, 1200, 5295, 1215);
constexpr QRect kAddressBoxRect = fromTwips(1320, 360, 1455, 285);
constexpr QRect kPortBoxRect = fromTwips(1320, 720, 1455, 285);
constexpr QRect kAddressLabelRect = fromTwips(480, 360, 615, 255);
constexpr QRect kPortLabelRect = fromTwips(480, 720, 615, 255);
constexpr QRect kLoadStartRect = fromTwips(3360, 360, 1455, 615);
constexpr QRect kFirmwareFileRect = fromTwips(120, 360, 5055, 375);

// The layout was drawn for this face; where it is missing, faces with the same widths keep the
// captions inside their controls, and the platform's sans-serif comes last.
const QStringList kWindowFontFamilies = {QStringLiteral("Arial Unicode MS"),
                                         QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                         QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans")};
constexpr qreal kWindowFontPoints = 8.25;

QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

template <typename W> W *place(QWidget *parent, const char *name, const QRect &rect)
{
    auto *widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(rect);
    return widget;
}

} // namespace

// The resources live in a static library, where nothing registers them unasked.
static void initResources()
{
    Q_INIT_RESOURCE(firmware_uploader);
}

QIcon frmMain::appIcon()
{
    initResources();
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addFile(QStringLiteral(":/icons/firmware-uploader-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}

QString frmMain::buildTitle()
{
    return QStringLiteral(FWU_APP_TITLE);
}

frmMain::Version frmMain::buildVersion()
{
    return {FWU_VERSION_MAJOR, FWU_VERSION_MINOR, FWU_VERSION_REVISION};
}

frmMain::frmMain(const QString &title, Version version, Services services, QWidget *parent)
    : QMainWindow(parent), m_title(title), m_version(version), m_log(new ActivityLog)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Firmware Uploader"));
    setWindowIcon(appIcon());

    if (!services.socket) {
        m_ownedSocket = std::make_unique<TcpUnitSocket>();
        services.socket = m_ownedSocket.get();
    }
    if (!services.settings) {
        m_ownedSettings = std::make_unique<SettingsStore>();
        services.settings = m_ownedSettings.get();
    }
    if (!services.fileDialog) {
        m_ownedFileDialog = std::make_unique<QtOpenFileDialog>(this);
        services.fileDialog = m_ownedFileDialog.get();
    }
    m_socket = services.socket;
    m_settings = services.settings;
    m_fileDialog = services.fileDialog;
    m_connectionSettings = std::make_unique<ConnectionSettings>(m_title, *m_settings);
    m_engine = std::make_unique<UploadEngine>(m_title, *this, *m_socket, *m_settings);
    m_selector =
        std::make_unique<FirmwareSelector>(m_engine->state().FirmwarePath, *this, *m_fileDialog);
    m_statusMonitor = std::make_unique<ConnectionStatusMonitor>(*m_socket, *this);

    applyWindowFont();
    createControls();
    createMenus();

    connect(&m_viewTimer, &QTimer::timeout, this, &frmMain::refreshView);
    m_viewTimer.start(kViewRefreshInterval);

    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::applyWindowFont()
{
    QStringList families = kWindowFontFamilies;
    families.append(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kWindowFontPoints);
    font.setWeight(QFont::Normal);
    setFont(font);
}

void frmMain::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(kClientArea.width(), kStatusBarRect.top());
    setCentralWidget(client);

    m_sbStatusBar = new QStatusBar(this);
    m_sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    m_sbStatusBar->setSizeGripEnabled(false);
    m_sbStatusBar->setFixedHeight(kStatusBarRect.height());
    setStatusBar(m_sbStatusBar);

    m_ListBox = place<QListView>(client, "ListBox", kListBoxRect);
    m_logModel = new ActivityLogListModel(*m_log, this);
    m_ListBox->setModel(m_logModel);
    // Every line is one row of text: uniform sizes spare the view measuring 25000 rows.
    m_ListBox->setUniformItemSizes(true);
    m_ListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ListBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ListBox->setTextElideMode(Qt::ElideNone);
    connect(m_ListBox->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmMain::ListBox_SelectionChanged);

    m_ProgressBar = place<QProgressBar>(client, "ProgressBar", kProgressBarRect);
    m_ProgressBar->setRange(0, m_progressMaximum);
    m_ProgressBar->setValue(m_progressValue);
    m_ProgressBar->setTextVisible(false);

    m_frmFirmwareFile = place<QGroupBox>(client, "frmFirmwareFile", kFirmwareFrameRect);
    m_frmFirmwareFile->setTitle(QStringLiteral("Firmware File"));
    m_frmFirmwareFile->installEventFilter(this);

    m_frmConnectionSettings =
        place<QGroupBox>(client, "frmConnectionSettings", kConnectionFrameRect);
    m_frmConnectionSettings->setTitle(QStringLiteral("Connection Settings"));

    m_EthernetAddress =
        place<QLineEdit>(m_frmConnectionSettings, "EthernetAddress", kAddressBoxRect);
    m_EthernetPort = place<QLineEdit>(m_frmConnectionSettings, "EthernetPort", kPortBoxRect);
    m_lblAddress = place<QLabel>(m_frmConnectionSettings, "lblAddress", kAddressLabelRect);
    m_lblAddress->setText(QStringLiteral("Address"));
    m_lblPort = place<QLabel>(m_frmConnectionSettings, "lblPort", kPortLabelRect);
    m_lblPort->setText(QStringLiteral("Port"));

    m_LoadStart = place<QPushButton>(m_frmConnectionSettings, "LoadStart", kLoadStartRect);
    m_LoadStart->setText(QStringLiteral("Load and Start"));
    connect(m_LoadStart, &QPushButton::clicked, this, &frmMain::LoadStart_Click);

    m_FirmwareFile = place<QLabel>(m_frmFirmwareFile, "FirmwareFile", kFirmwareFileRect);
    m_FirmwareFile->setText(QStringLiteral("Select Firmware File..."));
    m_FirmwareFile->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_FirmwareFile->setWordWrap(true);
    m_FirmwareFile->setCursor(Qt::PointingHandCursor);
    m_FirmwareFile->installEventFilter(this);

    const QList<QWidget *> tabOrder = {m_sbStatusBar,
                                       m_ListBox,
                                       m_ProgressBar,
                                       m_frmFirmwareFile,
                                       m_frmConnectionSettings,
                                       m_EthernetAddress,
                                       m_EthernetPort,
                                       m_lblAddress,
                                       m_lblPort,
                                       m_LoadStart,
                                       m_FirmwareFile};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // Nothing is moved or resized at run time: the window is as large as its contents.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void frmMain::createMenus()
{
    auto addToggle = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        return action;
    };

    m_mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    m_mnuFile->setObjectName(QStringLiteral("mnuFile"));
    m_mnuFileOpen = m_mnuFile->addAction(QStringLiteral("&Open"));
    m_mnuFileOpen->setObjectName(QStringLiteral("mnuFileOpen"));
    m_mnuFileExit = m_mnuFile->addAction(QStringLiteral("E&xit"));
    m_mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));

    m_mnuTools = menuBar()->addMenu(QStringLiteral("&Tools"));
    m_mnuTools->setObjectName(QStringLiteral("mnuTools"));
    m_mnuLoop = addToggle(m_mnuTools, "mnuLoop", QStringLiteral("&Loop"));
    m_mnuSlow = addToggle(m_mnuTools, "mnuSlow", QStringLiteral("&Slow"));
    m_mnuDebug = addToggle(m_mnuTools, "mnuDebug", QStringLiteral("&Debug"));
    m_mnuForget = m_mnuTools->addAction(QStringLiteral("Forget"));
    m_mnuForget->setObjectName(QStringLiteral("mnuForget"));

    connect(m_mnuFileOpen, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(m_mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(m_mnuLoop, &QAction::triggered, this, &frmMain::mnuLoop_Click);
    connect(m_mnuForget, &QAction::triggered, this, &frmMain::mnuForget_Click);
}

void frmMain::Form_Load()
{
    m_statusMonitor->start();
    setWindowTitle(m_title + QStringLiteral(" v") + QString::number(m_version.majorNumber) +
                   QLatin1Char('.') + QString::number(m_version.minorNumber) + QLatin1Char('.') +
                   QString::number(m_version.revision));
    setFirmwareFileCaption(QStringLiteral("Select file..."));
    m_connectionSettings->LoadConnectionSettings(*this);
    setControlEnabled(StartControl::LoadStart, false);
    setChecked(Tool::Slow, false);
    m_mnuTools->menuAction()->setVisible(m_title.right(5) == QLatin1String("Debug"));
}

ActivityLog &frmMain::activityLog()
{
    return *m_log;
}

void frmMain::setProgressMaximum(int maximum)
{
    m_progressMaximum = maximum;
}

void frmMain::setProgressValue(int value)
{
    m_progressValue = value;
}

void frmMain::setStatusText(const QString &text)
{
    m_sbStatusBar->showMessage(text);
}

QString frmMain::statusText() const
{
    return m_sbStatusBar->currentMessage();
}

QWidget *frmMain::startControl(StartControl control) const
{
    switch (control) {
    case StartControl::LoadStart:
        return m_LoadStart;
    case StartControl::FirmwareFile:
        return m_FirmwareFile;
    case StartControl::EthernetAddress:
        return m_EthernetAddress;
    case StartControl::EthernetPort:
        return m_EthernetPort;
    }
    Q_UNREACHABLE();
}

void frmMain::setControlEnabled(StartControl control, bool enabled)
{
    startControl(control)->setEnabled(enabled);
}

bool frmMain::isControlEnabled(StartControl control) const
{
    return startControl(control)->isEnabled();
}

QString frmMain::ethernetAddress() const
{
    return m_EthernetAddress->text();
}

void frmMain::setEthernetAddress(const QString &text)
{
    m_EthernetAddress->setText(text);
}

QString frmMain::ethernetPort() const
{
    return m_EthernetPort->text();
}

void frmMain::setEthernetPort(const QString &text)
{
    m_EthernetPort->setText(text);
}

void frmMain::setFirmwareFileCaption(const QString &caption)
{
    m_FirmwareFile->setText(caption);
}

QAction *frmMain::toolAction(Tool tool) const
{
    switch (tool) {
    case Tool::Loop:
        return m_mnuLoop;
    case Tool::Slow:
        return m_mnuSlow;
    case Tool::Debug:
        return m_mnuDebug;
    }
    Q_UNREACHABLE();
}

bool frmMain::isChecked(Tool tool) const
{
    return toolAction(tool)->isChecked();
}

void frmMain::setChecked(Tool tool, bool checked)
{
    toolAction(tool)->setChecked(checked);
}

void frmMain::refreshView()
{
    m_refreshing = true;

    m_logModel->refresh();

    const std::optional<quint32> colour = m_log->backColour();
    if (m_shownColour != colour) {
        QPalette palette = m_ListBox->palette();
        palette.setColor(QPalette::Base,
                         colour ? fromBgr(*colour)
                                : QApplication::palette(m_ListBox).color(QPalette::Base));
        m_ListBox->setPalette(palette);
        m_shownColour = colour;
    }

    const int selected = m_log->selectedIndex();
    const std::optional<quint64> selection =
        selected >= 0 ? std::optional(m_log->firstSequence() + quint64(selected)) : std::nullopt;
    // Only a change of selection moves the view: appending leaves the scroll position alone.
    if (selection != m_shownSelection) {
        const QModelIndex index = m_logModel->index(m_logModel->rowForLogIndex(selected));
        if (index.isValid()) {
            m_ListBox->selectionModel()->setCurrentIndex(index,
                                                         QItemSelectionModel::ClearAndSelect);
            m_ListBox->scrollTo(index);
        } else {
            m_ListBox->selectionModel()->clear();
        }
        m_shownSelection = selection;
    }

    if (m_ProgressBar->maximum() != m_progressMaximum)
        m_ProgressBar->setRange(0, m_progressMaximum);
    const int shownValue = std::clamp(m_progressValue, 0, std::max(0, m_progressMaximum));
    if (m_ProgressBar->value() != shownValue)
        m_ProgressBar->setValue(shownValue);

    m_refreshing = false;
}

void frmMain::ListBox_SelectionChanged()
{
    if (m_refreshing)
        return;
    const QModelIndexList rows = m_ListBox->selectionModel()->selectedRows();
    const int logIndex = rows.isEmpty() ? -1 : m_logModel->logIndexForRow(rows.first().row());
    m_log->setSelectedIndex(logIndex);
    m_shownSelection =
        logIndex >= 0 ? std::optional(m_log->firstSequence() + quint64(logIndex)) : std::nullopt;
}

bool frmMain::event(QEvent *event)
{
    // Hovering a menu item would put its (empty) status tip over the status text.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if (mouse->button() == Qt::LeftButton && widget &&
            widget->rect().contains(mouse->position().toPoint())) {
            // A disabled label passes its clicks to the frame it sits in.
            if (watched == m_FirmwareFile && m_FirmwareFile->isEnabled())
                FirmwareFile_Click();
            else
                frmFirmwareFile_Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // The window may close in the middle of an upload, even inside one of its pauses: end them
    // all and let go of the socket and the file, so the program ends instead of running on
    // without a window.
    m_engine->shutdown();
    m_viewTimer.stop();
    QMainWindow::closeEvent(event);
}

void frmMain::mnuFileOpen_Click()
{
    m_selector->SelectFirmwareFile();
}

void frmMain::mnuFileExit_Click()
{
    close();
}

// The toggles' check marks have already flipped when a checkable action reports its trigger.

void frmMain::mnuLoop_Click()
{
    UploadState &state = m_engine->state();
    state.LoopCount = 0;
    setStatusText(QStringLiteral("Loops: ") + QString::number(state.LoopCount));
}

void frmMain::mnuForget_Click()
{
    m_connectionSettings->Forget(*this);
}

void frmMain::FirmwareFile_Click()
{
    m_selector->SelectFirmwareFile();
}

void frmMain::frmFirmwareFile_Click()
{
    m_selector->SelectFirmwareFile();
}

void frmMain::LoadStart_Click()
{
    m_engine->LoadStart_Click();
}
