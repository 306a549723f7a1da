// The reader's handling of tables: cells and rows are gathered until the table ends, then sent
// whole.
#include "richtext/rtf_reader.h"

namespace orvan::richtext {

void RtfReader::endCell() {
    flushBytes();
    if (!inDocumentText()) return;
    flushRun();
    cellParagraph_.format = state_.paragraph;
    cellParagraph_.format.inTable = true;
    cell_.push_back(std::move(cellParagraph_));
    cellParagraph_ = RtfParagraph{};
    row_.push_back(std::move(cell_));
    cell_.clear();
}

void RtfReader::endRow() {
    flushBytes();
    if (!inDocumentText()) return;
    flushRun();
    closeRow();
}

// Text after the last \cell of a row makes a cell of its own; the row joins the table.
void RtfReader::closeRow() {
    if (!cellParagraph_.runs.empty()) {
        cell_.push_back(std::move(cellParagraph_));
        cellParagraph_ = RtfParagraph{};
    }
    if (!cell_.empty()) {
        row_.push_back(std::move(cell_));
        cell_.clear();
    }
    if (!row_.empty()) {
        table_.rows.push_back(std::move(row_));
        row_.clear();
    }
}

bool RtfReader::tableOpen() const {
    return !table_.rows.empty() || !row_.empty() || !cell_.empty() ||
           !cellParagraph_.runs.empty() || (runInTable_ && !run_.empty());
}

// Sends the table read so far; a row or cell left open at its end is kept as read.
void RtfReader::flushTable() {
    if (runInTable_) flushRun();
    closeRow();
    const std::size_t columns = table_.columnCount();
    if (columns > kMaxTableColumns || table_.rows.size() * columns > kMaxTableCells)
        sendTableAsText();
    else if (!table_.rows.empty())
        output_->addTable(table_);
    table_ = RtfTable{};
}

// A table whose grid would be far larger than its text (one very long row among many short
// ones), or too wide for the view to lay out, goes out as paragraphs instead: one per row, cells
// separated by tabs.
void RtfReader::sendTableAsText() {
    output_->endParagraph(RtfParagraphFormat{});
    for (const RtfTable::Row& row : table_.rows) {
        RtfParagraphFormat format;
        for (std::size_t cell = 0; cell < row.size(); ++cell) {
            if (cell > 0) output_->addText(u"\t", RtfCharFormat{});
            for (std::size_t paragraph = 0; paragraph < row[cell].size(); ++paragraph) {
                if (paragraph > 0) output_->addText(u" ", RtfCharFormat{});
                for (const RtfRun& run : row[cell][paragraph].runs)
                    output_->addText(run.text, run.format);
                format = row[cell][paragraph].format;
            }
        }
        format.inTable = false;
        output_->endParagraph(format);
    }
}

}  // namespace orvan::richtext
