#include "canvas/textitem.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QTextDocument>

TextItem::TextItem(QGraphicsItem* parent) : QGraphicsTextItem(parent)
{
    document()->setDocumentMargin(0);
    // Design metrics keep advances proportional to the font size, so a text
    // scaled up on the canvas keeps the proportions it was measured with.
    document()->setUseDesignMetrics(true);

    QFont f = font();
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setPixelSize(12);
    setFont(f);

    setTextInteractionFlags(Qt::TextEditorInteraction);
    setFlag(QGraphicsItem::ItemSendsGeometryChanges, true);

    // Both signals: contentsChanged arrives at once for an edit, the layout's
    // size signal also covers font changes made through QGraphicsTextItem.
    connect(document(), &QTextDocument::contentsChanged, this, [this] { textLayoutChanged(); });
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            [this](const QSizeF&) { textLayoutChanged(); });
}

TextItem::~TextItem() = default;

bool TextItem::isWhiteSpace(const QString& text)
{
    for (const QChar c : text) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

void TextItem::setTextReadOnly()
{
    setTextInteractionFlags(Qt::NoTextInteraction);
    clearFocus();
}

void TextItem::setTextEditable()
{
    setTextInteractionFlags(Qt::TextEditorInteraction);
}

bool TextItem::isTextReadOnly() const
{
    return textInteractionFlags() == Qt::NoTextInteraction;
}

void TextItem::setFontFamily(const QString& family)
{
    QFont f = font();
    f.setFamily(family);
    setFont(f);
    textLayoutChanged();
}

void TextItem::setFontPointSize(int size)
{
    QFont f = font();
    f.setPixelSize(qMax(1, size));
    setFont(f);
    textLayoutChanged();
}

int TextItem::fontPointSize() const
{
    return font().pixelSize();
}

void TextItem::setTextColor(const QColor& color)
{
    setDefaultTextColor(color);
}

QColor TextItem::textColor() const
{
    return defaultTextColor();
}

void TextItem::setTextStyleFlag(bool labelStyle)
{
    m_textStyleFlag = labelStyle;
    textLayoutChanged();
}

void TextItem::textLayoutChanged() {}

void TextItem::setVertical(bool vertical)
{
    m_vertical = vertical;
}
