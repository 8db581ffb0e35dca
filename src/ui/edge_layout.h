#pragma once

#include <QLayout>
#include <QList>
#include <QRect>

// The main window's layout: every control at its place in a design of fixed size. When the area grows,
// controls anchored to the right edge keep their distance from it and stretched controls widen with it;
// nothing moves or grows vertically, and the area never becomes smaller than the design.
namespace quillmark {

class EdgeLayout : public QLayout {
public:
    enum class Anchor { Left, Right, Stretch };

    explicit EdgeLayout(QSize designSize, QWidget* parent = nullptr);
    ~EdgeLayout() override;

    void addWidget(QWidget* widget, QRect designRect, Anchor anchor = Anchor::Left);

    void addItem(QLayoutItem* item) override; // placed at its current geometry, anchored left
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override { return static_cast<int>(_entries.size()); }

    QSize sizeHint() const override { return _designSize; }
    QSize minimumSize() const override { return _designSize; }
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* item;
        QRect designRect;
        Anchor anchor;
    };

    QSize _designSize;
    QList<Entry> _entries;
};

} // namespace quillmark
