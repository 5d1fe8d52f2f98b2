#include "RtfState.h"

#include <QTextOption>

namespace {

// Twips to the document's pixels, 15 to a pixel as everywhere in the program.
qreal px(int twips)
{
    return twips / 15.0;
}

} // namespace

QTextCharFormat rtfCharFormat(const RtfCharState &state, const QString &href,
                              const RtfTables &tables)
{
    QTextCharFormat format;
    const auto font = tables.fonts.constFind(state.font < 0 ? tables.defaultFont : state.font);
    if (font != tables.fonts.cend() && !font->isEmpty())
        format.setFontFamilies({*font});
    format.setFontPointSize(state.halfPoints / 2.0);
    format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(state.italic);
    format.setFontUnderline(state.underline);
    format.setFontStrikeOut(state.strike);
    if (state.vertical != 0)
        format.setVerticalAlignment(state.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                                       : QTextCharFormat::AlignSubScript);
    if (state.color > 0 && state.color < tables.colors.size()
        && tables.colors[state.color].isValid())
        format.setForeground(tables.colors[state.color]);
    if (!href.isEmpty()) {
        format.setAnchor(true);
        format.setAnchorHref(href);
        format.setFontUnderline(true);
        if (!format.hasProperty(QTextFormat::ForegroundBrush))
            format.setForeground(QColor(0, 0, 238));
    }
    return format;
}

QTextBlockFormat rtfBlockFormat(const RtfParaState &state)
{
    QTextBlockFormat format;
    format.setLeftMargin(px(state.left));
    format.setRightMargin(px(state.right));
    format.setTextIndent(px(state.first));
    format.setTopMargin(px(state.before));
    format.setBottomMargin(px(state.after));
    switch (state.align) {
    case RtfParaState::Align::Left:
        format.setAlignment(Qt::AlignLeft);
        break;
    case RtfParaState::Align::Center:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case RtfParaState::Align::Right:
        format.setAlignment(Qt::AlignRight);
        break;
    case RtfParaState::Align::Justify:
        format.setAlignment(Qt::AlignJustify);
        break;
    }
    QList<QTextOption::Tab> tabs;
    for (int i = 0; i < state.tabCount; ++i)
        tabs.append(QTextOption::Tab(px(state.tabs[size_t(i)]), QTextOption::LeftTab));
    format.setTabPositions(tabs);
    return format;
}
