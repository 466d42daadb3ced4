#include "splash_window/splash_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "app/app_info.h"
#include "app/error_boundary.h"
#include "app/fonts.h"
#include "widgets/fitted_label.h"
#include "widgets/twips.h"
#include "widgets/wrapping_button.h"

namespace dicewright {
namespace {

// Keys that produce a character, control characters (Esc, Backspace) included: everything
// with text except Tab, which only moves the focus.
bool IsCharacterKey(const QKeyEvent& key) {
    return !key.text().isEmpty() && key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab;
}

bool PressesFocusedButton(const QKeyEvent& key) {
    return key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

QLabel* MakeLabel(const QString& name, const QString& text, const QRect& geometry,
                  const QFont& font, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A label sized to its text, showing its design text until the window's load sets another.
FittedLabel* MakeFittedLabel(const QString& name, const QString& text, const QRect& geometry,
                             const QFont& font, Qt::Alignment alignment, QWidget* parent) {
    auto* label = new FittedLabel(geometry, alignment, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->showText(text);
    return label;
}

}  // namespace

SplashWindow::SplashWindow(MainWindowLoader loadMainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_loadMainWindow(std::move(loadMainWindow)) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(FromTwips(design::kSplashWidth), FromTwips(design::kSplashHeight));

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_frame->setGeometry(TwipsRect(design::kSplashFrame));

    auto* logo = new QLabel(m_frame);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry(TwipsRect(design::kSplashLogo));
    logo->setPixmap(QPixmap(QStringLiteral(":/assets/logo.jpg")));
    logo->setScaledContents(true);
    logo->setAccessibleName(tr("Dicewright logo"));

    m_productName = MakeFittedLabel(QStringLiteral("lblProductName"), QStringLiteral("Dicewright"),
                                    TwipsRect(design::kSplashProductName),
                                    Arial(32.25, QFont::Bold), Qt::AlignLeft, m_frame);
    //: The name of the platform the program was first made for, as it stands.
    MakeFittedLabel(QStringLiteral("lblPlatform"), tr("Windows 95/98"),
                    TwipsRect(design::kSplashPlatform), ArialNarrow(15.75, QFont::Bold),
                    Qt::AlignRight, m_frame);
    m_version = MakeFittedLabel(
        QStringLiteral("lblVersion"), tr("Version %1").arg(QStringLiteral("1.0")),
        TwipsRect(design::kSplashVersion), Arial(12, QFont::Bold), Qt::AlignRight, m_frame);
    //: A placeholder the window shows as it stands, where a copyright line would go.
    MakeLabel(QStringLiteral("lblCopyright"), tr("Copyright"), TwipsRect(design::kSplashCopyright),
              Arial(8.25), m_frame);
    //: A placeholder the window shows as it stands, where the maker's name would go.
    MakeLabel(QStringLiteral("lblCompany"), tr("Company"), TwipsRect(design::kSplashCompany),
              Arial(8.25), m_frame);

    m_start = new WrappingButton(tr("TIME TO ROLL THE DICE"), m_frame);
    m_start->setObjectName(QStringLiteral("Command1"));
    m_start->setGeometry(TwipsRect(design::kSplashStart));
    m_start->setFocus();
    connect(m_start, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));

    // Key preview: the window sees every key before the control that has the focus, and the
    // frame reports clicks that land on its own surface.
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    installEventFilter(this);

    Form_Load();
}

void SplashWindow::showCentred() {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    activateWindow();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        // Space and Enter press the button that has the focus, as on any button: a player
        // without a mouse, or with a screen reader, reaches the main window.
        if (PressesFocusedButton(key) && m_start->hasFocus()) {
            if (!key.isAutoRepeat()) m_start->click();
            return true;
        }
        if (IsCharacterKey(key)) {
            Guarded([this] { Form_KeyPress(); })();
            return true;
        }
    }
    if (watched == m_frame && event->type() == QEvent::MouseButtonRelease) {
        const auto* click = static_cast<QMouseEvent*>(event);
        // Clicks on the logo, a label or the button reach the frame too when those ignore them.
        if (click->button() == Qt::LeftButton &&
            m_frame->rect().contains(click->position().toPoint()) &&
            m_frame->childAt(click->position().toPoint()) == nullptr) {
            Guarded([this] { Frame1_Click(); })();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::Form_Load() {
    m_version->showText(tr("Version %1").arg(QString::fromStdString(AppInfo::version())));
    m_productName->showText(QString::fromUtf8(AppInfo::title));
}

void SplashWindow::Form_KeyPress() {
    unload();
}

void SplashWindow::Frame1_Click() {
    unload();
}

void SplashWindow::Command1_Click() {
    QWidget& main = m_loadMainWindow();
    hide();
    main.show();
}

void SplashWindow::unload() {
    close();
    emit unloaded();
}

}  // namespace dicewright
