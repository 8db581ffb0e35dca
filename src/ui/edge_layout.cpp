#include "ui/edge_layout.h"

#include <QWidget>
#include <QWidgetItem>

namespace quillmark {

EdgeLayout::EdgeLayout(QSize designSize, QWidget* parent) : QLayout(parent), _designSize(designSize)
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetMinimumSize);
}

EdgeLayout::~EdgeLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void EdgeLayout::addWidget(QWidget* widget, QRect designRect, Anchor anchor)
{
    addChildWidget(widget);
    _entries.append({new QWidgetItem(widget), designRect, anchor});
    invalidate();
}

void EdgeLayout::addItem(QLayoutItem* item)
{
    _entries.append({item, item->geometry(), Anchor::Left});
}

QLayoutItem* EdgeLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? _entries[index].item : nullptr;
}

QLayoutItem* EdgeLayout::takeAt(int index)
{
    if (index < 0 || index >= count()) return nullptr;
    return _entries.takeAt(index).item;
}

void EdgeLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const int growth = qMax(0, rect.width() - _designSize.width());
    for (const Entry& entry : _entries) {
        QRect placed = entry.designRect.translated(rect.topLeft());
        if (entry.anchor == Anchor::Right)
            placed.translate(growth, 0);
        else if (entry.anchor == Anchor::Stretch)
            placed.setWidth(placed.width() + growth);
        // Straight to the widget: the design's sizes stand, whatever a widget's own size hints say.
        if (QWidget* widget = entry.item->widget())
            widget->setGeometry(placed);
        else
            entry.item->setGeometry(placed);
    }
}

} // namespace quillmark
