// SPDX-License-Identifier: MIT
#include "remote/CRemoteControlDlg.h"

#include "link/CameraCommands.h"
#include "link/CameraLink.h"
#include "remote/CBitmapButton.h"
#include "remote/CHoldButton.h"
#include "remote/CRemoteControlDlgScope.h"
#include "remote/CToggleButton.h"
#include "remote/PanelBitmaps.h"
#include "remote/PanelKeyAccessible.h"
#include "remote/PanelKeys.h"
#include "remote/RemoteLogging.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>

using namespace RemoteControl;
namespace cc = CameraCommands;

namespace {
constexpr int BackgroundBitmap = 136;
constexpr int PositiveCaption = 217; // + 1: negative
constexpr int ColourCaption = 219;   // + 1: black and white
} // namespace

CRemoteControlDlg::CRemoteControlDlg(CameraLink &link, RemotePanelOwner &owner, QWidget *parent)
    : QDialog(parent)
    , m_link(link)
    , m_owner(owner)
{
    // Owned by the main window and kept above it; a fixed size with no minimise or maximise.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Remote control"));
    setModal(false);
    installPanelKeyAccessibility();
    m_keyRelease.setSingleShot(true);
    m_keyRelease.setInterval(AutoRepeatPairMs);
    m_keyRelease.callOnTimeout(this, [this] {
        if (m_keyHoldId != 0)
            releaseKeyboardHold();
    });
}

CRemoteControlDlg::~CRemoteControlDlg() = default;

bool CRemoteControlDlg::Create()
{
    // The window is made once, and the window system must give us one.
    if (m_controls.front()) {
        qCWarning(lcRemote, "the panel was made already");
        return false;
    }
    if (!winId()) {
        qCWarning(lcRemote, "the window system gave the panel no window");
        return false;
    }
    const HandlerScope scope(*this);
    setFixedSize(ClientWidth, ClientHeight);
    centreOnScreen();
    createControls();
    AssignButtonImages();
    LayoutControls();
    SyncWithCamera();
    // Deleted meanwhile by whoever owns our parent: the caller must not delete it again.
    if (!scope.panelAlive())
        return true;
    UpdateRgbDependents();
    // A close asked for while the camera was queried takes effect from the event loop, after
    // this returns; only one that has already run keeps the panel from showing.
    if (!m_bClosing) {
        show();
        // Active at once, so that the next key (Esc, the panel's own keys) reaches the panel.
        raise();
        activateWindow();
    }
    return true;
}

void CRemoteControlDlg::centreOnScreen()
{
    const QScreen *screen =
        parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The whole window, frame and caption included, once the window exists to know them.
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(area.left() + (area.width() - outer.width()) / 2,
         area.top() + (area.height() - outer.height()) / 2);
}

void CRemoteControlDlg::OnCancel()
{
    if (m_bClosing)
        return;
    // A motion still running is stopped before the panel goes. Inside a handler of ours (a
    // message box is open) that handler ends it once the message has closed.
    if (m_heldId != 0 && m_handlerDepth == 0) {
        const HandlerScope scope(*this);
        endHold();
        if (!scope.panelAlive() || m_bClosing)
            return;
    }
    m_bClosing = true;
    m_owner.OnRemotePanelDestroyed();
    hide();
    if (m_handlerDepth == 0)
        deleteLater();
}

void CRemoteControlDlg::accept() {}

void CRemoteControlDlg::reject()
{
    OnCancel();
}

QAbstractButton *CRemoteControlDlg::control(int id) const
{
    if (id < FirstControlId || id > LastControlId)
        return nullptr;
    return m_controls[std::size_t(id - FirstControlId)];
}

CToggleButton *CRemoteControlDlg::toggle(int id) const
{
    return qobject_cast<CToggleButton *>(control(id));
}

CHoldButton *CRemoteControlDlg::hold(int id) const
{
    return qobject_cast<CHoldButton *>(control(id));
}

