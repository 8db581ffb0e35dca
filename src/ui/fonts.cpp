#include "ui/fonts.h"

#include <QApplication>
#include <QWidget>

namespace quillmark {

namespace {
constexpr int SYSTEM_FONT_PX = 12;
constexpr int CODE_LABEL_FONT_PX = 9;
constexpr int LOGO_FONT_PX = 48;
} // namespace

QFont SystemFont()
{
    QFont font = QApplication::font();
    font.setPixelSize(SYSTEM_FONT_PX);
    return font;
}

QFont CodeLabelFont()
{
    // A small sans serif of the kind the labels were designed for, with the common free one behind it.
    QFont font;
    font.setFamilies({QStringLiteral("Geneva"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(CODE_LABEL_FONT_PX);
    return font;
}

QFont LogoLetteringFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Helvetica"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::Helvetica);
    font.setBold(true);
    font.setItalic(false);
    font.setPixelSize(LOGO_FONT_PX);
    return font;
}

void SetWhiteBackground(QWidget& window)
{
    window.setAutoFillBackground(true);
    QPalette white = window.palette();
    white.setColor(QPalette::Window, Qt::white);
    window.setPalette(white);
}

} // namespace quillmark
