// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formhaupt.h"

#include "runtime_services.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>

namespace letterfibel::qt {

using letterfibel::ControlDefinition;
using letterfibel::ControlId;

namespace {

Qt::Alignment horizontalAlignment(letterfibel::TextAlignment alignment) {
    switch (alignment) {
    case letterfibel::TextAlignment::Left:
        return Qt::AlignLeft;
    case letterfibel::TextAlignment::Centre:
        return Qt::AlignHCenter;
    case letterfibel::TextAlignment::Right:
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

// The face and weight; the size follows from the scale the window is laid out at (layOut).
QFont controlFont(const ControlDefinition& control) {
    QFont font;
    // Liberation Sans is metric-compatible with Arial and also carries the Greek letters that
    // stand in for the Symbol font.
    font.setFamilies(
        {QString::fromUtf8(letterfibel::kTextFace), QStringLiteral("Liberation Sans")});
    font.setBold(control.bold);
    return font;
}

QRect pixelRect(const ControlDefinition& control, double factor) {
    const letterfibel::PixelRect place = letterfibel::pixelsInContainer(control);
    return QRect(qRound(place.left * factor), qRound(place.top * factor),
                 qRound(place.width * factor), qRound(place.height * factor));
}

QIcon applicationIcon() {
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& file : icons.entryList(QDir::Files))
        icon.addFile(icons.filePath(file));
    return icon;
}

void paintButtonFace(QWidget* widget) {
    widget->setBackgroundRole(QPalette::Button);
    widget->setAutoFillBackground(true);
}

} // namespace

FormHaupt::FormHaupt(letterfibel::RuntimeServices& runtime, QWidget* parent)
    : QWidget(parent)
    , m_runtime(runtime)
    , m_notice(new SpokenNotice(this)) {
    setObjectName(QStringLiteral("FormHaupt"));
    setWindowTitle(QString::fromUtf8(letterfibel::kWindowTitle));
    // A fixed layout has nothing to show in a larger window: no maximize button, also where
    // the title bar is drawn by Qt itself (Wayland).
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    paintButtonFace(this);
    setWindowIcon(applicationIcon());
    setAccessibleName(windowTitle());
    setAccessibleDescription(QString::fromUtf8(letterfibel::kDescription));

    createControls();
    m_display = std::make_unique<WidgetDisplay>(m_frame1, m_labels);
    m_spoken = std::make_unique<letterfibel::SpokenFeedback>(*m_display, [this] {
        QTimer::singleShot(
            0, this, [this] { m_notice->say(QString::fromStdString(m_spoken->takeWords())); });
    });
    m_handlers = std::make_unique<letterfibel::FormHauptHandlers>(
        *m_spoken, m_runtime,
        [this](const std::string& what) { showError(QString::fromStdString(what)); });
    wireButtons();

    m_handlers->Form_Load();
}

void FormHaupt::createControls() {
    for (const ControlDefinition& control : letterfibel::formHauptControls()) {
        QWidget* parent = control.inFrame1 ? static_cast<QWidget*>(m_frame1) : this;
        const QString caption = QString::fromUtf8(control.caption);
        QWidget* widget = nullptr;
        switch (control.kind) {
        case letterfibel::ControlKind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(horizontalAlignment(control.alignment) | Qt::AlignTop);
            paintButtonFace(label);
            m_labels[letterfibel::controlIndex(control.id)] = label;
            widget = label;
            break;
        }
        case letterfibel::ControlKind::Frame:
            m_frame1 = new QGroupBox(caption, parent);
            paintButtonFace(m_frame1);
            // An etched line on the button face, as a classic frame draws it; the default
            // style's tinted panel would show the opaque labels inside as lighter boxes.
            m_frame1->setStyleSheet(QStringLiteral(
                "QGroupBox { border: 2px groove palette(mid); margin-top: 6px;"
                " background: palette(button); }"
                "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
            widget = m_frame1;
            break;
        case letterfibel::ControlKind::Button: {
            auto* button = new QPushButton(caption, parent);
            button->setAutoDefault(false);
            button->installEventFilter(this);
            m_buttons[letterfibel::controlIndex(control.id)] = button;
            widget = button;
            break;
        }
        }
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setFont(controlFont(control));
        m_widgets[letterfibel::controlIndex(control.id)] = widget;
        if (control.foreColour != letterfibel::kDefaultColour)
            setTextColour(widget, colourFromNumber(control.foreColour));
    }

    QPushButton* previous = nullptr;
    for (const ControlId id : letterfibel::controlsInTabOrder()) {
        QPushButton* button = m_buttons[letterfibel::controlIndex(id)];
        if (!button)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, button);
        previous = button;
    }
    m_buttons[letterfibel::controlIndex(letterfibel::focusAtStart())]->setFocus();
    layOut(1.0);
}

void FormHaupt::layOut(double factor) {
    if (factor == m_factor)
        return;
    m_factor = factor;
    for (const ControlDefinition& control : letterfibel::formHauptControls()) {
        QWidget* widget = m_widgets[letterfibel::controlIndex(control.id)];
        widget->setGeometry(pixelRect(control, factor));
        QFont font = widget->font();
        font.setPixelSize(std::max(1, qRound(control.fontPixels * factor)));
        widget->setFont(font);
    }
    setFixedSize(clientSize());
}

QSize FormHaupt::clientSize() const {
    return QSize(qRound(letterfibel::kClientWidth * m_factor),
                 qRound(letterfibel::kClientHeight * m_factor));
}

void FormHaupt::fitToScreen() {
    QScreen* screen = this->screen();
    if (!screen)
        return;
    // The shared rule counts in device pixels and in dots per inch, as Windows does.
    const qreal ratio = screen->devicePixelRatio();
    const QRect available = screen->availableGeometry();
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const int screenScale = qRound(letterfibel::kDesignScale * ratio);
    const int scale = letterfibel::fittingScale(screenScale, qRound(available.width() * ratio),
                                                qRound(available.height() * ratio),
                                                qRound((frame.left() + frame.right()) * ratio),
                                                qRound((frame.top() + frame.bottom()) * ratio));
    layOut(static_cast<double>(scale) / screenScale);
    // Moved only as far as needed to lie on the screen, where the system lets a window move.
    const QRect outer = frameGeometry();
    const int left = letterfibel::movedIntoArea(outer.left(), outer.width(), available.left(),
                                                available.width());
    const int top = letterfibel::movedIntoArea(outer.top(), outer.height(), available.top(),
                                               available.height());
    if (left != outer.left() || top != outer.top())
        move(left, top);
}

void FormHaupt::wireButtons() {
    for (const ControlDefinition& control : letterfibel::formHauptControls()) {
        if (QPushButton* button = m_buttons[letterfibel::controlIndex(control.id)])
            connect(button, &QPushButton::clicked, this,
                    [this, id = control.id] { m_handlers->click(id); });
    }
}

void FormHaupt::showError(const QString& message) {
    if (m_errorBox && m_errorBox->isVisible())
        return;
    m_errorBox =
        new QMessageBox(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    m_errorBox->setObjectName(QStringLiteral("FehlerMeldung"));
    m_errorBox->setAttribute(Qt::WA_DeleteOnClose);
    m_errorBox->setWindowModality(Qt::NonModal);
    m_errorBox->show();
}

bool FormHaupt::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QList<uint> typed = key->text().toUcs4();
    if (typed.size() != 1 ||
        key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    std::optional<ControlId> focused;
    for (const ControlId id : letterfibel::controlsInTabOrder())
        if (m_buttons[letterfibel::controlIndex(id)] == watched)
            focused = id;
    const letterfibel::ButtonSearch::Step step =
        m_search.typed(typed.front(), std::chrono::milliseconds(key->timestamp()), focused);
    // As Tab moves it: the focus ring shows, and assistive technology hears of it.
    if (step.focus)
        m_buttons[letterfibel::controlIndex(*step.focus)]->setFocus(Qt::TabFocusReason);
    return step.taken;
}

void FormHaupt::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        leaveLargerState();
    // Qt shows the focus ring only after the first Tab; show it whenever the window becomes
    // active, since Space at start already acts on "Ende" and the user should see that.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        setAttribute(Qt::WA_KeyboardFocusChange);
        if (QWidget* focused = focusWidget())
            focused->update();
    }
}

// Qt's own title bar on Wayland offers maximize whatever the flags say, and a compositor
// disconnects a maximized window that keeps a smaller size. So the window takes the size while
// the compositor insists on it, asks to be normal again once that frame is drawn, and is fixed
// to its size again only when the compositor's answer has given it back the normal size.
void FormHaupt::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QWindow* window = windowHandle()) {
        connect(window, &QWindow::windowStateChanged, this, &FormHaupt::makeRoomForLargerState,
                Qt::UniqueConnection);
        connect(window, &QWindow::screenChanged, this, &FormHaupt::fitToScreen,
                Qt::UniqueConnection);
    }
    fitToScreen();
}