bool CRemoteControlDlg::isOn(int id) const
{
    const CToggleButton *button = toggle(id);
    return button && button->isOn();
}

void CRemoteControlDlg::createControls()
{
    for (const ControlRow &row : controlTable()) {
        QAbstractButton *button = nullptr;
        switch (row.kind) {
        case ButtonKind::Toggle: {
            auto *key = new CToggleButton(row.id, this);
            connect(key, &CToggleButton::buttonToggled, this, &CRemoteControlDlg::OnButtonToggled);
            button = key;
            break;
        }
        case ButtonKind::Hold: {
            auto *key = new CHoldButton(row.id, this);
            connect(key, &CHoldButton::buttonPressed, this, &CRemoteControlDlg::OnButtonPressed);
            connect(key, &CHoldButton::buttonReleased, this, &CRemoteControlDlg::OnButtonReleased);
            button = key;
            break;
        }
        case ButtonKind::Push: {
            auto *key = new CBitmapButton(row.id, this);
            connect(key, &CBitmapButton::clicked, this,
                    [this, id = row.id] { OnPushButtonClicked(id); });
            key->AutoLoad(QString::fromLatin1(row.bitmapName));
            button = key;
            break;
        }
        }
        button->setObjectName(QStringLiteral("control%1").arg(row.id));
        const PanelKeyRow &keys = panelKeyTable()[std::size_t(row.id - FirstControlId)];
        const QString name = QString::fromUtf8(keys.name);
        button->setAccessibleName(name);
        button->setAccessibleDescription(keysDescription(keys));
        button->setToolTip(name + QLatin1Char('\n') + keysDescription(keys));
        m_controls[std::size_t(row.id - FirstControlId)] = button;
    }
}

void CRemoteControlDlg::AssignButtonImages()
{
    for (const ControlRow &row : controlTable()) {
        if (CToggleButton *key = toggle(row.id)) {
            key->setImages(row.images[0], row.images[1]);
            key->setHitSize(row.hitSize);
        } else if (CHoldButton *key = hold(row.id)) {
            key->setImages(row.images[0], row.images[1], row.images[2]);
        }
    }
}

void CRemoteControlDlg::LayoutControls()
{
    for (const ControlRow &row : controlTable()) {
        if (QAbstractButton *button = control(row.id))
            button->setGeometry(row.rect);
    }
}

void CRemoteControlDlg::SyncWithCamera()
{
    const QPointer<CRemoteControlDlg> alive(this);
    const std::optional<cc::CameraStatus> status = cc::readCameraStatus(m_link);
    if (!status || !alive)
        return;
    m_lampState = status->lamp;
    const std::pair<int, bool> singles[] = {
        {NegaPosiId, status->negative}, {ColorBwId, status->blackAndWhite},
        {PointerId, status->pointer},   {DoubleZoomId, status->doubleZoom},
        {PauseId, status->pause},       {LockId, status->lock},
        {GammaId, status->gammaOn},
    };
    for (const auto &[id, on] : singles)
        toggle(id)->setState(on ? 1 : 0);
    SetRadioGroup(LampGroup, m_lampState, true);
    SetRadioGroup(SourceGroup, status->sourceIndex, false);
    SetRadioGroup(RotationGroup, status->rotation, false);
    UpdateArrowPad();
    toggle(ColorBwId)->setEnabled(!isOn(PauseId));
    // The captions follow POSI/NEGA and COLOR/B&W.
    update();
}

void CRemoteControlDlg::SetRadioGroup(const RadioGroup &group, int index, bool oneBased)
{
    if (oneBased)
        --index;
    for (int position = 0; position < group.size(); ++position) {
        CToggleButton *key = toggle(group.firstId + position);
        key->setState(position == index ? 1 : 0);
        key->repaint();
        announceKeyState(key);
    }
}

