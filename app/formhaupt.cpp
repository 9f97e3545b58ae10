#include "formhaupt.h"

#include "formhaupt_controls.h"
#include "runtime_services.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <exception>
#include <vector>

namespace {

QFont controlFont(const ControlDefinition& control) {
    QFont font;
    // Liberation Sans is metric-compatible with Arial and also carries the Greek letters that
    // stand in for the Symbol font.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(control.fontPixels);
    font.setBold(control.bold);
    return font;
}

QRect pixelRect(const ControlDefinition& control) {
    return QRect(control.left / kTwipsPerPixel, control.top / kTwipsPerPixel,
                 control.width / kTwipsPerPixel, control.height / kTwipsPerPixel);
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
    , m_runtime(runtime) {
    setObjectName(QStringLiteral("FormHaupt"));
    setWindowTitle(QStringLiteral("Letterfibel"));
    setFixedSize(kClientWidth, kClientHeight);
    paintButtonFace(this);
    setWindowIcon(applicationIcon());
    setAccessibleName(windowTitle());
    setAccessibleDescription(tr("Übung zum Lesen der griechischen Buchstaben"));

    createControls();
    m_display = std::make_unique<WidgetDisplay>(
        WidgetDisplay::Controls{control<QGroupBox>("Frame1"), control<QLabel>("LabelAnzeige"),
                                control<QLabel>("LabelAnzeigeText"),
                                control<QLabel>("LabelRichtig"), control<QLabel>("LabelFalsch")});
    // Names what the label shows without giving the answer away.
    control<QLabel>("LabelAnzeige")->setAccessibleName(tr("Angezeigter Buchstabe"));
    m_quiz = std::make_unique<letterfibel::Quiz>(*m_display, m_runtime);
    wireButtons();

    Form_Load();
}

void FormHaupt::createControls() {
    std::vector<std::pair<int, QPushButton*>> tabOrder;
    QGroupBox* frame1 = nullptr;
    for (const ControlDefinition& control : formHauptControls()) {
        QWidget* parent = control.inFrame1 ? static_cast<QWidget*>(frame1) : this;
        const QString caption = QString::fromUtf8(control.caption);
        QWidget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(control.alignment | Qt::AlignTop);
            paintButtonFace(label);
            widget = label;
            break;
        }
        case ControlKind::Frame:
            frame1 = new QGroupBox(caption, parent);
            paintButtonFace(frame1);
            // An etched line on the button face, as a classic frame draws it; the default
            // style's tinted panel would show the opaque labels inside as lighter boxes.
            frame1->setStyleSheet(QStringLiteral(
                "QGroupBox { border: 2px groove palette(mid); margin-top: 6px;"
                " background: palette(button); }"
                "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
            widget = frame1;
            break;
        case ControlKind::Button: {
            auto* button = new QPushButton(caption, parent);
            button->setAutoDefault(false);
            tabOrder.emplace_back(control.tabIndex, button);
            widget = button;
            break;
        }
        }
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setGeometry(pixelRect(control));
        widget->setFont(controlFont(control));
        if (control.foreColor != kDefaultColour)
            setTextColour(widget, colorFromNumber(control.foreColor));
    }

    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    tabOrder.front().second->setFocus();
}

void FormHaupt::wireButtons() {
    using Handler = void (FormHaupt::*)();
    const std::pair<const char*, Handler> wiring[] = {
        {"CommandKlein", &FormHaupt::CommandKlein_Click},
        {"CommandGross", &FormHaupt::CommandGross_Click},
        {"CommandGemischt", &FormHaupt::CommandGemischt_Click},
        {"CommandEnde", &FormHaupt::CommandEnde_Click},
        {"CommandAl", &FormHaupt::CommandAl_Click},
        {"CommandBe", &FormHaupt::CommandBe_Click},
        {"CommandGa", &FormHaupt::CommandGa_Click},
        {"CommandDe", &FormHaupt::CommandDe_Click},
        {"CommandEp", &FormHaupt::CommandEp_Click},
        {"CommandEt", &FormHaupt::CommandEt_Click},
        {"CommandTh", &FormHaupt::CommandTh_Click},
        {"CommandLa", &FormHaupt::CommandLa_Click},
        {"CommandMy", &FormHaupt::CommandMy_Click},
        {"CommandNy", &FormHaupt::CommandNy_Click},
        {"CommandPi", &FormHaupt::CommandPi_Click},
        {"CommandRh", &FormHaupt::CommandRh_Click},
        {"CommandSi", &FormHaupt::CommandSi_Click},
        {"CommandPh", &FormHaupt::CommandPh_Click},
        {"CommandOm", &FormHaupt::CommandOm_Click},
    };
    for (const auto& [name, handler] : wiring)
        connect(control<QPushButton>(name), &QPushButton::clicked, this, handler);
}

template <typename T> T* FormHaupt::control(const char* name) const {
    T* found = findChild<T*>(QString::fromUtf8(name));
    Q_ASSERT(found);
    return found;
}

template <typename Action> void FormHaupt::runHandler(Action&& action) noexcept {
    try {
        action();
    } catch (const std::exception& error) {
        showError(QString::fromUtf8(error.what()));
    } catch (...) {
        showError(tr("Unbekannter Fehler"));
    }
}

void FormHaupt::showError(const QString& what) {
    // Not modal to the program: a nested pause keeps running, and so does the drill afterwards.
    auto* box =
        new QMessageBox(QMessageBox::Warning, windowTitle(),
                        tr("Diese Aktion wurde abgebrochen:\n%1").arg(what), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("FehlerMeldung"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void FormHaupt::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Qt shows the focus ring only after the first Tab; show it whenever the window becomes
    // active, since Space at start already acts on "Ende" and the user should see that.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        setAttribute(Qt::WA_KeyboardFocusChange);
        if (QWidget* focused = focusWidget())
            focused->update();
    }
}

void FormHaupt::closeEvent(QCloseEvent* event) {
    // A pause may be running below us; ending the runtime lets it unwind without touching
    // the controls again.
    runHandler([this] { m_runtime.End(); });
    event->accept();
}

void FormHaupt::Form_Load() {
    runHandler([this] {
        m_quiz->Fill();
        m_quiz->Init();
        m_runtime.Randomize();
    });
}

void FormHaupt::CommandKlein_Click() {
    runHandler([this] { m_quiz->StartKlein(); });
}

void FormHaupt::CommandGross_Click() {
    runHandler([this] { m_quiz->StartGross(); });
}

void FormHaupt::CommandGemischt_Click() {
    runHandler([this] { m_quiz->StartGemischt(); });
}

void FormHaupt::CommandEnde_Click() {
    runHandler([this] { m_runtime.End(); });
}

void FormHaupt::judge(std::string_view name) {
    runHandler([this, name] { m_quiz->AnswerClicked(name); });
}

void FormHaupt::CommandAl_Click() {
    judge("Alpha");
}
void FormHaupt::CommandBe_Click() {
    judge("Beta");
}
void FormHaupt::CommandGa_Click() {
    judge("Gamma");
}
void FormHaupt::CommandDe_Click() {
    judge("Delta");
}
void FormHaupt::CommandEp_Click() {
    judge("Epsilon");
}
void FormHaupt::CommandEt_Click() {
    judge("Eta");
}
void FormHaupt::CommandTh_Click() {
    judge("Theta");
}
void FormHaupt::CommandLa_Click() {
    judge("Lambda");
}
void FormHaupt::CommandMy_Click() {
    judge("My");
}
void FormHaupt::CommandNy_Click() {
    judge("Ny");
}
void FormHaupt::CommandPi_Click() {
    judge("Pi");
}
void FormHaupt::CommandRh_Click() {
    judge("Rho");
}
void FormHaupt::CommandSi_Click() {
    judge("Sigma");
}
void FormHaupt::CommandPh_Click() {
    judge("Phi");
}
void FormHaupt::CommandOm_Click() {
    judge("Omega");
}
