#pragma once

#include <QColor>
#include <QHash>
#include <QLabel>
#include <QPixmap>

// One figure of the clock face. The face's glyphs are too large for the text engine's glyph
// cache, so drawing the text every second rasterised every outline again; this label keeps
// each character as a picture and repaints only the characters that changed (usually the
// last seconds digit), which keeps the ticking clock cheap while the program sits idle.
class ClockFaceLabel : public QLabel
{
    Q_OBJECT
public:
    ClockFaceLabel(const QColor &colour, QWidget *parent);

    // The label's text, with only the changed part of the figure repainted.
    void setFaceText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    const QPixmap &glyph(QChar c);
    int baseline() const;
    // Left edge of character i of the text, characters set one after another.
    int charLeft(const QString &text, int i) const;

    QColor m_colour;
    QHash<QChar, QPixmap> m_glyphs;
    QHash<QChar, int> m_glyphLeft; // ink that starts left of the pen position
};
