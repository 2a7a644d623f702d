#pragma once

#include "board/Board.h"
#include "board/CellValue.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The per-cell record: for each cell its tile code, its two numbers and its
// used mark, addressed as cellCodes(cell, plane), plane after plane with the
// cell index running fastest.
//
// The used marks are also kept as one bit a cell, a row to a word, because
// the squares of used cells are recounted five times a second and want whole
// rows at once. Every write goes through Entry, so the two never disagree.
class CellCodes {
public:
    enum Plane { kTileCode = 0, kFirstNumber = 1, kSecondNumber = 2, kUsedMark = 3 };
    static constexpr int kPlanes = 4;
    using UsedRows = std::array<std::uint32_t, board::kRows>;

    // One element, read like a CellValue and written by assignment.
    class Entry {
    public:
        Entry& operator=(const CellValue& value)
        {
            codes_.values_.at(index_) = value;
            if (index_ >= board::kCells * kUsedMark) {
                codes_.noteUsedMark(index_ - board::kCells * kUsedMark, value);
            }
            return *this;
        }
        Entry& operator=(const Entry& other) { return *this = CellValue(other); }
        operator const CellValue&() const { return codes_.values_.at(index_); }

        QString text() const { return value().text(); }
        int toInt() const { return value().toInt(); }
        bool isNumber() const { return value().isNumber(); }
        friend bool operator==(const Entry& entry, const CellValue& value) { return entry.value() == value; }

    private:
        friend class CellCodes;
        Entry(CellCodes& codes, int index) : codes_(codes), index_(index) {}
        const CellValue& value() const { return codes_.values_.at(index_); }

        CellCodes& codes_;
        int index_;
    };

    Entry operator()(int cell, int plane) { return Entry(*this, indexOf(cell, plane)); }
    const CellValue& operator()(int cell, int plane) const { return values_.at(indexOf(cell, plane)); }

    // A cell is used when its mark reads 1.
    bool isUsed(int cell) const { return usedRows_[board::rowOf(cell)] >> board::columnOf(cell) & 1u; }
    // Bit c of word r: the cell in row r, column c is used.
    const UsedRows& usedRows() const { return usedRows_; }

private:
    static int indexOf(int cell, int plane)
    {
        return (cell < 0 || cell >= board::kCells) ? -1 : cell + board::kCells * plane;
    }
    void noteUsedMark(int cell, const CellValue& mark)
    {
        const std::uint32_t bit = 1u << board::columnOf(cell);
        std::uint32_t& row = usedRows_[board::rowOf(cell)];
        row = mark == 1 ? row | bit : row & ~bit;
    }

    std::array<CellValue, std::size_t{board::kCells} * kPlanes> values_{};
    UsedRows usedRows_{};
};
