#pragma once

#include "RtfState.h"

#include <QTextCursor>

#include <optional>

class QTextDocument;
class QTextTable;

// Writes what the reader finds into a QTextDocument: text runs, paragraph ends with the
// paragraph's properties, and table cells and rows. A paragraph end is held back until more
// content comes, so a cell or a document does not end in an empty paragraph.
class RtfDocumentBuilder
{
public:
    explicit RtfDocumentBuilder(QTextDocument &document);

    void text(const QString &text, const QTextCharFormat &format, const RtfParaState &para);
    void paragraphEnd(const RtfParaState &para);
    void rowDefinition(int columns) { m_definedColumns = columns; }
    void cellEnd(const RtfParaState &para);
    void rowEnd();

    // Bounds that keep a hostile table from growing without end; more cells share the last.
    static constexpr int kMaxColumns = 64;
    static constexpr int kMaxCells = 2000;

private:
    void enter(const RtfParaState &para);
    void beginTable();
    void leaveTable();
    void moveToCell();
    void applyBlockFormat(const RtfParaState &para);
    void moveCursor(const QTextCursor &cursor);

    QTextCursor m_cursor;
    QTextTable *m_table = nullptr;
    int m_definedColumns = 1;
    int m_row = 0;
    int m_column = 0;
    bool m_rowDone = false;
    bool m_cellMoved = false;
    bool m_breakPending = false;
    // The properties given to the cursor's block; set again only when they change, since each
    // setting touches the whole block.
    std::optional<RtfParaState> m_blockPara;
};
