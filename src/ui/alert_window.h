#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The alert: one message over the main window, with the caution icon over the program's logo and a
// "Close" button that Return presses. Shown window-modal, so it never blocks the caller.
namespace quillmark {

class AlertWindow : public QDialog {
    Q_OBJECT

public:
    explicit AlertWindow(QWidget* parent = nullptr);

    void setMessage(const QString& message);
    QString message() const;

private:
    QLabel* _errorTextField;
    QPushButton* _closeButton;
};

} // namespace quillmark
