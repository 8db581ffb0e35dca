#include "ui/alert_window.h"

#include "ui/fonts.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace quillmark {

namespace {

constexpr int CAUTION_ICON_PX = 32;

// The program's logo with the platform's caution icon at (8, 0) over it.
class CautionCanvas : public QWidget {
public:
    explicit CautionCanvas(QWidget* parent) : QWidget(parent) { setFixedSize(64, 64); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        static const QImage logo(QStringLiteral(":/quillmark/logo.png"));
        if (!logo.isNull()) painter.drawImage(rect(), logo);
        const QIcon caution = style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this);
        painter.drawPixmap(8, 0, caution.pixmap(CAUTION_ICON_PX, CAUTION_ICON_PX));
    }
};

} // namespace

AlertWindow::AlertWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quillmark"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(400, 150);
    setFont(SystemFont());
    SetWhiteBackground(*this);

    _errorTextField = new QLabel(QStringLiteral("Error"), this);
    _errorTextField->setObjectName(QStringLiteral("ErrorTextField"));
    _errorTextField->setGeometry(113, 14, 267, 80);
    _errorTextField->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    _errorTextField->setWordWrap(true);

    _closeButton = new QPushButton(QStringLiteral("Close"), this);
    _closeButton->setObjectName(QStringLiteral("PushButton1"));
    _closeButton->setGeometry(311, 110, 69, 20);
    _closeButton->setDefault(true);
    _closeButton->setAutoDefault(true);
    connect(_closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* canvas = new CautionCanvas(this);
    canvas->setObjectName(QStringLiteral("Canvas1"));
    canvas->move(25, 14);
}

void AlertWindow::setMessage(const QString& message)
{
    _errorTextField->setText(message);
}

QString AlertWindow::message() const
{
    return _errorTextField->text();
}

} // namespace quillmark