void CRemoteControlDlg::UpdateArrowPad()
{
    const bool pointerOn = isOn(PointerId);
    for (int id = FirstArrowId; id <= LastArrowId; ++id)
        hold(id)->setEnabled(pointerOn);
}

void CRemoteControlDlg::UpdateRgbDependents()
{
    const bool rgbInput = isOn(Rgb1Id) || isOn(Rgb2Id);
    toggle(DoubleZoomId)->setEnabled(!rgbInput);
    toggle(PauseId)->setEnabled(!rgbInput);
}

void CRemoteControlDlg::ReleasePause()
{
    CToggleButton *pause = toggle(PauseId);
    if (!pause->isOn())
        return;
    toggle(ColorBwId)->setEnabled(true);
    pause->setState(0);
    pause->repaint();
    announceKeyState(pause);
}

bool CRemoteControlDlg::sendCommand(std::string_view command)
{
    return cc::sendControlCommand(m_link, command);
}

void CRemoteControlDlg::OnButtonToggled(int id)
{
    const ControlRow *row = findControl(id);
    CToggleButton *key = toggle(id);
    if (!row || !key)
        return;
    const HandlerScope scope(*this);
    const int state = key->isOn() ? 1 : 0;
    const auto command = [row](int digit) {
        return cc::formatCommand(row->press, digit);
    };
    switch (row->role) {
    case ToggleRole::SendState:
        sendCommand(command(state));
        break;
    case ToggleRole::Pointer:
        // The pad follows only a camera that agreed; otherwise it stays as it was.
        if (sendCommand(command(state)) && scope.panelAlive())
            UpdateArrowPad();
        break;
    case ToggleRole::Lamp:
        m_lampState = state == 1 ? row->argument : 0;
        SetRadioGroup(LampGroup, m_lampState, true);
        sendCommand(command(m_lampState));
        break;
    case ToggleRole::Rotation:
        ReleasePause();
        SetRadioGroup(RotationGroup, id - RotationGroup.firstId, false);
        sendCommand(command(row->argument));
        break;
    case ToggleRole::Resolution:
        ReleasePause();
        SetRadioGroup(SourceGroup, id - SourceGroup.firstId, false);
        UpdateRgbDependents();
        sendCommand(command(row->argument));
        break;
    case ToggleRole::RgbInput:
        SetRadioGroup(SourceGroup, id - SourceGroup.firstId, false);
        UpdateRgbDependents();
        sendCommand(command(row->argument));
        break;
    case ToggleRole::Pause:
        toggle(ColorBwId)->setEnabled(state == 0);
        sendCommand(command(state));
        break;
    case ToggleRole::NegaPosi:
        repaint(NegaPosiCaption);
        sendCommand(command(state));
        break;
    case ToggleRole::ColorBw:
        repaint(ColorBwCaption);
        sendCommand(command(state));
        break;
    case ToggleRole::GammaInverse:
        sendCommand(command(1 - state));
        break;
    }
}

void CRemoteControlDlg::OnPushButtonClicked(int id)
{
    const ControlRow *row = findControl(id);
    if (!row || row->kind != ButtonKind::Push)
        return;
    const HandlerScope scope(*this);
    sendCommand(row->press);
}

void CRemoteControlDlg::paintEvent(QPaintEvent *)
{
    // A bitmap that cannot be loaded is a null pixmap, which draws nothing.
    QPainter painter(this);
    const auto bitmap = [this](int id) {
        return panelBitmap(id, palette(), devicePixelRatioF());
    };
    painter.drawPixmap(0, 0, bitmap(BackgroundBitmap));
    painter.drawPixmap(NegaPosiCaption.topLeft(),
                       bitmap(PositiveCaption + (isOn(NegaPosiId) ? 1 : 0)));
    painter.drawPixmap(ColorBwCaption.topLeft(), bitmap(ColourCaption + (isOn(ColorBwId) ? 1 : 0)));
}
