#include "RtfDocumentBuilder.h"

#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument &document)
    : m_cursor(&document)
{
}

void RtfDocumentBuilder::text(const QString &text, const QTextCharFormat &format,
                              const RtfParaState &para)
{
    if (text.isEmpty())
        return;
    enter(para);
    applyBlockFormat(para);
    m_cursor.insertText(text, format);
}

void RtfDocumentBuilder::paragraphEnd(const RtfParaState &para)
{
    enter(para);
    applyBlockFormat(para);
    m_breakPending = true;
}

void RtfDocumentBuilder::cellEnd(const RtfParaState &para)
{
    if (!para.inTable && !m_table)
        return;
    m_breakPending = false; // the cell ends its last paragraph
    enter(para);
    ++m_column;
    m_cellMoved = true;
}

void RtfDocumentBuilder::rowEnd()
{
    if (!m_table)
        return;
    m_breakPending = false;
    m_rowDone = true;
}

// Brings the cursor to where the next content goes: into or out of a table, to the next cell
// or row, past a held-back paragraph end.
void RtfDocumentBuilder::enter(const RtfParaState &para)
{
    if (para.inTable && !m_table) {
        beginTable();
    } else if (!para.inTable && m_table) {
        leaveTable();
    }
    if (m_table) {
        if (m_rowDone && (m_table->rows() + 1) * m_table->columns() <= kMaxCells) {
            m_table->appendRows(1);
            ++m_row;
            m_column = 0;
            m_cellMoved = true;
        }
        m_rowDone = false;
        if (m_column >= m_table->columns()) {
            const int wanted = std::min({m_column + 1, kMaxColumns, kMaxCells / m_table->rows()});
            if (wanted > m_table->columns())
                m_table->appendColumns(wanted - m_table->columns());
            m_cellMoved = true;
        }
        if (m_cellMoved)
            moveToCell();
    }
    if (m_breakPending) {
        m_cursor.insertBlock(); // with the format of the block before, as m_blockPara says
        m_breakPending = false;
    }
}

void RtfDocumentBuilder::beginTable()
{
    if (m_breakPending)
        m_cursor.insertBlock();
    m_breakPending = false;
    const int columns = qBound(1, m_definedColumns, kMaxColumns);
    m_table = m_cursor.insertTable(1, columns);
    m_blockPara.reset();
    m_row = 0;
    m_column = 0;
    m_rowDone = false;
    m_cellMoved = false;
}

void RtfDocumentBuilder::leaveTable()
{
    QTextCursor after = m_table->lastCursorPosition();
    after.movePosition(QTextCursor::NextBlock);
    moveCursor(after);
    m_table = nullptr;
    m_breakPending = false;
}

void RtfDocumentBuilder::moveToCell()
{
    // A row that reached its bound keeps its last cell for what follows.
    m_column = qMin(m_column, m_table->columns() - 1);
    moveCursor(m_table->cellAt(m_row, m_column).lastCursorPosition());
    m_cellMoved = false;
}

void RtfDocumentBuilder::moveCursor(const QTextCursor &cursor)
{
    m_cursor = cursor;
    m_blockPara.reset();
}

void RtfDocumentBuilder::applyBlockFormat(const RtfParaState &para)
{
    if (m_blockPara && *m_blockPara == para)
        return;
    m_cursor.setBlockFormat(rtfBlockFormat(para));
    m_blockPara = para;
}
