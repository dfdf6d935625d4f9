#include "ClientArea.h"

#include "ActivityLogView.h"

#include <algorithm>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

// The layout is drawn in twips; at 96 dots per inch a pixel is 15 of them.
constexpr int kTwipsPerPixel = 15;

constexpr QRect fromTwips(int left, int top, int width, int height)
{
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

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

template <typename W> W *make(QWidget *parent, const char *name)
{
    auto *widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QRect wider(QRect rect, int extra)
{
    rect.setWidth(rect.width() + extra);
    return rect;
}

} // namespace

ClientArea::ClientArea(ActivityLog &log, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("clientArea"));
    setMinimumSize(kDrawnSizeAboveStatusBar);

    ListBox = new ActivityLogView(log, this);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    ProgressBar = make<QProgressBar>(this, "ProgressBar");
    frmFirmwareFile = make<QGroupBox>(this, "frmFirmwareFile");
    frmFirmwareFile->setTitle(tr("Firmware File"));
    frmConnectionSettings = make<QGroupBox>(this, "frmConnectionSettings");
    frmConnectionSettings->setTitle(tr("Connection Settings"));

    EthernetAddress = make<QLineEdit>(frmConnectionSettings, "EthernetAddress");
    EthernetPort = make<QLineEdit>(frmConnectionSettings, "EthernetPort");
    lblAddress = make<QLabel>(frmConnectionSettings, "lblAddress");
    //: The unit's network address.
    lblAddress->setText(tr("Address"));
    lblPort = make<QLabel>(frmConnectionSettings, "lblPort");
    //: The unit's TCP port number.
    lblPort->setText(tr("Port"));
    LoadStart = make<QPushButton>(frmConnectionSettings, "LoadStart");
    LoadStart->setText(tr("Load and Start"));

    FirmwareFile = make<QLabel>(frmFirmwareFile, "FirmwareFile");
    // A file's name is shown as it is, even one that looks like markup.
    FirmwareFile->setTextFormat(Qt::PlainText);
    FirmwareFile->setText(tr("Select Firmware File..."));
    FirmwareFile->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FirmwareFile->setWordWrap(true);
    FirmwareFile->setCursor(Qt::PointingHandCursor);

    // A file dropped anywhere is a firmware choice, also over the text boxes.
    EthernetAddress->setAcceptDrops(false);
    EthernetPort->setAcceptDrops(false);

    describeForAssistiveTools();
    resize(kDrawnSizeAboveStatusBar);
    placeControls();
}

void ClientArea::describeForAssistiveTools()
{
    auto describe = [](QWidget *widget, const QString &name, const QString &description) {
        widget->setAccessibleName(name);
        widget->setAccessibleDescription(description);
    };
    describe(ListBox, tr("Activity log"),
             tr("What the upload did, newest line last; green after a finished upload, red after "
                "a failure"));
    describe(ProgressBar, tr("Upload progress"),
             tr("Share of the firmware file sent, and time left"));
    describe(frmFirmwareFile, tr("Firmware File"), tr("Click to choose the firmware file"));
    describe(FirmwareFile, tr("Firmware file"),
             tr("The chosen firmware file; click to choose another, or drop one on the window"));
    describe(frmConnectionSettings, tr("Connection Settings"),
             tr("Where the unit is on the network"));
    describe(EthernetAddress, tr("Address"), tr("Network address of the unit"));
    describe(EthernetPort, tr("Port"), tr("TCP port of the unit"));
    describe(lblAddress, tr("Address"), tr("Label of the address box"));
    describe(lblPort, tr("Port"), tr("Label of the port box"));
    describe(LoadStart, tr("Load and Start"), tr("Send the chosen firmware file to the unit"));
    lblAddress->setBuddy(EthernetAddress);
    lblPort->setBuddy(EthernetPort);
}

void ClientArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

void ClientArea::placeControls()
{
    const int extraWidth = std::max(0, width() - kDrawnSizeAboveStatusBar.width());
    const int extraHeight = std::max(0, height() - kDrawnSizeAboveStatusBar.height());

    frmFirmwareFile->setGeometry(wider(kFirmwareFrameRect, extraWidth));
    FirmwareFile->setGeometry(wider(kFirmwareFileRect, extraWidth));
    frmConnectionSettings->setGeometry(wider(kConnectionFrameRect, extraWidth));
    // A text longer than the drawing's (another language) widens its control: the labels push
    // the boxes right, the start button grows to the left of its right edge.
    QRect loadStart = kLoadStartRect.translated(extraWidth, 0);
    loadStart.setLeft(
        std::min(loadStart.left(), loadStart.right() + 1 - LoadStart->sizeHint().width()));
    const int labelExtra = std::max({0, lblAddress->sizeHint().width() - kAddressLabelRect.width(),
                                     lblPort->sizeHint().width() - kPortLabelRect.width()});
    const int boxRight =
        std::min(kAddressBoxRect.right() + labelExtra,
                 loadStart.left() - (kLoadStartRect.left() - kAddressBoxRect.right()));
    const auto box = [&](QRect rect) {
        rect.translate(labelExtra, 0);
        rect.setRight(boxRight);
        return rect;
    };
    EthernetAddress->setGeometry(box(kAddressBoxRect));
    EthernetPort->setGeometry(box(kPortBoxRect));
    lblAddress->setGeometry(wider(kAddressLabelRect, labelExtra));
    lblPort->setGeometry(wider(kPortLabelRect, labelExtra));
    LoadStart->setGeometry(loadStart);
    ProgressBar->setGeometry(wider(kProgressBarRect, extraWidth));
    QRect list = wider(kListBoxRect, extraWidth);
    list.setHeight(list.height() + extraHeight);
    ListBox->setGeometry(list);
}
