#pragma once

#include <cstdint>
#include <vector>

namespace vornik::twod {

// The modules of a two-dimensional symbol, row by row from the top. Rows and
// columns count from 1; a cell outside the matrix is light, which is what the
// drawing asks of the neighbours beyond the last row and column.
class ModuleMatrix {
public:
    ModuleMatrix() = default;
    ModuleMatrix(int rows, int columns)
        : rows_(rows), columns_(columns), cells_(static_cast<std::size_t>(rows * columns), 0) {}

    [[nodiscard]] int rows() const { return rows_; }
    [[nodiscard]] int columns() const { return columns_; }

    [[nodiscard]] bool dark(int row, int column) const {
        if (row < 1 || row > rows_ || column < 1 || column > columns_)
            return false;
        return cells_[index(row, column)] != 0;
    }
    void set(int row, int column, bool dark) { cells_.at(index(row, column)) = dark ? 1 : 0; }

    bool operator==(const ModuleMatrix&) const = default;

private:
    [[nodiscard]] std::size_t index(int row, int column) const {
        return static_cast<std::size_t>((row - 1) * columns_ + (column - 1));
    }

    int rows_ = 0;
    int columns_ = 0;
    std::vector<std::uint8_t> cells_;
};

} // namespace vornik::twod
