#pragma once

#include <QSize>
#include <QWidget>

class ActivityLog;
class ActivityLogView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The window's client area above the status bar, with every control where the layout drawing
// puts it. At the drawn size each control sits exactly on its drawing; more room goes to the log
// (width and height) and to the frames and the progress bar (width), and the start button keeps
// to the right edge of its frame.
class ClientArea : public QWidget
{
    Q_OBJECT

public:
    // The drawn client area, status bar included, in pixels at 15 twips each.
    static constexpr QSize kDrawnSize{385, 287};
    // The part of it above the status bar.
    static constexpr QSize kDrawnSizeAboveStatusBar{385, 269};
    static constexpr int kStatusBarHeight = 18;

    ClientArea(ActivityLog &log, QWidget *parent = nullptr);

    QSize sizeHint() const override { return kDrawnSizeAboveStatusBar; }
    QSize minimumSizeHint() const override { return kDrawnSizeAboveStatusBar; }

    ActivityLogView *ListBox = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QGroupBox *frmFirmwareFile = nullptr;
    QGroupBox *frmConnectionSettings = nullptr;
    QLineEdit *EthernetAddress = nullptr;
    QLineEdit *EthernetPort = nullptr;
    QLabel *lblAddress = nullptr;
    QLabel *lblPort = nullptr;
    QPushButton *LoadStart = nullptr;
    QLabel *FirmwareFile = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeControls();
    void describeForAssistiveTools();
};
