#include "app/launcher.h"

#include "setup/controlbuilder.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>

namespace {

QString padded(int spaces, const QString &caption)
{
    return QString(spaces, QLatin1Char(' ')) + caption;
}

// A click on a label: the left button pressed and then released over it.
class ClickFilter : public QObject
{
    Q_OBJECT

public:
    explicit ClickFilter(QWidget *target)
        : QObject(target)
        , m_target(target)
    {
        target->installEventFilter(this);
    }

signals:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_target
            && (event->type() == QEvent::MouseButtonPress
                || event->type() == QEvent::MouseButtonRelease)) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton) {
                if (event->type() == QEvent::MouseButtonPress) {
                    m_pressed = true;
                } else {
                    const bool inside = m_target->rect().contains(mouse->position().toPoint());
                    const bool click = m_pressed && inside;
                    m_pressed = false;
                    if (click)
                        emit clicked();
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_target;
    bool m_pressed = false;
};

} // namespace

Form1::Form1(QWidget *parent)
    : FramelessWindow(launcherWindowDesign(), parent)
{
    load();
    connect(new ClickFilter(control(QStringLiteral("Label5"))), &ClickFilter::clicked, this,
            &Form1::openMmsWindow);
    connect(new ClickFilter(control(QStringLiteral("Label6"))), &ClickFilter::clicked, this,
            &Form1::openSmtpWindow);

    connect(this, &FramelessWindow::quitRequested, this, &Form1::endRequested);
    // Never left running without a window: closed by the desktop, the launcher ends the run.
    connect(this, &FramelessWindow::closed, this, &Form1::endRequested);
}

Form1::~Form1()
{
    if (m_setupWindow) {
        disconnect(m_setupWindow, nullptr, this, nullptr);
        delete m_setupWindow;
    }
}

void Form1::load()
{
    // The leading spaces push each tile's name down to the lower part of the tile.
    control<QLabel>(QStringLiteral("Label4"))->setText(padded(95, QStringLiteral("Camera")));
    control<QLabel>(QStringLiteral("Label5"))->setText(padded(91, QStringLiteral("MMS Setting")));
    control<QLabel>(QStringLiteral("Label6"))->setText(padded(90, QStringLiteral("SMTP Setting")));

    // Top, then Left; the window is centred on the screen when it is first shown.
    move(x(), twipsToPixels(2000));
    move(twipsToPixels(5000), y());

    control(QStringLiteral("Combo1"))->setEnabled(false);
    control(QStringLiteral("Combo2"))->setEnabled(false);
    control(QStringLiteral("Label4"))->setEnabled(false);
    // Key preview is on from the start: every FramelessWindow sees its keys first.
}

void Form1::setMmsWindowFactory(WindowFactory factory, const CaptionTable &captions)
{
    m_mms = {std::move(factory), &captions};
}

void Form1::setSmtpWindowFactory(WindowFactory factory, const CaptionTable &captions)
{
    m_smtp = {std::move(factory), &captions};
}

QString Form1::languageText() const
{
    return control<QComboBox>(QStringLiteral("Combo1"))->currentText();
}

void Form1::openMmsWindow()
{
    open(m_mms);
}

void Form1::openSmtpWindow()
{
    open(m_smtp);
}

void Form1::open(const Tile &tile)
{
    if (!tile.factory || m_setupWindow)
        return;

    hide();
    FramelessWindow *window = tile.factory();
    if (!window) {
        show();
        return;
    }
    m_setupWindow = window;
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &FramelessWindow::quitRequested, this, &Form1::endRequested);
    connect(window, &FramelessWindow::closed, this, &Form1::setupWindowClosed);
    // A window that goes away without closing must not leave us hidden either.
    connect(window, &QObject::destroyed, this, &Form1::setupWindowClosed);
    window->show();

    if (tile.captions)
        applyCaptions(window, *tile.captions, languageText());
}

void Form1::setupWindowClosed()
{
    if (m_setupWindow) {
        disconnect(m_setupWindow, nullptr, this, nullptr);
        m_setupWindow = nullptr;
    }
    show();
}

#include "launcher.moc"
