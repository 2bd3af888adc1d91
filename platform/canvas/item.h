#ifndef ITEM_H
#define ITEM_H

#include <QSizeF>

// Mix-in shared by every canvas item. The id is chosen by the label module that
// creates the item (for example 100..105 for the pipe marker) and is how a
// label refers to its items; the canvas never assigns ids itself.
class Item
{
public:
    virtual ~Item();

    void setItemId(short id) { m_itemId = id; }
    short itemId() const { return m_itemId; }

    // The item's current size in canvas units (points), before any rotation:
    // what the layouts measure and place.
    virtual QSizeF getItemSize() const = 0;

private:
    short m_itemId = 0;
};

#endif
