#include "ui/about_window.h"

#include "eps/ps_standard.h"
#include "ui/fonts.h"
#include "ui/maker.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <array>

namespace quillmark {

namespace {

constexpr auto PRODUCT_NAME = "Quillmark";

struct LogoPiece {
    const char* text;
    QColor colour;
};

// The name in three pieces: the three strokes of "ill" stand out in red, like quills.
const std::array<LogoPiece, 3> LOGO_PIECES{{
    {"Qu", Qt::black},
    {"ill", QColor(255, 0, 0)},
    {"mark", Qt::black},
}};

} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Quillmark"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(480, 220);
    setFont(SystemFont());
    SetWhiteBackground(*this);

    _versionText = new QLabel(this);
    _versionText->setObjectName(QStringLiteral("VersionText"));
    _versionText->setGeometry(361, 38, 106, 22);
    _versionText->setAlignment(Qt::AlignCenter);

    auto* lettering = new LogoLettering(this);
    lettering->setObjectName(QStringLiteral("Canvas1"));
    lettering->setGeometry(13, 13, 336, 50);

    _contactField = new QLabel(this);
    _contactField->setObjectName(QStringLiteral("ContactField"));
    _contactField->setGeometry(13, 75, 454, 125);
    _contactField->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    _contactField->setWordWrap(true);

    _timer1.setObjectName(QStringLiteral("Timer1"));
    _timer1.setSingleShot(true);
    _timer1.setInterval(CONTACT_SWITCH_MS);
    connect(&_timer1, &QTimer::timeout, this, &AboutWindow::showSecondContact);

    _versionText->setText(QStringLiteral("Version: ") + QString::fromUtf8(SetVersion()));
    _contactField->setText(FirstContactText());
    _timer1.start();
}

QString AboutWindow::versionText() const
{
    return _versionText->text();
}

QString AboutWindow::contactText() const
{
    return _contactField->text();
}

void AboutWindow::showSecondContact()
{
    _contactField->setText(SecondContactText());
}

void AboutWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    close();
}

void AboutWindow::closeEvent(QCloseEvent* event)
{
    _timer1.stop();
    QDialog::closeEvent(event);
}

void AboutWindow::done(int result)
{
    _timer1.stop();
    QDialog::done(result);
}

LogoLettering::LogoLettering(QWidget* parent) : QWidget(parent) {}

void LogoLettering::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = LogoLetteringFont();
    painter.setFont(font);
    const QString name = QString::fromLatin1(PRODUCT_NAME);

    painter.setPen(QColor(127, 127, 127));
    painter.drawText(QPoint(0, 40), name);

    // Each piece starts where it falls within the whole name set in this font.
    const QFontMetrics metrics(font);
    QString before;
    for (const LogoPiece& piece : LOGO_PIECES) {
        const QString text = QString::fromLatin1(piece.text);
        painter.setPen(piece.colour);
        painter.drawText(QPoint(2 + metrics.horizontalAdvance(before), 38), text);
        before += text;
    }
}

} // namespace quillmark