void FormHaupt::makeRoomForLargerState(Qt::WindowState state) {
    // Called as the request leaves, before the compositor answers with its size.
    if (state == Qt::WindowMaximized || state == Qt::WindowFullScreen)
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void FormHaupt::leaveLargerState() {
    constexpr Qt::WindowStates kLarger = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (!(windowState() & kLarger))
        return;
    // The compositor ignores a request to leave a state it has not seen drawn.
    QTimer::singleShot(0, this, [this, kLarger] {
        m_awaitingNormalSize = true;
        setWindowState(windowState() & ~kLarger);
        // A window manager that kept the size while it set the state gives nothing back.
        if (withinFixedSize(size()))
            fixSize();
    });
}

void FormHaupt::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The compositor's answer: the normal state, and with it the normal size. Fixed once the
    // toolkit has finished applying that answer.
    if (m_awaitingNormalSize && withinFixedSize(event->size()))
        QTimer::singleShot(0, this, &FormHaupt::fixSize);
}

void FormHaupt::fixSize() {
    m_awaitingNormalSize = false;
    setFixedSize(clientSize());
}

bool FormHaupt::withinFixedSize(const QSize& size) const {
    const QSize fixed = clientSize();
    return size.width() <= fixed.width() && size.height() <= fixed.height();
}

void FormHaupt::closeEvent(QCloseEvent* event) {
    // Closing ends the program, also in the middle of a pause, whose end then never comes.
    m_runtime.endProgram();
    event->accept();
}

} // namespace letterfibel::qt
