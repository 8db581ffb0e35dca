#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

// The About window: the product name as logo lettering, the version and the maker's contact details,
// which give way to a second text ten seconds after the window opens. A click closes it.
namespace quillmark {

class AboutWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int CONTACT_SWITCH_MS = 10000;

    explicit AboutWindow(QWidget* parent = nullptr);

    QString versionText() const;
    QString contactText() const;
    QTimer* contactTimer() { return &_timer1; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void showSecondContact();

    QLabel* _versionText;
    QLabel* _contactField;
    QTimer _timer1;
};

// The product name, bold, in black with a red middle over a grey shadow 2 pixels left and down.
class LogoLettering : public QWidget {
public:
    explicit LogoLettering(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quillmark
